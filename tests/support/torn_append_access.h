#pragma once
// A disk that fills up half-way through an append: the first write to the
// file named writes only its first `kept` bytes, and the next writes to that
// same opening fail with ENOSPC, as does, when asked, cutting it back there.
// Later openings of the file (an undo journal putting its length back) and
// other files are written as usual.

#include "platform/file_access.h"

#include <cerrno>
#include <string>
#include <sys/types.h>
#include <utility>

namespace ovix::test {

class TornAppendAccess : public FileAccess {
public:
    TornAppendAccess(std::string fileName, size_t kept, bool truncateFails)
        : fileName_(std::move(fileName)), kept_(kept), truncateFails_(truncateFails)
    {
    }

    int open(const std::string &path, int flags, mode_t mode) override
    {
        const int fd = FileAccess::open(path, flags, mode);
        const size_t slash = path.find_last_of('/');
        if (fd >= 0 && !torn_ && path.substr(slash == std::string::npos ? 0 : slash + 1) == fileName_)
            fd_ = fd;
        return fd;
    }
    int close(int fd) override
    {
        if (fd == fd_)
            fd_ = -1;
        return FileAccess::close(fd);
    }
    ssize_t write(int fd, const void *buffer, size_t size) override
    {
        if (fd != fd_)
            return FileAccess::write(fd, buffer, size);
        if (torn_) {
            errno = ENOSPC;
            return -1;
        }
        torn_ = true;
        return FileAccess::write(fd, buffer, size < kept_ ? size : kept_);
    }
    int ftruncate(int fd, off_t length) override
    {
        if (fd == fd_ && torn_ && truncateFails_) {
            errno = ENOSPC;
            return -1;
        }
        return FileAccess::ftruncate(fd, length);
    }

    // True once a write to the file was cut short.
    bool torn() const { return torn_; }

private:
    std::string fileName_;
    size_t kept_;
    bool truncateFails_;
    int fd_ = -1;
    bool torn_ = false;
};

} // namespace ovix::test
