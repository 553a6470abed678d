#include "platform/file_access.h"
#include "platform/scripted_messages.h"
#include "sales/refund_fixture.h"
#include "support/recording_sale_devices.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

using namespace ovix;
using namespace ovix::test;

namespace {

constexpr const char *kSales = "2026/3/5/saleslog.dat";
constexpr const char *kItems = "2026/3/5/itemslog.dat";

TillConfig storedConfig(const SaleShop &shop)
{
    TillConfig config;
    ScriptedMessages quiet;
    EXPECT_TRUE(loadTillConfig(shop.state.dir, config, quiet));
    return config;
}

float balanceOf(const RefundShop &shop)
{
    CustomerRecord record {};
    ScriptedMessages quiet;
    EXPECT_TRUE(shop.state.customers.readRecord(shop.customerSlot, record, quiet));
    return record.balance;
}

struct Refunding {
    RefundShop shop;
    ScriptedMessages messages;
    RecordingSaleDevices devices;
    ScriptedRefundPrompts prompts;
    Basket basket = shop.kettle();

    RefundResult run(const CardRefundLink &card = {})
    {
        return refundBasket(shop.state, basket, messages, devices, prompts, card);
    }
};

} // namespace

TEST(Refund, ATenPoundCashRefundIsArchivedNegatedAndTakenOffTheDay)
{
    FixedClock clock(kSaleTime);
    Refunding r;
    r.shop.state.config.set(cfg::tillTakings, 50.0);
    ASSERT_EQ(r.run(), RefundResult::Refunded);
    EXPECT_TRUE(r.messages.shown.empty()) << r.messages.lastText();
    EXPECT_EQ(r.basket.lineCount, 0);

    const std::vector<ReadTransaction> records = readSalesBytes(r.shop.file(kSales));
    ASSERT_EQ(records.size(), 1u);
    const ReadTransaction &refund = records[0];
    EXPECT_EQ(refund.number, 41);
    EXPECT_EQ(refund.daySequence, 7);
    EXPECT_EQ(refund.paymentType, "Refund");
    EXPECT_EQ(refund.total, -10.00f);
    EXPECT_EQ(refund.cashPart, -10.00f);
    EXPECT_EQ(refund.chequePart, 0.0f);
    EXPECT_EQ(refund.eftPart, 0.0f);
    EXPECT_EQ(refund.nonTaxable, -10.00f);
    EXPECT_EQ(refund.subtotal, -10.00f);
    EXPECT_EQ(refund.cost, -6.00f);
    EXPECT_EQ(refund.clerk, 2);
    EXPECT_EQ(refund.time, "10:20");
    EXPECT_TRUE(refund.reservedZero);
    const std::vector<ReadLine> lines = readLineBytes(r.shop.file(kItems));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].transaction, 41);
    EXPECT_EQ(lines[0].category, 4);
    EXPECT_EQ(lines[0].total, 10.00f);
    EXPECT_EQ(lines[0].cost, 6.00f);
    EXPECT_EQ(readYearIndexBytes(r.shop.file("2026/base.dat")),
        (std::vector<std::array<int32_t, 3>> { { 41, 5, 3 } }));

    // The day as wr.cfg now holds it: the number advanced with the refund.
    const TillConfig stored = storedConfig(r.shop);
    EXPECT_EQ(stored.view(), r.shop.state.config.view());
    EXPECT_EQ(stored.get(cfg::nextTransactionNumber), 42);
    EXPECT_EQ(stored.get(cfg::todayTransactionCount), 7);
    EXPECT_EQ(stored.get(cfg::todayItemCount), 20);
    EXPECT_DOUBLE_EQ(stored.get(cfg::tillTakings), 40.00);
    EXPECT_DOUBLE_EQ(stored.get(cfg::cashRefunds), -10.00);
    EXPECT_EQ(stored.get(cfg::cashRefundsCount), 1.0f);
    EXPECT_DOUBLE_EQ(stored.get(cfg::salesTotal), -10.00);
    EXPECT_DOUBLE_EQ(stored.get(cfg::nonTaxableSales), -10.00);
    EXPECT_DOUBLE_EQ(stored.get(cfg::costOfSales), -6.00);
    EXPECT_DOUBLE_EQ(stored.get(cfg::cashSales), 0.0);
    EXPECT_EQ(stored.get(cfg::categoryDayCounts, 4), -1);
    EXPECT_EQ(stored.get(cfg::categoryMonthCounts, 4), -1);
    EXPECT_DOUBLE_EQ(stored.get(cfg::categoryDayValues, 4), -10.00);

    // The kettle is back on the shelf, stamped; its sales count is untouched.
    EXPECT_EQ(r.shop.quantityOf(201), 4);
    EXPECT_EQ(r.shop.totalSoldOf(201), 0);
    EXPECT_EQ(getText(r.shop.itemBytesOf(201), 1810, 16), "10:2005/03/2026");

    EXPECT_EQ(r.shop.file("bun4.dat"),
        "\r\n10:20 05/03/2026 Refund: 41, Total: -10.00\r\n"
        "201  KETTLE\r\n"
        "Clerk: 2, Manager   Items: 1\r\n"
        "Form: Cash\r\nCustomer: 0 \r\n");
    EXPECT_TRUE(r.devices.calls.empty());
}

