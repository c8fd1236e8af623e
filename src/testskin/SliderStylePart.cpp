#include "testskin/SliderStylePart.h"

#include <QPainter>
#include <QSlider>

#include <algorithm>

#include "Resource/ResObjects/ResTrackBar.h"
#include "platform/FrameControls.h"
#include "preview/PreviewCommon.h"
#include "preview/TrackbarPreview.h"
#include "testskin/RangeLayoutLimits.h"
#include "testskin/SkinStyle.h"

using namespace vd::preview;

namespace {

// Room left beside the channel on each side that shows tick marks.
constexpr int kTickSpace = 5;

using ThumbSet = SkinStateImageSet<5>;

// The thumb shape the ticks ask for: pointing at them on one side, plain with none or both.
const ThumbSet& ThumbsOf(const SkinTrackbar& t, Qt::Orientation orientation, int ticks) {
    const bool horizontal = orientation == Qt::Horizontal;
    if (ticks == QSlider::TicksAbove) return horizontal ? t.thumbUp : t.thumbLeft;
    if (ticks == QSlider::TicksBelow) return horizontal ? t.thumbDown : t.thumbRight;
    return horizontal ? t.thumbHorz : t.thumbVert;
}

// A state's picture, or the Normal one where the skin leaves the state without a picture.
template <size_t N>
const SkinImageBase& Pick(const std::array<SkinImageBase, N>& images, int state) {
    const auto& own = images[static_cast<size_t>(std::clamp(state, 0, static_cast<int>(N) - 1))];
    return NamesPicture(own) ? own : images[0];
}

// A picture's size along and across the slider; empty when it names no picture or has no area.
QSize OwnSize(const SkinImageBase& image, Qt::Orientation orientation) {
    if (!NamesPicture(image)) return {};
    const int w = std::min(SliceWidth(image), kMaxRangePartSize), h = std::min(SliceHeight(image), kMaxRangePartSize);
    if (w <= 0 || h <= 0) return {};
    return orientation == Qt::Horizontal ? QSize(w, h) : QSize(h, w);
}

// The thumb's size along and across: its Normal picture's, so the thumb keeps its place in every state.
QSize ThumbSize(const SkinTrackbar& t, Qt::Orientation orientation, int ticks) {
    const QSize own = OwnSize(ThumbsOf(t, orientation, ticks).images[kSkinNormal], orientation);
    return own.isEmpty() ? kStandardThumbSize : own;
}

int ChannelThickness(const SkinImageBase& channel, Qt::Orientation orientation) {
    const QSize own = OwnSize(channel, orientation);
    return own.isEmpty() ? kStandardChannelThickness : own.height();
}

const SkinImageBase& ChannelOf(const SkinTrackbar& t, Qt::Orientation orientation, bool disabled) {
    return Pick(orientation == Qt::Horizontal ? t.horzChannel : t.vertChannel, disabled ? 1 : 0);
}

// The slider's whole thickness across, without tick room.
int Thickness(const SkinTrackbar& t, Qt::Orientation orientation, int ticks) {
    return std::max(ThumbSize(t, orientation, ticks).height(), ChannelThickness(ChannelOf(t, orientation, false), orientation));
}

// The slider laid out along its length and across its thickness, in the widget's coordinates.
struct SliderLayout {
    Qt::Orientation orientation;
    QRect rect;
    int centre = 0;  // across, from the rectangle's top (left)

    QRect Piece(int along, int length, int across, int thickness) const {
        return orientation == Qt::Horizontal ? QRect(rect.left() + along, rect.top() + across, length, thickness)
                                             : QRect(rect.left() + across, rect.top() + along, thickness, length);
    }
    int Length() const { return orientation == Qt::Horizontal ? rect.width() : rect.height(); }
    // A piece the whole length, `thickness` across, centred on the channel's line.
    QRect Channel(int thickness) const { return Piece(0, Length(), centre - thickness / 2, thickness); }
};

SliderLayout LayOut(const QStyleOptionSlider& o) {
    SliderLayout l{o.orientation, o.rect};
    const int across = o.orientation == Qt::Horizontal ? o.rect.height() : o.rect.width();
    const int before = (o.tickPosition & QSlider::TicksAbove) ? kTickSpace : 0;
    const int after = (o.tickPosition & QSlider::TicksBelow) ? kTickSpace : 0;
    l.centre = before + std::max(0, across - before - after) / 2;
    return l;
}

QRect HandleRect(const SliderLayout& l, const QStyleOptionSlider& o, QSize thumb) {
    const int span = std::max(0, l.Length() - thumb.width());
    const int along = QStyle::sliderPositionFromValue(o.minimum, o.maximum, o.sliderPosition, span, o.upsideDown);
    return l.Piece(along, thumb.width(), l.centre - thumb.height() / 2, thumb.height());
}

// The thumb's state: Pressed while dragged, Highlighted while the mouse is over it.
int ThumbState(const QStyleOptionSlider& o) {
    if (!(o.state & QStyle::State_Enabled)) return kSkinDisabled;
    if (o.activeSubControls & QStyle::SC_SliderHandle) {
        if (o.state & QStyle::State_Sunken) return kSkinPressed;
        if (o.state & QStyle::State_MouseOver) return kSkinHighlighted;
    }
    return kSkinNormal;
}

// Orientation and tick position of the slider asked about, from the option or the widget.
std::optional<std::pair<Qt::Orientation, int>> Shape(const QStyleOption* option, const QWidget* widget) {
    if (const auto* o = qstyleoption_cast<const QStyleOptionSlider*>(option))
        return std::pair{o->orientation, static_cast<int>(o->tickPosition)};
    if (const auto* slider = qobject_cast<const QSlider*>(widget))
        return std::pair{slider->orientation(), static_cast<int>(slider->tickPosition())};
    return std::nullopt;
}

}  // namespace

