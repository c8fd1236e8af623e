// Spin boxes drawn with the skin's first spin record: the up and down buttons in their states (a button
// that cannot step further is disabled), hit where they are drawn; date-time edits and skins without a
// spin record keep the platform look; hostile pictures never crash.

#include <gtest/gtest.h>

#include <QDateTimeEdit>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QStyleFactory>

#include <climits>
#include <memory>

#include "Resource/ResObjects/ResSpin.h"
#include "SkinStyleRangesTestSupport.h"

namespace {

using previewtest::At;
using previewtest::Ink;
using styletest::StyleFixture;

constexpr int kButtonWide = 16;
constexpr QSize kBox(120, 30);

QColor Up(int state) { return QColor(200, 20 + 50 * state, 20); }
QColor Down(int state) { return QColor(20, 20 + 50 * state, 200); }

struct SpinSkin : StyleFixture {
    SkinSpin& spin = previewtest::New<SkinSpin>(doc, 15000);
    SpinSkin() {
        for (int s = 0; s < 4; ++s) {
            const auto i = static_cast<size_t>(s);
            spin.upBtn.images[i] = Solid("up" + std::to_string(s), kButtonWide, 10, Up(s));
            spin.downBtn.images[i] = Solid("down" + std::to_string(s), kButtonWide, 10, Down(s));
        }
    }
    template <class Box = QSpinBox>
    Box* Spin(QWidget& owner, int value = 50) {
        auto* box = new Box(&owner);
        box->setRange(0, 100);
        box->setValue(value);
        return Styled(box, kBox);
    }
};

// A point in the middle of the up and the down button, in the column at the right end.
const QPoint kUp(kBox.width() - kButtonWide / 2, kBox.height() / 4);
const QPoint kDown(kBox.width() - kButtonWide / 2, kBox.height() * 3 / 4);

TEST(SkinStyleSpinBoxTest, ButtonsFillTheRightColumnInTheirStates) {
    SpinSkin f;
    QWidget owner;
    QSpinBox* box = f.Spin(owner);
    QImage image = StyleFixture::Grab(box);
    EXPECT_EQ(Ink(image, Up(0)), QRect(kBox.width() - kButtonWide, 0, kButtonWide, kBox.height() / 2));
    EXPECT_EQ(Ink(image, Down(0)),
              QRect(kBox.width() - kButtonWide, kBox.height() / 2, kButtonWide, kBox.height() - kBox.height() / 2));
    // The text field stays clear of the buttons.
    EXPECT_LE(box->findChild<QLineEdit*>()->geometry().right(), kBox.width() - kButtonWide - 1);

    styletest::HoverAt(box, kDown);
    image = StyleFixture::Grab(box);
    EXPECT_EQ(At(image, kDown), Down(3));
    EXPECT_EQ(At(image, kUp), Up(0));

    styletest::Press(box, kUp);
    image = StyleFixture::Grab(box);
    EXPECT_EQ(At(image, kUp), Up(1));
    EXPECT_EQ(At(image, kDown), Down(0));
    styletest::Release(box, kUp);
    EXPECT_EQ(box->value(), 51);

    box->setEnabled(false);
    image = StyleFixture::Grab(box);
    EXPECT_EQ(At(image, kUp), Up(2));
    EXPECT_EQ(At(image, kDown), Down(2));
}

TEST(SkinStyleSpinBoxTest, AButtonThatCannotStepShowsDisabled) {
    SpinSkin f;
    QWidget owner;
    QSpinBox* top = f.Spin(owner, 100);
    QImage image = StyleFixture::Grab(top);
    EXPECT_EQ(At(image, kUp), Up(2));
    EXPECT_EQ(At(image, kDown), Down(0));
    auto* bottom = f.Spin<QDoubleSpinBox>(owner, 0);
    image = StyleFixture::Grab(bottom);
    EXPECT_EQ(At(image, kUp), Up(0));
    EXPECT_EQ(At(image, kDown), Down(2));
}

TEST(SkinStyleSpinBoxTest, ClickingTheDrawnDownButtonStepsDown) {
    SpinSkin f;
    QWidget owner;
    QSpinBox* box = f.Spin(owner);
    // Just inside the column's left edge and bottom half: Fusion's own buttons are narrower.
    const QPoint edge(kBox.width() - kButtonWide, kBox.height() - 2);
    styletest::Press(box, edge);
    styletest::Release(box, edge);
    EXPECT_EQ(box->value(), 49);
}

// Both compared against the same widget in Fusion.
QImage FusionGrab(QWidget* widget, QSize size) {
    static std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    widget->setStyle(fusion.get());
    for (QWidget* child : widget->findChildren<QWidget*>()) child->setStyle(fusion.get());
    widget->resize(size);
    widget->setAttribute(Qt::WA_DontShowOnScreen);
    widget->show();
    return StyleFixture::Grab(widget);
}

TEST(SkinStyleSpinBoxTest, DateTimeEditsAreNotOurs) {
    SpinSkin f;
    const QDateTime when(QDate(2026, 12, 8), QTime(9, 30));
    QDateTimeEdit skinned(when);
    f.Styled(&skinned, QSize(180, 30));
    QDateTimeEdit plain(when);
    EXPECT_TRUE(styletest::SameImage(StyleFixture::Grab(&skinned), FusionGrab(&plain, QSize(180, 30))));
}

TEST(SkinStyleSpinBoxTest, WithoutARecordTheSpinBoxIsFusions) {
    StyleFixture f;
    QSpinBox skinned;
    skinned.setValue(7);
    f.Styled(&skinned, kBox);
    QSpinBox plain;
    plain.setValue(7);
    EXPECT_TRUE(styletest::SameImage(StyleFixture::Grab(&skinned), FusionGrab(&plain, kBox)));
}

TEST(SkinStyleSpinBoxTest, HostilePicturesNeverCrash) {
    SpinSkin f;
    f.spin.upBtn.images[0].right = INT_MAX;
    f.spin.downBtn.images[0].bottom = INT_MAX;
    f.spin.upArrow.images[0] = f.Solid("arrow", 4, 4, Qt::black);
    f.spin.upArrow.images[0].left = INT_MIN;
    f.spin.downArrow.images[0].name = "missing.png";
    QWidget owner;
    QSpinBox* box = f.Spin(owner);
    EXPECT_LT(box->sizeHint().width(), 2000);
    EXPECT_LT(box->sizeHint().height(), 2000);
    for (const QSize size : {QSize(0, 0), QSize(3, 3), kBox}) {
        box->resize(size);
        EXPECT_FALSE(StyleFixture::Grab(box).isNull() && !size.isEmpty());
    }
    box->setButtonSymbols(QAbstractSpinBox::NoButtons);
    box->resize(kBox);
    const QImage image = StyleFixture::Grab(box);
    EXPECT_TRUE(Ink(image, Down(0)).isEmpty());
}

}  // namespace
