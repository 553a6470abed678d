#pragma once
// The Suppliers popup's "Print": the numeric supplier list from a number.

namespace ovix {

class Messages;
class TillState;
class TillWindow;

// Registers "Print" with `window`, a further function for the Suppliers
// popup. Everything passed must outlive the window.
void connectSupplierPrintCommand(TillWindow &window, TillState &state, Messages &messages);

} // namespace ovix
