// The customer's statement and period activity: the listing over the day
// archive, the lines by payment type, the terms line, and the printed pages
// compared with their reviewed transcripts (support/golden_page.h).

#include "accounts/account_shop.h"
#include "accounts/logic/account_history.h"
#include "accounts/logic/account_payment.h"
#include "accounts/logic/customer_terms.h"
#include "accounts/logic/statement.h"
#include "print/logic/recording_print_device.h"
#include "sales/logic/complete_transaction.h"
#include "store/store_heading.h"
#include "support/golden_page.h"
#include "support/recording_sale_devices.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace ovix;
using namespace ovix::test;

namespace {

// An A4 page at 600 dots per inch with 4 mm margins.
RecordingPageSetup a4()
{
    RecordingPageSetup page;
    page.pageWidth = 21000;
    page.pageHeight = 29700;
    page.offsetLeft = 400;
    page.offsetTop = 400;
    page.printableWidth = 20200;
    page.printableHeight = 28900;
    page.dotsPerInch = 600;
    return page;
}

TransactionRecord record(int64_t number, int64_t customer, const char *type, float total)
{
    TransactionRecord r {};
    r.transactionNumber = number;
    r.customerNumber = customer;
    r.total = total;
    writeText(r.paymentType, type);
    return r;
}

// Appends records to the saleslog.dat of a day, as the archive holds them.
void archive(const SaleShop &shop, const ArchiveDay &day, const std::vector<TransactionRecord> &records)
{
    const std::string folder = shop.temp.file(cformat("%d/%d/%d", day.year, day.month, day.day));
    std::filesystem::create_directories(folder);
    std::string bytes = fileExists(folder + "/saleslog.dat") ? readBytes(folder + "/saleslog.dat") : "";
    for (const TransactionRecord &r : records)
        bytes.append(reinterpret_cast<const char *>(&r), sizeof r);
    writeBytes(folder + "/saleslog.dat", bytes);
}

} // namespace

TEST(Statement, EachRecordGivesTheLineOfItsPaymentType)
{
    struct Case {
        const char *type;
        const char *line;
    };
    const Case cases[] = {
        { "Cash", "Cash paid sale: Thu 5 Mar 26,  Transaction: 41, Total: 9.99" },
        { "Payment", "Payment: Thu 5 Mar 26,  Transaction: 41, 9.99" },
        { "Payment (cash)", "Payment (cash) sale: Thu 5 Mar 26,  Transaction: 41, Total: 9.99" },
        { "Credit", "Credit sale: Thu 5 Mar 26,  Transaction: 41, Total: 9.99" },
        { "CH", "CH sale: Thu 5 Mar 26,  Transaction: 41, Total: 9.99" },
    };
    for (const Case &c : cases) {
        const CustomerTransaction transaction { { 2026, 3, 5 }, record(41, 7, c.type, 9.99f) };
        EXPECT_EQ(statementLine(transaction), c.line) << c.type;
    }
    // A day that does not exist is shown as its numbers.
    EXPECT_EQ(archiveDayText({ 2026, 2, 31 }), "31/2/2026");
    EXPECT_EQ(archiveDayText({ 1975, 1, 2 }), "2/1/1975");
}

TEST(Statement, ACustomerWithNoTransactionsHasOnlyTheBalanceLine)
{
    AccountShop shop;
    const std::vector<CustomerTransaction> none
        = customerTransactions(shop.state.dir, 8, { 2026, 1, 1 }, { 2026, 3, 5 });
    EXPECT_TRUE(none.empty());
    EXPECT_EQ(statementLines(none, -2.5f), std::vector<std::string> { "Balance: -2.50" });
}

TEST(Statement, ThePeriodStepsThroughTheDaysOfFebruaryAsTheArchiveHasThem)
{
    struct Case {
        int year;
        size_t days; // 28 February to 1 March
    };
    // 2100 is no leap year: a stray 2100/2/29 folder is never walked.
    for (const Case &c : { Case { 2028, 3 }, Case { 2027, 2 }, Case { 2100, 2 }, Case { 2000, 3 } }) {
        AccountShop shop;
        for (int day : { 27, 28, 29, 30 })
            archive(shop, { c.year, 2, day }, { record(day, 7, "Credit", 1.0f) });
        archive(shop, { c.year, 3, 1 }, { record(1, 7, "Credit", 1.0f), record(2, 8, "Cash", 1.0f) });
        archive(shop, { c.year, 3, 2 }, { record(3, 7, "Credit", 1.0f) });
        const std::vector<CustomerTransaction> found
            = customerTransactions(shop.state.dir, 7, { c.year, 2, 28 }, { c.year, 3, 1 });
        EXPECT_EQ(found.size(), c.days) << c.year;
        EXPECT_EQ(found.back().day, (ArchiveDay { c.year, 3, 1 })) << c.year;
    }
}

