#pragma once
// The Transactions popup of the till window, as far as it is built: "Add
// discount", "Add note" and "Associate customer", all kept with the sale
// being rung up (the basket is not emptied first). Finding, showing and
// reprinting transactions stay greyed until their work is written.

namespace ovix {

class ItemEntry;
class Messages;
class TillState;
class TillWindow;
struct Basket;

// Registers the Transactions commands with `window`; everything passed must
// outlive it. The note is asked with the basket's present note as default;
// the customer is asked by number or name ("Number / name").
void connectTransactionCommands(
    TillWindow &window, TillState &state, Basket &basket, ItemEntry &entry, Messages &messages);

} // namespace ovix
