#pragma once
// The stock lists of the Reports popup: "Reorder list", "Reorder list by
// order code", "Out of stock", "Special orders" and "Sell by expired", each in
// its selection window with "Print".

namespace ovix {

class Messages;
class TillState;
class TillWindow;

// Registers the five commands with `window`, a further function for the
// Reports popup. Everything passed must outlive the window.
void connectStockListCommands(TillWindow &window, TillState &state, Messages &messages);

} // namespace ovix
