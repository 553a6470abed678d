// Starting the till on a damaged wr.cfg or resn.dat: the clerk is told before
// anything is written, the file as found is kept, and clerk 1 can log on.

#include "platform/clock.h"
#include "platform/data_dir.h"
#include "platform/file_access.h"
#include "platform/scripted_messages.h"
#include "store/data_set.h"
#include "support/start_fixture.h"
#include "support/test_support.h"
#include "till/logic/clerks.h"
#include "till/logic/startup.h"
#include "sales/logic/till_state.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <string>

using namespace ovix;

namespace {

using namespace ovix::test;

constexpr size_t kPasswordOfClerkOneAt = 37772;
constexpr const char *kCopyName = "wr.cfg.damaged-20240306-090000";

// Notes every file of the folder as it is when the first box comes up.
class WatchingMessages : public ScriptedMessages {
public:
    explicit WatchingMessages(std::string folder)
        : folder_(std::move(folder))
    {
    }

    std::optional<Files> atFirstBox;

    void show(std::string_view text, std::string_view caption, MessageKind kind) override
    {
        look();
        ScriptedMessages::show(text, caption, kind);
    }
    bool confirm(std::string_view text, std::string_view caption, MessageKind kind) override
    {
        look();
        return ScriptedMessages::confirm(text, caption, kind);
    }

private:
    void look()
    {
        if (!atFirstBox)
            atFirstBox = snapshot(folder_);
    }
    std::string folder_;
};

std::string noise(unsigned seed, size_t size)
{
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char &byte : bytes)
        byte = static_cast<char>(random() & 0xFF);
    return bytes;
}

// A shop that traded on 5 March with clerk 1's password changed to 2468.
class DamagedStart : public ShopStart {
protected:
    void SetUp() override
    {
        ShopStart::SetUp();
        if (HasFatalFailure())
            return;
        ScriptedMessages quiet;
        TillState state(folder.path());
        setFixedLocalTime(at(2024, 3, 5));
        ASSERT_TRUE(openData(state, quiet) && completeStart(state, quiet)) << quiet.lastText();
        state.config.setClerkPassword(1, "2468");
        setFixedLocalTime(at(2024, 3, 5, 18));
        shutdownTill(state, quiet);
        ASSERT_TRUE(quiet.shown.empty()) << quiet.lastText();
        test::writeBytes(folder.file("resn.dat"), markedReminders());
        sound = test::readBytes(folder.file("wr.cfg"));
        ASSERT_EQ(sound.size(), kConfig);
        ASSERT_EQ(test::getText(sound, kPasswordOfClerkOneAt, 10), "2468");
    }
    std::string sound;
};

bool anyProblem(const ScriptedMessages &messages)
{
    for (const auto &box : messages.shown)
        if (box.caption == "Problem")
            return true;
    return false;
}

} // namespace

