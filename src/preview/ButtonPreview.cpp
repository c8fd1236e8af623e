#include "preview/ButtonPreview.h"

#include "Resource/ResObjects/ResButton.h"
#include "Resource/SkinDocument.h"
#include "platform/FrameControls.h"
#include "preview/PreviewCommon.h"

namespace vd::preview {

namespace {

// How a standard push button shows a state when the state has no picture.
uint32_t PushButtonState(int state) {
    switch (state) {
    case kStatePressed: return DFCS_PUSHED;
    case kStateDisabled: return DFCS_INACTIVE;
    case kStateHighlighted: return DFCS_HOT;
    default: return 0;
    }
}

}  // namespace

void DrawButtonPreview(QPainter& painter, const PreviewContext& ctx) {
    const auto* button = dynamic_cast<const SkinButtonStruct*>(&ctx.record);
    if (!button) return;
    int state = SelectorValue(ctx.selectors, "State", kStateNormal);
    // A selector from outside (the command line) may name no state; such a value shows Normal.
    if (state < 0 || state >= static_cast<int>(button->images.size())) state = kStateNormal;
    const QRect rect(QPoint(0, 0), ctx.size);
    if (!DrawImageRef(painter, rect, button->images[static_cast<size_t>(state)])) {
        QRect face = rect;
        DrawFrameControl(painter, face, DFC_BUTTON, DFCS_BUTTONPUSH | PushButtonState(state), ctx.doc.Env());
    }
    if (button->drawText)
        DrawStyledText(painter, QString::fromStdString(button->Caption), rect, button->font,
                       button->styles[static_cast<size_t>(state)]);
}

}  // namespace vd::preview
