// The screen lists: which records each shows, the rows they make, paging
// with More and Back over record files built byte by byte.

#include "reports/browse_shop.h"
#include "reports/logic/browse_lists.h"
#include "store/user_control.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace ovix;
using namespace ovix::test;

namespace {

std::vector<int64_t> numbers(const BrowseList &list)
{
    std::vector<int64_t> shown;
    for (const BrowseRow &row : list.rows())
        shown.push_back(row.number);
    return shown;
}

std::vector<int64_t> range(int64_t first, int64_t last)
{
    std::vector<int64_t> all;
    for (int64_t n = first; n <= last; ++n)
        all.push_back(n);
    return all;
}

std::string listFile(const std::vector<int64_t> &numbers)
{
    std::string bytes;
    for (int64_t number : numbers) {
        std::string record(110, '\0');
        putI64(record, 0, number);
        putText(record, 8, "NAME " + std::to_string(number));
        putText(record, 50, "ROAD");
        putText(record, 80, "555");
        bytes += record;
    }
    return bytes;
}

} // namespace

TEST(BrowseList, PagesOfThirteenOfferMoreAndCloseWhenMoreFindsNothing)
{
    struct Case {
        const char *name;
        int items;
        std::vector<std::vector<int64_t>> pages; // after open, then after each More
        bool closesAfter; // the More after the last page closes the window
    };
    const Case cases[] = {
        { "exactly thirteen: More finds nothing", 13, { range(1, 13) }, true },
        { "fourteen: the second page has one row and only OK", 14, { range(1, 13), { 14 } },
            false },
        { "twenty-six: two full pages, then nothing", 26, { range(1, 13), range(14, 26) },
            true },
        { "five: one short page", 5, { range(1, 5) }, false },
    };
    for (const Case &c : cases) {
        BrowseShop shop(numberedItems(1, c.items));
        BrowseList list = itemsFromNumber(shop.shop, 1, true);
        ASSERT_TRUE(list.open(shop.messages)) << c.name;
        EXPECT_EQ(numbers(list), c.pages[0]) << c.name;
        for (size_t page = 1; page < c.pages.size(); ++page) {
            ASSERT_TRUE(list.offersMore()) << c.name;
            ASSERT_TRUE(list.more(shop.messages)) << c.name;
            EXPECT_EQ(numbers(list), c.pages[page]) << c.name;
        }
        EXPECT_EQ(list.offersMore(), c.closesAfter) << c.name;
        if (c.closesAfter) {
            EXPECT_FALSE(list.more(shop.messages)) << c.name;
        }
        EXPECT_TRUE(shop.messages.shown.empty()) << c.name;
    }
}

TEST(BrowseList, ListFromNumberTakesOneToTheHighestNumberOnly)
{
    struct Case {
        std::optional<std::string> typed;
        std::optional<int64_t> from;
    };
    const Case cases[] = {
        { "1", 1 },
        { "0", std::nullopt },
        { "-5", std::nullopt },
        { "100000000000000000", 100000000000000000 },
        { "100000000000000001", std::nullopt },
        { "99999999999999999999", std::nullopt },
        { "ABC", std::nullopt },
        { "", std::nullopt },
        { std::nullopt, std::nullopt },
    };
    for (const Case &c : cases) {
        ScriptedMessages messages;
        messages.textReplies.push_back(c.typed);
        EXPECT_EQ(askListFromNumber(messages, "Inventory list"), c.from) << c.typed.value_or("cancel");
        ASSERT_EQ(messages.proposals.size(), 1u);
        EXPECT_EQ(messages.proposals[0], "1");
        EXPECT_EQ(messages.shown.size(), 1u) << "the prompt alone, no message";
    }
}

