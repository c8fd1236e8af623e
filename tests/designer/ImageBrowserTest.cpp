// The Skin Image Editor: the picture list and its limits on the numbers, the menu's check marks and
// enabled states, Copy/Paste Selection with the run-long buffer, Select All and the two resets, zoom,
// Open Image, the live preview and the warning line, OK/Cancel through the dialog provider, that a closed
// editor receives nothing from its page, and that numbers outside the spins' ranges come back as they were
// unless the user changed them.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>

#include "ImageTestSupport.h"
#include "ScriptedDialogs.h"
#include "designer/DialogProvider.h"
#include "designer/dialogs/ExactSpinBox.h"
#include "designer/dialogs/ImageBrowser.h"
#include "designer/dialogs/ImageCanvas.h"
#include "designer/dialogs/SelectionClipboard.h"
#include "designer/dialogs/SlicePreview.h"
#include "designer/pages/PictureProperty.h"

namespace {

using M = CImageBrowserMenu;
const std::array<EdgeMode, 5> kModes{EdgeMode::Left, EdgeMode::Right, EdgeMode::Top, EdgeMode::Bottom, EdgeMode::Client};

SkinImageBase Reference(const std::string& name) {
    SkinImageBase r;
    r.name = name;
    r.left = 2, r.top = 3, r.right = 30, r.bottom = 20;
    r.leftWidth = 4, r.topHeight = 5, r.rightWidth = 6, r.bottomHeight = 7;
    r.leftMode = 1, r.topMode = 0, r.rightMode = 1, r.bottomMode = 0, r.centerMode = 1;
    return r;
}

class ImageBrowserTest : public ::testing::Test {
protected:
    void SetUp() override {
        frame = imagetest::AddPicture(session, "Frame.png", 40, 30, QColor(200, 120, 20))->ID;
        glow = imagetest::AddPicture(session, "Glow.png", 16, 12, QColor(20, 120, 200))->ID;
        browser = std::make_unique<CImageBrowser>(session, dialogs, clipboard);
    }
    bool Checked(int command) const { return browser->Menu().Action(command)->isChecked(); }
    QListWidgetItem* Selected() const {
        const auto items = browser->PictureList()->selectedItems();
        return items.isEmpty() ? nullptr : items.first();
    }

    SkinSession session;
    ScriptedDialogs dialogs;
    CSelectionClipboard clipboard;
    std::unique_ptr<CImageBrowser> browser;
    int frame = 0;
    int glow = 0;
};

TEST_F(ImageBrowserTest, ListsThePicturesWithTheirIds) {
    EXPECT_EQ(browser->windowTitle(), QStringLiteral("Skin Image Editor"));
    QListWidget* list = browser->PictureList();
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text(), QStringLiteral("Frame.png"));
    EXPECT_EQ(list->item(0)->data(Qt::UserRole).toInt(), frame);
    EXPECT_EQ(list->item(1)->data(Qt::UserRole).toInt(), glow);
    EXPECT_EQ(Selected(), nullptr);
    EXPECT_EQ(browser->Canvas()->PicturePage(), nullptr);
}

TEST_F(ImageBrowserTest, AnExistingPictureIsSelectedIgnoringCaseAndLimitsRightAndBottom) {
    browser->SetImage(Reference("frame.PNG"));
    ASSERT_NE(Selected(), nullptr);
    EXPECT_EQ(Selected()->data(Qt::UserRole).toInt(), frame);
    ASSERT_NE(browser->Canvas()->PicturePage(), nullptr);
    EXPECT_EQ(browser->PictureSize(), QSize(40, 30));
    EXPECT_EQ(browser->SelectionSpin(2)->maximum(), 40);
    EXPECT_EQ(browser->SelectionSpin(3)->maximum(), 30);
    EXPECT_EQ(browser->SelectionSpin(0)->maximum(), 99999);
    EXPECT_EQ(browser->SelectionSpin(1)->maximum(), 99999);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(browser->MarginSpin(i)->maximum(), 99999);
    SkinImageBase expected = Reference("Frame.png");  // the list's spelling
    EXPECT_EQ(browser->Image(), expected);
    EXPECT_EQ(browser->Page().Selection(), (Rect{2, 3, 30, 20}));
    EXPECT_EQ(browser->Page().Margins(), (Rect{4, 5, 6, 7}));

    // A smaller picture cuts the right and bottom edges to its size.
    browser->PictureList()->item(1)->setSelected(true);
    EXPECT_EQ(browser->SelectionSpin(2)->maximum(), 16);
    EXPECT_EQ(browser->Image().right, 16);
    EXPECT_EQ(browser->Image().bottom, 12);
    EXPECT_EQ(browser->Image().name, "Glow.png");
}

