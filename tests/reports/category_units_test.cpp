// Units by category from the counters in wr.cfg: today's, and the month's
// with the earlier days' values of this month only.

#include "platform/clock.h"
#include "print/logic/recording_print_device.h"
#include "reports/logic/category_units.h"
#include "store/till_config.h"
#include "support/golden_page.h"

#include <gtest/gtest.h>

using namespace ovix;

TEST(CategoryUnits, DayAndMonthFromTheCounters)
{
    TillConfig config;
    config.setCategoryName(1, "BKS");
    config.set(cfg::categoryDayCounts, 0, 3);
    config.set(cfg::categoryMonthCounts, 0, 40);
    config.set(cfg::categoryDayValues, 0, 12.10);
    // Yesterday and the day before are this month's; day 3 before is last month's.
    config.set(cfg::categoryTakingsHistory, categoryHistoryIndex(0, 0), 1.01);
    config.set(cfg::categoryTakingsHistory, categoryHistoryIndex(0, 1), 2.02);
    config.set(cfg::categoryTakingsHistory, categoryHistoryIndex(0, 2), 500.0);
    config.set(cfg::categoryDayCounts, 17, 1);
    config.set(cfg::categoryDayValues, 17, 0.30);
    const LocalTime today { 2026, 3, 3, 10, 0, 0, 2 };

    struct Case {
        bool month;
        size_t category;
        const char *text;
    };
    const Case cases[] = { { false, 0, "3, 12.10" }, { true, 0, "40, 15.13" },
        { false, 17, "1, 0.30" }, { true, 17, "0, 0.30" }, { false, 5, "0, 0.00" } };
    for (const Case &c : cases) {
        const std::vector<CategoryUnits> rows = categoryUnits(config, c.month, today);
        ASSERT_EQ(rows.size(), 18u);
        EXPECT_EQ(categoryUnitsText(rows[c.category]), c.text) << c.category << c.month;
    }
    EXPECT_EQ(categoryUnits(config, false, today)[0].code, "BKS");

    RecordingPrintDevice device;
    printCategoryUnits(device, "CORNER SHOP", true, categoryUnits(config, true, today), today);
    EXPECT_TRUE(test::matchesGoldenPage(device.transcript(), "print/data/category_units_month.txt"));
}
