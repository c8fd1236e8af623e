#include "testskin/ScrollBarStylePart.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

#include "Resource/ResObjects/ResScrollBar.h"
#include "platform/FrameControls.h"
#include "platform/SystemColors.h"
#include "preview/PreviewCommon.h"
#include "preview/ScrollParts.h"
#include "preview/SkinColors.h"
#include "testskin/RangeLayoutLimits.h"
#include "testskin/SkinStyle.h"

using namespace vd::preview;

namespace {

// A thumb is never shorter than this, so it can still be caught with the mouse.
constexpr int kMinThumb = 8;

// The pieces of one bar, in the widget's coordinates.
struct BarLayout {
    QRect first, second, groove, subPage, addPage, slider;
};

// The orientation of the bar asked about, from the option or the widget; none when neither is a bar.
std::optional<Qt::Orientation> OrientationOf(const QStyleOption* option, const QWidget* widget) {
    if (const auto* slider = qstyleoption_cast<const QStyleOptionSlider*>(option)) return slider->orientation;
    if (const auto* bar = qobject_cast<const QScrollBar*>(widget)) return bar->orientation();
    return std::nullopt;
}

BarLayout LayOut(const QStyleOptionSlider& o, int buttonLength, int minThumb) {
    const QRect& r = o.rect;
    const bool horizontal = o.orientation == Qt::Horizontal;
    const int extent = std::max(0, horizontal ? r.width() : r.height());
    auto piece = [&](int start, int length) {
        return horizontal ? QRect(r.left() + start, r.top(), length, r.height())
                          : QRect(r.left(), r.top() + start, r.width(), length);
    };
    // Two buttons never overlap: each gets at most half the bar.
    const int button = std::clamp(buttonLength, 0, extent / 2);
    const int track = extent - 2 * button;
    // A window of (range + page) units shows `page` of them; a page of at least one keeps a short range
    // from looking like nothing to scroll.
    const long long range = static_cast<long long>(o.maximum) - o.minimum;
    const long long page = std::max(1, o.pageStep);
    long long pos = std::clamp(static_cast<long long>(o.sliderPosition) - o.minimum, 0LL, std::max(0LL, range));
    if (o.upsideDown) pos = range - pos;
    const ThumbSpan thumb = PlaceScrollThumb(track, range + page - 1, page, pos, minThumb);

    BarLayout l;
    l.first = piece(0, button);
    l.second = piece(extent - button, button);
    l.groove = piece(button, track);
    l.slider = piece(button + thumb.offset, thumb.length);
    l.subPage = piece(button, thumb.offset);
    l.addPage = piece(button + thumb.offset + thumb.length, track - thumb.offset - thumb.length);
    return l;
}

// The records' state index of one piece: Pressed while it is the pressed piece, Highlighted while the
// mouse is over it.
int StateOf(const QStyleOptionSlider& o, QStyle::SubControls piece) {
    if (!(o.state & QStyle::State_Enabled)) return kSkinDisabled;
    if (o.activeSubControls & piece) {
        if (o.state & QStyle::State_Sunken) return kSkinPressed;
        if (o.state & QStyle::State_MouseOver) return kSkinHighlighted;
    }
    return kSkinNormal;
}

}  // namespace

const SkinScrollBar* ScrollBarStylePart::Record() const {
    const CSkinDocument* doc = Style().Document();
    return doc ? FirstRecordOf(doc->ScrollBars()) : nullptr;
}

int ScrollBarStylePart::Extent(const SkinScrollBar& bar, Qt::Orientation orientation) const {
    const bool horizontal = orientation == Qt::Horizontal;
    const int value = horizontal ? bar.hHeight : bar.vWidth;
    // No thickness at all would leave a bar nobody can use: the machine's own stands in.
    if (value <= 0) return Style().Document()->Env().Metric(horizontal ? SM_CXHSCROLL : SM_CYVSCROLL);
    return std::min(value, kMaxRangePartSize);
}

