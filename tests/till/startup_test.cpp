#include "platform/clock.h"
#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/scripted_messages.h"
#include "platform/undo_journal.h"
#include "print/pseudo_terminal.h"
#include "store/data_set.h"
#include "store/till_config.h"
#include "support/start_fixture.h"
#include "support/test_support.h"
#include "till/logic/startup.h"
#include "sales/logic/till_state.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>

using namespace ovix;

namespace {

using namespace ovix::test;

constexpr size_t kSupplier = 1058; // one record of mans.dat

class Startup : public ShopStart {
protected:
    // A whole day of use: started at `from`, switched off at `to`.
    void runDay(const LocalTime &from, const LocalTime &to)
    {
        TillState state(folder.path());
        ScriptedMessages messages;
        ASSERT_TRUE(start(state, from, messages)) << messages.lastText();
        setFixedLocalTime(to);
        shutdownTill(state, messages);
    }

    std::string config() const { return test::readBytes(folder.file("wr.cfg")); }

    void patchConfig(size_t offset, double value)
    {
        std::string bytes = config();
        test::putF64(bytes, offset, value);
        test::writeBytes(folder.file("wr.cfg"), bytes);
    }

    // Starts at `when`, expecting a failure that leaves every file as it was.
    void expectFailedStartChangesNothing(const LocalTime &when, ScriptedMessages &messages)
    {
        const auto before = snapshot(folder.path());
        TillState state(folder.path());
        setFixedLocalTime(when);
        EXPECT_FALSE(openData(state, messages));
        EXPECT_TRUE(state.startFailed);
        EXPECT_FALSE(completeStart(state, messages));
        shutdownTill(state, messages);
        EXPECT_EQ(snapshot(folder.path()), before);
    }
};

} // namespace

TEST_F(Startup, FirstDayOfANewShopFromSwitchOnToSwitchOff)
{
    TillState state(folder.path());
    ScriptedMessages messages;
    ASSERT_TRUE(start(state, at(2024, 3, 5, 9, 0), messages));
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText();

    // Stored at once: the first-use block with this start's stamp.
    std::string bytes = config();
    ASSERT_EQ(bytes.size(), kConfig);
    EXPECT_EQ(test::getI32(bytes, kDayOfLastUseAt), 5);
    const int32_t stamp[5] = {0, 9, 5, 3, 2024};
    for (size_t i = 0; i < 5; ++i)
        EXPECT_EQ(test::getI32(bytes, kSwitchOffAt + 4 * i), stamp[i]) << i;
    EXPECT_EQ(test::getText(bytes, 1409, 6), "VAT 1"); // first-use defaults
    EXPECT_EQ(test::readBytes(folder.file("bun4.dat")), "\r\n09:00 05/03/2024  Switched on.\r\n");
    EXPECT_EQ(test::readBytes(folder.file("2024/3/5/base.dat")), "09:00");

    setFixedLocalTime(at(2024, 3, 5, 17, 30));
    shutdownTill(state, messages);
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText();
    bytes = config();
    EXPECT_EQ(test::getI32(bytes, kSwitchOffAt), 30);
    EXPECT_EQ(test::getI32(bytes, kSwitchOffAt + 4), 17);
    EXPECT_EQ(test::readBytes(folder.file("bun4.dat")),
              "\r\n09:00 05/03/2024  Switched on.\r\n"
              "\r\n17:30 05/03/2024  Switched off.\r\nClerk: 1, Administrator\r\n");
    EXPECT_EQ(test::readBytes(folder.file("ADDRESS.VT")).size(), 294u);
    EXPECT_EQ(test::getText(test::readBytes(folder.file("language.ini")), 0, 80), "English");
    const std::string summary = test::readBytes(folder.file("2024/3/5/thedaily.dat"));
    EXPECT_EQ(summary.substr(0, summary.find("\r\n")),
              "YOUR SHOP NAME  17:30 Tuesday March 5 2024");
    EXPECT_NE(summary.find("\r\nOntime: 09:00  Transaction number: 1\r\n"), std::string::npos);
}

TEST_F(Startup, NextDayAndFirstOfTheMonthAskNothing)
{
    runDay(at(2024, 3, 5, 9), at(2024, 3, 5, 18));
    patchConfig(kTillTakingsAt, 321.5);
    TillState state(folder.path());
    ScriptedMessages messages;
    ASSERT_TRUE(start(state, at(2024, 3, 6), messages));
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText();
    EXPECT_EQ(test::getF64(config(), kTakingsHistoryAt), 321.5);
    EXPECT_EQ(test::getF64(config(), kTillTakingsAt), 0.0);
    setFixedLocalTime(at(2024, 3, 6, 18));
    shutdownTill(state, messages);

    runDay(at(2024, 3, 31, 9), at(2024, 3, 31, 18));
    TillState april(folder.path());
    ScriptedMessages none;
    ASSERT_TRUE(start(april, at(2024, 4, 1), none)) << none.lastText();
    EXPECT_TRUE(none.shown.empty()) << none.lastText();
}

