#include "print/logic/raw_printer.h"

#include <cerrno>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <spawn.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace ovix {

namespace {

// A file in memory holding `bytes`, positioned at its start; -1 on failure.
// The child reads it as its standard input, so a child that stops reading
// can neither block the till nor end it with a broken pipe.
int memoryInput(std::string_view bytes)
{
    int fd = ::memfd_create("ovix-raw-job", MFD_CLOEXEC);
    if (fd < 0)
        return -1;
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ::close(fd);
            return -1;
        }
        done += static_cast<size_t>(n);
    }
    if (::lseek(fd, 0, SEEK_SET) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool waitWithTimeout(pid_t child)
{
    const timespec pause { 0, 20L * 1000 * 1000 };
    for (int waited = 0; waited < RawPrinter::kTimeoutSeconds * 50; ++waited) {
        int status = 0;
        pid_t done = ::waitpid(child, &status, WNOHANG);
        if (done == child)
            return WIFEXITED(status) && WEXITSTATUS(status) == 0;
        if (done < 0 && errno != EINTR)
            return false;
        ::nanosleep(&pause, nullptr);
    }
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    return false;
}

} // namespace

bool RawPrinter::sendJob(const std::string &queue, std::string_view bytes)
{
    int input = memoryInput(bytes);
    if (input < 0)
        return false;
    std::vector<std::string> words { "lp" };
    if (!queue.empty()) {
        words.push_back("-d");
        words.push_back(queue);
    }
    for (const char *word : { "-o", "raw", "-t", "OVIX" })
        words.push_back(word);
    std::vector<char *> argv;
    argv.reserve(words.size() + 1);
    for (std::string &word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input, STDIN_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = -1;
    int spawned = ::posix_spawnp(&child, "lp", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(input);
    if (spawned != 0)
        return false;
    return waitWithTimeout(child);
}

} // namespace ovix