TEST_F(ImageBrowserTest, AMissingPictureSelectsNothingButKeepsItsName) {
    browser->SetImage(Reference("Gone.png"));
    EXPECT_EQ(Selected(), nullptr);
    EXPECT_EQ(browser->Canvas()->PicturePage(), nullptr);
    EXPECT_EQ(browser->Image(), Reference("Gone.png"));
}

TEST_F(ImageBrowserTest, StretchAllAndTitleAllCheckThemselvesAndOneEdgeClearsBoth) {
    browser->SetImage(Reference("Frame.png"));
    EXPECT_FALSE(Checked(M::kStretchAll));
    EXPECT_FALSE(Checked(M::kTileAll));
    browser->RunCommand(M::kStretchAll);
    EXPECT_TRUE(Checked(M::kStretchAll));
    EXPECT_FALSE(Checked(M::kTileAll));
    for (EdgeMode m : kModes) {
        EXPECT_TRUE(browser->ModeButton(m)->isChecked());
        EXPECT_EQ(ModeOf(browser->Image(), m), 1);
    }
    for (int c : {M::kLeftEdge, M::kRightEdge, M::kTopEdge, M::kBottomEdge, M::kClientArea}) EXPECT_TRUE(Checked(c));

    browser->RunCommand(M::kTopEdge);
    EXPECT_FALSE(Checked(M::kStretchAll));
    EXPECT_FALSE(Checked(M::kTileAll));
    EXPECT_FALSE(Checked(M::kTopEdge));
    EXPECT_FALSE(browser->ModeButton(EdgeMode::Top)->isChecked());
    EXPECT_EQ(browser->Image().topMode, 0);

    browser->RunCommand(M::kTileAll);
    EXPECT_TRUE(Checked(M::kTileAll));
    EXPECT_FALSE(Checked(M::kStretchAll));
    for (EdgeMode m : kModes) EXPECT_EQ(ModeOf(browser->Image(), m), 0);

    // The "<>" buttons toggle the same fields.
    browser->ModeButton(EdgeMode::Client)->click();
    EXPECT_EQ(browser->Image().centerMode, 1);
    EXPECT_TRUE(Checked(M::kClientArea));
    EXPECT_FALSE(Checked(M::kTileAll));
}

TEST_F(ImageBrowserTest, ZoomChecksExactlyItsEntry) {
    browser->SetImage(Reference("Frame.png"));
    EXPECT_TRUE(Checked(M::kZoom100));
    browser->RunCommand(M::kZoom1600);
    EXPECT_EQ(browser->Zoom(), 1600);
    for (const auto& [command, percent] : M::ZoomCommands()) EXPECT_EQ(Checked(command), percent == 1600) << percent;
    EXPECT_EQ(browser->Page().ZoomFactor(), 16);
    EXPECT_EQ(browser->Canvas()->ScrollSize(), QSize(640, 480));
    browser->SetZoom(300);  // not a level: ignored
    EXPECT_EQ(browser->Zoom(), 1600);
}

