// The "Inventory received" report: which days it walks (across month ends,
// leap days, never a reversed or impossible range), its lines for receipts
// of items on file, deleted since, or read from a damaged log, its title,
// and its printed pages against the reviewed golden page.

#include "inventory/logic/received_log.h"
#include "inventory/logic/received_report.h"
#include "print/logic/recording_print_device.h"
#include "support/golden_page.h"
#include "till/sale_fixture.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>
#include <vector>

using namespace ovix;
using namespace ovix::test;

namespace {

std::string entries(std::initializer_list<std::pair<int64_t, int64_t>> list)
{
    std::string bytes;
    for (const auto &[number, quantity] : list) {
        std::string entry(16, '\0');
        putI64(entry, 0, number);
        putI64(entry, 8, quantity);
        bytes += entry;
    }
    return bytes;
}

// TEA (101) and MILK (102) on file; logs written byte by byte into day
// folders made by hand.
struct ReportShop : SaleShop {
    ReportShop()
    {
        addItem({ 101, "TEA", 5, 2.50f, 1.00f, 16, 1 });
        addItem({ 102, "MILK", 1, 1.20f, 0.80f, 3, 0 });
    }
    void log(int year, int month, int day, const std::string &bytes)
    {
        const std::string folder = cformat("%d/%d/%d", year, month, day);
        std::string path = temp.path();
        for (const std::string &part :
            { std::to_string(year), std::to_string(month), std::to_string(day) }) {
            path += "/" + part;
            mkdir(path.c_str(), 0700);
        }
        writeBytes(temp.file(folder + "/ininvent.dat"), bytes);
    }
    std::vector<std::string> lines(CalendarDay start, CalendarDay end) const
    {
        return receivedReportLines(state, start, end);
    }
};

std::string line(const char *date, int64_t number, const char *description, int64_t quantity)
{
    return cformat("%s         %lld %s        Quantity: %lld", date, static_cast<long long>(number),
        description, static_cast<long long>(quantity));
}

} // namespace

TEST(ReceivedReport, WalksEveryDayFromTheStartToTheEndInclusive)
{
    ReportShop shop;
    shop.log(2024, 2, 28, entries({ { 101, 5 } }));
    shop.log(2024, 2, 29, entries({ { 102, 7 } }));
    shop.log(2024, 3, 1, entries({ { 101, 1 }, { 102, 2 } }));
    shop.log(2024, 3, 2, entries({ { 101, 9 } }));
    shop.log(2025, 12, 31, entries({ { 102, 3 } }));
    shop.log(2026, 1, 1, entries({ { 101, 4 } }));

    EXPECT_EQ(shop.lines({ 2024, 2, 28 }, { 2024, 3, 1 }),
        (std::vector<std::string> { line("Wed 28 Feb 24", 101, "TEA", 5),
            line("Thu 29 Feb 24", 102, "MILK", 7), line("Fri 1 Mar 24", 101, "TEA", 1),
            line("Fri 1 Mar 24", 102, "MILK", 2) }));
    EXPECT_EQ(shop.lines({ 2025, 12, 31 }, { 2026, 1, 1 }),
        (std::vector<std::string> {
            line("Wed 31 Dec 25", 102, "MILK", 3), line("Thu 1 Jan 26", 101, "TEA", 4) }));
    EXPECT_EQ(shop.lines({ 2024, 3, 2 }, { 2024, 3, 2 }),
        (std::vector<std::string> { line("Sat 2 Mar 24", 101, "TEA", 9) }));

    // A reversed range and a day that does not exist walk no day at all.
    EXPECT_TRUE(shop.lines({ 2024, 3, 2 }, { 2024, 2, 28 }).empty());
    EXPECT_TRUE(shop.lines({ 2024, 2, 28 }, { 2024, 2, 31 }).empty());
    EXPECT_TRUE(shop.lines({ 2025, 2, 29 }, { 2025, 3, 1 }).empty());
}

