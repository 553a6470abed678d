#include "item_entry_fixture.h"
#include "platform/sounds.h"

#include <gtest/gtest.h>

using namespace ovix;
using namespace ovix::test;

namespace {

std::vector<int64_t> itemsOf(const Basket &basket)
{
    std::vector<int64_t> numbers;
    for (int i = 0; i < basket.lineCount; ++i)
        numbers.push_back(basket.lineItemNumber[i]);
    return numbers;
}

} // namespace

TEST(Bundle, AddsItsComponentsAndNeverItself)
{
    Till till;
    till.state.config.set(cfg::taxOneRate, 2000);
    till.add(ItemBytes(1, "SHAMPOO", 3.00f).cost(1.00f));
    till.add(ItemBytes(2, "COMB", 1.00f).cost(0.40f));
    till.add(ItemBytes(50, "GIFT SET", 99.0f).component(0, "1", 2).component(1, "2", 1, true));

    EXPECT_TRUE(till.entry.addItem(50, {}));
    EXPECT_EQ(till.said(), Said {});
    EXPECT_EQ(itemsOf(till.basket), (std::vector<int64_t> { 1, 1, 2 }));
    // The free comb: no price, no tax, but its cost counts.
    EXPECT_EQ(till.basket.lineTotal[2], 0.0f);
    EXPECT_EQ(till.basket.lineTaxOne[2], 0.0f);
    EXPECT_EQ(till.basket.lineTaxable[2], 0.0f);
    EXPECT_EQ(till.basket.lineCost[2], 0.40f);
    EXPECT_EQ(till.total(BasketTotal::Subtotal), 6.0f);
    EXPECT_EQ(till.total(BasketTotal::TaxOne), 1.2f);
    EXPECT_EQ(till.total(BasketTotal::Total), 7.2f);
    EXPECT_FLOAT_EQ(till.total(BasketTotal::Cost), 2.40f);
    EXPECT_EQ(till.view.list.size(), 3u);
    EXPECT_EQ(till.view.list[2], "2  COMB (100)  0.00");
    // One add sound per line.
    EXPECT_EQ(till.view.sounds, (std::vector<int>(3, kAddSound)));
}

TEST(Bundle, UnusableComponentSlotsAreSkipped)
{
    Till till;
    till.add(ItemBytes(1, "ONE", 1.00f));
    till.add(ItemBytes(2, "TWO", 1.00f));
    till.add(ItemBytes(50, "ODD SET", 0.0f)
                 .component(0, "", 1)
                 .component(1, "0", 1)
                 .component(2, "100000000000000001", 1)
                 .component(3, "1", 0)
                 .component(4, "1", -4)
                 .component(5, "2 UNITS", 2)); // the leading number counts

    EXPECT_TRUE(till.entry.addItem(50, {}));
    EXPECT_EQ(itemsOf(till.basket), (std::vector<int64_t> { 2, 2 }));
    EXPECT_EQ(till.said(), Said {});

    // A bundle with nothing usable adds nothing and says nothing.
    till.add(ItemBytes(51, "EMPTY SET", 0.0f).component(0, "ABC", 1));
    EXPECT_FALSE(till.entry.addItem(51, {}));
    EXPECT_EQ(till.basket.lineCount, 2);
    EXPECT_EQ(till.said(), Said {});
}

TEST(Bundle, BundlesInsideBundlesAreSkippedWithoutRecursion)
{
    Till till;
    till.add(ItemBytes(1, "ONE", 1.00f));
    // 60 names itself and 61; 61 names 60: neither may loop.
    till.add(ItemBytes(60, "SELF", 0.0f)
                 .component(0, "60", 1)
                 .component(1, "1", 1)
                 .component(2, "61", 2));
    till.add(ItemBytes(61, "OTHER", 0.0f).component(0, "60", 1).component(1, "1", 2));

    EXPECT_TRUE(till.entry.addItem(60, {}));
    EXPECT_EQ(itemsOf(till.basket), (std::vector<int64_t> { 1 }));
    EXPECT_TRUE(till.entry.addItem(61, {}));
    EXPECT_EQ(itemsOf(till.basket), (std::vector<int64_t> { 1, 1, 1 }));
    EXPECT_EQ(till.said(), Said {});
}

TEST(Bundle, EachComponentIsCheckedOnItsOwn)
{
    Till till;
    till.add(ItemBytes(1, "SCARCE", 1.00f).quantity(2));
    till.add(ItemBytes(2, "PLENTY", 1.00f));
    till.add(ItemBytes(3, "WINE", 5.00f).ageWarning(18));
    till.add(ItemBytes(50, "PARTY", 0.0f)
                 .component(0, "1", 4) // two in stock: two lines, one message
                 .component(1, "77", 1) // not on file
                 .component(2, "3", 1) // age alert
                 .component(3, "2", 1));

    EXPECT_TRUE(till.entry.addItem(50, {}));
    EXPECT_EQ(itemsOf(till.basket), (std::vector<int64_t> { 1, 1, 3, 2 }));
    const Said expected { "Problem: Item out of stock", "Invalid entry: 77", "Age alert: 18" };
    EXPECT_EQ(till.said(), expected);
}

TEST(Bundle, AFullBasketEndsTheBundleWithOneMessage)
{
    Till till;
    till.add(ItemBytes(1, "ONE", 1.00f));
    till.add(ItemBytes(2, "TWO", 1.00f));
    till.add(ItemBytes(50, "BIG SET", 0.0f).component(0, "1", 5).component(1, "2", 5));
    till.fillWithBlankLines(397);

    EXPECT_TRUE(till.entry.addItem(50, {}));
    EXPECT_EQ(till.basket.lineCount, 400);
    EXPECT_EQ(till.said(), (Said { "Problem: Transaction limit 400 items" }));
    EXPECT_EQ(till.view.list.size(), 400u);
}

TEST(Bundle, HostileQuantitiesStopAtTheLineLimit)
{
    Till till;
    till.state.config.set(cfg::permitShortStock, 2);
    till.add(ItemBytes(1, "ONE", 0.01f).tax(0));
    till.add(ItemBytes(50, "ENDLESS", 0.0f).component(0, "1", 2147483647));
    EXPECT_TRUE(till.entry.addItem(50, {}));
    EXPECT_EQ(till.basket.lineCount, 400);
    EXPECT_EQ(till.total(BasketTotal::Total), 4.0f);
    EXPECT_EQ(till.said(), (Said { "Problem: Transaction limit 400 items" }));
}
