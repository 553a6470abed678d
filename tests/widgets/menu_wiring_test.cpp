// Which file connects each command of the till window: every popup's connect
// function wires commands of its own popup only (a popup shared by two
// subsystems has a second function, and the two never wire the same
// command), the sale screen's only commands that are not on the menu,
// nothing is wired twice, the comment above the menu table names the right
// file, and the whole till builds exactly the commands it always has.

#include "accounts/widgets/account_commands.h"
#include "accounts/widgets/account_payment_commands.h"
#include "accounts/widgets/customer_commands.h"
#include "accounts/widgets/reminder_commands.h"
#include "inventory/widgets/inventory_commands.h"
#include "inventory/widgets/inventory_search_commands.h"
#include "inventory/widgets/received_report_commands.h"
#include "inventory/widgets/supplier_commands.h"
#include "platform/scripted_messages.h"
#include "reports/widgets/activity_log_commands.h"
#include "reports/widgets/browse_commands.h"
#include "reports/widgets/closeout_commands.h"
#include "reports/widgets/customer_print_commands.h"
#include "reports/widgets/inventory_print_commands.h"
#include "reports/widgets/report_commands.h"
#include "reports/widgets/stock_list_commands.h"
#include "reports/widgets/supplier_print_command.h"
#include "sales/logic/basket.h"
#include "sales/logic/payment.h"
#include "sales/logic/till_state.h"
#include "sales/widgets/payment_commands.h"
#include "sales/widgets/till_window.h"
#include "sales/widgets/transaction_commands.h"
#include "support/recording_sale_devices.h"
#include "support/test_support.h"
#include "till/logic/commands.h"
#include "till/widgets/activity_commands.h"
#include "till/widgets/file_commands.h"
#include "till/widgets/help_commands.h"
#include "till/widgets/main_window.h"
#include "till/widgets/menu_wiring.h"
#include "till/widgets/sale_screen.h"
#include "till/widgets/sale_screen_commands.h"
#include "till/widgets/utilities_commands.h"

#include <QAbstractButton>
#include <QWidget>
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

using namespace ovix;
using ovix::test::TempDir;

namespace {

// A window that only notes what is connected to it.
class RecordingWindow : public TillWindow {
public:
    void registerCommand(Command command, std::function<void()>) override
    {
        registered.push_back(command);
    }
    QWidget *widget() override
    {
        return &parent_;
    }
    void setTenderAmountBox(QWidget *) override
    {
    }
    void focusItemBox() override
    {
    }

