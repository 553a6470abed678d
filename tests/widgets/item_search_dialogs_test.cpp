// The item search boxes driven through their own widgets offscreen: the
// "FIND INVENTORY" steps, the "Please select" list, "Advanced search", the
// Inventory popup's search commands with the item view they open, the
// description search behind Amend's and Delete's prompts, and the till's find
// on an Enter in the empty item box, which rings up the item chosen.

#include "inventory/logic/item_find.h"
#include "inventory/widgets/advanced_search_dialog.h"
#include "inventory/widgets/find_inventory_dialog.h"
#include "inventory/widgets/item_dialog.h"
#include "inventory/widgets/item_list_dialog.h"
#include "inventory/widgets/item_search_screens.h"
#include "inventory/widgets/item_view_dialog.h"
#include "inventory/widgets/till_search_dialog.h"
#include "platform/scripted_messages.h"
#include "reports/widgets/browse_window.h"
#include "sales/logic/basket.h"
#include "sales/logic/till_state.h"
#include "store/till_config.h"
#include "store/user_control.h"
#include "support/recording_sale_devices.h"
#include "till/item_entry_fixture.h"
#include "till/widgets/main_window.h"
#include "till/widgets/menu_wiring.h"
#include "till/widgets/sale_screen.h"
#include "widgets/modal_dialogs.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

using namespace ovix;
using ovix::test::ItemBytes;

namespace {

// The till's window, wired whole, and sale screen over a fresh data set
// holding 1001 WIDGET (SKU 1 "ABC123"), 1002 GADGET, 1003 GARDEN WIDGET
// (SKU 4 "GW-9").
struct SearchTill {
    test::TempDir folder;
    TillState state { folder.path() };
    ScriptedMessages messages;
    test::RecordingSaleDevices devices;
    std::unique_ptr<Basket> basket = std::make_unique<Basket>();
    std::unique_ptr<Basket> saved = std::make_unique<Basket>();
    std::unique_ptr<MainWindow> window;
    SaleScreen *screen = nullptr;

    SearchTill()
    {
        ScriptedMessages quiet;
        EXPECT_TRUE(createDataSet(state.dir, LocalTime { 2026, 3, 5, 10, 20, 0 }, "$", quiet));
        EXPECT_TRUE(loadTillConfig(state.dir, state.config, quiet));
        EXPECT_TRUE(state.items.load(quiet));
        EXPECT_TRUE(state.customers.load(quiet));
        state.config.set(cfg::currentClerk, 2);
        state.config.set(cfg::skuOneEntry, 0);
        state.config.set(cfg::itemSearchAsList, 0);
        state.config.set(cfg::tillSearchWithin, 0);
        add(ItemBytes(1001, "WIDGET", 10.00f).sku1("ABC123").cost(4.5f));
        add(ItemBytes(1002, "GADGET", 2.50f).tax(0));
        ItemBytes garden(1003, "GARDEN WIDGET", 7.25f);
        test::putField(garden.bytes, 210, "GW-9");
        add(garden);
        window = std::make_unique<MainWindow>(state, messages);
        screen = new SaleScreen(*window, state, *basket, *saved, messages);
        connectTillCommands(*window, *screen, state, *basket, messages, devices);
    }

    void add(const ItemBytes &item)
    {
        ItemRecord record;
        std::memcpy(&record, item.bytes.data(), sizeof record);
        ScriptedMessages quiet;
        ASSERT_TRUE(state.items.insert(record, quiet).has_value()) << quiet.lastText();
    }
    void enterInEmptyBox()
    {
        QTest::keyClick(screen->itemBox(), Qt::Key_Return);
    }
    std::vector<int64_t> basketNumbers() const
    {
        std::vector<int64_t> numbers;
        for (int line = 0; line < basket->lineCount; ++line)
            numbers.push_back(basket->lineItemNumber[line]);
        return numbers;
    }
};

} // namespace

