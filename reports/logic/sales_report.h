#pragma once
// The sales reports: non-taxable, taxable, tax 1, tax 2 and total per day,
// per month and per year over a period, for the whole shop, for one clerk or
// for one item, read from the archive. Nothing is written.

#include "platform/day_walk.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace ovix {

class DataDir;
class Messages;
class PrintDevice;
struct LocalTime;

// The five amounts, in cents.
struct SalesSums {
    int64_t nonTaxable = 0;
    int64_t taxable = 0;
    int64_t taxOne = 0;
    int64_t taxTwo = 0;
    int64_t total = 0;

    SalesSums &operator+=(const SalesSums &other);
    bool operator==(const SalesSums &) const = default;
};

inline constexpr int kSalesColumns = 5;
// The window's column captions: "Non taxable", "Taxable", "Tax 1", "Tax 2", "Total".
extern const std::array<const char *, kSalesColumns> kSalesColumnCaptions;
int64_t salesColumn(const SalesSums &sums, int column);

struct SalesEntry {
    std::string period; // the day's date, "%d of %d" (month, year), or "%d" (year)
    SalesSums sums;
};

enum class SalesReportKind { Shop, Staff, Item };

struct SalesReportChoice {
    SalesReportKind kind = SalesReportKind::Shop;
    CalendarDay start;
    CalendarDay end;
    int clerk = 0; // Staff
    int64_t itemNumber = 0; // Item
};

struct SalesReport {
    std::vector<SalesEntry> days;
    std::vector<SalesEntry> months;
    std::vector<SalesEntry> years;
    SalesSums period;
};

// Walks the period's days: every transaction but account payments (for the
// staff report only the clerk's; for the item report the item's lines)
// counts, refunds (stored negated) subtract. A day with a sales log gets a Day
// entry (for the item report, a day whose line totals are not zero); every
// month and year the walk passes through gets its entry. Nothing for a period
// that is reversed or has a day that does not exist.
SalesReport buildSalesReport(const DataDir &dir, const SalesReportChoice &choice);

// One drop-down list's entries: "%s  %.2f" (period, amount of `column`).
std::vector<std::string> salesListEntries(const std::vector<SalesEntry> &entries, int column);

// "Sales report: " (or "Staff sales report: ") + start + " to " + end in the
// short date format; " Sales report: %2d/%2d/%d" and "%2d/%2d/%d" for a day
// that cannot be written so.
std::string salesReportTitle(const SalesReportChoice &choice);

// One page: the store's name with the time and date, the title, and the
// period's sums by label.
void printSalesReport(PrintDevice &device, const std::string &storeName, const std::string &title,
    const SalesSums &sums, const LocalTime &now, Messages &messages);

// Checks the days chosen in a selection dialog: a year outside 2000-4000, a
// day outside 1-31 or a month outside 1-12 gives false and says nothing (the
// command ends); a day that does not exist or an end before the start says
// "Invalid selection" ("Problem").
bool checkReportPeriod(const CalendarDay &start, const CalendarDay &end, Messages &messages);

} // namespace ovix
