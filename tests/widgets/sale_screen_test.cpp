#include "inventory/widgets/till_search_dialog.h"
#include "platform/c_format.h"
#include "platform/clock.h"
#include "platform/scripted_messages.h"
#include "print/pseudo_terminal.h"
#include "store/data_set.h"
#include "store/record_files.h"
#include "store/record_kinds.h"
#include "store/till_config.h"
#include "store/till_config_file.h"
#include "support/test_support.h"
#include "support/recording_sale_devices.h"
#include "till/item_entry_fixture.h"
#include "sales/logic/archive_folders.h"
#include "sales/logic/basket.h"
#include "sales/logic/payment.h"
#include "sales/logic/till_state.h"
#include "till/logic/totals_panel.h"
#include "sales/widgets/customer_pick_dialog.h"
#include "till/widgets/main_window.h"
#include "sales/widgets/non_inventory_dialog.h"
#include "sales/widgets/payment_commands.h"
#include "sales/widgets/transaction_commands.h"
#include "till/widgets/activity_commands.h"
#include "till/widgets/sale_screen_commands.h"
#include "till/widgets/sale_screen.h"
#include "widgets/modal_dialogs.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

using namespace ovix;
using ovix::test::customerBytes;
using ovix::test::getF32;
using ovix::test::getI32;
using ovix::test::getI64;
using ovix::test::getText;
using ovix::test::ItemBytes;
using ovix::test::putField;
using ovix::test::readBytes;
using ovix::test::TempDir;

namespace {

// A till window with the sale screen over a fresh data set: tax 1 at 20%,
// items 1001 WIDGET 10.00 (SKU 1 "ABC123") and 1002 GADGET 2.50 untaxed.
struct SaleTill {
    TempDir folder;
    TillState state { folder.path() };
    ScriptedMessages messages;
    test::RecordingSaleDevices devices;
    std::unique_ptr<Basket> basket = std::make_unique<Basket>();
    std::unique_ptr<Basket> saved = std::make_unique<Basket>();
    std::unique_ptr<MainWindow> window;
    SaleScreen *screen = nullptr;

    SaleTill()
    {
        ScriptedMessages quiet;
        EXPECT_TRUE(createDataSet(state.dir, LocalTime { 2026, 3, 5, 10, 20, 0 }, "$", quiet));
        EXPECT_TRUE(loadTillConfig(state.dir, state.config, quiet));
        EXPECT_TRUE(state.items.load(quiet));
        EXPECT_TRUE(state.customers.load(quiet));
        state.config.set(cfg::currentClerk, 2);
        state.config.set(cfg::taxOneActive, 2);
        state.config.set(cfg::taxOneRate, 2000);
        state.config.set(cfg::taxTwoActive, 0);
        state.config.set(cfg::tradePricesOn, 0);
        state.config.set(cfg::skuOneEntry, 0);
        addItem(ItemBytes(1001, "WIDGET", 10.00f).sku1("ABC123"));
        addItem(ItemBytes(1002, "GADGET", 2.50f).tax(0));
        window = std::make_unique<MainWindow>(state, messages);
        screen = new SaleScreen(*window, state, *basket, *saved, messages);
        // Everything the screen's buttons run but the payments.
        connectTransactionCommands(
            *window, state, *basket, screen->itemEntry(), messages, devices);
        connectActivityCommands(*window, state, screen->itemEntry(), messages);
        connectSaleScreenCommands(*window, *screen, state, messages, devices);
        screen->refreshButtons();
    }

    void addItem(const ItemBytes &item)
    {
        ItemRecord record;
        std::memcpy(&record, item.bytes.data(), sizeof record);
        ScriptedMessages quiet;
        ASSERT_TRUE(state.items.insert(record, quiet).has_value()) << quiet.lastText();
    }
    void type(const char *text)
    {
        QTest::keyClicks(screen->itemBox(), QString::fromLatin1(text));
    }
    void enter()
    {
        QTest::keyClick(screen->itemBox(), Qt::Key_Return);
    }
    void press(const char *keypadCaption)
    {
        screen->keypadButton(QString::fromLatin1(keypadCaption))->click();
    }
    std::vector<std::string> list() const
    {
        std::vector<std::string> texts;
        for (int row = 0; row < screen->basketList()->count(); ++row)
            texts.push_back(screen->basketList()->item(row)->text().toStdString());
        return texts;
    }
    std::string box() const
    {
        return screen->itemBox()->toPlainText().toStdString();
    }
    std::string transactionCaption() const
    {
        return cformat(
            "Transaction: %d", static_cast<int>(state.config.get(cfg::nextTransactionNumber)));
    }
};

} // namespace

