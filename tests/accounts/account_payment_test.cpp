// Payments on account: what reaches member.dat, the archive, the day totals,
// wr.cfg and the activity log, read back from the bytes; a payment refused,
// cancelled or failed changes no file; a payment on a transaction finds its
// customer through the year indexes.

#include "accounts/logic/account_payment.h"
#include "accounts/account_shop.h"
#include "platform/file_access.h"
#include "sales/logic/complete_transaction.h"
#include "support/recording_sale_devices.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

using namespace ovix;
using namespace ovix::test;

namespace {

constexpr const char *kSales = "2026/3/5/saleslog.dat";

struct Paid {
    AccountPaymentResult result;
    ScriptedMessages messages;
    RecordingSaleDevices devices;
};

void pay(AccountShop &shop, Paid &paid, const char *amount,
    AccountPaymentMethod method = AccountPaymentMethod::Cash, int64_t customer = 7)
{
    paid.result
        = takeAccountPayment(shop.state, customer, amount, method, paid.messages, paid.devices);
}

} // namespace

TEST(AccountPayment, EachMethodIsArchivedCountedAndLoggedOnce)
{
    struct Case {
        AccountPaymentMethod method;
        const char *paymentType;
        const char *logType;
        FloatField count;
        DoubleField amount;
    };
    const Case cases[] = {
        { AccountPaymentMethod::Cash, "Payment (cash)", "Cash", cfg::cashBalancePaymentsCount,
            cfg::cashBalancePayments },
        { AccountPaymentMethod::Cheque, "Payment (ch)", "CH", cfg::chequeBalancePaymentsCount,
            cfg::chequeBalancePayments },
        { AccountPaymentMethod::Eft, "Payment (eft)", "EFT", cfg::eftBalancePaymentsCount,
            cfg::eftBalancePayments },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.paymentType);
        FixedClock clock(kSaleTime);
        AccountShop shop;
        const double takings = shop.state.config.get(cfg::tillTakings);
        Paid paid;
        pay(shop, paid, "12.50", c.method);
        ASSERT_EQ(paid.result, AccountPaymentResult::Paid) << paid.messages.lastText();
        EXPECT_EQ(paid.messages.lastText(), "Updated");
        EXPECT_EQ(paid.messages.lastCaption(), "Customer");

        const std::vector<ReadTransaction> sales = readSalesBytes(shop.file(kSales));
        ASSERT_EQ(sales.size(), 1u);
        const ReadTransaction &record = sales[0];
        EXPECT_EQ(record.number, 41);
        EXPECT_EQ(record.customer, 7);
        EXPECT_EQ(record.clerk, 2);
        EXPECT_EQ(record.lineCount, 0);
        EXPECT_EQ(record.daySequence, 0);
        EXPECT_FLOAT_EQ(record.total, 12.50f);
        EXPECT_FLOAT_EQ(record.cashPart, c.method == AccountPaymentMethod::Cash ? 12.50f : 0);
        EXPECT_FLOAT_EQ(record.chequePart, c.method == AccountPaymentMethod::Cheque ? 12.50f : 0);
        EXPECT_FLOAT_EQ(record.eftPart, c.method == AccountPaymentMethod::Eft ? 12.50f : 0);
        EXPECT_FLOAT_EQ(record.balanceBefore, 30.00f);
        EXPECT_FLOAT_EQ(record.balanceAfter, 17.50f);
        EXPECT_EQ(record.paymentType, c.paymentType);
        EXPECT_EQ(record.customerName, "SMITH");
        EXPECT_EQ(record.time, "10:20");
        EXPECT_TRUE(record.reservedZero);
        EXPECT_TRUE(shop.file("2026/3/5/itemslog.dat").empty());
        const auto entries = readYearIndexBytes(shop.file("2026/base.dat"));
        ASSERT_EQ(entries.size(), 1u);
        EXPECT_EQ(entries[0], (std::array<int32_t, 3> { 41, 5, 3 }));

        // The stored configuration: number moved on, the day totals grown.
        ScriptedMessages quiet;
        TillConfig stored;
        ASSERT_TRUE(loadTillConfig(shop.state.dir, stored, quiet));
        EXPECT_EQ(stored.get(cfg::nextTransactionNumber), 42);
        EXPECT_EQ(stored.get(cfg::todayTransactionCount), 7);
        EXPECT_EQ(moneyCents(stored.get(cfg::tillTakings)), moneyCents(takings) + 1250);
        EXPECT_EQ(stored.get(c.count), 1.0f);
        EXPECT_EQ(moneyCents(stored.get(c.amount)), 1250);
        EXPECT_EQ(stored.view(), shop.state.config.view());

        const CustomerRecord smith = shop.customer(7);
        EXPECT_FLOAT_EQ(smith.balance, 17.50f);
        EXPECT_EQ(readText(smith.last_payment), "10:2005/03/2026");
        EXPECT_EQ(+smith.last_transaction, 41);

        EXPECT_EQ(shop.logCount("Payment: 41, Total: 12.50\r\nClerk: 2, "), 1u);
        EXPECT_EQ(shop.logCount(std::string("Payment type: ") + c.logType + "\r\nCustomer: 7 SMITH\r\n"),
            1u);
        EXPECT_EQ(paid.devices.calls.back(), "summary");
        EXPECT_EQ(paid.devices.summaryNumber, 41);
    }
}

