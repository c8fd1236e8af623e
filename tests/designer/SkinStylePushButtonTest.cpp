// Push buttons drawn by the test program's style from the skin's first button: each state's picture where
// the button is in that state (the default button at rest shows Default), the standard push button for a
// state without a picture, the text in the record's font and style only when the record draws text, a
// natural size from the picture and the text, Fusion's look without a button record, and hostile records.

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPushButton>
#include <QStyleFactory>

#include <array>
#include <memory>
#include <utility>

#include "Resource/ResObjects/ResButton.h"
#include "SkinStyleTestSupport.h"
#include "platform/LogFontQt.h"
#include "testskin/MnemonicText.h"

namespace {

using previewtest::New;
using styletest::StyleFixture;

// One colour per record state: Normal, Pressed, Disabled, Highlighted, Default.
const std::array<QColor, 5> kStateColours = {QColor(10, 200, 30), QColor(200, 20, 20), QColor(120, 120, 120),
                                              QColor(250, 200, 0), QColor(20, 40, 220)};
const QSize kButtonSize(100, 30);

struct ButtonFixture : StyleFixture {
    SkinButtonStruct& record = New<SkinButtonStruct>(doc, 2000);
    ButtonFixture() {
        for (size_t i = 0; i < 5; ++i)
            record.images[i] = Solid("state" + std::to_string(i) + ".png", 40, 20, kStateColours[i]);
        record.drawText = 0;  // pixels tell the picture alone
    }
    // The colour in the middle of the button as it paints now.
    static QColor Middle(QPushButton* button) {
        return Grab(button).pixelColor(button->width() / 2, button->height() / 2);
    }
};

TEST(SkinStylePushButtonTest, EachStateShowsItsPicture) {
    ButtonFixture f;
    QPushButton button(QStringLiteral("Go"));
    f.Styled(&button, kButtonSize);
    EXPECT_EQ(ButtonFixture::Middle(&button), kStateColours[kSkinNormal]);

    button.setDefault(true);
    EXPECT_EQ(ButtonFixture::Middle(&button), kStateColours[kSkinDefault]);

    StyleFixture::Hover(&button);  // hovered outranks default
    EXPECT_EQ(ButtonFixture::Middle(&button), kStateColours[kSkinHighlighted]);

    button.setDown(true);  // pressed outranks hovered
    EXPECT_EQ(ButtonFixture::Middle(&button), kStateColours[kSkinPressed]);

    button.setEnabled(false);  // disabled outranks everything
    EXPECT_EQ(ButtonFixture::Middle(&button), kStateColours[kSkinDisabled]);
}

TEST(SkinStylePushButtonTest, PictureFillsTheWholeButtonAndCheckedLooksPressed) {
    ButtonFixture f;
    QPushButton button(QStringLiteral("Toggle"));
    button.setCheckable(true);
    f.Styled(&button, kButtonSize);
    const QImage rest = StyleFixture::Grab(&button);
    EXPECT_EQ(previewtest::Count(rest, rest.rect(), kStateColours[kSkinNormal]), kButtonSize.width() * kButtonSize.height());
    button.setChecked(true);
    EXPECT_EQ(ButtonFixture::Middle(&button), kStateColours[kSkinPressed]);
}

TEST(SkinStylePushButtonTest, StateWithoutPictureShowsTheStandardButton) {
    ButtonFixture f;
    f.record.images[kSkinHighlighted] = SkinImageBase();
    QPushButton button(QStringLiteral("Go"));
    f.Styled(&button, kButtonSize);
    StyleFixture::Hover(&button);
    EXPECT_EQ(ButtonFixture::Middle(&button), previewtest::Q(f.doc.Env().SysColor(COLOR_BTNFACE)));
}

TEST(SkinStylePushButtonTest, TextOnlyWhenTheRecordDrawsItInTheStateStyle) {
    ButtonFixture f;
    const QColor ink(255, 0, 255 - 1);  // no picture has it
    for (size_t i = 0; i < 5; ++i) f.record.images[i] = f.Solid("white.png", 20, 20, Qt::white);
    f.record.styles[kSkinNormal].textColor = Color(ink.red(), ink.green(), ink.blue());
    f.record.font.height = -20;
    QPushButton button(QStringLiteral("&WWW"));
    f.Styled(&button, QSize(160, 40));
    EXPECT_EQ(previewtest::CountNear(StyleFixture::Grab(&button), button.rect(), ink, 40), 0);

    f.record.drawText = 1;
    button.update();
    const QImage drawn = StyleFixture::Grab(&button);
    const QRect ink0 = previewtest::InkOtherThan(drawn, Qt::white, drawn.rect());
    ASSERT_FALSE(ink0.isEmpty());
    EXPECT_GT(previewtest::CountNear(drawn, drawn.rect(), ink, 40), 0);
    // Centred as the style says, in the record's font, and without the mnemonic mark.
    const int advance = QFontMetrics(vd::ToQFont(f.record.font)).horizontalAdvance(QStringLiteral("WWW"));
    EXPECT_NEAR(ink0.width(), advance, 4);
    EXPECT_NEAR(ink0.center().x(), button.width() / 2, 3);

    // Another state draws in its own style.
    button.setDown(true);
    EXPECT_EQ(previewtest::CountNear(StyleFixture::Grab(&button), button.rect(), ink, 40), 0);
}

TEST(SkinStylePushButtonTest, NaturalSizeHoldsThePictureAndTheText) {
    ButtonFixture f;
    f.record.images[kSkinNormal] = f.Solid("big.png", 120, 44, kStateColours[0]);
    f.record.drawText = 1;
    QPushButton small(QStringLiteral("Ok"));
    f.Styled(&small, kButtonSize);
    EXPECT_GE(small.sizeHint().width(), 120);
    EXPECT_GE(small.sizeHint().height(), 44);

    f.record.font.height = -30;
    const QString text = QStringLiteral("A rather long caption for a button");
    QPushButton wide(text);
    f.Styled(&wide, kButtonSize);
    EXPECT_GE(wide.sizeHint().width(), QFontMetrics(vd::ToQFont(f.record.font)).horizontalAdvance(text));
    EXPECT_GE(wide.sizeHint().height(), QFontMetrics(vd::ToQFont(f.record.font)).height());
}

TEST(SkinStylePushButtonTest, MnemonicMarksAreTakenOut) {
    const std::pair<const char*, const char*> cases[] = {
        {"&Open", "Open"}, {"Fish && Chips", "Fish & Chips"}, {"&&&Both", "&Both"}, {"End&", "End"}, {"", ""},
        {"No marks", "No marks"}};
    for (const auto& [text, shown] : cases)
        EXPECT_EQ(WithoutMnemonics(QString::fromLatin1(text)), QString::fromLatin1(shown)) << text;
}

TEST(SkinStylePushButtonTest, WithoutAButtonRecordItIsFusions) {
    StyleFixture f;
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QPushButton mine(QStringLiteral("Same")), theirs(QStringLiteral("Same"));
    mine.setDefault(true);
    theirs.setDefault(true);
    f.Styled(&mine, kButtonSize);
    theirs.setStyle(fusion.get());
    theirs.resize(kButtonSize);
    theirs.setAttribute(Qt::WA_DontShowOnScreen);
    theirs.show();
    EXPECT_EQ(mine.sizeHint(), theirs.sizeHint());
    EXPECT_EQ(StyleFixture::Grab(&mine), StyleFixture::Grab(&theirs));
}

TEST(SkinStylePushButtonTest, HostileRecordsNeverCrash) {
    ButtonFixture f;
    f.record.drawText = 1;
    f.record.images[kSkinNormal].right = f.record.images[kSkinNormal].left;  // an empty picture
    f.record.images[kSkinDefault].leftWidth = 1 << 30;
    f.record.images[kSkinDefault].rightWidth = 1 << 30;
    f.record.images[kSkinHighlighted].topHeight = -50;
    f.record.images[kSkinHighlighted].right = -1000;
    f.record.styles[kSkinNormal].leftOffset = -(1 << 30);
    f.record.styles[kSkinNormal].rightOffset = 1 << 30;
    f.record.font.height = 1 << 20;
    QPushButton button(QStringLiteral("Hostile"));
    f.Styled(&button, kButtonSize);
    const QSize hint = button.sizeHint();
    EXPECT_GT(hint.width(), 0);
    EXPECT_LT(hint.width(), 1 << 16);
    button.setDefault(true);
    StyleFixture::Grab(&button);
    StyleFixture::Hover(&button);
    StyleFixture::Grab(&button);
    button.resize(0, 0);
    StyleFixture::Grab(&button);
}

}  // namespace
