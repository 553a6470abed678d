#pragma once
// The printer of the closeout and status printouts.

#include "print/logic/print_request.h"

namespace ovix {

class Shop;

// Every closeout and status printout goes through the print dialog as one
// copy, or to a PDF file in printouts/ when no printer is installed; `kind`
// names the PDF file ("closeout", "status").
PrintRequest closeoutPrintRequest(const Shop &shop, const char *kind);

} // namespace ovix
