#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/file_access.h"
#include "platform/scripted_messages.h"
#include "store/fixed_text.h"
#include "store/record_files.h"
#include "store/record_kinds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <random>
#include <unistd.h>

using namespace ovix;
using namespace ovix::test;

namespace {

struct ItemFolder {
    TempDir temp;
    DataDir dir { temp.path() };
    ScriptedMessages messages;
    ItemIndex items { dir };

    std::string film() const
    {
        return readBytes(temp.file("film.dat"));
    }
    void writeFilm(const std::string &bytes)
    {
        writeBytes(temp.file("film.dat"), bytes);
    }
    bool load()
    {
        return items.load(messages);
    }
};

ItemRecord makeItem(int64_t number, std::string_view description, std::string_view sku1 = {})
{
    ItemRecord record {};
    record.number = number;
    writeText(record.description, description);
    writeText(record.sku1, sku1);
    return record;
}

std::vector<std::pair<int64_t, int64_t>> entriesOf(const ItemIndex &items)
{
    std::vector<std::pair<int64_t, int64_t>> entries;
    for (const IndexEntry &entry : items.index().entries())
        entries.emplace_back(entry.number, entry.slot);
    return entries;
}

using Entries = std::vector<std::pair<int64_t, int64_t>>;

} // namespace

TEST(ItemIndexLoad, CountsAndNormalisesFreeSlots)
{
    ItemFolder f;
    f.writeFilm(itemBytes(7, "AB") + itemBytes(-1, "") + itemBytes(3, "CD")
        + itemBytes(0, "ZZ", "999") + itemBytes(-5, "QQ", "999") + itemBytes(12, "EF"));
    ASSERT_TRUE(f.load());
    EXPECT_TRUE(f.messages.shown.empty());
    EXPECT_EQ(f.items.slotCount(), 6);
    EXPECT_EQ(f.items.liveCount(), 3);
    EXPECT_EQ(f.items.freeCount(), 3);
    EXPECT_EQ(entriesOf(f.items),
        (Entries { { -1, 1 }, { -1, 3 }, { -1, 4 }, { 3, 2 }, { 7, 0 }, { 12, 5 } }));
    EXPECT_EQ(f.items.key(0), (std::array<char, 2> { 'A', 'B' }));
    // Free slots have empty prefixes even when their description bytes are not,
    // and the barcode look-up never lands on them.
    EXPECT_EQ(f.items.key(3), (std::array<char, 2> { 0, 0 }));
    EXPECT_EQ(f.items.key(4), (std::array<char, 2> { 0, 0 }));
    EXPECT_FALSE(f.items.findBySku1("999"));
    // The disk is not touched by the normalisation.
    EXPECT_EQ(getI64(slotBytes(f.film(), 4, kItemBytes), 0), -5);
}

TEST(ItemIndexLoad, FileHoldingOnlyAFreeSlot)
{
    ItemFolder f;
    f.writeFilm(itemBytes(-1, ""));
    ASSERT_TRUE(f.load());
    EXPECT_EQ(f.items.slotCount(), 1);
    EXPECT_EQ(f.items.liveCount(), 0);
    EXPECT_EQ(f.items.freeCount(), 1);
    EXPECT_EQ(f.items.find(1), f.items.index().size());
}

TEST(ItemIndexLoad, MissingEmptyOrCorruptFileStopsTheStart)
{
    struct Case {
        std::optional<size_t> size;
        const char *message;
    };
    for (const Case &c : { Case { std::nullopt, "Unable to open film.dat in Opendata" },
             Case { 0, "Film.dat has no data in Opendata." },
             Case { 1873, "Data file film.dat corrupt in Opendata." },
             Case { 1875, "Data file film.dat corrupt in Opendata." },
             Case { 2 * 1874 + 1, "Data file film.dat corrupt in Opendata." } }) {
        ItemFolder f;
        if (c.size)
            f.writeFilm(std::string(*c.size, '\x7f'));
        EXPECT_FALSE(f.load());
        ASSERT_EQ(f.messages.shown.size(), 1u);
        EXPECT_EQ(f.messages.lastText(), c.message);
        EXPECT_EQ(f.messages.lastCaption(), "Fatal error");
        EXPECT_EQ(f.items.slotCount(), 0);
    }
}

