#pragma once
// Numbers typed into the settings pages: the whole text, blanks and tabs
// around it allowed, in C notation whatever the desktop's language.

#include <cstdint>
#include <optional>
#include <string_view>

namespace ovix {

// `text` without the blanks and tabs at either end.
std::string_view trimBlanks(std::string_view text);
// The whole text as a whole number, or nothing (also when it does not fit 64 bits).
std::optional<int64_t> wholeNumber(std::string_view text);
// The whole text as a decimal number ("12.50"), or nothing (also for "inf",
// "nan" and anything else that is no finite number).
std::optional<double> decimalNumber(std::string_view text);

} // namespace ovix
