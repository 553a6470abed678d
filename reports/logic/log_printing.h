#pragma once
// What the four log printouts print: the current log or the previous one,
// whole or from a day, and the request every log printout goes out with.

#include "print/logic/print_request.h"

#include <optional>
#include <string>

namespace ovix {

class DataDir;
class Messages;
struct LocalTime;

enum class LogPrintout {
    Today, // bun4.dat from today's first line
    FromDay, // bun4.dat from the first line of a day the clerk types
    WholeLog, // bun4.dat from its start
    OldLog, // bun2.dat from its start
};

// The log text to print, or nothing when there is nothing to print (the clerk
// was told why): a log that cannot be read ("Data file: bun4.dat.", a missing
// previous log "Previous log file does not yet exist."), a day typed in
// another shape than "DD/MM/YYYY" or that is no real day ("Invalid date"), or
// a day the current log does not hold ("Please check 'old log file' for prior
// operations", caption "Problem, no transactions found for that date").
std::optional<std::string> logTextToPrint(
    const DataDir &dir, LogPrintout printout, const LocalTime &today, Messages &messages);

// The request of every log printout: the print dialog, with the preview
// first, to a PDF in printouts/ when no printer is installed.
PrintRequest logPrintRequest(const DataDir &dir);

} // namespace ovix
