#include "designer/DialogProvider.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QUrl>

#include "designer/SkinPassWordDlg.h"
#include "designer/dialogs/AboutDlg.h"
#include "designer/dialogs/ImageBrowser.h"
#include "designer/dialogs/MenuItemImagesDlg.h"
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

DialogProvider::SaveAnswer QtDialogProvider::AskSaveChanges(QWidget* parent, const QString& text,
                                                            const QString& caption) {
    QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                    parent);
    box.button(QMessageBox::Discard)->setText(QObject::tr("Don't Save"));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save: return SaveAnswer::Save;
    case QMessageBox::Discard: return SaveAnswer::Discard;
    default: return SaveAnswer::Cancel;
    }
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

namespace {

// Runs a dialog that edits a copy of *value: on the heap and watched, so a parent destroyed while it runs
// takes the dialog along; *value changes only on OK.
template <class Dialog, class Value, class Read>
bool RunEditor(Dialog* created, Value* value, Read read) {
    QPointer<Dialog> dialog = created;
    const int result = dialog->exec();
    if (!dialog) return false;
    const Value chosen = read(*dialog);
    delete dialog;
    if (result != QDialog::Accepted) return false;
    *value = chosen;
    return true;
}

}  // namespace

bool QtDialogProvider::EditTextStyle(QWidget* parent, const SystemEnvironment& env, SkinTextStyle* style) {
    return RunEditor(new CTextStyle(*style, env, parent), style, [](CTextStyle& d) { return d.Style(); });
}

void QtDialogProvider::ShowAbout(QWidget* parent) {
    QPointer<CAboutDlg> dialog = new CAboutDlg([this](const QString& url) { OpenUrl(url); }, parent);
    dialog->exec();
    delete dialog;
}

bool QtDialogProvider::EditImage(QWidget* parent, SkinSession& session, SkinImageBase* image) {
    auto* dialog = new CImageBrowser(session, *this, m_imageClipboard, parent);
    dialog->SetImage(*image);
    return RunEditor(dialog, image, [](CImageBrowser& d) { return d.Image(); });
}

bool QtDialogProvider::EditCheckImages(QWidget* parent, CheckImagesOf what, const QStringList& pictureNames,
                                       CheckImageMap* entries) {
    return RunEditor(new CMenuItemImagesDlg(*entries, pictureNames, parent, what), entries,
                     [](CMenuItemImagesDlg& d) { return d.Entries(); });
}
