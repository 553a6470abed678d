// Every search finds exactly what the plain walk finds (one record read at a
// time, as the benchmark's baseline does), in the same order, on a film.dat
// of random shop descriptions and SKU codes drawn from a fixed seed.

#include "bench/literal_item_search.h"
#include "bench/search_film.h"
#include "inventory/logic/item_search.h"
#include "platform/scripted_messages.h"
#include "store/shop.h"
#include "support/failing_reads.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace ovix;

namespace {

struct RandomShop {
    test::TempDir folder;
    Shop shop { folder.path() };

    explicit RandomShop(int slots)
    {
        std::mt19937_64 random(1402);
        test::writeBytes(folder.file("film.dat"), searchfilm::makeFilm(slots, random));
        ScriptedMessages quiet;
        EXPECT_TRUE(shop.items.load(quiet));
    }
};

void expectSame(const ItemSearchResult &ours, const ItemSearchResult &walk, const std::string &what)
{
    EXPECT_EQ(ours.status, walk.status) << what;
    ASSERT_EQ(ours.matches.size(), walk.matches.size()) << what;
    for (size_t i = 0; i < ours.matches.size(); ++i) {
        const ItemMatch &a = ours.matches[i];
        const ItemMatch &b = walk.matches[i];
        EXPECT_EQ(a.number, b.number) << what << " match " << i;
        EXPECT_EQ(a.slot, b.slot) << what << " match " << i;
        EXPECT_EQ(a.description, b.description) << what << " match " << i;
        EXPECT_EQ(a.quantity, b.quantity) << what << " match " << i;
        EXPECT_EQ(a.retailPrice, b.retailPrice) << what << " match " << i;
    }
}

const char *const kDescriptions[] = { "B", "b", "?", "??", "B?L", "?E", "TEA", "CHEESE",
    "BELL ?ED", "\xE9", "\xC9" "CLAIR", "1", "1KG", "?A?E", "ZZZ", "" };
const char *const kFragments[] = { "EA", "l", " ", "PACK", "RED 1KG", "\xE8", "Q", "-", "7K",
    "ZZZZ", "" };

void compareAll(const ItemIndex &items, bool expectMatches)
{
    size_t found = 0;
    for (const char *pattern : kDescriptions) {
        const ItemSearchResult ours = searchByDescription(items, pattern);
        found += ours.matches.size();
        expectSame(ours, literal::byDescription(items, pattern), std::string("prefix ") + pattern);
    }
    for (const char *fragment : kFragments) {
        const std::string name = fragment;
        expectSame(searchThatContain(items, fragment), literal::thatContain(items, fragment),
            "contain " + name);
        expectSame(searchSkuOne(items, fragment), literal::skuOne(items, fragment), "sku1 " + name);
        const ItemSearchResult skus = searchInSkus(items, fragment);
        found += skus.matches.size();
        expectSame(skus, literal::inSkus(items, fragment), "skus " + name);
    }
    for (bool all : { false, true }) {
        for (const char *description : { "", "TEA", "e" }) {
            for (const char *sku : { "", "7", "A-" }) {
                const AdvancedSearch search { description, { sku, "", "", sku[0] ? "K" : "" }, all };
                expectSame(searchAdvanced(items, search), literal::advanced(items, search),
                    std::string("advanced ") + description + "/" + sku + (all ? " all" : " any"));
            }
        }
    }
    if (expectMatches) {
        EXPECT_GT(found, 1000u); // the patterns do find things
    }
}

} // namespace

TEST(ItemSearchWalk, EverySearchListsWhatTheRecordByRecordWalkLists)
{
    // More slots than one block of the scan holds, so blocks meet mid-file.
    RandomShop film(2000);
    compareAll(film.shop.items, true);
}

TEST(ItemSearchWalk, AnUnreadableRecordEndsEachSearchWhereItEndsTheWalk)
{
    RandomShop film(2000);
    // A bad sector over slots 1500 and 1501, in the second block of the scan.
    test::FailingReads failing(film.folder.file("film.dat"), 1500 * 1874 + 7, 1501 * 1874 + 9);
    compareAll(film.shop.items, false);
}
