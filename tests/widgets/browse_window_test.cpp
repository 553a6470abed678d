// The browse window of the screen lists offscreen: its buttons as the pages
// fill, More and Back, the close when More finds nothing, and what a click on
// a row's number opens.

#include "platform/scripted_messages.h"
#include "reports/browse_shop.h"
#include "reports/logic/browse_lists.h"
#include "reports/widgets/browse_commands.h"
#include "reports/widgets/browse_window.h"
#include "reports/widgets/closeout_commands.h"
#include "reports/widgets/figures_dialog.h"
#include "sales/logic/till_state.h"
#include "sales/widgets/till_window.h"
#include "widgets/modal_dialogs.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <map>
#include <vector>

using namespace ovix;
using namespace ovix::test;

namespace {

class CommandWindow : public TillWindow {
public:
    void registerCommand(Command command, std::function<void()> work) override
    {
        work_[command] = std::move(work);
    }
    QWidget *widget() override
    {
        return &parent_;
    }
    void setTenderAmountBox(QWidget *) override { }
    void focusItemBox() override { }
    void run(Command command)
    {
        work_.at(command)();
    }
    bool built(Command command) const
    {
        return work_.count(command) != 0;
    }

private:
    QWidget parent_;
    std::map<Command, std::function<void()>> work_;
};

// Which buttons show: More, Back, OK, Cancel.
std::vector<bool> buttons(const BrowseWindow &window)
{
    return { window.moreButton()->isVisibleTo(&window), window.backButton()->isVisibleTo(&window),
        window.okButton()->isVisibleTo(&window), window.cancelButton()->isVisibleTo(&window) };
}

std::string text(QLabel *label)
{
    return label->text().toStdString();
}

} // namespace

TEST(BrowseWindow, ButtonsFollowThePagesAndMoreClosesWhenNothingFollows)
{
    BrowseShop shop(numberedItems(1, 27));
    BrowseList list = itemsFromNumber(shop.shop, 1, true);
    ASSERT_TRUE(list.open(shop.messages));
    BrowseWindow window(std::move(list), shop.messages, {});
    window.show();
    EXPECT_EQ(window.windowTitle().toStdString(), "Inventory list");
    EXPECT_EQ(buttons(window), (std::vector<bool> { true, false, false, false }));
    EXPECT_EQ(window.focusWidget(), window.moreButton());
    EXPECT_EQ(text(window.numberLabel(0)), "1");
    EXPECT_EQ(text(window.cell(0, 1)), "ITEM 1");
    EXPECT_EQ(text(window.cell(0, 2)), "0");
    EXPECT_EQ(text(window.cell(0, 3)), "1.00, 2.00");

    window.moreButton()->click();
    EXPECT_EQ(text(window.numberLabel(0)), "14");
    EXPECT_EQ(buttons(window), (std::vector<bool> { true, true, false, false }));
    window.moreButton()->click();
    EXPECT_EQ(text(window.numberLabel(0)), "27");
    EXPECT_TRUE(window.numberLabel(1)->text().isEmpty());
    EXPECT_EQ(buttons(window), (std::vector<bool> { false, true, true, false }));
    EXPECT_EQ(window.focusWidget(), window.okButton());

    window.backButton()->click();
    EXPECT_EQ(text(window.numberLabel(0)), "14");
    window.backButton()->click();
    EXPECT_EQ(text(window.numberLabel(0)), "1");
    EXPECT_EQ(buttons(window), (std::vector<bool> { true, false, false, false }));

    // Exactly thirteen rows: More finds nothing and the window closes.
    BrowseShop thirteen(numberedItems(1, 13));
    BrowseList full = itemsFromNumber(thirteen.shop, 1, true);
    ASSERT_TRUE(full.open(thirteen.messages));
    BrowseWindow closing(std::move(full), thirteen.messages, {});
    closing.show();
    closing.moreButton()->click();
    EXPECT_FALSE(closing.isVisible());
    EXPECT_EQ(closing.result(), QDialog::Accepted);
}

TEST(BrowseWindow, TheCustomerWindowOffersCancelBesideMore)
{
    std::string members;
    for (int n = 1; n <= 13; ++n)
        members += browseCustomerBytes(n, "NAME", "ROAD", "TEL");
    BrowseShop shop("", members);
    BrowseList list = customersFromNumber(shop.shop, 1);
    ASSERT_TRUE(list.open(shop.messages));
    BrowseWindow window(std::move(list), shop.messages, {});
    EXPECT_EQ(buttons(window), (std::vector<bool> { true, false, false, true }));
    window.show();
    window.cancelButton()->click();
    EXPECT_EQ(window.result(), QDialog::Rejected);
}

