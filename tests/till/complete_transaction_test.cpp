#include "platform/c_format.h"
#include "platform/file.h"
#include "platform/scripted_messages.h"
#include "platform/undo_journal.h"
#include "sales/logic/complete_transaction.h"
#include "till/logic/day_summary.h"
#include "till/sale_fixture.h"
#include "support/torn_append_access.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>

using namespace ovix;
using namespace ovix::test;
using namespace std::string_literals;

namespace {

constexpr const char *kToday = "2026/3/5/";

std::string expectedLine(int64_t item, int64_t category, const char *description, float nonTaxable,
    float taxable, float taxOne, float cost, float total)
{
    std::string r(104, '\0');
    putI64(r, 0, 41);
    putI64(r, 8, category);
    putI64(r, 16, 0);
    putI64(r, 24, item);
    putText(r, 32, description);
    putF32(r, 72, nonTaxable);
    putF32(r, 76, taxable);
    putF32(r, 80, taxOne);
    putF32(r, 84, 0);
    putF32(r, 88, cost);
    putF32(r, 92, 0);
    putF32(r, 96, total);
    putI32(r, 100, 2);
    return r;
}

double configDouble(const SaleShop &shop, size_t offset)
{
    return getF64(shop.file("wr.cfg"), offset);
}

} // namespace

TEST(CompleteTransaction, FiveLineCashSaleIsArchivedByteByByte)
{
    FixedClock clock(kSaleTime);
    FiveLineShop shop;
    Basket basket = shop.basket();
    SaleShop::pay(basket, "Cash");
    Basket archived {};
    ScriptedMessages messages;

    ASSERT_EQ(completeTransaction(shop.state, basket, messages, { &archived, nullptr }),
        CompletionResult::Archived);
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText();

    std::string sale(950, '\0');
    putI64(sale, 0, 41);
    putI64(sale, 8, 7);
    putI32(sale, 24, 2);
    putI32(sale, 28, 5);
    putF32(sale, 32, 4.20f); // non-taxable: milk and the misc line
    putF32(sale, 36, 6.99f); // taxable
    putF32(sale, 40, 11.19f); // subtotal
    putF32(sale, 44, 1.40f); // tax 1
    putF32(sale, 52, 1.00f + 1.00f + 0.80f + 0.90f);
    putF32(sale, 56, 12.59f);
    putF32(sale, 88, 12.59f); // cash part
    putText(sale, 124, "10:20");
    putText(sale, 144, "Thu 5 Mar 26");
    putText(sale, 354, "Cash");
    EXPECT_EQ(shop.file(std::string(kToday) + "saleslog.dat"), sale);

    const std::string lines = expectedLine(101, 16, "TEA", 0, 2.50f, 0.50f, 1.00f, 3.00f)
        + expectedLine(101, 16, "TEA", 0, 2.50f, 0.50f, 1.00f, 3.00f)
        + expectedLine(102, 3, "MILK", 1.20f, 0, 0, 0.80f, 1.20f)
        + expectedLine(103, 17, "BREAD", 0, 1.99f, 0.40f, 0.90f, 2.39f)
        + expectedLine(0, 18, "MISC", 3.00f, 0, 0, 0, 3.00f);
    EXPECT_EQ(shop.file(std::string(kToday) + "itemslog.dat"), lines);

    std::string index(16, '\0');
    putI32(index, 4, 41);
    putI32(index, 8, 5);
    putI32(index, 12, 3);
    EXPECT_EQ(shop.file("2026/base.dat"), index);

    // Stock: one unit per line, never below zero; the sale stamped on each item.
    EXPECT_EQ(shop.quantityOf(101), 3);
    EXPECT_EQ(shop.totalSoldOf(101), 2);
    EXPECT_EQ(shop.quantityOf(102), 0);
    EXPECT_EQ(shop.quantityOf(103), 0);
    EXPECT_EQ(shop.totalSoldOf(103), 1);
    EXPECT_EQ(getText(shop.itemBytesOf(101), 1810, 16), "10:2005/03/2026");

    EXPECT_EQ(shop.file("bun4.dat"),
        "\r\n10:20 05/03/2026 Sale: 41, Total: 12.59\r\n"
        "101  TEA\r\n101  TEA\r\n102  MILK\r\n103  BREAD\r\n0  MISC\r\n"
        "Clerk: 2, Manager   Items: 5\r\n"
        "Payment type: Cash\r\n");

    // The day totals as stored in wr.cfg.
    const std::string config = shop.file("wr.cfg");
    EXPECT_EQ(getI32(config, 1360), 42);
    EXPECT_EQ(getI64(config, 320), 7);
    EXPECT_EQ(getI64(config, 160), 25);
    EXPECT_DOUBLE_EQ(getF64(config, 40958), 12.59); // till takings
    EXPECT_DOUBLE_EQ(getF64(config, 40966), 12.59); // cash sales
    EXPECT_DOUBLE_EQ(getF64(config, 41838), 4.20);
    EXPECT_DOUBLE_EQ(getF64(config, 41846), 6.99);
    EXPECT_DOUBLE_EQ(getF64(config, 41854), 11.19);
    EXPECT_DOUBLE_EQ(getF64(config, 41862), 1.40);
    EXPECT_DOUBLE_EQ(getF64(config, 41878), 12.59);
    EXPECT_NEAR(getF64(config, 41894), 3.70, 1e-5);
    EXPECT_EQ(getF32(config, 3030), 1.0f);
    EXPECT_EQ(getI32(config, 604 + 4 * 16), 2);
    EXPECT_EQ(getI32(config, 676 + 4 * 16), 2);
    EXPECT_EQ(getI32(config, 604 + 4 * 3), 1);
    EXPECT_EQ(getI32(config, 604 + 4 * 17), 1);
    EXPECT_DOUBLE_EQ(getF64(config, 42070 + 8 * 16), 6.00);
    EXPECT_DOUBLE_EQ(getF64(config, 42070 + 8 * 17), 2.39);
    EXPECT_EQ(shop.state.config.view(), config);

    EXPECT_EQ(basket.lineCount, 0);
    EXPECT_EQ(basket.total(BasketTotal::Total), 0.0f);
    EXPECT_EQ(archived.transactionNumber, 41);
    EXPECT_EQ(archived.daySequence, 7);
    EXPECT_EQ(archived.lineCount, 5);
}

