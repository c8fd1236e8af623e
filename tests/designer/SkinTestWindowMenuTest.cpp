// The test window's menu bar opening real menus drawn by the skin, the commands of those menus, and the
// Help and Roll caption buttons, on a skin whose pictures are solid colours.

#include <gtest/gtest.h>

#include <QActionGroup>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QToolBar>
#include <QWhatsThis>

#include <climits>
#include <memory>

#include "../preview/PreviewTestSupport.h"
#include "Resource/ResObjects/ResApp.h"
#include "Resource/ResObjects/ResFrame.h"
#include "Resource/ResObjects/ResSysButton.h"
#include "testskin/SkinStyle.h"
#include "testskin/SkinTestWindow.h"

namespace {

using previewtest::Count;

// Border sizes; the caption spans between the side borders.
constexpr int kSide = 6, kCaption = 24, kBottom = 5, kMenuBar = 23, kTallCaption = 40;
constexpr int kButton = 16, kButtonTop = 4, kHelpRight = 5, kRollRight = 25;
const QColor kTop(200, 30, 30), kBottomColour(90, 90, 10), kMenuNormal(230, 230, 210), kMenuPress(150, 100, 50);
const QColor kPopupBackground(250, 240, 220), kHelpColour(0, 120, 200), kRollColour(200, 120, 0);

SkinSysButton& AddButton(CSkinDocument& doc, const SkinFrame& frame, int type, int farRight, const SkinImageBase& image) {
    auto& b = previewtest::New<SkinSysButton>(doc, 3500);
    b.type = type;
    b.ownerFrameId = frame.ID;
    b.placement.horz = {};
    b.placement.horz.ignore = 0, b.placement.horz.alignType = 2, b.placement.horz.spaceType = 1;
    b.placement.horz.farOffset = farRight;
    b.placement.vert = {};
    b.placement.vert.ignore = 0, b.placement.vert.alignType = 0, b.placement.vert.spaceType = 0;
    b.placement.vert.nearOffset = kButtonTop;
    b.images[0] = image;
    return b;
}

SkinFrame& AddFrame(CSkinDocument& doc, const std::string& tag, int caption, int menuBar) {
    auto& f = previewtest::New<SkinFrame>(doc, 3000);
    f.Caption = tag;
    f.activeTop = previewtest::AddPicture(doc, tag + "top.png", previewtest::Solid(40, caption, kTop));
    f.activeLeft = previewtest::AddPicture(doc, tag + "left.png", previewtest::Solid(kSide, 40, Qt::black));
    f.activeRight = previewtest::AddPicture(doc, tag + "right.png", previewtest::Solid(kSide, 40, Qt::black));
    f.activeBottom = previewtest::AddPicture(doc, tag + "bottom.png", previewtest::Solid(40, kBottom, kBottomColour));
    f.drawIcon = 0;
    f.menuBarHeight = menuBar;
    f.menuBarItemImages[0] = previewtest::AddPicture(doc, tag + "mi0.png", previewtest::Solid(50, 18, kMenuNormal));
    f.menuBarItemImages[1] = previewtest::AddPicture(doc, tag + "mi1.png", previewtest::Solid(50, 18, kMenuPress));
    f.menu.background = previewtest::AddPicture(doc, tag + "menu.png", previewtest::Solid(30, 30, kPopupBackground));
    return f;
}

// Two frames, the second with a taller caption; the first has Help and Roll caption buttons.
std::unique_ptr<CSkinDocument> MakeSkin(int menuBar = kMenuBar) {
    auto doc = std::make_unique<CSkinDocument>();
    doc->Apps().NewItem();
    SkinFrame& first = AddFrame(*doc, "first", kCaption, menuBar);
    AddFrame(*doc, "second", kTallCaption, menuBar);
    AddButton(*doc, first, 4, kHelpRight, previewtest::AddPicture(*doc, "help.png", previewtest::Solid(kButton, kButton, kHelpColour)));
    AddButton(*doc, first, 5, kRollRight, previewtest::AddPicture(*doc, "roll.png", previewtest::Solid(kButton, kButton, kRollColour)));
    return doc;
}

void Mouse(QWidget* w, QEvent::Type type, QPoint pos) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent event(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      held, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &event);
}

