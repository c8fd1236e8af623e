// Combo boxes in the test program's style: the frame picture of the state (normal or disabled), the drop
// button's face and arrow of the state at the right end, the sub-control rectangles Qt lays the field
// out by, the platform look without a record, and hostile records.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>

#include "Resource/ResObjects/ResComboBox.h"
#include "SkinStyleFieldsSupport.h"

namespace {

using styletest::Pixel;
using styletest::StyleFixture;

constexpr QSize kSize(200, 30);
constexpr int kButtonWidth = 17;
constexpr QSize kArrow(7, 4);
const QColor kEdge[2] = {QColor(250, 240, 200), QColor(200, 200, 200)};  // normal, disabled
// Record order: normal, pressed, disabled, highlighted.
const QColor kButton[4] = {QColor(200, 30, 30), QColor(30, 200, 30), QColor(120, 120, 120), QColor(30, 30, 200)};
const QColor kArrowInk[4] = {QColor(90, 0, 0), QColor(0, 90, 0), QColor(60, 60, 60), QColor(0, 0, 90)};

SkinComboBox& ComboRecord(StyleFixture& f, bool buttons = true) {
    auto& c = previewtest::New<SkinComboBox>(f.doc, 9000);
    for (int i = 0; i < 2; ++i) c.edges[i] = f.Solid("edge" + std::to_string(i) + ".png", 24, 22, kEdge[i]);
    for (int s = 0; buttons && s < 4; ++s) {
        c.buttons[s] = f.Solid("button" + std::to_string(s) + ".png", kButtonWidth, 22, kButton[s]);
        c.arrows[s] = f.Solid("arrow" + std::to_string(s) + ".png", kArrow.width(), kArrow.height(), kArrowInk[s]);
    }
    return c;
}

QComboBox* NewCombo(bool editable = false) {
    auto* combo = new QComboBox;
    combo->setEditable(editable);
    combo->addItems({QStringLiteral("One"), QStringLiteral("Two")});
    return combo;
}

// The button's face and the arrow's centre, computed from the sizes set up above.
const QPoint kButtonPixel(kSize.width() - kButtonWidth + 1, 2);
const QPoint kArrowPixel(kSize.width() - kButtonWidth + (kButtonWidth - kArrow.width()) / 2 + kArrow.width() / 2,
                         (kSize.height() - kArrow.height()) / 2 + kArrow.height() / 2);
// A field pixel above the text.
const QPoint kFieldPixel(kSize.width() / 2, 1);

TEST(SkinStyleComboBoxTest, EachStateShowsItsPictures) {
    StyleFixture f;
    ComboRecord(f);
    std::unique_ptr<QComboBox> combo(f.Styled(NewCombo(), kSize));

    QImage image = StyleFixture::Grab(combo.get());
    EXPECT_EQ(Pixel(image, kFieldPixel), kEdge[0]);
    EXPECT_EQ(Pixel(image, kButtonPixel), kButton[0]);
    EXPECT_EQ(Pixel(image, kArrowPixel), kArrowInk[0]);

    StyleFixture::Hover(combo.get());
    image = StyleFixture::Grab(combo.get());
    EXPECT_EQ(Pixel(image, kFieldPixel), kEdge[0]);
    EXPECT_EQ(Pixel(image, kButtonPixel), kButton[3]);
    EXPECT_EQ(Pixel(image, kArrowPixel), kArrowInk[3]);
    StyleFixture::Hover(combo.get(), false);

    // An open list presses the button.
    combo->showPopup();
    image = StyleFixture::Grab(combo.get());
    combo->hidePopup();
    EXPECT_EQ(Pixel(image, kButtonPixel), kButton[1]);
    EXPECT_EQ(Pixel(image, kArrowPixel), kArrowInk[1]);

    combo->setEnabled(false);
    image = StyleFixture::Grab(combo.get());
    EXPECT_EQ(Pixel(image, kFieldPixel), kEdge[1]);
    EXPECT_EQ(Pixel(image, kButtonPixel), kButton[2]);
    EXPECT_EQ(Pixel(image, kArrowPixel), kArrowInk[2]);
}

TEST(SkinStyleComboBoxTest, TheButtonTakesItsPicturesWidthAndTheTextStaysLeftOfIt) {
    StyleFixture f;
    ComboRecord(f);
    std::unique_ptr<QComboBox> combo(f.Styled(NewCombo(true), kSize));
    QStyleOptionComboBox option;
    option.initFrom(combo.get());
    option.rect = QRect(QPoint(0, 0), kSize);
    EXPECT_EQ(f.style.subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, combo.get()),
              QRect(kSize.width() - kButtonWidth, 0, kButtonWidth, kSize.height()));
    // The editable text lies inside the frame, left of the button, and lets the frame picture show.
    const QRect edit = combo->lineEdit()->geometry();
    EXPECT_LT(edit.right(), kSize.width() - kButtonWidth);
    EXPECT_GT(edit.left(), 0);
    EXPECT_GT(edit.top(), 0);
    const QImage image = StyleFixture::Grab(combo.get());
    EXPECT_EQ(Pixel(image, QPoint(edit.right() - 1, edit.top() + 1)), kEdge[0]);
    // The size hint leaves room for the button picture and never cuts the frame picture's height.
    EXPECT_GE(combo->sizeHint().height(), 22);
    EXPECT_GE(combo->sizeHint().width(), kButtonWidth + combo->fontMetrics().horizontalAdvance(QStringLiteral("Two")));
}