TEST_F(DamagedStart, TheClerkIsToldAndTheFileKeptBeforeAnyWriteAndClerkOneLogsOn)
{
    const struct Case {
        const char *name;
        std::function<std::string(const std::string &)> damage;
        const char *clerkOnePassword; // what logs clerk 1 on afterwards
        const char *told; // part of the first message
    } cases[] = {
        { "empty", [](const std::string &) { return std::string(); }, "7351", "wr.cfg was empty" },
        { "80 bytes", [](const std::string &s) { return s.substr(0, 80); }, "7351",
            "it held 80 of its 42550 bytes" },
        { "half", [](const std::string &s) { return s.substr(0, kConfig / 2); }, "7351",
            "it held 21275 of its 42550 bytes" },
        { "up to clerk 1's password", [](const std::string &s) { return s.substr(0, 37782); },
            "2468",
            "Clerks 2, 3, 4, 5, 6, 7, 8, 9 and 90 others now log on with the password 7351" },
        { "one byte short", [](const std::string &s) { return s.substr(0, kConfig - 1); }, "2468",
            "it held 42549 of its 42550 bytes" },
        { "too long", [](const std::string &s) { return s + "tail"; }, "2468",
            "42554 bytes instead of 42550" },
        { "all 0xFF", [](const std::string &) { return std::string(kConfig, '\xFF'); }, "7351",
            "Every clerk now logs on with the password 7351" },
        { "random 1", [](const std::string &) { return noise(1, kConfig); }, "7351",
            "clerk passwords" },
        { "random 2", [](const std::string &) { return noise(2, kConfig); }, "7351",
            "clerk names" },
        { "clerk 1's password garbled",
            [](const std::string &s) {
                std::string bytes = s;
                test::putText(bytes, kPasswordOfClerkOneAt,
                    "24\x08"
                    "8");
                return bytes;
            },
            "7351", "Clerk 1 now logs on with the password 7351" },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        test::writeBytes(folder.file("wr.cfg"), sound);
        test::writeBytes(folder.file("resn.dat"), markedReminders());
        std::filesystem::remove(folder.file(kCopyName));
        const std::string damaged = c.damage(sound);
        test::writeBytes(folder.file("wr.cfg"), damaged);
        Files expected = snapshot(folder.path());
        expected[kCopyName] = damaged;

        TillState state(folder.path());
        WatchingMessages messages(folder.path());
        ASSERT_TRUE(start(state, at(2024, 3, 6), messages)) << messages.lastText();

        ASSERT_FALSE(messages.shown.empty());
        const auto &first = messages.shown.front();
        EXPECT_EQ(first.caption, "Problem");
        EXPECT_NE(first.text.find(c.told), std::string::npos) << first.text;
        EXPECT_NE(first.text.find("A copy of wr.cfg as it was found was kept as "
                      + std::string(kCopyName) + "."),
            std::string::npos)
            << first.text;
        ASSERT_TRUE(messages.atFirstBox);
        EXPECT_TRUE(*messages.atFirstBox == expected) << "a file changed before the clerk was told";
        struct stat st { };
        ASSERT_EQ(::stat(folder.file(kCopyName).c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0600u);
        EXPECT_EQ(test::readBytes(folder.file(kCopyName)), damaged);

        // The reminders survive, moved on by the day at most.
        const std::string reminders = test::readBytes(folder.file("resn.dat"));
        ASSERT_EQ(reminders.size(), 30 * kReminder);
        EXPECT_EQ(test::getText(reminders, 812, 30).substr(0, 9), "CUSTOMER ");

        for (int clerk : { 1, 2, 3 })
            EXPECT_FALSE(logOn(state, clerkSelectorText(state.config, clerk), "", messages));
        EXPECT_TRUE(logOn(state, "1 Administrator", c.clerkOnePassword, messages));
        EXPECT_EQ(state.clerk(), 1);
        setFixedLocalTime(at(2024, 3, 6, 12));
        shutdownTill(state, messages);
        EXPECT_EQ(test::readBytes(folder.file("wr.cfg")).size(), kConfig);

        // What was stored is sound: the next start says nothing about it.
        TillState again(folder.path());
        ScriptedMessages quiet;
        ASSERT_TRUE(start(again, at(2024, 3, 6, 13), quiet));
        EXPECT_FALSE(anyProblem(quiet)) << quiet.shown.front().text;
        EXPECT_FALSE(std::filesystem::exists(folder.file("wr.cfg.damaged-20240306-130000")));
        EXPECT_TRUE(logOn(again, "1 Administrator", c.clerkOnePassword, quiet));
    }
}

TEST_F(DamagedStart, ASoundFileStartsSilentlyWithItsOwnPasswords)
{
    TillState state(folder.path());
    ScriptedMessages messages;
    ASSERT_TRUE(start(state, at(2024, 3, 6), messages));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.lastText(), "For today: 1");
    for (const auto &[name, bytes] : snapshot(folder.path()))
        EXPECT_EQ(name.find("damaged"), std::string::npos) << name;
    EXPECT_EQ(test::readBytes(folder.file("wr.cfg")).size(), kConfig);
    EXPECT_FALSE(logOn(state, "1 Administrator", "7351", messages));
    EXPECT_FALSE(logOn(state, "1 Administrator", "", messages));
    EXPECT_TRUE(logOn(state, "1 Administrator", "2468", messages));
    EXPECT_TRUE(logOn(state, "2 Manager", "7351", messages));
}

