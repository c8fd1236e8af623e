#pragma once
// The font-file collection: part of the document's registry and ID blocks, but a skin never carries font
// files, so it creates, loads and writes nothing.

#include "Resource/ResourceBase.h"

class CResFontFile : public CResourceBase {
public:
    explicit CResFontFile(CSkinDocument& doc);
    bool Load() override { return false; }
    bool LoadItem(int) override { return false; }
    bool SaveItem(const SkinResStruct&) override { return true; }
    std::unique_ptr<SkinResStruct> CloneItem(const SkinResStruct& item) const override {
        return std::make_unique<SkinResStruct>(item);
    }
    void AssignItem(SkinResStruct& target, const SkinResStruct& source) const override { target = source; }
    bool SameItem(const SkinResStruct& a, const SkinResStruct& b) const override { return a == b; }

protected:
    std::unique_ptr<SkinResStruct> MakeRecord() const override { return std::make_unique<SkinResStruct>(); }
};
