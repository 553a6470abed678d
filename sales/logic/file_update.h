#pragma once
// One all-or-nothing change of the shop's files: wr.cfg replaced, one
// transaction appended to the day archive, entries appended to other files
// (a day's ininvent.dat), records rewritten in place in film.dat, member.dat
// or mans.dat, and a block appended to the activity log. A sale, a refund, an
// account payment and a stock receipt each make one.
//
// Usage:
//     FileUpdate update(dir, "The sale was not recorded ...");
//     SalesArchiveWriter archive(dir, year, month, day);
//     if (!update.readyArchive(archive, messages)) return;      // told
//     ... work out the records; a refusal now: update.refuse(messages, ...)
//     update.replaceTillConfig(updated);
//     update.appendToArchive(archive, entry, transaction, lines);
//     update.appendToFile(name, bytes, "Unable to open incoming log.");
//     update.rewriteRecord(state.items, slot, item);
//     update.rewriteRecord(state.customers, slot, customer);
//     update.appendLogBlock(text);
//     if (!update.run(messages)) return;                         // told, undone
//     if (!update.logWritten()) ... tell "Data file: bun4.dat, not present."
//
// run() protects every byte and length it is about to change in one
// FileTransaction (undo_journal.h), writes in this order - wr.cfg first, then
// the archive (index entry, record, lines: a record is never without its
// lines), then the other appended files, then the records, each in the order
// named, and last the log - and commits. wr.cfg goes first, synced by its
// atomic replace, so that even without the journal a crash could only skip a
// transaction number, never hand out one already archived. Until the commit
// deletes the journal nothing is real: a failure undoes every write at once,
// a crash is undone at the next start.
//
// Only the log may fail on its own: a bun4.dat that cannot be opened or
// written is left as it was and the rest of the update stands (logWritten()
// is then false and the caller tells the clerk once the work is done).
//
// A failure is told as the clerk must read it: first what failed, naming the
// file ("Unable to open sales log.", "Data file: wr.cfg, not present.",
// "Not able to write to film.dat", ...), then the caller's own words that the
// work was not recorded, then, if undoing it failed too, why; the files are
// then as they were, or as the next start's recovery makes them. Window thread
// only.

#include "platform/messages.h"
#include "sales/logic/archive_records.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace ovix {

class DataDir;
class SalesArchiveWriter;
class TillConfig;

class FileUpdate {
public:
    // `dir` must outlive the update. `notRecorded` is told after every
    // failure: that the work was not recorded and what the clerk can do.
    FileUpdate(const DataDir &dir, std::string notRecorded);

    // Before anything is worked out from the archive: undoes work of this run
    // left half done (its undoing failed before), then lets `archive` look at
    // its files as they are now (SalesArchiveWriter::inspect). False, told,
    // when either fails; nothing has been written then.
    bool readyArchive(SalesArchiveWriter &archive, Messages &messages);

    // Tells a refusal found before anything was written: `problem` (as an
    // error when `kind` is Error, nothing when empty), then the not-recorded
    // words.
    void refuse(Messages &messages, const std::string &problem, MessageKind kind) const;

    // What the update will write. Everything named must outlive run().
    // The whole configuration block, replacing wr.cfg.
    void replaceTillConfig(const TillConfig &config);
    // One transaction and its lines (none for an account payment) through an
    // archive readied by readyArchive().
    void appendToArchive(SalesArchiveWriter &archive, const YearIndexEntry &entry,
        const TransactionRecord &transaction, std::span<const SoldItemRecord> lines);
    // `bytes` appended as they stand to `fileName` (relative to the data
    // folder, '/' between the parts), which is created when missing; its
    // folder must exist. `problem` is what the clerk is told when the file
    // cannot be opened or written.
    void appendToFile(std::string fileName, std::string bytes, std::string problem);
    // `record` written back at `slot` of `file`: a record file of the shop
    // (ItemIndex, CustomerIndex, SupplierIndex) whose writeRecord() keeps its
    // index in step. The record is copied. Undoing puts the bytes back but
    // not the key table and look-up in memory: a caller that changes a
    // description, name or SKU 1 reloads that file after a failed run().
    template <class RecordFile, class Record>
    void rewriteRecord(RecordFile &file, int64_t slot, const Record &record)
    {
        static_assert(sizeof(Record) > 0); // NOLINT(bugprone-sizeof-expression): complete type
        rewrites_.push_back({ file.fileName(), slot, static_cast<int64_t>(file.recordSize()),
            [&file, slot, record](
                Messages &messages) { return file.writeRecord(slot, record, messages); } });
    }
    // Text appended to bun4.dat as it stands (CR LF line ends).
    void appendLogBlock(std::string text);

    // Protects, writes and commits all of the above. True when it is all on
    // the disk; false, told and undone otherwise.
    bool run(Messages &messages);

    // After a successful run(): false when a log block was named but bun4.dat
    // could not take it (then it is as it was).
    bool logWritten() const
    {
        return logWritten_;
    }

private:
    struct Append {
        std::string fileName;
        std::string bytes;
        std::string problem;
    };
    struct Rewrite {
        std::string fileName;
        int64_t slot = 0;
        int64_t recordSize = 0;
        std::function<bool(Messages &)> write;
    };

    const DataDir &dir_;
    std::string notRecorded_;
    const TillConfig *config_ = nullptr;
    SalesArchiveWriter *archive_ = nullptr;
    YearIndexEntry entry_ {};
    const TransactionRecord *transaction_ = nullptr;
    std::span<const SoldItemRecord> lines_;
    std::vector<Append> appends_;
    std::vector<Rewrite> rewrites_;
    bool hasLogBlock_ = false;
    std::string logBlock_;
    bool logWritten_ = true;
};

} // namespace ovix
