#pragma once
// The item dialog's ready reckoner: a retail price typed with tax gives the
// price without tax, at the till's Tax 1 and Tax 2 rates (hundredths of a
// percent: 1750 is 17.50 %; 0 or less is a rate that is not set).

#include <cstdint>
#include <string>
#include <string_view>

namespace ovix {

// The price without tax as the "Retail price without tax" and "Retail price"
// boxes show it ("%.2f"), for `typedWithTax` (its first 9 characters, rounded
// to cents). With only the Tax 1 box ticked the rate is Tax 1, with only Tax 2
// ticked Tax 2, with both the sum when both are set, else the one that is;
// with no rate the price stays as typed. A typed price of 0 or less gives
// "0.0". Worked in whole cents, rounded half up: 11.75 at 1750 is 10.00.
std::string priceWithoutTax(std::string_view typedWithTax, bool taxOneTicked, bool taxTwoTicked,
    int64_t taxOneRate, int64_t taxTwoRate);

} // namespace ovix
