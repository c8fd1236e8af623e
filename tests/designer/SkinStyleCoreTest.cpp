// The test program's style as a whole: without a document every control is Fusion's, pixel for pixel;
// the style reaches widgets made after it was applied; the state order the records share; and the test
// window's frame picker, which dresses the window in another frame of the same skin.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QPushButton>
#include <QStyleFactory>
#include <QVBoxLayout>

#include "Resource/ResObjects/ResFrame.h"
#include "SkinStyleTestSupport.h"
#include "testskin/SkinTestWindow.h"

namespace {

using styletest::StyleFixture;

TEST(SkinStyleCoreTest, WithoutADocumentEveryControlIsFusions) {
    CSkinStyle style;  // no source
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    auto grab = [](QStyle* s) {
        QWidget box;
        auto* layout = new QVBoxLayout(&box);
        layout->addWidget(new QPushButton(QStringLiteral("Push"), &box));
        auto* check = new QCheckBox(QStringLiteral("Check"), &box);
        check->setChecked(true);
        layout->addWidget(check);
        auto* combo = new QComboBox(&box);
        combo->addItem(QStringLiteral("Item"));
        layout->addWidget(combo);
        box.setStyle(s);
        for (QWidget* w : box.findChildren<QWidget*>()) w->setStyle(s);
        box.resize(200, 120);
        box.setAttribute(Qt::WA_DontShowOnScreen);
        box.show();
        return StyleFixture::Grab(&box);
    };
    EXPECT_EQ(grab(&style), grab(fusion.get()));
}

TEST(SkinStyleCoreTest, ReachesWidgetsMadeAfterItWasApplied) {
    StyleFixture f;
    QWidget root;
    f.style.ApplyTo(&root);
    auto* later = new QWidget(&root);
    auto* inner = new QPushButton(later);  // made inside a child that was itself added later
    QCoreApplication::processEvents();
    EXPECT_EQ(later->style(), &f.style);
    EXPECT_EQ(inner->style(), &f.style);
    auto* afterwards = new QCheckBox(inner);
    QCoreApplication::processEvents();
    EXPECT_EQ(afterwards->style(), &f.style);
}

TEST(SkinStyleCoreTest, DisabledOutranksPressedOutranksHover) {
    QStyleOption option;
    option.state = QStyle::State_Enabled;
    EXPECT_EQ(StateIndexOf(option), kSkinNormal);
    option.state |= QStyle::State_MouseOver;
    EXPECT_EQ(StateIndexOf(option), kSkinHighlighted);
    option.state |= QStyle::State_Sunken;
    EXPECT_EQ(StateIndexOf(option), kSkinPressed);
    option.state &= ~QStyle::State_Enabled;
    EXPECT_EQ(StateIndexOf(option), kSkinDisabled);
}

// Two frames whose captions are solid colours: the picker lists both, in collection order, and choosing
// the second paints its caption.
TEST(SkinStyleCoreTest, FramePickerDressesTheWindowInTheChosenFrame) {
    auto doc = std::make_unique<CSkinDocument>();
    const QColor first(200, 40, 40), second(40, 40, 200);
    auto& a = previewtest::New<SkinFrame>(*doc, 3000);
    a.Caption = "Main";
    a.activeTop = previewtest::AddPicture(*doc, "a.png", previewtest::Solid(40, 20, first));
    a.drawIcon = 0;
    auto& b = previewtest::New<SkinFrame>(*doc, 3000);
    b.Caption = "Dialog look";
    b.activeTop = previewtest::AddPicture(*doc, "b.png", previewtest::Solid(40, 20, second));
    b.drawIcon = 0;
    const int secondId = b.ID;

    CSkinTestWindow window;
    ASSERT_TRUE(window.SetSkin(std::move(doc), QString(), QStringLiteral("Two frames")));
    window.resize(400, 300);
    window.setAttribute(Qt::WA_DontShowOnScreen);
    window.show();
    QComboBox* picker = window.FramePicker();
    ASSERT_EQ(picker->count(), 2);
    EXPECT_EQ(picker->itemText(0), QStringLiteral("Main"));
    EXPECT_EQ(picker->itemText(1), QStringLiteral("Dialog look"));
    EXPECT_TRUE(picker->isEnabled());
    const QPoint inCaption(window.width() / 3, 5);
    EXPECT_EQ(StyleFixture::Grab(&window).pixelColor(inCaption), first);

    emit picker->activated(1);
    EXPECT_EQ(window.Frame()->ID, secondId);
    EXPECT_EQ(window.Style()->Frame(), window.Frame());
    EXPECT_EQ(picker->currentIndex(), 1);
    EXPECT_EQ(StyleFixture::Grab(&window).pixelColor(inCaption), second);

    // By name, as --frame does; an unknown name keeps the frame and says so.
    EXPECT_TRUE(window.ShowFrame(QStringLiteral("Main")));
    EXPECT_EQ(picker->currentIndex(), 0);
    EXPECT_FALSE(window.ShowFrame(QStringLiteral("Nothing")));
    EXPECT_EQ(picker->currentIndex(), 0);
    EXPECT_TRUE(window.StatusText().contains(QStringLiteral("Nothing")));
}

TEST(SkinStyleCoreTest, EveryWidgetOfTheWindowDrawsThroughTheSkinStyle) {
    auto doc = std::make_unique<CSkinDocument>();
    previewtest::New<SkinFrame>(*doc, 3000);
    CSkinTestWindow window;
    ASSERT_TRUE(window.SetSkin(std::move(doc), QString(), QStringLiteral("One frame")));
    const QList<QWidget*> widgets = window.findChildren<QWidget*>();
    ASSERT_FALSE(widgets.isEmpty());
    for (QWidget* w : widgets) EXPECT_EQ(w->style(), window.Style()) << w->metaObject()->className();
    // With one frame there is nothing to pick.
    EXPECT_FALSE(window.FramePicker()->isEnabled());
}

}  // namespace
