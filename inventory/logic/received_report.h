#pragma once
// The "Inventory received" report: every receipt booked in ininvent.dat from
// a start day to an end day inclusive, one line per receipt, on the screen
// and printed page by page.
//
// Days are walked with the calendar's own rule (platform/day_walk.h): a
// reversed range or a day that does not exist walks no day at all. A day
// without a log, or whose log cannot be read, adds nothing; a torn end of a
// log is left out.

#include "platform/day_walk.h"
#include "print/logic/print_request.h"

#include <string>
#include <vector>

namespace ovix {

class Messages;
class PrintDevice;
class Shop;

// Whether the period chosen may be reported: false without a word when a day
// is outside 1..31, a month outside 1..12 or a year outside 2000..4000;
// "Invalid selection" (caption "Problem") when a day does not exist or the
// end comes before the start.
bool checkReceivedPeriod(const CalendarDay &start, const CalendarDay &end, Messages &messages);

// The report's title: "Inventory received: " + start + " to " + end, the days
// in the short form "ddd d MMM yy" (UTF-8).
std::string receivedReportTitle(const CalendarDay &start, const CalendarDay &end);

// The report's lines (Windows-1252), one per receipt in the order booked:
// "%s         %I64d %s        Quantity: %I64d" (the day in the short form,
// item number, description, quantity). The description is read from
// film.dat, empty for an item no longer on file or one that cannot be read.
std::vector<std::string> receivedReportLines(
    const Shop &shop, const CalendarDay &start, const CalendarDay &end);

// Draws the lines: each page starts with "%s Inventory received, page: %d"
// (`storeName`, page number), then as many lines as fit the page.
void printReceivedReport(PrintDevice &device, const std::string &storeName,
    const std::vector<std::string> &lines, Messages &messages);

// The report's printer: shown in the print preview first, then the print
// dialog, one copy; a PDF file "received" in printouts/ without a printer.
PrintRequest receivedReportPrintRequest(const Shop &shop);

} // namespace ovix
