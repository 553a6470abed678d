// An import from text into film.dat or member.dat: replacing, merging, the
// copy kept in temp2.dat, files that hold nothing to take, and the report of
// the lines not taken.

#include "exchange/import_fixture.h"
#include "platform/clock.h"
#include "platform/file.h"
#include "store/customer_record.h"
#include "store/item_record.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>
#include <vector>

using namespace ovix;
using namespace ovix::test;

namespace {

struct ClockGuard {
    ClockGuard() { setFixedLocalTime(LocalTime { 2026, 3, 5, 9, 30, 0, 0 }); }
    ~ClockGuard() { setFixedLocalTime(std::nullopt); }
};

std::vector<ExportItem> oldItems()
{
    ExportItem apple;
    apple.number = 10;
    apple.description = "APPLE";
    ExportItem freeSlot;
    freeSlot.number = -1;
    ExportItem pear;
    pear.number = 20;
    pear.description = "PEAR";
    return { apple, freeSlot, pear };
}

std::vector<ExportCustomer> oldCustomers()
{
    ExportCustomer smith;
    smith.number = 7;
    smith.name = "SMITH";
    return { smith };
}

// The numbers of the records of a record file, in slot order.
std::vector<int64_t> numbersIn(const std::string &bytes, size_t recordSize)
{
    std::vector<int64_t> numbers;
    for (size_t offset = 0; offset + recordSize <= bytes.size(); offset += recordSize)
        numbers.push_back(getI64(bytes, offset));
    return numbers;
}

int modeOf(const std::string &path)
{
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 ? static_cast<int>(status.st_mode & 0777) : -1;
}

} // namespace

TEST(ImportRun, AReplaceWritesTheLinesTakenAndKeepsTheOldFileAsTemp2)
{
    ClockGuard clock;
    ExportShop shop(oldItems(), oldCustomers());
    const std::string film = shop.folder.file("film.dat");
    const std::string before = readBytes(film);
    ScriptedMessages messages;
    const auto result = importText(shop, "5,ab,\r\n6,X,\n7,tea,T1\n5,dup,\n",
        straightPlan(ImportSubject::Items), messages);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->outcome, ImportOutcome::Imported);
    EXPECT_EQ(result->taken, 3);
    EXPECT_EQ(result->notTaken, 1);
    const std::string after = readBytes(film);
    EXPECT_EQ(numbersIn(after, 1874), (std::vector<int64_t> { 5, 7, 5 }));
    EXPECT_EQ(getText(after, 8, 82), "AB");
    EXPECT_EQ(getText(after, 1874 + 90, 40), "T1");
    EXPECT_EQ(getText(after, 1810, 16), "09:3005/03/2026");
    EXPECT_EQ(readBytes(shop.folder.file("temp2.dat")), before);
    EXPECT_EQ(modeOf(shop.folder.file("temp2.dat")), 0600);
    EXPECT_FALSE(fileExists(film + ".new~"));
    // Both records of a number taken twice stay, and the shop is told.
    ASSERT_GE(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown.back().text, "Item 5 duplicated");
    EXPECT_EQ(messages.shown.back().caption, "Import inconsistancy");
}

TEST(ImportRun, NothingToTakeLeavesEveryFileByteForByte)
{
    struct Row {
        const char *name;
        ImportSubject subject;
        bool merge;
        const char *message;
    } rows[] = {
        { "item replace", ImportSubject::Items, false, "No valid items" },
        { "customer replace", ImportSubject::Customers, false, "No valid customers" },
    };
    for (const Row &row : rows) {
        ExportShop shop(oldItems(), oldCustomers());
        const std::string film = readBytes(shop.folder.file("film.dat"));
        const std::string member = readBytes(shop.folder.file("member.dat"));
        ScriptedMessages messages;
        const auto result = importText(shop, "Number,Name\n0,XX\n5,A\n", 
            straightPlan(row.subject, row.merge), messages);
        ASSERT_TRUE(result) << row.name;
        EXPECT_EQ(result->outcome, ImportOutcome::NothingTaken) << row.name;
        EXPECT_EQ(result->notTaken, 3) << row.name;
        EXPECT_EQ(messages.lastText(), row.message) << row.name;
        EXPECT_EQ(messages.lastCaption(), "Problem") << row.name;
        EXPECT_EQ(readBytes(shop.folder.file("film.dat")), film) << row.name;
        EXPECT_EQ(readBytes(shop.folder.file("member.dat")), member) << row.name;
        EXPECT_FALSE(fileExists(shop.folder.file("temp2.dat"))) << row.name;
        EXPECT_FALSE(fileExists(shop.folder.file("film.dat.new~"))) << row.name;
        EXPECT_FALSE(fileExists(shop.folder.file("member.dat.new~"))) << row.name;
    }
}

