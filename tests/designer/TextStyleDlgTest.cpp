// The Text Style dialog and its sample: the sample places and shadows the text as the style says (checked
// on rendered pixels), every control reaches its member, the ranges hold, a cancelled colour choice keeps
// the colour, through the dialog provider OK writes the whole style while Cancel writes nothing, and numbers
// stored outside the spins' ranges come back as they were unless the user changed them.

#include <gtest/gtest.h>

#include <QApplication>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>

#include "designer/DialogProvider.h"
#include "designer/dialogs/StyledSample.h"
#include "designer/dialogs/TextStyleDlg.h"

using namespace vd;

namespace {

const QSize kSampleSize(360, 72);

// The bounding box of every pixel that differs from the background.
QRect inkBox(const QImage& image, QRgb background) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background)
                box |= QRect(x, y, 1, 1);
    return box;
}

QImage renderSample(CTextStyle& dialog) {
    dialog.Sample()->resize(kSampleSize);
    return dialog.Sample()->Render();
}

template <class W>
W* child(QWidget& parent, const char* name) {
    W* w = parent.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

const QRgb kButtonFace = qRgb(240, 240, 240);
const QRgb kButtonShadow = qRgb(160, 160, 160);

// ---- the sample's drawing, without widgets

struct Placement {
    int horz, vert;
};

class SamplePlacementTest : public ::testing::TestWithParam<Placement> {};

TEST_P(SamplePlacementTest, TextSitsWhereTheAlignmentsSay) {
    StyledSampleLook look = StyledSampleLook::Initial();
    look.caption = QStringLiteral("Sample");
    look.horzAlign = GetParam().horz;
    look.vertAlign = GetParam().vert;
    QImage image(200, 60, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    PaintStyledSample(p, image.rect(), look, QFont(QStringLiteral("Liberation Sans"), 11));
    p.end();
    const QRect ink = inkBox(image, kButtonFace);
    ASSERT_FALSE(ink.isEmpty());
    const int left = ink.left(), right = image.width() - 1 - ink.right();
    const int top = ink.top(), bottom = image.height() - 1 - ink.bottom();
    switch (GetParam().horz) {
    case 0: EXPECT_LT(left, 4); EXPECT_GT(right, 100); break;
    case 1: EXPECT_NEAR(left, right, 3); break;
    case 2: EXPECT_LT(right, 4); EXPECT_GT(left, 100); break;
    }
    switch (GetParam().vert) {
    case 0: EXPECT_LT(top, 8); EXPECT_GT(bottom, 25); break;
    case 1: EXPECT_NEAR(top, bottom, 6); break;
    case 2: EXPECT_LT(bottom, 8); EXPECT_GT(top, 25); break;
    }
}

INSTANTIATE_TEST_SUITE_P(AllNine, SamplePlacementTest,
                         ::testing::Values(Placement{0, 0}, Placement{1, 0}, Placement{2, 0}, Placement{0, 1},
                                           Placement{1, 1}, Placement{2, 1}, Placement{0, 2}, Placement{1, 2},
                                           Placement{2, 2}));

TEST(StyledSample, SwatchIsItsColourOnlyAndInsetsMoveTheText) {
    CMyStatic swatch;
    swatch.resize(30, 12);
    swatch.SetBackgroundColor(QColor(12, 200, 99));
    const QImage image = swatch.Render();
    EXPECT_EQ(inkBox(image, qRgb(12, 200, 99)), QRect()) << "a swatch shows nothing but its colour";

    StyledSampleLook look = StyledSampleLook::Initial();
    look.caption = QStringLiteral("Inset");
    QImage plain(200, 40, QImage::Format_ARGB32_Premultiplied), inset = plain;
    {
        QPainter p(&plain);
        PaintStyledSample(p, plain.rect(), look, QFont());
    }
    look.insets = QMargins(30, 0, 0, 0);
    {
        QPainter p(&inset);
        PaintStyledSample(p, inset.rect(), look, QFont());
    }
    EXPECT_EQ(inkBox(inset, kButtonFace), inkBox(plain, kButtonFace).translated(30, 0));
    // Insets wider than the sample do not turn it inside out (nothing to assert but no crash and a fill).
    look.insets = QMargins(500, 500, 500, 500);
    QPainter p(&inset);
    PaintStyledSample(p, inset.rect(), look, QFont());
    EXPECT_EQ(inset.pixel(0, 0), kButtonFace);
}

// ---- the dialog

TEST(TextStyleDlg, DefaultRecordShowsCentredTextInTheSample) {
    CTextStyle dialog(SkinTextStyle::Fresh(SystemEnvironment::Default()));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Text Style"));
    EXPECT_EQ(dialog.Sample()->Look().caption, QStringLiteral("This is a demo text..."));
    EXPECT_TRUE(child<QRadioButton>(dialog, "horzAlign1")->isChecked());
    EXPECT_EQ(child<QRadioButton>(dialog, "horzAlign1")->text(), QStringLiteral("Center"));
    EXPECT_TRUE(child<QRadioButton>(dialog, "vertAlign1")->isChecked());
    EXPECT_TRUE(child<QRadioButton>(dialog, "effect0")->isChecked());
    const QImage image = renderSample(dialog);
    const QRect ink = inkBox(image, kButtonFace);
    ASSERT_FALSE(ink.isEmpty());
    // Centred by advance width, so the glyphs' side bearings may tip the ink box by a few pixels.
    EXPECT_NEAR(ink.left(), image.width() - 1 - ink.right(), 6);
    EXPECT_NEAR(ink.top(), image.height() - 1 - ink.bottom(), 6);
    EXPECT_EQ(dialog.Sample()->Look().effect, 0) << "no shadow yet";
}

TEST(TextStyleDlg, ShadowIsDrawnTwoPixelsRightAndDownInTheButtonShadowColour) {
    CTextStyle dialog(SkinTextStyle::Fresh(SystemEnvironment::Default()));
    const QImage textOnly = renderSample(dialog);
    child<QRadioButton>(dialog, "effect1")->click();
    EXPECT_EQ(dialog.Sample()->Look().effect, 1) << "the sample follows at once";
    const QImage shadowed = renderSample(dialog);

    // Where the text leaves the face bare, ink can only be shadow: the text's coverage two pixels up and
    // to the left, laid in the shadow colour instead of black (antialiased edges included).
    bool fullShadow = false;
    int shadowPixels = 0;
    for (int y = 0; y < shadowed.height(); ++y)
        for (int x = 0; x < shadowed.width(); ++x) {
            if (textOnly.pixel(x, y) != kButtonFace)
                continue;
            const int behind = x >= 2 && y >= 2 ? qRed(textOnly.pixel(x - 2, y - 2)) : qRed(kButtonFace);
            const double coverage = (qRed(kButtonFace) - behind) / double(qRed(kButtonFace));  // black text
            const double expected = qRed(kButtonFace) - coverage * (qRed(kButtonFace) - qRed(kButtonShadow));
            const QRgb seen = shadowed.pixel(x, y);
            ASSERT_NEAR(qRed(seen), expected, 2.0) << "at " << x << "," << y;
            EXPECT_EQ(qRed(seen), qBlue(seen));
            shadowPixels += seen != kButtonFace;
            fullShadow |= seen == kButtonShadow;
        }
    EXPECT_GT(shadowPixels, 50);
    EXPECT_TRUE(fullShadow) << "solid parts of the shadow are exactly the button-shadow colour";
}

TEST(TextStyleDlg, SpinsKeepTheirRanges) {
    CTextStyle dialog(SkinTextStyle{});
    for (const char* name : {"shadowX", "shadowY"}) {
        QSpinBox* spin = child<QSpinBox>(dialog, name);
        EXPECT_EQ(spin->minimum(), -50) << name;
        EXPECT_EQ(spin->maximum(), 50) << name;
    }
    for (const char* name : {"leftOffset", "rightOffset", "topOffset", "bottomOffset"}) {
        QSpinBox* spin = child<QSpinBox>(dialog, name);
        EXPECT_EQ(spin->minimum(), 0) << name;
        EXPECT_EQ(spin->maximum(), 1000) << name;
    }
    child<QSpinBox>(dialog, "shadowX")->setValue(75);
    child<QSpinBox>(dialog, "topOffset")->setValue(-4);
    EXPECT_EQ(dialog.Style().shadowHSpace, 50);
    EXPECT_EQ(dialog.Style().topOffset, 0);
}

TEST(TextStyleDlg, ShadowOffsetFollowsIntoTheSampleAtOnce) {
    CTextStyle dialog(SkinTextStyle{});
    child<QSpinBox>(dialog, "shadowX")->setValue(-7);
    child<QSpinBox>(dialog, "shadowY")->setValue(9);
    child<QRadioButton>(dialog, "horzAlign2")->click();
    child<QRadioButton>(dialog, "vertAlign0")->click();
    EXPECT_EQ(dialog.Sample()->Look().shadowX, -7);
    EXPECT_EQ(dialog.Sample()->Look().shadowY, 9);
    EXPECT_EQ(dialog.Sample()->Look().horzAlign, 2);
    EXPECT_EQ(dialog.Sample()->Look().vertAlign, 0);
}

TEST(TextStyleDlg, ColourChoiceStartsFromTheCurrentColourAndCancelKeepsIt) {
    SkinTextStyle style;
    style.textColor = Color(10, 20, 30);
    style.shadowColor = Color(90, 80, 70);
    CTextStyle dialog(style);
    QList<QColor> offered;
    std::optional<QColor> answer;
    dialog.SetColorChooser([&](QWidget*, const QColor& initial, const QString&) {
        offered << initial;
        return answer;
    });
    child<QToolButton>(dialog, "textColorButton")->click();
    child<QToolButton>(dialog, "shadowColorButton")->click();
    ASSERT_EQ(offered.size(), 2);
    EXPECT_EQ(offered[0], QColor(10, 20, 30));
    EXPECT_EQ(offered[1], QColor(90, 80, 70));
    EXPECT_EQ(dialog.Style(), style);
    EXPECT_EQ(dialog.TextColorSwatch()->Look().background, QColor(10, 20, 30));

    answer = QColor(1, 2, 3);
    child<QToolButton>(dialog, "shadowColorButton")->click();
    EXPECT_EQ(dialog.Style().shadowColor, Color(1, 2, 3));
    EXPECT_EQ(dialog.ShadowColorSwatch()->Look().background, QColor(1, 2, 3));
    EXPECT_EQ(dialog.Sample()->Look().shadow, QColor(1, 2, 3));
    EXPECT_EQ(dialog.Style().textColor, Color(10, 20, 30));
}

// Every member away from its default, set through the controls.
SkinTextStyle everythingChanged() {
    SkinTextStyle s;
    s.horzAlign = 2;
    s.vertAlign = 0;
    s.textColor = Color(200, 10, 20);
    s.effect = 1;
    s.shadowColor = Color(30, 40, 50);
    s.shadowHSpace = -3;
    s.shadowVSpace = 5;
    s.leftOffset = 11;
    s.rightOffset = 12;
    s.topOffset = 13;
    s.bottomOffset = 14;
    return s;
}

void setEverything(CTextStyle& dialog) {
    const SkinTextStyle s = everythingChanged();
    child<QRadioButton>(dialog, "horzAlign2")->click();
    child<QRadioButton>(dialog, "vertAlign0")->click();
    child<QRadioButton>(dialog, "effect1")->click();
    dialog.SetColorChooser([](QWidget*, const QColor&, const QString& title) -> std::optional<QColor> {
        return title.contains(QStringLiteral("Shadow")) ? QColor(30, 40, 50) : QColor(200, 10, 20);
    });
    child<QToolButton>(dialog, "textColorButton")->click();
    child<QToolButton>(dialog, "shadowColorButton")->click();
    child<QSpinBox>(dialog, "shadowX")->setValue(s.shadowHSpace);
    child<QSpinBox>(dialog, "shadowY")->setValue(s.shadowVSpace);
    child<QSpinBox>(dialog, "leftOffset")->setValue(s.leftOffset);
    child<QSpinBox>(dialog, "rightOffset")->setValue(s.rightOffset);
    child<QSpinBox>(dialog, "topOffset")->setValue(s.topOffset);
    child<QSpinBox>(dialog, "bottomOffset")->setValue(s.bottomOffset);
}

TEST(TextStyleDlg, EveryControlReachesItsMember) {
    CTextStyle dialog(SkinTextStyle::Fresh(SystemEnvironment::Default()));
    setEverything(dialog);
    EXPECT_EQ(dialog.Style(), everythingChanged());
}

TEST(TextStyleDlg, AStoredValueWithoutARadioSurvives) {
    SkinTextStyle odd;
    odd.horzAlign = 7;
    odd.effect = 3;
    CTextStyle dialog(odd);
    EXPECT_EQ(dialog.findChild<QButtonGroup*>(QStringLiteral("horzAlign"))->checkedId(), -1);
    EXPECT_EQ(dialog.Style(), odd);
}

// The real provider runs the dialog modally; the answer is given from inside its event loop.
bool runProviderDialog(SkinTextStyle* style, bool ok) {
    QtDialogProvider provider;
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<CTextStyle*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        seen = true;
        setEverything(*dialog);
        auto* buttons = dialog->findChild<QDialogButtonBox*>();
        buttons->button(ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
    });
    const bool result = provider.EditTextStyle(nullptr, SystemEnvironment::Default(), style);
    EXPECT_TRUE(seen) << "the dialog was shown";
    return result;
}

TEST(TextStyleDlg, ThroughTheProviderOkWritesEveryMember) {
    SkinTextStyle style = SkinTextStyle::Fresh(SystemEnvironment::Default());
    EXPECT_TRUE(runProviderDialog(&style, true));
    EXPECT_EQ(style, everythingChanged());
}

TEST(TextStyleDlg, ThroughTheProviderCancelWritesNothing) {
    const SkinTextStyle before = SkinTextStyle::Fresh(SystemEnvironment::Default());
    SkinTextStyle style = before;
    EXPECT_FALSE(runProviderDialog(&style, false));
    EXPECT_EQ(style, before);
}

// ---- numbers outside the spins' ranges: the ranges limit what the user enters, nothing else

// A style as older skins or other tools may hold it: every number beyond what the spins allow.
SkinTextStyle outOfRange() {
    SkinTextStyle s;
    s.horzAlign = 2;
    s.vertAlign = 0;
    s.effect = 1;
    s.textColor = Color(250, 200, 90);
    s.shadowColor = Color(60, 30, 0);
    s.shadowHSpace = 80;
    s.shadowVSpace = -70;
    s.leftOffset = -5;
    s.rightOffset = 2000;
    s.topOffset = 1001;
    s.bottomOffset = -1;
    return s;
}

// Runs the real provider on *style and lets `act` do something to the dialog before OK.
bool runProviderWith(SkinTextStyle* style, const std::function<void(CTextStyle&)>& act) {
    QtDialogProvider provider;
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<CTextStyle*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        seen = true;
        act(*dialog);
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    const bool result = provider.EditTextStyle(nullptr, SystemEnvironment::Default(), style);
    EXPECT_TRUE(seen) << "the dialog was shown";
    return result;
}

TEST(TextStyleDlgExact, OkWithoutTouchingHandsBackTheRecordAsItWas) {
    SkinTextStyle style = outOfRange();
    EXPECT_TRUE(runProviderWith(&style, [](CTextStyle&) {}));
    EXPECT_EQ(style, outOfRange());

    // Also when the user only looked: focus went through every spin and the dialog was shown.
    EXPECT_TRUE(runProviderWith(&style, [](CTextStyle& dialog) {
        for (QSpinBox* spin : dialog.findChildren<QSpinBox*>()) {
            spin->setFocus();
            QCoreApplication::processEvents();
        }
    }));
    EXPECT_EQ(style, outOfRange());
}

TEST(TextStyleDlgExact, TheSpinsAndTheSampleShowTheStoredNumbers) {
    CTextStyle dialog(outOfRange());
    EXPECT_EQ(child<QSpinBox>(dialog, "shadowX")->text(), QStringLiteral("80"));
    EXPECT_EQ(child<QSpinBox>(dialog, "shadowY")->text(), QStringLiteral("-70"));
    EXPECT_EQ(child<QSpinBox>(dialog, "rightOffset")->text(), QStringLiteral("2000"));
    EXPECT_EQ(child<QSpinBox>(dialog, "bottomOffset")->text(), QStringLiteral("-1"));
    EXPECT_EQ(dialog.Sample()->Look().shadowX, 80);
    EXPECT_EQ(dialog.Sample()->Look().shadowY, -70);
}

// One field changed by the user, the rest left: only that member differs from the stored record.
struct OneTouch {
    const char* spin;
    int steps;  // stepped by the user
    int SkinTextStyle::*member;
    int expected;  // the range's limit moved by the steps
};

class TextStyleOneTouchTest : public ::testing::TestWithParam<OneTouch> {};

TEST_P(TextStyleOneTouchTest, OnlyTheTouchedMemberChanges) {
    const OneTouch& c = GetParam();
    SkinTextStyle style = outOfRange();
    EXPECT_TRUE(runProviderWith(&style, [&](CTextStyle& dialog) { child<QSpinBox>(dialog, c.spin)->stepBy(c.steps); }));
    SkinTextStyle expected = outOfRange();
    expected.*c.member = c.expected;
    EXPECT_EQ(style, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextStyleOneTouchTest,
    ::testing::Values(OneTouch{"shadowX", -1, &SkinTextStyle::shadowHSpace, 50 - 1},
                      OneTouch{"shadowY", 2, &SkinTextStyle::shadowVSpace, -50 + 2},
                      OneTouch{"leftOffset", 3, &SkinTextStyle::leftOffset, 0 + 3},
                      OneTouch{"rightOffset", -10, &SkinTextStyle::rightOffset, 1000 - 10},
                      OneTouch{"topOffset", 1, &SkinTextStyle::topOffset, 1000},  // stepping past the limit stops there
                      OneTouch{"bottomOffset", -1, &SkinTextStyle::bottomOffset, 0}),
    [](const ::testing::TestParamInfo<OneTouch>& info) { return std::string(info.param.spin); });

TEST(TextStyleDlgExact, ATypedNumberIsWrittenAsTheSpinShowsIt) {
    SkinTextStyle style = outOfRange();
    EXPECT_TRUE(runProviderWith(&style, [](CTextStyle& dialog) {
        QSpinBox* spin = child<QSpinBox>(dialog, "topOffset");
        auto* edit = spin->findChild<QLineEdit*>();
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("1000"));  // the limit, right under 1001
    }));
    SkinTextStyle expected = outOfRange();
    expected.topOffset = 1000;
    EXPECT_EQ(style, expected);
}

TEST(TextStyleDlgExact, ChangingOnlyARadioOrAColourKeepsEveryNumber) {
    SkinTextStyle style = outOfRange();
    EXPECT_TRUE(runProviderWith(&style, [](CTextStyle& dialog) {
        child<QRadioButton>(dialog, "horzAlign0")->click();
        dialog.SetColorChooser(
            [](QWidget*, const QColor&, const QString&) { return std::optional<QColor>(QColor(1, 2, 3)); });
        child<QToolButton>(dialog, "textColorButton")->click();
    }));
    SkinTextStyle expected = outOfRange();
    expected.horzAlign = 0;
    expected.textColor = Color(1, 2, 3);
    EXPECT_EQ(style, expected);
}

}  // namespace
