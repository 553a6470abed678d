#pragma once
// SIGTERM and SIGINT (a desktop logout, `kill`, Ctrl+C in a terminal) turned
// into a call on the window thread, so that the till and the publisher close
// the normal way and store their files.

#include <functional>
#include <memory>

class QSocketNotifier;

namespace ovix {

class StopSignals {
public:
    // Nothing caught until watch().
    StopSignals();
    // Puts the default handling of both signals back.
    ~StopSignals();
    StopSignals(const StopSignals &) = delete;
    StopSignals &operator=(const StopSignals &) = delete;

    // From now on each SIGTERM or SIGINT runs `onStop` from the event loop
    // (never inside the signal handler). Only one StopSignals may watch at a
    // time. False when the signal pipe cannot be made; the signals then keep
    // their default handling.
    bool watch(std::function<void()> onStop);

private:
    std::unique_ptr<QSocketNotifier> notifier_;
    std::function<void()> onStop_;
    bool watching_ = false;
};

} // namespace ovix
