#pragma once
// EAN-13 barcodes of numbers, drawn as black rectangles.
//
// A symbol is 95 modules wide: the start guard (bar, space, bar), six left
// digits of 7 modules each in the odd (L) or even (G) set chosen by the first
// digit, the centre guard (space, bar, space, bar, space), six right digits in
// the R set, and the end guard. The first digit is not drawn as bars; it is
// carried by the pattern of odd and even sets on the left.

#include <cstdint>
#include <string>
#include <string_view>

namespace ovix {

class PrintDevice;

// The label module (0.50 mm), the bar height (10 mm) and the guard bars'
// height (11.2 mm), which reach below the digit bars.
inline constexpr int kEan13Module = 50;
inline constexpr int kEan13BarHeight = 1000;
inline constexpr int kEan13GuardHeight = 1120;
inline constexpr int kEan13Modules = 95;

// The check digit of 12 digits: weights 3 and 1 from the right,
// (10 - sum mod 10) mod 10. -1 when `twelve` is not 12 digits.
int ean13CheckDigit(std::string_view twelve);
// The 13 digits a number is printed as: its decimal text cut to its first 12
// digits when longer, left-padded with zeros to 12 when shorter, and the check
// digit (0000000123457 for 12345). "" for a negative number.
std::string ean13Digits(int64_t number);
// The 95 modules of `digits` (13 digits with a correct check digit), '1' for
// a dark module, '0' for a light one; "" when `digits` is not such a text.
std::string ean13Modules(std::string_view digits);
// Draws the symbol of `digits` (as ean13Modules takes them) with its top-left
// at (x, top): guard bars kEan13GuardHeight tall, digit bars kEan13BarHeight.
// False, and nothing drawn, when the digits are not a valid EAN-13 text or the
// module is not positive.
bool drawEan13(PrintDevice &device, int x, int top, std::string_view digits, int module);

} // namespace ovix
