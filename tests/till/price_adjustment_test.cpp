// A new price for the last basket line: the boxes worked out as the clerk
// types a price or a weight, the refusals, and the totals moved by the
// differences only.

#include "platform/c_format.h"
#include "platform/sounds.h"
#include "sales/logic/price_adjustment.h"
#include "sales/logic/transaction_discount.h"
#include "store/user_control.h"
#include "till/item_entry_fixture.h"

#include <gtest/gtest.h>

using namespace ovix;
using namespace ovix::test;

namespace {

struct AdjustTill : Till {
    // Opens the dialog's logic on the last line; fails the test when refused.
    LineAdjustment open(LineAdjustment::Kind kind = LineAdjustment::Kind::Price)
    {
        std::optional<LastLineItem> item = readLastLineItem(state, basket, messages);
        EXPECT_TRUE(item.has_value()) << messages.lastText();
        return LineAdjustment(kind, item.value_or(LastLineItem {}), state, basket, messages);
    }
    LineCents totals() const
    {
        return { moneyCents(total(BasketTotal::NonTaxable)),
            moneyCents(total(BasketTotal::Taxable)), moneyCents(total(BasketTotal::TaxOne)),
            moneyCents(total(BasketTotal::TaxTwo)), moneyCents(total(BasketTotal::Total)) };
    }
};

struct TaxCase {
    const char *name;
    int32_t taxCode;
    bool noTaxRounding;
    int64_t taxTwoRate; // 0: tax 2 off
    bool compound;
    const char *typed;
    LineCents boxes;
};

} // namespace

TEST(PriceAdjustment, TheBoxesFollowTheTypedPriceAndTheItemsTax)
{
    const TaxCase cases[] = {
        { "tax 1 at 20%", 1, false, 0, false, "1000", { 0, 1000, 200, 0, 1200 } },
        { "not taxed", 0, false, 0, false, "1000", { 1000, 0, 0, 0, 1000 } },
        { "tax 2 on total + tax 1", 1, false, 1000, true, "1000", { 0, 1000, 200, 120, 1320 } },
        { "tax 2 on the price", 1, false, 1000, false, "1000", { 0, 1000, 200, 100, 1300 } },
        { "tax 2 only", 3, false, 500, false, "1000", { 0, 1000, 0, 50, 1050 } },
        { "tax 1 only", 2, false, 500, false, "1000", { 0, 1000, 200, 0, 1200 } },
        { "2.056 goes up", 1, false, 0, false, "1028", { 0, 1028, 206, 0, 1234 } },
        { "2.056 cut when not rounded", 1, true, 0, false, "1028", { 0, 1028, 205, 0, 1233 } },
        { "2.054 goes down", 1, false, 0, false, "1027", { 0, 1027, 205, 0, 1232 } },
        { "one digit is cents", 1, false, 0, false, "5", { 0, 5, 1, 0, 6 } },
    };
    for (const TaxCase &c : cases) {
        AdjustTill till;
        ItemBytes item(7, "TEA", 2.50f);
        item.tax(c.taxCode);
        if (c.noTaxRounding)
            item.noTaxRounding();
        till.add(item);
        till.state.config.set(cfg::taxTwoActive, c.taxTwoRate > 0 ? 2 : 0);
        till.state.config.set(cfg::taxTwoRate, c.taxTwoRate);
        till.state.config.set(cfg::taxTwoCompound, c.compound ? 2 : 0);
        ASSERT_TRUE(till.entry.addItem(7, {}));
        LineAdjustment adjustment = till.open();
        EXPECT_TRUE(adjustment.amountChanged(c.typed)) << c.name;
        EXPECT_EQ(adjustment.boxes(), c.boxes) << c.name;
    }
}

TEST(PriceAdjustment, OkMovesTheTotalsByTheDifferencesAndRewritesTheListEntry)
{
    AdjustTill till;
    till.add(ItemBytes(5, "MILK", 1.20f).tax(0));
    till.add(ItemBytes(7, "TEA", 2.50f).quantity(9));
    ASSERT_TRUE(till.entry.addItem(5, {}));
    ASSERT_TRUE(till.entry.addItem(7, {}));
    const LineCents before = till.totals();
    EXPECT_EQ(before, (LineCents { 120, 250, 50, 0, 420 }));

    LineAdjustment adjustment = till.open();
    EXPECT_EQ(adjustment.item().number, 7);
    EXPECT_EQ(adjustment.item().quantity, 9);
    EXPECT_EQ(adjustment.boxes(), (LineCents { 0, 250, 50, 0, 300 }));
    // An emptied box leaves the boxes at the last price typed.
    adjustment.amountChanged("1000");
    adjustment.amountChanged("");
    EXPECT_EQ(adjustment.boxes(), (LineCents { 0, 1000, 200, 0, 1200 }));
    const int redraws = till.view.redraws;
    ASSERT_TRUE(adjustment.ok(till.entry, till.view));

    EXPECT_EQ(lineCents(till.basket, 1), (LineCents { 0, 1000, 200, 0, 1200 }));
    EXPECT_EQ(till.totals(), (LineCents { 120, 1000, 200, 0, 1320 }));
    EXPECT_FLOAT_EQ(till.total(BasketTotal::Subtotal), 11.20f);
    EXPECT_EQ(lineCents(till.basket, 0), (LineCents { 120, 0, 0, 0, 120 }));
    ASSERT_EQ(till.view.list.size(), 2u);
    EXPECT_EQ(till.view.list[1], "7  TEA (9)  12.00");
    EXPECT_EQ(till.view.redraws, redraws + 1);
    EXPECT_EQ(till.view.sounds.back(), kAddSound);

    // Item numbers hidden: the entry shows the description alone.
    till.state.config.set(cfg::cartDescriptionOnly, 2);
    LineAdjustment again = till.open();
    again.zero();
    EXPECT_EQ(again.boxes(), LineCents {});
    ASSERT_TRUE(again.ok(till.entry, till.view));
    EXPECT_EQ(till.view.list[1], "TEA (9)  0.00");
    EXPECT_EQ(till.totals(), (LineCents { 120, 0, 0, 0, 120 }));
    EXPECT_FLOAT_EQ(till.total(BasketTotal::Subtotal), 1.20f);
}

