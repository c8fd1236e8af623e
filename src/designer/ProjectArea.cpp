#include "designer/ProjectArea.h"

#include <QFileInfo>
#include <QMenu>
#include <QVBoxLayout>

#include <algorithm>
#include <set>

#include "Helpers/EnBitmap.h"
#include "Resource/ResObjects/ResButton.h"
#include "Resource/ResObjects/ResPicture.h"
#include "designer/undo/ReloadPicturesCommand.h"
#include "Resource/ResObjects/ResStatic.h"
#include "Resource/ResObjects/ResSysButton.h"
#include "Resource/ResourceBase.h"
#include "Resource/SkinDocument.h"
#include "designer/ChildView.h"
#include "designer/DialogProvider.h"
#include "designer/ImageLoading.h"
#include "designer/LegacyNames.h"
#include "designer/MyTreeCtrl.h"
#include "designer/ObjectKinds.h"
#include "designer/SkinSession.h"
#include "designer/pages/PageList.h"
#include "designer/propertygrid/PropertyGrid.h"
#include "designer/undo/AddObjectsCommand.h"
#include "designer/undo/EditObjectCommand.h"
#include "designer/undo/RemoveObjectCommand.h"

namespace {

constexpr int kIdRole = Qt::UserRole;
// Objects put into the tree per turn of the event loop while a loaded skin is filled in.
constexpr size_t kFillBatch = 400;

bool IsFrameLike(int id) { return (id >= 3000 && id < 3500) || (id >= 18000 && id < 19000); }
// A shaped window has no caption, but the buttons and statics it owns are drawn on it.
bool IsFreeFrame(int id) { return id >= 26000 && id < 27000; }

int OwnerOf(const CSkinDocument& doc, int id) {
    const SkinResStruct* r = doc.FindItem(id);
    if (!r) return 0;
    if (auto* b = dynamic_cast<const SkinButtonStruct*>(r)) return b->ownerFrameId;
    if (auto* s = dynamic_cast<const SkinSysButton*>(r)) return s->ownerFrameId;
    if (auto* s = dynamic_cast<const SkinStatic*>(r)) return s->ownerFrameId;
    return 0;
}

// Anchored to the owner's top right, 10 pixels in from its right edge, side x side pixels.
void StartAtTopRight(SkinPlacement& p, int side) {
    SkinPositionBase& h = p.horz;
    SkinPositionBase& v = p.vert;
    h.alignType = 2, h.spaceType = 3, h.farOffset = 10, h.sizeValue = side, h.ignore = 0;
    v.alignType = 0, v.spaceType = 3, v.nearOffset = 0, v.sizeValue = side, v.ignore = 0;
}

// Makes r an object of owner. A newly created one also takes its starting place on the owner: buttons and
// statics 40 x 40, caption buttons 21 x 21 (a copy keeps the place it had).
void SetOwner(SkinResStruct& r, int owner, bool place = false) {
    if (auto* b = dynamic_cast<SkinButtonStruct*>(&r)) {
        b->ownerFrameId = owner;
        if (place) StartAtTopRight(b->placement, 40);
    }
    if (auto* s = dynamic_cast<SkinSysButton*>(&r)) {
        s->ownerFrameId = owner;
        if (place) StartAtTopRight(s->placement, 21);
    }
    if (auto* s = dynamic_cast<SkinStatic*>(&r)) {
        s->ownerFrameId = owner;
        if (place) StartAtTopRight(s->placement, 40);
    }
}

bool LessByText(const QTreeWidgetItem* a, const QTreeWidgetItem* b) {
    return QString::compare(a->text(0), b->text(0), Qt::CaseInsensitive) < 0;
}

}  // namespace

