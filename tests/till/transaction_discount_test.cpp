// A discount off the whole sale: percentages in whole cents, after tax (the
// discount replaces the one before) and before tax (split between the
// non-taxable and taxable parts, the taxes shrinking with the taxable part).

#include "platform/c_format.h"
#include "sales/logic/transaction_discount.h"
#include "till/item_entry_fixture.h"

#include <gtest/gtest.h>

#include <array>

using namespace ovix;
using namespace ovix::test;

namespace {

// The totals that a discount moves, in cents: non-taxable, taxable,
// subtotal, tax 1, tax 2, total, discount.
using Totals = std::array<int64_t, 7>;

Totals totalsOf(const Basket &basket)
{
    Totals out;
    const BasketTotal which[7]
        = { BasketTotal::NonTaxable, BasketTotal::Taxable, BasketTotal::Subtotal,
              BasketTotal::TaxOne, BasketTotal::TaxTwo, BasketTotal::Total, BasketTotal::Discount };
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = moneyCents(basket.total(which[i]));
    return out;
}

void setTotals(Basket &basket, const Totals &totals)
{
    const BasketTotal which[7]
        = { BasketTotal::NonTaxable, BasketTotal::Taxable, BasketTotal::Subtotal,
              BasketTotal::TaxOne, BasketTotal::TaxTwo, BasketTotal::Total, BasketTotal::Discount };
    for (size_t i = 0; i < totals.size(); ++i)
        basket.setTotal(which[i], static_cast<float>(totals[i] / 100.0));
}

struct DiscountTill : Till {
    // One line of `retail`, taxed at 20% or not.
    void ringUp(int64_t number, float retail, bool taxed)
    {
        add(ItemBytes(number, "ITEM", retail).tax(taxed ? 1 : 0));
        ASSERT_TRUE(entry.addItem(number, {}));
    }
    TransactionDiscount open()
    {
        return TransactionDiscount(state, basket, messages);
    }
};

} // namespace

TEST(TransactionDiscount, PercentagesAreWholeCentsCutTowardsZero)
{
    struct Case {
        int64_t cents;
        int hundredths;
        int64_t expected;
    };
    for (const Case &c : { Case { 999, 1250, 124 }, Case { 70, 5000, 35 },
             Case { 10000, 8000, 8000 }, Case { 1, 50, 0 }, Case { 199, 50, 0 },
             Case { 200, 50, 1 }, Case { 0, 1000, 0 }, Case { 9999999, 8000, 7999999 } })
        EXPECT_EQ(percentOfCents(c.cents, c.hundredths), c.expected)
            << c.cents << " " << c.hundredths;
}

TEST(TransactionDiscount, AfterTaxADiscountReplacesTheOneBefore)
{
    DiscountTill till;
    till.state.config.set(cfg::discountOnTotal, 2);
    till.ringUp(1, 50.00f, false);
    TransactionDiscount first = till.open();
    EXPECT_TRUE(first.afterTax());
    EXPECT_EQ(first.amendedTotal("500"), "45.00");
    ASSERT_TRUE(first.ok("500", till.entry));
    EXPECT_EQ(totalsOf(till.basket), (Totals { 5000, 0, 5000, 0, 0, 4500, 500 }));

    TransactionDiscount second = till.open();
    // The percentages and the limit are of the sale before any discount.
    EXPECT_EQ(second.amountText(1000), "500");
    EXPECT_EQ(second.amendedTotal("300"), "47.00");
    EXPECT_EQ(second.amendedTotal("5000"), "");
    EXPECT_EQ(second.amendedTotal(""), "");
    EXPECT_EQ(second.presetPercentage(), 0);
    ASSERT_TRUE(second.ok("300", till.entry));
    EXPECT_EQ(totalsOf(till.basket), (Totals { 5000, 0, 5000, 0, 0, 4700, 300 }));

    till.said();
    EXPECT_FALSE(till.open().ok("5001", till.entry));
    EXPECT_EQ(till.said(), Said { "Problem: Invalid discount" });
    EXPECT_EQ(totalsOf(till.basket), (Totals { 5000, 0, 5000, 0, 0, 4700, 300 }));
    ASSERT_TRUE(till.open().ok("4800", till.entry));
    EXPECT_EQ(totalsOf(till.basket), (Totals { 5000, 0, 5000, 0, 0, 200, 4800 }));
}