void Click(QWidget* w, QPoint pos) {
    Mouse(w, QEvent::MouseButtonPress, pos);
    Mouse(w, QEvent::MouseButtonRelease, pos);
}

// The command of menu whose text, without mnemonic marks and shortcut, is text.
QAction* Command(QMenu* menu, const QString& text) {
    for (QAction* a : menu->actions())
        if (a->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&')) == text) return a;
    return nullptr;
}

class SkinTestWindowMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<CSkinTestWindow>();
        QString error;
        ASSERT_TRUE(window->SetSkin(MakeSkin(), {}, QStringLiteral("Menus"), &error)) << error.toStdString();
        window->setAttribute(Qt::WA_DontShowOnScreen);
        window->resize(400, 300);
        window->show();
    }
    void TearDown() override {
        if (QWhatsThis::inWhatsThisMode()) QWhatsThis::leaveWhatsThisMode();
    }
    QImage Grab() const { return window->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    QRect ButtonRect(int farRight) const {
        return QRect(window->width() - farRight - kButton, kButtonTop, kButton, kButton);
    }
    // Opens the menu at index afresh, the way a click does (a command triggered here leaves it open).
    QMenu* Open(int index) {
        window->OpenMenu(-1);
        window->OpenMenu(index);
        return window->BarMenu(index);
    }

    std::unique_ptr<CSkinTestWindow> window;
};

TEST_F(SkinTestWindowMenuTest, ClickOnTheMenuBarOpensTheMenuUnderTheItem) {
    const QList<QRect> items = window->MenuBarItemRects();
    ASSERT_EQ(items.size(), 5);
    for (int i = 0; i < items.size(); ++i) {
        Click(window.get(), items[i].center());
        QMenu* menu = window->BarMenu(i);
        ASSERT_TRUE(menu);
        EXPECT_TRUE(window->findChildren<QMenu*>().contains(menu));
        EXPECT_TRUE(menu->isVisible()) << i;
        EXPECT_EQ(window->OpenMenuIndex(), i);
        EXPECT_EQ(menu->pos(), window->mapToGlobal(QPoint(items[i].left(), items[i].bottom() + 1))) << i;
        // Drawn by the window's style from the frame: the skin's menu background.
        EXPECT_EQ(menu->style(), window->Style());
        const QImage popup = menu->grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(popup.pixelColor(1, 1), kPopupBackground) << i;
        // Only one menu is open, and its item shows pressed while it is, after the button is let go.
        for (int j = 0; j < items.size(); ++j)
            if (j != i) EXPECT_FALSE(window->BarMenu(j)->isVisible()) << i << " " << j;
        const QImage bar = Grab();
        EXPECT_EQ(bar.pixelColor(items[i].left() + 1, items[i].center().y()), kMenuPress) << i;
        const int other = (i + 1) % items.size();
        EXPECT_EQ(bar.pixelColor(items[other].left() + 1, items[other].center().y()), kMenuNormal) << i;
    }
    // A press on the open menu's own item closes it.
    Click(window.get(), items[4].center());
    EXPECT_FALSE(window->BarMenu(4)->isVisible());
    EXPECT_EQ(window->OpenMenuIndex(), -1);
    EXPECT_EQ(Grab().pixelColor(items[4].left() + 1, items[4].center().y()), kMenuNormal);
}

