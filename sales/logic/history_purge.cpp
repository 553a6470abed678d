#include "sales/logic/history_purge.h"

#include "platform/c_format.h"
#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/file_access.h"
#include "platform/messages.h"
#include "sales/logic/archive_folders.h"

#include <cerrno>
#include <string>

#include <unistd.h>

namespace ovix {

namespace {

constexpr int kFirstArchiveYear = 2000;
constexpr const char *kDayFiles[] = {
    "base.dat", "saleslog.dat", "itemslog.dat", "thedaily.dat", "ininvent.dat",
};

// Deletes one archive file; a file that is not there is no failure.
void removeFile(const DataDir &dir, const std::string &name)
{
    const std::string path = dir.path(name);
    if (fileExists(path))
        fileAccess().unlink(path);
}

// Removes a folder when it is there and empty; true when it is gone.
bool removeFolder(const DataDir &dir, const std::string &name)
{
    const std::string path = dir.path(name);
    if (!isDirectory(path))
        return true;
    return ::rmdir(path.c_str()) == 0 || errno == ENOENT;
}

// True when the year folder is gone at the end.
bool removeYear(const DataDir &dir, int year)
{
    const std::string yearName = std::to_string(year);
    removeFile(dir, yearName + "/base.dat");
    for (int month = 1; month <= 12; ++month) {
        const std::string monthName = yearName + "/" + std::to_string(month);
        if (!isDirectory(dir.path(monthName)))
            continue;
        for (int day = 1; day <= 31; ++day) {
            const std::string dayName = dayFolderName(year, month, day);
            if (!isDirectory(dir.path(dayName)))
                continue;
            for (const char *file : kDayFiles)
                removeFile(dir, dayName + "/" + file);
            removeFolder(dir, dayName);
        }
        removeFile(dir, monthName + "/base.dat");
        removeFolder(dir, monthName);
    }
    return removeFolder(dir, yearName);
}

} // namespace

bool purgeSalesHistory(const DataDir &dir, int year, Messages &messages)
{
    bool allGone = true;
    for (int y = year; y >= kFirstArchiveYear; --y) {
        // This year is always cleared; an earlier one only while its index is there.
        if (y != year && !File::open(dir.path(std::to_string(y) + "/base.dat"), File::Mode::Read).isOpen())
            break;
        if (!removeYear(dir, y)) {
            reportProblem(messages, cformat("Please manually delete the %d folder", y),
                          "Unable to complete purge, access denied");
            allGone = false;
        }
    }
    return allGone;
}

bool finishPendingPurge(const DataDir &dir, int year, Messages &messages)
{
    const std::string mark = dir.path(kHistoryPurgeMark);
    if (!fileExists(mark))
        return true;
    if (!purgeSalesHistory(dir, year, messages))
        return false;
    return fileAccess().unlink(mark) == 0 && syncDirectory(dir.root());
}

} // namespace ovix
