// The item searches over a film.dat built byte by byte: which items each
// pattern finds and in which order, the free slots never found, and how a
// missing or unreadable film.dat ends a search.

#include "inventory/item_search_fixture.h"
#include "inventory/logic/item_search.h"
#include "support/failing_reads.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

using namespace ovix;
using ovix::test::SearchShop;

namespace {

using Numbers = std::vector<int64_t>;
using Status = ItemSearchResult::Status;

Numbers numbersOf(const ItemSearchResult &result)
{
    Numbers numbers;
    for (const ItemMatch &match : result.matches)
        numbers.push_back(match.number);
    return numbers;
}

struct PatternCase {
    const char *typed;
    Numbers expected; // in the order offered
};

} // namespace

TEST(ItemSearch, DescriptionPatternsFindPrefixesInSlotOrder)
{
    SearchShop film(test::sampleSlots());
    const PatternCase cases[] = {
        { "B", { 40, 10, 30, 20 } }, // one character: B?
        { "b?l", { 40, 10, 30 } }, // upper-cased; BEST is not B?L
        { "?", { 40, 10, 30, 20, 50, 60 } }, // every item, none of the free slot
        { "??", { 40, 10, 30, 20, 50, 60 } },
        { "?E", { 40, 20, 50 } },
        { "BELL", { 40 } },
        { "BELLS", {} }, // longer than the description
        { "BELL?", { 40 } }, // "?" stands for the terminator too
        { "TEA", { 50 } }, // the start only: not BEST TEA
        { "BOLT", { 30 } }, // not the deleted BOLT
        { "\xE9", { 60 } }, // é upper-cased to É
        { "", {} },
    };
    for (const PatternCase &c : cases) {
        const ItemSearchResult result = searchByDescription(film.shop.items, c.typed);
        EXPECT_EQ(result.status, Status::Complete) << c.typed;
        EXPECT_EQ(numbersOf(result), c.expected) << c.typed;
    }
}

TEST(ItemSearch, AMatchCarriesWhatTheSelectionListShows)
{
    SearchShop film({ { 7, "JAM", "", "", "", "", -3, 2.5f }, { 8, "JAMJAR" } });
    const ItemSearchResult result = searchByDescription(film.shop.items, "JAM");
    ASSERT_EQ(result.matches.size(), 2u);
    EXPECT_EQ(result.matches[0].number, 7);
    EXPECT_EQ(result.matches[0].slot, 0);
    EXPECT_EQ(result.matches[0].description, "JAM");
    EXPECT_EQ(result.matches[0].quantity, -3);
    EXPECT_FLOAT_EQ(result.matches[0].retailPrice, 2.5f);
    EXPECT_EQ(result.matches[1].slot, 1);
}

TEST(ItemSearch, FragmentsAreFoundAnywhereInTheDescriptionOrInSkuOne)
{
    SearchShop film(test::sampleSlots());
    const PatternCase descriptions[] = {
        { "TEA", { 20, 50 } },
        { "l", { 40, 10, 30, 60 } },
        { "BOLT", { 30 } },
        { "LARGE", { 30 } },
        { "NOTHING", {} },
        { "", {} },
    };
    for (const PatternCase &c : descriptions)
        EXPECT_EQ(numbersOf(searchThatContain(film.shop.items, c.typed)), c.expected) << c.typed;

    const PatternCase skuOne[] = {
        { "ab", { 40, 10 } }, // not in SKU 2 or SKU 4
        { "AB-100", { 40 } },
        { "Q", { 20 } },
        { "ZZTOP", {} }, // SKU 4 only
        { "", {} },
    };
    for (const PatternCase &c : skuOne)
        EXPECT_EQ(numbersOf(searchSkuOne(film.shop.items, c.typed)), c.expected) << c.typed;
}

TEST(ItemSearch, FindInSkusLooksInAllFourSkusInNumberOrder)
{
    SearchShop film(test::sampleSlots());
    const std::string thirtyOne = "LONG-AB-0123456789-0123456789-X";
    ASSERT_EQ(thirtyOne.size(), 31u);
    const PatternCase cases[] = {
        { "AB", { 10, 30, 40, 50 } }, // number order, not slot order
        { "zztop", { 40 } }, // found only in SKU 4
        { "LONG-AB-0123456789-0123456789-", { 50 } }, // 30 characters
        { thirtyOne.c_str(), {} }, // 31 characters: nothing is searched
        { "", {} },
    };
    for (const PatternCase &c : cases)
        EXPECT_EQ(numbersOf(searchInSkus(film.shop.items, c.typed)), c.expected) << c.typed;
}

