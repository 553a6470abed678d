#include "reports/logic/day_summary_choice.h"

#include "platform/c_format.h"
#include "platform/clock.h"
#include "platform/data_dir.h"
#include "platform/messages.h"
#include "sales/logic/archive_folders.h"

#include <charconv>

namespace ovix {

namespace {

constexpr const char *kCaption = "Previous activity summary";

// The whole number typed between `low` and `high`, spaces around it allowed.
std::optional<int> askNumber(
    Messages &messages, const char *prompt, int low, int high, const std::string &initial = {})
{
    std::optional<std::string> typed = messages.askText(prompt, kCaption, initial);
    if (!typed)
        return std::nullopt;
    std::string_view text = *typed;
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < low
        || value > high)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<std::string> askDaySummaryPath(
    const DataDir &dir, const LocalTime &today, Messages &messages)
{
    const std::optional<int> day
        = askNumber(messages, "Please enter the day (1-31)", 1, 31, cformat("%d", today.day));
    if (!day)
        return std::nullopt;
    const std::optional<int> month = askNumber(messages, "Please enter the month (1-12)", 1, 12);
    if (!month)
        return std::nullopt;
    const std::optional<int> year = askNumber(messages, "Please enter the year (yyyy)", 2000, 4000);
    if (!year)
        return std::nullopt;
    return dir.path(dayFolderName(*year, *month, *day) + "/thedaily.dat");
}

} // namespace ovix
