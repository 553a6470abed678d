#include "item_entry_fixture.h"

#include "store/customer_lookup.h"
#include "platform/file.h"
#include "platform/sounds.h"
#include "store/record_kinds.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <unistd.h>

using namespace ovix;
using namespace ovix::test;

namespace {

// The whole basket as bytes, to check that a refusal changed nothing.
std::string bytesOf(const Basket &basket)
{
    return std::string(reinterpret_cast<const char *>(&basket), sizeof basket);
}

} // namespace

TEST(AddItem, ByNumberPricesTaxesAndListsTheLine)
{
    Till till;
    till.state.config.set(cfg::taxOneRate, 1750);
    till.add(ItemBytes(5, "WIDGET", 1.99f).cost(0.80f).quantity(12));

    EXPECT_EQ(till.entry.itemBoxEntered("5\n"), ItemBoxOutcome::Entered);

    EXPECT_EQ(till.said(), Said {});
    ASSERT_EQ(till.basket.lineCount, 1);
    EXPECT_EQ(till.basket.lineItemNumber[0], 5);
    EXPECT_EQ(lineDescriptionText(till.basket, 0), "WIDGET");
    EXPECT_EQ(till.basket.lineTaxable[0], 1.99f);
    EXPECT_EQ(till.basket.lineNonTaxable[0], 0.0f);
    EXPECT_EQ(till.basket.lineTaxOne[0], 0.35f); // 0.34825 rounds up
    EXPECT_EQ(till.basket.lineTaxTwo[0], 0.0f);
    EXPECT_EQ(till.basket.lineCost[0], 0.80f);
    EXPECT_EQ(till.basket.lineDiscount[0], 0.0f);
    EXPECT_FLOAT_EQ(till.basket.lineTotal[0], 2.34f);
    EXPECT_EQ(till.total(BasketTotal::Taxable), 1.99f);
    EXPECT_EQ(till.total(BasketTotal::Subtotal), 1.99f);
    EXPECT_EQ(till.total(BasketTotal::TaxOne), 0.35f);
    EXPECT_EQ(till.total(BasketTotal::Total), 2.34f);
    EXPECT_EQ(till.total(BasketTotal::Cost), 0.80f);
    EXPECT_EQ(till.view.list, (std::vector<std::string> { "5  WIDGET (12)  2.34" }));
    EXPECT_EQ(till.view.sounds, (std::vector<int> { kAddSound }));
    EXPECT_EQ(till.view.itemBoxClears, 1);

    // Without item numbers in the list.
    till.state.config.set(cfg::cartDescriptionOnly, 2);
    EXPECT_TRUE(till.entry.addItem(5, {}));
    EXPECT_EQ(till.view.list.back(), "WIDGET (12)  2.34");
    EXPECT_EQ(till.total(BasketTotal::Total), 4.68f);
}

TEST(AddItem, BadNumbersAreRefusedAndChangeNothing)
{
    Till till;
    till.add(ItemBytes(5, "WIDGET", 1.00f));
    const std::string before = bytesOf(till.basket);

    till.entry.itemBoxEntered("-5\n");
    till.entry.itemBoxEntered("7\n");
    till.entry.itemBoxEntered("ABC\n");
    // 2^64 + 5 must not wrap onto item 5.
    till.entry.itemBoxEntered("18446744073709551621\n");
    EXPECT_EQ(till.said(),
        (Said { "Invalid entry: -5", "Invalid entry: 7", "Invalid entry: 0",
            "Invalid entry: 18446744073709551621" }));
    EXPECT_EQ(till.messages.beeps, 4);
    EXPECT_EQ(bytesOf(till.basket), before);
    EXPECT_TRUE(till.view.list.empty());
    EXPECT_TRUE(till.view.sounds.empty());

    // Trailing characters after the number are ignored.
    EXPECT_EQ(till.entry.itemBoxEntered("5X\n"), ItemBoxOutcome::Entered);
    EXPECT_EQ(till.basket.lineCount, 1);
}

TEST(AddItem, ItemBoxWaitsForEnterAndOpensTheFindOnAnEmptyEnter)
{
    Till till;
    till.add(ItemBytes(5, "WIDGET", 1.00f));
    EXPECT_EQ(till.entry.itemBoxEntered("5"), ItemBoxOutcome::NotEntered);
    EXPECT_EQ(till.entry.itemBoxEntered(""), ItemBoxOutcome::NotEntered);
    EXPECT_EQ(till.entry.itemBoxEntered("\n"), ItemBoxOutcome::OpenFind);
    EXPECT_EQ(till.entry.itemBoxEntered("\r\n"), ItemBoxOutcome::OpenFind);
    EXPECT_EQ(till.basket.lineCount, 0);
    EXPECT_TRUE(till.messages.shown.empty());
    EXPECT_FALSE(till.entry.findsBySku());
    till.state.config.set(cfg::skuOneEntry, 1); // not barcode mode, but the SKU search
    EXPECT_TRUE(till.entry.findsBySku());
    EXPECT_FALSE(till.entry.barcodeMode());
}

