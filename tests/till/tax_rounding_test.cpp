#include "sales/logic/tax_rounding.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace ovix;

namespace {

// Exact to the cent: the results are parsed from two-decimal text.
void expectCents(double amount, bool noTaxRounding, double cents)
{
    EXPECT_DOUBLE_EQ(roundTaxAmount(amount, noTaxRounding), cents)
        << "amount " << amount << (noTaxRounding ? " not rounded" : "");
}

} // namespace

TEST(RoundTaxAmount, HalfACentGoesUpWhateverTheBinaryValue)
{
    expectCents(0.125, false, 0.13);
    expectCents(0.124, false, 0.12);
    expectCents(0.005, false, 0.01);
    expectCents(0.004, false, 0.00);
    // 1.995 is a shade below in binary; a plain "%.2f" would give 1.99.
    expectCents(1.995, false, 2.00);
    expectCents(2.675, false, 2.68);
    expectCents(0.34825, false, 0.35); // tax 1 at 17.5% on 1.99
    expectCents(0.0, false, 0.0);
    expectCents(12.5, false, 12.5);
    expectCents(12.34, false, 12.34);
}

TEST(RoundTaxAmount, ItemsNotRoundedAreCutToWholeCents)
{
    expectCents(0.34825, true, 0.34);
    expectCents(0.125, true, 0.12);
    expectCents(1.995, true, 1.99);
    expectCents(0.005, true, 0.00);
    expectCents(0.124, true, 0.12);
    expectCents(0.129, true, 0.12);
    expectCents(12.34, true, 12.34);
}

TEST(RoundTaxAmount, NegativeAmountsMirrorPositiveOnes)
{
    expectCents(-0.125, false, -0.13);
    expectCents(-0.124, false, -0.12);
    // Cut towards zero, never a cent further away.
    expectCents(-0.125, true, -0.12);
    expectCents(-1.995, true, -1.99);
}

TEST(RoundTaxAmount, FloatTaxesOfTheTillRoundAsTheirDecimals)
{
    // The till works the tax out in single precision: 1.99 × 1750 / 10000.
    const float tax = 1.99f * 1750.0f / 10000.0f;
    expectCents(tax, false, 0.35);
    expectCents(tax, true, 0.34);
    // Every price up to 50.00 at common rates: within half a cent (plus the
    // half of a thousandth the three-decimal step may add) when rounded, and
    // never above the amount, nor a cent or more below, when cut.
    for (int cents = 1; cents <= 5000; ++cents) {
        for (int rate : { 500, 825, 1000, 1750, 2000 }) {
            const float amount
                = static_cast<float>(cents) / 100.0f * static_cast<float>(rate) / 10000.0f;
            const double rounded = roundTaxAmount(amount, false);
            const double cut = roundTaxAmount(amount, true);
            ASSERT_NEAR(rounded * 100, std::round(rounded * 100), 1e-6);
            ASSERT_LE(std::fabs(rounded - amount), 0.0055 + 1e-9) << cents << " @ " << rate;
            ASSERT_LE(cut, amount + 0.0005 + 1e-9) << cents << " @ " << rate;
            ASSERT_LT(amount - cut, 0.01) << cents << " @ " << rate;
        }
    }
}
