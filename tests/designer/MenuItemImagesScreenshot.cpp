// Renders the MenuItem Images dialog with two entries. Always checks that every row shows its pictures;
// with VORNADESK_SCREENSHOT set to a file name it also saves the picture there:
//   VORNADESK_SCREENSHOT=docs/screenshot-menu-item-images.png QT_QPA_PLATFORM=offscreen
//       build/vornadesk_designer_tests --gtest_filter=MenuItemImagesScreenshot.*   (one command line)

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QPixmap>

#include "PageTestSupport.h"
#include "designer/dialogs/MenuItemImagesDlg.h"

namespace {

TEST(MenuItemImagesScreenshot, TwoEntries) {
    CheckImageMap entries;
    entries[32771] = pagetest::Entry(32771, "Amber_Tick.png", "Amber_Box.png", 0);
    entries[32772] = pagetest::Entry(32772, "Amber_Dot.png", "", 1);
    CMenuItemImagesDlg dialog(entries, {"Amber_Box.png", "Amber_Dot.png", "Amber_Menu.png", "Amber_Tick.png"});
    dialog.resize(560, 260);
    dialog.show();
    QApplication::processEvents();
    const QImage shot = dialog.grab().toImage();
    ASSERT_FALSE(shot.isNull());
    ASSERT_EQ(dialog.RowCount(), 2);
    EXPECT_EQ(dialog.CheckCombo(0)->currentText(), QStringLiteral("Amber_Tick.png"));
    EXPECT_EQ(dialog.UncheckCombo(1)->currentText(), CMenuItemImagesDlg::NoPictureText());

    const QByteArray path = qgetenv("VORNADESK_SCREENSHOT");
    if (!path.isEmpty()) {
        EXPECT_TRUE(shot.save(QString::fromLocal8Bit(path)));
    }
}

}  // namespace