TEST(AddItem, BarcodeModeMatchesSkuOneExactlyAfterUpperCasing)
{
    Till till;
    till.state.config.set(cfg::skuOneEntry, 2);
    till.add(ItemBytes(5, "WIDGET", 1.00f).sku1("ABC123"));
    till.add(ItemBytes(6, "GADGET", 2.00f).sku1("5012345678900"));
    till.add(ItemBytes(7, "SHORT", 3.00f).sku1("501234567890"));
    till.add(ItemBytes(8, "NO CODE", 4.00f));

    // Enter is one "\n": only it is stripped, the last digit stays.
    EXPECT_EQ(till.entry.itemBoxEntered("5012345678900\n"), ItemBoxOutcome::Entered);
    EXPECT_EQ(till.entry.itemBoxEntered("abc123\n"), ItemBoxOutcome::Entered);
    EXPECT_EQ(till.entry.itemBoxEntered("501234567890\r\n"), ItemBoxOutcome::Entered);
    ASSERT_EQ(till.basket.lineCount, 3);
    EXPECT_EQ(till.basket.lineItemNumber[0], 6);
    EXPECT_EQ(till.basket.lineItemNumber[1], 5);
    EXPECT_EQ(till.basket.lineItemNumber[2], 7);
    EXPECT_EQ(till.said(), Said {});

    // A number is not a barcode; a prefix of a code is no match; an empty
    // code never matches the item without one.
    till.entry.itemBoxEntered("5\n");
    till.entry.itemBoxEntered("ABC12\n");
    till.entry.addItem(0, "");
    EXPECT_EQ(
        till.said(), (Said { "Invalid entry: 5", "Invalid entry: ABC12", "Invalid entry: " }));
    EXPECT_EQ(till.basket.lineCount, 3);
    // A number given by the find dialog is still taken as a number.
    EXPECT_TRUE(till.entry.addItem(8, {}));

    // At most 37 characters of the box are read.
    till.add(ItemBytes(9, "LONG", 1.00f).sku1(std::string(37, 'L')));
    EXPECT_EQ(till.entry.itemBoxEntered(std::string(40, 'l') + "\n"), ItemBoxOutcome::Entered);
    EXPECT_EQ(till.basket.lineItemNumber[till.basket.lineCount - 1], 9);
}

TEST(AddItem, MissingOrShortFilmDatIsReportedAndNothingIsAdded)
{
    Till till;
    till.state.config.set(cfg::skuOneEntry, 2);
    till.add(ItemBytes(5, "WIDGET", 1.00f).sku1("111"));
    till.add(ItemBytes(6, "GADGET", 1.00f).sku1("222"));
    const std::string film = till.temp.file("film.dat");

    // Cut film.dat short: the second item's record is gone.
    ASSERT_EQ(::truncate(film.c_str(), static_cast<off_t>(fileSize(film) - 100)), 0);
    till.entry.itemBoxEntered("222\n");
    EXPECT_EQ(till.said(), (Said { "Problem: Film.dat" }));

    ASSERT_EQ(::unlink(film.c_str()), 0);
    till.entry.itemBoxEntered("111\n");
    till.state.config.set(cfg::skuOneEntry, 0);
    till.entry.itemBoxEntered("5\n");
    EXPECT_EQ(till.said(),
        (Said { "Fatal error: Data file: film.dat, not present.",
            "Fatal error: Data file: film.dat, not present." }));
    EXPECT_EQ(till.basket.lineCount, 0);
    EXPECT_TRUE(till.view.list.empty());
}

TEST(AddItem, StockLimitsUnitsUnlessShortStockIsPermitted)
{
    Till till;
    till.add(ItemBytes(5, "LAST ONE", 1.00f).quantity(1));
    till.add(ItemBytes(6, "NONE LEFT", 1.00f).quantity(0));
    till.add(ItemBytes(7, "OWED", 1.00f).quantity(-3));

    EXPECT_TRUE(till.entry.addItem(5, {}));
    const std::string before = bytesOf(till.basket);
    EXPECT_FALSE(till.entry.addItem(5, {}));
    EXPECT_FALSE(till.entry.addItem(6, {}));
    EXPECT_FALSE(till.entry.addItem(7, {}));
    EXPECT_EQ(till.said(),
        (Said { "Problem: Item out of stock", "Problem: Item out of stock",
            "Problem: Item out of stock" }));
    EXPECT_EQ(bytesOf(till.basket), before);

    // Voiding the unit frees it again.
    till.entry.addItem(6, {}); // refused, as before
    till.said();
    EXPECT_TRUE(till.entry.voidLine(0));
    EXPECT_TRUE(till.entry.addItem(5, {}));

    till.state.config.set(cfg::permitShortStock, 2);
    EXPECT_TRUE(till.entry.addItem(5, {}));
    EXPECT_TRUE(till.entry.addItem(6, {}));
    EXPECT_TRUE(till.entry.addItem(7, {}));
    EXPECT_EQ(till.basket.lineCount, 4);
    EXPECT_EQ(till.said(), Said {});
}

