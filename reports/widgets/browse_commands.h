#pragma once
// The screen lists on the menus: Inventory "List from number" (Ctrl+I),
// "List alphabetically", "List by category" and "Find in SKUs" (Ctrl+S, whose
// command the item searches connect: they run showItemsInSkus());
// Customers "List from number" (Ctrl+M), "Alphabetically" and "By address";
// Suppliers "List"; Reports "Outstanding balances" and "Highest volume
// products". Each shows its browse window over the till window.
//
// An item or customer opened from a row is shown by its own subsystem, which
// this one does not know: the till passes the views in as hooks.

#include <cstdint>
#include <functional>
#include <string>

class QWidget;

namespace ovix {

class BrowseList;
class Messages;
class Shop;
class TillWindow;

struct BrowseHooks {
    // The item view of `number` (on file), over `parent`.
    std::function<void(QWidget *parent, int64_t number)> showItem;
    // The customer view of `number` (on file), over `parent`.
    std::function<void(QWidget *parent, int64_t number)> showCustomer;
};

// Builds m2.dat for Customers "Alphabetically", asking the start and end
// characters; true when m2.dat was written and is to be shown.
using CustomerListFileBuilder = std::function<bool(QWidget *parent)>;

// The Inventory popup's list items, after its maintenance and searches: List
// from number, List alphabetically and List by category.
void connectInventoryListCommands(
    TillWindow &window, Shop &shop, Messages &messages, const BrowseHooks &hooks);

// Inventory "Find in SKUs": asks "SKU or fragment:" and lists the items whose
// SKUs contain it ("Inventory list by format").
void showItemsInSkus(
    QWidget *parent, const Shop &shop, Messages &messages, const BrowseHooks &hooks);

// Customers' List from number, Alphabetically (only when `buildCustomerListFile`
// is given; otherwise it stays greyed) and By address.
void connectCustomerListCommands(TillWindow &window, Shop &shop, Messages &messages,
    const BrowseHooks &hooks, CustomerListFileBuilder buildCustomerListFile);

// Suppliers "List".
void connectSupplierListCommand(TillWindow &window, Shop &shop, Messages &messages);

// Reports "Outstanding balances" and "Highest volume products".
void connectScreenListReportCommands(
    TillWindow &window, Shop &shop, Messages &messages, const BrowseHooks &hooks);

// Opens `list` (BrowseList::open) and, when it has rows, shows it in the
// browse window over `parent` until it is closed; a click on a number on file
// runs the hook of its kind.
void showBrowseList(QWidget *parent, const Shop &shop, BrowseList list, Messages &messages,
    const BrowseHooks &hooks);

} // namespace ovix
