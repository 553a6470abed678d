#include "platform/scripted_messages.h"
#include "support/failing_reads.h"
#include "support/test_support.h"
#include "till/item_entry_fixture.h"
#include "till/logic/quick_select.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

using namespace ovix;
using ovix::test::ItemBytes;
using ovix::test::putI32;
using ovix::test::putI64;
using ovix::test::Till;

namespace {

// An item in display category `category`, with the picture and quick-select
// fields at their film.dat offsets.
ItemBytes item(int64_t number, int32_t category, std::string_view description = "ITEM")
{
    ItemBytes bytes(number, description, 1.0f);
    putI32(bytes.bytes, 1787, category);
    putI32(bytes.bytes, 1202, 1); // stock picture 1, as a new item has
    return bytes;
}

ItemBytes &omitted(ItemBytes &bytes, int32_t flag)
{
    putI32(bytes.bytes, 1218, flag);
    return bytes;
}

ItemBytes &picture(ItemBytes &bytes, int32_t stock, int32_t own)
{
    putI32(bytes.bytes, 1202, stock);
    putI32(bytes.bytes, 1562, own);
    return bytes;
}

std::vector<int64_t> numbers(const std::vector<QuickSelectSlot> &slots)
{
    std::vector<int64_t> out;
    for (const QuickSelectSlot &slot : slots)
        out.push_back(slot.itemNumber);
    return out;
}

using Numbers = std::vector<int64_t>;

struct QuickSelectTill : Till {
    QuickSelect quick { state.items };

    void removeItem(int64_t number)
    {
        ScriptedMessages quiet;
        ASSERT_TRUE(state.items.remove(state.items.find(number), quiet));
    }
};

} // namespace

TEST(QuickSelectCategories, StepAndWrapAroundAll)
{
    EXPECT_EQ(nextCategory(0), 1);
    EXPECT_EQ(nextCategory(17), 18);
    EXPECT_EQ(nextCategory(18), 0);
    EXPECT_EQ(previousCategory(18), 17);
    EXPECT_EQ(previousCategory(0), 18);
    // A stored value out of range steps back into the range.
    EXPECT_EQ(nextCategory(-4), 0);
    EXPECT_EQ(nextCategory(40), 0);
    EXPECT_EQ(previousCategory(40), 18);
    EXPECT_EQ(previousCategory(-1), 18);
}

TEST(QuickSelectFill, TakesTheCategoryInNumberOrderLeavingOutOmittedAndFreeItems)
{
    QuickSelectTill till;
    till.add(item(30, 2, "THIRTY"));
    till.add(item(10, 2, "TEN  "));
    till.add(item(20, 3, "TWENTY"));
    ItemBytes leftOff = item(40, 2);
    till.add(omitted(leftOff, 2));
    ItemBytes oddFlag = item(50, 2);
    till.add(omitted(oddFlag, 1));
    till.add(item(25, 2, "GONE"));
    till.add(item(60, 2, "SIXTY"));
    till.add(item(70, 99, "ODD CATEGORY"));
    till.removeItem(25);

    till.quick.fill(2, kSmallQuickSelectSlots);
    ASSERT_EQ(till.quick.slotCount(), 8u);
    EXPECT_EQ(numbers(till.quick.page()), (Numbers { 10, 30, 60, 0, 0, 0, 0, 0 }));
    EXPECT_EQ(till.quick.slot(0).description, "TEN"); // trailing blanks go
    EXPECT_EQ(till.quick.slot(3).description, "");
    EXPECT_EQ(till.quick.slot(3).pictureFile, "");
    EXPECT_EQ(till.quick.slot(99).itemNumber, 0);

    till.quick.fill(kAllCategories, kLargeQuickSelectSlots);
    ASSERT_EQ(till.quick.slotCount(), 14u);
    EXPECT_EQ(
        numbers(till.quick.page()), (Numbers { 10, 20, 30, 60, 70, 0, 0, 0, 0, 0, 0, 0, 0, 0 }));

    till.quick.fill(5, kSmallQuickSelectSlots);
    EXPECT_EQ(numbers(till.quick.page()), Numbers(8, 0));
    EXPECT_FALSE(till.quick.scrollForward());
    EXPECT_FALSE(till.quick.scrollBack());
}

