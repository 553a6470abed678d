#pragma once
// The status of the day: the status screen (F12) and the printed status
// report, both read from the running day totals and the takings history in
// wr.cfg. Nothing is written.
//
// Sums of several totals are made in whole cents and shown once, so the
// total under a column always equals the figures above it.

#include <cstdint>
#include <string>
#include <vector>

namespace ovix {

class PrintDevice;
class Shop;
class TillConfig;
class TillState;
struct LocalTime;

// What the status shows besides the configuration block.
struct StatusFacts {
    std::string storeName; // Windows-1252, the first line of the store heading
    int switchOnHour = 0;
    int switchOnMinute = 0;
    int switchOff[5] = {}; // minute, hour, day, month, year of the last switch-off
    int backup[5] = {}; // minute, hour, day, month, year of the last backup
    int64_t itemsOnFile = 0;
    int64_t highestItem = 0; // 0 when there is no item
    int64_t customersOnFile = 0;
    int64_t highestCustomer = 0;
};

// The facts of the shop's files: the store name, the last backup, the items
// and customers on file. The switch-on and switch-off times stay 0.
StatusFacts statusFacts(const Shop &shop);

// The facts of the till's run: the shop's, with this run's switch-on time and
// the previous switch-off.
StatusFacts statusFacts(const TillState &state);

// "OVIX STATUS " and today as "dddd MMMM d yyyy".
std::string statusScreenTitle(const LocalTime &now);

// One line of the status screen: its caption and the value shown beside it.
struct StatusLine {
    std::string caption;
    std::string value;
};

// The status screen's lines in order, group after group, with "" captions
// between groups; the two notes are kStatusNoteOne and kStatusNoteTwo.
std::vector<StatusLine> statusScreenLines(
    const TillConfig &config, const StatusFacts &facts, const LocalTime &now);

inline constexpr const char *kStatusNoteOne = "The till takings figure includes Cash, CH and EFT "
                                              "sales and balance payments less non credit refunds.";
inline constexpr const char *kStatusNoteTwo = "It excludes balance adjustments, credit sales, "
                                              "credit refunds and petty cash payments.";

// Till takings of one month, in cents.
struct MonthTakings {
    int year = 0;
    int month = 0;
    int64_t cents = 0;
};

// The monthly till totals of the printed report: the months from the same
// month last year to last month that lie within the last 366 days, each the
// sum of its days' history entries, then this month: its earlier days'
// entries plus today's take. Days are walked by the Gregorian calendar.
std::vector<MonthTakings> monthlyTakings(const TillConfig &config, const LocalTime &now);

// The printed status report's lines, one per row from row 0 ("" for a blank
// row), monthly totals included unless the block says to omit them.
std::vector<std::string> statusReportLines(
    const TillConfig &config, const StatusFacts &facts, const LocalTime &now);

// Draws the status report on one page, one line per row at row × line height;
// rows beyond the page are left out.
void printStatusReport(
    PrintDevice &device, const TillConfig &config, const StatusFacts &facts, const LocalTime &now);

} // namespace ovix
