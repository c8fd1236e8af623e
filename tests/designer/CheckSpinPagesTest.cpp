// The check-box, radio-box and spin pages: their grids (categories, captions with the kinds' own
// spellings, order, the "State" rows and their values), each picture and style row writing its own state's
// entry in one undoable step (Highlighted writing entry 3 and Disabled entry 2), the font and flag rows,
// the preview state belonging to the page, and the sizes the pages open objects with.

#include <gtest/gtest.h>

#include <array>
#include <utility>

#include "PageTestSupport.h"
#include "Resource/ResObjects/ResCheckBox.h"
#include "Resource/ResObjects/ResSpin.h"
#include "designer/pages/CheckBoxProperty.h"
#include "designer/pages/RadioBoxProperty.h"
#include "designer/pages/SpinProperty.h"
#include "designer/propertygrid/PropertyValueTypes.h"

using namespace vd;

namespace {

using pagetest::Captions;
using pagetest::Chosen;
using pagetest::EnumCaptions;

// ---- check box and radio box ----

// The rows of a mark in grid order: image caption, style caption and the state entry both edit.
struct MarkRow {
    const char* image;
    const char* style;
    size_t entry;
};

template <class Page, int Base>
class MarkPage : public pagetest::PageFixture<Page, Base> {
protected:
    using R = typename Page::Record;

    void ExpectMarkRowsWriteTheirEntries(const char* group, SkinStateImages<4> R::*member, const char* disabledImage) {
        const std::array<MarkRow, 4> rows = {{{"ImageNormal", "TextStyleNormal", 0},
                                              {"ImagePressed", "TextStylePressed", 1},
                                              {"ImageHighlighted", "TextStyleHighlighted", 3},
                                              {disabledImage, "TextStyleDisabled", 2}}};
        const R before = this->record();
        R expected = before;
        for (const MarkRow& r : rows) {
            const std::string name = std::string(group) + "-" + r.image + ".png";
            this->commit(QStringLiteral("Appearance/%1/%2").arg(group, r.image), QVariant::fromValue(Chosen(name)));
            SkinTextStyle style = SkinTextStyle::Fresh(this->session.Document().Env());
            style.textColor = Color(static_cast<int>(r.entry) * 50, 7, 9);
            this->commit(QStringLiteral("Appearance/%1/%2").arg(group, r.style), QVariant::fromValue(style));
            (expected.*member).images[r.entry] = Chosen(name);
            (expected.*member).styles[r.entry] = style;
            EXPECT_EQ(this->record(), expected) << group << " " << r.image;
        }
    }