TEST(ImportRun, AMergeAppendsOnlyNumbersNotOnFile)
{
    ExportShop shop(oldItems(), oldCustomers());
    const std::string film = shop.folder.file("film.dat");
    const std::string before = readBytes(film);
    ScriptedMessages messages;
    const auto result = importText(shop, "10,NEW APPLE\n30,PLUM\n20,NEW PEAR\n40,FIG\n",
        straightPlan(ImportSubject::Items, true), messages);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->outcome, ImportOutcome::Imported);
    EXPECT_EQ(result->taken, 2);
    ASSERT_EQ(result->rejections.size(), 2u);
    EXPECT_EQ(result->rejections[0].line, 1);
    EXPECT_EQ(result->rejections[0].reason, "number 10 is already on file");
    const std::string after = readBytes(film);
    // The old records stay as they were; the new ones follow them.
    EXPECT_EQ(after.substr(0, before.size()), before);
    EXPECT_EQ(numbersIn(after, 1874), (std::vector<int64_t> { 10, -1, 20, 30, 40 }));
    EXPECT_FALSE(fileExists(shop.folder.file("temp2.dat")));
    EXPECT_FALSE(fileExists(shop.folder.file("ovix.jnl")));
}

TEST(ImportRun, AMergeWhoseNumbersAllExistWritesNothingAndStillCloses)
{
    ExportShop shop(oldItems(), oldCustomers());
    const std::string before = readBytes(shop.folder.file("film.dat"));
    ScriptedMessages messages;
    const auto result = importText(shop, "10,A1\n20,P1\n",
        straightPlan(ImportSubject::Items, true), messages);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->outcome, ImportOutcome::Imported);
    EXPECT_EQ(result->taken, 0);
    EXPECT_EQ(readBytes(shop.folder.file("film.dat")), before);
}

TEST(ImportRun, ACustomerImportReplacesMemberDat)
{
    ExportShop shop(oldItems(), oldCustomers());
    ScriptedMessages messages;
    const auto result = importText(shop, "3,Jones,a road\n4,Brown,\n",
        straightPlan(ImportSubject::Customers), messages);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->outcome, ImportOutcome::Imported);
    const std::string member = readBytes(shop.folder.file("member.dat"));
    EXPECT_EQ(numbersIn(member, 2094), (std::vector<int64_t> { 3, 4 }));
    EXPECT_EQ(getText(member, 38, 30), "A ROAD");
    EXPECT_FALSE(fileExists(shop.folder.file("temp2.dat")));
    announceImportEnd(ImportSubject::Customers, *result, messages);
    EXPECT_EQ(messages.lastText(), "OVIX will now close down\n\n2 lines taken, 0 not taken.");
    EXPECT_EQ(messages.lastCaption(), "File import complete");
}