CProjectArea::CProjectArea(SkinSession& session, CPageList& pages, DialogProvider& dialogs, QWidget* parent)
    : QWidget(parent), m_session(session), m_pages(pages), m_dialogs(dialogs), m_tree(new CMyTreeCtrl(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tree);
    m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
    m_fillTimer.setSingleShot(true);
    m_fillTimer.setInterval(0);
    connect(&m_fillTimer, &QTimer::timeout, this, &CProjectArea::FillBatch);
    connect(&m_session, &SkinSession::changed, this, &CProjectArea::OnDocumentChanged);
    connect(m_tree, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { ShowProperties(IdOf(item)); });
    connect(m_tree, &CMyTreeCtrl::itemOpenRequested, this, [this](QTreeWidgetItem* item) { OpenObject(IdOf(item)); });
    connect(m_tree, &CMyTreeCtrl::deleteRequested, this, [this](QTreeWidgetItem* item) { DeleteObject(IdOf(item)); });
    connect(m_tree, &CMyTreeCtrl::imageFilesDropped, this, [this](const QStringList& paths) { LoadImages(paths); });
    connect(m_tree, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        QTreeWidgetItem* item = m_tree->itemAt(pos);
        if (!item) return;
        if (QMenu* menu = ContextMenuFor(item)) {
            menu->exec(m_tree->viewport()->mapToGlobal(pos));
            delete menu;
        }
    });
    Rebuild();
}

CProjectArea::~CProjectArea() = default;

int CProjectArea::IdOf(const QTreeWidgetItem* item) { return item ? item->data(0, kIdRole).toInt() : 0; }

int CProjectArea::SelectedId() const { return IdOf(m_tree->currentItem()); }

QString CProjectArea::NameOf(const SkinResStruct& record) const {
    if (auto* p = dynamic_cast<const Picture*>(&record)) return QString::fromStdString(p->name);
    return QString::fromStdString(record.Caption);
}

// ---- filling ----

void CProjectArea::Rebuild() {
    m_fillTimer.stop();
    m_pending.clear();
    m_items.clear();
    m_openId = 0;
    m_tree->clear();
    m_skinNode = new QTreeWidgetItem(m_tree, {tr("Skin")});
    m_objectsNode = new QTreeWidgetItem(m_skinNode, {tr("Objects")});
    m_imageNode = new QTreeWidgetItem(m_skinNode, {tr("Image")});
    for (QTreeWidgetItem* node : {m_skinNode, m_objectsNode, m_imageNode}) node->setIcon(0, IconForType(0));
    m_skinNode->setExpanded(true);
    m_objectsNode->setExpanded(true);
    m_imageNode->setExpanded(true);

    // Owners first, so that owned objects find their owner's item; each group in name order, so every
    // parent receives its children already sorted and a batch goes in with one insertion per parent.
    const CSkinDocument& doc = m_session.Document();
    std::vector<std::pair<QString, PendingItem>> owners, owned;  // (sort key, item)
    doc.ForEachItem([&](CResourceBase&, SkinResStruct& record) {
        PendingItem item{record.ID, FindPageForId(m_pages, record.ID), 0, NameOf(record)};
        // An object no page owns is passed over; the others still go in.
        if (!item.page) return;
        const int owner = item.page->OwnerId(record);
        // An owner that is missing (or shown by no page) leaves its objects under "Objects".
        if (owner > 0 && doc.FindItem(owner) && FindPageForId(m_pages, owner)) item.owner = owner;
        QString key = item.name.toCaseFolded();
        (item.owner ? owned : owners).emplace_back(std::move(key), std::move(item));
    });
    const auto byKey = [](const auto& a, const auto& b) { return a.first < b.first; };
    std::stable_sort(owners.begin(), owners.end(), byKey);
    std::stable_sort(owned.begin(), owned.end(), byKey);
    m_pending.reserve(owners.size() + owned.size());
    // Taken from the back: the last to insert goes first.
    for (auto it = owned.rbegin(); it != owned.rend(); ++it) m_pending.push_back(std::move(it->second));
    for (auto it = owners.rbegin(); it != owners.rend(); ++it) m_pending.push_back(std::move(it->second));
    if (!m_pending.empty()) FillBatch();
}

