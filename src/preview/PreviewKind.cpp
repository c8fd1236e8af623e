#include "preview/PreviewKind.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "Resource/ResObjects/ResClient.h"
#include "Resource/ResObjects/ResControlBar.h"
#include "Resource/ResObjects/ResDialog.h"
#include "Resource/ResObjects/ResGroupBox.h"
#include "Resource/ResObjects/ResHeader.h"
#include "Resource/ResObjects/ResListBox.h"
#include "Resource/ResObjects/ResProgressBar.h"
#include "Resource/ResObjects/ResStatusBar.h"
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

// The size function of a kind whose page opens every object at the same size.
template <const QSize& kSize>
QSize FixedSize(const CSkinDocument&, const SkinResStruct&) {
    return kSize;
}

// The size function of a kind whose preview opens at the size stored with the object.
template <class Record>
QSize StoredSize(const CSkinDocument&, const SkinResStruct& record) {
    return StoredPreviewSize<Record>(record);
}

bool SameText(const std::string& a, const char* b) {
    const std::string other(b);
    return a.size() == other.size() &&
           std::equal(a.begin(), a.end(), other.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// In the order of the kinds' ID blocks.
std::vector<PreviewKind> MakeKinds() {
    const SelectorInfo buttonState{"State",
                                   {{"Normal", kStateNormal},
                                    {"Pressed", kStatePressed},
                                    {"Disabled", kStateDisabled},
                                    {"Highlighted", kStateHighlighted},
                                    {"Default", kStateDefault}},
                                   kStateNormal};
    return {
        {2000, 1000, "button", DrawButtonPreview, FixedSize<kButtonPreviewSize>, nullptr, {buttonState}},
        {3000, 500, "frame", DrawFramePreview, FixedSize<kFramePreviewSize>, nullptr, {}},
        {4000, 1000, "toolbar", DrawToolBarPreview, ToolBarPreviewSize, nullptr, {}},
        {5000, 1000, "statusbar", DrawStatusBarPreview, StoredSize<SkinStatusBar>, nullptr, {}},
        {6000, 1000, "progress", DrawProgressPreview, StoredSize<SkinProgressBar>, nullptr, {ProgressPositionSelector()}},
        {7000, 1000, "scrollbar", DrawScrollBarPreview, FixedSize<kScrollBarPreviewSize>, nullptr, ScrollBarSelectors()},
        {8000, 1000, "header", DrawHeaderPreview, StoredSize<SkinHeader>, nullptr, {}},
        {9000, 1000, "combobox", DrawComboBoxPreview, FixedSize<kComboPreviewSize>, nullptr, {FourStateSelector()}},
        {10000, 1000, "ipaddress", DrawIPAddressPreview, EditFieldPreviewSize, nullptr, {ThreeStateSelector()}},
        {11000, 1000, "hotkey", DrawEditFieldPreview, EditFieldPreviewSize, nullptr, {ThreeStateSelector()}},
        {12000, 1000, "checkbox", DrawCheckBoxPreview, FixedSize<kCheckMarkPreviewSize>, nullptr, {CheckBoxStateSelector()}},
        {13000, 1000, "radiobox", DrawRadioBoxPreview, FixedSize<kCheckMarkPreviewSize>, nullptr, {RadioBoxStateSelector()}},
        {14000, 1000, "trackbar", DrawTrackbarPreview, FixedSize<kTrackbarPreviewSize>, nullptr, {TrackbarPositionSelector()}},
        {15000, 1000, "spin", DrawSpinPreview, FixedSize<kSpinPreviewSize>, nullptr, {SpinStateSelector()}},
        {16000, 1000, "tabctrl", DrawTabCtrlPreview, FixedSize<kTabCtrlPreviewSize>, nullptr, {TabOrientationSelector()}},
        {18000, 1000, "toolwindow", DrawToolWindowPreview, StoredSize<SkinToolWindow>, nullptr, {}},
        {19000, 1000, "client", DrawClientPreview, StoredSize<SkinClient>, nullptr, {}},
        {20000, 1000, "controlbar", DrawBarFillPreview, StoredSize<SkinControlBar>, nullptr, {}},
        {21000, 1000, "rebar", DrawBarFillPreview, StoredSize<SkinReBar>, nullptr, {}},
        {22000, 1000, "groupbox", DrawGroupBoxPreview, StoredSize<SkinGroupBox>, nullptr, {}},
        {23000, 1000, "static", DrawStaticPreview, FixedSize<kStaticPreviewSize>, nullptr, {}},
        {24000, 1000, "dialog", DrawDialogPreview, StoredSize<SkinDialog>, nullptr, {}},
        {25000, 1000, "datetime", DrawComboBoxPreview, FixedSize<kComboPreviewSize>, nullptr, {FourStateSelector()}},
        {26000, 1000, "freeframe", DrawFreeFramePreview, FreeFramePreviewSize, FreeFrameResizable, {}},
        {27000, 1000, "listbox", DrawListBoxPreview, StoredSize<SkinListBox>, nullptr, {}},
        {29000, 1000, "edit", DrawEditFieldPreview, EditFieldPreviewSize, nullptr, {ThreeStateSelector()}},
    };
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
