// The refund and the transaction look-up at the till: the "Refund basket"
// button with its dialogs, and the Transactions popup's finds ending in the
// "Transaction" dialog, with the reprints going to the devices.

#include "platform/scripted_messages.h"
#include "sales/logic/archive_folders.h"
#include "sales/logic/basket.h"
#include "sales/logic/sales_archive.h"
#include "sales/logic/till_state.h"
#include "sales/widgets/refund_dialog.h"
#include "sales/widgets/transaction_commands.h"
#include "sales/widgets/transaction_dialog.h"
#include "sales/widgets/transaction_list_dialog.h"
#include "store/data_set.h"
#include "store/fixed_text.h"
#include "store/record_kinds.h"
#include "store/till_config_file.h"
#include "support/recording_sale_devices.h"
#include "support/test_support.h"
#include "till/item_entry_fixture.h"
#include "till/widgets/main_window.h"
#include "till/widgets/sale_screen.h"
#include "till/widgets/sale_screen_commands.h"
#include "widgets/modal_dialogs.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

using namespace ovix;
using ovix::test::ItemBytes;
using ovix::test::TempDir;

namespace {

constexpr LocalTime kNow { 2026, 3, 5, 10, 20, 0 };

struct FixedNow {
    FixedNow()
    {
        setFixedLocalTime(kNow);
    }
    ~FixedNow()
    {
        setFixedLocalTime(std::nullopt);
    }
};

// The till window over a fresh data set (clerk 2, tax 1 at 20%): item 1001
// WIDGET 10.00, customer 7 A. SMITH owing 25.00. Refunds and look-ups are
// connected; the card link is whatever `card` says.
struct RefundTill {
    FixedNow now;
    TempDir folder;
    TillState state { folder.path() };
    ScriptedMessages messages;
    test::RecordingSaleDevices devices;
    std::unique_ptr<Basket> basket = std::make_unique<Basket>();
    std::unique_ptr<Basket> saved = std::make_unique<Basket>();
    std::unique_ptr<MainWindow> window;
    SaleScreen *screen = nullptr;

    explicit RefundTill(CardRefundLink card = {})
    {
        ScriptedMessages quiet;
        EXPECT_TRUE(createDataSet(state.dir, kNow, "$", quiet));
        EXPECT_TRUE(loadTillConfig(state.dir, state.config, quiet));
        EXPECT_TRUE(state.items.load(quiet));
        EXPECT_TRUE(state.customers.load(quiet));
        EXPECT_TRUE(ensureArchiveFolders(state.dir, kNow));
        state.config.set(cfg::currentClerk, 2);
        state.config.set(cfg::taxOneActive, 2);
        state.config.set(cfg::taxOneRate, 2000);
        state.config.set(cfg::taxTwoActive, 0);
        state.config.set(cfg::skuOneEntry, 0);
        ItemRecord item;
        const ItemBytes bytes(1001, "WIDGET", 10.00f);
        std::memcpy(&item, bytes.bytes.data(), sizeof item);
        EXPECT_TRUE(state.items.insert(item, quiet).has_value());
        CustomerRecord customer {};
        customer.number = 7;
        writeText(customer.name, "A. SMITH");
        customer.balance = 25.0f;
        EXPECT_TRUE(state.customers.insert(customer, quiet).has_value());
        window = std::make_unique<MainWindow>(state, messages);
        screen = new SaleScreen(*window, state, *basket, *saved, messages);
        connectTransactionCommands(*window, state, *basket, screen->itemEntry(), messages, devices);
        connectSaleScreenCommands(*window, *screen, state, messages, devices, std::move(card));
        screen->refreshButtons();
    }

    void ringUpWidget()
    {
        QTest::keyClicks(screen->itemBox(), QStringLiteral("1001"));
        QTest::keyClick(screen->itemBox(), Qt::Key_Return);
    }
    std::vector<TransactionRecord> archived() const
    {
        return readDayTransactions(state.dir, 2026, 3, 5)
            .value_or(std::vector<TransactionRecord> {});
    }
    std::string field(TransactionDialog *dialog, const char *name) const
    {
        QLineEdit *box = dialog->field(name);
        return box ? box->text().toStdString() : "(no field)";
    }
};

} // namespace

TEST(RefundDialogs, TheRefundButtonRefundsTheBasketAsTheDialogSays)
{
    RefundTill till;
    till.state.config.set(cfg::drawerInUse, 1);
    till.ringUpWidget();
    ASSERT_EQ(till.basket->lineCount, 1);
    test::whenModalOpens<RefundDialog>([&](RefundDialog *dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Refund");
        EXPECT_EQ(dialog->findChild<QLineEdit *>("total")->text(), "12.00");
        EXPECT_EQ(dialog->findChild<QLineEdit *>("transaction")->text(), "1");
        EXPECT_TRUE(dialog->formButton(RefundForm::Cash)->isChecked());
        EXPECT_TRUE(dialog->findChild<QRadioButton *>("backToStock")->isChecked());
        EXPECT_FALSE(dialog->receiptBox()->isChecked());
        dialog->formButton(RefundForm::Cheque)->click();
        dialog->faultyButton()->click();
        dialog->receiptBox()->click();
        test::clickNamed(dialog, "ok");
    });
    till.screen->saleButton(Command::RefundBasket)->click();

    EXPECT_EQ(till.basket->lineCount, 0);
    EXPECT_EQ(till.screen->basketList()->count(), 0);
    const std::vector<TransactionRecord> records = till.archived();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(readText(records[0].paymentType), "Refund");
    EXPECT_EQ(+records[0].chequePart, -12.0f);
    EXPECT_EQ(till.devices.calls, (std::vector<std::string> { "print 1 1", "drawer" }));
    EXPECT_DOUBLE_EQ(till.state.config.get(cfg::chequeRefunds), -12.00);
}

