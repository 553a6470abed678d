#include "store/activity_log.h"

#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/file_access.h"

#include <cerrno>

namespace ovix {

bool appendToLog(const DataDir &dir, std::string_view text, bool *tornBlockLeft)
{
    if (tornBlockLeft)
        *tornBlockLeft = false;
    File log = File::open(dir.path(kCurrentLogName), File::Mode::Append);
    if (!log.isOpen())
        return false;
    // Without the old length a torn block could not be cut off again.
    const int64_t before = log.size();
    if (before < 0)
        return false;
    if (log.append(text.data(), text.size()))
        return log.close();
    if (!log.truncate(before) && tornBlockLeft)
        *tornBlockLeft = true;
    return false;
}

int64_t logCapacityBytes(int capacityIndex)
{
    if (capacityIndex < 0 || capacityIndex > 8)
        capacityIndex = 0;
    return 100000 + 50000 * static_cast<int64_t>(capacityIndex);
}

RollOverResult rollOverLog(const DataDir &dir, int capacityIndex)
{
    const std::string current = dir.path(kCurrentLogName);
    File log = File::open(current, File::Mode::ReadWriteCreate);
    if (!log.isOpen())
        return RollOverResult::Failed;
    int64_t size = log.size();
    log.close();
    if (size < 0)
        return RollOverResult::Failed;
    if (size <= logCapacityBytes(capacityIndex))
        return RollOverResult::Kept;
    // rename() replaces an existing bun2.dat in one step, so the previous log
    // is never lost before the current one has taken its place.
    const std::string previous = dir.path(kPreviousLogName);
    if (fileAccess().rename(current, previous) != 0)
        return RollOverResult::Failed;
    syncDirectory(dir.root());
    return RollOverResult::RolledOver;
}

bool purgeLogs(const DataDir &dir)
{
    bool ok = true;
    for (const char *name : {kPreviousLogName, kCurrentLogName}) {
        const std::string path = dir.path(name);
        if (fileAccess().unlink(path) != 0 && errno != ENOENT)
            ok = false;
    }
    return ok;
}

} // namespace ovix
