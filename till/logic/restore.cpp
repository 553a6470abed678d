#include "till/logic/restore.h"

#include "platform/c_format.h"
#include "platform/clock.h"
#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/file_access.h"
#include "platform/messages.h"
#include "platform/undo_journal.h"
#include "sales/logic/history_purge.h"
#include "sales/logic/till_state.h"
#include "store/customer_record.h"
#include "store/item_record.h"
#include "store/supplier_record.h"
#include "store/till_config.h"
#include "till/logic/master_files.h"

#include <strings.h>

#include <cstdint>
#include <string_view>
#include <vector>

namespace ovix {

const char *const kRestoreNoticeText
    = "Please click OK then select the WR.CFG file in the backup folder or click Cancel\n\n"
      "The backup folder must hold wr.cfg, film.dat, member.dat and mans.dat; resn.dat and "
      "bun4.dat are used when present.\n\n"
      "The previous transaction history will no longer be available.";

namespace {

constexpr const char *kTemporarySuffix = ".restore~";

// The record size of a required file (0: any size will do), as the start-up checks it.
int64_t recordSizeOf(int index)
{
    switch (index) {
    case 1: return static_cast<int64_t>(kItemRecordSize);
    case 2: return static_cast<int64_t>(kCustomerRecordSize);
    case 3: return static_cast<int64_t>(kSupplierRecordSize);
    default: return 0;
    }
}

bool requiredFilesUsable(const DataDir &source, Messages &messages)
{
    for (int i = 0; i < kRequiredMasterFiles; ++i) {
        const std::string path = source.path(kMasterFiles[i]);
        File file = File::open(path, File::Mode::Read);
        const int64_t size = file.isOpen() ? file.size() : -1;
        if (size < 0) {
            messages.show(path, "File not present.", MessageKind::Error);
            return false;
        }
        if (size == 0) {
            messages.confirm(path, "File has no content", MessageKind::Warning);
            return false;
        }
        const int64_t recordSize = recordSizeOf(i);
        const bool placeholder = i == 3 && size == kSupplierPlaceholderSize;
        if (recordSize > 0 && !placeholder && size % recordSize != 0) {
            messages.show(path, "File is damaged", MessageKind::Error);
            return false;
        }
    }
    return true;
}

// The restored shop starts its transactions again from 1, as its history is gone.
bool resetTransactionNumber(const std::string &configCopy)
{
    File file = File::open(configCopy, File::Mode::ReadWrite);
    const int64_t size = file.isOpen() ? file.size() : -1;
    const auto at = static_cast<int64_t>(cfg::nextTransactionNumber.offset);
    if (size < at + 4)
        return size >= 0;
    const unsigned char one[4] = {1, 0, 0, 0};
    return file.writeAt(at, one, sizeof one) && file.sync() && file.close();
}

// The mark of the purge to come, as a temporary file swapped in with the
// restored files.
bool writePurgeMark(const std::string &temporary, std::string &error)
{
    removeTemporary(temporary);
    static constexpr std::string_view kText = "The sales history is cleared after a restore.\r\n";
    File file = createFreshFile(temporary, kOwnerOnlyFileMode);
    if (file.isOpen() && file.writeAt(0, kText.data(), kText.size()) && file.sync() && file.close()
        && syncDirectory(parentDirectory(temporary)))
        return true;
    removeTemporary(temporary);
    error = "Unable to write " + temporary;
    return false;
}

} // namespace

std::optional<std::string> backupFolderOfChoice(const std::string &chosenPath, Messages &messages)
{
    const size_t slash = chosenPath.find_last_of('/');
    const std::string name = slash == std::string::npos ? chosenPath : chosenPath.substr(slash + 1);
    if (strcasecmp(name.c_str(), "wr.cfg") != 0) {
        reportFatal(messages, "File not present.");
        return std::nullopt;
    }
    return parentDirectory(chosenPath);
}

RestoreResult restoreFromFolder(TillState &state, const std::string &folder, Messages &messages)
{
    const DataDir &dir = state.dir;
    if (isSameFolder(folder, dir.root())) {
        reportProblem(messages, "The backup folder is the shop's own data folder.");
        return RestoreResult::Refused;
    }
    const DataDir source(folder);
    // A backup cut short by a crash is put back to the one before it first.
    const RecoveryResult recovered = recoverInterruptedWork(source);
    if (!recovered.ok) {
        reportProblem(messages, recovered.error + "\nNothing has been restored.");
        return RestoreResult::Refused;
    }
    if (!requiredFilesUsable(source, messages))
        return RestoreResult::Refused;

    std::vector<TemporaryCopy> copies;
    for (int i = 0; i < kMasterFileCount; ++i) {
        const std::string from = source.path(kMasterFiles[i]);
        if (i >= kRequiredMasterFiles && !fileExists(from))
            continue;
        TemporaryCopy copy {kMasterFiles[i], dir.path(kMasterFiles[i]) + kTemporarySuffix};
        std::string error;
        bool copied = copyToTemporary(from, copy.temporary, error);
        if (copied && i == 0 && !resetTransactionNumber(copy.temporary)) {
            error = "Unable to write " + copy.temporary;
            copied = false;
        }
        if (!copied) {
            removeTemporary(copy.temporary);
            removeCopies(copies);
            reportProblem(messages, error + "\nNothing has been restored.");
            return RestoreResult::Failed;
        }
        copies.push_back(std::move(copy));
    }

    std::string error;
    TemporaryCopy mark {kHistoryPurgeMark, dir.path(kHistoryPurgeMark) + kTemporarySuffix};
    if (!writePurgeMark(mark.temporary, error)) {
        removeCopies(copies);
        reportProblem(messages, error + "\nNothing has been restored.");
        return RestoreResult::Failed;
    }
    copies.push_back(std::move(mark));
    if (!swapInCopies(dir, copies, error)) {
        removeCopies(copies);
        reportProblem(messages, error + "\nNothing has been restored.");
        return RestoreResult::Failed;
    }

    // The history of the replaced files goes now (or, after a crash, at the
    // next start: the mark came in with the files); the till must not store
    // anything of theirs either.
    state.dataReplaced = true;
    finishPendingPurge(dir, localNow().year, messages);
    state.config.set(cfg::nextTransactionNumber, 1);
    reportInfo(messages, "OVIX will now close down", "Restore complete");
    return RestoreResult::Restored;
}

} // namespace ovix