TEST(RefundDialogs, ACreditRefundAsksForTheCustomerAndCancelKeepsTheBasket)
{
    RefundTill till;
    till.ringUpWidget();
    test::whenModalOpens<RefundDialog>([](RefundDialog *dialog) { dialog->reject(); });
    till.screen->saleButton(Command::RefundBasket)->click();
    EXPECT_EQ(till.basket->lineCount, 1);
    EXPECT_TRUE(till.archived().empty());

    till.messages.textReplies = { "7" };
    test::whenModalOpens<RefundDialog>([](RefundDialog *dialog) {
        dialog->formButton(RefundForm::Credit)->click();
        test::clickNamed(dialog, "ok");
    });
    till.screen->saleButton(Command::RefundBasket)->click();
    EXPECT_EQ(till.basket->lineCount, 0);
    EXPECT_EQ(till.messages.proposals.size(), 1u);
    const std::vector<TransactionRecord> records = till.archived();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(+records[0].customerNumber, 7);
    EXPECT_DOUBLE_EQ(till.state.config.get(cfg::creditRefunds), -12.00);
}

TEST(RefundDialogs, TheCardRefundBoxOffersTheCardholderNotPresentRefund)
{
    bool notPresent = false;
    CardRefundLink card;
    card.settings = [] { return CardLinkSettings { true, true }; };
    card.exchange = [&notPresent](int64_t, int64_t, bool cardholderNotPresent) {
        notPresent = cardholderNotPresent;
        return true;
    };
    RefundTill till(card);
    till.ringUpWidget();
    test::whenModalOpens<RefundDialog>([](RefundDialog *dialog) {
        dialog->formButton(RefundForm::Eft)->click();
        test::clickNamed(dialog, "ok");
    });
    test::whenModalOpens<QMessageBox>([](QMessageBox *box) {
        EXPECT_EQ(box->windowTitle(), "Card refund");
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() == "Cardholder not present refund")
                button->click();
        }
    });
    till.screen->saleButton(Command::RefundBasket)->click();
    EXPECT_TRUE(notPresent);
    ASSERT_EQ(till.archived().size(), 1u);
    EXPECT_EQ(+till.archived()[0].eftPart, -12.0f);
}

TEST(RefundDialogs, DisplayTransactionShowsItReprintsItAndStopsAtTheEndOfTheList)
{
    RefundTill till;
    till.ringUpWidget();
    test::whenModalOpens<RefundDialog>(
        [](RefundDialog *dialog) { test::clickNamed(dialog, "ok"); });
    till.screen->saleButton(Command::RefundBasket)->click();
    ASSERT_EQ(till.archived().size(), 1u);
    till.devices.calls.clear();

    till.messages.textReplies = { "1" };
    bool shown = false;
    test::whenModalOpens<TransactionDialog>([&](TransactionDialog *dialog) {
        shown = true;
        EXPECT_EQ(till.field(dialog, "number"), "1");
        EXPECT_EQ(till.field(dialog, "type"), "Refund");
        EXPECT_EQ(till.field(dialog, "total"), "-12.00");
        EXPECT_EQ(till.field(dialog, "clerk"), "2: Manager");
        ASSERT_EQ(dialog->lines()->count(), 1);
        EXPECT_EQ(dialog->lines()->itemText(0), "1001 WIDGET  12.00");
        EXPECT_NE(dialog->findChild<QLabel *>("remark"), nullptr);
        EXPECT_TRUE(dialog->button("invoice")->isEnabled());
        dialog->button("invoice")->click();
        dialog->button("tillReceipt")->click();
        dialog->button("customReceipt")->click();
        dialog->button("next")->click();
        EXPECT_EQ(till.messages.lastText(), "End of list.");
        EXPECT_EQ(till.field(dialog, "number"), "1");
        test::clickNamed(dialog, "ok");
    });
    till.window->runCommand(Command::DisplayTransaction);
    EXPECT_TRUE(shown);
    // The invoice goes through the print dialog (2 = standard invoice).
    EXPECT_EQ(till.devices.calls,
        (std::vector<std::string> { "print 2 1", "print 1 1", "print 4 1" }));
    EXPECT_EQ(till.basket->lineCount, 0);
}

TEST(RefundDialogs, AnEmptyNumberListsEveryTransactionAndTheBasketIsDiscardedFirst)
{
    RefundTill till;
    till.ringUpWidget();
    test::whenModalOpens<RefundDialog>(
        [](RefundDialog *dialog) { test::clickNamed(dialog, "ok"); });
    till.screen->saleButton(Command::RefundBasket)->click();
    ASSERT_EQ(till.archived().size(), 1u);

    till.ringUpWidget();
    ASSERT_EQ(till.basket->lineCount, 1);
    till.messages.textReplies = { "" };
    test::whenModalOpens<TransactionListDialog>([](TransactionListDialog *dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Invoice list");
        ASSERT_EQ(dialog->list()->count(), 1);
        EXPECT_EQ(dialog->list()->currentItem()->text(), "1 on day 5 of month 3, 2026");
        test::clickNamed(dialog, "ok");
    });
    bool shown = false;
    test::whenModalOpens<TransactionDialog>([&](TransactionDialog *dialog) {
        shown = true;
        EXPECT_EQ(till.field(dialog, "number"), "1");
        dialog->reject();
    });
    till.window->runCommand(Command::DisplayTransaction);
    EXPECT_TRUE(shown);
    // The sale being rung up went when the look-up began (the clerk said Yes).
    EXPECT_EQ(till.basket->lineCount, 0);
    EXPECT_EQ(till.screen->basketList()->count(), 0);
}
