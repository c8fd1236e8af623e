#pragma once
// The check box of boolean rows, shared by the painted row and its editor so the box does not move when the
// editor opens.

class QPainter;
class QRect;
class QStyleOptionViewItem;
class QWidget;

namespace vd {

// The indicator's place in a value cell: left-aligned after the content inset, vertically centred.
QRect checkBoxIndicatorRect(const QWidget* widget, const QRect& cell);
void paintCheckBox(QPainter* painter, const QStyleOptionViewItem& option, const QRect& cell, bool checked,
                   bool enabled);

}  // namespace vd