TEST(BrowseWindow, AClickOnANumberOnFileOpensItsItemOrCustomerAndSuppliersDoNothing)
{
    std::string f2;
    for (int64_t number : { 5, 6, 999 }) {
        std::string record(110, '\0');
        putI64(record, 0, number);
        f2 += record;
    }
    BrowseShop shop(numberedItems(5, 2), browseCustomerBytes(5, "CUSTOMER FIVE"),
        browseSupplierBytes(5, "SUPPLIER FIVE", 0, 0, 0));
    writeBytes(shop.folder.file("f2.dat"), f2);
    std::vector<std::pair<char, int64_t>> opened;
    BrowseHooks hooks;
    hooks.showItem = [&opened](QWidget *, int64_t number) { opened.emplace_back('i', number); };
    hooks.showCustomer = [&opened](QWidget *, int64_t number) { opened.emplace_back('c', number); };

    struct Case {
        const char *name;
        BrowseList list;
        size_t row;
        std::vector<std::pair<char, int64_t>> opens;
    };
    Case cases[] = {
        { "an item", itemsFromNumber(shop.shop, 1, true), 1, { { 'i', 6 } } },
        { "an f2.dat line on file", itemListFile(shop.shop.dir, "F2"), 0, { { 'i', 5 } } },
        { "an f2.dat line not on file", itemListFile(shop.shop.dir, "F2"), 2, {} },
        { "a customer", customersFromNumber(shop.shop, 1), 0, { { 'c', 5 } } },
        { "a supplier", supplierList(shop.shop), 0, {} },
    };
    for (Case &c : cases) {
        opened.clear();
        test::whenModalOpens<BrowseWindow>([&c](BrowseWindow *window) {
            QTest::mouseClick(window->numberLabel(c.row), Qt::LeftButton);
            EXPECT_TRUE(window->isVisible()) << c.name;
            window->accept();
        });
        showBrowseList(nullptr, shop.shop, std::move(c.list), shop.messages, hooks);
        EXPECT_EQ(opened, c.opens) << c.name;
    }
}

TEST(BrowseWindow, CommandsAskFirstAndTheAlphabeticalCustomersWaitForTheirBuilder)
{
    BrowseShop shop(numberedItems(1, 2));
    TillState state(shop.folder.path());
    ScriptedMessages quiet;
    ASSERT_TRUE(state.items.load(quiet));
    ASSERT_TRUE(state.customers.load(quiet));
    CommandWindow window;
    connectCustomerListCommands(window, state, shop.messages, {}, {});
    EXPECT_FALSE(window.built(Command::CustomerListAlphabetically));
    connectCustomerListCommands(window, state, shop.messages, {}, [](QWidget *) { return false; });
    EXPECT_TRUE(window.built(Command::CustomerListAlphabetically));
    window.run(Command::CustomerListAlphabetically);
    EXPECT_TRUE(shop.messages.shown.empty()) << "nothing is shown when m2.dat was not built";

    // List from number with 0: nothing is shown after the prompt.
    connectInventoryListCommands(window, state, shop.messages, {});
    shop.messages.textReplies = { "0" };
    window.run(Command::InventoryListFromNumber);
    ASSERT_EQ(shop.messages.shown.size(), 1u);
    EXPECT_EQ(shop.messages.shown[0].text, "List from number:");

    // Customers with nothing to list say so.
    shop.messages.textReplies = { "1" };
    window.run(Command::CustomerListFromNumber);
    EXPECT_EQ(shop.messages.lastText(), "No items on record.");
}

TEST(BrowseWindow, AnItemChosenInTheRetailBelowCostListOpens)
{
    std::string film = browseItemBytes({ .number = 3, .description = "LOSS", .cost = 2, .retail = 1 })
        + browseItemBytes({ .number = 4, .description = "GAIN", .cost = 1, .retail = 2 })
        + browseItemBytes({ .number = 8, .description = "LOSS TOO", .cost = 5, .retail = 4 });
    BrowseShop shop(film);
    TillState state(shop.folder.path());
    ScriptedMessages quiet;
    ASSERT_TRUE(state.items.load(quiet));
    CommandWindow window;
    std::vector<int64_t> opened;
    connectCloseoutCommands(window, state, shop.messages, {},
        [&opened](QWidget *, int64_t number) { opened.push_back(number); });
    test::whenModalOpens<FiguresDialog>([](FiguresDialog *dialog) {
        dialog->list()->setCurrentItem(dialog->list()->topLevelItem(1));
        for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
            if (button->text() == "OK")
                button->click();
        }
    });
    window.run(Command::RetailLessThanCost);
    EXPECT_EQ(opened, (std::vector<int64_t> { 8 }));
}
