#pragma once
// mans.dat and its index: suppliers found by number. There is no name prefix
// table for suppliers.

#include "store/indexed_record_file.h"
#include "store/supplier_record.h"

#include <cstdint>
#include <optional>

namespace ovix {

class SupplierIndex : public IndexedRecordFile {
public:
    // `dir` must outlive the index. load() replaces the 66-byte placeholder of
    // a new installation by one free record first.
    explicit SupplierIndex(const DataDir &dir);

    // Reads slot `slot` of mans.dat ("Data file: mans.dat, not present.",
    // caption "Fatal error"; "Not able to read mans.dat", caption "Problem").
    bool readRecord(int64_t slot, SupplierRecord &record, Messages &messages) const;
    // Rewrites a supplier in its slot ("Not able to write to mans.dat").
    bool writeRecord(int64_t slot, const SupplierRecord &record, Messages &messages);
    // Adds a new supplier: "Number outside range." (1..kMaxSupplierNumber),
    // "Number in use."; reuses the lowest free slot in index order, else
    // appends. Returns the slot used.
    std::optional<int64_t> insert(const SupplierRecord &record, Messages &messages);
    // Frees the supplier at index `position`: its number becomes -1 on disk,
    // everything else stays. No question, no log line.
    bool remove(size_t position, Messages &messages);
};

} // namespace ovix
