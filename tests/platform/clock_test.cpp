#include "platform/clock.h"

#include <gtest/gtest.h>

using namespace ovix;

TEST(Clock, AFixedTimeStandsStillWithItsWeekday)
{
    LocalTime fixed;
    fixed.year = 2026;
    fixed.month = 3;
    fixed.day = 5;
    fixed.hour = 23;
    fixed.minute = 59;
    fixed.weekday = 0; // wrong on purpose: it is recomputed
    setFixedLocalTime(fixed);
    LocalTime now = localNow();
    EXPECT_EQ(now.year, 2026);
    EXPECT_EQ(now.month, 3);
    EXPECT_EQ(now.day, 5);
    EXPECT_EQ(now.hour, 23);
    EXPECT_EQ(now.minute, 59);
    EXPECT_EQ(now.weekday, 4); // a Thursday
    setFixedLocalTime(std::nullopt);

    LocalTime running = localNow();
    EXPECT_GE(running.year, 2024);
    EXPECT_EQ(running.weekday, weekdayOf(running.year, running.month, running.day));
}

TEST(Clock, LeapYearsAndMonthLengths)
{
    EXPECT_FALSE(isLeapYear(1900));
    EXPECT_TRUE(isLeapYear(2000));
    EXPECT_TRUE(isLeapYear(2024));
    EXPECT_FALSE(isLeapYear(2026));
    EXPECT_FALSE(isLeapYear(2100));
    EXPECT_EQ(daysInMonth(1900, 2), 28);
    EXPECT_EQ(daysInMonth(2000, 2), 29);
    EXPECT_EQ(daysInMonth(2024, 2), 29);
    EXPECT_EQ(daysInMonth(2026, 2), 28);
    EXPECT_EQ(daysInMonth(2026, 1), 31);
    EXPECT_EQ(daysInMonth(2026, 4), 30);
    EXPECT_EQ(daysInMonth(2026, 12), 31);
}

TEST(Clock, WeekdaysAndDayNumbers)
{
    EXPECT_EQ(daysFromCivil(1970, 1, 1), 0);
    EXPECT_EQ(daysFromCivil(1969, 12, 31), -1);
    EXPECT_EQ(daysFromCivil(2000, 3, 1) - daysFromCivil(2000, 2, 28), 2);
    EXPECT_EQ(daysFromCivil(1900, 3, 1) - daysFromCivil(1900, 2, 28), 1);
    EXPECT_EQ(weekdayOf(1970, 1, 1), 4);
    EXPECT_EQ(weekdayOf(1900, 1, 1), 1);  // Monday
    EXPECT_EQ(weekdayOf(2000, 2, 29), 2); // Tuesday
    EXPECT_EQ(weekdayOf(2024, 2, 29), 4); // Thursday
    EXPECT_EQ(weekdayOf(2026, 1, 1), 4);  // Thursday
    // Every day of a leap and a common year follows the day before.
    for (int year : {2024, 2026}) {
        int expected = weekdayOf(year, 1, 1);
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= daysInMonth(year, month); ++day) {
                ASSERT_EQ(weekdayOf(year, month, day), expected) << year << month << day;
                expected = (expected + 1) % 7;
            }
        }
        EXPECT_EQ(weekdayOf(year + 1, 1, 1), expected);
    }
}
