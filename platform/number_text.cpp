#include "platform/number_text.h"

#include <charconv>
#include <cmath>

namespace ovix {

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

std::optional<int64_t> wholeNumber(std::string_view text)
{
    text = trimBlanks(text);
    int64_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<double> decimalNumber(std::string_view text)
{
    text = trimBlanks(text);
    double value = 0;
    auto [end, error]
        = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    // from_chars also takes "inf" and "nan", which no amount or rate is.
    if (text.empty() || error != std::errc() || end != text.data() + text.size()
        || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace ovix
