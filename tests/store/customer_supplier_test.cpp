#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/scripted_messages.h"
#include "store/fixed_text.h"
#include "store/record_files.h"
#include "store/record_kinds.h"

#include <gtest/gtest.h>

#include <optional>

using namespace ovix;
using namespace ovix::test;

namespace {

struct Folder {
    TempDir temp;
    DataDir dir { temp.path() };
    ScriptedMessages messages;
};

CustomerRecord makeCustomer(int64_t number, std::string_view name)
{
    CustomerRecord record {};
    record.number = number;
    writeText(record.name, name);
    return record;
}

SupplierRecord makeSupplier(int64_t number, std::string_view name)
{
    SupplierRecord record {};
    record.number = number;
    writeText(record.name, name);
    return record;
}

struct StartCase {
    std::optional<size_t> size;
    const char *message;
};

} // namespace

TEST(CustomerIndex, StartRefusesMissingEmptyOrCorruptMemberDat)
{
    for (const StartCase &c :
        { StartCase { std::nullopt, "Data file member.dat not present in Opendata." },
            StartCase { 0, "Data file member.dat no data in Opendata." },
            StartCase { 2093, "Data file member.dat corrupt in Opendata." },
            StartCase { 2095, "Data file member.dat corrupt in Opendata." } }) {
        Folder f;
        if (c.size)
            writeBytes(f.temp.file("member.dat"), std::string(*c.size, '\0'));
        CustomerIndex customers(f.dir);
        EXPECT_FALSE(customers.load(f.messages));
        EXPECT_EQ(f.messages.lastText(), c.message);
        EXPECT_EQ(f.messages.lastCaption(), "Fatal error");
    }
}

TEST(CustomerIndex, LoadsNamePrefixesAndKeepsTheNumberRange)
{
    Folder f;
    writeBytes(f.temp.file("member.dat"),
        customerBytes(20, "JONES") + customerBytes(0, "OLD") + customerBytes(10, "ADAMS"));
    CustomerIndex customers(f.dir);
    ASSERT_TRUE(customers.load(f.messages));
    EXPECT_EQ(customers.liveCount(), 2);
    EXPECT_EQ(customers.freeCount(), 1);
    EXPECT_EQ(customers.slotOf(10), 2);
    EXPECT_EQ(customers.key(0), (std::array<char, 2> { 'J', 'O' }));
    EXPECT_EQ(customers.key(1), (std::array<char, 2> { 0, 0 }));
    EXPECT_EQ(customers.offerNumber(9), 11);

    const std::string before = readBytes(f.temp.file("member.dat"));
    for (int64_t number : { int64_t(0), kMaxRecordNumber + 1 }) {
        EXPECT_FALSE(customers.insert(makeCustomer(number, "X"), f.messages));
        EXPECT_EQ(f.messages.lastText(), "Number outside range.");
    }
    EXPECT_FALSE(customers.insert(makeCustomer(20, "AGAIN"), f.messages));
    EXPECT_EQ(f.messages.lastText(), "Number in use.");
    EXPECT_EQ(readBytes(f.temp.file("member.dat")), before);

    EXPECT_EQ(customers.insert(makeCustomer(kMaxRecordNumber, "LAST"), f.messages), 1);
    EXPECT_EQ(customers.insert(makeCustomer(11, "NEXT"), f.messages), 3);
    EXPECT_EQ(readBytes(f.temp.file("member.dat")).size(), 4 * kCustomerBytes);
}

TEST(CustomerIndex, DeleteAsksFreesAndLogs)
{
    FixedClock clock(LocalTime { .year = 2026, .month = 3, .day = 7, .hour = 14, .minute = 2 });
    Folder f;
    std::string record = customerBytes(31, "SMITH");
    putF32(record, 1554, 12.5f); // balance
    writeBytes(f.temp.file("member.dat"), customerBytes(5, "BROWN") + record);
    CustomerIndex customers(f.dir);
    ASSERT_TRUE(customers.load(f.messages));

    f.messages.answers = { Answer::Cancel };
    EXPECT_FALSE(customers.confirmAndDelete(31, f.messages));
    EXPECT_EQ(f.messages.lastText(), "Are you sure?");
    EXPECT_EQ(f.messages.lastCaption(), "31 Name: SMITH");
    EXPECT_TRUE(customers.slotOf(31));

    f.messages.answers = { Answer::Ok };
    ASSERT_TRUE(customers.confirmAndDelete(31, f.messages));
    const std::string freed = slotBytes(readBytes(f.temp.file("member.dat")), 1, kCustomerBytes);
    EXPECT_EQ(getI64(freed, 0), -1);
    EXPECT_EQ(freed[8], '\0');
    EXPECT_EQ(freed[9], '\0');
    EXPECT_EQ(getText(freed, 10, 28), "ITH");
    EXPECT_EQ(getF32(freed, 1554), 12.5f);
    EXPECT_EQ(customers.key(1), (std::array<char, 2> { 0, 0 }));
    EXPECT_EQ(customers.liveCount(), 1);
    EXPECT_EQ(
        readBytes(f.temp.file("bun4.dat")), "\r\n14:02 7/3/2026 Customer 31, SMITH deleted.\r\n");

    // Pruning removes without a log line; the freed slots are reused in turn.
    ASSERT_TRUE(customers.remove(customers.find(5), f.messages));
    EXPECT_EQ(readBytes(f.temp.file("bun4.dat")).size(), 46u);
    EXPECT_EQ(customers.insert(makeCustomer(40, "NEW"), f.messages), 1);
    EXPECT_EQ(customers.insert(makeCustomer(41, "NEWER"), f.messages), 0);
    EXPECT_EQ(readBytes(f.temp.file("member.dat")).size(), 2 * kCustomerBytes);
}

