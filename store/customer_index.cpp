#include "store/customer_index.h"

#include "platform/c_format.h"
#include "platform/clock.h"
#include "platform/cp1252.h"
#include "platform/messages.h"
#include "store/activity_log.h"
#include "store/fixed_text.h"
#include "store/time_stamp.h"

#include <cinttypes>

namespace ovix {

namespace {

const RecordFileLayout kCustomerLayout = {
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

} // namespace

CustomerIndex::CustomerIndex(const DataDir &dir)
    : IndexedRecordFile(dir, kCustomerLayout)
{
}

bool CustomerIndex::readRecord(int64_t slot, CustomerRecord &record, Messages &messages) const
{
    return readBytes(slot, &record, messages);
}

bool CustomerIndex::writeRecord(int64_t slot, const CustomerRecord &record, Messages &messages)
{
    return writeBytes(slot, &record, messages);
}

std::optional<int64_t> CustomerIndex::insert(const CustomerRecord &record, Messages &messages)
{
    return insertBytes(&record, messages);
}

bool CustomerIndex::remove(size_t position, Messages &messages)
{
    return removeAt(position, nullptr, messages);
}

bool CustomerIndex::deleteCustomer(int64_t number, Messages &messages)
{
    std::optional<int64_t> slot = slotOf(number);
    if (!slot) {
        reportProblem(messages, "Invalid number.");
        return false;
    }
    CustomerRecord record;
    if (!readRecord(*slot, record, messages))
        return false;
    const std::string name = readText(record.name);
    if (!messages.confirm("Are you sure?", customerDeleteCaption(number, name)))
        return false;
    if (!removeAt(find(number), nullptr, messages))
        return false;
    const LocalTime now = localNow();
    const std::string stamp = makeTimeStamp(now);
    const std::string line = cformat("\r\n%c%c:%c%c %d/%d/%d Customer %" PRId64 ", %s deleted.\r\n",
        stamp[0], stamp[1], stamp[3], stamp[4], now.day, now.month, now.year, number, name.c_str());
    if (!appendToLog(dir(), line))
        reportFatal(messages, "Data file: bun4.dat, not present.");
    return true;
}

std::string customerDeleteCaption(int64_t number, std::string_view name)
{
    return cformat("%" PRId64 " Name: %s", number, toUtf8(name).c_str());
}

} // namespace ovix
