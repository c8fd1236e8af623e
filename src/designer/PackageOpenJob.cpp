#include "designer/PackageOpenJob.h"

#include <QMetaObject>

#include <new>
#include <stdexcept>

PackageOpenJob::PackageOpenJob(Work work, QObject* parent)
    : QObject(parent), m_work(std::move(work)), m_document(std::make_unique<CSkinDocument>()) {
    m_monitor.cancel = &m_cancel;
    m_monitor.progress = [this](size_t done, size_t total) {
        m_done.store(done);
        m_total.store(total);
        // A package of many entries reports thousands of steps; the GUI thread needs only the latest.
        if (!m_progressPosted.exchange(true))
            QMetaObject::invokeMethod(
                this,
                [this] {
                    m_progressPosted.store(false);
                    emit progressed();
                },
                Qt::QueuedConnection);
    };
}

PackageOpenJob::~PackageOpenJob() {
    Cancel();
    Wait();
}

void PackageOpenJob::Start() {
    if (m_thread.joinable() || IsFinished()) return;
    m_thread = std::thread([this] { Run(); });
}

void PackageOpenJob::Wait() {
    if (m_thread.joinable()) m_thread.join();
}

void PackageOpenJob::Run() {
    // Nothing may leave the worker: an exception here would end the program.
    try {
        m_result = m_work(*m_document, m_monitor);
        m_error = m_document->OpenError();
    } catch (const std::bad_alloc&) {
        m_result = vd::OpenResult::OutOfMemory;
    } catch (const std::length_error&) {
        m_result = vd::OpenResult::OutOfMemory;
    } catch (const std::exception& e) {
        m_result = vd::OpenResult::BadArchive;
        m_error = std::string("unexpected failure: ") + e.what();
    } catch (...) {
        m_result = vd::OpenResult::BadArchive;
        m_error = "unexpected failure";
    }
    // The author chose to keep the current skin; an open that got through regardless is dropped.
    if (m_cancel.load()) m_result = vd::OpenResult::Cancelled;
    if (m_result != vd::OpenResult::Ok) m_document.reset();
    m_finished.store(true, std::memory_order_release);
    QMetaObject::invokeMethod(this, [this] { emit finished(); }, Qt::QueuedConnection);
}

vd::OpenResult PackageOpenJob::Result() const { return m_result; }

std::unique_ptr<CSkinDocument> PackageOpenJob::TakeDocument() {
    if (!IsFinished()) return nullptr;
    return std::move(m_document);
}
