// The printed inventory, customer and supplier lists: the range typed, which
// records each list prints, their lines, and whole pages against reviewed
// golden pages (listing font, indent, page breaks, closing line).

#include "print/logic/recording_print_device.h"
#include "reports/logic/customer_lists.h"
#include "reports/logic/inventory_lists.h"
#include "reports/list_shop.h"
#include "store/till_config.h"
#include "support/golden_page.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using namespace ovix;
using namespace ovix::test;

namespace {

constexpr LocalTime kToday { 2026, 3, 5, 10, 20, 0 };

ItemRecord itemOf(const ListItem &item)
{
    ItemRecord record;
    const std::string bytes = filmRecord(item);
    std::memcpy(&record, bytes.data(), sizeof record);
    return record;
}

CustomerRecord customerOf(const ListCustomer &customer)
{
    CustomerRecord record;
    const std::string bytes = memberRecord(customer);
    std::memcpy(&record, bytes.data(), sizeof record);
    return record;
}

// The texts of a line, joined with '|' where a column starts.
std::string cells(const ListingLine &line)
{
    std::string joined;
    for (const ListingCell &cell : line)
        joined += std::to_string(cell.column) + ":" + cell.text + "|";
    return joined;
}

// The eight items of the printed pages.
std::string pageItems()
{
    std::string film;
    const char *descriptions[] = { "TEA BAGS 80", "COFFEE 200G", "SUGAR 1KG", "MILK 1L",
        "BREAD", "JAM", "SALT", "MATCHES" };
    for (int n = 0; n < 8; ++n) {
        film += filmRecord({ .number = 1001 + n * 7, .description = descriptions[n],
            .quantity = n - 2, .cost = 0.35f * float(n + 1), .retail = 0.99f * float(n + 1),
            .category = n % 3 + 13, .location = n % 2 ? "SHELF A" : "Back room" });
    }
    return film;
}

// A page of ten lines of 150 wide characters, as the listing font would give.
RecordingPrintDevice listingDevice()
{
    RecordingPageSetup setup;
    setup.pageWidth = 21000;
    setup.printableWidth = 20000;
    setup.printableHeight = 4000;
    return RecordingPrintDevice(setup);
}

class PrintedListPages : public EnglishDates {
};

} // namespace

TEST(PrintedLists, FromAndToMustBeNumbersInRange)
{
    struct Case {
        const char *from;
        const char *to;
        bool taken;
    };
    const Case cases[] = {
        { "1", "10", true },
        { "7", "7", true },
        { "1", "100000000000000000", true },
        { "100000000000000000", "100000000000000000", true },
        { "0", "10", false },
        { "-3", "10", false },
        { "5", "4", false },
        { "1", "100000000000000001", false },
        { "1", "9223372036854775808", false },
        { "", "10", false },
        { "1", "", false },
        { "1x", "10", false },
        { " 1", "10", false },
    };
    for (const Case &c : cases) {
        ScriptedMessages messages;
        EXPECT_EQ(listingRange(c.from, c.to, messages).has_value(), c.taken)
            << c.from << ".." << c.to;
        if (!c.taken) {
            EXPECT_EQ(messages.lastText(), "Outside range");
            EXPECT_EQ(messages.lastCaption(), "Problem");
        }
    }
}

TEST(PrintedLists, EachInventoryListTakesTheItemsItsChoiceNames)
{
    struct Case {
        const char *name;
        InventoryListChoice choice;
        ListItem item;
        bool listed;
    };
    const ListItem tea { .number = 5, .description = "TEA", .quantity = 1, .category = 2,
        .location = "Shelf \xE9" };
    const Case cases[] = {
        { "every item from a number", { InventoryListKind::FromNumber }, tea, true },
        { "every category", { .kind = InventoryListKind::ByCategory, .category = 0 }, tea, true },
        { "its own category, counted from 1",
            { .kind = InventoryListKind::ByCategory, .category = 3 }, tea, true },
        { "another category", { .kind = InventoryListKind::ByCategory, .category = 2 }, tea,
            false },
        { "one in stock is held", { InventoryListKind::InStock }, tea, true },
        { "none in stock is not", { InventoryListKind::InStock },
            { .number = 5, .description = "TEA", .quantity = 0 }, false },
        { "the location in any case",
            { .kind = InventoryListKind::ByLocation, .location = "SHELF \xC9" }, tea, true },
        { "another location", { .kind = InventoryListKind::ByLocation, .location = "SHELF" }, tea,
            false },
        { "custom takes every item", { InventoryListKind::Custom },
            { .number = 5, .description = "TEA", .quantity = -4 }, true },
    };
    for (const Case &c : cases)
        EXPECT_EQ(onInventoryList(c.choice, itemOf(c.item)), c.listed) << c.name;
}