TEST(ImportRun, ACancelledImportChangesNothing)
{
    ExportShop shop(oldItems(), oldCustomers());
    const std::string film = readBytes(shop.folder.file("film.dat"));
    std::string text;
    for (int number = 1; number <= 50; ++number)
        text += std::to_string(number) + ",ITEM\n";
    writeBytes(shop.folder.file("IMPORT.TXT"), text);
    ScriptedMessages messages;
    const auto source = readImportSource(shop.folder.file("IMPORT.TXT"), messages);
    ASSERT_TRUE(source);
    for (bool merge : { false, true }) {
        {
            ImportRun run(shop.shop, *source, straightPlan(ImportSubject::Items, merge));
            ASSERT_TRUE(run.open(messages));
            run.step(20);
            EXPECT_EQ(run.linesRead(), 20);
            EXPECT_EQ(run.totalLines(), 50);
        }
        EXPECT_EQ(readBytes(shop.folder.file("film.dat")), film);
        EXPECT_FALSE(fileExists(shop.folder.file("film.dat.new~")));
        EXPECT_FALSE(fileExists(shop.folder.file("temp2.dat")));
    }
}

TEST(ImportRun, TheReportNamesEveryLineNotTakenAndIsTheShopsAlone)
{
    ExportShop shop(oldItems(), oldCustomers());
    ScriptedMessages messages;
    const std::string longLine(3000, '9');
    const auto result = importText(shop,
        "Number,Description\n5,OK\n" + longLine + "\n6\n7,A\rB\n",
        straightPlan(ImportSubject::Items), messages);
    ASSERT_TRUE(result);
    const std::string source = shop.folder.file("IMPORT.TXT");
    std::string error;
    ASSERT_TRUE(saveImportReport(source, *result, &error)) << error;
    const std::string report = readBytes(source + ".rejected.txt");
    EXPECT_EQ(report,
        "Import of " + source + "\r\n1 lines taken, 4 not taken.\r\n\r\n"
        "Lines not taken:\r\n"
        "Line 1, column 1: number outside 1 to 100000000000000000\r\n"
        "Line 3: longer than 1998 bytes; the line is not taken\r\n"
        "Line 4, column 2: the line has 1 column; Description (2-39) is not taken\r\n"
        "Line 5: a carriage return inside the line; the line is not taken\r\n");
    EXPECT_EQ(modeOf(source + ".rejected.txt"), 0600);
}

TEST(ImportSource, FilesThatCannotBeImportedAreRefusedWithTheirMessage)
{
    struct Row {
        const char *name;
        std::string bytes;
        const char *text;
        const char *caption;
    } rows[] = {
        { "empty", "", "File has no content", "Problem" },
        { "no line feed", "5,AB,CD", "Non recognised format", "Problem" },
        { "carriage returns only", "5,AB\r6,CD\r", "Non recognised format", "Problem" },
        { "first line too long", std::string(2500, 'x') + "\n5,AB\n", "Non recognised format",
            "Problem" },
    };
    TempDir folder;
    for (const Row &row : rows) {
        writeBytes(folder.file("IN.TXT"), row.bytes);
        ScriptedMessages messages;
        EXPECT_FALSE(readImportSource(folder.file("IN.TXT"), messages)) << row.name;
        EXPECT_EQ(messages.lastText(), row.text) << row.name;
        EXPECT_EQ(messages.lastCaption(), row.caption) << row.name;
    }
    ScriptedMessages messages;
    EXPECT_FALSE(readImportSource(folder.file("MISSING.TXT"), messages));
    EXPECT_EQ(messages.lastText(), "File not present.");
    EXPECT_EQ(messages.lastCaption(), "Fatal error");
}

TEST(ImportSource, TheFirstLineFixesTheColumnsAndEveryLineIsARecord)
{
    TempDir folder;
    writeBytes(folder.file("IN.TXT"), "1,2,3\r\n4\n5,6");
    ScriptedMessages messages;
    const auto source = readImportSource(folder.file("IN.TXT"), messages);
    ASSERT_TRUE(source);
    EXPECT_EQ(source->columns, 3);
    EXPECT_EQ(source->lines, 3);
    EXPECT_EQ(source->firstLine, "1,2,3");
    messages.answers = { Answer::Cancel };
    EXPECT_FALSE(confirmImportSize(*source, messages));
    EXPECT_EQ(messages.lastText(), "3 records of 3 fields");
    EXPECT_EQ(messages.lastCaption(), "File import");
}