TEST(ItemIndexLoad, FailedReloadKeepsThePreviousIndex)
{
    ItemFolder f;
    f.writeFilm(itemBytes(4, "AB") + itemBytes(9, "CD", "77"));
    ASSERT_TRUE(f.load());
    f.writeFilm(std::string(100, '\0'));
    EXPECT_FALSE(f.load());
    EXPECT_EQ(entriesOf(f.items), (Entries { { 4, 0 }, { 9, 1 } }));
    EXPECT_EQ(f.items.findBySku1("77"), 1);
}

TEST(ItemIndexLoad, UpperCaseFileNameIsFound)
{
    ItemFolder f;
    writeBytes(f.temp.file("FILM.DAT"), itemBytes(5, "AB"));
    ASSERT_TRUE(f.load());
    EXPECT_EQ(f.items.liveCount(), 1);
    ASSERT_TRUE(f.items.insert(makeItem(6, "CD"), f.messages));
    EXPECT_EQ(readBytes(f.temp.file("FILM.DAT")).size(), 2 * kItemBytes);
    EXPECT_FALSE(fileExists(f.temp.file("film.dat")));
}

TEST(ItemIndexLoad, HostileNumbersAndTextDoNotUpsetTheIndex)
{
    ItemFolder f;
    const int64_t highest = std::numeric_limits<int64_t>::max();
    const int64_t lowest = std::numeric_limits<int64_t>::min();
    std::string unterminated = itemBytes(8, "");
    std::memset(unterminated.data() + 8, 'X', 1874 - 8); // no NUL in any text
    f.writeFilm(itemBytes(highest, "HI") + itemBytes(lowest, "LO") + itemBytes(8, "D1", "S")
        + itemBytes(8, "D2", "S") + unterminated + itemBytes(highest - 1, "H2"));
    ASSERT_TRUE(f.load());
    EXPECT_EQ(f.items.liveCount(), 5);
    EXPECT_EQ(entriesOf(f.items),
        (Entries { { -1, 1 }, { 8, 2 }, { 8, 3 }, { 8, 4 }, { highest - 1, 5 }, { highest, 0 } }));
    // The first of equal numbers is found; the offer skips every copy.
    EXPECT_EQ(f.items.slotOf(8), 2);
    EXPECT_EQ(f.items.offerNumber(7), 9);
    EXPECT_EQ(f.items.offerNumber(highest - 2), highest);
    EXPECT_EQ(f.items.offerNumber(highest), 1);
    EXPECT_EQ(f.items.findBySku1("S"), 2);
    EXPECT_EQ(f.items.findBySku1(std::string(40, 'X')), 4); // bounded by the width
    // Numbers beyond the shop's range can still be freed.
    f.messages.answers = { Answer::Ok };
    EXPECT_TRUE(f.items.confirmAndDelete(highest, f.messages));
    EXPECT_EQ(f.items.liveCount(), 4);
}

TEST(ItemIndexInsert, ReusesTheFirstFreeSlotElseAppends)
{
    ItemFolder f;
    f.writeFilm(itemBytes(10, "TEN") + itemBytes(-1, "") + itemBytes(-1, ""));
    ASSERT_TRUE(f.load());

    EXPECT_EQ(f.items.insert(makeItem(5, "FIVE", "5005"), f.messages), 1);
    EXPECT_EQ(f.film().size(), 3 * kItemBytes);
    EXPECT_EQ(f.items.insert(makeItem(20, "TWENTY"), f.messages), 2);
    EXPECT_EQ(f.film().size(), 3 * kItemBytes);
    EXPECT_EQ(f.items.freeCount(), 0);

    EXPECT_EQ(f.items.insert(makeItem(7, "SEVEN"), f.messages), 3);
    EXPECT_EQ(f.film().size(), 4 * kItemBytes);
    EXPECT_EQ(f.items.slotCount(), 4);
    EXPECT_EQ(f.items.liveCount(), 4);
    EXPECT_EQ(entriesOf(f.items), (Entries { { 5, 1 }, { 7, 3 }, { 10, 0 }, { 20, 2 } }));

    const std::string film = f.film();
    EXPECT_EQ(getI64(film, 1 * kItemBytes), 5);
    EXPECT_EQ(getText(film, 1 * kItemBytes + 8, 82), "FIVE");
    EXPECT_EQ(getText(film, 1 * kItemBytes + 90, 40), "5005");
    EXPECT_EQ(getI64(film, 3 * kItemBytes), 7);
    EXPECT_EQ(f.items.key(3), (std::array<char, 2> { 'S', 'E' }));
    EXPECT_EQ(f.items.findBySku1("5005"), 1);
    EXPECT_TRUE(f.messages.shown.empty());
}

