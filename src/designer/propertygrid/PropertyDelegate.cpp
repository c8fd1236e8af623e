#include "designer/propertygrid/PropertyDelegate.h"

#include "designer/propertygrid/ActiveEditor.h"
#include "designer/propertygrid/PropertyGrid.h"
#include "designer/propertygrid/PropertyItem.h"
#include "designer/propertygrid/PropertyTreeView.h"
#include "designer/propertygrid/ResetWrapper.h"

#include <QApplication>
#include <QPainter>

namespace vd {

namespace {

constexpr int kCaptionInset = 5;

QColor blend(const QColor& a, const QColor& b, double t) {
    return QColor(qRound(a.red() + (b.red() - a.red()) * t), qRound(a.green() + (b.green() - a.green()) * t),
                  qRound(a.blue() + (b.blue() - a.blue()) * t));
}

}  // namespace

PropertyDelegate::PropertyDelegate(PropertyGrid* grid, PropertyTreeView* view, ActiveEditor* editor)
    : QStyledItemDelegate(view), m_grid(grid), m_view(view), m_editor(editor) {}

void PropertyDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const PropertyItem* item = m_grid->itemForIndex(index);
    if (!item)
        return;
    const QPalette& pal = option.palette;
    painter->save();
    if (item->isCategory()) {
        QFont bold = option.font;
        bold.setBold(true);
        painter->setFont(bold);
        painter->setPen(pal.color(QPalette::Text));
        const QRect text = option.rect.adjusted(kCaptionInset - 2, 0, -kCaptionInset, 0);
        painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                          QFontMetrics(bold).elidedText(item->caption(), Qt::ElideRight, text.width()));
        painter->restore();
        return;
    }
    const bool enabled = !item->isReadOnly();
    const QPalette::ColorGroup group = enabled ? QPalette::Active : QPalette::Disabled;
    if (index.column() == 0) {
        QColor ink = pal.color(group, QPalette::Text);
        if (m_view->isCurrentRow(index)) {
            const bool focused = m_view->hasFocus() || m_view->isAncestorOf(QApplication::focusWidget());
            // Without focus the current row stays marked, in a quieter tint.
            const QColor fill = focused ? pal.color(QPalette::Highlight)
                                        : blend(pal.color(QPalette::Base), pal.color(QPalette::Highlight), 0.22);
            painter->fillRect(option.rect, fill);
            ink = focused ? pal.color(QPalette::HighlightedText) : pal.color(QPalette::Text);
        }
        painter->setPen(ink);
        const QRect text = option.rect.adjusted(kCaptionInset - 2, 0, -kCaptionInset, 0);
        painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                          option.fontMetrics.elidedText(item->caption(), Qt::ElideMiddle, text.width()));
    } else {
        QFont font = option.font;
        font.setBold(item->isModified());
        painter->setFont(font);
        painter->setPen(pal.color(group, QPalette::Text));
        painter->setClipRect(option.rect);
        item->paintValue(painter, option, option.rect);
        painter->setClipping(false);
        // The line between caption and value.
        painter->setPen(m_view->gridLineColor());
        painter->drawLine(option.rect.topLeft(), option.rect.bottomLeft());
    }
    painter->restore();
}

QSize PropertyDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const int standard = m_view->standardRowHeight();
    const PropertyItem* item = m_grid->itemForIndex(index);
    return QSize(option.rect.width(), item ? std::max(standard, item->rowHeight(standard)) : standard);
}

QWidget* PropertyDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const {
    return m_editor->create(parent, index);
}

void PropertyDelegate::setEditorData(QWidget* editor, const QModelIndex&) const {
    if (auto* wrapper = qobject_cast<ResetWrapper*>(editor))
        m_editor->load(wrapper);
}

void PropertyDelegate::setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const {}

void PropertyDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option, const QModelIndex&) const {
    // One pixel right of the column line, one pixel inside the row.
    editor->setGeometry(option.rect.adjusted(1, 1, 0, -1));
}

void PropertyDelegate::destroyEditor(QWidget* editor, const QModelIndex&) const {
    editor->disconnect(m_editor);
    editor->hide();
    editor->deleteLater();
}

bool PropertyDelegate::eventFilter(QObject*, QEvent*) { return false; }

}  // namespace vd
