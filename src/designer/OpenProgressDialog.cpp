#include "designer/OpenProgressDialog.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "designer/PackageOpenJob.h"

namespace {

constexpr int kBarSteps = 1000;

}  // namespace

OpenProgressDialog::OpenProgressDialog(PackageOpenJob& job, const QString& label, QWidget* parent)
    : QDialog(parent), m_job(job), m_label(new QLabel(label, this)), m_bar(new QProgressBar(this)),
      m_cancel(new QPushButton(tr("Cancel"), this)) {
    setObjectName(QStringLiteral("OpenProgress"));
    setWindowTitle(tr("Open"));
    setWindowModality(Qt::ApplicationModal);
    m_label->setWordWrap(true);
    m_label->setMinimumWidth(320);
    m_bar->setRange(0, 0);  // busy until the open reports its first step
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addWidget(m_bar);
    layout->addLayout(buttons);
    connect(m_cancel, &QPushButton::clicked, this, &OpenProgressDialog::RequestCancel);
    connect(&m_job, &PackageOpenJob::progressed, this, &OpenProgressDialog::ShowProgress);
    ShowProgress();
}

void OpenProgressDialog::RequestCancel() {
    if (m_job.CancelRequested()) return;
    m_job.Cancel();
    m_cancel->setEnabled(false);
    m_label->setText(tr("Cancelling..."));
}

void OpenProgressDialog::ShowProgress() {
    const size_t total = m_job.StepsTotal();
    if (total == 0) return;
    const size_t done = std::min(m_job.StepsDone(), total);
    m_bar->setRange(0, kBarSteps);
    m_bar->setValue(static_cast<int>(static_cast<double>(done) / static_cast<double>(total) * kBarSteps));
}

// Escape: the dialog stays until the worker has stopped, so input stays blocked meanwhile.
void OpenProgressDialog::reject() { RequestCancel(); }

void OpenProgressDialog::closeEvent(QCloseEvent* event) {
    RequestCancel();
    event->ignore();
}

void OpenProgressDialog::Wait(PackageOpenJob& job, QWidget* parent, const QString& label, int showDelayMs) {
    QEventLoop loop;
    bool woken = false;  // set by our own reasons to leave the loop, not by the application quitting
    auto wake = [&] {
        woken = true;
        loop.quit();
    };
    QPointer<OpenProgressDialog> dialog;
    const QPointer<QWidget> owner(parent);  // a window deleted meanwhile gets no dialog
    const bool owned = parent != nullptr;
    QTimer showTimer;
    showTimer.setSingleShot(true);
    // Every connection has the loop as context, so a late notice from the job finds nothing to call.
    QObject::connect(&showTimer, &QTimer::timeout, &loop, [&] {
        if (!job.IsFinished() && (owner || !owned)) {
            dialog = new OpenProgressDialog(job, label, owner);
            dialog->show();
        }
        wake();
    });
    QObject::connect(&job, &PackageOpenJob::finished, &loop, wake);
    job.Start();
    showTimer.start(std::max(0, showDelayMs));
    while (!job.IsFinished()) {
        woken = false;
        const bool shown = dialog && dialog->isVisible();
        loop.exec(shown ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
        if (!woken) {
            // The application is quitting: every event loop was told to end, so this one cannot wait.
            job.Cancel();
            job.Wait();
            break;
        }
    }
    delete dialog;
}