TEST_F(ImageBrowserTest, MenuTextsAndShortcuts) {
    EXPECT_EQ(browser->Menu().Action(M::kOpenImage)->text(), QStringLiteral("&Open Image\tCtrl+O"));
    EXPECT_EQ(browser->Menu().Action(M::kExit)->text(), QStringLiteral("E&xit\tEsc"));
    EXPECT_EQ(browser->Menu().Action(M::kResetSelection)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Del")));
    EXPECT_EQ(browser->Menu().Action(M::kTileAll)->text(), QStringLiteral("Title All"));
    EXPECT_EQ(browser->Menu().Action(M::kZoom1200)->text(), QStringLiteral("1200%\tCtrl+9"));
    EXPECT_EQ(browser->Menu().Action(M::kZoom1600)->shortcut(), QKeySequence(QStringLiteral("Ctrl+0")));
}

TEST_F(ImageBrowserTest, PasteBeforeAnyCopyRestoresAnAllZeroSelectionAndNoPicture) {
    browser->SetImage(Reference("Frame.png"));
    EXPECT_TRUE(browser->Menu().Action(M::kPasteSelection)->isEnabled());
    browser->RunCommand(M::kPasteSelection);
    SkinImageBase zero;
    zero.right = 0;
    zero.bottom = 0;
    EXPECT_EQ(browser->Image(), zero);
    EXPECT_EQ(Selected(), nullptr);
    EXPECT_EQ(browser->Canvas()->PicturePage(), nullptr);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(browser->SelectionSpin(i)->value(), 0);
}

TEST_F(ImageBrowserTest, CopyInOneEditorPastesInTheNext) {
    browser->SetImage(Reference("Frame.png"));
    browser->RunCommand(M::kStretchAll);
    browser->RunCommand(M::kCopySelection);
    SkinImageBase copied = Reference("Frame.png");
    copied.leftMode = copied.rightMode = copied.topMode = copied.bottomMode = copied.centerMode = 1;

    CImageBrowser next(session, dialogs, clipboard);
    next.SetImage(Reference("Glow.png"));
    next.RunCommand(M::kPasteSelection);
    EXPECT_EQ(next.Image(), copied);
    ASSERT_FALSE(next.PictureList()->selectedItems().isEmpty());
    EXPECT_EQ(next.PictureList()->selectedItems().first()->data(Qt::UserRole).toInt(), frame);
    EXPECT_EQ(next.Page().Selection(), (Rect{2, 3, 30, 20}));
    EXPECT_EQ(next.SelectionSpin(2)->maximum(), 40);

    clipboard.Reset();
    EXPECT_EQ(clipboard.Content().right, 0);
    EXPECT_TRUE(clipboard.CanPaste());
}

TEST_F(ImageBrowserTest, SelectAllTakesThePictureAndDoesNothingWithout) {
    browser->SetImage(Reference("Gone.png"));
    browser->RunCommand(M::kSelectAll);
    EXPECT_EQ(browser->Image(), Reference("Gone.png"));
    browser->PictureList()->item(1)->setSelected(true);
    browser->RunCommand(M::kSelectAll);
    EXPECT_EQ(browser->Image().Source(), (Rect{0, 0, 16, 12}));
    EXPECT_EQ(browser->Page().Selection(), (Rect{0, 0, 16, 12}));
}

TEST_F(ImageBrowserTest, ResetSelectionKeepsThePictureTheResetButtonDropsIt) {
    browser->SetImage(Reference("Frame.png"));
    browser->RunCommand(M::kResetSelection);
    EXPECT_EQ(browser->Image().Source(), (Rect{0, 0, 20, 20}));
    EXPECT_EQ(browser->Image().leftWidth + browser->Image().topHeight + browser->Image().rightWidth +
                  browser->Image().bottomHeight,
              0);
    EXPECT_EQ(browser->Image().name, "Frame.png");
    EXPECT_NE(browser->Canvas()->PicturePage(), nullptr);
    EXPECT_EQ(browser->Image().leftMode, 1) << "modes are not part of the selection";

    browser->findChild<QPushButton*>(QStringLiteral("reset"))->click();
    EXPECT_EQ(browser->Image().name, "");
    EXPECT_EQ(Selected(), nullptr);
    EXPECT_EQ(browser->Canvas()->PicturePage(), nullptr);
    EXPECT_EQ(browser->Canvas()->ScrollSize(), QSize(500, 500));
    EXPECT_EQ(browser->SelectionSpin(2)->maximum(), 99999);
}

TEST_F(ImageBrowserTest, TypedNumbersMoveThePagesRectangleAndMargins) {
    browser->SetImage(Reference("Frame.png"));
    browser->SelectionSpin(0)->setValue(5);
    browser->MarginSpin(3)->setValue(2);
    EXPECT_EQ(browser->Page().Selection(), (Rect{5, 3, 30, 20}));
    EXPECT_EQ(browser->Page().Margins(), (Rect{4, 5, 6, 2}));
    EXPECT_EQ(browser->Image().left, 5);
    EXPECT_EQ(browser->Image().bottomHeight, 2);
}

TEST_F(ImageBrowserTest, DragsOnThePageAreReadBackIntoTheControls) {
    browser->SetImage(Reference("Frame.png"));
    browser->SetZoom(400);
    CPictureProperty& page = browser->Page();
    page.BeginSelectionDrag(CPictureProperty::kPartMove, {100, 100});
    ASSERT_TRUE(page.DragSelectionTo({108, 96}));
    EXPECT_EQ(browser->Image().Source(), (Rect{4, 2, 32, 19}));
    EXPECT_EQ(browser->SelectionSpin(0)->value(), 4);
    EXPECT_EQ(browser->SelectionSpin(1)->value(), 2);
    page.EndSelectionDrag();
}

TEST_F(ImageBrowserTest, AClosedEditorReceivesNothingFromItsPage) {
    browser->SetImage(Reference("Frame.png"));
    browser->show();
    ASSERT_TRUE(browser->Page().HasSelectionListener());
    browser->accept();
    EXPECT_FALSE(browser->Page().HasSelectionListener());
    CPictureProperty& page = browser->Page();
    page.BeginSelectionDrag(CPictureProperty::kPartMove, {0, 0});
    EXPECT_TRUE(page.DragSelectionTo({5, 5}));  // the page itself still moves
    EXPECT_TRUE(page.NudgeSelection(1, 0, false));
    EXPECT_EQ(browser->Image(), Reference("Frame.png")) << "but the closed editor is not written";
    EXPECT_EQ(browser->SelectionSpin(0)->value(), 2);
    // Shown again, it listens again.
    browser->show();
    EXPECT_TRUE(page.NudgeSelection(1, 0, false));
    EXPECT_EQ(browser->Image().left, 9);
    browser->reject();
}

TEST_F(ImageBrowserTest, ArrowKeysOnTheCanvasMoveAndResizeByPicturePixels) {
    browser->SetImage(Reference("Frame.png"));
    browser->show();
    QWidget* canvas = browser->Canvas();
    QTest::keyClick(canvas, Qt::Key_Right);
    EXPECT_EQ(browser->Image().Source(), (Rect{3, 3, 31, 20}));
    QTest::keyClick(canvas, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(browser->Image().Source(), (Rect{3, 13, 31, 30}));  // 10 down, kept inside the 30 rows
    QTest::keyClick(canvas, Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(browser->Image().Source(), (Rect{3, 13, 30, 30}));
    browser->reject();
}

TEST_F(ImageBrowserTest, PreviewAndWarningFollowTheReference) {
    browser->SetImage(Reference("Frame.png"));
    const SkinImageBase shown = browser->Preview()->Image();
    EXPECT_NE(shown.image, nullptr);
    EXPECT_EQ(shown.Source(), (Rect{2, 3, 30, 20}));
    browser->Preview()->resize(240, 200);
    browser->Preview()->SetTargetSize({100, 60});
    EXPECT_EQ(browser->findChild<QSpinBox*>(QStringLiteral("previewWidth"))->value(), 100);
    const QImage preview = browser->Preview()->Render();
    const QRect target = browser->Preview()->TargetRect();
    EXPECT_EQ(preview.pixelColor(target.center()), QColor(200, 120, 20));
    EXPECT_TRUE(browser->WarningLabel()->isHidden());

    browser->MarginSpin(0)->setValue(25);  // 25 + 6 > 28
    EXPECT_FALSE(browser->WarningLabel()->isHidden());
    EXPECT_TRUE(browser->WarningLabel()->text().contains(QStringLiteral("wider than the rectangle")));
    browser->RunCommand(M::kStretchAll);
    EXPECT_EQ(browser->Preview()->Image().centerMode, 1);
}

TEST_F(ImageBrowserTest, OpenImageLoadsFilesAsOneStepAndRefillsTheList) {
    browser->SetImage(Reference("Frame.png"));
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("Extra.png"));
    QImage image(8, 8, QImage::Format_ARGB32);
    image.fill(Qt::green);
    ASSERT_TRUE(image.save(path));
    dialogs.openLists.push_back({path});
    const int steps = session.UndoStack().count();
    browser->RunCommand(M::kOpenImage);
    EXPECT_EQ(session.UndoStack().count(), steps + 1);
    ASSERT_EQ(browser->PictureList()->count(), 3);
    EXPECT_EQ(browser->PictureList()->item(2)->text(), QStringLiteral("Extra.png"));
    ASSERT_NE(Selected(), nullptr);
    EXPECT_EQ(Selected()->text(), QStringLiteral("Frame.png")) << "the chosen picture stays chosen";
}

// ---- the real provider runs the editor modally

TEST_F(ImageBrowserTest, ProviderOkReturnsEveryNumberAndTheNameCancelNothing) {
    QtDialogProvider provider;
    SkinImageBase image = Reference("Frame.png");
    QTimer::singleShot(0, [] {
        auto* editor = qobject_cast<CImageBrowser*>(QApplication::activeModalWidget());
        ASSERT_NE(editor, nullptr);
        editor->SelectionSpin(0)->setValue(1);
        editor->MarginSpin(1)->setValue(9);
        editor->RunCommand(M::kTileAll);
        editor->PictureList()->item(1)->setSelected(true);
        editor->findChild<QPushButton*>(QStringLiteral("ok"))->click();
    });
    ASSERT_TRUE(provider.EditImage(nullptr, session, &image));
    SkinImageBase expected = Reference("Glow.png");
    expected.left = 1, expected.right = 16, expected.bottom = 12, expected.topHeight = 9;
    expected.leftMode = expected.rightMode = expected.centerMode = 0;
    EXPECT_EQ(image, expected);

    const SkinImageBase before = image;
    QTimer::singleShot(0, [] {
        auto* editor = qobject_cast<CImageBrowser*>(QApplication::activeModalWidget());
        ASSERT_NE(editor, nullptr);
        editor->RunCommand(M::kStretchAll);
        editor->RunCommand(M::kSelectAll);
        editor->findChild<QPushButton*>(QStringLiteral("cancel"))->click();
    });
    EXPECT_FALSE(provider.EditImage(nullptr, session, &image));
    EXPECT_EQ(image, before);
}

TEST_F(ImageBrowserTest, ExitClosesAsOk) {
    browser->SetImage(Reference("Frame.png"));
    browser->show();
    browser->RunCommand(M::kExit);
    EXPECT_EQ(browser->result(), QDialog::Accepted);
}

// ---- numbers outside the spins' ranges come back as they were unless the user changes them

// A reference on the 40 x 30 "Frame.png" that no spin could hold: edges before the picture and past it,
// corners wider and taller than the rectangle, a mode stored as 2.
SkinImageBase OutOfRange(const std::string& name) {
    SkinImageBase r;
    r.name = name;
    r.left = -3, r.top = -2, r.right = 55, r.bottom = 31;
    r.leftWidth = 30, r.topHeight = 25, r.rightWidth = 40, r.bottomHeight = -4;
    r.leftMode = 2, r.topMode = 0, r.rightMode = 1, r.bottomMode = 0, r.centerMode = 1;
    return r;
}

// Runs the real provider on *image and lets `act` do something to the editor before OK.
bool EditThroughProvider(SkinSession& session, SkinImageBase* image, const std::function<void(CImageBrowser&)>& act) {
    QtDialogProvider provider;
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* editor = qobject_cast<CImageBrowser*>(QApplication::activeModalWidget());
        if (!editor) return;
        seen = true;
        act(*editor);
        editor->findChild<QPushButton*>(QStringLiteral("ok"))->click();
    });
    const bool result = provider.EditImage(nullptr, session, image);
    EXPECT_TRUE(seen) << "the editor was shown";
    return result;
}

