#include "platform/clock.h"
#include "store/till_config.h"
#include "support/test_support.h"
#include "till/logic/new_day.h"

#include <gtest/gtest.h>

#include <string>

using namespace ovix;

namespace {

// Offsets in wr.cfg, typed here rather than taken from the code.
constexpr size_t kDayOfLastUseAt = 76;
constexpr size_t kSwitchOffAt = 480; // minute, hour, day, month, year
constexpr size_t kTodayItemsAt = 160;
constexpr size_t kTodayTransactionsAt = 320;
constexpr size_t kYesterdayItemsAt = 880;
constexpr size_t kYesterdayTransactionsAt = 888;
constexpr size_t kNewCustomersAt = 960;
constexpr size_t kCategoryDayCountsAt = 604;
constexpr size_t kCategoryMonthCountsAt = 676;
constexpr size_t kTenderCountsAt = 3030; // 11 floats
constexpr size_t kCategoryHistoryAt = 3346; // 18 rows of 32 doubles
constexpr size_t kTakingsHistoryAt = 7954;  // 401 doubles
constexpr size_t kTillTakingsAt = 40958;
constexpr size_t kPettyCashAt = 41822;
constexpr size_t kCostOfSalesAt = 41894;
constexpr size_t kCategoryDayValuesAt = 42070;

LocalTime at(int year, int month, int day, int hour = 9, int minute = 0)
{
    LocalTime time;
    time.year = year;
    time.month = month;
    time.day = day;
    time.hour = hour;
    time.minute = minute;
    return time;
}

// A block last used on `day`, switched off at 18:30 on the date given.
std::string usedBlock(int day, int offYear, int offMonth, int offDay)
{
    std::string bytes(kTillConfigSize, '\0');
    test::putI32(bytes, kDayOfLastUseAt, day);
    const int32_t off[5] = {30, 18, offDay, offMonth, offYear};
    for (size_t i = 0; i < 5; ++i)
        test::putI32(bytes, kSwitchOffAt + 4 * i, off[i]);
    return bytes;
}

TillConfig configOf(const std::string &bytes)
{
    TillConfig config;
    config.assign(bytes);
    return config;
}

DayChange changeFor(int lastYear, int lastMonth, int lastDay, const LocalTime &today)
{
    return findDayChange(configOf(usedBlock(lastDay, lastYear, lastMonth, lastDay)), today);
}

double takingsEntry(const std::string &bytes, size_t entry)
{
    return test::getF64(bytes, kTakingsHistoryAt + 8 * entry);
}

double categoryEntry(const std::string &bytes, size_t category, size_t day)
{
    return test::getF64(bytes, kCategoryHistoryAt + 8 * (32 * category + day));
}

// A block whose takings history entry k holds k + 1, whose category c history
// entry d holds 1000 c + d + 1, with today's takings 500 and category c's day
// value 10 c + 7; today's counts 12 transactions, 30 items.
std::string blockWithHistory(int lastYear, int lastMonth, int lastDay)
{
    std::string bytes = usedBlock(lastDay, lastYear, lastMonth, lastDay);
    for (size_t k = 0; k < 401; ++k)
        test::putF64(bytes, kTakingsHistoryAt + 8 * k, static_cast<double>(k + 1));
    for (size_t c = 0; c < 18; ++c) {
        for (size_t d = 0; d < 32; ++d)
            test::putF64(bytes, kCategoryHistoryAt + 8 * (32 * c + d),
                         static_cast<double>(1000 * c + d + 1));
        test::putF64(bytes, kCategoryDayValuesAt + 8 * c, static_cast<double>(10 * c + 7));
        test::putI32(bytes, kCategoryDayCountsAt + 4 * c, 3);
        test::putI32(bytes, kCategoryMonthCountsAt + 4 * c, 40);
    }
    test::putF64(bytes, kTillTakingsAt, 500.0);
    test::putF64(bytes, kPettyCashAt, 5.0);
    test::putF64(bytes, kCostOfSalesAt, 200.0);
    test::putI64(bytes, kTodayTransactionsAt, 12);
    test::putI64(bytes, kTodayItemsAt, 30);
    test::putI64(bytes, kYesterdayTransactionsAt, 8);
    test::putI64(bytes, kYesterdayItemsAt, 9);
    test::putI64(bytes, kNewCustomersAt, 2);
    for (size_t i = 0; i < 11; ++i)
        test::putF32(bytes, kTenderCountsAt + 4 * i, 4.0f);
    return bytes;
}

// Rolls a blockWithHistory() last used on 10 March 2024 over to the day
// `elapsed` days later.
std::string rolledOver(int elapsed, DayChange *seen = nullptr)
{
    TillConfig config = configOf(blockWithHistory(2024, 3, 10));
    LocalTime today = at(2024, 3, 10);
    for (int i = 0; i < elapsed; ++i) {
        today.day++;
        if (today.day > daysInMonth(today.year, today.month)) {
            today.day = 1;
            today.month++;
        }
    }
    const DayChange change = findDayChange(config, today);
    if (seen)
        *seen = change;
    rollOverDay(config, change, today);
    return std::string(config.view());
}

} // namespace

