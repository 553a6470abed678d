#pragma once
// The reports ovixreport prints: one row each, its name on the command line,
// the days it takes and how it draws its pages. Every row calls the same
// building and drawing functions as the till's menu command.

#include "reports/logic/item_report.h"
#include "print/widgets/print_job.h"
#include "platform/day_walk.h"

#include <functional>
#include <optional>
#include <span>
#include <string>

namespace ovix {

class Messages;
class Shop;
struct LocalTime;

// What a report is asked for: the shop as read and the command line's choices.
struct ReportJob {
    Shop &shop; // as read from the folder; a report may load its record indexes
    CalendarDay from; // the first day (or the only one)
    CalendarDay to; // the last day; `from` for a report of one day
    int clerk = 0; // the staff report's clerk
    int64_t item = 0; // the item report's item number
    ItemFilter filter;
    const LocalTime &now;
    Messages &messages;
};

// A report ready to print: the word its printouts are named with and its drawing.
// `request` is the one the till prints it with; the caller chooses the printer.
struct PreparedReport {
    PrintRequest request;
    PageDrawing draw;
};

enum class ReportDates {
    None, // the till's counters as they are now; dates are refused
    Day, // one day, --from (today when not given)
    Range, // --from to --to (today when not given; --to defaults to --from)
};

struct ReportRow {
    const char *name;
    const char *description; // one line of --help
    ReportDates dates;
    bool needsClerk;
    bool needsItem;
    // Reads what the report shows. Nothing when there is nothing to print;
    // then the reason was told through job.messages.
    std::function<std::optional<PreparedReport>(const ReportJob &job)> prepare;
};

std::span<const ReportRow> reportRows();
const ReportRow *findReportRow(const std::string &name);

} // namespace ovix