TEST(SaleScreen, AnItemNumberAndEnterRingUpALineAndTheTotalsShowIt)
{
    SaleTill till;
    EXPECT_EQ(till.screen->totalsCaptions().toStdString(), till.transactionCaption());
    EXPECT_TRUE(till.screen->totalsAmounts().isEmpty());

    till.type("1001");
    EXPECT_EQ(till.basket->lineCount, 0); // no Enter yet
    till.enter();
    EXPECT_EQ(till.basket->lineCount, 1);
    EXPECT_EQ(till.list(), (std::vector<std::string> { "1001  WIDGET (100)  12.00" }));
    EXPECT_EQ(till.screen->basketList()->currentRow(), 0);
    EXPECT_EQ(till.box(), "");
    EXPECT_EQ(till.screen->totalsCaptions().toStdString(), "1\n" + till.transactionCaption());
    // Taxable, non-taxable, subtotal, tax 1, tax 2, total.
    EXPECT_EQ(till.screen->totalsAmounts(), "10.00\n0.00\n10.00\n2.00\n0.00\n12.00");

    till.type("1002 two of them");
    till.enter();
    EXPECT_EQ(till.list().back(), "1002  GADGET (100)  2.50");
    EXPECT_EQ(till.screen->basketList()->currentRow(), 1);
    EXPECT_EQ(till.screen->totalsAmounts(), "10.00\n2.50\n12.50\n2.00\n0.00\n14.50");

    // A number not on file: one message, nothing added, the box emptied.
    till.type("999");
    till.enter();
    EXPECT_EQ(till.messages.lastCaption(), "Invalid entry");
    EXPECT_EQ(till.messages.lastText(), "999");
    EXPECT_EQ(till.basket->lineCount, 2);
    EXPECT_EQ(till.box(), "");
    EXPECT_TRUE(till.screen->basketList()->count() == 2);
}

TEST(SaleScreen, EnterInTheMiddleOfTheTextTakesTheWholeEntryAndAnEmptyBoxRingsNothing)
{
    SaleTill till;
    till.type("1001");
    QTest::keyClick(till.screen->itemBox(), Qt::Key_Left);
    QTest::keyClick(till.screen->itemBox(), Qt::Key_Left);
    till.enter();
    EXPECT_EQ(till.list(), (std::vector<std::string> { "1001  WIDGET (100)  12.00" }));

    // An Enter in the empty box opens the find; cancelled, it rings nothing.
    bool findOpened = false;
    test::whenModalOpens<TillSearchDialog>([&](TillSearchDialog *dialog) {
        findOpened = true;
        test::clickNamed(dialog, "cancel");
    });
    till.enter();
    EXPECT_TRUE(findOpened);
    EXPECT_EQ(till.basket->lineCount, 1);
    EXPECT_EQ(till.box(), "");
    EXPECT_TRUE(till.messages.shown.empty());
}

TEST(SaleScreen, ABarcodeInSkuOneModeIsMatchedInCapitalsAndMarkedOnThePanel)
{
    SaleTill till;
    till.state.config.set(cfg::skuOneEntry, 2);
    till.screen->totalsChanged();
    EXPECT_NE(till.screen->totalsCaptions().indexOf(QString::fromLatin1(kBarcodeModeMarker)), -1);

    till.type("abc123");
    till.enter();
    EXPECT_EQ(till.list(), (std::vector<std::string> { "1001  WIDGET (100)  12.00" }));
    // A barcode ending in a digit that looks like a number is not cut short.
    till.type("ABC12");
    till.enter();
    EXPECT_EQ(till.messages.lastCaption(), "Invalid entry");
    EXPECT_EQ(till.messages.lastText(), "ABC12");
    EXPECT_EQ(till.basket->lineCount, 1);
}