TEST(DayChange, NextDayAndFirstOfNextMonthAskNothing)
{
    const DayChange next = changeFor(2024, 3, 5, at(2024, 3, 6));
    EXPECT_TRUE(next.newDay);
    EXPECT_EQ(next.elapsedDays, 1);
    EXPECT_FALSE(next.askUser);
    EXPECT_FALSE(next.newMonth);

    struct Case {
        int year, month, day;
    };
    // Last days of months, leap and not, and a year end.
    for (Case last : {Case{2024, 1, 31}, Case{2024, 2, 29}, Case{2023, 2, 28}, Case{2100, 2, 28},
                      Case{2024, 4, 30}, Case{2023, 12, 31}}) {
        const int month = last.month == 12 ? 1 : last.month + 1;
        const int year = last.month == 12 ? last.year + 1 : last.year;
        const DayChange change = changeFor(last.year, last.month, last.day, at(year, month, 1));
        EXPECT_TRUE(change.newDay) << last.year << "-" << last.month;
        EXPECT_EQ(change.elapsedDays, 1) << last.year << "-" << last.month;
        EXPECT_FALSE(change.askUser) << last.year << "-" << last.month;
        EXPECT_TRUE(change.newMonth);
    }
}

TEST(DayChange, GapsAreCountedInCalendarDaysAndAsked)
{
    const DayChange twoDays = changeFor(2024, 3, 5, at(2024, 3, 7));
    EXPECT_EQ(twoDays.elapsedDays, 2);
    EXPECT_TRUE(twoDays.askUser);

    // 28 February 2023 to 2 March: no 29th in 2023; in 2024 there is one.
    EXPECT_EQ(changeFor(2023, 2, 28, at(2023, 3, 2)).elapsedDays, 2);
    EXPECT_EQ(changeFor(2024, 2, 28, at(2024, 3, 2)).elapsedDays, 3);
    // 1 March 2024 after 29 February 2024 is the next day, but not after the
    // 28th (the 29th was not a day of use).
    EXPECT_TRUE(changeFor(2024, 2, 28, at(2024, 3, 1)).askUser);

    // Exactly a month later, by the day of the month nothing has changed.
    const DayChange month = changeFor(2024, 3, 5, at(2024, 4, 5));
    EXPECT_TRUE(month.newDay);
    EXPECT_EQ(month.elapsedDays, 31);
    EXPECT_TRUE(month.askUser);
    EXPECT_TRUE(month.newMonth);

    // A year later, in the same month: the month's counts are another month's.
    const DayChange year = changeFor(2023, 3, 5, at(2024, 3, 5));
    EXPECT_EQ(year.elapsedDays, 366);
    EXPECT_TRUE(year.newMonth);
    // Six weeks: more than a month, not a whole number of months.
    EXPECT_EQ(changeFor(2024, 1, 20, at(2024, 3, 2)).elapsedDays, 42);
}

TEST(DayChange, SameDayIsNoNewDay)
{
    EXPECT_FALSE(changeFor(2024, 3, 5, at(2024, 3, 5, 17)).newDay);
    // A new block has its switch-off time cleared; the day alone decides.
    EXPECT_FALSE(findDayChange(configOf(usedBlock(5, 0, 0, 0)), at(2024, 3, 5)).newDay);
}