const SkinTrackbar* SliderStylePart::Record() const {
    const CSkinDocument* doc = Style().Document();
    return doc ? FirstRecordOf(doc->TrackBars()) : nullptr;
}

bool SliderStylePart::DrawComplexControl(QStyle::ComplexControl control, const QStyleOptionComplex* option,
                                         QPainter* painter, const QWidget* widget) const {
    if (control != QStyle::CC_Slider) return false;
    const auto* o = qstyleoption_cast<const QStyleOptionSlider*>(option);
    const SkinTrackbar* t = Record();
    if (!o || !t) return false;
    const CSkinDocument& doc = *Style().Document();
    const SliderLayout l = LayOut(*o);
    const bool disabled = !(o->state & QStyle::State_Enabled);

    painter->save();
    painter->setClipRect(o->rect, Qt::IntersectClip);
    if (o->subControls & QStyle::SC_SliderGroove) {
        const SkinImageBase& channel = ChannelOf(*t, o->orientation, disabled);
        const QSize own = OwnSize(channel, o->orientation);
        if (!own.isEmpty())
            DrawImageRef(*painter, l.Channel(own.height()), channel);
        else
            DrawStandardTrackbarChannel(*painter, doc, l.Channel(kStandardChannelThickness), disabled);
    }
    if ((o->subControls & QStyle::SC_SliderTickmarks) && o->tickPosition != QSlider::NoTicks) {
        // The marks themselves have no picture: the platform draws them where our metrics put the thumb.
        QStyleOptionSlider ticks = *o;
        ticks.subControls = QStyle::SC_SliderTickmarks;
        Style().baseStyle()->drawComplexControl(QStyle::CC_Slider, &ticks, painter, widget);
    }
    if (o->subControls & QStyle::SC_SliderHandle) {
        const ThumbSet& thumbs = ThumbsOf(*t, o->orientation, o->tickPosition);
        const int state = ThumbState(*o);
        const QRect handle = HandleRect(l, *o, ThumbSize(*t, o->orientation, o->tickPosition));
        if (!DrawImageRef(*painter, handle, Pick(thumbs.images, state))) {
            QRect button = handle;
            const uint32_t look = state == kSkinPressed ? vd::DFCS_PUSHED : disabled ? vd::DFCS_INACTIVE : 0;
            vd::DrawFrameControl(*painter, button, vd::DFC_BUTTON, vd::DFCS_BUTTONPUSH | look, doc.Env());
        }
        if (t->showFocus && (o->state & QStyle::State_HasFocus)) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(*o);
            focus.rect = handle.adjusted(-1, -1, 1, 1);
            Style().baseStyle()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
        }
    }
    painter->restore();
    return true;
}

std::optional<QRect> SliderStylePart::SubControlRect(QStyle::ComplexControl control, const QStyleOptionComplex* option,
                                                     QStyle::SubControl sub, const QWidget*) const {
    if (control != QStyle::CC_Slider) return std::nullopt;
    const auto* o = qstyleoption_cast<const QStyleOptionSlider*>(option);
    const SkinTrackbar* t = Record();
    if (!o || !t) return std::nullopt;
    const SliderLayout l = LayOut(*o);
    switch (sub) {
    case QStyle::SC_SliderHandle: return HandleRect(l, *o, ThumbSize(*t, o->orientation, o->tickPosition));
    // The whole length: the thumb travels over all of it.
    case QStyle::SC_SliderGroove: return l.Channel(Thickness(*t, o->orientation, o->tickPosition));
    case QStyle::SC_SliderTickmarks: return o->rect;
    default: return QRect();
    }
}

std::optional<int> SliderStylePart::PixelMetric(QStyle::PixelMetric metric, const QStyleOption* option,
                                                const QWidget* widget) const {
    if (metric != QStyle::PM_SliderLength && metric != QStyle::PM_SliderControlThickness &&
        metric != QStyle::PM_SliderThickness && metric != QStyle::PM_SliderTickmarkOffset)
        return std::nullopt;
    const SkinTrackbar* t = Record();
    const auto shape = Shape(option, widget);
    if (!t || !shape) return std::nullopt;
    const auto [orientation, ticks] = *shape;
    switch (metric) {
    case QStyle::PM_SliderLength: return ThumbSize(*t, orientation, ticks).width();
    case QStyle::PM_SliderControlThickness: return ThumbSize(*t, orientation, ticks).height();
    case QStyle::PM_SliderThickness: return Thickness(*t, orientation, ticks);
    default: return kTickSpace;
    }
}

std::optional<QSize> SliderStylePart::SizeFromContents(QStyle::ContentsType type, const QStyleOption* option,
                                                       const QSize& size, const QWidget*) const {
    if (type != QStyle::CT_Slider) return std::nullopt;
    const auto* o = qstyleoption_cast<const QStyleOptionSlider*>(option);
    const SkinTrackbar* t = Record();
    if (!o || !t) return std::nullopt;
    // The length the slider asks for; across, the thumb or channel and the room for its ticks.
    int across = Thickness(*t, o->orientation, o->tickPosition);
    if (o->tickPosition & QSlider::TicksAbove) across += kTickSpace;
    if (o->tickPosition & QSlider::TicksBelow) across += kTickSpace;
    return o->orientation == Qt::Horizontal ? QSize(size.width(), across) : QSize(across, size.height());
}