TEST(ItemSearch, AdvancedSearchMatchesAnyOrAllOfItsBoxes)
{
    SearchShop film(test::sampleSlots());
    struct Case {
        AdvancedSearch search;
        Numbers expected;
    };
    const auto search = [](bool all, const char *description, std::array<std::string, 4> skus) {
        return AdvancedSearch { description, skus, all };
    };
    const Case cases[] = {
        { search(false, "tea", {}), { 20, 50 } },
        { search(false, "TEA", { "AB-1" }), { 40, 30, 20, 50 } }, // SKU 1 or SKU 2
        { search(false, "", { "", "", "", "ZZ" }), { 40 } }, // the fourth box, SKU 4
        { search(false, "", {}), {} }, // no box filled: nothing
        { search(true, "B", { "AB" }), { 40, 10, 30 } },
        { search(true, "", { "AB", "ZZ" }), { 40 } }, // each SKU text in some SKU
        { search(true, "BELL", { "Q7" }), {} },
        { search(true, "", {}), { 40, 10, 30, 20, 50, 60 } }, // every item answers
    };
    for (const Case &c : cases) {
        EXPECT_EQ(numbersOf(searchAdvanced(film.shop.items, c.search)), c.expected)
            << c.search.description << " all=" << c.search.matchAll;
    }
}

TEST(ItemSearch, AMissingFilmDatFindsNothingAndSaysSo)
{
    SearchShop film(test::sampleSlots());
    std::filesystem::remove(film.filmPath());
    EXPECT_EQ(searchByDescription(film.shop.items, "B").status, Status::NotPresent);
    EXPECT_EQ(searchThatContain(film.shop.items, "B").status, Status::NotPresent);
    EXPECT_EQ(searchSkuOne(film.shop.items, "AB").status, Status::NotPresent);
    EXPECT_EQ(searchAdvanced(film.shop.items, { "B", {}, false }).status, Status::NotPresent);
    EXPECT_EQ(searchInSkus(film.shop.items, "AB").status, Status::NotPresent);
}

TEST(ItemSearch, AnUnreadableRecordEndsTheSearchWhereTheWalkWouldMeetIt)
{
    SearchShop film(test::sampleSlots());
    // Slot 3 (item 30, BOLT LARGE) cannot be read.
    test::FailingReads failing(film.filmPath(), 3 * 1874 + 100, 3 * 1874 + 101);
    const ItemSearchResult contain = searchThatContain(film.shop.items, "L");
    EXPECT_EQ(contain.status, Status::ReadFailed);
    EXPECT_EQ(numbersOf(contain), (Numbers { 40, 10 }));
    // The prefix search never reads slot 3 for "TE": it passes on the key.
    const ItemSearchResult prefix = searchByDescription(film.shop.items, "TE");
    EXPECT_EQ(prefix.status, Status::Complete);
    EXPECT_EQ(numbersOf(prefix), (Numbers { 50 }));
    // In number order items 10 and 20 come before 30.
    const ItemSearchResult skus = searchInSkus(film.shop.items, "Q7");
    EXPECT_EQ(skus.status, Status::ReadFailed);
    EXPECT_EQ(numbersOf(skus), (Numbers { 20 }));
}

TEST(ItemSearch, AnUnreadableFreeSlotIsNotReadAndDoesNotStopTheSearch)
{
    SearchShop film(test::sampleSlots());
    test::FailingReads failing(film.filmPath(), 2 * 1874 + 10, 2 * 1874 + 11);
    const ItemSearchResult result = searchThatContain(film.shop.items, "L");
    EXPECT_EQ(result.status, Status::Complete);
    EXPECT_EQ(numbersOf(result), (Numbers { 40, 10, 30, 60 }));
}

TEST(ItemSearch, PatternHelpersFollowTheWalksRules)
{
    EXPECT_EQ(descriptionPattern("a"), "A?");
    EXPECT_EQ(descriptionPattern("\xE0\xFF"), "\xC0\x9F"); // à ÿ -> À Ÿ
    EXPECT_EQ(descriptionPattern(""), "");
    const char description[4] = { 'A', 'B', 'C', 'D' }; // fills its width, no terminator
    EXPECT_TRUE(descriptionAnswers("ABCD", description, 4));
    EXPECT_TRUE(descriptionAnswers("ABCD?", description, 4)); // past the width: any
    EXPECT_FALSE(descriptionAnswers("ABCDE", description, 4));
    EXPECT_TRUE(fieldContains(description, 4, "CD"));
    EXPECT_FALSE(fieldContains(description, 3, "CD"));
}