TEST(BrowseList, ListFromNumberStartsAtTheFirstItemAtOrAboveIt)
{
    BrowseShop shop(numberedItems(10, 3) + numberedItems(20, 3));
    struct Case {
        int64_t from;
        std::vector<int64_t> shown;
    };
    const Case cases[] = {
        { 1, { 10, 11, 12, 20, 21, 22 } },
        { 12, { 12, 20, 21, 22 } },
        { 13, { 20, 21, 22 } },
        { 22, { 22 } },
    };
    for (const Case &c : cases) {
        BrowseList list = itemsFromNumber(shop.shop, c.from, true);
        ASSERT_TRUE(list.open(shop.messages)) << c.from;
        EXPECT_EQ(numbers(list), c.shown) << c.from;
    }
    BrowseList beyond = itemsFromNumber(shop.shop, 23, true);
    EXPECT_FALSE(beyond.open(shop.messages));
    EXPECT_TRUE(shop.messages.shown.empty()) << "the item lists show nothing, quietly";
}

TEST(BrowseList, FindInSkusLooksInAllFourSkusForOneToThirtyCharacters)
{
    std::string film;
    film += browseItemBytes({ .number = 1, .description = "PLAIN", .sku1 = "123456" });
    film += browseItemBytes({ .number = 2, .description = "IN TWO", .sku2 = "XAB-77" });
    film += browseItemBytes({ .number = 3, .description = "IN FOUR", .sku4 = "ONLY-IN-FOUR" });
    film += browseItemBytes({ .number = 4, .description = "IN THREE", .sku3 = "AB" });
    BrowseShop shop(film);
    struct Case {
        const char *fragment;
        std::vector<int64_t> shown;
    };
    const Case cases[] = {
        { "IN-FOUR", { 3 } },
        { "AB", { 2, 4 } },
        { "ab", { 2, 4 } },
        { "345", { 1 } },
        { "NOWHERE", {} },
    };
    for (const Case &c : cases) {
        BrowseList list = itemsInSkus(shop.shop, c.fragment, true);
        EXPECT_EQ(list.open(shop.messages), !c.shown.empty()) << c.fragment;
        if (!c.shown.empty()) {
            EXPECT_EQ(numbers(list), c.shown) << c.fragment;
        }
    }
    const std::string thirty(30, 'A');
    const std::optional<std::string> answers[] = { thirty + "A", thirty, "", std::nullopt };
    const std::optional<std::string> taken[] = { std::nullopt, thirty, std::nullopt, std::nullopt };
    for (size_t i = 0; i < std::size(answers); ++i) {
        ScriptedMessages messages;
        messages.textReplies.push_back(answers[i]);
        EXPECT_EQ(askSkuFragment(messages), taken[i]) << i;
        EXPECT_EQ(messages.shown.size(), 1u) << "the prompt alone, no message";
    }
}

TEST(BrowseList, CostColumnFollowsTheClerkAndDoNotDisplayCostPrice)
{
    struct Case {
        int clerk;
        bool hideCost;
        const char *fourth;
    };
    const Case cases[] = {
        { 1, false, "1.25, 2.50" },
        { 1, true, "1.25, 2.50" },
        { 2, true, "1.25, 2.50" },
        { 3, false, "1.25, 2.50" },
        { 3, true, "2.50" },
        { 99, true, "2.50" },
    };
    for (const Case &c : cases) {
        BrowseShop shop(browseItemBytes(
            { .number = 7, .description = "TEA", .quantity = -2, .cost = 1.25f, .retail = 2.5f }));
        shop.shop.config.set(cfg::currentClerk, c.clerk);
        shop.shop.config.set(cfg::userControl,
            static_cast<size_t>(UserControlItem::HideCostPrice), c.hideCost ? 2 : 0);
        BrowseList list = itemsFromNumber(shop.shop, 1, showsCostPrice(shop.shop));
        ASSERT_TRUE(list.open(shop.messages));
        ASSERT_EQ(list.rows().size(), 1u);
        EXPECT_EQ(list.rows()[0], (BrowseRow { 7, "TEA", "-2", c.fourth }))
            << "clerk " << c.clerk << (c.hideCost ? " hidden" : "");
    }
}

