// The report windows: the "Item summary" choice as its boxes stand (refunds
// excluded by default, the category list's ends), the period with its clerk,
// the item list and its totals, and the sales grid showing each list's first
// entry.

#include "reports/widgets/report_dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <gtest/gtest.h>

using namespace ovix;

TEST(ReportDialogs, ItemSummaryGivesTheChosenDaysFilterAndCategory)
{
    const std::vector<std::string> codes(18, "CAT");
    struct Case {
        ItemPeriod period;
        int categoryIndex;
        int category;
        CalendarDay start;
    };
    const Case cases[] = {
        { ItemPeriod::Daily, 0, 0, { 2026, 3, 7 } },
        { ItemPeriod::Weekly, 1, 1, { 2026, 3, 7 } },
        { ItemPeriod::Monthly, 18, 18, { 2026, 3, 1 } },
        { ItemPeriod::Range, 19, 19, { 2026, 3, 7 } },
    };
    for (const Case &c : cases) {
        ItemSummaryDialog dialog(c.period, { 2026, 2025 }, { 2026, 3, 7 }, codes, nullptr);
        EXPECT_EQ(dialog.start().day == nullptr, c.period == ItemPeriod::Monthly);
        EXPECT_EQ(dialog.end().month != nullptr, c.period == ItemPeriod::Range);
        dialog.category()->setCurrentIndex(c.categoryIndex);
        const ItemReportChoice choice = dialog.choice();
        EXPECT_EQ(choice.start, c.start);
        EXPECT_EQ(choice.filter.category, c.category);
        EXPECT_TRUE(choice.filter.excludeRefunds);
        EXPECT_FALSE(choice.filter.excludeCash);
    }

    ItemSummaryDialog range(ItemPeriod::Range, { 2026, 2025 }, { 2026, 3, 7 }, codes, nullptr);
    range.end().day->setCurrentIndex(0);
    range.end().year->setCurrentIndex(1);
    range.exclusion(0)->setChecked(false);
    range.exclusion(4)->setChecked(true);
    const ItemReportChoice choice = range.choice();
    EXPECT_EQ(choice.end, (CalendarDay { 2025, 3, 1 }));
    EXPECT_FALSE(choice.filter.excludeRefunds);
    EXPECT_TRUE(choice.filter.excludeCredit);
}

TEST(ReportDialogs, PeriodListsAndTotals)
{
    SalesPeriodDialog period({ 2026, 2025 }, { 2026, 2, 28 }, { "ANN", "BOB" }, nullptr);
    EXPECT_EQ(period.startDay(), (CalendarDay { 2026, 2, 28 }));
    EXPECT_EQ(period.clerk(), 1);
    SalesPeriodDialog shop({ 2026 }, { 2026, 2, 28 }, {}, nullptr);
    EXPECT_EQ(shop.clerk(), 0);

    ItemReport items;
    items.entries.push_back({ 101, 2, "TEA", false, 3, 0, 750, 75, 0, 330, 0, 825 });
    items.items = 3;
    items.cost = 330;
    items.retail = 750;
    ItemReportDialog list("Item report   Day 7 Month 3 2026", items, {}, {}, nullptr);
    ASSERT_EQ(list.list()->count(), 1);
    EXPECT_EQ(list.list()->item(0)->text().toStdString(), "101, TEA, 2, 3.30, 7.50, 0.75, 8.25, 3");
    EXPECT_EQ(list.total(1)->text().toStdString(), "3.30");
    EXPECT_EQ(list.total(2)->text().toStdString(), "7.50");

    SalesReport sales;
    sales.days = { { "30/1/2026", { 1, 2, 3, 4, 5 } }, { "31/1/2026", { 6, 7, 8, 9, 10 } } };
    sales.months = { { "1 of 2026", { 7, 9, 11, 13, 15 } } };
    SalesReportDialog grid("Sales report: x to y", sales, {}, nullptr);
    EXPECT_EQ(grid.list(0, 4)->count(), 2);
    EXPECT_EQ(grid.list(0, 4)->currentText().toStdString(), "30/1/2026  0.05");
    EXPECT_EQ(grid.list(1, 2)->currentText().toStdString(), "1 of 2026  0.11");
    EXPECT_EQ(grid.list(2, 0)->count(), 0);
}
