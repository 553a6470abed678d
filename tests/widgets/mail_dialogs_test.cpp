// "Email target": what it shows from wrmail.cfg, what OK stores, and the
// addresses it refuses. (A mail command without settings: mail_commands_test.)

#include "platform/scripted_messages.h"
#include "sales/widgets/mail_setup.h"
#include "sales/widgets/mail_setup_dialog.h"
#include "platform/data_dir.h"
#include "support/test_support.h"
#include "widgets/modal_dialogs.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <gtest/gtest.h>

namespace ovix::test {
namespace {

void type(QDialog *dialog, const char *name, const QString &text)
{
    dialog->findChild<QLineEdit *>(QString::fromLatin1(name))->setText(text);
}

TEST(MailDialogs, OkStoresEveryFieldAndTheDialogShowsThemAgain)
{
    TempDir shop;
    DataDir dir(shop.path());
    ScriptedMessages messages;
    whenModalOpens<MailSetupDialog>([](MailSetupDialog *dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Email target");
        type(dialog, "server", "mail.example.org");
        type(dialog, "target", "office@example.org");
        type(dialog, "sender", "shop@example.org");
        dialog->findChild<QSpinBox *>("port")->setValue(587);
        auto *encryption = dialog->findChild<QComboBox *>("encryption");
        encryption->setCurrentIndex(encryption->findText("STARTTLS"));
        type(dialog, "userName", "till");
        type(dialog, "password", "secret");
        EXPECT_TRUE(clickNamed(dialog, "ok"));
    });
    const std::optional<MailSettings> stored = editMailSettings(nullptr, dir, messages);
    ASSERT_TRUE(stored);
    const MailSettings read = loadMailSettings(dir).settings;
    EXPECT_EQ(read.server, "mail.example.org");
    EXPECT_EQ(read.target, "office@example.org");
    EXPECT_EQ(read.sender, "shop@example.org");
    EXPECT_EQ(read.port, 587);
    EXPECT_EQ(read.encryption, MailEncryption::StartTls);
    EXPECT_EQ(read.userName, "till");
    EXPECT_EQ(read.password, "secret");

    whenModalOpens<MailSetupDialog>([](MailSetupDialog *dialog) {
        EXPECT_EQ(dialog->findChild<QLineEdit *>("target")->text(), "office@example.org");
        EXPECT_EQ(dialog->findChild<QLineEdit *>("password")->echoMode(), QLineEdit::Password);
        EXPECT_EQ(dialog->findChild<QComboBox *>("encryption")->currentText(), "STARTTLS");
        EXPECT_TRUE(clickNamed(dialog, "cancel"));
    });
    EXPECT_FALSE(editMailSettings(nullptr, dir, messages));
}

TEST(MailDialogs, ALineBreakInAnAddressIsRefusedAndTheDialogStaysOpen)
{
    TempDir shop;
    DataDir dir(shop.path());
    ScriptedMessages messages;
    whenModalOpens<MailSetupDialog>([&messages](MailSetupDialog *dialog) {
        type(dialog, "server", "mail.example.org");
        type(dialog, "target", "office@example.org");
        type(dialog, "sender", QString::fromLatin1("shop@example.org\tRCPT TO:<x@example.org>"));
        EXPECT_TRUE(clickNamed(dialog, "ok"));
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(messages.lastText(),
            "The Your email must not hold a line break or other control character");
        EXPECT_TRUE(clickNamed(dialog, "cancel"));
    });
    EXPECT_FALSE(editMailSettings(nullptr, dir, messages));
    EXPECT_EQ(readBytes(shop.file("wrmail.cfg")), "");
}

} // namespace
} // namespace ovix::test