TEST(ItemSearchDialogs, FindInventoryShowsTheItemAndNextPastTheLastEndsTheSearch)
{
    SearchTill till;
    till.state.config.set(cfg::currentClerk, 5); // restricted
    till.state.config.set(cfg::userControl, static_cast<size_t>(UserControlItem::HideCostPrice), 2);
    std::vector<std::string> shown;
    std::string cost;
    test::whenModalOpens<FindInventoryDialog>([&](FindInventoryDialog *first) {
        shown.push_back(first->field("description")->text().toStdString());
        EXPECT_EQ(first->windowTitle(), "FIND INVENTORY");
        EXPECT_EQ(first->field("number")->text(), "1001");
        EXPECT_EQ(first->field("sku1")->text(), "ABC123");
        EXPECT_EQ(first->field("price")->text(), "10.00");
        EXPECT_EQ(first->field("stock")->text(), "100");
        EXPECT_EQ(first->field("tax")->text(), "Tax 1 and 2");
        EXPECT_TRUE(first->field("description")->isReadOnly());
        cost = first->field("cost")->text().toStdString();
        test::clickNamed(first, "next");
    });
    till.messages.textReplies = { "w" }; // W?: WIDGET alone
    const int64_t number = findByDescription(
        till.state, till.messages, itemSearchScreens(till.window.get(), till.state));
    EXPECT_EQ(shown, (std::vector<std::string> { "WIDGET" }));
    EXPECT_EQ(number, 0); // the only match was passed over with Next
    EXPECT_EQ(cost, ""); // hidden from this clerk
    EXPECT_EQ(till.messages.lastText(), "No match found");
}

TEST(ItemSearchDialogs, OkInFindInventoryTakesTheSecondMatch)
{
    SearchTill till;
    std::vector<std::string> shown;
    std::string cost;
    test::whenModalOpens<FindInventoryDialog>([&](FindInventoryDialog *first) {
        shown.push_back(first->field("description")->text().toStdString());
        cost = first->field("cost")->text().toStdString();
        test::whenModalOpens<FindInventoryDialog>(
            [&](FindInventoryDialog *second) {
                shown.push_back(second->field("description")->text().toStdString());
                test::clickNamed(second, "ok");
            },
            first);
        test::clickNamed(first, "next");
    });
    till.messages.textReplies = { "g?" };
    const int64_t number = findByDescription(
        till.state, till.messages, itemSearchScreens(till.window.get(), till.state));
    EXPECT_EQ(shown, (std::vector<std::string> { "GADGET", "GARDEN WIDGET" }));
    EXPECT_EQ(number, 1003);
    EXPECT_EQ(cost, "0.00"); // clerk 2 sees cost prices
}

TEST(ItemSearchDialogs, TheSelectionListTakesTheChosenLine)
{
    SearchTill till;
    till.state.config.set(cfg::itemSearchAsList, 1);
    std::vector<std::string> lines;
    test::whenModalOpens<ItemListDialog>([&](ItemListDialog *dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Please select");
        for (int row = 0; row < dialog->list()->count(); ++row)
            lines.push_back(dialog->list()->item(row)->text().toStdString());
        dialog->list()->setCurrentRow(1);
        test::clickNamed(dialog, "ok");
    });
    till.messages.textReplies = { "G" };
    const int64_t number = findByDescription(
        till.state, till.messages, itemSearchScreens(till.window.get(), till.state));
    EXPECT_EQ(lines,
        (std::vector<std::string> { "1002, GADGET (100) 2.50", "1003, GARDEN WIDGET (100) 7.25" }));
    EXPECT_EQ(number, 1003);
}

TEST(ItemSearchDialogs, AdvancedSearchTakesCapitalsUpTo39AndTheMatchMode)
{
    std::optional<AdvancedSearch> search;
    test::whenModalOpens<AdvancedSearchDialog>([&](AdvancedSearchDialog *dialog) {
        EXPECT_TRUE(dialog->anyButton()->isChecked());
        QTest::keyClicks(dialog->descriptionBox(), QStringLiteral("widget"));
        QTest::keyClicks(dialog->skuBox(3), QStringLiteral("gw-"));
        QTest::keyClicks(dialog->skuBox(0), QString(45, QLatin1Char('x')));
        EXPECT_EQ(dialog->descriptionBox()->text(), "WIDGET");
        EXPECT_EQ(dialog->skuBox(0)->text().size(), 39);
        dialog->skuBox(0)->clear();
        dialog->allButton()->click();
        test::clickNamed(dialog, "ok");
    });
    search = askAdvancedSearch(nullptr);
    ASSERT_TRUE(search);
    EXPECT_EQ(search->description, "WIDGET");
    EXPECT_EQ(search->skus[3], "GW-");
    EXPECT_EQ(search->skus[0], "");
    EXPECT_TRUE(search->matchAll);

    test::whenModalOpens<AdvancedSearchDialog>(
        [](AdvancedSearchDialog *dialog) { test::clickNamed(dialog, "cancel"); });
    EXPECT_FALSE(askAdvancedSearch(nullptr));
}

// Notes the number and description the item view shows, then closes it.
struct ViewedItems {
    std::vector<std::pair<int64_t, std::string>> seen;

