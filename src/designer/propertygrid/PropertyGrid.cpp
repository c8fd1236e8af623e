#include "designer/propertygrid/PropertyGrid.h"

#include "designer/propertygrid/ActiveEditor.h"
#include "designer/propertygrid/BoolItem.h"
#include "designer/propertygrid/DescriptionPanel.h"
#include "designer/propertygrid/GroupItem.h"
#include "designer/propertygrid/PropertyDelegate.h"
#include "designer/propertygrid/PropertyItem.h"
#include "designer/propertygrid/PropertyTreeView.h"

#include <QLineEdit>
#include <QMenu>
#include <QScopedValueRollback>
#include <QSet>
#include <QSplitter>
#include <QTreeWidgetItem>
#include <QVBoxLayout>

#include <algorithm>

namespace vd {

namespace {

// Rows of a category in alphabetical mode: the items of nested categories join the flat list too.
void collectFlat(PropertyItem* item, std::vector<PropertyItem*>& out) {
    if (!item->isCategory()) {
        out.push_back(item);
        return;
    }
    for (int i = 0; i < item->childCount(); ++i)
        collectFlat(item->child(i), out);
}

template <class Visit>
PropertyItem* findDepthFirst(PropertyItem* item, const Visit& match) {
    if (match(item))
        return item;
    for (int i = 0; i < item->childCount(); ++i)
        if (PropertyItem* found = findDepthFirst(item->child(i), match))
            return found;
    return nullptr;
}

void collectSubtree(PropertyItem* item, std::vector<PropertyItem*>& out) {
    out.push_back(item);
    for (int i = 0; i < item->childCount(); ++i)
        collectSubtree(item->child(i), out);
}

}  // namespace

PropertyGrid::PropertyGrid(QWidget* parent) : QWidget(parent) {
    m_filter = new QLineEdit(this);
    m_filter->setObjectName(QStringLiteral("propertyFilter"));
    m_filter->setPlaceholderText(tr("Search properties"));
    m_filter->setClearButtonEnabled(true);

    m_tree = new PropertyTreeView(this);
    m_editor = new ActiveEditor(this, m_tree);
    m_delegate = new PropertyDelegate(this, m_tree, m_editor);
    m_tree->setItemDelegate(m_delegate);

    m_description = new DescriptionPanel(this);

    m_splitter = new QSplitter(Qt::Vertical, this);
    m_splitter->addWidget(m_tree);
    m_splitter->addWidget(m_description);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 0);
    m_splitter->setCollapsible(0, false);
    m_splitter->setHandleWidth(3);
    m_splitter->setSizes({400, 64});

    auto* filterBox = new QWidget(this);
    auto* filterLayout = new QVBoxLayout(filterBox);
    filterLayout->setContentsMargins(3, 3, 3, 3);
    filterLayout->addWidget(m_filter);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(filterBox);
    layout->addWidget(m_splitter, 1);

    connect(m_filter, &QLineEdit::textChanged, this, [this] { applyVisibility(); });
    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this] { onCurrentRowChanged(); });
    connect(m_tree, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* row) {
        if (PropertyItem* item = itemForRow(row); item && !m_quiet)
            item->m_expanded = true;
        m_tree->invalidateShading();
    });
    connect(m_tree, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* row) {
        if (PropertyItem* item = itemForRow(row); item && !m_quiet)
            item->m_expanded = false;
        m_tree->invalidateShading();
    });
    m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_tree, &QWidget::customContextMenuRequested, this, &PropertyGrid::showContextMenu);
    setFocusProxy(m_tree);
}

PropertyGrid::~PropertyGrid() {
    // Drop the rows while the view still exists; the items then detach without touching it.
    m_editor->close();
    QScopedValueRollback quiet(m_quiet, true);
    m_tree->clear();
    m_itemOfRow.clear();
    m_rowOfItem.clear();
    m_items.clear();
}

// ---------------------------------------------------------------- content

GroupItem* PropertyGrid::addCategory(const QString& caption) { return add<GroupItem>(caption, true); }

PropertyItem* PropertyGrid::addItem(std::unique_ptr<PropertyItem> item) {
    if (!item || item->m_parent || item->m_grid)
        return nullptr;
    PropertyItem* raw = item.get();
    m_items.push_back(std::move(item));
    raw->attachTo(this);
    rebuildView();
    return raw;
}

