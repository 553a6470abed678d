#pragma once
// Reports "Export daily items CSV" and "Export weekly items CSV": the sold
// lines of one day, or of seven days from a first one, written to a CSV file
// in the shop folder (twelve columns, with the display category), replaced
// whole. The questions and messages go through Messages.

#include "platform/clock.h"

#include <optional>
#include <string>

namespace ovix {

class DataDir;
class Messages;

// "SA%02d%02d%02d.CSV" or "SW...": last two digits of the year, month, day.
std::string itemsCsvExportName(bool weekly, int year, int month, int day);

// Asks the day (or the first day), month and year, each proposed from
// `today` (a cancelled or out-of-range answer ends it silently), then
// "Enter the file name:" proposing itemsCsvExportName (empty ends it; a name
// with a folder in it is refused). Daily: the day's saleslog.dat must exist
// ("No items for that day."), a missing itemslog.dat ends it silently.
// Weekly: days without either file are skipped. The file is replaced whole,
// 0600 ("Unable to open file." when it cannot be), then "Complete." under
// "File export". True when a file was written.
bool exportDailyItemsCsv(const DataDir &dir, const LocalTime &today, Messages &messages);
bool exportWeeklyItemsCsv(const DataDir &dir, const LocalTime &today, Messages &messages);

// ES.CSV for the daily items mail: today's lines (eleven columns), written to
// ES.CSV in the shop folder, replaced whole, and returned for the mail to
// keep its own copy. Nothing when today has no saleslog.dat ("No items for
// that day."), no itemslog.dat (silently), or the file cannot be read or
// written ("Unable to open file.").
std::optional<std::string> writeTodaysItemsCsv(
    const DataDir &dir, const LocalTime &today, Messages &messages);

inline constexpr const char *kMailItemsCsvName = "ES.CSV";

} // namespace ovix