TEST(Refund, TheDialogShowsTheBasketAndTheNextNumber)
{
    FixedClock clock(kSaleTime);
    Refunding r;
    r.basket = r.shop.basket();
    r.basket.customerNumber = 7;
    writeText(r.basket.customerName, "A. SMITH");
    r.prompts.choice.reset();
    EXPECT_EQ(r.run(), RefundResult::NotRefunded);
    const RefundView &view = r.prompts.shown;
    EXPECT_EQ(view.transactionNumber, 41);
    EXPECT_EQ(view.date, "Thu 5 Mar 26");
    EXPECT_EQ(view.customer, "7 A. SMITH");
    EXPECT_EQ(view.lines, 5);
    EXPECT_DOUBLE_EQ(view.nonTaxable, 4.20f);
    EXPECT_DOUBLE_EQ(view.taxable, 6.99f);
    EXPECT_DOUBLE_EQ(view.total, 12.59f);
    // Cancelled: nothing written, the basket kept.
    EXPECT_EQ(r.basket.lineCount, 5);
    EXPECT_FALSE(fileExists(r.shop.temp.file(kSales)));
    EXPECT_EQ(r.shop.file("bun4.dat"), "");
}

TEST(Refund, AnEmptyBasketIsNoRefund)
{
    FixedClock clock(kSaleTime);
    Refunding r;
    clearBasket(r.basket);
    EXPECT_EQ(r.run(), RefundResult::NotRefunded);
    EXPECT_EQ(r.messages.lastText(), "No items");
    EXPECT_EQ(r.messages.lastCaption(), "Problem");
    EXPECT_TRUE(r.prompts.asked.empty());
}

