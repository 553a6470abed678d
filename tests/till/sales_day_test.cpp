// A whole trading day of 200 mixed sales rung up through the item entry and
// completed one after another: afterwards the archive, read back byte by
// byte, must agree with the sales made, with the stock left on film.dat, with
// the activity log and with the day totals in wr.cfg.

#include "platform/c_format.h"
#include "platform/file_access.h"
#include "platform/scripted_messages.h"
#include "sales/logic/complete_transaction.h"
#include "sales/logic/item_entry.h"
#include "sales/logic/null_basket_view.h"
#include "till/sale_fixture.h"

#include <gtest/gtest.h>

#include <cinttypes>
#include <cmath>
#include <map>
#include <random>
#include <vector>

using namespace ovix;
using namespace ovix::test;

namespace {

// The day checks agreement, not durability: syncs are skipped to keep it quick.
class NoSyncFileAccess : public FileAccess {
public:
    int fsync(int) override
    {
        return 0;
    }
};

int64_t cents(double amount)
{
    return std::llround(amount * 100.0);
}

const char *const kPaymentTypes[]
    = { "Cash", "Cash", "Cash", "CH", "EFT", "EFT", "Credit", "Split" };

} // namespace

TEST(SalesDay, TwoHundredMixedSalesAgreeWithStockLogAndDayTotals)
{
    LocalTime time = kSaleTime;
    time.hour = 8;
    FixedClock clock(time);
    NoSyncFileAccess noSync;
    setFileAccess(&noSync);

    SaleShop shop;
    std::mt19937 random(2026);
    auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    std::map<int64_t, int32_t> stockAtStart;
    for (int64_t number = 1001; number <= 1040; ++number) {
        const std::string description = cformat("ITEM %" PRId64, number);
        const int32_t quantity = number % 7 == 0 ? 3 : pick(10, 60);
        TestItem item { number, "", quantity, pick(50, 5000) / 100.0f, pick(10, 2000) / 100.0f,
            static_cast<int32_t>(number % 18), number % 3 == 0 ? 0 : 1 };
        item.description = description;
        shop.addItem(item);
        stockAtStart[number] = quantity;
    }
    shop.addCustomer(501, "A. SMITH", 0);
    shop.addCustomer(502, "B. JONES", 25.5f);

    Basket basket {};
    Basket saved {};
    NullBasketView view;
    ScriptedMessages messages;
    ItemEntry entry(shop.state, basket, saved, view, messages);
    std::vector<Basket> made;

    for (int sale = 0; sale < 200; ++sale) {
        time.hour = 8 + sale / 20;
        time.minute = (sale * 3) % 60;
        setFixedLocalTime(time);
        const int lineCount = pick(1, 7);
        for (int line = 0; line < lineCount; ++line) {
            if (pick(0, 9) == 0)
                entry.addNonInventoryLine("LOOSE ITEMS", pick(10, 999) / 100.0, pick(0, 1), false);
            else
                entry.addItem(pick(1001, 1040), {}); // refused when out of stock
        }
        if (basket.lineCount > 1 && pick(0, 5) == 0)
            entry.voidLine(pick(0, basket.lineCount - 1));
        if (basket.lineCount == 0)
            entry.addNonInventoryLine("MISC", 1.00, false, false);
        const char *type = kPaymentTypes[pick(0, 7)];
        if (std::string(type) == "Credit" || pick(0, 9) == 0)
            entry.associateCustomer(pick(501, 502));
        if (pick(0, 9) == 0) {
            const double discount = roundMoney(basket.total(BasketTotal::Total) * 0.1);
            basket.setTotal(BasketTotal::Discount, static_cast<float>(discount));
            addToRunningTotal(basket, BasketTotal::Total, -discount);
        }
        const float total = basket.total(BasketTotal::Total);
        SaleShop::pay(basket, type, static_cast<float>(roundMoney(total / 2)));
        if (std::string(type) == "Credit")
            basket.setTotal(BasketTotal::BalanceAfter, total);
        Basket archived {};
        ASSERT_EQ(completeTransaction(shop.state, basket, messages, { &archived, nullptr }),
            CompletionResult::Archived)
            << sale << " " << messages.lastText();
        made.push_back(archived);
    }
    setFileAccess(nullptr);
    for (const ScriptedMessages::Shown &shown : messages.shown) {
        EXPECT_TRUE(shown.text == "Item out of stock" || shown.caption == "Customer associated")
            << shown.text;
    }

    // The archive, read byte by byte.
    const std::vector<ReadTransaction> sales = readSalesBytes(shop.file("2026/3/5/saleslog.dat"));
    const std::vector<ReadLine> lines = readLineBytes(shop.file("2026/3/5/itemslog.dat"));
    const auto index = readYearIndexBytes(shop.file("2026/base.dat"));
    ASSERT_EQ(sales.size(), 200u);
    ASSERT_EQ(index.size(), 200u);
    EXPECT_EQ(shop.file("2026/3/5/saleslog.dat").size(), 200 * 950u);

    std::map<int64_t, int> unitsSold;
    std::map<int64_t, int> categoryLines;
    std::map<int64_t, int64_t> categoryCents;
    std::map<std::string, int64_t> totalsCents;
    std::map<std::string, float> counts;
    size_t at = 0;
    int64_t lineTotal = 0;
    for (size_t i = 0; i < sales.size(); ++i) {
        const ReadTransaction &sale = sales[i];
        const Basket &expected = made[i];
        EXPECT_EQ(sale.number, static_cast<int64_t>(i) + 1);
        EXPECT_EQ(sale.daySequence, static_cast<int64_t>(i) + 1);
        EXPECT_EQ(index[i][0], sale.number);
        EXPECT_EQ(index[i][1], 5);
        EXPECT_EQ(index[i][2], 3);
        EXPECT_EQ(sale.lineCount, expected.lineCount);
        EXPECT_EQ(sale.total, expected.total(BasketTotal::Total));
        EXPECT_EQ(sale.customer, expected.customerNumber);
        EXPECT_EQ(sale.paymentType, readText(expected.paymentType));
        EXPECT_TRUE(sale.reservedZero);
        int64_t linesCents = 0;
        for (int line = 0; line < sale.lineCount; ++line, ++at) {
            ASSERT_LT(at, lines.size());
            const ReadLine &sold = lines[at];
            EXPECT_EQ(sold.transaction, sale.number);
            EXPECT_EQ(sold.item, expected.lineItemNumber[line]);
            EXPECT_EQ(sold.customer, sale.customer);
            EXPECT_EQ(sold.total, expected.lineTotal[line]);
            linesCents += cents(sold.total);
            if (sold.item == 0) {
                EXPECT_EQ(sold.category, 18);
                continue;
            }
            EXPECT_EQ(sold.category, sold.item % 18);
            ++unitsSold[sold.item];
            ++categoryLines[sold.category];
            categoryCents[sold.category] += cents(sold.total);
        }
        lineTotal += sale.lineCount;
        // The lines make up the sale, before its discount.
        EXPECT_EQ(linesCents, cents(sale.total) + cents(sale.discount)) << sale.number;
        EXPECT_EQ(cents(sale.subtotal), cents(sale.nonTaxable) + cents(sale.taxable));
        const bool credit = sale.paymentType == "Credit";
        totalsCents["takings"] += credit ? 0 : cents(sale.total);
        totalsCents["credit"] += credit ? cents(sale.total) : 0;
        totalsCents["total"] += cents(sale.total);
        totalsCents["cash"] += cents(sale.cashPart);
        totalsCents["cheque"] += cents(sale.chequePart);
        totalsCents["eft"] += cents(sale.eftPart);
        totalsCents["nonTaxable"] += cents(sale.nonTaxable);
        totalsCents["taxable"] += cents(sale.taxable);
        totalsCents["taxOne"] += cents(sale.taxOne);
        totalsCents["discount"] += cents(sale.discount);
        counts[sale.paymentType] += 1;
    }
    EXPECT_EQ(at, lines.size());

    // Stock and sales counts on film.dat.
    for (const auto &[number, quantity] : stockAtStart) {
        EXPECT_EQ(shop.quantityOf(number), quantity - unitsSold[number]) << number;
        EXPECT_EQ(shop.totalSoldOf(number), unitsSold[number]) << number;
        EXPECT_GE(shop.quantityOf(number), 0);
    }

    // The log holds each sale's block in order.
    const std::string log = shop.file("bun4.dat");
    size_t from = 0;
    for (const ReadTransaction &sale : sales) {
        const std::string head = cformat(
            " Sale: %" PRId64 ", Total: %.2f\r\n", sale.number, static_cast<double>(sale.total));
        const size_t found = log.find(head, from);
        ASSERT_NE(found, std::string::npos) << sale.number;
        EXPECT_NE(log.find(cformat("   Items: %d\r\nPayment type: %s\r\n", sale.lineCount,
                               sale.paymentType.c_str()),
                      found),
            std::string::npos);
        from = found + head.size();
    }

    // The day totals, as the next start reads them from wr.cfg.
    shop.restart();
    const TillConfig &config = shop.state.config;
    EXPECT_EQ(config.get(cfg::nextTransactionNumber), 201);
    EXPECT_EQ(config.get(cfg::todayTransactionCount), 200);
    EXPECT_EQ(config.get(cfg::todayItemCount), lineTotal);
    EXPECT_EQ(cents(config.get(cfg::tillTakings)), totalsCents["takings"]);
    EXPECT_EQ(cents(config.get(cfg::creditSales)), totalsCents["credit"]);
    EXPECT_EQ(cents(config.get(cfg::salesTotal)), totalsCents["total"]);
    EXPECT_EQ(cents(config.get(cfg::cashSales)), totalsCents["cash"]);
    EXPECT_EQ(cents(config.get(cfg::chequeSales)), totalsCents["cheque"]);
    EXPECT_EQ(cents(config.get(cfg::eftSales)), totalsCents["eft"]);
    EXPECT_EQ(cents(config.get(cfg::nonTaxableSales)), totalsCents["nonTaxable"]);
    EXPECT_EQ(cents(config.get(cfg::taxableSales)), totalsCents["taxable"]);
    EXPECT_EQ(cents(config.get(cfg::taxOneSales)), totalsCents["taxOne"]);
    EXPECT_EQ(cents(config.get(cfg::discounts)), totalsCents["discount"]);
    EXPECT_EQ(config.get(cfg::cashSalesCount), counts["Cash"]);
    EXPECT_EQ(config.get(cfg::chequeSalesCount), counts["CH"]);
    EXPECT_EQ(config.get(cfg::eftSalesCount), counts["EFT"]);
    EXPECT_EQ(config.get(cfg::creditSalesCount), counts["Credit"]);
    EXPECT_GT(counts["Split"], 0.0f);
    for (int category = 0; category < kCategoryCount; ++category) {
        const auto at18 = static_cast<size_t>(category);
        EXPECT_EQ(config.get(cfg::categoryDayCounts, at18), categoryLines[category]) << category;
        EXPECT_EQ(config.get(cfg::categoryMonthCounts, at18), categoryLines[category]);
        EXPECT_EQ(cents(config.get(cfg::categoryDayValues, at18)), categoryCents[category]);
    }
}
