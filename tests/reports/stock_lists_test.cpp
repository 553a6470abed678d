// The five stock lists: which items each takes, in which order, their lines,
// and their printed pages against reviewed golden pages.

#include "print/logic/recording_print_device.h"
#include "reports/logic/stock_lists.h"
#include "reports/list_shop.h"
#include "support/golden_page.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

using namespace ovix;
using namespace ovix::test;

namespace {

constexpr LocalTime kToday { 2026, 3, 5, 10, 20, 0 };
// Sell-by years are stored as years after 2011.
constexpr int32_t kThisYear = 2026 - 2011;

ItemRecord record(const ListItem &item)
{
    ItemRecord bytes;
    const std::string film = filmRecord(item);
    std::memcpy(&bytes, film.data(), sizeof bytes);
    return bytes;
}

std::vector<std::string> listed(StockListKind kind, const std::string &film)
{
    ListShop shop(film);
    ScriptedMessages messages;
    const StockList list = buildStockList(kind, shop.shop.items, kToday, messages);
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText();
    return list.lines;
}

} // namespace

TEST(StockLists, EachListTakesTheItemsItsRuleNames)
{
    struct Case {
        const char *name;
        StockListKind kind;
        ListItem item;
        bool listed;
    };
    const Case cases[] = {
        { "restock level equal to the stock is reordered", StockListKind::Reorder,
            { .number = 1, .description = "TEA", .quantity = 5, .reorder = 5 }, true },
        { "stock one above the restock level is not", StockListKind::Reorder,
            { .number = 1, .description = "TEA", .quantity = 6, .reorder = 5 }, false },
        { "the order-code list takes the same rule", StockListKind::ReorderByOrderCode,
            { .number = 1, .description = "TEA", .quantity = 5, .reorder = 5 }, true },
        { "a bundle with no stock is not reordered", StockListKind::Reorder,
            { .number = 1, .description = "HAMPER", .quantity = 0, .reorder = 3, .kind = 2 },
            false },
        { "nor on the order-code list", StockListKind::ReorderByOrderCode,
            { .number = 1, .description = "HAMPER", .quantity = 0, .reorder = 3, .kind = 2 },
            false },
        { "nor out of stock", StockListKind::OutOfStock,
            { .number = 1, .description = "HAMPER", .quantity = 0, .kind = 2 }, false },
        { "no stock is out of stock", StockListKind::OutOfStock,
            { .number = 1, .description = "TEA", .quantity = 0 }, true },
        { "stock owed is out of stock", StockListKind::OutOfStock,
            { .number = 1, .description = "TEA", .quantity = -3 }, true },
        { "one in stock is not", StockListKind::OutOfStock,
            { .number = 1, .description = "TEA", .quantity = 1 }, false },
        { "a bundle on special order is listed", StockListKind::SpecialOrders,
            { .number = 1, .description = "HAMPER", .specialOrder = 2, .kind = 2 }, true },
        { "no special orders", StockListKind::SpecialOrders,
            { .number = 1, .description = "TEA" }, false },
        { "sell by today has not expired", StockListKind::SellByExpired,
            { .number = 1, .description = "MILK", .sellBy = { 5, 3, kThisYear } }, false },
        { "sell by yesterday has", StockListKind::SellByExpired,
            { .number = 1, .description = "MILK", .sellBy = { 4, 3, kThisYear } }, true },
        { "last month has, whatever the day", StockListKind::SellByExpired,
            { .number = 1, .description = "MILK", .sellBy = { 28, 2, kThisYear } }, true },
        { "next month has not", StockListKind::SellByExpired,
            { .number = 1, .description = "MILK", .sellBy = { 1, 4, kThisYear } }, false },
        { "last year has, whatever the month", StockListKind::SellByExpired,
            { .number = 1, .description = "MILK", .sellBy = { 31, 12, kThisYear - 1 } }, true },
        { "year 0 never expires", StockListKind::SellByExpired,
            { .number = 1, .description = "SALT", .sellBy = { 1, 1, 0 } }, false },
        { "no day never expires", StockListKind::SellByExpired,
            { .number = 1, .description = "SALT", .sellBy = { 0, 1, 1 } }, false },
        { "a bundle past its sell-by date is listed", StockListKind::SellByExpired,
            { .number = 1, .description = "HAMPER", .sellBy = { 1, 1, 1 }, .kind = 2 }, true },
    };
    for (const Case &c : cases) {
        EXPECT_EQ(onStockList(c.kind, record(c.item), kToday), c.listed) << c.name;
        EXPECT_EQ(listed(c.kind, filmRecord(c.item)).size(), c.listed ? 1u : 0u) << c.name;
    }
}