void CProjectArea::FillBatch() {
    m_tree->setUpdatesEnabled(false);
    struct Group {
        QTreeWidgetItem* parent;
        QList<QTreeWidgetItem*> items;
        bool inOrder;
    };
    std::vector<Group> groups;
    for (size_t n = 0; n < kFillBatch && !m_pending.empty(); ++n) {
        const PendingItem pending = std::move(m_pending.back());
        m_pending.pop_back();
        if (m_items.contains(pending.id)) continue;
        QTreeWidgetItem* parent = m_objectsNode;
        // An owner's item normally exists by now; when an owner is itself owned it may not, and the
        // object then goes under "Objects" out of its turn.
        bool inTurn = true;
        if (pending.page->TypeBase() == 1000) parent = m_imageNode;
        else if (pending.owner) {
            parent = m_items.value(pending.owner, nullptr);
            inTurn = parent != nullptr;
            if (!parent) parent = m_objectsNode;
        }
        QTreeWidgetItem* item = NewItem(pending.id, pending.name, pending.page);
        auto group = std::find_if(groups.begin(), groups.end(), [parent](const Group& g) { return g.parent == parent; });
        if (group == groups.end()) {
            const int count = parent->childCount();
            group = groups.insert(groups.end(), {parent, {}, count == 0 || !LessByText(item, parent->child(count - 1))});
        }
        group->items << item;
        group->inOrder = group->inOrder && inTurn;
    }
    for (Group& g : groups) {
        g.parent->addChildren(g.items);
        if (!g.inOrder) SortChildren(g.parent);
    }
    m_tree->setUpdatesEnabled(true);
    if (!m_pending.empty()) m_fillTimer.start();
}

void CProjectArea::FinishFilling() {
    while (!m_pending.empty()) FillBatch();
    m_fillTimer.stop();
}

QTreeWidgetItem* CProjectArea::ParentFor(const SkinResStruct& record, CResObjProperty* page) {
    if (page->TypeBase() == 1000) return m_imageNode;
    const int owner = page->OwnerId(record);
    if (owner > 0)
        if (QTreeWidgetItem* ownerItem = m_items.value(owner, nullptr)) return ownerItem;
    return m_objectsNode;
}

QTreeWidgetItem* CProjectArea::NewItem(int id, const QString& name, const CResObjProperty* page) {
    auto* item = new QTreeWidgetItem({name});
    item->setData(0, kIdRole, id);
    item->setIcon(0, IconForType(page->TypeBase()));
    m_items.insert(id, item);
    return item;
}

QTreeWidgetItem* CProjectArea::Insert(int id) {
    if (m_items.contains(id)) return m_items.value(id);
    const SkinResStruct* record = m_session.Document().FindItem(id);
    CResObjProperty* page = FindPageForId(m_pages, id);
    // An object no page owns is passed over; the others still go in.
    if (!record || !page) return nullptr;
    QTreeWidgetItem* parent = ParentFor(*record, page);
    QTreeWidgetItem* item = NewItem(id, NameOf(*record), page);
    PlaceSorted(parent, item);
    // An owner's children stay folded unless the owner is the selected item.
    if (parent == m_objectsNode || parent == m_imageNode) parent->setExpanded(true);
    else parent->setExpanded(parent == m_tree->currentItem());
    return item;
}

void CProjectArea::PlaceSorted(QTreeWidgetItem* parent, QTreeWidgetItem* item) {
    int lo = 0, hi = parent->childCount();
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (LessByText(item, parent->child(mid))) hi = mid;
        else lo = mid + 1;
    }
    parent->insertChild(lo, item);
}

void CProjectArea::SortChildren(QTreeWidgetItem* parent) {
    if (!parent) return;
    QList<QTreeWidgetItem*> children = parent->takeChildren();
    std::stable_sort(children.begin(), children.end(), LessByText);
    parent->addChildren(children);
}

