// The frame page: its grid (categories, captions, kinds and order, which categories open), each row writing
// the right member of the frame in one undo step, the draw-mode list with its two pictures, the popup
// menu's "MenuItem Images" row with its dialog, and the page-only preview size.

#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QImage>
#include <QPainter>
#include <QStyleOptionViewItem>

#include <algorithm>
#include <functional>

#include "ImageTestSupport.h"
#include "Resource/ResObjects/ResFrame.h"
#include "PageTestSupport.h"
#include "designer/SkinSession.h"
#include "designer/pages/FrameProperty.h"
#include "designer/propertygrid/DialogEditor.h"
#include "designer/propertygrid/DialogItem.h"
#include "designer/propertygrid/EnumEditor.h"
#include "designer/propertygrid/EnumItem.h"
#include "designer/propertygrid/ImageItem.h"
#include "designer/propertygrid/PropertyGrid.h"
#include "designer/propertygrid/PropertyValueTypes.h"
#include "designer/propertygrid/TextStyleItem.h"
#include "designer/undo/AddObjectsCommand.h"

using namespace vd;

namespace {

using FramePageTest = pagetest::PageFixture<CFrameProperty, 3000>;

// ---- the grid's shape

enum class K { Category, Text, Number, Bool, Enum, Image, Style, Font, Margin, Dialog };

struct Shape {
    int depth;
    const char* caption;
    K kind;
    bool expanded = false;
};

K KindOf(const PropertyItem& item) {
    switch (item.kind()) {
    case PropertyItem::GroupKind: return K::Category;
    case PropertyItem::TextKind: return K::Text;
    case PropertyItem::NumberKind: return K::Number;
    case PropertyItem::BoolKind: return K::Bool;
    case PropertyItem::EnumKind: return K::Enum;
    case PropertyItem::FontKind: return K::Font;
    case PropertyItem::QuadKind: return K::Margin;
    case ImageItem::kKind: return K::Image;
    case TextStyleItem::Kind: return K::Style;
    case DialogItem::Kind: return K::Dialog;
    default: return K::Text;
    }
}

void Walk(const PropertyItem& item, int depth, std::vector<Shape>& out, std::vector<std::string>& names) {
    names.push_back(item.caption().toStdString());
    out.push_back({depth, names.back().c_str(), KindOf(item), item.isExpanded()});
    // Only categories nest rows of the page; a margin's "All"/"Left"... are parts of its value.
    if (item.kind() != PropertyItem::GroupKind) return;
    for (int i = 0; i < item.childCount(); ++i) Walk(*item.child(i), depth + 1, out, names);
}

// Written from the frame page's table: categories in bold (expanded where marked), the rows in order.
const std::vector<Shape> kExpected = {
    {0, "General", K::Category, true},
    {1, "ResourceID", K::Text},
    {0, "Frame.Normal", K::Category, true},
    {1, "Left", K::Category}, {2, "ActiveLeft", K::Image}, {2, "InactiveLeft", K::Image},
    {1, "Right", K::Category}, {2, "ActiveRight", K::Image}, {2, "InactiveRight", K::Image},
    {1, "Top", K::Category}, {2, "ActiveTop", K::Image}, {2, "InactiveTop", K::Image},
    {1, "Bottom", K::Category}, {2, "ActiveBottom", K::Image}, {2, "InactiveBottom", K::Image},
    {1, "Caption", K::Text},
    {1, "Caption Font", K::Font},
    {1, "Caption TextStyle", K::Style},
    {1, "Caption InactiveTextStyle", K::Style},
    {1, "Icon LeftOffset", K::Number},
    {1, "Draw Application Icon", K::Bool},
    {1, "DrawMode", K::Enum},
    {0, "Frame.Minimize", K::Category, true},
    {1, "Active", K::Image}, {1, "Inactive", K::Image},
    {1, "Caption Font", K::Font},
    {1, "Caption TextStyle", K::Style},
    {1, "Caption InactTextStyle", K::Style},
    {0, "Frame.MenuBar", K::Category, true},
    {1, "MenuBarImage", K::Image}, {1, "MenuBarInactiveImage", K::Image},
    {1, "MenuBarHeight", K::Number},
    {1, "MDIMinimize", K::Category}, {2, "Normal", K::Image}, {2, "Pressed", K::Image},
    {2, "Highlighted", K::Image}, {2, "Disabled", K::Image}, {2, "Inactive", K::Image},
    {1, "MDIRestore", K::Category}, {2, "Normal", K::Image}, {2, "Pressed", K::Image},
    {2, "Highlighted", K::Image}, {2, "Disabled", K::Image}, {2, "Inactive", K::Image},
    {1, "MDIClose", K::Category}, {2, "Normal", K::Image}, {2, "Pressed", K::Image},
    {2, "Highlighted", K::Image}, {2, "Disabled", K::Image}, {2, "Inactive", K::Image},
    {1, "MenuBarItem", K::Category},
    {2, "Normal Picture", K::Image}, {2, "Normal TextStyle", K::Style},
    {2, "Press Picture", K::Image}, {2, "Press TextStyle", K::Style},
    {2, "Highlighted Picture", K::Image}, {2, "Highlighted TextStyle", K::Style},
    {2, "Disabled Picture", K::Image}, {2, "Disabled TextStyle", K::Style},
    {1, "MenuBar Font", K::Font},
    {1, "MenuBarItemHeight", K::Number},
    {1, "MenuBarItemSpaceBetween", K::Number},
    {0, "PopupMenu", K::Category, true},
    {1, "Background", K::Image}, {1, "MenuItem", K::Image},
    {1, "Normal Text", K::Style}, {1, "Highlighted Text", K::Style},
    {1, "Disabled Text", K::Style}, {1, "Default Text", K::Style},
    {1, "TextFont", K::Font},
    {1, "MenuBarImage", K::Image},
    {1, "MenuItemHeight", K::Number},
    {1, "SeparatorImage", K::Image}, {1, "CheckImage", K::Image}, {1, "CheckImageBk", K::Image},
    {1, "RadioImage", K::Image}, {1, "RadioImageBk", K::Image},
    {1, "MenuItem Margin", K::Margin},
    {1, "MenuItem Images", K::Dialog},
};

TEST_F(FramePageTest, GridFollowsTheTableInOrder) {
    std::vector<Shape> built;
    std::vector<std::string> names;
    names.reserve(200);  // the captions stay where Shape points
    for (int i = 0; i < grid.topLevelItemCount(); ++i) Walk(*grid.topLevelItem(i), 0, built, names);
    ASSERT_EQ(built.size(), kExpected.size());
    for (size_t i = 0; i < built.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "row " << i << " " << kExpected[i].caption);
        EXPECT_EQ(built[i].depth, kExpected[i].depth);
        EXPECT_STREQ(built[i].caption, kExpected[i].caption);
        EXPECT_EQ(built[i].kind, kExpected[i].kind);
        if (kExpected[i].kind == K::Category) {
            EXPECT_EQ(built[i].expanded, kExpected[i].expanded);
        }
    }
}