TEST(SaleScreen, TheItemBoxTakesAtMost37CharactersAndCtrlWhileTypingClearsIt)
{
    SaleTill till;
    till.type("1234567890123456789012345678901234567890");
    EXPECT_EQ(till.box().size(), 37u);

    till.press("CA");
    till.type("12");
    QTest::keyClick(till.screen->itemBox(), Qt::Key_5, Qt::ControlModifier);
    EXPECT_EQ(till.box(), "");
    EXPECT_EQ(till.basket->lineCount, 0);
    // A command key with Ctrl still runs its command and keeps the box.
    till.type("1001");
    till.enter();
    QTest::keyClick(till.screen->itemBox(), Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(till.messages.lastText(), "Saved");
}

TEST(SaleScreen, KeypadDigitsGoToTheItemBoxAndTheAddButtonRingsThemUp)
{
    SaleTill till;
    for (const char *digit : { "1", "0", "0", "2" })
        till.press(digit);
    EXPECT_EQ(till.box(), "1002");
    till.press("CE");
    EXPECT_EQ(till.box(), "100");
    till.press("1");
    EXPECT_EQ(till.box(), "1001");
    till.screen->saleButton(Command::AddItem)->click();
    EXPECT_EQ(till.list(), (std::vector<std::string> { "1001  WIDGET (100)  12.00" }));
    EXPECT_EQ(till.box(), "");

    till.press("9");
    till.press("CA");
    EXPECT_EQ(till.box(), "");
    // The add button with an empty box opens the find; cancelled, it rings
    // nothing up.
    bool findOpened = false;
    test::whenModalOpens<TillSearchDialog>([&](TillSearchDialog *dialog) {
        findOpened = true;
        test::clickNamed(dialog, "cancel");
    });
    till.screen->saleButton(Command::AddItem)->click();
    EXPECT_TRUE(findOpened);
    EXPECT_EQ(till.basket->lineCount, 1);
}

TEST(SaleScreen, VoidTakesTheHighlightedLineAndEmptyClearsEverything)
{
    SaleTill till;
    for (const char *number : { "1001", "1002", "1001" }) {
        till.type(number);
        till.enter();
    }
    till.screen->basketList()->setCurrentRow(1);
    till.screen->saleButton(Command::VoidLine)->click();
    EXPECT_EQ(till.list(),
        (std::vector<std::string> { "1001  WIDGET (100)  12.00", "1001  WIDGET (100)  12.00" }));
    EXPECT_EQ(till.screen->basketList()->currentRow(), 1);
    EXPECT_EQ(till.screen->totalsAmounts(), "20.00\n0.00\n20.00\n4.00\n0.00\n24.00");

    // Nothing highlighted voids nothing.
    till.screen->basketList()->setCurrentRow(-1);
    till.screen->saleButton(Command::VoidLine)->click();
    EXPECT_EQ(till.basket->lineCount, 2);

    till.screen->saleButton(Command::EmptyBasket)->click();
    EXPECT_EQ(till.basket->lineCount, 0);
    EXPECT_TRUE(till.list().empty());
    EXPECT_TRUE(till.screen->totalsAmounts().isEmpty());
    till.screen->saleButton(Command::VoidLine)->click();
    EXPECT_EQ(till.messages.lastText(), "No items");
}

TEST(SaleScreen, RepeatSaveReloadAndTradeWorkFromTheButtons)
{
    SaleTill till;
    till.addItem(ItemBytes(1003, "BOLT", 1.00f).tax(0).trade(0.80f));
    till.type("1003");
    till.enter();
    till.type("2");
    till.screen->saleButton(Command::RepeatLast)->click();
    EXPECT_EQ(till.basket->lineCount, 3);
    EXPECT_EQ(till.box(), "");

    till.screen->saleButton(Command::SaveBasket)->click();
    EXPECT_EQ(till.messages.lastText(), "Saved");
    till.screen->saleButton(Command::EmptyBasket)->click();
    till.screen->saleButton(Command::ReloadBasket)->click();
    EXPECT_EQ(till.list(),
        (std::vector<std::string> { "1003  BOLT  1.00", "1003  BOLT  1.00", "1003  BOLT  1.00" }));
    EXPECT_EQ(till.screen->basketList()->currentRow(), 2);

    till.screen->saleButton(Command::ToggleTrade)->click();
    EXPECT_EQ(till.state.config.get(cfg::tradePricesOn), 2);
    EXPECT_TRUE(till.screen->totalsCaptions().startsWith("Trade sale\n3\n"));
    till.type("1003");
    till.enter();
    EXPECT_EQ(till.list().back(), "1003  BOLT (100)  0.80");
}

TEST(SaleScreen, ButtonsCarryTheirTipsAndThoseOfLaterWorkAreGreyed)
{
    SaleTill till;
    EXPECT_EQ(
        till.screen->saleButton(Command::AddItem)->toolTip(), "Add item to basket   ENTER to find");
    EXPECT_EQ(till.screen->saleButton(Command::NonInventorySale)->toolTip(),
        "Sell an item not on the database");
    EXPECT_EQ(till.screen->saleButton(Command::RepeatLast)->toolTip(),
        "Repeat last also multiple of last with quantity in item box");
    EXPECT_EQ(till.screen->saleButton(Command::ReloadBasket)->toolTip(), "Retrieve saved basket");
    for (Command built : { Command::AddItem, Command::VoidLine, Command::EmptyBasket,
             Command::ToggleTrade, Command::AddNote, Command::SaveBasket, Command::OpenDrawer,
             Command::PriceByWeight, Command::AdjustPrice, Command::RefundBasket })
        EXPECT_TRUE(till.screen->saleButton(built)->isEnabled());
    EXPECT_TRUE(till.window->menuActions().at(Command::AssociateCustomer)->isEnabled());
    EXPECT_EQ(till.window->itemBox(), till.screen->itemBox());
}

TEST(SaleScreen, TheNonInventoryDialogShowsTheLineAndAddsIt)
{
    SaleTill till;
    till.state.config.set(cfg::nonInventoryTaxable, 2);
    std::string nett, total;
    bool taxTicked = false;
    test::whenModalOpens<NonInventoryDialog>([&](NonInventoryDialog *dialog) {
        test::clickNamed(dialog, "Misc");
        test::clickNamed(dialog, "SPACE");
        test::clickNamed(dialog, "letterA");
        test::clickNamed(dialog, "quick5.00");
        taxTicked = dialog->findChild<QCheckBox *>("taxOne")->isChecked();
        nett = dialog->findChild<QLineEdit *>("nett")->text().toStdString();
        total = dialog->findChild<QLineEdit *>("total")->text().toStdString();
        test::clickNamed(dialog, "add");
    });
    QTest::keyClick(till.screen->itemBox(), Qt::Key_K, Qt::ControlModifier);
    EXPECT_TRUE(taxTicked);
    EXPECT_EQ(nett, "5.00");
    EXPECT_EQ(total, "6.00");
    EXPECT_EQ(till.list(), (std::vector<std::string> { "Misc A  6.00" }));
    EXPECT_EQ(till.basket->lineItemNumber[0], 0);
    EXPECT_EQ(till.screen->totalsAmounts(), "5.00\n0.00\n5.00\n1.00\n0.00\n6.00");

    // Typed digits, untaxed; Cancel adds nothing.
    test::whenModalOpens<NonInventoryDialog>([&](NonInventoryDialog *dialog) {
        dialog->findChild<QCheckBox *>("taxOne")->setChecked(false);
        dialog->findChild<QCheckBox *>("taxTwo")->setChecked(false);
        for (const char *name : { "letterX", "digit1", "digit.", "digit5", "digit0", "digit0" })
            test::clickNamed(dialog, name);
        total = dialog->findChild<QLineEdit *>("total")->text().toStdString();
        test::clickNamed(dialog, "add");
    });
    till.screen->saleButton(Command::NonInventorySale)->click();
    EXPECT_EQ(total, "1.50"); // the third decimal is refused as typed
    EXPECT_EQ(till.list().back(), "X  1.50");

    test::whenModalOpens<NonInventoryDialog>(
        [&](NonInventoryDialog *dialog) { test::clickNamed(dialog, "cancel"); });
    till.screen->saleButton(Command::NonInventorySale)->click();
    EXPECT_EQ(till.basket->lineCount, 2);
}

TEST(SaleScreen, ACommandThatLeavesTheSaleEmptiesTheBasketWithCustomerAndNote)
{
    SaleTill till;
    int reports = 0;
    till.window->registerCommand(Command::SalesReport, [&] { ++reports; });
    till.type("1001");
    till.enter();
    till.window->runCommand(Command::SalesReport);
    EXPECT_EQ(reports, 1);
    EXPECT_EQ(till.basket->lineCount, 0);
    EXPECT_TRUE(till.list().empty());

    // A note given before any line goes with the abandoned sale too.
    till.messages.textReplies.push_back(std::string("GIFT WRAP"));
    till.window->runCommand(Command::AddNote);
    EXPECT_EQ(till.messages.lastText(), "Added");
    EXPECT_STREQ(till.basket->transactionNote, "GIFT WRAP");
    till.window->runCommand(Command::SalesReport);
    EXPECT_STREQ(till.basket->transactionNote, "");
}

TEST(SaleScreen, WhileATenderBoxIsOpenKeypadDigitsGoThereAndBasketCommandsWait)
{
    SaleTill till;
    QLineEdit tendered;
    till.window->setTenderAmountBox(&tendered);
    till.press("4");
    till.press("2");
    EXPECT_EQ(tendered.text(), "42");
    EXPECT_EQ(till.box(), "");
    till.press("CE");
    EXPECT_EQ(tendered.text(), "4");
    for (int i = 0; i < 25; ++i)
        till.press("9");
    EXPECT_EQ(tendered.text().size(), 19);
    till.press("CA");
    EXPECT_EQ(tendered.text(), "");

    till.press("7");
    till.type("1001");
    till.screen->saleButton(Command::AddItem)->click();
    EXPECT_EQ(till.basket->lineCount, 0);
    till.window->setTenderAmountBox(nullptr);
    till.screen->saleButton(Command::AddItem)->click();
    EXPECT_EQ(till.basket->lineCount, 1);
}

TEST(SaleScreen, AssociateCustomerByNumberAndByNameFromTheList)
{
    SaleTill till;
    for (auto [number, name] :
        { std::pair { int64_t { 7 }, "JONES" }, std::pair { int64_t { 9 }, "JOHNSON" } }) {
        std::string bytes = customerBytes(number, name);
        putField(bytes, 38, "HIGH STREET");
        CustomerRecord record;
        std::memcpy(&record, bytes.data(), sizeof record);
        ScriptedMessages quiet;
        ASSERT_TRUE(till.state.customers.insert(record, quiet).has_value()) << quiet.lastText();
    }
    till.messages.textReplies.push_back(std::string("9"));
    till.window->runCommand(Command::AssociateCustomer);
    EXPECT_EQ(till.basket->customerNumber, 9);
    EXPECT_EQ(till.messages.lastCaption(), "Customer associated");

    std::vector<std::string> offered;
    test::whenModalOpens<CustomerPickDialog>([&](CustomerPickDialog *dialog) {
        for (int row = 0; row < dialog->list()->count(); ++row)
            offered.push_back(dialog->list()->item(row)->text().toStdString());
        dialog->list()->setCurrentRow(0);
        test::clickNamed(dialog, "ok");
    });
    till.messages.textReplies.push_back(std::string("JO"));
    till.window->runCommand(Command::AssociateCustomer);
    EXPECT_EQ(
        offered, (std::vector<std::string> { "7 JONES,  HIGH STREET", "9 JOHNSON,  HIGH STREET" }));
    EXPECT_EQ(till.basket->customerNumber, 7);
    EXPECT_EQ(till.messages.lastText(), "JONES");
}

TEST(SaleScreen, AWholeSaleByKeypadAndEnterPaidInCashIsArchivedAndTakesTheStock)
{
    const LocalTime saleTime { 2026, 3, 5, 10, 20, 0 };
    setFixedLocalTime(saleTime);
    SaleTill till;
    ASSERT_TRUE(ensureArchiveFolders(till.state.dir, saleTime));
    test::RecordingSaleDevices devices;
    connectPaymentCommands(
        *till.window, till.state, *till.basket, till.screen->itemEntry(), till.messages, devices);
    till.screen->refreshButtons();
    EXPECT_TRUE(till.screen->saleButton(Command::PayCash)->isEnabled());
    const int transaction = static_cast<int>(till.state.config.get(cfg::nextTransactionNumber));

    for (const char *key : { "1", "0", "0", "1" })
        till.press(key);
    till.enter();
    for (const char *key : { "1", "0", "0", "2" })
        till.press(key);
    till.enter();
    till.press("1");
    till.press("0");
    till.press("0");
    till.press("1");
    till.screen->saleButton(Command::AddItem)->click();
    ASSERT_EQ(till.basket->lineCount, 3); // 12.00 + 2.50 + 12.00

    QTest::keyClick(till.screen->itemBox(), Qt::Key_F5);
    auto *tendered = qobject_cast<QLineEdit *>(till.window->tenderAmountBox());
    ASSERT_NE(tendered, nullptr);
    // A second press opens no second box; digits go to the tendered amount.
    till.screen->saleButton(Command::PayCash)->click();
    EXPECT_EQ(till.window->tenderAmountBox(), tendered);
    for (const char *key : { "3", "0", "0", "0", "0" })
        till.press(key);
    EXPECT_EQ(tendered->text(), "30000");
    till.press("CE");
    EXPECT_EQ(tendered->text(), "3000");
    EXPECT_EQ(till.box(), "");
    ASSERT_TRUE(test::clickNamed(tendered->window(), "ok"));

    EXPECT_EQ(till.window->tenderAmountBox(), nullptr);
    EXPECT_EQ(till.basket->lineCount, 0);
    EXPECT_TRUE(till.list().empty());
    EXPECT_EQ(
        till.screen->totalsCaptions().toStdString(), cformat("Transaction: %d", transaction + 1));

    // The archive read back at its documented offsets.
    const std::string sales = readBytes(till.folder.file("2026/3/5/saleslog.dat"));
    const std::string items = readBytes(till.folder.file("2026/3/5/itemslog.dat"));
    ASSERT_EQ(sales.size(), 950u);
    ASSERT_EQ(items.size(), 3 * 104u);
    EXPECT_EQ(getI64(sales, 0), transaction);
    EXPECT_EQ(getI32(sales, 28), 3);
    EXPECT_FLOAT_EQ(getF32(sales, 32), 2.50f); // non-taxable
    EXPECT_FLOAT_EQ(getF32(sales, 36), 20.00f); // taxable
    EXPECT_FLOAT_EQ(getF32(sales, 44), 4.00f); // tax 1
    EXPECT_FLOAT_EQ(getF32(sales, 56), 26.50f); // total
    EXPECT_FLOAT_EQ(getF32(sales, 88), 26.50f); // cash part
    EXPECT_EQ(getText(sales, 354, 40), "Cash");
    const int64_t numbers[3] = { 1001, 1002, 1001 };
    const float totals[3] = { 12.00f, 2.50f, 12.00f };
    for (size_t line = 0; line < 3; ++line) {
        const std::string record = items.substr(line * 104, 104);
        EXPECT_EQ(getI64(record, 0), transaction);
        EXPECT_EQ(getI64(record, 24), numbers[line]);
        EXPECT_FLOAT_EQ(getF32(record, 96), totals[line]);
    }
    // Stock at film.dat offset 670 of each item's slot.
    const std::string film = readBytes(till.folder.file("film.dat"));
    auto quantityOf = [&](int64_t number) {
        const size_t slot = static_cast<size_t>(*till.state.items.slotOf(number));
        return getI32(film, slot * 1874 + 670);
    };
    EXPECT_EQ(quantityOf(1001), 98);
    EXPECT_EQ(quantityOf(1002), 99);
    setFixedLocalTime(std::nullopt);
}

TEST(SaleScreen, TheDrawerButtonOpensTheDrawerWhateverItsUseSetting)
{
    SaleTill till;
    test::PseudoTerminal port;
    ASSERT_TRUE(port.ready());
    test::writeBytes(till.folder.file("ports.cfg"), "COM2=" + port.slavePath() + "\n");
    till.state.config.set(cfg::drawerInUse, 0);
    till.state.config.set(cfg::drawerMode, 0);
    till.state.config.set(cfg::drawerPort, 1);
    till.state.config.set(cfg::drawerOpenCharacter, 7);
    till.state.config.set(cfg::drawerRepeat, 2);

    till.screen->saleButton(Command::OpenDrawer)->click();
    EXPECT_EQ(port.readAll(), std::string("\x07\x07"));
    EXPECT_TRUE(till.messages.shown.empty()) << till.messages.lastText();
}
