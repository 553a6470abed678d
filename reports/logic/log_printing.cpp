#include "reports/logic/log_printing.h"

#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/messages.h"
#include "reports/logic/log_day.h"
#include "store/activity_log.h"

namespace ovix {

std::optional<std::string> logTextToPrint(
    const DataDir &dir, LogPrintout printout, const LocalTime &today, Messages &messages)
{
    std::string day;
    if (printout == LogPrintout::Today) {
        day = logDayOf(today);
    } else if (printout == LogPrintout::FromDay) {
        std::optional<std::string> typed
            = messages.askText("Enter day (DD/MM/YYYY):", "Print log from a specific day");
        if (!typed)
            return std::nullopt;
        std::optional<std::string> valid = logDayText(*typed);
        if (!valid) {
            reportProblem(messages, "Invalid date");
            return std::nullopt;
        }
        day = *valid;
    }
    const bool old = printout == LogPrintout::OldLog;
    const std::string path = dir.path(old ? kPreviousLogName : kCurrentLogName);
    if (old && !fileExists(path)) {
        reportProblem(messages, "Previous log file does not yet exist.");
        return std::nullopt;
    }
    std::optional<std::string> log = readWholeFile(path);
    if (!log) {
        reportProblem(messages, old ? "Data file: bun2.dat." : "Data file: bun4.dat.");
        return std::nullopt;
    }
    if (day.empty())
        return log;
    std::optional<size_t> start = logDayStart(*log, day);
    if (!start) {
        reportProblem(messages, "Please check 'old log file' for prior operations",
            "Problem, no transactions found for that date");
        return std::nullopt;
    }
    return log->substr(*start);
}

PrintRequest logPrintRequest(const DataDir &dir)
{
    PrintRequest request;
    request.kind = "log";
    request.printer = PrinterChoice::Dialog;
    request.pdfFolder = dir.path(kPrintoutsFolderName);
    request.preview = true;
    return request;
}

} // namespace ovix
