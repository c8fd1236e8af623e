#include "designer/propertygrid/CheckBoxPainter.h"

#include "designer/propertygrid/PropertyEditor.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionViewItem>

namespace vd {

namespace {

QStyle* styleOf(const QWidget* widget) { return widget ? widget->style() : QApplication::style(); }

}  // namespace

QRect checkBoxIndicatorRect(const QWidget* widget, const QRect& cell) {
    QStyle* style = styleOf(widget);
    const int w = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, widget);
    const int h = style->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, widget);
    return QRect(cell.left() + PropertyEditor::kContentInset, cell.top() + (cell.height() - h) / 2, w, h);
}

void paintCheckBox(QPainter* painter, const QStyleOptionViewItem& option, const QRect& cell, bool checked,
                   bool enabled) {
    QStyleOptionButton box;
    box.rect = checkBoxIndicatorRect(option.widget, cell);
    box.palette = option.palette;
    box.state = (checked ? QStyle::State_On : QStyle::State_Off) | (enabled ? QStyle::State_Enabled : QStyle::State_None);
    styleOf(option.widget)->drawPrimitive(QStyle::PE_IndicatorCheckBox, &box, painter, option.widget);
}

}  // namespace vd