TEST(CompleteTransaction, SplitCreditCustomerAndDiscountReachTheLogAndTotals)
{
    FixedClock clock(kSaleTime);
    FiveLineShop shop;
    shop.addCustomer(7, "A. SMITH", 10.0f);
    ScriptedMessages messages;

    Basket split = shop.basket(); // total 12.59
    SaleShop::pay(split, "Split", 5.00f);
    ASSERT_EQ(completeTransaction(shop.state, split, messages), CompletionResult::Archived);

    Basket credit {};
    shop.ringUp(credit, 102); // 1.20, no tax
    credit.customerNumber = 7;
    writeText(credit.customerName, "A. SMITH");
    credit.setTotal(BasketTotal::BalanceBefore, 10.0f);
    credit.setTotal(BasketTotal::BalanceAfter, 11.2f);
    SaleShop::pay(credit, "Credit");
    ASSERT_EQ(completeTransaction(shop.state, credit, messages), CompletionResult::Archived);

    Basket discounted {};
    shop.ringUp(discounted, 101); // 3.00
    discounted.setTotal(BasketTotal::Discount, 1.00f);
    addToRunningTotal(discounted, BasketTotal::Total, -1.00);
    SaleShop::pay(discounted, "EFT");
    ASSERT_EQ(completeTransaction(shop.state, discounted, messages), CompletionResult::Archived);
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText();

    const std::string log = shop.file("bun4.dat");
    EXPECT_NE(
        log.find("Payment type: Split\r\nCash: 5.00  CH: 0.00  EFT: 7.59\r\n"), std::string::npos);
    EXPECT_NE(log.find("Sale: 42, Total: 1.20\r\n102  MILK\r\nClerk: 2, Manager   Items: 1\r\n"
                       "Payment type: Credit\r\nCustomer: 7 A. SMITH\r\n"),
        std::string::npos);
    EXPECT_NE(log.find("Payment type: EFT\r\nDiscount: 1.00\r\n"), std::string::npos);
    EXPECT_EQ(log.find("Cash: ", log.find("Sale: 42")), std::string::npos);

    const std::vector<ReadTransaction> sales
        = readSalesBytes(shop.file(std::string(kToday) + "saleslog.dat"));
    ASSERT_EQ(sales.size(), 3u);
    EXPECT_EQ(sales[0].cashPart, 5.00f);
    EXPECT_EQ(sales[0].eftPart, 7.59f);
    EXPECT_EQ(sales[1].customer, 7);
    EXPECT_EQ(sales[1].customerName, "A. SMITH");
    EXPECT_EQ(sales[1].balanceAfter, 11.2f);
    EXPECT_EQ(sales[1].cashPart + sales[1].eftPart + sales[1].chequePart, 0.0f);
    EXPECT_EQ(sales[2].discount, 1.00f);
    const std::vector<ReadLine> lines
        = readLineBytes(shop.file(std::string(kToday) + "itemslog.dat"));
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[5].customer, 7);
    EXPECT_EQ(lines[5].transaction, 42);

    // Credit is not in the till; a split counts under no tender.
    EXPECT_DOUBLE_EQ(configDouble(shop, 40958), 12.59 + 2.00);
    EXPECT_DOUBLE_EQ(configDouble(shop, 41758), 1.20); // credit sales
    EXPECT_DOUBLE_EQ(configDouble(shop, 41878), 12.59 + 1.20 + 2.00);
    EXPECT_DOUBLE_EQ(configDouble(shop, 40966), 5.00); // cash sales
    EXPECT_DOUBLE_EQ(configDouble(shop, 41750), 7.59 + 2.00);
    EXPECT_DOUBLE_EQ(configDouble(shop, 41886), 1.00); // discounts
    EXPECT_EQ(shop.state.config.get(cfg::cashSalesCount), 0.0f);
    EXPECT_EQ(shop.state.config.get(cfg::creditSalesCount), 1.0f);
    EXPECT_EQ(shop.state.config.get(cfg::eftSalesCount), 1.0f);
}

