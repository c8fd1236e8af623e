#include "preview/PreviewKind.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "Resource/ResObjects/ResToolWindow.h"
#include "Resource/SkinDocument.h"
#include "preview/BarFillPreview.h"
#include "preview/ButtonPreview.h"
#include "preview/CheckMarkPreview.h"
#include "preview/ClientPreview.h"
#include "preview/ControlPreview.h"
#include "preview/DialogPreview.h"
#include "preview/EditControlPreview.h"
#include "preview/FramePreview.h"
#include "preview/FreeFramePreview.h"
#include "preview/GroupBoxPreview.h"
#include "preview/HeaderPreview.h"
#include "preview/ListBoxPreview.h"
#include "preview/PreviewCommon.h"
#include "preview/ProgressPreview.h"
#include "preview/ScrollBarPreview.h"
#include "preview/SpinPreview.h"
#include "preview/StaticPreview.h"
#include "preview/StatusBarPreview.h"
#include "preview/TabCtrlPreview.h"
#include "preview/ToolBarPreview.h"
#include "preview/ToolWindowPreview.h"
#include "preview/TrackbarPreview.h"

namespace vd::preview {
namespace {

QSize FrameSize(const CSkinDocument&, const SkinResStruct&) { return kFramePreviewSize; }
QSize ButtonSize(const CSkinDocument&, const SkinResStruct&) { return kButtonPreviewSize; }
QSize ToolWindowSize(const CSkinDocument&, const SkinResStruct& r) { return StoredPreviewSize<SkinToolWindow>(r); }

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
    kinds.push_back({9000, 1000, "combobox", DrawComboBoxPreview, ComboBoxPreviewSize, nullptr, {FourStateSelector()}});
    kinds.push_back({10000, 1000, "ipaddress", DrawIPAddressPreview, EditFieldPreviewSize, nullptr, {ThreeStateSelector()}});
    kinds.push_back({11000, 1000, "hotkey", DrawEditFieldPreview, EditFieldPreviewSize, nullptr, {ThreeStateSelector()}});
    kinds.push_back({29000, 1000, "edit", DrawEditFieldPreview, EditFieldPreviewSize, nullptr, {ThreeStateSelector()}});
    kinds.push_back({25000, 1000, "datetime", DrawComboBoxPreview, ComboBoxPreviewSize, nullptr, {FourStateSelector()}});
    kinds.push_back({27000, 1000, "listbox", DrawListBoxPreview, ListBoxPreviewSize, nullptr, {}});
    kinds.push_back({7000, 1000, "scrollbar", DrawScrollBarPreview,
                     [](const CSkinDocument&, const SkinResStruct&) { return kScrollBarPreviewSize; }, nullptr,
                     ScrollBarSelectors()});
    kinds.push_back({8000, 1000, "header", DrawHeaderPreview, HeaderPreviewSize, nullptr, {}});
    kinds.push_back({4000, 1000, "toolbar", DrawToolBarPreview, ToolBarPreviewSize, nullptr, {}});
    kinds.push_back({5000, 1000, "statusbar", DrawStatusBarPreview, StatusBarPreviewSize, nullptr, {}});
    kinds.push_back({6000, 1000, "progress", DrawProgressPreview, ProgressPreviewSize, nullptr,
                     {ProgressPositionSelector()}});
    kinds.push_back({20000, 1000, "controlbar", DrawBarFillPreview, BarFillPreviewSize, nullptr, {}});
    kinds.push_back({21000, 1000, "rebar", DrawBarFillPreview, BarFillPreviewSize, nullptr, {}});
    kinds.push_back({22000, 1000, "groupbox", DrawGroupBoxPreview, GroupBoxPreviewSize, nullptr, {}});
    kinds.push_back({23000, 1000, "static", DrawStaticPreview, StaticPreviewSize, nullptr, {}});
    kinds.push_back({12000, 1000, "checkbox", DrawCheckBoxPreview,
                     [](const CSkinDocument&, const SkinResStruct&) { return kCheckMarkPreviewSize; }, nullptr,
                     {CheckBoxStateSelector()}});
    kinds.push_back({13000, 1000, "radiobox", DrawRadioBoxPreview,
                     [](const CSkinDocument&, const SkinResStruct&) { return kCheckMarkPreviewSize; }, nullptr,
                     {RadioBoxStateSelector()}});
    kinds.push_back({15000, 1000, "spin", DrawSpinPreview,
                     [](const CSkinDocument&, const SkinResStruct&) { return kSpinPreviewSize; }, nullptr,
                     {SpinStateSelector()}});
    kinds.push_back({14000, 1000, "trackbar", DrawTrackbarPreview,
                     [](const CSkinDocument&, const SkinResStruct&) { return kTrackbarPreviewSize; }, nullptr,
                     {TrackbarPositionSelector()}});
    kinds.push_back({16000, 1000, "tabctrl", DrawTabCtrlPreview,
                     [](const CSkinDocument&, const SkinResStruct&) { return kTabCtrlPreviewSize; }, nullptr,
                     {TabOrientationSelector()}});
    kinds.push_back({19000, 1000, "client", DrawClientPreview, ClientPreviewSize, nullptr, {}});
    kinds.push_back({24000, 1000, "dialog", DrawDialogPreview, DialogPreviewSize, nullptr, {}});
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

std::optional<int> SelectorInfo::Parse(const std::string& text) const {
    int n = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    const bool isNumber = !text.empty() && ec == std::errc() && end == text.data() + text.size();
    if (edit != SelectorEdit::List) {
        if (isNumber && n >= minimum && n <= maximum) return n;
        return std::nullopt;
    }
    for (const SelectorOption& o : options)
        if (SameText(text, o.label) || (isNumber && n == o.value)) return o.value;
    return std::nullopt;
}

std::string SelectorInfo::Accepted() const {
    if (edit != SelectorEdit::List)
        return "a whole number from " + std::to_string(minimum) + " to " + std::to_string(maximum);
    std::string list;
    for (const SelectorOption& o : options)
        list += (list.empty() ? "" : ", ") + std::string(o.label) + " (" + std::to_string(o.value) + ")";
    return list;
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
