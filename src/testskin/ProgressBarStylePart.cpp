#include "testskin/ProgressBarStylePart.h"

#include <QElapsedTimer>
#include <QPainter>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <algorithm>

#include "Resource/ResObjects/ResProgressBar.h"
#include "preview/PreviewCommon.h"
#include "preview/ProgressPreview.h"
#include "testskin/RangeLayoutLimits.h"
#include "testskin/SkinStyle.h"

using namespace vd::preview;

namespace {

// The clock busy bars sweep by, shared so every busy bar moves in step.
qint64 BusyClock() {
    static QElapsedTimer clock = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return clock.elapsed();
}

}  // namespace

std::pair<int, int> ProgressBarStylePart::BusySpan(qint64 elapsedMs, int length) {
    if (length <= 0) return {0, 0};
    const int block = std::max(1, length / 4);
    // The block's leading edge runs from the bar's start to a block beyond its end.
    const qint64 phase = ((elapsedMs % kBusySweepMs) + kBusySweepMs) % kBusySweepMs;
    const int lead = static_cast<int>(phase * (static_cast<qint64>(length) + block) / kBusySweepMs);
    return {std::clamp(lead - block, 0, length), std::clamp(lead, 0, length)};
}

const SkinProgressBar* ProgressBarStylePart::Record() const {
    const CSkinDocument* doc = Style().Document();
    return doc ? FirstRecordOf(doc->ProgressBars()) : nullptr;
}

bool ProgressBarStylePart::DrawControl(QStyle::ControlElement element, const QStyleOption* option, QPainter* painter,
                                       const QWidget* widget) const {
    if (element != QStyle::CE_ProgressBar) return false;
    const auto* o = qstyleoption_cast<const QStyleOptionProgressBar*>(option);
    const SkinProgressBar* p = Record();
    if (!o || !p) return false;
    const Qt::Orientation orientation = (o->state & QStyle::State_Horizontal) ? Qt::Horizontal : Qt::Vertical;
    const int length = orientation == Qt::Horizontal ? o->rect.width() : o->rect.height();
    // The skin's "R" turns the bar round, and so does the widget's own inverted look (or a right-to-left
    // layout for a horizontal bar).
    const bool mirrored = o->invertedAppearance != (orientation == Qt::Horizontal && o->direction == Qt::RightToLeft);
    const bool reversed = (p->r != 0) != mirrored;

    const long long range = static_cast<long long>(o->maximum) - o->minimum;
    int from = 0, to = 0;
    QString text;
    if (range <= 0) {
        std::tie(from, to) = BusySpan(BusyClock(), length);
        // Busy bars move while they are shown: each paint asks for the next one.
        if (widget) {
            auto* target = const_cast<QWidget*>(widget);
            QTimer::singleShot(kBusyFrameMs, target, [target] { target->update(); });
        }
    } else {
        const long long done = std::clamp(static_cast<long long>(o->progress) - o->minimum, 0LL, range);
        to = static_cast<int>(static_cast<long long>(std::max(0, length)) * done / range);
        if (p->showText && o->textVisible)
            text = QString::fromStdString(FormatProgressText(p->textFormat, 100.0 * static_cast<double>(done) / range));
    }
    painter->save();
    painter->setClipRect(o->rect, Qt::IntersectClip);
    DrawProgressBar(*painter, *p, o->rect, orientation, reversed, from, to, text);
    painter->restore();
    return true;
}

std::optional<QSize> ProgressBarStylePart::SizeFromContents(QStyle::ContentsType type, const QStyleOption* option,
                                                            const QSize& size, const QWidget*) const {
    if (type != QStyle::CT_ProgressBar) return std::nullopt;
    const auto* o = qstyleoption_cast<const QStyleOptionProgressBar*>(option);
    const SkinProgressBar* p = Record();
    if (!o || !p) return std::nullopt;
    // Thick enough for the background picture's own thickness.
    const bool horizontal = o->state & QStyle::State_Horizontal;
    const int own = NamesPicture(p->background) ? std::clamp(horizontal ? SliceHeight(p->background)
                                                                         : SliceWidth(p->background), 0, kMaxRangePartSize)
                                                : 0;
    return horizontal ? QSize(size.width(), std::max(size.height(), own)) : QSize(std::max(size.width(), own), size.height());
}
