// The worker of an open: results from the worker reach the GUI thread, a cancel wins over an open that got
// through, nothing thrown on the worker ends the program, and a job never leaves its worker running.

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QStringList>

#include <atomic>
#include <chrono>
#include <new>
#include <stdexcept>
#include <thread>

#include "Resource/ResObjects/ResApp.h"
#include "designer/PackageOpenJob.h"

namespace {

// Runs the GUI thread's event loop until the job's end notice has been delivered: the worker may end
// before the loop starts, and its queued notices only arrive while a loop runs.
void RunUntilFinished(PackageOpenJob& job) {
    QEventLoop loop;
    bool delivered = false;
    QObject::connect(&job, &PackageOpenJob::finished, &loop, [&] {
        delivered = true;
        loop.quit();
    });
    job.Start();
    if (!delivered) loop.exec();
}

TEST(PackageOpenJob, HandsOverTheOpenedDocumentAndTheLastProgress) {
    QStringList order;
    PackageOpenJob job([](CSkinDocument& document, const OpenMonitor& monitor) {
        document.Apps().NewItem();
        for (size_t i = 1; i <= 500; ++i) monitor.Report(i, 500);
        return vd::OpenResult::Ok;
    });
    QObject::connect(&job, &PackageOpenJob::progressed, [&] { order << QStringLiteral("progress"); });
    QObject::connect(&job, &PackageOpenJob::finished, [&] { order << QStringLiteral("finished"); });
    RunUntilFinished(job);
    ASSERT_EQ(job.Result(), vd::OpenResult::Ok);
    EXPECT_EQ(job.StepsDone(), 500u);
    EXPECT_EQ(job.StepsTotal(), 500u);
    // Progress notices come before the end.
    ASSERT_GE(order.size(), 2);
    EXPECT_EQ(order.first(), QStringLiteral("progress"));
    EXPECT_EQ(order.last(), QStringLiteral("finished"));
    EXPECT_EQ(order.count(QStringLiteral("finished")), 1);
    std::unique_ptr<CSkinDocument> document = job.TakeDocument();
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(document->Apps().Count(), 1u);
}

TEST(PackageOpenJob, ACancelWinsOverAnOpenThatGotThrough) {
    std::atomic<bool> cancelled{false};
    PackageOpenJob* self = nullptr;
    PackageOpenJob job([&](CSkinDocument&, const OpenMonitor& monitor) {
        self->Cancel();
        cancelled = monitor.Cancelled();
        return vd::OpenResult::Ok;  // an open that did not look at the flag again
    });
    self = &job;
    RunUntilFinished(job);
    EXPECT_TRUE(cancelled);
    EXPECT_EQ(job.Result(), vd::OpenResult::Cancelled);
    EXPECT_EQ(job.TakeDocument(), nullptr);
}

TEST(PackageOpenJob, WhatTheWorkerThrowsBecomesAResult) {
    struct Case {
        std::function<void()> fail;
        vd::OpenResult result;
        std::string error;
    };
    const std::vector<Case> cases = {
        {[] { throw std::bad_alloc(); }, vd::OpenResult::OutOfMemory, ""},
        {[] { throw std::length_error("vector"); }, vd::OpenResult::OutOfMemory, ""},
        {[] { throw std::runtime_error("boom"); }, vd::OpenResult::BadArchive, "unexpected failure: boom"},
        {[] { throw 42; }, vd::OpenResult::BadArchive, "unexpected failure"},
    };
    for (const Case& c : cases) {
        PackageOpenJob job([&c](CSkinDocument&, const OpenMonitor&) -> vd::OpenResult {
            c.fail();
            return vd::OpenResult::Ok;
        });
        RunUntilFinished(job);
        EXPECT_EQ(job.Result(), c.result) << c.error;
        EXPECT_EQ(job.Error(), c.error);
        EXPECT_EQ(job.TakeDocument(), nullptr);
    }
}

TEST(PackageOpenJob, DestroyingARunningJobStopsItsWorkerAndWaitsForIt) {
    std::atomic<bool> started{false}, sawCancel{false}, ended{false};
    {
        PackageOpenJob job([&](CSkinDocument&, const OpenMonitor& monitor) {
            started = true;
            // Waits for the stop as a long read would; gives up far beyond any real wait.
            const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(60);
            while (!monitor.Cancelled() && std::chrono::steady_clock::now() < giveUp) std::this_thread::yield();
            sawCancel = monitor.Cancelled();
            ended = true;
            return vd::OpenResult::Cancelled;
        });
        job.Start();
        while (!started) std::this_thread::yield();
    }
    EXPECT_TRUE(ended) << "the worker outlived its job";
    EXPECT_TRUE(sawCancel);
}

}  // namespace