TEST(PrintedLists, StockValuesAreWorkedOutInWholeCents)
{
    TillConfig config;
    struct Case {
        int32_t quantity;
        float price;
        const char *total;
    };
    // A float product of 100000001 x 0.07 is 7000000.00 or 7000000.50;
    // the shop's value is 7000000.07.
    const Case cases[] = {
        { 3, 0.10f, "0.30" },
        { 100000001, 0.07f, "7000000.07" },
        { -2, 1.25f, "-2.50" },
        { 0, 9.99f, "0.00" },
        { 2147483647, 9.0e15f, "92233720368547758.07" },
    };
    for (const Case &c : cases) {
        const ItemRecord item
            = itemOf({ .number = 1, .description = "X", .quantity = c.quantity, .cost = c.price,
                .retail = c.price });
        EXPECT_EQ(inventoryListLine(InventoryListKind::FromNumber, item, config).back().text,
            c.total)
            << c.quantity;
        EXPECT_EQ(inventoryListLine(InventoryListKind::IncludingCost, item, config).back().text,
            c.total)
            << c.quantity;
    }
}

TEST(PrintedLists, ColumnsStartWhereTheListsPutThem)
{
    TillConfig config;
    config.setCategoryName(3, "BOO");
    const ItemRecord item = itemOf({ .number = 12, .description = "TEA", .quantity = 2,
        .cost = 1.5f, .retail = 2.25f, .category = 2 });
    EXPECT_EQ(cells(inventoryListLine(InventoryListKind::FromNumber, item, config)),
        "0:12|16:TEA|57:BOO|64:2|74:2.25|86:4.50|");
    EXPECT_EQ(cells(inventoryListLine(InventoryListKind::InStock, item, config)),
        "0:12|16:TEA|57:BOO|64:2|74:1.50|84:2.25|96:3.00|");
}

TEST(PrintedLists, CustomListShowsTheColumnsTurnedOn)
{
    TillConfig config;
    EXPECT_EQ(inventoryColumnLine(InventoryListKind::Custom, config), "Number");
    const size_t on[] = { 0, 1, 7, 13, 14, 19 };
    for (size_t column : on)
        config.set(cfg::inventoryPrintColumns, column, 2);
    EXPECT_EQ(inventoryColumnLine(InventoryListKind::Custom, config),
        "Number, Description, SKU 1, Retail, Tax code, In stock, Web image");
    struct Case {
        int32_t tax;
        const char *line;
    };
    const Case cases[] = {
        { 0, "7, TEA, , 2.25, Non, -1, " },
        { 1, "7, TEA, , 2.25, 1 and 2, -1, " },
        { 2, "7, TEA, , 2.25, Tax 1, -1, " },
        { 3, "7, TEA, , 2.25, Tax 2, -1, " },
    };
    for (const Case &c : cases) {
        ItemRecord item
            = itemOf({ .number = 7, .description = "TEA", .quantity = -1, .retail = 2.25f });
        item.tax = c.tax;
        EXPECT_EQ(cells(inventoryListLine(InventoryListKind::Custom, item, config)),
            std::string("0:") + c.line + "|");
    }
}

TEST(PrintedLists, ARangeWithoutItemsIsReported)
{
    ListShop shop(pageItems());
    ScriptedMessages messages;
    EXPECT_FALSE(inventoryListing({ .range = { 1, 1000 } }, shop.shop.items, shop.shop.config,
        messages)
                     .has_value());
    EXPECT_EQ(messages.lastText(), "No items in range.");
    EXPECT_FALSE(supplierListing(1, shop.shop.suppliers, messages).has_value());
    EXPECT_EQ(messages.lastText(), "No items in range.");
}

