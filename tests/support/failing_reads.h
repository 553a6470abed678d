#pragma once
// A file access whose reads of one file fail with EIO wherever they touch a
// chosen byte range, as a bad sector would; everything else reads as usual.
// Install it with setFileAccess() and put the plain one back afterwards
// (the destructor does so).

#include "platform/file_access.h"

#include <cerrno>
#include <cstdint>
#include <set>
#include <string>
#include <utility>

namespace ovix::test {

class FailingReads : public FileAccess {
public:
    // Reads of `path` that overlap bytes [from, to) fail.
    FailingReads(std::string path, int64_t from, int64_t to)
        : path_(std::move(path))
        , from_(from)
        , to_(to)
    {
        setFileAccess(this);
    }
    ~FailingReads() override
    {
        setFileAccess(nullptr);
    }
    FailingReads(const FailingReads &) = delete;
    FailingReads &operator=(const FailingReads &) = delete;

    int open(const std::string &path, int flags, mode_t mode) override
    {
        const int fd = FileAccess::open(path, flags, mode);
        if (fd >= 0 && path == path_)
            watched_.insert(fd);
        return fd;
    }
    int close(int fd) override
    {
        watched_.erase(fd);
        return FileAccess::close(fd);
    }
    ssize_t pread(int fd, void *buffer, size_t size, off_t offset) override
    {
        const auto end = static_cast<int64_t>(offset) + static_cast<int64_t>(size);
        if (watched_.count(fd) != 0 && offset < to_ && end > from_) {
            ++failures_;
            errno = EIO;
            return -1;
        }
        return FileAccess::pread(fd, buffer, size, offset);
    }

    // How many reads failed so far.
    int failures() const
    {
        return failures_;
    }

private:
    std::string path_;
    int64_t from_;
    int64_t to_;
    std::set<int> watched_;
    int failures_ = 0;
};

} // namespace ovix::test
