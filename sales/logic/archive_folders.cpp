#include "sales/logic/archive_folders.h"

#include "platform/c_format.h"
#include "platform/clock.h"
#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/messages.h"

#include <sys/stat.h>

#include <cerrno>

namespace ovix {

namespace {

bool makeFolder(const std::string &path)
{
    if (::mkdir(path.c_str(), kOwnerOnlyFolderMode) == 0) {
        syncDirectory(parentDirectory(path));
        return true;
    }
    return errno == EEXIST && isDirectory(path);
}

struct Level {
    std::string folder;    // relative to the data folder
    std::string baseBytes; // what a new base.dat holds
    const char *folderFailure;
    const char *baseFailure;
    bool stopOnBaseFailure;
};

bool ensureFolders(const DataDir &dir, const LocalTime &now, Messages *messages)
{
    const std::string year = cformat("%d", now.year);
    const std::string month = year + cformat("/%d", now.month);
    const std::string day = dayFolderName(now.year, now.month, now.day);
    const std::string marker = cformat("%02d:%02d", now.hour, now.minute);
    const Level levels[] = {
        {year, std::string(4, '\0'), "Unable to create year log directory",
         "Unable to open base.dat in year log.", false},
        {month, marker, "Unable to create month log directory",
         "Unable to open base.dat in month log.", false},
        {day, marker, "Unable to create day log directory", "Unable to open base.dat in day log.",
         true},
    };
    for (const Level &level : levels) {
        if (fileExists(dir.path(level.folder + "/base.dat")))
            continue;
        if (!makeFolder(dir.path(level.folder))) {
            if (messages)
                reportFatal(*messages, level.folderFailure);
            return false;
        }
        if (!replaceFileAtomically(dir.path(level.folder + "/base.dat"), level.baseBytes)) {
            if (messages)
                reportProblem(*messages, level.baseFailure);
            if (level.stopOnBaseFailure)
                return false;
        }
    }
    return true;
}

} // namespace

std::string dayFolderName(int year, int month, int day)
{
    return cformat("%d/%d/%d", year, month, day);
}

bool ensureArchiveFolders(const DataDir &dir, const LocalTime &now, Messages &messages)
{
    return ensureFolders(dir, now, &messages);
}

bool ensureArchiveFolders(const DataDir &dir, const LocalTime &now)
{
    return ensureFolders(dir, now, nullptr);
}

} // namespace ovix
