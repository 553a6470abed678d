// What the export refuses, which records it takes, and how the file is put
// in place.

#include "exchange/export_data.h"
#include "exchange/logic/export_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>

using namespace ovix;
using namespace ovix::test;

namespace {

struct ExportRun {
    bool done;
    std::string text; // the last message
    std::string bytes; // the output, "" when there is none
    bool created;
};

ExportRun runExport(ExportShop &shop, const ExportChoice &choice, const std::string &name = "out")
{
    ScriptedMessages messages;
    const std::string path = exportOutputPath(shop.shop, name);
    const bool done = exportRecords(shop.shop, choice, path, messages);
    return { done, messages.lastText(), readBytes(path), fileExists(path) };
}

struct RangeCase {
    int64_t start;
    int64_t finish;
    const char *numbers; // the lines written, or the message given
};

} // namespace

TEST(ExportRange, TakesTheNumbersInRangeAcrossTheHoles)
{
    const RangeCase cases[] = {
        { 1, 100, "10\r\n20\r\n30\r\n" },
        { 10, 10, "10\r\n" },
        { 11, 29, "20\r\n" },
        { 15, 100000000000000000, "20\r\n30\r\n" },
        { 21, 29, "No items in range." },
        { 31, 40, "No items in range." },
        { 0, 100, "Invalid range" },
        { -5, 100, "Invalid range" },
        { 5, 4, "Invalid range" },
    };
    for (const RangeCase &range : cases) {
        for (const ExportSubject subject : { ExportSubject::Items, ExportSubject::Customers }) {
            ExportShop shop(exportItems(), exportCustomers());
            ExportChoice choice = exportChoice(subject, ExportFormat::Text, { 0 });
            choice.start = range.start;
            choice.finish = range.finish;
            const ExportRun run = runExport(shop, choice);
            const bool customers = subject == ExportSubject::Customers;
            SCOPED_TRACE(std::to_string(range.start) + ".." + std::to_string(range.finish)
                + (customers ? " customers" : " items"));
            const std::string expected = range.numbers;
            if (expected.find('\r') == std::string::npos) {
                EXPECT_FALSE(run.done);
                EXPECT_EQ(run.text, expected);
                EXPECT_FALSE(run.created);
            } else if (!customers) {
                EXPECT_TRUE(run.done);
                EXPECT_EQ(run.bytes, expected);
            }
        }
    }
}

TEST(ExportRange, CustomerNumbersFollowTheirOwnIndex)
{
    ExportShop shop(exportItems(), exportCustomers());
    ExportChoice choice = exportChoice(ExportSubject::Customers, ExportFormat::Text, { 0 });
    choice.start = 4;
    choice.finish = 100;
    EXPECT_EQ(runExport(shop, choice).bytes, "7\r\n");
}

TEST(ExportFields, AnEmptySelectionIsRefusedAndWritesNothing)
{
    for (const ExportFormat format : { ExportFormat::Text, ExportFormat::Html }) {
        for (const ExportSubject subject : { ExportSubject::Items, ExportSubject::Customers }) {
            ExportShop shop(exportItems(), exportCustomers());
            writeBytes(shop.folder.file("out"), "old export");
            const ExportRun run = runExport(shop, exportChoice(subject, format, {}));
            EXPECT_FALSE(run.done);
            EXPECT_EQ(run.text, "No field is ticked to export.");
            EXPECT_EQ(run.bytes, "old export");
        }
    }
    // XML writes every element whatever the boxes say.
    ExportShop shop(exportItems(), exportCustomers());
    EXPECT_TRUE(runExport(shop, exportChoice(ExportSubject::Items, ExportFormat::Xml, {})).done);
}

TEST(ExportCategory, OnlyItemsOfTheCategoryChosen)
{
    const struct {
        int category;
        const char *expected;
    } cases[] = { { 2, "10\r\n30\r\n" }, { 5, "20\r\n" }, { 14, "" } };
    for (const auto &row : cases) {
        ExportShop shop(exportItems(), exportCustomers());
        ExportChoice choice = exportChoice(ExportSubject::Items, ExportFormat::Text, { 0 });
        choice.category = row.category;
        const ExportRun run = runExport(shop, choice);
        EXPECT_TRUE(run.done) << row.category;
        EXPECT_TRUE(run.created) << row.category;
        EXPECT_EQ(run.bytes, row.expected) << row.category;
    }
}

TEST(ExportFile, ReplacesAnOldExportWithAFileOfTheShopsOwn)
{
    ExportShop shop(exportItems(), exportCustomers());
    const std::string path = shop.folder.file("INVENTOR.TXT");
    writeBytes(path, std::string(10000, 'x'));
    chmod(path.c_str(), 0644);
    const ExportRun run = runExport(
        shop, exportChoice(ExportSubject::Items, ExportFormat::Text, { 0 }), "INVENTOR.TXT");
    EXPECT_TRUE(run.done);
    EXPECT_EQ(run.bytes, "10\r\n20\r\n30\r\n");
    struct stat status {};
    ASSERT_EQ(stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);
    EXPECT_FALSE(fileExists(path + ".new~"));
}

