#pragma once
// The "Skin Objects" pane: every object of the skin under the fixed nodes "Skin", "Objects" and "Image",
// owned caption buttons, buttons and statics under their frame, children in alphabetical order. The tree is
// a view of the session's document: it changes only in answer to SkinSession::changed, and its commands
// (create, delete, copy, paste, Load Image) push undo commands.

#include <QHash>
#include <QTimer>
#include <QWidget>

#include <vector>

class CChildView;
class CMyTreeCtrl;
class CPageList;
class CResObjProperty;
class DialogProvider;
class QMenu;
class QTreeWidgetItem;
class SkinSession;
struct DocumentChange;
struct SkinResStruct;

class CProjectArea : public QWidget {
    Q_OBJECT
public:
    CProjectArea(SkinSession& session, CPageList& pages, DialogProvider& dialogs, QWidget* parent = nullptr);
    ~CProjectArea() override;

    void SetView(CChildView* view) { m_view = view; }
    CMyTreeCtrl* Tree() const { return m_tree; }
    QTreeWidgetItem* SkinNode() const { return m_skinNode; }
    QTreeWidgetItem* ObjectsNode() const { return m_objectsNode; }
    QTreeWidgetItem* ImageNode() const { return m_imageNode; }
    QTreeWidgetItem* ItemForId(int id) const { return m_items.value(id, nullptr); }
    static int IdOf(const QTreeWidgetItem* item);
    int OpenId() const { return m_openId; }
    int ShownId() const { return m_shownId; }
    int SelectedId() const;
    int CopyBuffer() const { return m_copyId; }
    // Whether Paste has something to paste: a copied object that is still in the skin.
    bool CanPaste() const;
    // Whether objects of a loaded skin are still waiting to be put into the tree.
    bool IsFilling() const { return !m_pending.empty(); }
    // Puts every waiting object into the tree now.
    void FinishFilling();

    // ---- commands; each returns what it made or whether it acted ----
    int CreateObject(int typeBase);
    // A caption button, button or static owned by ownerId.
    int CreateOwned(int typeBase, int ownerId);
    bool DeleteObject(int id);
    bool Copy(int id);
    std::vector<int> Paste(int targetId);
    std::vector<int> LoadImages(const QStringList& paths);
    void LoadImagesInteractive();
    // Single click: the object's properties in the grid; the view is not changed.
    void ShowProperties(int id);
    // Double click or "Open": the object's properties and its preview in the view; the item turns bold.
    void OpenObject(int id);
    void SelectItemByData(int id);
    // The context menu for an item (null for "Skin" and anything without a menu); the caller owns it.
    QMenu* CreateContextMenu(QTreeWidgetItem* item);
    // A right click: selects the item for the grid as well, so the grid and the toolbar commands follow
    // the item the menu is about; then its context menu as above.
    QMenu* ContextMenuFor(QTreeWidgetItem* item);

signals:
    // The grid now shows this object (0: nothing).
    void propertiesShown(int id);
    // Copy filled the copy buffer (or it was emptied): CanPaste() may have changed.
    void pasteAvailableChanged();

private:
    void OnDocumentChanged(const DocumentChange& change);
    void Rebuild();
    void FillBatch();
    // A new item for object id, known to the tree but not yet in it.
    QTreeWidgetItem* NewItem(int id, const QString& name, const CResObjProperty* page);
    // Puts object id into the tree at its sorted place.
    QTreeWidgetItem* Insert(int id);
    void Remove(int id);
    void Refresh(int id);
    QTreeWidgetItem* ParentFor(const SkinResStruct& record, CResObjProperty* page);
    void PlaceSorted(QTreeWidgetItem* parent, QTreeWidgetItem* item);
    void SortChildren(QTreeWidgetItem* parent);
    QString NameOf(const SkinResStruct& record) const;
    void ClearGrid();
    void SelectAndOpen(int id);
    void CloseView();

    SkinSession& m_session;
    CPageList& m_pages;
    DialogProvider& m_dialogs;
    CChildView* m_view = nullptr;
    CMyTreeCtrl* m_tree;
    QTreeWidgetItem* m_skinNode = nullptr;
    QTreeWidgetItem* m_objectsNode = nullptr;
    QTreeWidgetItem* m_imageNode = nullptr;
    QHash<int, QTreeWidgetItem*> m_items;
    // An object waiting to be filled in, with what the fill needs of it worked out once.
    struct PendingItem {
        int id;
        CResObjProperty* page;
        int owner;  // the owner whose item it goes under; 0 for "Objects" or "Image"
        QString name;
    };
    std::vector<PendingItem> m_pending;
    QTimer m_fillTimer;
    int m_copyId = -1;
    int m_openId = 0;
    int m_shownId = 0;
};
