// The project tree as a view of the session: create, select, open, delete, copy and paste (a frame brings
// its caption buttons), Load Image, alphabetical order, old default names, grid edits, and undo/redo of each.

#include <gtest/gtest.h>

#include <QImage>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidgetItem>

#include "Resource/ResObjects/ResButton.h"
#include "Resource/ResObjects/ResStatic.h"
#include "Resource/ResObjects/ResSysButton.h"
#include "Resource/SkinDocument.h"
#include "ScriptedDialogs.h"
#include "designer/ChildView.h"
#include "designer/LegacyNames.h"
#include "designer/MyTreeCtrl.h"
#include "designer/MainFrame.h"
#include "designer/ProjectArea.h"
#include "designer/PropertyArea.h"
#include "designer/pages/PageList.h"
#include "designer/pages/ResObjProperty.h"
#include "designer/propertygrid/PropertyGrid.h"
#include "designer/propertygrid/PropertyItem.h"

namespace {

class ProjectAreaTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_frame = std::make_unique<CMainFrame>(&m_dialogs, m_dir.filePath(QStringLiteral("settings.ini")));
        m_frame->resize(1000, 700);
        m_tree = m_frame->ProjectArea();
    }
    QStringList Children(QTreeWidgetItem* parent) const {
        QStringList names;
        for (int i = 0; i < parent->childCount(); ++i) names << parent->child(i)->text(0);
        return names;
    }
    SkinResStruct* Item(int id) const { return m_frame->Session().Document().FindItem(id); }
    QUndoStack& Undo() { return m_frame->Session().UndoStack(); }
    vd::PropertyGrid* Grid() const { return m_frame->PropertyArea()->Grid(); }

    QTemporaryDir m_dir;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<CMainFrame> m_frame;
    CProjectArea* m_tree = nullptr;
};

TEST_F(ProjectAreaTest, CreatedObjectsStayInAlphabeticalOrderAndUndoRemovesThem) {
    const int frame = m_tree->CreateObject(3000);
    const int button = m_tree->CreateObject(2000);
    const int check = m_tree->CreateObject(12000);
    ASSERT_TRUE(frame && button && check);
    EXPECT_EQ(Children(m_tree->ObjectsNode()),
              (QStringList{"Application1", "CheckBox1", "SkinButton1", "SkinFrameWnd1"}));
    EXPECT_TRUE(m_frame->Session().IsModified());
    Undo().undo();
    EXPECT_FALSE(m_tree->ItemForId(check));
    EXPECT_FALSE(Item(check));
    Undo().redo();
    ASSERT_TRUE(m_tree->ItemForId(check));
    EXPECT_EQ(m_tree->ItemForId(check)->text(0), QStringLiteral("CheckBox1"));
}

TEST_F(ProjectAreaTest, SingleClickFillsTheGridDoubleClickOpensInBold) {
    const int frame = m_tree->CreateObject(3000);
    const int button = m_tree->CreateObject(2000);
    // A new object opens; a single click elsewhere leaves the view on it.
    ASSERT_TRUE(m_frame->View()->Page());
    EXPECT_EQ(m_frame->View()->Page()->TypeBase(), 2000);
    m_tree->ShowProperties(frame);
    EXPECT_EQ(m_frame->View()->Page()->TypeBase(), 2000);
    EXPECT_EQ(m_tree->OpenId(), button);
    // A frame's name is its "Caption" row.
    ASSERT_TRUE(Grid()->findItem(QStringLiteral("Caption")));
    EXPECT_EQ(Grid()->findItem(QStringLiteral("Caption"))->value().toString(), QStringLiteral("SkinFrameWnd1"));

    m_tree->OpenObject(frame);
    ASSERT_TRUE(m_frame->View()->Page());
    EXPECT_EQ(m_frame->View()->Page()->TypeBase(), 3000);
    EXPECT_TRUE(m_tree->ItemForId(frame)->font(0).bold());
    m_tree->OpenObject(button);
    EXPECT_FALSE(m_tree->ItemForId(frame)->font(0).bold());
    EXPECT_TRUE(m_tree->ItemForId(button)->font(0).bold());

    // Deleting the open object empties the view to a 500 x 500 area.
    EXPECT_TRUE(m_tree->DeleteObject(button));
    EXPECT_EQ(m_frame->View()->Page(), nullptr);
    EXPECT_EQ(m_frame->View()->ScrollSize(), QSize(500, 500));
    Undo().undo();
    EXPECT_TRUE(m_tree->ItemForId(button));
}