TEST(ReceivedReport, DeletedItemsDamagedLogsAndMissingDaysAreHarmless)
{
    ReportShop shop;
    // 999 was never on file, 0 and -5 are no numbers; a torn end is left out.
    shop.log(2026, 3, 1,
        entries({ { 999, 2 }, { 0, 1 }, { -5, 6 }, { 101, -3 } }) + std::string(9, '\xff'));
    shop.log(2026, 3, 3, ""); // empty
    mkdir(shop.temp.file("2026/3/4").c_str(), 0700); // a day without a log
    EXPECT_EQ(shop.lines({ 2026, 3, 1 }, { 2026, 3, 4 }),
        (std::vector<std::string> { line("Sun 1 Mar 26", 999, "", 2),
            line("Sun 1 Mar 26", 0, "", 1), line("Sun 1 Mar 26", -5, "", 6),
            line("Sun 1 Mar 26", 101, "TEA", -3) }));
}

TEST(ReceivedReport, APeriodOutsideTheListsEndsSilentlyAndAWrongOneIsTold)
{
    struct Case {
        CalendarDay start;
        CalendarDay end;
        bool usable;
        const char *said; // nullptr: nothing
    };
    const Case cases[] = {
        { { 2026, 3, 1 }, { 2026, 3, 5 }, true, nullptr },
        { { 2026, 3, 5 }, { 2026, 3, 5 }, true, nullptr },
        { { 2026, 3, 5 }, { 2026, 3, 1 }, false, "Invalid selection" },
        { { 2026, 2, 30 }, { 2026, 3, 1 }, false, "Invalid selection" },
        { { 2026, 3, 0 }, { 2026, 3, 1 }, false, nullptr },
        { { 2026, 13, 1 }, { 2026, 3, 1 }, false, nullptr },
        { { 2026, 3, 1 }, { 2026, 3, 32 }, false, nullptr },
        { { 1999, 3, 1 }, { 2026, 3, 1 }, false, nullptr },
        { { 2026, 3, 1 }, { 4001, 3, 1 }, false, nullptr },
    };
    for (const Case &c : cases) {
        ScriptedMessages messages;
        EXPECT_EQ(checkReceivedPeriod(c.start, c.end, messages), c.usable);
        if (c.said) {
            ASSERT_EQ(messages.shown.size(), 1u);
            EXPECT_EQ(messages.lastText(), c.said);
            EXPECT_EQ(messages.lastCaption(), "Problem");
        } else {
            EXPECT_TRUE(messages.shown.empty());
        }
    }
}

TEST(ReceivedReport, TitleNamesBothDaysInTheShortForm)
{
    EXPECT_EQ(receivedReportTitle({ 2026, 3, 1 }, { 2026, 3, 5 }),
        "Inventory received: Sun 1 Mar 26 to Thu 5 Mar 26");
}

TEST(ReceivedReport, PrintedPagesMatchTheReviewedGoldenPage)
{
    ReportShop shop;
    shop.log(2026, 3, 4, entries({ { 101, 12 }, { 102, 24 }, { 998, 1 } }));
    shop.log(2026, 3, 5, entries({ { 101, 6 }, { 102, 2 } }));
    const std::vector<std::string> lines = shop.lines({ 2026, 3, 4 }, { 2026, 3, 5 });
    ASSERT_EQ(lines.size(), 5u);

    // A page that holds the heading and three lines.
    RecordingPageSetup setup;
    setup.pageWidth = 21000;
    setup.printableWidth = 20000;
    setup.pageHeight = 2100;
    setup.printableHeight = 2100;
    RecordingPrintDevice device(setup);
    ScriptedMessages messages;
    printReceivedReport(device, "CORNER SHOP", lines, messages);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(matchesGoldenPage(device.transcript(), "inventory/data/received_report.txt"));

    // With nothing received the page holds only its heading.
    RecordingPrintDevice empty(setup);
    printReceivedReport(empty, "CORNER SHOP", {}, messages);
    EXPECT_TRUE(matchesGoldenPage(empty.transcript(), "inventory/data/received_report_empty.txt"));
}

TEST(ReceivedReport, PrintsThroughThePreviewAndTheDialogAsEveryReport)
{
    ReportShop shop;
    const PrintRequest request = receivedReportPrintRequest(shop.state);
    EXPECT_TRUE(request.preview);
    EXPECT_EQ(request.printer, PrinterChoice::Dialog);
    EXPECT_EQ(request.copies, 1);
    EXPECT_EQ(request.kind, "received");
    EXPECT_EQ(request.pdfFolder, shop.temp.file("printouts"));
}