TEST(AddItem, TradePricesFixedOrByPercentage)
{
    Till till;
    till.state.config.set(cfg::taxOneActive, 0);
    till.add(ItemBytes(5, "NO TRADE", 9.99f));
    till.add(ItemBytes(6, "TRADED", 9.99f).trade(7.50f));

    till.entry.toggleTradePrices();
    EXPECT_EQ(till.state.config.get(cfg::tradePricesOn), 2);
    EXPECT_FALSE(till.entry.addItem(5, {}));
    EXPECT_EQ(till.said(), (Said { "Problem: Trade price option active, no trade price" }));
    EXPECT_TRUE(till.entry.addItem(6, {}));
    EXPECT_EQ(till.basket.lineTaxable[0], 7.50f);

    // 12.5% off 9.99 is 8.74125, kept as 8.74; a percentage of 0 is retail.
    till.state.config.set(cfg::percentageTradeDiscount, 2);
    till.state.config.set(cfg::tradeDiscount, 12.5f);
    EXPECT_TRUE(till.entry.addItem(5, {}));
    EXPECT_EQ(till.basket.lineTaxable[1], 8.74f);
    till.state.config.set(cfg::tradeDiscount, 0.0f);
    EXPECT_TRUE(till.entry.addItem(5, {}));
    EXPECT_EQ(till.basket.lineTaxable[2], 9.99f);

    // Back to retail: lines already rung up keep their prices.
    till.entry.toggleTradePrices();
    EXPECT_EQ(till.state.config.get(cfg::tradePricesOn), 0);
    EXPECT_TRUE(till.entry.addItem(6, {}));
    EXPECT_EQ(till.basket.lineTaxable[0], 7.50f);
    EXPECT_EQ(till.basket.lineTaxable[3], 9.99f);
    EXPECT_EQ(till.total(BasketTotal::Total), 36.22f);
}

TEST(AddItem, FreeLinesCarryCostButNoPriceOrTax)
{
    Till till;
    till.add(ItemBytes(5, "GIFT", 4.00f).cost(1.25f));
    EXPECT_TRUE(till.entry.addItem(5, {}, AddMode::Free));
    EXPECT_EQ(till.basket.lineTaxable[0], 0.0f);
    EXPECT_EQ(till.basket.lineNonTaxable[0], 0.0f);
    EXPECT_EQ(till.basket.lineTaxOne[0], 0.0f);
    EXPECT_EQ(till.basket.lineTotal[0], 0.0f);
    EXPECT_EQ(till.basket.lineCost[0], 1.25f);
    EXPECT_EQ(till.total(BasketTotal::Cost), 1.25f);
    EXPECT_EQ(till.total(BasketTotal::Total), 0.0f);
    EXPECT_EQ(till.view.list.back(), "5  GIFT (100)  0.00");
}

TEST(AddItem, BuyOneGetOneFreeGivesOneFreeUnitPerChargedUnitAfterVoids)
{
    Till till;
    till.state.config.set(cfg::taxOneActive, 0);
    till.add(ItemBytes(5, "TWOFER", 3.00f).buyOneGetOneFree());
    till.add(ItemBytes(6, "OTHER", 1.00f));
    auto prices = [&] {
        std::vector<float> out;
        for (int i = 0; i < till.basket.lineCount; ++i)
            out.push_back(till.basket.lineTotal[i]);
        return out;
    };

    for (int i = 0; i < 3; ++i)
        till.entry.addItem(5, {});
    till.entry.addItem(6, {}); // other items do not count
    till.entry.addItem(5, {});
    EXPECT_EQ(prices(), (std::vector<float> { 3, 0, 3, 1, 0 }));
    EXPECT_EQ(till.total(BasketTotal::Total), 7.0f);

    // Voiding the free unit leaves two charged and one free: the next one is free.
    till.entry.voidLine(1);
    till.entry.addItem(5, {});
    EXPECT_EQ(prices(), (std::vector<float> { 3, 3, 1, 0, 0 }));
    // Voiding a charged unit leaves one charged and two free: the next one is
    // charged, so four units never go for the price of one.
    till.entry.voidLine(0);
    till.entry.addItem(5, {});
    EXPECT_EQ(prices(), (std::vector<float> { 3, 1, 0, 0, 3 }));
    EXPECT_EQ(till.total(BasketTotal::Total), 7.0f);
}

TEST(AddItem, TotalMayReachButNotPassTheLimit)
{
    Till till;
    till.add(ItemBytes(5, "BIG", 99999.00f).tax(0));
    till.add(ItemBytes(6, "ONE", 1.00f).tax(0));
    till.add(ItemBytes(7, "NEARLY", 99998.99f).tax(0));

    EXPECT_TRUE(till.entry.addItem(5, {}));
    const std::string before = bytesOf(till.basket);
    EXPECT_FALSE(till.entry.addItem(6, {}));
    EXPECT_EQ(till.said(), (Said { "Problem: Transaction limit 100000.00" }));
    EXPECT_EQ(bytesOf(till.basket), before);

    // 99998.99 + 1.00 is exactly 99999.99: allowed.
    till.entry.emptyBasket();
    EXPECT_TRUE(till.entry.addItem(7, {}));
    EXPECT_TRUE(till.entry.addItem(6, {}));
    EXPECT_EQ(till.total(BasketTotal::Total), 99999.99f);
    EXPECT_EQ(till.said(), Said {});
    // A free unit still fits.
    EXPECT_TRUE(till.entry.addItem(6, {}, AddMode::Free));
}