TEST_F(Startup, TwoDaysLaterAsksAndCancelWritesNothing)
{
    runDay(at(2024, 3, 5, 9), at(2024, 3, 5, 18, 15));
    ScriptedMessages messages;
    messages.answers = {Answer::Cancel};
    expectFailedStartChangesNothing(at(2024, 3, 7), messages);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Warning: Usage gap from Tue 5 Mar 24");
    EXPECT_EQ(messages.shown[0].caption, "If system date Thu 7 Mar 24 is correct select OK");

    // Answered OK, the two days are rolled over.
    patchConfig(kTillTakingsAt, 99.0);
    TillState state(folder.path());
    ScriptedMessages ok;
    ok.answers = {Answer::Ok};
    ASSERT_TRUE(start(state, at(2024, 3, 7), ok));
    EXPECT_EQ(ok.shown.size(), 1u);
    EXPECT_EQ(test::getF64(config(), kTakingsHistoryAt), 0.0);
    EXPECT_EQ(test::getF64(config(), kTakingsHistoryAt + 8), 99.0);
    EXPECT_EQ(test::getI32(config(), kDayOfLastUseAt), 7);
}

TEST_F(Startup, ExactlyOneMonthLaterRollsTheDayOver)
{
    runDay(at(2024, 3, 5, 9), at(2024, 3, 5, 18));
    patchConfig(kTillTakingsAt, 250.0);
    test::writeBytes(folder.file("resn.dat"), markedReminders());
    TillState state(folder.path());
    ScriptedMessages messages;
    messages.answers = {Answer::Ok};
    ASSERT_TRUE(start(state, at(2024, 4, 5), messages));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.lastText(), "Warning: Usage gap from Tue 5 Mar 24");
    const std::string bytes = config();
    EXPECT_EQ(test::getF64(bytes, kTillTakingsAt), 0.0);
    EXPECT_EQ(test::getF64(bytes, kTakingsHistoryAt + 8 * 29), 0.0);
    EXPECT_EQ(test::getF64(bytes, kTakingsHistoryAt + 8 * 30), 250.0);
    // Every day of the reminder window has passed.
    const std::string reminders = test::readBytes(folder.file("resn.dat"));
    ASSERT_EQ(reminders.size(), 30 * kReminder);
    EXPECT_EQ(test::getI32(reminders, 804), 0);
    EXPECT_EQ(test::getText(reminders, 812, 30), "");
}

TEST_F(Startup, ReminderWindowMovesOnAndTodaysAreAnnounced)
{
    runDay(at(2024, 3, 5, 9), at(2024, 3, 5, 18));
    test::writeBytes(folder.file("resn.dat"), markedReminders());
    TillState state(folder.path());
    ScriptedMessages messages;
    messages.answers = {Answer::Ok};
    ASSERT_TRUE(start(state, at(2024, 3, 7), messages));
    const std::string reminders = test::readBytes(folder.file("resn.dat"));
    EXPECT_EQ(test::getI32(reminders, 0), 0);
    EXPECT_EQ(test::getText(reminders, 812, 30), "CUSTOMER 2");
    EXPECT_EQ(test::getText(reminders, 25 * kReminder + 812, 30), "CUSTOMER 27");
    EXPECT_EQ(test::getI32(reminders, 26 * kReminder + 804), 0);
    EXPECT_EQ(messages.lastText(), "For today: 1");
    EXPECT_EQ(messages.lastCaption(), "Reminders");
}

TEST_F(Startup, DamagedReminderFileIsReportedNotReplaced)
{
    runDay(at(2024, 3, 5, 9), at(2024, 3, 5, 18));
    test::writeBytes(folder.file("resn.dat"), std::string(1000, 'R'));
    ScriptedMessages messages;
    expectFailedStartChangesNothing(at(2024, 3, 6), messages);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.lastText(), "Unable to open resn.dat for complete update in Opendata.");
    EXPECT_EQ(messages.lastCaption(), "Problem");
}

TEST_F(Startup, MissingReminderFileIsMadeAtSwitchOn)
{
    runDay(at(2024, 3, 5, 9), at(2024, 3, 5, 18));
    std::filesystem::remove(folder.file("resn.dat"));
    TillState state(folder.path());
    ScriptedMessages messages;
    ASSERT_TRUE(start(state, at(2024, 3, 5, 19), messages));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.lastText(), "New");
    EXPECT_EQ(messages.lastCaption(), "Reservation file");
    EXPECT_EQ(test::readBytes(folder.file("resn.dat")).size(), 30 * kReminder);
}

