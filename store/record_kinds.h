#pragma once
// The shop's three record files as RecordFile kinds: film.dat (items, with a
// description key and the SKU 1 barcode look-up), member.dat (customers, with
// a name key) and mans.dat (suppliers, no key; a 66-byte placeholder of a new
// installation becomes one free record at load).

#include "store/customer_record.h"
#include "store/item_record.h"
#include "store/record_file.h"
#include "store/supplier_record.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace ovix {

template <> struct RecordKind<ItemRecord> {
    static constexpr RecordFileLayout kLayout = {
        kItemFileName,
        kItemRecordSize,
        static_cast<int>(offsetof(ItemRecord, description)),
        static_cast<int>(offsetof(ItemRecord, sku1)),
        sizeof(ItemRecord::sku1),
        kMaxRecordNumber,
        "Unable to open film.dat in Opendata",
        "Film.dat has no data in Opendata.",
        "Data file film.dat corrupt in Opendata.",
        0,
    };
    // "%I64d Item: %s" of the number asked for and the description.
    static std::string deleteCaption(int64_t number, const ItemRecord &record);
    // Every removal of an item is logged: "\r\nItem %I64d, %s deleted.  Date:
    // <time prefix>\r\n".
    static std::string removalLogLine(const ItemRecord &removed);
};

template <> struct RecordKind<CustomerRecord> {
    static constexpr RecordFileLayout kLayout = {
        kCustomerFileName,
        kCustomerRecordSize,
        static_cast<int>(offsetof(CustomerRecord, name)),
        -1,
        0,
        kMaxRecordNumber,
        "Data file member.dat not present in Opendata.",
        "Data file member.dat no data in Opendata.",
        "Data file member.dat corrupt in Opendata.",
        0,
    };
    // "%I64d Name: %s" of the number asked for and the name.
    static std::string deleteCaption(int64_t number, const CustomerRecord &record);
    // Only a deletion the user confirmed is logged (pruning removes quietly):
    // "\r\n%c%c:%c%c %d/%d/%d Customer %I64d, %s deleted.\r\n".
    static std::string deletionLogLine(int64_t number, const CustomerRecord &record);
};

template <> struct RecordKind<SupplierRecord> {
    static constexpr RecordFileLayout kLayout = {
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
};

// The names the rest of the till knows them by.
using ItemIndex = RecordFile<ItemRecord>;
using CustomerIndex = RecordFile<CustomerRecord>;
using SupplierIndex = RecordFile<SupplierRecord>;

// Caption of the item delete question: "%I64d Item: %s" (UTF-8; the
// description is Windows-1252 as stored).
std::string itemDeleteCaption(int64_t number, std::string_view description);
// Caption of the customer delete question: "%I64d Name: %s" (UTF-8; the name
// is Windows-1252 as stored).
std::string customerDeleteCaption(int64_t number, std::string_view name);

} // namespace ovix
