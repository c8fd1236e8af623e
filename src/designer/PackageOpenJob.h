#pragma once
// One open of a skin package on a worker thread, into a fresh document, so the window keeps drawing and
// answering while a large package is read. The GUI thread owns the job; the worker touches only the new
// document and the job's atomics, and tells the GUI thread of progress and of its end by queued signals.
// Destroying the job asks the worker to stop and waits for it, so the worker never outlives the job.

#include <QObject>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "Resource/SkinDocument.h"

class PackageOpenJob : public QObject {
    Q_OBJECT
public:
    // What the worker runs: opens into `document`, watched by `monitor`.
    using Work = std::function<vd::OpenResult(CSkinDocument& document, const OpenMonitor& monitor)>;

    explicit PackageOpenJob(Work work, QObject* parent = nullptr);
    ~PackageOpenJob() override;

    void Start();
    // Asks the worker to stop at its next step; the job then ends as cancelled, whatever the open gave.
    void Cancel() { m_cancel.store(true); }
    bool CancelRequested() const { return m_cancel.load(); }
    bool IsFinished() const { return m_finished.load(std::memory_order_acquire); }
    // Blocks until the worker has ended.
    void Wait();

    // The rest only once finished.
    vd::OpenResult Result() const;
    // Why the open failed, naming the entry or limit; empty when the result says all.
    const std::string& Error() const { return m_error; }
    // The opened document after Ok; null otherwise.
    std::unique_ptr<CSkinDocument> TakeDocument();

    // The latest progress the open reported (steps done of total; total 0 before the first report).
    size_t StepsDone() const { return m_done.load(); }
    size_t StepsTotal() const { return m_total.load(); }

signals:
    void progressed();
    void finished();

private:
    void Run();

    Work m_work;
    std::unique_ptr<CSkinDocument> m_document;
    vd::OpenResult m_result = vd::OpenResult::Ok;
    std::string m_error;
    std::atomic<bool> m_cancel{false};
    std::atomic<bool> m_finished{false};
    std::atomic<bool> m_progressPosted{false};  // one progress notice in the queue at a time
    std::atomic<size_t> m_done{0};
    std::atomic<size_t> m_total{0};
    OpenMonitor m_monitor;
    std::thread m_thread;
};