    void expectView()
    {
        test::whenModalOpens<ItemViewDialog>([this](ItemViewDialog *view) {
            seen.emplace_back(
                view->shownNumber(), view->valueBox("Description")->text().toStdString());
            test::clickNamed(view, "ok");
        });
    }
};

TEST(ItemSearchDialogs, TheInventoryCommandsShowWhatTheyFindInTheItemView)
{
    SearchTill till;
    ViewedItems viewed;

    // Find advanced: WIDGET in the description and GW- in any SKU, all of
    // them; Cancel selects without viewing.
    test::whenModalOpens<AdvancedSearchDialog>([](AdvancedSearchDialog *dialog) {
        QTest::keyClicks(dialog->descriptionBox(), QStringLiteral("widget"));
        QTest::keyClicks(dialog->skuBox(0), QStringLiteral("gw-"));
        dialog->allButton()->click();
        test::clickNamed(dialog, "ok");
    });
    till.messages.answers = { Answer::Cancel };
    till.window->runCommand(Command::InventoryFindAdvanced);
    ASSERT_FALSE(till.messages.shown.empty());
    EXPECT_EQ(till.messages.shown.back().text, "1003, GARDEN WIDGET");
    EXPECT_EQ(till.messages.shown.back().caption, "Search: No to continue");
    EXPECT_TRUE(viewed.seen.empty());

    // Find by number: the item view opens on it.
    till.messages.shown.clear();
    till.messages.textReplies = { "1002" };
    viewed.expectView();
    till.window->runCommand(Command::InventoryFind);
    ASSERT_EQ(till.messages.shown.size(), 1u);
    EXPECT_EQ(till.messages.shown[0].text, kFindPrompt);

    // Find that contain, No then Yes: the second match is viewed.
    till.messages.textReplies = { "widget" };
    till.messages.answers = { Answer::No, Answer::Yes };
    viewed.expectView();
    till.window->runCommand(Command::InventoryFindThatContain);

    // Find in SKUs: the items whose SKUs hold "gw" in the browse window;
    // clicking the number opens the view.
    till.messages.textReplies = { "gw" };
    test::whenModalOpens<BrowseWindow>([&viewed](BrowseWindow *list) {
        EXPECT_EQ(list->windowTitle().toStdString(), "Inventory list by format");
        EXPECT_EQ(list->numberLabel(0)->text().toStdString(), "1003");
        EXPECT_TRUE(list->numberLabel(1)->text().isEmpty());
        viewed.expectView();
        QTest::mouseClick(list->numberLabel(0), Qt::LeftButton);
        test::clickNamed(list, "ok");
    });
    till.window->runCommand(Command::InventoryFindInSkus);

    // Find with a list choice: viewed; an item number that is not on file
    // finds nothing and opens no view.
    till.state.config.set(cfg::itemSearchAsList, 1);
    till.messages.textReplies = { "gad" };
    test::whenModalOpens<ItemListDialog>([](ItemListDialog *dialog) {
        dialog->list()->setCurrentRow(0);
        test::clickNamed(dialog, "ok");
    });
    viewed.expectView();
    till.window->runCommand(Command::InventoryFind);

    EXPECT_EQ(viewed.seen,
        (std::vector<std::pair<int64_t, std::string>> { { 1002, "GADGET" },
            { 1003, "GARDEN WIDGET" }, { 1003, "GARDEN WIDGET" }, { 1002, "GADGET" } }));

    till.messages.textReplies = { "1004" };
    till.window->runCommand(Command::InventoryFind);
    EXPECT_EQ(till.messages.lastText(), "No match found");

    // film.dat cut short inside 1003's record: the number is on the index
    // but the record cannot be read, which is said, and no view opens.
    const int64_t slot = *till.state.items.slotOf(1003);
    std::filesystem::resize_file(
        till.state.items.filePath(), static_cast<uintmax_t>(slot) * kItemRecordSize + 100);
    till.messages.textReplies = { "1003" };
    till.window->runCommand(Command::InventoryFind);
    EXPECT_EQ(till.messages.lastText(), "Not able to read film.dat");
    EXPECT_EQ(viewed.seen.size(), 4u);
}

