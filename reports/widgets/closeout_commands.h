#pragma once
// The till's end-of-day work: the Reports popup's "Stock summary", "List items
// with retail less than cost", "Purge takings", "Till reconciliation" and "Till
// closeout"; and, for the popups the till owns, the status screen (F12), the
// printed status report, petty cash and the takings amendment.

#include "print/widgets/print_job.h"

#include <cstdint>
#include <functional>

class QWidget;

namespace ovix {

class Messages;
class TillState;
class TillWindow;

// Registers the closeout items of the Reports popup with `window`, after the
// reports' own. `logOff` is the window's log-off, run once a closeout is
// logged. `showItem`, when given, opens the item chosen in the list of items
// with retail less than cost (over the given parent). Everything passed must
// outlive the window.
void connectCloseoutCommands(TillWindow &window, TillState &state, Messages &messages,
    std::function<void()> logOff,
    std::function<void(QWidget *parent, int64_t number)> showItem = {});

// The status screen: "OVIX STATUS " and today's date, read-only, with OK.
void showStatusScreen(QWidget *parent, TillState &state);

// Prints the status report on one page through the print dialog (a PDF file
// in printouts/ without a printer); the outcome says whether the clerk
// cancelled.
PrintOutcome printStatusReportPage(TillState &state, Messages &messages);

// "Petty cash payment" and "Takings amendment" at the present time.
void runPettyCashPayment(TillState &state, Messages &messages);
void runTakingsAmendment(TillState &state, Messages &messages);

} // namespace ovix
