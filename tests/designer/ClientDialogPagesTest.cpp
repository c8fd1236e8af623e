// The MDI-client and dialog pages: their grids (categories, captions, order, draw-type labels), each row
// writing its own member in one undoable step, the preview size the pages open objects with, and the pages
// drawing the sample window only when the skin has a frame.

#include <gtest/gtest.h>

#include "PageTestSupport.h"
#include "Resource/ResObjects/ResClient.h"
#include "Resource/ResObjects/ResDialog.h"
#include "designer/pages/ClientProperty.h"
#include "designer/pages/DialogProp.h"
#include "designer/propertygrid/PropertyValueTypes.h"
#include "designer/undo/AddObjectsCommand.h"
#include "platform/QtConvert.h"

using namespace vd;

namespace {

using pagetest::Captions;
using pagetest::Chosen;
using pagetest::EnumCaptions;

int Count(const QImage& image, const QRect& area, QColor colour) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) n += image.pixelColor(x, y) == colour;
    return n;
}

// ---- MDI clients ----

using ClientPage = pagetest::PageFixture<CClientProperty, 19000>;

TEST_F(ClientPage, GridCategoriesAndRows) {
    EXPECT_EQ(topLevel(), QStringList({"General", "Appearance"}));
    EXPECT_EQ(Captions(row("General")), QStringList({"ResourceID", "Name"}));
    EXPECT_EQ(Captions(row("Appearance")), QStringList({"BackColor", "BackImage"}));
    EXPECT_TRUE(row("Appearance")->isExpanded());
    EXPECT_EQ(page.PreviewSize(), QSize(400, 300));
}

TEST_F(ClientPage, RowsWriteTheirMembers) {
    const SkinClient before = record();
    commit("Appearance/BackColor", QVariant::fromValue(Color(9, 8, 7)));
    commit("Appearance/BackImage", QVariant::fromValue(Chosen("client.png")));
    SkinClient expected = before;
    expected.backgroundColor = Color(9, 8, 7);
    expected.background = Chosen("client.png");
    EXPECT_EQ(record(), expected);
    session.UndoStack().undo();
    session.UndoStack().undo();
    EXPECT_EQ(record(), before);
}

TEST_F(ClientPage, PreviewOpensAtTheStoredSizeAndShowsTheSampleWindowOnlyWithAFrame) {
    record().previewWidth = 320;
    record().previewHeight = 240;
    EXPECT_EQ(page.PreviewSize(), QSize(320, 240));
    const QColor face = ToQColor(session.Document().Env().SysColor(COLOR_BTNFACE));
    const QImage bare = drawPreview(QSize(320, 240));
    const QRect inside(1, 1, 318, 238);
    EXPECT_EQ(Count(bare, inside, face), inside.width() * inside.height());
    AddObjectsCommand::PushNew(session, 3000);
    const QImage framed = drawPreview(QSize(320, 240));
    EXPECT_LT(Count(framed, inside, face), inside.width() * inside.height() / 2);
}

// ---- dialogs ----

using DialogPage = pagetest::PageFixture<CDialogProp, 24000>;

TEST_F(DialogPage, GridCategoriesRowsAndLabels) {
    EXPECT_EQ(topLevel(), QStringList({"General", "Appearance"}));
    EXPECT_EQ(Captions(row("General")), QStringList({"ResourceID", "Name"}));
    EXPECT_EQ(Captions(row("Appearance")),
              QStringList({"BkImage", "StartColor", "EndColor", "DrawType", "RecurStep", "Font"}));
    EXPECT_EQ(EnumCaptions(row("Appearance/DrawType")),
              QStringList({"GradientHorz=0", "GradientVert=1", "Recursive=2"}));
    EXPECT_TRUE(row("Appearance")->isExpanded());
    EXPECT_EQ(page.PreviewSize(), QSize(300, 250));
}

TEST_F(DialogPage, RowsWriteTheirMembers) {
    const SkinDialog before = record();
    commit("Appearance/BkImage", QVariant::fromValue(Chosen("dlg.png")));
    commit("Appearance/StartColor", QVariant::fromValue(Color(1, 2, 3)));
    commit("Appearance/EndColor", QVariant::fromValue(Color(4, 5, 6)));
    commit("Appearance/DrawType", 2);
    commit("Appearance/RecurStep", 17);
    LogFont font;
    font.faceName = "Courier New";
    font.height = -15;
    commit("Appearance/Font", QVariant::fromValue(font));
    SkinDialog expected = before;
    expected.background = Chosen("dlg.png");
    expected.start = Color(1, 2, 3);
    expected.end = Color(4, 5, 6);
    expected.drawType = 2;
    expected.step = 17;
    expected.font = font;
    EXPECT_EQ(record(), expected);
    EXPECT_EQ(session.UndoStack().count(), steps + 6);
    session.UndoStack().undo();
    EXPECT_EQ(record().font, before.font);
    EXPECT_EQ(record().step, 17);
}

}  // namespace
