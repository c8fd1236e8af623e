#include "testskin/SpinBoxStylePart.h"

#include <QAbstractSpinBox>
#include <QDateTimeEdit>
#include <QPainter>

#include <algorithm>

#include "Resource/ResObjects/ResSpin.h"
#include "platform/FrameControls.h"
#include "preview/PreviewCommon.h"
#include "preview/SpinPreview.h"
#include "testskin/RangeLayoutLimits.h"
#include "testskin/SkinStyle.h"

using namespace vd::preview;

namespace {

// The pieces of a spin box, in the widget's coordinates.
struct SpinLayout {
    QRect frame, edit, up, down;
};

// The buttons' width: the wider face picture's, or the machine's scroll-arrow width without pictures.
int ButtonWidth(const SkinSpin& spin, const SystemEnvironment& env) {
    int width = 0;
    for (const SkinImageBase* face : {&spin.upBtn.images[0], &spin.downBtn.images[0]})
        if (NamesPicture(*face)) width = std::max(width, SliceWidth(*face));
    return width > 0 ? std::min(width, kMaxRangePartSize) : env.Metric(SM_CXHSCROLL);
}

// The two buttons' own heights one above the other, 0 without pictures.
int ButtonsHeight(const SkinSpin& spin) {
    int height = 0;
    for (const SkinImageBase* face : {&spin.upBtn.images[0], &spin.downBtn.images[0]})
        if (NamesPicture(*face)) height += std::clamp(SliceHeight(*face), 0, kMaxRangePartSize);
    return height;
}

// The buttons stand in a column at the right end, the up one over the down one, each half the height;
// the edit frame takes the rest.
SpinLayout LayOut(const QStyleOptionSpinBox& o, int buttonWidth, int frameWidth) {
    const QRect& r = o.rect;
    const bool buttons = o.buttonSymbols != QAbstractSpinBox::NoButtons;
    const int width = buttons ? std::clamp(buttonWidth, 0, r.width() / 2) : 0;
    SpinLayout l;
    l.frame = QRect(r.left(), r.top(), r.width() - width, r.height());
    const int fw = std::clamp(frameWidth, 0, std::min(l.frame.width(), l.frame.height()) / 2);
    l.edit = l.frame.adjusted(fw, fw, -fw, -fw);
    if (buttons) {
        const int upHeight = r.height() / 2;
        l.up = QRect(l.frame.right() + 1, r.top(), width, upHeight);
        l.down = QRect(l.frame.right() + 1, r.top() + upHeight, width, r.height() - upHeight);
    }
    return l;
}

// A button's state: Disabled when it cannot step, Pressed while held, Highlighted under the mouse.
int ButtonState(const QStyleOptionSpinBox& o, QStyle::SubControl button, QAbstractSpinBox::StepEnabledFlag step) {
    if (!(o.state & QStyle::State_Enabled) || !(o.stepEnabled & step)) return kSkinDisabled;
    if (o.activeSubControls & button) {
        if (o.state & QStyle::State_Sunken) return kSkinPressed;
        if (o.state & QStyle::State_MouseOver) return kSkinHighlighted;
    }
    return kSkinNormal;
}

}  // namespace

const SkinSpin* SpinBoxStylePart::Record(const QWidget* widget) const {
    if (qobject_cast<const QDateTimeEdit*>(widget)) return nullptr;
    const CSkinDocument* doc = Style().Document();
    return doc ? FirstRecordOf(doc->Spins()) : nullptr;
}

int SpinBoxStylePart::FrameWidth(const QStyleOptionSpinBox& option, const QWidget* widget) const {
    return option.frame ? Style().pixelMetric(QStyle::PM_SpinBoxFrameWidth, &option, widget) : 0;
}