TEST(CompleteTransaction, ItemsThatCannotBeReachedAreStillArchivedWithoutStock)
{
    FixedClock clock(kSaleTime);
    FiveLineShop shop;
    Basket basket = shop.basket();
    SaleShop::pay(basket, "Cash");
    ScriptedMessages messages;
    ASSERT_TRUE(shop.state.items.confirmAndDelete(102, messages)); // deleted while in the basket
    messages.shown.clear();

    ASSERT_EQ(completeTransaction(shop.state, basket, messages), CompletionResult::Archived);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.lastText(), "Invalid entry");
    EXPECT_EQ(messages.lastCaption(), "Problem");
    const std::vector<ReadLine> lines
        = readLineBytes(shop.file(std::string(kToday) + "itemslog.dat"));
    ASSERT_EQ(lines.size(), 5u); // the record's five lines all follow it
    EXPECT_EQ(lines[2].item, 102);
    EXPECT_EQ(lines[2].category, 18);
    EXPECT_EQ(shop.quantityOf(101), 3); // the lines after it still took their stock
    EXPECT_EQ(shop.state.config.get(cfg::nextTransactionNumber), 42);

    // Without film.dat no line reaches its item; the sale is still whole.
    Basket second {};
    shop.ringUp(second, 101);
    SaleShop::pay(second, "Cash");
    ASSERT_EQ(std::rename(shop.temp.file("film.dat").c_str(), shop.temp.file("gone").c_str()), 0);
    messages.shown.clear();
    ASSERT_EQ(completeTransaction(shop.state, second, messages), CompletionResult::Archived);
    EXPECT_EQ(messages.lastText(), "Data file: film.dat, not present.");
    EXPECT_EQ(messages.lastCaption(), "Fatal error");
    EXPECT_FALSE(fileExists(shop.temp.file("film.dat")));
    EXPECT_EQ(readSalesBytes(shop.file(std::string(kToday) + "saleslog.dat")).back().lineCount, 1);
}