void PropertyGrid::removeItem(PropertyItem* item) {
    if (!item || item->m_grid != this)
        return;
    if (PropertyItem* parent = item->parent()) {
        parent->removeChild(item);
        return;
    }
    const auto it = std::find_if(m_items.begin(), m_items.end(),
                                 [item](const std::unique_ptr<PropertyItem>& p) { return p.get() == item; });
    if (it == m_items.end())
        return;
    std::unique_ptr<PropertyItem> doomed = std::move(*it);
    m_items.erase(it);
    doomed.reset();
    applyVisibility();
}

void PropertyGrid::clear() {
    m_editor->close();
    {
        QScopedValueRollback quiet(m_quiet, true);
        m_tree->clear();
        m_itemOfRow.clear();
        m_rowOfItem.clear();
        std::vector<std::unique_ptr<PropertyItem>> doomed = std::move(m_items);
        m_items.clear();
        doomed.clear();
    }
    m_rebuildPending = false;
    m_visibilityPending = false;
    m_tree->invalidateShading();
    onCurrentRowChanged();
}

PropertyItem* PropertyGrid::findItem(const QString& caption) const {
    for (const auto& top : m_items)
        if (PropertyItem* found = findDepthFirst(top.get(), [&](PropertyItem* i) { return i->caption() == caption; }))
            return found;
    return nullptr;
}

QList<PropertyItem*> PropertyGrid::findItemsByKey(const QString& key) const {
    QList<PropertyItem*> found;
    if (key.isEmpty())
        return found;
    for (const auto& top : m_items)
        findDepthFirst(top.get(), [&](PropertyItem* i) {
            if (i->key() == key)
                found << i;
            return false;
        });
    return found;
}

PropertyItem* PropertyGrid::findItemById(int id) const {
    for (const auto& top : m_items)
        if (PropertyItem* found = findDepthFirst(top.get(), [&](PropertyItem* i) { return i->id() == id; }))
            return found;
    return nullptr;
}

void PropertyGrid::beginUpdate() {
    if (m_updateDepth++ == 0)
        m_tree->setUpdatesEnabled(false);
}

void PropertyGrid::endUpdate() {
    if (m_updateDepth == 0 || --m_updateDepth > 0)
        return;
    if (m_rebuildPending)
        rebuildView();
    else if (m_visibilityPending)
        applyVisibility();
    m_tree->setUpdatesEnabled(true);
}

// ---------------------------------------------------------------- item notifications

void PropertyGrid::itemChanged(PropertyItem* item, ItemChange change) {
    switch (change) {
    case ItemChange::Structure:
        rebuildView();
        break;
    case ItemChange::Visibility:
        applyVisibility();
        break;
    case ItemChange::Expansion:
        if (QTreeWidgetItem* row = rowForItem(item)) {
            QScopedValueRollback quiet(m_quiet, true);
            row->setExpanded(item->isExpanded());
        }
        m_tree->invalidateShading();
        break;
    case ItemChange::Caption:
        if (QTreeWidgetItem* row = rowForItem(item))
            row->setText(0, item->caption());
        if (item == currentItem())
            updateDescription();
        if (m_sortMode == SortMode::Alphabetical)
            rebuildView();
        break;
    case ItemChange::Editability:
        if (item == currentItem()) {
            m_editor->close();
            openEditor();
        }
        m_tree->viewport()->update();
        break;
    case ItemChange::Value:
        m_tree->viewport()->update();
        break;
    }
}

void PropertyGrid::itemDestroyed(PropertyItem* item) {
    // Called from the item's destructor while its subtree is still whole: drop every row of the subtree
    // now, so no row, editor or description is left pointing at a dead item.
    std::vector<PropertyItem*> subtree;
    collectSubtree(item, subtree);
    QSet<QTreeWidgetItem*> rows;
    for (PropertyItem* i : subtree) {
        if (QTreeWidgetItem* row = m_rowOfItem.take(i)) {
            rows.insert(row);
            m_itemOfRow.remove(row);
        }
        i->m_grid = nullptr;
    }
    if (rows.isEmpty())
        return;
    const bool wasCurrent = rows.contains(m_tree->currentItem());
    {
        QScopedValueRollback quiet(m_quiet, true);
        if (wasCurrent)
            m_editor->close();
        // Only the outermost rows are deleted: each takes its child rows with it.
        std::vector<QTreeWidgetItem*> outermost;
        for (QTreeWidgetItem* row : std::as_const(rows)) {
            bool nested = false;
            for (QTreeWidgetItem* p = row->parent(); p && !nested; p = p->parent())
                nested = rows.contains(p);
            if (!nested)
                outermost.push_back(row);
        }
        for (QTreeWidgetItem* row : outermost)
            delete row;
    }
    m_tree->invalidateShading();
    if (wasCurrent)
        onCurrentRowChanged();
}

