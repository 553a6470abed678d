#include "platform/ask_number.h"

#include "platform/messages.h"
#include "platform/number_text.h"

#include <string>

namespace ovix {

std::optional<int64_t> askWholeNumber(Messages &messages, std::string_view prompt,
    std::string_view caption, int64_t low, int64_t high, std::string_view initial)
{
    const std::optional<std::string> typed = messages.askText(prompt, caption, initial);
    if (!typed)
        return std::nullopt;
    const std::optional<int64_t> value = wholeNumber(*typed);
    if (!value || *value < low || *value > high)
        return std::nullopt;
    return value;
}

} // namespace ovix
