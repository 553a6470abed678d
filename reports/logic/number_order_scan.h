#pragma once
// Reading the records of a run of index positions in one block pass over the
// file and handing back what is made of them in number order, so that a list
// of a hundred thousand items opens its file once instead of once per item.

#include "store/record_file.h"

#include <optional>
#include <vector>

namespace ovix {

// For the index positions [range.first, range.last) of `file`, calls
// `make(const Record &)` -> std::optional<T> on each record and returns the
// values made, in index (number) order; records for which `make` gives nothing
// are left out. Nothing when the file cannot be read whole.
template <typename T, typename Record, typename Make>
std::optional<std::vector<T>> madeInNumberOrder(
    const RecordFile<Record> &file, RecordIndex::Range range, Make make)
{
    const RecordIndex &index = file.index();
    std::vector<int64_t> orderOfSlot(static_cast<size_t>(file.slotCount()), -1);
    for (size_t position = range.first; position < range.last; ++position) {
        const int64_t slot = index[position].slot;
        if (slot >= 0 && slot < file.slotCount())
            orderOfSlot[static_cast<size_t>(slot)] = static_cast<int64_t>(position - range.first);
    }
    std::vector<std::optional<T>> made(range.last - range.first);
    const ScanResult scan = file.forEachRecord([&](int64_t slot, const Record &record) {
        if (slot >= 0 && static_cast<size_t>(slot) < orderOfSlot.size()
            && orderOfSlot[static_cast<size_t>(slot)] >= 0)
            made[static_cast<size_t>(orderOfSlot[static_cast<size_t>(slot)])] = make(record);
    });
    if (!scan.complete())
        return std::nullopt;
    std::vector<T> values;
    values.reserve(made.size());
    for (std::optional<T> &value : made) {
        if (value)
            values.push_back(std::move(*value));
    }
    return values;
}

} // namespace ovix
