#include "modal_dialogs.h"
#include "platform/scripted_messages.h"
#include "store/till_config.h"
#include "support/test_support.h"
#include "till/logic/clerks.h"
#include "sales/logic/till_state.h"
#include "till/widgets/operator_setup_dialog.h"
#include "till/widgets/user_control_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

using namespace ovix;
using ovix::test::TempDir;

namespace {

QLineEdit *box(QWidget *dialog, const char *name)
{
    return dialog->findChild<QLineEdit *>(QString::fromLatin1(name));
}

void pressOk(QDialog *dialog)
{
    dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
}

struct Till {
    TempDir folder;
    TillState state{folder.path()};
    ScriptedMessages messages;
    Till()
    {
        for (int clerk = 1; clerk <= 99; ++clerk) {
            state.config.setClerkName(clerk, "Clerk " + std::to_string(clerk));
            state.config.setClerkPassword(clerk, "7351");
        }
        state.config.set(cfg::currentClerk, 1);
    }
};

} // namespace

TEST(OperatorSetupDialog, ShowsTheClerkAndStaysOpenOnAProblem)
{
    Till till;
    till.state.config.setClerkAvailability(5, 2);
    OperatorSetupDialog dialog(till.state.config, 5, till.messages, nullptr);
    dialog.show();
    EXPECT_EQ(dialog.findChild<QLabel *>(QStringLiteral("user"))->text(), "User: 5");
    EXPECT_EQ(box(&dialog, "name")->text(), "Clerk 5");
    EXPECT_EQ(box(&dialog, "name")->maxLength(), 29);
    auto *available = dialog.findChild<QCheckBox *>(QStringLiteral("available"));
    EXPECT_FALSE(available->isChecked());
    EXPECT_TRUE(available->isEnabled());
    EXPECT_EQ(box(&dialog, "password")->echoMode(), QLineEdit::Password);

    available->setChecked(true);
    box(&dialog, "name")->setText(QStringLiteral("Ann"));
    box(&dialog, "password")->setText(QStringLiteral("123456789"));
    box(&dialog, "repeat")->setText(QStringLiteral("123456789"));
    pressOk(&dialog);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(till.messages.lastText(), "Password too long");
    EXPECT_EQ(till.state.config.clerkName(5), "Clerk 5");

    box(&dialog, "password")->setText(QStringLiteral("12345678"));
    box(&dialog, "repeat")->setText(QStringLiteral("12345678"));
    pressOk(&dialog);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(till.messages.lastText(), "Amended");
    EXPECT_EQ(till.state.config.clerkName(5), "Ann");
    EXPECT_EQ(till.state.config.clerkPassword(5), "12345678");
    EXPECT_EQ(till.state.config.clerkAvailability(5), 0);
}

TEST(OperatorSetupDialog, RenamingAloneKeepsThePasswordAndClerkOneStaysAvailable)
{
    Till till;
    till.state.config.setClerkPassword(1, "2468");
    OperatorSetupDialog dialog(till.state.config, 1, till.messages, nullptr);
    dialog.show();
    auto *available = dialog.findChild<QCheckBox *>(QStringLiteral("available"));
    EXPECT_TRUE(available->isChecked());
    EXPECT_FALSE(available->isEnabled());
    box(&dialog, "name")->setText(QString::fromUtf8("Zoë"));
    pressOk(&dialog);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(till.state.config.clerkName(1), "Zo\xEB"); // stored in Windows-1252
    EXPECT_EQ(till.state.config.clerkPassword(1), "2468");
}

TEST(OperatorSetupDialog, CommandAsksForTheClerkAndTurnsRestrictedClerksAway)
{
    Till till;
    auto *parent = new QWidget;
    till.messages.textReplies = {std::string("7")};
    test::whenModalOpens<OperatorSetupDialog>([](OperatorSetupDialog *dialog) {
        EXPECT_EQ(dialog->findChild<QLabel *>(QStringLiteral("user"))->text(), "User: 7");
        box(dialog, "name")->setText(QStringLiteral("Bob"));
        pressOk(dialog);
    });
    EXPECT_TRUE(runOperatorSetup(parent, till.state, till.messages));
    EXPECT_EQ(till.state.config.clerkName(7), "Bob");

    till.state.config.set(cfg::currentClerk, 3);
    till.messages.shown.clear();
    EXPECT_FALSE(runOperatorSetup(parent, till.state, till.messages));
    ASSERT_EQ(till.messages.shown.size(), 1u);
    EXPECT_EQ(till.messages.lastText(), "Administrator or manager");
    delete parent;
}

TEST(UserControlDialog, ItemsInOrderAndAllTicksOrClearsThem)
{
    UserControlChoices choices{};
    choices[static_cast<size_t>(UserControlItem::Refunds)] = true;
    UserControlDialog dialog(choices, nullptr);
    EXPECT_EQ(dialog.windowTitle(), "PASSWORD CONTROL");
    const char *captions[] = {
        "Configuration", "Delete Inventory", "Delete customer", "Prune customers",
        "Customer balance", "Status display", "Takings", "Print takings", "Purge takings",
        "Purge log files", "Takings amendment", "File reset", "New inventory",
        "Inventory received", "Amend inventory", "Tax setup", "Inhibit discount button",
        "Inhibit adjust price button", "Inhibit trade price button", "Inhibit by weight button",
        "Cashback", "Non inventory sale", "Refunds", "Inhibit manual till open", "Report menu",
        "Activity menu", "Do not display cost price",
    };
    for (int i = 0; i < kUserControlItems; ++i) {
        auto *item = dialog.findChild<QCheckBox *>(QStringLiteral("item%1").arg(i));
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->text(), captions[i]);
        EXPECT_EQ(item->isChecked(), i == 22);
    }
    EXPECT_EQ(dialog.choices(), choices);

    auto *all = dialog.findChild<QCheckBox *>(QStringLiteral("all"));
    all->click();
    UserControlChoices every;
    every.fill(true);
    EXPECT_EQ(dialog.choices(), every);
    all->click();
    EXPECT_EQ(dialog.choices(), UserControlChoices{});
}

TEST(UserControlDialog, OkStoresTheFlagsCancelAndRestrictedClerksDoNot)
{
    Till till;
    auto *parent = new QWidget;
    test::whenModalOpens<UserControlDialog>([](UserControlDialog *dialog) {
        dialog->findChild<QCheckBox *>(QStringLiteral("item24"))->click(); // "Report menu"
        pressOk(dialog);
    });
    EXPECT_TRUE(runUserControl(parent, till.state));
    EXPECT_EQ(till.state.config.get(cfg::userControl, 24), 2);

    test::whenModalOpens<UserControlDialog>([](UserControlDialog *dialog) {
        dialog->findChild<QCheckBox *>(QStringLiteral("all"))->click();
        dialog->reject();
    });
    EXPECT_FALSE(runUserControl(parent, till.state));
    EXPECT_EQ(till.state.config.get(cfg::userControl, 0), 0);

    till.state.config.set(cfg::currentClerk, 3);
    EXPECT_FALSE(runUserControl(parent, till.state)); // no dialog at all
    delete parent;
}
