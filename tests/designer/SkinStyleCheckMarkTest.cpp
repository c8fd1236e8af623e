// Check boxes and radio buttons drawn by the test program's style: the mark of each check state (three for
// check boxes) in each of the four states, centred on an indicator as large as the largest mark picture,
// the system control where a state has no picture, the label in the record's font and style only when the
// record shows text, Fusion's look without a record, and hostile records.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFontMetrics>
#include <QRadioButton>
#include <QStyleFactory>

#include <array>
#include <memory>
#include <string>

#include "Resource/ResObjects/ResCheckBox.h"
#include "SkinStyleTestSupport.h"
#include "platform/LogFontQt.h"

namespace {

using previewtest::New;
using styletest::StyleFixture;

constexpr int kMarkSide = 18;
const QSize kWidgetSize(160, 30);

// A colour per mark (unchecked, checked, third) and record state (normal, pressed, disabled, highlighted).
QColor MarkColour(int mark, int state) { return QColor(40 + 70 * mark, 30 + 50 * state, 200 - 40 * state); }

template <class Record>
void Dress(StyleFixture& f, SkinStateImages<4>& set, int mark) {
    for (int state = 0; state < 4; ++state)
        set.images[static_cast<size_t>(state)] =
            f.Solid("m" + std::to_string(mark) + std::to_string(state) + ".png", kMarkSide, kMarkSide,
                    MarkColour(mark, state));
}

// The colour in the middle of the indicator: it sits at the left, centred vertically.
template <class W>
QColor MarkMiddle(W* widget) {
    const QImage image = StyleFixture::Grab(widget);
    return image.pixelColor(kMarkSide / 2, widget->height() / 2);
}

struct CheckFixture : StyleFixture {
    SkinCheckBox& record = New<SkinCheckBox>(doc, 12000);
    CheckFixture() {
        Dress<SkinCheckBox>(*this, record.unchecked, 0);
        Dress<SkinCheckBox>(*this, record.checked, 1);
        Dress<SkinCheckBox>(*this, record.halfChecked, 2);
    }
};

TEST(SkinStyleCheckMarkTest, CheckBoxShowsTheMarkOfEachCheckStateInEachState) {
    CheckFixture f;
    QCheckBox box(QStringLiteral("Check"));
    box.setTristate(true);
    f.Styled(&box, kWidgetSize);
    const std::array<Qt::CheckState, 3> marks = {Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked};
    for (int mark = 0; mark < 3; ++mark) {
        SCOPED_TRACE(mark);
        box.setCheckState(marks[static_cast<size_t>(mark)]);
        box.setEnabled(true);
        StyleFixture::Hover(&box, false);
        box.setDown(false);
        EXPECT_EQ(MarkMiddle(&box), MarkColour(mark, kSkinNormal));
        StyleFixture::Hover(&box);
        EXPECT_EQ(MarkMiddle(&box), MarkColour(mark, kSkinHighlighted));
        box.setDown(true);
        EXPECT_EQ(MarkMiddle(&box), MarkColour(mark, kSkinPressed));
        box.setEnabled(false);
        EXPECT_EQ(MarkMiddle(&box), MarkColour(mark, kSkinDisabled));
    }
}

TEST(SkinStyleCheckMarkTest, RadioButtonShowsItsTwoMarks) {
    StyleFixture f;
    SkinRadioBox& record = New<SkinRadioBox>(f.doc, 13000);
    Dress<SkinRadioBox>(f, record.unchecked, 0);
    Dress<SkinRadioBox>(f, record.checked, 1);
    QRadioButton radio(QStringLiteral("Radio"));
    f.Styled(&radio, kWidgetSize);
    EXPECT_EQ(MarkMiddle(&radio), MarkColour(0, kSkinNormal));
    radio.setChecked(true);
    EXPECT_EQ(MarkMiddle(&radio), MarkColour(1, kSkinNormal));
    StyleFixture::Hover(&radio);
    EXPECT_EQ(MarkMiddle(&radio), MarkColour(1, kSkinHighlighted));
    radio.setEnabled(false);
    EXPECT_EQ(MarkMiddle(&radio), MarkColour(1, kSkinDisabled));
    // The radio record does not reach check boxes.
    QCheckBox box(QStringLiteral("Check"));
    f.Styled(&box, kWidgetSize);
    EXPECT_NE(MarkMiddle(&box), MarkColour(0, kSkinNormal));
}

TEST(SkinStyleCheckMarkTest, IndicatorIsAsLargeAsTheLargestMarkAndSmallerMarksSitCentred) {
    CheckFixture f;
    f.record.checked.images[kSkinHighlighted] = f.Solid("tall.png", 12, 26, MarkColour(1, 3));
    QCheckBox box(QStringLiteral("Check"));
    f.Styled(&box, QSize(160, 40));
    EXPECT_EQ(f.style.pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &box), kMarkSide);
    EXPECT_EQ(f.style.pixelMetric(QStyle::PM_IndicatorHeight, nullptr, &box), 26);
    // The 18-pixel mark sits in the middle of the 18 x 26 indicator, itself centred on the 40-pixel box.
    const QImage image = StyleFixture::Grab(&box);
    const QRect ink = previewtest::Ink(image, MarkColour(0, kSkinNormal));
    EXPECT_EQ(ink, QRect(0, (40 - 26) / 2 + (26 - kMarkSide) / 2, kMarkSide, kMarkSide));
    EXPECT_GE(box.sizeHint().height(), 26);
}