TEST(ItemIndexInsert, FreeSlotsAreReusedInIndexOrderNotSlotOrder)
{
    ItemFolder f;
    f.writeFilm(itemBytes(1, "A1") + itemBytes(2, "A2") + itemBytes(3, "A3"));
    ASSERT_TRUE(f.load());
    f.messages.answers = { Answer::Ok, Answer::Ok };
    ASSERT_TRUE(f.items.confirmAndDelete(3, f.messages)); // slot 2 freed first
    ASSERT_TRUE(f.items.confirmAndDelete(1, f.messages)); // slot 0 joins the end of the free group
    EXPECT_EQ(entriesOf(f.items), (Entries { { -1, 2 }, { -1, 0 }, { 2, 1 } }));
    EXPECT_EQ(f.items.insert(makeItem(9, "B9"), f.messages), 2);
    EXPECT_EQ(f.items.insert(makeItem(8, "B8"), f.messages), 0);
    EXPECT_EQ(f.film().size(), 3 * kItemBytes);
}

TEST(ItemIndexInsert, DuplicateOrOutOfRangeNumberWritesNothing)
{
    ItemFolder f;
    f.writeFilm(itemBytes(42, "OLD") + itemBytes(-1, ""));
    ASSERT_TRUE(f.load());
    const std::string before = f.film();

    EXPECT_FALSE(f.items.insert(makeItem(42, "NEW"), f.messages));
    EXPECT_EQ(f.messages.lastText(), "Number in use.");
    EXPECT_EQ(f.messages.lastCaption(), "Problem");
    EXPECT_EQ(f.messages.beeps, 1);

    for (int64_t number : { kMaxRecordNumber + 1, int64_t(0), int64_t(-1), int64_t(-77),
             std::numeric_limits<int64_t>::max() }) {
        EXPECT_FALSE(f.items.insert(makeItem(number, "NEW"), f.messages)) << number;
        EXPECT_EQ(f.messages.lastText(), "Number outside range.");
        EXPECT_EQ(f.messages.lastCaption(), "Problem");
    }
    EXPECT_EQ(f.film(), before);
    EXPECT_EQ(f.items.liveCount(), 1);
    EXPECT_EQ(f.items.freeCount(), 1);

    EXPECT_EQ(f.items.insert(makeItem(kMaxRecordNumber, "TOP"), f.messages), 1);
    EXPECT_EQ(getI64(f.film(), kItemBytes), kMaxRecordNumber);
}

TEST(ItemIndexInsert, FailedWriteChangesNothingAndARetryWorks)
{
    for (bool reuse : { true, false }) {
        ItemFolder f;
        f.writeFilm(itemBytes(3, "C3") + (reuse ? itemBytes(-1, "") : itemBytes(4, "C4")));
        ASSERT_TRUE(f.load());
        const std::string before = f.film();
        const Entries entries = entriesOf(f.items);

        FaultyFileAccess faulty;
        faulty.faultWriteNumber(1, FaultyFileAccess::Mode::Fail);
        setFileAccess(&faulty);
        EXPECT_FALSE(f.items.insert(makeItem(9, "NINE", "99"), f.messages));
        setFileAccess(nullptr);

        EXPECT_EQ(f.messages.lastText(), "Not able to write to film.dat");
        EXPECT_EQ(f.messages.lastCaption(), "Problem");
        EXPECT_EQ(f.film(), before);
        EXPECT_EQ(entriesOf(f.items), entries);
        EXPECT_EQ(f.items.slotCount(), 2);
        EXPECT_EQ(f.items.liveCount(), reuse ? 1 : 2);
        EXPECT_FALSE(f.items.findBySku1("99"));
        EXPECT_EQ(f.items.key(1)[0], reuse ? '\0' : 'C');

        const int64_t slot = reuse ? 1 : 2;
        EXPECT_EQ(f.items.insert(makeItem(9, "NINE", "99"), f.messages), slot);
        EXPECT_EQ(f.items.findBySku1("99"), slot);
        EXPECT_EQ(getI64(f.film(), static_cast<size_t>(slot) * kItemBytes), 9);
    }
}

