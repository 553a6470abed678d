#include "platform/data_lock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace ovix {

DataFolderLock::~DataFolderLock()
{
    unlock();
}

bool DataFolderLock::tryLock(const std::string &folder)
{
    unlock();
    error_ = 0;
    heldElsewhere_ = false;
    int fd = -1;
    do {
        fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        error_ = errno;
        return false;
    }
    int result = -1;
    do {
        result = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        error_ = errno;
        heldElsewhere_ = errno == EWOULDBLOCK;
        ::close(fd);
        return false;
    }
    fd_ = fd;
    return true;
}

void DataFolderLock::unlock()
{
    if (fd_ < 0)
        return;
    // Closing releases the lock; an explicit LOCK_UN would also take it from
    // a forked child still sharing the descriptor.
    ::close(fd_);
    fd_ = -1;
}

} // namespace ovix