TEST(SkinStyleCheckMarkTest, StateWithoutPictureShowsTheSystemControl) {
    CheckFixture f;
    f.record.unchecked.images[kSkinNormal] = SkinImageBase();
    QCheckBox box(QStringLiteral("Check"));
    f.Styled(&box, kWidgetSize);
    // The system check box: a 14 x 14 well in the window colour, centred on the indicator.
    const QImage image = StyleFixture::Grab(&box);
    const QPoint middle(kMarkSide / 2, box.height() / 2);
    EXPECT_EQ(image.pixelColor(middle), previewtest::Q(f.doc.Env().SysColor(COLOR_WINDOW)));
    EXPECT_EQ(previewtest::Count(image, image.rect(), MarkColour(0, kSkinNormal)), 0);
}

TEST(SkinStyleCheckMarkTest, LabelInTheRecordFontAndStyleOnlyWhenItShowsText) {
    CheckFixture f;
    const QColor ink(255, 0, 254);
    f.record.checked.styles[kSkinNormal].textColor = Color(ink.red(), ink.green(), ink.blue());
    f.record.checked.styles[kSkinNormal].horzAlign = 0;
    f.record.font.height = -22;
    const QString text = QStringLiteral("WWWW");
    QCheckBox box(QStringLiteral("&") + text);
    box.setChecked(true);
    f.Styled(&box, QSize(220, 40));
    const QImage shown = StyleFixture::Grab(&box);
    EXPECT_GT(previewtest::CountNear(shown, shown.rect(), ink, 40), 0);
    const QRect label = previewtest::DarkInk(shown, QRect(kMarkSide + 1, 0, shown.width() - kMarkSide - 1, shown.height()), 200);
    const int advance = QFontMetrics(vd::ToQFont(f.record.font)).horizontalAdvance(text);
    EXPECT_NEAR(label.width(), advance, 4);
    EXPECT_GE(box.sizeHint().width(), kMarkSide + advance);

    // Unchecked it draws in the unchecked mark's style, which keeps the default black.
    box.setChecked(false);
    EXPECT_EQ(previewtest::CountNear(StyleFixture::Grab(&box), shown.rect(), ink, 40), 0);

    f.record.showText = 0;
    box.setChecked(true);
    const QImage hidden = StyleFixture::Grab(&box);
    EXPECT_EQ(previewtest::CountNear(hidden, hidden.rect(), ink, 40), 0);
}

TEST(SkinStyleCheckMarkTest, WithoutRecordsTheyAreFusions) {
    StyleFixture f;
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    auto fusionGrab = [&](QWidget* w) {
        w->setStyle(fusion.get());
        w->resize(kWidgetSize);
        w->setAttribute(Qt::WA_DontShowOnScreen);
        w->show();
        return StyleFixture::Grab(w);
    };
    QCheckBox mine(QStringLiteral("Box")), theirs(QStringLiteral("Box"));
    mine.setChecked(true);
    theirs.setChecked(true);
    f.Styled(&mine, kWidgetSize);
    EXPECT_EQ(StyleFixture::Grab(&mine), fusionGrab(&theirs));
    EXPECT_EQ(mine.sizeHint(), theirs.sizeHint());
    QRadioButton myRadio(QStringLiteral("Radio")), theirRadio(QStringLiteral("Radio"));
    f.Styled(&myRadio, kWidgetSize);
    EXPECT_EQ(StyleFixture::Grab(&myRadio), fusionGrab(&theirRadio));
}

TEST(SkinStyleCheckMarkTest, HostileRecordsNeverCrash) {
    CheckFixture f;
    f.record.checked.images[0].right = -(1 << 30);
    f.record.checked.images[1].bottom = 1 << 30;  // a slice far outside its picture
    f.record.unchecked.images[3].leftWidth = -5;
    f.record.unchecked.images[3].rightWidth = 1 << 30;
    f.record.halfChecked.styles[0].topOffset = 1 << 30;
    f.record.halfChecked.styles[0].bottomOffset = 1 << 30;
    f.record.font.height = 0;
    QCheckBox box(QStringLiteral("Hostile"));
    box.setTristate(true);
    f.Styled(&box, kWidgetSize);
    EXPECT_LE(f.style.pixelMetric(QStyle::PM_IndicatorHeight, nullptr, &box), 256);
    EXPECT_LT(box.sizeHint().height(), 1 << 16);
    for (Qt::CheckState state : {Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked}) {
        box.setCheckState(state);
        StyleFixture::Grab(&box);
        StyleFixture::Hover(&box);
        StyleFixture::Grab(&box);
    }
    box.resize(0, 0);
    StyleFixture::Grab(&box);
}

}  // namespace
