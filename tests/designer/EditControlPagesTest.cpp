// The combo-box, date-time, IP-address, hot-key, edit and list-box pages: their grids (categories, captions,
// order, the "State" rows and their values), each image row writing its own entry in one undoable step (the
// four-state rows "Highlighted" and "Disabled" writing entries 3 and 2), the list box's rows writing their
// members, the preview state belonging to the page, and the preview sizes the pages open objects with.

#include <gtest/gtest.h>

#include <array>
#include <utility>

#include "PageTestSupport.h"
#include "Resource/ResObjects/ResComboBox.h"
#include "Resource/ResObjects/ResIPAddress.h"
#include "Resource/ResObjects/ResListBox.h"
#include "designer/pages/ComboBoxProperty.h"
#include "designer/pages/DatetimeProp.h"
#include "designer/pages/EditProperty.h"
#include "designer/pages/HotKeyProperty.h"
#include "designer/pages/IPAddressProperty.h"
#include "designer/pages/ListBoxProp.h"
#include "designer/propertygrid/PropertyValueTypes.h"

using namespace vd;

namespace {

using pagetest::Captions;
using pagetest::Chosen;
using pagetest::EnumCaptions;

// The four-state rows in grid order with the array entry each one edits.
const std::array<std::pair<const char*, size_t>, 4> kFourStateRows = {
    {{"Normal", 0}, {"Pressed", 1}, {"Highlighted", 3}, {"Disabled", 2}}};

// ---- combo box and date-time picker ----

template <class Page, int Base>
class ComboLikePage : public pagetest::PageFixture<Page, Base> {
protected:

    void ExpectGrid(const char* buttons, const char* arrows) {
        EXPECT_EQ(this->topLevel(), QStringList({"General", "Appearance", "Action"}));
        EXPECT_EQ(Captions(this->row("General")), QStringList({"ResourceID", "Name"}));
        EXPECT_EQ(Captions(this->row("Appearance")), QStringList({"EdgeImage", buttons, arrows}));
        EXPECT_EQ(Captions(this->row("Appearance/EdgeImage")), QStringList({"Normal", "Disabled"}));
        for (const char* group : {buttons, arrows}) {
            EXPECT_TRUE(this->row(QStringLiteral("Appearance/") + group)->isCategory()) << group;
            EXPECT_EQ(Captions(this->row(QStringLiteral("Appearance/") + group)),
                      QStringList({"Normal", "Pressed", "Highlighted", "Disabled"}))
                << group;
        }
        EXPECT_EQ(Captions(this->row("Action")), QStringList({"State"}));
        EXPECT_EQ(EnumCaptions(this->row("Action/State")),
                  QStringList({"Normal=0", "Pressed=1", "Highlighted=2", "Disabled=3"}));
        for (const char* category : {"General", "Appearance", "Action"})
            EXPECT_TRUE(this->row(category)->isExpanded()) << category;
    }

    void ExpectRowsWriteTheirEntries(const char* buttons, const char* arrows) {
        const SkinComboBox before = this->record();
        SkinComboBox expected = before;
        this->commit("Appearance/EdgeImage/Normal", QVariant::fromValue(Chosen("edge0.png")));
        this->commit("Appearance/EdgeImage/Disabled", QVariant::fromValue(Chosen("edge1.png")));
        expected.edges[0] = Chosen("edge0.png");
        expected.edges[1] = Chosen("edge1.png");
        for (const auto& [state, entry] : kFourStateRows) {
            const std::string b = std::string("b-") + state + ".png", a = std::string("a-") + state + ".png";
            this->commit(QStringLiteral("Appearance/%1/%2").arg(buttons, state), QVariant::fromValue(Chosen(b)));
            this->commit(QStringLiteral("Appearance/%1/%2").arg(arrows, state), QVariant::fromValue(Chosen(a)));
            expected.buttons[entry] = Chosen(b);
            expected.arrows[entry] = Chosen(a);
        }
        EXPECT_EQ(static_cast<const SkinComboBox&>(this->record()), expected);
        for (int i = 0; i < 10; ++i) this->session.UndoStack().undo();
        EXPECT_EQ(static_cast<const SkinComboBox&>(this->record()), before);
    }

    void ExpectStateBelongsToThePage() {
        const SkinComboBox before = this->record();
        EXPECT_EQ(this->row("Action/State")->displayText(), QStringLiteral("Normal")) << "until the user chooses";
        ASSERT_TRUE(this->grid.commitValue(this->row("Action/State"), 2));
        EXPECT_EQ(this->shownState(), 2);
        EXPECT_EQ(this->row("Action/State")->displayText(), QStringLiteral("Highlighted"));
        EXPECT_EQ(this->session.UndoStack().count(), this->steps) << "not a change of the skin";
        EXPECT_EQ(static_cast<const SkinComboBox&>(this->record()), before);
        EXPECT_EQ(this->page.PreviewSize(), QSize(200, 50)) << "whatever the record stores";
    }
};

using ComboBoxPage = ComboLikePage<CComboBoxProperty, 9000>;
using DatetimePage = ComboLikePage<CDatetimeProp, 25000>;

TEST_F(ComboBoxPage, Grid) { ExpectGrid("ComboBtnImage", "ComboArrowImage"); }
TEST_F(ComboBoxPage, RowsWriteTheirEntriesHighlightedBeingThree) {
    ExpectRowsWriteTheirEntries("ComboBtnImage", "ComboArrowImage");
}
TEST_F(ComboBoxPage, StateBelongsToThePage) { ExpectStateBelongsToThePage(); }

TEST_F(DatetimePage, Grid) { ExpectGrid("BtnImage", "ArrowImage"); }
TEST_F(DatetimePage, RowsWriteTheirEntriesHighlightedBeingThree) {
    ExpectRowsWriteTheirEntries("BtnImage", "ArrowImage");
}
TEST_F(DatetimePage, StateBelongsToThePage) { ExpectStateBelongsToThePage(); }

// ---- IP-address, hot-key and edit fields ----

template <class Page, int Base>
class EdgeFieldPage : public pagetest::PageFixture<Page, Base> {
protected:

