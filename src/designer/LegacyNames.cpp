#include "designer/LegacyNames.h"

#include <QCoreApplication>

#include <cstddef>
#include <utility>
#include <vector>

#include "Resource/ResourceBase.h"
#include "Resource/SkinDocument.h"
#include "Resource/TextUtil.h"
#include "designer/SkinSession.h"
#include "designer/undo/EditObjectCommand.h"

namespace {

struct Rule {
    int typeBase;
    const char* from;
    const char* to;
    size_t maxLength;  // longer names were never renamed, and still are not
};

constexpr Rule kRules[] = {
    {3500, "SysButton", "SkinCaptionButton", std::string::npos},
    {3000, "Frame", "SkinFrameWnd", 12},
    {18000, "ToolWindow", "MiniFrameWnd", std::string::npos},
    {2000, "Button", "SkinButton", 10},
    {26000, "FreeFrame", "SkinShapeWnd", std::string::npos},
    {19000, "Client", "SkinMDIClient", 13},
};

bool AllDigits(const std::string& text, size_t from) {
    if (from >= text.size()) return false;
    for (size_t i = from; i < text.size(); ++i)
        if (text[i] < '0' || text[i] > '9') return false;
    return true;
}

}  // namespace

std::string ModernDefaultName(int typeBase, const std::string& name) {
    for (const Rule& rule : kRules) {
        if (rule.typeBase != typeBase) continue;
        const std::string from = rule.from;
        if (name.size() > rule.maxLength || name.compare(0, from.size(), from) != 0 || !AllDigits(name, from.size()))
            return name;
        return vd::CutToCapacity(rule.to + name.substr(from.size()), kText255);
    }
    return name;
}

int RenameLegacyNames(SkinSession& session) {
    std::vector<std::pair<int, std::string>> renames;
    session.Document().ForEachItem([&](CResourceBase& collection, SkinResStruct& item) {
        std::string modern = ModernDefaultName(collection.BaseId(), item.Caption);
        if (modern != item.Caption) renames.emplace_back(item.ID, std::move(modern));
    });
    if (renames.empty()) return 0;
    QUndoStack& stack = session.UndoStack();
    stack.beginMacro(QCoreApplication::translate("LegacyNames", "Rename old default names"));
    for (const auto& [id, name] : renames)
        EditObjectCommand::Push(session, id, QCoreApplication::translate("LegacyNames", "Rename %1").arg(QString::fromStdString(name)),
                                [name](SkinResStruct& r) { r.Caption = name; });
    stack.endMacro();
    return static_cast<int>(renames.size());
}
