// Files no shop means to import: every line is refused by name, nothing is
// taken, and the shop's files stay byte for byte as they were.

#include "exchange/import_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace ovix;
using namespace ovix::test;
using namespace std::string_literals;

namespace {

std::vector<ExportItem> shopItems()
{
    return { ExportItem { .number = 10, .description = "APPLE" },
        ExportItem { .number = -1 }, ExportItem { .number = 20, .description = "PEAR" } };
}

std::vector<ExportCustomer> shopCustomers()
{
    return { ExportCustomer { .number = 7, .name = "SMITH" } };
}

// Lines of bytes of every value that the number rule refuses (each starts
// with a byte that is no digit, sign or blank), a line feed every so often.
std::string binaryJunk()
{
    std::string junk;
    uint32_t state = 12345;
    for (int line = 0; line < 40; ++line) {
        junk += '\x01';
        for (int byte = 0; byte < 60; ++byte) {
            state = state * 1103515245u + 12345u;
            const char c = static_cast<char>((state >> 16) & 0xFF);
            junk += c == '\n' ? '\x7f' : c;
        }
        junk += '\n';
    }
    return junk;
}

struct Hostile {
    const char *name;
    std::string bytes;
    int64_t lines; // 0: the file is refused as a whole
};

std::vector<Hostile> hostileFiles()
{
    return {
        { "very long lines",
            "Number,Description\n" + std::string(5000, '7') + ",AB\n" + std::string(3000, '8')
                + "\r\n" + std::string(100000, ',') + "\n",
            4 },
        { "missing columns", "Number,Description,SKU1\n5\n6,\n7,AB\n", 4 },
        { "binary junk", binaryJunk(), 40 },
        { "lines ended by carriage returns only", "Number,Name\n5,AB\r6,CD\r7,EF\r\n", 2 },
        { "line feeds only", "Number,Name\n\n\n\n", 4 },
        { "NUL bytes", "Number,Name\n5,A\0B\n6,\0\0\n"s, 3 },
        { "empty", "", 0 },
        { "no line feed", "5,AB,CD", 0 },
        { "carriage returns only", "5,AB\r6,CD\r", 0 },
        { "over-long first line", std::string(4000, '5') + "\n5,AB\n", 0 },
    };
}

} // namespace

TEST(ImportHostile, EveryLineIsRefusedByNameAndTheShopsFilesStayAsTheyWere)
{
    struct Target {
        const char *name;
        ImportSubject subject;
        bool merge;
    } targets[] = {
        { "item replace", ImportSubject::Items, false },
        { "item merge", ImportSubject::Items, true },
        { "customer import", ImportSubject::Customers, false },
    };
    for (const Target &target : targets) {
        for (const Hostile &file : hostileFiles()) {
            const std::string at = std::string(target.name) + ", " + file.name;
            ExportShop shop(shopItems(), shopCustomers());
            const std::string film = readBytes(shop.folder.file("film.dat"));
            const std::string member = readBytes(shop.folder.file("member.dat"));
            ScriptedMessages messages;
            const auto result
                = importText(shop, file.bytes, straightPlan(target.subject, target.merge),
                    messages, 2);
            if (file.lines == 0) {
                EXPECT_FALSE(result) << at;
            } else {
                ASSERT_TRUE(result) << at << ": " << messages.lastText();
                EXPECT_EQ(result->taken, 0) << at;
                EXPECT_EQ(result->notTaken, file.lines) << at;
                // Each line is named once, in file order.
                ASSERT_EQ(result->rejections.size(), static_cast<size_t>(file.lines)) << at;
                for (size_t i = 0; i < result->rejections.size(); ++i)
                    EXPECT_EQ(result->rejections[i].line, static_cast<int64_t>(i) + 1) << at;
            }
            EXPECT_EQ(readBytes(shop.folder.file("film.dat")), film) << at;
            EXPECT_EQ(readBytes(shop.folder.file("member.dat")), member) << at;
            EXPECT_FALSE(fileExists(shop.folder.file("temp2.dat"))) << at;
            EXPECT_FALSE(fileExists(shop.folder.file("film.dat.new~"))) << at;
            EXPECT_FALSE(fileExists(shop.folder.file("member.dat.new~"))) << at;
            EXPECT_FALSE(fileExists(shop.folder.file("ovix.jnl"))) << at;
        }
    }
}

TEST(ImportHostile, AnOverLongLineIsOneLineAndTheNextLineIsStillRead)
{
    ExportShop shop(shopItems(), shopCustomers());
    ScriptedMessages messages;
    // The tail of the long line looks like a record of its own: it must not
    // become one.
    const std::string text = "Number,Description\n" + std::string(2100, 'x') + "\n"
        + std::string(1990, 'y') + ",5,PHANTOM\n6,REAL\n";
    const auto result = importText(shop, text, straightPlan(ImportSubject::Items), messages);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->taken, 1);
    EXPECT_EQ(result->notTaken, 3);
    EXPECT_EQ(result->rejections[2].line, 3);
    EXPECT_EQ(result->rejections[2].reason, "longer than 1998 bytes; the line is not taken");
    const std::string film = readBytes(shop.folder.file("film.dat"));
    ASSERT_EQ(film.size(), 1874u);
    EXPECT_EQ(getI64(film, 0), 6);
}
