// The status screen and the printed status report: figures of a day of sales
// made through the sale logic, counts kept as floats printed as whole
// numbers, week and month comparisons over the takings history.

#include "platform/clock.h"
#include "print/logic/recording_print_device.h"
#include "reports/logic/status_report.h"
#include "sales/logic/complete_transaction.h"
#include "support/golden_page.h"
#include "support/settings_fixture.h"
#include "till/sale_fixture.h"

#include <gtest/gtest.h>

#include <string>

using namespace ovix;
using namespace ovix::test;

namespace {

std::string valueOf(const std::vector<StatusLine> &lines, const std::string &caption, int nth = 0)
{
    for (const StatusLine &line : lines)
        if (line.caption == caption && nth-- == 0)
            return line.value;
    return "(missing " + caption + ")";
}

StatusFacts counterFacts()
{
    StatusFacts facts;
    facts.storeName = "CORNER SHOP";
    facts.switchOnHour = 8;
    facts.switchOnMinute = 5;
    const int off[5] = {30, 18, 14, 3, 2026};
    const int backup[5] = {0, 9, 1, 3, 2026};
    for (int i = 0; i < 5; ++i) {
        facts.switchOff[i] = off[i];
        facts.backup[i] = backup[i];
    }
    facts.itemsOnFile = 3;
    facts.highestItem = 103;
    facts.customersOnFile = 0;
    return facts;
}

// A day with figures in every group, history for three weeks and more.
TillConfig busyDay()
{
    NewShop shop;
    TillConfig config = shop.state.config;
    config.set(cfg::tillTakings, 120.50);
    config.set(cfg::cashSales, 100.25);
    config.set(cfg::cashSalesCount, 3.0f);
    config.set(cfg::eftSales, 40.00);
    config.set(cfg::eftSalesCount, 1.9999999f); // a count that drifted below 2
    config.set(cfg::creditSales, 12.00);
    config.set(cfg::creditSalesCount, 1.0f);
    config.set(cfg::cashRefunds, -9.75);
    config.set(cfg::cashRefundsCount, 1.0f);
    config.set(cfg::cashBalancePayments, 20.00);
    config.set(cfg::cashBalancePaymentsCount, 1.0f);
    config.set(cfg::pettyCash, 5.00);
    config.set(cfg::cashBack, 10.00);
    config.set(cfg::nonTaxableSales, 30.00);
    config.set(cfg::taxableSales, 100.00);
    config.set(cfg::subtotalSales, 130.00);
    config.set(cfg::taxOneSales, 20.00);
    config.set(cfg::salesTotal, 150.00);
    config.set(cfg::costOfSales, 70.10);
    config.set(cfg::todayTransactionCount, 5);
    config.set(cfg::todayItemCount, 12);
    config.set(cfg::nextTransactionNumber, 77);
    for (size_t entry = 0; entry < 400; ++entry)
        config.set(cfg::takingsHistory, entry, 10.0 + static_cast<double>(entry % 7));
    return config;
}

} // namespace

TEST(StatusScreen, FiguresOfTheDaysSalesMadeThroughTheTill)
{
    setFixedLocalTime(kSaleTime);
    FiveLineShop shop;
    ScriptedMessages quiet;
    Basket cash = shop.basket();
    SaleShop::pay(cash, "Cash");
    ASSERT_EQ(completeTransaction(shop.state, cash, quiet), CompletionResult::Archived);
    Basket card {};
    shop.ringUp(card, 101);
    SaleShop::pay(card, "EFT");
    ASSERT_EQ(completeTransaction(shop.state, card, quiet), CompletionResult::Archived);
    const std::vector<StatusLine> lines
        = statusScreenLines(shop.state.config, statusFacts(shop.state), kSaleTime);
    setFixedLocalTime(std::nullopt);

    EXPECT_EQ(valueOf(lines, "Cash sales"), "(1): 12.59");
    EXPECT_EQ(valueOf(lines, "EFT sales"), "(1): 3.00");
    EXPECT_EQ(valueOf(lines, "Total sales"), "15.59");
    EXPECT_EQ(valueOf(lines, "Today's till take"), "15.59");
    EXPECT_EQ(valueOf(lines, "Inventory on the system"), "3");
    EXPECT_EQ(valueOf(lines, "Highest inventory number"), "103");
    EXPECT_EQ(valueOf(lines, "Highest customer number"), "0");
    EXPECT_EQ(valueOf(lines, "Cost of sales"), "4.70"); // 2 x 1.00 + 0.80 + 0.90 + 1.00
    EXPECT_EQ(valueOf(lines, "Total"), "15.59");
}

