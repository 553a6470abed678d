#include "till/logic/commands.h"

#include "store/till_config.h"

#include <array>

namespace ovix {

namespace {

constexpr int flag(UserControlItem item)
{
    return static_cast<int>(item);
}

// Where each command's work is connected to the window: one connect function
// per popup, in the file of the subsystem that owns the popup, each
// registering only commands of its popup (a popup whose items belong to
// several subsystems is the till's, and its file calls into theirs):
//   Popup::File         -> till/widgets/file_commands.cpp          connectFileCommands
//                          (Email setup opens sales/widgets/mail_setup.h's dialog)
//   Popup::Inventory    -> inventory/widgets/inventory_commands.cpp connectInventoryCommands
//                          (New line, Amend, Delete, Add custom image, New
//                          bundle, Inventory received, Inventory received by SKU 1)
//   Popup::Inventory    -> inventory/widgets/inventory_search_commands.cpp connectInventorySearchCommands
//                          (Find, Find by description, Find that contain, Find
//                          advanced, and Find in SKUs of the List items, which
//                          runs the screen list the till hands it; called
//                          right after the first)
//   Popup::Inventory    -> reports/widgets/browse_commands.cpp     connectInventoryListCommands
//                          (List from number, List alphabetically, List by category)
//   Popup::Inventory    -> reports/widgets/inventory_print_commands.cpp connectInventoryPrintCommands
//                          (the seven items of the Print submenu)
//   Popup::Customers    -> accounts/widgets/customer_commands.cpp  connectCustomerCommands
//                          (Add, Amend, Delete, Prune, the three Finds, Debtor
//                          email, Print Customer details, Debtor letter 1,
//                          Debtor letter 2)
//   Popup::Customers    -> reports/widgets/browse_commands.cpp     connectCustomerListCommands
//                          (List from number, Alphabetically with the builder of
//                          m2.dat the till hands it, By address)
//   Popup::Customers    -> accounts/widgets/account_commands.cpp   connectAccountCommands
//                          (Amend balance, Customer statement, Customer period activity)
//   Popup::Customers    -> reports/widgets/customer_print_commands.cpp connectCustomerPrintCommands
//                          (Print From number, Alphabetically, Debtors, Inactive since)
//   Popup::Reminders    -> accounts/widgets/reminder_commands.cpp  connectReminderCommands
//   Popup::Suppliers    -> inventory/widgets/supplier_commands.cpp connectSupplierCommands
//                          (Find, Add, Amend, Delete)
//   Popup::Suppliers    -> reports/widgets/supplier_print_command.cpp connectSupplierPrintCommand
//                          (Print, the numeric supplier list)
//   Popup::Suppliers    -> reports/widgets/browse_commands.cpp     connectSupplierListCommand
//                          (List)
//   Popup::Payments     -> sales/widgets/payment_commands.cpp      connectPaymentCommands
//   Popup::Payments     -> accounts/widgets/account_payment_commands.cpp connectAccountPaymentCommands
//                          (Balance payment, Balance pay on transaction)
//   Popup::Reports      -> reports/widgets/report_commands.cpp     connectReportCommands
//                          (the sales reports, the item summaries, items by
//                          category, the daily and weekly items CSV exports)
//   Popup::Reports      -> reports/widgets/stock_list_commands.cpp connectStockListCommands
//                          (Reorder list, by order code, Out of stock, Special
//                          orders, Sell by expired)
//   Popup::Reports      -> reports/widgets/activity_log_commands.cpp connectLogPurgeCommand
//                          (Purge log files)
//   Popup::Reports      -> reports/widgets/browse_commands.cpp     connectScreenListReportCommands
//                          (Outstanding balances, Highest volume products)
//   Popup::Reports      -> inventory/widgets/received_report_commands.cpp connectReceivedReportCommand
//                          (Inventory received)
//   Popup::Reports      -> reports/widgets/closeout_commands.cpp   connectCloseoutCommands
//                          (Stock summary, List items with retail less than
//                          cost, Print takings, Purge takings, Till reconciliation,
//                          Till closeout)
//   Popup::Transactions -> sales/widgets/transaction_commands.cpp  connectTransactionCommands
//   Popup::Activity     -> reports/widgets/activity_log_commands.cpp connectActivityLogCommands
//                          (Previous activity summary, the log viewers and
//                          printouts, Log file capacity)
//   Popup::Activity     -> till/widgets/activity_commands.cpp      connectActivityCommands
//                          (Email report and Email daily items, which are
//                          reports/widgets/mail_report_commands.cpp's, Save
//                          basket, Reload basket)
//   Popup::Utilities    -> till/widgets/utilities_commands.cpp     connectUtilitiesCommands
//                          (Export and Import are exchange/widgets'
//                          runExport and runImport, export_command.cpp and
//                          import_command.cpp; Mailmerge is
//                          accounts/widgets/letter_commands.cpp's runMailmerge;
//                          all called from there)
//   Popup::Help         -> till/widgets/help_commands.cpp          connectHelpCommands
//   not on the menu     -> till/widgets/sale_screen_commands.cpp   connectSaleScreenCommands
//                          (the sale buttons and keys), except LogOff, which
//                          the window connects itself (till/widgets/main_window.cpp)
// The status screen and report (Activity, File "Exit - print report"), petty
// cash and the takings amendment (Utilities) are reports/widgets' work, called
// from the till's files of those popups. The "Refund basket" button's work is
// sales/widgets/refund_commands.cpp, called from the sale screen's file.
// till/widgets/menu_wiring.cpp calls the connect functions in menu order, and
// tests/widgets/menu_wiring_test.cpp checks that each keeps to its popup.
// A button or key that runs a menu command (the payment, note and basket
// buttons, F2..F12, ^A..^X) runs the popup's work: there is no second one.
//
// command, popup, submenu, caption, shortcut hint, separator before,
// check mark, greyed for restricted clerks, user-control flag, leaves the sale
constexpr MenuEntry kMenu[] = {
    {Command::ListingFontSize, Popup::File, nullptr, "&Listing font size", nullptr, false, false, true, -1, true},
    {Command::IndentListings, Popup::File, nullptr, "&Indent listings", nullptr, false, true, true, -1, true},
    {Command::EmailSetup, Popup::File, nullptr, "&Email setup", nullptr, true, false, true, -1, true},
    {Command::ExitPrintReport, Popup::File, nullptr, "Exit - print &report", nullptr, true, false, false, -1, true},
    {Command::ExitPrintLog, Popup::File, nullptr, "Exit - print l&og", nullptr, false, false, false, -1, true},
    {Command::ExitPrintReportAndLog, Popup::File, nullptr, "Exit - print report + lo&g", nullptr, false, false, false, -1, true},
    {Command::Exit, Popup::File, nullptr, "E&xit", nullptr, true, false, false, -1, true},
    {Command::InventoryNewLine, Popup::Inventory, nullptr, "&New line", "F4", false, false, true, flag(UserControlItem::NewInventory), true},
    {Command::InventoryAmend, Popup::Inventory, nullptr, "&Amend", "F3", false, false, true, flag(UserControlItem::AmendInventory), true},
    {Command::InventoryDelete, Popup::Inventory, nullptr, "&Delete", nullptr, false, false, true, flag(UserControlItem::DeleteInventory), true},
    {Command::InventoryFind, Popup::Inventory, nullptr, "&Find", "F2", true, false, false, -1, true},
    {Command::InventoryFindByDescription, Popup::Inventory, nullptr, "Find by d&escription", "^N", false, false, false, -1, true},
    {Command::InventoryFindThatContain, Popup::Inventory, nullptr, "Find &that contain", nullptr, false, false, false, -1, true},
    {Command::InventoryFindAdvanced, Popup::Inventory, nullptr, "Find ad&vanced", "^F", false, false, false, -1, true},
    {Command::InventoryAddCustomImage, Popup::Inventory, nullptr, "Add custom &image to item", nullptr, true, false, false, -1, true},
    {Command::InventoryListFromNumber, Popup::Inventory, nullptr, "&List from number", "^I", true, false, false, -1, true},
    {Command::InventoryListAlphabetically, Popup::Inventory, nullptr, "List al&phabetically", nullptr, false, false, false, -1, true},
    {Command::InventoryListByCategory, Popup::Inventory, nullptr, "List by &category", nullptr, false, false, false, -1, true},
    {Command::InventoryFindInSkus, Popup::Inventory, nullptr, "Find in &SKUs", "^S", false, false, false, -1, true},
    {Command::InventoryNewBundle, Popup::Inventory, nullptr, "New &bundle", nullptr, true, false, false, -1, true},
    {Command::InventoryReceived, Popup::Inventory, nullptr, "Inventory &received", "^V", true, false, true, flag(UserControlItem::InventoryReceived), true},
    {Command::InventoryReceivedBySku1, Popup::Inventory, nullptr, "Inventory received by SKU &1", nullptr, false, false, false, -1, true},
    {Command::InventoryPrintFromNumber, Popup::Inventory, "Pri&nt", "&From number ..", nullptr, true, false, false, -1, true},
    {Command::InventoryPrintAlphabetically, Popup::Inventory, "Pri&nt", "&Alphabetically", nullptr, false, false, false, -1, true},
    {Command::InventoryPrintIncludingCost, Popup::Inventory, "Pri&nt", "&Including cost value", nullptr, false, false, false, -1, true},
    {Command::InventoryPrintByCategory, Popup::Inventory, "Pri&nt", "&By category", nullptr, false, false, false, -1, true},
    {Command::InventoryPrintInStock, Popup::Inventory, "Pri&nt", "In &stock", nullptr, false, false, false, -1, true},
    {Command::InventoryPrintByLocation, Popup::Inventory, "Pri&nt", "By &location", nullptr, false, false, false, -1, true},
    {Command::InventoryPrintCustom, Popup::Inventory, "Pri&nt", "&Custom", nullptr, false, false, false, -1, true},
    {Command::CustomerAdd, Popup::Customers, nullptr, "&Add", "^A", false, false, false, -1, true},
    {Command::CustomerAmend, Popup::Customers, nullptr, "A&mend", "^B", false, false, true, -1, true},
    {Command::CustomerDelete, Popup::Customers, nullptr, "&Delete", nullptr, false, false, true, flag(UserControlItem::DeleteCustomer), true},
    {Command::CustomerPrune, Popup::Customers, nullptr, "&Prune", nullptr, false, false, true, flag(UserControlItem::PruneCustomers), true},
    {Command::CustomerFind, Popup::Customers, nullptr, "&Find", "^J", true, false, false, -1, true},
    {Command::CustomerFindThatContain, Popup::Customers, nullptr, "Find &that contain", nullptr, false, false, false, -1, true},
    {Command::CustomerFindTelephone, Popup::Customers, nullptr, "Find t&elephone", "^E", false, false, false, -1, true},
    {Command::CustomerListFromNumber, Popup::Customers, nullptr, "&List from number", "^M", true, false, false, -1, true},
    {Command::CustomerListAlphabetically, Popup::Customers, nullptr, "Alp&habetically", nullptr, false, false, false, -1, true},
    {Command::CustomerListByAddress, Popup::Customers, nullptr, "By add&ress", nullptr, false, false, false, -1, true},
    {Command::DebtorEmail, Popup::Customers, nullptr, "Debtor &email", nullptr, true, false, true, -1, true},
    {Command::AmendBalance, Popup::Customers, nullptr, "Amend &balance", nullptr, true, false, true, flag(UserControlItem::CustomerBalance), true},
    {Command::CustomerStatement, Popup::Customers, nullptr, "Customer &statement", nullptr, false, false, true, -1, true},
    {Command::CustomerPeriodActivity, Popup::Customers, nullptr, "Customer period a&ctivity", nullptr, false, false, false, -1, true},
    {Command::CustomerPrintFromNumber, Popup::Customers, "Pri&nt", "F&rom number ..", nullptr, true, false, false, -1, true},
    {Command::CustomerPrintAlphabetically, Popup::Customers, "Pri&nt", "&Alphabetically", nullptr, false, false, false, -1, true},
    {Command::CustomerPrintDebtors, Popup::Customers, "Pri&nt", "&Debtors", "^D", false, false, false, -1, true},
    {Command::CustomerPrintInactiveSince, Popup::Customers, "Pri&nt", "&Inactive since ..", nullptr, false, false, false, -1, true},
    {Command::CustomerPrintDetails, Popup::Customers, "Pri&nt", "&Customer details", nullptr, false, false, false, -1, true},
    {Command::DebtorLetterOne, Popup::Customers, "Pri&nt", "Debtor letter &1", "^L", false, false, true, -1, true},
    {Command::DebtorLetterTwo, Popup::Customers, "Pri&nt", "Debtor letter &2", nullptr, false, false, true, -1, true},
    {Command::ReminderAdd, Popup::Reminders, nullptr, "&Add", nullptr, false, false, false, -1, true},
    {Command::ReminderAddToday, Popup::Reminders, nullptr, "Add &today", "^R", false, false, false, -1, true},
    {Command::ReminderList, Popup::Reminders, nullptr, "&List", nullptr, false, false, false, -1, true},
    {Command::ReminderPrint, Popup::Reminders, nullptr, "&Print", "^T", false, false, false, -1, true},
    {Command::ReminderAmend, Popup::Reminders, nullptr, "A&mend", nullptr, true, false, true, -1, true},
    {Command::ReminderDelete, Popup::Reminders, nullptr, "&Delete", nullptr, false, false, true, -1, true},
    {Command::SupplierFind, Popup::Suppliers, nullptr, "&Find", nullptr, false, false, false, -1, true},
    {Command::SupplierAdd, Popup::Suppliers, nullptr, "&Add", nullptr, false, false, false, -1, true},
    {Command::SupplierAmend, Popup::Suppliers, nullptr, "A&mend", nullptr, false, false, false, -1, true},
    {Command::SupplierDelete, Popup::Suppliers, nullptr, "&Delete", nullptr, false, false, false, -1, true},
    {Command::SupplierPrint, Popup::Suppliers, nullptr, "&Print", nullptr, true, false, false, -1, true},
    {Command::SupplierList, Popup::Suppliers, nullptr, "&List", nullptr, false, false, false, -1, true},
    {Command::PayCash, Popup::Payments, nullptr, "&Cash", "F5", false, false, false, -1, false},
    {Command::PayCheque, Popup::Payments, nullptr, "C&H", nullptr, false, false, false, -1, false},
    {Command::PayByCustomer, Popup::Payments, nullptr, "Customer c&redit", "F6", false, false, false, -1, false},
    {Command::PayCard, Popup::Payments, nullptr, "&EFT (Credit card)", "F7", false, false, false, -1, false},
    {Command::PaySplit, Popup::Payments, nullptr, "&Split Cash Other", nullptr, false, false, false, -1, false},
    {Command::BalancePayment, Popup::Payments, nullptr, "&Balance payment", nullptr, true, false, false, -1, true},
    {Command::BalancePayOnTransaction, Popup::Payments, nullptr, "Balance pay on &transaction", nullptr, false, false, false, -1, true},
    {Command::CardProcessingSetup, Popup::Payments, nullptr, "Card processing set&up", nullptr, true, false, false, -1, true},
    {Command::SalesReport, Popup::Reports, nullptr, "&Sales report", nullptr, false, false, true, -1, true},
    {Command::SalesByStaff, Popup::Reports, nullptr, "Sales by s&taff", nullptr, false, false, true, -1, true},
    {Command::SalesByItem, Popup::Reports, nullptr, "Sales by &item", nullptr, false, false, true, -1, true},
    {Command::DailyItemSummary, Popup::Reports, nullptr, "&Daily item summary", nullptr, true, false, false, -1, true},
    {Command::WeeklyItemSummary, Popup::Reports, nullptr, "&Weekly item summary", nullptr, false, false, false, -1, true},
    {Command::MonthlyItemSummary, Popup::Reports, nullptr, "&Monthly item summary", nullptr, false, false, false, -1, true},
    {Command::PeriodItemSummary, Popup::Reports, nullptr, "Specific &period item summary", nullptr, false, false, false, -1, true},
    {Command::ItemsByCategoryDay, Popup::Reports, nullptr, "Items by category (day)", nullptr, false, false, false, -1, true},
    {Command::ItemsByCategoryMonth, Popup::Reports, nullptr, "Items by category (month)", nullptr, false, false, false, -1, true},
    {Command::ExportDailyItemsCsv, Popup::Reports, nullptr, "Export daily items CSV", nullptr, true, false, false, -1, true},
    {Command::ExportWeeklyItemsCsv, Popup::Reports, nullptr, "Export weekly items CSV", nullptr, false, false, false, -1, true},
    {Command::ReorderList, Popup::Reports, nullptr, "&Reorder list", nullptr, true, false, false, -1, true},
    {Command::ReorderListByOrderCode, Popup::Reports, nullptr, "Reorder list by order &code", nullptr, false, false, false, -1, true},
    {Command::OutOfStock, Popup::Reports, nullptr, "&Out of stock", nullptr, false, false, false, -1, true},
    {Command::SpecialOrders, Popup::Reports, nullptr, "Special or&ders", nullptr, false, false, false, -1, true},
    {Command::SellByExpired, Popup::Reports, nullptr, "Sell by e&xpired", nullptr, false, false, false, -1, true},
    {Command::StockSummary, Popup::Reports, nullptr, "Stock summar&y", nullptr, true, false, false, -1, true},
    {Command::RetailLessThanCost, Popup::Reports, nullptr, "List items with retail &less than cost", nullptr, false, false, false, -1, true},
    {Command::InventoryReceivedReport, Popup::Reports, nullptr, "Inventory r&eceived", nullptr, true, false, true, flag(UserControlItem::InventoryReceived), true},
    {Command::OutstandingBalances, Popup::Reports, nullptr, "O&utstanding balances", nullptr, true, false, true, -1, true},
    {Command::HighestVolumeProducts, Popup::Reports, nullptr, "&Highest volume products", nullptr, false, false, true, -1, true},
    {Command::PrintTakings, Popup::Reports, nullptr, "Print ta&kings", nullptr, true, false, true, flag(UserControlItem::PrintTakings), true},
    {Command::PurgeTakings, Popup::Reports, nullptr, "Pur&ge takings", nullptr, false, false, true, flag(UserControlItem::PurgeTakings), true},
    {Command::TillReconciliation, Popup::Reports, nullptr, "Till reco&nciliation", nullptr, false, false, false, -1, true},
    {Command::TillCloseout, Popup::Reports, nullptr, "Till close&out", nullptr, false, false, false, -1, true},
    {Command::PurgeLogFiles, Popup::Reports, nullptr, "P&urge log files", nullptr, true, false, true, flag(UserControlItem::PurgeLogFiles), true},
    {Command::FindTransaction, Popup::Transactions, nullptr, "&Find transaction", nullptr, false, false, false, -1, true},
    {Command::DisplayTransaction, Popup::Transactions, nullptr, "&Display transaction", "F11", false, false, false, -1, true},
    {Command::TransactionsInDay, Popup::Transactions, nullptr, "In specific d&ay", nullptr, true, false, false, -1, true},
    {Command::TransactionsInMonth, Popup::Transactions, nullptr, "In specific &month", nullptr, false, false, false, -1, true},
    {Command::TransactionsInYear, Popup::Transactions, nullptr, "In specific &year", nullptr, false, false, false, -1, true},
    {Command::TransactionsDiscounted, Popup::Transactions, nullptr, "Dis&counted", nullptr, false, false, false, -1, true},
    {Command::ReprintLastReceipt, Popup::Transactions, nullptr, "&Reprint last receipt invoice", nullptr, true, false, false, -1, true},
    {Command::AddDiscount, Popup::Transactions, nullptr, "Add d&iscount", nullptr, true, false, false, flag(UserControlItem::InhibitDiscount), false},
    {Command::AddNote, Popup::Transactions, nullptr, "Add &note", nullptr, true, false, false, -1, false},
    {Command::AssociateCustomer, Popup::Transactions, nullptr, "Associate &customer", nullptr, false, false, false, -1, false},
    {Command::ActivitySummary, Popup::Activity, nullptr, "&Activity summary", "F12", false, false, true, flag(UserControlItem::StatusDisplay), true},
    {Command::PrintActivitySummary, Popup::Activity, nullptr, "Print activity su&mmary", nullptr, false, false, true, flag(UserControlItem::StatusDisplay), true},
    {Command::PreviousActivitySummary, Popup::Activity, nullptr, "Pre&vious activity summary", nullptr, false, false, false, -1, true},
    {Command::EmailReport, Popup::Activity, nullptr, "&Email report", nullptr, true, false, true, -1, true},
    {Command::EmailDailyItems, Popup::Activity, nullptr, "Email daily &items", nullptr, false, false, false, -1, true},
    {Command::HeadOfficeReportSetup, Popup::Activity, nullptr, "&Head office report setup", nullptr, true, false, false, -1, true},
    {Command::UploadHeadOfficeReport, Popup::Activity, nullptr, "&Upload head office report", nullptr, false, false, false, -1, true},
    {Command::DisplayLogFile, Popup::Activity, nullptr, "Display &log file", nullptr, true, false, true, -1, true},
    {Command::DisplayPreviousLogFile, Popup::Activity, nullptr, "Display p&revious log file", nullptr, false, false, true, -1, true},
    {Command::PrintLogForToday, Popup::Activity, nullptr, "&Print log for today", nullptr, false, false, true, -1, true},
    {Command::PrintLogFromDay, Popup::Activity, nullptr, "Pr&int log from a specific day", nullptr, false, false, true, -1, true},
    {Command::PrintLogFile, Popup::Activity, nullptr, "Pri&nt the log file", nullptr, false, false, true, -1, true},
    {Command::PrintOldLogFile, Popup::Activity, nullptr, "Print o&ld log file", nullptr, false, false, true, -1, true},
    {Command::LogFileCapacity, Popup::Activity, nullptr, "Log file &capacity", nullptr, false, false, true, -1, true},
    {Command::SaveBasket, Popup::Activity, nullptr, "&Save basket", "^W", true, false, false, -1, false},
    {Command::ReloadBasket, Popup::Activity, nullptr, "Reloa&d basket", "^X", false, false, false, -1, false},
    {Command::Configuration, Popup::Utilities, nullptr, "&Configuration", "^C", false, false, true, flag(UserControlItem::Configuration), true},
    {Command::TaxSetup, Popup::Utilities, nullptr, "&Tax setup", nullptr, false, false, true, flag(UserControlItem::TaxSetup), true},
    {Command::StorePrintHeading, Popup::Utilities, nullptr, "Store print &heading", nullptr, false, false, true, -1, true},
    {Command::TakingsAmendment, Popup::Utilities, nullptr, "Takings a&mendment", nullptr, true, false, true, flag(UserControlItem::TakingsAmendment), true},
    {Command::PettyCashPayment, Popup::Utilities, nullptr, "&Petty cash payment", nullptr, false, false, false, -1, true},
    {Command::PurgeTransactionHistory, Popup::Utilities, nullptr, "P&urge transaction history", nullptr, true, false, true, flag(UserControlItem::FileReset), true},
    {Command::Backup, Popup::Utilities, nullptr, "&Backup", nullptr, true, false, false, -1, true},
    {Command::Restore, Popup::Utilities, nullptr, "&Restore", nullptr, false, false, false, -1, true},
    {Command::FileReset, Popup::Utilities, nullptr, "&File reset", nullptr, false, false, true, flag(UserControlItem::FileReset), true},
    {Command::Mailmerge, Popup::Utilities, nullptr, "Mail&merge", nullptr, true, false, true, -1, true},
    {Command::BarcodePrint, Popup::Utilities, nullptr, "Barcode pri&nt", nullptr, false, false, false, -1, true},
    {Command::CustomReceipt, Popup::Utilities, nullptr, "Custom rec&eipt", nullptr, false, false, true, -1, true},
    {Command::CustomizeLanguage, Popup::Utilities, nullptr, "Customize lan&guage", nullptr, false, false, false, -1, true},
    {Command::Invoices, Popup::Utilities, nullptr, "&Invoices", nullptr, false, false, false, -1, true},
    {Command::OperatorSetup, Popup::Utilities, nullptr, "&Operator setup", nullptr, true, false, true, -1, true},
    {Command::UserControl, Popup::Utilities, nullptr, "&User control", "^P", false, false, true, -1, true},
    {Command::Export, Popup::Utilities, nullptr, "E&xport", nullptr, true, false, true, -1, true},
    {Command::Import, Popup::Utilities, nullptr, "Im&port", nullptr, false, false, true, -1, true},
    {Command::SoundEffects, Popup::Utilities, nullptr, "&Sound effects", nullptr, true, true, true, -1, false},
    {Command::ButtonTips, Popup::Utilities, nullptr, "Button t&ips", nullptr, false, true, false, -1, false},
    {Command::ChangeInbuiltStockPicture, Popup::Utilities, nullptr, "Change inbuilt stock pi&cture", nullptr, false, false, false, -1, true},
    {Command::HiResPicture, Popup::Utilities, nullptr, "Hi res pict&ure", nullptr, false, true, true, -1, false},
    {Command::HelpContents, Popup::Help, nullptr, "&Contents", "F1", false, false, false, -1, false},
    {Command::HelpUsingHelp, Popup::Help, nullptr, "&Using help", nullptr, false, false, false, -1, false},
    {Command::TipOfTheDay, Popup::Help, nullptr, "&Tip of the day ...", nullptr, true, false, false, -1, false},
    {Command::Calendar, Popup::Help, nullptr, "Ca&lendar", nullptr, true, false, false, -1, false},
    {Command::About, Popup::Help, nullptr, "&About", nullptr, false, false, false, -1, false},
};


} // namespace

std::span<const MenuEntry> menuTable()
{
    return kMenu;
}

const MenuEntry *menuEntry(Command command)
{
    for (const MenuEntry &entry : kMenu)
        if (entry.command == command)
            return &entry;
    return nullptr;
}

const char *popupCaption(Popup popup)
{
    switch (popup) {
    case Popup::File: return "&File";
    case Popup::Inventory: return "&Inventory";
    case Popup::Customers: return "&Customers";
    case Popup::Reminders: return "&Reminders";
    case Popup::Suppliers: return "&Suppliers";
    case Popup::Payments: return "&Payments";
    case Popup::Reports: return "Re&ports";
    case Popup::Transactions: return "&Transactions";
    case Popup::Activity: return "&Activity";
    case Popup::Utilities: return "&Utilities";
    case Popup::Help: return "&Help";
    }
    return "";
}

bool menuCommandAllowed(const MenuEntry &entry, const TillConfig &config, bool restricted)
{
    if (!restricted)
        return true;
    if (entry.popup == Popup::Reports && userControlSet(config, UserControlItem::ReportMenu))
        return false;
    if (entry.popup == Popup::Activity && userControlSet(config, UserControlItem::ActivityMenu))
        return false;
    if (!entry.restrictedClerkGreys)
        return true;
    return entry.controlFlag >= 0
        && !userControlSet(config, static_cast<UserControlItem>(entry.controlFlag));
}

int controlFlagOfButton(Command command)
{
    switch (command) {
    case Command::AdjustPrice: return flag(UserControlItem::InhibitAdjustPrice);
    case Command::ToggleTrade: return flag(UserControlItem::InhibitTradePrice);
    case Command::PriceByWeight: return flag(UserControlItem::InhibitByWeight);
    case Command::NonInventorySale: return flag(UserControlItem::NonInventorySale);
    case Command::RefundBasket: return flag(UserControlItem::Refunds);
    case Command::OpenDrawer: return flag(UserControlItem::InhibitManualTillOpen);
    case Command::AddDiscount: return flag(UserControlItem::InhibitDiscount);
    case Command::InventoryNewLine: return flag(UserControlItem::NewInventory);
    default: return -1;
    }
}

} // namespace ovix
