#pragma once
// printf-style formatting into a std::string, always with the C numeric
// locale ("%.2f" gives "12.50" whatever the desktop's language).

#include <cstdint>
#include <string>

namespace ovix {

std::string cformat(const char *format, ...) __attribute__((format(printf, 1, 2)));

// Sets LC_NUMERIC back to "C" (Qt sets the C library locale from the
// environment when it starts); call after creating the application object.
void useCNumericLocale();

// Re-rounds an amount to two decimals the way every running total is kept:
// format with "%.2f", parse back.
double roundMoney(double amount);

// An amount in whole cents, rounded as "%.2f" shows it, for comparing and
// summing money exactly: a float and a double of the same amount give the
// same cents. Not-a-number gives 0; amounts beyond any till amount saturate.
int64_t moneyCents(double amount);

} // namespace ovix