TEST(DayChange, TillLeftRunningOverMidnightCountsFromTheDayItStarted)
{
    // Started on the 5th, switched off after midnight, started again the 6th.
    const TillConfig config = configOf(usedBlock(5, 2024, 3, 6));
    const DayChange change = findDayChange(config, at(2024, 3, 6));
    EXPECT_TRUE(change.newDay);
    EXPECT_EQ(change.elapsedDays, 1);
    EXPECT_FALSE(change.askUser);
    // The same over a month end: started 31 May, switched off 1 June.
    EXPECT_FALSE(findDayChange(configOf(usedBlock(31, 2024, 6, 1)), at(2024, 6, 1)).askUser);
}

TEST(DayChange, WithoutAStampTheDayOfLastUseCountsWithinAMonth)
{
    // No switch-off date: last use in this month before today, else last month.
    const TillConfig thisMonth = configOf(usedBlock(3, 0, 0, 0));
    EXPECT_EQ(findDayChange(thisMonth, at(2024, 3, 5)).elapsedDays, 2);
    const TillConfig lastMonth = configOf(usedBlock(29, 0, 0, 0));
    const DayChange change = findDayChange(lastMonth, at(2024, 3, 1));
    EXPECT_EQ(change.elapsedDays, 1); // 29 February 2024
    EXPECT_FALSE(change.askUser);
    EXPECT_EQ(findDayChange(lastMonth, at(2023, 3, 2)).elapsedDays, 2); // 28 February 2023
}

TEST(DayChange, ClockBeforeTheLastUseRollsOneDayAndAsks)
{
    const DayChange change = changeFor(2025, 6, 15, at(2024, 6, 10));
    EXPECT_TRUE(change.newDay);
    EXPECT_EQ(change.elapsedDays, 1);
    EXPECT_TRUE(change.askUser);
    // A day of last use that is no day: a new day, asked.
    const DayChange broken = findDayChange(configOf(usedBlock(45, 2024, 3, 5)), at(2024, 3, 6));
    EXPECT_TRUE(broken.newDay);
    EXPECT_TRUE(broken.askUser);
    EXPECT_EQ(broken.elapsedDays, 1);
}

TEST(UsageGap, QuestionNamesTheSwitchOffDateAndToday)
{
    const TillConfig config = configOf(usedBlock(5, 2024, 3, 5));
    EXPECT_EQ(usageGapText(config), "Warning: Usage gap from Tue 5 Mar 24");
    EXPECT_EQ(usageGapCaption(at(2024, 3, 7)), "If system date Thu 7 Mar 24 is correct select OK");
    // Dates before 1980 or not real are shown plainly.
    EXPECT_EQ(usageGapText(configOf(usedBlock(5, 1979, 12, 31))),
              "Warning: Usage gap from 31/12/1979");
    EXPECT_EQ(usageGapText(configOf(usedBlock(5, 0, 0, 0))), "Warning: Usage gap from 0/0/0");
}

TEST(RollOver, OneDayMovesTodayIntoYesterday)
{
    DayChange change;
    const std::string bytes = rolledOver(1, &change);
    EXPECT_EQ(change.elapsedDays, 1);
    EXPECT_EQ(test::getI32(bytes, kDayOfLastUseAt), 11);
    EXPECT_EQ(test::getI64(bytes, kYesterdayTransactionsAt), 12);
    EXPECT_EQ(test::getI64(bytes, kYesterdayItemsAt), 30);
    EXPECT_EQ(test::getI64(bytes, kTodayTransactionsAt), 0);
    EXPECT_EQ(test::getI64(bytes, kTodayItemsAt), 0);
    EXPECT_EQ(test::getI64(bytes, kNewCustomersAt), 0);

    EXPECT_EQ(takingsEntry(bytes, 0), 500.0);
    EXPECT_EQ(takingsEntry(bytes, 1), 1.0);
    EXPECT_EQ(takingsEntry(bytes, 400), 400.0);
    EXPECT_EQ(categoryEntry(bytes, 0, 0), 7.0);
    EXPECT_EQ(categoryEntry(bytes, 17, 0), 177.0);
    EXPECT_EQ(categoryEntry(bytes, 17, 1), 17001.0);
    EXPECT_EQ(categoryEntry(bytes, 17, 31), 17031.0);
    EXPECT_EQ(categoryEntry(bytes, 1, 31), 1031.0);

    // Everything of the day starts again; the month's counts stay.
    for (size_t c = 0; c < 18; ++c) {
        EXPECT_EQ(test::getI32(bytes, kCategoryDayCountsAt + 4 * c), 0);
        EXPECT_EQ(test::getI32(bytes, kCategoryMonthCountsAt + 4 * c), 40);
        EXPECT_EQ(test::getF64(bytes, kCategoryDayValuesAt + 8 * c), 0.0);
    }
    for (size_t i = 0; i < 11; ++i)
        EXPECT_EQ(test::getF32(bytes, kTenderCountsAt + 4 * i), 0.0f);
    EXPECT_EQ(test::getF64(bytes, kTillTakingsAt), 0.0);
    EXPECT_EQ(test::getF64(bytes, kPettyCashAt), 0.0);
    EXPECT_EQ(test::getF64(bytes, kCostOfSalesAt), 0.0);
}