TEST_F(DamagedStart, NoCopyMeansNoStartAndNothingChanged)
{
    test::writeBytes(folder.file("wr.cfg"), sound.substr(0, 1000));
    const Files before = snapshot(folder.path());
    FaultyFileAccess faulty;
    faulty.faultWriteNumber(1, FaultyFileAccess::Mode::Fail);
    setFileAccess(&faulty);
    TillState state(folder.path());
    ScriptedMessages messages;
    const bool started = start(state, at(2024, 3, 6), messages);
    setFileAccess(nullptr);
    EXPECT_FALSE(started);
    EXPECT_TRUE(state.startFailed);
    shutdownTill(state, messages);
    EXPECT_TRUE(snapshot(folder.path()) == before);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.lastCaption(), "Problem");
    EXPECT_EQ(
        messages.lastText().substr(0, 53), "wr.cfg is short or damaged, and no copy of it could b");
    EXPECT_NE(messages.lastText().find("The till did not start, so wr.cfg stays as it is."),
        std::string::npos);
}

TEST_F(DamagedStart, UsageGapFromADamagedStampNamesNoMadeUpDate)
{
    std::string bytes = sound;
    const int32_t stamp[5] = { -1, 99, 0, -16843009, 70000 };
    for (size_t i = 0; i < 5; ++i)
        test::putI32(bytes, 480 + 4 * i, stamp[i]);
    test::putI32(bytes, 76, 45); // no day of the month
    test::writeBytes(folder.file("wr.cfg"), bytes);
    TillState state(folder.path());
    ScriptedMessages messages;
    messages.answers = { Answer::Cancel };
    setFixedLocalTime(at(2024, 3, 6));
    EXPECT_FALSE(openData(state, messages));
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_NE(
        messages.shown[0].text.find("day of last use and last switch-off time"), std::string::npos)
        << messages.shown[0].text;
    EXPECT_EQ(messages.shown[1].text, "Warning: Usage gap from an unknown date");
    EXPECT_EQ(messages.shown[1].caption, "If system date Wed 6 Mar 24 is correct select OK");
    EXPECT_EQ(test::readBytes(folder.file("wr.cfg")), bytes);
}

TEST_F(DamagedStart, TodaysReminderCountIsShownOnlyWhenItCanBeACount)
{
    const struct {
        int32_t stored;
        const char *text; // nullptr: nothing said
        const char *caption;
    } cases[] = {
        { 0, nullptr, nullptr },
        { 1, "For today: 1", "Reminders" },
        { 200, "For today: 200", "Reminders" },
        { 201, "The count of today's reminders in resn.dat is damaged.", "Reminders" },
        { -5, "The count of today's reminders in resn.dat is damaged.", "Reminders" },
        { INT32_MIN, "The count of today's reminders in resn.dat is damaged.", "Reminders" },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.stored);
        std::string reminders = markedReminders();
        test::putI32(reminders, 804, c.stored);
        test::writeBytes(folder.file("resn.dat"), reminders);
        TillState state(folder.path());
        ScriptedMessages messages;
        ASSERT_TRUE(start(state, at(2024, 3, 5, 19), messages)); // the same day: no shift
        if (!c.text) {
            EXPECT_TRUE(messages.shown.empty()) << messages.lastText();
            continue;
        }
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.lastText(), c.text);
        EXPECT_EQ(messages.lastCaption(), c.caption);
    }
}