TEST(CompleteTransaction, SaleAfterMidnightMakesTheNewDayAndWarns)
{
    FixedClock evening(LocalTime { 2026, 12, 31, 23, 58, 0 });
    SaleShop shop;
    shop.addItem({ 5, "CAKE", 10, 4.00f, 2.00f, 1, 0 });
    ScriptedMessages messages;
    ASSERT_TRUE(ensureArchiveFolders(shop.state.dir, LocalTime { 2026, 12, 31, 23, 58, 0 }));
    Basket first {};
    shop.ringUp(first, 5);
    SaleShop::pay(first, "Cash");
    ASSERT_EQ(completeTransaction(shop.state, first, messages), CompletionResult::Archived);
    EXPECT_TRUE(messages.shown.empty());

    FixedClock newYear(LocalTime { 2027, 1, 1, 0, 3, 0 });
    Basket second {};
    shop.ringUp(second, 5);
    SaleShop::pay(second, "Cash");
    ASSERT_EQ(completeTransaction(shop.state, second, messages), CompletionResult::Archived);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.lastText(), "Otherwise transactions will not archive correctly");
    EXPECT_EQ(
        messages.lastCaption(), "IMPORTANT - DO NOT run the program over the midnight boundary");

    std::string index(16, '\0');
    putI32(index, 4, 2);
    putI32(index, 8, 1);
    putI32(index, 12, 1);
    EXPECT_EQ(shop.file("2027/base.dat"), index); // the new year index starts with its header
    EXPECT_EQ(shop.file("2027/1/base.dat"), "00:03");
    EXPECT_EQ(shop.file("2027/1/1/base.dat"), "00:03");
    const std::vector<ReadTransaction> sales = readSalesBytes(shop.file("2027/1/1/saleslog.dat"));
    ASSERT_EQ(sales.size(), 1u);
    EXPECT_EQ(sales[0].number, 2);
    EXPECT_EQ(sales[0].daySequence, 2); // the day totals wait for the next start
    EXPECT_EQ(readYearIndexBytes(shop.file("2026/base.dat")).size(), 1u);
}

TEST(CompleteTransaction, TornTailsOfAnEarlierCrashAreCutBeforeAppending)
{
    FixedClock clock(kSaleTime);
    FiveLineShop shop;
    ScriptedMessages messages;
    Basket first = shop.basket();
    SaleShop::pay(first, "Cash");
    ASSERT_EQ(completeTransaction(shop.state, first, messages), CompletionResult::Archived);
    const SaleShop::Snapshot whole = shop.snapshot();
    const std::string sales = std::string(kToday) + "saleslog.dat";
    const std::string items = std::string(kToday) + "itemslog.dat";
    writeBytes(shop.temp.file(sales), *whole.at(sales) + std::string(300, '\x11'));
    writeBytes(shop.temp.file(items), *whole.at(items) + std::string(50, '\x22'));
    writeBytes(shop.temp.file("2026/base.dat"), *whole.at("2026/base.dat") + "\x2A\0\0"s);

    Basket second {};
    shop.ringUp(second, 101);
    SaleShop::pay(second, "Cash");
    ASSERT_EQ(completeTransaction(shop.state, second, messages), CompletionResult::Archived);
    const std::string salesAfter = shop.file(sales);
    ASSERT_EQ(salesAfter.size(), 2 * 950u);
    EXPECT_EQ(salesAfter.substr(0, 950), *whole.at(sales));
    EXPECT_EQ(getI64(salesAfter, 950), 42);
    const std::string itemsAfter = shop.file(items);
    ASSERT_EQ(itemsAfter.size(), 6 * 104u);
    EXPECT_EQ(getI64(itemsAfter, 5 * 104), 42);
    const std::string index = shop.file("2026/base.dat");
    ASSERT_EQ(index.size(), 4 + 2 * 12u);
    EXPECT_EQ(getI32(index, 16), 42);
}

