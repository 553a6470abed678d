#pragma once
// Keeps one till (or one restore) at a time on a data folder.
//
// The lock is an flock on the folder itself: no lock file is left behind, and
// the kernel drops it when the holder ends, even by a crash or kill -9. The
// descriptor is closed on exec, so programs the till starts (print spooler,
// browser) never inherit it.

#include <string>

namespace ovix {

class DataFolderLock {
public:
    DataFolderLock() = default;
    // Unlocks.
    ~DataFolderLock();
    DataFolderLock(const DataFolderLock &) = delete;
    DataFolderLock &operator=(const DataFolderLock &) = delete;

    // Takes the lock without waiting. False when another process (or another
    // DataFolderLock in this one) holds it, then heldElsewhere() is true, or
    // when the folder cannot be opened (error() gives the errno). Taking it
    // again while held by this object releases the old folder first.
    bool tryLock(const std::string &folder);
    void unlock();

    bool isLocked() const { return fd_ >= 0; }
    bool heldElsewhere() const { return heldElsewhere_; }
    int error() const { return error_; }

private:
    int fd_ = -1;
    int error_ = 0;
    bool heldElsewhere_ = false;
};

} // namespace ovix
