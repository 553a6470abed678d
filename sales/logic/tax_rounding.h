#pragma once
// The till's rounding of a tax amount to cents.

namespace ovix {

// Rounds a tax amount to two decimals: the amount is written with three
// decimals; a third decimal of 5 to 9 becomes 9 before the value is written
// with two decimals, so half a cent always goes up (away from zero), whatever
// the binary value of the amount. For an item that is not rounded
// (`noTaxRounding`), an amount whose third decimal is 5 to 9 then gives back
// the cent gained, so its tax is cut to whole cents towards zero.
// Formatting is always in the C locale. Never fails; a non-finite amount
// comes back as it went in.
double roundTaxAmount(double amount, bool noTaxRounding);

} // namespace ovix
