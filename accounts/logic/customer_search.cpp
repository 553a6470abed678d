#include "accounts/logic/customer_search.h"

#include "platform/cp1252.h"
#include "platform/file.h"
#include "store/fixed_text.h"

#include <cstring>

namespace ovix {

namespace {

using Status = CustomerSearchResult::Status;

// Visits the records of member.dat in slot order as `visit(slot, record)`,
// which decides for itself whether a record counts. A block that cannot be
// read is read again one record at a time up to the record that fails, so
// that the search sees exactly what reading slot after slot would.
template <typename Visit>
Status visitEverySlot(const CustomerIndex &customers, Visit &&visit)
{
    const ScanResult scan = customers.forEachRecord(visit, ScanSlots::All);
    if (scan.status == ScanResult::Status::NotOpened)
        return Status::NotPresent;
    if (scan.status != ScanResult::Status::ReadFailed)
        return Status::Complete;
    File file = File::open(customers.filePath(), File::Mode::Read);
    CustomerRecord record {};
    for (int64_t slot = scan.slotsRead; file.isOpen() && slot < customers.slotCount(); ++slot) {
        if (!file.readAt(slot * static_cast<int64_t>(sizeof record), &record, sizeof record))
            break;
        visit(slot, record);
    }
    return Status::ReadFailed;
}

CustomerMatch matchOf(int64_t slot, const CustomerRecord &record, std::string telephone = {})
{
    return { record.number, slot, readText(record.name), std::move(telephone) };
}

} // namespace

bool customerFieldContains(const char *field, size_t width, std::string_view fragment)
{
    const void *nul = std::memchr(field, 0, width);
    const size_t length = nul ? static_cast<size_t>(static_cast<const char *>(nul) - field) : width;
    return std::string_view(field, length).find(fragment) != std::string_view::npos;
}

CustomerSearchResult searchCustomersThatContain(
    const CustomerIndex &customers, std::string_view fragment)
{
    CustomerSearchResult result;
    if (fragment.empty())
        return result;
    const std::string wanted = toUpperCp1252(fragment);
    result.status = visitEverySlot(customers, [&](int64_t slot, const CustomerRecord &record) {
        if (customers.key(slot)[0] != '\0'
            && customerFieldContains(record.name, sizeof record.name, wanted))
            result.matches.push_back(matchOf(slot, record));
    });
    return result;
}

CustomerSearchResult searchCustomersByTelephone(
    const CustomerIndex &customers, std::string_view text)
{
    CustomerSearchResult result;
    if (text.empty())
        return result;
    result.status = visitEverySlot(customers, [&](int64_t slot, const CustomerRecord &record) {
        if (record.number <= 0)
            return;
        if (customerFieldContains(record.telephone, sizeof record.telephone, text))
            result.matches.push_back(matchOf(slot, record, readText(record.telephone)));
        else if (customerFieldContains(record.telephone2, sizeof record.telephone2, text))
            result.matches.push_back(matchOf(slot, record, readText(record.telephone2)));
    });
    return result;
}

} // namespace ovix
