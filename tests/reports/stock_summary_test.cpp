// The stock summary and the retail-below-cost list over a film.dat built
// record by record at the documented offsets.

#include "platform/data_dir.h"
#include "platform/scripted_messages.h"
#include "reports/logic/stock_summary.h"
#include "support/test_support.h"
#include "till/sale_fixture.h"

#include <gtest/gtest.h>

#include <string>

using namespace ovix;
using namespace ovix::test;

namespace {

constexpr size_t kItemSize = 1874;

// One film.dat record: number, description, quantity, cost and retail price.
std::string itemBytes(int64_t number, const char *description, int32_t quantity, float cost,
    float retail)
{
    std::string bytes(kItemSize, '\0');
    putI64(bytes, 0, number);
    putText(bytes, 8, description);
    putI32(bytes, 670, quantity);
    putF32(bytes, 814, cost);
    putF32(bytes, 822, retail);
    return bytes;
}

} // namespace

TEST(StockSummary, ValuesTheStockOnHand)
{
    struct Case {
        const char *name;
        std::string film;
        const char *cost;
        const char *retail;
        const char *items;
        const char *margin;
    };
    const std::string tea = itemBytes(101, "TEA", 10, 1.10f, 2.20f);
    const std::string milk = itemBytes(102, "MILK", 3, 0.80f, 1.20f);
    const std::string none = itemBytes(103, "BREAD", 0, 0.90f, 1.99f);
    const std::string owed = itemBytes(104, "JAM", -4, 1.00f, 2.00f);
    const std::string free = itemBytes(0, "FREE SLOT", 50, 9.00f, 9.00f);
    std::string pennies;
    for (int64_t n = 1; n <= 1000; ++n)
        pennies += itemBytes(n, "PENNY SWEET", 1, 0.07f, 0.10f);
    const Case cases[] = {
        {"two items in stock", tea + milk, "13.40", "25.60", "13", "91.04%"},
        {"none or fewer in stock, and free slots, are left out", tea + none + owed + free,
            "11.00", "22.00", "10", "100.00%"},
        {"a part record at the end is no record", tea + milk.substr(0, 900), "11.00", "22.00",
            "10", "100.00%"},
        {"cost of nothing has no margin", itemBytes(5, "GIFT", 2, 0.0f, 3.00f), "0.00", "6.00",
            "2", "N/A"},
        {"cost equal to retail has no margin", itemBytes(6, "BAG", 2, 0.50f, 0.50f), "1.00",
            "1.00", "2", "N/A"},
        {"a thousand small prices keep their cents", pennies, "70.00", "100.00", "1000",
            "42.86%"},
        {"an empty file", "", "0.00", "0.00", "0", "N/A"},
    };
    for (const Case &c : cases) {
        TempDir folder;
        writeBytes(folder.file("film.dat"), c.film);
        ScriptedMessages messages;
        const auto summary = summariseStock(DataDir(folder.path()), messages);
        ASSERT_TRUE(summary.has_value()) << c.name;
        const auto lines = stockSummaryLines(*summary);
        EXPECT_EQ(lines[0].first, "Value (cost)");
        EXPECT_EQ(lines[0].second, c.cost) << c.name;
        EXPECT_EQ(lines[1].second, c.retail) << c.name;
        EXPECT_EQ(lines[2].second, c.items) << c.name;
        EXPECT_EQ(lines[3].first, "Margin");
        EXPECT_EQ(lines[3].second, c.margin) << c.name;
    }
}

TEST(StockSummary, AMissingItemFileIsReported)
{
    TempDir folder;
    ScriptedMessages messages;
    EXPECT_FALSE(summariseStock(DataDir(folder.path()), messages).has_value());
    EXPECT_EQ(messages.lastText(), "Data file film.dat, not present.");
    EXPECT_EQ(messages.lastCaption(), "Fatal error");
}

TEST(RetailBelowCost, ListsTheItemsSoldBelowCostInNumberOrder)
{
    SaleShop shop;
    shop.addItem({ 300, "LOSS LEADER", 4, 0.99f, 1.50f, 1, 1 });
    shop.addItem({ 120, "TEA", 5, 2.50f, 1.00f, 1, 1 });
    shop.addItem({ 200, "EVEN", 1, 1.00f, 1.00f, 1, 1 });
    shop.addItem({ 150, "HALF CENT", 1, 1.004f, 1.001f, 1, 1 });
    shop.addItem({ 110, "NO PRICE", 2, 0.0f, 0.50f, 1, 1 });
    ScriptedMessages messages;
    const auto below = itemsBelowCost(shop.state.items, messages);
    ASSERT_TRUE(below.has_value());
    ASSERT_EQ(below->size(), 2u);
    EXPECT_EQ((*below)[0].line, "110, NO PRICE (2) 0.50 0.00");
    EXPECT_EQ((*below)[1].line, "300, LOSS LEADER (4) 1.50 0.99");
}