    // Undoes every step since the object was selected.
    void UndoAll() {
        while (this->session.UndoStack().index() > this->steps) this->session.UndoStack().undo();
    }
};

using CheckBoxPage = MarkPage<CCheckBoxProperty, 12000>;
using RadioBoxPage = MarkPage<CRadioBoxProperty, 13000>;

QStringList MarkRows(const char* disabledImage) {
    return {"ImageNormal", "TextStyleNormal", "ImagePressed", "TextStylePressed", "ImageHighlighted",
            "TextStyleHighlighted", disabledImage, "TextStyleDisabled"};
}

TEST_F(CheckBoxPage, Grid) {
    EXPECT_EQ(topLevel(), QStringList({"General", "Appearance", "Action"}));
    EXPECT_EQ(Captions(row("General")), QStringList({"ResourceID", "Name"}));
    EXPECT_EQ(Captions(row("Appearance")), QStringList({"UnCheckImage", "CheckImage", "HalfCheckImage", "TextFont",
                                                        "ShowText", "AutoSize", "ShowFocus"}));
    for (const char* mark : {"UnCheckImage", "CheckImage", "HalfCheckImage"}) {
        EXPECT_TRUE(row(QStringLiteral("Appearance/") + mark)->isCategory()) << mark;
        EXPECT_EQ(Captions(row(QStringLiteral("Appearance/") + mark)), MarkRows("ImageDisalbed")) << mark;
    }
    EXPECT_EQ(Captions(row("Action")), QStringList({"State"}));
    EXPECT_EQ(EnumCaptions(row("Action/State")), QStringList({"UnCheck=0", "Check=1", "HalfChecked=2"}));
    for (const char* category : {"General", "Appearance", "Action"})
        EXPECT_TRUE(row(category)->isExpanded()) << category;
}

TEST_F(RadioBoxPage, Grid) {
    EXPECT_EQ(topLevel(), QStringList({"General", "Appearance", "Action"}));
    EXPECT_EQ(Captions(row("General")), QStringList({"ResourceID", "Name"}));
    EXPECT_EQ(Captions(row("Appearance")),
              QStringList({"UnCheckImage", "CheckImage", "TextFont", "ShowText", "AutoSize", "ShowFocus"}));
    for (const char* mark : {"UnCheckImage", "CheckImage"})
        EXPECT_EQ(Captions(row(QStringLiteral("Appearance/") + mark)), MarkRows("ImageDisabled")) << mark;
    EXPECT_EQ(EnumCaptions(row("Action/State")), QStringList({"UnCheck=0", "Check=1"}));
}


TEST_F(CheckBoxPage, MarkRowsWriteTheirEntriesHighlightedBeingThree) {
    const SkinCheckBox before = record();
    ExpectMarkRowsWriteTheirEntries("UnCheckImage", &SkinCheckBox::unchecked, "ImageDisalbed");
    ExpectMarkRowsWriteTheirEntries("CheckImage", &SkinCheckBox::checked, "ImageDisalbed");
    ExpectMarkRowsWriteTheirEntries("HalfCheckImage", &SkinCheckBox::halfChecked, "ImageDisalbed");
    UndoAll();
    EXPECT_EQ(record(), before);
}

TEST_F(RadioBoxPage, MarkRowsWriteTheirEntriesHighlightedBeingThree) {
    const SkinRadioBox before = record();
    ExpectMarkRowsWriteTheirEntries("UnCheckImage", &SkinRadioBox::unchecked, "ImageDisabled");
    ExpectMarkRowsWriteTheirEntries("CheckImage", &SkinRadioBox::checked, "ImageDisabled");
    UndoAll();
    EXPECT_EQ(record(), before);
}

TEST_F(CheckBoxPage, FontAndFlagRowsWriteTheirMembers) {
    const SkinCheckBox before = record();
    EXPECT_EQ(before.showText, 1);
    EXPECT_EQ(before.autoSize, 1);
    EXPECT_EQ(before.showFocus, 0);
    commit("Appearance/ShowText", false);
    commit("Appearance/AutoSize", false);
    commit("Appearance/ShowFocus", true);
    LogFont font;
    font.weight = 700;
    font.height = -15;
    commit("Appearance/TextFont", QVariant::fromValue(font));
    SkinCheckBox expected = before;
    expected.showText = 0;
    expected.autoSize = 0;
    expected.showFocus = 1;
    expected.font = font;
    EXPECT_EQ(record(), expected);
}

TEST_F(RadioBoxPage, FlagRowsWriteTheirMembers) {
    commit("Appearance/ShowFocus", true);
    commit("Appearance/ShowText", false);
    EXPECT_EQ(record().showFocus, 1);
    EXPECT_EQ(record().showText, 0);
    EXPECT_EQ(record().autoSize, 1);
}

TEST_F(CheckBoxPage, StateBelongsToThePageAndChoosesTheMark) {
    const SkinCheckBox before = record();
    EXPECT_EQ(row("Action/State")->displayText(), QStringLiteral("UnCheck")) << "until the user chooses";
    const QImage unchecked = drawPreview(QSize(200, 150));
    ASSERT_TRUE(grid.commitValue(row("Action/State"), 2));
    EXPECT_EQ(shownState(), 2);
    EXPECT_EQ(row("Action/State")->displayText(), QStringLiteral("HalfChecked"));
    EXPECT_EQ(session.UndoStack().count(), steps) << "not a change of the skin";
    EXPECT_EQ(record(), before);
    EXPECT_NE(drawPreview(QSize(200, 150)), unchecked);
    EXPECT_EQ(page.PreviewSize(), QSize(200, 150)) << "whatever the record stores (500 x 400)";
}

TEST_F(RadioBoxPage, OpensAtItsOwnSize) { EXPECT_EQ(page.PreviewSize(), QSize(200, 150)); }

// ---- spin ----

using SpinPage = pagetest::PageFixture<CSpinProperty, 15000>;

constexpr std::array<std::pair<const char*, SkinStateImageSet<4> SkinSpin::*>, 8> kSpinSets = {{
    {"LeftImage", &SkinSpin::leftBtn},
    {"LeftArrow", &SkinSpin::leftArrow},
    {"RightImage", &SkinSpin::rightBtn},
    {"RightArrow", &SkinSpin::rightArrow},
    {"UpImage", &SkinSpin::upBtn},
    {"UpArrow", &SkinSpin::upArrow},
    {"DownImage", &SkinSpin::downBtn},
    {"DownArrow", &SkinSpin::downArrow},
}};

TEST_F(SpinPage, Grid) {
    EXPECT_EQ(topLevel(), QStringList({"General", "Appearance", "Action"}));
    EXPECT_EQ(Captions(row("General")), QStringList({"ResourceID", "Name"}));
    QStringList sets;
    for (const auto& [caption, member] : kSpinSets) sets << caption;
    EXPECT_EQ(Captions(row("Appearance")), sets);
    for (const auto& [caption, member] : kSpinSets)
        EXPECT_EQ(Captions(row(QStringLiteral("Appearance/") + caption)),
                  QStringList({"ImageNormal", "ImagePressed", "ImageHighlighted", "ImageDisabled"}))
            << caption;
    EXPECT_EQ(EnumCaptions(row("Action/State")),
              QStringList({"Normal=0", "Highlighted=3", "Pressed=1", "Disabled=2"}));
    EXPECT_EQ(page.PreviewSize(), QSize(300, 100)) << "whatever the record stores (400 x 200)";
}

TEST_F(SpinPage, RowsWriteTheirEntriesHighlightedBeingThreeDisabledTwo) {
    const std::array<std::pair<const char*, size_t>, 4> rows = {
        {{"ImageNormal", 0}, {"ImagePressed", 1}, {"ImageHighlighted", 3}, {"ImageDisabled", 2}}};
    const SkinSpin before = record();
    SkinSpin expected = before;
    for (const auto& [set, member] : kSpinSets)
        for (const auto& [caption, entry] : rows) {
            const std::string name = std::string(set) + caption + ".png";
            commit(QStringLiteral("Appearance/%1/%2").arg(set, caption), QVariant::fromValue(Chosen(name)));
            (expected.*member).images[entry] = Chosen(name);
        }
    EXPECT_EQ(record(), expected);
    for (int i = 0; i < 32; ++i) session.UndoStack().undo();
    EXPECT_EQ(record(), before);
}

TEST_F(SpinPage, StateBelongsToThePage) {
    const SkinSpin before = record();
    EXPECT_EQ(row("Action/State")->displayText(), QStringLiteral("Normal"));
    ASSERT_TRUE(grid.commitValue(row("Action/State"), 3));
    EXPECT_EQ(shownState(), 3);
    EXPECT_EQ(row("Action/State")->displayText(), QStringLiteral("Highlighted"));
    ASSERT_TRUE(grid.commitValue(row("Action/State"), 2));
    EXPECT_EQ(row("Action/State")->displayText(), QStringLiteral("Disabled"));
    EXPECT_EQ(session.UndoStack().count(), steps);
    EXPECT_EQ(record(), before);
}

}  // namespace