int ScrollBarStylePart::MinThumbLength(const SkinScrollBar& bar, Qt::Orientation orientation) {
    // The body's corners stay whole and the grip fits on it.
    const bool horizontal = orientation == Qt::Horizontal;
    const ScrollBarImages images = ScrollBarImagesOf(bar, orientation);
    const SkinImageBase& body = images.body[kSkinNormal];
    const SkinImageBase& grip = images.grip[kSkinNormal];
    int length = kMinThumb;
    if (NamesPicture(body))
        length = std::max(length, Bounded(horizontal ? static_cast<long long>(body.leftWidth) + body.rightWidth
                                                     : static_cast<long long>(body.topHeight) + body.bottomHeight));
    if (NamesPicture(grip)) length = std::max(length, horizontal ? SliceWidth(grip) : SliceHeight(grip));
    return std::min(length, kMaxRangePartSize);
}

void ScrollBarStylePart::Polish(QWidget* widget) const {
    // A scroll area places its bars by their size hints only when it lays itself out; a bar taking the
    // skin's thickness asks its area (two levels up, past the bar's container) to do that again.
    auto* bar = qobject_cast<QScrollBar*>(widget);
    if (!bar || !Record()) return;
    QWidget* container = bar->parentWidget();
    QWidget* up = container ? container->parentWidget() : nullptr;
    if (auto* area = qobject_cast<QAbstractScrollArea*>(up))
        QCoreApplication::postEvent(area, new QEvent(QEvent::LayoutRequest));
}

bool ScrollBarStylePart::DrawPrimitive(QStyle::PrimitiveElement element, const QStyleOption* option,
                                       QPainter* painter, const QWidget*) const {
    if (element != QStyle::PE_PanelScrollAreaCorner) return false;
    const SkinScrollBar* bar = Record();
    if (!bar) return false;
    const bool disabled = !(option->state & QStyle::State_Enabled);
    if (!DrawImageRef(*painter, option->rect, bar->deadCorner[disabled ? 1 : 0]))
        painter->fillRect(option->rect, SkinSysColor(*Style().Document(), COLOR_BTNFACE));
    return true;
}

bool ScrollBarStylePart::DrawComplexControl(QStyle::ComplexControl control, const QStyleOptionComplex* option,
                                            QPainter* painter, const QWidget*) const {
    if (control != QStyle::CC_ScrollBar) return false;
    const auto* o = qstyleoption_cast<const QStyleOptionSlider*>(option);
    const SkinScrollBar* bar = Record();
    if (!o || !bar) return false;
    const bool horizontal = o->orientation == Qt::Horizontal;
    const ScrollBarImages images = ScrollBarImagesOf(*bar, o->orientation);
    const BarLayout l = LayOut(*o, horizontal ? bar->hBtnWidth : bar->vBtnHeight, MinThumbLength(*bar, o->orientation));
    const SystemEnvironment& env = Style().Document()->Env();
    auto at = [](const SkinScrollBar::States& states, int state) -> const SkinImageBase& {
        return states[static_cast<size_t>(state)];
    };

    painter->save();
    painter->setClipRect(o->rect, Qt::IntersectClip);
    if (o->subControls & QStyle::SC_ScrollBarGroove) {
        // The whole track in the bar's state; a page part in another state shows that state's track over
        // its own stretch, so the track picture keeps its ends where the track ends.
        const int base = StateOf(*o, QStyle::SC_None);
        DrawScrollTrack(*painter, l.groove, at(images.back, base));
        for (const auto& [page, rect] : {std::pair{QStyle::SC_ScrollBarSubPage, l.subPage},
                                         std::pair{QStyle::SC_ScrollBarAddPage, l.addPage}}) {
            const int state = StateOf(*o, page);
            if (state == base || rect.isEmpty()) continue;
            painter->save();
            painter->setClipRect(rect, Qt::IntersectClip);
            DrawScrollTrack(*painter, l.groove, at(images.back, state));
            painter->restore();
        }
    }
    if (o->subControls & QStyle::SC_ScrollBarSubLine) {
        const int state = StateOf(*o, QStyle::SC_ScrollBarSubLine);
        DrawScrollButton(*painter, l.first, at(images.firstButton, state), at(images.firstArrow, state),
                         images.firstScroll, state, env);
    }
    if (o->subControls & QStyle::SC_ScrollBarAddLine) {
        const int state = StateOf(*o, QStyle::SC_ScrollBarAddLine);
        DrawScrollButton(*painter, l.second, at(images.secondButton, state), at(images.secondArrow, state),
                         images.secondScroll, state, env);
    }
    // A disabled bar shows no thumb.
    if ((o->subControls & QStyle::SC_ScrollBarSlider) && (o->state & QStyle::State_Enabled)) {
        const int state = StateOf(*o, QStyle::SC_ScrollBarSlider);
        DrawScrollThumb(*painter, l.slider, at(images.body, state), at(images.grip, state), env);
    }
    painter->restore();
    return true;
}

