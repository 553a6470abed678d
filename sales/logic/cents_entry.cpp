#include "sales/logic/cents_entry.h"

#include "platform/c_format.h"

#include <cinttypes>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace ovix {

std::string centsEntryDigits(std::string_view typed)
{
    std::string digits;
    for (char c : typed) {
        if (c >= '0' && c <= '9' && digits.size() < kAmountEntryWidth)
            digits += c;
    }
    return digits;
}

std::optional<double> centsEntryAmount(std::string_view typed)
{
    const std::string digits = centsEntryDigits(typed.substr(0, kAmountEntryWidth));
    if (digits.empty())
        return std::nullopt;
    std::string text;
    if (digits.size() == 1)
        text = "0.0" + digits;
    else
        text = digits.substr(0, digits.size() - 2) + "." + digits.substr(digits.size() - 2);
    return std::strtod(text.c_str(), nullptr);
}

std::optional<int64_t> centsEntryCents(std::string_view typed)
{
    const std::string digits = centsEntryDigits(typed.substr(0, kAmountEntryWidth));
    if (digits.empty())
        return std::nullopt;
    constexpr int64_t kLargest = std::numeric_limits<int64_t>::max();
    int64_t cents = 0;
    for (char digit : digits) {
        const int value = digit - '0';
        if (cents > (kLargest - value) / 10)
            return kLargest;
        cents = cents * 10 + value;
    }
    return cents;
}

int64_t wholeCents(double amount)
{
    const std::string text = cformat("%.2f", amount * 100.0);
    const double whole = std::trunc(std::strtod(text.c_str(), nullptr));
    constexpr double kLimit = 9.0e18;
    if (!(whole == whole))
        return 0;
    if (whole >= kLimit)
        return static_cast<int64_t>(kLimit);
    if (whole <= -kLimit)
        return -static_cast<int64_t>(kLimit);
    return static_cast<int64_t>(whole);
}

std::string centsText(int64_t cents)
{
    const char *sign = cents < 0 ? "-" : "";
    const uint64_t magnitude = cents < 0 ? 0 - static_cast<uint64_t>(cents)
                                         : static_cast<uint64_t>(cents);
    return cformat("%s%" PRIu64 ".%02" PRIu64, sign, magnitude / 100, magnitude % 100);
}

} // namespace ovix