// ---------------------------------------------------------------- view

PropertyItem* PropertyGrid::itemForIndex(const QModelIndex& index) const {
    return index.isValid() ? itemForRow(m_tree->itemFromIndex(index)) : nullptr;
}

// The widest caption of an item row, with the indentation of its depth and the delegate's insets, so the
// caption column can show it whole (long captions such as "Caption InactiveTextStyle" are common).
void PropertyGrid::fitCaptionColumn() {
    const QFontMetrics fm(m_tree->font());
    int widest = 0;
    for (auto it = m_itemOfRow.cbegin(); it != m_itemOfRow.cend(); ++it) {
        if (it.value()->isCategory()) continue;
        int depth = 1;  // the root decoration
        for (const QTreeWidgetItem* up = it.key()->parent(); up; up = up->parent()) ++depth;
        widest = std::max(widest, depth * m_tree->indentation() + fm.horizontalAdvance(it.value()->caption()) + 12);
    }
    m_tree->fitCaptions(widest);
}

void PropertyGrid::rebuildView() {
    if (m_updateDepth > 0) {
        m_rebuildPending = true;
        return;
    }
    m_rebuildPending = false;
    PropertyItem* current = currentItem();
    const std::weak_ptr<void> currentToken = current ? current->lifeToken() : std::weak_ptr<void>();
    m_editor->close();
    {
        QScopedValueRollback quiet(m_quiet, true);
        m_tree->clear();
        m_itemOfRow.clear();
        m_rowOfItem.clear();
        if (m_sortMode == SortMode::Categorized) {
            for (const auto& item : m_items)
                addRows(nullptr, item.get());
        } else {
            std::vector<PropertyItem*> flat;
            for (const auto& item : m_items)
                collectFlat(item.get(), flat);
            std::stable_sort(flat.begin(), flat.end(), [](const PropertyItem* a, const PropertyItem* b) {
                return a->caption().compare(b->caption(), Qt::CaseInsensitive) < 0;
            });
            for (PropertyItem* item : flat)
                addRows(nullptr, item);
        }
    }
    for (const auto& item : m_items)
        applySiblingRules(item.get());
    applyVisibility();
    fitCaptionColumn();
    if (!currentToken.expired() && rowForItem(current)) {
        QScopedValueRollback quiet(m_quiet, true);
        m_tree->setCurrentItem(rowForItem(current), 1);
    }
    onCurrentRowChanged();
}

void PropertyGrid::addRows(QTreeWidgetItem* parentRow, PropertyItem* item) {
    auto* row = new QTreeWidgetItem;
    row->setText(0, item->caption());
    if (parentRow)
        parentRow->addChild(row);
    else
        m_tree->addTopLevelItem(row);
    if (item->isCategory())
        row->setFirstColumnSpanned(true);
    m_itemOfRow.insert(row, item);
    m_rowOfItem.insert(item, row);
    for (int i = 0; i < item->childCount(); ++i)
        addRows(row, item->child(i));
    row->setExpanded(item->isExpanded());
}

void PropertyGrid::applyVisibility() {
    if (m_updateDepth > 0) {
        m_visibilityPending = true;
        return;
    }
    m_visibilityPending = false;
    const QString filter = m_filter->text().trimmed();
    {
        QScopedValueRollback quiet(m_quiet, true);
        for (int i = 0; i < m_tree->topLevelItemCount(); ++i)
            applyVisibility(m_tree->topLevelItem(i), filter, false);
    }
    m_tree->invalidateShading();
    // A hidden current row loses its editor (and the description its text).
    QTreeWidgetItem* current = m_tree->currentItem();
    if (current && !isDisplayed(itemForRow(current))) {
        QScopedValueRollback quiet(m_quiet, true);
        m_tree->setCurrentItem(nullptr);
    }
    onCurrentRowChanged();
}

