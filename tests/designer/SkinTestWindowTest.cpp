// Corvalet, the skin test program: its command line, opening packages (damaged, protected, without a
// frame), the window painted from a frame whose pictures are solid colours (caption, inactive look,
// caption button states and actions), the reload after the designer saves, the offscreen screenshot, and
// the designer's Test skin command finding the built program.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMouseEvent>
#include <QTemporaryDir>

#include "Resource/ResObjects/ResApp.h"
#include "Resource/ResObjects/ResFrame.h"
#include "Resource/ResObjects/ResPicture.h"
#include "Resource/ResObjects/ResSysButton.h"
#include "Resource/SkinDocument.h"
#include "ScriptedDialogs.h"
#include "designer/MainFrame.h"
#include "testskin/SkinPackageOpen.h"
#include "testskin/SkinTestWindow.h"
#include "testskin/TestSkinOptions.h"
#include "testskin/TestSkinProgram.h"

namespace {

// Border sizes of the test frame; the caption spans between the side borders (the frame's default draw).
constexpr int kSide = 6, kCaption = 24, kBottom = 5;
constexpr int kButton = 16, kButtonTop = 4, kCloseRight = 5, kMaxRight = 25;

const QColor kActiveTop(200, 30, 30), kInactiveTop(30, 30, 200), kOtherTop(20, 160, 20);
const QColor kLeft(90, 10, 90), kRight(10, 90, 90), kBottomColour(90, 90, 10);
const QColor kCloseNormal(250, 120, 0), kClosePress(120, 0, 200), kCloseHot(0, 200, 120);
const QColor kCloseInactive(60, 60, 60), kMaxNormal(255, 220, 40), kRestoreNormal(40, 220, 255);
const QColor kMenuNormal(230, 230, 210), kMenuPress(150, 100, 50), kMenuHot(100, 150, 250);
// A menu bar item: a new frame's item height and spacing, the bar's height below the caption.
constexpr int kMenuSpace = 5, kMenuItemHeight = 18, kMenuBarHeight = 23;

// Writes packages whose pictures are solid colours, so each pixel of the window tells which picture drew it.
class SkinWriter {
public:
    explicit SkinWriter(const QTemporaryDir& dir) : m_dir(dir) {}

    SkinImageBase Picture(CSkinDocument& doc, const QString& name, int w, int h, QColor colour) {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(colour);
        const QString path = m_dir.filePath(name);
        EXPECT_TRUE(image.save(path, "PNG"));
        std::string error;
        const ::Picture* p = doc.AddPictureFile(path.toStdString(), name.toStdString(), &error);
        EXPECT_NE(p, nullptr) << error;
        SkinImageBase ref;
        ref.name = name.toStdString();
        ref.image = p ? p->image : nullptr;
        ref.left = ref.top = 0;
        ref.right = w;
        ref.bottom = h;
        return ref;
    }

    // A button kButton square, farRight pixels from the window's right edge and kButtonTop below its top.
    SkinSysButton& Button(CSkinDocument& doc, const SkinFrame& frame, int type, int farRight) {
        auto* b = static_cast<SkinSysButton*>(doc.NewItemOfType(3500));
        b->type = type;
        b->ownerFrameId = frame.ID;
        b->placement.horz = {};
        b->placement.horz.ignore = 0, b->placement.horz.alignType = 2, b->placement.horz.spaceType = 1;
        b->placement.horz.farOffset = farRight;
        b->placement.vert = {};
        b->placement.vert.ignore = 0, b->placement.vert.alignType = 0, b->placement.vert.spaceType = 0;
        b->placement.vert.nearOffset = kButtonTop;
        return *b;
    }