TEST(ItemSearchDialogs, TextAtTheAmendAndDeletePromptsRunsTheDescriptionSearch)
{
    SearchTill till;
    // Amend "gar": FIND INVENTORY shows GARDEN WIDGET, whose OK opens it in
    // "Amend inventory".
    std::string stepShown;
    std::string amendNumber;
    std::string amendTitle;
    test::whenModalOpens<FindInventoryDialog>([&](FindInventoryDialog *step) {
        stepShown = step->field("description")->text().toStdString();
        test::whenModalOpens<ItemDialog>([&](ItemDialog *dialog) {
            amendTitle = dialog->windowTitle().toStdString();
            amendNumber = dialog->findChild<QLineEdit *>("number")->text().toStdString();
            test::clickNamed(dialog, "cancel");
        });
        test::clickNamed(step, "ok");
    });
    till.messages.textReplies = { "gar" };
    till.window->runCommand(Command::InventoryAmend);
    EXPECT_EQ(stepShown, "GARDEN WIDGET");
    EXPECT_EQ(amendTitle, "Amend inventory");
    EXPECT_EQ(amendNumber, "1003");

    // Cancel in FIND INVENTORY ends Amend with no item dialog.
    test::whenModalOpens<FindInventoryDialog>(
        [](FindInventoryDialog *step) { test::clickNamed(step, "cancel"); });
    till.messages.textReplies = { "gad" };
    till.window->runCommand(Command::InventoryAmend);

    // Delete "g" from the list: the chosen item, confirmed, is gone.
    till.state.config.set(cfg::itemSearchAsList, 1);
    test::whenModalOpens<ItemListDialog>([](ItemListDialog *dialog) {
        dialog->list()->setCurrentRow(0);
        test::clickNamed(dialog, "ok");
    });
    till.messages.textReplies = { "g" };
    till.messages.answers = { Answer::Ok };
    till.window->runCommand(Command::InventoryDelete);
    EXPECT_EQ(till.messages.lastText(), "Are you sure?");
    EXPECT_FALSE(till.state.items.slotOf(1002));
    EXPECT_TRUE(till.state.items.slotOf(1003));
}

TEST(ItemSearchDialogs, AnEnterInTheEmptyItemBoxFindsTheItemAndRingsItUp)
{
    SearchTill till;
    // Initial characters: the box opens, the clerk types, FIND INVENTORY's OK
    // takes the first match.
    test::whenModalOpens<TillSearchDialog>([](TillSearchDialog *dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Item description search");
        EXPECT_TRUE(dialog->initialButton()->isChecked());
        QTest::keyClicks(dialog->textBox(), QStringLiteral("gad"));
        test::whenModalOpens<FindInventoryDialog>(
            [](FindInventoryDialog *find) { test::clickNamed(find, "ok"); });
        test::clickNamed(dialog, "ok");
    });
    till.enterInEmptyBox();
    EXPECT_EQ(till.basketNumbers(), (std::vector<int64_t> { 1002 }));

    // Within the description, kept as default: the offers' Yes rings it up.
    test::whenModalOpens<TillSearchDialog>([](TillSearchDialog *dialog) {
        QTest::keyClicks(dialog->textBox(), QStringLiteral("widget"));
        dialog->withinButton()->click();
        dialog->keepBox()->setChecked(true);
        test::clickNamed(dialog, "ok");
    });
    till.messages.answers = { Answer::No, Answer::Yes };
    till.enterInEmptyBox();
    EXPECT_EQ(till.basketNumbers(), (std::vector<int64_t> { 1002, 1003 }));
    EXPECT_EQ(till.state.config.get(cfg::tillSearchWithin), 2);

    // The "Add item" button on an empty box opens the same find, now preset
    // to "Within the description"; Cancel on an offer rings nothing up.
    bool within = false;
    test::whenModalOpens<TillSearchDialog>([&](TillSearchDialog *dialog) {
        within = dialog->withinButton()->isChecked();
        QTest::keyClicks(dialog->textBox(), QStringLiteral("widget"));
        test::clickNamed(dialog, "ok");
    });
    till.messages.answers = { Answer::Cancel };
    till.screen->saleButton(Command::AddItem)->click();
    EXPECT_TRUE(within);
    EXPECT_EQ(till.basket->lineCount, 2);
    EXPECT_TRUE(till.screen->itemBox()->toPlainText().isEmpty());
}

TEST(ItemSearchDialogs, InBarcodeModeTheEmptyEnterFindsInSkuOne)
{
    SearchTill till;
    till.state.config.set(cfg::skuOneEntry, 2);
    till.messages.textReplies = { "abc" };
    till.messages.answers = { Answer::Yes };
    till.enterInEmptyBox();
    EXPECT_EQ(till.messages.shown.front().text, kSkuOnePrompt);
    EXPECT_EQ(till.basketNumbers(), (std::vector<int64_t> { 1001 }));
}
