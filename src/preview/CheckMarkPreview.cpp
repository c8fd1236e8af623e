#include "preview/CheckMarkPreview.h"

#include <algorithm>
#include <array>

#include "Resource/ResObjects/ResCheckBox.h"
#include "Resource/SkinDocument.h"
#include "platform/FrameControls.h"
#include "preview/ControlPreview.h"
#include "preview/PreviewCommon.h"

namespace vd::preview {
namespace {

using Captions = std::array<const char*, 4>;

// Row captions per mark, rows in the order normal, pressed, highlighted, disabled. The two kinds have
// always spelt them differently; skin authors know them by these names.
constexpr std::array<Captions, 3> kCheckBoxCaptions = {{
    {"UncheckNormal", "UncheckPressed", "UncheckHighlighted", "UncheckDisable"},
    {"CheckNormal", "CheckPressed", "CheckHighlighted", "CheckDisable"},
    {"HalfNormal", "HalfPressed", "HalfHighlighted", "HalfDisable"},
}};
constexpr std::array<Captions, 2> kRadioBoxCaptions = {{
    {"UnCheckNormal", "UnCheckPressed", "UnCheckHighLighted", "UnCheckDisabled"},
    {"CheckNormal", "CheckPressed", "CheckHighLighted", "CheckDisabled"},
}};

// The mark the selector chooses, cut back to the unchecked one when a caller passes a value the kind does
// not offer.
int ChosenMark(const PreviewContext& ctx, int markCount) {
    const int v = SelectorValue(ctx.selectors, "State", kMarkUnchecked);
    return v >= 0 && v < markCount ? v : kMarkUnchecked;
}

// Draws the four rows of one mark. Each row is as high as its mark; the next row starts kCheckMarkRowGap
// below it, so tall pictures never overlap.
void DrawRows(QPainter& painter, const PreviewContext& ctx, const SkinStateImages<4>& set, const Captions& captions,
              int mark, uint32_t control, bool showText, const LogFont& font) {
    const QRect whole(QPoint(0, 0), ctx.size);
    DrawControlGround(painter, ctx.doc, whole);
    int top = kCheckMarkMargin;
    for (int row = 0; row < 4 && top < ctx.size.height(); ++row) {
        const size_t state = static_cast<size_t>(FourStateIndex(row));
        const SkinImageBase& image = set.images[state];
        // A picture is drawn at its own size, cut to the preview so a size from the file stays bounded.
        const int w = std::min(SliceWidth(image), ctx.size.width());
        const int h = std::min(SliceHeight(image), ctx.size.height());
        QRect markRect(kCheckMarkMargin, top, w, h);
        if (w <= 0 || h <= 0 || !NamesPicture(image) || !DrawImageRef(painter, markRect, image)) {
            markRect = QRect(kCheckMarkMargin, top, kCheckMarkSystemSize, kCheckMarkSystemSize);
            QRect box = markRect;
            DrawFrameControl(painter, box, DFC_BUTTON, CheckMarkSystemLook(control, mark, state), ctx.doc.Env());
        }
        if (showText) {
            const QRect text(markRect.right() + 1 + kCheckMarkTextGap, top, kCheckMarkTextWidth, markRect.height());
            DrawStyledText(painter, QString::fromLatin1(captions[static_cast<size_t>(row)]), text, font,
                           set.styles[state]);
        }
        top += markRect.height() + kCheckMarkRowGap;
    }
}

}  // namespace

uint32_t CheckMarkSystemLook(uint32_t control, int mark, size_t state) {
    uint32_t bits = control;
    if (mark == kMarkHalfChecked)
        bits |= DFCS_CHECKED | DFCS_INACTIVE | DFCS_BUTTON3STATE;
    else if (mark == kMarkChecked)
        bits |= DFCS_CHECKED;
    switch (state) {
    case 1: bits |= DFCS_PUSHED; break;
    case 2: bits |= DFCS_INACTIVE; break;
    case 3: bits |= DFCS_HOT; break;
    default: break;
    }
    return bits;
}

SelectorInfo CheckBoxStateSelector() {
    return {"State",
            {{"UnCheck", kMarkUnchecked}, {"Check", kMarkChecked}, {"HalfChecked", kMarkHalfChecked}},
            kMarkUnchecked};
}

SelectorInfo RadioBoxStateSelector() {
    return {"State", {{"UnCheck", kMarkUnchecked}, {"Check", kMarkChecked}}, kMarkUnchecked};
}

void DrawCheckBoxPreview(QPainter& painter, const PreviewContext& ctx) {
    const auto* box = dynamic_cast<const SkinCheckBox*>(&ctx.record);
    if (!box) return;
    const int mark = ChosenMark(ctx, 3);
    const std::array<const SkinStateImages<4>*, 3> sets = {&box->unchecked, &box->checked, &box->halfChecked};
    DrawRows(painter, ctx, *sets[static_cast<size_t>(mark)], kCheckBoxCaptions[static_cast<size_t>(mark)], mark,
             DFCS_BUTTONCHECK, box->showText != 0, box->font);
}

void DrawRadioBoxPreview(QPainter& painter, const PreviewContext& ctx) {
    const auto* box = dynamic_cast<const SkinRadioBox*>(&ctx.record);
    if (!box) return;
    const int mark = ChosenMark(ctx, 2);
    const std::array<const SkinStateImages<4>*, 2> sets = {&box->unchecked, &box->checked};
    DrawRows(painter, ctx, *sets[static_cast<size_t>(mark)], kRadioBoxCaptions[static_cast<size_t>(mark)], mark,
             DFCS_BUTTONRADIO, box->showText != 0, box->font);
}

}  // namespace vd::preview
