#pragma once
// The Inventory popup's maintenance items: "New line" (F4), "Amend" (F3),
// "Delete", "Add custom image to item", "New bundle", "Inventory received"
// (Ctrl+V) and "Inventory received by SKU 1".

#include "inventory/widgets/item_maintenance_dialogs.h"

namespace ovix {

class Messages;
class TillState;
class TillWindow;

// Registers the seven commands with `window`; their dialogs open over it.
// Everything passed must outlive the window.
void connectInventoryCommands(
    TillWindow &window, TillState &state, Messages &messages, InventoryHooks hooks);

} // namespace ovix
