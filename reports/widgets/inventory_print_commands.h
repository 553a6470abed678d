#pragma once
// The Inventory "Print" submenu: the inventory list from a number,
// alphabetically (through f2.dat), including cost value, by category, in
// stock, by location and with custom columns.

namespace ovix {

class Messages;
class TillState;
class TillWindow;

// Registers the seven commands with `window`, a further function for the
// Inventory popup. Everything passed must outlive the window.
void connectInventoryPrintCommands(TillWindow &window, TillState &state, Messages &messages);

} // namespace ovix
