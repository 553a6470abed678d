// "Highest volume products": the hundred most sold items of a category kept
// while film.dat is read once, and f2.dat written byte for byte.

#include "reports/browse_shop.h"
#include "reports/logic/browse_lists.h"
#include "reports/logic/highest_volume.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sys/stat.h>

using namespace ovix;
using namespace ovix::test;

namespace {

// One f2.dat record at the documented offsets.
std::string listRecord(int64_t number, const char *name, const char *column1, const char *column2)
{
    std::string record(110, '\0');
    putI64(record, 0, number);
    putText(record, 8, name);
    putText(record, 50, column1);
    putText(record, 80, column2);
    return record;
}

std::vector<int64_t> numbersIn(const std::string &f2)
{
    std::vector<int64_t> numbers;
    for (size_t at = 0; at + 110 <= f2.size(); at += 110)
        numbers.push_back(getI64(f2, at));
    return numbers;
}

} // namespace

TEST(HighestVolume, WritesTheKeptItemsMostSoldFirstByteForByte)
{
    std::string film;
    film += browseItemBytes({ .number = 4, .description = "TEA", .retail = 2.5f, .sold = 7 });
    film += freeItem();
    film += browseItemBytes(
        { .number = 2, .description = "MILK", .retail = 0.99f, .category = 3, .sold = 40 });
    film += browseItemBytes({ .number = 9, .description = "JAM", .retail = 3.0f, .sold = 7 });
    film += browseItemBytes({ .number = 1, .description = "BUN", .retail = 0.5f, .sold = -2 });
    struct Case {
        int entry;
        std::string f2;
    };
    const Case cases[] = {
        { 0,
            listRecord(2, "MILK", "40", "0.99") + listRecord(4, "TEA", "7", "2.50")
                + listRecord(9, "JAM", "7", "3.00") + listRecord(1, "BUN", "-2", "0.50") },
        { 4, listRecord(2, "MILK", "40", "0.99") },
        { 1,
            listRecord(4, "TEA", "7", "2.50") + listRecord(9, "JAM", "7", "3.00")
                + listRecord(1, "BUN", "-2", "0.50") },
        { 2, "" },
    };
    for (const Case &c : cases) {
        BrowseShop shop(film);
        writeBytes(shop.folder.file("f2.dat"), std::string(5000, 'o'));
        ASSERT_TRUE(writeHighestVolumeFile(shop.shop, c.entry, shop.messages)) << c.entry;
        EXPECT_EQ(readBytes(shop.folder.file("f2.dat")), c.f2) << c.entry;
        struct stat info {};
        ASSERT_EQ(stat(shop.folder.file("f2.dat").c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0600u);
        EXPECT_TRUE(shop.messages.shown.empty());
    }
}

TEST(HighestVolume, KeepsTheHundredLargestOfTheChosenCategory)
{
    std::mt19937 random(19);
    std::string film;
    struct Sold {
        int64_t number;
        int32_t sold;
        int slot;
    };
    std::vector<Sold> category5;
    for (int slot = 0; slot < 900; ++slot) {
        const int32_t sold = static_cast<int32_t>(random() % 60); // many ties
        const int category = static_cast<int>(random() % 3) + 4;
        const int64_t number = 100000 - slot;
        film += browseItemBytes({ .number = number, .description = "X", .category = category,
            .sold = sold });
        if (category == 5)
            category5.push_back({ number, sold, slot });
    }
    BrowseShop shop(film);
    ASSERT_TRUE(writeHighestVolumeFile(shop.shop, 6, shop.messages));
    const std::vector<int64_t> written = numbersIn(readBytes(shop.folder.file("f2.dat")));
    ASSERT_EQ(written.size(), 100u);

    // The figures kept are the hundred largest; written most sold first.
    std::vector<int32_t> expectedSold;
    for (const Sold &s : category5)
        expectedSold.push_back(s.sold);
    std::sort(expectedSold.rbegin(), expectedSold.rend());
    expectedSold.resize(100);
    std::vector<int32_t> writtenSold;
    for (int64_t number : written) {
        auto it = std::find_if(category5.begin(), category5.end(),
            [number](const Sold &s) { return s.number == number; });
        ASSERT_NE(it, category5.end()) << number << " is not of the category";
        writtenSold.push_back(it->sold);
    }
    EXPECT_EQ(writtenSold, expectedSold);
}

TEST(HighestVolume, AFullTableReplacesTheFirstSmallestOnlyForALargerFigure)
{
    VolumeTable table;
    for (int slot = 0; slot < 100; ++slot)
        table.offer({ slot, slot < 2 ? 1 : 50, {} });
    table.offer({ 100, 1, {} }); // equal to the smallest: the earlier stays
    table.offer({ 101, 2, {} }); // larger: replaces slot 0, the first of the smallest
    const std::vector<VolumeEntry> ranked = table.ranked();
    ASSERT_EQ(ranked.size(), 100u);
    EXPECT_EQ(ranked[98].slot, 101);
    EXPECT_EQ(ranked[99].slot, 1);
    EXPECT_EQ(ranked[0].slot, 2) << "equal figures in slot order";
}

TEST(HighestVolume, ProblemsLeaveF2DatAsItWas)
{
    BrowseShop shop(numberedItems(1, 3));
    writeBytes(shop.folder.file("f2.dat"), "old");
    std::remove(shop.folder.file("film.dat").c_str());
    EXPECT_FALSE(writeHighestVolumeFile(shop.shop, 0, shop.messages));
    EXPECT_EQ(shop.messages.lastText(), "Data file: film.dat, not present.");
    EXPECT_EQ(shop.messages.lastCaption(), "Fatal error");
    EXPECT_EQ(readBytes(shop.folder.file("f2.dat")), "old");
}

TEST(HighestVolume, TheTitleNamesTheChosenCategory)
{
    BrowseShop shop("");
    EXPECT_EQ(highestVolumeTitle(shop.shop, 0), "Highest volume products");
    shop.shop.config.setCategoryName(2, "FRU");
    EXPECT_EQ(highestVolumeTitle(shop.shop, 2), "Highest volume products: FRU");
}