TEST(QuickSelectFill, PictureIsTheItemsOwnOrAStockPicture)
{
    QuickSelectTill till;
    ItemBytes own = item(12, 0);
    till.add(picture(own, 5, 1));
    ItemBytes stock = item(13, 0);
    till.add(picture(stock, 24, 0));
    ItemBytes zero = item(14, 0);
    till.add(picture(zero, 0, 0));
    ItemBytes tooHigh = item(15, 0);
    till.add(picture(tooHigh, 25, 2)); // only 1 means an own picture
    ItemBytes large = item(kMaxRecordNumber - 1, 0);
    till.add(picture(large, 3, 1));

    till.quick.fill(0, kSmallQuickSelectSlots);
    EXPECT_EQ(till.quick.slot(0).pictureFile, "m12.bmp");
    EXPECT_EQ(till.quick.slot(1).pictureFile, "STOCK24.bmp");
    EXPECT_EQ(till.quick.slot(2).pictureFile, "STOCK1.bmp");
    EXPECT_EQ(till.quick.slot(3).pictureFile, "STOCK1.bmp");
    EXPECT_EQ(till.quick.slot(4).pictureFile, "m99999999999999999.bmp");
}

TEST(QuickSelectPaging, StepsByPageAndStopsAtBothEnds)
{
    QuickSelectTill till;
    for (int64_t number = 1; number <= 20; ++number)
        till.add(item(number, 1));
    till.add(item(100, 2)); // another category between none of them

    till.quick.fill(1, kSmallQuickSelectSlots);
    EXPECT_EQ(numbers(till.quick.page()), (Numbers { 1, 2, 3, 4, 5, 6, 7, 8 }));
    EXPECT_FALSE(till.quick.scrollBack()); // at the start the first page stays
    EXPECT_EQ(till.quick.slot(0).itemNumber, 1);
    EXPECT_TRUE(till.quick.scrollForward());
    EXPECT_EQ(numbers(till.quick.page()), (Numbers { 9, 10, 11, 12, 13, 14, 15, 16 }));
    EXPECT_TRUE(till.quick.scrollForward());
    EXPECT_EQ(numbers(till.quick.page()), (Numbers { 17, 18, 19, 20, 0, 0, 0, 0 }));
    EXPECT_FALSE(till.quick.scrollForward()); // nothing further: the page stays
    EXPECT_EQ(numbers(till.quick.page()), (Numbers { 17, 18, 19, 20, 0, 0, 0, 0 }));
    EXPECT_TRUE(till.quick.scrollBack());
    EXPECT_EQ(numbers(till.quick.page()), (Numbers { 9, 10, 11, 12, 13, 14, 15, 16 }));

    // The large layout pages by 14; a page back from part way never runs
    // before the first item.
    till.quick.fill(1, kLargeQuickSelectSlots);
    EXPECT_EQ(till.quick.slot(13).itemNumber, 14);
    EXPECT_TRUE(till.quick.scrollForward());
    EXPECT_EQ(
        numbers(till.quick.page()), (Numbers { 15, 16, 17, 18, 19, 20, 0, 0, 0, 0, 0, 0, 0, 0 }));
    EXPECT_TRUE(till.quick.scrollBack());
    EXPECT_EQ(till.quick.slot(0).itemNumber, 1);
    EXPECT_EQ(till.quick.slot(13).itemNumber, 14);
}

TEST(QuickSelectRead, UnreadableOrStaleRecordsAreLeftOut)
{
    QuickSelectTill till;
    till.add(item(1, 0, "ONE"));
    till.add(item(2, 0, "TWO"));
    till.add(item(3, 0, "THREE"));
    till.add(item(4, 0, "FOUR"));
    // Find the slots behind the index, then spoil two of them on disk: item 2
    // is overwritten by another number, and item 4's record is cut off.
    const std::string path = till.state.dir.path("film.dat");
    std::string film = ovix::test::readBytes(path);
    const auto slotOf = [&](int64_t number) { return *till.state.items.slotOf(number); };
    putI64(film, static_cast<size_t>(slotOf(2)) * kItemRecordSize, 77);
    ovix::test::writeBytes(path, film);
    const int64_t lastSlot = till.state.items.slotCount() - 1;
    ASSERT_EQ(slotOf(4), lastSlot) << "a fresh item goes to the end";
    std::filesystem::resize_file(path, static_cast<uintmax_t>(lastSlot) * kItemRecordSize + 100);

    till.quick.fill(kAllCategories, kSmallQuickSelectSlots);
    EXPECT_EQ(numbers(till.quick.page()), (Numbers { 1, 3, 0, 0, 0, 0, 0, 0 }));
    EXPECT_EQ(
        numbers(walkQuickSelectItems(till.state.items, kAllCategories, 1, 8)), (Numbers { 1, 3 }));
    EXPECT_TRUE(till.messages.shown.empty());

    // A missing film.dat leaves every slot empty, quietly.
    std::filesystem::remove(path);
    till.quick.reload();
    EXPECT_EQ(numbers(till.quick.page()), Numbers(8, 0));
}