    // One frame with active and inactive captions, a Close button with four state pictures and a Maximize
    // button with only its normal one (and a Restore button when asked).
    QString Write(const QString& file, QColor top, const std::string& password = {}, bool restore = false,
                  const std::string& skinName = "Testskin") {
        CSkinDocument doc;
        doc.Apps().NewItem();
        doc.Apps().At(0)->skinName = skinName;
        auto* frame = static_cast<SkinFrame*>(doc.NewItemOfType(3000));
        const QString tag = file + QLatin1Char('_');
        frame->activeTop = Picture(doc, tag + "top.png", 40, kCaption, top);
        frame->inactiveTop = Picture(doc, tag + "itop.png", 40, kCaption, kInactiveTop);
        frame->activeLeft = Picture(doc, tag + "left.png", kSide, 40, kLeft);
        frame->activeRight = Picture(doc, tag + "right.png", kSide, 40, kRight);
        frame->activeBottom = Picture(doc, tag + "bottom.png", 40, kBottom, kBottomColour);
        frame->drawIcon = 0;
        frame->menuBarItemImages[0] = Picture(doc, tag + "mi0.png", 50, kMenuItemHeight, kMenuNormal);
        frame->menuBarItemImages[1] = Picture(doc, tag + "mi1.png", 50, kMenuItemHeight, kMenuPress);
        frame->menuBarItemImages[3] = Picture(doc, tag + "mi3.png", 50, kMenuItemHeight, kMenuHot);
        SkinSysButton& close = Button(doc, *frame, 0, kCloseRight);
        close.images[0] = Picture(doc, tag + "cn.png", kButton, kButton, kCloseNormal);
        close.images[1] = Picture(doc, tag + "cp.png", kButton, kButton, kClosePress);
        close.images[3] = Picture(doc, tag + "ch.png", kButton, kButton, kCloseHot);
        close.images[4] = Picture(doc, tag + "ci.png", kButton, kButton, kCloseInactive);
        Button(doc, *frame, 1, kMaxRight).images[0] = Picture(doc, tag + "mn.png", kButton, kButton, kMaxNormal);
        if (restore)
            Button(doc, *frame, 2, kMaxRight).images[0] =
                Picture(doc, tag + "rn.png", kButton, kButton, kRestoreNormal);
        const QString path = m_dir.filePath(file);
        std::string error;
        EXPECT_TRUE(doc.Save(path.toStdString(), password, true, &error)) << error;
        return path;
    }

private:
    const QTemporaryDir& m_dir;
};

// Pixels of exactly this colour inside area.
int Count(const QImage& image, const QRect& area, QColor colour) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) n += image.pixelColor(x, y) == colour;
    return n;
}

// The caption between the side borders, where no button sits: its left half.
QRect CaptionSample(int width) { return QRect(kSide, 0, (width - 2 * kSide) / 2, kCaption); }
QRect CloseRect(int width) { return QRect(width - kCloseRight - kButton, kButtonTop, kButton, kButton); }
QRect MaxRect(int width) { return QRect(width - kMaxRight - kButton, kButtonTop, kButton, kButton); }

void Mouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button = Qt::LeftButton) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease || type == QEvent::MouseMove ? Qt::NoButton
                                                                                                   : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), type == QEvent::MouseMove ? Qt::NoButton : button,
                      held, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &event);
}

class SkinTestWindowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    std::unique_ptr<CSkinTestWindow> Open(const QString& path, const QString& frame = {}, QSize size = {400, 300}) {
        TestSkinOptions options = TestSkinOptions::Parse({QStringLiteral("/SPATH:") + path});
        options.frame = frame;
        QString error;
        auto window = testskin::MakeTestWindow(options, {}, &error);
        EXPECT_NE(window, nullptr) << error.toStdString();
        if (window) {
            window->setAttribute(Qt::WA_DontShowOnScreen);
            window->resize(size);
            window->show();
        }
        return window;
    }
    static QImage Grab(QWidget* w) { return w->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    static QColor At(QWidget* w, QPoint p) { return Grab(w).pixelColor(p); }

    QTemporaryDir m_dir;
    SkinWriter m_writer{m_dir};
};

}  // namespace

TEST(TestSkinOptionsTest, ReadsTheDesignerSwitchAndThePlainPath) {
    EXPECT_EQ(TestSkinOptions::Parse({"/SPATH:/a/b c.rss"}).path, QStringLiteral("/a/b c.rss"));
    EXPECT_EQ(TestSkinOptions::Parse({"/spath:\"/a/q.rss\""}).path, QStringLiteral("/a/q.rss"));
    const TestSkinOptions plain = TestSkinOptions::Parse({"x.rss", "--frame", "Main", "--size", "320x200",
                                                          "--screenshot", "o.png", "--password", "pw"});
    EXPECT_TRUE(plain.error.isEmpty()) << plain.error.toStdString();
    EXPECT_EQ(plain.path, QStringLiteral("x.rss"));
    EXPECT_EQ(plain.frame, QStringLiteral("Main"));
    EXPECT_EQ(plain.size, QSize(320, 200));
    EXPECT_EQ(plain.screenshot, QStringLiteral("o.png"));
    EXPECT_EQ(plain.password, QStringLiteral("pw"));
}

