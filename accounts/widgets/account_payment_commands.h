#pragma once
// The account items of the Payments popup: "Balance payment" (the customer
// found by number or name) and "Balance pay on transaction" (the customer of
// a typed or listed transaction). Both open the "Payment" dialog; the sale
// being rung up is cleared when it opens and when it closes.

namespace ovix {

class ItemEntry;
class Messages;
class SaleDevices;
class TillState;
class TillWindow;
struct Basket;

// Registers the two commands with `window`. Everything passed must outlive it.
// `devices` run after a payment is on the disk.
void connectAccountPaymentCommands(TillWindow &window, TillState &state, Basket &basket,
    ItemEntry &entry, Messages &messages, SaleDevices &devices);

} // namespace ovix
