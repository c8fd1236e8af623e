#pragma once
// The one editor the grid keeps open, on its current row: built from the grid's EditorFactory inside a
// ResetWrapper, loaded with the row's value, and turning the wrapper's requests (commit, revert, reset,
// move on) into grid calls. It forgets the editor as soon as the row is gone, so a late signal from an
// editor awaiting deletion reaches nothing.

#include <QObject>
#include <QPointer>

class QModelIndex;
class QTreeWidgetItem;
class QWidget;

namespace vd {

class PropertyEditor;
class PropertyGrid;
class PropertyTreeView;
class ResetWrapper;

class ActiveEditor : public QObject {
    Q_OBJECT

public:
    ActiveEditor(PropertyGrid* grid, PropertyTreeView* tree);

    ResetWrapper* wrapper() const;
    PropertyEditor* editor() const;
    bool isOpenOn(const QTreeWidgetItem* row) const;
    // Opens the editor on `row` (closing any other); nothing when the row's item has no editor.
    void open(QTreeWidgetItem* row);
    void close();
    bool focus();
    // Shows the row's current value again.
    void reload();
    // Commits what the editor holds; false when nothing changed.
    bool commit();

    // For the delegate: builds the wrapped editor the view asked for.
    ResetWrapper* create(QWidget* parent, const QModelIndex& index);
    void load(ResetWrapper* wrapper) const;

private:
    bool commit(ResetWrapper* wrapper);

    PropertyGrid* m_grid;
    PropertyTreeView* m_tree;
    mutable QPointer<ResetWrapper> m_wrapper;
};

}  // namespace vd