TEST(PriceAdjustment, APriceAbove20000IsRefusedAndTheLineShownAgain)
{
    AdjustTill till;
    till.add(ItemBytes(7, "TEA", 2.50f));
    ASSERT_TRUE(till.entry.addItem(7, {}));
    LineAdjustment adjustment = till.open();
    EXPECT_TRUE(adjustment.amountChanged("2000000"));
    EXPECT_EQ(adjustment.boxes().taxable, 2000000);
    till.said();
    EXPECT_FALSE(adjustment.amountChanged("2000001"));
    EXPECT_EQ(till.said(), Said { "Problem: Invalid price, limit 20000.00" });
    EXPECT_EQ(adjustment.boxes(), (LineCents { 0, 250, 50, 0, 300 }));
    // Twenty digits are out of any range, never wrapped into a small price.
    EXPECT_FALSE(adjustment.amountChanged("18446744073709551716"));
    EXPECT_EQ(adjustment.boxes(), (LineCents { 0, 250, 50, 0, 300 }));
}

TEST(PriceAdjustment, TheDialogsDoNotOpenWithoutAnItemBehindTheLastLine)
{
    AdjustTill till;
    till.add(ItemBytes(7, "TEA", 2.50f));
    EXPECT_FALSE(readLastLineItem(till.state, till.basket, till.messages));
    EXPECT_EQ(till.said(), Said { "Problem: No items" });

    ASSERT_TRUE(till.entry.addItem(7, {}));
    ASSERT_TRUE(till.entry.addNonInventoryLine("MISC", 1.00, false, false));
    EXPECT_FALSE(readLastLineItem(till.state, till.basket, till.messages));
    EXPECT_EQ(till.said(), Said { "Problem: Non inventory item" });

    // The item left the file after it was rung up.
    till.basket.lineItemNumber[1] = 8;
    EXPECT_FALSE(readLastLineItem(till.state, till.basket, till.messages));
    EXPECT_EQ(till.said(), Said { "Invalid entry: 8" });
}

TEST(PriceAdjustment, NoAdjustmentTakesTheSalePast99999Point99)
{
    AdjustTill till;
    till.state.config.set(cfg::taxOneActive, 0);
    till.add(ItemBytes(1, "SAFE", 20000.00f).tax(0));
    till.add(ItemBytes(2, "LOCK", 19990.00f).tax(0));
    till.add(ItemBytes(3, "SAND", 100.00f).tax(0));
    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE(till.entry.addItem(1, {}));
    ASSERT_TRUE(till.entry.addItem(2, {}));
    EXPECT_EQ(till.totals().total, 9999000);

    LineAdjustment adjustment = till.open();
    adjustment.amountChanged("2000000");
    till.said();
    EXPECT_FALSE(adjustment.ok(till.entry, till.view));
    EXPECT_EQ(till.said(), Said { "Problem: Transaction limit 100000.00" });
    EXPECT_EQ(till.totals().total, 9999000);
    adjustment.amountChanged("1999999");
    EXPECT_TRUE(adjustment.ok(till.entry, till.view));
    EXPECT_EQ(till.totals().total, 9999999);

    // By weight: 100000 units of a 100.00 item is 100000.00 on its own.
    ASSERT_TRUE(till.entry.voidLine(4));
    ASSERT_TRUE(till.entry.addItem(3, {}));
    LineAdjustment weighing = till.open(LineAdjustment::Kind::Weight);
    EXPECT_EQ(weighing.weightChanged("100000"), "100000.00");
    till.said();
    EXPECT_FALSE(weighing.ok(till.entry, till.view));
    EXPECT_EQ(till.said(), Said { "Problem: Transaction limit 100000.00" });
    EXPECT_EQ(lineCents(till.basket, 4).total, 10000);
}

