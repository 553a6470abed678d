#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/undo_journal.h"
#include "store/fixed_text.h"
#include "support/test_support.h"
#include "sales/logic/sales_archive.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <optional>
#include <string>

using namespace ovix;
using namespace ovix::test;
using namespace std::string_literals;

namespace {

std::string transactionBytes(int64_t number, int32_t lines, float total, const char *payment)
{
    std::string r(950, '\0');
    putI64(r, 0, number);
    putI64(r, 8, number - 40);
    putI64(r, 16, 77);
    putI32(r, 24, 3);
    putI32(r, 28, lines);
    putF32(r, 56, total);
    putF32(r, 100, 1.25f);
    putF32(r, 116, -4.5f);
    putText(r, 124, "09:41");
    putText(r, 164, "J. BLOGGS");
    putText(r, 324, "0123 456");
    putText(r, 354, payment);
    putText(r, 870, "LEAVE AT THE DOOR");
    return r;
}

std::string lineBytes(int64_t transaction, int64_t item, const char *description, float total)
{
    std::string r(104, '\0');
    putI64(r, 0, transaction);
    putI64(r, 8, 5);
    putI64(r, 24, item);
    putText(r, 32, description);
    putF32(r, 96, total);
    putI32(r, 100, 3);
    return r;
}

std::string entryBytes(int32_t number, int32_t day, int32_t month)
{
    std::string r(12, '\0');
    putI32(r, 0, number);
    putI32(r, 4, day);
    putI32(r, 8, month);
    return r;
}

struct ArchiveFolder {
    ArchiveFolder()
    {
        mkdir(temp.file("2026").c_str(), 0755);
        mkdir(temp.file("2026/3").c_str(), 0755);
        mkdir(temp.file("2026/3/5").c_str(), 0755);
    }
    std::optional<std::string> read(const char *name) const
    {
        if (!fileExists(temp.file(name)))
            return std::nullopt;
        return readBytes(temp.file(name));
    }
    void lay(const char *name, const std::optional<std::string> &bytes) const
    {
        if (bytes)
            writeBytes(temp.file(name), *bytes);
        else
            std::remove(temp.file(name).c_str());
    }

    TempDir temp;
    DataDir dir { temp.path() };
};

TransactionRecord transaction(int64_t number, int32_t lines)
{
    TransactionRecord record {};
    record.transactionNumber = number;
    record.lineCount = lines;
    writeText(record.paymentType, "Cash");
    return record;
}

SoldItemRecord line(int64_t number, int64_t item)
{
    SoldItemRecord record {};
    record.transactionNumber = number;
    record.itemNumber = item;
    return record;
}

} // namespace

