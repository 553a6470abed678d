#pragma once
// The Inventory popup's receiving items: "Inventory received" (Ctrl+V) and
// "Inventory received by SKU 1". Booking is inventory/logic/stock_receipt.h.

class QWidget;

namespace ovix {

class Messages;
class TillState;
struct InventoryHooks;

// "Inventory received": the prompt "Inventory number / description" (a
// number, or text for the description search), then "Receive Inventory" for
// the item and the booking; "Next" books and starts again with a new search.
void runInventoryReceived(
    QWidget *parent, TillState &state, Messages &messages, const InventoryHooks &hooks);

// "Inventory received by SKU 1": the prompt "Find in SKU 1:" (a barcode
// scanner types the SKU and Enter), the matches offered one by one, then as
// above.
void runInventoryReceivedBySkuOne(
    QWidget *parent, TillState &state, Messages &messages, const InventoryHooks &hooks);

} // namespace ovix
