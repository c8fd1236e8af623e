#pragma once
// IP-address fields, hot-key fields and edit boxes: one record shape, a frame in three states
// (0 normal, 1 highlighted or focused, 2 disabled).

#include <array>

#include "Resource/ResourceBase.h"

struct SkinIPAddress : SkinResStruct {
    int previewWidth = 500;
    int previewHeight = 100;
    std::array<SkinImageBase, 3> edges;
    friend bool operator==(const SkinIPAddress&, const SkinIPAddress&) = default;
};
struct SkinHotKey : SkinIPAddress {
    friend bool operator==(const SkinHotKey&, const SkinHotKey&) = default;
};
struct SkinEdit : SkinIPAddress {
    friend bool operator==(const SkinEdit&, const SkinEdit&) = default;
};

class CResIPAddress : public CResTyped<SkinIPAddress> {
public:
    explicit CResIPAddress(CSkinDocument& doc);
    static const RecordSchema<SkinIPAddress>& Table();
};
class CResHotKey : public CResTyped<SkinHotKey> {
public:
    explicit CResHotKey(CSkinDocument& doc);
    static const RecordSchema<SkinHotKey>& Table();
};
class CResEdit : public CResTyped<SkinEdit> {
public:
    explicit CResEdit(CSkinDocument& doc);
    static const RecordSchema<SkinEdit>& Table();
};