TEST(SalesArchiveReaders, RecordsAreTakenFromTheDocumentedOffsets)
{
    ArchiveFolder folder;
    folder.lay("2026/3/5/saleslog.dat",
        transactionBytes(41, 2, 12.5f, "Split") + transactionBytes(42, 1, 3.0f, "Cash")
            + std::string(17, '\x7F'));
    folder.lay("2026/3/5/itemslog.dat",
        lineBytes(41, 9, "TEA", 3.0f) + lineBytes(42, 8, "MILK", 3.0f)
            + lineBytes(41, 10, "COFFEE", 9.5f) + "torn"s);
    folder.lay("2026/base.dat",
        std::string(4, '\0') + entryBytes(41, 5, 3) + entryBytes(42, 5, 3) + "\1\2"s);

    std::optional<std::vector<TransactionRecord>> sales
        = readDayTransactions(folder.dir, 2026, 3, 5);
    ASSERT_TRUE(sales);
    ASSERT_EQ(sales->size(), 2u); // the torn tail is left out
    const TransactionRecord &first = (*sales)[0];
    EXPECT_EQ(+first.transactionNumber, 41);
    EXPECT_EQ(+first.daySequence, 1);
    EXPECT_EQ(+first.customerNumber, 77);
    EXPECT_EQ(+first.clerkNumber, 3);
    EXPECT_EQ(+first.lineCount, 2);
    EXPECT_EQ(+first.total, 12.5f);
    EXPECT_EQ(+first.chequePart, 1.25f);
    EXPECT_EQ(+first.balanceAfter, -4.5f);
    EXPECT_EQ(readText(first.timeText), "09:41");
    EXPECT_EQ(readText(first.customerName), "J. BLOGGS");
    EXPECT_EQ(readText(first.customerTelephone), "0123 456");
    EXPECT_EQ(readText(first.paymentType), "Split");
    EXPECT_EQ(readText(first.transactionNote), "LEAVE AT THE DOOR");

    std::optional<std::vector<SoldItemRecord>> lines = readDayLines(folder.dir, 2026, 3, 5);
    ASSERT_TRUE(lines);
    ASSERT_EQ(lines->size(), 3u);
    const std::vector<SoldItemRecord> ofFirst = linesOfTransaction(*lines, 41);
    ASSERT_EQ(ofFirst.size(), 2u);
    EXPECT_EQ(+ofFirst[1].itemNumber, 10);
    EXPECT_EQ(readText(ofFirst[1].description), "COFFEE");
    EXPECT_EQ(+ofFirst[1].category, 5);
    EXPECT_EQ(+ofFirst[1].total, 9.5f);
    EXPECT_EQ(+ofFirst[1].clerkNumber, 3);

    std::optional<std::vector<YearIndexEntry>> index = readYearIndex(folder.dir, 2026);
    ASSERT_TRUE(index);
    ASSERT_EQ(index->size(), 2u);
    EXPECT_EQ(+(*index)[1].transactionNumber, 42);
    EXPECT_EQ(+(*index)[1].day, 5);
    EXPECT_EQ(+(*index)[1].month, 3);

    // An index written without its header still reads from its first entry.
    folder.lay("2026/base.dat", entryBytes(7, 1, 2) + entryBytes(8, 2, 2));
    index = readYearIndex(folder.dir, 2026);
    ASSERT_TRUE(index);
    ASSERT_EQ(index->size(), 2u);
    EXPECT_EQ(+(*index)[0].transactionNumber, 7);

    // Days with nothing archived read as empty.
    EXPECT_TRUE(readDayTransactions(folder.dir, 2026, 3, 6)->empty());
    EXPECT_TRUE(readDayLines(folder.dir, 2026, 3, 6)->empty());
    EXPECT_TRUE(readYearIndex(folder.dir, 2025)->empty());
}

// Every shape a year index can be found in before an append: what the append
// makes of it, and that undoing the append gives back the very same bytes.
TEST(SalesArchiveWriter, YearIndexIsRepairedBeforeAppendingAndRestoredOnUndo)
{
    const std::string header(4, '\0');
    struct Case {
        const char *what;
        std::optional<std::string> before;
        std::string after;
    } cases[] = {
        { "missing", std::nullopt, header + entryBytes(41, 5, 3) },
        { "created without a header", ""s, header + entryBytes(41, 5, 3) },
        { "torn header", "\0\0"s, header + entryBytes(41, 5, 3) },
        { "torn entry", header + entryBytes(40, 4, 3) + "\x28\0"s,
            header + entryBytes(40, 4, 3) + entryBytes(41, 5, 3) },
        { "headerless with a torn entry", entryBytes(39, 4, 3) + entryBytes(40, 4, 3) + "\x29"s,
            entryBytes(39, 4, 3) + entryBytes(40, 4, 3) + entryBytes(41, 5, 3) },
    };
    const TransactionRecord record = transaction(41, 1);
    const SoldItemRecord lines[] = { line(41, 9) };
    for (const Case &c : cases) {
        for (bool undo : { false, true }) {
            ArchiveFolder folder;
            folder.lay("2026/base.dat", c.before);
            SalesArchiveWriter writer(folder.dir, 2026, 3, 5);
            ArchiveFile failed = ArchiveFile::SalesLog;
            ASSERT_TRUE(writer.inspect(failed)) << c.what;
            FileTransaction work(folder.dir);
            writer.protect(work);
            ASSERT_TRUE(work.begin()) << work.error();
            std::string problem;
            ASSERT_TRUE(writer.append({ 41, 5, 3 }, record, lines, problem)) << problem;
            if (undo) {
                ASSERT_TRUE(work.rollback());
                EXPECT_EQ(folder.read("2026/base.dat"), c.before) << c.what;
                EXPECT_EQ(folder.read("2026/3/5/saleslog.dat"), std::nullopt) << c.what;
            } else {
                ASSERT_TRUE(work.commit());
                EXPECT_EQ(folder.read("2026/base.dat"), c.after) << c.what;
                EXPECT_EQ(folder.read("2026/3/5/itemslog.dat")->size(), 104u);
            }
        }
    }
}

