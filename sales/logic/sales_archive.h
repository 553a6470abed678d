#pragma once
// The sales archive in the data folder: one folder per day, Y/M/D (decimal,
// no leading zeros), holding saleslog.dat and itemslog.dat, and per year the
// index Y/base.dat. Files are only ever appended to.
//
// Appending goes through SalesArchiveWriter inside a FileTransaction, so that
// a sale's index entry, record and lines reach the disk together or not at
// all. A file whose end is torn (a size that is not a whole number of
// records) with no journal left to explain it - damage, or a crash of a
// program that kept none - is cut back to its last whole record before
// anything is appended. The cut bytes are not thrown away: they go to a side
// file beside it ("saleslog.dat.cut1", or .cut2 and on when that name is
// taken; never an existing file), readable by the shop's account only. The
// journal keeps the cut bytes and the side file's absence, so undoing the
// work puts the tail back and removes the side file.
//
// The readers skip such a torn tail; they never fail on a short or damaged
// file, they only read less.

#include "sales/logic/archive_folders.h" // dayFolderName
#include "sales/logic/archive_records.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ovix {

class DataDir;
class FileTransaction;

inline constexpr const char *kArchiveMarkerName = "base.dat";
inline constexpr const char *kSalesLogName = "saleslog.dat";
inline constexpr const char *kItemsLogName = "itemslog.dat";

// Names relative to the data folder, '/' between the parts.
std::string yearIndexName(int year); // "2026/base.dat"
std::string dayFileName(int year, int month, int day, std::string_view file);

enum class ArchiveFile { YearIndex, SalesLog, ItemsLog };

// The message for a file that cannot be opened: "Unable to open invoice
// log.", "Unable to open sales log." or "Unable to open items log.".
const char *unableToOpenMessage(ArchiveFile file);
// The message for a file that opened but could not be written or cut back:
// "Unable to write to invoice log." and the like.
const char *unableToWriteMessage(ArchiveFile file);

// How a file of the archive lies before an append.
struct ArchiveFileShape {
    bool exists = false;
    int64_t size = 0;
    // The length it is cut back to before appending: the end of its last
    // whole record (for a year index also of its header).
    int64_t wholeLength = 0;
    // Year index only: no valid header yet (missing, empty or shorter than
    // 4 bytes); the header is written before the first entry.
    bool needsHeader = false;
    // Year index only: an index written without its header (its first word is
    // a transaction number, never 0); entries then start at byte 0 and are
    // appended that way, so none of them is lost or misread.
    bool headerless = false;
};

// The shape of an existing or missing archive file; nothing when it exists
// but is a folder or its size or first word cannot be read.
std::optional<ArchiveFileShape> shapeOfYearIndex(const DataDir &dir, int year);
std::optional<ArchiveFileShape> shapeOfRecordFile(const std::string &path, size_t recordSize);

// Appends one transaction to the archive of one day.
//
// Use: inspect() before FileTransaction::begin(), protect() to name the work,
// then append() after begin(). Window thread only.
class SalesArchiveWriter {
public:
    // `dir` must outlive the writer. The day is the archive folder written to.
    SalesArchiveWriter(const DataDir &dir, int year, int month, int day);

    // A torn end found by inspect(): the bytes past the last whole record of
    // `file`, cut off by append() and kept in `sideFile`. Names are relative
    // to the data folder.
    struct TornTail {
        ArchiveFile which = ArchiveFile::SalesLog;
        std::string file;
        std::string sideFile;
        std::string bytes;
    };

    // Looks at the three files as they are now, reading any torn end and
    // choosing a free side file name for it. False when one of them exists
    // but cannot be examined or its torn end read; `failed` names it.
    bool inspect(ArchiveFile &failed);
    // Names, for the journal, the torn tails that will be cut, their side
    // files and the three lengths that will grow.
    void protect(FileTransaction &work) const;
    // The torn ends inspect() found, in the order year index, sales log,
    // items log.
    const std::vector<TornTail> &tornTails() const
    {
        return tornTails_;
    }

    // Keeps each torn tail in its side file and cuts it off, writes a missing
    // year index header, then appends
    // the index entry, the record and the lines, each record one checked
    // write. Stops at the first failure with `problem` set to the message for
    // the user; what was written is left for the journal to undo. The files
    // must still be as inspect() saw them, else nothing is written.
    bool append(const YearIndexEntry &entry, const TransactionRecord &transaction,
        std::span<const SoldItemRecord> lines, std::string &problem);

    std::string yearIndex() const
    {
        return yearIndexName(year_);
    }
    std::string salesLog() const
    {
        return dayFileName(year_, month_, day_, kSalesLogName);
    }
    std::string itemsLog() const
    {
        return dayFileName(year_, month_, day_, kItemsLogName);
    }

private:
    bool appendTo(ArchiveFile file, const std::string &name, const ArchiveFileShape &shape,
        std::span<const std::string_view> records, std::string &problem);
    // Writes the torn tail of `which`, if it has one, to its side file.
    bool keepTornTail(ArchiveFile which) const;

    const DataDir &dir_;
    int year_;
    int month_;
    int day_;
    bool inspected_ = false;
    ArchiveFileShape yearIndexShape_;
    ArchiveFileShape salesShape_;
    ArchiveFileShape itemsShape_;
    std::vector<TornTail> tornTails_;
};

// Readers. A missing file reads as empty; nothing only when the file exists
// but cannot be read. A torn tail is left out.

// The entries of a year index, with or without its header.
std::optional<std::vector<YearIndexEntry>> readYearIndex(const DataDir &dir, int year);
// The TransactionRecords of a day, in completion order.
std::optional<std::vector<TransactionRecord>> readDayTransactions(
    const DataDir &dir, int year, int month, int day);
// The SoldItemRecords of a day, in the order written.
std::optional<std::vector<SoldItemRecord>> readDayLines(
    const DataDir &dir, int year, int month, int day);
// The lines of transaction `transactionNumber` among a day's lines, in order.
std::vector<SoldItemRecord> linesOfTransaction(
    std::span<const SoldItemRecord> lines, int64_t transactionNumber);

} // namespace ovix
