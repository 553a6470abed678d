// The figures of the takings chart: which history entry each day's bar
// shows, and the months summed in whole cents from the daily entries.

#include "platform/clock.h"
#include "reports/logic/takings_chart.h"
#include "support/settings_fixture.h"

#include <gtest/gtest.h>

#include <string>

using namespace ovix;
using namespace ovix::test;

namespace {

LocalTime day(int year, int month, int dayOfMonth)
{
    return LocalTime { year, month, dayOfMonth, 12, 0, 0, 0 };
}

} // namespace

TEST(TakingsChart, TheDaysEndYesterdayOldestFirst)
{
    NewShop shop;
    TillConfig &config = shop.state.config;
    config.set(cfg::takingsHistory, 0, 120.5);  // yesterday
    config.set(cfg::takingsHistory, 29, 7.25);  // the oldest bar
    config.set(cfg::takingsHistory, 30, 999.0); // one day too old
    config.set(cfg::tillTakings, 555.0);        // today's running take
    struct Case {
        LocalTime today;
        const char *first;
        const char *last;
    };
    const Case cases[] = {
        {day(2026, 3, 15), "13/02", "14/03"},
        {day(2024, 3, 1), "31/01", "29/02"},
        {day(2100, 3, 1), "30/01", "28/02"}, // 2100 has no 29 February
        {day(2027, 1, 1), "02/12", "31/12"},
    };
    for (const Case &c : cases) {
        const auto bars = takingsOfLastDays(config, c.today);
        ASSERT_EQ(bars.size(), 30u);
        EXPECT_EQ(bars.front().label, c.first);
        EXPECT_EQ(bars.back().label, c.last);
        EXPECT_EQ(bars.front().cents, 725) << c.first;
        EXPECT_EQ(bars.back().cents, 12050) << c.last;
        EXPECT_EQ(bars[1].cents, 0) << "days without history show 0";
    }
}

TEST(TakingsChart, MonthsSumTheirDaysInWholeCents)
{
    NewShop shop;
    TillConfig &config = shop.state.config;
    for (size_t entry = 0; entry < 400; ++entry)
        config.set(cfg::takingsHistory, entry, 0.1);
    config.set(cfg::takingsHistory, 400, 1000.0); // the slot past the history is never read
    struct Case {
        LocalTime today;
        const char *first;
        int64_t firstCents;
        const char *last;
        int64_t lastCents;
        int64_t februaryCents;
    };
    const Case cases[] = {
        // 1 to 14 March so far; February 2026 has 28 days.
        {day(2026, 3, 15), "04/2025", 300, "03/2026", 140, 280},
        // On the 1st this month has no days yet.
        {day(2024, 3, 1), "04/2023", 300, "03/2024", 0, 290},
        {day(2100, 3, 31), "04/2099", 300, "03/2100", 300, 280},
        // 31 March: the April a year before begins 395 days back.
        {day(2026, 3, 31), "04/2025", 300, "03/2026", 300, 280},
    };
    for (const Case &c : cases) {
        const auto bars = takingsOfLastMonths(config, c.today);
        ASSERT_EQ(bars.size(), 12u);
        EXPECT_EQ(bars.front().label, c.first);
        EXPECT_EQ(bars.front().cents, c.firstCents) << c.first;
        EXPECT_EQ(bars.back().label, c.last);
        EXPECT_EQ(bars.back().cents, c.lastCents) << c.last;
        EXPECT_EQ(bars[10].cents, c.februaryCents) << c.last;
    }
}

TEST(TakingsChart, MonthsBeyondTheHistoryShowOnlyTheDaysItKeeps)
{
    NewShop shop;
    TillConfig &config = shop.state.config;
    config.set(cfg::takingsHistory, 399, 12.34); // 8 February 2025
    config.set(cfg::takingsHistory, 0, 1.0);     // 14 March 2026
    const auto bars = takingsOfLastMonths(config, day(2026, 3, 15));
    ASSERT_EQ(bars.size(), 12u);
    int64_t total = 0;
    for (const TakingsBar &bar : bars)
        total += bar.cents;
    EXPECT_EQ(total, 100) << "February 2025 lies before the twelve months shown";
    EXPECT_EQ(bars.back().cents, 100);
}
