#pragma once
// The untyped part of every RecordFile (store/record_file.h): a record file of
// the data folder (film.dat, member.dat, mans.dat) together with its in-memory
// index, the two-byte key table (the first two characters of the description
// or name, per slot) and, for the item file, the map from SKU 1 text to slots
// used by the barcode look-up. Callers use RecordFile<Record>, which hands
// this class whole records of the right size.
//
// The file is never held open: every operation opens it by name, reads or
// writes one whole record at slot × record size and closes it again. Memory
// follows the disk: an operation changes the index, the key table and the
// counters only after its write has succeeded, so a failed write leaves
// everything in memory as it was. Every failure is reported through the given
// Messages before the function returns false.

#include "store/record_index.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace ovix {

class DataDir;
class Messages;

// What sets one record file apart from the others (a literal type, so that a
// RecordKind can hold it as a constant).
struct RecordFileLayout {
    const char *fileName; // as created in a new data set, e.g. "film.dat"
    size_t recordSize;
    int keyOffset; // text whose first two bytes form the key table; -1 none
    int lookupOffset; // text field kept in the look-up map; -1 none
    size_t lookupWidth;
    int64_t maxNumber; // highest number insert() accepts
    // Start-up messages (caption "Fatal error").
    const char *missingAtStart;
    const char *emptyAtStart;
    const char *corruptAtStart;
    // Size of a placeholder file that load() replaces by one free record; 0 none.
    int64_t placeholderSize;
};

class IndexedRecordFile {
public:
    // `dir` must outlive this object.
    IndexedRecordFile(const DataDir &dir, const RecordFileLayout &layout);
    virtual ~IndexedRecordFile() = default;
    IndexedRecordFile(const IndexedRecordFile &) = delete;
    IndexedRecordFile &operator=(const IndexedRecordFile &) = delete;

    const char *fileName() const
    {
        return layout_.fileName;
    }
    size_t recordSize() const
    {
        return layout_.recordSize;
    }
    // The file's path in the data folder.
    std::string filePath() const;

    // Reads the whole file and builds the index, key table and look-up map. A
    // missing, empty or corrupt file (size not a multiple of the record size)
    // is reported with the start-up messages and leaves the previous state.
    bool load(Messages &messages);

    const RecordIndex &index() const
    {
        return index_;
    }
    int64_t slotCount() const
    {
        return index_.slotCount();
    }
    int64_t liveCount() const
    {
        return index_.liveCount();
    }
    int64_t freeCount() const
    {
        return index_.freeCount();
    }

    // Position of the first entry whose number is >= `number`, or
    // index().size() (the terminator).
    size_t find(int64_t number) const
    {
        return index_.find(number);
    }
    // The slot holding `number`, or nothing when it is not on file.
    std::optional<int64_t> slotOf(int64_t number) const;

    // The two key bytes of `slot` (the first two bytes of an item's
    // description or a customer's name); both zero for a free slot, a slot
    // without a description or name, a file without a key table (suppliers),
    // or a slot out of range.
    std::array<char, 2> key(int64_t slot) const;

    // The number to offer for a new record: the first unused one after
    // `lastIssued` (from 1 when that is not positive).
    int64_t offerNumber(int64_t lastIssued) const
    {
        return index_.offerNumber(lastIssued);
    }

    // The positions of the records numbered low..high. When there are none,
    // "No items in range." (caption "Problem") and nothing.
    std::optional<RecordIndex::Range> walkRange(
        int64_t low, int64_t high, Messages &messages) const;

    // The look-up: text -> live slots in ascending order.
    struct TextHash {
        using is_transparent = void;
        size_t operator()(std::string_view text) const
        {
            return std::hash<std::string_view>()(text);
        }
    };
    using LookupMap
        = std::unordered_map<std::string, std::vector<int64_t>, TextHash, std::equal_to<>>;

    // What the index, key table and look-up hold in memory. An update that
    // is undone takes it back with restoreMemory(): the undo journal puts the
    // disk back as it was (at once, or at the next start or transaction when
    // the disk refuses even the undo), so memory must not follow the file as
    // a failed update left it.
    struct Memory {
        RecordIndex index;
        std::vector<int64_t> slotNumbers;
        std::vector<char> keys;
        LookupMap lookup;
        std::vector<std::string> lookupText;
    };
    Memory memory() const;
    void restoreMemory(Memory kept);

protected:
    const DataDir &dir() const
    {
        return dir_;
    }
    // Reads the record of `slot` into `record` (recordSize() bytes).
    bool readBytes(int64_t slot, void *record, Messages &messages) const;
    // Rewrites the record of `slot` in place. The record's number must be the
    // one the index holds for the slot ("Invalid number." otherwise), so that
    // the index always describes the file; numbers are added and removed only
    // by insertBytes() and removeAt(). Keys and look-up follow the new record.
    bool writeBytes(int64_t slot, const void *record, Messages &messages);
    // Adds a new record: into the free slot at index position 0 when there is
    // one, else appended as slot slotCount(). Returns the slot used.
    std::optional<int64_t> insertBytes(const void *record, Messages &messages);
    // Frees the live record at `position`: on disk its number becomes -1 and
    // the first two bytes of its key field zero, the rest stays. `removed`
    // (recordSize() bytes, may be null) receives the record as it was.
    bool removeAt(size_t position, void *removed, Messages &messages);
    // The first live slot, in slot order, whose look-up field holds exactly
    // `text` and whose key is not empty; nothing when there is none.
    std::optional<int64_t> lookupSlot(std::string_view text) const;
    // Reads the record `number` (recordSize() bytes) from its slot; "Invalid
    // number." (caption "Problem") when it is not on file.
    bool readNumbered(int64_t number, void *record, Messages &messages) const;
    // Asks "Are you sure?" under `caption`; true on OK.
    static bool confirmDelete(const std::string &caption, Messages &messages);
    // Appends `line` to the activity log; "Data file: bun4.dat, not present."
    // (caption "Fatal error") when it cannot be written.
    void appendRemovalToLog(const std::string &line, Messages &messages) const;

private:

    bool replacePlaceholder(const std::string &path, Messages &messages);
    // Writes `record` at `slot`; on a failed append the file is cut back to
    // its old length. Reports the failure with `failureFormat` (a "%s" for the
    // file name).
    bool writeRecordAt(
        int64_t slot, const void *record, const char *failureFormat, Messages &messages) const;
    bool lookupApplies(int64_t slot) const;
    void setKey(int64_t slot, const char *record);
    void addToLookup(int64_t slot, std::string text);
    void removeFromLookup(int64_t slot);

    const DataDir &dir_;
    RecordFileLayout layout_;
    RecordIndex index_;
    std::vector<int64_t> slotNumbers_; // number per slot as the index holds it (-1 free)
    std::vector<char> keys_; // two bytes per slot, when there is a key table
    LookupMap lookup_; // text -> live slots in ascending order
    std::vector<std::string> lookupText_; // per slot: the text entered in lookup_
};

} // namespace ovix
