#include "platform/c_format.h"

#include <clocale>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace ovix {

// printf's format language, its arguments checked by the compiler through the format
// attribute of the declaration.
// NOLINTNEXTLINE(cert-dcl50-cpp)
std::string cformat(const char *format, ...)
{
    char small[256];
    va_list args;
    va_start(args, format);
    int n = std::vsnprintf(small, sizeof small, format, args);
    va_end(args);
    if (n < 0)
        return {};
    if (static_cast<size_t>(n) < sizeof small)
        return std::string(small, static_cast<size_t>(n));
    std::string big(static_cast<size_t>(n), '\0');
    va_start(args, format);
    (void)std::vsnprintf(big.data(), big.size() + 1, format, args); // measured above
    va_end(args);
    return big;
}

void useCNumericLocale()
{
    // Called at start-up, before any job runs beside the window; "C" always exists.
    (void)std::setlocale(LC_NUMERIC, "C"); // NOLINT(concurrency-mt-unsafe): see above
}

double roundMoney(double amount)
{
    // The whole text: a fixed buffer would cut the digits of a huge amount.
    return std::strtod(cformat("%.2f", amount).c_str(), nullptr);
}

int64_t moneyCents(double amount)
{
    constexpr double kLimit = 9.0e14; // far beyond any till amount
    if (!(amount == amount))
        return 0;
    if (amount >= kLimit)
        return static_cast<int64_t>(kLimit * 100);
    if (amount <= -kLimit)
        return -static_cast<int64_t>(kLimit * 100);
    return std::llround(roundMoney(amount) * 100.0);
}

} // namespace ovix