std::optional<QRect> ScrollBarStylePart::SubControlRect(QStyle::ComplexControl control,
                                                        const QStyleOptionComplex* option, QStyle::SubControl sub,
                                                        const QWidget*) const {
    if (control != QStyle::CC_ScrollBar) return std::nullopt;
    const auto* o = qstyleoption_cast<const QStyleOptionSlider*>(option);
    const SkinScrollBar* bar = Record();
    if (!o || !bar) return std::nullopt;
    const bool horizontal = o->orientation == Qt::Horizontal;
    const BarLayout l = LayOut(*o, horizontal ? bar->hBtnWidth : bar->vBtnHeight, MinThumbLength(*bar, o->orientation));
    switch (sub) {
    case QStyle::SC_ScrollBarSubLine: return l.first;
    case QStyle::SC_ScrollBarAddLine: return l.second;
    case QStyle::SC_ScrollBarSubPage: return l.subPage;
    case QStyle::SC_ScrollBarAddPage: return l.addPage;
    case QStyle::SC_ScrollBarSlider: return l.slider;
    case QStyle::SC_ScrollBarGroove: return l.groove;
    default: return QRect();
    }
}

std::optional<int> ScrollBarStylePart::PixelMetric(QStyle::PixelMetric metric, const QStyleOption* option,
                                                   const QWidget* widget) const {
    if (metric != QStyle::PM_ScrollBarExtent && metric != QStyle::PM_ScrollBarSliderMin) return std::nullopt;
    const SkinScrollBar* bar = Record();
    if (!bar) return std::nullopt;
    auto answer = [&](Qt::Orientation orientation) {
        return metric == QStyle::PM_ScrollBarExtent ? Extent(*bar, orientation) : MinThumbLength(*bar, orientation);
    };
    // Asked without a bar (a view measuring its scroll bars), the larger of the two answers.
    if (const auto orientation = OrientationOf(option, widget)) return answer(*orientation);
    return std::max(answer(Qt::Horizontal), answer(Qt::Vertical));
}

std::optional<QSize> ScrollBarStylePart::SizeFromContents(QStyle::ContentsType type, const QStyleOption* option,
                                                          const QSize&, const QWidget*) const {
    if (type != QStyle::CT_ScrollBar) return std::nullopt;
    const auto* o = qstyleoption_cast<const QStyleOptionSlider*>(option);
    const SkinScrollBar* bar = Record();
    if (!o || !bar) return std::nullopt;
    const bool horizontal = o->orientation == Qt::Horizontal;
    // Room for both buttons and the shortest thumb.
    const int button = std::clamp(horizontal ? bar->hBtnWidth : bar->vBtnHeight, 0, kMaxRangePartSize);
    const int along = 2 * button + MinThumbLength(*bar, o->orientation);
    const int across = Extent(*bar, o->orientation);
    return horizontal ? QSize(along, across) : QSize(across, along);
}