TEST(AddItem, DamagedRecordsSpoilNoTotal)
{
    Till till;
    ItemBytes noPrice(5, "NO PRICE", 0.0f);
    putF32(noPrice.bytes, 822, std::numeric_limits<float>::quiet_NaN());
    ItemBytes noCost(6, "", 1.00f);
    putF32(noCost.bytes, 814, std::numeric_limits<float>::infinity());
    putText(noCost.bytes, 8, std::string(82, 'D')); // no terminator in the field
    till.add(noPrice);
    till.add(noCost);

    EXPECT_FALSE(till.entry.addItem(5, {}));
    EXPECT_EQ(till.said(), (Said { "Problem: Transaction limit 100000.00" }));
    EXPECT_TRUE(till.entry.addItem(6, {}));
    EXPECT_EQ(till.total(BasketTotal::Cost), 0.0f);
    EXPECT_EQ(lineDescriptionText(till.basket, 0), std::string(39, 'D'));

    // film.dat changed behind the index: the slot now holds another number.
    std::string film = readBytes(till.temp.file("film.dat"));
    const int64_t slot = *till.state.items.slotOf(6);
    putI64(film, static_cast<size_t>(slot) * kItemBytes, 7);
    writeBytes(till.temp.file("film.dat"), film);
    EXPECT_FALSE(till.entry.addItem(6, {}));
    EXPECT_EQ(till.said(), (Said { "Invalid entry: 6" }));
    EXPECT_EQ(till.basket.lineCount, 1);
}

TEST(AddItem, FourHundredLinesOnEveryPath)
{
    Till till;
    till.add(ItemBytes(5, "ONE", 1.00f));
    till.add(ItemBytes(9, "BUNDLE", 0.0f).component(0, "5", 3));

    till.fillWithBlankLines(399);
    EXPECT_TRUE(till.entry.addItem(5, {}));
    ASSERT_EQ(till.basket.lineCount, 400);
    const std::string before = bytesOf(till.basket);

    EXPECT_FALSE(till.entry.addItem(5, {}));
    EXPECT_FALSE(till.entry.addItem(9, {}));
    EXPECT_FALSE(till.entry.addNonInventoryLine("MISC", 1.00, true, false));
    EXPECT_EQ(till.entry.repeatLast(""), 0);
    EXPECT_EQ(till.said(),
        (Said { "Problem: Transaction limit 400 items", "Problem: Transaction limit 400 items",
            "Problem: Transaction limit 400 items", "Problem: Transaction limit 400 items" }));
    EXPECT_EQ(bytesOf(till.basket), before);
    EXPECT_EQ(till.view.list.size(), 400u);
}

TEST(AddItem, TaxCodesPickTheirTaxes)
{
    Till till;
    till.state.config.set(cfg::taxOneRate, 2000);
    till.state.config.set(cfg::taxTwoActive, 2);
    till.state.config.set(cfg::taxTwoRate, 1000);
    till.add(ItemBytes(1, "BOTH", 10.00f).tax(1));
    till.add(ItemBytes(2, "ONE ONLY", 10.00f).tax(2));
    till.add(ItemBytes(3, "TWO ONLY", 10.00f).tax(3));
    till.add(ItemBytes(4, "NONE", 10.00f).tax(0));
    for (int64_t number = 1; number <= 4; ++number)
        ASSERT_TRUE(till.entry.addItem(number, {}));

    const Basket &b = till.basket;
    EXPECT_EQ(b.lineTaxOne[0], 2.0f);
    EXPECT_EQ(b.lineTaxTwo[0], 1.0f);
    EXPECT_EQ(b.lineTaxOne[1], 2.0f);
    EXPECT_EQ(b.lineTaxTwo[1], 0.0f);
    EXPECT_EQ(b.lineTaxOne[2], 0.0f);
    EXPECT_EQ(b.lineTaxTwo[2], 1.0f);
    EXPECT_EQ(b.lineTaxable[2], 10.0f); // taxable even without tax 1
    EXPECT_EQ(b.lineNonTaxable[3], 10.0f);
    EXPECT_EQ(b.lineTaxable[3], 0.0f);
    EXPECT_EQ(b.lineTotal[3], 10.0f);
    EXPECT_EQ(till.total(BasketTotal::Taxable), 30.0f);
    EXPECT_EQ(till.total(BasketTotal::NonTaxable), 10.0f);
    EXPECT_EQ(till.total(BasketTotal::Subtotal), 40.0f);
    EXPECT_EQ(till.total(BasketTotal::TaxOne), 4.0f);
    EXPECT_EQ(till.total(BasketTotal::TaxTwo), 2.0f);
    EXPECT_EQ(till.total(BasketTotal::Total), 46.0f);

    // An inactive tax is not charged at all.
    till.state.config.set(cfg::taxOneActive, 0);
    till.entry.addItem(1, {});
    EXPECT_EQ(b.lineTaxOne[4], 0.0f);
    EXPECT_EQ(b.lineTaxTwo[4], 1.0f);
}

