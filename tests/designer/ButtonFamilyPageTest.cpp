// The button, caption-button, tool-window and free-frame pages: their grids (categories, captions and
// order), each row writing its own member in one undoable step, the button page's preview state chosen by
// "State" and by pressing the mouse on the preview, its page-only preview size, the caption button's states
// each editing the entries stored under its own name, and the free frame sized by its background.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>

#include <array>

#include "ImageTestSupport.h"
#include "Resource/ResObjects/ResButton.h"
#include "Resource/ResObjects/ResFreeFrame.h"
#include "Resource/ResObjects/ResSysButton.h"
#include "Resource/ResObjects/ResToolWindow.h"
#include "PageTestSupport.h"
#include "ScriptedDialogs.h"
#include "designer/ChildView.h"
#include "designer/MainFrame.h"
#include "designer/ProjectArea.h"
#include "designer/PropertyArea.h"
#include "designer/SkinSession.h"
#include "designer/pages/ButtonProperty.h"
#include "designer/pages/FreeFrameProp.h"
#include "designer/pages/SysButtonProperty.h"
#include "designer/pages/ToolWindowProperty.h"
#include "designer/propertygrid/ImageItem.h"
#include "designer/propertygrid/MarginItem.h"
#include "designer/propertygrid/PropertyGrid.h"
#include "designer/propertygrid/PropertyValueTypes.h"
#include "designer/propertygrid/TextStyleItem.h"

using namespace vd;

