#pragma once
// The Customers popup's maintenance items: Add (^A), Amend (^B), Delete,
// Prune, Find (^J), "Find that contain", "Find telephone" (^E) and Print,
// "Customer details", "Debtor letter 1" (^L) and "Debtor letter 2": the
// customer's own documents.

namespace ovix {

class Messages;
class TillState;
class TillWindow;

// Registers the commands with `window`; their dialogs open over it.
// Everything passed must outlive the window.
void connectCustomerCommands(TillWindow &window, TillState &state, Messages &messages);

} // namespace ovix