TEST(StatusScreen, CountsKeptAsFloatsShowAsWholeNumbers)
{
    const std::vector<StatusLine> lines
        = statusScreenLines(busyDay(), counterFacts(), LocalTime { 2026, 3, 15, 17, 0, 0, 0 });
    EXPECT_EQ(valueOf(lines, "Cash sales"), "(3): 100.25");
    EXPECT_EQ(valueOf(lines, "EFT sales"), "(2): 40.00");
    EXPECT_EQ(valueOf(lines, "Credit sales"), "(1): 12.00");
    EXPECT_EQ(valueOf(lines, "Total sales"), "152.25");
    EXPECT_EQ(valueOf(lines, "Total refunds"), "-9.75");
    EXPECT_EQ(valueOf(lines, "Cash"), "(1): 20.00");
    EXPECT_EQ(valueOf(lines, "Gross profit"), "59.90");
    EXPECT_EQ(valueOf(lines, "Offtime"), "18:30 14/3/2026");
    EXPECT_EQ(valueOf(lines, "Backup"), "09:00 1/3/2026");
}

TEST(StatusScreen, WeekComparisonNamesTheWeekEnds)
{
    struct Case {
        LocalTime today;
        bool emptyHistory;
        const char *caption;
        const char *value;
    };
    const Case cases[] = {
        // Entries 0-6 and 7-13 of busyDay() hold the same seven values.
        {{2026, 3, 15, 9, 0, 0, 0}, false, "W/E 14/3 vs W/E 7/3", "100.00%"},
        {{2026, 3, 15, 9, 0, 0, 0}, true, "W/E 14/3/2026 vs W/E 7/3/2026", "0.00%"},
        // The week ends counted back over a month end and over February of
        // 2100, which has 28 days.
        {{2100, 3, 3, 9, 0, 0, 0}, false, "W/E 2/3 vs W/E 23/2", "100.00%"},
        {{2024, 3, 1, 9, 0, 0, 0}, true, "W/E 29/2/2024 vs W/E 22/2/2024", "0.00%"},
    };
    for (const Case &c : cases) {
        TillConfig config = busyDay();
        if (c.emptyHistory)
            for (size_t entry = 0; entry < 401; ++entry)
                config.set(cfg::takingsHistory, entry, 0.0);
        const std::vector<StatusLine> lines = statusScreenLines(config, counterFacts(), c.today);
        EXPECT_EQ(valueOf(lines, c.caption), c.value) << c.caption;
    }
}

TEST(StatusReport, MonthlyTotalsSumTheHistoryByCalendarMonth)
{
    NewShop shop;
    TillConfig config = shop.state.config;
    // 1 March 2100 is entry 0 on 2 March; February 2100 has 28 days.
    for (size_t entry = 0; entry < 401; ++entry)
        config.set(cfg::takingsHistory, entry, 1.01);
    config.set(cfg::tillTakings, 50.00);
    const std::vector<MonthTakings> months
        = monthlyTakings(config, LocalTime { 2100, 3, 2, 9, 0, 0, 0 });
    ASSERT_EQ(months.size(), 13u);
    EXPECT_EQ(months.front().year, 2099);
    EXPECT_EQ(months.front().month, 3);
    EXPECT_EQ(months[11].month, 2);
    EXPECT_EQ(months[11].cents, 28 * 101);
    EXPECT_EQ(months[10].cents, 31 * 101);
    EXPECT_EQ(months.back().cents, 101 + 5000);
    // A year of 0.10 a day is kept to the cent.
    for (size_t entry = 0; entry < 401; ++entry)
        config.set(cfg::takingsHistory, entry, 0.10);
    int64_t sum = 0;
    for (const MonthTakings &month : monthlyTakings(config, LocalTime { 2026, 3, 15, 9, 0, 0, 0 }))
        sum += month.cents;
    EXPECT_EQ(sum, 5000 + 10 * (365 + 14));
}

TEST(StatusReport, TodayAgainstALastWeekdayOfNothingIsZeroPercent)
{
    TillConfig config = busyDay();
    config.set(cfg::takingsHistory, 6, 0.0);
    const std::vector<std::string> rows
        = statusReportLines(config, counterFacts(), LocalTime { 2026, 3, 15, 17, 0, 0, 0 });
    EXPECT_EQ(rows[8], "Today vs. last Sunday: 0.00%");
}

TEST(StatusReport, PrintedPage)
{
    RecordingPageSetup a4;
    a4.pageWidth = 21000;
    a4.printableWidth = 20200;
    a4.pageHeight = 29700;
    a4.printableHeight = 28900;
    RecordingPrintDevice device(a4);
    printStatusReport(device, busyDay(), counterFacts(), LocalTime { 2026, 3, 15, 17, 40, 0, 0 });
    EXPECT_TRUE(matchesGoldenPage(device.transcript(), "print/data/status_report.txt"));
}

TEST(StatusReport, MonthlyTotalsAreLeftOutWhenTheShopSaysSo)
{
    TillConfig config = busyDay();
    const LocalTime now { 2026, 3, 15, 17, 0, 0, 0 };
    const size_t withTotals = statusReportLines(config, counterFacts(), now).size();
    config.set(cfg::omitMonthlyTotals, 2);
    EXPECT_EQ(statusReportLines(config, counterFacts(), now).size(), withTotals - 16);
}