TEST(TestSkinOptionsTest, RefusesWhatItCannotUse) {
    EXPECT_FALSE(TestSkinOptions::Parse({}).error.isEmpty());
    EXPECT_FALSE(TestSkinOptions::Parse({"a.rss", "b.rss"}).error.isEmpty());
    EXPECT_FALSE(TestSkinOptions::Parse({"a.rss", "--frame"}).error.isEmpty());
    EXPECT_FALSE(TestSkinOptions::Parse({"a.rss", "--bogus"}).error.isEmpty());
    for (const char* size : {"0x10", "10x", "x10", "-5x5", "100000x10", "9000x10", "10 x 10"})
        EXPECT_FALSE(TestSkinOptions::Parse({"a.rss", "--size", size}).error.isEmpty()) << size;
    EXPECT_TRUE(TestSkinOptions::Parse({"a.rss", "--size", "8192x1"}).error.isEmpty());
}

TEST_F(SkinTestWindowTest, FailedOpensSayWhyAndLoadNothing) {
    const OpenedSkin missing = OpenSkinPackage(m_dir.filePath("none.rss"), {});
    EXPECT_FALSE(missing.Ok());
    EXPECT_TRUE(missing.message.contains(QStringLiteral("does not exist")));

    QFile junk(m_dir.filePath("junk.rss"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("this is not a skin package at all");
    junk.close();
    const OpenedSkin notSkin = OpenSkinPackage(junk.fileName(), {});
    EXPECT_FALSE(notSkin.Ok());
    EXPECT_TRUE(notSkin.message.startsWith(junk.fileName())) << notSkin.message.toStdString();

    // A package cut in half: the archive no longer reads.
    const QString whole = m_writer.Write("whole.rss", kActiveTop);
    QFile source(whole);
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QByteArray bytes = source.readAll();
    QFile cut(m_dir.filePath("cut.rss"));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(bytes.left(bytes.size() / 2));
    cut.close();
    const OpenedSkin damaged = OpenSkinPackage(cut.fileName(), {});
    EXPECT_FALSE(damaged.Ok());
    EXPECT_FALSE(damaged.message.isEmpty());

    EXPECT_FALSE(OpenSkinPackage(m_dir.path(), {}).Ok());  // a folder
}

TEST_F(SkinTestWindowTest, ProtectedPackageNeedsItsPassword) {
    const QString path = m_writer.Write("locked.rss", kActiveTop, "pw1");
    const OpenedSkin none = OpenSkinPackage(path, {});
    EXPECT_FALSE(none.Ok());
    EXPECT_TRUE(none.message.contains(QStringLiteral("--password"))) << none.message.toStdString();
    EXPECT_FALSE(OpenSkinPackage(path, QStringLiteral("nope")).Ok());
    EXPECT_FALSE(OpenSkinPackage(path, QStringLiteral("far-too-long")).Ok());

    // The prompt is asked again after a wrong answer, and giving up ends the open.
    QStringList answers = {QStringLiteral("wrong"), QStringLiteral("pw1")};
    int asked = 0;
    const OpenedSkin prompted = OpenSkinPackage(path, {}, [&](const QString&) -> std::optional<QString> {
        ++asked;
        return answers.isEmpty() ? std::nullopt : std::optional<QString>(answers.takeFirst());
    });
    EXPECT_TRUE(prompted.Ok()) << prompted.message.toStdString();
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(prompted.password, QStringLiteral("pw1"));
    const OpenedSkin gaveUp = OpenSkinPackage(path, {}, [](const QString&) { return std::optional<QString>(); });
    EXPECT_FALSE(gaveUp.Ok());
}

TEST_F(SkinTestWindowTest, SkinWithoutFrameOrWithoutTheNamedFrameIsRefused) {
    CSkinDocument doc;
    doc.Apps().NewItem();
    const QString path = m_dir.filePath("frameless.rss");
    ASSERT_TRUE(doc.Save(path.toStdString(), ""));
    QString error;
    EXPECT_EQ(testskin::MakeTestWindow(TestSkinOptions::Parse({path}), {}, &error), nullptr);
    EXPECT_TRUE(error.contains(QStringLiteral("no frame"))) << error.toStdString();

    const QString framed = m_writer.Write("framed.rss", kActiveTop);
    TestSkinOptions options = TestSkinOptions::Parse({framed, "--frame", "NoSuchFrame"});
    EXPECT_EQ(testskin::MakeTestWindow(options, {}, &error), nullptr);
    EXPECT_TRUE(error.contains(QStringLiteral("NoSuchFrame"))) << error.toStdString();
}

TEST_F(SkinTestWindowTest, PaintsTheFramePicturesAndTheTitle) {
    const auto window = Open(m_writer.Write("paint.rss", kActiveTop));
    ASSERT_TRUE(window);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Testskin"));
    const int w = window->width(), h = window->height();
    const QImage image = Grab(window.get());
    const QRect caption = CaptionSample(w);
    // The title's text covers a little of the caption; the picture shows everywhere else.
    EXPECT_GT(Count(image, caption, kActiveTop), caption.width() * caption.height() * 3 / 4);
    EXPECT_EQ(image.pixelColor(0, h / 2), kLeft);
    EXPECT_EQ(image.pixelColor(w - 1, h / 2), kRight);
    EXPECT_EQ(image.pixelColor(w / 2, h - 1), kBottomColour);
    EXPECT_EQ(Count(image, CloseRect(w), kCloseNormal), kButton * kButton);
    EXPECT_EQ(Count(image, MaxRect(w), kMaxNormal), kButton * kButton);
    // The client panel fills the inside.
    EXPECT_EQ(window->ClientPanel()->geometry().left(), kSide);
    EXPECT_EQ(window->ClientPanel()->geometry().right(), w - kSide - 1);
    EXPECT_EQ(window->ClientPanel()->geometry().bottom(), h - kBottom - 1);
}

TEST_F(SkinTestWindowTest, TitleFallsBackToTheFileName) {
    const auto window = Open(m_writer.Write("nameless.rss", kActiveTop, {}, false, ""));
    ASSERT_TRUE(window);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("nameless.rss"));
}

TEST_F(SkinTestWindowTest, FrameOptionPicksTheFrameByName) {
    // Two frames: the second's caption is green.
    CSkinDocument doc;
    doc.Apps().NewItem();
    auto* first = static_cast<SkinFrame*>(doc.NewItemOfType(3000));
    auto* second = static_cast<SkinFrame*>(doc.NewItemOfType(3000));
    first->activeTop = m_writer.Picture(doc, "first.png", 40, kCaption, kActiveTop);
    second->activeTop = m_writer.Picture(doc, "second.png", 40, kCaption, kOtherTop);
    second->ResID = "SecondFrame";
    first->drawIcon = second->drawIcon = 0;
    const QString path = m_dir.filePath("two.rss");
    ASSERT_TRUE(doc.Save(path.toStdString(), ""));

    const auto byDefault = Open(path);
    const auto chosen = Open(path, QStringLiteral("SecondFrame"));
    ASSERT_TRUE(byDefault && chosen);
    const QRect caption(30, 0, 100, kCaption);
    EXPECT_GT(Count(Grab(byDefault.get()), caption, kActiveTop), 0);
    EXPECT_EQ(Count(Grab(byDefault.get()), caption, kOtherTop), 0);
    EXPECT_GT(Count(Grab(chosen.get()), caption, kOtherTop), 0);
    EXPECT_EQ(Count(Grab(chosen.get()), caption, kActiveTop), 0);
}

TEST_F(SkinTestWindowTest, InactiveWindowShowsTheInactivePictures) {
    const auto window = Open(m_writer.Write("activation.rss", kActiveTop));
    ASSERT_TRUE(window);
    const QRect caption = CaptionSample(window->width());
    const QRect close = CloseRect(window->width());

    window->SetActiveLook(false);
    QImage image = Grab(window.get());
    EXPECT_EQ(Count(image, caption, kActiveTop), 0);
    EXPECT_GT(Count(image, caption, kInactiveTop), caption.width() * caption.height() * 3 / 4);
    EXPECT_EQ(Count(image, close, kCloseInactive), kButton * kButton);
    // Borders without an inactive picture keep the active one.
    EXPECT_EQ(image.pixelColor(0, window->height() / 2), kLeft);

    // The activation handler follows the window's own state.
    QEvent change(QEvent::ActivationChange);
    QCoreApplication::sendEvent(window.get(), &change);
    EXPECT_EQ(window->ActiveLook(), window->isActiveWindow());
    window->SetActiveLook(true);
    EXPECT_GT(Count(Grab(window.get()), caption, kActiveTop), 0);
}

TEST_F(SkinTestWindowTest, CaptionButtonsShowHoverAndPressStates) {
    const auto window = Open(m_writer.Write("states.rss", kActiveTop));
    ASSERT_TRUE(window);
    const QRect close = CloseRect(window->width()), max = MaxRect(window->width());
    const QPoint away(window->width() / 2, window->height() / 2);

    Mouse(window.get(), QEvent::MouseMove, close.center());
    EXPECT_EQ(At(window.get(), close.center()), kCloseHot);
    EXPECT_EQ(At(window.get(), max.center()), kMaxNormal);
    Mouse(window.get(), QEvent::MouseButtonPress, close.center());
    EXPECT_EQ(At(window.get(), close.center()), kClosePress);
    // Dragged off while held: normal again, and letting go elsewhere does nothing.
    Mouse(window.get(), QEvent::MouseMove, away);
    EXPECT_EQ(At(window.get(), close.center()), kCloseNormal);
    Mouse(window.get(), QEvent::MouseButtonRelease, away);
    EXPECT_TRUE(window->isVisible());

    // Maximize has no highlighted picture: it keeps its normal one under the mouse.
    Mouse(window.get(), QEvent::MouseMove, max.center());
    EXPECT_EQ(At(window.get(), max.center()), kMaxNormal);
    // Inactive, hovering shows the inactive normal picture where no inactive highlighted one exists.
    window->SetActiveLook(false);
    Mouse(window.get(), QEvent::MouseMove, close.center());
    EXPECT_EQ(At(window.get(), close.center()), kCloseInactive);
}

TEST_F(SkinTestWindowTest, MenuBarItemsShowHoverAndPressStates) {
    const auto window = Open(m_writer.Write("menus.rss", kActiveTop));
    ASSERT_TRUE(window);
    // "File" is the first item: its left edge, clear of the centred text, tells the state picture.
    const int fileLeft = kSide + kMenuSpace;
    const int itemTop = kCaption + (kMenuBarHeight - kMenuItemHeight) / 2;
    const QPoint edge(fileLeft + 1, itemTop + kMenuItemHeight / 2);
    EXPECT_EQ(At(window.get(), edge), kMenuNormal);
    Mouse(window.get(), QEvent::MouseMove, edge);
    EXPECT_EQ(At(window.get(), edge), kMenuHot);
    Mouse(window.get(), QEvent::MouseButtonPress, edge);
    EXPECT_EQ(At(window.get(), edge), kMenuPress);
    Mouse(window.get(), QEvent::MouseButtonRelease, edge);
    // The click opened the File menu: its item shows pressed until the menu closes.
    EXPECT_EQ(At(window.get(), edge), kMenuPress);
    window->OpenMenu(-1);
    Mouse(window.get(), QEvent::MouseMove, QPoint(window->width() / 2, window->height() / 2));
    EXPECT_EQ(At(window.get(), edge), kMenuNormal);
    // Four more items follow, each right of the one before.
    const QList<QRect> items = window->MenuBarItemRects();
    ASSERT_EQ(items.size(), 5);
    for (int i = 1; i < items.size(); ++i) EXPECT_EQ(items[i].left(), items[i - 1].right() + 1 + kMenuSpace);
}

TEST_F(SkinTestWindowTest, CaptionButtonsAct) {
    const auto window = Open(m_writer.Write("act.rss", kActiveTop));
    ASSERT_TRUE(window);
    const auto click = [&](QPoint p) {
        Mouse(window.get(), QEvent::MouseButtonPress, p);
        Mouse(window.get(), QEvent::MouseButtonRelease, p);
    };
    click(MaxRect(window->width()).center());
    EXPECT_TRUE(window->isMaximized());
    // Without a Restore button the Maximize button restores.
    click(MaxRect(window->width()).center());
    EXPECT_FALSE(window->isMaximized());
    click(CloseRect(window->width()).center());
    EXPECT_FALSE(window->isVisible());
}

TEST_F(SkinTestWindowTest, RestoreButtonTakesMaximizesPlaceWhenMaximized) {
    const auto window = Open(m_writer.Write("restore.rss", kActiveTop, {}, true));
    ASSERT_TRUE(window);
    EXPECT_EQ(At(window.get(), MaxRect(window->width()).center()), kMaxNormal);
    const QPoint max = MaxRect(window->width()).center();
    Mouse(window.get(), QEvent::MouseButtonPress, max);
    Mouse(window.get(), QEvent::MouseButtonRelease, max);
    ASSERT_TRUE(window->isMaximized());
    const QPoint restore = MaxRect(window->width()).center();
    Mouse(window.get(), QEvent::MouseMove, QPoint(window->width() / 2, window->height() / 2));
    EXPECT_EQ(At(window.get(), restore), kRestoreNormal);
    Mouse(window.get(), QEvent::MouseButtonPress, restore);
    Mouse(window.get(), QEvent::MouseButtonRelease, restore);
    EXPECT_FALSE(window->isMaximized());
}

TEST_F(SkinTestWindowTest, ReloadFollowsTheSavedFileAndKeepsThePlace) {
    const QString path = m_writer.Write("live.rss", kActiveTop);
    const auto window = Open(path);
    ASSERT_TRUE(window);
    window->setGeometry(40, 50, 420, 310);
    const QRect place = window->geometry();
    const QRect caption = CaptionSample(window->width());
    EXPECT_GT(Count(Grab(window.get()), caption, kActiveTop), 0);

    // The designer saves through a temporary file renamed over the package.
    m_writer.Write("live.rss", kOtherTop);
    window->ReloadPackage();
    const QImage reloaded = Grab(window.get());
    EXPECT_EQ(Count(reloaded, caption, kActiveTop), 0);
    EXPECT_GT(Count(reloaded, caption, kOtherTop), caption.width() * caption.height() * 3 / 4);
    EXPECT_EQ(window->geometry(), place);
    EXPECT_TRUE(window->WatchedFiles().contains(path));

    // A damaged save keeps the skin shown and says so.
    const CSkinDocument* before = window->Document();
    QFile broken(path);
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write("garbage");
    broken.close();
    window->ReloadPackage();
    EXPECT_EQ(window->Document(), before);
    EXPECT_TRUE(window->StatusText().contains(QStringLiteral("Reload failed"))) << window->StatusText().toStdString();
    EXPECT_GT(Count(Grab(window.get()), caption, kOtherTop), 0);
}

TEST_F(SkinTestWindowTest, WatcherReloadsOnItsOwn) {
    const QString path = m_writer.Write("watched.rss", kActiveTop);
    const auto window = Open(path);
    ASSERT_TRUE(window);
    const CSkinDocument* before = window->Document();
    m_writer.Write("watched.rss", kOtherTop);
    QElapsedTimer timer;
    timer.start();
    while (window->Document() == before && timer.elapsed() < 5000) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    ASSERT_NE(window->Document(), before) << "the file watcher did not report the save";
    EXPECT_GT(Count(Grab(window.get()), CaptionSample(window->width()), kOtherTop), 0);
}

TEST_F(SkinTestWindowTest, ReloadWaitsForAPackageBrieflyGone) {
    const QString path = m_writer.Write("gone.rss", kActiveTop);
    const auto window = Open(path);
    ASSERT_TRUE(window);
    const CSkinDocument* before = window->Document();
    ASSERT_TRUE(QFile::remove(path));
    window->ReloadPackage();
    EXPECT_EQ(window->Document(), before);
    m_writer.Write("gone.rss", kOtherTop);
    QElapsedTimer timer;
    timer.start();
    while (window->Document() == before && timer.elapsed() < 3000) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_NE(window->Document(), before);
    EXPECT_TRUE(window->WatchedFiles().contains(path));
}

TEST_F(SkinTestWindowTest, ScreenshotWritesThePictureOrFails) {
    const QString path = m_writer.Write("shot.rss", kActiveTop);
    const QString out = m_dir.filePath("shot.png");
    ASSERT_EQ(testskin::RunScreenshot(QStringList{QStringLiteral("/SPATH:") + path, "--screenshot", out, "--size",
                                                  "300x200"}),
              testskin::kExitOk);
    const QImage image = QImage(out).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(image.size(), QSize(300, 200));
    EXPECT_GT(Count(image, CaptionSample(300), kActiveTop), 0);
    EXPECT_EQ(Count(image, CloseRect(300), kCloseNormal), kButton * kButton);

    EXPECT_EQ(testskin::RunScreenshot(QStringList{m_dir.filePath("none.rss"), "--screenshot", out}),
              testskin::kExitFailure);
    EXPECT_EQ(testskin::RunScreenshot(QStringList{path, "--screenshot", out, "--size", "0x0"}), testskin::kExitUsage);
    EXPECT_EQ(testskin::RunScreenshot(QStringList{path}), testskin::kExitUsage);
    EXPECT_EQ(testskin::RunScreenshot(QStringList{path, "--screenshot", m_dir.filePath("no/such/dir/x.png")}),
              testskin::kExitFailure);

    // A protected package: no prompt offscreen, only the password option opens it.
    const QString locked = m_writer.Write("lockedshot.rss", kActiveTop, "pw2");
    const QString lockedOut = m_dir.filePath("locked.png");
    EXPECT_EQ(testskin::RunScreenshot(QStringList{locked, "--screenshot", lockedOut}), testskin::kExitFailure);
    EXPECT_FALSE(QFileInfo::exists(lockedOut));
    EXPECT_EQ(testskin::RunScreenshot(QStringList{locked, "--screenshot", lockedOut, "--password", "pw2"}),
              testskin::kExitOk);
    EXPECT_TRUE(QFileInfo::exists(lockedOut));
}

TEST_F(SkinTestWindowTest, DesignerTestCommandFindsTheBuiltProgram) {
    const QString program = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("TestSkin/Corvalet"));
    if (!QFileInfo(program).isExecutable())
        GTEST_SKIP() << "Corvalet is not built beside the tests: " << program.toStdString();
    ScriptedDialogs dialogs;
    CMainFrame frame(&dialogs, m_dir.filePath(QStringLiteral("settings.ini")));
    const QString skin = m_writer.Write("designer.rss", kActiveTop);
    ASSERT_TRUE(frame.OpenPath(skin));
    ASSERT_TRUE(frame.OnTestSkin());
    ASSERT_FALSE(dialogs.started.isEmpty());
    EXPECT_EQ(dialogs.started.last(), program + QStringLiteral(" /SPATH:") + skin);
}

