#include "modal_dialogs.h"
#include "platform/scripted_messages.h"
#include "support/test_support.h"
#include "sales/logic/till_state.h"
#include "till/logic/clerks.h"
#include "till/widgets/log_on_dialog.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace ovix;
using ovix::test::clickNamed;
using ovix::test::TempDir;

namespace {

void giveClerks(TillConfig &config)
{
    for (int clerk = 1; clerk <= 99; ++clerk) {
        config.setClerkName(clerk, clerk == 1   ? "Administrator"
                                   : clerk == 2 ? "Manager"
                                                : "Clerk " + std::to_string(clerk));
        config.setClerkPassword(clerk, "7351");
    }
}

QString selectorOf(QWidget *dialog)
{
    return dialog->findChild<QLineEdit *>(QStringLiteral("clerkSelector"))->text();
}

QString passwordOf(QWidget *dialog)
{
    return dialog->findChild<QLineEdit *>(QStringLiteral("password"))->text();
}

void press(QWidget *dialog, const char *digits)
{
    for (const char *d = digits; *d; ++d)
        clickNamed(dialog, (std::string("digit") + *d).c_str());
}

// Plays one step on each log-on dialog that opens, in turn. When the steps
// run out and another dialog comes, the test has failed: the window is
// destroyed, which ends the log-on loop.
class LogOnScript {
public:
    using Step = std::function<void(LogOnDialog *)>;
    LogOnScript(QWidget *window, std::vector<Step> steps)
        : window_(window), steps_(std::move(steps))
    {
        QObject::connect(&poll_, &QTimer::timeout, [this] { look(); });
        poll_.start(1);
    }
    size_t dialogsSeen() const { return seen_; }

private:
    void look()
    {
        auto *dialog = dynamic_cast<LogOnDialog *>(QApplication::activeModalWidget());
        if (!dialog || dialog == last_.data())
            return;
        last_ = dialog;
        ++seen_;
        if (seen_ > steps_.size()) {
            ADD_FAILURE() << "more log-on dialogs than expected";
            delete window_.data();
            return;
        }
        steps_[seen_ - 1](dialog);
    }

    QPointer<QWidget> window_;
    std::vector<Step> steps_;
    QPointer<QWidget> last_;
    size_t seen_ = 0;
    QTimer poll_;
};

} // namespace

TEST(LogOnDialog, SelectorStepsOverUnavailableClerksAndKeysEditThePassword)
{
    TillConfig config;
    giveClerks(config);
    config.setClerkAvailability(3, 2);
    config.setClerkAvailability(99, 2);
    LogOnDialog dialog(config, nullptr);
    EXPECT_EQ(dialog.windowTitle(), "USER LOGON");
    EXPECT_EQ(selectorOf(&dialog), "1 Administrator");
    EXPECT_TRUE(dialog.findChild<QLineEdit *>(QStringLiteral("clerkSelector"))->isReadOnly());

    clickNamed(&dialog, "up");
    EXPECT_EQ(selectorOf(&dialog), "2 Manager");
    clickNamed(&dialog, "up");
    EXPECT_EQ(selectorOf(&dialog), "4 Clerk 4");
    clickNamed(&dialog, "down");
    clickNamed(&dialog, "down");
    clickNamed(&dialog, "down");
    EXPECT_EQ(selectorOf(&dialog), "98 Clerk 98");
    clickNamed(&dialog, "up");
    EXPECT_EQ(selectorOf(&dialog), "1 Administrator");
    EXPECT_EQ(dialog.selectorText(), "1 Administrator");

    auto *password = dialog.findChild<QLineEdit *>(QStringLiteral("password"));
    EXPECT_EQ(password->echoMode(), QLineEdit::Password);
    auto *ok = dialog.findChild<QPushButton *>(QStringLiteral("ok"));
    EXPECT_FALSE(ok->isEnabled()); // no password yet
    press(&dialog, "73519");
    EXPECT_TRUE(ok->isEnabled());
    EXPECT_EQ(passwordOf(&dialog), "73519");
    ASSERT_TRUE(clickNamed(&dialog, "clearEntry"));
    EXPECT_EQ(dialog.password(), "7351");
    ASSERT_TRUE(clickNamed(&dialog, "clear"));
    EXPECT_EQ(dialog.password(), "");
    EXPECT_FALSE(ok->isEnabled());
    clickNamed(&dialog, "clearEntry"); // nothing left to remove
    EXPECT_EQ(dialog.password(), "");
    press(&dialog, "01234567890");
    EXPECT_EQ(dialog.password(), "012345678"); // read up to nine digits

    // Typed keys: digits only.
    password->clear();
    QTest::keyClicks(password, "12a3.4");
    EXPECT_EQ(dialog.password(), "1234");
    // The on-screen keys work on the end, wherever the caret is.
    password->setCursorPosition(1);
    press(&dialog, "9");
    EXPECT_EQ(dialog.password(), "12349");
    clickNamed(&dialog, "clearEntry");
    EXPECT_EQ(dialog.password(), "1234");

    auto *frame = password->parentWidget();
    ASSERT_NE(dynamic_cast<QGroupBox *>(frame), nullptr);
    EXPECT_EQ(static_cast<QGroupBox *>(frame)->title(), " Password (numeric)");
}

