#include "designer/DialogProvider.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QUrl>

#include "designer/SkinPassWordDlg.h"
#include "designer/dialogs/AboutDlg.h"
#include "designer/dialogs/ImageBrowser.h"
#include "designer/dialogs/TextStyleDlg.h"

QString QtDialogProvider::OpenFileName(QWidget* parent, const QString& caption, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
}

QStringList QtDialogProvider::OpenFileNames(QWidget* parent, const QString& caption, const QString& filter) {
    return QFileDialog::getOpenFileNames(parent, caption, QString(), filter);
}

QString QtDialogProvider::SaveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                                       const QString& filter) {
    QFileDialog dialog(parent, caption, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("rss"));
    dialog.selectFile(suggested);
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty() ? dialog.selectedFiles().first()
                                                                                   : QString();
}

bool QtDialogProvider::AskOkCancel(QWidget* parent, const QString& text, const QString& caption) {
    QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::Ok | QMessageBox::Cancel, parent);
    return box.exec() == QMessageBox::Ok;
}

void QtDialogProvider::Warn(QWidget* parent, const QString& text, const QString& caption) {
    QMessageBox::warning(parent, caption, text);
}

void QtDialogProvider::Inform(QWidget* parent, const QString& text, const QString& caption) {
    QMessageBox::information(parent, caption, text);
}

bool QtDialogProvider::AskPassword(QWidget* parent, QString* password) {
    CSkinPassWordDlg dialog(parent);
    // The previous try's text is offered again, so a typo needs one correction, not retyping.
    dialog.Edit()->setText(*password);
    dialog.Edit()->selectAll();
    if (dialog.exec() != QDialog::Accepted) return false;
    *password = dialog.Password();
    return true;
}

bool QtDialogProvider::OpenUrl(const QString& url) { return QDesktopServices::openUrl(QUrl(url)); }

bool QtDialogProvider::StartDetached(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

bool QtDialogProvider::EditTextStyle(QWidget* parent, const SystemEnvironment& env, SkinTextStyle* style) {
    // On the heap and watched: a parent destroyed while the dialog runs takes the dialog with it.
    QPointer<CTextStyle> dialog = new CTextStyle(*style, env, parent);
    const int result = dialog->exec();
    if (!dialog) return false;
    const SkinTextStyle chosen = dialog->Style();
    delete dialog;
    if (result != QDialog::Accepted) return false;
    *style = chosen;
    return true;
}

void QtDialogProvider::ShowAbout(QWidget* parent) {
    QPointer<CAboutDlg> dialog = new CAboutDlg([this](const QString& url) { OpenUrl(url); }, parent);
    dialog->exec();
    delete dialog;
}

bool QtDialogProvider::EditImage(QWidget* parent, SkinSession& session, SkinImageBase* image) {
    // On the heap and watched: if the parent goes away while the editor runs, the editor goes with it.
    QPointer<CImageBrowser> dialog = new CImageBrowser(session, *this, m_imageClipboard, parent);
    dialog->SetImage(*image);
    const int result = dialog->exec();
    if (!dialog) return false;
    const SkinImageBase chosen = dialog->Image();
    delete dialog;
    if (result != QDialog::Accepted) return false;
    *image = chosen;
    return true;
}