TEST(CompleteTransaction, CustomerRecordIsWrittenWithTheSaleOrNotAtAll)
{
    FixedClock clock(kSaleTime);
    FiveLineShop shop;
    const int64_t slot = shop.addCustomer(7, "A. SMITH", 10.0f);
    CustomerRecordUpdate update;
    update.slot = slot;
    ScriptedMessages messages;
    ASSERT_TRUE(shop.state.customers.readRecord(slot, update.record, messages));
    update.record.balance = 22.59f;
    update.record.transactions = 1;

    // A record that does not match its slot cannot be written: nothing of the
    // sale may stay behind either.
    CustomerRecordUpdate wrong = update;
    wrong.record.number = 8;
    const SaleShop::Snapshot before = shop.snapshot();
    const TillConfig configBefore = shop.state.config;
    Basket basket = shop.basket();
    SaleShop::pay(basket, "Credit");
    const Basket kept = basket;
    EXPECT_EQ(completeTransaction(shop.state, basket, messages, { nullptr, &wrong }),
        CompletionResult::NotArchived);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text, "Invalid number.");
    EXPECT_EQ(messages.shown[1].text,
        "The sale was not recorded and no file was changed. The "
        "basket is kept: complete the sale again when the fault "
        "is put right.");
    EXPECT_EQ(shop.snapshot(), before);
    EXPECT_EQ(shop.state.config.view(), configBefore.view());
    EXPECT_EQ(std::memcmp(&basket, &kept, sizeof basket), 0);
    EXPECT_FALSE(fileExists(shop.temp.file("ovix.jnl")));

    messages.shown.clear();
    ASSERT_EQ(completeTransaction(shop.state, basket, messages, { nullptr, &update }),
        CompletionResult::Archived);
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText();
    const std::string member = shop.file("member.dat");
    EXPECT_EQ(getF32(member, static_cast<size_t>(slot) * kCustomerBytes + 1554), 22.59f);
    EXPECT_EQ(readSalesBytes(shop.file(std::string(kToday) + "saleslog.dat"))[0].number, 41);
}

TEST(CompleteTransaction, UnopenableArchiveChangesNothingAndTheSaleCanBeRetried)
{
    FixedClock clock(kSaleTime);
    FiveLineShop shop;
    const std::string sales = std::string(kToday) + "saleslog.dat";
    ASSERT_EQ(mkdir(shop.temp.file(sales).c_str(), 0755), 0);
    const SaleShop::Snapshot before = shop.snapshot();
    Basket basket = shop.basket();
    SaleShop::pay(basket, "Cash");
    ScriptedMessages messages;
    EXPECT_EQ(completeTransaction(shop.state, basket, messages), CompletionResult::NotArchived);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text, "Unable to open sales log.");
    EXPECT_EQ(messages.shown[0].caption, "Problem");
    EXPECT_EQ(shop.snapshot(), before);
    EXPECT_EQ(basket.lineCount, 5);
    EXPECT_EQ(shop.state.config.get(cfg::nextTransactionNumber), 41);

    ASSERT_EQ(rmdir(shop.temp.file(sales).c_str()), 0);
    messages.shown.clear();
    ASSERT_EQ(completeTransaction(shop.state, basket, messages), CompletionResult::Archived);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(readSalesBytes(shop.file(sales)).at(0).number, 41);
}

TEST(CompleteTransaction, ALogThatCannotBeOpenedDoesNotStopTheSale)
{
    FixedClock clock(kSaleTime);
    FiveLineShop shop;
    ASSERT_EQ(mkdir(shop.temp.file("bun4.dat").c_str(), 0755), 0);
    Basket basket = shop.basket();
    SaleShop::pay(basket, "Cash");
    ScriptedMessages messages;
    ASSERT_EQ(completeTransaction(shop.state, basket, messages), CompletionResult::Archived);
    EXPECT_EQ(messages.lastText(), "Data file: bun4.dat, not present.");
    EXPECT_EQ(messages.lastCaption(), "Fatal error");
    EXPECT_EQ(readSalesBytes(shop.file(std::string(kToday) + "saleslog.dat")).size(), 1u);
    EXPECT_EQ(getI32(shop.file("wr.cfg"), 1360), 42);
}