TEST(AccountPayment, OnlyTheBalanceAndTheStampsOfTheCustomerChange)
{
    FixedClock clock(kSaleTime);
    AccountShop shop;
    CustomerRecord expected = shop.customer(7);
    Paid paid;
    pay(shop, paid, "10");
    ASSERT_EQ(paid.result, AccountPaymentResult::Paid);
    expected.balance = 20.0f;
    writeText(expected.last_payment, "10:2005/03/2026");
    expected.last_transaction = 41;
    const CustomerRecord smith = shop.customer(7);
    // The credit limit, the tax exemption, the terms and the purchases stay.
    EXPECT_EQ(std::memcmp(&smith, &expected, sizeof smith), 0);
    EXPECT_EQ(+shop.customer(8).balance, 0.0f);
}

TEST(AccountPayment, AmountsAreTakenInWholeCentsOrRefused)
{
    struct Case {
        const char *typed;
        std::optional<int64_t> cents;
    };
    const Case cases[] = {
        { "12.345", 1235 }, { " 20 ", 2000 }, { "0.01", 1 }, { "9999999.99", 999999999 },
        { "0", std::nullopt }, { "0.004", std::nullopt }, { "-5", std::nullopt },
        { "10000000", std::nullopt }, { "1e3", std::nullopt }, { "12,50", std::nullopt },
        { "", std::nullopt }, { "abc", std::nullopt }, { "1.2.3", std::nullopt },
        { "nan", std::nullopt },
    };
    for (const Case &c : cases)
        EXPECT_EQ(typedPaymentCents(c.typed), c.cents) << c.typed;
}

TEST(AccountPayment, TwelvePointThreeFourFiveIsTakenAsTwelvePointThreeFive)
{
    FixedClock clock(kSaleTime);
    AccountShop shop;
    Paid paid;
    pay(shop, paid, "12.345");
    ASSERT_EQ(paid.result, AccountPaymentResult::Paid);
    EXPECT_EQ(moneyCents(shop.customer(7).balance), 1765);
}

TEST(AccountPayment, PayingMoreThanTheBalanceAsksAndMayLeaveACredit)
{
    for (const bool goOn : { true, false }) {
        FixedClock clock(kSaleTime);
        AccountShop shop;
        const SaleShop::Snapshot before = shop.snapshot();
        Paid paid;
        paid.messages.answers.push_back(goOn ? Answer::Ok : Answer::Cancel);
        pay(shop, paid, "50.00");
        ASSERT_FALSE(paid.messages.shown.empty());
        EXPECT_EQ(paid.messages.shown[0].text, "Continue");
        EXPECT_EQ(paid.messages.shown[0].caption, "Exceeds amount due");
        if (goOn) {
            EXPECT_EQ(paid.result, AccountPaymentResult::Paid);
            EXPECT_EQ(moneyCents(shop.customer(7).balance), -2000);
        } else {
            EXPECT_EQ(paid.result, AccountPaymentResult::Cancelled);
            EXPECT_EQ(shop.snapshot(), before);
            EXPECT_TRUE(paid.devices.calls.empty());
        }
    }
}