TEST(BrowseList, BackReturnsThroughThePageStartsToTheFirstPage)
{
    BrowseShop shop(numberedItems(1, 30));
    BrowseList list = itemsFromNumber(shop.shop, 1, true);
    ASSERT_TRUE(list.open(shop.messages));
    EXPECT_FALSE(list.offersBack());
    ASSERT_TRUE(list.more(shop.messages));
    ASSERT_TRUE(list.more(shop.messages));
    EXPECT_EQ(numbers(list), range(27, 30));
    EXPECT_TRUE(list.offersBack()) << "the short last page can still go back";
    ASSERT_TRUE(list.back(shop.messages));
    EXPECT_EQ(numbers(list), range(14, 26));
    EXPECT_TRUE(list.offersBack());
    ASSERT_TRUE(list.back(shop.messages));
    EXPECT_EQ(numbers(list), range(1, 13));
    EXPECT_FALSE(list.offersBack()) << "Back disappears on the first page";
    EXPECT_FALSE(list.back(shop.messages));
    ASSERT_TRUE(list.more(shop.messages)) << "More is offered again";
    EXPECT_EQ(numbers(list), range(14, 26));

    // Only the item lists walked through the index go back.
    BrowseList customers = customersFromNumber(shop.shop, 1);
    EXPECT_FALSE(customers.options().back);
}

TEST(BrowseList, PageStartsAreBoundedAndBackStillStepsOnePage)
{
    const int pages = 230;
    BrowseShop shop(numberedItems(1, pages * 13));
    BrowseList list = itemsFromNumber(shop.shop, 1, false);
    ASSERT_TRUE(list.open(shop.messages));
    for (int page = 1; page < pages; ++page)
        ASSERT_TRUE(list.more(shop.messages)) << page;
    EXPECT_EQ(list.pageStarts().size(), kBrowsePageStarts);
    EXPECT_EQ(list.rows().front().number, (pages - 1) * 13 + 1);
    int backs = 0;
    while (list.offersBack()) {
        ASSERT_TRUE(list.back(shop.messages));
        ++backs;
        EXPECT_EQ(list.rows().front().number, (pages - 1 - backs) * 13 + 1);
    }
    EXPECT_EQ(backs, static_cast<int>(kBrowsePageStarts) - 1);
}

TEST(BrowseList, ADamagedIndexIsWalkedOnceInNumberOrder)
{
    // Numbers out of slot order, one number twice, free and zero slots between.
    std::string film = numberedItems(30, 1) + numberedItems(5, 1) + freeItem()
        + numberedItems(17, 1) + itemBytes(0, "ZERO") + numberedItems(5, 1)
        + numberedItems(2, 1);
    BrowseShop shop(film);
    BrowseList list = itemsFromNumber(shop.shop, 1, true);
    ASSERT_TRUE(list.open(shop.messages));
    EXPECT_EQ(numbers(list), (std::vector<int64_t> { 2, 5, 5, 17, 30 }));
    EXPECT_FALSE(list.offersMore());
    EXPECT_FALSE(list.more(shop.messages));
}

TEST(BrowseList, CategoryListKeepsTheChosenEntryOrAll)
{
    std::string film;
    for (int n = 1; n <= 6; ++n)
        film += browseItemBytes({ .number = n, .description = "C", .category = n % 3 });
    BrowseShop shop(film);
    struct Case {
        int entry;
        std::vector<int64_t> shown;
    };
    const Case cases[] = {
        { 0, range(1, 6) },
        { 1, { 3, 6 } },
        { 2, { 1, 4 } },
        { 3, { 2, 5 } },
        { 18, {} },
    };
    for (const Case &c : cases) {
        BrowseList list = itemsByCategory(shop.shop, c.entry, true);
        EXPECT_EQ(list.open(shop.messages), !c.shown.empty()) << c.entry;
        if (!c.shown.empty()) {
            EXPECT_EQ(numbers(list), c.shown) << c.entry;
        }
    }
    const std::vector<std::string> choices = categoryChoices(shop.shop.config);
    ASSERT_EQ(choices.size(), 19u);
    EXPECT_EQ(choices[0], "All");
}