TEST(ExportFile, NeverWritesOverTheShopsDataFiles)
{
    for (const char *name : { "film.dat", "FILM.DAT", "member.dat", "./wr.cfg", "bun4.dat" }) {
        ExportShop shop(exportItems(), exportCustomers());
        writeBytes(shop.folder.file("wr.cfg"), "settings");
        writeBytes(shop.folder.file("bun4.dat"), "log");
        const std::string film = readBytes(shop.folder.file("film.dat"));
        const ExportRun run
            = runExport(shop, exportChoice(ExportSubject::Items, ExportFormat::Text, { 0 }), name);
        EXPECT_FALSE(run.done) << name;
        EXPECT_NE(run.text.find("is one of the shop's data files."), std::string::npos) << name;
        EXPECT_EQ(readBytes(shop.folder.file("film.dat")), film) << name;
        EXPECT_EQ(readBytes(shop.folder.file("wr.cfg")), "settings") << name;
        EXPECT_EQ(readBytes(shop.folder.file("bun4.dat")), "log") << name;
    }
}

TEST(ExportFile, AMissingRecordFileIsFatalAndLeavesNoOutput)
{
    for (const ExportSubject subject : { ExportSubject::Items, ExportSubject::Customers }) {
        ExportShop shop(exportItems(), exportCustomers());
        const bool items = subject == ExportSubject::Items;
        std::remove(shop.folder.file(items ? "film.dat" : "member.dat").c_str());
        const ExportRun run = runExport(shop, exportChoice(subject, ExportFormat::Xml, {}));
        EXPECT_FALSE(run.done);
        EXPECT_EQ(run.text,
            items ? "Data file: film.dat, not present." : "Data file: member.dat, not present.");
        EXPECT_FALSE(run.created);
    }
}

TEST(ExportFile, AnOutputThatCannotBeCreatedIsReported)
{
    ExportShop shop(exportItems(), exportCustomers());
    const ExportRun run = runExport(shop,
        exportChoice(ExportSubject::Items, ExportFormat::Text, { 0 }), "no/such/folder/OUT.TXT");
    EXPECT_FALSE(run.done);
    EXPECT_EQ(run.text, "Unable to open file.");
}

TEST(ExportFile, SlotsOutOfNumberOrderStillComeOutInNumberOrder)
{
    // Fifty items whose slots run backwards, with a free slot between each.
    std::vector<ExportItem> items;
    for (int64_t number = 50; number >= 1; --number) {
        ExportItem item;
        item.number = number * 3;
        item.description = "ITEM";
        items.push_back(item);
        items.push_back(ExportItem { .number = -1 });
    }
    ExportShop shop(items, exportCustomers());
    ExportChoice choice = exportChoice(ExportSubject::Items, ExportFormat::Text, { 0 });
    choice.finish = 1000;
    const ExportRun run = runExport(shop, choice);
    std::string expected;
    for (int64_t number = 1; number <= 50; ++number)
        expected += std::to_string(number * 3) + "\r\n";
    EXPECT_EQ(run.bytes, expected);
}

TEST(ExportChoiceNames, FileNamesAndPromptsFollowTheSubjectAndFormat)
{
    EXPECT_EQ(defaultExportFileName(ExportSubject::Items, ExportFormat::Text), "INVENTOR.TXT");
    EXPECT_EQ(defaultExportFileName(ExportSubject::Items, ExportFormat::Html), "INVENTOR.HTM");
    EXPECT_EQ(defaultExportFileName(ExportSubject::Items, ExportFormat::Xml), "INVENTOR.XML");
    EXPECT_EQ(defaultExportFileName(ExportSubject::Customers, ExportFormat::Text), "CUSTOMER.TXT");
    EXPECT_EQ(defaultExportFileName(ExportSubject::Customers, ExportFormat::Html), "CUSTOMER.HTM");
    EXPECT_EQ(defaultExportFileName(ExportSubject::Customers, ExportFormat::Xml), "CUSTOMER.XML");
    EXPECT_STREQ(exportFilePrompt(ExportSubject::Items), "Enter the inventory file path/name:");
    EXPECT_STREQ(exportFilePrompt(ExportSubject::Customers), "Enter the customer file path/name:");
}

TEST(ExportChoiceRange, TakesStartAndFinishAsTyped)
{
    const struct {
        const char *start;
        const char *finish;
        bool taken;
    } cases[] = {
        { "1", "100", true },
        { " 5 ", "5", true },
        { "1", "100000000000000000", true },
        { "0", "100", false },
        { "5", "4", false },
        { "", "100", false },
        { "1", "", false },
        { "1A", "100", false },
        { "-3", "100", false },
        { "1", "99999999999999999999", false },
    };
    for (const auto &row : cases) {
        ExportChoice choice;
        choice.start = 77;
        choice.finish = 88;
        ScriptedMessages messages;
        EXPECT_EQ(setExportRange(choice, row.start, row.finish, messages), row.taken)
            << row.start << ".." << row.finish;
        if (row.taken) {
            EXPECT_TRUE(messages.shown.empty());
        } else {
            EXPECT_EQ(messages.lastText(), "Invalid range") << row.start << ".." << row.finish;
            EXPECT_EQ(messages.shown.size(), 1u);
            EXPECT_EQ(choice.start, 77);
            EXPECT_EQ(choice.finish, 88);
        }
    }
}

TEST(ExportChoiceRange, FinishIsOfferedAsTheHighestNumberOnFile)
{
    ExportShop shop(exportItems(), exportCustomers());
    EXPECT_EQ(highestExportNumber(shop.shop, ExportSubject::Items), 30);
    EXPECT_EQ(highestExportNumber(shop.shop, ExportSubject::Customers), 7);
    ExportShop empty({ ExportItem { .number = -1 } }, { ExportCustomer { .number = -1 } });
    EXPECT_EQ(highestExportNumber(empty.shop, ExportSubject::Items), 0);
}
