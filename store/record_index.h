#pragma once
// The in-memory index of a record file: (number, slot) entries sorted by
// number, free slots (number -1) first, live records after them in ascending
// order. Position size() plays the part of the terminator: every look-up that
// finds nothing returns it.
//
// The index knows nothing of files; IndexedRecordFile keeps it in step with the
// disk. Positions are invalidated by insert() and markFree().

#include <cstddef>
#include <cstdint>
#include <vector>

namespace ovix {

struct IndexEntry {
    int64_t number; // -1 for a free slot
    int64_t slot;
};

class RecordIndex {
public:
    static constexpr int64_t kFree = -1;

    // Rebuilds the index from the numbers of slots 0, 1, ... in file order.
    // A number of 0 or less counts as a free slot and is held as -1 here.
    // Live entries with equal numbers keep their slot order.
    void assign(const std::vector<int64_t> &numbersBySlot);
    void clear();

    size_t size() const
    {
        return entries_.size();
    }
    const IndexEntry &operator[](size_t position) const
    {
        return entries_[position];
    }
    const std::vector<IndexEntry> &entries() const
    {
        return entries_;
    }

    int64_t slotCount() const
    {
        return slotCount_;
    }
    int64_t liveCount() const
    {
        return liveCount_;
    }
    int64_t freeCount() const
    {
        return freeCount_;
    }

    // Position of the first entry whose number is >= `number`, or size().
    size_t find(int64_t number) const;
    // True when a live entry holds exactly `number`.
    bool contains(int64_t number) const;

    // The slot the next insert() fills: the slot of the free entry at position
    // 0 when there is one, else a new slot at the end (slotCount()).
    int64_t slotForNewEntry() const;
    // Enters `number` (positive and not yet present) at slotForNewEntry(),
    // removing the free entry it reuses or counting one more slot. Returns the
    // position of the new entry.
    size_t insert(int64_t number);
    // Turns the live entry at `position` into a free entry at the end of the
    // free group; the live entries keep their order. Returns its new position.
    size_t markFree(size_t position);

    // First number not present at or after lastIssued + 1 (1 when that is not
    // positive).
    int64_t offerNumber(int64_t lastIssued) const;

    // Positions [first, last) of the live entries with low <= number <= high;
    // empty (first == last) when there are none.
    struct Range {
        size_t first;
        size_t last;
        bool empty() const
        {
            return first == last;
        }
    };
    Range range(int64_t low, int64_t high) const;

private:
    std::vector<IndexEntry> entries_;
    int64_t slotCount_ = 0;
    int64_t liveCount_ = 0;
    int64_t freeCount_ = 0;
};

} // namespace ovix