TEST(BrowseList, ListFilesAreShownAsTheyStandInFileOrder)
{
    struct Case {
        const char *name;
        std::optional<std::string> file;
        std::vector<std::vector<int64_t>> pages;
        const char *message;
    };
    const std::vector<int64_t> fourteen = { 9, 3, 7, 1, 2, 4, 5, 6, 8, 10, 11, 12, 13, 99 };
    const Case cases[] = {
        { "fourteen records and a part one", listFile(fourteen) + std::string(50, 'x'),
            { std::vector<int64_t>(fourteen.begin(), fourteen.begin() + 13), { 99 } }, "" },
        { "an empty file shows nothing", std::string(), {}, "" },
        { "a part record only", std::string(109, 'x'), {}, "" },
        { "no file", std::nullopt, {}, "Data file: f2.dat, not present." },
    };
    for (const Case &c : cases) {
        BrowseShop shop("");
        if (c.file)
            writeBytes(shop.folder.file("f2.dat"), *c.file);
        BrowseList list = itemListFile(shop.shop.dir, "Alphabetical inventory list");
        ASSERT_EQ(list.open(shop.messages), !c.pages.empty()) << c.name;
        for (size_t page = 0; page < c.pages.size(); ++page) {
            if (page > 0) {
                ASSERT_TRUE(list.more(shop.messages)) << c.name;
            }
            EXPECT_EQ(numbers(list), c.pages[page]) << c.name;
        }
        EXPECT_EQ(shop.messages.lastText(), c.message) << c.name;
        if (*c.message) {
            EXPECT_EQ(shop.messages.lastCaption(), "Fatal error");
        }
    }
    BrowseShop shop("");
    writeBytes(shop.folder.file("m2.dat"), listFile({ 4 }));
    BrowseList customers = customerListFile(shop.shop.dir);
    ASSERT_TRUE(customers.open(shop.messages));
    EXPECT_EQ(customers.rows()[0], (BrowseRow { 4, "NAME 4", "ROAD", "555" }));
    EXPECT_EQ(customers.options().opens, BrowseOpens::Customer);
}

TEST(BrowseList, CustomerListsAndTheirRows)
{
    const std::string members = browseCustomerBytes(3, "SMITH", "1 HIGH ST", "555 1234", 12.5f)
        + browseCustomerBytes(1, "JONES", "2 HIGH ST", "555 9", 0.0f)
        + browseCustomerBytes(8, "BROWN", "9 LOW RD", "", -4.0f)
        + browseCustomerBytes(5, "GREEN", "1 HIGHER ST", "", 0.001f);
    BrowseShop shop("", members);
    struct Case {
        const char *name;
        BrowseList list;
        std::vector<BrowseRow> rows;
    };
    Case cases[] = {
        { "from number", customersFromNumber(shop.shop, 2),
            { { 3, "SMITH", "1 HIGH ST", "555 1234" }, { 5, "GREEN", "1 HIGHER ST", "" },
                { 8, "BROWN", "9 LOW RD", "" } } },
        { "outstanding balances: not zero in whole cents", customersWithBalance(shop.shop, 1),
            { { 3, "12.50, SMITH", "1 HIGH ST", "555 1234" },
                { 8, "-4.00, BROWN", "9 LOW RD", "" } } },
        { "by address: the road begins with the text", customersByAddress(shop.shop, "1 high"),
            { { 3, "SMITH", "1 HIGH ST", "555 1234" },
                { 5, "GREEN", "1 HIGHER ST", "" } } },
    };
    for (Case &c : cases) {
        ASSERT_TRUE(c.list.open(shop.messages)) << c.name;
        EXPECT_EQ(c.list.rows(), c.rows) << c.name;
        EXPECT_EQ(c.list.options().opens, BrowseOpens::Customer);
        EXPECT_TRUE(c.list.options().customers);
    }
    BrowseList none = customersByAddress(shop.shop, "NOWHERE");
    EXPECT_FALSE(none.open(shop.messages));
    EXPECT_EQ(shop.messages.lastText(), "No items on record.");
    EXPECT_EQ(shop.messages.lastCaption(), "Problem");
}

