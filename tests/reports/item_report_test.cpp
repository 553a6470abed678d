// The item reports over a hand-made archive: merging by item, refunds and
// non-inventory lines apart, the payment-type and category filters, account
// payments never counted, the CSV file byte for byte and the printed pages.

#include "platform/scripted_messages.h"
#include "print/logic/recording_print_device.h"
#include "reports/logic/item_report.h"
#include "reports/report_archive.h"
#include "support/golden_page.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace ovix;
using namespace ovix::test;

namespace {

const ArchiveLine kTea { 101, "TEA", 2, 0.0f, 2.50f, 0.25f, 1.10f };
const ArchiveLine kCups { 202, "CUPS", 4, 1.20f, 0.0f, 0.0f, 0.60f };
const ArchiveLine kLoose { 0, "LOOSE GOODS", kNonInventoryCategory, 3.00f, 0.0f, 0.0f, 0.0f };

// A week from 28 February 2028: tea sold on three days, cups once, two
// non-inventory lines, a refund of tea, an account payment, and a sale the
// day after the week.
void fillWeek(ReportArchive &archive)
{
    archive.add({ 2028, 2, 28 }, "Cash", { kTea, kCups });
    archive.add({ 2028, 2, 29 }, "EFT", { kTea, kLoose });
    archive.add({ 2028, 2, 29 }, "Payment", { kTea });
    archive.add({ 2028, 3, 1 }, "CH", { kLoose });
    archive.add({ 2028, 3, 2 }, "Refund", { kTea });
    archive.add({ 2028, 3, 5 }, "Credit", { kTea });
    archive.add({ 2028, 3, 5 }, "Split", { kCups });
    archive.add({ 2028, 3, 6 }, "Cash", { kTea });
}

ItemReportChoice choiceOf(ItemPeriod period, CalendarDay start, CalendarDay end = {})
{
    return { period, start, end, ItemFilter {} };
}

ItemReportChoice weekOf28February(ItemFilter filter = {})
{
    return { ItemPeriod::Weekly, { 2028, 2, 28 }, {}, filter };
}

ItemReport weekReport(const ReportArchive &archive, const ItemFilter &filter)
{
    return buildItemReport(archive.dir(), itemCalendarDays(weekOf28February(filter)), filter);
}

} // namespace

TEST(ItemReport, SalesOfAnItemMergeAndRefundsStandApart)
{
    ReportArchive archive;
    fillWeek(archive);
    ItemFilter withRefunds;
    withRefunds.excludeRefunds = false;
    const ItemReport report = weekReport(archive, withRefunds);
    const std::vector<std::string> expected = {
        "101, TEA, 2, 3.30, 7.50, 0.75, 8.25, 3",
        "202, CUPS, 4, 1.20, 2.40, 0.00, 2.40, 2",
        "0, LOOSE GOODS, 18, 0.00, 3.00, 0.00, 3.00, 1",
        "0, LOOSE GOODS, 18, 0.00, 3.00, 0.00, 3.00, 1",
        "Refund: 101, TEA, 2, -1.10, -2.50, -0.25, -2.75, 1",
    };
    EXPECT_EQ(itemReportLines(report), expected);
    EXPECT_EQ(report.items, 8);
    EXPECT_EQ(itemTotalsLine(report), "Items: 8, Cost: 3.40, Retail: 13.40");
}

TEST(ItemReport, FiltersLeaveOutTheirLines)
{
    ReportArchive archive;
    fillWeek(archive);
    struct Case {
        const char *what;
        ItemFilter filter;
        const char *totals;
    };
    auto filter = [](auto change) {
        ItemFilter f;
        change(f);
        return f;
    };
    const Case cases[] = {
        { "default: refunds out", {}, "Items: 7, Cost: 4.50, Retail: 15.90" },
        { "cash out", filter([](ItemFilter &f) { f.excludeCash = true; }),
            "Items: 5, Cost: 2.80, Retail: 12.20" },
        { "CH out", filter([](ItemFilter &f) { f.excludeCheque = true; }),
            "Items: 6, Cost: 4.50, Retail: 12.90" },
        { "EFT out", filter([](ItemFilter &f) { f.excludeEft = true; }),
            "Items: 5, Cost: 3.40, Retail: 10.40" },
        { "credit out", filter([](ItemFilter &f) { f.excludeCredit = true; }),
            "Items: 6, Cost: 3.40, Retail: 13.40" },
        { "split out", filter([](ItemFilter &f) { f.excludeSplit = true; }),
            "Items: 6, Cost: 3.90, Retail: 14.70" },
        { "category 2 (choice 3)", filter([](ItemFilter &f) { f.category = 3; }),
            "Items: 3, Cost: 3.30, Retail: 7.50" },
        { "non inventory (choice 19)", filter([](ItemFilter &f) { f.category = 19; }),
            "Items: 2, Cost: 0.00, Retail: 6.00" },
        { "a category without sales", filter([](ItemFilter &f) { f.category = 1; }),
            "Items: 0, Cost: 0.00, Retail: 0.00" },
    };
    for (const Case &c : cases)
        EXPECT_EQ(itemTotalsLine(weekReport(archive, c.filter)), c.totals) << c.what;
}