bool PropertyGrid::applyVisibility(QTreeWidgetItem* row, const QString& filter, bool ancestorMatched) {
    PropertyItem* item = itemForRow(row);
    if (!item || item->isHidden()) {
        row->setHidden(true);
        return false;
    }
    const bool matched = !item->isCategory() && !filter.isEmpty() && item->caption().contains(filter, Qt::CaseInsensitive);
    bool anyChild = false;
    for (int i = 0; i < row->childCount(); ++i)
        anyChild |= applyVisibility(row->child(i), filter, ancestorMatched || matched);
    const bool visible = item->isCategory() ? (filter.isEmpty() || anyChild)
                                            : (filter.isEmpty() || ancestorMatched || matched || anyChild);
    row->setHidden(!visible);
    return visible;
}

void PropertyGrid::applySiblingRule(PropertyItem* item) {
    PropertyItem* parent = item->parent();
    if (!parent || item->id() != BoolItem::kShowsSiblingsId)
        return;
    const bool show = item->value().toBool();
    ++m_updateDepth;  // one visibility pass for all siblings
    for (int i = 0; i < parent->childCount(); ++i)
        if (parent->child(i) != item)
            parent->child(i)->setHidden(!show);
    --m_updateDepth;
    if (m_updateDepth == 0 && m_visibilityPending)
        applyVisibility();
}

void PropertyGrid::applySiblingRules(PropertyItem* item) {
    applySiblingRule(item);
    for (int i = 0; i < item->childCount(); ++i)
        applySiblingRules(item->child(i));
}

QString PropertyGrid::filterText() const { return m_filter->text(); }

void PropertyGrid::setFilterText(const QString& text) { m_filter->setText(text); }

PropertyItem* PropertyGrid::currentItem() const { return itemForRow(m_tree->currentItem()); }

void PropertyGrid::setCurrentItem(PropertyItem* item) {
    QTreeWidgetItem* row = item ? rowForItem(item) : nullptr;
    if (row) {
        for (QTreeWidgetItem* p = row->parent(); p; p = p->parent())
            p->setExpanded(true);
        m_tree->setCurrentItem(row, 1);
    } else {
        m_tree->setCurrentItem(nullptr);
    }
}

QList<PropertyItem*> PropertyGrid::displayedItems() const {
    QList<PropertyItem*> out;
    const std::function<void(QTreeWidgetItem*)> walk = [&](QTreeWidgetItem* row) {
        if (row->isHidden())
            return;
        if (PropertyItem* item = itemForRow(row))
            out.append(item);
        for (int i = 0; i < row->childCount(); ++i)
            walk(row->child(i));
    };
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i)
        walk(m_tree->topLevelItem(i));
    return out;
}

bool PropertyGrid::isDisplayed(const PropertyItem* item) const {
    const QTreeWidgetItem* row = item ? rowForItem(item) : nullptr;
    if (!row)
        return false;
    for (; row; row = row->parent())
        if (row->isHidden())
            return false;
    return true;
}

int PropertyGrid::splitterPosition() const { return m_tree->splitterPosition(); }

void PropertyGrid::setSplitterPosition(int x) { m_tree->setSplitterPosition(x); }

void PropertyGrid::setDescriptionVisible(bool visible) { m_description->setVisible(visible); }

void PropertyGrid::setSortMode(SortMode mode) {
    if (mode == m_sortMode)
        return;
    m_sortMode = mode;
    rebuildView();
    emit sortModeChanged(mode);
}

void PropertyGrid::onCurrentRowChanged() {
    if (m_quiet)
        return;
    PropertyItem* item = currentItem();
    if (m_editor->wrapper() && !m_editor->isOpenOn(m_tree->currentItem())) {
        // Leaving a row keeps what was typed in it.
        m_editor->commit();
        m_editor->close();
        item = currentItem();  // the commit may have rebuilt the grid
    }
    openEditor();
    updateDescription();
    if (item != m_reported || (item && m_reportedToken.expired())) {
        m_reported = item;
        m_reportedToken = item ? item->lifeToken() : std::weak_ptr<void>();
        emit currentItemChanged(item);
    }
}