TEST(PrintedLists, CustomersOnTheDebtorAndInactiveLists)
{
    struct Case {
        const char *name;
        CustomerListKind kind;
        ListCustomer customer;
        bool listed;
    };
    const Case cases[] = {
        { "a balance owed", CustomerListKind::Debtors, { .number = 1, .balance = 0.01f }, true },
        { "a credit", CustomerListKind::Debtors, { .number = 1, .balance = -5.0f }, true },
        { "nothing owed", CustomerListKind::Debtors, { .number = 1, .balance = 0.0f }, false },
        { "less than a cent", CustomerListKind::Debtors, { .number = 1, .balance = 0.004f },
            false },
        { "last used in the year asked", CustomerListKind::InactiveSince,
            { .number = 1, .lastUsed = "10:1531/12/2000" }, true },
        { "last used after it", CustomerListKind::InactiveSince,
            { .number = 1, .lastUsed = "10:1501/01/2001" }, false },
        { "never used", CustomerListKind::InactiveSince, { .number = 1 }, true },
        { "a stamp without a year", CustomerListKind::InactiveSince,
            { .number = 1, .lastUsed = "10:15" }, true },
    };
    for (const Case &c : cases) {
        const CustomerListChoice choice { .kind = c.kind, .year = 2000 };
        EXPECT_EQ(onCustomerList(choice, customerOf(c.customer)), c.listed) << c.name;
    }
}

TEST(PrintedLists, TheYearOfInactivity)
{
    struct Case {
        const char *typed;
        bool taken;
    };
    const Case cases[] = { { "2000", true }, { "1", true }, { "2026", true }, { "2027", false },
        { "0", false }, { "", false }, { "20x0", false } };
    for (const Case &c : cases) {
        ScriptedMessages messages;
        EXPECT_EQ(inactiveSinceYear(c.typed, kToday, messages).has_value(), c.taken) << c.typed;
    }
    EXPECT_EQ(stampYear("09:0001/01/2026"), 2026);
    EXPECT_EQ(stampYear("09:001/1/1999"), 1999);
    EXPECT_FALSE(stampYear("09:00").has_value());
    EXPECT_FALSE(stampYear("09:0001/01/").has_value());
}

TEST_F(PrintedListPages, InventoryLists)
{
    ListShop shop(pageItems());
    shop.shop.config.set(cfg::inventoryPrintColumns, 0, 2);
    shop.shop.config.set(cfg::inventoryPrintColumns, 7, 2);
    shop.shop.config.set(cfg::inventoryPrintColumns, 17, 2);
    struct Case {
        InventoryListChoice choice;
        ListingStyle style;
        const char *golden;
    };
    const Case cases[] = {
        { { .range = { 1000, 1050 } }, { 0, 0 }, "reports/data/inventory_list.txt" },
        { { .kind = InventoryListKind::IncludingCost, .range = { 1008, 1036 } }, { 10, 10 },
            "reports/data/inventory_list_with_cost.txt" },
        { { .kind = InventoryListKind::ByCategory, .range = { 1, 5000 }, .category = 15 },
            { 0, 0 }, "reports/data/inventory_category_list.txt" },
        { { .kind = InventoryListKind::InStock, .range = { 1, 5000 } }, { 0, 4 },
            "reports/data/inventory_held_list.txt" },
        { { .kind = InventoryListKind::ByLocation, .range = { 1, 5000 }, .location = "SHELF A" },
            { 0, 0 }, "reports/data/inventory_location_list.txt" },
        { { .kind = InventoryListKind::Custom }, { 0, 0 }, "reports/data/inventory_custom_list.txt" },
    };
    for (const Case &c : cases) {
        ScriptedMessages messages;
        const auto listing
            = inventoryListing(c.choice, shop.shop.items, shop.shop.config, messages);
        ASSERT_TRUE(listing.has_value()) << messages.lastText();
        RecordingPrintDevice device = listingDevice();
        printListing(device, *listing, c.style, shop.shop.heading.storeName(), kToday);
        EXPECT_TRUE(matchesGoldenPage(device.transcript(), c.golden));
    }
}

TEST_F(PrintedListPages, AlphabeticalListsFromTheirWorkFiles)
{
    ListFileRecord tea {};
    tea.number = 1001;
    std::strcpy(tea.name, "TEA BAGS 80");
    std::strcpy(tea.column1, "-2");
    std::strcpy(tea.column2, "0.99");
    ListFileRecord jam = tea;
    jam.number = 1036;
    std::strcpy(jam.name, "JAM");
    std::strcpy(jam.column1, "3");
    std::strcpy(jam.column2, "5.94");
    RecordingPrintDevice items = listingDevice();
    printListing(items, alphabeticalInventoryListing({ jam, tea }), {}, "CORNER SHOP", kToday);
    EXPECT_TRUE(matchesGoldenPage(items.transcript(), "reports/data/inventory_alphabetical.txt"));

    ListFileRecord ann {};
    ann.number = 17;
    std::strcpy(ann.name, "ANN ABLE");
    std::strcpy(ann.column1, "1 HIGH STREET");
    std::strcpy(ann.column2, "555 0101");
    RecordingPrintDevice customers = listingDevice();
    printListing(customers, alphabeticalCustomerListing({ ann }), { 0, 2 }, "CORNER SHOP", kToday);
    EXPECT_TRUE(
        matchesGoldenPage(customers.transcript(), "reports/data/customer_alphabetical.txt"));
}

