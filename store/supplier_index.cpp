#include "store/supplier_index.h"

namespace ovix {

namespace {

const RecordFileLayout kSupplierLayout = {
    kSupplierFileName,
    kSupplierRecordSize,
    -1,
    -1,
    0,
    kMaxSupplierNumber,
    "Data file mans.dat not present in Opendata.",
    "Data file mans.dat no data in Opendata.",
    "Data file mans.dat corrupt in Opendata.",
    kSupplierPlaceholderSize,
};

} // namespace

SupplierIndex::SupplierIndex(const DataDir &dir)
    : IndexedRecordFile(dir, kSupplierLayout)
{
}

bool SupplierIndex::readRecord(int64_t slot, SupplierRecord &record, Messages &messages) const
{
    return readBytes(slot, &record, messages);
}

bool SupplierIndex::writeRecord(int64_t slot, const SupplierRecord &record, Messages &messages)
{
    return writeBytes(slot, &record, messages);
}

std::optional<int64_t> SupplierIndex::insert(const SupplierRecord &record, Messages &messages)
{
    return insertBytes(&record, messages);
}

bool SupplierIndex::remove(size_t position, Messages &messages)
{
    return removeAt(position, nullptr, messages);
}

} // namespace ovix