TEST_F(ProjectAreaTest, DoubleClickOnAFixedNodeNeitherFoldsNorOpens) {
    m_frame->show();
    QTreeWidget* tree = m_tree->Tree();
    QTreeWidgetItem* objects = m_tree->ObjectsNode();
    ASSERT_TRUE(objects->isExpanded());
    const QPoint at = tree->visualItemRect(objects).center();
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_TRUE(objects->isExpanded());
    EXPECT_EQ(m_frame->View()->Page(), nullptr);
}

TEST_F(ProjectAreaTest, OwnedCaptionButtonsSitUnderTheirFrameAndGoWithIt) {
    const int frame = m_tree->CreateObject(3000);
    const int cap1 = m_tree->CreateOwned(3500, frame);
    const int cap2 = m_tree->CreateOwned(3500, frame);
    ASSERT_TRUE(cap1 && cap2);
    EXPECT_EQ(m_tree->ItemForId(cap1)->parent(), m_tree->ItemForId(frame));
    EXPECT_EQ(Children(m_tree->ItemForId(frame)), (QStringList{"SkinCaptionButton1", "SkinCaptionButton2"}));

    EXPECT_TRUE(m_tree->DeleteObject(frame));
    EXPECT_FALSE(Item(cap1));
    EXPECT_FALSE(Item(cap2));
    Undo().undo();  // one step brings back the frame and its buttons, in place
    ASSERT_TRUE(m_tree->ItemForId(cap2));
    EXPECT_EQ(m_tree->ItemForId(cap2)->parent(), m_tree->ItemForId(frame));
}

// Owned objects start anchored at their frame's top right, 10 pixels in, at a fixed size: 40 for buttons
// and statics, 21 for caption buttons.
TEST_F(ProjectAreaTest, OwnedObjectsStartAtTheirFramesTopRight) {
    const int frame = m_tree->CreateObject(3000);
    struct Case {
        int typeBase;
        int side;
    };
    for (const Case c : {Case{2000, 40}, Case{3500, 21}, Case{23000, 40}}) {
        const int id = m_tree->CreateOwned(c.typeBase, frame);
        ASSERT_TRUE(id) << c.typeBase;
        const SkinResStruct* made = m_frame->Session().Document().FindItem(id);
        const SkinPlacement* p = nullptr;
        if (auto* b = dynamic_cast<const SkinButtonStruct*>(made)) p = &b->placement;
        if (auto* b = dynamic_cast<const SkinSysButton*>(made)) p = &b->placement;
        if (auto* b = dynamic_cast<const SkinStatic*>(made)) p = &b->placement;
        ASSERT_NE(p, nullptr) << c.typeBase;
        SkinPlacement expected;
        expected.horz.alignType = 2, expected.horz.spaceType = 3, expected.horz.farOffset = 10;
        expected.horz.sizeValue = c.side, expected.horz.ignore = 0;
        expected.vert.alignType = 0, expected.vert.spaceType = 3, expected.vert.sizeValue = c.side;
        expected.vert.ignore = 0;
        EXPECT_EQ(*p, expected) << c.typeBase;
        // Placed in a 300-pixel-wide caption: 10 pixels short of the right edge, at the top.
        int left = 0, top = 0, width = 0, height = 0;
        Place(*p, Rect{0, 0, 20, 20}, Rect{0, 0, 300, 30}, left, top, width, height);
        EXPECT_EQ(left, 300 - 10 - c.side);
        EXPECT_EQ(top, 0);
    }
}

