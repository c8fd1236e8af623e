#include "preview/ControlPreview.h"

#include "Resource/SkinDocument.h"
#include "platform/FrameEdges.h"
#include "preview/SkinColors.h"

namespace vd::preview {

int FourStateIndex(int selectorValue) {
    static constexpr std::array<int, 4> kIndex = {0, 1, 3, 2};
    if (selectorValue < 0 || selectorValue >= static_cast<int>(kIndex.size())) return 0;
    return kIndex[static_cast<size_t>(selectorValue)];
}

SelectorInfo FourStateSelector() {
    return {"State",
            {{"Normal", kFourNormal}, {"Pressed", kFourPressed}, {"Highlighted", kFourHighlighted}, {"Disabled", kFourDisabled}},
            kFourNormal};
}

SelectorInfo ThreeStateSelector() {
    return {"State", {{"Normal", kThreeNormal}, {"Highlighted", kThreeHighlighted}, {"Disabled", kThreeDisabled}}, kThreeNormal};
}

int FourStateValue(const PreviewContext& ctx) {
    const int v = SelectorValue(ctx.selectors, "State", kFourNormal);
    return v >= kFourNormal && v <= kFourDisabled ? v : kFourNormal;
}

int ThreeStateValue(const PreviewContext& ctx) {
    const int v = SelectorValue(ctx.selectors, "State", kThreeNormal);
    return v >= kThreeNormal && v <= kThreeDisabled ? v : kThreeNormal;
}

void DrawControlGround(QPainter& painter, const CSkinDocument& doc, const QRect& rect) {
    if (rect.isEmpty()) return;
    painter.fillRect(rect, SkinSysColor(doc, COLOR_BTNFACE));
    Draw3dRect(painter, rect, SkinSysColor(doc, COLOR_BTNHIGHLIGHT), SkinSysColor(doc, COLOR_BTNSHADOW));
}

}  // namespace vd::preview