TEST(TransactionDiscount, PercentOfTheTotalGoesIntoTheAmountBox)
{
    struct Case {
        float retail;
        int hundredths;
        const char *amount;
    };
    for (const Case &c : { Case { 9.99f, 1250, "124" }, Case { 0.70f, 5000, "35" },
             Case { 20.00f, 0, "0" }, Case { 20.00f, 8000, "1600" } }) {
        DiscountTill till;
        till.state.config.set(cfg::discountOnTotal, 2);
        till.ringUp(1, c.retail, false);
        EXPECT_EQ(till.open().amountText(c.hundredths), c.amount) << c.retail;
    }
}

TEST(TransactionDiscount, BeforeTaxTheDiscountIsSharedAndTheTaxesShrink)
{
    struct Case {
        const char *name;
        Totals before;
        int64_t amount;
        bool threshold; // threshold tax on at 75.00
        Totals after;
    };
    const Case cases[] = {
        { "both kinds", { 2000, 8000, 10000, 1600, 0, 11600, 0 }, 1000, false,
            { 1800, 7200, 9000, 1440, 0, 10440, 1000 } },
        { "nothing taxable", { 2000, 0, 2000, 0, 0, 2000, 0 }, 500, false,
            { 1500, 0, 1500, 0, 0, 1500, 500 } },
        { "everything taxable", { 0, 8000, 8000, 1600, 400, 10000, 0 }, 800, false,
            { 0, 7200, 7200, 1440, 360, 9000, 800 } },
        { "a share rounded to cents", { 100, 200, 300, 40, 0, 340, 0 }, 100, false,
            { 67, 133, 200, 27, 0, 227, 100 } },
        { "below the threshold", { 0, 8000, 8000, 1600, 0, 9600, 0 }, 500, true,
            { 0, 7500, 7500, 0, 0, 7500, 500 } },
        { "above the threshold", { 0, 8000, 8000, 1600, 0, 9600, 0 }, 400, true,
            { 0, 7600, 7600, 1520, 0, 9120, 400 } },
        { "all of it", { 2000, 8000, 10000, 1600, 0, 11600, 0 }, 10000, false,
            { 0, 0, 0, 0, 0, 0, 10000 } },
        { "adds to one before", { 1800, 7200, 9000, 1440, 0, 10440, 1000 }, 900, false,
            { 1620, 6480, 8100, 1296, 0, 9396, 1900 } },
    };
    for (const Case &c : cases) {
        DiscountTill till;
        till.state.config.set(cfg::taxThresholdOn, c.threshold ? 2 : 0);
        till.state.config.set(cfg::taxThreshold, 75.00);
        setTotals(till.basket, c.before);
        applyDiscountBeforeTax(till.basket, till.state.config, c.amount);
        EXPECT_EQ(totalsOf(till.basket), c.after) << c.name;
    }
}

TEST(TransactionDiscount, BeforeTaxTheDialogStartsAtTheButtonsRateAndDiscountsAddUp)
{
    DiscountTill till;
    till.state.config.set(cfg::discountOnTotal, 0);
    till.state.config.set(cfg::discountButtonRate, 10);
    till.ringUp(1, 20.00f, false);
    till.ringUp(2, 80.00f, true);
    EXPECT_EQ(totalsOf(till.basket), (Totals { 2000, 8000, 10000, 1600, 0, 11600, 0 }));

    TransactionDiscount discount = till.open();
    EXPECT_FALSE(discount.afterTax());
    EXPECT_EQ(discount.presetPercentage(), 1000);
    EXPECT_EQ(discount.amountText(discount.presetPercentage()), "1000");
    EXPECT_EQ(discount.amendedTotal("1000"), "90.00");
    EXPECT_EQ(discount.amendedTotal("10000"), "");
    ASSERT_TRUE(discount.ok("1000", till.entry));
    EXPECT_EQ(totalsOf(till.basket), (Totals { 1800, 7200, 9000, 1440, 0, 10440, 1000 }));

    TransactionDiscount more = till.open();
    till.said();
    EXPECT_FALSE(more.ok("9001", till.entry));
    EXPECT_EQ(till.said(), Said { "Problem: Invalid discount" });
    ASSERT_TRUE(more.ok("900", till.entry));
    EXPECT_EQ(totalsOf(till.basket), (Totals { 1620, 6480, 8100, 1296, 0, 9396, 1900 }));
    // The lines keep their undiscounted values.
    EXPECT_FLOAT_EQ(till.basket.lineTotal[1], 96.00f);

    // A rate outside 1..80 preselects nothing.
    till.state.config.set(cfg::discountButtonRate, 81);
    EXPECT_EQ(till.open().presetPercentage(), 0);
}
