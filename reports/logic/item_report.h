#pragma once
// The item reports: what was sold over a day, a week, a month or a range of
// days, one line per item, read from the archive's saleslog.dat and
// itemslog.dat of each day. Nothing is written to the archive.

#include "platform/day_walk.h"
#include "sales/logic/archive_records.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ovix {

class DataDir;
class Messages;
class PrintDevice;

// What a transaction was, from the first letters of its payment type.
enum class TransactionKind { Cash, Cheque, Credit, Eft, Split, Refund, Payment, Other };
TransactionKind transactionKind(const TransactionRecord &record);

// The choices of the "Item summary" dialog.
struct ItemFilter {
    bool excludeRefunds = true;
    bool excludeCheque = false;
    bool excludeCash = false;
    bool excludeEft = false;
    bool excludeCredit = false;
    bool excludeSplit = false;
    // 0 all; 1-18 display category 0-17; 19 the non-inventory lines.
    int category = 0;
};

inline constexpr int kCategoryChoices = 20;

// One line of the report: a sold item line, or several of one item merged.
// Money in cents, negated for a refund.
struct ItemReportEntry {
    int64_t itemNumber = 0;
    int64_t category = 0;
    std::string description; // Windows-1252
    bool refund = false;
    int count = 1;
    int64_t nonTaxable = 0;
    int64_t taxable = 0;
    int64_t taxOne = 0;
    int64_t taxTwo = 0;
    int64_t cost = 0;
    int64_t discount = 0;
    int64_t total = 0;
};

struct ItemReport {
    std::vector<ItemReportEntry> entries; // merged, most sold first
    int items = 0; // lines included, before merging
    int64_t cost = 0; // cents
    int64_t retail = 0; // non-taxable + taxable, cents
    int64_t total = 0; // line totals, cents
};

// Reads the days in order: account payments are never counted, the kinds
// `filter` excludes are left out, lines of other categories too; the lines
// of each item (not refunds, not non-inventory lines) are merged into one,
// and the entries ordered by how many were sold, most first (equal counts in
// the order they were first sold). A day whose files cannot be read adds
// nothing.
ItemReport buildItemReport(const DataDir &dir, const std::vector<CalendarDay> &days,
    const ItemFilter &filter);

// The list lines: "%I64d, %s, %I64d, %.2f, %.2f, %.2f, %.2f, %d" (item,
// description, category, cost, nett, tax, total, quantity), "Refund: " before
// a refund's. Windows-1252.
std::vector<std::string> itemReportLines(const ItemReport &report);
// "Items: %d, Cost: %.2f, Retail: %.2f".
std::string itemTotalsLine(const ItemReport &report);

enum class ItemPeriod { Daily, Weekly, Monthly, Range };

// What was asked for: the period's kind, its first day (the month's first for
// a monthly report) and, for a range, its last.
struct ItemReportChoice {
    ItemPeriod period = ItemPeriod::Daily;
    CalendarDay start;
    CalendarDay end;
    ItemFilter filter;
};

// The days the choice covers; none when a day does not exist or a range is
// reversed.
std::vector<CalendarDay> itemCalendarDays(const ItemReportChoice &choice);

// The report window's title, e.g. "Item report   Day %d Month %d %d".
std::string itemReportTitle(const ItemReportChoice &choice);

// The name proposed for the CSV file: "SA%02d%02d.CSV" (month, day).
std::string itemCsvName(const CalendarDay &day);
// The CSV file's bytes: every list line with CR LF, then the totals line
// without one.
std::string itemCsvBytes(const ItemReport &report);
// Writes the CSV file at `path` (replacing one that is there) and says
// "Complete" ("File save"); "Unable to open file." ("Problem") when it cannot.
bool saveItemCsv(const std::string &path, const ItemReport &report, Messages &messages);

// Prints the report: each page starts with its heading (the store's name, the
// period and the page number), the list from the third line, then a blank
// line and the totals line when they fit. `dateText` is the chosen day as the
// user writes dates.
void printItemReport(PrintDevice &device, const ItemReportChoice &choice,
    const std::string &storeName, const ItemReport &report, Messages &messages);

} // namespace ovix
