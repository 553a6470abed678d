#pragma once
// The "PASSWORD CONTROL" flags of the configuration block: what a restricted
// clerk (any clerk but 1 and 2) is kept from.

#include <string_view>

namespace ovix {

class TillConfig;

// The "PASSWORD CONTROL" items, in the order of the dialog and of their flags
// in the configuration block.
enum class UserControlItem {
    Configuration, DeleteInventory, DeleteCustomer, PruneCustomers, CustomerBalance,
    StatusDisplay, Takings, PrintTakings, PurgeTakings, PurgeLogFiles, TakingsAmendment,
    FileReset, NewInventory, InventoryReceived, AmendInventory, TaxSetup, InhibitDiscount,
    InhibitAdjustPrice, InhibitTradePrice, InhibitByWeight, Cashback, NonInventorySale,
    Refunds, InhibitManualTillOpen, ReportMenu, ActivityMenu, HideCostPrice,
};
inline constexpr int kUserControlItems = 27;

// The dialog's caption of each item ("Configuration", "Delete Inventory", ...).
std::string_view userControlCaption(UserControlItem item);

// Whether a user-control flag is set in the configuration.
bool userControlSet(const TillConfig &config, UserControlItem item);

} // namespace ovix