TEST(SalesArchiveWriter, TornRecordFilesAreCutBackAndRestoredOnUndo)
{
    ArchiveFolder folder;
    const std::string sales = transactionBytes(40, 1, 1.0f, "Cash") + std::string(400, 'S');
    const std::string items = lineBytes(40, 9, "TEA", 1.0f) + std::string(60, 'I');
    folder.lay("2026/3/5/saleslog.dat", sales);
    folder.lay("2026/3/5/itemslog.dat", items);
    const TransactionRecord record = transaction(41, 2);
    const SoldItemRecord lines[] = { line(41, 9), line(41, 10) };

    for (bool undo : { true, false }) {
        SalesArchiveWriter writer(folder.dir, 2026, 3, 5);
        ArchiveFile failed = ArchiveFile::SalesLog;
        ASSERT_TRUE(writer.inspect(failed));
        FileTransaction work(folder.dir);
        writer.protect(work);
        ASSERT_TRUE(work.begin());
        std::string problem;
        ASSERT_TRUE(writer.append({ 41, 5, 3 }, record, lines, problem)) << problem;
        ASSERT_EQ(writer.tornTails().size(), 2u);
        EXPECT_EQ(writer.tornTails()[0].sideFile, "2026/3/5/saleslog.dat.cut1");
        EXPECT_EQ(writer.tornTails()[1].bytes, std::string(60, 'I'));
        if (undo) {
            ASSERT_TRUE(work.rollback());
            EXPECT_EQ(folder.read("2026/3/5/saleslog.dat"), sales);
            EXPECT_EQ(folder.read("2026/3/5/itemslog.dat"), items);
            EXPECT_EQ(folder.read("2026/base.dat"), std::nullopt);
            EXPECT_EQ(folder.read("2026/3/5/saleslog.dat.cut1"), std::nullopt);
            EXPECT_EQ(folder.read("2026/3/5/itemslog.dat.cut1"), std::nullopt);
            continue;
        }
        ASSERT_TRUE(work.commit());
        EXPECT_EQ(folder.read("2026/3/5/saleslog.dat.cut1"), std::string(400, 'S'));
        EXPECT_EQ(folder.read("2026/3/5/itemslog.dat.cut1"), std::string(60, 'I'));
        const std::string salesAfter = *folder.read("2026/3/5/saleslog.dat");
        ASSERT_EQ(salesAfter.size(), 1900u);
        EXPECT_EQ(salesAfter.substr(0, 950), sales.substr(0, 950));
        EXPECT_EQ(getI64(salesAfter, 950), 41);
        EXPECT_EQ(getI32(salesAfter, 950 + 28), 2);
        const std::string itemsAfter = *folder.read("2026/3/5/itemslog.dat");
        ASSERT_EQ(itemsAfter.size(), 3 * 104u);
        EXPECT_EQ(getI64(itemsAfter, 2 * 104 + 24), 10);
    }
}

TEST(SalesArchiveWriter, AFileChangedSinceItWasInspectedIsNotWritten)
{
    ArchiveFolder folder;
    SalesArchiveWriter writer(folder.dir, 2026, 3, 5);
    ArchiveFile failed = ArchiveFile::SalesLog;
    ASSERT_TRUE(writer.inspect(failed));
    FileTransaction work(folder.dir);
    writer.protect(work);
    ASSERT_TRUE(work.begin());
    folder.lay("2026/3/5/saleslog.dat", transactionBytes(40, 0, 1.0f, "Cash"));
    std::string problem;
    const TransactionRecord record = transaction(41, 0);
    EXPECT_FALSE(writer.append({ 41, 5, 3 }, record, {}, problem));
    EXPECT_EQ(problem, "Unable to write to sales log.");
    EXPECT_EQ(folder.read("2026/3/5/saleslog.dat")->size(), 950u);

    // A missing day folder cannot be opened, and says which file.
    ASSERT_TRUE(work.rollback());
    SalesArchiveWriter elsewhere(folder.dir, 2026, 4, 1);
    ASSERT_TRUE(elsewhere.inspect(failed));
    FileTransaction second(folder.dir);
    elsewhere.protect(second);
    ASSERT_TRUE(second.begin());
    EXPECT_FALSE(elsewhere.append({ 41, 1, 4 }, record, {}, problem));
    EXPECT_EQ(problem, "Unable to open sales log.");
}
