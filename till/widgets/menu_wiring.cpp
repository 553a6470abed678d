#include "till/widgets/menu_wiring.h"

#include "accounts/widgets/account_commands.h"
#include "accounts/widgets/account_payment_commands.h"
#include "accounts/widgets/customer_commands.h"
#include "accounts/widgets/customer_maintenance_dialogs.h"
#include "accounts/widgets/reminder_commands.h"
#include "comms/logic/card_settings.h"
#include "inventory/logic/item_find.h"
#include "inventory/widgets/inventory_commands.h"
#include "inventory/widgets/inventory_search_commands.h"
#include "inventory/widgets/item_search_screens.h"
#include "inventory/widgets/item_view_dialog.h"
#include "inventory/widgets/received_report_commands.h"
#include "inventory/widgets/supplier_commands.h"
#include "reports/logic/alphabetical_files.h"
#include "reports/widgets/activity_log_commands.h"
#include "reports/widgets/browse_commands.h"
#include "reports/widgets/closeout_commands.h"
#include "reports/widgets/customer_print_commands.h"
#include "reports/widgets/inventory_print_commands.h"
#include "reports/widgets/report_commands.h"
#include "reports/widgets/stock_list_commands.h"
#include "reports/widgets/supplier_print_command.h"
#include "sales/logic/till_state.h"
#include "sales/widgets/card_refund_exchange.h"
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
    // The screen lists open items and customers in their own subsystems' views.
    BrowseHooks browse;
    browse.showItem = [&state, &messages](QWidget *parent, int64_t number) {
        showItemView(parent, state, number, messages);
    };
    browse.showCustomer = [&state, &messages](QWidget *parent, int64_t number) {
        runViewCustomer(parent, state, messages, number);
    };
    connectInventorySearchCommands(window, state, messages, [&state, &messages, browse](QWidget *parent) {
        showItemsInSkus(parent, state, messages, browse);
    });
    connectInventoryListCommands(window, state, messages, browse);
    connectInventoryPrintCommands(window, state, messages);
    connectCustomerCommands(window, state, messages);
    // Customers "Alphabetically" shows m2.dat built from the range asked.
    connectCustomerListCommands(window, state, messages, browse, [&state, &messages](QWidget *) {
        const std::optional<AlphabeticalRange> range = askAlphabeticalRange(messages, "Alphabetically");
        return range && writeAlphabeticalCustomerFile(state, *range, messages);
    });
    connectAccountCommands(window, state, messages);
    connectCustomerPrintCommands(window, state, messages);
    // The Add reminder dialog finds its item with Inventory's Find.
    connectReminderCommands(window, state, messages, [&state, &messages](QWidget *parent) {
        return findItem(state, messages, itemSearchScreens(parent, state)).number;
    });
    connectSupplierCommands(window, state, messages);
    connectSupplierPrintCommand(window, state, messages);
    connectSupplierListCommand(window, state, messages);
    connectPaymentCommands(window, state, basket, entry, messages, devices);
    connectAccountPaymentCommands(window, state, basket, entry, messages, devices);
    connectReportCommands(window, state, messages);
    connectStockListCommands(window, state, messages);
    // Closing out logs the clerk off as F9 does.
    connectCloseoutCommands(
        window, state, messages,
        [&window] {
            if (auto *main = dynamic_cast<MainWindow *>(&window))
                main->logOff();
        },
        browse.showItem);
    connectLogPurgeCommand(window, state, messages);
    connectScreenListReportCommands(window, state, messages, browse);
    connectReceivedReportCommand(window, state, messages);
    connectTransactionCommands(window, state, basket, entry, messages, devices);
    connectActivityLogCommands(window, state, messages);
    connectActivityCommands(window, state, entry, messages);
    connectUtilitiesCommands(window, state, messages, [&screen] { screen.quickSelect().reload(); });
    connectHelpCommands(window, state, messages);
    // An EFT refund asks the card program while the card link is active.
    CardRefundLink cardRefunds;
    cardRefunds.settings = [&state] {
        const CardSettings settings = loadCardSettings(state.config, state.dir);
        return CardLinkSettings { settings.active, settings.notPresentRefunds };
    };
    cardRefunds.exchange = makeCardRefundExchange(window.widget(), state, messages);
    connectSaleScreenCommands(window, screen, state, messages, devices, std::move(cardRefunds));
    screen.refreshButtons();
}

} // namespace ovix
