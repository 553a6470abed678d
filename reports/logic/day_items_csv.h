#pragma once
// The day's sold lines as comma-separated text: the lines mailed as the
// daily items (ES.CSV), uploaded to head office and exported from the
// Reports menu (those with the display category as their third column).

#include <string>

namespace ovix {

class DataDir;

enum class DayItemsCsvStatus {
    Written, // text holds the lines (possibly none)
    NoSalesLog, // the day's saleslog.dat is missing: "No items for that day."
    NoItemsLog, // the day's itemslog.dat is missing: the command ends silently
    Unreadable, // a file exists but cannot be read
};

struct DayItemsCsv {
    DayItemsCsvStatus status = DayItemsCsvStatus::Written;
    std::string text; // Windows-1252 bytes, lines ended by CR LF, no header
};

// One line per sold line of the day's transactions whose payment type does
// not begin with "P" or "R" (account payments and refunds are left out),
// transactions in the order of saleslog.dat, each one's lines in the order
// of itemslog.dat: item number, description, [display category,]
// non-taxable, taxable, tax 1, tax 2, cost and line total ("%.2f"),
// transaction number, clerk number, payment type.
DayItemsCsv dayItemsCsv(const DataDir &dir, int year, int month, int day, bool withCategory);

} // namespace ovix