namespace {

// Lets half of the first record write reach the disk, then fails, as a disk
// filling up part-way through an append would.
class HalfWriteAccess : public FileAccess {
public:
    ssize_t pwrite(int fd, const void *buffer, size_t size, off_t offset) override
    {
        if (++calls_ == 1)
            return FileAccess::pwrite(fd, buffer, size / 2, offset);
        if (calls_ == 2) {
            errno = ENOSPC;
            return -1;
        }
        return FileAccess::pwrite(fd, buffer, size, offset);
    }

private:
    int calls_ = 0;
};

} // namespace

TEST(ItemIndexInsert, PartialAppendIsCutBackSoLaterSlotsNeverShift)
{
    ItemFolder f;
    f.writeFilm(itemBytes(3, "C3"));
    ASSERT_TRUE(f.load());
    const std::string before = f.film();

    HalfWriteAccess halfWrite;
    setFileAccess(&halfWrite);
    EXPECT_FALSE(f.items.insert(makeItem(9, "NINE"), f.messages));
    setFileAccess(nullptr);
    EXPECT_EQ(f.film(), before);
    EXPECT_EQ(f.items.slotCount(), 1);

    ASSERT_EQ(f.items.insert(makeItem(10, "TEN"), f.messages), 1);
    ASSERT_EQ(f.items.insert(makeItem(11, "ELEVEN"), f.messages), 2);
    const std::string film = f.film();
    ASSERT_EQ(film.size(), 3 * kItemBytes);
    EXPECT_EQ(getI64(film, kItemBytes), 10);
    EXPECT_EQ(getI64(film, 2 * kItemBytes), 11);
}

TEST(ItemIndexInsert, MissingFileIsFatalAndChangesNothing)
{
    ItemFolder f;
    f.writeFilm(itemBytes(3, "C3"));
    ASSERT_TRUE(f.load());
    ASSERT_EQ(::unlink(f.temp.file("film.dat").c_str()), 0);
    EXPECT_FALSE(f.items.insert(makeItem(9, "NINE"), f.messages));
    EXPECT_EQ(f.messages.lastText(), "Data file: film.dat, not present.");
    EXPECT_EQ(f.messages.lastCaption(), "Fatal error");
    EXPECT_EQ(f.items.slotCount(), 1);
    EXPECT_FALSE(fileExists(f.temp.file("film.dat")));
}

TEST(ItemIndexDelete, RecordStaysInPlaceFreedAndLogged)
{
    FixedClock clock(LocalTime { .year = 2026, .month = 12, .day = 8, .hour = 9, .minute = 5 });
    ItemFolder f;
    std::string record = itemBytes(42, "ABCDEF", "4242");
    putI32(record, 670, 17); // quantity
    f.writeFilm(itemBytes(7, "SEVEN") + record);
    ASSERT_TRUE(f.load());

    f.messages.answers = { Answer::Cancel };
    EXPECT_FALSE(f.items.confirmAndDelete(42, f.messages));
    EXPECT_EQ(f.messages.lastText(), "Are you sure?");
    EXPECT_EQ(f.messages.lastCaption(), "42 Item: ABCDEF");
    EXPECT_EQ(f.items.liveCount(), 2);
    EXPECT_FALSE(fileExists(f.temp.file("bun4.dat")));

    f.messages.answers = { Answer::Ok };
    ASSERT_TRUE(f.items.confirmAndDelete(42, f.messages));
    const std::string freed = slotBytes(f.film(), 1, kItemBytes);
    std::string expected = record;
    putI64(expected, 0, -1);
    expected[8] = expected[9] = '\0';
    EXPECT_EQ(freed, expected); // "CDEF", sku1 and quantity stay
    EXPECT_EQ(f.items.key(1), (std::array<char, 2> { 0, 0 }));
    EXPECT_EQ(f.items.liveCount(), 1);
    EXPECT_EQ(f.items.freeCount(), 1);
    EXPECT_EQ(entriesOf(f.items), (Entries { { -1, 1 }, { 7, 0 } }));
    EXPECT_FALSE(f.items.findBySku1("4242"));
    EXPECT_EQ(readBytes(f.temp.file("bun4.dat")),
        "\r\nItem 42, ABCDEF deleted.  Date: 09:05 08/12/2026\r\n");

    EXPECT_EQ(f.items.insert(makeItem(50, "FIFTY"), f.messages), 1);
    EXPECT_EQ(f.film().size(), 2 * kItemBytes);
}