TEST(ItemReport, PeriodsCoverTheirDaysOnly)
{
    ReportArchive archive;
    fillWeek(archive);
    struct Case {
        ItemReportChoice choice;
        int items;
        const char *title;
    };
    const Case cases[] = {
        { choiceOf(ItemPeriod::Daily, { 2028, 2, 29 }), 2, "Item report   Day 29 Month 2 2028" },
        { choiceOf(ItemPeriod::Weekly, { 2028, 2, 28 }), 7, "Item report   Week from day 28 month 2 2028" },
        { choiceOf(ItemPeriod::Monthly, { 2028, 3, 1 }), 4, "Item report   Month 3 2028" },
        { choiceOf(ItemPeriod::Range, { 2028, 2, 29 }, { 2028, 3, 6 }), 6,
            "Item report D:29 M:2 Y:2028  to  D:6 M:3 Y:2028" },
        { choiceOf(ItemPeriod::Range, { 2028, 3, 6 }, { 2028, 2, 29 }), 0,
            "Item report D:6 M:3 Y:2028  to  D:29 M:2 Y:2028" },
        { choiceOf(ItemPeriod::Daily, { 2028, 2, 31 }), 0, "Item report   Day 31 Month 2 2028" },
    };
    for (const Case &c : cases) {
        const ItemReport report
            = buildItemReport(archive.dir(), itemCalendarDays(c.choice), c.choice.filter);
        EXPECT_EQ(report.items, c.items) << c.title;
        EXPECT_EQ(itemReportTitle(c.choice), c.title);
    }
}

// A year of one cent lines must add up to the cent; singles summed one by one
// drift.
TEST(ItemReport, AYearOfSmallAmountsSumsToTheCent)
{
    ReportArchive archive;
    std::vector<ArchiveLine> lines(300, ArchiveLine { 7, "PIN", 1, 0.0f, 0.01f, 0.0f, 0.01f });
    for (int month = 1; month <= 12; ++month)
        archive.add({ 2026, month, 1 }, "Cash", lines);
    const ItemReport report = buildItemReport(archive.dir(),
        daysFrom({ 2026, 1, 1 }, { 2026, 12, 31 }), ItemFilter {});
    EXPECT_EQ(itemTotalsLine(report), "Items: 3600, Cost: 36.00, Retail: 36.00");
    EXPECT_EQ(itemReportLines(report), std::vector<std::string> { "7, PIN, 1, 36.00, 36.00, 0.00, 36.00, 3600" });
}

TEST(ItemReport, CsvFileHoldsTheLinesAndTotals)
{
    ReportArchive archive;
    fillWeek(archive);
    const ItemReport report = weekReport(archive, ItemFilter {});
    EXPECT_EQ(itemCsvName({ 2026, 3, 7 }), "SA0307.CSV");
    EXPECT_EQ(itemCsvName({ 2026, 12, 25 }), "SA1225.CSV");

    const std::string path = archive.folder.file("SA0228.CSV");
    writeBytes(path, "an older file, longer than the new one will be ............................................................................................................");
    ScriptedMessages messages;
    ASSERT_TRUE(saveItemCsv(path, report, messages));
    EXPECT_EQ(messages.lastText(), "Complete");
    EXPECT_EQ(readBytes(path),
        "101, TEA, 2, 3.30, 7.50, 0.75, 8.25, 3\r\n"
        "202, CUPS, 4, 1.20, 2.40, 0.00, 2.40, 2\r\n"
        "0, LOOSE GOODS, 18, 0.00, 3.00, 0.00, 3.00, 1\r\n"
        "0, LOOSE GOODS, 18, 0.00, 3.00, 0.00, 3.00, 1\r\n"
        "Items: 7, Cost: 4.50, Retail: 15.90");

    ScriptedMessages failing;
    EXPECT_FALSE(saveItemCsv(archive.folder.file("no/such/folder/SA0228.CSV"), report, failing));
    EXPECT_EQ(failing.lastText(), "Unable to open file.");
}

