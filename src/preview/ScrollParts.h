#pragma once
// The pieces of a skinned scroll bar, shared by the scroll-bar and spin previews and the test program's
// skinned controls: where the thumb sits, and the track, arrow buttons and thumb drawn from their pictures
// with the standard looks that stand in for missing ones.

#include <QColor>
#include <QPainter>
#include <QRect>

#include <cstdint>

#include "Resource/ResObjects/ResScrollBar.h"
#include "Resource/SkinRecords.h"
#include "Resource/SystemEnvironment.h"

namespace vd::preview {

// The pictures of one bar of a scroll-bar record, and the standard arrows (DFCS_ bits) that stand in for
// missing button pictures.
struct ScrollBarImages {
    const SkinScrollBar::States& back;
    const SkinScrollBar::States& body;
    const SkinScrollBar::States& grip;
    const SkinScrollBar::States& firstButton;
    const SkinScrollBar::States& firstArrow;
    const SkinScrollBar::States& secondButton;
    const SkinScrollBar::States& secondArrow;
    uint32_t firstScroll;
    uint32_t secondScroll;
};
ScrollBarImages ScrollBarImagesOf(const SkinScrollBar& bar, Qt::Orientation orientation);

// The track of a scroll bar whose state has no back picture.
inline const QColor kScrollTrackColour(236, 233, 216);

// Where a thumb sits along a track, relative to the track's start.
struct ThumbSpan {
    int offset = 0;
    int length = 0;
};

// The thumb of a window showing `page` of `max` units scrolled to `pos` (0 .. max - page + 1), on a track
// of `track` pixels, at least `minLength` long. With nothing to scroll (no range, or a page as large as the
// range) the thumb fills the track; the thumb is never longer than the track and never leaves it, whatever
// the numbers.
ThumbSpan PlaceScrollThumb(int track, long long max, long long page, long long pos, int minLength = 0);

// The DFCS_ bits the standard arrow button draws a state with, by the records' state index (0 normal,
// 1 pressed, 2 disabled, 3 highlighted); any other index draws the normal look.
uint32_t StandardArrowStateBits(int stateIndex);

// Draws the picture centred in rect at its own size, cut to rect.
void DrawCentredImage(QPainter& painter, const QRect& rect, const SkinImageBase& image);

// The track from its back picture, or the plain track colour without one.
void DrawScrollTrack(QPainter& painter, const QRect& rect, const SkinImageBase& back);

// An arrow button: its face picture, or the standard scroll arrow (`scroll` is DFCS_SCROLLUP, ...) in the
// state's look without one, then the arrow picture centred on it.
void DrawScrollButton(QPainter& painter, const QRect& rect, const SkinImageBase& face, const SkinImageBase& arrow,
                      uint32_t scroll, int stateIndex, const SystemEnvironment& env);

// The thumb: its body picture stretched over it, or a standard push button, then the grip centred on it.
void DrawScrollThumb(QPainter& painter, const QRect& rect, const SkinImageBase& body, const SkinImageBase& grip,
                     const SystemEnvironment& env);

}  // namespace vd::preview