TEST_F(SkinTestWindowMenuTest, MovingAlongTheBarOrPressingArrowsSwitchesMenus) {
    const QList<QRect> items = window->MenuBarItemRects();
    QMenu* file = Open(0);
    ASSERT_TRUE(file->isVisible());
    // The open menu has the mouse: a move over "Edit" reaches the menu, in global coordinates.
    const QPoint global = window->mapToGlobal(items[1].center());
    QMouseEvent move(QEvent::MouseMove, QPointF(file->mapFromGlobal(global)), QPointF(global), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(file, &move);
    EXPECT_FALSE(file->isVisible());
    EXPECT_TRUE(window->BarMenu(1)->isVisible());
    EXPECT_EQ(window->OpenMenuIndex(), 1);

    // A press on another item opens its menu; on the open menu's own item, closes it.
    auto press = [&](QMenu* menu, int item) {
        const QPoint at = window->mapToGlobal(items[item].center());
        QMouseEvent event(QEvent::MouseButtonPress, QPointF(menu->mapFromGlobal(at)), QPointF(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(menu, &event);
    };
    press(window->BarMenu(1), 3);
    EXPECT_EQ(window->OpenMenuIndex(), 3);
    EXPECT_TRUE(window->BarMenu(3)->isVisible());
    EXPECT_FALSE(window->BarMenu(1)->isVisible());
    press(window->BarMenu(3), 3);
    EXPECT_EQ(window->OpenMenuIndex(), -1);
    EXPECT_FALSE(window->BarMenu(3)->isVisible());

    Open(1);
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QCoreApplication::sendEvent(window->BarMenu(1), &right);
    EXPECT_EQ(window->OpenMenuIndex(), 2);
    QKeyEvent left(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
    QCoreApplication::sendEvent(window->BarMenu(2), &left);
    QCoreApplication::sendEvent(window->BarMenu(1), &left);
    QCoreApplication::sendEvent(window->BarMenu(0), &left);  // round to "Help"
    EXPECT_EQ(window->OpenMenuIndex(), 4);
    EXPECT_TRUE(window->BarMenu(4)->isVisible());
}

TEST_F(SkinTestWindowMenuTest, MenusShowEveryLookAnItemCanHave) {
    QMenu* file = Open(0);
    EXPECT_EQ(file->defaultAction(), Command(file, QStringLiteral("Reload")));
    EXPECT_EQ(Command(file, QStringLiteral("Reload"))->shortcut(), QKeySequence(Qt::Key_F5));
    QMenu* edit = Open(1);
    EXPECT_TRUE(Command(edit, QStringLiteral("Copy"))->text().endsWith(QStringLiteral("\tCtrl+C")));

    QMenu* view = Open(2);
    QAction* frameItem = Command(view, QStringLiteral("Frame"));
    ASSERT_TRUE(frameItem && frameItem->menu());
    const QList<QAction*> frames = frameItem->menu()->actions();
    ASSERT_EQ(frames.size(), 2);
    EXPECT_EQ(frames[0]->text(), QStringLiteral("first"));
    EXPECT_TRUE(frames[0]->isChecked());
    EXPECT_FALSE(frames[1]->isChecked());
    ASSERT_TRUE(frames[0]->actionGroup());
    EXPECT_TRUE(frames[0]->actionGroup()->isExclusive());
    EXPECT_EQ(frames[0]->actionGroup(), frames[1]->actionGroup());
    QAction* toolBar = Command(view, QStringLiteral("Tool Bar"));
    EXPECT_TRUE(toolBar->isCheckable() && toolBar->isChecked());
    bool separator = false;
    for (QAction* a : view->actions()) separator |= a->isSeparator();
    EXPECT_TRUE(separator);

    QMenu* windowMenu = Open(3);
    EXPECT_FALSE(Command(windowMenu, QStringLiteral("Restore"))->isEnabled());
    EXPECT_TRUE(Command(windowMenu, QStringLiteral("Maximise"))->isEnabled());
}

TEST_F(SkinTestWindowMenuTest, CommandsDoWhatTheySay) {
    // View: another frame, the tool bar hidden, the inactive look.
    QMenu* view = Open(2);
    QAction* frameItem = Command(view, QStringLiteral("Frame"));
    frameItem->menu()->actions().at(1)->trigger();
    EXPECT_EQ(window->FrameIndex(), 1);
    EXPECT_EQ(window->Frame(), window->Document()->Frames().At(1));
    view = Open(2);
    EXPECT_TRUE(Command(view, QStringLiteral("Frame"))->menu()->actions().at(1)->isChecked());
    Command(view, QStringLiteral("Tool Bar"))->trigger();
    EXPECT_TRUE(window->ClientPanel()->findChild<QToolBar*>()->isHidden());
    Command(view, QStringLiteral("Inactive Look"))->trigger();
    EXPECT_FALSE(window->ActiveLook());

    // Edit: the focused field's own commands, offered only for a field that has them.
    QLineEdit* field = nullptr;
    for (QLineEdit* e : window->ClientPanel()->findChildren<QLineEdit*>())
        if (e->placeholderText() == QStringLiteral("Line edit")) field = e;
    ASSERT_TRUE(field);
    window->ClientPanel()->setFocus();
    QMenu* edit = Open(1);
    EXPECT_FALSE(Command(edit, QStringLiteral("Select All"))->isEnabled());
    field->setText(QStringLiteral("some text"));
    field->setFocus();
    ASSERT_EQ(window->focusWidget(), field);
    edit = Open(1);
    QAction* selectAll = Command(edit, QStringLiteral("Select All"));
    ASSERT_TRUE(selectAll->isEnabled());
    selectAll->trigger();
    EXPECT_EQ(field->selectedText(), QStringLiteral("some text"));

    // Window: roll up and down, maximise and restore; File: close.
    QMenu* windowMenu = Open(3);
    Command(windowMenu, QStringLiteral("Roll Up"))->trigger();
    EXPECT_TRUE(window->IsRolledUp());
    Command(windowMenu, QStringLiteral("Maximise"))->trigger();
    EXPECT_FALSE(window->IsRolledUp());
    EXPECT_TRUE(window->isMaximized());
    windowMenu = Open(3);
    Command(windowMenu, QStringLiteral("Restore"))->trigger();
    EXPECT_FALSE(window->isMaximized());
    Command(Open(0), QStringLiteral("Close"))->trigger();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(SkinTestWindowMenuTest, RollButtonRollsUpToTheCaptionAndBackDown) {
    const int width = window->width();
    Click(window.get(), ButtonRect(kRollRight).center());
    ASSERT_TRUE(window->IsRolledUp());
    const int rolled = kCaption + kMenuBar + kBottom;
    EXPECT_EQ(window->height(), rolled);
    EXPECT_EQ(window->width(), width);
    EXPECT_EQ(window->RolledHeight(), rolled);
    // The bottom border closes the window right under the menu bar; the client panel has no room.
    const QImage image = Grab();
    EXPECT_EQ(image.pixelColor(width / 2, rolled - 1), kBottomColour);
    EXPECT_EQ(image.pixelColor(width / 2, kCaption + kMenuBar - 1), image.pixelColor(width / 2, kCaption + 1));
    EXPECT_TRUE(window->ClientPanel()->geometry().isEmpty());
    // A frame with a taller caption rolls to its own height.
    ASSERT_TRUE(window->ShowFrameAt(1));
    EXPECT_EQ(window->height(), kTallCaption + kMenuBar + kBottom);
    ASSERT_TRUE(window->ShowFrameAt(0));

    Click(window.get(), ButtonRect(kRollRight).center());
    EXPECT_FALSE(window->IsRolledUp());
    EXPECT_EQ(window->height(), 300);
    EXPECT_EQ(window->width(), width);
    EXPECT_FALSE(window->ClientPanel()->geometry().isEmpty());
    // The window can be made shorter again as before.
    window->resize(width, 150);
    EXPECT_EQ(window->height(), 150);
}

TEST_F(SkinTestWindowMenuTest, RollingNeverGrowsTheWindow) {
    ASSERT_TRUE(window->SetSkin(MakeSkin(INT_MAX), {}, QStringLiteral("Tall")));
    window->SetRolledUp(true);
    EXPECT_EQ(window->height(), 300);
    window->SetRolledUp(false);
    ASSERT_TRUE(window->SetSkin(MakeSkin(-40), {}, QStringLiteral("Negative")));
    window->SetRolledUp(true);
    EXPECT_EQ(window->height(), kCaption + kBottom);
    window->SetRolledUp(false);
    EXPECT_EQ(window->height(), 300);
}

TEST_F(SkinTestWindowMenuTest, HelpButtonEntersWhatsThisMode) {
    const QImage image = Grab();
    EXPECT_EQ(Count(image, ButtonRect(kHelpRight), kHelpColour), kButton * kButton);
    ASSERT_FALSE(QWhatsThis::inWhatsThisMode());
    Click(window.get(), ButtonRect(kHelpRight).center());
    EXPECT_TRUE(QWhatsThis::inWhatsThisMode());
    EXPECT_FALSE(window->IsRolledUp());
}

}  // namespace