TEST_F(ImageBrowserTest, OkWithoutTouchingHandsBackTheReferenceAsItWas) {
    for (const std::string name : {"Frame.png", "Gone.png", ""}) {
        SkinImageBase image = OutOfRange(name);
        EXPECT_TRUE(EditThroughProvider(session, &image, [](CImageBrowser& editor) {
            // Looking is not editing: focus through every number, zoom in and out.
            for (int i = 0; i < 4; ++i) {
                editor.SelectionSpin(i)->setFocus();
                editor.MarginSpin(i)->setFocus();
                QCoreApplication::processEvents();
            }
            editor.SetZoom(400);
            editor.SetZoom(100);
        })) << name;
        EXPECT_EQ(image, OutOfRange(name)) << name;
    }
}

TEST_F(ImageBrowserTest, TheSpinsShowTheStoredNumbersAndTheWarningNamesTheProblem) {
    browser->SetImage(OutOfRange("Frame.png"));
    EXPECT_EQ(browser->SelectionSpin(0)->text(), QStringLiteral("-3"));
    EXPECT_EQ(browser->SelectionSpin(2)->text(), QStringLiteral("55"));
    EXPECT_EQ(browser->SelectionSpin(2)->maximum(), 40) << "the range still limits what is entered";
    EXPECT_EQ(browser->MarginSpin(3)->text(), QStringLiteral("-4"));
    EXPECT_EQ(browser->Page().Selection(), (Rect{-3, -2, 55, 31}));
    EXPECT_FALSE(browser->WarningLabel()->isHidden());
    EXPECT_TRUE(browser->WarningLabel()->text().contains(QStringLiteral("leaves the picture")));
}