TEST(AddItem, CompoundTaxTwoUsesTheRoundedTaxOne)
{
    Till till;
    till.state.config.set(cfg::taxOneRate, 2000);
    till.state.config.set(cfg::taxTwoActive, 2);
    till.state.config.set(cfg::taxTwoRate, 1000);
    till.add(ItemBytes(5, "ITEM", 1.99f));
    till.add(ItemBytes(6, "KEPT", 1.99f).noTaxRounding());

    till.entry.addItem(5, {});
    // Tax 1: 0.398 -> 0.40; tax 2 on 1.99 alone: 0.199 -> 0.20.
    EXPECT_EQ(till.basket.lineTaxOne[0], 0.40f);
    EXPECT_EQ(till.basket.lineTaxTwo[0], 0.20f);
    till.state.config.set(cfg::taxTwoCompound, 2);
    till.entry.addItem(5, {});
    // On total + tax 1: (1.99 + 0.40) × 10% = 0.239 -> 0.24.
    EXPECT_EQ(till.basket.lineTaxTwo[1], 0.24f);
    EXPECT_FLOAT_EQ(till.basket.lineTotal[1], 2.63f);
    // Not rounded: tax 1 0.398 -> 0.39, tax 2 (1.99 + 0.39) × 10% = 0.238 -> 0.23.
    till.entry.addItem(6, {});
    EXPECT_EQ(till.basket.lineTaxOne[2], 0.39f);
    EXPECT_EQ(till.basket.lineTaxTwo[2], 0.23f);
}

TEST(AddItem, ThresholdTaxStartsOnTheWholeAmountWhenPassed)
{
    Till till;
    till.state.config.set(cfg::taxOneRate, 2000);
    till.state.config.set(cfg::taxThresholdOn, 2);
    till.state.config.set(cfg::taxThreshold, 100.0);
    till.add(ItemBytes(1, "SIXTY", 60.00f));
    till.add(ItemBytes(2, "FIFTY", 50.00f));
    till.add(ItemBytes(3, "FORTY", 40.00f));
    till.add(ItemBytes(4, "TEN", 10.00f));

    till.entry.addItem(1, {});
    till.entry.addItem(2, {});
    EXPECT_EQ(till.basket.lineTaxOne[0], 0.0f);
    EXPECT_EQ(till.basket.lineTaxOne[1], 22.0f); // 20% of 110
    till.entry.addItem(4, {});
    EXPECT_EQ(till.basket.lineTaxOne[2], 2.0f); // past the threshold: its own price
    EXPECT_EQ(till.total(BasketTotal::TaxOne), 24.0f);
    EXPECT_EQ(till.total(BasketTotal::Total), 144.0f);

    // Reaching the threshold exactly is not passing it.
    till.entry.emptyBasket();
    till.entry.addItem(1, {});
    till.entry.addItem(3, {});
    EXPECT_EQ(till.total(BasketTotal::TaxOne), 0.0f);
    EXPECT_EQ(till.total(BasketTotal::Total), 100.0f);
}

TEST(AddItem, AgeAlertAfterTheLineIsAdded)
{
    Till till;
    till.add(ItemBytes(5, "CIDER", 2.00f).ageWarning(18));
    till.add(ItemBytes(6, "ONE YEAR", 2.00f).ageWarning(1));
    EXPECT_TRUE(till.entry.addItem(5, {}));
    EXPECT_EQ(till.basket.lineCount, 1);
    ASSERT_EQ(till.messages.shown.size(), 1u);
    EXPECT_EQ(till.messages.shown[0].text, "18");
    EXPECT_EQ(till.messages.shown[0].caption, "Age alert");
    EXPECT_EQ(till.messages.shown[0].kind, MessageKind::Warning);
    till.said();
    till.entry.addItem(6, {});
    EXPECT_EQ(till.entry.repeatLast("2"), 2);
    till.entry.addItem(5, {});
    EXPECT_EQ(till.entry.repeatLast("1"), 1); // no alert while repeating
    EXPECT_EQ(till.said(), (Said { "Age alert: 18" }));
}

