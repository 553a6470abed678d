#include "platform/c_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace ovix;

TEST(RoundMoney, RoundsToTheCentAndKeepsAmountsTooLargeForCents)
{
    const struct {
        double amount;
        double rounded;
    } cases[] = {
        { 0.0, 0.0 },
        { 1.005, 1.0 }, // a shade below 1.005 as a double
        { 2.675, 2.67 },
        { -3.999, -4.0 },
        { 12345678.126, 12345678.13 },
        { 1e20, 1e20 },
        // Wider than the 64 characters the text is made in: left as it is,
        // not cut to its first digits.
        { 1e70, 1e70 },
        { -1e300, -1e300 },
        { std::numeric_limits<double>::max(), std::numeric_limits<double>::max() },
    };
    for (const auto &c : cases)
        EXPECT_EQ(roundMoney(c.amount), c.rounded) << c.amount;
    EXPECT_TRUE(std::isnan(roundMoney(std::nan(""))));
    EXPECT_EQ(roundMoney(std::numeric_limits<double>::infinity()),
        std::numeric_limits<double>::infinity());
}
