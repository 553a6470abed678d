#pragma once
// The one way every document reaches paper: a job named "OVIX" per copy.

#include "print/logic/print_request.h"

#include <functional>
#include <string>
#include <vector>

namespace ovix {

class Messages;
class PrintDevice;

enum class PrintOutcome {
    Printed, // every copy went to a printer or a file (a copy the printer
             // refused to start is skipped)
    Cancelled, // the clerk closed the print preview or the print dialog
    Failed, // nothing to draw, or no printout file could be made (the clerk was told)
};

struct PrintJobResult {
    PrintOutcome outcome = PrintOutcome::Failed;
    std::vector<std::string> pdfFiles; // printouts written instead of printing
};

// Draws one copy of a document on `device`, starting further pages when it
// needs them, and reports its problems (a refused font, a printer without a
// resolution) through `messages`.
using PageDrawing = std::function<void(PrintDevice &device, Messages &messages)>;

// Prints `request.copies` documents, each drawn by one call of `draw` on a
// fresh page, then `afterEachCopy` when given. With `request.preview` one copy
// is first shown in the print preview (its drawing reports nothing there):
// Close there prints nothing (Cancelled), Print goes on as below. The printer is the named one,
// the default one or the dialog's choice, as the request says, and its paper
// is left as it is. With no printer installed, or `pdfOnly`, each copy goes to
// a PDF file in `request.pdfFolder` (created when missing) and the clerk is
// told where. A named printer that is not installed is reported as a problem
// and the copies go to PDF files, so a paid sale never loses its receipt.
// A PDF file with a `request.rollWidth` has pages of that width and as long as
// the drawing (at least 80 mm, at most the 200 inches a PDF reader shows):
// `draw` is then called once more before the copies, on a page of the same
// width that does not end, to measure it; what it draws and reports there is
// thrown away.
PrintJobResult runPrintJob(const PrintRequest &request, const PageDrawing &draw, Messages &messages,
    const std::function<void()> &afterEachCopy = {});

} // namespace ovix
