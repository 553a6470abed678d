#include "till/logic/master_files.h"

#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/file_access.h"
#include "platform/undo_journal.h"

#include <cerrno>

#include <sys/stat.h>

namespace ovix {

bool isSameFolder(const std::string &first, const std::string &second)
{
    struct stat a {};
    struct stat b {};
    return ::stat(first.c_str(), &a) == 0 && ::stat(second.c_str(), &b) == 0
        && S_ISDIR(a.st_mode) && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool copyToTemporary(const std::string &from, const std::string &temporary, std::string &error)
{
    removeTemporary(temporary);
    if (copyToNewFile(from, temporary, nullptr, &error))
        return true;
    // A copy whose folder could not be synced is still there.
    removeTemporary(temporary);
    return false;
}

void removeTemporary(const std::string &temporary)
{
    struct stat st {};
    if (::lstat(temporary.c_str(), &st) == 0)
        fileAccess().unlink(temporary);
}

void removeCopies(const std::vector<TemporaryCopy> &copies)
{
    for (const TemporaryCopy &copy : copies)
        if (!copy.temporary.empty())
            removeTemporary(copy.temporary);
}

bool swapInCopies(const DataDir &dir, const std::vector<TemporaryCopy> &copies,
                  std::string &error)
{
    FileTransaction work(dir);
    for (const TemporaryCopy &copy : copies)
        work.protectWholeFile(copy.name);
    if (!work.begin()) {
        error = work.error();
        return false;
    }
    for (const TemporaryCopy &copy : copies) {
        const std::string path = dir.path(copy.name);
        const bool done = copy.temporary.empty()
            ? fileAccess().unlink(path) == 0 || errno == ENOENT
            : fileAccess().rename(copy.temporary, path) == 0;
        if (!done) {
            error = "Unable to replace " + path;
            work.rollback();
            return false;
        }
    }
    if (!syncDirectory(dir.root())) {
        error = "Unable to sync the folder " + dir.root();
        work.rollback();
        return false;
    }
    if (!work.commit()) {
        error = work.error();
        return false;
    }
    return true;
}

} // namespace ovix
