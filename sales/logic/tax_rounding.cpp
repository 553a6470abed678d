#include "sales/logic/tax_rounding.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace ovix {

double roundTaxAmount(double amount, bool noTaxRounding)
{
    if (!std::isfinite(amount))
        return amount;
    char text[64];
    int length = std::snprintf(text, sizeof text, "%.3f", amount);
    if (length <= 0 || length >= static_cast<int>(sizeof text))
        return amount;
    const char last = text[length - 1];
    const bool upwards = last > '4' && last <= '9';
    if (upwards)
        text[length - 1] = '9';
    (void)std::snprintf(text, sizeof text, "%.2f", std::strtod(text, nullptr)); // shorter
    double rounded = std::strtod(text, nullptr);
    if (upwards && noTaxRounding) {
        // The cent gained by the 9 goes back: towards zero on either side.
        rounded = text[0] == '-' ? rounded + 0.01 : rounded - 0.01;
        (void)std::snprintf(text, sizeof text, "%.2f", rounded); // within a cent of it
        rounded = std::strtod(text, nullptr);
    }
    return rounded;
}

} // namespace ovix