TEST_F(PrintedListPages, CustomerAndSupplierLists)
{
    std::string member;
    for (int n = 1; n <= 3; ++n) {
        member += memberRecord({ .number = n * 10, .name = "CUSTOMER " + std::to_string(n),
            .road = std::to_string(n) + " MILL LANE", .telephone = "555 010" + std::to_string(n),
            .balance = n == 2 ? 0.0f : 12.5f * float(n),
            .lastUsed = "09:3001/06/" + std::to_string(1998 + n) });
    }
    const std::string mans = mansRecord({ 4, "WHOLESALE FOODS", "DOCK ROAD", "PORTSMOUTH", "555 0400" })
        + mansRecord({ 2, "PAPER SUPPLIES", "1 MILL LANE", "LEEDS", "555 0200" });
    ListShop shop(pageItems(), member, mans);
    struct Case {
        CustomerListChoice choice;
        const char *golden;
    };
    const Case cases[] = {
        { { .range = { 1, 100 } }, "reports/data/customer_list.txt" },
        { { .kind = CustomerListKind::Debtors, .range = { 1, 100 } },
            "reports/data/customer_debtors_list.txt" },
        { { .kind = CustomerListKind::InactiveSince, .range = { 1, 100 }, .year = 2000 },
            "reports/data/customer_inactive_list.txt" },
    };
    for (const Case &c : cases) {
        ScriptedMessages messages;
        const auto listing = customerListing(c.choice, shop.shop.customers, messages);
        ASSERT_TRUE(listing.has_value()) << messages.lastText();
        RecordingPrintDevice device = listingDevice();
        printListing(device, *listing, {}, shop.shop.heading.storeName(), kToday);
        EXPECT_TRUE(matchesGoldenPage(device.transcript(), c.golden));
    }
    ScriptedMessages messages;
    const auto suppliers = supplierListing(1, shop.shop.suppliers, messages);
    ASSERT_TRUE(suppliers.has_value()) << messages.lastText();
    RecordingPrintDevice device = listingDevice();
    printListing(device, *suppliers, {}, shop.shop.heading.storeName(), kToday);
    EXPECT_TRUE(matchesGoldenPage(device.transcript(), "reports/data/supplier_list.txt"));
}

TEST(PrintedLists, TheLocationAndTheSupplierStartAsTyped)
{
    struct Location {
        std::string typed;
        std::optional<std::string> taken;
    };
    const Location locations[] = {
        { "shelf \xE9", std::string("SHELF \xC9") },
        { "B", std::string("B") },
        { std::string(39, 'x'), std::string(39, 'X') },
        { std::string(40, 'x'), std::nullopt },
        { "", std::nullopt },
    };
    for (const Location &c : locations) {
        ScriptedMessages messages;
        EXPECT_EQ(listingLocation(c.typed, messages), c.taken) << c.typed;
        EXPECT_EQ(messages.shown.empty(), c.taken.has_value()) << c.typed;
    }
    struct Start {
        const char *typed;
        std::optional<int64_t> taken;
    };
    const Start starts[] = { { "1", 1 }, { "250", 250 }, { "0", std::nullopt },
        { "-1", std::nullopt }, { "", std::nullopt }, { "A", std::nullopt } };
    for (const Start &c : starts) {
        ScriptedMessages messages;
        EXPECT_EQ(supplierListStart(c.typed, messages), c.taken) << c.typed;
    }
}

TEST(PrintedLists, TheListingFontFillsThePageWithItsLines)
{
    // 4000 high with 400 between lines whatever the font: ten lines fit.
    struct Case {
        int64_t linesPerPage;
        PrintFont font;
    };
    const Case cases[] = {
        { 10, { PrintFont::Kind::ArialHeight, 400 } },
        { 20, { PrintFont::Kind::ArialHeight, 100 } }, // 200, shrunk for the leading
        { 0, {} },
        { 9, {} },
        { 201, {} },
    };
    for (const Case &c : cases) {
        RecordingPrintDevice device = listingDevice();
        selectListingFont(device, { c.linesPerPage, 0 });
        const auto fonts = device.operationsOf(PrintOperation::Kind::Font);
        ASSERT_FALSE(fonts.empty());
        EXPECT_EQ(fonts.back().font, c.font) << c.linesPerPage;
    }
}