TEST(ItemReport, CsvOfANewFileIsTheShopsAlone)
{
    ReportArchive archive;
    const std::string path = archive.folder.file("SA0101.CSV");
    ScriptedMessages messages;
    ASSERT_TRUE(saveItemCsv(path, ItemReport {}, messages));
    EXPECT_EQ(readBytes(path), "Items: 0, Cost: 0.00, Retail: 0.00");
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

// Twelve items on pages of ten lines' height: the list runs on to a second
// page under the later pages' heading, then the totals.
TEST(ItemReport, PrintedListRunsOnToFurtherPages)
{
    ReportArchive archive;
    for (int i = 1; i <= 12; ++i) {
        std::vector<ArchiveLine> lines(static_cast<size_t>(i),
            ArchiveLine { 1000 + i, "ITEM", 3, 0.0f, 1.00f, 0.10f, 0.40f });
        archive.add({ 2026, 3, 7 }, "Cash", lines);
    }
    const ItemReportChoice choice = choiceOf(ItemPeriod::Daily, { 2026, 3, 7 });
    const ItemReport report = buildItemReport(archive.dir(), itemCalendarDays(choice), {});
    RecordingPageSetup page;
    page.printableHeight = 10 * (page.lineHeight + 2);
    RecordingPrintDevice device(page);
    ScriptedMessages messages;
    printItemReport(device, choice, "CORNER SHOP", report, messages);
    EXPECT_TRUE(matchesGoldenPage(device.transcript(), "print/data/daily_item_report.txt"));

    const ItemReportChoice range = choiceOf(ItemPeriod::Range, { 2026, 3, 1 }, { 2026, 3, 31 });
    RecordingPrintDevice whole;
    printItemReport(whole, range, "CORNER SHOP", report, messages);
    EXPECT_TRUE(matchesGoldenPage(whole.transcript(), "print/data/range_item_report.txt"));
}

// Each period's first page names it; later pages only count.
TEST(ItemReport, EachPeriodHeadsItsPages)
{
    ItemReport report;
    for (int i = 0; i < 12; ++i)
        report.entries.push_back({ 1 + i, 0, "X", false, 1, 0, 100, 0, 0, 0, 0, 100 });
    report.items = 12;
    report.retail = 1200;
    struct Case {
        ItemReportChoice choice;
        const char *first;
        const char *second;
    };
    const Case cases[] = {
        { choiceOf(ItemPeriod::Daily, { 2026, 3, 7 }), "SHOP Daily item list: 7 Mar 2026  page: 1",
            "SHOP Daily item list, page: 2" },
        { choiceOf(ItemPeriod::Weekly, { 2026, 3, 7 }),
            "SHOP Weekly item list to 7 Mar 2026  page: 1", "SHOP Weekly item list, page: 2" },
        { choiceOf(ItemPeriod::Monthly, { 2026, 3, 1 }),
            "SHOP Monthly item list to 1 Mar 2026  page: 1", "SHOP Monthly item list, page: 2" },
        { choiceOf(ItemPeriod::Range, { 2026, 3, 1 }, { 2026, 3, 9 }),
            "SHOP Item list D:1 M:3 Y:2026 to D:9 M:3 Y:2026  page: 1", "SHOP Item list, page: 2" },
        { choiceOf(ItemPeriod::Daily, { 1975, 3, 7 }), "SHOP Daily item list:  7/ 3/1975  page: 1",
            "SHOP Daily item list, page: 2" },
    };
    for (const Case &c : cases) {
        RecordingPageSetup page;
        page.printableHeight = 10 * (page.lineHeight + 2);
        RecordingPrintDevice device(page);
        ScriptedMessages messages;
        printItemReport(device, c.choice, "SHOP", report, messages);
        const std::vector<std::string> texts = device.texts();
        ASSERT_EQ(texts.size(), 15u) << c.first; // 2 headings, 12 lines, totals
        EXPECT_EQ(texts[0], c.first);
        EXPECT_EQ(texts[9], c.second);
        EXPECT_EQ(texts.back(), "Items: 12, Cost: 0.00, Retail: 12.00");
    }
}
