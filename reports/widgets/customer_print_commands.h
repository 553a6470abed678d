#pragma once
// The Customers "Print" submenu's lists: from a number, alphabetically
// (through m2.dat), the debtors and the customers inactive since a year.

namespace ovix {

class Messages;
class TillState;
class TillWindow;

// Registers the four commands with `window`, a further function for the
// Customers popup. Everything passed must outlive the window.
void connectCustomerPrintCommands(TillWindow &window, TillState &state, Messages &messages);

} // namespace ovix