TEST(ItemIndexDelete, FailedWriteLeavesTheItemOnFile)
{
    ItemFolder f;
    f.writeFilm(itemBytes(42, "ABCDEF", "4242"));
    ASSERT_TRUE(f.load());
    const std::string before = f.film();
    FaultyFileAccess faulty;
    faulty.faultWriteNumber(1, FaultyFileAccess::Mode::Fail);
    setFileAccess(&faulty);
    EXPECT_FALSE(f.items.remove(f.items.find(42), f.messages));
    setFileAccess(nullptr);
    EXPECT_EQ(f.messages.lastText(), "Not able to write film.dat");
    EXPECT_EQ(f.film(), before);
    EXPECT_EQ(f.items.slotOf(42), 0);
    EXPECT_EQ(f.items.findBySku1("4242"), 0);
    EXPECT_FALSE(fileExists(f.temp.file("bun4.dat")));

    EXPECT_FALSE(f.items.confirmAndDelete(41, f.messages));
    EXPECT_EQ(f.messages.lastText(), "Invalid number.");
}

TEST(ItemIndexOffer, FirstUnusedNumberAfterTheLastIssued)
{
    ItemFolder f;
    f.writeFilm(itemBytes(-1, "") + itemBytes(6, "B") + itemBytes(5, "A") + itemBytes(7, "C")
        + itemBytes(1, "D"));
    ASSERT_TRUE(f.load());
    EXPECT_EQ(f.items.offerNumber(4), 8);
    EXPECT_EQ(f.items.offerNumber(5), 8);
    EXPECT_EQ(f.items.offerNumber(7), 8);
    EXPECT_EQ(f.items.offerNumber(1), 2);
    EXPECT_EQ(f.items.offerNumber(0), 2); // starts at 1, which is taken
    EXPECT_EQ(f.items.offerNumber(-9), 2); // not positive: from 1
    EXPECT_EQ(f.items.offerNumber(100), 101);
}

TEST(ItemIndexRange, WalkFindsTheNumbersInRangeOrSaysThereAreNone)
{
    ItemFolder f;
    f.writeFilm(itemBytes(30, "C") + itemBytes(-1, "") + itemBytes(10, "A") + itemBytes(20, "B"));
    ASSERT_TRUE(f.load());

    auto numbersIn = [&](int64_t low, int64_t high) {
        std::vector<int64_t> numbers;
        if (auto range = f.items.walkRange(low, high, f.messages)) {
            for (size_t p = range->first; p < range->last; ++p)
                numbers.push_back(f.items.index()[p].number);
        }
        return numbers;
    };
    EXPECT_EQ(numbersIn(10, 20), (std::vector<int64_t> { 10, 20 }));
    EXPECT_EQ(numbersIn(11, 1000), (std::vector<int64_t> { 20, 30 }));
    EXPECT_EQ(numbersIn(-5, 10), (std::vector<int64_t> { 10 })); // never the free slot
    EXPECT_TRUE(f.messages.shown.empty());

    for (auto [low, high] :
        { std::pair<int64_t, int64_t> { 11, 19 }, { 31, 99 }, { -5, 9 }, { 20, 10 } }) {
        f.messages.shown.clear();
        EXPECT_TRUE(numbersIn(low, high).empty());
        ASSERT_EQ(f.messages.shown.size(), 1u);
        EXPECT_EQ(f.messages.lastText(), "No items in range.");
        EXPECT_EQ(f.messages.lastCaption(), "Problem");
    }
}

