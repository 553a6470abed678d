// Reminders on resn.dat built and read back at the documented offsets: adding
// up to 200 a day, amending, deleting, the days offered, a damaged count or
// file, and the printed day.

#include "accounts/logic/reminders.h"
#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/scripted_messages.h"
#include "print/logic/recording_print_device.h"
#include "support/golden_page.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace ovix;
using namespace ovix::test;

namespace {

constexpr size_t kRecord = 12932;
constexpr size_t kFlags = 4;
constexpr size_t kCount = 804;
constexpr size_t kCustomer = 812;
constexpr size_t kItem = 6872;

std::string blankFile()
{
    std::string bytes(30 * kRecord, '\0');
    for (int k = 0; k < 30; ++k)
        putI32(bytes, k * kRecord, k);
    return bytes;
}

struct Entry {
    int32_t flag;
    std::string customer;
    std::string item;
    bool operator==(const Entry &) const = default;
};

// The count and the entries 0..n-1 of day `day` as the bytes hold them.
int32_t countOf(const std::string &file, int day)
{
    return getI32(file, day * kRecord + kCount);
}
Entry entryOf(const std::string &file, int day, int entry)
{
    const size_t base = day * kRecord;
    return { getI32(file, base + kFlags + 4 * entry), getText(file, base + kCustomer + 30 * entry, 30),
        getText(file, base + kItem + 30 * entry, 30) };
}

void putEntry(std::string &file, int day, int entry, const char *customer, const char *item)
{
    const size_t base = day * kRecord;
    putI32(file, base + kFlags + 4 * entry, 2);
    putText(file, base + kCustomer + 30 * entry, customer);
    putText(file, base + kItem + 30 * entry, item);
}

struct ReminderFolder {
    TempDir folder;
    DataDir dir { folder.path() };
    ScriptedMessages messages;
    std::string path = folder.file("resn.dat");

    explicit ReminderFolder(const std::string &bytes = blankFile())
    {
        writeBytes(path, bytes);
    }
    std::string bytes() const
    {
        return readBytes(path);
    }
};

} // namespace

TEST(Reminders, TheTwoHundredthIsStoredAndTheNextIsRefused)
{
    ReminderFolder resn;
    for (int n = 0; n < 200; ++n)
        ASSERT_TRUE(addReminder(resn.dir, 3, "C" + std::to_string(n), "I", resn.messages)) << n;
    const std::string full = resn.bytes();
    EXPECT_EQ(countOf(full, 3), 200);
    EXPECT_EQ(entryOf(full, 3, 199), (Entry { 2, "C199", "I" }));
    EXPECT_FALSE(addReminder(resn.dir, 3, "ONE MORE", "I", resn.messages));
    EXPECT_EQ(resn.messages.lastText(), "Total reached");
    EXPECT_EQ(resn.messages.lastCaption(), "Reminders");
    EXPECT_EQ(resn.bytes(), full);
    EXPECT_EQ(countOf(full, 2), 0) << "other days untouched";
    EXPECT_EQ(getI32(full, 3 * kRecord), 3) << "the record keeps its number";
}

TEST(Reminders, DeletingTheFirstOfThreeMovesTheOthersUpAndAnAddFillsTheThird)
{
    ReminderFolder resn;
    for (const char *who : { "ANN", "BOB", "CAT" })
        ASSERT_TRUE(addReminder(resn.dir, 0, who, std::string(who) + " ITEM", resn.messages));
    ASSERT_TRUE(deleteReminder(resn.dir, 0, 0, resn.messages));
    EXPECT_EQ(resn.messages.lastText(), "Updated");
    std::string file = resn.bytes();
    EXPECT_EQ(countOf(file, 0), 2);
    EXPECT_EQ(entryOf(file, 0, 0), (Entry { 2, "BOB", "BOB ITEM" }));
    EXPECT_EQ(entryOf(file, 0, 1), (Entry { 2, "CAT", "CAT ITEM" }));
    EXPECT_EQ(entryOf(file, 0, 2), (Entry { 0, "", "" }));
    ASSERT_TRUE(addReminder(resn.dir, 0, "dan", "dan's parcel", resn.messages));
    file = resn.bytes();
    EXPECT_EQ(countOf(file, 0), 3);
    EXPECT_EQ(entryOf(file, 0, 2), (Entry { 2, "DAN", "DAN'S PARCEL" }));
}