TEST(VoidLine, RemovesTheHighlightedLineAndItsValues)
{
    Till till;
    till.state.config.set(cfg::taxOneRate, 1750);
    till.add(ItemBytes(1, "FIRST", 1.99f).cost(1.00f));
    till.add(ItemBytes(2, "SECOND", 5.00f).tax(0).cost(2.00f));
    till.add(ItemBytes(3, "THIRD", 0.99f).cost(0.50f));
    for (int64_t number = 1; number <= 3; ++number)
        till.entry.addItem(number, {});
    till.view.sounds.clear();

    EXPECT_TRUE(till.entry.voidLine(1));
    ASSERT_EQ(till.basket.lineCount, 2);
    EXPECT_EQ(till.basket.lineItemNumber[1], 3);
    EXPECT_EQ(lineDescriptionText(till.basket, 1), "THIRD");
    EXPECT_EQ(till.basket.lineTaxOne[1], 0.17f);
    EXPECT_EQ(till.basket.lineItemNumber[2], 0); // the old last slot is cleared
    EXPECT_EQ(till.basket.lineTotal[2], 0.0f);
    EXPECT_EQ(till.view.list,
        (std::vector<std::string> { "1  FIRST (100)  2.34", "3  THIRD (100)  1.16" }));
    EXPECT_EQ(till.total(BasketTotal::NonTaxable), 0.0f);
    EXPECT_EQ(till.total(BasketTotal::Taxable), 2.98f);
    EXPECT_EQ(till.total(BasketTotal::Subtotal), 2.98f);
    EXPECT_EQ(till.total(BasketTotal::TaxOne), 0.52f);
    EXPECT_EQ(till.total(BasketTotal::Total), 3.50f);
    EXPECT_FLOAT_EQ(till.total(BasketTotal::Cost), 1.50f);
    EXPECT_EQ(till.view.sounds, (std::vector<int> { kVoidSound }));

    // Voiding the others in turn brings every total back to exactly zero.
    EXPECT_TRUE(till.entry.voidLine(1));
    EXPECT_TRUE(till.entry.voidLine(0));
    static Basket empty;
    clearBasket(empty);
    EXPECT_EQ(bytesOf(till.basket), bytesOf(empty));
}

TEST(VoidLine, NothingHighlightedVoidsNothing)
{
    Till till;
    EXPECT_FALSE(till.entry.voidLine(0));
    EXPECT_EQ(till.said(), (Said { "Problem: No items" }));

    till.add(ItemBytes(1, "ONLY", 1.00f));
    till.entry.addItem(1, {});
    const std::string before = bytesOf(till.basket);
    EXPECT_FALSE(till.entry.voidLine(-1));
    EXPECT_FALSE(till.entry.voidLine(1));
    EXPECT_EQ(bytesOf(till.basket), before);
    EXPECT_EQ(till.view.list.size(), 1u);
    EXPECT_TRUE(till.messages.shown.empty());
}

TEST(VoidLine, TheLastLineTakesCustomerAndNoteWithIt)
{
    Till till;
    till.add(ItemBytes(1, "ONLY", 1.00f));
    till.entry.addItem(1, {});
    till.basket.customerNumber = 12;
    writeText(till.basket.customerName, "SMITH");
    till.entry.setTransactionNote("GIFT WRAP");
    till.basket.lineDiscount[0] = 0.25f; // as a line reloaded from the archive
    till.basket.setTotal(BasketTotal::Discount, 0.25f);
    EXPECT_TRUE(till.entry.voidLine(0));
    static Basket empty;
    clearBasket(empty);
    EXPECT_EQ(bytesOf(till.basket), bytesOf(empty));
    EXPECT_TRUE(till.view.list.empty());
}

TEST(RepeatLast, AddsTheLastItemAgainQuietly)
{
    Till till;
    till.state.config.set(cfg::poleInUse, 2);
    till.add(ItemBytes(5, "REPEAT", 1.00f).quantity(4));
    EXPECT_EQ(till.entry.repeatLast("3"), 0);
    EXPECT_EQ(till.said(), (Said { "Problem: No items" }));

    till.entry.addItem(5, {});
    till.view.sounds.clear();
    till.view.pole.clear();
    EXPECT_EQ(till.entry.repeatLast(""), 1);
    EXPECT_EQ(till.entry.repeatLast("0"), 1);
    EXPECT_EQ(till.basket.lineCount, 3);
    EXPECT_TRUE(till.view.sounds.empty());
    EXPECT_EQ(till.view.pole, (std::vector<std::string> { "passive", "passive" }));
    EXPECT_EQ(till.view.itemBoxClears, 2);

    // Only one unit is left in stock: one line, one message, then it stops.
    EXPECT_EQ(till.entry.repeatLast("5"), 1);
    EXPECT_EQ(till.said(), (Said { "Problem: Item out of stock" }));
    EXPECT_EQ(till.basket.lineCount, 4);
}

TEST(RepeatLast, RefusesNonInventoryLinesAndWhatDoesNotFit)
{
    Till till;
    till.add(ItemBytes(5, "REPEAT", 1.00f));
    till.entry.addNonInventoryLine("MISC", 2.00, false, false);
    EXPECT_EQ(till.entry.repeatLast("2"), 0);
    EXPECT_EQ(till.said(), (Said { "Problem: Non inventory item" }));

    till.entry.emptyBasket();
    till.fillWithBlankLines(398);
    till.entry.addItem(5, {});
    ASSERT_EQ(till.basket.lineCount, 399);
    const std::string before = bytesOf(till.basket);
    EXPECT_EQ(till.entry.repeatLast("2"), 0); // refused as a whole
    EXPECT_EQ(till.entry.repeatLast("99999999999999999999"), 0);
    EXPECT_EQ(till.said(),
        (Said { "Problem: Transaction limit 400 items", "Problem: Transaction limit 400 items" }));
    EXPECT_EQ(bytesOf(till.basket), before);
    EXPECT_EQ(till.entry.repeatLast("1"), 1);
    EXPECT_EQ(till.basket.lineCount, 400);
}

