#pragma once
// member.dat and its index: customers found by number, with the two-character
// name prefix kept per slot for name searches.

#include "store/customer_record.h"
#include "store/indexed_record_file.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ovix {

class CustomerIndex : public IndexedRecordFile {
public:
    // `dir` must outlive the index.
    explicit CustomerIndex(const DataDir &dir);

    // Reads slot `slot` of member.dat ("Data file: member.dat, not present.",
    // caption "Fatal error"; "Not able to read member.dat", caption "Problem").
    bool readRecord(int64_t slot, CustomerRecord &record, Messages &messages) const;
    // Rewrites a customer in its slot ("Not able to write to member.dat").
    bool writeRecord(int64_t slot, const CustomerRecord &record, Messages &messages);
    // Adds a new customer: "Number outside range." (1..kMaxRecordNumber),
    // "Number in use."; reuses the lowest free slot in index order, else
    // appends. Returns the slot used.
    std::optional<int64_t> insert(const CustomerRecord &record, Messages &messages);
    // Frees the customer at index `position`, with no question and no log line
    // (as pruning does).
    bool remove(size_t position, Messages &messages);
    // Asks "Are you sure?" under customerDeleteCaption() and, on OK, removes
    // the customer `number` and writes the deletion to the activity log.
    bool deleteCustomer(int64_t number, Messages &messages);

    // The first two bytes of the slot's name; zero for a free slot.
    std::array<char, 2> namePrefix(int64_t slot) const
    {
        return key(slot);
    }
};

// Caption of the delete question: "%I64d Name: %s" (UTF-8; the name is
// Windows-1252 as stored).
std::string customerDeleteCaption(int64_t number, std::string_view name);

} // namespace ovix