TEST_F(ProjectAreaTest, PastingAFrameBringsCopiesOfItsCaptionButtons) {
    const int frame = m_tree->CreateObject(3000);
    m_tree->CreateOwned(3500, frame);
    m_tree->CreateOwned(3500, frame);
    EXPECT_EQ(m_tree->CopyBuffer(), -1);
    ASSERT_TRUE(m_tree->Copy(frame));
    const std::vector<int> made = m_tree->Paste(frame);
    ASSERT_EQ(made.size(), 3u);
    const int copy = made[0];
    EXPECT_EQ(m_tree->ItemForId(copy)->text(0), QStringLiteral("SkinFrameWnd2"));
    EXPECT_EQ(m_tree->ItemForId(copy)->childCount(), 2);
    for (size_t i = 1; i < made.size(); ++i)
        EXPECT_EQ(static_cast<SkinSysButton*>(Item(made[i]))->ownerFrameId, copy);
    // The original keeps its own two.
    EXPECT_EQ(m_tree->ItemForId(frame)->childCount(), 2);
    Undo().undo();
    for (int id : made) EXPECT_FALSE(Item(id));
}

TEST_F(ProjectAreaTest, PastedCaptionButtonBelongsToTheTargetFrame) {
    const int a = m_tree->CreateObject(3000);
    const int b = m_tree->CreateObject(3000);
    const int cap = m_tree->CreateOwned(3500, a);
    ASSERT_TRUE(m_tree->Copy(cap));
    const std::vector<int> made = m_tree->Paste(b);
    ASSERT_EQ(made.size(), 1u);
    EXPECT_EQ(static_cast<SkinSysButton*>(Item(made[0]))->ownerFrameId, b);
    EXPECT_EQ(m_tree->ItemForId(made[0])->parent(), m_tree->ItemForId(b));
}

TEST_F(ProjectAreaTest, ContextMenusByNode) {
    const int frame = m_tree->CreateObject(3000);
    const int button = m_tree->CreateObject(2000);
    EXPECT_EQ(m_tree->CreateContextMenu(m_tree->SkinNode()), nullptr);
    std::unique_ptr<QMenu> objects(m_tree->CreateContextMenu(m_tree->ObjectsNode()));
    ASSERT_TRUE(objects);
    EXPECT_EQ(objects->actions().first()->text(), QStringLiteral("Create Object"));
    std::unique_ptr<QMenu> onButton(m_tree->CreateContextMenu(m_tree->ItemForId(button)));
    QStringList texts;
    for (QAction* a : onButton->actions()) texts << a->text();
    EXPECT_EQ(texts, (QStringList{"Open", "Cu&t", "&Copy", "&Paste", "&Delete"}));
    EXPECT_FALSE(onButton->actions()[3]->isEnabled());  // nothing copied yet
    m_tree->Copy(button);
    std::unique_ptr<QMenu> onFrame(m_tree->CreateContextMenu(m_tree->ItemForId(frame)));
    EXPECT_TRUE(onFrame->actions()[3]->isEnabled());
    bool hasCaptionButton = false;
    for (QAction* a : onFrame->actions()) hasCaptionButton |= a->text() == QStringLiteral("SkinCaptionButton");
    EXPECT_TRUE(hasCaptionButton);

    // A shaped window owns buttons and statics (drawn on its preview) but has no caption for caption buttons.
    const int shape = m_tree->CreateObject(26000);
    std::unique_ptr<QMenu> onShape(m_tree->CreateContextMenu(m_tree->ItemForId(shape)));
    QStringList owned;
    for (QAction* a : onShape->actions()) owned << a->text();
    EXPECT_EQ(owned.mid(owned.size() - 2), (QStringList{"SkinButton", "SkinStatic"}));
    EXPECT_FALSE(owned.contains(QStringLiteral("SkinCaptionButton")));
    const int owned1 = m_tree->CreateOwned(2000, shape);
    ASSERT_TRUE(owned1);
    EXPECT_EQ(m_tree->ItemForId(owned1)->parent(), m_tree->ItemForId(shape));
}

