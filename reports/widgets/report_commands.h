#pragma once
// The sales and item reports of the Reports popup: the sales report, by
// staff and by item, the daily, weekly, monthly and period item summaries, and
// the units by category for the day and the month. The closeout, takings and
// status items are connected by a second function for the same popup.

namespace ovix {

class DataDir;
class Messages;
class TillConfig;
class TillState;
class TillWindow;
struct PrintRequest;

// Registers the nine commands with `window`. Everything passed must outlive it.
void connectReportCommands(TillWindow &window, TillState &state, Messages &messages);

// How every report of this popup is printed: shown in the print preview
// first, then the print dialog, or a PDF in printouts/ when there is no
// printer; `kind` names the printout files.
PrintRequest reportPrintRequest(const TillConfig &config, const DataDir &dir, const char *kind);

} // namespace ovix
