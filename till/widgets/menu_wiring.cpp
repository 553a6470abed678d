#include "till/widgets/menu_wiring.h"

#include "accounts/widgets/account_commands.h"
#include "accounts/widgets/account_payment_commands.h"
#include "accounts/widgets/customer_commands.h"
#include "inventory/widgets/inventory_commands.h"
#include "inventory/widgets/inventory_search_commands.h"
#include "inventory/widgets/received_report_commands.h"
#include "inventory/widgets/supplier_commands.h"
#include "reports/widgets/activity_log_commands.h"
#include "reports/widgets/closeout_commands.h"
#include "reports/widgets/report_commands.h"
#include "sales/logic/till_state.h"
#include "sales/widgets/payment_commands.h"
#include "sales/widgets/transaction_commands.h"
#include "till/widgets/activity_commands.h"
#include "till/widgets/file_commands.h"
#include "till/widgets/help_commands.h"
#include "till/widgets/main_window.h"
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
    inventory.findByDescription = [&state, &messages](QWidget *parent, const std::string &text) {
        return findItemByDescription(parent, state, text, messages);
    };
    connectInventoryCommands(window, state, messages, std::move(inventory));
    connectInventorySearchCommands(window, state, messages);
    connectCustomerCommands(window, state, messages);
    connectAccountCommands(window, state, messages);
    connectSupplierCommands(window, state, messages);
    connectPaymentCommands(window, state, basket, entry, messages, devices);
    connectAccountPaymentCommands(window, state, basket, entry, messages, devices);
    connectReportCommands(window, state, messages);
    // Closing out logs the clerk off as F9 does.
    connectCloseoutCommands(window, state, messages, [&window] {
        if (auto *main = dynamic_cast<MainWindow *>(&window))
            main->logOff();
    });
    connectLogPurgeCommand(window, state, messages);
    connectReceivedReportCommand(window, state, messages);
    connectTransactionCommands(window, state, basket, entry, messages);
    connectActivityLogCommands(window, state, messages);
    connectActivityCommands(window, state, entry, messages);
    connectUtilitiesCommands(window, state, messages, [&screen] { screen.quickSelect().reload(); });
    connectHelpCommands(window, state, messages);
    connectSaleScreenCommands(window, screen, state, messages);
    screen.refreshButtons();
}

} // namespace ovix