TEST_F(Startup, DamagedItemFileStopsTheStartWithNothingWritten)
{
    runDay(at(2024, 3, 5, 9), at(2024, 3, 5, 18));
    struct Case {
        size_t size;
        const char *message;
    };
    for (Case damage : {Case{1873, "Data file film.dat corrupt in Opendata."},
                        Case{0, "Film.dat has no data in Opendata."}}) {
        test::writeBytes(folder.file("film.dat"), std::string(damage.size, '\x01'));
        ScriptedMessages messages;
        // The next day, so that a start going on would roll the day over.
        expectFailedStartChangesNothing(at(2024, 3, 6), messages);
        ASSERT_EQ(messages.shown.size(), 1u) << damage.size;
        EXPECT_EQ(messages.lastText(), damage.message);
        EXPECT_EQ(messages.lastCaption(), "Fatal error");
    }
}

TEST_F(Startup, MissingConfigurationStopsTheStartBeforeTheLogIsMade)
{
    std::filesystem::remove(folder.file("wr.cfg"));
    ScriptedMessages messages;
    expectFailedStartChangesNothing(at(2024, 3, 5), messages);
    EXPECT_EQ(messages.lastText(), "Data file wr.cfg not present in Opendata.");
    EXPECT_FALSE(std::filesystem::exists(folder.file("bun4.dat")));
}

TEST_F(Startup, SupplierPlaceholderIsReplacedOnlyByAStartThatGoesOn)
{
    runDay(at(2024, 3, 5, 9), at(2024, 3, 5, 18));
    const std::string placeholder(66, 'P');
    test::writeBytes(folder.file("mans.dat"), placeholder);

    ScriptedMessages cancel;
    cancel.answers = {Answer::Cancel};
    expectFailedStartChangesNothing(at(2024, 3, 8), cancel);
    EXPECT_EQ(test::readBytes(folder.file("mans.dat")), placeholder);

    TillState state(folder.path());
    ScriptedMessages messages;
    ASSERT_TRUE(start(state, at(2024, 3, 6), messages)) << messages.lastText();
    std::string freeRecord(kSupplier, '\0');
    test::putI64(freeRecord, 0, -1);
    EXPECT_EQ(test::readBytes(folder.file("mans.dat")), freeRecord);
    EXPECT_EQ(state.suppliers.slotCount(), 1);
}

namespace {

// Begins a change of wr.cfg, half writes it and dies before the commit.
void crashWhileStoringConfig(void *context)
{
    const DataDir dir(static_cast<const char *>(context));
    FileTransaction work(dir);
    work.protectWholeFile("wr.cfg");
    if (!work.begin())
        _exit(1);
    File file = File::open(dir.path("wr.cfg"), File::Mode::ReadWrite);
    file.writeAt(0, "torn", 4);
    _exit(0);
}

} // namespace

TEST_F(Startup, WorkCutShortByACrashIsUndoneFirst)
{
    runDay(at(2024, 3, 5, 9), at(2024, 3, 5, 18));
    const std::string good = config();
    ASSERT_EQ(test::runInChild(crashWhileStoringConfig, const_cast<char *>(folder.path().c_str())),
              0);
    ASSERT_NE(config(), good);

    TillState state(folder.path());
    ScriptedMessages messages;
    setFixedLocalTime(at(2024, 3, 5, 19));
    ASSERT_TRUE(openData(state, messages));
    EXPECT_EQ(config(), good);
    EXPECT_EQ(std::string(state.config.view()), good);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.lastText(), "Work cut short by a crash was undone.");
}

TEST_F(Startup, PoleDisplayGreetsWithItsIdleTextAndAMissingPortDoesNotStopTheStart)
{
    runDay(at(2024, 3, 5, 9), at(2024, 3, 5, 18));
    test::PseudoTerminal pole;
    ASSERT_TRUE(pole.ready());
    std::string bytes = config();
    test::putI32(bytes, 40550, 2); // pole in use
    test::putI32(bytes, 40558, 1); // COM2
    test::putText(bytes, 33314, "WELCOME");
    test::putText(bytes, 33314 + 96, "12"); // clear display
    test::writeBytes(folder.file("wr.cfg"), bytes);
    test::writeBytes(folder.file("ports.cfg"), "COM2=" + pole.slavePath() + "\n");
    {
        TillState state(folder.path());
        ScriptedMessages messages;
        ASSERT_TRUE(start(state, at(2024, 3, 5, 19), messages));
        EXPECT_TRUE(messages.shown.empty()) << messages.lastText();
        EXPECT_EQ(pole.readAll(), "\x0CWELCOME");
        shutdownTill(state, messages);
    }

    test::writeBytes(folder.file("ports.cfg"), "COM2=" + folder.file("unplugged") + "\n");
    TillState state(folder.path());
    ScriptedMessages messages;
    ASSERT_TRUE(start(state, at(2024, 3, 5, 20), messages));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.lastText(), "Unable to open port");
    EXPECT_EQ(messages.lastCaption(), "Pole display");
    EXPECT_FALSE(state.startFailed);
}
