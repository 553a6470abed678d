// Reminders added, amended, listed and deleted through the real dialogs, and
// resn.dat read back at its documented offsets.

#include "accounts/widgets/reminder_commands.h"
#include "accounts/widgets/reminder_dialogs.h"
#include "platform/clock.h"
#include "platform/scripted_messages.h"
#include "sales/logic/till_state.h"
#include "sales/widgets/till_window.h"
#include "store/reminder_file.h"
#include "support/test_support.h"
#include "widgets/modal_dialogs.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

#include <map>
#include <string>

using namespace ovix;
using namespace ovix::test;

namespace {

constexpr size_t kRecord = 12932;

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

private:
    QWidget parent_;
    std::map<Command, std::function<void()>> work_;
};

struct ReminderTill {
    TempDir folder;
    TillState state { folder.path() };
    ScriptedMessages messages;
    CommandWindow window;

    ReminderTill()
    {
        setFixedLocalTime(LocalTime { 2026, 3, 5, 10, 0, 0 });
        EXPECT_TRUE(createBlankReminderFile(state.dir));
        connectReminderCommands(window, state, messages, [](QWidget *) { return int64_t(0); });
    }
    ~ReminderTill()
    {
        setFixedLocalTime(std::nullopt);
    }
    std::string resn() const
    {
        return readBytes(folder.file("resn.dat"));
    }
};

void type(AddReminderDialog *dialog, const char *customer, const char *item)
{
    dialog->customerBox()->setText(QString::fromLatin1(customer));
    dialog->itemBox()->setText(QString::fromLatin1(item));
}

void chooseRow(int row)
{
    whenModalOpens<ReminderListDialog>([row](ReminderListDialog *list) {
        list->list()->setCurrentRow(row);
        clickNamed(list, "ok");
    });
}

} // namespace

TEST(ReminderDialogs, AddedThroughTheDialogsAndReadBackFromResnDat)
{
    ReminderTill till;
    // Add today: Next stores one and clears the boxes, Add and finish another.
    whenModalOpens<AddReminderDialog>([](AddReminderDialog *dialog) {
        type(dialog, "mrs bell", "blue vase");
        clickNamed(dialog, "next");
        EXPECT_TRUE(dialog->customerBox()->text().isEmpty());
        EXPECT_EQ(dialog->byItem()->count(), 1);
        type(dialog, "mr cole", "red lamp");
        clickNamed(dialog, "finish");
    });
    till.window.run(Command::ReminderAddToday);
    std::string file = till.resn();
    EXPECT_EQ(getI32(file, 804), 2);
    EXPECT_EQ(getText(file, 812, 30), "MRS BELL");
    EXPECT_EQ(getText(file, 6872, 30), "BLUE VASE");
    EXPECT_EQ(getText(file, 812 + 30, 30), "MR COLE");
    EXPECT_EQ(getI32(file, 4 + 4), 2);

    // Add for the day after tomorrow: "Select day:" shows the counts.
    whenModalOpens<ReminderListDialog>([](ReminderListDialog *list) {
        EXPECT_EQ(list->windowTitle().toStdString(), "Select day:");
        EXPECT_EQ(list->list()->count(), 28);
        EXPECT_EQ(list->list()->item(0)->text().toStdString(), "Thu 5 Mar 26 (2)");
        list->list()->setCurrentRow(2);
        clickNamed(list, "ok");
    });
    whenModalOpens<AddReminderDialog>([](AddReminderDialog *dialog) {
        type(dialog, "ann", "cake");
        clickNamed(dialog, "finish");
    });
    till.window.run(Command::ReminderAdd);
    file = till.resn();
    EXPECT_EQ(getI32(file, 2 * kRecord), 2);
    EXPECT_EQ(getI32(file, 2 * kRecord + 804), 1);
    EXPECT_EQ(getText(file, 2 * kRecord + 812, 30), "ANN");

    // Cancel stores nothing.
    whenModalOpens<AddReminderDialog>([](AddReminderDialog *dialog) {
        type(dialog, "nobody", "nothing");
        clickNamed(dialog, "cancel");
    });
    till.window.run(Command::ReminderAddToday);
    EXPECT_EQ(getI32(till.resn(), 804), 2);

    // Delete the first of today's: the second moves up.
    chooseRow(0);
    whenModalOpens<ReminderListDialog>([](ReminderListDialog *list) {
        EXPECT_EQ(list->windowTitle().toStdString(), "Delete reservation");
        EXPECT_EQ(list->list()->item(0)->text().toStdString(), "MRS BELL, BLUE VASE");
        list->list()->setCurrentRow(0);
        clickNamed(list, "ok");
    });
    till.window.run(Command::ReminderDelete);
    file = till.resn();
    EXPECT_EQ(getI32(file, 804), 1);
    EXPECT_EQ(getText(file, 812, 30), "MR COLE");
    EXPECT_EQ(till.messages.lastText(), "Updated");

    // Amend it through the two prompts.
    till.messages.textReplies = { "MR COLE JNR", "RED LAMP SHADE" };
    chooseRow(0);
    chooseRow(0);
    till.window.run(Command::ReminderAmend);
    file = till.resn();
    EXPECT_EQ(getText(file, 812, 30), "MR COLE JNR");
    EXPECT_EQ(getText(file, 6872, 30), "RED LAMP SHADE");

    // A day without reminders has nothing to list.
    chooseRow(5);
    till.window.run(Command::ReminderList);
    EXPECT_EQ(till.messages.lastText(), "No reminders recorded.");
}
