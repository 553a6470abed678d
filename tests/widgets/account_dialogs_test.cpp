// The account commands driven offscreen through their real dialogs: a
// balance payment with a refused amount put right, a payment on a listed
// transaction, a transaction with no customer, the amendment of a balance,
// the statement printed to a PDF file, and the period activity.

#include "accounts/logic/account_payment.h"
#include "accounts/widgets/account_commands.h"
#include "accounts/widgets/account_payment_commands.h"
#include "accounts/widgets/account_payment_dialog.h"
#include "accounts/widgets/statement_dialogs.h"
#include "platform/file.h"
#include "print/logic/print_request.h"
#include "sales/logic/basket.h"
#include "sales/logic/complete_transaction.h"
#include "sales/logic/item_entry.h"
#include "sales/logic/null_basket_view.h"
#include "support/recording_sale_devices.h"
#include "till/sale_fixture.h"
#include "till/widgets/main_window.h"
#include "widgets/modal_dialogs.h"
#include "widgets/test_helpers.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

using namespace ovix;
using namespace ovix::test;

namespace {

constexpr const char *kSales = "2026/3/5/saleslog.dat";

struct AccountTill {
    FixedClock clock { kSaleTime };
    FiveLineShop shop;
    ScriptedMessages messages;
    RecordingSaleDevices devices;
    Basket basket {};
    Basket saved {};
    NullBasketView view;
    ItemEntry entry { shop.state, basket, saved, view, messages };
    MainWindow window { shop.state, messages };

    AccountTill()
    {
        shop.addCustomer(7, "SMITH", 30.00f);
        std::string error;
        EXPECT_TRUE(storeTillConfig(shop.state.dir, shop.state.config, &error)) << error;
        connectAccountCommands(window, shop.state, messages);
        connectAccountPaymentCommands(window, shop.state, basket, entry, messages, devices);
    }

    CustomerRecord customer(int64_t number) const
    {
        CustomerRecord record {};
        ScriptedMessages quiet;
        const std::optional<int64_t> slot = shop.state.customers.slotOf(number);
        EXPECT_TRUE(slot && shop.state.customers.readRecord(*slot, record, quiet));
        return record;
    }

