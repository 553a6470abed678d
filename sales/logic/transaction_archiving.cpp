#include "sales/logic/transaction_archiving.h"

#include "platform/c_format.h"
#include "platform/file.h"
#include "platform/scripted_messages.h"
#include "store/time_stamp.h"
#include "sales/logic/archive_folders.h"
#include "sales/logic/till_state.h"
#include "sales/logic/transaction_numbers.h"

#include <climits>

namespace ovix {

namespace {

constexpr const char *kMidnightWarning = "Otherwise transactions will not archive correctly";
constexpr const char *kMidnightCaption
    = "IMPORTANT - DO NOT run the program over the midnight boundary";

} // namespace

TransactionArchiving::TransactionArchiving(
    TillState &state, const LocalTime &now, std::string notRecorded)
    : state_(state), now_(now), update_(state.dir, std::move(notRecorded)),
      archive_(state.dir, now.year, now.month, now.day)
{
}

bool TransactionArchiving::begin(Messages &messages)
{
    const DataDir &dir = state_.dir;
    // After midnight without a restart the new day has no folder yet.
    if (!fileExists(dir.path(yearIndexName(now_.year)))
        || !isDirectory(dir.path(dayFolderName(now_.year, now_.month, now_.day)))) {
        ensureArchiveFolders(dir, now_, messages);
        reportProblem(messages, kMidnightWarning, kMidnightCaption);
    }
    if (!update_.readyArchive(archive_, messages))
        return false;

    // The number wr.cfg offers, unless the archive already holds it.
    offered_ = state_.config.get(cfg::nextTransactionNumber);
    const std::optional<int32_t> number = state_.archivedNumbers.firstFree(dir, now_, offered_);
    if (!number) {
        const ArchiveFile unread
            = readYearIndex(dir, now_.year) ? ArchiveFile::SalesLog : ArchiveFile::YearIndex;
        update_.refuse(messages, unableToOpenMessage(unread), MessageKind::Warning);
        return false;
    }
    number_ = *number;

    for (const SalesArchiveWriter::TornTail &tail : archive_.tornTails()) {
        holdBack(cformat("%s ended in %zu bytes that are no whole record. They were cut off "
                         "and kept in %s.",
                     tail.file.c_str(), tail.bytes.size(), tail.sideFile.c_str()),
            "Problem", MessageKind::Warning);
        notes_ += "\r\n" + logTimePrefix(makeTimeStamp(now_))
            + cformat("  Damaged end of %s: %zu bytes cut off and kept in %s.\r\n",
                tail.file.c_str(), tail.bytes.size(), tail.sideFile.c_str());
    }
    if (number_ != offered_)
        notes_ += numberMovedOnLogText(now_, offered_, state_.archivedNumbers.highest(), number_);
    return true;
}

void TransactionArchiving::holdBack(std::string text, std::string caption, MessageKind kind)
{
    for (const Notice &notice : notices_) {
        if (notice.text == text && notice.caption == caption)
            return;
    }
    notices_.push_back({ std::move(text), std::move(caption), kind });
}

void TransactionArchiving::holdBackAll(const ScriptedMessages &collected)
{
    for (const ScriptedMessages::Shown &shown : collected.shown)
        holdBack(shown.text, shown.caption, shown.kind);
}

bool TransactionArchiving::finish(const TillConfig &updated, Messages &messages)
{
    if (!update_.run(messages))
        return false;
    if (!update_.logWritten())
        holdBack("Data file: bun4.dat, not present.", "Fatal error", MessageKind::Error);
    state_.config = updated;
    state_.archivedNumbers.noteArchived(state_.dir, now_, number_);
    return true;
}

void TransactionArchiving::tellHeldBack(Messages &messages) const
{
    for (const Notice &notice : notices_) {
        if (notice.kind == MessageKind::Error)
            reportFatal(messages, notice.text, notice.caption);
        else
            reportProblem(messages, notice.text, notice.caption);
    }
}

void advanceTransactionNumber(TillConfig &config)
{
    const int32_t next = config.get(cfg::nextTransactionNumber);
    config.set(cfg::nextTransactionNumber, next < INT32_MAX ? next + 1 : 1);
}

} // namespace ovix