struct ImageTouch {
    const char* name;
    bool margin;  // a margin spin, else a selection spin
    int side;     // left, top, right, bottom
    int steps;
    int SkinImageBase::*member;
    int expected;
};

class ImageBrowserOneTouchTest : public ImageBrowserTest, public ::testing::WithParamInterface<ImageTouch> {};

TEST_P(ImageBrowserOneTouchTest, OnlyTheSteppedNumberChanges) {
    const ImageTouch& c = GetParam();
    SkinImageBase image = OutOfRange("Frame.png");
    EXPECT_TRUE(EditThroughProvider(session, &image, [&](CImageBrowser& editor) {
        (c.margin ? editor.MarginSpin(c.side) : editor.SelectionSpin(c.side))->stepBy(c.steps);
    }));
    SkinImageBase expected = OutOfRange("Frame.png");
    expected.*c.member = c.expected;
    EXPECT_EQ(image, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ImageBrowserOneTouchTest,
    ::testing::Values(ImageTouch{"left", false, 0, 2, &SkinImageBase::left, 0 + 2},
                      ImageTouch{"right", false, 2, -1, &SkinImageBase::right, 40 - 1},  // the picture's width
                      ImageTouch{"bottom", false, 3, -2, &SkinImageBase::bottom, 30 - 2},  // the picture's height
                      ImageTouch{"marginTop", true, 1, 1, &SkinImageBase::topHeight, 25 + 1},
                      ImageTouch{"marginBottom", true, 3, 1, &SkinImageBase::bottomHeight, 0 + 1}),
    [](const ::testing::TestParamInfo<ImageTouch>& info) { return std::string(info.param.name); });

TEST_F(ImageBrowserTest, AModeToggledKeepsEveryNumber) {
    SkinImageBase image = OutOfRange("Frame.png");
    EXPECT_TRUE(EditThroughProvider(session, &image, [](CImageBrowser& editor) {
        editor.ModeButton(EdgeMode::Top)->click();
    }));
    SkinImageBase expected = OutOfRange("Frame.png");
    expected.topMode = 1;
    EXPECT_EQ(image, expected);
}

TEST_F(ImageBrowserTest, CopyPasteAndOpenImageCarryTheNumbersExactly) {
    browser->SetImage(OutOfRange("Frame.png"));
    browser->RunCommand(M::kCopySelection);
    CImageBrowser next(session, dialogs, clipboard);
    next.SetImage(Reference("Glow.png"));
    next.RunCommand(M::kPasteSelection);
    EXPECT_EQ(next.Image(), OutOfRange("Frame.png"));

    dialogs.openLists.push_back({});  // Open Image cancelled: the list is filled again, the numbers stay
    next.RunCommand(M::kOpenImage);
    EXPECT_EQ(next.Image(), OutOfRange("Frame.png"));
}

TEST_F(ImageBrowserTest, ChoosingAnotherPictureCutsOnlyTheEdgesPastIt) {
    browser->SetImage(OutOfRange("Frame.png"));
    browser->PictureList()->item(1)->setSelected(true);  // Glow.png, 16 x 12
    SkinImageBase expected = OutOfRange("Glow.png");
    expected.right = 16, expected.bottom = 12;
    EXPECT_EQ(browser->Image(), expected);
}

// ---- the checks behind the warning line

struct WarningCase {
    const char* name;
    Rect rect;
    Rect corners;  // left, top, right, bottom
    const char* expected;  // a part of the text; "" for none
};

class SliceWarningTest : public ::testing::TestWithParam<WarningCase> {};

TEST_P(SliceWarningTest, NamesTheProblem) {
    SkinImageBase image;
    const WarningCase& c = GetParam();
    image.left = c.rect.left, image.top = c.rect.top, image.right = c.rect.right, image.bottom = c.rect.bottom;
    image.leftWidth = c.corners.left, image.topHeight = c.corners.top;
    image.rightWidth = c.corners.right, image.bottomHeight = c.corners.bottom;
    const QString text = SliceWarning(image, QSize(40, 30));
    if (*c.expected == 0) EXPECT_TRUE(text.isEmpty()) << text.toStdString();
    else EXPECT_TRUE(text.contains(QString::fromUtf8(c.expected))) << text.toStdString();
    EXPECT_TRUE(SliceWarning(image, QSize()).isEmpty()) << "nothing to check without a picture";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SliceWarningTest,
    ::testing::Values(WarningCase{"fine", {0, 0, 40, 30}, {20, 15, 20, 15}, ""},
                      WarningCase{"empty", {5, 5, 5, 9}, {0, 0, 0, 0}, "empty"},
                      WarningCase{"leavesRight", {30, 0, 41, 10}, {0, 0, 0, 0}, "leaves the picture (40 × 30)"},
                      WarningCase{"leavesTop", {0, -1, 10, 10}, {0, 0, 0, 0}, "leaves the picture"},
                      WarningCase{"wide", {0, 0, 10, 10}, {6, 0, 5, 0}, "corners (11 px) are wider"},
                      WarningCase{"tall", {0, 0, 10, 10}, {0, 4, 0, 7}, "corners (11 px) are taller"}),
    [](const ::testing::TestParamInfo<WarningCase>& info) { return std::string(info.param.name); });

}  // namespace
