#pragma once
// The progress window of an open that takes more than a moment: the file's name, a bar and Cancel. Wait()
// runs the job and an event loop until the job ends, so the window keeps drawing; the author's input
// reaches nothing but this dialog meanwhile (before it shows, input waits in the queue; once shown, the
// dialog is application-modal). Cancel, Escape and closing the dialog ask the job to stop, and the
// dialog stays until it has.

#include <QDialog>

class PackageOpenJob;
class QLabel;
class QProgressBar;
class QPushButton;

class OpenProgressDialog : public QDialog {
    Q_OBJECT
public:
    // Opens shorter than this show no dialog.
    static constexpr int kDefaultShowDelayMs = 400;

    // Starts `job` and returns once it has ended (or the application quits, which cancels it). The dialog,
    // a child of `parent`, shows after showDelayMs.
    static void Wait(PackageOpenJob& job, QWidget* parent, const QString& label,
                     int showDelayMs = kDefaultShowDelayMs);

    OpenProgressDialog(PackageOpenJob& job, const QString& label, QWidget* parent = nullptr);

    QLabel* Label() const { return m_label; }
    QProgressBar* Bar() const { return m_bar; }
    QPushButton* CancelButton() const { return m_cancel; }

    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void RequestCancel();
    void ShowProgress();

    PackageOpenJob& m_job;
    QLabel* m_label;
    QProgressBar* m_bar;
    QPushButton* m_cancel;
};