    std::vector<Command> registered;

private:
    QWidget parent_;
};

// The till's window, sale screen and everything they work on.
struct WiredTill {
    TempDir folder;
    TillState state { folder.path() };
    ScriptedMessages messages;
    test::RecordingSaleDevices devices;
    std::unique_ptr<Basket> basket = std::make_unique<Basket>();
    std::unique_ptr<Basket> saved = std::make_unique<Basket>();
    MainWindow window { state, messages };
    SaleScreen *screen = new SaleScreen(window, state, *basket, *saved, messages);
};

// One connect function: its name as the table comment gives it, the popup
// whose commands it wires (none for the sale screen's), and a call of it.
struct ConnectFunction {
    const char *name;
    std::optional<Popup> popup;
    std::function<void(TillWindow &, WiredTill &)> connect;
};

const std::vector<ConnectFunction> &connectFunctions()
{
    static const std::vector<ConnectFunction> functions = {
        { "connectFileCommands", Popup::File,
            [](TillWindow &window, WiredTill &till) {
                connectFileCommands(window, till.state, till.messages);
            } },
        { "connectInventoryCommands", Popup::Inventory,
            [](TillWindow &window, WiredTill &till) {
                connectInventoryCommands(window, till.state, till.messages, {});
            } },
        { "connectInventorySearchCommands", Popup::Inventory,
            [](TillWindow &window, WiredTill &till) {
                connectInventorySearchCommands(window, till.state, till.messages);
            } },
        // A third function for the Inventory popup: the screen lists.
        { "connectInventoryListCommands", Popup::Inventory,
            [](TillWindow &window, WiredTill &till) {
                connectInventoryListCommands(window, till.state, till.messages, {});
            } },
        { "connectInventoryPrintCommands", Popup::Inventory,
            [](TillWindow &window, WiredTill &till) {
                connectInventoryPrintCommands(window, till.state, till.messages);
            } },
        { "connectCustomerCommands", Popup::Customers,
            [](TillWindow &window, WiredTill &till) {
                connectCustomerCommands(window, till.state, till.messages);
            } },
        { "connectCustomerListCommands", Popup::Customers,
            [](TillWindow &window, WiredTill &till) {
                connectCustomerListCommands(
                    window, till.state, till.messages, {}, [](QWidget *) { return false; });
            } },
        { "connectAccountCommands", Popup::Customers,
            [](TillWindow &window, WiredTill &till) {
                connectAccountCommands(window, till.state, till.messages);
            } },
        { "connectCustomerPrintCommands", Popup::Customers,
            [](TillWindow &window, WiredTill &till) {
                connectCustomerPrintCommands(window, till.state, till.messages);
            } },
        { "connectReminderCommands", Popup::Reminders,
            [](TillWindow &window, WiredTill &till) {
                connectReminderCommands(window, till.state, till.messages, {});
            } },
        { "connectSupplierCommands", Popup::Suppliers,
            [](TillWindow &window, WiredTill &till) {
                connectSupplierCommands(window, till.state, till.messages);
            } },
        { "connectSupplierPrintCommand", Popup::Suppliers,
            [](TillWindow &window, WiredTill &till) {
                connectSupplierPrintCommand(window, till.state, till.messages);
            } },
        { "connectSupplierListCommand", Popup::Suppliers,
            [](TillWindow &window, WiredTill &till) {
                connectSupplierListCommand(window, till.state, till.messages);
            } },
        { "connectPaymentCommands", Popup::Payments,
            [](TillWindow &window, WiredTill &till) {
                connectPaymentCommands(window, till.state, *till.basket, till.screen->itemEntry(),
                    till.messages, till.devices);
            } },
        // A second function for the same popup: the account items after the tenders.
        { "connectAccountPaymentCommands", Popup::Payments,
            [](TillWindow &window, WiredTill &till) {
                connectAccountPaymentCommands(window, till.state, *till.basket,
                    till.screen->itemEntry(), till.messages, till.devices);
            } },
        { "connectReportCommands", Popup::Reports,
            [](TillWindow &window, WiredTill &till) {
                connectReportCommands(window, till.state, till.messages);
            } },
        { "connectStockListCommands", Popup::Reports,
            [](TillWindow &window, WiredTill &till) {
                connectStockListCommands(window, till.state, till.messages);
            } },
        { "connectCloseoutCommands", Popup::Reports,
            [](TillWindow &window, WiredTill &till) {
                connectCloseoutCommands(window, till.state, till.messages, {});
            } },
        // A third function for the Reports popup: the log's purge.
        { "connectLogPurgeCommand", Popup::Reports,
            [](TillWindow &window, WiredTill &till) {
                connectLogPurgeCommand(window, till.state, till.messages);
            } },
        { "connectScreenListReportCommands", Popup::Reports,
            [](TillWindow &window, WiredTill &till) {
                connectScreenListReportCommands(window, till.state, till.messages, {});
            } },
        // A fourth: the received report, which is inventory's.
        { "connectReceivedReportCommand", Popup::Reports,
            [](TillWindow &window, WiredTill &till) {
                connectReceivedReportCommand(window, till.state, till.messages);
            } },
        { "connectTransactionCommands", Popup::Transactions,
            [](TillWindow &window, WiredTill &till) {
                connectTransactionCommands(window, till.state, *till.basket,
                    till.screen->itemEntry(), till.messages, till.devices);
            } },
        { "connectActivityLogCommands", Popup::Activity,
            [](TillWindow &window, WiredTill &till) {
                connectActivityLogCommands(window, till.state, till.messages);
            } },
        { "connectActivityCommands", Popup::Activity,
            [](TillWindow &window, WiredTill &till) {
                connectActivityCommands(
                    window, till.state, till.screen->itemEntry(), till.messages);
            } },
        { "connectUtilitiesCommands", Popup::Utilities,
            [](TillWindow &window, WiredTill &till) {
                connectUtilitiesCommands(window, till.state, till.messages, {});
            } },
        { "connectHelpCommands", Popup::Help,
            [](TillWindow &window, WiredTill &till) {
                connectHelpCommands(window, till.state, till.messages);
            } },
        { "connectSaleScreenCommands", std::nullopt,
            [](TillWindow &window, WiredTill &till) {
                connectSaleScreenCommands(
                    window, *till.screen, till.state, till.messages, till.devices);
            } },
    };
    return functions;
}

std::string popupName(const std::optional<Popup> &popup)
{
    return popup ? popupCaption(*popup) : "not on the menu";
}

// A command's place: its row in the menu table, or after the whole table in
// the order of the enumeration for commands that are not on the menu.
size_t placeOf(Command command)
{
    const std::span<const MenuEntry> table = menuTable();
    for (size_t row = 0; row < table.size(); ++row)
        if (table[row].command == command)
            return row;
    return table.size() + static_cast<size_t>(command);
}

std::string readText(const std::string &path)
{
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

} // namespace

TEST(MenuWiring, EachConnectFunctionWiresOnlyCommandsOfItsPopupInMenuOrder)
{
    WiredTill till;
    for (const ConnectFunction &function : connectFunctions()) {
        RecordingWindow window;
        function.connect(window, till);
        EXPECT_FALSE(window.registered.empty()) << function.name;
        for (size_t i = 0; i < window.registered.size(); ++i) {
            const Command command = window.registered[i];
            const MenuEntry *entry = menuEntry(command);
            const std::optional<Popup> popup
                = entry ? std::optional<Popup>(entry->popup) : std::nullopt;
            EXPECT_EQ(popupName(popup), popupName(function.popup))
                << function.name << " wires command " << static_cast<int>(command);
            if (i > 0) {
                EXPECT_LT(placeOf(window.registered[i - 1]), placeOf(command))
                    << function.name << " wires command " << static_cast<int>(command)
                    << " twice or out of menu order";
            }
        }
    }
}

TEST(MenuWiring, TheTillConnectsEachCommandOnceWithThePopupsInMenuOrder)
{
    WiredTill till;
    RecordingWindow window;
    connectTillCommands(
        window, *till.screen, till.state, *till.basket, till.messages, till.devices);
    std::vector<Command> expected;
    for (const ConnectFunction &function : connectFunctions()) {
        RecordingWindow alone;
        function.connect(alone, till);
        expected.insert(expected.end(), alone.registered.begin(), alone.registered.end());
    }
    EXPECT_EQ(window.registered, expected);
    // Popups follow the menu; within a popup shared by two functions each
    // keeps its own menu order, checked above, but the two may interleave.
    const auto popupPlace = [](Command command) {
        const MenuEntry *entry = menuEntry(command);
        return entry ? static_cast<size_t>(entry->popup) : placeOf(command);
    };
    for (size_t i = 1; i < window.registered.size(); ++i)
        EXPECT_LE(popupPlace(window.registered[i - 1]), popupPlace(window.registered[i]));
}

TEST(MenuWiring, TheCommentAboveTheMenuTableNamesTheFileOfEachConnectFunction)
{
    const std::string source = OVIX_SOURCE_DIR;
    const std::string table = readText(source + "/till/logic/commands.cpp");
    ASSERT_FALSE(table.empty());
    for (const ConnectFunction &function : connectFunctions()) {
        // "//   Popup::Payments -> sales/widgets/payment_commands.cpp  connectPaymentCommands"
        std::string popup = "not on the menu";
        if (function.popup) {
            popup = std::string("Popup::") + popupCaption(*function.popup);
            std::erase(popup, '&');
        }
        const std::regex line("//\\s+" + popup + "\\s+->\\s+(\\S+)\\s+" + function.name + "\\b");
        std::smatch found;
        ASSERT_TRUE(std::regex_search(table, found, line)) << function.name;
        const std::string file = readText(source + "/" + found[1].str());
        EXPECT_NE(file.find(std::string("void ") + function.name + "("), std::string::npos)
            << found[1].str() << " does not define " << function.name;
    }
}

TEST(MenuWiring, TheTillBuildsTheCommandsItAlwaysHasAndEnablesTheirButtons)
{
    WiredTill till;
    connectTillCommands(
        till.window, *till.screen, till.state, *till.basket, till.messages, till.devices);
    const std::set<Command> expected = { Command::Exit, Command::ExitPrintReport,
        Command::ExitPrintLog, Command::ExitPrintReportAndLog, Command::IndentListings,
        Command::ListingFontSize, Command::ReorderList, Command::ReorderListByOrderCode,
        Command::OutOfStock, Command::SpecialOrders, Command::SellByExpired,
        Command::InventoryPrintFromNumber, Command::InventoryPrintAlphabetically,
        Command::InventoryPrintIncludingCost, Command::InventoryPrintByCategory,
        Command::InventoryPrintInStock, Command::InventoryPrintByLocation,
        Command::InventoryPrintCustom, Command::CustomerPrintFromNumber,
        Command::CustomerPrintAlphabetically, Command::CustomerPrintDebtors,
        Command::CustomerPrintInactiveSince, Command::SupplierPrint,
        Command::StockSummary, Command::RetailLessThanCost, Command::PrintTakings,
        Command::PurgeTakings, Command::TillReconciliation, Command::TillCloseout,
        Command::ActivitySummary, Command::HeadOfficeReportSetup,
        Command::UploadHeadOfficeReport,
        Command::PrintActivitySummary, Command::TakingsAmendment, Command::PettyCashPayment,
        Command::PurgeLogFiles, Command::PreviousActivitySummary,
        Command::DisplayLogFile, Command::DisplayPreviousLogFile, Command::PrintLogForToday,
        Command::PrintLogFromDay, Command::PrintLogFile, Command::PrintOldLogFile,
        Command::LogFileCapacity,
        Command::InventoryNewLine, Command::InventoryAmend, Command::InventoryDelete,
        Command::InventoryFind, Command::InventoryFindByDescription,
        Command::InventoryFindThatContain, Command::InventoryFindAdvanced,
        Command::InventoryAddCustomImage, Command::InventoryFindInSkus,
        Command::InventoryListFromNumber, Command::InventoryListAlphabetically,
        Command::InventoryListByCategory, Command::CustomerListFromNumber, Command::CustomerListAlphabetically,
        Command::CustomerListByAddress, Command::SupplierList, Command::OutstandingBalances,
        Command::HighestVolumeProducts, Command::ReminderAdd, Command::ReminderAddToday,
        Command::ReminderList, Command::ReminderPrint, Command::ReminderAmend,
        Command::ReminderDelete, Command::CustomerAdd,
        Command::InventoryNewBundle, Command::InventoryReceived, Command::InventoryReceivedBySku1,
        Command::SupplierFind, Command::SupplierAdd, Command::SupplierAmend,
        Command::SupplierDelete, Command::InventoryReceivedReport, Command::CustomerAdd,
        Command::CustomerAmend, Command::CustomerDelete, Command::CustomerPrune,
        Command::CustomerFind, Command::CustomerFindThatContain, Command::CustomerFindTelephone,
        Command::CustomerPrintDetails, Command::DebtorLetterOne, Command::DebtorLetterTwo,
        Command::Mailmerge, Command::AmendBalance, Command::CustomerStatement,
        Command::CustomerPeriodActivity, Command::PayCash,
        Command::PayCheque, Command::PayByCustomer, Command::PayCard, Command::PaySplit,
        Command::BalancePayment, Command::BalancePayOnTransaction, Command::CardProcessingSetup,
        Command::SalesReport,
        Command::SalesByStaff, Command::SalesByItem, Command::DailyItemSummary,
        Command::WeeklyItemSummary, Command::MonthlyItemSummary, Command::PeriodItemSummary,
        Command::ItemsByCategoryDay, Command::ItemsByCategoryMonth,
        Command::FindTransaction, Command::DisplayTransaction, Command::TransactionsInDay,
        Command::TransactionsInMonth, Command::TransactionsInYear, Command::TransactionsDiscounted,
        Command::ReprintLastReceipt, Command::RefundBasket,
        Command::AddDiscount, Command::AddNote, Command::AssociateCustomer, Command::SaveBasket,
        Command::ReloadBasket, Command::Configuration, Command::TaxSetup,
        Command::StorePrintHeading, Command::FileReset, Command::CustomReceipt, Command::Export,
        Command::Import, Command::PurgeTransactionHistory, Command::Backup, Command::Restore,
        Command::BarcodePrint,
        Command::CustomizeLanguage, Command::Invoices, Command::OperatorSetup, Command::UserControl,
        Command::SoundEffects, Command::ButtonTips, Command::ChangeInbuiltStockPicture,
        Command::HiResPicture, Command::HelpContents, Command::HelpUsingHelp,
        Command::TipOfTheDay, Command::Calendar, Command::About, Command::AddItem,
        Command::PriceByWeight, Command::NonInventorySale, Command::VoidLine,
        Command::EmptyBasket, Command::OpenDrawer, Command::ToggleTrade, Command::RepeatLast,
        Command::AdjustPrice, Command::ScrollBack, Command::ScrollForwards,
        Command::PreviousCategory, Command::NextCategory, Command::LogOff, Command::EmailSetup,
        Command::EmailReport, Command::EmailDailyItems, Command::DebtorEmail,
        Command::ExportDailyItemsCsv, Command::ExportWeeklyItemsCsv };
    std::set<Command> built;
    for (int c = 0; c <= static_cast<int>(Command::LogOff); ++c) {
        const auto command = static_cast<Command>(c);
        if (till.window.isBuilt(command))
            built.insert(command);
        if (QAbstractButton *button = till.screen->saleButton(command)) {
            EXPECT_EQ(button->isEnabled(), expected.count(command) != 0) << c;
        }
    }
    EXPECT_EQ(built, expected);
}