TEST(SkinStyleComboBoxTest, WithoutButtonPicturesTheStandardArrowStandsInsideTheField) {
    StyleFixture f;
    auto& record = ComboRecord(f, false);
    record.edges[0] = SkinImageBase{};  // no frame picture either: the white field's two-pixel edge
    std::unique_ptr<QComboBox> combo(f.Styled(NewCombo(), kSize));
    QStyleOptionComboBox option;
    option.initFrom(combo.get());
    option.rect = QRect(QPoint(0, 0), kSize);
    const int metric = f.doc.Env().Metric(SM_CXHSCROLL);
    EXPECT_EQ(f.style.subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, combo.get()),
              QRect(kSize.width() - 2 - metric, 2, metric, kSize.height() - 4));
    const QImage image = StyleFixture::Grab(combo.get());
    EXPECT_EQ(Pixel(image, QPoint(4, 3)), QColor(255, 255, 255));
    // The arrow's glyph is drawn: the button's middle is dark.
    EXPECT_LT(qGray(image.pixel(kSize.width() - 2 - metric / 2 - 1, kSize.height() / 2)), 80);
}

TEST(SkinStyleComboBoxTest, WithoutARecordTheComboIsFusions) {
    StyleFixture f;
    previewtest::New<SkinDatetime>(f.doc, 25000);  // another kind's record changes nothing here
    styletest::FusionStyle fusion;
    for (bool editable : {false, true}) {
        std::unique_ptr<QComboBox> ours(f.Styled(NewCombo(editable), kSize));
        std::unique_ptr<QComboBox> theirs(fusion.Styled(NewCombo(editable), kSize));
        EXPECT_EQ(StyleFixture::Grab(ours.get()), StyleFixture::Grab(theirs.get())) << editable;
        EXPECT_EQ(ours->sizeHint(), theirs->sizeHint()) << editable;
    }
}

TEST(SkinStyleComboBoxTest, HostileRecordsNeitherCrashNorGrowWithoutBound) {
    StyleFixture f;
    auto& record = ComboRecord(f);
    record.edges[0].leftWidth = 1 << 30;
    record.edges[0].topHeight = -50;
    record.edges[0].bottom = 1 << 30;  // a frame "picture" of absurd height
    record.buttons[0].right = -100;    // inverted rectangle
    record.buttons[3].right = 1 << 30;
    record.buttons[3].bottom = 1 << 30;
    record.arrows[0].right = 1 << 30;
    record.arrows[1].name = "missing.png";
    record.arrows[1].image = nullptr;
    for (QSize size : {QSize(0, 0), QSize(1, 1), QSize(5, 40), kSize}) {
        std::unique_ptr<QComboBox> combo(f.Styled(NewCombo(true), size));
        StyleFixture::Grab(combo.get());
        StyleFixture::Hover(combo.get());
        StyleFixture::Grab(combo.get());
        const QSize hint = combo->sizeHint();
        EXPECT_LT(hint.width(), 2000);
        EXPECT_LT(hint.height(), 1000);
        EXPECT_GT(hint.height(), 0);
    }
}

}  // namespace