void CProjectArea::Remove(int id) {
    QTreeWidgetItem* item = m_items.take(id);
    if (!item) return;
    // Anything still under it moves to "Objects" rather than vanish with it.
    for (QTreeWidgetItem* child : item->takeChildren()) PlaceSorted(m_objectsNode, child);
    if (id == m_openId) CloseView();
    if (id == m_shownId) ClearGrid();
    delete item;
}

void CProjectArea::Refresh(int id) {
    QTreeWidgetItem* item = m_items.value(id, nullptr);
    const SkinResStruct* record = m_session.Document().FindItem(id);
    CResObjProperty* page = FindPageForId(m_pages, id);
    if (!item || !record || !page) return;
    const bool current = m_tree->currentItem() == item;
    item->setText(0, NameOf(*record));
    QTreeWidgetItem* parent = ParentFor(*record, page);
    item->parent()->removeChild(item);
    PlaceSorted(parent, item);
    if (current) m_tree->setCurrentItem(item);
    QFont font = item->font(0);
    font.setBold(id == m_openId);
    item->setFont(0, font);
}

void CProjectArea::OnDocumentChanged(const DocumentChange& change) {
    switch (change.kind) {
    case DocumentChange::Replaced:
        // A copied ID names an object of the old skin only.
        if (m_copyId != -1) {
            m_copyId = -1;
            emit pasteAvailableChanged();
        }
        ClearGrid();
        CloseView();
        Rebuild();
        break;
    case DocumentChange::ObjectAdded:
        FinishFilling();
        Insert(change.id);
        break;
    case DocumentChange::ObjectRemoved:
        FinishFilling();
        Remove(change.id);
        break;
    case DocumentChange::ObjectChanged:
        FinishFilling();
        Refresh(change.id);
        break;
    case DocumentChange::PasswordChanged: break;
    }
}

void CProjectArea::ClearGrid() {
    if (!m_shownId) return;
    m_shownId = 0;
    emit propertiesShown(0);
}

void CProjectArea::CloseView() {
    if (QTreeWidgetItem* open = m_items.value(m_openId, nullptr)) {
        QFont font = open->font(0);
        font.setBold(false);
        open->setFont(0, font);
    }
    m_openId = 0;
    if (m_view) m_view->SetPage(nullptr);
}

// ---- showing and opening ----

void CProjectArea::ShowProperties(int id) {
    CResObjProperty* page = id ? FindPageForId(m_pages, id) : nullptr;
    if (!page || !page->SelectObject(id)) return;
    m_shownId = id;
    emit propertiesShown(id);
}

void CProjectArea::OpenObject(int id) {
    CResObjProperty* page = id ? FindPageForId(m_pages, id) : nullptr;
    if (!page || !m_session.Document().FindItem(id)) return;
    if (QTreeWidgetItem* old = m_items.value(m_openId, nullptr)) {
        QFont font = old->font(0);
        font.setBold(false);
        old->setFont(0, font);
    }
    ShowProperties(id);
    m_openId = id;
    if (QTreeWidgetItem* item = m_items.value(id, nullptr)) {
        QFont font = item->font(0);
        font.setBold(true);
        item->setFont(0, font);
    }
    if (m_view) m_view->SetPage(page, id);
}

void CProjectArea::SelectItemByData(int id) {
    if (QTreeWidgetItem* item = m_items.value(id, nullptr)) m_tree->setCurrentItem(item);
}

// ---- commands ----

int CProjectArea::CreateObject(int typeBase) {
    FinishFilling();
    std::string error;
    const int id = AddObjectsCommand::PushNew(m_session, typeBase, &error);
    if (!id) m_dialogs.Warn(this, QString::fromStdString(error), tr("Quarnelbrix"));
    SelectAndOpen(id);
    return id;
}

// A new object is what the author wants to work on next: select it and open it in the view.
void CProjectArea::SelectAndOpen(int id) {
    if (!id || !m_session.Document().FindItem(id)) return;
    SelectItemByData(id);
    OpenObject(id);
}

