// The sales reports over a hand-made archive: day, month and year entries,
// the shop, one clerk and one item, account payments never counted, refunds
// subtracting, periods checked before the walk, and the printed page.

#include "platform/clock.h"
#include "platform/scripted_messages.h"
#include "print/logic/recording_print_device.h"
#include "reports/logic/report_dates.h"
#include "reports/logic/sales_report.h"
#include "reports/report_archive.h"
#include "support/golden_page.h"

#include <gtest/gtest.h>

using namespace ovix;
using namespace ovix::test;

namespace {

const ArchiveLine kTea { 101, "TEA", 2, 0.0f, 2.50f, 0.25f, 1.10f };
const ArchiveLine kCups { 202, "CUPS", 4, 1.20f, 0.0f, 0.0f, 0.60f };

// 30 January to 2 February 2026 and New Year's Eve before it.
void fillMonths(ReportArchive &archive)
{
    archive.add({ 2025, 12, 31 }, "Cash", { kTea }, 2);
    archive.add({ 2026, 1, 30 }, "Cash", { kTea, kCups }, 1);
    archive.add({ 2026, 1, 30 }, "Payment", { kTea }, 1);
    archive.add({ 2026, 1, 31 }, "EFT", { kCups }, 2);
    archive.add({ 2026, 2, 2 }, "Refund", { kTea }, 1);
    archive.add({ 2026, 2, 2 }, "Credit", { kTea, kTea }, 2);
}

std::vector<std::string> periods(const std::vector<SalesEntry> &entries)
{
    std::vector<std::string> texts;
    for (const SalesEntry &entry : entries)
        texts.push_back(entry.period);
    return texts;
}

} // namespace

TEST(SalesReport, MonthAndYearEntriesFollowTheWalk)
{
    ReportArchive archive;
    fillMonths(archive);
    const SalesReport report = buildSalesReport(
        archive.dir(), { SalesReportKind::Shop, { 2026, 1, 30 }, { 2026, 2, 2 } });
    EXPECT_EQ(report.days.size(), 3u); // 1 February has no file
    EXPECT_EQ(periods(report.months), (std::vector<std::string> { "1 of 2026", "2 of 2026" }));
    EXPECT_EQ(periods(report.years), std::vector<std::string> { "2026" });
    EXPECT_EQ(salesListEntries(report.months, 4),
        (std::vector<std::string> { "1 of 2026  5.15", "2 of 2026  2.75" }));
    EXPECT_EQ(salesListEntries(report.years, 1), std::vector<std::string> { "2026  5.00" });
    EXPECT_EQ(report.period, (SalesSums { 240, 500, 50, 0, 790 }));
}

TEST(SalesReport, ShopStaffAndItemTotals)
{
    ReportArchive archive;
    fillMonths(archive);
    struct Case {
        const char *what;
        SalesReportChoice choice;
        SalesSums period;
        size_t days;
        size_t months;
        size_t years;
    };
    const Case cases[] = {
        { "shop over the new year", { SalesReportKind::Shop, { 2025, 12, 31 }, { 2026, 2, 2 } },
            { 240, 750, 75, 0, 1065 }, 4, 3, 2 },
        { "clerk 2", { SalesReportKind::Staff, { 2025, 12, 31 }, { 2026, 2, 2 }, 2 },
            { 120, 750, 75, 0, 945 }, 4, 3, 2 },
        { "clerk 1: the refund subtracts", { SalesReportKind::Staff, { 2026, 1, 30 }, { 2026, 2, 2 }, 1 },
            { 120, 0, 0, 0, 120 }, 3, 2, 1 },
        { "item 101: days with its lines", { SalesReportKind::Item, { 2025, 12, 31 }, { 2026, 2, 2 }, 0, 101 },
            { 0, 750, 75, 0, 825 }, 3, 3, 2 },
        { "reversed", { SalesReportKind::Shop, { 2026, 2, 2 }, { 2026, 1, 30 } }, {}, 0, 0, 0 },
        { "impossible day", { SalesReportKind::Shop, { 2026, 2, 30 }, { 2026, 3, 2 } }, {}, 0, 0, 0 },
    };
    for (const Case &c : cases) {
        const SalesReport report = buildSalesReport(archive.dir(), c.choice);
        EXPECT_EQ(report.period, c.period) << c.what;
        EXPECT_EQ(report.days.size(), c.days) << c.what;
        EXPECT_EQ(report.months.size(), c.months) << c.what;
        EXPECT_EQ(report.years.size(), c.years) << c.what;
    }
}

TEST(SalesReport, PeriodsAreCheckedBeforeTheWalk)
{
    struct Case {
        CalendarDay start;
        CalendarDay end;
        bool accepted;
        const char *message;
    };
    const Case cases[] = {
        { { 2026, 1, 1 }, { 2026, 1, 31 }, true, "" },
        { { 2026, 1, 1 }, { 2026, 1, 1 }, true, "" },
        { { 1999, 1, 1 }, { 2026, 1, 1 }, false, "" },
        { { 2026, 1, 1 }, { 4001, 1, 1 }, false, "" },
        { { 2026, 0, 1 }, { 2026, 1, 1 }, false, "" },
        { { 2026, 1, 32 }, { 2026, 2, 1 }, false, "" },
        { { 2026, 2, 31 }, { 2026, 3, 1 }, false, "Invalid selection" },
        { { 2100, 2, 29 }, { 2100, 3, 1 }, false, "Invalid selection" },
        { { 2026, 3, 2 }, { 2026, 3, 1 }, false, "Invalid selection" },
    };
    for (const Case &c : cases) {
        ScriptedMessages messages;
        EXPECT_EQ(checkReportPeriod(c.start, c.end, messages), c.accepted)
            << c.start.day << "/" << c.start.month << "/" << c.start.year;
        EXPECT_EQ(messages.lastText(), c.message);
    }
}

TEST(SalesReport, TitlesAndThePrintedPage)
{
    const SalesReportChoice shop { SalesReportKind::Shop, { 2026, 1, 30 }, { 2026, 2, 2 } };
    EXPECT_EQ(salesReportTitle(shop),
        "Sales report: " + shortDateText(shop.start) + " to " + shortDateText(shop.end));
    SalesReportChoice staff = shop;
    staff.kind = SalesReportKind::Staff;
    EXPECT_EQ(salesReportTitle(staff).rfind("Staff sales report: ", 0), 0u);
    const SalesReportChoice early { SalesReportKind::Shop, { 1970, 1, 3 }, { 1970, 2, 2 } };
    EXPECT_EQ(salesReportTitle(early), " Sales report:  3/ 1/1970 to  2/ 2/1970");

    ReportArchive archive;
    fillMonths(archive);
    const SalesReport report = buildSalesReport(archive.dir(), shop);
    RecordingPageSetup page;
    page.pageWidth = 21000;
    page.printableWidth = 20200;
    RecordingPrintDevice device(page);
    ScriptedMessages messages;
    printSalesReport(device, "CORNER SHOP", salesReportTitle(shop), report.period,
        LocalTime { 2026, 2, 3, 17, 45, 0, 2 }, messages);
    EXPECT_TRUE(matchesGoldenPage(device.transcript(), "print/data/sales_report.txt"));
}
