#pragma once
// film.dat and its index: items found by number, by SKU 1 (the barcode
// look-up) and by the two-character description prefix kept per slot.

#include "store/indexed_record_file.h"
#include "store/item_record.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ovix {

class ItemIndex : public IndexedRecordFile {
public:
    // `dir` must outlive the index.
    explicit ItemIndex(const DataDir &dir);

    // Reads slot `slot` of film.dat. "Data file: film.dat, not present."
    // (caption "Fatal error") when the file is missing, "Not able to read
    // film.dat" (caption "Problem") when the slot cannot be read.
    bool readRecord(int64_t slot, ItemRecord &record, Messages &messages) const;
    // Rewrites an item in its slot ("Not able to write to film.dat" on
    // failure); the description prefix and SKU 1 look-up follow the new record.
    bool writeRecord(int64_t slot, const ItemRecord &record, Messages &messages);
    // Adds a new item: "Number outside range." for numbers outside
    // 1..kMaxRecordNumber, "Number in use." for a number on file (caption
    // "Problem"); the lowest free slot in index order is reused, else the
    // record is appended. Returns the slot used.
    std::optional<int64_t> insert(const ItemRecord &record, Messages &messages);
    // Frees the item at index `position` (no question asked) and writes the
    // deletion to the activity log.
    bool remove(size_t position, Messages &messages);
    // Asks "Are you sure?" under itemDeleteCaption() and, on OK, removes the
    // item `number`. False when it is not on file, the user cancels or the
    // removal fails.
    bool deleteItem(int64_t number, Messages &messages);

    // The slot the barcode look-up finds for `text`: the first slot, in slot
    // order, of a live item with a description whose sku1 equals `text`
    // exactly. Reads nothing from disk.
    std::optional<int64_t> findBySku1(std::string_view text) const
    {
        return lookupSlot(text);
    }

    // The first two bytes of the slot's description; zero for a free slot.
    std::array<char, 2> descriptionPrefix(int64_t slot) const
    {
        return key(slot);
    }
};

// Caption of the delete question: "%I64d Item: %s" (UTF-8; the description is
// Windows-1252 as stored).
std::string itemDeleteCaption(int64_t number, std::string_view description);

} // namespace ovix
