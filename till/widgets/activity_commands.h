#pragma once
// The Activity popup of the till window, as far as it is built: "Save basket"
// (^W) and "Reload basket" (^X), which keep the sale being rung up. The
// activity summaries, e-mailed and uploaded reports and the log files stay
// greyed until their work is written.

namespace ovix {

class ItemEntry;
class TillWindow;

// Registers the Activity commands with `window`; `entry` must outlive it.
void connectActivityCommands(TillWindow &window, ItemEntry &entry);

} // namespace ovix