TEST(Refund, EachFormFillsItsPartAndItsOwnCounters)
{
    struct Case {
        RefundForm form;
        float cash, cheque, eft;
        DoubleField refunds;
        FloatField count;
        double takings;
        const char *logForm;
    };
    const Case cases[] = {
        { RefundForm::Cash, -10, 0, 0, cfg::cashRefunds, cfg::cashRefundsCount, 40, "Cash" },
        { RefundForm::Cheque, 0, -10, 0, cfg::chequeRefunds, cfg::chequeRefundsCount, 40, "CH" },
        { RefundForm::Eft, 0, 0, -10, cfg::eftRefunds, cfg::eftRefundsCount, 40, "EFT" },
        { RefundForm::Credit, 0, 0, 0, cfg::creditRefunds, cfg::creditRefundsCount, 50, "Credit" },
    };
    const FloatField counts[] = { cfg::cashRefundsCount, cfg::chequeRefundsCount,
        cfg::eftRefundsCount, cfg::creditRefundsCount };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.logForm);
        FixedClock clock(kSaleTime);
        Refunding r;
        r.shop.state.config.set(cfg::tillTakings, 50.0);
        r.prompts.choice = refundIn(c.form);
        r.prompts.customer = 7;
        ASSERT_EQ(r.run(), RefundResult::Refunded) << r.messages.lastText();
        const ReadTransaction refund = readSalesBytes(r.shop.file(kSales)).at(0);
        EXPECT_EQ(refund.cashPart, c.cash);
        EXPECT_EQ(refund.chequePart, c.cheque);
        EXPECT_EQ(refund.eftPart, c.eft);
        EXPECT_EQ(refund.total, -10.0f);
        const TillConfig stored = storedConfig(r.shop);
        EXPECT_DOUBLE_EQ(stored.get(c.refunds), -10.00);
        for (FloatField count : counts)
            EXPECT_EQ(stored.get(count), count.offset == c.count.offset ? 1.0f : 0.0f);
        EXPECT_DOUBLE_EQ(stored.get(cfg::tillTakings), c.takings);
        EXPECT_DOUBLE_EQ(stored.get(cfg::salesTotal), -10.00);
        EXPECT_NE(r.shop.file("bun4.dat").find(std::string("Form: ") + c.logForm + "\r\n"),
            std::string::npos);
    }
}

TEST(Refund, StockComesBackOneUnitPerLineUnlessTheItemsAreFaulty)
{
    for (const bool faulty : { false, true }) {
        SCOPED_TRACE(faulty ? "faulty" : "back to stock");
        FixedClock clock(kSaleTime);
        Refunding r;
        r.basket = r.shop.basket();
        const std::string filmBefore = r.shop.file("film.dat");
        r.prompts.choice = refundIn(RefundForm::Cash, faulty);
        ASSERT_EQ(r.run(), RefundResult::Refunded);
        if (faulty) {
            EXPECT_EQ(r.shop.file("film.dat"), filmBefore);
        } else {
            EXPECT_EQ(r.shop.quantityOf(101), 7);
            EXPECT_EQ(r.shop.quantityOf(102), 2);
            EXPECT_EQ(r.shop.quantityOf(103), 1);
        }
        // The categories lose the lines either way.
        const TillConfig stored = storedConfig(r.shop);
        EXPECT_EQ(stored.get(cfg::categoryDayCounts, 16), -2); // two teas
        EXPECT_EQ(stored.get(cfg::categoryMonthCounts, 3), -1); // milk
        EXPECT_DOUBLE_EQ(stored.get(cfg::categoryDayValues, 16), -6.00);
        EXPECT_DOUBLE_EQ(stored.get(cfg::categoryDayValues, 17), -2.39);
        const std::vector<ReadLine> lines = readLineBytes(r.shop.file(kItems));
        ASSERT_EQ(lines.size(), 5u);
        EXPECT_EQ(lines[0].category, 16);
        EXPECT_EQ(lines[4].category, 18); // the line without an item
        EXPECT_EQ(lines[3].taxOne, 0.40f); // lines keep their positive values
        const ReadTransaction refund = readSalesBytes(r.shop.file(kSales)).at(0);
        EXPECT_EQ(refund.taxable, -6.99f);
        EXPECT_EQ(refund.taxOne, -1.40f);
    }
}

