#include "platform/file_access.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace ovix {

int FileAccess::open(const std::string &path, int flags, mode_t mode)
{
    int fd = -1;
    do {
        fd = ::open(path.c_str(), flags | O_CLOEXEC, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

int FileAccess::close(int fd)
{
    return ::close(fd);
}

ssize_t FileAccess::pread(int fd, void *buffer, size_t size, off_t offset)
{
    ssize_t n = -1;
    do {
        n = ::pread(fd, buffer, size, offset);
    } while (n < 0 && errno == EINTR);
    return n;
}

ssize_t FileAccess::pwrite(int fd, const void *buffer, size_t size, off_t offset)
{
    ssize_t n = -1;
    do {
        n = ::pwrite(fd, buffer, size, offset);
    } while (n < 0 && errno == EINTR);
    return n;
}

ssize_t FileAccess::write(int fd, const void *buffer, size_t size)
{
    ssize_t n = -1;
    do {
        n = ::write(fd, buffer, size);
    } while (n < 0 && errno == EINTR);
    return n;
}

int FileAccess::fsync(int fd)
{
    int r = -1;
    do {
        r = ::fsync(fd);
    } while (r < 0 && errno == EINTR);
    return r;
}

int FileAccess::ftruncate(int fd, off_t length)
{
    return ::ftruncate(fd, length);
}

int FileAccess::rename(const std::string &from, const std::string &to)
{
    return std::rename(from.c_str(), to.c_str());
}

int FileAccess::unlink(const std::string &path)
{
    return ::unlink(path.c_str());
}

namespace {
FileAccess plainAccess;
FileAccess *currentAccess = &plainAccess;
} // namespace

FileAccess &fileAccess()
{
    return *currentAccess;
}

void setFileAccess(FileAccess *access)
{
    currentAccess = access ? access : &plainAccess;
}

void FaultyFileAccess::faultWriteNumber(int n, Mode mode)
{
    writeFault_ = n;
    writeMode_ = mode;
}

void FaultyFileAccess::faultSyncNumber(int n, Mode mode)
{
    syncFault_ = n;
    syncMode_ = mode;
}

bool FaultyFileAccess::faultWrite(bool addsData)
{
    ++writes_;
    if (writeFault_ == 0 || writes_ < writeFault_)
        return false;
    // A full disk still lets files be renamed, removed and cut shorter.
    if (writes_ > writeFault_ && (writeMode_ != Mode::FailOnward || !addsData))
        return false;
    if (writeMode_ == Mode::Crash)
        _exit(kCrashExitCode);
    errno = failureError_;
    return true;
}

bool FaultyFileAccess::faultSync()
{
    ++syncs_;
    if (syncFault_ == 0 || syncs_ < syncFault_)
        return false;
    if (syncs_ > syncFault_ && syncMode_ != Mode::FailOnward)
        return false;
    if (syncMode_ == Mode::Crash)
        _exit(kCrashExitCode);
    errno = failureError_;
    return true;
}

ssize_t FaultyFileAccess::pwrite(int fd, const void *buffer, size_t size, off_t offset)
{
    return faultWrite(true) ? -1 : FileAccess::pwrite(fd, buffer, size, offset);
}

ssize_t FaultyFileAccess::write(int fd, const void *buffer, size_t size)
{
    return faultWrite(true) ? -1 : FileAccess::write(fd, buffer, size);
}

int FaultyFileAccess::fsync(int fd)
{
    return faultSync() ? -1 : FileAccess::fsync(fd);
}

int FaultyFileAccess::ftruncate(int fd, off_t length)
{
    return faultWrite(false) ? -1 : FileAccess::ftruncate(fd, length);
}

int FaultyFileAccess::rename(const std::string &from, const std::string &to)
{
    return faultWrite(false) ? -1 : FileAccess::rename(from, to);
}

int FaultyFileAccess::unlink(const std::string &path)
{
    return faultWrite(false) ? -1 : FileAccess::unlink(path);
}

} // namespace ovix
