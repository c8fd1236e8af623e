#pragma once
// MDI client areas: a background image or colour.

#include "Resource/ResourceBase.h"

struct SkinClient : SkinResStruct {
    int previewWidth = 400;
    int previewHeight = 300;
    SkinImageBase background;  // "BkImg"
    Color backgroundColor;     // "clrBK"
    friend bool operator==(const SkinClient&, const SkinClient&) = default;
};

class CResClient : public CResTyped<SkinClient> {
public:
    explicit CResClient(CSkinDocument& doc);
    static const RecordSchema<SkinClient>& Table();
};
