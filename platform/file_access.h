#pragma once
// The one door through which the data layer touches the disk.
//
// Every open, read, write, sync, rename and removal of a data file goes through
// fileAccess(). Tests install a FaultyFileAccess to make the N-th write or sync
// fail (as a full disk or a dying drive would) or to end the process right there
// (as a power cut would), so that every writer can be checked write by write.

#include <sys/types.h>

#include <cerrno>

#include <cstdint>
#include <string>

namespace ovix {

class FileAccess {
public:
    virtual ~FileAccess() = default;

    // Thin wrappers over the POSIX calls of the same names: same arguments,
    // same results, errno set on failure.
    virtual int open(const std::string &path, int flags, mode_t mode);
    virtual int close(int fd);
    virtual ssize_t pread(int fd, void *buffer, size_t size, off_t offset);
    virtual ssize_t pwrite(int fd, const void *buffer, size_t size, off_t offset);
    virtual ssize_t write(int fd, const void *buffer, size_t size);
    virtual int fsync(int fd);
    virtual int ftruncate(int fd, off_t length);
    virtual int rename(const std::string &from, const std::string &to);
    virtual int unlink(const std::string &path);
};

// The access in force; a plain POSIX one unless a test installed another.
FileAccess &fileAccess();

// Installs `access` (not owned) for all later file operations; nullptr puts the
// plain one back.
void setFileAccess(FileAccess *access);

// Counts writes (pwrite, write, ftruncate, rename, unlink) and syncs, and at a
// chosen one either fails it (EIO unless told otherwise) or ends the process
// at once with _exit(kCrashExitCode), before the operation reaches the disk.
class FaultyFileAccess : public FileAccess {
public:
    // Fail: that one call fails. FailOnward: it fails and so does every later
    // write of data (and every later sync, for a sync), as on a disk that
    // stays full. Crash: the process ends.
    enum class Mode { Fail, Crash, FailOnward };
    static constexpr int kCrashExitCode = 77;

    // Fault the `n`-th (1-based) mutating call; 0 = never.
    void faultWriteNumber(int n, Mode mode);
    // Fault the `n`-th (1-based) fsync; 0 = never.
    void faultSyncNumber(int n, Mode mode);

    // The error a failing call reports: EIO, or ENOSPC for a full disk.
    void setFailureError(int error) { failureError_ = error; }

    int writes() const { return writes_; }
    int syncs() const { return syncs_; }

    ssize_t pwrite(int fd, const void *buffer, size_t size, off_t offset) override;
    ssize_t write(int fd, const void *buffer, size_t size) override;
    int fsync(int fd) override;
    int ftruncate(int fd, off_t length) override;
    int rename(const std::string &from, const std::string &to) override;
    int unlink(const std::string &path) override;

private:
    bool faultWrite(bool addsData);
    bool faultSync();

    int writes_ = 0;
    int syncs_ = 0;
    int writeFault_ = 0;
    int syncFault_ = 0;
    Mode writeMode_ = Mode::Fail;
    Mode syncMode_ = Mode::Fail;
    int failureError_ = EIO;
};

} // namespace ovix