TEST(Reminders, TextsAreStoredInCapitalsCutTo28)
{
    ReminderFolder resn;
    ASSERT_TRUE(addReminder(resn.dir, 27, std::string(40, 'a'), "caf\xe9 box", resn.messages));
    const Entry stored = entryOf(resn.bytes(), 27, 0);
    EXPECT_EQ(stored.customer, std::string(28, 'A'));
    EXPECT_EQ(stored.item, "CAF\xc9 BOX");
}

TEST(Reminders, ADamagedCountIsClampedAndADamagedFileIsNeverWritten)
{
    struct Case {
        const char *name;
        std::string file;
        int count; // as read
        const char *addMessage; // "" when the add is stored
    };
    std::string huge = blankFile();
    putI32(huge, 5 * kRecord + kCount, 100000);
    std::string negative = blankFile();
    putI32(negative, 5 * kRecord + kCount, -3);
    std::string flagsAhead = blankFile(); // count 1 but the first two flags used
    putEntry(flagsAhead, 5, 0, "A", "B");
    putEntry(flagsAhead, 5, 1, "C", "D");
    putI32(flagsAhead, 5 * kRecord + kCount, 1);
    const Case cases[] = {
        { "a count past 200", huge, 200, "Total reached" },
        { "a negative count", negative, 0, "" },
        { "a used flag past the count is passed over", flagsAhead, 1, "" },
        { "a short file", blankFile().substr(0, 100), -1, "Data file resn.dat corrupt." },
        { "a long file", blankFile() + "x", -1, "Data file resn.dat corrupt." },
    };
    for (const Case &c : cases) {
        ReminderFolder resn(c.file);
        ScriptedMessages &messages = resn.messages;
        const auto days = loadReminderDays(resn.dir, messages);
        if (c.count < 0) {
            EXPECT_FALSE(days.has_value()) << c.name;
        } else {
            ASSERT_TRUE(days.has_value()) << c.name;
            EXPECT_EQ(reminderCount((*days)[5]), c.count) << c.name;
            EXPECT_EQ(reminderEntries((*days)[5]).size(), static_cast<size_t>(c.count)) << c.name;
        }
        messages.shown.clear();
        const bool stored = addReminder(resn.dir, 5, "NEW", "ONE", messages);
        EXPECT_EQ(stored, *c.addMessage == 0) << c.name;
        if (*c.addMessage) {
            EXPECT_EQ(messages.lastText(), c.addMessage) << c.name;
            EXPECT_EQ(resn.bytes(), c.file) << c.name << ": the file is left as it was";
        }
    }
    ReminderFolder twice(flagsAhead);
    ASSERT_TRUE(addReminder(twice.dir, 5, "NEW", "ONE", twice.messages));
    EXPECT_EQ(entryOf(twice.bytes(), 5, 2), (Entry { 2, "NEW", "ONE" }));
    EXPECT_EQ(entryOf(twice.bytes(), 5, 1), (Entry { 2, "C", "D" }));
    EXPECT_EQ(countOf(twice.bytes(), 5), 3);
}

TEST(Reminders, AMissingFileIsSaidAndNotCreated)
{
    ReminderFolder resn;
    std::remove(resn.path.c_str());
    EXPECT_FALSE(addReminder(resn.dir, 0, "A", "B", resn.messages));
    EXPECT_EQ(resn.messages.lastText(), "Data file: resn.dat.");
    EXPECT_EQ(resn.messages.lastCaption(), "Problem");
    EXPECT_FALSE(deleteReminder(resn.dir, 0, 0, resn.messages));
    EXPECT_FALSE(fileExists(resn.path));
}