TEST(EmptyBasket, ClearsListAndBasketOnlyWhenThereAreLines)
{
    Till till;
    till.entry.emptyBasket();
    EXPECT_EQ(till.view.redraws, 0);
    EXPECT_TRUE(till.view.sounds.empty());

    till.add(ItemBytes(5, "ONE", 1.00f));
    till.entry.addItem(5, {});
    till.entry.addItem(5, {});
    till.entry.setTransactionNote("NOTE");
    till.view.sounds.clear();
    till.entry.emptyBasket();
    static Basket empty;
    clearBasket(empty);
    EXPECT_EQ(bytesOf(till.basket), bytesOf(empty));
    EXPECT_TRUE(till.view.list.empty());
    EXPECT_EQ(till.view.sounds, (std::vector<int> { kVoidSound }));

    // With sounds off neither adding nor emptying makes a sound.
    till.state.config.set(cfg::soundOff, 2);
    till.entry.addItem(5, {});
    till.entry.emptyBasket();
    EXPECT_EQ(till.view.sounds, (std::vector<int> { kVoidSound }));
}

TEST(SaveBasket, SavedCopyReloadsAsOftenAsWanted)
{
    Till till;
    EXPECT_FALSE(till.entry.saveBasket());
    EXPECT_FALSE(till.entry.reloadBasket());
    EXPECT_EQ(till.said(), (Said { "Save basket: No items", "Reload basket: No items" }));

    till.add(ItemBytes(5, "KEEP", 1.00f));
    till.entry.addItem(5, {});
    till.entry.addNonInventoryLine("LOOSE", 0.50, false, false);
    till.entry.setTransactionNote("LATER");
    till.said();
    const std::string rungUp = bytesOf(till.basket);
    EXPECT_TRUE(till.entry.saveBasket());
    EXPECT_EQ(till.said(), (Said { "Basket: Saved" }));

    till.entry.emptyBasket();
    till.entry.addItem(5, {});
    till.said();
    // Over a sale in progress it asks first (the script answers Yes).
    EXPECT_TRUE(till.entry.reloadBasket());
    EXPECT_EQ(till.said(), (Said { "Basket: Abandon the sale being rung up?" }));
    EXPECT_EQ(bytesOf(till.basket), rungUp);
    EXPECT_EQ(till.view.list, (std::vector<std::string> { "5  KEEP  1.20", "0  LOOSE  0.50" }));

    till.entry.emptyBasket();
    till.state.config.set(cfg::cartDescriptionOnly, 2);
    EXPECT_TRUE(till.entry.reloadBasket());
    EXPECT_EQ(bytesOf(till.basket), rungUp);
    EXPECT_EQ(till.view.list, (std::vector<std::string> { "KEEP  1.20", "LOOSE  0.50" }));
    EXPECT_EQ(till.said(), Said {});
}

TEST(NonInventoryLine, TaxedAsTheBoxesSayAndListedWithoutNumber)
{
    Till till;
    till.state.config.set(cfg::taxOneRate, 2000);
    till.state.config.set(cfg::taxTwoActive, 2);
    till.state.config.set(cfg::taxTwoRate, 500);
    till.state.config.set(cfg::poleInUse, 2);

    const LineAmounts shown = till.entry.nonInventoryAmounts(10.0, true, false);
    EXPECT_EQ(shown.taxable, 10.0f);
    EXPECT_EQ(shown.taxOne, 2.0f);
    EXPECT_EQ(shown.taxTwo, 0.0f);
    EXPECT_EQ(shown.total, 12.0f);

    EXPECT_TRUE(till.entry.addNonInventoryLine("LOTTERY", 10.0, true, false));
    EXPECT_TRUE(till.entry.addNonInventoryLine("MISC", 4.0, false, true));
    EXPECT_TRUE(till.entry.addNonInventoryLine(std::string(45, 'X'), 1.006, false, false));
    const Basket &b = till.basket;
    EXPECT_EQ(b.lineItemNumber[0], 0);
    EXPECT_EQ(b.lineTaxOne[1], 0.0f);
    EXPECT_EQ(b.lineTaxTwo[1], 0.20f);
    EXPECT_EQ(b.lineNonTaxable[2], 1.01f); // rounded to cents ("%.2f")
    EXPECT_EQ(lineDescriptionText(b, 2), std::string(39, 'X'));
    EXPECT_EQ(b.lineCost[0], 0.0f);
    EXPECT_EQ(till.total(BasketTotal::Subtotal), 15.01f);
    EXPECT_EQ(till.total(BasketTotal::Total), 17.21f);
    EXPECT_EQ(till.view.list,
        (std::vector<std::string> {
            "LOTTERY  12.00", "MISC  4.20", std::string(39, 'X') + "  1.01" }));
    EXPECT_EQ(till.view.pole[1], "LOTTERY 12.00");

    EXPECT_FALSE(till.entry.addNonInventoryLine("REFUND", -1.0, false, false));
    EXPECT_FALSE(till.entry.addNonInventoryLine("HUGE", 99999.0, false, false));
    EXPECT_EQ(
        till.said(), (Said { "Problem: Invalid price", "Problem: Transaction limit 100000.00" }));
    EXPECT_EQ(b.lineCount, 3);
}

