#pragma once
// The Payments popup of the till window, as far as it is built: "Cash" (F5),
// "CH", "Customer credit" (F6), "EFT (Credit card)" (F7), "Split Cash Other"
// and "Card processing setup", with the cash box and split dialog kept open
// beside the till (tender-open mode) and the card and customer dialogs shown
// modally. While the card program is asked, a small window with a Cancel
// button waits for its reply. The balance payments are accounts' own.

namespace ovix {

class ItemEntry;
class Messages;
class SaleDevices;
class TillState;
class TillWindow;
struct Basket;

// Registers the payment commands and the card processing setup with `window`. Everything passed must
// outlive the window; what the commands keep between calls is owned by it.
// After a sale is archived the till list is emptied and the totals redrawn
// through `entry`; `devices` run after the archive.
void connectPaymentCommands(TillWindow &window, TillState &state, Basket &basket,
    ItemEntry &entry, Messages &messages, SaleDevices &devices);

} // namespace ovix
