#include "inventory/logic/price_reckoner.h"

#include "platform/c_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace ovix {

namespace {

// Rates and prices past these are none a shop uses; held here so that no
// product overflows (a price such as "1e99" fits in nine characters).
constexpr int64_t kHighestRate = 1000000000;
constexpr int64_t kHighestCents = 100000000000;

int64_t rateOrZero(int64_t rate)
{
    return rate > 0 ? std::min(rate, kHighestRate) : 0;
}

int64_t reckonerRate(bool taxOneTicked, bool taxTwoTicked, int64_t one, int64_t two)
{
    one = rateOrZero(one);
    two = rateOrZero(two);
    if (taxOneTicked && taxTwoTicked)
        return one + two;
    if (taxOneTicked)
        return one;
    if (taxTwoTicked)
        return two;
    return 0;
}

// Cents of the first characters of the box; 0 when they hold no number.
int64_t typedCents(std::string_view typed)
{
    typed = typed.substr(0, 9);
    const size_t start = typed.find_first_not_of(" \t");
    if (start == std::string_view::npos)
        return 0;
    typed.remove_prefix(start);
    if (!typed.empty() && typed.front() == '+')
        typed.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(typed.data(), typed.data() + typed.size(), value);
    if (error != std::errc() || !std::isfinite(value))
        return 0;
    return std::min(moneyCents(value), kHighestCents);
}

} // namespace

std::string priceWithoutTax(std::string_view typedWithTax, bool taxOneTicked, bool taxTwoTicked,
    int64_t taxOneRate, int64_t taxTwoRate)
{
    const int64_t cents = typedCents(typedWithTax);
    if (cents <= 0)
        return "0.0";
    const int64_t divisor = 10000 + reckonerRate(taxOneTicked, taxTwoTicked, taxOneRate, taxTwoRate);
    const int64_t without = (cents * 20000 + divisor) / (2 * divisor);
    return cformat("%lld.%02lld", static_cast<long long>(without / 100),
        static_cast<long long>(without % 100));
}

} // namespace ovix
