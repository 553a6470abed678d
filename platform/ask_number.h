#pragma once
// A whole number asked for in one line: the text typed, blanks and tabs around
// it allowed, within the bounds the question sets.

#include <cstdint>
#include <optional>
#include <string_view>

namespace ovix {

class Messages;

// Asks `prompt` under `caption`, proposing `initial`. The number typed when it
// is a whole number from `low` to `high`; nothing when the question is
// cancelled or the answer is anything else.
std::optional<int64_t> askWholeNumber(Messages &messages, std::string_view prompt,
    std::string_view caption, int64_t low, int64_t high, std::string_view initial = {});

} // namespace ovix