int CProjectArea::CreateOwned(int typeBase, int ownerId) {
    FinishFilling();
    if (!m_session.Document().FindItem(ownerId)) return 0;
    CResourceBase* collection = m_session.Document().FindCollection(typeBase);
    std::string error;
    SkinResStruct* made = collection ? collection->NewItem(&error) : nullptr;
    if (!made) {
        m_dialogs.Warn(this, QString::fromStdString(error), tr("Quarnelbrix"));
        return 0;
    }
    const int id = made->ID;
    std::unique_ptr<SkinResStruct> record = collection->TakeItem(id);
    SetOwner(*record, ownerId, true);
    std::vector<std::unique_ptr<SkinResStruct>> records;
    records.push_back(std::move(record));
    m_session.UndoStack().push(new AddObjectsCommand(m_session, std::move(records),
                                                     tr("Create %1").arg(QString::fromLatin1(collection->SectionName()))));
    SelectAndOpen(id);
    return id;
}

bool CProjectArea::DeleteObject(int id) {
    FinishFilling();
    CSkinDocument& doc = m_session.Document();
    if (!id || !doc.FindItem(id)) return false;
    // The objects a frame owns go with it, as their tree items do.
    std::vector<int> owned;
    doc.ForEachItem([&](CResourceBase&, SkinResStruct& item) {
        if (item.ID != id && OwnerOf(doc, item.ID) == id) owned.push_back(item.ID);
    });
    const QString text = tr("Delete %1").arg(QString::fromStdString(doc.FindItem(id)->Caption));
    m_session.UndoStack().beginMacro(text);
    for (int child : owned) m_session.UndoStack().push(new RemoveObjectCommand(m_session, child, text));
    m_session.UndoStack().push(new RemoveObjectCommand(m_session, id, text));
    m_session.UndoStack().endMacro();
    return doc.FindItem(id) == nullptr;
}

bool CProjectArea::Copy(int id) {
    if (id < 2000 || !m_session.Document().FindItem(id)) return false;
    m_copyId = id;
    emit pasteAvailableChanged();
    return true;
}

bool CProjectArea::CanPaste() const { return m_copyId > 0 && m_session.Document().FindItem(m_copyId); }

std::vector<int> CProjectArea::Paste(int targetId) {
    FinishFilling();
    std::vector<int> made;
    CSkinDocument& doc = m_session.Document();
    CResourceBase* collection = m_copyId > 0 ? doc.FindCollection(m_copyId) : nullptr;
    if (!collection || !collection->Find(m_copyId)) return made;
    std::vector<std::unique_ptr<SkinResStruct>> records;
    auto duplicate = [&](CResourceBase& coll, int sourceId) -> SkinResStruct* {
        SkinResStruct* copy = coll.Duplicate(sourceId);
        if (!copy) return nullptr;
        const int newId = copy->ID;
        records.push_back(coll.TakeItem(newId));
        SkinResStruct* r = records.back().get();
        r->Caption = ModernDefaultName(coll.BaseId(), r->Caption);
        return r;
    };
    SkinResStruct* copy = duplicate(*collection, m_copyId);
    if (!copy) return made;
    if (m_copyId >= 3500 && m_copyId < 4000) {
        // A pasted caption button belongs to the frame it is pasted on (or to that frame's owner).
        int owner = IsFrameLike(targetId) ? targetId : OwnerOf(doc, targetId);
        if (IsFrameLike(owner)) SetOwner(*copy, owner);
    }
    if (IsFrameLike(m_copyId)) {
        // A pasted frame or tool window brings copies of its caption buttons.
        const int newOwner = copy->ID;
        CResourceBase& sysButtons = doc.Collection(kSysButtons);
        std::vector<int> sources;
        for (const auto& item : sysButtons.Items())
            if (static_cast<const SkinSysButton&>(*item).ownerFrameId == m_copyId) sources.push_back(item->ID);
        for (int source : sources)
            if (SkinResStruct* c = duplicate(sysButtons, source)) SetOwner(*c, newOwner);
    }
    for (const auto& r : records) made.push_back(r->ID);
    m_session.UndoStack().push(new AddObjectsCommand(m_session, std::move(records), tr("Paste")));
    return made;
}