TEST(Refund, ACreditRefundLowersTheCustomersBalanceInTheSameUpdate)
{
    FixedClock clock(kSaleTime);
    Refunding r;
    r.shop.state.config.set(cfg::tillTakings, 50.0);
    r.prompts.choice = refundIn(RefundForm::Credit);
    r.prompts.customer = 7;
    ASSERT_EQ(r.run(), RefundResult::Refunded);
    ASSERT_FALSE(r.messages.shown.empty());
    EXPECT_EQ(r.messages.shown[0].text, "Credit this customer?");
    EXPECT_EQ(r.messages.shown[0].caption, "7 Name: A. SMITH");
    EXPECT_FLOAT_EQ(balanceOf(r.shop), 15.0f);
    CustomerRecord customer {};
    ScriptedMessages quiet;
    ASSERT_TRUE(r.shop.state.customers.readRecord(r.shop.customerSlot, customer, quiet));
    EXPECT_EQ(readText(customer.customer_last_used), "10:2005/03/2026");

    const ReadTransaction refund = readSalesBytes(r.shop.file(kSales)).at(0);
    EXPECT_EQ(refund.customer, 7);
    EXPECT_EQ(refund.customerName, "A. SMITH");
    EXPECT_EQ(readLineBytes(r.shop.file(kItems)).at(0).customer, 7);
    EXPECT_DOUBLE_EQ(storedConfig(r.shop).get(cfg::tillTakings), 50.0);
    EXPECT_NE(r.shop.file("bun4.dat").find("Form: Credit\r\nCustomer: 7 A. SMITH\r\n"),
        std::string::npos);
}

TEST(Refund, ACreditRefundEndsWithNothingChangedWhenNoCustomerIsConfirmed)
{
    struct Case {
        const char *name;
        int64_t customer;
        Answer confirm;
        const char *told;
    };
    const Case cases[] = {
        { "no customer chosen", 0, Answer::Ok, "" },
        { "not on file", 99, Answer::Ok, "Invalid number." },
        { "Cancel at the question", 7, Answer::Cancel, "Credit this customer?" },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        FixedClock clock(kSaleTime);
        Refunding r;
        const auto before = r.shop.snapshot();
        r.prompts.choice = refundIn(RefundForm::Credit);
        r.prompts.customer = c.customer;
        r.messages.answers.push_back(c.confirm);
        EXPECT_EQ(r.run(), RefundResult::NotRefunded);
        EXPECT_EQ(r.messages.lastText(), c.told);
        EXPECT_EQ(r.shop.snapshot(), before);
        EXPECT_EQ(r.basket.lineCount, 1);
        EXPECT_EQ(r.shop.state.config.get(cfg::nextTransactionNumber), 41);
    }
}

TEST(Refund, AnItemNoLongerOnFileIsRefundedInCategory18WithoutStock)
{
    FixedClock clock(kSaleTime);
    Refunding r;
    ScriptedMessages quiet;
    ASSERT_TRUE(r.shop.state.items.remove(r.shop.state.items.find(201), quiet)) << quiet.lastText();
    const std::string filmBefore = r.shop.file("film.dat");
    ASSERT_EQ(r.run(), RefundResult::Refunded);
    EXPECT_EQ(r.messages.lastText(), "Invalid entry");
    EXPECT_EQ(readLineBytes(r.shop.file(kItems)).at(0).category, 18);
    EXPECT_EQ(r.shop.file("film.dat"), filmBefore);
}

TEST(Refund, AFailedUpdateKeepsTheBasketAndTheNumber)
{
    FixedClock clock(kSaleTime);
    Refunding r;
    // A folder where the sales log should be: the archive cannot take the refund.
    ASSERT_TRUE(std::filesystem::create_directory(r.shop.temp.file(kSales)));
    const TillConfig before = r.shop.state.config;
    EXPECT_EQ(r.run(), RefundResult::NotRecorded);
    EXPECT_EQ(r.messages.shown.at(0).text, "Unable to open sales log.");
    EXPECT_EQ(r.messages.lastText(),
        "The refund was not recorded and no file was changed. The basket is kept: refund it "
        "again when the fault is put right.");
    EXPECT_EQ(r.basket.lineCount, 1);
    EXPECT_EQ(r.shop.state.config.view(), before.view());
    EXPECT_TRUE(r.devices.calls.empty());
}

