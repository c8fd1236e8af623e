#include "designer/propertygrid/ActiveEditor.h"

#include "designer/propertygrid/PropertyEditor.h"
#include "designer/propertygrid/PropertyGrid.h"
#include "designer/propertygrid/PropertyItem.h"
#include "designer/propertygrid/PropertyTreeView.h"
#include "designer/propertygrid/ResetWrapper.h"

#include <QApplication>

namespace vd {

ActiveEditor::ActiveEditor(PropertyGrid* grid, PropertyTreeView* tree) : QObject(grid), m_grid(grid), m_tree(tree) {}

ResetWrapper* ActiveEditor::wrapper() const {
    // A wrapper whose row is gone only waits for its deferred deletion.
    if (m_wrapper && !m_wrapper->index().isValid()) {
        m_wrapper->disconnect(this);
        m_wrapper = nullptr;
    }
    return m_wrapper;
}

PropertyEditor* ActiveEditor::editor() const {
    ResetWrapper* w = wrapper();
    return w ? w->editor() : nullptr;
}

bool ActiveEditor::isOpenOn(const QTreeWidgetItem* row) const {
    ResetWrapper* w = wrapper();
    return w && row && w->index() == m_tree->indexFromItem(row, 1);
}

void ActiveEditor::open(QTreeWidgetItem* row) {
    if (isOpenOn(row))
        return;
    close();
    const PropertyItem* item = m_grid->itemForRow(row);
    if (!item || item->isCategory() || !item->hasEditor() || !m_grid->editorFactory().hasEditor(item->kind()))
        return;
    m_tree->openPersistentEditor(row, 1);  // the delegate calls create()
}

void ActiveEditor::close() {
    ResetWrapper* w = wrapper();
    if (!w)
        return;
    w->disconnect(this);
    m_wrapper = nullptr;
    const bool hadFocus = w->isAncestorOf(QApplication::focusWidget());
    static_cast<QAbstractItemView*>(m_tree)->closePersistentEditor(w->index());
    if (hadFocus)
        m_tree->setFocus(Qt::OtherFocusReason);
}

bool ActiveEditor::focus() {
    ResetWrapper* w = wrapper();
    if (!w)
        return false;
    w->editor()->focusTarget()->setFocus(Qt::TabFocusReason);
    w->editor()->selectAll();
    return true;
}

void ActiveEditor::reload() {
    if (ResetWrapper* w = wrapper())
        load(w);
}

bool ActiveEditor::commit() {
    ResetWrapper* w = wrapper();
    return w && commit(w);
}

ResetWrapper* ActiveEditor::create(QWidget* parent, const QModelIndex& index) {
    PropertyItem* item = m_grid->itemForIndex(index);
    if (!item)
        return nullptr;
    PropertyEditor* editor = m_grid->editorFactory().createEditor(*item, nullptr);
    if (!editor)
        return nullptr;
    auto* w = new ResetWrapper(editor, item->hasDefaultValue(), index.siblingAtColumn(1), parent);
    w->setPassingShortcuts(m_grid->passingShortcuts());
    connect(editor, &PropertyEditor::commitRequested, w, &ResetWrapper::commitRequested);
    connect(w, &ResetWrapper::commitRequested, this, [this, w] { commit(w); });
    connect(w, &ResetWrapper::revertRequested, this, [this, w] {
        load(w);
        m_tree->setFocus(Qt::OtherFocusReason);
    });
    connect(w, &ResetWrapper::resetRequested, this, [this, w] {
        if (PropertyItem* i = m_grid->itemForIndex(w->index()))
            m_grid->resetValue(i);
    });
    connect(w, &ResetWrapper::navigateRequested, this, [this, w](int direction) {
        QPointer<ResetWrapper> guard(w);
        commit(w);
        if (!m_grid->navigate(direction) && guard)
            focus();
    });
    m_wrapper = w;
    return w;
}

void ActiveEditor::load(ResetWrapper* wrapper) const {
    const PropertyItem* item = m_grid->itemForIndex(wrapper->index());
    if (!item)
        return;
    wrapper->editor()->setValue(item->value());
    wrapper->setResetEnabled(m_grid->canReset(item));
    // The open editor keeps the bold of a changed value, like the painted rows.
    QFont font = m_tree->font();
    font.setBold(item->isModified());
    wrapper->editor()->setFont(font);
}

bool ActiveEditor::commit(ResetWrapper* wrapper) {
    PropertyItem* item = m_grid->itemForIndex(wrapper->index());
    if (!item)
        return false;
    const QVariant v = wrapper->editor()->value();
    QPointer<ResetWrapper> guard(wrapper);
    const bool changed = v.isValid() && m_grid->commitValue(item, v);
    // Unparsable input, or input the item normalized, gives way to the value the item really holds.
    if (guard && guard->index().isValid())
        load(guard);
    return changed;
}

}  // namespace vd