    void cashSale()
    {
        Basket sale {};
        shop.ringUp(sale, 101);
        SaleShop::pay(sale, "Cash");
        ScriptedMessages quiet;
        ASSERT_EQ(completeTransaction(shop.state, sale, quiet), CompletionResult::Archived);
    }
};

QLineEdit *box(QWidget *dialog, const char *name)
{
    auto *found = dialog->findChild<QLineEdit *>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

} // namespace

TEST(AccountDialogs, BalancePaymentKeepsARefusedAmountAndTakesThePutRightOne)
{
    AccountTill till;
    till.shop.ringUp(till.basket, 101); // a sale being rung up is given up
    till.messages.textReplies.push_back("7");
    std::string refusal;
    whenModalOpens<AccountPaymentDialog>([&](AccountPaymentDialog *dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Payment");
        EXPECT_EQ(till.basket.lineCount, 0);
        EXPECT_EQ(box(dialog, "name")->text(), "SMITH");
        EXPECT_EQ(box(dialog, "balance")->text(), "30.00");
        EXPECT_EQ(box(dialog, "terms")->text(), "No credit, Nett");
        EXPECT_TRUE(dialog->methodButton(AccountPaymentMethod::Cash)->isChecked());
        typeInto(dialog->payBox(), QStringLiteral("12,50"));
        dialog->accept();
        EXPECT_TRUE(dialog->isVisible());
        refusal = till.messages.lastText();
        typeInto(dialog->payBox(), QStringLiteral("12.50"));
        dialog->methodButton(AccountPaymentMethod::Cheque)->click();
        dialog->accept();
    });
    till.window.runCommand(Command::BalancePayment);
    EXPECT_EQ(refusal, "Please enter the amount paid, for example 12.50");
    EXPECT_EQ(till.messages.lastText(), "Updated");
    EXPECT_EQ(moneyCents(till.customer(7).balance), 1750);
    const std::vector<ReadTransaction> sales = readSalesBytes(till.shop.file(kSales));
    ASSERT_EQ(sales.size(), 1u);
    EXPECT_EQ(sales[0].paymentType, "Payment (ch)");
    EXPECT_FLOAT_EQ(sales[0].chequePart, 12.50f);
}

TEST(AccountDialogs, PayOnATransactionChosenFromTheInvoiceList)
{
    AccountTill till;
    ScriptedMessages quiet;
    ASSERT_EQ(takeAccountPayment(till.shop.state, 7, "1.00", AccountPaymentMethod::Cash, quiet,
                  till.devices),
        AccountPaymentResult::Paid); // 41
    till.cashSale(); // 42, no customer
    till.messages.textReplies.push_back("");
    whenModalOpens<InvoiceListDialog>([&](InvoiceListDialog *list) {
        ASSERT_EQ(list->list()->count(), 2);
        EXPECT_EQ(list->list()->item(0)->text(), "41 on day 5 of month 3, 2026");
        list->list()->setCurrentRow(0);
        whenModalOpens<AccountPaymentDialog>([&](AccountPaymentDialog *dialog) {
            EXPECT_EQ(box(dialog, "balance")->text(), "29.00");
            EXPECT_EQ(dialog->transactions()->count(), 1);
            EXPECT_EQ(dialog->transactions()->itemText(0), "Thu 5 Mar 26,  41, 1.00");
            typeInto(dialog->payBox(), QStringLiteral("4"));
            dialog->methodButton(AccountPaymentMethod::Eft)->click();
            dialog->accept();
        });
        list->accept();
    });
    till.window.runCommand(Command::BalancePayOnTransaction);
    EXPECT_EQ(moneyCents(till.customer(7).balance), 2500);
    EXPECT_EQ(readSalesBytes(till.shop.file(kSales)).back().paymentType, "Payment (eft)");

    // A cash sale has no customer to pay on.
    till.messages.textReplies.push_back("42");
    till.window.runCommand(Command::BalancePayOnTransaction);
    EXPECT_EQ(till.messages.lastText(), "No customer associated with transaction");
    EXPECT_EQ(till.messages.lastCaption(), "Problem");
    EXPECT_EQ(readSalesBytes(till.shop.file(kSales)).size(), 3u);
}

TEST(AccountDialogs, AmendBalanceSetsWhatIsTypedAtThePrompt)
{
    AccountTill till;
    till.messages.textReplies.push_back("7");
    till.messages.textReplies.push_back("-20");
    till.window.runCommand(Command::AmendBalance);
    EXPECT_EQ(moneyCents(till.customer(7).balance), -2000);
    EXPECT_EQ(till.messages.lastText(), "Updated");
    EXPECT_NE(till.shop.file("bun4.dat").find("Before: 30.00, After: -20.00\r\n"),
        std::string::npos);
}

TEST(AccountDialogs, TheStatementIsShownAndPrintedToAFile)
{
    AccountTill till;
    ScriptedMessages quiet;
    ASSERT_EQ(takeAccountPayment(till.shop.state, 7, "5.00", AccountPaymentMethod::Cash, quiet,
                  till.devices),
        AccountPaymentResult::Paid);
    till.shop.state.config.set(cfg::printConfirm, 0);
    till.messages.textReplies.push_back("7");
    whenModalOpens<StatementDialog>([&](StatementDialog *dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Statement");
        EXPECT_EQ(dialog->findChild<QLabel *>("customer")->text(), "CUSTOMER: 7  SMITH");
        ASSERT_EQ(dialog->list()->count(), 2);
        EXPECT_EQ(dialog->list()->item(0)->text(),
            "Payment (cash) sale: Thu 5 Mar 26,  Transaction: 41, Total: 5.00");
        EXPECT_EQ(dialog->list()->item(1)->text(), "Balance: 25.00");
        dialog->printButton()->click();
        dialog->reject();
    });
    till.window.runCommand(Command::CustomerStatement);
    const QStringList printouts
        = QDir(QString::fromStdString(till.shop.temp.file(kPrintoutsFolderName)))
              .entryList({ QStringLiteral("*.pdf") }, QDir::Files);
    ASSERT_EQ(printouts.size(), 1) << till.messages.lastText();
    const std::string text = pdfText(
        till.shop.temp.file(std::string(kPrintoutsFolderName) + "/" + printouts[0].toStdString()));
    EXPECT_NE(text.find("STATEMENT"), std::string::npos) << text;
    EXPECT_NE(text.find("Customer ID: 7"), std::string::npos) << text;
    EXPECT_NE(text.find("Balance: 25.00"), std::string::npos) << text;
}

TEST(AccountDialogs, ThePeriodActivityListsThePeriodChosen)
{
    AccountTill till;
    ScriptedMessages quiet;
    ASSERT_EQ(takeAccountPayment(till.shop.state, 7, "5.00", AccountPaymentMethod::Cash, quiet,
                  till.devices),
        AccountPaymentResult::Paid);
    till.messages.textReplies.push_back("7");
    whenModalOpens<PeriodDialog>([&](PeriodDialog *period) {
        EXPECT_EQ(period->windowTitle(), "Please specify the period");
        EXPECT_EQ(period->box(0)->currentText(), "5");
        period->box(0)->setCurrentIndex(0); // from 1 March
        period->box(3)->setCurrentIndex(3); // to 4 March: the payment is left out
        whenModalOpens<StatementDialog>([&](StatementDialog *dialog) {
            EXPECT_EQ(dialog->windowTitle(), "Period: Sun 1 Mar 26 to Wed 4 Mar 26");
            ASSERT_EQ(dialog->list()->count(), 1);
            EXPECT_EQ(dialog->list()->item(0)->text(), "Balance: 25.00");
            EXPECT_EQ(dialog->printButton()->text(), "Print");
            dialog->reject();
        });
        period->accept();
    });
    till.window.runCommand(Command::CustomerPeriodActivity);
    EXPECT_EQ(till.messages.lastText(), "Number / name"); // nothing told after the look-up
}