namespace {

// A customer built at the member.dat offsets: name 8, road 38, area 68,
// town 98, postcode 128, telephone 138.
void addCustomer(Till &till, int64_t number, std::string_view name, std::string_view road = {})
{
    std::string bytes = customerBytes(number, name);
    putField(bytes, 38, road);
    putField(bytes, 68, "AREA");
    putField(bytes, 98, "TOWN");
    putField(bytes, 128, "PC1 2AB");
    putField(bytes, 138, "555 0101");
    CustomerRecord record;
    std::memcpy(&record, bytes.data(), sizeof record);
    ScriptedMessages quiet;
    ASSERT_TRUE(till.state.customers.insert(record, quiet).has_value()) << quiet.lastText();
}

std::vector<int64_t> numbersOf(const CustomerLookup &lookup)
{
    std::vector<int64_t> numbers;
    for (const CustomerCandidate &candidate : lookup.candidates)
        numbers.push_back(candidate.number);
    return numbers;
}

} // namespace

TEST(CustomerLookup, NumbersDirectlyOtherTextAsANamePattern)
{
    Till till;
    addCustomer(till, 30, "SMITH JOHN", "1 HIGH ST");
    addCustomer(till, 10, "SMYTHE ANN");
    addCustomer(till, 20, "JONES BOB");
    addCustomer(till, 40, "S");
    const CustomerIndex &customers = till.state.customers;
    auto find = [&](std::string_view text, CustomerSearchOrder order = CustomerSearchOrder::BySlot,
                    bool largeAsName = false) {
        return lookUpCustomers(customers, text, order, largeAsName, till.messages);
    };

    const CustomerLookup byNumber = find("30");
    EXPECT_TRUE(byNumber.byNumber);
    ASSERT_EQ(byNumber.candidates.size(), 1u);
    EXPECT_EQ(byNumber.candidates[0].name, "SMITH JOHN");
    EXPECT_EQ(byNumber.candidates[0].road, "1 HIGH ST");
    EXPECT_TRUE(find("31").candidates.empty());
    EXPECT_TRUE(find("31").byNumber);

    // Slot order (the order they were added), or number order for the list.
    EXPECT_EQ(numbersOf(find("SM")), (std::vector<int64_t> { 30, 10 }));
    EXPECT_EQ(
        numbersOf(find("SM", CustomerSearchOrder::ByNumber)), (std::vector<int64_t> { 10, 30 }));
    EXPECT_EQ(numbersOf(find("S")), (std::vector<int64_t> { 30, 10, 40 }));
    EXPECT_EQ(numbersOf(find("?O")), (std::vector<int64_t> { 20 }));
    EXPECT_EQ(numbersOf(find("SM?TH")), (std::vector<int64_t> { 30, 10 }));
    EXPECT_EQ(numbersOf(find("SMI")), (std::vector<int64_t> { 30 }));
    EXPECT_EQ(numbersOf(find("SMITH JOHN AND MORE")), std::vector<int64_t> {});
    EXPECT_FALSE(find("SM").byNumber);
    EXPECT_TRUE(find("").candidates.empty());
    EXPECT_TRUE(find("-30").candidates.empty()); // not positive: a name

    // Beyond 10^17 (or 64 bits) a number is a name only where asked for.
    EXPECT_TRUE(find("99999999999999999999").byNumber);
    EXPECT_TRUE(find("99999999999999999999").candidates.empty());
    EXPECT_FALSE(find("200000000000000000", CustomerSearchOrder::BySlot, true).byNumber);
    EXPECT_TRUE(till.messages.shown.empty());

    char name[30] = "AB";
    EXPECT_TRUE(customerNameMatches("A", name, sizeof name));
    EXPECT_TRUE(customerNameMatches("AB", name, sizeof name));
    EXPECT_FALSE(customerNameMatches("ABC", name, sizeof name));
    EXPECT_FALSE(customerNameMatches("", name, sizeof name));
}

TEST(AssociateCustomer, CopiesTheCustomerIntoTheBasket)
{
    Till till;
    addCustomer(till, 30, "SMITH JOHN", "1 HIGH ST");
    EXPECT_FALSE(till.entry.associateCustomer(31));
    EXPECT_TRUE(till.messages.shown.empty());

    EXPECT_TRUE(till.entry.associateCustomer(30));
    EXPECT_EQ(till.said(), (Said { "Customer associated: SMITH JOHN" }));
    const Basket &b = till.basket;
    EXPECT_EQ(b.customerNumber, 30);
    EXPECT_EQ(readText(b.customerName), "SMITH JOHN");
    EXPECT_EQ(readText(b.customerAddress[0]), "1 HIGH ST");
    EXPECT_EQ(readText(b.customerAddress[1]), "AREA");
    EXPECT_EQ(readText(b.customerAddress[2]), "TOWN");
    EXPECT_EQ(readText(b.customerAddress[3]), "PC1 2AB");
    EXPECT_EQ(readText(b.customerTelephone), "555 0101");
    EXPECT_EQ(b.lineCount, 0);
}
