// The description panel says what each row does: every member of the kinds with pages has one sentence in
// its kind's table, and the grid rows built from the table show it.

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <map>
#include <set>

#include "PageTestSupport.h"
#include "Resource/ResObjects/ResApp.h"
#include "Resource/ResObjects/ResButton.h"
#include "Resource/ResObjects/ResFrame.h"
#include "Resource/ResObjects/ResFreeFrame.h"
#include "Resource/ResObjects/ResSysButton.h"
#include "Resource/ResObjects/ResToolWindow.h"
#include "ScriptedDialogs.h"
#include "designer/MainFrame.h"
#include "designer/ProjectArea.h"
#include "designer/PropertyArea.h"
#include "designer/propertygrid/DescriptionPanel.h"
#include "designer/propertygrid/PropertyBuilders.h"

namespace {

// Every field has a sentence, and two different members (key and type) never share one, so a sentence
// written for a loop of states names the state.
template <class R>
void ExpectEveryFieldDescribed(const RecordSchema<R>& table, const char* kind) {
    std::map<std::string, std::string> memberOf;  // description -> key/type of the member it describes
    for (const auto& f : table.Fields()) {
        const std::string member = f.key + "/" + std::to_string(static_cast<int>(f.type));
        EXPECT_FALSE(f.description.empty()) << kind << " " << member;
        if (f.description.empty()) continue;
        EXPECT_EQ(f.description.back(), '.') << kind << " " << member << ": " << f.description;
        const auto [it, added] = memberOf.emplace(f.description, member);
        EXPECT_TRUE(added || it->second == member)
            << kind << ": " << member << " and " << it->second << " both say \"" << f.description << "\"";
    }
}

TEST(FieldDescriptions, EveryFieldOfTheKindsWithPagesHasItsOwnSentence) {
    ExpectEveryFieldDescribed(CResFrame::Table(), "frame");
    ExpectEveryFieldDescribed(CResButton::Table(), "button");
    ExpectEveryFieldDescribed(CResSysButton::Table(), "caption button");
    ExpectEveryFieldDescribed(CResToolWindow::Table(), "tool window");
    ExpectEveryFieldDescribed(CResFreeFrame::Table(), "free frame");
    ExpectEveryFieldDescribed(CResApp::Table(), "application");
}

TEST(FieldDescriptions, LoopDeclaredMembersNameTheirState) {
    const auto* pressed = CResButton::Table().Find("P");
    ASSERT_TRUE(pressed);
    EXPECT_NE(pressed->description.find("pressed"), std::string::npos) << pressed->description;
    const auto* inactiveTop = CResFrame::Table().Find("InactiveTop");
    ASSERT_TRUE(inactiveTop);
    EXPECT_NE(inactiveTop->description.find("top border"), std::string::npos);
    EXPECT_NE(inactiveTop->description.find("inactive"), std::string::npos);
    const auto* mdiClose = CResFrame::Table().Find("MDIClose4");
    ASSERT_TRUE(mdiClose);
    EXPECT_NE(mdiClose->description.find("close"), std::string::npos);
    EXPECT_NE(mdiClose->description.find("inactive"), std::string::npos);
}

TEST(FieldDescriptions, JoinKeepsEachSentenceOnceInOrder) {
    EXPECT_EQ(vd::JoinDescriptions({"A.", "", "B.", "A."}), QStringLiteral("A. B."));
    EXPECT_TRUE(vd::JoinDescriptions({"", ""}).isEmpty());
}

class RowDescriptionTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_frame = std::make_unique<CMainFrame>(&m_dialogs, m_dir.filePath(QStringLiteral("settings.ini")));
        m_frame->resize(1000, 700);
    }
    vd::PropertyGrid& Grid() const { return *m_frame->PropertyArea()->Grid(); }
    // The description the row at path shows, checked in the panel as well when the row is current.
    QString Shown(const char* path) {
        vd::PropertyItem* row = pagetest::Row(Grid(), QString::fromLatin1(path));
        EXPECT_TRUE(row) << path;
        if (!row) return {};
        Grid().setCurrentItem(row);
        EXPECT_EQ(Grid().descriptionPanel()->description(), row->description()) << path;
        return row->description();
    }
    template <class R>
    static QString Of(const RecordSchema<R>& table, const char* key, FieldType type) {
        for (const auto& f : table.Fields())
            if (f.key == key && f.type == type) return QString::fromStdString(f.description);
        ADD_FAILURE() << "no field " << key;
        return {};
    }

    QTemporaryDir m_dir;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<CMainFrame> m_frame;
};

TEST_F(RowDescriptionTest, ButtonRowsShowTheirFieldsSentences) {
    ASSERT_TRUE(m_frame->ProjectArea()->CreateObject(2000));
    const auto& t = CResButton::Table();
    EXPECT_EQ(Shown("General/Name"), Of(t, "Caption", FieldType::Text));
    EXPECT_EQ(Shown("General/ResourceID"), Of(t, "ResID", FieldType::Text));
    EXPECT_EQ(Shown("Appearance/DrawText"), Of(t, "DT", FieldType::Int));
    EXPECT_EQ(Shown("Appearance/ToolTip"), Of(t, "Tt", FieldType::Text));
    EXPECT_EQ(Shown("Appearance/Font"), Of(t, "", FieldType::Font));
    EXPECT_EQ(Shown("Appearance/Position"), Of(t, "", FieldType::Placement));
    // Rows built from a member (a state's picture and text style) find their field too.
    const QString pressedImage = Shown("Appearance/Pressed/Image");
    EXPECT_EQ(pressedImage, Of(t, "P", FieldType::Image));
    EXPECT_EQ(Shown("Appearance/Pressed/TextStyle"), Of(t, "P", FieldType::TextStyle));
    EXPECT_NE(pressedImage, Shown("Appearance/Normal/Image"));
    // A sub-category named by the page alone keeps none.
    EXPECT_TRUE(Shown("Appearance/Pressed").isEmpty());
}

TEST_F(RowDescriptionTest, FrameAndToolWindowRowsShowTheirFieldsSentences) {
    ASSERT_TRUE(m_frame->ProjectArea()->CreateObject(3000));
    const auto& frame = CResFrame::Table();
    int rows = 0;
    QStringList undescribed;
    std::function<void(vd::PropertyItem*)> walk = [&](vd::PropertyItem* item) {
        if (item->childCount() == 0) {
            ++rows;
            // The parts of a composite value (a margin's "Left") share the description of their row.
            const bool described = !item->description().isEmpty() ||
                                   (item->parent() && !item->parent()->description().isEmpty());
            if (!described) undescribed << item->caption();
        }
        for (int i = 0; i < item->childCount(); ++i) walk(item->child(i));
    };
    for (int i = 0; i < Grid().topLevelItemCount(); ++i) walk(Grid().topLevelItem(i));
    ASSERT_GT(rows, 20);
    // Only the page's own preview choices have no member behind them.
    EXPECT_EQ(undescribed, QStringList()) << rows;

    ASSERT_TRUE(m_frame->ProjectArea()->CreateObject(18000));
    const auto& tool = CResToolWindow::Table();
    vd::PropertyItem* background = Grid().findItem(QStringLiteral("Background Color"));
    ASSERT_TRUE(background);
    EXPECT_EQ(background->description(), Of(tool, "Background", FieldType::Color));
}

}  // namespace
