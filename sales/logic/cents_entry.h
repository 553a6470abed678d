#pragma once
// Amounts typed in cents: the tender, split and price boxes take digits only
// and the decimal point goes before the last two digits ("1234" is 12.34,
// "50" is 0.50, a single "1" is 0.01).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ovix {

// Characters of an amount box that are read.
inline constexpr size_t kAmountEntryWidth = 19;

// The digits of `typed`, in order, at most 19 of them; everything else is
// dropped.
std::string centsEntryDigits(std::string_view typed);

// The amount the digits stand for; nothing for a box without digits. Only the
// first 19 characters are read and non-digits among them are ignored.
std::optional<double> centsEntryAmount(std::string_view typed);

// The same amount in whole cents (the digits read as one number); nothing for
// a box without digits. More digits than a 64-bit number holds saturate at
// the largest one, far beyond any till limit.
std::optional<int64_t> centsEntryCents(std::string_view typed);

// Whole cents of an amount as the tender compares them: the integer part of
// x × 100 formatted with "%.2f". Saturates far beyond any till amount.
int64_t wholeCents(double amount);

// "%.2f" of a number of cents ("0.00", never "-0.00").
std::string centsText(int64_t cents);

} // namespace ovix