TEST(Refund, AnEftRefundGoesThroughTheCardLinkWhenItIsActive)
{
    struct Case {
        const char *name;
        CardLinkSettings settings;
        CardRefundChoice choice;
        bool approves;
        bool connected;
        RefundResult result;
        std::vector<std::string> asked;
        int exchanges;
        bool notPresent;
    };
    const Case cases[] = {
        { "link off", { false, true }, CardRefundChoice::Refund, false, true,
            RefundResult::Refunded, { "refund" }, 0, false },
        { "approved", { true, false }, CardRefundChoice::Refund, true, true, RefundResult::Refunded,
            { "refund" }, 1, false },
        { "cardholder not present", { true, true }, CardRefundChoice::CardholderNotPresent, true,
            true, RefundResult::Refunded, { "refund", "card" }, 1, true },
        { "declined", { true, false }, CardRefundChoice::Refund, false, true,
            RefundResult::NotRefunded, { "refund" }, 1, false },
        { "cancelled at the card box", { true, true }, CardRefundChoice::Cancel, true, true,
            RefundResult::NotRefunded, { "refund", "card" }, 0, false },
        { "no card program connected", { true, false }, CardRefundChoice::Refund, true, false,
            RefundResult::NotRefunded, { "refund" }, 0, false },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        FixedClock clock(kSaleTime);
        Refunding r;
        r.prompts.choice = refundIn(RefundForm::Eft);
        r.prompts.card = c.choice;
        int exchanges = 0;
        std::tuple<int64_t, int64_t, bool> asked {};
        CardRefundLink link;
        link.settings = [&c] { return c.settings; };
        if (c.connected) {
            link.exchange = [&](int64_t number, int64_t cents, bool notPresent) {
                ++exchanges;
                asked = { number, cents, notPresent };
                return c.approves;
            };
        }
        EXPECT_EQ(r.run(link), c.result);
        EXPECT_EQ(r.prompts.asked, c.asked);
        EXPECT_EQ(exchanges, c.exchanges);
        if (c.exchanges > 0) {
            EXPECT_EQ(asked, std::make_tuple(int64_t(41), int64_t(1000), c.notPresent));
        }
        const bool recorded = c.result == RefundResult::Refunded;
        EXPECT_EQ(fileExists(r.shop.temp.file(kSales)), recorded);
        EXPECT_EQ(r.basket.lineCount, recorded ? 0 : 1);
        EXPECT_EQ(r.shop.state.config.get(cfg::nextTransactionNumber), recorded ? 42 : 41);
    }
}

TEST(Refund, TheCardIsAskedOnlyOnceTheArchiveIsReadyAndAFailureAfterItsApprovalIsTold)
{
    FixedClock clock(kSaleTime);
    for (const bool archiveReady : { false, true }) {
        SCOPED_TRACE(archiveReady ? "wr.cfg fails after the approval" : "archive not ready");
        Refunding r;
        if (!archiveReady) {
            ASSERT_TRUE(std::filesystem::create_directory(r.shop.temp.file(kSales)));
        }
        r.prompts.choice = refundIn(RefundForm::Eft);
        FaultyFileAccess faulty;
        faulty.faultWriteNumber(1, FaultyFileAccess::Mode::Fail);
        int exchanges = 0;
        CardRefundLink link;
        link.settings = [] { return CardLinkSettings { true, false }; };
        link.exchange = [&](int64_t, int64_t, bool) {
            ++exchanges;
            setFileAccess(&faulty);
            return true;
        };
        EXPECT_EQ(r.run(link), RefundResult::NotRecorded);
        setFileAccess(nullptr);
        EXPECT_EQ(exchanges, archiveReady ? 1 : 0);
        EXPECT_EQ(r.basket.lineCount, 1);
        EXPECT_EQ(r.messages.lastText()
                == "The card program has already refunded 10.00 to the "
                   "card. Do not refund the card again: record this "
                   "refund with the card terminal link switched off.",
            archiveReady);
    }
}