// The disk fills up part-way through the sale's log block. Cut back, the log
// is as it was and the sale stands; a block that cannot be cut back undoes
// the whole sale, log included.
TEST(CompleteTransaction, ALogBlockCutShortIsCutBackOrUndoesTheSale)
{
    for (const bool cutFails : { false, true }) {
        SCOPED_TRACE(cutFails);
        FixedClock clock(kSaleTime);
        FiveLineShop shop;
        writeBytes(shop.temp.file("bun4.dat"), "\r\n09:00 05/03/2026  Switched on.\r\n");
        const SaleShop::Snapshot before = shop.snapshot();
        Basket basket = shop.basket();
        SaleShop::pay(basket, "Cash");
        ScriptedMessages messages;
        TornAppendAccess disk("bun4.dat", 20, cutFails);
        setFileAccess(&disk);
        const CompletionResult result = completeTransaction(shop.state, basket, messages);
        setFileAccess(nullptr);
        ASSERT_TRUE(disk.torn());
        ASSERT_FALSE(messages.shown.empty());
        EXPECT_EQ(messages.shown[0].text, "Data file: bun4.dat, not present.");
        EXPECT_EQ(messages.shown[0].caption, "Fatal error");
        EXPECT_EQ(shop.file("bun4.dat"), *before.at("bun4.dat"));
        EXPECT_FALSE(fileExists(shop.temp.file("ovix.jnl")));
        if (!cutFails) {
            EXPECT_EQ(result, CompletionResult::Archived);
            EXPECT_EQ(messages.shown.size(), 1u);
            EXPECT_EQ(readSalesBytes(shop.file(std::string(kToday) + "saleslog.dat")).size(), 1u);
            EXPECT_EQ(getI32(shop.file("wr.cfg"), 1360), 42);
        } else {
            EXPECT_EQ(result, CompletionResult::NotArchived);
            EXPECT_EQ(messages.shown.size(), 2u);
            EXPECT_EQ(shop.snapshot(), before);
            EXPECT_EQ(basket.lineCount, 5);
            EXPECT_EQ(shop.state.config.get(cfg::nextTransactionNumber), 41);
        }
    }
}

TEST(CompleteTransaction, EmptyOrDamagedBasketArchivesNothing)
{
    FixedClock clock(kSaleTime);
    FiveLineShop shop;
    const SaleShop::Snapshot before = shop.snapshot();
    ScriptedMessages messages;
    Basket empty {};
    const CompletionResult forEmpty = completeTransaction(shop.state, empty, messages);
    EXPECT_EQ(forEmpty, CompletionResult::NothingToArchive);
    EXPECT_TRUE(messages.shown.empty());

    Basket damaged = shop.basket();
    damaged.lineCount = kBasketLineCapacity + 1;
    EXPECT_EQ(
        completeTransaction(shop.state, damaged, messages), CompletionResult::NothingToArchive);
    EXPECT_EQ(messages.lastText(), "No items");
    EXPECT_EQ(damaged.lineCount, 0);
    EXPECT_EQ(shop.snapshot(), before);
}

TEST(CompleteTransaction, TimeDateAndClerkLeftEmptyAreFilledIn)
{
    FixedClock clock(kSaleTime);
    FiveLineShop shop;
    Basket basket {};
    shop.ringUp(basket, 101);
    writeText(basket.paymentType, "Cash");
    basket.setTotal(BasketTotal::CashPart, basket.total(BasketTotal::Total));
    ScriptedMessages messages;
    ASSERT_EQ(completeTransaction(shop.state, basket, messages), CompletionResult::Archived);
    const ReadTransaction sale
        = readSalesBytes(shop.file(std::string(kToday) + "saleslog.dat")).at(0);
    EXPECT_EQ(sale.time, "10:20");
    EXPECT_EQ(sale.date, "Thu 5 Mar 26");
    EXPECT_EQ(sale.clerk, 2);
    EXPECT_TRUE(sale.reservedZero);

    EXPECT_EQ(transactionDateText(LocalTime { 2026, 4, 31 }), "D:31 M: 4 Y:2026");
    EXPECT_EQ(transactionTimeText(LocalTime { 2026, 4, 3, 7, 5 }), "07:05");
}