// --menu lays the open menu over the window's picture, under its menu bar item; an unknown title is a usage
// error that names the titles, and the option needs a screenshot.
TEST_F(SkinTestWindowTest, ScreenshotShowsTheAskedMenuOpen) {
    const QColor kMenuBackground(20, 120, 60);
    const QString path = m_writer.Write("menushot.rss", kActiveTop);
    {
        CSkinDocument doc;
        ASSERT_EQ(doc.Open(path.toStdString(), ""), vd::OpenResult::Ok);
        auto* frame = doc.Frames().At(0);
        frame->menu.background = m_writer.Picture(doc, "menubk.png", 40, 40, kMenuBackground);
        std::string error;
        ASSERT_TRUE(doc.Save(path.toStdString(), "", true, &error)) << error;
    }
    const QString plain = m_dir.filePath("plain.png"), open = m_dir.filePath("open.png");
    const QStringList base{path, "--screenshot", plain, "--size", "400x300"};
    ASSERT_EQ(testskin::RunScreenshot(base), testskin::kExitOk);
    ASSERT_EQ(testskin::RunScreenshot(QStringList{path, "--screenshot", open, "--size", "400x300", "--menu", "Edit"}),
              testskin::kExitOk);
    const QImage without = QImage(plain).convertToFormat(QImage::Format_RGB32);
    const QImage with = QImage(open).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(with.size(), QSize(400, 300));
    // Below the "Edit" item: the menu's background there, and nowhere in the plain picture.
    const QRect edit = QRect(kSide + kMenuSpace + 50 + kMenuSpace, kCaption + kMenuBarHeight, 60, 40);
    EXPECT_GT(Count(with, edit, kMenuBackground), 0);
    EXPECT_EQ(Count(without, without.rect(), kMenuBackground), 0);
    // The caption is the same in both.
    EXPECT_GT(Count(with, CaptionSample(400), kActiveTop), 0);

    EXPECT_EQ(testskin::RunScreenshot(QStringList{path, "--screenshot", open, "--menu", "Nope"}), testskin::kExitUsage);
    EXPECT_FALSE(TestSkinOptions::Parse({path, "--menu", "File"}).error.isEmpty());
}
