#include "designer/LegacyNames.h"

#include <cstddef>

#include "Resource/ResourceBase.h"
#include "Resource/SkinDocument.h"
#include "Resource/TextUtil.h"

namespace {

struct Rule {
    int typeBase;
    const char* from;
    const char* to;
    size_t maxLength;  // the name is renamed only when it is at most this long
};

constexpr Rule kRules[] = {
    {3500, "SysButton", "SkinCaptionButton", std::string::npos},
    {3000, "Frame", "SkinFrameWnd", 12},
    {18000, "ToolWindow", "MiniFrameWnd", std::string::npos},
    {2000, "Button", "SkinButton", 10},
    {26000, "FreeFrame", "SkinShapeWnd", std::string::npos},
    {19000, "Client", "SkinMDIClient", 13},
};

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
    for (size_t pos = text.find(from); pos != std::string::npos; pos = text.find(from, pos + to.size()))
        text.replace(pos, from.size(), to);
    return text;
}

}  // namespace

std::string ModernDefaultName(int typeBase, const std::string& name) {
    for (const Rule& rule : kRules) {
        if (rule.typeBase != typeBase) continue;
        if (name.size() > rule.maxLength) return name;
        // A name already in today's form ("SkinMDIClient") is left alone rather than prefixed twice.
        if (name.find(rule.to) != std::string::npos) return name;
        return vd::CutToCapacity(ReplaceAll(name, rule.from, rule.to), kText255);
    }
    return name;
}

int RenameLegacyNames(CSkinDocument& document) {
    int renamed = 0;
    document.ForEachItem([&](CResourceBase& collection, SkinResStruct& item) {
        std::string modern = ModernDefaultName(collection.BaseId(), item.Caption);
        if (modern != item.Caption) {
            item.Caption = std::move(modern);
            ++renamed;
        }
    });
    return renamed;
}
