#include "reports/logic/day_items_csv.h"

#include "reports/report_archive.h"

#include <gtest/gtest.h>

namespace ovix {
namespace {

const CalendarDay kDay {2026, 12, 8};

TEST(DayItemsCsv, AMissingSalesLogOrItemsLogIsToldApart)
{
    test::ReportArchive archive;
    EXPECT_EQ(dayItemsCsv(archive.dir(), 2026, 12, 8, false).status,
        DayItemsCsvStatus::NoSalesLog);
    archive.append(kDay, "saleslog.dat", "");
    EXPECT_EQ(dayItemsCsv(archive.dir(), 2026, 12, 8, false).status,
        DayItemsCsvStatus::NoItemsLog);
    archive.append(kDay, "itemslog.dat", "");
    const DayItemsCsv empty = dayItemsCsv(archive.dir(), 2026, 12, 8, false);
    EXPECT_EQ(empty.status, DayItemsCsvStatus::Written);
    EXPECT_EQ(empty.text, "");
}

TEST(DayItemsCsv, SalesLinesInSaleOrderWithoutRefundsOrAccountPayments)
{
    test::ReportArchive archive;
    archive.add(kDay, "Cash",
        {{101, "TEA \xE9", 3, 0, 2.5f, 0.25f, 1.2f}, {0, "MISC", 18, 1.05f, 0, 0, 0}}, 2);
    archive.add(kDay, "Refund", {{101, "TEA \xE9", 3, 0, 2.5f, 0.25f, 1.2f}});
    archive.add(kDay, "Payment", {{0, "ACCOUNT", 18, 40, 0, 0, 0}});
    archive.add(kDay, "EFT", {{7, "MUG", 5, 0, 4, 0.4f, 2}}, 3);

    const DayItemsCsv plain = dayItemsCsv(archive.dir(), 2026, 12, 8, false);
    ASSERT_EQ(plain.status, DayItemsCsvStatus::Written);
    EXPECT_EQ(plain.text,
        "101,TEA \xE9,0.00,2.50,0.25,0.00,1.20,2.75,1,2,Cash\r\n"
        "0,MISC,1.05,0.00,0.00,0.00,0.00,1.05,1,2,Cash\r\n"
        "7,MUG,0.00,4.00,0.40,0.00,2.00,4.40,4,3,EFT\r\n");

    const DayItemsCsv withCategory = dayItemsCsv(archive.dir(), 2026, 12, 8, true);
    EXPECT_EQ(withCategory.text,
        "101,TEA \xE9,3,0.00,2.50,0.25,0.00,1.20,2.75,1,2,Cash\r\n"
        "0,MISC,18,1.05,0.00,0.00,0.00,0.00,1.05,1,2,Cash\r\n"
        "7,MUG,5,0.00,4.00,0.40,0.00,2.00,4.40,4,3,EFT\r\n");
}

TEST(DayItemsCsv, EachSaleFindsItsLinesWhereverTheyStandInTheItemsLog)
{
    test::ReportArchive archive;
    const int64_t first = archive.add(kDay, "Cash", {{1, "A", 0, 1, 0, 0, 0}});
    const int64_t second = archive.add(kDay, "CH", {{2, "B", 0, 2, 0, 0, 0}});
    // A later line of the first sale after the second sale's lines.
    SoldItemRecord late {};
    late.transactionNumber = first;
    late.itemNumber = 3;
    writeFixedText(late.description, sizeof late.description, "C");
    late.total = 3;
    archive.append(kDay, "itemslog.dat", std::string(reinterpret_cast<const char *>(&late), sizeof late));

    EXPECT_EQ(dayItemsCsv(archive.dir(), 2026, 12, 8, false).text,
        "1,A,1.00,0.00,0.00,0.00,0.00,1.00,1,1,Cash\r\n"
        "3,C,0.00,0.00,0.00,0.00,0.00,3.00,1,0,Cash\r\n"
        "2,B,2.00,0.00,0.00,0.00,0.00,2.00," + std::to_string(second) + ",1,CH\r\n");
}

} // namespace
} // namespace ovix