TEST(Statement, ATornOrUnreadableDayIsPassedOver)
{
    AccountShop shop;
    archive(shop, { 2026, 3, 1 }, { record(5, 7, "Credit", 2.0f) });
    writeBytes(shop.temp.file("2026/3/1/saleslog.dat"),
        shop.file("2026/3/1/saleslog.dat") + std::string(100, '\x07'));
    archive(shop, { 2026, 3, 2 }, { record(6, 7, "Credit", 3.0f) });
    const std::vector<CustomerTransaction> found
        = customerTransactions(shop.state.dir, 7, { 2026, 3, 1 }, { 2026, 3, 5 });
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(+found[0].record.transactionNumber, 5);
    EXPECT_EQ(+found[1].record.transactionNumber, 6);
    EXPECT_TRUE(customerTransactions(shop.state.dir, 7, { 2026, 3, 5 }, { 2026, 3, 1 }).empty());
}

TEST(Statement, TheTermsLineNamesTheDiscountThenThePeriod)
{
    struct Case {
        int period;
        int discount;
        const char *line;
        const char *onScreen;
    };
    const Case cases[] = {
        { 1, 1, "Terms: Nett", "No credit, Nett" },
        { 4, 2, "Terms: 2% disc, 30 days", "30 days, 2% disc" },
        { 8, 8, "Terms: 50% disc, 180 days", "180 days, 50% disc" },
        { 0, 9, "Terms: Nett", "No credit, Nett" }, // damaged codes read as 1
    };
    for (const Case &c : cases) {
        TillConfig config;
        config.set(cfg::bandPeriod, 3 - 1, c.period);
        config.set(cfg::bandDiscount, 3 - 1, c.discount);
        EXPECT_EQ(statementTermsLine(config, 3), c.line) << c.line;
        EXPECT_EQ(bandText(config, 3), c.onScreen) << c.line;
    }
}

TEST(Statement, ACustomerWithADamagedBandIsShownWithTheNearestBand)
{
    for (const int32_t terms : { -2147483647 - 1, 0, 9, 1000000 }) {
        CustomerRecord customer {};
        customer.terms = terms;
        const int band = customerBand(customer);
        EXPECT_EQ(band, terms < 1 ? 1 : 8) << terms;
    }
}

TEST(Statement, ThePeriodTitleNamesBothDays)
{
    EXPECT_EQ(periodTitle({ 2026, 2, 28 }, { 2026, 3, 1 }), "Period: Sat 28 Feb 26 to Sun 1 Mar 26");
    EXPECT_EQ(periodTitle({ 2026, 2, 31 }, { 2026, 4, 31 }), "Period: 31/ 2/2026 to 31/ 4/2026");
    TillConfig config;
    config.set(cfg::historyStart, 2, 2024);
    EXPECT_EQ(periodYears(config, kSaleTime), (std::vector<int> { 2024, 2025, 2026 }));
    config.set(cfg::historyStart, 2, 2999);
    EXPECT_EQ(periodYears(config, kSaleTime), std::vector<int> { 2026 });
}

// Twenty lines: nineteen payments and the balance. Only the last sixteen
// (lines 5 to 20) are printed, under the heading, the customer and the terms,
// with the customer's barcode at the foot of the page.
TEST(Statement, PrintedStatementOfTwentyLines)
{
    AccountShop shop;
    shop.state.config.set(cfg::historyStart, 0, 1);
    shop.state.config.set(cfg::historyStart, 1, 3);
    shop.state.config.set(cfg::historyStart, 2, 2026);
    shop.state.config.set(cfg::bandPeriod, 4 - 1, 4);
    shop.state.config.set(cfg::bandDiscount, 4 - 1, 2);
    for (int i = 0; i < 19; ++i) {
        FixedClock clock({ 2026, 3, 1 + i % 5, 9, i, 0 });
        ScriptedMessages quiet;
        RecordingSaleDevices devices;
        ASSERT_EQ(takeAccountPayment(shop.state, 7, "1.00", AccountPaymentMethod::Cash, quiet,
                      devices),
            AccountPaymentResult::Paid)
            << quiet.lastText();
    }
    const CustomerRecord smith = shop.customer(7);
    const std::vector<std::string> lines = statementLines(
        customerTransactions(shop.state.dir, 7, { 2026, 3, 1 }, { 2026, 3, 5 }), smith.balance);
    ASSERT_EQ(lines.size(), 20u);
    EXPECT_EQ(lines.back(), "Balance: 11.00");

    const StatementPrint statement { StoreHeading::sample(), shop.state.config, smith, "Ann",
        kSaleTime, lines };
    RecordingPrintDevice device(a4());
    ScriptedMessages messages;
    printStatement(device, statement, messages);
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText();
    EXPECT_TRUE(matchesGoldenPage(device.transcript(), "print/data/customer_statement.txt"));
}

// Forty lines on pages of thirty lines' height: each page starts with the
// customer's name and its page number.
TEST(Statement, PrintedActivityReportRunsOnToFurtherPages)
{
    std::vector<std::string> lines;
    for (int i = 1; i < 40; ++i)
        lines.push_back(cformat("Credit sale: Thu 5 Mar 26,  Transaction: %d, Total: 1.00", i));
    lines.push_back("Balance: 39.00");
    RecordingPageSetup page = a4();
    page.printableHeight = 30 * page.lineHeight;
    RecordingPrintDevice device(page);
    ScriptedMessages messages;
    printActivityReport(device, "SMITH", lines, messages);
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText();
    EXPECT_TRUE(matchesGoldenPage(device.transcript(), "print/data/customer_activity_report.txt"));
}