// Cost prices that carry more than cents: the day's cost of sales goes up in
// whole cents, sale by sale, so the day summary agrees with the archived sales
// added up from their two-decimal costs.
TEST(CompleteTransaction, CostOfSalesGrowsInCentsAsTheSummaryShowsIt)
{
    const struct Case {
        float cost; // of the one line of each sale
        int sales;
        const char *costText; // as a calculator adds the sales' costs in cents
        const char *profitText; // sales of 2.00 each, less that
    } cases[] = {
        { 0.3333f, 3, "0.99", "5.01" }, // unrounded: 0.9999, "1.00"
        { 0.6666f, 3, "2.01", "3.99" }, // unrounded: 1.9998, "2.00"
        { 1.005f, 2, "2.00", "2.00" }, // a float just under 1.005; unrounded "2.01"
        { 0.25f, 4, "1.00", "7.00" },
    };
    for (const Case &c : cases) {
        FixedClock clock(kSaleTime);
        SaleShop shop;
        shop.addItem({ 7, "PENCIL", 100, 2.00f, c.cost, 4, 0 });
        ScriptedMessages messages;
        double calculator = 0;
        for (int i = 0; i < c.sales; ++i) {
            Basket basket {};
            shop.ringUp(basket, 7);
            SaleShop::pay(basket, "Cash");
            ASSERT_EQ(
                completeTransaction(shop.state, basket, messages), CompletionResult::Archived);
        }
        for (const ReadTransaction &sale :
            readSalesBytes(shop.file(std::string(kToday) + "saleslog.dat")))
            calculator += std::stod(cformat("%.2f", static_cast<double>(sale.cost)));
        EXPECT_EQ(cformat("%.2f", calculator), c.costText) << c.cost;

        ASSERT_TRUE(writeDaySummary(shop.state, kSaleTime));
        const std::string summary = shop.file(std::string(kToday) + "thedaily.dat");
        EXPECT_NE(summary.find(cformat("\r\nNet sales: %.2f\r\nCost of sales: %s\r\nGross "
                                       "profit: %s",
                      2.0 * c.sales, c.costText, c.profitText)),
            std::string::npos)
            << c.cost << "\n"
            << summary.substr(summary.find("Net sales"));
    }
}