TEST(AccountPayment, PayingExactlyTheBalanceDoesNotAsk)
{
    FixedClock clock(kSaleTime);
    AccountShop shop;
    Paid paid;
    pay(shop, paid, "30.00");
    ASSERT_EQ(paid.result, AccountPaymentResult::Paid);
    EXPECT_EQ(paid.messages.shown.size(), 1u); // "Updated" only
    EXPECT_EQ(moneyCents(shop.customer(7).balance), 0);
}

TEST(AccountPayment, ARefusedAmountOrAMissingCustomerChangesNoFile)
{
    FixedClock clock(kSaleTime);
    AccountShop shop;
    const SaleShop::Snapshot before = shop.snapshot();
    Paid refused;
    pay(shop, refused, "ten");
    EXPECT_EQ(refused.result, AccountPaymentResult::Refused);
    Paid missing;
    pay(shop, missing, "10", AccountPaymentMethod::Cash, 99);
    EXPECT_EQ(missing.result, AccountPaymentResult::NotRecorded);
    EXPECT_EQ(shop.snapshot(), before);
    EXPECT_EQ(shop.state.config.get(cfg::nextTransactionNumber), 41);
}

TEST(AccountPayment, TheNumbersOfSalesAndPaymentsNeverRepeat)
{
    FixedClock clock(kSaleTime);
    AccountShop shop;
    for (int i = 0; i < 3; ++i) {
        Paid paid;
        pay(shop, paid, "1.00", i == 1 ? AccountPaymentMethod::Eft : AccountPaymentMethod::Cash);
        ASSERT_EQ(paid.result, AccountPaymentResult::Paid);
        Basket sale {};
        shop.ringUp(sale, 101);
        SaleShop::pay(sale, "Cash");
        ScriptedMessages quiet;
        ASSERT_EQ(completeTransaction(shop.state, sale, quiet), CompletionResult::Archived);
    }
    // A restart reads wr.cfg: the next payment still takes a new number.
    shop.restart();
    Paid last;
    pay(shop, last, "1.00");
    ASSERT_EQ(last.result, AccountPaymentResult::Paid);
    std::set<int64_t> numbers;
    for (const ReadTransaction &record : readSalesBytes(shop.file(kSales)))
        EXPECT_TRUE(numbers.insert(record.number).second) << record.number;
    EXPECT_EQ(numbers.size(), 7u);
    EXPECT_EQ(shop.logCount(" Payment: "), 4u);
}

TEST(AccountPayment, TheFirstPaymentOfANewYearMakesTheYearIndex)
{
    AccountShop shop;
    const LocalTime newYear { 2027, 1, 1, 0, 5, 0 };
    FixedClock clock(newYear);
    ASSERT_FALSE(fileExists(shop.temp.file("2027/base.dat")));
    Paid paid;
    pay(shop, paid, "5.00");
    ASSERT_EQ(paid.result, AccountPaymentResult::Paid) << paid.messages.lastText();
    const auto entries = readYearIndexBytes(shop.file("2027/base.dat"));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0], (std::array<int32_t, 3> { 41, 1, 1 }));
    EXPECT_EQ(readSalesBytes(shop.file("2027/1/1/saleslog.dat")).size(), 1u);
}

TEST(AccountPayment, ANumberTheArchiveAlreadyHoldsIsPassedOver)
{
    FixedClock clock(kSaleTime);
    AccountShop shop;
    Basket sale {};
    shop.ringUp(sale, 101);
    SaleShop::pay(sale, "Cash");
    ScriptedMessages quiet;
    ASSERT_EQ(completeTransaction(shop.state, sale, quiet), CompletionResult::Archived);
    // wr.cfg lost the advance (an old copy restored): it offers 41 again.
    shop.state.config.set(cfg::nextTransactionNumber, 41);
    Paid paid;
    pay(shop, paid, "5.00");
    ASSERT_EQ(paid.result, AccountPaymentResult::Paid);
    const std::vector<ReadTransaction> sales = readSalesBytes(shop.file(kSales));
    ASSERT_EQ(sales.size(), 2u);
    EXPECT_EQ(sales[1].number, 42);
    EXPECT_EQ(+shop.customer(7).last_transaction, 42);
    EXPECT_EQ(shop.state.config.get(cfg::nextTransactionNumber), 43);
}