    void ExpectAll() {
        EXPECT_EQ(this->topLevel(), QStringList({"General", "Appearance", "Action"}));
        EXPECT_EQ(Captions(this->row("General")), QStringList({"ResourceID", "Name"}));
        EXPECT_EQ(Captions(this->row("Appearance")), QStringList({"EdgeImage"}));
        EXPECT_EQ(Captions(this->row("Appearance/EdgeImage")), QStringList({"Normal", "Highlighted", "Disabled"}));
        EXPECT_EQ(EnumCaptions(this->row("Action/State")), QStringList({"Normal=0", "Highlighted=1", "Disabled=2"}));
        for (const char* category : {"General", "Appearance", "Action"})
            EXPECT_TRUE(this->row(category)->isExpanded()) << category;

        // The frames are stored normal, highlighted, disabled.
        SkinIPAddress expected = this->record();
        const std::pair<const char*, size_t> rows[] = {{"Highlighted", 1}, {"Disabled", 2}, {"Normal", 0}};
        for (const auto& [state, entry] : rows) {
            this->commit(QStringLiteral("Appearance/EdgeImage/") + state,
                         QVariant::fromValue(Chosen(std::string(state) + ".png")));
            expected.edges[entry] = Chosen(std::string(state) + ".png");
            EXPECT_EQ(static_cast<const SkinIPAddress&>(this->record()), expected) << state;
        }

        const int steps = this->session.UndoStack().count();
        ASSERT_TRUE(this->grid.commitValue(this->row("Action/State"), 2));
        EXPECT_EQ(this->shownState(), 2);
        EXPECT_EQ(this->session.UndoStack().count(), steps);
        this->record().previewHeight = 77;
        EXPECT_EQ(this->page.PreviewSize(), QSize(200, 77)) << "200 x the object's preview height";
    }
};

using IPAddressPage = EdgeFieldPage<CIPAddressProperty, 10000>;
using HotKeyPage = EdgeFieldPage<CHotKeyProperty, 11000>;
using EditPage = EdgeFieldPage<CEditProperty, 29000>;

TEST_F(IPAddressPage, GridRowsAndState) { ExpectAll(); }
TEST_F(HotKeyPage, GridRowsAndState) { ExpectAll(); }
TEST_F(EditPage, GridRowsAndState) { ExpectAll(); }

// ---- list box ----

using ListBoxPage = pagetest::PageFixture<CListBoxProp, 27000>;

TEST_F(ListBoxPage, GridWithoutAction) {
    EXPECT_EQ(topLevel(), QStringList({"General", "Appearance"})) << "no state to choose";
    EXPECT_EQ(Captions(row("General")), QStringList({"ResourceID", "Name"}));
    EXPECT_EQ(Captions(row("Appearance")),
              QStringList({"Background", "Selected BackImage", "ItemHeight", "ItemImageHeight", "ItemImageWidth",
                           "Back Transparent", "Type", "Selection Color", "TextNormal TextStyle",
                           "TextSelected TextStyle", "ItemFont"}));
    EXPECT_EQ(EnumCaptions(row("Appearance/Type")),
              QStringList({"image at left=0", "image at top=1", "image at right=2"}));
    EXPECT_TRUE(row("Appearance")->isExpanded());
}

TEST_F(ListBoxPage, RowsWriteTheirMembers) {
    const SkinListBox before = record();
    commit("Appearance/Background", QVariant::fromValue(Chosen("bk.png")));
    commit("Appearance/Selected BackImage", QVariant::fromValue(Chosen("sel.png")));
    commit("Appearance/ItemHeight", 24);
    commit("Appearance/ItemImageHeight", 31);
    commit("Appearance/ItemImageWidth", 41);
    commit("Appearance/Back Transparent", true);
    commit("Appearance/Type", 2);
    commit("Appearance/Selection Color", QVariant::fromValue(Color(9, 8, 7)));
    SkinTextStyle normal = SkinTextStyle::Fresh(session.Document().Env());
    normal.textColor = Color(1, 2, 3);
    SkinTextStyle chosen = normal;
    chosen.textColor = Color(4, 5, 6);
    chosen.effect = 1;
    commit("Appearance/TextNormal TextStyle", QVariant::fromValue(normal));
    commit("Appearance/TextSelected TextStyle", QVariant::fromValue(chosen));
    LogFont font;
    font.faceName = "Courier New";
    font.height = -15;
    commit("Appearance/ItemFont", QVariant::fromValue(font));

    SkinListBox expected = before;
    expected.background = Chosen("bk.png");
    expected.selectedBackground = Chosen("sel.png");
    expected.itemHeight = 24;
    expected.itemImageHeight = 31;
    expected.itemImageWidth = 41;
    expected.transparent = 1;
    expected.type = 2;
    expected.selection = Color(9, 8, 7);
    expected.textNormal = normal;
    expected.textSelected = chosen;
    expected.font = font;
    EXPECT_EQ(record(), expected);
    session.UndoStack().undo();
    EXPECT_EQ(record().font, before.font);
    EXPECT_EQ(record().textSelected, chosen);
}

TEST_F(ListBoxPage, OpensAtTheObjectsPreviewSize) {
    EXPECT_EQ(page.PreviewSize(), QSize(200, 250));
    record().previewWidth = 180;
    record().previewHeight = 140;
    EXPECT_EQ(page.PreviewSize(), QSize(180, 140));
}

}  // namespace
