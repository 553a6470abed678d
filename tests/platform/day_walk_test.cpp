// The days walked: calendar order, the Gregorian leap rule, and walks
// that end at once for a reversed range or a day that does not exist.

#include "platform/day_walk.h"

#include <gtest/gtest.h>

using namespace ovix;

TEST(DayWalk, RangesWalkEveryDayAndStopAfterTheLast)
{
    struct Case {
        const char *what;
        CalendarDay first;
        CalendarDay last;
        size_t count;
        CalendarDay secondLast; // the day before the last walked (when count > 1)
    };
    const Case cases[] = {
        { "one day", { 2026, 3, 7 }, { 2026, 3, 7 }, 1, {} },
        { "28/2 to 1/3 in a leap year", { 2028, 2, 28 }, { 2028, 3, 1 }, 3, { 2028, 2, 29 } },
        { "28/2 to 1/3 in 2100, no leap day", { 2100, 2, 28 }, { 2100, 3, 1 }, 2, { 2100, 2, 28 } },
        { "28/2 to 1/3 in 2000, a leap year", { 2000, 2, 28 }, { 2000, 3, 1 }, 3, { 2000, 2, 29 } },
        { "over the year's end", { 2026, 12, 30 }, { 2027, 1, 2 }, 4, { 2027, 1, 1 } },
        { "a whole year", { 2026, 1, 1 }, { 2026, 12, 31 }, 365, { 2026, 12, 30 } },
        { "reversed", { 2026, 3, 8 }, { 2026, 3, 7 }, 0, {} },
        { "reversed over years", { 2027, 1, 1 }, { 2026, 12, 31 }, 0, {} },
        { "impossible start 31/2", { 2026, 2, 31 }, { 2026, 3, 5 }, 0, {} },
        { "impossible end 31/2", { 2026, 2, 1 }, { 2026, 2, 31 }, 0, {} },
        { "29/2 in 2100", { 2100, 2, 29 }, { 2100, 3, 1 }, 0, {} },
        { "month 13", { 2026, 13, 1 }, { 2027, 1, 1 }, 0, {} },
        { "day 0", { 2026, 1, 0 }, { 2026, 1, 3 }, 0, {} },
    };
    for (const Case &c : cases) {
        const std::vector<CalendarDay> days = daysFrom(c.first, c.last);
        ASSERT_EQ(days.size(), c.count) << c.what;
        if (c.count == 0)
            continue;
        EXPECT_EQ(days.front(), c.first) << c.what;
        EXPECT_EQ(days.back(), c.last) << c.what;
        if (c.count > 1) {
            EXPECT_EQ(days[days.size() - 2], c.secondLast) << c.what;
        }
    }
}

TEST(DayWalk, WeeksAndMonths)
{
    const std::vector<CalendarDay> leapWeek = weekFrom({ 2028, 2, 28 });
    ASSERT_EQ(leapWeek.size(), 7u);
    EXPECT_EQ(leapWeek[1], (CalendarDay { 2028, 2, 29 }));
    EXPECT_EQ(leapWeek[6], (CalendarDay { 2028, 3, 5 }));
    const std::vector<CalendarDay> week2100 = weekFrom({ 2100, 2, 28 });
    EXPECT_EQ(week2100[1], (CalendarDay { 2100, 3, 1 }));
    EXPECT_EQ(weekFrom({ 2026, 12, 29 }).back(), (CalendarDay { 2027, 1, 4 }));
    EXPECT_TRUE(weekFrom({ 2026, 4, 31 }).empty());

    struct Month {
        int year;
        int month;
        size_t days;
    };
    for (const Month m : { Month { 2026, 2, 28 }, Month { 2028, 2, 29 }, Month { 2100, 2, 28 },
             Month { 2400, 2, 29 }, Month { 2026, 4, 30 }, Month { 2026, 12, 31 },
             Month { 2026, 0, 0 }, Month { 2026, 13, 0 } })
        EXPECT_EQ(monthOf(m.year, m.month).size(), m.days) << m.month << "/" << m.year;
}
