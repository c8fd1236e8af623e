// LogFontDialog covers every LogFont member: what goes in comes back unchanged, each control changes
// exactly its member, and the face name keeps to its 31 bytes.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>

#include "designer/propertygrid/FontItem.h"
#include "designer/propertygrid/LogFontDialog.h"
#include "designer/propertygrid/NamedValueCombo.h"

#include <functional>

using namespace vd;

namespace {

LogFont unusual() {
    LogFont f;
    f.faceName = "Liberation Serif";
    f.height = 27;
    f.width = -3;
    f.escapement = 450;
    f.orientation = -900;
    f.weight = 650;
    f.italic = 1;
    f.underline = 0;
    f.strikeOut = 1;
    f.charSet = 134;
    f.outPrecision = 7;
    f.clipPrecision = 64;
    f.quality = 5;
    f.pitchAndFamily = 0x31;
    return f;
}

LogFont odd() {
    // Values the controls have no name for, and flag bytes other than 0 and 1.
    LogFont f;
    f.faceName = "";
    f.height = INT_MIN;
    f.width = INT_MAX;
    f.weight = 1234;
    f.italic = 0xFF;
    f.underline = 2;
    f.strikeOut = 0;
    f.charSet = 3;
    f.outPrecision = 200;
    f.clipPrecision = 0xFF;
    f.quality = 9;
    f.pitchAndFamily = 0xFF;
    return f;
}

class RoundTripTest : public ::testing::TestWithParam<LogFont> {};

TEST_P(RoundTripTest, WhatGoesInComesOut) {
    LogFontDialog dialog;
    dialog.setLogFont(GetParam());
    EXPECT_EQ(dialog.logFont(), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Fonts, RoundTripTest, ::testing::Values(LogFont(), unusual(), odd()));

struct Control {
    const char* name;
    std::function<void(LogFontDialog&)> change;
    std::function<void(LogFont&)> expected;
};

class ControlTest : public ::testing::TestWithParam<Control> {};

template <class W>
W* child(LogFontDialog& d, const char* name) {
    W* w = d.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

TEST_P(ControlTest, ChangesExactlyItsMember) {
    LogFontDialog dialog;
    dialog.setLogFont(unusual());
    GetParam().change(dialog);
    LogFont expected = unusual();
    GetParam().expected(expected);
    EXPECT_EQ(dialog.logFont(), expected) << GetParam().name;
}

void spin(LogFontDialog& d, const char* name, int v) { child<QSpinBox>(d, name)->setValue(v); }
void named(LogFontDialog& d, const char* name, int v) { child<NamedValueCombo>(d, name)->setValue(v); }

INSTANTIATE_TEST_SUITE_P(
    Members, ControlTest,
    ::testing::Values(
        Control{"faceName", [](LogFontDialog& d) { child<QComboBox>(d, "faceName")->setEditText("Courier New"); },
                [](LogFont& f) { f.faceName = "Courier New"; }},
        Control{"height", [](LogFontDialog& d) { spin(d, "height", -16); }, [](LogFont& f) { f.height = -16; }},
        Control{"width", [](LogFontDialog& d) { spin(d, "width", 8); }, [](LogFont& f) { f.width = 8; }},
        Control{"escapement", [](LogFontDialog& d) { spin(d, "escapement", 900); }, [](LogFont& f) { f.escapement = 900; }},
        Control{"orientation", [](LogFontDialog& d) { spin(d, "orientation", 10); }, [](LogFont& f) { f.orientation = 10; }},
        Control{"weight", [](LogFontDialog& d) { spin(d, "weight", 300); }, [](LogFont& f) { f.weight = 300; }},
        Control{"italic", [](LogFontDialog& d) { child<QCheckBox>(d, "italic")->setChecked(false); },
                [](LogFont& f) { f.italic = 0; }},
        Control{"underline", [](LogFontDialog& d) { child<QCheckBox>(d, "underline")->setChecked(true); },
                [](LogFont& f) { f.underline = 1; }},
        Control{"strikeOut", [](LogFontDialog& d) { child<QCheckBox>(d, "strikeOut")->setChecked(false); },
                [](LogFont& f) { f.strikeOut = 0; }},
        Control{"charSet", [](LogFontDialog& d) { named(d, "charSet", 204); }, [](LogFont& f) { f.charSet = 204; }},
        Control{"outPrecision", [](LogFontDialog& d) { named(d, "outPrecision", 3); }, [](LogFont& f) { f.outPrecision = 3; }},
        Control{"clipPrecision", [](LogFontDialog& d) { named(d, "clipPrecision", 1); }, [](LogFont& f) { f.clipPrecision = 1; }},
        Control{"quality", [](LogFontDialog& d) { named(d, "quality", 3); }, [](LogFont& f) { f.quality = 3; }},
        Control{"pitch", [](LogFontDialog& d) { named(d, "pitch", 2); }, [](LogFont& f) { f.pitchAndFamily = 0x32; }},
        Control{"family", [](LogFontDialog& d) { named(d, "family", 0x50); }, [](LogFont& f) { f.pitchAndFamily = 0x51; }}),
    [](const ::testing::TestParamInfo<Control>& info) { return std::string(info.param.name); });

TEST(LogFontDialogTest, FlagBytesSurviveOnlyWhileTheirBoxIsOn) {
    LogFontDialog dialog;
    dialog.setLogFont(odd());
    child<QCheckBox>(dialog, "underline")->setChecked(false);
    child<QCheckBox>(dialog, "strikeOut")->setChecked(true);
    const LogFont f = dialog.logFont();
    EXPECT_EQ(f.italic, 0xFF);
    EXPECT_EQ(f.underline, 0);
    EXPECT_EQ(f.strikeOut, 1);
}

TEST(LogFontDialogTest, FaceNameKeepsTo31Bytes) {
    LogFontDialog dialog;
    LogFont f;
    f.faceName = std::string(30, 'a') + "\xC3\xA9";  // 32 bytes: the é does not fit whole
    dialog.setLogFont(f);
    EXPECT_EQ(dialog.logFont().faceName, std::string(30, 'a'));
    QLineEdit* edit = child<QComboBox>(dialog, "faceName")->lineEdit();
    edit->clear();
    edit->insert(QString(40, QLatin1Char('b')));
    EXPECT_EQ(dialog.logFont().faceName, std::string(31, 'b'));
}

TEST(FontItemTest, ValueIsLimitedAndShownByFaceAndSize) {
    FontItem item(QStringLiteral("Font"));
    LogFont f;
    f.faceName = std::string(40, 'x');
    item.setValue(QVariant::fromValue(f));
    EXPECT_EQ(item.value().value<LogFont>().faceName.size(), 31u);
    f.faceName = "Tahoma";
    f.height = 14;
    f.weight = 400;
    item.setValue(QVariant::fromValue(f));
    EXPECT_EQ(item.displayText(), "Tahoma, 14 px cell");
    item.setValue(QStringLiteral("not a font"));
    EXPECT_EQ(item.value().value<LogFont>().faceName, "Tahoma");
}

}  // namespace
