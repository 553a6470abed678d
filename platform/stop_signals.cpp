#include "platform/stop_signals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace ovix {

namespace {

// [0] is read on the window thread, [1] written by the handler.
int stopPipe[2] = { -1, -1 };

void onSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] ssize_t written = ::write(stopPipe[1], &byte, 1);
    errno = saved;
}

void setHandler(void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

} // namespace

StopSignals::StopSignals() = default;

StopSignals::~StopSignals()
{
    if (!watching_)
        return;
    setHandler(SIG_DFL);
    notifier_.reset();
    ::close(stopPipe[0]);
    ::close(stopPipe[1]);
    stopPipe[0] = stopPipe[1] = -1;
}

bool StopSignals::watch(std::function<void()> onStop)
{
    if (watching_ || stopPipe[0] >= 0)
        return false;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, stopPipe) != 0) {
        stopPipe[0] = stopPipe[1] = -1;
        return false;
    }
    watching_ = true;
    onStop_ = std::move(onStop);
    notifier_ = std::make_unique<QSocketNotifier>(stopPipe[0], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(), [this] {
        char bytes[16];
        while (::read(stopPipe[0], bytes, sizeof bytes) > 0) { }
        if (onStop_)
            onStop_();
    });
    setHandler(onSignal);
    return true;
}

} // namespace ovix
