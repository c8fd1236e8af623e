#pragma once
// DrawTextA on a QPainter: the format bits keep their Windows values so that code written against the
// file format's flags reads the same, and single lines are placed with GDI's integer arithmetic.

#include <QFont>
#include <QPainter>
#include <QRect>
#include <QString>

#include <cstdint>

namespace vd {

inline constexpr uint32_t DT_TOP = 0x0;
inline constexpr uint32_t DT_LEFT = 0x0;
inline constexpr uint32_t DT_CENTER = 0x1;
inline constexpr uint32_t DT_RIGHT = 0x2;
inline constexpr uint32_t DT_VCENTER = 0x4;
inline constexpr uint32_t DT_BOTTOM = 0x8;
inline constexpr uint32_t DT_WORDBREAK = 0x10;
inline constexpr uint32_t DT_SINGLELINE = 0x20;
inline constexpr uint32_t DT_EXPANDTABS = 0x40;
inline constexpr uint32_t DT_NOCLIP = 0x100;
inline constexpr uint32_t DT_CALCRECT = 0x400;
inline constexpr uint32_t DT_NOPREFIX = 0x800;

// The Qt alignment and wrapping that DrawTextA gives these bits. Vertical centring and bottom alignment
// exist only for single lines, as in GDI.
int QtTextFlags(uint32_t dtFlags);

// The text's extent in the font: one line's advance and cell height, or with DT_WORDBREAK the lines
// broken at wrapWidth. '&' marks a mnemonic unless DT_NOPREFIX is given.
QSize MeasureText(const QFont& font, const QString& text, uint32_t dtFlags, int wrapWidth);

// Draws text with the painter's font and pen like DrawTextA. With DT_CALCRECT nothing is drawn: the
// rectangle keeps its top-left corner and takes the text's size. Returns the text height (with
// DT_VCENTER or DT_BOTTOM on a single line: the offset from the top to the text's bottom).
int DrawText(QPainter& painter, const QString& text, QRect& rect, uint32_t dtFlags);

}  // namespace vd
