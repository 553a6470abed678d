#pragma once
// The search items of the Inventory popup: "Find" (F2), "Find by
// description" (Ctrl+N), "Find that contain", "Find advanced" (Ctrl+F) and
// "Find in SKUs" (Ctrl+S). New line, Amend, Delete and the custom picture are
// connected beside them (inventory_commands.h).

#include <cstdint>

class QWidget;

namespace ovix {

class Messages;
class Shop;
class TillWindow;

// Registers the search commands with `window`; `shop` and `messages` must
// outlive it.
void connectInventorySearchCommands(TillWindow &window, Shop &shop, Messages &messages);

// Shows the item `number` that a search found and the clerk asked to see.
void viewFoundItem(QWidget *parent, const Shop &shop, int64_t number, Messages &messages);

} // namespace ovix