TEST(SupplierIndex, PlaceholderIsReplacedByOneFreeRecord)
{
    for (const char *name : { "mans.dat", "MANS.DAT" }) {
        Folder f;
        writeBytes(f.temp.file(name), std::string(66, 'p'));
        SupplierIndex suppliers(f.dir);
        ASSERT_TRUE(suppliers.load(f.messages)) << name;
        EXPECT_TRUE(f.messages.shown.empty());
        std::string expected(kSupplierBytes, '\0');
        putI64(expected, 0, -1);
        EXPECT_EQ(readBytes(f.temp.file(name)), expected);
        EXPECT_EQ(suppliers.slotCount(), 1);
        EXPECT_EQ(suppliers.liveCount(), 0);
        EXPECT_EQ(suppliers.freeCount(), 1);
        EXPECT_FALSE(fileExists(f.temp.file(name) + ".new~"));
    }
}

TEST(SupplierIndex, StartRefusesMissingEmptyOrCorruptMansDat)
{
    for (const StartCase &c :
        { StartCase { std::nullopt, "Data file mans.dat not present in Opendata." },
            StartCase { 0, "Data file mans.dat no data in Opendata." },
            StartCase { 65, "Data file mans.dat corrupt in Opendata." },
            StartCase { 67, "Data file mans.dat corrupt in Opendata." },
            StartCase { 1057, "Data file mans.dat corrupt in Opendata." } }) {
        Folder f;
        if (c.size)
            writeBytes(f.temp.file("mans.dat"), std::string(*c.size, '\0'));
        SupplierIndex suppliers(f.dir);
        EXPECT_FALSE(suppliers.load(f.messages));
        EXPECT_EQ(f.messages.lastText(), c.message);
        EXPECT_EQ(f.messages.lastCaption(), "Fatal error");
        if (c.size) {
            EXPECT_EQ(readBytes(f.temp.file("mans.dat")).size(), *c.size);
        }
    }
}

TEST(SupplierIndex, OneFreeRecordLoadsEmptyAndSuppliersComeAndGo)
{
    Folder f;
    writeBytes(f.temp.file("mans.dat"), supplierBytes(-1, ""));
    SupplierIndex suppliers(f.dir);
    ASSERT_TRUE(suppliers.load(f.messages));
    EXPECT_EQ(suppliers.liveCount(), 0);
    EXPECT_EQ(suppliers.freeCount(), 1);
    EXPECT_EQ(suppliers.offerNumber(0), 1);

    EXPECT_FALSE(suppliers.insert(makeSupplier(kMaxSupplierNumber + 1, "BIG"), f.messages));
    EXPECT_EQ(f.messages.lastText(), "Number outside range.");
    EXPECT_EQ(suppliers.insert(makeSupplier(kMaxSupplierNumber, "TOP"), f.messages), 0);
    EXPECT_EQ(suppliers.insert(makeSupplier(7, "SEVEN"), f.messages), 1);
    EXPECT_EQ(suppliers.key(1), (std::array<char, 2> { 0, 0 })); // no name table for suppliers

    // Freed: number -1, the name stays, no log.
    ASSERT_TRUE(suppliers.remove(suppliers.find(7), f.messages));
    const std::string freed = slotBytes(readBytes(f.temp.file("mans.dat")), 1, kSupplierBytes);
    EXPECT_EQ(getI64(freed, 0), -1);
    EXPECT_EQ(getText(freed, 8, 42), "SEVEN");
    EXPECT_FALSE(fileExists(f.temp.file("bun4.dat")));
    EXPECT_FALSE(suppliers.slotOf(7));
    EXPECT_FALSE(suppliers.remove(0, f.messages)); // position 0 is the free entry now
    EXPECT_EQ(f.messages.lastText(), "Invalid number.");
}