TEST(BrowseList, SupplierRowsShowTheListFiguresAndOpenNothing)
{
    BrowseShop shop("", "",
        browseSupplierBytes(12, "ACME SUPPLIES", 4, 1.5f, 2.25f)
            + browseSupplierBytes(-1, "", 0, 0, 0) + browseSupplierBytes(3, "BOLT CO", 0, 0, 0));
    BrowseList list = supplierList(shop.shop);
    ASSERT_TRUE(list.open(shop.messages));
    EXPECT_EQ(list.rows(), (std::vector<BrowseRow> { { 3, "BOLT CO", "0.00, 0.00", "0" },
                               { 12, "ACME SUPPLIES", "2.25, 1.50", "4" } }));
    EXPECT_EQ(list.options().opens, BrowseOpens::Nothing);
    EXPECT_EQ(list.options().title, "Supplier list");
}

TEST(BrowseList, RowTextsAreCutToTheirColumns)
{
    const std::string longName(81, 'D');
    BrowseShop shop(browseItemBytes({ .number = 1, .description = longName }));
    BrowseList list = itemsFromNumber(shop.shop, 1, true);
    ASSERT_TRUE(list.open(shop.messages));
    EXPECT_EQ(list.rows()[0].second, std::string(40, 'D'));
}

TEST(BrowseList, AMissingRecordFileIsReportedAndNothingShown)
{
    BrowseShop shop(numberedItems(1, 3), browseCustomerBytes(1, "A", "", "", 1.0f));
    std::remove(shop.folder.file("film.dat").c_str());
    std::remove(shop.folder.file("member.dat").c_str());
    struct Case {
        const char *name;
        BrowseList list;
        const char *message;
    };
    Case cases[] = {
        { "every item", itemsFromNumber(shop.shop, 1, true), "Data file: film.dat, not present." },
        { "a category", itemsByCategory(shop.shop, 1, true), "Data file: film.dat, not present." },
        { "balances", customersWithBalance(shop.shop, 1), "Data file: member.dat, not present." },
    };
    for (Case &c : cases) {
        shop.messages.shown.clear();
        EXPECT_FALSE(c.list.open(shop.messages)) << c.name;
        ASSERT_EQ(shop.messages.shown.size(), 1u) << c.name << ": said once, and nothing more";
        EXPECT_EQ(shop.messages.lastText(), c.message) << c.name;
        EXPECT_EQ(shop.messages.lastCaption(), "Fatal error") << c.name;
    }
}

TEST(BrowseList, AFilteredListReadsTheRecordsAgainAsItsPagesFill)
{
    std::string film;
    for (int n = 1; n <= 30; ++n)
        film += browseItemBytes({ .number = n, .description = "OLD", .category = n % 2 });
    BrowseShop shop(film);
    BrowseList list = itemsByCategory(shop.shop, 2, true); // category 1: the odd numbers
    ASSERT_TRUE(list.open(shop.messages));
    EXPECT_EQ(list.rows().back().number, 25);
    // Item 27 changes its description on disk before More: the page shows it as it is now.
    BrowseItem changed { .number = 27, .description = "NEW", .category = 1 };
    std::string bytes = readBytes(shop.folder.file("film.dat"));
    bytes.replace(26 * kItemBytes, kItemBytes, browseItemBytes(changed));
    writeBytes(shop.folder.file("film.dat"), bytes);
    ASSERT_TRUE(list.more(shop.messages));
    EXPECT_EQ(list.rows(), (std::vector<BrowseRow> { { 27, "NEW", "0", "0.00, 0.00" },
                               { 29, "OLD", "0", "0.00, 0.00" } }));
}