TEST(Reminders, AmendAsksBothTextsAndRefusesThirtyCharacters)
{
    struct Case {
        const char *name;
        int position;
        std::vector<std::optional<std::string>> replies;
        Entry stored;
        const char *lastText;
        const char *lastCaption;
    };
    const std::string thirty(30, 'X');
    const Case cases[] = {
        { "both amended", 1, { "NEW CUSTOMER", "new item" }, { 2, "NEW CUSTOMER", "new item" },
            "Updated", "Reminders" },
        { "29 characters fit", 1, { std::string(29, 'Y'), "I" }, { 2, std::string(29, 'Y'), "I" },
            "Updated", "Reminders" },
        { "a customer of 30", 1, { thirty }, { 2, "BOB", "SPADE" }, "30 characters",
            "Input exceeds aloowed length" },
        { "an item of 30", 1, { "OK", thirty }, { 2, "BOB", "SPADE" }, "30 characters",
            "Input exceeds allowed length" },
        { "cancel at the item", 1, { "OK", std::nullopt }, { 2, "BOB", "SPADE" }, "Item:",
            "Amend Reminder" },
        { "no entry there", 2, {}, { 2, "BOB", "SPADE" }, "No reminders held", "Amend Reminder" },
    };
    for (const Case &c : cases) {
        std::string file = blankFile();
        putEntry(file, 4, 0, "ANN", "RAKE");
        putEntry(file, 4, 1, "BOB", "SPADE");
        putI32(file, 4 * kRecord + kCount, 2);
        ReminderFolder resn(file);
        for (const auto &reply : c.replies)
            resn.messages.textReplies.push_back(reply);
        amendReminder(resn.dir, 4, c.position, resn.messages);
        EXPECT_EQ(entryOf(resn.bytes(), 4, 1), c.stored) << c.name;
        EXPECT_EQ(resn.messages.lastText(), c.lastText) << c.name;
        EXPECT_EQ(resn.messages.lastCaption(), c.lastCaption) << c.name;
        if (!c.replies.empty()) {
            EXPECT_EQ(resn.messages.proposals[0], "BOB") << c.name;
        }
    }
}

TEST(Reminders, DaysOfferedListsAndChoices)
{
    std::string file = blankFile();
    putEntry(file, 0, 0, "A VERY LONG CUSTOMER", "A VERY LONG ITEM");
    putI32(file, kCount, 1);
    putI32(file, 2 * kRecord + kCount, 12);
    putI32(file, 28 * kRecord + kCount, 9); // records 28 and 29 are never offered
    ReminderFolder resn(file);
    const auto days = loadReminderDays(resn.dir, resn.messages);
    ASSERT_TRUE(days.has_value());
    const std::vector<std::string> lines = reminderDayLines(*days, LocalTime { 2100, 2, 27, 9, 0, 0 });
    ASSERT_EQ(lines.size(), 28u);
    EXPECT_EQ(lines[0], "Sat 27 Feb 00 (1)");
    EXPECT_EQ(lines[1], "Sun 28 Feb 00");
    EXPECT_EQ(lines[2], "Mon 1 Mar 00 (12)") << "2100 has no 29 February";
    EXPECT_EQ(reminderChoiceLines((*days)[0]), (std::vector<std::string> { "A VERY LON, A VERY LON" }));
    EXPECT_EQ(reminderListLines((*days)[0]),
        (std::vector<std::string> { "A VERY LONG CUSTOMER, A VERY LONG ITEM" }));
}

TEST(Reminders, TheDayPrintsOnItsGoldenPage)
{
    std::vector<ReminderEntry> entries;
    for (int n = 1; n <= 80; ++n)
        entries.push_back({ "CUSTOMER " + std::to_string(n), "ITEM PUT BY " + std::to_string(n) });
    RecordingPrintDevice device;
    printReminders(device, "THE CORNER SHOP", "Mon 1 Mar 00", entries);
    EXPECT_TRUE(matchesGoldenPage(device.transcript(), "print/data/reminders.txt"));
}
