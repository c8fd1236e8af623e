// The About box: product name and version, the application icon, "OK", and a link that hands the home page
// to whoever opens URLs.

#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>

#include "designer/ProductInfo.h"
#include "designer/dialogs/AboutDlg.h"

namespace {

TEST(AboutDlg, ShowsNameVersionIconAndOk) {
    CAboutDlg dialog(nullptr);
    auto* name = dialog.findChild<QLabel*>(QStringLiteral("productName"));
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->text(), QStringLiteral("Vornadesk 1.1"));
    auto* icon = dialog.findChild<QLabel*>(QStringLiteral("appIcon"));
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->pixmap().size(), QSize(48, 48)) << "the application icon is in the resources";
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    ASSERT_NE(buttons, nullptr);
    ASSERT_EQ(buttons->buttons().size(), 1);
    EXPECT_EQ(buttons->buttons().first()->text(), QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Ok)->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(AboutDlg, LinkShowsTheHomePageAndHandsItOn) {
    QStringList opened;
    CAboutDlg dialog([&](const QString& url) { opened << url; });
    EXPECT_TRUE(dialog.Link()->text().contains(QStringLiteral("href=\"%1\"").arg(vd::HomePageUrl())));
    EXPECT_FALSE(dialog.Link()->openExternalLinks()) << "the link goes through the callback only";
    QMetaObject::invokeMethod(dialog.Link(), "linkActivated", Q_ARG(QString, vd::HomePageUrl()));
    EXPECT_EQ(opened, QStringList{vd::HomePageUrl()});
}

}  // namespace
