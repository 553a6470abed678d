#pragma once
// The Transactions popup of the till window: "Find transaction" (the list of
// all), "Display transaction" (F11; a number, or Enter for the list), "In
// specific day", "In specific month", "In specific year", "Discounted",
// "Reprint last receipt invoice", each ending in the "Transaction" dialog
// for the chosen transaction; and "Add discount", "Add note" and "Associate
// customer", kept with the sale being rung up (the basket is not emptied
// first).

namespace ovix {

class ItemEntry;
class Messages;
class SaleDevices;
class TillState;
class TillWindow;
struct Basket;

// Registers the Transactions commands with `window`; everything passed must
// outlive it. The note is asked with the basket's present note as default;
// the customer is asked by number or name ("Number / name"). A transaction
// shown is loaded into a basket of its own, so the till's basket (emptied by
// the window before a look-up) stays empty; its reprints go to `devices`.
void connectTransactionCommands(TillWindow &window, TillState &state, Basket &basket,
    ItemEntry &entry, Messages &messages, SaleDevices &devices);

} // namespace ovix
