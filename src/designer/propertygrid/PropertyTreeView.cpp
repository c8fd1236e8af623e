#include "designer/propertygrid/PropertyTreeView.h"

#include "designer/propertygrid/PropertyEditor.h"
#include "designer/propertygrid/PropertyGrid.h"
#include "designer/propertygrid/PropertyItem.h"
#include "designer/propertygrid/ResetWrapper.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <functional>

namespace vd {

namespace {

QColor mix(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

constexpr int kSplitterGrip = 3;
constexpr int kMinColumn = 40;

}  // namespace

PropertyTreeView::PropertyTreeView(PropertyGrid* grid) : QTreeWidget(grid), m_grid(grid) {
    setObjectName(QStringLiteral("propertyTree"));
    setColumnCount(2);
    header()->hide();
    header()->setStretchLastSection(true);
    header()->setSectionResizeMode(QHeaderView::Interactive);
    setRootIsDecorated(true);
    setIndentation(14);
    setUniformRowHeights(false);
    setSelectionMode(QAbstractItemView::NoSelection);  // the current row is the selection; we paint it
    setEditTriggers(QAbstractItemView::NoEditTriggers);  // the grid opens editors itself
    setAllColumnsShowFocus(true);
    setExpandsOnDoubleClick(true);
    setAnimated(false);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setMouseTracking(true);
    connect(this, &QTreeWidget::itemExpanded, this, [this] { invalidateShading(); });
    connect(this, &QTreeWidget::itemCollapsed, this, [this] { invalidateShading(); });
}

void PropertyTreeView::setSplitterPosition(int x) {
    const int w = std::max(viewport()->width(), 2 * kMinColumn);
    x = std::clamp(x, kMinColumn, w - kMinColumn);
    setColumnWidth(0, x);
    m_splitShare = static_cast<double>(x) / w;
}

void PropertyTreeView::fitCaptions(int widest) {
    if (m_userSplit) return;
    const int w = std::max(viewport()->width(), 2 * kMinColumn);
    m_splitShare = std::clamp(static_cast<double>(widest) / w, kDefaultSplitShare, kMaxFittedSplitShare);
    setColumnWidth(0, std::clamp(qRound(w * m_splitShare), kMinColumn, w - kMinColumn));
}

int PropertyTreeView::standardRowHeight() const { return std::max(fontMetrics().height() + 10, 24); }

void PropertyTreeView::invalidateShading() {
    m_shadingValid = false;
    viewport()->update();
}

QColor PropertyTreeView::categoryColor() const {
    return mix(palette().color(QPalette::Base), palette().color(QPalette::Text), 0.075);
}

QColor PropertyTreeView::alternateColor() const {
    return mix(palette().color(QPalette::Base), palette().color(QPalette::Text), 0.028);
}

QColor PropertyTreeView::gridLineColor() const {
    return mix(palette().color(QPalette::Base), palette().color(QPalette::Text), 0.15);
}

bool PropertyTreeView::isCurrentRow(const QModelIndex& index) const {
    const QModelIndex current = currentIndex();
    return current.isValid() && current.row() == index.row() && current.parent() == index.parent();
}

bool PropertyTreeView::isOddRow(const QModelIndex& index) const {
    if (!m_shadingValid) {
        // Count visible rows in display order; every category starts the count again.
        m_odd.clear();
        int n = 0;
        const std::function<void(QTreeWidgetItem*)> walk = [&](QTreeWidgetItem* row) {
            if (row->isHidden())
                return;
            const PropertyItem* item = m_grid->itemForRow(row);
            if (item && item->isCategory())
                n = 0;
            else
                m_odd.insert(row, (n++ & 1) != 0);
            if (row->isExpanded())
                for (int i = 0; i < row->childCount(); ++i)
                    walk(row->child(i));
        };
        for (int i = 0; i < topLevelItemCount(); ++i)
            walk(topLevelItem(i));
        m_shadingValid = true;
    }
    return m_odd.value(itemFromIndex(index), false);
}

void PropertyTreeView::drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const PropertyItem* item = m_grid->itemForIndex(index);
    const QRect row(0, option.rect.y(), viewport()->width(), option.rect.height());
    QColor background = palette().color(QPalette::Base);
    if (item && item->isCategory())
        background = categoryColor();
    else if (isOddRow(index))
        background = alternateColor();
    painter->fillRect(row, background);
    QTreeWidget::drawRow(painter, option, index);
}

void PropertyTreeView::drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const {
    // The indentation reads as one shaded gutter joining the category rows.
    painter->fillRect(rect, categoryColor());
    if (!model()->hasChildren(index))
        return;
    const QTreeWidgetItem* row = itemFromIndex(index);
    bool anyShown = false;
    for (int i = 0; row && i < row->childCount() && !anyShown; ++i)
        anyShown = !row->child(i)->isHidden();
    if (!anyShown)
        return;
    const int slot = indentation();
    const QPointF c(rect.right() - slot / 2.0 + 1, rect.center().y() + 0.5);
    QPainterPath chevron;
    if (isExpanded(index)) {
        chevron.moveTo(c.x() - 3.5, c.y() - 1.75);
        chevron.lineTo(c.x(), c.y() + 1.75);
        chevron.lineTo(c.x() + 3.5, c.y() - 1.75);
    } else {
        chevron.moveTo(c.x() - 1.75, c.y() - 3.5);
        chevron.lineTo(c.x() + 1.75, c.y());
        chevron.lineTo(c.x() - 1.75, c.y() + 3.5);
    }
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    QColor ink = palette().color(QPalette::Text);
    ink.setAlphaF(0.7f);
    painter->setPen(QPen(ink, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter->drawPath(chevron);
    painter->restore();
}

bool PropertyTreeView::nearSplitter(int x) const {
    const int split = columnViewportPosition(1);
    return x >= split - kSplitterGrip - 1 && x <= split + kSplitterGrip;
}

void PropertyTreeView::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::LeftButton && nearSplitter(pos.x())) {
        m_dragging = true;
        return;
    }
    const QModelIndex index = indexAt(pos);
    const bool onValue = index.isValid() && index.column() == 1;
    const QModelIndex before = currentIndex();
    QTreeWidget::mousePressEvent(event);
    if (!onValue || event->button() != Qt::LeftButton)
        return;
    // A click on a value goes on into the editor the click just opened.
    ResetWrapper* wrapper = m_grid->activeWrapper();
    if (!wrapper || wrapper->index() != index)
        return;
    m_grid->focusEditor();
    if (!before.isValid() || before.row() != index.row() || before.parent() != index.parent())
        wrapper->editor()->activateByClick(wrapper->editor()->mapFrom(viewport(), pos));
}

void PropertyTreeView::mouseMoveEvent(QMouseEvent* event) {
    const int x = qRound(event->position().x());
    if (m_dragging) {
        m_userSplit = true;
        setSplitterPosition(x);
        return;
    }
    if (event->buttons() == Qt::NoButton)
        viewport()->setCursor(nearSplitter(x) ? Qt::SplitHCursor : Qt::ArrowCursor);
    QTreeWidget::mouseMoveEvent(event);
}

void PropertyTreeView::mouseReleaseEvent(QMouseEvent* event) {
    if (m_dragging) {
        m_dragging = false;
        return;
    }
    QTreeWidget::mouseReleaseEvent(event);
}

void PropertyTreeView::keyPressEvent(QKeyEvent* event) {
    const bool hasEditor = m_grid->activeWrapper() != nullptr;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F2:
        if (hasEditor && m_grid->focusEditor())
            return;
        if (QTreeWidgetItem* row = currentItem(); row && row->childCount() > 0) {
            row->setExpanded(!row->isExpanded());
            return;
        }
        break;
    default:
        // Typing on a row starts editing it with what was typed.
        if (hasEditor && !event->text().isEmpty() && event->text().at(0).isPrint() &&
            !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
            m_grid->focusEditor();
            if (QWidget* target = m_grid->activeEditor()->focusTarget()) {
                QKeyEvent copy(event->type(), event->key(), event->modifiers(), event->text());
                QApplication::sendEvent(target, &copy);
            }
            return;
        }
        break;
    }
    QTreeWidget::keyPressEvent(event);
}

void PropertyTreeView::resizeEvent(QResizeEvent* event) {
    QTreeWidget::resizeEvent(event);
    const int w = viewport()->width();
    if (w > 2 * kMinColumn)
        setColumnWidth(0, std::clamp(qRound(w * m_splitShare), kMinColumn, w - kMinColumn));
}

}  // namespace vd