// A bad sector under one item's record costs that button only, quietly.
TEST(QuickSelectRead, AnUnreadableRecordLeavesOutThatItemOnly)
{
    QuickSelectTill till;
    for (int64_t number = 1; number <= 5; ++number)
        till.add(item(number, 0, "ITEM"));
    const int64_t slot = *till.state.items.slotOf(3);
    const auto at = slot * static_cast<int64_t>(kItemRecordSize);
    test::FailingReads failing(till.state.dir.path("film.dat"), at + 1000, at + 1001);

    till.quick.fill(0, kSmallQuickSelectSlots);
    EXPECT_EQ(numbers(till.quick.page()), (Numbers { 1, 2, 4, 5, 0, 0, 0, 0 }));
    EXPECT_GT(failing.failures(), 0);
    EXPECT_TRUE(till.messages.shown.empty());
}

TEST(QuickSelectRead, FollowsNewItemsAndReloadedChanges)
{
    QuickSelectTill till;
    till.add(item(5, 0, "FIVE"));
    till.quick.fill(0, kSmallQuickSelectSlots);
    EXPECT_EQ(numbers(till.quick.page()), (Numbers { 5, 0, 0, 0, 0, 0, 0, 0 }));

    // The index grew: the table is read again, and the page keeps its start.
    till.add(item(3, 0, "THREE"));
    till.quick.refill();
    EXPECT_EQ(numbers(till.quick.page()), (Numbers { 5, 0, 0, 0, 0, 0, 0, 0 }));
    EXPECT_TRUE(till.quick.scrollBack());
    EXPECT_EQ(numbers(till.quick.page()), (Numbers { 3, 5, 0, 0, 0, 0, 0, 0 }));

    ItemRecord record {};
    ScriptedMessages quiet;
    const int64_t slot = *till.state.items.slotOf(5);
    ASSERT_TRUE(till.state.items.readRecord(slot, record, quiet));
    writeText(record.description, "FIVE NEW");
    record.omit_quick_select = 0;
    ASSERT_TRUE(till.state.items.writeRecord(slot, record, quiet));
    till.quick.reload();
    EXPECT_EQ(till.quick.slot(1).description, "FIVE NEW");
}

// The table gives exactly what reading film.dat item by item gives, for every
// selection, both layouts, and paging both ways.
TEST(QuickSelectRead, TableMatchesThePlainWalk)
{
    QuickSelectTill till;
    std::mt19937 random(20260305);
    std::vector<int64_t> added;
    for (int i = 0; i < 600; ++i) {
        const int64_t number = 1 + static_cast<int64_t>(random() % 5000);
        if (std::find(added.begin(), added.end(), number) != added.end())
            continue;
        ItemBytes bytes = item(number, static_cast<int32_t>(random() % 20), "RANDOM");
        omitted(bytes, random() % 6 == 0 ? 2 : 0);
        picture(bytes, static_cast<int32_t>(random() % 30), static_cast<int32_t>(random() % 3));
        till.add(bytes);
        added.push_back(number);
    }
    for (int i = 0; i < 60; ++i) {
        const size_t pick = random() % added.size();
        till.removeItem(added[pick]);
        added.erase(added.begin() + static_cast<std::ptrdiff_t>(pick));
    }

    for (int category = 0; category <= kAllCategories; ++category) {
        for (size_t size : { kSmallQuickSelectSlots, kLargeQuickSelectSlots }) {
            SCOPED_TRACE(testing::Message() << "category " << category << " size " << size);
            const std::vector<QuickSelectSlot> all
                = walkQuickSelectItems(till.state.items, category, 1, SIZE_MAX);
            auto page = [&](size_t first) {
                Numbers expected(size, 0);
                for (size_t i = 0; i < size && first + i < all.size(); ++i)
                    expected[i] = all[first + i].itemNumber;
                return expected;
            };
            till.quick.fill(category, size);
            size_t first = 0;
            EXPECT_EQ(numbers(till.quick.page()), page(first));
            while (till.quick.scrollForward()) {
                first += size;
                ASSERT_EQ(numbers(till.quick.page()), page(first));
            }
            EXPECT_GE(first + size, all.size());
            for (size_t i = 0; i < size && first + i < all.size(); ++i) {
                EXPECT_EQ(till.quick.slot(i).description, all[first + i].description);
                EXPECT_EQ(till.quick.slot(i).pictureFile, all[first + i].pictureFile);
            }
            while (till.quick.scrollBack()) {
                first = first >= size ? first - size : 0;
                ASSERT_EQ(numbers(till.quick.page()), page(first));
            }
            EXPECT_EQ(first, 0u);
        }
    }
}