TEST(StockLists, LinesAndOrders)
{
    // Slot order differs from number order; order codes sort the other way
    // round from the numbers; slot 2 is free.
    const std::string film = filmRecord({ .number = 30, .description = "COFFEE", .quantity = 1,
                                 .reorder = 4, .onOrder = 6, .orderQuantity = 12,
                                 .orderCode = "A-100", .specialOrder = 1 })
        + filmRecord({ .number = 10, .description = "TEA", .quantity = 0, .reorder = 2,
            .orderQuantity = 24, .orderCode = "Z-900", .sellBy = { 2, 1, kThisYear } })
        + filmRecord({ -1 })
        + filmRecord({ .number = 20, .description = "SUGAR", .quantity = 9, .reorder = 3,
            .specialOrder = 4 });
    struct Case {
        StockListKind kind;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        { StockListKind::Reorder, { "10, TEA, 2,0,0,24, Z-900", "30, COFFEE, 4,1,6,12, A-100" } },
        { StockListKind::ReorderByOrderCode,
            { "A-100, 30, COFFEE, 4,1,6,12", "Z-900, 10, TEA, 2,0,0,24" } },
        { StockListKind::OutOfStock, { "10, TEA, 2,0,24, Z-900" } },
        { StockListKind::SpecialOrders, { "30, COFFEE, 1, 1", "20, SUGAR, 9, 4" } },
        { StockListKind::SellByExpired, { "10, TEA, D:2 M:1 Y:2026" } },
    };
    for (const Case &c : cases)
        EXPECT_EQ(listed(c.kind, film), c.lines) << static_cast<int>(c.kind);
}

TEST(StockLists, ReorderListsEachNumberOnceOnAFileWithRepeatedNumbers)
{
    // A damaged film.dat with two records numbered 7 and one at the highest
    // number: the walk lists the first 7 in slot order once and ends.
    const std::string film
        = filmRecord({ .number = 7, .description = "FIRST SEVEN", .orderCode = "B" })
        + filmRecord({ .number = 9223372036854775807, .description = "LAST", .orderCode = "C" })
        + filmRecord({ .number = 7, .description = "SECOND SEVEN", .orderCode = "A" })
        + filmRecord({ .number = 8, .description = "EIGHT", .orderCode = "D" });
    EXPECT_EQ(listed(StockListKind::Reorder, film),
        (std::vector<std::string> { "7, FIRST SEVEN, 0,0,0,0, B", "8, EIGHT, 0,0,0,0, D",
            "9223372036854775807, LAST, 0,0,0,0, C" }));
    EXPECT_EQ(listed(StockListKind::ReorderByOrderCode, film).size(), 3u);
}

TEST(StockLists, AMissingItemFileIsReportedAndTheListIsEmpty)
{
    ListShop shop(filmRecord({ .number = 1, .description = "TEA" }));
    std::remove(shop.folder.file("film.dat").c_str());
    ScriptedMessages messages;
    const StockList list
        = buildStockList(StockListKind::OutOfStock, shop.shop.items, kToday, messages);
    EXPECT_TRUE(list.lines.empty());
    EXPECT_EQ(messages.lastText(), "Data file film.dat, not present.");
    EXPECT_EQ(messages.lastCaption(), "Fatal error");
}

class StockListPages : public EnglishDates {
};

TEST_F(StockListPages, EachListPrintsItsHeadingColumnsAndLines)
{
    std::string film;
    for (int n = 1; n <= 12; ++n) {
        film += filmRecord({ .number = 100 + n, .description = "ITEM " + std::to_string(n),
            .quantity = n % 3 - 1, .reorder = 2, .onOrder = n % 2, .orderQuantity = 6,
            .orderCode = std::string(1, char('M' - n)) + "-" + std::to_string(n),
            .specialOrder = n % 4, .sellBy = { 1 + n, 2, kThisYear } });
    }
    ListShop shop(film);
    // A page of ten lines: the longer lists run onto a second page.
    RecordingPageSetup setup;
    setup.pageWidth = 21000;
    setup.printableWidth = 20000;
    setup.pageHeight = 29700;
    setup.printableHeight = 4000;
    const std::pair<StockListKind, const char *> lists[] = {
        { StockListKind::Reorder, "reports/data/reorder_list.txt" },
        { StockListKind::ReorderByOrderCode, "reports/data/reorder_list_by_order_code.txt" },
        { StockListKind::OutOfStock, "reports/data/out_of_stock_list.txt" },
        { StockListKind::SpecialOrders, "reports/data/customer_order_list.txt" },
        { StockListKind::SellByExpired, "reports/data/sell_by_list.txt" },
    };
    for (const auto &[kind, golden] : lists) {
        ScriptedMessages messages;
        const StockList list = buildStockList(kind, shop.shop.items, kToday, messages);
        RecordingPrintDevice device(setup);
        printStockList(device, list, shop.shop.heading.storeName(), kToday);
        EXPECT_TRUE(matchesGoldenPage(device.transcript(), golden));
    }
}