TEST(RollOver, TwoDaysLeaveAnEmptyYesterday)
{
    const std::string bytes = rolledOver(2);
    EXPECT_EQ(test::getI64(bytes, kYesterdayTransactionsAt), 0);
    EXPECT_EQ(test::getI64(bytes, kYesterdayItemsAt), 0);
    EXPECT_EQ(takingsEntry(bytes, 0), 0.0);
    EXPECT_EQ(takingsEntry(bytes, 1), 500.0);
    EXPECT_EQ(takingsEntry(bytes, 2), 1.0);
    EXPECT_EQ(takingsEntry(bytes, 400), 399.0);
    EXPECT_EQ(categoryEntry(bytes, 5, 0), 0.0);
    EXPECT_EQ(categoryEntry(bytes, 5, 1), 57.0);
    EXPECT_EQ(categoryEntry(bytes, 5, 2), 5001.0);
    EXPECT_EQ(categoryEntry(bytes, 5, 31), 5030.0);
}

TEST(RollOver, ThirtyOneDaysKeepTheLastDayInBothHistories)
{
    DayChange change;
    const std::string bytes = rolledOver(31, &change); // 10 March to 10 April
    EXPECT_EQ(change.elapsedDays, 31);
    EXPECT_TRUE(change.newMonth);
    EXPECT_EQ(test::getI32(bytes, kDayOfLastUseAt), 10);
    for (size_t k = 0; k < 30; ++k)
        EXPECT_EQ(takingsEntry(bytes, k), 0.0) << k;
    EXPECT_EQ(takingsEntry(bytes, 30), 500.0);
    EXPECT_EQ(takingsEntry(bytes, 31), 1.0);
    EXPECT_EQ(takingsEntry(bytes, 400), 370.0);
    EXPECT_EQ(categoryEntry(bytes, 9, 29), 0.0);
    EXPECT_EQ(categoryEntry(bytes, 9, 30), 97.0);
    EXPECT_EQ(categoryEntry(bytes, 9, 31), 9001.0);
    for (size_t c = 0; c < 18; ++c)
        EXPECT_EQ(test::getI32(bytes, kCategoryMonthCountsAt + 4 * c), 0);
}

TEST(RollOver, FortyDaysPushTheCategoryHistoryOut)
{
    const std::string bytes = rolledOver(40); // 10 March to 19 April
    EXPECT_EQ(takingsEntry(bytes, 38), 0.0);
    EXPECT_EQ(takingsEntry(bytes, 39), 500.0);
    EXPECT_EQ(takingsEntry(bytes, 40), 1.0);
    EXPECT_EQ(takingsEntry(bytes, 400), 361.0);
    for (size_t c = 0; c < 18; ++c) {
        for (size_t d = 0; d < 32; ++d)
            EXPECT_EQ(categoryEntry(bytes, c, d), 0.0) << c << "," << d;
    }
}

TEST(RollOver, MoreDaysThanTheHistoryHoldsClearIt)
{
    TillConfig config = configOf(blockWithHistory(2022, 3, 10));
    const LocalTime today = at(2024, 3, 10);
    const DayChange change = findDayChange(config, today);
    EXPECT_EQ(change.elapsedDays, 731);
    rollOverDay(config, change, today);
    const std::string bytes(config.view());
    for (size_t k = 0; k < 401; ++k)
        EXPECT_EQ(takingsEntry(bytes, k), 0.0) << k;
}

TEST(RollOver, SameDayChangesNothing)
{
    TillConfig config = configOf(blockWithHistory(2024, 3, 10));
    const std::string before(config.view());
    rollOverDay(config, findDayChange(config, at(2024, 3, 10, 20)), at(2024, 3, 10, 20));
    EXPECT_EQ(std::string(config.view()), before);
}
