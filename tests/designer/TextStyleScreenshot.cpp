// Renders the Text Style dialog on a shadowed style. Always checks that the dialog renders with its sample
// shadowed; with VORNADESK_SCREENSHOT set to a file name it also saves the picture there:
//   VORNADESK_SCREENSHOT=docs/screenshot-text-style.png QT_QPA_PLATFORM=offscreen
//       build/vornadesk_designer_tests --gtest_filter=TextStyleScreenshot.*   (one command line)

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPixmap>

#include "designer/dialogs/StyledSample.h"
#include "designer/dialogs/TextStyleDlg.h"

namespace {

TEST(TextStyleScreenshot, ShadowedStyle) {
    SkinTextStyle style = SkinTextStyle::Fresh(SystemEnvironment::Default());
    style.textColor = Color(28, 74, 150);
    style.effect = 1;
    style.shadowHSpace = 2;
    style.shadowVSpace = 2;
    style.leftOffset = 8;
    style.rightOffset = 8;
    CTextStyle dialog(style);
    dialog.show();
    QApplication::processEvents();
    const QImage shot = dialog.grab().toImage();
    ASSERT_FALSE(shot.isNull());
    EXPECT_GE(shot.width(), dialog.Sample()->width());

    // The sample in the picture shows both the text colour and the button-shadow colour.
    const QRect sample(dialog.Sample()->mapTo(&dialog, QPoint(0, 0)), dialog.Sample()->size());
    bool text = false, shadow = false;
    for (int y = sample.top(); y <= sample.bottom(); ++y)
        for (int x = sample.left(); x <= sample.right(); ++x) {
            text |= shot.pixel(x, y) == qRgb(28, 74, 150);
            shadow |= shot.pixel(x, y) == qRgb(160, 160, 160);
        }
    EXPECT_TRUE(text);
    EXPECT_TRUE(shadow);

    const QByteArray path = qgetenv("VORNADESK_SCREENSHOT");
    if (!path.isEmpty()) {
        EXPECT_TRUE(shot.save(QString::fromLocal8Bit(path)));
    }
}

}  // namespace
