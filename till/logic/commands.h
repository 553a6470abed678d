#pragma once
// Every command of the till: the menu bar, the toolbar, the function keys and
// the sale buttons all name their work by a Command. The menu table gives each
// menu command its place, caption, shortcut hint and the clerk rules that
// govern it; the window builds its menus from it and greys them from it.
// The comment above the table in commands.cpp names the file that connects
// each popup's commands to their work.

#include "store/user_control.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace ovix {

class TillConfig;

enum class Command {
    // File
    ListingFontSize, IndentListings, EmailSetup, ExitPrintReport, ExitPrintLog,
    ExitPrintReportAndLog, Exit,
    // Inventory
    InventoryNewLine, InventoryAmend, InventoryDelete, InventoryFind, InventoryFindByDescription,
    InventoryFindThatContain, InventoryFindAdvanced, InventoryAddCustomImage,
    InventoryListFromNumber, InventoryListAlphabetically, InventoryListByCategory,
    InventoryFindInSkus, InventoryNewBundle, InventoryReceived, InventoryReceivedBySku1,
    InventoryPrintFromNumber, InventoryPrintAlphabetically, InventoryPrintIncludingCost,
    InventoryPrintByCategory, InventoryPrintInStock, InventoryPrintByLocation,
    InventoryPrintCustom,
    // Customers
    CustomerAdd, CustomerAmend, CustomerDelete, CustomerPrune, CustomerFind,
    CustomerFindThatContain, CustomerFindTelephone, CustomerListFromNumber,
    CustomerListAlphabetically, CustomerListByAddress, DebtorEmail, AmendBalance,
    CustomerStatement, CustomerPeriodActivity, CustomerPrintFromNumber,
    CustomerPrintAlphabetically, CustomerPrintDebtors, CustomerPrintInactiveSince,
    CustomerPrintDetails, DebtorLetterOne, DebtorLetterTwo,
    // Reminders
    ReminderAdd, ReminderAddToday, ReminderList, ReminderPrint, ReminderAmend, ReminderDelete,
    // Suppliers
    SupplierFind, SupplierAdd, SupplierAmend, SupplierDelete, SupplierPrint, SupplierList,
    // Payments
    PayCash, PayCheque, PayByCustomer, PayCard, PaySplit, BalancePayment,
    BalancePayOnTransaction, CardProcessingSetup,
    // Reports
    SalesReport, SalesByStaff, SalesByItem, DailyItemSummary, WeeklyItemSummary,
    MonthlyItemSummary, PeriodItemSummary, ItemsByCategoryDay, ItemsByCategoryMonth,
    ExportDailyItemsCsv, ExportWeeklyItemsCsv, ReorderList, ReorderListByOrderCode,
    OutOfStock, SpecialOrders, SellByExpired, StockSummary, RetailLessThanCost,
    InventoryReceivedReport, OutstandingBalances, HighestVolumeProducts, PrintTakings,
    PurgeTakings, TillReconciliation, TillCloseout, PurgeLogFiles,
    // Transactions
    FindTransaction, DisplayTransaction, TransactionsInDay, TransactionsInMonth,
    TransactionsInYear, TransactionsDiscounted, ReprintLastReceipt, AddDiscount, AddNote,
    AssociateCustomer,
    // Activity
    ActivitySummary, PrintActivitySummary, PreviousActivitySummary, EmailReport,
    EmailDailyItems, HeadOfficeReportSetup, UploadHeadOfficeReport, DisplayLogFile,
    DisplayPreviousLogFile, PrintLogForToday, PrintLogFromDay, PrintLogFile, PrintOldLogFile,
    LogFileCapacity, SaveBasket, ReloadBasket,
    // Utilities
    Configuration, TaxSetup, StorePrintHeading, TakingsAmendment, PettyCashPayment,
    PurgeTransactionHistory, Backup, Restore, FileReset, Mailmerge, BarcodePrint,
    CustomReceipt, CustomizeLanguage, Invoices, OperatorSetup, UserControl, Export, Import,
    SoundEffects, ButtonTips, ChangeInbuiltStockPicture, HiResPicture,
    // Help
    HelpContents, HelpUsingHelp, TipOfTheDay, Calendar, About,
    // Not on the menu: sale buttons and keys
    AddItem, PriceByWeight, NonInventorySale, VoidLine, EmptyBasket, OpenDrawer, ToggleTrade,
    RepeatLast, RefundBasket, AdjustPrice, ScrollBack, ScrollForwards, PreviousCategory,
    NextCategory, LogOff,
};

enum class Popup { File, Inventory, Customers, Reminders, Suppliers, Payments, Reports,
                   Transactions, Activity, Utilities, Help };

struct MenuEntry {
    Command command;
    Popup popup;
    const char *submenu;  // "Pri&nt" for the print submenus, else nullptr
    const char *caption;  // with its accelerator ampersand
    const char *shortcut; // hint shown beside it ("F2", "^A"), or nullptr
    bool separatorBefore;
    bool checkable;       // a check-mark toggle
    // Greyed for a restricted clerk unless its user-control flag is clear.
    bool restrictedClerkGreys;
    int controlFlag;      // UserControlItem governing it, or -1
    bool leavesSale;      // the basket is emptied before it runs
};

// The menu bar, popup by popup, in order.
std::span<const MenuEntry> menuTable();
const MenuEntry *menuEntry(Command command);
// The caption of a popup as the menu bar shows it ("&File", ...).
const char *popupCaption(Popup popup);

// Whether the logged-on clerk may use a menu command: clerks 1 and 2 always;
// a restricted clerk not when the entry is greyed for restricted clerks and
// its flag (if any) is set, nor anything of the Reports or Activity menus
// when "Report menu" or "Activity menu" is set.
bool menuCommandAllowed(const MenuEntry &entry, const TillConfig &config, bool restricted);

// The user-control flag that stops a restricted clerk from a sale button or
// key (checked at the press, without a message), or -1.
int controlFlagOfButton(Command command);

} // namespace ovix
