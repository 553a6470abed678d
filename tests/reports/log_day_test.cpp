// Finding a day in the log: the shape and reality of a typed day, and where
// printing from it starts.

#include "platform/clock.h"
#include "reports/logic/log_day.h"

#include <gtest/gtest.h>

namespace ovix {
namespace {

TEST(LogDay, OnlyTenCharacterRealDaysAreTaken)
{
    const struct {
        const char *typed;
        bool taken;
    } cases[] = {
        { "01/01/2026", true },
        { "1/1/2026", false }, // no leading zeros
        { "01/01/26", false },
        { "01-01-2026", false },
        { "01/01/2026 ", false },
        { "0a/01/2026", false },
        { "31/02/2026", false }, // no such day
        { "00/01/2026", false },
        { "01/13/2026", false },
        { "01/01/0000", false },
        { "29/02/2024", true },
        { "29/02/2026", false },
        { "29/02/2000", true }, // divisible by 400
        { "29/02/2100", false }, // a century that is not
        { "29/02/2400", true },
        { "31/12/9999", true },
        { "", false },
    };
    for (const auto &c : cases)
        EXPECT_EQ(logDayText(c.typed).has_value(), c.taken) << c.typed;
}

TEST(LogDay, TheDayOfATimeHasLeadingZeros)
{
    EXPECT_EQ(logDayOf(LocalTime { 2026, 3, 4, 9, 5, 0 }), "04/03/2026");
    EXPECT_EQ(logDayOf(LocalTime { 2026, 12, 25, 0, 0, 0 }), "25/12/2026");
}

TEST(LogDay, PrintingStartsAtTheLineThatHoldsTheFirstMention)
{
    const std::string log = "\r\n09:00 01/03/2026  Switched on.\r\n"
                            "\r\n10:15 02/03/2026 Sale: 7, Total: 1.00\r\n"
                            "\r\nItem 5, BOOK deleted.  Date: 11:00 03/03/2026\r\n"
                            "\r\n12:00 02/03/2026  Log on.\r\n";
    const struct {
        const char *day;
        std::optional<size_t> start;
    } cases[] = {
        { "01/03/2026", 2 },
        { "02/03/2026", log.find("10:15") },
        { "03/03/2026", log.find("Item 5") }, // the date in the middle of its line
        { "04/03/2026", std::nullopt },
    };
    for (const auto &c : cases)
        EXPECT_EQ(logDayStart(log, c.day), c.start) << c.day;
}

TEST(LogDay, NeverBeforeTheFileStartNorAMatchEndingBeforeTheThirteenthByte)
{
    // A log cut at its head: the day's line is the file's first.
    EXPECT_EQ(logDayStart("15 02/03/2026 Sale", "02/03/2026"), 0u);
    EXPECT_EQ(logDayStart("5 02/03/2026 Sale", "02/03/2026"), std::nullopt);
    // Ends at byte 12: too early; the next mention is taken.
    EXPECT_EQ(logDayStart("02/03/2026\r\nx 02/03/2026", "02/03/2026"), 12u);
    EXPECT_EQ(logDayStart("02/03/2026", "02/03/2026"), std::nullopt);
    EXPECT_EQ(logDayStart("", "02/03/2026"), std::nullopt);
}

} // namespace
} // namespace ovix
