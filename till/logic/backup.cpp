#include "till/logic/backup.h"

#include "platform/c_format.h"
#include "platform/clock.h"
#include "platform/cp1252.h"
#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/messages.h"
#include "store/activity_log.h"
#include "store/shop.h"
#include "store/till_config.h"
#include "store/till_config_file.h"
#include "till/logic/master_files.h"

#include <climits>
#include <cstdlib>
#include <vector>

namespace ovix {

namespace {

constexpr size_t kLongestKeptFolder = 99;
constexpr const char *kTemporarySuffix = ".backup~";

std::string absoluteFolder(const std::string &folder)
{
    char resolved[PATH_MAX];
    return ::realpath(folder.c_str(), resolved) ? std::string(resolved) : folder;
}

// A folder typed without a leading "/" is taken from the data folder, where
// the till works.
std::string folderFromAnswer(const Shop &shop, const std::string &answer)
{
    std::string folder = answer;
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    if (!folder.empty() && folder.front() != '/')
        folder = shop.dir.root() + "/" + folder;
    return folder;
}

} // namespace

std::string defaultBackupFolder(const Shop &shop)
{
    std::string data = absoluteFolder(shop.dir.root());
    if (data == "/")
        return "/backup";
    return data + "-backup";
}

std::optional<std::string> askBackupFolder(Shop &shop, const LocalTime &now, Messages &messages)
{
    const int32_t stamp[5] = {now.minute, now.hour, now.day, now.month, now.year};
    for (size_t i = 0; i < 5; ++i)
        shop.config.set(cfg::lastBackup, i, stamp[i]);
    if (!storeTillConfig(shop.dir, shop.config, messages, TillConfigStoreMoment::BeforeBackup))
        return std::nullopt;
    if (!isDirectory(shop.dir.root())) {
        reportProblem(messages, "Unable to locate directory.");
        return std::nullopt;
    }

    const std::string kept = shop.config.text(cfg::backupFolder);
    const std::string offered = kept.empty() ? defaultBackupFolder(shop) : toUtf8(kept);
    const std::optional<std::string> answer
        = messages.askText("Backup: enter the directory", "File backup", offered);
    if (!answer || answer->empty())
        return std::nullopt;
    // Kept only when the configuration can hold it as typed.
    const std::string stored = fromUtf8(*answer);
    if (stored.size() <= kLongestKeptFolder && toUtf8(stored) == *answer)
        shop.config.setText(cfg::backupFolder, stored);
    return folderFromAnswer(shop, *answer);
}

bool backupToFolder(Shop &shop, const std::string &folder, const LocalTime &now,
                    Messages &messages)
{
    const std::string logLine = cformat("\r\n%d:%d %d/%d/%d  File backup\r\n", now.hour,
                                        now.minute, now.day, now.month, now.year);
    if (isSameFolder(folder, shop.dir.root())) {
        reportProblem(messages, "The backup folder cannot be the shop's own data folder.");
        return false;
    }
    if (!appendToLog(shop.dir, logLine))
        reportProblem(messages, "Data file: bun4.dat.");

    if (!isDirectory(folder) && !makeFolders(folder)) {
        reportProblem(messages, "Unable to create folder.");
        return false;
    }

    // Everything is copied beside the previous backup before any of it is replaced.
    const DataDir target(folder);
    std::vector<TemporaryCopy> copies;
    for (int i = 0; i < kMasterFileCount; ++i) {
        const std::string source = shop.dir.path(kMasterFiles[i]);
        const std::string final = target.path(kMasterFiles[i]);
        if (i >= kRequiredMasterFiles && !fileExists(source)) {
            // The backup holds no older copy of a file the shop no longer has.
            if (fileExists(final))
                copies.push_back({kMasterFiles[i], std::string()});
            continue;
        }
        TemporaryCopy copy {kMasterFiles[i], final + kTemporarySuffix};
        std::string error;
        if (!copyToTemporary(source, copy.temporary, error)) {
            reportProblem(messages, "Unable to open file");
            removeCopies(copies);
            return false;
        }
        copies.push_back(std::move(copy));
    }
    std::string error;
    if (!swapInCopies(target, copies, error)) {
        reportProblem(messages, "Unable to open file");
        removeCopies(copies);
        return false;
    }
    reportInfo(messages, "Complete", "File backup");
    return true;
}

} // namespace ovix
