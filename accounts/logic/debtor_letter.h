#pragma once
// The letters the shop sends its customers on paper: the two debtor letters
// (a first reminder and a final notice) and the page every customer letter
// starts with. Drawn on a PrintDevice in text lines of the printer's own
// font; nothing is written.

#include "platform/clock.h"
#include "print/logic/print_request.h"

#include <string>

namespace ovix {

class Messages;
class PrintDevice;
class Shop;
class StoreHeading;
struct CustomerRecord;

enum class DebtorLetter {
    First, // "Debtor letter 1": the amount is now overdue
    Final, // "Debtor letter 2": "FINAL NOTICE"
};

// Whether a debtor letter may go to `customer`: a balance of 0.00 or less
// gives "No amount is outstanding" (caption "Problem") and false.
bool owesForDebtorLetter(const CustomerRecord &customer, Messages &messages);

// Everything a debtor letter prints. References are not owned.
struct DebtorLetterPrint {
    const StoreHeading &heading;
    const CustomerRecord &customer;
    // letter.bmp's bytes (print/logic/invoice.h loadInvoiceLogo); empty, or a
    // picture the printer cannot decode, prints the heading without a logo.
    std::string logo;
    LocalTime today;
};

// Draws one debtor letter on the current page. With a logo: the picture at
// (10, 10) a quarter of the printable width wide and the six heading lines
// from the top at x = a quarter of the width + 30; without one the six lines
// centred. From line 12 the customer's name and the address lines that are
// not empty, 4 lines skipped, the date "MMM d yyyy" at the right edge, the
// letter's texts and "Manager" under 21 hyphens.
void printDebtorLetter(PrintDevice &device, DebtorLetter letter, const DebtorLetterPrint &print);

// The date of a letter: "MMM d yyyy" in the locale's month names ("Mar 5
// 2026"); "%d/%d/%d" (day, month, year) for a day that does not exist.
std::string debtorLetterDate(const LocalTime &today);

// The printer of customer letters: shown in the print preview first, then
// the print dialog, one copy; a PDF file `kind` in printouts/ without a
// printer.
PrintRequest letterPrintRequest(const Shop &shop, const char *kind);

} // namespace ovix
