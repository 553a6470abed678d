#include "platform/day_walk.h"

#include "platform/clock.h"

namespace ovix {

bool isRealDay(const CalendarDay &day)
{
    return day.year >= 1 && day.month >= 1 && day.month <= 12 && day.day >= 1
        && day.day <= daysInMonth(day.year, day.month);
}

CalendarDay nextCalendarDay(const CalendarDay &day)
{
    CalendarDay next = day;
    if (++next.day > daysInMonth(next.year, next.month)) {
        next.day = 1;
        if (++next.month > 12) {
            next.month = 1;
            ++next.year;
        }
    }
    return next;
}

std::vector<CalendarDay> daysFrom(const CalendarDay &first, const CalendarDay &last)
{
    std::vector<CalendarDay> days;
    if (!isRealDay(first) || !isRealDay(last))
        return days;
    for (CalendarDay day = first; day <= last; day = nextCalendarDay(day))
        days.push_back(day);
    return days;
}

std::vector<CalendarDay> weekFrom(const CalendarDay &first)
{
    std::vector<CalendarDay> days;
    if (!isRealDay(first))
        return days;
    CalendarDay day = first;
    for (int i = 0; i < 7; ++i, day = nextCalendarDay(day))
        days.push_back(day);
    return days;
}

std::vector<CalendarDay> monthOf(int year, int month)
{
    if (month < 1 || month > 12)
        return {};
    return daysFrom({ year, month, 1 }, { year, month, daysInMonth(year, month) });
}

} // namespace ovix
