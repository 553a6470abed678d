#include "store/time_stamp.h"

#include "platform/c_format.h"

namespace ovix {

std::string makeTimeStamp(const LocalTime &time)
{
    return cformat("%02d:%02d%02d/%02d/%d", time.hour, time.minute, time.day, time.month,
                   time.year);
}

std::string logTimePrefix(std::string_view stamp)
{
    auto at = [&](size_t i) { return i < stamp.size() && stamp[i] != '\0' ? stamp[i] : ' '; };
    std::string date;
    if (stamp.size() > 5)
        date = std::string(stamp.substr(5, stamp.substr(5).find('\0')));
    return cformat("%c%c:%c%c %s", at(0), at(1), at(3), at(4), date.c_str());
}

std::string logTimePrefixNow()
{
    return logTimePrefix(makeTimeStamp(localNow()));
}

} // namespace ovix
