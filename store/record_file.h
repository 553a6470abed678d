#pragma once
// A record file of the data folder with its in-memory index, typed by its
// record: RecordFile<ItemRecord> is film.dat, RecordFile<CustomerRecord>
// member.dat, RecordFile<SupplierRecord> mans.dat (store/record_kinds.h gives
// them their usual names). What sets one file apart from the others is data of
// its RecordKind: the layout (file name, record size, key and look-up fields,
// number range, start-up messages) and, where a kind has them, the delete
// question's caption and the lines a removal writes to the activity log.
//
// The file rules, the index and the failure messages are those of
// IndexedRecordFile, which does the work on bytes; this class only gives it
// the record type, so that no caller passes a wrong buffer or size.

#include "store/indexed_record_file.h"
#include "store/record_scan.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ovix {

class Messages;

// Specialised for each record type kept in a RecordFile. Every kind has
//     static constexpr RecordFileLayout kLayout;
// and may have
//     static std::string deleteCaption(int64_t number, const Record &record);
//         the caption of the "Are you sure?" question of confirmAndDelete()
//     static std::string removalLogLine(const Record &removed);
//         an activity log line written whenever a record is removed
//     static std::string deletionLogLine(int64_t number, const Record &record);
//         an activity log line written after confirmAndDelete() only
template <typename Record> struct RecordKind;

// A kind whose records are deleted after the "Are you sure?" question.
template <typename Kind, typename Record>
concept AsksBeforeDeleting = requires(int64_t number, const Record &record) {
    Kind::deleteCaption(number, record);
};

template <typename Record> class RecordFile : public IndexedRecordFile {
    using Kind = RecordKind<Record>;
    static_assert(sizeof(Record) == Kind::kLayout.recordSize);

public:
    // `dir` must outlive the file.
    explicit RecordFile(const DataDir &dir)
        : IndexedRecordFile(dir, Kind::kLayout)
    {
    }

    // Reads slot `slot`. "Data file: <file>, not present." (caption "Fatal
    // error") when the file is missing, "Not able to read <file>" (caption
    // "Problem") when the slot is out of range or cannot be read.
    bool readRecord(int64_t slot, Record &record, Messages &messages) const
    {
        return readBytes(slot, &record, messages);
    }
    // Rewrites the record in its slot ("Not able to write to <file>" on
    // failure; "Invalid number." when the record's number is not the one the
    // index holds for the slot). The key and look-up follow the new record.
    bool writeRecord(int64_t slot, const Record &record, Messages &messages)
    {
        return writeBytes(slot, &record, messages);
    }
    // Adds a new record: "Number outside range." for numbers outside
    // 1..kLayout.maxNumber, "Number in use." for a number on file (caption
    // "Problem"); the lowest free slot in index order is reused, else the
    // record is appended. Returns the slot used.
    std::optional<int64_t> insert(const Record &record, Messages &messages)
    {
        return insertBytes(&record, messages);
    }
    // Frees the record at index `position` with no question asked. Kinds with
    // a removalLogLine write it to the activity log ("Data file: bun4.dat,
    // not present.", caption "Fatal error", when the log cannot be written;
    // the record stays removed).
    bool remove(size_t position, Messages &messages)
    {
        if constexpr (requires(const Record &removed) { Kind::removalLogLine(removed); }) {
            Record removed {};
            if (!removeAt(position, &removed, messages))
                return false;
            appendRemovalToLog(Kind::removalLogLine(removed), messages);
            return true;
        } else {
            return removeAt(position, nullptr, messages);
        }
    }
    // Asks "Are you sure?" under the kind's deleteCaption and, on OK, removes
    // the record `number` (remove()) and writes the kind's deletionLogLine.
    // "Invalid number." when it is not on file; false when it is not on
    // file, cannot be read, the user cancels or the removal fails.
    bool confirmAndDelete(int64_t number, Messages &messages)
        requires AsksBeforeDeleting<Kind, Record>
    {
        Record record;
        if (!readNumbered(number, &record, messages))
            return false;
        if (!confirmDelete(Kind::deleteCaption(number, record), messages))
            return false;
        if (!remove(find(number), messages))
            return false;
        if constexpr (requires { Kind::deletionLogLine(number, record); })
            appendRemovalToLog(Kind::deletionLogLine(number, record), messages);
        return true;
    }

    // The slot the barcode look-up finds for `text`: the first slot, in slot
    // order, of a live record with a key whose look-up field (SKU 1 of an
    // item) equals `text` exactly. Reads nothing from disk.
    std::optional<int64_t> findBySku1(std::string_view text) const
        requires(Kind::kLayout.lookupOffset >= 0)
    {
        return lookupSlot(text);
    }

    // Reads the file in large blocks and calls `visit(int64_t slot, const
    // Record &record)` for each record of the slots the index knows (a record
    // appended behind the index's back is not read), in slot order; see
    // store/record_scan.h. With ScanSlots::Live a record counts as live by the
    // number on disk, which a caller that trusts the index compares with it.
    template <typename Visit>
    ScanResult forEachRecord(Visit &&visit, ScanSlots slots = ScanSlots::Live,
        ScanFailure onFailure = ScanFailure::Stop) const
    {
        return ovix::forEachRecord<Record>(
            filePath(), ScanOptions { slots, onFailure, slotCount() }, visit);
    }
};

} // namespace ovix
