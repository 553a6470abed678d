#include "reports/logic/day_summary_choice.h"

#include "platform/ask_number.h"
#include "platform/c_format.h"
#include "platform/clock.h"
#include "platform/data_dir.h"
#include "platform/messages.h"
#include "sales/logic/archive_folders.h"


namespace ovix {

namespace {

constexpr const char *kCaption = "Previous activity summary";

// The whole number typed between `low` and `high`.
std::optional<int> askNumber(
    Messages &messages, const char *prompt, int low, int high, const std::string &initial = {})
{
    const std::optional<int64_t> value
        = askWholeNumber(messages, prompt, kCaption, low, high, initial);
    return value ? std::optional<int>(static_cast<int>(*value)) : std::nullopt;
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
