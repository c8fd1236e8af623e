#pragma once
// Progress bars drawn from the skin's first "ProgressBars" record: its pictures or colour fills, growing
// the way the bar and the skin say, with the skin's percentage text in its two colours; a busy bar
// (minimum equal to maximum) shows a block of the fill sweeping along it.

#include <QtGlobal>

#include <utility>

#include "testskin/SkinStylePart.h"

struct SkinProgressBar;

class ProgressBarStylePart : public SkinStylePart {
public:
    using SkinStylePart::SkinStylePart;

    bool DrawControl(QStyle::ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    std::optional<QSize> SizeFromContents(QStyle::ContentsType type, const QStyleOption* option, const QSize& size,
                                          const QWidget* widget) const override;

    // How long a busy bar's block takes to sweep once along the bar, and how often it is redrawn.
    static constexpr int kBusySweepMs = 2000;
    static constexpr int kBusyFrameMs = 40;
    // The span [from, to) of a busy bar `length` long that its block covers `elapsedMs` into the sweeps:
    // a quarter of the bar entering at the start and leaving at the end, cut to the bar.
    static std::pair<int, int> BusySpan(qint64 elapsedMs, int length);

private:
    const SkinProgressBar* Record() const;
};
