#pragma once
// The search items of the Inventory popup: "Find" (F2), "Find by
// description" (Ctrl+N), "Find that contain", "Find advanced" (Ctrl+F) and
// "Find in SKUs" (Ctrl+S). New line, Amend, Delete and the custom picture are
// connected beside them (inventory_commands.h).

#include <cstdint>
#include <functional>
#include <string>

class QWidget;

namespace ovix {

class Messages;
class Shop;
class TillWindow;

// Registers the search commands with `window`; `shop` and `messages` must
// outlive it. An item the clerk asks to see opens in the item view. When
// `listInSkus` is given, "Find in SKUs" runs it (the screen list of the items
// whose SKUs hold a fragment, over the given parent) instead of offering the
// matches here.
void connectInventorySearchCommands(TillWindow &window, Shop &shop, Messages &messages,
    std::function<void(QWidget *parent)> listInSkus = {});

// The description search of `typed` (UTF-8, as typed at an item prompt such as
// Amend's or Delete's), one match at a time or as a list as the till is set:
// the number of the item chosen, 0 for none.
int64_t findItemByDescription(
    QWidget *parent, const Shop &shop, const std::string &typed, Messages &messages);

} // namespace ovix
