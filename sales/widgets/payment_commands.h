#pragma once
// The Payments popup of the till window, as far as it is built: "Cash" (F5),
// "CH", "Customer credit" (F6), "EFT (Credit card)" (F7) and "Split Cash
// Other", with the cash box and split dialog kept open beside the till
// (tender-open mode) and the card and customer dialogs shown modally. The
// balance payments and the card processing setup stay greyed until their work
// is written.

namespace ovix {

class ItemEntry;
class Messages;
class SaleDevices;
class TillState;
class TillWindow;
struct Basket;

// Registers the five payment commands with `window`. Everything passed must
// outlive the window; what the commands keep between calls is owned by it.
// After a sale is archived the till list is emptied and the totals redrawn
// through `entry`; `devices` run after the archive.
void connectPaymentCommands(TillWindow &window, TillState &state, Basket &basket,
    ItemEntry &entry, Messages &messages, SaleDevices &devices);

} // namespace ovix
