#include "store/record_index.h"

#include <algorithm>
#include <limits>

namespace ovix {

namespace {

bool numberBelow(const IndexEntry &entry, int64_t number)
{
    return entry.number < number;
}

} // namespace

void RecordIndex::assign(const std::vector<int64_t> &numbersBySlot)
{
    std::vector<IndexEntry> entries(numbersBySlot.size());
    int64_t free = 0;
    for (size_t slot = 0; slot < numbersBySlot.size(); ++slot) {
        int64_t number = numbersBySlot[slot] > 0 ? numbersBySlot[slot] : kFree;
        entries[slot] = { number, static_cast<int64_t>(slot) };
        free += number == kFree;
    }
    // Slots are unique, so ordering by (number, slot) gives exactly the order a
    // stable sort by number gives: free slots first in slot order, equal
    // numbers in slot order.
    std::sort(entries.begin(), entries.end(), [](const IndexEntry &a, const IndexEntry &b) {
        return a.number != b.number ? a.number < b.number : a.slot < b.slot;
    });
    entries_ = std::move(entries);
    slotCount_ = static_cast<int64_t>(numbersBySlot.size());
    freeCount_ = free;
    liveCount_ = slotCount_ - free;
}

void RecordIndex::clear()
{
    entries_.clear();
    slotCount_ = 0;
    liveCount_ = 0;
    freeCount_ = 0;
}

size_t RecordIndex::find(int64_t number) const
{
    auto it = std::lower_bound(entries_.begin(), entries_.end(), number, numberBelow);
    return static_cast<size_t>(it - entries_.begin());
}

bool RecordIndex::contains(int64_t number) const
{
    size_t position = find(number);
    return number > 0 && position < entries_.size() && entries_[position].number == number;
}

int64_t RecordIndex::slotForNewEntry() const
{
    return freeCount_ > 0 ? entries_.front().slot : slotCount_;
}

size_t RecordIndex::insert(int64_t number)
{
    const int64_t slot = slotForNewEntry();
    size_t position = find(number);
    ++liveCount_;
    if (freeCount_ == 0) {
        ++slotCount_;
        entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(position), { number, slot });
        return position;
    }
    // The free entry at the front gives up its slot: the entries before the
    // new one move down by one into its place.
    --freeCount_;
    auto begin = entries_.begin();
    std::move(begin + 1, begin + static_cast<std::ptrdiff_t>(position), begin);
    entries_[position - 1] = { number, slot };
    return position - 1;
}

size_t RecordIndex::markFree(size_t position)
{
    size_t firstLive = static_cast<size_t>(freeCount_);
    auto begin = entries_.begin();
    std::rotate(begin + static_cast<std::ptrdiff_t>(firstLive),
        begin + static_cast<std::ptrdiff_t>(position),
        begin + static_cast<std::ptrdiff_t>(position) + 1);
    entries_[firstLive].number = kFree;
    ++freeCount_;
    --liveCount_;
    return firstLive;
}

int64_t RecordIndex::offerNumber(int64_t lastIssued) const
{
    constexpr int64_t highest = std::numeric_limits<int64_t>::max();
    int64_t number = lastIssued < 0 || lastIssued == highest ? 1 : lastIssued + 1;
    size_t position = find(number);
    // A file may hold the same number twice; the offer must still be unused.
    while (position < entries_.size() && entries_[position].number == number && number < highest) {
        while (position < entries_.size() && entries_[position].number == number)
            ++position;
        ++number;
    }
    return number;
}

RecordIndex::Range RecordIndex::range(int64_t low, int64_t high) const
{
    // Free entries are never part of a range, whatever the lower bound.
    size_t first = find(std::max<int64_t>(low, 1));
    auto end
        = std::upper_bound(entries_.begin() + static_cast<std::ptrdiff_t>(first), entries_.end(),
            high, [](int64_t number, const IndexEntry &entry) { return number < entry.number; });
    return { first, static_cast<size_t>(end - entries_.begin()) };
}

} // namespace ovix
