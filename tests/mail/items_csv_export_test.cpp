// The daily and weekly items CSV exports and ES.CSV, byte for byte, from an
// archive made by hand.

#include "platform/file.h"
#include "platform/scripted_messages.h"
#include "reports/logic/items_csv_export.h"
#include "reports/report_archive.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace ovix {
namespace {

using test::ReportArchive;

const LocalTime kToday{2026, 12, 8, 18, 30, 0, 2};
const CalendarDay kDay{2026, 12, 8};

std::string tea(int64_t number, const char *type, int clerk = 1)
{
    return cformat("101,TEA,3,0.00,2.50,0.25,0.00,1.20,2.75,%lld,%d,%s\r\n",
        static_cast<long long>(number), clerk, type);
}

// A sale of one tea on `day`; returns its number.
int64_t sellTea(ReportArchive &archive, const CalendarDay &day, const char *type = "Cash")
{
    return archive.add(day, type, {{101, "TEA", 3, 0, 2.5f, 0.25f, 1.2f}});
}

ScriptedMessages answering(std::initializer_list<const char *> replies)
{
    ScriptedMessages messages;
    for (const char *reply : replies)
        messages.textReplies.push_back(reply ? std::optional<std::string>(reply) : std::nullopt);
    return messages;
}

// The last thing the command said that was not one of its questions.
std::string told(const ScriptedMessages &messages)
{
    for (auto it = messages.shown.rbegin(); it != messages.shown.rend(); ++it) {
        const char last = it->text.empty() ? ' ' : it->text.back();
        if (last != ')' && last != ':')
            return it->text;
    }
    return "";
}

int modeOf(const std::string &path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? static_cast<int>(info.st_mode & 0777) : -1;
}

TEST(ItemsCsvExport, TheDailyFileHoldsTheDaysSalesWithTheirCategory)
{
    ReportArchive archive;
    const int64_t first = sellTea(archive, kDay);
    sellTea(archive, kDay, "Refund");
    sellTea(archive, kDay, "Payment");
    const int64_t card = sellTea(archive, kDay, "EFT");
    ScriptedMessages messages = answering({"8", "12", "2026", "SA261208.CSV"});
    ASSERT_TRUE(exportDailyItemsCsv(archive.dir(), kToday, messages));
    EXPECT_EQ(test::readBytes(archive.folder.file("SA261208.CSV")),
        tea(first, "Cash") + tea(card, "EFT"));
    EXPECT_EQ(modeOf(archive.folder.file("SA261208.CSV")), 0600);
    EXPECT_EQ(messages.lastText(), "Complete.");
    EXPECT_EQ(messages.lastCaption(), "File export");
    // What each question proposed: today, and the file named after the day typed.
    EXPECT_EQ(messages.proposals,
        (std::vector<std::string>{"8", "12", "2026", "SA261208.CSV"}));
}

TEST(ItemsCsvExport, TheWeekWalksTheGregorianCalendarAndSkipsDaysWithoutSales)
{
    ReportArchive archive;
    // 2100 is no leap year: seven days from 27 February end on 5 March.
    const int64_t a = sellTea(archive, {2100, 2, 27});
    const int64_t b = sellTea(archive, {2100, 3, 1});
    archive.append({2100, 3, 2}, "saleslog.dat", ""); // no itemslog.dat: skipped
    const int64_t c = sellTea(archive, {2100, 3, 5});
    sellTea(archive, {2100, 3, 6}); // the eighth day
    ScriptedMessages messages = answering({"27", "2", "2100", "week.csv"});
    ASSERT_TRUE(exportWeeklyItemsCsv(archive.dir(), kToday, messages));
    EXPECT_EQ(test::readBytes(archive.folder.file("week.csv")),
        tea(a, "Cash") + tea(b, "Cash") + tea(c, "Cash"));
    EXPECT_EQ(messages.proposals[0], "8");
    EXPECT_EQ(messages.shown[0].text, "Please enter the first day (1-31)");
    EXPECT_EQ(messages.proposals[3], "SW000227.CSV");
    EXPECT_EQ(messages.lastText(), "Complete.");
}

TEST(ItemsCsvExport, WhatEndsTheCommandAndWhatItSays)
{
    struct Case {
        const char *name;
        bool weekly;
        std::vector<const char *> replies;
        const char *said;
        const char *file; // written, or nullptr
    } cases[] = {
        {"cancelled day", false, {nullptr}, "", nullptr},
        {"day 32", false, {"32"}, "", nullptr},
        {"month 13", false, {"8", "13"}, "", nullptr},
        {"year 1999", false, {"8", "12", "1999"}, "", nullptr},
        {"empty name", false, {"8", "12", "2026", ""}, "", nullptr},
        {"name with a folder", false, {"8", "12", "2026", "../x.csv"},
            "Please enter a file name without a folder.", nullptr},
        {"no sales that day", false, {"7", "12", "2026", "a.csv"},
            "No items for that day.", nullptr},
        {"no sales that week", true, {"1", "1", "2026", "w.csv"}, "Complete.", "w.csv"},
        {"31 April walks no day", true, {"31", "4", "2026", "w.csv"}, "Complete.",
            "w.csv"},
    };
    for (const Case &c : cases) {
        ReportArchive archive;
        sellTea(archive, kDay);
        ScriptedMessages messages;
        for (const char *reply : c.replies)
            messages.textReplies.push_back(
                reply ? std::optional<std::string>(reply) : std::nullopt);
        const bool written = c.weekly ? exportWeeklyItemsCsv(archive.dir(), kToday, messages)
                                      : exportDailyItemsCsv(archive.dir(), kToday, messages);
        EXPECT_EQ(written, c.file != nullptr) << c.name;
        EXPECT_EQ(told(messages), c.said) << c.name;
        if (c.file) {
            EXPECT_TRUE(fileExists(archive.folder.file(c.file))) << c.name;
            EXPECT_EQ(test::readBytes(archive.folder.file(c.file)), "") << c.name;
        }
    }
}

TEST(ItemsCsvExport, ADayWithSalesButNoItemsLogEndsSilently)
{
    ReportArchive archive;
    archive.append(kDay, "saleslog.dat", "");
    ScriptedMessages messages = answering({"8", "12", "2026", "a.csv"});
    EXPECT_FALSE(exportDailyItemsCsv(archive.dir(), kToday, messages));
    EXPECT_EQ(messages.lastText(), "Enter the file name:");
    EXPECT_EQ(test::readBytes(archive.folder.file("a.csv")), "");
}

TEST(TodaysItemsCsv, EsCsvHoldsTodaysSalesOnlyAndIsReturnedWhole)
{
    ReportArchive archive;
    const int64_t first = sellTea(archive, kDay);
    sellTea(archive, kDay, "Refund");
    sellTea(archive, kDay, "Payment");
    const int64_t cheque = sellTea(archive, kDay, "CH");
    ScriptedMessages messages;
    const std::optional<std::string> csv = writeTodaysItemsCsv(archive.dir(), kToday, messages);
    ASSERT_TRUE(csv);
    const std::string expected = "101,TEA,0.00,2.50,0.25,0.00,1.20,2.75,"
        + std::to_string(first) + ",1,Cash\r\n101,TEA,0.00,2.50,0.25,0.00,1.20,2.75,"
        + std::to_string(cheque) + ",1,CH\r\n";
    EXPECT_EQ(*csv, expected);
    EXPECT_EQ(test::readBytes(archive.folder.file("ES.CSV")), expected);
    EXPECT_EQ(modeOf(archive.folder.file("ES.CSV")), 0600);
    EXPECT_TRUE(messages.shown.empty());
}

TEST(TodaysItemsCsv, WithoutTodaysFilesNothingIsWritten)
{
    ReportArchive archive;
    ScriptedMessages messages;
    EXPECT_FALSE(writeTodaysItemsCsv(archive.dir(), kToday, messages));
    EXPECT_EQ(messages.lastText(), "No items for that day.");
    archive.append(kDay, "saleslog.dat", "");
    ScriptedMessages quiet;
    EXPECT_FALSE(writeTodaysItemsCsv(archive.dir(), kToday, quiet));
    EXPECT_TRUE(quiet.shown.empty());
    EXPECT_FALSE(fileExists(archive.folder.file("ES.CSV")));
}

} // namespace
} // namespace ovix
