#include "platform/c_format.h"
#include "platform/leading_number.h"
#include "platform/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

using namespace ovix;

TEST(NumberEntry, DecimalNumbersAreFiniteAmountsOnly)
{
    struct Case {
        const char *typed;
        std::optional<double> read;
    };
    const Case cases[] = {
        {"12.50", 12.5},
        {" \t3 ", 3.0},
        {"-0.25", -0.25},
        {".5", 0.5},
        {"inf", std::nullopt},
        {"INFINITY", std::nullopt},
        {" -inf", std::nullopt},
        {"nan", std::nullopt},
        {"1e5", std::nullopt},
        {"12,50", std::nullopt},
        {"", std::nullopt},
        {"  ", std::nullopt},
    };
    for (const Case &c : cases)
        EXPECT_EQ(decimalNumber(c.typed), c.read) << c.typed;
    // Three hundred and ten digits: more than a double holds.
    EXPECT_EQ(decimalNumber(std::string(310, '9')), std::nullopt);
}

TEST(NumberEntry, WholeAndLeadingNumbersKeepTo64Bits)
{
    struct Case {
        const char *typed;
        std::optional<int64_t> whole;
        int64_t leading;
        bool outOfRange;
    };
    constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
    constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
    const Case cases[] = {
        {" 42\t", 42, 42, false},
        {"12ABC", std::nullopt, 12, false},
        {"+7", std::nullopt, 7, false},
        {"9223372036854775807", kMax, kMax, false},
        {"9223372036854775808", std::nullopt, kMax, true},
        {"-9223372036854775808", kMin, kMin, false},
        {"-9223372036854775809", std::nullopt, kMin, true},
        {"ABC", std::nullopt, 0, false},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(wholeNumber(c.typed), c.whole) << c.typed;
        const LeadingNumber leading = parseLeadingNumber(c.typed);
        EXPECT_EQ(leading.value, c.leading) << c.typed;
        EXPECT_EQ(leading.outOfRange, c.outOfRange) << c.typed;
    }
}

TEST(NumberEntry, MoneyRoundingKeepsEveryDigitOfAHugeAmount)
{
    for (double amount : {1e70, -6.92446e274, 1.0e300, 123456789.125}) {
        const double rounded = roundMoney(amount);
        EXPECT_LE(std::fabs(rounded - amount), std::max(0.005, std::fabs(amount) * 1e-15))
            << amount;
    }
    EXPECT_EQ(roundMoney(2.675), 2.67); // as "%.2f" shows the double nearest 2.675
    EXPECT_EQ(moneyCents(1e70), 90000000000000000);
}