TEST(AccountPayment, TheDevicesRunAfterTheFilesAsTheyAreSetUp)
{
    FixedClock clock(kSaleTime);
    AccountShop shop;
    shop.state.config.set(cfg::drawerInUse, 1);
    shop.state.config.set(cfg::poleInUse, 1);
    Paid paid;
    paid.devices.onSummary = [&](const Basket &) {
        EXPECT_EQ(readSalesBytes(shop.file(kSales)).size(), 1u);
    };
    pay(shop, paid, "7.25");
    ASSERT_EQ(paid.result, AccountPaymentResult::Paid);
    EXPECT_EQ(paid.devices.calls,
        (std::vector<std::string> { "drawer", "pole 7.25 0.00", "summary" }));
}

TEST(AccountPayment, OnATransactionTheCustomerComesFromTheArchive)
{
    FixedClock clock(kSaleTime);
    AccountShop shop;
    ScriptedMessages quiet;
    Basket cash {};
    shop.ringUp(cash, 101);
    SaleShop::pay(cash, "Cash");
    ASSERT_EQ(completeTransaction(shop.state, cash, quiet), CompletionResult::Archived);
    Paid onAccount;
    pay(shop, onAccount, "3.00"); // 42, customer 7

    struct Case {
        int32_t number;
        std::optional<int64_t> customer;
        const char *told;
    };
    const Case cases[] = {
        { 41, std::nullopt, "No customer associated with transaction" },
        { 42, 7, "" },
        { 43, std::nullopt, "" }, // in no index: silently nothing
    };
    for (const Case &c : cases) {
        ScriptedMessages messages;
        EXPECT_EQ(customerOfTransaction(shop.state, c.number, kSaleTime, messages), c.customer)
            << c.number;
        EXPECT_EQ(messages.lastText(), c.told) << c.number;
    }

    std::remove(shop.temp.file(kSales).c_str());
    ScriptedMessages messages;
    EXPECT_EQ(customerOfTransaction(shop.state, 42, kSaleTime, messages), std::nullopt);
    EXPECT_EQ(messages.lastText(), "Unable to open sales log.");
}

TEST(AccountPayment, TheInvoiceListHoldsTheIndexedTransactionsFromTheFirstDay)
{
    FixedClock clock(kSaleTime);
    AccountShop shop;
    Paid first;
    pay(shop, first, "1.00");
    Paid second;
    pay(shop, second, "1.00");
    shop.state.config.set(cfg::historyStart, 0, 1);
    shop.state.config.set(cfg::historyStart, 1, 1);
    shop.state.config.set(cfg::historyStart, 2, 2026);
    const InvoiceList list = invoiceList(shop.state.dir, shop.state.config, kSaleTime);
    EXPECT_FALSE(list.tooMany);
    EXPECT_EQ(list.lines,
        (std::vector<std::string> { "41 on day 5 of month 3, 2026", "42 on day 5 of month 3, 2026" }));
    EXPECT_EQ(transactionNumberOfLine(list.lines[1]), 42);
    // Entries before the first day of the archive are left out.
    shop.state.config.set(cfg::historyStart, 0, 6);
    shop.state.config.set(cfg::historyStart, 1, 3);
    EXPECT_TRUE(invoiceList(shop.state.dir, shop.state.config, kSaleTime).lines.empty());

    struct Case {
        const char *typed;
        std::optional<int32_t> number;
    };
    for (const Case &c : { Case { "42", 42 }, Case { " 200000000", 200000000 },
             Case { "0", std::nullopt }, Case { "200000001", std::nullopt },
             Case { "4 2", std::nullopt }, Case { "x", std::nullopt } })
        EXPECT_EQ(typedTransactionNumber(c.typed), c.number) << c.typed;
}
