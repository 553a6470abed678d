// Suppliers, bundles and stock receiving driven offscreen through their real
// dialogs from the menu commands: a supplier added, amended, found and
// deleted; a bundle made with Select and Remove; goods booked in by number
// with Next and by SKU 1; and the received report for a period.

#include "inventory/widgets/bundle_dialog.h"
#include "inventory/widgets/inventory_commands.h"
#include "inventory/widgets/receive_dialog.h"
#include "inventory/widgets/received_report_commands.h"
#include "inventory/widgets/received_report_dialogs.h"
#include "inventory/widgets/supplier_commands.h"
#include "inventory/widgets/supplier_dialog.h"
#include "platform/sounds.h"
#include "till/sale_fixture.h"
#include "till/widgets/main_window.h"
#include "widgets/modal_dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

using namespace ovix;
using namespace ovix::test;

namespace {

struct StockTill {
    FixedClock clock { kSaleTime };
    FiveLineShop shop;
    ScriptedMessages messages;
    MainWindow window { shop.state, messages };
    std::vector<int> sounds;
    int changed = 0;

    StockTill()
    {
        ScriptedMessages quiet;
        EXPECT_TRUE(shop.state.suppliers.load(quiet));
        InventoryHooks hooks;
        hooks.itemsChanged = [this] { ++changed; };
        hooks.playSound = [this](int sound) { sounds.push_back(sound); };
        connectInventoryCommands(window, shop.state, messages, hooks);
        connectSupplierCommands(window, shop.state, messages);
        connectReceivedReportCommand(window, shop.state, messages);
    }
    std::string mans() const
    {
        return shop.file("mans.dat");
    }
    std::vector<std::string> said()
    {
        std::vector<std::string> out;
        for (const ScriptedMessages::Shown &shown : messages.shown)
            out.push_back(shown.caption + ": " + shown.text);
        messages.shown.clear();
        return out;
    }
};

QLineEdit *box(QWidget *dialog, const char *name)
{
    auto *found = dialog->findChild<QLineEdit *>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

} // namespace

TEST(SupplierDialogs, AddAmendFindAndDeleteGoThroughTheDialog)
{
    StockTill till;
    whenModalOpens<SupplierDialog>([&](SupplierDialog *dialog) {
        EXPECT_EQ(dialog->windowTitle(), "New supplier");
        EXPECT_EQ(dialog->numberBox()->text(), "1");
        EXPECT_EQ(box(dialog, "name")->maxLength(), 40);
        EXPECT_EQ(box(dialog, "postcode")->maxLength(), 8);
        box(dialog, "name")->setText("ACME");
        box(dialog, "email")->setText("sales@acme.example");
        dialog->notesBox()->setPlainText("Deliveries on Tuesdays");
        ASSERT_TRUE(clickNamed(dialog, "ok"));
    });
    till.window.runCommand(Command::SupplierAdd);
    std::string file = till.mans();
    ASSERT_EQ(file.size(), kSupplierBytes);
    EXPECT_EQ(getI64(file, 0), 1);
    EXPECT_EQ(getText(file, 8, 42), "ACME");
    EXPECT_EQ(getText(file, 934, 124), "sales@acme.example");
    EXPECT_EQ(getText(file, 480, 204), "Deliveries on Tuesdays");

    till.messages.textReplies = { std::string("1") };
    whenModalOpens<SupplierDialog>([&](SupplierDialog *dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Amend supplier");
        EXPECT_EQ(box(dialog, "name")->text(), "ACME");
        box(dialog, "town")->setText("YORK");
        ASSERT_TRUE(clickNamed(dialog, "ok"));
    });
    till.window.runCommand(Command::SupplierAmend);
    EXPECT_EQ(getText(till.mans(), 126, 30), "YORK");
    EXPECT_EQ(till.messages.proposals.back(), "1");

    till.messages.textReplies = { std::string("1") };
    whenModalOpens<SupplierDialog>([&](SupplierDialog *dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Supplier");
        EXPECT_TRUE(box(dialog, "town")->isReadOnly());
        EXPECT_EQ(box(dialog, "town")->text(), "YORK");
        dialog->accept();
    });
    file = till.mans();
    till.window.runCommand(Command::SupplierFind);
    EXPECT_EQ(till.mans(), file);

    till.said();
    till.messages.textReplies = { std::string("1"), std::string("1") };
    till.window.runCommand(Command::SupplierDelete);
    till.window.runCommand(Command::SupplierDelete);
    EXPECT_EQ(till.said(),
        (std::vector<std::string> { "Delete supplier: Enter the supplier number",
            "Delete supplier: Supplier deleted.", "Delete supplier: Enter the supplier number",
            "Delete supplier: Supplier does not exist" }));
    EXPECT_EQ(getI64(till.mans(), 0), -1);
}

TEST(BundleDialogs, NewBundleTakesRowsBySelectAndRefusesANestedBundle)
{
    StockTill till;
    // Select row 1: TEA; row 2: a bundle (refused); row 3: MILK, then removed.
    till.messages.textReplies = { std::string("101"), std::string("200"), std::string("102") };
    ItemRecord nested {};
    nested.number = 200;
    writeText(nested.description, "OTHER SET");
    writeText(nested.format, "101");
    nested.component_quantity[0] = 1;
    nested.record_kind = 2;
    ASSERT_TRUE(till.shop.state.items.insert(nested, till.messages));
    whenModalOpens<BundleDialog>([&](BundleDialog *dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Add inventory bundle");
        EXPECT_TRUE(dialog->componentNumber(0)->isReadOnly());
        EXPECT_TRUE(dialog->componentDescription(0)->isReadOnly());
        EXPECT_EQ(dialog->componentQuantity(0)->count(), 50);
        box(dialog, "number")->setText("300");
        box(dialog, "description")->setText("TEA TIME");
        ASSERT_TRUE(clickNamed(dialog, "select1"));
        EXPECT_EQ(dialog->componentNumber(0)->text(), "101");
        EXPECT_EQ(dialog->componentDescription(0)->text(), "TEA");
        ASSERT_TRUE(clickNamed(dialog, "select2"));
        EXPECT_EQ(dialog->componentNumber(1)->text(), "");
        ASSERT_TRUE(clickNamed(dialog, "select3"));
        EXPECT_EQ(dialog->componentNumber(2)->text(), "102");
        dialog->componentQuantity(2)->setCurrentIndex(3);
        dialog->componentFree(2)->setChecked(true);
        ASSERT_TRUE(clickNamed(dialog, "remove1"));
        EXPECT_EQ(dialog->componentNumber(0)->text(), "");
        ASSERT_TRUE(clickNamed(dialog, "ok"));
    });
    till.window.runCommand(Command::InventoryNewBundle);
    EXPECT_EQ(till.said(),
        (std::vector<std::string> { "Select: Item number", "Select: Item number",
            "Problem: Bundle may not contain a bundle", "Select: Item number" }));
    const std::string record = till.shop.itemBytesOf(300);
    ASSERT_EQ(record.size(), kItemBytes);
    EXPECT_EQ(getI32(record, 1802), 2);
    EXPECT_EQ(getText(record, 270, 20), "");
    EXPECT_EQ(getText(record, 1717, 60), "102");
    EXPECT_EQ(getI32(record, 1246 + 8), 4);
    EXPECT_EQ(getI32(record, 1222 + 8), 2);
    EXPECT_EQ(till.changed, 1);
    EXPECT_EQ(till.sounds, std::vector<int> { kKeySound });
}

TEST(BundleDialogs, ABundleWithNoRowsIsShownAgainAsAmendBundle)
{
    StockTill till;
    int opened = 0;
    std::function<void(BundleDialog *)> act = [&](BundleDialog *dialog) {
        ++opened;
        if (opened == 1) {
            box(dialog, "number")->setText("300");
            box(dialog, "description")->setText("EMPTY SET");
            ASSERT_TRUE(clickNamed(dialog, "ok"));
            whenModalOpens<BundleDialog>(act, dialog);
            return;
        }
        EXPECT_EQ(dialog->windowTitle(), "Amend bundle");
        EXPECT_EQ(box(dialog, "description")->text(), "EMPTY SET");
        EXPECT_TRUE(box(dialog, "number")->isReadOnly());
        dialog->reject();
    };
    whenModalOpens<BundleDialog>(act);
    till.window.runCommand(Command::InventoryNewBundle);
    EXPECT_EQ(opened, 2);
    EXPECT_EQ(till.messages.lastText(), "No items selected");
    EXPECT_FALSE(till.shop.state.items.slotOf(300));
}

TEST(ReceiveDialogs, NextBooksAndStartsAgainOkBooksAndEnds)
{
    StockTill till;
    till.messages.textReplies = { std::string("101"), std::string("102") };
    int opened = 0;
    std::function<void(ReceiveDialog *)> act = [&](ReceiveDialog *dialog) {
        ++opened;
        EXPECT_EQ(dialog->windowTitle(), "Receive Inventory");
        if (opened == 1) {
            EXPECT_EQ(box(dialog, "lineNumber")->text(), "101");
            EXPECT_EQ(box(dialog, "held")->text(), "5");
            dialog->quantityBox()->setText("12");
            EXPECT_EQ(dialog->updatedTotalBox()->text(), "17");
            ASSERT_TRUE(clickNamed(dialog, "next"));
            whenModalOpens<ReceiveDialog>(act, dialog);
            return;
        }
        EXPECT_EQ(box(dialog, "description")->text(), "MILK");
        dialog->quantityBox()->setText("3");
        dialog->findChild<QComboBox *>(QStringLiteral("sellByDay"))->setCurrentIndex(9);
        ASSERT_TRUE(clickNamed(dialog, "ok"));
    };
    whenModalOpens<ReceiveDialog>(act);
    till.window.runCommand(Command::InventoryReceived);
    EXPECT_EQ(opened, 2);
    EXPECT_EQ(till.shop.quantityOf(101), 17);
    EXPECT_EQ(till.shop.quantityOf(102), 4);
    EXPECT_EQ(getI32(till.shop.itemBytesOf(102), 1278), 9);
    EXPECT_EQ(till.shop.file("2026/3/5/ininvent.dat").size(), 32u);
    EXPECT_EQ(till.changed, 2);
    std::vector<std::string> said = till.said();
    EXPECT_EQ(said[1], "Updated quantity: 17");
    EXPECT_EQ(said.back(), "Updated quantity: 4");
}

TEST(ReceiveDialogs, BySkuOneTheScannedCodeFindsTheItem)
{
    StockTill till;
    std::string film = till.shop.file("film.dat");
    putText(
        film, static_cast<size_t>(*till.shop.state.items.slotOf(103)) * kItemBytes + 90, "5000111");
    writeBytes(till.shop.temp.file("film.dat"), film);
    till.shop.restart();
    till.messages.textReplies = { std::string("5000111") };
    till.messages.answers = { Answer::Yes };
    whenModalOpens<ReceiveDialog>([&](ReceiveDialog *dialog) {
        EXPECT_EQ(box(dialog, "description")->text(), "BREAD");
        dialog->quantityBox()->setText("0");
        ASSERT_TRUE(clickNamed(dialog, "ok"));
    });
    till.window.runCommand(Command::InventoryReceivedBySku1);
    EXPECT_EQ(till.messages.lastText(), "Invalid quantity");
    EXPECT_EQ(till.shop.quantityOf(103), 0);
    EXPECT_FALSE(fileExists(till.shop.temp.file("2026/3/5/ininvent.dat")));
}

TEST(ReceivedReportDialogs, ThePeriodChosenListsItsReceipts)
{
    StockTill till;
    std::string entry(16, '\0');
    putI64(entry, 0, 102);
    putI64(entry, 8, 24);
    writeBytes(till.shop.temp.file("2026/3/5/ininvent.dat"), entry);
    whenModalOpens<ReceivedPeriodDialog>([&](ReceivedPeriodDialog *dialog) {
        EXPECT_EQ(dialog->start().year->count(), 9);
        EXPECT_EQ(dialog->start().year->currentText(), "2026");
        dialog->start().day->setCurrentIndex(0); // 1 March
        whenModalOpens<ReceivedReportDialog>([&](ReceivedReportDialog *report) {
            EXPECT_EQ(report->windowTitle(), "Inventory received: Sun 1 Mar 26 to Thu 5 Mar 26");
            ASSERT_EQ(report->list()->count(), 1);
            EXPECT_EQ(report->list()->item(0)->text(),
                "Thu 5 Mar 26         102 MILK        Quantity: 24");
            report->accept();
        });
        ASSERT_TRUE(clickNamed(dialog, "ok"));
    });
    till.window.runCommand(Command::InventoryReceivedReport);

    // A reversed period is told and shows nothing.
    whenModalOpens<ReceivedPeriodDialog>([&](ReceivedPeriodDialog *dialog) {
        dialog->end().day->setCurrentIndex(0);
        ASSERT_TRUE(clickNamed(dialog, "ok"));
    });
    till.window.runCommand(Command::InventoryReceivedReport);
    EXPECT_EQ(till.messages.lastText(), "Invalid selection");
}
