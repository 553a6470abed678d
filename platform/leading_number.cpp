#include "platform/leading_number.h"

#include <limits>

namespace ovix {

LeadingNumber parseLeadingNumber(std::string_view text)
{
    size_t at = 0;
    while (at < text.size()
        && (text[at] == ' ' || text[at] == '\t' || text[at] == '\n' || text[at] == '\r'
            || text[at] == '\v' || text[at] == '\f'))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    // Accumulate the magnitude as unsigned; the limit for a negative number is
    // one more than for a positive one.
    const auto largest = static_cast<uint64_t>(std::numeric_limits<int64_t>::max());
    const uint64_t limit = negative ? largest + 1 : largest;
    uint64_t magnitude = 0;
    LeadingNumber result;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        const auto digit = static_cast<uint64_t>(text[at] - '0');
        if (magnitude > (limit - digit) / 10) {
            result.outOfRange = true;
            result.value = negative ? std::numeric_limits<int64_t>::min()
                                    : std::numeric_limits<int64_t>::max();
            return result;
        }
        magnitude = magnitude * 10 + digit;
    }
    if (negative)
        result.value = magnitude == limit ? std::numeric_limits<int64_t>::min()
                                          : -static_cast<int64_t>(magnitude);
    else
        result.value = static_cast<int64_t>(magnitude);
    return result;
}

} // namespace ovix