void PropertyGrid::updateDescription() {
    const PropertyItem* item = currentItem();
    m_description->showText(item ? item->caption() : QString(), item ? item->description() : QString());
}

void PropertyGrid::showContextMenu(const QPoint& pos) {
    QTreeWidgetItem* row = m_tree->itemAt(pos);
    PropertyItem* item = itemForRow(row);
    if (!item || item->isCategory())
        return;
    m_tree->setCurrentItem(row, 1);
    std::unique_ptr<QMenu> menu(createContextMenu(item, this));
    menu->exec(m_tree->viewport()->mapToGlobal(pos));
}

QMenu* PropertyGrid::createContextMenu(PropertyItem* item, QWidget* parent) {
    auto* menu = new QMenu(parent);
    QAction* reset = menu->addAction(tr("Reset to default"));
    reset->setObjectName(QStringLiteral("resetToDefault"));
    reset->setEnabled(canReset(item));
    const std::weak_ptr<void> token = item ? item->lifeToken() : std::weak_ptr<void>();
    connect(reset, &QAction::triggered, this, [this, item, token] {
        if (!token.expired())
            resetValue(item);
    });
    return menu;
}

bool PropertyGrid::navigate(int direction) {
    const QList<PropertyItem*> rows = displayedItems();
    qsizetype at = rows.indexOf(currentItem());
    for (at += direction; at >= 0 && at < rows.size(); at += direction) {
        PropertyItem* candidate = rows.at(at);
        bool folded = false;
        for (PropertyItem* p = candidate->parent(); p && !folded; p = p->parent())
            folded = rowForItem(p) && !rowForItem(p)->isExpanded();
        if (folded || candidate->isCategory() || !candidate->hasEditor() || !m_factory.hasEditor(candidate->kind()))
            continue;
        setCurrentItem(candidate);
        return focusEditor();
    }
    return false;
}

// ---------------------------------------------------------------- values

bool PropertyGrid::commitValue(PropertyItem* item, const QVariant& value) {
    if (!item || item->grid() != this || item->isReadOnly() || item->isCategory())
        return false;
    PropertyItem* owner = item->changeOwner();
    if (owner->isReadOnly())
        return false;
    const QVariant normalized = item->normalized(value);
    if (!normalized.isValid() || !item->wouldChange(normalized))
        return false;
    const std::weak_ptr<void> itemToken = item->lifeToken();
    const std::weak_ptr<void> ownerToken = owner->lifeToken();
    emit valueAboutToChange(owner);
    if (itemToken.expired())
        return false;
    item->setValue(normalized);
    applySiblingRule(item);
    m_editor->reload();
    m_tree->viewport()->update();
    // Last: a receiver may rebuild the grid and destroy the item.
    if (!ownerToken.expired())
        emit valueChanged(owner);
    return true;
}

bool PropertyGrid::canReset(const PropertyItem* item) const {
    if (!item || item->grid() != this || item->isReadOnly() || item->isCategory())
        return false;
    const PropertyItem* owner = item;
    while (owner->isPartOfParent() && owner->parent())
        owner = owner->parent();
    return !owner->isReadOnly() && item->isModified();
}

bool PropertyGrid::resetValue(PropertyItem* item) {
    if (!canReset(item))
        return false;
    return commitValue(item, *item->defaultValue());
}

void PropertyGrid::refreshValues() {
    m_editor->reload();
    for (const auto& item : m_items)
        applySiblingRules(item.get());
    m_tree->viewport()->update();
}

// ---------------------------------------------------------------- editor of the current row

PropertyEditor* PropertyGrid::activeEditor() const { return m_editor->editor(); }

ResetWrapper* PropertyGrid::activeWrapper() const { return m_editor->wrapper(); }

bool PropertyGrid::focusEditor() { return m_editor->focus(); }

bool PropertyGrid::commitPendingEdit() { return m_editor->commit(); }

void PropertyGrid::openEditor() {
    if (m_quiet)
        return;
    QTreeWidgetItem* row = m_tree->currentItem();
    if (row && isDisplayed(itemForRow(row)))
        m_editor->open(row);
}

}  // namespace vd
