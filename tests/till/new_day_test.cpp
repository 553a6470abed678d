#include "platform/clock.h"
#include "store/till_config.h"
#include "support/settings_fixture.h"
#include "support/start_fixture.h"
#include "support/test_support.h"
#include "till/logic/new_day.h"

#include <gtest/gtest.h>

#include <string>

using namespace ovix;

namespace {

using namespace ovix::test;

// More offsets in wr.cfg (the day's and the history's, beside those of the
// start fixture), typed here rather than taken from the code.
constexpr size_t kTodayItemsAt = 160;
constexpr size_t kTodayTransactionsAt = 320;
constexpr size_t kYesterdayItemsAt = 880;
constexpr size_t kYesterdayTransactionsAt = 888;
constexpr size_t kNewCustomersAt = 960;
constexpr size_t kCategoryDayCountsAt = 604;
constexpr size_t kCategoryMonthCountsAt = 676;
constexpr size_t kTenderCountsAt = 3030; // 11 floats
constexpr size_t kCategoryHistoryAt = 3346; // 18 rows of 32 doubles
constexpr size_t kPettyCashAt = 41822;
constexpr size_t kCostOfSalesAt = 41894;
constexpr size_t kCategoryDayValuesAt = 42070;

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

DayChange changeFor(int lastYear, int lastMonth, int lastDay, const LocalTime &today)
{
    return findDayChange(blockOf(usedBlock(lastDay, lastYear, lastMonth, lastDay)), today);
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
std::string rolledOver(int elapsed)
{
    TillConfig config = blockOf(blockWithHistory(2024, 3, 10));
    LocalTime today = at(2024, 3, 10);
    for (int i = 0; i < elapsed; ++i) {
        today.day++;
        if (today.day > daysInMonth(today.year, today.month)) {
            today.day = 1;
            today.month++;
        }
        if (today.month > 12) {
            today.month = 1;
            today.year++;
        }
    }
    const DayChange change = findDayChange(config, today);
    EXPECT_EQ(change.elapsedDays, elapsed);
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
    EXPECT_FALSE(changeFor(2024, 3, 5, at(2024, 3, 5, 17)).newDay);

    struct Case {
        int year, month, day;
    };
    // Last days of months, leap and not (2100 is no leap year), and a year end.
    for (Case last : {Case{2024, 1, 31}, Case{2024, 2, 29}, Case{2023, 2, 28}, Case{2100, 2, 28},
                      Case{2024, 4, 30}, Case{2023, 12, 31}}) {
        const int month = last.month == 12 ? 1 : last.month + 1;
        const int year = last.month == 12 ? last.year + 1 : last.year;
        const DayChange change = changeFor(last.year, last.month, last.day, at(year, month, 1));
        EXPECT_EQ(change.elapsedDays, 1) << last.year << "-" << last.month;
        EXPECT_FALSE(change.askUser) << last.year << "-" << last.month;
        EXPECT_TRUE(change.newMonth);
    }
    // Started on the 31st, switched off after midnight, started again on the 1st.
    EXPECT_FALSE(findDayChange(blockOf(usedBlock(31, 2024, 6, 1)), at(2024, 6, 1)).askUser);
}

TEST(DayChange, GapsAreCountedInCalendarDaysAndAsked)
{
    const DayChange twoDays = changeFor(2024, 3, 5, at(2024, 3, 7));
    EXPECT_EQ(twoDays.elapsedDays, 2);
    EXPECT_TRUE(twoDays.askUser);
    EXPECT_EQ(changeFor(2023, 2, 28, at(2023, 3, 2)).elapsedDays, 2);
    EXPECT_EQ(changeFor(2024, 2, 28, at(2024, 3, 2)).elapsedDays, 3);

    // Exactly a month later, when the day of the month alone shows no change.
    const DayChange month = changeFor(2024, 3, 5, at(2024, 4, 5));
    EXPECT_TRUE(month.newDay);
    EXPECT_EQ(month.elapsedDays, 31);
    EXPECT_TRUE(month.askUser);
    // A year later in the same month: the month's counts are another month's.
    const DayChange year = changeFor(2023, 3, 5, at(2024, 3, 5));
    EXPECT_EQ(year.elapsedDays, 366);
    EXPECT_TRUE(year.newMonth);
    EXPECT_EQ(changeFor(2024, 1, 20, at(2024, 3, 2)).elapsedDays, 42);
}

TEST(DayChange, UnusualStampsAndClocks)
{
    // A new block has no switch-off time: the day of last use counts within a month.
    EXPECT_FALSE(findDayChange(blockOf(usedBlock(5, 0, 0, 0)), at(2024, 3, 5)).newDay);
    EXPECT_EQ(findDayChange(blockOf(usedBlock(3, 0, 0, 0)), at(2024, 3, 5)).elapsedDays, 2);
    const DayChange lastMonth = findDayChange(blockOf(usedBlock(29, 0, 0, 0)), at(2024, 3, 1));
    EXPECT_EQ(lastMonth.elapsedDays, 1);
    EXPECT_FALSE(lastMonth.askUser);
    // A clock now before the last use, and a day of last use that is no day:
    // one day rolls over, after the question.
    for (const DayChange &change : {changeFor(2025, 6, 15, at(2024, 6, 10)),
                                    findDayChange(blockOf(usedBlock(45, 2024, 3, 5)),
                                                  at(2024, 3, 6))}) {
        EXPECT_TRUE(change.newDay);
        EXPECT_EQ(change.elapsedDays, 1);
        EXPECT_TRUE(change.askUser);
    }
}

TEST(UsageGap, QuestionNamesTheSwitchOffDateAndToday)
{
    const TillConfig config = blockOf(usedBlock(5, 2024, 3, 5));
    EXPECT_EQ(usageGapText(config), "Warning: Usage gap from Tue 5 Mar 24");
    EXPECT_EQ(usageGapCaption(at(2024, 3, 7)), "If system date Thu 7 Mar 24 is correct select OK");
}

TEST(UsageGap, AStampThatIsNoDateIsNotShownAsOne)
{
    const struct {
        int year, month, day;
        const char *shown;
    } stamps[] = {
        {1979, 12, 31, "31/12/1979"}, // a real date before 1980: plainly
        {1, 1, 1, "1/1/1"},
        {0, 0, 0, "an unknown date"}, // never switched off
        {2024, 2, 30, "an unknown date"},
        {2023, 2, 29, "an unknown date"},
        {2024, 13, 1, "an unknown date"},
        {-1, -1, -1, "an unknown date"},
        {-16843009, -16843009, -16843009, "an unknown date"}, // 0xFEFEFEFE
        {10000, 1, 1, "an unknown date"},
        {INT32_MAX, 12, 31, "an unknown date"},
    };
    for (const auto &stamp : stamps) {
        EXPECT_EQ(usageGapText(blockOf(usedBlock(5, stamp.year, stamp.month, stamp.day))),
                  std::string("Warning: Usage gap from ") + stamp.shown)
            << stamp.year << "-" << stamp.month << "-" << stamp.day;
    }
}

TEST(RollOver, OneDayMovesTodayIntoYesterday)
{
    const std::string bytes = rolledOver(1);
    EXPECT_EQ(test::getI32(bytes, kDayOfLastUseAt), 11);
    EXPECT_EQ(test::getI64(bytes, kYesterdayTransactionsAt), 12);
    EXPECT_EQ(test::getI64(bytes, kYesterdayItemsAt), 30);
    EXPECT_EQ(test::getI64(bytes, kTodayTransactionsAt), 0);
    EXPECT_EQ(test::getI64(bytes, kTodayItemsAt), 0);
    EXPECT_EQ(test::getI64(bytes, kNewCustomersAt), 0);
    EXPECT_EQ(takingsEntry(bytes, 0), 500.0);
    EXPECT_EQ(takingsEntry(bytes, 1), 1.0);
    EXPECT_EQ(takingsEntry(bytes, 400), 400.0);
    EXPECT_EQ(categoryEntry(bytes, 17, 0), 177.0);
    EXPECT_EQ(categoryEntry(bytes, 17, 31), 17031.0);

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

TEST(RollOver, LongerGapsShiftBothHistoriesByTheDaysElapsed)
{
    for (int elapsed : {2, 31, 40, 400, 401, 500}) {
        SCOPED_TRACE(elapsed);
        const std::string bytes = rolledOver(elapsed);
        EXPECT_EQ(test::getI64(bytes, kYesterdayTransactionsAt), 0);
        EXPECT_EQ(test::getI64(bytes, kYesterdayItemsAt), 0);
        // The last day of use lands `elapsed - 1` entries back; older days follow.
        const auto last = static_cast<size_t>(elapsed - 1);
        EXPECT_EQ(takingsEntry(bytes, last - 1), 0.0);
        if (last < 401) {
            EXPECT_EQ(takingsEntry(bytes, last), 500.0);
        }
        if (last + 1 < 401) {
            EXPECT_EQ(takingsEntry(bytes, last + 1), 1.0);
            EXPECT_EQ(takingsEntry(bytes, 400), 401.0 - elapsed);
        }
        if (last < 32) {
            EXPECT_EQ(categoryEntry(bytes, 9, last), 97.0);
            EXPECT_EQ(categoryEntry(bytes, 9, last + 1), 9001.0);
        } else {
            EXPECT_EQ(categoryEntry(bytes, 9, 31), 0.0);
        }
        const bool newMonth = elapsed >= 22; // 10 March + 22 days = 1 April
        EXPECT_EQ(test::getI32(bytes, kCategoryMonthCountsAt), newMonth ? 0 : 40);
    }
}

TEST(RollOver, SameDayChangesNothing)
{
    TillConfig config = blockOf(blockWithHistory(2024, 3, 10));
    const std::string before(config.view());
    rollOverDay(config, findDayChange(config, at(2024, 3, 10, 20)), at(2024, 3, 10, 20));
    EXPECT_EQ(std::string(config.view()), before);
}