TEST(LogOnDialog, LogOffRepeatsTheDialogUntilAClerkLogsOn)
{
    TempDir folder;
    TillState state(folder.path());
    giveClerks(state.config);
    state.config.setClerkPassword(2, "2468");
    ScriptedMessages messages;
    auto *window = new QWidget;
    window->setGeometry(100, 100, 900, 700);
    window->setWindowTitle(QStringLiteral("OVIX Retail    Assoc: 1, Administrator"));

    QString titleWhileOpen;
    QRect dialogFrame;
    bool openAfterEmptyOk = false;
    LogOnScript script(
        window,
        {
            [&](LogOnDialog *dialog) {
                titleWhileOpen = window->windowTitle();
                dialogFrame = dialog->frameGeometry();
                clickNamed(dialog, "ok"); // no password: nothing happens
                openAfterEmptyOk = dialog->isVisible();
                clickNamed(dialog, "cancel");
            },
            [](LogOnDialog *dialog) {
                clickNamed(dialog, "up");
                press(dialog, "7351"); // clerk 1's password, not clerk 2's
                clickNamed(dialog, "ok");
            },
            [](LogOnDialog *dialog) {
                EXPECT_EQ(selectorOf(dialog), "1 Administrator"); // a fresh dialog
                EXPECT_EQ(passwordOf(dialog), "");
                clickNamed(dialog, "up");
                press(dialog, "2468");
                clickNamed(dialog, "ok");
            },
        });
    int hookCalls = 0;
    QPointer<QWidget> alive = window;
    runLogOnUntilSuccess(window, state, messages, [&] { ++hookCalls; });
    ASSERT_TRUE(alive);

    EXPECT_EQ(script.dialogsSeen(), 3u);
    EXPECT_TRUE(openAfterEmptyOk);
    EXPECT_EQ(titleWhileOpen, "OVIX Retail");
    EXPECT_LE((dialogFrame.center() - window->frameGeometry().center()).manhattanLength(), 2);
    EXPECT_EQ(hookCalls, 1);
    EXPECT_EQ(state.clerk(), 2);
    EXPECT_EQ(window->windowTitle(), "OVIX Retail    Assoc: 2, Manager");
    EXPECT_TRUE(messages.shown.empty());
    const std::string log = test::readBytes(folder.file("bun4.dat"));
    EXPECT_NE(log.find("  Log on.\r\nClerk: 2, Manager\r\n"), std::string::npos);
    EXPECT_EQ(log.find("Log on.", log.find("Log on.") + 1), std::string::npos); // only once
    delete window;
}

TEST(LogOnDialog, ClerkOneWithTheStandardPasswordIsRemindedOncePerLogOn)
{
    TempDir folder;
    TillState state(folder.path());
    giveClerks(state.config);
    ScriptedMessages messages;
    auto *window = new QWidget;
    for (size_t logOns = 1; logOns <= 2; ++logOns) {
        LogOnScript script(window,
            {
                [](LogOnDialog *dialog) {
                    press(dialog, "1234"); // wrong: no log-on, no reminder
                    clickNamed(dialog, "ok");
                },
                [](LogOnDialog *dialog) {
                    press(dialog, "7351");
                    clickNamed(dialog, "ok");
                },
            });
        runLogOnUntilSuccess(window, state, messages);
        EXPECT_EQ(script.dialogsSeen(), 2u);
        ASSERT_EQ(messages.shown.size(), logOns);
        EXPECT_EQ(messages.shown.back().caption, "Password");
        EXPECT_EQ(messages.shown.back().text, kStandardPasswordReminder);
    }

    state.config.setClerkPassword(1, "2468");
    LogOnScript script(window, { [](LogOnDialog *dialog) {
        press(dialog, "2468");
        clickNamed(dialog, "ok");
    } });
    runLogOnUntilSuccess(window, state, messages);
    EXPECT_EQ(state.clerk(), 1);
    EXPECT_EQ(messages.shown.size(), 2u);
    delete window;
}
