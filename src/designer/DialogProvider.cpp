#include "designer/DialogProvider.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>

#include "designer/SkinPassWordDlg.h"

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
    if (dialog.exec() != QDialog::Accepted) return false;
    *password = dialog.Password();
    return true;
}

bool QtDialogProvider::OpenUrl(const QString& url) { return QDesktopServices::openUrl(QUrl(url)); }

bool QtDialogProvider::StartDetached(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}
