#include "till/widgets/menu_wiring.h"

#include "accounts/widgets/account_commands.h"
#include "accounts/widgets/account_payment_commands.h"
#include "accounts/widgets/customer_commands.h"
#include "inventory/widgets/inventory_commands.h"
#include "sales/widgets/payment_commands.h"
#include "sales/widgets/transaction_commands.h"
#include "till/widgets/activity_commands.h"
#include "till/widgets/file_commands.h"
#include "till/widgets/help_commands.h"
#include "till/widgets/quick_select_buttons.h"
#include "till/widgets/sale_screen.h"
#include "till/widgets/sale_screen_commands.h"
#include "till/widgets/utilities_commands.h"

namespace ovix {

void connectTillCommands(TillWindow &window, SaleScreen &screen, TillState &state, Basket &basket,
    Messages &messages, SaleDevices &devices)
{
    ItemEntry &entry = screen.itemEntry();
    connectFileCommands(window, state, messages);
    InventoryHooks inventory;
    inventory.itemsChanged = [&screen] { screen.quickSelect().reload(); };
    inventory.playSound = [&screen](int sound) { screen.playSound(sound); };
    // Text typed at the Amend and Delete prompts goes to the description
    // search once it is connected here: inventory.findByDescription.
    connectInventoryCommands(window, state, messages, std::move(inventory));
    connectCustomerCommands(window, state, messages);
    connectAccountCommands(window, state, messages);
    connectPaymentCommands(window, state, basket, entry, messages, devices);
    connectAccountPaymentCommands(window, state, basket, entry, messages, devices);
    connectTransactionCommands(window, state, basket, entry, messages);
    connectActivityCommands(window, entry);
    connectUtilitiesCommands(window, state, messages, [&screen] { screen.quickSelect().reload(); });
    connectHelpCommands(window, state, messages);
    connectSaleScreenCommands(window, screen, state, messages);
    screen.refreshButtons();
}

} // namespace ovix
