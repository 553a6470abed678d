// The list commands as the till runs them, from the menu command to the
// printout: the alphabetical inventory list through f2.dat, the customer list
// from a number, the supplier list and a stock list's window, each shown in
// the print preview and printed to a PDF file (no printer here).

#include "platform/clock.h"
#include "platform/scripted_messages.h"
#include "reports/widgets/customer_print_commands.h"
#include "reports/widgets/inventory_print_commands.h"
#include "reports/widgets/listing_dialogs.h"
#include "reports/widgets/stock_list_commands.h"
#include "reports/widgets/stock_list_dialog.h"
#include "reports/widgets/supplier_print_command.h"
#include "sales/widgets/till_window.h"
#include "store/fixed_text.h"
#include "till/sale_fixture.h"
#include "widgets/modal_dialogs.h"
#include "widgets/test_helpers.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPrintPreviewDialog>
#include <gtest/gtest.h>

#include <map>

using namespace ovix;
using namespace ovix::test;

namespace {

// A window that keeps what is connected to it, to run it.
class CommandWindow : public TillWindow {
public:
    void registerCommand(Command command, std::function<void()> work) override
    {
        commands[command] = std::move(work);
    }
    QWidget *widget() override
    {
        return nullptr;
    }
    void setTenderAmountBox(QWidget *) override
    {
    }
    void focusItemBox() override
    {
    }

    std::map<Command, std::function<void()>> commands;
};

class ListCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        setFixedLocalTime(kSaleTime);
        shop.addItem({ 12, "TEA BAGS", 1, 1.99f, 0.80f });
        shop.addItem({ 14, "BREAD", 0, 1.25f, 0.50f });
        shop.addCustomer(21, "ANN ABLE", 10.0f);
        connectInventoryPrintCommands(window, shop.state, messages);
        connectCustomerPrintCommands(window, shop.state, messages);
        connectSupplierPrintCommand(window, shop.state, messages);
        connectStockListCommands(window, shop.state, messages);
    }
    void TearDown() override
    {
        setFixedLocalTime(std::nullopt);
    }

    // Runs `command`, prints from the preview, and gives the new printout's text.
    std::string printed(Command command)
    {
        const QStringList before = printouts();
        whenModalOpens<QPrintPreviewDialog>(
            [](QPrintPreviewDialog *preview) { EXPECT_TRUE(clickNamed(preview, "previewPrint")); });
        window.commands.at(command)();
        QStringList after = printouts();
        for (const QString &old : before)
            after.removeAll(old);
        if (after.size() != 1)
            return "";
        return pdfText(shop.temp.file("printouts/" + after.front().toStdString()));
    }
    QStringList printouts() const
    {
        return QDir(QString::fromStdString(shop.temp.file("printouts")))
            .entryList({ QStringLiteral("*.pdf") });
    }

    SaleShop shop;
    ScriptedMessages messages;
    CommandWindow window;
};

} // namespace

TEST_F(ListCommands, InventoryAlphabeticallyWritesF2AndPrintsIt)
{
    messages.textReplies = { "a", "z" };
    const std::string text = printed(Command::InventoryPrintAlphabetically);
    EXPECT_EQ(readBytes(shop.temp.file("f2.dat")).size(), 2 * 110u);
    const size_t bread = text.find("BREAD");
    const size_t tea = text.find("TEA BAGS");
    ASSERT_NE(bread, std::string::npos) << text;
    ASSERT_NE(tea, std::string::npos) << text;
    EXPECT_LT(bread, tea);
    EXPECT_NE(text.find("Inventory list: March 5 2026"), std::string::npos) << text;
}

TEST_F(ListCommands, CustomersFromANumberThroughThePrintDialog)
{
    whenModalOpens<ListingPrintDialog>([](ListingPrintDialog *dialog) {
        EXPECT_EQ(dialog->toBox()->text(), "21");
        clickNamed(dialog, "ok");
    });
    const std::string text = printed(Command::CustomerPrintFromNumber);
    EXPECT_NE(text.find("ANN ABLE"), std::string::npos) << text;
    EXPECT_NE(text.find("10.00 Tel:"), std::string::npos) << text;
}

TEST_F(ListCommands, SuppliersWithoutAnyAreReported)
{
    messages.textReplies = { "1" };
    window.commands.at(Command::SupplierPrint)();
    EXPECT_EQ(messages.lastText(), "No items in range.");
    EXPECT_TRUE(printouts().empty());
}

TEST_F(ListCommands, AStockListPrintsFromItsWindow)
{
    bool shown = false;
    whenModalOpens<StockListDialog>([&](StockListDialog *dialog) {
        shown = dialog->list()->count() == 2
            && dialog->list()->item(1)->text() == "14, BREAD, 0,0,0, ";
        const QStringList before = printouts();
        whenModalOpens<QPrintPreviewDialog>(
            [](QPrintPreviewDialog *preview) { EXPECT_TRUE(clickNamed(preview, "previewPrint")); });
        clickNamed(dialog, "print");
        EXPECT_EQ(printouts().size(), before.size() + 1);
        clickNamed(dialog, "ok");
    });
    window.commands.at(Command::OutOfStock)();
    EXPECT_TRUE(shown);
}
