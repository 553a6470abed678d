#include "reports/logic/log_day.h"

#include "platform/c_format.h"
#include "platform/clock.h"

namespace ovix {

namespace {

// A match is looked for only once this many bytes have been read.
constexpr size_t kFirstMatchEnd = 13;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int number(std::string_view digits)
{
    int value = 0;
    for (char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

} // namespace

std::optional<std::string> logDayText(std::string_view text)
{
    if (text.size() != 10 || text[2] != '/' || text[5] != '/')
        return std::nullopt;
    for (size_t i = 0; i < text.size(); ++i)
        if (i != 2 && i != 5 && !isDigit(text[i]))
            return std::nullopt;
    const int day = number(text.substr(0, 2));
    const int month = number(text.substr(3, 2));
    const int year = number(text.substr(6, 4));
    if (year < 1 || month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month))
        return std::nullopt;
    return std::string(text);
}

std::string logDayOf(const LocalTime &time)
{
    return cformat("%02d/%02d/%d", time.day, time.month, time.year);
}

std::optional<size_t> logDayStart(std::string_view log, std::string_view day)
{
    if (day.empty())
        return std::nullopt;
    size_t from = kFirstMatchEnd > day.size() ? kFirstMatchEnd - day.size() : 0;
    const size_t at = log.find(day, from);
    if (at == std::string_view::npos)
        return std::nullopt;
    const size_t lineEnd = log.find_last_of("\r\n", at == 0 ? 0 : at - 1);
    if (at == 0 || lineEnd == std::string_view::npos)
        return 0;
    return lineEnd + 1;
}

} // namespace ovix