TEST(PriceAdjustment, ALineMayNotFallBelowTheDiscountGiven)
{
    for (LineAdjustment::Kind kind :
        { LineAdjustment::Kind::Price, LineAdjustment::Kind::Weight }) {
        AdjustTill till;
        till.state.config.set(cfg::discountOnTotal, 2);
        till.add(ItemBytes(7, "CHEESE", 10.00f).tax(0));
        ASSERT_TRUE(till.entry.addItem(7, {}));
        TransactionDiscount discount(till.state, till.basket, till.messages);
        ASSERT_TRUE(discount.ok("800", till.entry));
        till.said();

        LineAdjustment adjustment = till.open(kind);
        if (kind == LineAdjustment::Kind::Price)
            adjustment.amountChanged("500");
        else
            EXPECT_EQ(adjustment.weightChanged("50"), "5.00");
        EXPECT_FALSE(adjustment.ok(till.entry, till.view));
        EXPECT_EQ(till.said(), Said { "Problem: Discount exceeds transaction" });
        EXPECT_EQ(till.totals().total, 200);
        if (kind == LineAdjustment::Kind::Price)
            adjustment.amountChanged("800");
        else
            adjustment.weightChanged("80");
        EXPECT_TRUE(adjustment.ok(till.entry, till.view));
        EXPECT_EQ(till.totals().total, 0);
    }
}

struct WeightCase {
    float retail;
    const char *typed;
    const char *price;
};

TEST(PriceAdjustment, AWeightPricesTheLineFromThePriceOf100Units)
{
    const WeightCase cases[] = {
        { 4.00f, "250", "10.00" },
        { 0.99f, "150", "1.49" }, // 1.485 goes up
        { 4.00f, "1", "0.04" },
        { 4.00f, "100000", "4000.00" },
        { 4.00f, "100001", "" },
        { 4.00f, "0", "" },
        { 4.00f, "", "" },
        { -4.00f, "100", "-4.00" },
    };
    for (const WeightCase &c : cases) {
        AdjustTill till;
        till.add(ItemBytes(7, "CHEESE", c.retail));
        ASSERT_TRUE(till.entry.addItem(7, {}));
        LineAdjustment adjustment = till.open(LineAdjustment::Kind::Weight);
        EXPECT_EQ(adjustment.weightChanged(c.typed), c.price) << c.typed;
    }
}

TEST(PriceAdjustment, AWeighedLineStaysNonTaxableOrTaxableAsItWas)
{
    AdjustTill till;
    till.add(ItemBytes(7, "CHEESE", 4.00f));
    till.add(ItemBytes(8, "APPLES", 4.00f).tax(0));
    ASSERT_TRUE(till.entry.addItem(7, {}));
    LineAdjustment taxed = till.open(LineAdjustment::Kind::Weight);
    taxed.weightChanged("250");
    EXPECT_EQ(taxed.boxes(), (LineCents { 0, 1000, 200, 0, 1200 }));
    ASSERT_TRUE(taxed.ok(till.entry, till.view));
    EXPECT_EQ(till.view.list.back(), "7  CHEESE (100)  12.00");

    ASSERT_TRUE(till.entry.addItem(8, {}));
    LineAdjustment untaxed = till.open(LineAdjustment::Kind::Weight);
    untaxed.weightChanged("250");
    EXPECT_EQ(untaxed.boxes(), (LineCents { 1000, 0, 0, 0, 1000 }));
    ASSERT_TRUE(untaxed.ok(till.entry, till.view));
    EXPECT_EQ(till.totals(), (LineCents { 1000, 1000, 200, 0, 2200 }));
}

TEST(PriceAdjustment, ANegativeRetailPriceGivesNoPrice)
{
    AdjustTill till;
    till.add(ItemBytes(7, "CHEESE", -4.00f));
    ASSERT_TRUE(till.entry.addItem(7, {}));
    const LineCents before = till.totals();
    LineAdjustment adjustment = till.open(LineAdjustment::Kind::Weight);
    adjustment.weightChanged("100");
    till.said();
    EXPECT_FALSE(adjustment.ok(till.entry, till.view));
    EXPECT_EQ(till.said(), Said { "Problem: Invalid price" });
    EXPECT_EQ(till.totals(), before);
}

TEST(PriceAdjustment, CostPricesAreHiddenOnlyFromRestrictedClerksWhenSet)
{
    struct Case {
        int clerk;
        bool hidden;
        bool shown;
    };
    for (const Case &c : { Case { 1, true, true }, Case { 2, true, true }, Case { 3, true, false },
             Case { 3, false, true }, Case { 42, true, false } }) {
        AdjustTill till;
        till.state.config.set(cfg::currentClerk, c.clerk);
        till.state.config.set(cfg::userControl, static_cast<size_t>(UserControlItem::HideCostPrice),
            c.hidden ? 2 : 0);
        EXPECT_EQ(costPriceShown(till.state), c.shown) << c.clerk << " " << c.hidden;
    }
}
