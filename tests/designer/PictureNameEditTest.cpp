// Typing a picture's name into the grid: a name the configuration could not hold back (a line break, "=",
// a leading ";") is made storable the way loading does it, keeping the extension; a storable one is kept
// as typed.

#include <gtest/gtest.h>

#include "ImageTestSupport.h"
#include "PageTestSupport.h"
#include "Resource/ResObjects/ResPicture.h"
#include "Resource/TextUtil.h"
#include "ScriptedDialogs.h"
#include "designer/SkinSession.h"
#include "designer/pages/PictureProperty.h"

namespace {

class PictureNameEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        id = imagetest::AddPicture(session, "Frame.png", 8, 8, QColor(255, 255, 255))->ID;
        imagetest::AddPicture(session, "taken_x.png", 8, 8, QColor(0, 0, 0));
        page.Attach(&session, &grid, &dialogs);
        ASSERT_TRUE(page.SelectObject(id));
    }
    std::string Name() const { return session.Document().Pictures().FindPicture(id)->name; }
    bool Type(const char* text) {
        vd::PropertyItem* row = pagetest::Row(grid, QStringLiteral("General/Name"));
        return row && grid.commitValue(row, QString::fromUtf8(text));
    }

    SkinSession session;
    ScriptedDialogs dialogs;
    vd::PropertyGrid grid;
    CPictureProperty page;
    int id = 0;
};

TEST_F(PictureNameEditTest, NamesTheConfigurationCannotHoldAreMadeStorable) {
    ASSERT_TRUE(Type("Glass Button.png"));
    EXPECT_EQ(Name(), "Glass Button.png");

    for (const char* typed : {"a\nb.png", "key=value.png", ";comment.png", "[Frames].png"}) {
        ASSERT_TRUE(Type(typed));
        const std::string kept = Name();
        EXPECT_EQ(CResPicture::NameProblem(kept), nullptr) << kept;
        ASSERT_GT(kept.size(), 4u);
        EXPECT_EQ(kept.substr(kept.size() - 4), ".png") << kept;
        EXPECT_NE(kept, typed);
    }
    // Another picture's name is never taken by the storable form.
    ASSERT_TRUE(Type("taken\nx.png"));
    EXPECT_NE(vd::ToLowerAscii(Name()), "taken_x.png");
    EXPECT_EQ(CResPicture::NameProblem(Name()), nullptr);
}

}  // namespace
