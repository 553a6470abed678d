#include "platform/background_jobs.h"

#include <QMetaObject>
#include <QObject>

#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace ovix {

namespace detail {

// Shared by the runner and its threads, so that a thread that outlives the
// runner still has somewhere safe to report to.
struct JobsShared {
    std::mutex mutex;
    std::condition_variable ended;
    QObject *owner = nullptr; // null once the runner is gone
    int running = 0;
    std::vector<std::weak_ptr<std::atomic<bool>>> stops;
};

} // namespace detail

JobContext::JobContext(
    std::shared_ptr<detail::JobsShared> shared, std::shared_ptr<std::atomic<bool>> stop)
    : shared_(std::move(shared)), stop_(std::move(stop))
{
}

bool JobContext::stopRequested() const
{
    return stop_->load();
}

const std::atomic<bool> &JobContext::stopFlag() const
{
    return *stop_;
}

void JobContext::post(std::function<void()> onOwnerThread) const
{
    // Queued while the lock is held, so the owner cannot go between the
    // check and the call; Qt drops queued calls of an object deleted later.
    const std::lock_guard lock(shared_->mutex);
    if (shared_->owner == nullptr)
        return;
    QMetaObject::invokeMethod(shared_->owner, std::move(onOwnerThread), Qt::QueuedConnection);
}

BackgroundJobs::BackgroundJobs(QObject *owner, std::chrono::milliseconds exitBound)
    : shared_(std::make_shared<detail::JobsShared>()), exitBound_(exitBound)
{
    shared_->owner = owner;
}

BackgroundJobs::~BackgroundJobs()
{
    stopAll(exitBound_);
    const std::lock_guard lock(shared_->mutex);
    shared_->owner = nullptr;
}

bool BackgroundJobs::start(std::function<void(JobContext &)> work)
{
    auto stop = std::make_shared<std::atomic<bool>>(false);
    {
        const std::lock_guard lock(shared_->mutex);
        ++shared_->running;
        std::erase_if(shared_->stops, [](const auto &weak) { return weak.expired(); });
        shared_->stops.push_back(stop);
    }
    try {
        std::thread thread([shared = shared_, stop, work = std::move(work)]() mutable {
            JobContext context(shared, stop);
            try {
                work(context);
            } catch (...) {
                // A job reports its own problems; nothing may escape a thread.
            }
            const std::lock_guard lock(shared->mutex);
            --shared->running;
            shared->ended.notify_all();
        });
        thread.detach();
    } catch (const std::system_error &) {
        const std::lock_guard lock(shared_->mutex);
        --shared_->running;
        return false;
    }
    return true;
}

int BackgroundJobs::running() const
{
    const std::lock_guard lock(shared_->mutex);
    return shared_->running;
}

bool BackgroundJobs::stopAll(std::chrono::milliseconds bound)
{
    std::unique_lock lock(shared_->mutex);
    for (const auto &weak : shared_->stops) {
        if (const auto stop = weak.lock())
            stop->store(true);
    }
    return shared_->ended.wait_for(lock, bound, [this] { return shared_->running == 0; });
}

} // namespace ovix
