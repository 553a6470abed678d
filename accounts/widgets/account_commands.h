#pragma once
// The account items of the Customers popup: "Amend balance", "Customer
// statement" and "Customer period activity". The customer maintenance and
// search items are connectCustomerCommands' (customer_commands.h).

namespace ovix {

class Messages;
class TillState;
class TillWindow;

// Registers the three commands with `window`. Everything passed must outlive it.
void connectAccountCommands(TillWindow &window, TillState &state, Messages &messages);

} // namespace ovix