TEST_F(FramePageTest, CategoriesAreBoldAndEveryRowIsBoundToTheFrame) {
    int rows = 0;
    std::function<void(PropertyItem*)> visit = [&](PropertyItem* item) {
        if (item->kind() == PropertyItem::GroupKind) {
            EXPECT_TRUE(item->isCategory()) << item->caption().toStdString();
            for (int i = 0; i < item->childCount(); ++i) visit(item->child(i));
            return;
        }
        ++rows;
        EXPECT_TRUE(item->isBound()) << item->caption().toStdString();
        EXPECT_TRUE(item->value().isValid()) << item->caption().toStdString();
        // A new frame holds the new-record values everywhere: nothing is drawn bold.
        EXPECT_FALSE(item->isModified()) << item->caption().toStdString();
    };
    for (int i = 0; i < grid.topLevelItemCount(); ++i) visit(grid.topLevelItem(i));
    EXPECT_EQ(rows, std::count_if(kExpected.begin(), kExpected.end(), [](const Shape& s) { return s.kind != K::Category; }));
}

TEST_F(FramePageTest, RowsShowTheFramesValues) {
    EXPECT_EQ(row("Frame.Normal/Caption")->value().toString(), QStringLiteral("SkinFrameWnd1"));
    EXPECT_EQ(row("Frame.Normal/Draw Application Icon")->value().toBool(), true);
    EXPECT_EQ(row("Frame.MenuBar/MenuBarHeight")->value().toInt(), 23);
    EXPECT_EQ(row("Frame.MenuBar/MenuBarItemHeight")->value().toInt(), 18);
    EXPECT_EQ(row("Frame.MenuBar/MenuBarItemSpaceBetween")->value().toInt(), 5);
    EXPECT_EQ(row("PopupMenu/MenuItemHeight")->value().toInt(), 20);
    EXPECT_EQ(row("PopupMenu/MenuItem Margin")->displayText(), QStringLiteral("0; 0; 0; 0"));
    // New popup menus align their item text left.
    EXPECT_EQ(row("PopupMenu/Normal Text")->value().value<SkinTextStyle>().horzAlign, 0);
    EXPECT_EQ(row("Frame.Normal/Caption TextStyle")->value().value<SkinTextStyle>().horzAlign, 1);
}