TEST_F(ProjectAreaTest, LoadImageSkipsDuplicateNamesAndUndecodableFiles) {
    QImage img(8, 6, QImage::Format_RGB32);
    img.fill(Qt::red);
    const QString a = m_dir.filePath(QStringLiteral("a.bmp"));
    const QString b = m_dir.filePath(QStringLiteral("b.png"));
    ASSERT_TRUE(img.save(a, "BMP"));
    ASSERT_TRUE(img.save(b, "PNG"));
    QFile bad(m_dir.filePath(QStringLiteral("bad.bmp")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("BMnonsense");
    bad.close();
    m_dialogs.openLists = {{b, a, bad.fileName(), a}};
    m_tree->LoadImagesInteractive();
    EXPECT_EQ(Children(m_tree->ImageNode()), (QStringList{"a.bmp", "b.png"}));
    EXPECT_EQ(m_tree->LoadImages({a}).size(), 0u);  // already in the skin
    Undo().undo();
    EXPECT_EQ(m_tree->ImageNode()->childCount(), 0);
}

TEST_F(ProjectAreaTest, GridEditChangesRecordTreeTextAndModifiedState) {
    const int button = m_tree->CreateObject(2000);
    m_frame->Session().MarkSaved();
    m_tree->ShowProperties(button);
    vd::PropertyItem* name = Grid()->findItem(QStringLiteral("Name"));
    ASSERT_TRUE(name);
    ASSERT_TRUE(Grid()->commitValue(name, QStringLiteral("AOk")));
    EXPECT_EQ(Item(button)->Caption, "AOk");
    EXPECT_EQ(m_tree->ItemForId(button)->text(0), QStringLiteral("AOk"));
    EXPECT_EQ(m_tree->ObjectsNode()->child(0)->text(0), QStringLiteral("AOk"));  // re-sorted
    EXPECT_TRUE(m_frame->Session().IsModified());
    Undo().undo();
    EXPECT_EQ(m_tree->ItemForId(button)->text(0), QStringLiteral("SkinButton1"));
    EXPECT_EQ(name->value().toString(), QStringLiteral("SkinButton1"));  // the grid follows
    EXPECT_FALSE(m_frame->Session().IsModified());
}

TEST_F(ProjectAreaTest, EveryKindsGeneralCategoryNamesTheObjectOnly) {
    // A preview's size is the page's or the stored one, never a row: grip drags change the view only.
    // (A frame's "General" holds its ResourceID alone: its name is the caption's row.)
    for (int base : {2000, 4000, 5000, 6000, 7000, 8000, 9000, 10000, 11000, 12000, 13000, 14000, 15000,
                     16000, 18000, 19000, 20000, 21000, 22000, 23000, 24000, 25000, 26000, 27000, 29000}) {
        const int id = m_tree->CreateObject(base);
        ASSERT_GT(id, 0) << base;
        m_tree->ShowProperties(id);
        vd::PropertyItem* general = Grid()->findItem(QStringLiteral("General"));
        ASSERT_TRUE(general) << base;
        QStringList rows;
        for (int i = 0; i < general->childCount(); ++i) rows << general->child(i)->caption();
        EXPECT_EQ(rows, QStringList({"ResourceID", "Name"})) << base;
        EXPECT_EQ(Grid()->findItem(QStringLiteral("PreviewSize")), nullptr) << base;
    }
}

TEST_F(ProjectAreaTest, NamesAreCutToTheirByteLimit) {
    const int button = m_tree->CreateObject(2000);
    m_tree->ShowProperties(button);
    vd::PropertyItem* name = Grid()->findItem(QStringLiteral("Name"));
    ASSERT_TRUE(name);
    Grid()->commitValue(name, QString(400, QLatin1Char('x')));
    EXPECT_EQ(Item(button)->Caption.size(), 254u);
}

TEST_F(ProjectAreaTest, ApplicationPagePasswordKeepsSevenCharactersAndUndoes) {
    const int app = m_tree->ObjectsNode()->child(0)->data(0, Qt::UserRole).toInt();
    m_tree->ShowProperties(app);
    vd::PropertyItem* pw = Grid()->findItem(QStringLiteral("PassWord"));
    ASSERT_TRUE(pw);
    Grid()->commitValue(pw, QStringLiteral("abcdefghij"));
    EXPECT_EQ(m_frame->Session().Document().Password(), "abcdefg");
    ASSERT_TRUE(Grid()->findItem(QStringLiteral("GradientInactiveCaption")));
    EXPECT_FALSE(Grid()->findItem(QStringLiteral("General")));
    Undo().undo();
    EXPECT_EQ(m_frame->Session().Document().Password(), "");
    EXPECT_EQ(pw->value().toString(), QString());
}

TEST_F(ProjectAreaTest, OldDefaultNamesAreRenamedWhenLoaded) {
    CSkinDocument doc;
    SkinResStruct* b = doc.NewItemOfType(2000);
    b->Caption = "Button3";
    SkinResStruct* f = doc.NewItemOfType(3000);
    f->Caption = "Frame_long_name";
    SkinResStruct* f2 = doc.NewItemOfType(3000);
    f2->Caption = "Frame2";
    const QString path = m_dir.filePath(QStringLiteral("old.rss"));
    ASSERT_TRUE(doc.Save(path.toStdString(), ""));
    ASSERT_TRUE(m_frame->OpenPath(path));
    m_tree->FinishFilling();
    EXPECT_EQ(Children(m_tree->ObjectsNode()), (QStringList{"Frame_long_name", "SkinButton3", "SkinFrameWnd2"}));
    EXPECT_EQ(Item(b->ID)->Caption, "SkinButton3");
    EXPECT_TRUE(m_frame->Session().IsModified()) << "the next save writes names the file does not hold";
    EXPECT_EQ(ModernDefaultName(19000, "SkinMDIClient"), "SkinMDIClient");
    EXPECT_EQ(ModernDefaultName(3500, "SysButton7"), "SkinCaptionButton7");
}

TEST_F(ProjectAreaTest, LargeSkinIsFilledInBatchesAndSorted) {
    CSkinDocument doc;
    for (int i = 0; i < 900; ++i) ASSERT_TRUE(doc.NewItemOfType(2000));
    const QString path = m_dir.filePath(QStringLiteral("big.rss"));
    ASSERT_TRUE(doc.Save(path.toStdString(), ""));
    ASSERT_TRUE(m_frame->OpenPath(path));
    EXPECT_TRUE(m_tree->IsFilling());  // the rest arrives on later turns of the event loop
    m_tree->FinishFilling();
    QStringList names = Children(m_tree->ObjectsNode());
    ASSERT_EQ(names.size(), 900);
    QStringList sorted = names;
    std::sort(sorted.begin(), sorted.end(), [](const QString& x, const QString& y) {
        return QString::compare(x, y, Qt::CaseInsensitive) < 0;
    });
    EXPECT_EQ(names, sorted);
}

TEST_F(ProjectAreaTest, ObjectsOfAVanishedOwnerAreSortedIntoObjects) {
    CSkinDocument doc;
    for (int i = 0; i < 5; ++i) ASSERT_TRUE(doc.NewItemOfType(2000));
    auto* orphan = dynamic_cast<SkinButtonStruct*>(doc.NewItemOfType(2000));
    ASSERT_TRUE(orphan);
    orphan->Caption = "AAA";
    orphan->ownerFrameId = 3499;  // no such frame
    SkinResStruct* frame = doc.NewItemOfType(3000);
    auto* owned = dynamic_cast<SkinButtonStruct*>(doc.NewItemOfType(2000));
    owned->ownerFrameId = frame->ID;
    const QString path = m_dir.filePath(QStringLiteral("orphan.rss"));
    ASSERT_TRUE(doc.Save(path.toStdString(), ""));
    ASSERT_TRUE(m_frame->OpenPath(path));
    m_tree->FinishFilling();
    EXPECT_EQ(Children(m_tree->ObjectsNode()), (QStringList{"AAA", "SkinButton1", "SkinButton2", "SkinButton3",
                                                            "SkinButton4", "SkinButton5", "SkinFrameWnd1"}));
    EXPECT_EQ(m_tree->ItemForId(owned->ID)->parent(), m_tree->ItemForId(frame->ID));
}

}  // namespace