bool SpinBoxStylePart::DrawComplexControl(QStyle::ComplexControl control, const QStyleOptionComplex* option,
                                          QPainter* painter, const QWidget* widget) const {
    if (control != QStyle::CC_SpinBox) return false;
    const auto* o = qstyleoption_cast<const QStyleOptionSpinBox*>(option);
    const SkinSpin* spin = o ? Record(widget) : nullptr;
    if (!spin) return false;
    const SystemEnvironment& env = Style().Document()->Env();
    const int fw = FrameWidth(*o, widget);
    const SpinLayout l = LayOut(*o, ButtonWidth(*spin, env), fw);

    painter->save();
    painter->setClipRect(o->rect, Qt::IntersectClip);
    if (o->frame && (o->subControls & QStyle::SC_SpinBoxFrame)) {
        // The edit part looks as the style draws line edits, so a skinned edit look reaches it too.
        QStyleOptionFrame frame;
        frame.QStyleOption::operator=(*o);
        frame.rect = l.frame;
        frame.lineWidth = fw;
        frame.midLineWidth = 0;
        Style().drawPrimitive(QStyle::PE_PanelLineEdit, &frame, painter, widget);
    } else {
        painter->fillRect(l.frame, o->palette.base());
    }
    if (o->subControls & QStyle::SC_SpinBoxUp) {
        const int state = ButtonState(*o, QStyle::SC_SpinBoxUp, QAbstractSpinBox::StepUpEnabled);
        const auto s = static_cast<size_t>(state);
        DrawSpinButton(*painter, l.up, spin->upBtn.images[s], spin->upArrow.images[s], vd::DFCS_SCROLLUP, state, env);
    }
    if (o->subControls & QStyle::SC_SpinBoxDown) {
        const int state = ButtonState(*o, QStyle::SC_SpinBoxDown, QAbstractSpinBox::StepDownEnabled);
        const auto s = static_cast<size_t>(state);
        DrawSpinButton(*painter, l.down, spin->downBtn.images[s], spin->downArrow.images[s], vd::DFCS_SCROLLDOWN, state,
                       env);
    }
    painter->restore();
    return true;
}

std::optional<QRect> SpinBoxStylePart::SubControlRect(QStyle::ComplexControl control, const QStyleOptionComplex* option,
                                                      QStyle::SubControl sub, const QWidget* widget) const {
    if (control != QStyle::CC_SpinBox) return std::nullopt;
    const auto* o = qstyleoption_cast<const QStyleOptionSpinBox*>(option);
    const SkinSpin* spin = o ? Record(widget) : nullptr;
    if (!spin) return std::nullopt;
    const SpinLayout l = LayOut(*o, ButtonWidth(*spin, Style().Document()->Env()), FrameWidth(*o, widget));
    switch (sub) {
    case QStyle::SC_SpinBoxUp: return l.up;
    case QStyle::SC_SpinBoxDown: return l.down;
    case QStyle::SC_SpinBoxEditField: return l.edit;
    case QStyle::SC_SpinBoxFrame: return l.frame;
    default: return QRect();
    }
}

std::optional<QSize> SpinBoxStylePart::SizeFromContents(QStyle::ContentsType type, const QStyleOption* option,
                                                        const QSize& size, const QWidget* widget) const {
    if (type != QStyle::CT_SpinBox) return std::nullopt;
    const auto* o = qstyleoption_cast<const QStyleOptionSpinBox*>(option);
    const SkinSpin* spin = o ? Record(widget) : nullptr;
    if (!spin) return std::nullopt;
    const int fw = FrameWidth(*o, widget);
    const bool buttons = o->buttonSymbols != QAbstractSpinBox::NoButtons;
    const int width = buttons ? ButtonWidth(*spin, Style().Document()->Env()) : 0;
    // The text and its frame beside the buttons, and tall enough for both buttons' pictures.
    const int height = std::max(size.height() + 2 * fw, buttons ? ButtonsHeight(*spin) : 0);
    return QSize(size.width() + 2 * fw + width, height);
}
