#pragma once
// The sale screen's buttons and keys that are not on the menu: "Add item"
// (the item box's entry, or the find dialog for an empty box), "Adjust price
// of last item by weight", "Sell an item not on the database" (^K), "Remove
// highlighted item", "Empty basket", "Open cash till drawer" (F8), "Toggle
// between trade and retail prices", "Repeat last", "Refund basket", "Adjust
// price of last item", and the four scroll and category steps of the quick-select buttons
// (arrow keys). The payment, note and basket buttons run the menu commands
// of the same name, connected with their popups.

#include "sales/logic/refund.h"

namespace ovix {

class Messages;
class SaleDevices;
class SaleScreen;
class TillState;
class TillWindow;

// Registers the screen's commands with `window`; the screen, the state and
// the messages must outlive it. The drawer opens whatever its "Use" setting
// says and the opening is written to the activity log as a no-sale; a port
// that cannot be opened is told through `messages`. A refund's receipt and
// drawer go to `devices`, which must outlive the window too; an EFT refund
// goes through `cardRefunds` while the card terminal link is active.
void connectSaleScreenCommands(TillWindow &window, SaleScreen &screen, TillState &state,
    Messages &messages, SaleDevices &devices, CardRefundLink cardRefunds = {});

} // namespace ovix