// A torn end that no journal explains - damage, or a crash of a program that
// kept none - is cut off before the sale is appended, but kept: in a side
// file beside it that never replaces an earlier one, with the clerk and the
// activity log told where.
TEST(CompleteTransaction, TornEndsAreKeptBesideTheFileAndTold)
{
    const struct Case {
        const char *file;
        std::string tail;
        bool earlierSideFile; // a side file of an earlier cut is there already
    } cases[] = {
        { "2026/base.dat", "\x2A\0\0"s, false },
        { "2026/3/5/saleslog.dat", std::string(300, '\x11'), false },
        { "2026/3/5/itemslog.dat", std::string(50, '\x22'), false },
        { "2026/3/5/itemslog.dat", std::string(103, '\x33'), true },
    };
    for (const Case &c : cases) {
        FixedClock clock(kSaleTime);
        FiveLineShop shop;
        ScriptedMessages messages;
        Basket first = shop.basket();
        SaleShop::pay(first, "Cash");
        ASSERT_EQ(completeTransaction(shop.state, first, messages), CompletionResult::Archived);
        const SaleShop::Snapshot whole = shop.snapshot();
        writeBytes(shop.temp.file(c.file), *whole.at(c.file) + c.tail);
        const std::string side = std::string(c.file) + (c.earlierSideFile ? ".cut2" : ".cut1");
        if (c.earlierSideFile)
            writeBytes(shop.temp.file(std::string(c.file) + ".cut1"), "EARLIER");

        Basket second {};
        shop.ringUp(second, 101);
        SaleShop::pay(second, "Cash");
        ASSERT_EQ(completeTransaction(shop.state, second, messages), CompletionResult::Archived);

        ASSERT_EQ(messages.shown.size(), 1u) << c.file;
        EXPECT_EQ(messages.lastText(),
            cformat("%s ended in %zu bytes that are no whole record. They were cut off and kept "
                    "in %s.",
                c.file, c.tail.size(), side.c_str()));
        EXPECT_EQ(messages.lastCaption(), "Problem");
        EXPECT_EQ(shop.file(side), c.tail) << c.file;
        struct stat status { };
        ASSERT_EQ(stat(shop.temp.file(side).c_str(), &status), 0);
        EXPECT_EQ(status.st_mode & 0777, 0600u) << c.file;
        if (c.earlierSideFile) {
            EXPECT_EQ(shop.file(std::string(c.file) + ".cut1"), "EARLIER");
        }
        const std::string log = shop.file("bun4.dat");
        EXPECT_EQ(log.substr(whole.at("bun4.dat")->size()),
            cformat("\r\n10:20 05/03/2026  Damaged end of %s: %zu bytes cut off and kept in "
                    "%s.\r\n",
                c.file, c.tail.size(), side.c_str())
                + "\r\n10:20 05/03/2026 Sale: 42, Total: 3.00\r\n101  TEA\r\n"
                  "Clerk: 2, Manager   Items: 1\r\nPayment type: Cash\r\n");

        // The sale is archived whole after the records that were whole.
        for (const char *name : { "2026/base.dat", "2026/3/5/saleslog.dat" }) {
            const std::string after = shop.file(name);
            EXPECT_EQ(after.substr(0, whole.at(name)->size()), *whole.at(name)) << c.file;
        }
        const auto index = readYearIndexBytes(shop.file("2026/base.dat"));
        ASSERT_EQ(index.size(), 2u);
        EXPECT_EQ(index[1][0], 42);
        const auto sales = readSalesBytes(shop.file("2026/3/5/saleslog.dat"));
        ASSERT_EQ(sales.size(), 2u);
        EXPECT_EQ(sales[1].number, 42);
        EXPECT_EQ(shop.file("2026/3/5/saleslog.dat").size(), 2 * 950u);
        const std::string items = shop.file("2026/3/5/itemslog.dat");
        ASSERT_EQ(items.size(), 6 * 104u);
        EXPECT_EQ(items.substr(0, 5 * 104), *whole.at("2026/3/5/itemslog.dat"));
        EXPECT_EQ(readLineBytes(items).back().transaction, 42);
    }
}

// A torn end that a journal explains is work cut short (here: work whose
// undoing failed earlier in the run), undone by the journal alone: nothing to
// keep or to tell.
TEST(CompleteTransaction, TornEndsOfUndoneWorkAreNotKept)
{
    FixedClock clock(kSaleTime);
    FiveLineShop shop;
    ScriptedMessages messages;
    Basket first = shop.basket();
    SaleShop::pay(first, "Cash");
    ASSERT_EQ(completeTransaction(shop.state, first, messages), CompletionResult::Archived);
    const std::string sales = std::string(kToday) + "saleslog.dat";
    const std::string whole = shop.file(sales);
    std::string journal;
    {
        FileTransaction work(shop.state.dir);
        work.protectLength(sales);
        ASSERT_TRUE(work.begin());
        journal = shop.file("ovix.jnl");
    }
    writeBytes(shop.temp.file("ovix.jnl"), journal);
    writeBytes(shop.temp.file(sales), whole + std::string(200, '\x44'));

    Basket basket {};
    shop.ringUp(basket, 101);
    SaleShop::pay(basket, "Cash");
    ASSERT_EQ(completeTransaction(shop.state, basket, messages), CompletionResult::Archived);
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText();
    EXPECT_FALSE(fileExists(shop.temp.file(sales + ".cut1")));
    EXPECT_FALSE(fileExists(shop.temp.file("ovix.jnl")));
    EXPECT_EQ(shop.file(sales).substr(0, whole.size()), whole);
    EXPECT_EQ(shop.file(sales).size(), 2 * 950u);
    EXPECT_EQ(readSalesBytes(shop.file(sales)).back().number, 42);
}
