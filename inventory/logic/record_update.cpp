#include "inventory/logic/record_update.h"

#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/messages.h"
#include "platform/undo_journal.h"
#include "store/activity_log.h"
#include "store/indexed_record_file.h"

#include <utility>

namespace ovix {

bool runRecordUpdate(const DataDir &dir, IndexedRecordFile &file, const RecordUpdate &update,
    const std::function<bool(Messages &)> &write, Messages &messages)
{
    FileTransaction work(dir);
    const auto size = static_cast<int64_t>(file.recordSize());
    work.protectRange(file.fileName(), update.slot * size, size);
    for (const std::string &name : update.wholeFiles)
        work.protectWholeFile(name);
    if (update.withLog && !isDirectory(dir.path(kCurrentLogName)))
        work.protectLength(kCurrentLogName);
    if (!work.begin()) {
        reportProblem(messages, work.error());
        return false;
    }
    // Memory goes back with the files: the journal puts them back as they
    // were, now or, when even the undo fails, at the next transaction or start.
    IndexedRecordFile::Memory kept = file.memory();
    if (!write(messages)) {
        if (!work.rollback())
            reportProblem(messages, work.error());
        file.restoreMemory(std::move(kept));
        return false;
    }
    if (!work.commit()) {
        reportProblem(messages, work.error());
        file.restoreMemory(std::move(kept));
        return false;
    }
    return true;
}

} // namespace ovix
