// The text-style row: its icon tells the default style (on this machine) from a changed one, its "..."
// button asks the dialog provider, OK replaces the whole style as one undo step, Cancel changes nothing,
// and "Reset to default" brings the new-object style back.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QStyleOptionViewItem>
#include <QToolButton>

#include <functional>

#include "Resource/ResObjects/ResProgressBar.h"
#include "ScriptedDialogs.h"
#include "designer/SkinSession.h"
#include "designer/pages/TypedPage.h"
#include "designer/propertygrid/PropertyGrid.h"
#include "designer/propertygrid/TextStyleEditor.h"
#include "designer/propertygrid/TextStyleItem.h"
#include "designer/undo/AddObjectsCommand.h"

using namespace vd;

namespace {

const SystemEnvironment& env() { return SystemEnvironment::Default(); }

// ---- default or not

struct Change {
    const char* member;
    std::function<void(SkinTextStyle&)> apply;
};

class DefaultStyleTest : public ::testing::TestWithParam<Change> {};

TEST_P(DefaultStyleTest, AnyChangedMemberMakesTheStyleCustom) {
    SkinTextStyle s = SkinTextStyle::Fresh(env());
    ASSERT_TRUE(TextStyleItem::isDefaultStyle(s, env()));
    GetParam().apply(s);
    EXPECT_FALSE(TextStyleItem::isDefaultStyle(s, env())) << GetParam().member;
    EXPECT_EQ(TextStyleItem::iconPath(TextStyleItem::isDefaultStyle(s, env())), TextStyleItem::iconPath(false));
}

INSTANTIATE_TEST_SUITE_P(
    Members, DefaultStyleTest,
    ::testing::Values(Change{"horzAlign", [](SkinTextStyle& s) { s.horzAlign = 0; }},
                      Change{"vertAlign", [](SkinTextStyle& s) { s.vertAlign = 2; }},
                      Change{"textColor", [](SkinTextStyle& s) { s.textColor = Color(0, 0, 1); }},
                      Change{"effect", [](SkinTextStyle& s) { s.effect = 1; }},
                      Change{"shadowColor", [](SkinTextStyle& s) { s.shadowColor = Color(161, 160, 160); }},
                      Change{"shadowHSpace", [](SkinTextStyle& s) { s.shadowHSpace = 3; }},
                      Change{"shadowVSpace", [](SkinTextStyle& s) { s.shadowVSpace = 1; }},
                      Change{"leftOffset", [](SkinTextStyle& s) { s.leftOffset = 1; }},
                      Change{"rightOffset", [](SkinTextStyle& s) { s.rightOffset = 1; }},
                      Change{"topOffset", [](SkinTextStyle& s) { s.topOffset = 1; }},
                      Change{"bottomOffset", [](SkinTextStyle& s) { s.bottomOffset = 1; }}),
    [](const ::testing::TestParamInfo<Change>& info) { return std::string(info.param.member); });

TEST(TextStyleItem, TheDefaultShadowIsThisMachinesButtonShadow) {
    SystemEnvironment other = env();
    other.colors[COLOR_BTNSHADOW] = Color(128, 128, 128);
    EXPECT_TRUE(TextStyleItem::isDefaultStyle(SkinTextStyle::Fresh(other), other));
    EXPECT_FALSE(TextStyleItem::isDefaultStyle(SkinTextStyle::Fresh(other), env()));
}

// ---- painting

QImage paintRow(const SkinTextStyle& style) {
    TextStyleItem item(QStringLiteral("Text"), env(), nullptr);
    item.setValue(QVariant::fromValue(style));
    QImage image(240, 24, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter p(&image);
    QStyleOptionViewItem option;
    item.paintValue(&p, option, image.rect());
    return image;
}

QImage iconOverWhite(bool defaultStyle) {
    QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter p(&image);
    p.drawImage(0, 0, QImage(TextStyleItem::iconPath(defaultStyle)));
    return image;
}

TEST(TextStyleItem, RowShowsTheDefaultIconThenTheCustomOneOnceTheEffectIsShadow) {
    ASSERT_TRUE(QFile::exists(TextStyleItem::iconPath(true)));
    ASSERT_TRUE(QFile::exists(TextStyleItem::iconPath(false)));
    ASSERT_NE(iconOverWhite(true), iconOverWhite(false));
    const QRect icon = TextStyleItem::iconRect(QRect(0, 0, 240, 24));

    SkinTextStyle style = SkinTextStyle::Fresh(env());
    EXPECT_EQ(paintRow(style).copy(icon), iconOverWhite(true));
    style.effect = 1;
    EXPECT_EQ(paintRow(style).copy(icon), iconOverWhite(false));
}

TEST(TextStyleItem, SampleShowsTheStylesColoursAndTheSummaryNamesIt) {
    SkinTextStyle style = SkinTextStyle::Fresh(env());
    style.textColor = Color(220, 0, 0);
    style.effect = 1;
    style.shadowColor = Color(0, 0, 200);
    const QImage row = paintRow(style);
    const QRect sample = TextStyleItem::sampleRect(row.rect());
    bool red = false, blue = false;
    for (int y = sample.top(); y <= sample.bottom(); ++y)
        for (int x = sample.left(); x <= sample.right(); ++x) {
            red |= row.pixel(x, y) == qRgb(220, 0, 0);
            blue |= row.pixel(x, y) == qRgb(0, 0, 200);
        }
    EXPECT_TRUE(red) << "the text colour";
    EXPECT_TRUE(blue) << "the shadow colour";
    EXPECT_EQ(TextStyleItem::summary(style), QStringLiteral("Center, VCenter, Shadow"));
    style.horzAlign = 0;
    style.vertAlign = 2;
    style.effect = 0;
    style.leftOffset = 4;
    EXPECT_EQ(TextStyleItem::summary(style), QStringLiteral("Left, Bottom, Normal, offsets 4; 0; 0; 0"));
}

// ---- in a page, on a document

class BarPage : public CTypedPage<CResProgressBar> {
public:
    BarPage() : CTypedPage(6000) {}
    TextStyleItem* style = nullptr;

protected:
    void BuildProperties(PropertyGrid& grid) override {
        GroupItem* general = AddGeneral(grid);
        style = AddTextStyleField(general, QStringLiteral("BarTextStyle"), CResProgressBar::Table().Find("BTxtSt"));
    }
};

class TextStyleRowTest : public ::testing::Test {
protected:
    void SetUp() override {
        id = AddObjectsCommand::PushNew(session, 6000);
        page.Attach(&session, &grid, &dialogs);
        grid.resize(420, 400);
        grid.show();
        ASSERT_TRUE(page.SelectObject(id));
        ASSERT_NE(page.style, nullptr);
        grid.setCurrentItem(page.style);
        QApplication::processEvents();
        steps = session.UndoStack().count();
    }
    SkinProgressBar& record() { return *static_cast<SkinProgressBar*>(session.Document().FindItem(id)); }
    TextStyleEditor* editor() { return qobject_cast<TextStyleEditor*>(grid.activeEditor()); }

    SkinSession session;
    ScriptedDialogs dialogs;
    PropertyGrid grid;
    BarPage page;
    int id = 0;
    int steps = 0;
};

TEST_F(TextStyleRowTest, OkReplacesTheWholeStyleInOneUndoStep) {
    const SkinTextStyle before = record().barTextStyle;
    ASSERT_TRUE(TextStyleItem::isDefaultStyle(before, session.Document().Env()));
    SkinTextStyle chosen = before;
    chosen.horzAlign = 2;
    chosen.effect = 1;
    chosen.textColor = Color(1, 2, 3);
    chosen.bottomOffset = 9;
    dialogs.textStyles.push_back(chosen);
    ASSERT_NE(editor(), nullptr);
    ASSERT_TRUE(editor()->dialogButton()->isEnabled());
    editor()->dialogButton()->click();
    EXPECT_EQ(dialogs.log, QStringList{QStringLiteral("text-style-dialog")});
    EXPECT_EQ(record().barTextStyle, chosen);
    EXPECT_EQ(session.UndoStack().count(), steps + 1);
    EXPECT_FALSE(TextStyleItem::isDefaultStyle(page.style->value().value<SkinTextStyle>(), session.Document().Env()));
    EXPECT_TRUE(page.style->isModified()) << "drawn bold once it differs from a new object's style";
    session.UndoStack().undo();
    EXPECT_EQ(record().barTextStyle, before);
    session.UndoStack().redo();
    EXPECT_EQ(record().barTextStyle, chosen);
}

TEST_F(TextStyleRowTest, CancelChangesNothing) {
    const SkinTextStyle before = record().barTextStyle;
    dialogs.textStyles.push_back(std::nullopt);
    editor()->dialogButton()->click();
    EXPECT_EQ(dialogs.log.size(), 1);
    EXPECT_EQ(record().barTextStyle, before);
    EXPECT_EQ(session.UndoStack().count(), steps);
}

TEST_F(TextStyleRowTest, OkOnAnUnchangedStyleIsNoStep) {
    dialogs.textStyles.push_back(record().barTextStyle);
    editor()->dialogButton()->click();
    EXPECT_EQ(session.UndoStack().count(), steps);
}

TEST_F(TextStyleRowTest, ResetBringsBackTheNewObjectStyle) {
    SkinTextStyle chosen = record().barTextStyle;
    chosen.vertAlign = 0;
    dialogs.textStyles.push_back(chosen);
    editor()->dialogButton()->click();
    ASSERT_TRUE(grid.canReset(page.style));
    EXPECT_TRUE(grid.resetValue(page.style));
    EXPECT_EQ(record().barTextStyle, SkinTextStyle::Fresh(session.Document().Env()));
    EXPECT_EQ(session.UndoStack().count(), steps + 2);
}

TEST(TextStyleEditor, WithoutADialogProviderTheButtonIsOff) {
    TextStyleEditor editor(env(), nullptr);
    EXPECT_FALSE(editor.dialogButton()->isEnabled());
    editor.editStyle();  // nothing to ask: nothing happens
    EXPECT_EQ(editor.value().value<SkinTextStyle>(), SkinTextStyle::Fresh(env()));
}

}  // namespace
