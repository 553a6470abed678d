#pragma once
// The printer of every report: the sales and item reports, the closeout and
// the status report.

#include "print/logic/print_request.h"

namespace ovix {

class Shop;

// Every report is shown in the print preview first, then goes through the
// print dialog as one copy, or to a PDF file in printouts/ when no printer is
// installed; `kind` names the PDF file ("closeout", "status", ...).
PrintRequest reportPrintRequest(const Shop &shop, const char *kind);

} // namespace ovix
