#include "platform/background_jobs.h"

#include <QCoreApplication>
#include <QObject>

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <thread>
#include <vector>

namespace ovix {
namespace {

using namespace std::chrono_literals;

QCoreApplication &application()
{
    static int argc = 1;
    static char name[] = "platform_tests";
    static char *argv[] = {name, nullptr};
    static QCoreApplication *app
        = QCoreApplication::instance() ? nullptr : new QCoreApplication(argc, argv);
    return app ? *app : *QCoreApplication::instance();
}

// Runs the owner thread's queue until `done` holds or two seconds pass.
template <typename Done>
bool spinUntil(Done done)
{
    const auto end = std::chrono::steady_clock::now() + 2s;
    while (!done() && std::chrono::steady_clock::now() < end) {
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(1ms);
    }
    return done();
}

TEST(BackgroundJobs, WorkRunsBesideTheOwnerAndItsPostsRunOnTheOwnersThread)
{
    application();
    QObject owner;
    BackgroundJobs jobs(&owner);
    const auto ownerThread = std::this_thread::get_id();
    std::vector<int> seen;
    std::thread::id workerThread;
    std::thread::id postThread;
    ASSERT_TRUE(jobs.start([&](JobContext &job) {
        workerThread = std::this_thread::get_id();
        for (int i = 1; i <= 3; ++i)
            job.post([&seen, i, &postThread] {
                seen.push_back(i);
                postThread = std::this_thread::get_id();
            });
    }));
    ASSERT_TRUE(spinUntil([&] { return seen.size() == 3 && jobs.running() == 0; }));
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3}));
    EXPECT_NE(workerThread, ownerThread);
    EXPECT_EQ(postThread, ownerThread);
}

TEST(BackgroundJobs, StopAllEndsJobsThatWatchTheirFlagWithinTheBound)
{
    application();
    QObject owner;
    BackgroundJobs jobs(&owner);
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(jobs.start([](JobContext &job) {
            while (!job.stopRequested())
                std::this_thread::sleep_for(1ms);
        }));
    EXPECT_EQ(jobs.running(), 3);
    EXPECT_TRUE(jobs.stopAll(2s));
    EXPECT_EQ(jobs.running(), 0);
}

TEST(BackgroundJobs, AJobOutlivingItsRunnerHasItsPostsDropped)
{
    application();
    auto owner = std::make_unique<QObject>();
    auto jobs = std::make_unique<BackgroundJobs>(owner.get(), 20ms);
    std::promise<void> release;
    std::promise<void> posted;
    bool ran = false;
    ASSERT_TRUE(jobs->start([&, gate = release.get_future().share()](JobContext &job) {
        gate.wait(); // deaf to the stop flag
        job.post([&ran] { ran = true; });
        posted.set_value();
    }));
    EXPECT_FALSE(jobs->stopAll(10ms));
    jobs.reset(); // gives up after its bound
    owner.reset();
    release.set_value();
    posted.get_future().wait();
    QCoreApplication::processEvents();
    EXPECT_FALSE(ran);
}

} // namespace
} // namespace ovix
