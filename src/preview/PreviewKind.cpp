#include "preview/PreviewKind.h"

#include <algorithm>
#include <cctype>

#include "Resource/ResObjects/ResToolWindow.h"
#include "Resource/SkinDocument.h"
#include "preview/ButtonPreview.h"
#include "preview/FramePreview.h"
#include "preview/FreeFramePreview.h"
#include "preview/PreviewCommon.h"
#include "preview/ToolWindowPreview.h"

namespace vd::preview {
namespace {

QSize FrameSize(const CSkinDocument&, const SkinResStruct&) { return kFramePreviewSize; }
QSize ButtonSize(const CSkinDocument&, const SkinResStruct&) { return kButtonPreviewSize; }
QSize ToolWindowSize(const CSkinDocument&, const SkinResStruct& r) {
    const auto& t = static_cast<const SkinToolWindow&>(r);
    return {t.previewWidth, t.previewHeight};
}

bool SameText(const std::string& a, const char* b) {
    const std::string other(b);
    return a.size() == other.size() &&
           std::equal(a.begin(), a.end(), other.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::vector<PreviewKind> MakeKinds() {
    std::vector<PreviewKind> kinds;
    kinds.push_back({3000, 500, "frame", DrawFramePreview, FrameSize, nullptr, {}});
    kinds.push_back({2000, 1000, "button", DrawButtonPreview, ButtonSize, nullptr,
                     {{"State",
                       {{"Normal", kStateNormal},
                        {"Pressed", kStatePressed},
                        {"Disabled", kStateDisabled},
                        {"Highlighted", kStateHighlighted},
                        {"Default", kStateDefault}},
                       kStateNormal}}});
    kinds.push_back({18000, 1000, "toolwindow", DrawToolWindowPreview, ToolWindowSize, nullptr, {}});
    kinds.push_back({26000, 1000, "freeframe", DrawFreeFramePreview, FreeFramePreviewSize, FreeFrameResizable, {}});
    return kinds;
}

}  // namespace

const std::vector<PreviewKind>& PreviewKinds() {
    static const std::vector<PreviewKind> kinds = MakeKinds();
    return kinds;
}

const PreviewKind* FindPreviewKind(int id) {
    for (const PreviewKind& k : PreviewKinds())
        if (id >= k.typeBase && id < k.typeBase + k.idRange) return &k;
    return nullptr;
}

int SelectorValue(const SelectorValues& values, const char* caption, int fallback) {
    const auto it = values.find(caption);
    return it == values.end() ? fallback : it->second;
}

const SelectorInfo* FindSelector(const PreviewKind& kind, const std::string& caption) {
    for (const SelectorInfo& s : kind.selectors)
        if (SameText(caption, s.caption)) return &s;
    return nullptr;
}

QImage RenderPreview(const CSkinDocument& doc, const SkinResStruct& record, const SelectorValues& selectors,
                     QSize size) {
    const PreviewKind* kind = FindPreviewKind(record.ID);
    if (!kind) return {};
    if (size.isEmpty()) size = kind->size(doc, record);
    if (!FitsPreviewLimits(size)) return {};
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) return {};
    QPainter painter(&image);
    DrawCheckerboard(painter, QRect(QPoint(0, 0), size));
    painter.setClipRect(QRect(QPoint(0, 0), size));
    kind->draw(painter, PreviewContext{doc, record, selectors, size});
    return image;
}

}  // namespace vd::preview
