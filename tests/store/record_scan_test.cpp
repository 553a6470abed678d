#include "platform/data_dir.h"
#include "platform/scripted_messages.h"
#include "store/fixed_text.h"
#include "store/record_kinds.h"
#include "store/record_scan.h"
#include "support/failing_reads.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

using namespace ovix;
using ovix::test::TempDir;

namespace {

constexpr size_t kItem = 1874;
// Whole item records in one block of the scan.
constexpr int64_t kPerBlock = int64_t(kScanBlockBytes / kItem);

// film.dat bytes, one record per number, the description naming the slot.
std::string itemFile(const std::vector<int64_t> &numbers)
{
    std::string bytes(numbers.size() * kItem, '\0');
    for (size_t slot = 0; slot < numbers.size(); ++slot) {
        test::putI64(bytes, slot * kItem, numbers[slot]);
        test::putText(bytes, slot * kItem + 8, "SLOT " + std::to_string(slot));
    }
    return bytes;
}

// Numbers 1, 2, ... for `count` slots.
std::vector<int64_t> counting(int64_t count)
{
    std::vector<int64_t> numbers;
    for (int64_t slot = 0; slot < count; ++slot)
        numbers.push_back(slot + 1);
    return numbers;
}

std::vector<int64_t> countingSlots(int64_t from, int64_t to)
{
    std::vector<int64_t> slots;
    for (int64_t slot = from; slot < to; ++slot)
        slots.push_back(slot);
    return slots;
}

struct Visited {
    std::vector<int64_t> slots;
    ScanResult result;
};

// Scans `path` as items and notes each slot, checking that the record handed
// over is the one of that slot.
Visited scanItems(const std::string &path, const ScanOptions &options)
{
    Visited visited;
    visited.result
        = forEachRecord<ItemRecord>(path, options, [&](int64_t slot, const ItemRecord &record) {
              EXPECT_EQ(readText(record.description), "SLOT " + std::to_string(slot));
              visited.slots.push_back(slot);
          });
    return visited;
}

using Status = ScanResult::Status;
using Slots = std::vector<int64_t>;

} // namespace

TEST(RecordScan, LiveOrAllRecordsInSlotOrderWithoutTheTrailingPart)
{
    TempDir dir;
    const std::string path = dir.file("film.dat");
    // A part record after the last whole one is never handed on.
    test::writeBytes(path, itemFile({ 5, -1, 0, 7, INT64_MIN, 9 }) + std::string(100, 'X'));

    struct Case {
        ScanSlots slots;
        int64_t limit;
        Slots expected;
        int64_t slotsRead;
    };
    const Case cases[] = {
        { ScanSlots::Live, -1, { 0, 3, 5 }, 6 },
        { ScanSlots::All, -1, { 0, 1, 2, 3, 4, 5 }, 6 },
        { ScanSlots::All, 0, {}, 0 },
        { ScanSlots::Live, 4, { 0, 3 }, 4 },
        { ScanSlots::All, 100, { 0, 1, 2, 3, 4, 5 }, 6 },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "limit " << c.limit);
        const Visited visited = scanItems(path, { c.slots, ScanFailure::Stop, c.limit });
        EXPECT_EQ(visited.slots, c.expected);
        EXPECT_EQ(visited.result.status, Status::Complete);
        EXPECT_EQ(visited.result.slotsRead, c.slotsRead);
    }
}

TEST(RecordScan, MissingEmptyAndTinyFiles)
{
    TempDir dir;
    Visited missing = scanItems(dir.file("film.dat"), {});
    EXPECT_EQ(missing.result.status, Status::NotOpened);
    EXPECT_TRUE(missing.slots.empty());

    for (size_t bytes : { size_t { 0 }, size_t { 1 }, kItem - 1 }) {
        test::writeBytes(dir.file("film.dat"), std::string(bytes, '\x01'));
        Visited visited = scanItems(dir.file("film.dat"), { ScanSlots::All });
        EXPECT_TRUE(visited.result.complete()) << bytes;
        EXPECT_EQ(visited.result.slotsRead, 0) << bytes;
        EXPECT_TRUE(visited.slots.empty()) << bytes;
    }
}

