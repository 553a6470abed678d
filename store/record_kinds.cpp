#include "store/record_kinds.h"

#include "platform/c_format.h"
#include "platform/clock.h"
#include "platform/cp1252.h"
#include "store/fixed_text.h"
#include "store/time_stamp.h"

#include <cinttypes>

namespace ovix {

std::string RecordKind<ItemRecord>::deleteCaption(int64_t number, const ItemRecord &record)
{
    return itemDeleteCaption(number, readText(record.description));
}

std::string RecordKind<ItemRecord>::removalLogLine(const ItemRecord &removed)
{
    return cformat("\r\nItem %" PRId64 ", %s deleted.  Date: %s\r\n", +removed.number,
        readText(removed.description).c_str(), logTimePrefixNow().c_str());
}

std::string RecordKind<CustomerRecord>::deleteCaption(int64_t number, const CustomerRecord &record)
{
    return customerDeleteCaption(number, readText(record.name));
}

std::string RecordKind<CustomerRecord>::deletionLogLine(
    int64_t number, const CustomerRecord &record)
{
    const LocalTime now = localNow();
    const std::string stamp = makeTimeStamp(now);
    return cformat("\r\n%c%c:%c%c %d/%d/%d Customer %" PRId64 ", %s deleted.\r\n", stamp[0],
        stamp[1], stamp[3], stamp[4], now.day, now.month, now.year, number,
        readText(record.name).c_str());
}

std::string itemDeleteCaption(int64_t number, std::string_view description)
{
    return cformat("%" PRId64 " Item: %s", number, toUtf8(description).c_str());
}

std::string customerDeleteCaption(int64_t number, std::string_view name)
{
    return cformat("%" PRId64 " Name: %s", number, toUtf8(name).c_str());
}

} // namespace ovix