namespace {

using pagetest::Captions;
using pagetest::Chosen;
using pagetest::EnumCaptions;

// ---- buttons ----

using ButtonPage = pagetest::PageFixture<CButtonProperty, 2000>;

TEST_F(ButtonPage, GridCategoriesRowsAndStateLabels) {
    EXPECT_EQ(topLevel(), QStringList({"General", "Appearance", "Action"}));
    EXPECT_EQ(Captions(row("General")), QStringList({"ResourceID", "Name"}));
    EXPECT_EQ(Captions(row("Appearance")), QStringList({"Position", "Normal", "Pressed", "Highlighted", "Disabled",
                                                        "Default", "Font", "ToolTip", "Skinable", "DrawText"}));
    for (const char* state : {"Normal", "Pressed", "Highlighted", "Disabled", "Default"}) {
        EXPECT_TRUE(row(QStringLiteral("Appearance/") + state)->isCategory()) << state;
        EXPECT_EQ(Captions(row(QStringLiteral("Appearance/") + state)), QStringList({"Image", "TextStyle"})) << state;
    }
    EXPECT_EQ(Captions(row("Action")), QStringList({"State"}));
    EXPECT_EQ(EnumCaptions(row("Action/State")),
              QStringList({"Normal=0", "Pressed=1", "Disabled=2", "Highlighted=3", "Default=4"}));
    for (const char* category : {"General", "Appearance", "Action"}) EXPECT_TRUE(row(category)->isExpanded());
}

TEST_F(ButtonPage, EachStateGroupEditsItsOwnEntry) {
    expectStateGroupsEditTheirEntries(&SkinButtonStruct::images, &SkinButtonStruct::styles);
}

TEST_F(ButtonPage, FlagsFontAndTooltipWriteTheirMembers) {
    commit("Appearance/Skinable", false);
    commit("Appearance/DrawText", false);
    commit("Appearance/ToolTip", QStringLiteral("Press me"));
    LogFont font;
    font.faceName = "Courier New";
    font.weight = 700;
    commit("Appearance/Font", QVariant::fromValue(font));
    EXPECT_EQ(record().skinnable, 0);
    EXPECT_EQ(record().drawText, 0);
    EXPECT_EQ(record().tooltip, "Press me");
    EXPECT_EQ(record().font, font);
    session.UndoStack().undo();
    EXPECT_EQ(record().font, LogFont{});
    EXPECT_EQ(record().tooltip, "Press me");
}

TEST_F(ButtonPage, TheMarginOfThePositionIsOneStep) {
    auto* margin = static_cast<MarginItem*>(row("Appearance/Position/Margin"));
    ASSERT_NE(margin, nullptr);
    commit("Appearance/Position/Margin", QVariant::fromValue(QMargins(4, 5, 6, 7)));
    const SkinPlacement& p = record().placement;
    EXPECT_EQ(p.horz.nearOffset, 4);
    EXPECT_EQ(p.vert.nearOffset, 5);
    EXPECT_EQ(p.horz.farOffset, 6);
    EXPECT_EQ(p.vert.farOffset, 7);
    commit("Appearance/Position/Size", QSize(40, 21));
    EXPECT_EQ(p.horz.sizeValue, 40);
    EXPECT_EQ(p.vert.sizeValue, 21);
    commit("Appearance/Position/HorzAlign", 2);
    commit("Appearance/Position/Vert Ignore", false);
    EXPECT_EQ(p.horz.alignType, 2);
    EXPECT_EQ(p.vert.ignore, 0);
    EXPECT_EQ(p.horz.ignore, 1);
    for (int i = 0; i < 4; ++i) session.UndoStack().undo();
    EXPECT_EQ(record().placement, SkinPlacement{});
}

TEST_F(ButtonPage, StateRowChoosesThePreviewWithoutTouchingTheButton) {
    const SkinButtonStruct before = record();
    EXPECT_EQ(shownState(), 0);
    ASSERT_TRUE(grid.commitValue(row("Action/State"), 3));
    EXPECT_EQ(shownState(), 3);
    EXPECT_EQ(page.PreviewState(), 3);
    EXPECT_EQ(session.UndoStack().count(), steps) << "not a change of the skin";
    EXPECT_EQ(record(), before);
}

TEST_F(ButtonPage, PressingInsideShowsPressedUntilReleaseThenNormal) {
    page.SetPreviewRect(Rect{100, 100, 200, 130});
    ASSERT_TRUE(grid.commitValue(row("Action/State"), 2));  // Disabled

    EXPECT_EQ(page.OnLButtonDown(QPoint(10, 10)), -1);
    EXPECT_EQ(shownState(), 2) << "pressed outside the preview";
    page.OnLButtonUp(QPoint(10, 10));
    ASSERT_TRUE(grid.commitValue(row("Action/State"), 2));

    EXPECT_EQ(page.OnLButtonDown(QPoint(150, 115)), -1);
    EXPECT_EQ(shownState(), 1);
    ASSERT_TRUE(grid.commitValue(row("Action/State"), 3));
    EXPECT_EQ(shownState(), 1) << "whatever State says while the mouse is down";
    EXPECT_EQ(page.OnLButtonUp(QPoint(400, 400)), -1);
    EXPECT_EQ(shownState(), 0);
    EXPECT_EQ(row("Action/State")->value().toInt(), 0);
    EXPECT_EQ(row("Action/State")->displayText(), QStringLiteral("Normal"));
}

TEST_F(ButtonPage, ThePreviewDrawsTheShownStatesPicture) {
    const std::array<QColor, 5> colours = {QColor(200, 0, 0), QColor(0, 200, 0), QColor(0, 0, 200),
                                           QColor(200, 200, 0), QColor(0, 200, 200)};
    SkinButtonStruct edited = record();
    for (size_t i = 0; i < 5; ++i) {
        const std::string name = "s" + std::to_string(i) + ".png";
        imagetest::AddPicture(session, name, 10, 10, colours[i]);
        edited.images[i] = Chosen(name, 9, 9);
        edited.images[i].image = session.Document().PictureImageByName(name);
        edited.images[i].left = edited.images[i].top = 1;  // inside the picture's black frame
        edited.images[i].leftWidth = 0;
    }
    edited.drawText = 0;
    record() = edited;  // set up directly: this test is about drawing, not editing
    page.SetPreviewRect(Rect{0, 0, 100, 30});
    auto centre = [&] { return drawPreview(QSize(100, 30)).pixelColor(50, 15); };
    EXPECT_EQ(centre(), colours[0]);
    ASSERT_TRUE(grid.commitValue(row("Action/State"), 3));
    EXPECT_EQ(centre(), colours[3]);
    page.OnLButtonDown(QPoint(50, 15));
    EXPECT_EQ(centre(), colours[1]);
    page.OnLButtonUp(QPoint(50, 15));
    EXPECT_EQ(centre(), colours[0]);
}

TEST_F(ButtonPage, PreviewSizeBelongsToThePage) {
    EXPECT_EQ(page.PreviewSize(), QSize(100, 30));
    EXPECT_EQ(record().previewWidth, 200);
    page.StorePreviewSize(QSize(140, 44));
    EXPECT_EQ(page.PreviewSize(), QSize(140, 44));
    EXPECT_EQ(record().previewWidth, 200);
    EXPECT_EQ(record().previewHeight, 50);
    EXPECT_EQ(session.UndoStack().count(), steps);
    ASSERT_TRUE(page.SelectObject(id));
    EXPECT_EQ(page.PreviewSize(), QSize(100, 30)) << "every button opens at 100 x 30";
}

// ---- caption buttons ----

using CaptionButtonPage = pagetest::PageFixture<CSysButtonProperty, 3500>;

// The stored order of the seven states, which the file keys follow.
const char* const kStored[] = {"ActiveNormal",   "ActivePress",      "ActiveDisabled",     "ActiveHighlighted",
                               "InactiveNormal", "InactiveDisabled", "InactiveHighlighted"};

TEST_F(CaptionButtonPage, GridCategoriesAndRows) {
    EXPECT_EQ(topLevel(), QStringList({"General", "Appearance"}));
    EXPECT_EQ(Captions(row("General")), QStringList({"ResourceID", "OwnerFrameResID", "Name"}));
    EXPECT_EQ(Captions(row("Appearance")),
              QStringList({"Position", "ActiveNormal", "ActivePress", "ActiveHighlighted", "ActiveDisabled",
                           "InactiveNormal", "InactiveHighlighted", "InactiveDisabled", "Type", "Font", "ToolTip",
                           "DrawText"}));
    for (const char* state : kStored)
        EXPECT_EQ(Captions(row(QStringLiteral("Appearance/") + state)), QStringList({"Image", "Glyph", "TextStyle"}));
    EXPECT_EQ(EnumCaptions(row("Appearance/Type")),
              QStringList({"Close=0", "Maximize=1", "Restore=2", "Minimize=3", "Help=4", "Roll=5", "Min-Close=6",
                           "Min-Max=7", "Min-Restore=8", "Custom=9"}));
    EXPECT_EQ(page.PreviewSize(), QSize(200, 50)) << "the record's own size";
    EXPECT_EQ(page.OnLButtonDown(QPoint(10, 10)), -1);
}

TEST_F(CaptionButtonPage, EveryStateEditsTheEntriesStoredUnderItsOwnName) {
    for (size_t index = 0; index < 7; ++index) {
        const QString group = QStringLiteral("Appearance/") + kStored[index];
        const SkinSysButton before = record();
        commit(group + QStringLiteral("/Image"), QVariant::fromValue(Chosen("img" + std::to_string(index) + ".png")));
        commit(group + QStringLiteral("/Glyph"), QVariant::fromValue(Chosen("gly" + std::to_string(index) + ".png")));
        SkinTextStyle style = SkinTextStyle::Fresh(session.Document().Env());
        style.horzAlign = 0;
        style.leftOffset = static_cast<int>(index) + 1;
        commit(group + QStringLiteral("/TextStyle"), QVariant::fromValue(style));
        SkinSysButton expected = before;
        expected.images[index] = Chosen("img" + std::to_string(index) + ".png");
        expected.glyphs[index] = Chosen("gly" + std::to_string(index) + ".png");
        expected.styles[index] = style;
        // A caption button's preview size follows the last chosen rectangle (11 x 7).
        expected.previewWidth = 11;
        expected.previewHeight = 7;
        EXPECT_EQ(record(), expected) << kStored[index];
    }
}

TEST_F(CaptionButtonPage, SavingWritesTheHighlightedKeysAndEachInactiveStatesOwn) {
    commit("Appearance/ActiveHighlighted/Image", QVariant::fromValue(Chosen("hl.png")));
    commit("Appearance/ActiveHighlighted/Glyph", QVariant::fromValue(Chosen("hlglyph.png")));
    commit("Appearance/InactiveHighlighted/Image", QVariant::fromValue(Chosen("ih.png")));
    commit("Appearance/InactiveDisabled/Glyph", QVariant::fromValue(Chosen("idglyph.png")));
    const std::string text = session.Document().SaveConfigText();
    for (const char* line : {"1ActiveHighlightedImg=hl.png", "1AHGlyphImg=hlglyph.png",
                             "1InactiveHighlightedImg=ih.png", "1IDGlyphImg=idglyph.png"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
    for (const char* key : {"1InactiveNormalImg", "1INGlyphImg", "1ActiveNormalImg", "1ANGlyphImg"})
        EXPECT_EQ(text.find(key), std::string::npos) << key;
}

TEST_F(CaptionButtonPage, OwnerResIdTypeTooltipAndFlag) {
    commit("General/OwnerFrameResID", 1234);
    commit("Appearance/Type", 6);
    commit("Appearance/ToolTip", QStringLiteral("Close it"));
    commit("Appearance/DrawText", false);
    EXPECT_EQ(record().ownerResId, 1234);
    EXPECT_EQ(record().type, 6);
    EXPECT_EQ(row("Appearance/Type")->displayText(), QStringLiteral("Min-Close"));
    EXPECT_EQ(record().tooltip, "Close it");
    EXPECT_EQ(record().drawText, 0);
}

// ---- tool windows ----

using ToolWindowPage = pagetest::PageFixture<CToolWindowProperty, 18000>;

TEST_F(ToolWindowPage, GridCategoriesAndRows) {
    EXPECT_EQ(topLevel(), QStringList({"General", "Appearance"}));
    EXPECT_EQ(Captions(row("General")), QStringList({"ResourceID", "Name"}));
    EXPECT_EQ(Captions(row("Appearance")),
              QStringList({"Left", "Right", "Top", "Bottom", "Margins", "Background Color", "Background Image",
                           "Caption", "Caption Font", "Caption TextStyle", "Caption InactiveTextStyle"}));
    EXPECT_EQ(Captions(row("Appearance/Left")), QStringList({"ActiveLeft", "InactiveLeft"}));
    EXPECT_EQ(Captions(row("Appearance/Bottom")), QStringList({"ActiveBottom", "InactiveBottom"}));
    EXPECT_EQ(row("Appearance/Margins")->displayText(), QStringLiteral("5; 20; 5; 5"));
}

TEST_F(ToolWindowPage, RowsWriteTheirMembers) {
    commit("Appearance/Right/InactiveRight", QVariant::fromValue(Chosen("ir.png")));
    commit("Appearance/Top/ActiveTop", QVariant::fromValue(Chosen("at.png")));
    commit("Appearance/Margins", QVariant::fromValue(QMargins(3, 18, 4, 6)));
    commit("Appearance/Background Color", QVariant::fromValue(Color(9, 8, 7)));
    commit("Appearance/Background Image", QVariant::fromValue(Chosen("bk.png")));
    commit("Appearance/Caption", QStringLiteral("Tools"));
    SkinTextStyle inactive = SkinTextStyle::Fresh(session.Document().Env());
    inactive.textColor = Color(128, 128, 128);
    commit("Appearance/Caption InactiveTextStyle", QVariant::fromValue(inactive));
    LogFont font;
    font.height = -16;
    commit("Appearance/Caption Font", QVariant::fromValue(font));
    const SkinToolWindow& w = record();
    EXPECT_EQ(w.inactiveRight, Chosen("ir.png"));
    EXPECT_EQ(w.activeTop, Chosen("at.png"));
    EXPECT_EQ(w.activeRight, SkinImageBase{});
    EXPECT_EQ(w.leftMargin, 3);
    EXPECT_EQ(w.topMargin, 18);
    EXPECT_EQ(w.rightMargin, 4);
    EXPECT_EQ(w.bottomMargin, 6);
    EXPECT_EQ(w.background, Color(9, 8, 7));
    EXPECT_EQ(w.backgroundImage, Chosen("bk.png"));
    EXPECT_EQ(w.Caption, "Tools");
    EXPECT_EQ(w.captionInactive, inactive);
    EXPECT_EQ(w.captionActive, SkinTextStyle::Fresh(session.Document().Env()));
    EXPECT_EQ(w.captionFont, font);
    EXPECT_EQ(w.previewWidth, 300) << "a tool window's preview size does not follow its pictures";
    EXPECT_EQ(page.PreviewSize(), QSize(300, 200));
}

// ---- free frames ----

using FreeFramePage = pagetest::PageFixture<CFreeFrameProp, 26000>;

TEST_F(FreeFramePage, GridCategoriesAndRows) {
    EXPECT_EQ(topLevel(), QStringList({"General", "Appearance"}));
    EXPECT_EQ(Captions(row("General")), QStringList({"ResourceID", "Name"}));
    EXPECT_EQ(Captions(row("Appearance")), QStringList({"BackImage", "Transparent Color", "Transparency"}));
    EXPECT_EQ(Captions(row("Appearance/BackImage")), QStringList({"Active", "Inactive"}));
}

TEST_F(FreeFramePage, TheActiveBackgroundGivesThePreviewItsSize) {
    imagetest::AddPicture(session, "Shape.png", 80, 60, QColor(0, 255, 0));
    EXPECT_EQ(page.PreviewSize(), QSize(200, 200));
    EXPECT_TRUE(page.IsResizable());

    commit("Appearance/BackImage/Inactive", QVariant::fromValue(Chosen("Shape.png", 40, 30)));
    EXPECT_EQ(page.PreviewSize(), QSize(200, 200)) << "the inactive background does not size the preview";
    commit("Appearance/BackImage/Active", QVariant::fromValue(Chosen("Shape.png", 71, 52)));
    EXPECT_EQ(record().activeBk.image, session.Document().PictureImageByName("Shape.png"));
    EXPECT_EQ(page.PreviewSize(), QSize(70, 50));
    EXPECT_FALSE(page.IsResizable());
    session.UndoStack().undo();
    EXPECT_EQ(page.PreviewSize(), QSize(200, 200));
    EXPECT_TRUE(page.IsResizable());
}

TEST_F(FreeFramePage, KeyColourAndTransparency) {
    commit("Appearance/Transparent Color", QVariant::fromValue(Color(0, 255, 0)));
    EXPECT_EQ(record().transparentKey, Color(0, 255, 0));
    commit("Appearance/Transparency", 128);
    EXPECT_EQ(record().transparency, 128);
    commit("Appearance/Transparency", 1000);
    EXPECT_EQ(record().transparency, 255) << "255 is opaque; nothing lies beyond";
    const std::string text = session.Document().SaveConfigText();
    EXPECT_NE(text.find("1clrTrans=0 255 0"), std::string::npos);
    EXPECT_EQ(text.find("1Transparency"), std::string::npos) << "255 is the default";
}

// ---- in the main window ----

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

class ButtonFamilyInWindow : public ::testing::Test {
protected:
    void SetUp() override {
        frame = std::make_unique<CMainFrame>(&dialogs, dir.filePath(QStringLiteral("settings.ini")));
        frame->resize(1200, 800);
        frame->show();
    }
    PropertyGrid* grid() const { return frame->PropertyArea()->Grid(); }
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    std::unique_ptr<CMainFrame> frame;
};

TEST_F(ButtonFamilyInWindow, AFreeFramesNewBackgroundGivesTheViewItsSize) {
    imagetest::AddPicture(frame->Session(), "Shape.png", 80, 60, QColor(0, 255, 0));
    const int id = frame->ProjectArea()->CreateObject(26000);
    frame->ProjectArea()->OpenObject(id);
    QCoreApplication::processEvents();
    CChildView* view = frame->View();
    ASSERT_NE(view->Page(), nullptr);
    EXPECT_EQ(view->Page()->PreviewRect().Width(), 200);
    PropertyItem* active = grid()->findItem(QStringLiteral("Active"));
    ASSERT_NE(active, nullptr);
    ASSERT_TRUE(grid()->commitValue(active, QVariant::fromValue(Chosen("Shape.png", 71, 52))));
    const Rect rc = view->Page()->PreviewRect();
    EXPECT_EQ(QSize(rc.Width(), rc.Height()), QSize(70, 50));
    EXPECT_EQ(view->ScrollSize(), QSize(74, 54));
    frame->Session().UndoStack().undo();
    EXPECT_EQ(view->Page()->PreviewRect().Width(), 200);
}

TEST_F(ButtonFamilyInWindow, TheStateRowRepaintsTheView) {
    const int id = frame->ProjectArea()->CreateObject(2000);
    frame->ProjectArea()->OpenObject(id);
    QCoreApplication::processEvents();
    CChildView* view = frame->View();
    ASSERT_NE(view->Page(), nullptr);
    EXPECT_EQ(view->Page()->PreviewRect().Width(), 100);
    PaintCounter counter;
    view->viewport()->installEventFilter(&counter);
    QCoreApplication::processEvents();
    counter.paints = 0;
    PropertyItem* state = grid()->findItem(QStringLiteral("State"));
    ASSERT_NE(state, nullptr);
    ASSERT_TRUE(grid()->commitValue(state, 3));
    QCoreApplication::processEvents();
    EXPECT_GT(counter.paints, 0);
    view->viewport()->removeEventFilter(&counter);
}

// The whole window on a tool window with a Close button placed through its "Position" rows; with
// VORNADESK_SCREENSHOT set to a file name the window is also saved there.
TEST_F(ButtonFamilyInWindow, AToolWindowsPreviewInTheViewShowsItsCloseButton) {
    imagetest::AddPicture(frame->Session(), "Close.png", 24, 20, QColor(230, 20, 20));
    CProjectArea* tree = frame->ProjectArea();
    const int window = tree->CreateObject(18000);
    const int close = tree->CreateOwned(3500, window);
    ASSERT_NE(close, 0);
    tree->ShowProperties(close);
    auto set = [&](const char* caption, const QVariant& value) {
        PropertyItem* item = grid()->findItem(QString::fromLatin1(caption));
        ASSERT_NE(item, nullptr) << caption;
        grid()->commitValue(item, value);
    };
    set("Image", QVariant::fromValue(Chosen("Close.png", 21, 16)));  // inside the picture's frame
    set("Horz Ignore", false);
    set("HorzAlign", 2);
    set("Horz Space", 3);
    set("Vert Ignore", false);
    set("VertAlign", 0);
    set("Vert Space", 3);
    set("Margin", QVariant::fromValue(QMargins(0, 3, 10, 0)));
    set("Size", QSize(21, 16));
    tree->OpenObject(window);
    QCoreApplication::processEvents();
    CChildView* view = frame->View();
    ASSERT_NE(view->Page(), nullptr);
    const Rect rc = view->Page()->PreviewRect();
    ASSERT_EQ(QSize(rc.Width(), rc.Height()), QSize(300, 200));
    const QImage shown = view->Render();
    // Anchored right, 10 from the edge, 21 wide: x from 269; 3 from the top, 16 high.
    const QColor red(230, 20, 20);
    EXPECT_EQ(shown.pixelColor(rc.left + 269, rc.top + 3), red);
    EXPECT_EQ(shown.pixelColor(rc.left + 289, rc.top + 18), red);
    EXPECT_NE(shown.pixelColor(rc.left + 268, rc.top + 10), red);
    EXPECT_NE(shown.pixelColor(rc.left + 290, rc.top + 10), red);
    const QString file = qEnvironmentVariable("VORNADESK_SCREENSHOT");
    if (!file.isEmpty()) frame->grab().toImage().save(file);
}

}  // namespace