// Files ending just before, at and after a block boundary are read whole.
TEST(RecordScan, EveryRecordAcrossBlockBoundaries)
{
    TempDir dir;
    const std::string path = dir.file("film.dat");
    for (int64_t count : { int64_t { 1 }, kPerBlock - 1, kPerBlock, kPerBlock + 1, 2 * kPerBlock,
             2 * kPerBlock + 3 }) {
        SCOPED_TRACE(count);
        test::writeBytes(path, itemFile(counting(count)));
        const Visited visited = scanItems(path, {});
        EXPECT_EQ(visited.slots, countingSlots(0, count));
        EXPECT_TRUE(visited.result.complete());
        EXPECT_EQ(visited.result.slotsRead, count);
    }
}

TEST(RecordScan, AVisitorMayStopIt)
{
    TempDir dir;
    const std::string path = dir.file("film.dat");
    test::writeBytes(path, itemFile(counting(kPerBlock + 10)));
    Slots seen;
    const ScanResult result
        = forEachRecord<ItemRecord>(path, {}, [&](int64_t slot, const ItemRecord &) {
              seen.push_back(slot);
              return slot < kPerBlock + 2;
          });
    EXPECT_EQ(result.status, Status::Stopped);
    EXPECT_EQ(result.slotsRead, kPerBlock + 3);
    EXPECT_EQ(seen, countingSlots(0, kPerBlock + 3));
}

// A bad record in the second block: either the scan stops before the block,
// or it takes what can be read record by record and leaves out the bad one,
// up to the end of the file inside that block.
TEST(RecordScan, ReadFailuresStopOrSkipTheUnreadableRecords)
{
    TempDir dir;
    const std::string path = dir.file("film.dat");
    const int64_t count = kPerBlock + 40;
    const int64_t bad = kPerBlock + 7;
    test::writeBytes(path, itemFile(counting(count)));
    test::FailingReads failing(path, bad * int64_t(kItem) + 100, bad * int64_t(kItem) + 101);

    const Visited stopped = scanItems(path, {});
    EXPECT_EQ(stopped.result.status, Status::ReadFailed);
    EXPECT_EQ(stopped.result.slotsRead, kPerBlock);
    EXPECT_EQ(stopped.slots, countingSlots(0, kPerBlock));

    const Visited skipped = scanItems(path, { ScanSlots::Live, ScanFailure::SkipUnreadable });
    Slots expected = countingSlots(0, count);
    expected.erase(expected.begin() + bad);
    EXPECT_EQ(skipped.slots, expected);
    EXPECT_TRUE(skipped.result.complete());
    EXPECT_EQ(skipped.result.slotsRead, count);
    EXPECT_GE(failing.failures(), 2);
}

// The file's own scan reads the slots its index knows and tells free slots by
// the number on disk.
TEST(RecordScan, ARecordFileScansTheSlotsOfItsIndex)
{
    TempDir dir;
    test::writeBytes(dir.file("film.dat"), itemFile({ 4, -1, 6 }));
    const DataDir data(dir.path());
    ItemIndex items(data);
    ScriptedMessages messages;
    ASSERT_TRUE(items.load(messages));
    // Appended behind the index's back: not one of its slots.
    test::writeBytes(dir.file("film.dat"), itemFile({ 4, -1, 6, 8 }));

    Slots live;
    EXPECT_TRUE(items
                    .forEachRecord([&](int64_t slot, const ItemRecord &record) {
                        EXPECT_EQ(readText(record.description), "SLOT " + std::to_string(slot));
                        live.push_back(slot);
                    })
                    .complete());
    EXPECT_EQ(live, (Slots { 0, 2 }));

    Slots all;
    const ScanResult result = items.forEachRecord(
        [&](int64_t slot, const ItemRecord &) { all.push_back(slot); }, ScanSlots::All);
    EXPECT_EQ(all, (Slots { 0, 1, 2 }));
    EXPECT_EQ(result.slotsRead, 3);
    EXPECT_TRUE(messages.shown.empty());
}
