#pragma once
// Everything the designer asks the user through a standard dialog, or hands to the desktop, behind one
// interface, so that tests can script the answers and record what was shown.

#include <QString>
#include <QStringList>

#include "Resource/ResObjects/CheckImageEntries.h"
#include "designer/dialogs/MenuItemImagesDlg.h"
#include "designer/dialogs/SelectionClipboard.h"

class QWidget;
class SkinSession;
struct SkinImageBase;
struct SkinTextStyle;
struct SystemEnvironment;

class DialogProvider {
public:
    virtual ~DialogProvider() = default;
    // Empty when cancelled.
    virtual QString OpenFileName(QWidget* parent, const QString& caption, const QString& filter) = 0;
    virtual QStringList OpenFileNames(QWidget* parent, const QString& caption, const QString& filter) = 0;
    virtual QString SaveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                                 const QString& filter) = 0;
    // OK / Cancel with an exclamation icon; true for OK.
    virtual bool AskOkCancel(QWidget* parent, const QString& text, const QString& caption) = 0;
    // The unsaved-changes question: Save, Don't Save or Cancel (Escape and closing the box are Cancel).
    enum class SaveAnswer { Save, Discard, Cancel };
    virtual SaveAnswer AskSaveChanges(QWidget* parent, const QString& text, const QString& caption) = 0;
    virtual void Warn(QWidget* parent, const QString& text, const QString& caption) = 0;
    virtual void Inform(QWidget* parent, const QString& text, const QString& caption) = 0;
    // The password prompt, offering *password (the previous try's text) again; false when cancelled.
    virtual bool AskPassword(QWidget* parent, QString* password) = 0;
    virtual bool OpenUrl(const QString& url) = 0;
    virtual bool StartDetached(const QString& program, const QStringList& arguments) = 0;
    // The Text Style dialog on *style (its sample uses env's system colours); true and *style replaced on
    // OK, false and *style untouched on Cancel.
    virtual bool EditTextStyle(QWidget* parent, const SystemEnvironment& env, SkinTextStyle* style) = 0;
    virtual void ShowAbout(QWidget* parent) = 0;
    // The Skin Image Editor on *image (picture name, rectangle, corners, modes); true on OK with *image
    // updated, false on Cancel with *image untouched.
    virtual bool EditImage(QWidget* parent, SkinSession& session, SkinImageBase* image) = 0;
    // The per-command check images of a frame's menus (item ID, check and uncheck picture, two-row flag) or
    // of a toolbar (command ID, check and uncheck picture), the pictures chosen from pictureNames; true on OK
    // with *entries replaced (names only), false on Cancel with *entries untouched.
    virtual bool EditCheckImages(QWidget* parent, CheckImagesOf what, const QStringList& pictureNames,
                                 CheckImageMap* entries) = 0;
};

// The real dialogs: QFileDialog, QMessageBox, the password dialog, QDesktopServices and QProcess.
class QtDialogProvider : public DialogProvider {
public:
    QString OpenFileName(QWidget* parent, const QString& caption, const QString& filter) override;
    QStringList OpenFileNames(QWidget* parent, const QString& caption, const QString& filter) override;
    QString SaveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                         const QString& filter) override;
    bool AskOkCancel(QWidget* parent, const QString& text, const QString& caption) override;
    SaveAnswer AskSaveChanges(QWidget* parent, const QString& text, const QString& caption) override;
    void Warn(QWidget* parent, const QString& text, const QString& caption) override;
    void Inform(QWidget* parent, const QString& text, const QString& caption) override;
    bool AskPassword(QWidget* parent, QString* password) override;
    bool OpenUrl(const QString& url) override;
    bool StartDetached(const QString& program, const QStringList& arguments) override;
    bool EditTextStyle(QWidget* parent, const SystemEnvironment& env, SkinTextStyle* style) override;
    void ShowAbout(QWidget* parent) override;
    bool EditImage(QWidget* parent, SkinSession& session, SkinImageBase* image) override;
    bool EditCheckImages(QWidget* parent, CheckImagesOf what, const QStringList& pictureNames,
                         CheckImageMap* entries) override;

private:
    // The Skin Image Editor's Copy/Paste Selection buffer: it outlives each editor, for the program run.
    CSelectionClipboard m_imageClipboard;
};
