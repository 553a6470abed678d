// member.dat as the till loads it (see record_file_fuzz.h), with the
// "Number / name" look-up of the customers on file.

#include "fuzz/record_file_fuzz.h"
#include "store/customer_lookup.h"

#include <string>

namespace {

using namespace ovix;
using ovix::fuzz::check;

// Each customer found holds the number, or answers the name, asked for.
void checkLookUps(const CustomerIndex &customers, const std::string &file)
{
    ScriptedMessages messages;
    const int64_t slots = customers.slotCount();
    for (int64_t slot = 0; slot < slots && slot < 16; ++slot) {
        CustomerRecord record;
        std::memcpy(&record, file.data() + slot * kCustomerRecordSize, sizeof record);
        if (record.number > 0 && record.number <= kMaxRecordNumber) {
            const CustomerLookup byNumber = lookUpCustomers(customers,
                std::to_string(record.number), CustomerSearchOrder::ByNumber, true, messages);
            check(byNumber.byNumber && byNumber.candidates.size() == 1);
            check(byNumber.candidates[0].number == record.number);
        }
        const std::string pattern = readText(record.name).substr(0, 3);
        for (CustomerSearchOrder order :
             { CustomerSearchOrder::BySlot, CustomerSearchOrder::ByNumber }) {
            const CustomerLookup byName
                = lookUpCustomers(customers, pattern, order, true, messages);
            int64_t lastSlot = -1;
            for (const CustomerCandidate &candidate : byName.candidates) {
                check(candidate.slot >= 0 && candidate.slot < slots);
                CustomerRecord hit;
                std::memcpy(&hit, file.data() + candidate.slot * kCustomerRecordSize, sizeof hit);
                check(hit.number == candidate.number && hit.number > 0);
                if (!byName.byNumber)
                    check(customerNameMatches(pattern, hit.name, sizeof hit.name));
                if (order == CustomerSearchOrder::BySlot)
                    check(candidate.slot > lastSlot);
                lastSlot = candidate.slot;
            }
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ovix::fuzz::loadRecordFileOnce<CustomerRecord>(data, size, checkLookUps);
    return 0;
}