TEST(ItemIndexWrite, AmendmentFollowsPrefixAndSkuButNeverTheNumber)
{
    ItemFolder f;
    f.writeFilm(itemBytes(5, "APPLE", "111") + itemBytes(6, "BREAD", "222"));
    ASSERT_TRUE(f.load());

    ItemRecord record;
    ASSERT_TRUE(f.items.readRecord(0, record, f.messages));
    writeText(record.description, "PEAR");
    writeText(record.sku1, "333");
    record.quantity = 12;
    ASSERT_TRUE(f.items.writeRecord(0, record, f.messages));
    const std::string film = f.film();
    EXPECT_EQ(getText(film, 8, 82), "PEAR");
    EXPECT_EQ(getI32(film, 670), 12);
    EXPECT_EQ(f.items.key(0), (std::array<char, 2> { 'P', 'E' }));
    EXPECT_FALSE(f.items.findBySku1("111"));
    EXPECT_EQ(f.items.findBySku1("333"), 0);

    record.number = 6; // would give slot 0 a number the index has at slot 1
    EXPECT_FALSE(f.items.writeRecord(0, record, f.messages));
    EXPECT_EQ(f.messages.lastText(), "Invalid number.");
    EXPECT_FALSE(f.items.writeRecord(2, record, f.messages));
    EXPECT_FALSE(f.items.readRecord(2, record, f.messages));
    EXPECT_EQ(f.messages.lastText(), "Not able to read film.dat");
    EXPECT_EQ(f.film(), film);
}

namespace {

// The barcode look-up done the slow way, straight from the file's bytes: the
// first slot whose prefix byte is not zero, whose number is live and whose
// sku1 text equals `text`.
std::optional<int64_t> scanFileForSku1(const std::string &film, std::string_view text)
{
    for (size_t slot = 0; slot * kItemBytes < film.size(); ++slot) {
        const size_t at = slot * kItemBytes;
        if (getI64(film, at) <= 0 || film[at + 8] == '\0')
            continue;
        if (getText(film, at + 90, 40) == text)
            return static_cast<int64_t>(slot);
    }
    return std::nullopt;
}

} // namespace

TEST(ItemIndexSku1, MatchesASlotOrderScanThroughAddsAmendsAndDeletes)
{
    ItemFolder f;
    // Start with awkward slots: a free slot whose old bytes still carry a
    // description and SKU, and a live item without a description.
    f.writeFilm(itemBytes(-1, "GONE", "S1") + itemBytes(3, "", "S1") + itemBytes(4, "KEEP", "S2"));
    ASSERT_TRUE(f.load());

    std::mt19937 random(20261208);
    const std::vector<std::string> skus = { "", "S1", "S2", "S3", "S4", "5012345678900" };
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    auto checkAll = [&](int step) {
        const std::string film = f.film();
        for (const std::string &sku : skus)
            ASSERT_EQ(f.items.findBySku1(sku), scanFileForSku1(film, sku))
                << "step " << step << " sku '" << sku << "'";
    };
    checkAll(-1);

    f.messages.answers.clear();
    for (int step = 0; step < 300; ++step) {
        const int action = pick(3);
        if (action == 0 || f.items.liveCount() == 0) {
            const std::string description = pick(6) == 0 ? "" : "ITEM" + std::to_string(step);
            f.items.insert(makeItem(1 + pick(60), description, skus[pick(6)]), f.messages);
        } else {
            const size_t first = static_cast<size_t>(f.items.freeCount());
            const size_t position = first + static_cast<size_t>(pick(int(f.items.liveCount())));
            const int64_t slot = f.items.index()[position].slot;
            if (action == 1) {
                ItemRecord record;
                ASSERT_TRUE(f.items.readRecord(slot, record, f.messages));
                writeText(record.sku1, skus[pick(6)]);
                if (pick(4) == 0)
                    writeText(record.description, pick(2) ? "" : "AMENDED");
                ASSERT_TRUE(f.items.writeRecord(slot, record, f.messages));
            } else {
                ASSERT_TRUE(f.items.remove(position, f.messages));
            }
        }
        checkAll(step);
    }

    // A fresh load of the same file agrees with the index kept up to date.
    // (Its free group is in slot order, the running one in order of deletion.)
    ItemIndex reloaded(f.dir);
    ASSERT_TRUE(reloaded.load(f.messages));
    Entries before = entriesOf(f.items);
    Entries after = entriesOf(reloaded);
    ASSERT_EQ(reloaded.freeCount(), f.items.freeCount());
    std::sort(before.begin(), before.begin() + f.items.freeCount());
    EXPECT_EQ(after, before);
    for (const std::string &sku : skus)
        EXPECT_EQ(reloaded.findBySku1(sku), f.items.findBySku1(sku));
    for (int64_t slot = 0; slot < f.items.slotCount(); ++slot)
        EXPECT_EQ(reloaded.key(slot), f.items.key(slot));
}
