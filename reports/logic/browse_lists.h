#pragma once
// The screen lists of the Inventory, Customers, Suppliers and Reports popups:
// which records each shows, in what order, and what its rows hold. Each
// function returns the list ready to open (BrowseList::open); nothing is read
// before that. The shop must outlive the list.

#include "reports/logic/browse_list.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ovix {

class DataDir;
class Messages;
class Shop;
class TillConfig;

// Items from the item index: whether the fourth column holds "cost, retail"
// rather than the retail price alone. Clerks 1 and 2 always see the cost; any
// other clerk while User control does not set "Do not display cost price".
bool showsCostPrice(const Shop &shop);

// Inventory "List from number": every live item from the first numbered
// `from` or above ("Inventory list").
BrowseList itemsFromNumber(const Shop &shop, int64_t from, bool showCost);
// Inventory "List by category": entry 0 keeps every item, entry k (1 to 18)
// the items of display category k - 1 ("Inventory list by category").
BrowseList itemsByCategory(const Shop &shop, int entry, bool showCost);
// Inventory "Find in SKUs": the items whose SKU 1, 2, 3 or 4 contains
// `fragment` (Windows-1252, compared in capitals) ("Inventory list by format").
BrowseList itemsInSkus(const Shop &shop, std::string_view fragment, bool showCost);
// The item work file f2.dat as it stands, in file order, under `title`.
BrowseList itemListFile(const DataDir &dir, std::string title);

// Suppliers "List": every live supplier in number order ("Supplier list").
BrowseList supplierList(const Shop &shop);

// Customers "List from number": every live customer from the first numbered
// `from` or above ("Customer list").
BrowseList customersFromNumber(const Shop &shop, int64_t from);
// Reports "Outstanding balances": the customers from `from` on whose balance
// is not 0, the balance first in the second column ("Customers with non zero
// credit").
BrowseList customersWithBalance(const Shop &shop, int64_t from);
// Customers "By address": the customers whose road begins with `road`
// (Windows-1252, compared in capitals) ("New customer search: address").
BrowseList customersByAddress(const Shop &shop, std::string_view road);
// The customer work file m2.dat as it stands ("Alphabetical customer list").
BrowseList customerListFile(const DataDir &dir);

// Whether a click on row number `number` opens a record: an item or a
// customer number on file does; a supplier's never does.
bool browseNumberOpens(const Shop &shop, BrowseOpens opens, int64_t number);

// The prompts before the lists. Each gives nothing, with no message, when the
// clerk cancels or the answer is out of range.
//   "List from number:" (proposing "1"): a number from 1 to 100000000000000000.
std::optional<int64_t> askListFromNumber(Messages &messages, std::string_view caption);
//   "SKU or fragment:": 1 to 30 characters (Windows-1252).
std::optional<std::string> askSkuFragment(Messages &messages);
//   "Road begins with:": 1 to 29 characters (Windows-1252).
std::optional<std::string> askRoadStart(Messages &messages);

// The entries of "Select category": "All" first, then the eighteen category
// names of the configuration; the chosen position is the entry of
// itemsByCategory() and highestVolumeProducts().
std::vector<std::string> categoryChoices(const TillConfig &config);

} // namespace ovix
