#pragma once
// Work that runs on threads of its own so the till stays usable while a mail
// server or an FTP server is slow. A job may not touch a widget or show a
// message box: it hands that work back to the owner's thread (the window's)
// with post(). When the till ends, every job is asked to stop and is waited
// for within a bound; one that still runs then is left to finish on its own
// and nothing it posts is run any more.

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>

class QObject;

namespace ovix {

namespace detail {
struct JobsShared;
}

// How long the till waits at its end for jobs still running.
inline constexpr std::chrono::milliseconds kJobsExitBound{5000};

// What a job sees of its runner.
class JobContext {
public:
    JobContext(std::shared_ptr<detail::JobsShared> shared, std::shared_ptr<std::atomic<bool>> stop);

    bool stopRequested() const;
    // For callbacks that poll it (libcurl's progress function).
    const std::atomic<bool> &stopFlag() const;
    // Runs `onOwnerThread` later on the owner's thread; dropped when the
    // owner is gone.
    void post(std::function<void()> onOwnerThread) const;

private:
    std::shared_ptr<detail::JobsShared> shared_;
    std::shared_ptr<std::atomic<bool>> stop_;
};

class BackgroundJobs {
public:
    // Posts go to `owner`'s thread; `owner` must outlive this object.
    explicit BackgroundJobs(QObject *owner, std::chrono::milliseconds exitBound = kJobsExitBound);
    // stopAll(exitBound); what jobs still running post afterwards is dropped.
    ~BackgroundJobs();
    BackgroundJobs(const BackgroundJobs &) = delete;
    BackgroundJobs &operator=(const BackgroundJobs &) = delete;

    // Starts `work` on a new thread; false when no thread could be started
    // (the caller says "Unable to start thread", caption "Problem").
    bool start(std::function<void(JobContext &)> work);
    // Jobs started and not yet ended.
    int running() const;
    // Sets every job's stop flag and waits up to `bound` for them to end;
    // true when all ended.
    bool stopAll(std::chrono::milliseconds bound);

private:
    std::shared_ptr<detail::JobsShared> shared_;
    std::chrono::milliseconds exitBound_;
};

} // namespace ovix
