#pragma once
// Everything the designer asks the user through a standard dialog, or hands to the desktop, behind one
// interface, so that tests can script the answers and record what was shown.

#include <QString>
#include <QStringList>

class QWidget;

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
    virtual void Warn(QWidget* parent, const QString& text, const QString& caption) = 0;
    virtual void Inform(QWidget* parent, const QString& text, const QString& caption) = 0;
    // The password prompt; false when cancelled.
    virtual bool AskPassword(QWidget* parent, QString* password) = 0;
    virtual bool OpenUrl(const QString& url) = 0;
    virtual bool StartDetached(const QString& program, const QStringList& arguments) = 0;
};

// The real dialogs: QFileDialog, QMessageBox, the password dialog, QDesktopServices and QProcess.
class QtDialogProvider : public DialogProvider {
public:
    QString OpenFileName(QWidget* parent, const QString& caption, const QString& filter) override;
    QStringList OpenFileNames(QWidget* parent, const QString& caption, const QString& filter) override;
    QString SaveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                         const QString& filter) override;
    bool AskOkCancel(QWidget* parent, const QString& text, const QString& caption) override;
    void Warn(QWidget* parent, const QString& text, const QString& caption) override;
    void Inform(QWidget* parent, const QString& text, const QString& caption) override;
    bool AskPassword(QWidget* parent, QString* password) override;
    bool OpenUrl(const QString& url) override;
    bool StartDetached(const QString& program, const QStringList& arguments) override;
};
