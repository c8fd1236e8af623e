// Date-time edits in the test program's style: one that opens a calendar is a drop-down field drawn from
// the date-time record (frame, button and arrow of the state); one with stepping arrows keeps the record's
// frame; other spin boxes are never drawn from it; without a record both are Fusion's.

#include <gtest/gtest.h>

#include <QDateTimeEdit>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

#include "Resource/ResObjects/ResComboBox.h"
#include "SkinStyleFieldsSupport.h"

namespace {

using styletest::Pixel;
using styletest::StyleFixture;

constexpr QSize kSize(180, 28);
constexpr int kButtonWidth = 20;
const QColor kEdge[2] = {QColor(240, 250, 210), QColor(190, 190, 190)};
const QColor kButton[4] = {QColor(210, 60, 20), QColor(20, 210, 60), QColor(110, 110, 110), QColor(60, 20, 210)};

void DateTimeRecord(StyleFixture& f) {
    auto& d = previewtest::New<SkinDatetime>(f.doc, 25000);
    for (int i = 0; i < 2; ++i) d.edges[i] = f.Solid("dtedge" + std::to_string(i) + ".png", 24, 22, kEdge[i]);
    for (int s = 0; s < 4; ++s) d.buttons[s] = f.Solid("dtbutton" + std::to_string(s) + ".png", kButtonWidth, 22, kButton[s]);
}

QDateTimeEdit* NewDateTime(bool popup) {
    auto* edit = new QDateTimeEdit(QDateTime(QDate(2026, 12, 8), QTime(9, 30)));
    edit->setCalendarPopup(popup);
    return edit;
}

const QPoint kButtonPixel(kSize.width() - kButtonWidth + 2, 2);
const QPoint kFieldPixel(kSize.width() / 2, 1);

TEST(SkinStyleDateTimeTest, ACalendarPickerShowsTheStatesPictures) {
    StyleFixture f;
    DateTimeRecord(f);
    std::unique_ptr<QDateTimeEdit> edit(f.Styled(NewDateTime(true), kSize));

    QImage image = StyleFixture::Grab(edit.get());
    EXPECT_EQ(Pixel(image, kFieldPixel), kEdge[0]);
    EXPECT_EQ(Pixel(image, kButtonPixel), kButton[0]);
    // The text field inside is see-through: the frame picture shows beside the digits.
    const QRect inner = edit->findChild<QLineEdit*>()->geometry();
    EXPECT_EQ(Pixel(image, QPoint(inner.right() - 1, inner.top() + 1)), kEdge[0]);

    StyleFixture::Hover(edit.get());
    image = StyleFixture::Grab(edit.get());
    EXPECT_EQ(Pixel(image, kButtonPixel), kButton[3]);
    StyleFixture::Hover(edit.get(), false);

    // Pressing the button opens the calendar and shows the pressed face.
    QTest::mousePress(edit.get(), Qt::LeftButton, {}, QPoint(kSize.width() - kButtonWidth / 2, kSize.height() / 2));
    image = StyleFixture::Grab(edit.get());
    EXPECT_EQ(Pixel(image, kButtonPixel), kButton[1]);
    QTest::mouseRelease(edit.get(), Qt::LeftButton, {}, QPoint(kSize.width() - kButtonWidth / 2, kSize.height() / 2));
    for (QWidget* popup : edit->findChildren<QWidget*>())
        if (popup->isWindow()) popup->hide();

    edit->setEnabled(false);
    image = StyleFixture::Grab(edit.get());
    EXPECT_EQ(Pixel(image, kFieldPixel), kEdge[1]);
    EXPECT_EQ(Pixel(image, kButtonPixel), kButton[2]);
}

TEST(SkinStyleDateTimeTest, AStepperKeepsTheRecordsFrameAndOtherSpinBoxesAreNotDrawnFromIt) {
    StyleFixture f;
    DateTimeRecord(f);
    std::unique_ptr<QDateTimeEdit> edit(f.Styled(NewDateTime(false), kSize));
    QImage image = StyleFixture::Grab(edit.get());
    previewtest::SaveIfAsked(image, QStringLiteral("style-datetime-stepper"));
    EXPECT_EQ(Pixel(image, QPoint(1, 1)), kEdge[0]);
    EXPECT_EQ(Pixel(image, QPoint(1, kSize.height() - 2)), kEdge[0]);
    edit->setEnabled(false);
    image = StyleFixture::Grab(edit.get());
    EXPECT_EQ(Pixel(image, QPoint(1, 1)), kEdge[1]);

    styletest::FusionStyle fusion;
    auto newSpin = [] {
        auto* spin = new QSpinBox;
        spin->setValue(42);
        return spin;
    };
    std::unique_ptr<QSpinBox> ours(f.Styled(newSpin(), kSize));
    std::unique_ptr<QSpinBox> theirs(fusion.Styled(newSpin(), kSize));
    EXPECT_EQ(StyleFixture::Grab(ours.get()), StyleFixture::Grab(theirs.get()));
}

TEST(SkinStyleDateTimeTest, WithoutARecordBothKindsAreFusions) {
    StyleFixture f;
    previewtest::New<SkinComboBox>(f.doc, 9000);  // a combo record is not a date-time record
    styletest::FusionStyle fusion;
    for (bool popup : {true, false}) {
        std::unique_ptr<QDateTimeEdit> ours(f.Styled(NewDateTime(popup), kSize));
        std::unique_ptr<QDateTimeEdit> theirs(fusion.Styled(NewDateTime(popup), kSize));
        EXPECT_EQ(StyleFixture::Grab(ours.get()), StyleFixture::Grab(theirs.get())) << popup;
        EXPECT_EQ(ours->sizeHint(), theirs->sizeHint()) << popup;
    }
}

TEST(SkinStyleDateTimeTest, EmptyAndOversizedPicturesDoNotCrash) {
    StyleFixture f;
    auto& d = previewtest::New<SkinDatetime>(f.doc, 25000);
    d.edges[0] = f.Solid("tiny.png", 1, 1, kEdge[0]);
    d.edges[0].leftWidth = d.edges[0].rightWidth = 1 << 28;
    d.buttons[0] = f.Solid("wide.png", 4, 4, kButton[0]);
    d.buttons[0].right = 1 << 30;
    d.arrows[0].name = "nothing.png";
    for (bool popup : {true, false})
        for (QSize size : {QSize(0, 0), QSize(3, 3), kSize}) {
            std::unique_ptr<QDateTimeEdit> edit(f.Styled(NewDateTime(popup), size));
            StyleFixture::Grab(edit.get());
            EXPECT_LT(edit->sizeHint().width(), 2000);
        }
}

}  // namespace
