#pragma once
// The customer's statement and period activity: on screen as lists of lines
// (account_history.h builds them), on paper as the statement page and the
// "Activity Report". Drawn on a PrintDevice; nothing is written.

#include "accounts/logic/account_history.h"
#include "platform/clock.h"

#include <string>
#include <vector>

namespace ovix {

class Messages;
class PrintDevice;
class StoreHeading;
class TillConfig;
struct CustomerRecord;

// The terms line of a printed statement: "Terms: " and the band's discount
// text, then ", 30 days" and the like unless the band gives no credit.
std::string statementTermsLine(const TillConfig &config, int band);

// "CUSTOMER: %I64d  %s" (number, name), Windows-1252.
std::string statementCaption(const CustomerRecord &customer);

// A printed statement shows at most this many lines of the list, its last.
inline constexpr size_t kPrintedStatementLines = 16;

// Everything the statement page prints. References are not owned.
struct StatementPrint {
    const StoreHeading &heading;
    const TillConfig &config;
    const CustomerRecord &customer;
    std::string clerkName; // "Ref: %s"
    LocalTime printedAt;
    std::vector<std::string> lines; // the statement's list, "Balance: ..." last
};

// Draws the statement on one page: "STATEMENT", the store heading, the date
// and time "%02d:%02d  %s", "Ref: " and the clerk, "Customer ID: %I64d", the
// customer's name and four address lines, the terms line, the list's last 16
// lines, and the customer number's barcode at the foot of the page. A font
// the printer refuses is reported ("Unable set font") and its own font used.
void printStatement(PrintDevice &device, const StatementPrint &statement, Messages &messages);

// The period dialog's title: "Period: " + start + " to " + end, each day as
// the lists show it; when a day does not exist (31 April) "Period: %2d/%2d/%d"
// and "%2d/%2d/%d" (day, month, year) instead.
std::string periodTitle(const ArchiveDay &start, const ArchiveDay &end);

// The years the period dialog offers: the archive's first year to this one.
std::vector<int> periodYears(const TillConfig &config, const LocalTime &today);

// Draws the "Activity Report" of `lines`: each page begins with "%s   Activity
// Report  Page: %d" (customer name, page number) and takes as many lines as
// its height holds; the rest go on following pages. A page the printer
// refuses ends the report.
void printActivityReport(PrintDevice &device, const std::string &customerName,
    const std::vector<std::string> &lines, Messages &messages);

} // namespace ovix