// ---- one row, one member, one undo step

struct Edit {
    const char* path;
    std::function<QVariant()> value;
    std::function<void(SkinFrame&)> expect;  // what the edit should do to the record, nothing else
};

SkinImageBase Slice(int left, int right) {
    SkinImageBase image;
    image.left = left;
    image.right = right;
    image.topHeight = 3;
    return image;
}

SkinTextStyle Style(int horz, Color colour) {
    SkinTextStyle style = SkinTextStyle::Fresh(SystemEnvironment::Default());
    style.horzAlign = horz;
    style.textColor = colour;
    return style;
}

LogFont Font(const char* face, int height) {
    LogFont font;
    font.faceName = face;
    font.height = height;
    font.weight = 700;
    return font;
}

template <class T>
std::function<QVariant()> V(T value) {
    return [value] { return QVariant::fromValue(value); };
}

class FrameRowEditTest : public FramePageTest, public ::testing::WithParamInterface<Edit> {};

TEST_P(FrameRowEditTest, WritesItsMemberInOneUndoStep) {
    PropertyItem* item = row(QString::fromLatin1(GetParam().path));
    ASSERT_NE(item, nullptr) << GetParam().path;
    const SkinFrame before = record();
    SkinFrame expected = before;
    GetParam().expect(expected);
    ASSERT_FALSE(expected == before) << "the case must change something";

    ASSERT_TRUE(grid.commitValue(item, GetParam().value()));
    EXPECT_TRUE(record() == expected);
    EXPECT_EQ(session.UndoStack().count(), steps + 1);
    if (item->hasDefaultValue()) {
        EXPECT_TRUE(item->isModified()) << "a value other than the new frame's is drawn bold";
    }

    session.UndoStack().undo();
    EXPECT_TRUE(record() == before);
    session.UndoStack().redo();
    EXPECT_TRUE(record() == expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FrameRowEditTest,
    ::testing::Values(
        Edit{"General/ResourceID", V(QStringLiteral("IDR_MAIN")), [](SkinFrame& f) { f.ResID = "IDR_MAIN"; }},
        Edit{"Frame.Normal/Caption", V(QStringLiteral("Main")), [](SkinFrame& f) { f.Caption = "Main"; }},
        Edit{"Frame.Normal/Top/InactiveTop", V(Slice(2, 30)), [](SkinFrame& f) { f.inactiveTop = Slice(2, 30); }},
        Edit{"Frame.Normal/Left/ActiveLeft", V(Slice(0, 6)), [](SkinFrame& f) { f.activeLeft = Slice(0, 6); }},
        Edit{"Frame.Normal/Caption Font", V(Font("Tahoma", -14)),
             [](SkinFrame& f) { f.captionFont = Font("Tahoma", -14); }},
        Edit{"Frame.Normal/Caption TextStyle", V(Style(2, Color(255, 255, 255))),
             [](SkinFrame& f) { f.captionActive = Style(2, Color(255, 255, 255)); }},
        Edit{"Frame.Normal/Caption InactiveTextStyle", V(Style(0, Color(90, 90, 90))),
             [](SkinFrame& f) { f.captionInactive = Style(0, Color(90, 90, 90)); }},
        Edit{"Frame.Normal/Icon LeftOffset", V(7), [](SkinFrame& f) { f.iconLeftOffset = 7; }},
        Edit{"Frame.Normal/Draw Application Icon", V(false), [](SkinFrame& f) { f.drawIcon = 0; }},
        Edit{"Frame.Normal/DrawMode", V(0), [](SkinFrame& f) { f.defaultDraw = 0; }},
        Edit{"Frame.Minimize/Inactive", V(Slice(1, 9)), [](SkinFrame& f) { f.inactiveMinCaption = Slice(1, 9); }},
        Edit{"Frame.Minimize/Caption Font", V(Font("Verdana", -11)),
             [](SkinFrame& f) { f.minCaptionFont = Font("Verdana", -11); }},
        Edit{"Frame.Minimize/Caption TextStyle", V(Style(2, Color(1, 2, 3))),
             [](SkinFrame& f) { f.minCaptionActive = Style(2, Color(1, 2, 3)); }},
        Edit{"Frame.Minimize/Caption InactTextStyle", V(Style(2, Color(4, 5, 6))),
             [](SkinFrame& f) { f.minCaptionInactive = Style(2, Color(4, 5, 6)); }},
        Edit{"Frame.MenuBar/MenuBarInactiveImage", V(Slice(3, 8)),
             [](SkinFrame& f) { f.menuBarBkInactive = Slice(3, 8); }},
        Edit{"Frame.MenuBar/MenuBarHeight", V(30), [](SkinFrame& f) { f.menuBarHeight = 30; }},
        Edit{"Frame.MenuBar/MDIMinimize/Highlighted", V(Slice(0, 16)),
             [](SkinFrame& f) { f.mdiMin[3] = Slice(0, 16); }},
        Edit{"Frame.MenuBar/MDIRestore/Disabled", V(Slice(16, 32)),
             [](SkinFrame& f) { f.mdiRestore[2] = Slice(16, 32); }},
        Edit{"Frame.MenuBar/MDIClose/Inactive", V(Slice(32, 48)),
             [](SkinFrame& f) { f.mdiClose[4] = Slice(32, 48); }},
        Edit{"Frame.MenuBar/MenuBarItem/Press Picture", V(Slice(5, 25)),
             [](SkinFrame& f) { f.menuBarItemImages[1] = Slice(5, 25); }},
        Edit{"Frame.MenuBar/MenuBarItem/Highlighted TextStyle", V(Style(0, Color(0, 0, 128))),
             [](SkinFrame& f) { f.menuBarItemStyles[3] = Style(0, Color(0, 0, 128)); }},
        Edit{"Frame.MenuBar/MenuBarItem/Disabled Picture", V(Slice(9, 19)),
             [](SkinFrame& f) { f.menuBarItemImages[2] = Slice(9, 19); }},
        Edit{"Frame.MenuBar/MenuBar Font", V(Font("Georgia", -13)),
             [](SkinFrame& f) { f.menuBarFont = Font("Georgia", -13); }},
        Edit{"Frame.MenuBar/MenuBarItemHeight", V(21), [](SkinFrame& f) { f.menuBarItemHeight = 21; }},
        Edit{"Frame.MenuBar/MenuBarItemSpaceBetween", V(2), [](SkinFrame& f) { f.menuBarItemSpace = 2; }},
        Edit{"PopupMenu/Background", V(Slice(0, 40)), [](SkinFrame& f) { f.menu.background = Slice(0, 40); }},
        Edit{"PopupMenu/MenuItem", V(Slice(0, 41)), [](SkinFrame& f) { f.menu.item = Slice(0, 41); }},
        Edit{"PopupMenu/Disabled Text", V(Style(1, Color(128, 128, 128))),
             [](SkinFrame& f) { f.menu.text[2] = Style(1, Color(128, 128, 128)); }},
        Edit{"PopupMenu/Default Text", V(Style(2, Color(0, 0, 0))),
             [](SkinFrame& f) { f.menu.text[3] = Style(2, Color(0, 0, 0)); }},
        Edit{"PopupMenu/TextFont", V(Font("Courier New", -12)),
             [](SkinFrame& f) { f.menu.font = Font("Courier New", -12); }},
        Edit{"PopupMenu/MenuBarImage", V(Slice(0, 24)), [](SkinFrame& f) { f.menu.vbar = Slice(0, 24); }},
        Edit{"PopupMenu/MenuItemHeight", V(22), [](SkinFrame& f) { f.menu.itemHeight = 22; }},
        Edit{"PopupMenu/SeparatorImage", V(Slice(0, 2)), [](SkinFrame& f) { f.menu.separator = Slice(0, 2); }},
        Edit{"PopupMenu/CheckImageBk", V(Slice(1, 17)), [](SkinFrame& f) { f.menu.checkBk = Slice(1, 17); }},
        Edit{"PopupMenu/RadioImage", V(Slice(2, 18)), [](SkinFrame& f) { f.menu.radio = Slice(2, 18); }},
        Edit{"PopupMenu/MenuItem Margin", V(QMargins(1, 2, 3, 4)), [](SkinFrame& f) {
                 f.menu.itemLeftWidth = 1;
                 f.menu.itemTopHeight = 2;
                 f.menu.itemRightWidth = 3;
                 f.menu.itemBottomHeight = 4;
             }}));

TEST_F(FramePageTest, OneMarginSideChangesOnlyThatMember) {
    PropertyItem* margin = row("PopupMenu/MenuItem Margin");
    ASSERT_NE(margin, nullptr);
    PropertyItem* top = nullptr;
    for (int i = 0; i < margin->childCount(); ++i)
        if (margin->child(i)->caption() == QStringLiteral("Top")) top = margin->child(i);
    ASSERT_NE(top, nullptr);
    ASSERT_TRUE(grid.commitValue(top, 6));
    EXPECT_EQ(record().menu.itemTopHeight, 6);
    EXPECT_EQ(record().menu.itemLeftWidth + record().menu.itemRightWidth + record().menu.itemBottomHeight, 0);
    EXPECT_EQ(session.UndoStack().count(), steps + 1);
}

TEST_F(FramePageTest, FontResetBringsBackTheNewFrameFont) {
    PropertyItem* font = row("Frame.MenuBar/MenuBar Font");
    ASSERT_TRUE(grid.commitValue(font, QVariant::fromValue(Font("Tahoma", -20))));
    ASSERT_TRUE(grid.canReset(font));
    EXPECT_TRUE(grid.resetValue(font));
    EXPECT_EQ(record().menuBarFont, LogFont{});
    EXPECT_EQ(session.UndoStack().count(), steps + 2);
}

// ---- the draw mode

TEST_F(FramePageTest, DrawModeMapsHorzFitAndVertFitToZeroAndOne) {
    auto* mode = dynamic_cast<EnumItem*>(row("Frame.Normal/DrawMode"));
    ASSERT_NE(mode, nullptr);
    ASSERT_EQ(mode->entries().size(), 2);
    EXPECT_EQ(mode->entries()[0].caption, QStringLiteral("HorzFit"));
    EXPECT_EQ(mode->entries()[0].value, 0);
    EXPECT_EQ(mode->entries()[1].caption, QStringLiteral("VertFit"));
    EXPECT_EQ(mode->entries()[1].value, 1);
    EXPECT_EQ(mode->displayText(), QStringLiteral("VertFit")) << "a new frame fits vertically";
    ASSERT_TRUE(grid.commitValue(mode, 0));
    EXPECT_EQ(record().defaultDraw, 0);
    EXPECT_EQ(mode->displayText(), QStringLiteral("HorzFit"));
    ASSERT_TRUE(grid.commitValue(mode, 1));
    EXPECT_EQ(record().defaultDraw, 1);
    EXPECT_FALSE(mode->isModified());
    // A value from a file outside the list is kept and shown as its number.
    EditObjectCommand::Push(session, id, "x", [](SkinResStruct& r) { static_cast<SkinFrame&>(r).defaultDraw = 5; });
    EXPECT_EQ(mode->displayText(), QStringLiteral("5"));
}

TEST_F(FramePageTest, DrawModeEntriesCarryTheirTwentyByFourteenPictures) {
    auto* mode = dynamic_cast<EnumItem*>(row("Frame.Normal/DrawMode"));
    ASSERT_NE(mode, nullptr);
    EXPECT_EQ(mode->iconSize(), QSize(20, 14));
    const char* files[] = {":/icons/drawmode-horzfit-20x14.png", ":/icons/drawmode-vertfit-20x14.png"};
    for (int i = 0; i < 2; ++i) {
        const QIcon& icon = mode->entries()[i].icon;
        ASSERT_FALSE(icon.isNull());
        const QImage drawn = icon.pixmap(QSize(20, 14)).toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage art = QImage(QString::fromLatin1(files[i])).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(art.size(), QSize(20, 14));
        EXPECT_EQ(drawn, art) << files[i];
    }
    EXPECT_NE(mode->entries()[0].icon.pixmap(QSize(20, 14)).toImage(),
              mode->entries()[1].icon.pixmap(QSize(20, 14)).toImage());

    // The open list shows the pictures at their size.
    grid.show();
    grid.setCurrentItem(mode);
    QApplication::processEvents();
    auto* editor = qobject_cast<EnumEditor*>(grid.activeEditor());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->comboBox()->iconSize(), QSize(20, 14));
    EXPECT_FALSE(editor->comboBox()->itemIcon(0).isNull());
    EXPECT_EQ(editor->comboBox()->currentText(), QStringLiteral("VertFit"));
}

