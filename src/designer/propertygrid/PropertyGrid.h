#pragma once
// The property grid: a filter box, a tree of categories and items (caption and value columns with a
// draggable split), and a panel describing the current row. Pages fill it with PropertyItems bound to their
// record through getter/setter functions. The grid owns its top-level items and never knows what they are
// bound to: after every committed edit it emits valueChanged(item) once, and the integration layer turns
// that into an undo command. Editors come from an EditorFactory table and are wrapped in one ResetWrapper.

#include <QKeySequence>
#include <QList>
#include <QWidget>

#include <memory>
#include <vector>

#include "designer/propertygrid/EditorFactory.h"
#include "designer/propertygrid/GroupItem.h"

class QLineEdit;
class QMenu;
class QModelIndex;
class QSplitter;
class QTreeWidgetItem;

namespace vd {

class ActiveEditor;
class DescriptionPanel;
class PropertyDelegate;
class PropertyEditor;
class PropertyItem;
class PropertyTreeView;
class ResetWrapper;

class PropertyGrid : public QWidget {
    Q_OBJECT
    Q_PROPERTY(SortMode sortMode READ sortMode WRITE setSortMode NOTIFY sortModeChanged)
    Q_PROPERTY(QString filterText READ filterText WRITE setFilterText)

public:
    // Categorized: categories in the order added, items in the order added. Alphabetical: no categories,
    // their items in one list sorted by caption (rows nested under an item stay in their order).
    enum class SortMode { Categorized, Alphabetical };
    Q_ENUM(SortMode)

    explicit PropertyGrid(QWidget* parent = nullptr);
    ~PropertyGrid() override;

    // --- content ---
    GroupItem* addCategory(const QString& caption);
    PropertyItem* addItem(std::unique_ptr<PropertyItem> item);
    template <class T, class... Args>
    T* add(Args&&... args) {
        return static_cast<T*>(addItem(std::make_unique<T>(std::forward<Args>(args)...)));
    }
    // Destroys the item (at any level) with its subtree.
    void removeItem(PropertyItem* item);
    void clear();
    int topLevelItemCount() const { return static_cast<int>(m_items.size()); }
    PropertyItem* topLevelItem(int index) const { return m_items.at(static_cast<size_t>(index)).get(); }
    // Depth-first, in the order added.
    PropertyItem* findItem(const QString& caption) const;
    PropertyItem* findItemById(int id) const;
    // Every row editing the record key `key`, depth-first (one key may be a name, a font and a text style).
    QList<PropertyItem*> findItemsByKey(const QString& key) const;

    // Between these the view is not rebuilt; the end of the outermost pair applies everything at once.
    void beginUpdate();
    void endUpdate();
    bool isUpdating() const { return m_updateDepth > 0; }

    // --- view ---
    SortMode sortMode() const { return m_sortMode; }
    QString filterText() const;
    void setFilterText(const QString& text);
    PropertyItem* currentItem() const;
    void setCurrentItem(PropertyItem* item);
    // Items with a visible row, in display order (rows inside collapsed parents included).
    QList<PropertyItem*> displayedItems() const;
    bool isDisplayed(const PropertyItem* item) const;
    // The editor open on the current row, if any.
    PropertyEditor* activeEditor() const;
    ResetWrapper* activeWrapper() const;
    // Moves the keyboard focus into the current row's editor.
    bool focusEditor();
    // Commits what the open editor holds (before saving, say); false when nothing changed.
    bool commitPendingEdit();
    // While an editor has the keyboard it keeps every Ctrl shortcut for itself but these: the commands
    // that commit the open edit before they act (Save, say).
    void setPassingShortcuts(const QList<QKeySequence>& shortcuts) { m_passingShortcuts = shortcuts; }
    const QList<QKeySequence>& passingShortcuts() const { return m_passingShortcuts; }
    int splitterPosition() const;
    void setSplitterPosition(int x);
    DescriptionPanel* descriptionPanel() const { return m_description; }
    void setDescriptionVisible(bool visible);
    EditorFactory& editorFactory() { return m_factory; }

    // --- values ---
    // The path of every user edit: normalizes, calls the item's setter, emits valueAboutToChange and
    // valueChanged for the item that owns the value. Returns whether anything changed.
    bool commitValue(PropertyItem* item, const QVariant& value);
    bool resetValue(PropertyItem* item);
    bool canReset(const PropertyItem* item) const;
    // Re-reads every bound value (after the record changed elsewhere, e.g. undo).
    void refreshValues();
    // The context menu of a row; the caller owns it.
    QMenu* createContextMenu(PropertyItem* item, QWidget* parent);

public slots:
    void setSortMode(vd::PropertyGrid::SortMode mode);
    void sortByCategory() { setSortMode(SortMode::Categorized); }
    void sortAlphabetically() { setSortMode(SortMode::Alphabetical); }

signals:
    void sortModeChanged(vd::PropertyGrid::SortMode mode);
    // Before the setter runs, so the integration layer can take a "before" snapshot.
    void valueAboutToChange(vd::PropertyItem* item);
    void valueChanged(vd::PropertyItem* item);
    void currentItemChanged(vd::PropertyItem* item);

private:
    friend class ActiveEditor;
    friend class PropertyItem;
    friend class PropertyDelegate;
    friend class PropertyTreeView;

    enum class ItemChange { Caption, Visibility, Expansion, Value, Structure, Editability };
    void itemChanged(PropertyItem* item, ItemChange change);
    void itemDestroyed(PropertyItem* item);

    PropertyItem* itemForRow(const QTreeWidgetItem* row) const { return m_itemOfRow.value(row, nullptr); }
    PropertyItem* itemForIndex(const QModelIndex& index) const;
    QTreeWidgetItem* rowForItem(const PropertyItem* item) const { return m_rowOfItem.value(item, nullptr); }

    void rebuildView();
    void fitCaptionColumn();
    void addRows(QTreeWidgetItem* parentRow, PropertyItem* item);
    void applyVisibility();
    bool applyVisibility(QTreeWidgetItem* row, const QString& filter, bool ancestorMatched);
    void applySiblingRule(PropertyItem* item);
    void applySiblingRules(PropertyItem* item);
    void onCurrentRowChanged();
    void updateDescription();
    void showContextMenu(const QPoint& pos);
    bool navigate(int direction);

    void openEditor();

    std::vector<std::unique_ptr<PropertyItem>> m_items;
    EditorFactory m_factory;
    QLineEdit* m_filter;
    QSplitter* m_splitter;
    PropertyTreeView* m_tree;
    PropertyDelegate* m_delegate;
    DescriptionPanel* m_description;
    QHash<const QTreeWidgetItem*, PropertyItem*> m_itemOfRow;
    QHash<const PropertyItem*, QTreeWidgetItem*> m_rowOfItem;
    ActiveEditor* m_editor;
    QList<QKeySequence> m_passingShortcuts;
    SortMode m_sortMode = SortMode::Categorized;
    int m_updateDepth = 0;
    bool m_rebuildPending = false;
    bool m_visibilityPending = false;
    PropertyItem* m_reported = nullptr;  // the current item last announced by currentItemChanged
    std::weak_ptr<void> m_reportedToken;
    bool m_quiet = false;  // rows are being rebuilt or removed: no editor opens, no current-row signal
};

}  // namespace vd
