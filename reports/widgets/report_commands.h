#pragma once
// The sales and item reports of the Reports popup: the sales report, by
// staff and by item, the daily, weekly, monthly and period item summaries, and
// the units by category for the day and the month. The closeout, takings and
// status items are connected by a second function for the same popup.

namespace ovix {

class Messages;
class TillState;
class TillWindow;

// Registers the nine commands with `window`. Everything passed must outlive it.
void connectReportCommands(TillWindow &window, TillState &state, Messages &messages);

} // namespace ovix