TEST_F(FramePageTest, DrawModeRowPaintsThePictureOfTheChosenMode) {
    auto* mode = dynamic_cast<EnumItem*>(row("Frame.Normal/DrawMode"));
    ASSERT_NE(mode, nullptr);
    auto paint = [mode] {
        QImage image(160, 20, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        QStyleOptionViewItem option;
        mode->paintValue(&p, option, image.rect());
        return image;
    };
    // Where the row puts the picture: the editor's inset from the left, centred in the row's height.
    const QPoint at(4, (20 - 14) / 2);
    for (int value : {0, 1}) {
        ASSERT_TRUE(grid.commitValue(mode, value));
        const QImage row = paint();
        QImage expected(20, 14, QImage::Format_ARGB32);
        expected.fill(Qt::white);
        QPainter p(&expected);
        p.drawImage(0, 0, QImage(value == 0 ? QStringLiteral(":/icons/drawmode-horzfit-20x14.png")
                                            : QStringLiteral(":/icons/drawmode-vertfit-20x14.png")));
        p.end();
        EXPECT_EQ(row.copy(QRect(at, QSize(20, 14))), expected) << "mode " << value;
    }
}

// ---- the preview belongs to the page

TEST_F(FramePageTest, PreviewIs500By350AndAGripDragWritesNoRecord) {
    EXPECT_EQ(page.PreviewSize(), QSize(500, 350));
    EXPECT_EQ(record().previewWidth, 600) << "the record keeps its own stored size";
    page.StorePreviewSize(QSize(640, 480));
    EXPECT_EQ(page.PreviewSize(), QSize(640, 480));
    EXPECT_EQ(session.UndoStack().count(), steps);
    EXPECT_EQ(record().previewWidth, 600);
    EXPECT_EQ(record().previewHeight, 460);
    // Every frame opens at the page's size again.
    const int other = AddObjectsCommand::PushNew(session, 3000);
    ASSERT_TRUE(page.SelectObject(other));
    EXPECT_EQ(page.PreviewSize(), QSize(500, 350));
}

TEST_F(FramePageTest, AClickSelectsNothingAndDragsKeepTheHoverPoint) {
    page.SetPreviewRect(Rect{100, 100, 200, 150});
    page.SetHitCode(kHitRight);
    page.OnMouseMove({200, 125}, false, {600, 400});  // hovering over the right edge
    EXPECT_EQ(page.OnLButtonDown({150, 125}), -1);
    // The press did not move the reference point: the drag counts from the hover point.
    page.OnMouseMove({210, 125}, true, {600, 400});
    EXPECT_EQ(page.PreviewRect().Width(), 120);
}

// ---- the popup menu's per-item check images

using pagetest::Entry;

// Grey level of a colour as the engine computes it.
int Grey(QColor c) { return static_cast<int>(0.30 * c.red() + 0.59 * c.green() + 0.11 * c.blue()); }

class MenuItemRowTest : public pagetest::CheckImageRowFixture<CFrameProperty, 3000> {
protected:
    MenuItemRowTest() : CheckImageRowFixture("PopupMenu/MenuItem Images") {}
};

TEST_F(MenuItemRowTest, OkWritesTheWholeMapInOneStepAndUndoRestores) {
    const std::string before = session.Document().SaveConfigText();
    CheckImageMap chosen;
    chosen[32771] = Entry(32771, "Tick.png", "Box.png", 0);
    chosen[32772] = Entry(32772, "Box.png", "", 1);
    dialogs.checkImages.push_back(chosen);
    Press();
    EXPECT_EQ(dialogs.log, QStringList{QStringLiteral("menu-item-images: 0")});
    ASSERT_EQ(dialogs.offeredPictureNames.size(), 1);
    EXPECT_EQ(dialogs.offeredPictureNames[0], QStringList({"Tick.png", "Box.png"}));
    EXPECT_EQ(record().menu.items, chosen);
    EXPECT_EQ(session.UndoStack().count(), steps + 1);
    EXPECT_EQ(item->displayText(), QStringLiteral("2 items: 32771, 32772"));
    EXPECT_TRUE(item->isModified());

    // Saved densely from 1, whatever the item IDs.
    const std::string text = session.Document().SaveConfigText();
    for (const char* line : {"1MenuItem1ID=32771", "1MenuItem1CheckImage=Tick.png", "1MenuItem1UnCheckImage=Box.png",
                             "1MenuItem2ID=32772", "1MenuItem2CheckImage=Box.png", "1MenuItem2DoubleRow=1"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
    EXPECT_EQ(text.find("1MenuItem1DoubleRow"), std::string::npos) << "a default value is not written";
    EXPECT_EQ(text.find("1MenuItem2UnCheckImage"), std::string::npos);
    EXPECT_EQ(text.find("1MenuItem3ID"), std::string::npos);

    session.UndoStack().undo();
    EXPECT_TRUE(record().menu.items.empty());
    EXPECT_EQ(session.Document().SaveConfigText(), before);
    EXPECT_EQ(item->displayText(), QStringLiteral("(无)"));
    session.UndoStack().redo();
    EXPECT_EQ(record().menu.items, chosen);
}

TEST_F(MenuItemRowTest, CancelChangesNothing) {
    dialogs.checkImages.push_back(std::nullopt);
    Press();
    EXPECT_EQ(dialogs.log.size(), 1);
    EXPECT_TRUE(record().menu.items.empty());
    EXPECT_EQ(session.UndoStack().count(), steps);
}

TEST_F(MenuItemRowTest, TheDialogStartsFromTheFramesEntries) {
    CheckImageMap first;
    first[7] = Entry(7, "Tick.png", "", 0);
    dialogs.checkImages.push_back(first);
    Press();
    dialogs.checkImages.push_back(std::nullopt);
    Press();
    EXPECT_EQ(dialogs.log.last(), QStringLiteral("menu-item-images: 1"));
}

TEST_F(MenuItemRowTest, GreyCopiesFollowTheChosenPictures) {
    CheckImageMap chosen;
    chosen[1] = Entry(1, "Tick.png", "Missing.png", 0);
    dialogs.checkImages.push_back(chosen);
    Press();
    const CheckImageEntry& e = record().menu.items.at(1);
    ASSERT_TRUE(e.check && e.checkGrey);
    EXPECT_EQ(e.uncheck, nullptr) << "a name no picture has resolves to nothing, and is kept";
    EXPECT_EQ(e.uncheckGrey, nullptr);
    EXPECT_EQ(e.uncheckImage, "Missing.png");
    uint8_t bgra[4];
    ASSERT_TRUE(e.checkGrey->PixelBGRA(5, 5, bgra));
    const int tick = Grey(QColor(200, 120, 20));
    EXPECT_EQ(bgra[0], tick);
    EXPECT_EQ(bgra[1], tick);
    EXPECT_EQ(bgra[2], tick);

    // The author picks another picture: the grey copy is the new picture's.
    chosen[1].checkImage = "Box.png";
    dialogs.checkImages.push_back(chosen);
    Press();
    const CheckImageEntry& changed = record().menu.items.at(1);
    ASSERT_TRUE(changed.checkGrey);
    ASSERT_TRUE(changed.checkGrey->PixelBGRA(5, 5, bgra));
    EXPECT_EQ(bgra[2], Grey(QColor(20, 120, 200)));
    EXPECT_EQ(changed.check, session.Document().PictureImageByName("Box.png"));
    // Undo brings the first picture back with its own grey copy.
    session.UndoStack().undo();
    ASSERT_TRUE(record().menu.items.at(1).checkGrey);
    ASSERT_TRUE(record().menu.items.at(1).checkGrey->PixelBGRA(5, 5, bgra));
    EXPECT_EQ(bgra[2], tick);
}

// A 16 x 16 icon file holding one PNG image.
std::shared_ptr<const CEnBitmap> MakeIcon() {
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(QColor(200, 30, 30));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    QByteArray ico;
    auto put16 = [&ico](int v) { ico.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF)); };
    auto put32 = [&](int v) { put16(v & 0xFFFF), put16((v >> 16) & 0xFFFF); };
    put16(0), put16(1), put16(1);                              // icon directory, one image
    ico.append(char(16)).append(char(16)).append(char(0)).append(char(0));
    put16(1), put16(32), put32(int(png.size())), put32(6 + 16);  // planes, bits, size, offset
    ico.append(png);
    return std::shared_ptr<const CEnBitmap>(
        LoadImageMemory("x.ico", reinterpret_cast<const uint8_t*>(ico.constData()), static_cast<size_t>(ico.size())));
}

TEST_F(MenuItemRowTest, AnIconPictureGetsNoGreyCopy) {
    std::shared_ptr<const CEnBitmap> icon = MakeIcon();
    ASSERT_TRUE(icon && !icon->IsEmpty());
    session.Document().AddPicture("/nonexistent/Star.ico", "Star.ico", icon);
    CheckImageMap chosen;
    chosen[2] = Entry(2, "Star.ico", "Tick.png", 0);
    dialogs.checkImages.push_back(chosen);
    Press();
    const CheckImageEntry& e = record().menu.items.at(2);
    EXPECT_EQ(e.check, icon);
    EXPECT_EQ(e.checkGrey, nullptr);
    EXPECT_NE(e.uncheckGrey, nullptr);
}

TEST_F(MenuItemRowTest, AValueOfAnotherTypeIsRefused) {
    EXPECT_FALSE(grid.commitValue(item, 5));
    EXPECT_FALSE(grid.commitValue(item, QStringLiteral("1 item: 3")));
    EXPECT_EQ(session.UndoStack().count(), steps);
}

TEST_F(MenuItemRowTest, ResetEmptiesTheList) {
    CheckImageMap chosen;
    chosen[3] = Entry(3, "Tick.png", "Box.png", 0);
    dialogs.checkImages.push_back(chosen);
    Press();
    ASSERT_TRUE(grid.canReset(item));
    EXPECT_TRUE(grid.resetValue(item));
    EXPECT_TRUE(record().menu.items.empty());
    EXPECT_EQ(session.UndoStack().count(), steps + 2);
}

TEST(FrameMenuItemSummary, CountsAndListsTheItemIds) {
    EXPECT_EQ(CMenuItemImagesDlg::Summary({}), QStringLiteral("(无)"));
    CheckImageMap one;
    one[-4] = CheckImageEntry{};
    EXPECT_EQ(CMenuItemImagesDlg::Summary(one), QStringLiteral("1 item: -4"));
}

TEST(FrameMenuItemRow, WithoutADialogProviderTheButtonIsOff) {
    SkinSession session;
    PropertyGrid grid;
    CFrameProperty page;
    const int id = AddObjectsCommand::PushNew(session, 3000);
    page.Attach(&session, &grid, nullptr);
    ASSERT_TRUE(page.SelectObject(id));
    PropertyItem* item = grid.findItem(QStringLiteral("MenuItem Images"));
    ASSERT_NE(item, nullptr);
    grid.show();
    grid.setCurrentItem(item);
    QApplication::processEvents();
    auto* editor = qobject_cast<DialogEditor*>(grid.activeEditor());
    ASSERT_NE(editor, nullptr);
    EXPECT_FALSE(editor->dialogButton()->isEnabled());
    EXPECT_FALSE(editor->choose());
}

}  // namespace