std::vector<int> CProjectArea::LoadImages(const QStringList& paths) {
    FinishFilling();
    QStringList skipped, renamed;
    std::vector<int> made = LoadImageFiles(m_session, paths, &skipped, &renamed);
    ReportSkippedImages(m_dialogs, this, skipped, renamed);
    return made;
}

void CProjectArea::LoadImagesInteractive() {
    FinishFilling();
    LoadImageFilesInteractive(m_session, m_dialogs, this);
}

QMenu* CProjectArea::ContextMenuFor(QTreeWidgetItem* item) {
    if (!item) return nullptr;
    m_tree->setCurrentItem(item);
    if (const int id = IdOf(item)) ShowProperties(id);
    return CreateContextMenu(item);
}

QMenu* CProjectArea::CreateContextMenu(QTreeWidgetItem* item) {
    if (!item) return nullptr;
    const int id = IdOf(item);
    auto* menu = new QMenu(this);
    if (item == m_objectsNode) {
        QMenu* create = menu->addMenu(tr("Create Object"));
        QMenu* standard = nullptr;
        for (const ObjectMenuEntry& e : ObjectMenuEntries()) {
            QMenu* target = create;
            if (e.standardControl) {
                if (!standard) standard = create->addMenu(tr("Standard Controls"));
                target = standard;
            }
            const int base = e.typeBase;
            target->addAction(QString::fromLatin1(e.text), this, [this, base] { CreateObject(base); });
        }
        menu->addAction(tr("Load &Image"), this, &CProjectArea::LoadImagesInteractive);
    } else if (item == m_imageNode) {
        menu->addAction(tr("Load &Image"), this, &CProjectArea::LoadImagesInteractive);
    } else if (id >= 1000 && id < 2000) {
        QAction* open = menu->addAction(tr("Open"), this, [this, id] { OpenObject(id); });
        menu->setDefaultAction(open);
        menu->addAction(tr("&Unload Image\t(Del)"), this, [this, id] { DeleteObject(id); });
        QAction* reload = menu->addAction(tr("Reload from File"), this,
                                          [this, id] { ReloadPictureFromFile(m_session, m_dialogs, this, id); });
        const Picture* picture = m_session.Document().Pictures().FindPicture(id);
        if (const QString why = picture ? ReloadPicturesCommand::CannotReload(*picture) : QString(); !why.isEmpty()) {
            reload->setEnabled(false);
            reload->setToolTip(why);
            reload->setStatusTip(why);
            menu->setToolTipsVisible(true);
        }
    } else if (id >= 2000) {
        QAction* open = menu->addAction(tr("Open"), this, [this, id] { OpenObject(id); });
        menu->setDefaultAction(open);
        menu->addAction(tr("Cu&t"))->setEnabled(false);
        menu->addAction(tr("&Copy"), this, [this, id] { Copy(id); });
        QAction* paste = menu->addAction(tr("&Paste"), this, [this, id] { Paste(id); });
        paste->setEnabled(CanPaste());
        menu->addAction(tr("&Delete"), this, [this, id] { DeleteObject(id); });
        if (IsFrameLike(id) || IsFreeFrame(id)) {
            menu->addSeparator();
            if (IsFrameLike(id))
                menu->addAction(tr("SkinCaptionButton"), this, [this, id] { CreateOwned(3500, id); });
            menu->addAction(tr("SkinButton"), this, [this, id] { CreateOwned(2000, id); });
            menu->addAction(tr("SkinStatic"), this, [this, id] { CreateOwned(23000, id); });
        }
    } else {
        delete menu;
        return nullptr;
    }
    return menu;
}
