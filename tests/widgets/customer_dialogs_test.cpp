// The Customers popup's commands driven offscreen through their real
// dialogs: Add with a refusal and Next, Amend, Delete after the list, the
// one-at-a-time find box, the view's Next and the customer details sheet.

#include "accounts/customer_shop.h"
#include "accounts/widgets/customer_commands.h"
#include "accounts/widgets/customer_dialog.h"
#include "accounts/widgets/customer_step_dialog.h"
#include "sales/widgets/customer_pick_dialog.h"
#include "till/widgets/main_window.h"
#include "widgets/modal_dialogs.h"
#include "widgets/test_helpers.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace ovix;
using namespace ovix::test;

namespace {

struct CustomerTill : CustomerShop {
    MainWindow window { state, messages };
    CustomerTill()
    {
        connectCustomerCommands(window, state, messages);
    }
};

QLineEdit *box(QWidget *dialog, const char *name)
{
    auto *found = dialog->findChild<QLineEdit *>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

QString shownText(QWidget *dialog, const char *name)
{
    auto *found = dialog->findChild<QLabel *>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found ? found->text() : QString();
}

QPushButton *button(QWidget *dialog, const char *name)
{
    return dialog->findChild<QPushButton *>(QString::fromLatin1(name));
}

} // namespace

TEST(CustomerDialogs, AddRefusesAOneLetterNameThenStoresItPutRight)
{
    CustomerTill till;
    till.state.config.set(cfg::lastCustomerNumber, 6);
    till.add({ 7, "TAKEN" });
    QPointer<QWidget> first;
    whenModalOpens<CustomerDialog>([&](CustomerDialog *dialog) {
        first = dialog;
        EXPECT_EQ(dialog->windowTitle(), "NEW CUSTOMER");
        EXPECT_EQ(box(dialog, "number")->text(), "8");
        EXPECT_EQ(box(dialog, "creditLimit")->text(), "2000");
        EXPECT_TRUE(box(dialog, "balance")->isVisible());
        EXPECT_TRUE(button(dialog, "next")->isVisible());
        typeInto(box(dialog, "name"), QStringLiteral("b"));
        typeInto(box(dialog, "email"), QStringLiteral("Ann@Example"));
        typeInto(box(dialog, "balance"), QStringLiteral("12.50"));
        button(dialog, "next")->click();
        whenModalOpens<CustomerDialog>(
            [&](CustomerDialog *again) {
                EXPECT_EQ(again->windowTitle(), "Amend customer");
                EXPECT_FALSE(box(again, "balance")->isVisible());
                EXPECT_FALSE(button(again, "next")->isVisible());
                EXPECT_EQ(box(again, "name")->text(), "B");
                typeInto(box(again, "name"), QStringLiteral("bell"));
                EXPECT_EQ(box(again, "name")->text(), "BELL");
                button(again, "ok")->click();
            },
            first);
    });
    till.window.runCommand(Command::CustomerAdd);
    EXPECT_EQ(till.messages.shown.front().text, "The name must have at least two characters.");
    EXPECT_EQ(till.messages.lastText(), "Store record?");
    const std::optional<int64_t> slot = till.state.customers.slotOf(8);
    ASSERT_TRUE(slot);
    EXPECT_EQ(getText(till.slot(*slot), member::kName, 30), "BELL");
    EXPECT_EQ(getText(till.slot(*slot), member::kEmail, 40), "Ann@Example");
    EXPECT_EQ(getF32(till.slot(*slot), member::kBalance), 12.5f);
}

TEST(CustomerDialogs, NextStoresAndOpensANewCustomerWithTheFollowingNumber)
{
    CustomerTill till;
    whenModalOpens<CustomerDialog>([&](CustomerDialog *dialog) {
        EXPECT_EQ(box(dialog, "number")->text(), "1");
        typeInto(box(dialog, "name"), QStringLiteral("ADAMS"));
        button(dialog, "next")->click();
        whenModalOpens<CustomerDialog>(
            [&](CustomerDialog *second) {
                EXPECT_EQ(second->windowTitle(), "NEW CUSTOMER");
                EXPECT_EQ(box(second, "number")->text(), "2");
                EXPECT_EQ(box(second, "name")->text(), "");
                button(second, "cancel")->click();
            },
            dialog);
    });
    till.window.runCommand(Command::CustomerAdd);
    EXPECT_TRUE(till.state.customers.slotOf(1));
    EXPECT_FALSE(till.state.customers.slotOf(2));

    // "Do not offer on new customer box": the Number box starts empty.
    till.state.config.set(cfg::noNumberOnNewCustomer, 1);
    whenModalOpens<CustomerDialog>([&](CustomerDialog *dialog) {
        EXPECT_EQ(box(dialog, "number")->text(), "");
        button(dialog, "cancel")->click();
    });
    till.window.runCommand(Command::CustomerAdd);
}

TEST(CustomerDialogs, AmendShowsTheRecordWithoutBalanceAndStoresTheChange)
{
    CustomerTill till;
    const int64_t slot = till.add({ 5, "SMITH", 40.0f, "0111" });
    till.messages.textReplies = { std::string("5") };
    whenModalOpens<CustomerDialog>([&](CustomerDialog *dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Amend customer");
        EXPECT_EQ(box(dialog, "name")->text(), "SMITH");
        EXPECT_EQ(box(dialog, "telephone")->text(), "0111");
        EXPECT_FALSE(box(dialog, "balance")->isVisible());
        typeInto(box(dialog, "name"), QStringLiteral("smythe"));
        button(dialog, "ok")->click();
    });
    till.window.runCommand(Command::CustomerAmend);
    EXPECT_EQ(getText(till.slot(slot), member::kName, 30), "SMYTHE");
    EXPECT_EQ(getF32(till.slot(slot), member::kBalance), 40.0f);
    EXPECT_NE(till.log().find("Customer 5 amended:\r\nBefore: SMITH"), std::string::npos);
}

TEST(CustomerDialogs, DeleteFromTheListShowsTheCustomerBeforeAskingAreYouSure)
{
    CustomerTill till;
    till.state.config.set(cfg::customerSearchAsList, 1);
    till.add({ 5, "SMITH" });
    till.add({ 6, "SMALL" });
    till.messages.textReplies = { std::string("SM") };
    bool viewed = false;
    whenModalOpens<CustomerPickDialog>([&](CustomerPickDialog *list) {
        ASSERT_EQ(list->list()->count(), 2);
        EXPECT_EQ(list->list()->item(1)->text(), "6 SMALL,  ");
        list->list()->setCurrentRow(1);
        list->accept();
        whenModalOpens<CustomerDialog>([&](CustomerDialog *view) {
            viewed = true;
            EXPECT_EQ(view->windowTitle(), "CUSTOMER");
            EXPECT_EQ(view->value("name"), "SMALL");
            EXPECT_EQ(view->box("name"), nullptr); // nothing to type into
            button(view, "ok")->click();
        });
    });
    till.window.runCommand(Command::CustomerDelete);
    EXPECT_TRUE(viewed);
    EXPECT_EQ(till.messages.lastText(), "Are you sure?");
    EXPECT_EQ(till.messages.lastCaption(), "6 Name: SMALL");
    EXPECT_FALSE(till.state.customers.slotOf(6));
    EXPECT_TRUE(till.state.customers.slotOf(5));
}

TEST(CustomerDialogs, FindStepsThroughMatchesAndTheViewsNextWalksByNumber)
{
    CustomerTill till;
    till.state.config.set(cfg::customerSearchAsList, 0);
    till.add({ 30, "BELL" });
    till.add({ 10, "BALL" });
    till.messages.textReplies = { std::string("B?L") };
    std::vector<QString> shown;
    whenModalOpens<CustomerStepDialog>([&](CustomerStepDialog *step) {
        EXPECT_EQ(step->windowTitle(), "FIND CUSTOMER");
        shown.push_back(shownText(step, "name"));
        button(step, "next")->click();
        whenModalOpens<CustomerStepDialog>(
            [&](CustomerStepDialog *second) {
                shown.push_back(shownText(second, "name"));
                button(second, "ok")->click();
            },
            step);
    });
    till.window.runCommand(Command::CustomerFind);
    EXPECT_EQ(shown, (std::vector<QString> { "BELL", "BALL" }));

    // By number: the view, whose Next goes 10 -> 30 and then closes.
    till.messages.textReplies = { std::string("10") };
    std::vector<QString> viewed;
    whenModalOpens<CustomerDialog>([&](CustomerDialog *view) {
        viewed.push_back(view->value("number"));
        EXPECT_EQ(view->value("creditLimit"), "0.00");
        button(view, "next")->click();
        whenModalOpens<CustomerDialog>(
            [&](CustomerDialog *next) {
                viewed.push_back(next->value("number"));
                button(next, "next")->click();
            },
            view);
    });
    till.window.runCommand(Command::CustomerFind);
    EXPECT_EQ(viewed, (std::vector<QString> { "10", "30" }));
}

TEST(CustomerDialogs, CustomerDetailsGoesToAPrintoutWithoutAPrinter)
{
    CustomerTill till;
    till.add({ 5, "SMITH" });
    till.messages.textReplies = { std::string("5") };
    till.window.runCommand(Command::CustomerPrintDetails);
    const QDir printouts(QString::fromStdString(till.file("printouts")));
    EXPECT_EQ(printouts.entryList({ QStringLiteral("*.pdf") }, QDir::Files).size(), 1)
        << till.messages.lastText();
}
