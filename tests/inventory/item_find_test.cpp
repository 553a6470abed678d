// Finding an item as the clerk does: the prompts, the number look-up, the
// description search one at a time and as a list, the Yes/No/Cancel offers
// and the till's find, with scripted answers and stand-in boxes.

#include "inventory/item_search_fixture.h"
#include "inventory/logic/item_find.h"
#include "store/till_config.h"
#include "support/failing_reads.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <filesystem>
#include <string>
#include <vector>

using namespace ovix;
using ovix::test::SearchShop;

namespace {

// Stand-ins for the boxes: each answers from a script and notes what it was shown.
struct ScriptedScreens {
    std::deque<StepChoice> steps; // answers of "FIND INVENTORY" (Cancel when none left)
    std::vector<int64_t> stepped; // the items it showed
    std::optional<size_t> row; // the list's choice
    std::string listTitle;
    std::vector<std::string> listLines;
    std::optional<TillSearchRequest> tillRequest;
    std::optional<TillSearchType> tillPreset;

    ItemSearchScreens screens()
    {
        ItemSearchScreens screens;
        screens.showStep = [this](const ItemRecord &item) {
            stepped.push_back(item.number);
            if (steps.empty())
                return StepChoice::Cancel;
            const StepChoice choice = steps.front();
            steps.pop_front();
            return choice;
        };
        screens.pickLine = [this](std::string_view title, const std::vector<std::string> &lines) {
            listTitle = title;
            listLines = lines;
            return row;
        };
        screens.askTillSearch = [this](TillSearchType preset) {
            tillPreset = preset;
            return tillRequest;
        };
        return screens;
    }
};

const std::string kFinished = "Finished: No match found";

std::string offer(const char *text)
{
    return std::string("Search: No to continue: ") + text;
}

} // namespace

TEST(ItemFind, NumbersUpTo10To17AreItemNumbersAndEverythingElseADescription)
{
    struct Case {
        const char *typed;
        std::optional<int64_t> number;
    };
    const Case cases[] = {
        { "1", 1 },
        { "40", 40 },
        { "12ABC", 12 }, // the leading number
        { "100000000000000000", 100000000000000000 },
        { "100000000000000001", std::nullopt },
        { "12345678901234567890", std::nullopt }, // 20 digits, beyond 64 bits
        { "0", std::nullopt },
        { "-5", std::nullopt },
        { "BELL", std::nullopt },
        { "", std::nullopt },
    };
    for (const Case &c : cases)
        EXPECT_EQ(itemNumberOf(c.typed), c.number) << c.typed;
}

TEST(ItemFind, EachOfferAnswerDoesWhatItsSearchSays)
{
    SearchShop film(test::sampleSlots());
    const ItemSearchResult tea = searchThatContain(film.shop.items, "TEA");
    struct Case {
        const char *what;
        OfferRules rules;
        std::vector<Answer> answers;
        int64_t number;
        bool view;
        std::vector<std::string> said;
    };
    const OfferRules menu {};
    const OfferRules till { OfferAction::Select, OfferAction::Nothing };
    const OfferRules skuOne { OfferAction::Select, OfferAction::Select };
    const Case cases[] = {
        { "menu Yes views", menu, { Answer::Yes }, 20, true, { offer("20, BEST TEA") } },
        { "menu Cancel selects", menu, { Answer::Cancel }, 20, false, { offer("20, BEST TEA") } },
        { "No goes on", menu, { Answer::No, Answer::Yes }, 50, true,
            { offer("20, BEST TEA"), offer("50, TEAPOT") } },
        { "all passed over", menu, { Answer::No, Answer::No }, 0, false,
            { offer("20, BEST TEA"), offer("50, TEAPOT"), kFinished } },
        { "till Yes selects", till, { Answer::Yes }, 20, false, { offer("20, BEST TEA") } },
        { "till Cancel takes none", till, { Answer::Cancel }, 0, false,
            { offer("20, BEST TEA") } },
        { "SKU 1 Cancel selects", skuOne, { Answer::Cancel }, 20, false,
            { offer("20, BEST TEA") } },
    };
    for (const Case &c : cases) {
        film.messages.answers.assign(c.answers.begin(), c.answers.end());
        const FoundItem found = offerMatches(tea, film.messages, c.rules);
        EXPECT_EQ(found.number, c.number) << c.what;
        EXPECT_EQ(found.view, c.view) << c.what;
        EXPECT_EQ(film.said(), c.said) << c.what;
    }
}

TEST(ItemFind, StepModeShowsMatchesOneByOneAndOkTakesTheItemWithoutAView)
{
    SearchShop film(test::sampleSlots());
    ScriptedScreens boxes;
    boxes.steps = { StepChoice::Next, StepChoice::Ok };
    film.messages.textReplies = { "b?l" };
    const FoundItem found = findItem(film.shop, film.messages, boxes.screens());
    EXPECT_EQ(boxes.stepped, (std::vector<int64_t> { 40, 10 }));
    EXPECT_EQ(found.number, 10);
    EXPECT_FALSE(found.view);
    ASSERT_EQ(film.messages.shown.size(), 1u); // the prompt only
    EXPECT_EQ(film.messages.shown[0].text, kFindPrompt);

    // Next to the end: "No match found"; Cancel: nothing and no message.
    boxes.stepped.clear();
    boxes.steps = { StepChoice::Next, StepChoice::Next, StepChoice::Next };
    film.messages.textReplies = { "B?L" };
    film.said();
    EXPECT_EQ(findByDescription(film.shop, film.messages, boxes.screens()), 0);
    EXPECT_EQ(boxes.stepped, (std::vector<int64_t> { 40, 10, 30 }));
    EXPECT_EQ(film.said().back(), kFinished);
    boxes.steps = { StepChoice::Cancel };
    film.messages.textReplies = { "B" };
    EXPECT_EQ(findByDescription(film.shop, film.messages, boxes.screens()), 0);
    EXPECT_EQ(film.said().size(), 1u);
}

TEST(ItemFind, ListModeShowsEveryMatchAndFindViewsTheChosenLine)
{
    SearchShop film(test::sampleSlots());
    film.shop.config.set(cfg::itemSearchAsList, 1);
    ScriptedScreens boxes;
    boxes.row = 2;
    film.messages.textReplies = { "b" };
    const FoundItem found = findItem(film.shop, film.messages, boxes.screens());
    EXPECT_EQ(boxes.listTitle, "Please select");
    EXPECT_EQ(boxes.listLines, (std::vector<std::string> { "40, BELL (5) 1.25",
                                   "10, BALL RED (5) 1.25", "30, BOLT LARGE (5) 1.25",
                                   "20, BEST TEA (5) 1.25" }));
    EXPECT_EQ(found.number, 30);
    EXPECT_TRUE(found.view);

    // Find by description views nothing; a cancelled list takes nothing.
    film.messages.textReplies = { "b" };
    EXPECT_EQ(findByDescription(film.shop, film.messages, boxes.screens()), 30);
    boxes.row.reset();
    film.messages.textReplies = { "b" };
    EXPECT_EQ(findByDescription(film.shop, film.messages, boxes.screens()), 0);
    // No match: no list, "No match found".
    film.said();
    boxes.listLines.clear();
    film.messages.textReplies = { "XY" };
    EXPECT_EQ(findByDescription(film.shop, film.messages, boxes.screens()), 0);
    EXPECT_TRUE(boxes.listLines.empty());
    EXPECT_EQ(film.said().back(), kFinished);
}

TEST(ItemFind, FindTakesANumberDirectlyAndA20DigitNumberAsADescription)
{
    SearchShop film({ { 40, "BELL" }, { 41, "12345678901234567890 CABLE" } });
    ScriptedScreens boxes;
    film.messages.textReplies = { "40" };
    FoundItem found = findItem(film.shop, film.messages, boxes.screens());
    EXPECT_EQ(found.number, 40);
    EXPECT_TRUE(found.view);
    EXPECT_TRUE(boxes.stepped.empty());

    film.said();
    film.messages.textReplies = { "39" };
    EXPECT_EQ(findItem(film.shop, film.messages, boxes.screens()).number, 0);
    EXPECT_EQ(film.said().back(), kFinished);

    boxes.steps = { StepChoice::Ok };
    film.messages.textReplies = { "12345678901234567890" };
    found = findItem(film.shop, film.messages, boxes.screens());
    EXPECT_EQ(boxes.stepped, (std::vector<int64_t> { 41 }));
    EXPECT_EQ(found.number, 41);

    // Cancel at the prompt does nothing.
    film.said();
    EXPECT_EQ(findItem(film.shop, film.messages, boxes.screens()).number, 0);
    EXPECT_EQ(film.said().size(), 1u);
}

TEST(ItemFind, PromptsOfTheFragmentAndSkuSearchesIgnoreEmptyText)
{
    SearchShop film(test::sampleSlots());
    ScriptedScreens boxes;
    struct Case {
        const char *what;
        std::function<int64_t()> run;
    };
    const Case cases[] = {
        { kItemFragmentPrompt,
            [&] { return findThatContain(film.shop.items, film.messages, {}).number; } },
        { kSkuOnePrompt, [&] { return findInSkuOne(film.shop.items, film.messages); } },
        { kSkuFragmentPrompt,
            [&] { return findInSkus(film.shop.items, false, film.messages, {}).number; } },
    };
    for (const Case &c : cases) {
        for (const char *typed : std::initializer_list<const char *> { "", nullptr }) {
            film.said();
            if (typed)
                film.messages.textReplies = { std::string(typed) };
            EXPECT_EQ(c.run(), 0) << c.what;
            const std::vector<std::string> said = film.said();
            ASSERT_EQ(said.size(), 1u) << c.what; // the prompt alone
            EXPECT_NE(said[0].find(c.what), std::string::npos);
        }
    }
    // A 31-character SKU text does nothing either.
    film.messages.textReplies = { std::string(31, 'A') };
    EXPECT_EQ(findInSkus(film.shop.items, false, film.messages, {}).number, 0);
}

TEST(ItemFind, FindInSkusOffersOrListsInNumberOrder)
{
    SearchShop film(test::sampleSlots());
    ScriptedScreens boxes;
    film.messages.textReplies = { "ab" };
    film.messages.answers = { Answer::No, Answer::Yes };
    FoundItem found = findInSkus(film.shop.items, false, film.messages, boxes.screens());
    EXPECT_EQ(found.number, 30);
    EXPECT_TRUE(found.view);

    boxes.row = 3;
    film.messages.textReplies = { "ab" };
    found = findInSkus(film.shop.items, true, film.messages, boxes.screens());
    EXPECT_EQ(boxes.listTitle, "Inventory list by format");
    ASSERT_EQ(boxes.listLines.size(), 4u);
    EXPECT_EQ(boxes.listLines[0], "10, BALL RED (5) 1.25");
    EXPECT_EQ(found.number, 50);
    EXPECT_TRUE(found.view);
}

TEST(ItemFind, FailuresOfTheFileAreToldAfterTheMatchesBeforeThem)
{
    SearchShop film(test::sampleSlots());
    {
        test::FailingReads failing(film.filmPath(), 3 * 1874, 3 * 1874 + 1);
        film.messages.textReplies = { "L" };
        film.messages.answers = { Answer::No, Answer::No };
        EXPECT_EQ(findThatContain(film.shop.items, film.messages, {}).number, 0);
        const std::vector<std::string> said = film.said();
        EXPECT_EQ(said, (std::vector<std::string> { "Find that contain: Fragment:",
                            offer("40, BELL"), offer("10, BALL RED"), "Problem: Film.dat" }));
        EXPECT_EQ(film.messages.beeps, 1);
    }
    std::filesystem::remove(film.filmPath());
    film.messages.textReplies = { "AB" };
    EXPECT_EQ(findInSkuOne(film.shop.items, film.messages), 0);
    EXPECT_EQ(film.said().back(), "Fatal error: Data file: film.dat, not present.");
    ScriptedScreens boxes;
    film.shop.config.set(cfg::itemSearchAsList, 1);
    film.messages.textReplies = { "B" };
    EXPECT_EQ(findByDescription(film.shop, film.messages, boxes.screens()), 0);
    EXPECT_TRUE(boxes.listLines.empty());
    EXPECT_EQ(film.said().back(), "Fatal error: Data file: film.dat, not present.");
}

TEST(ItemFind, TheTillFindsBySkuOneInBarcodeModeElseAsksWhichSearch)
{
    SearchShop film(test::sampleSlots());
    ScriptedScreens boxes;
    // Barcode mode: "Find in SKU 1:", and Cancel still takes the item.
    film.shop.config.set(cfg::skuOneEntry, 2);
    film.messages.textReplies = { "xab" };
    film.messages.answers = { Answer::Cancel };
    EXPECT_EQ(findForTill(film.shop.items, film.shop.config, film.messages, boxes.screens()), 10);
    EXPECT_FALSE(boxes.tillPreset);

    film.shop.config.set(cfg::skuOneEntry, 0);
    // Within the description, kept as default: Yes takes the item.
    boxes.tillRequest = TillSearchRequest { "tea", TillSearchType::WithinDescription, true };
    film.messages.answers = { Answer::No, Answer::Yes };
    EXPECT_EQ(findForTill(film.shop.items, film.shop.config, film.messages, boxes.screens()), 50);
    EXPECT_EQ(boxes.tillPreset, TillSearchType::InitialCharacters);
    EXPECT_EQ(film.shop.config.get(cfg::tillSearchWithin), 2);
    // The next find opens on it; Cancel on an offer takes nothing there.
    boxes.tillRequest->keepAsDefault = false;
    film.messages.answers = { Answer::Cancel };
    EXPECT_EQ(findForTill(film.shop.items, film.shop.config, film.messages, boxes.screens()), 0);
    EXPECT_EQ(boxes.tillPreset, TillSearchType::WithinDescription);

    // Initial characters: the description search, one at a time.
    boxes.tillRequest = TillSearchRequest { "BO", TillSearchType::InitialCharacters, false };
    boxes.steps = { StepChoice::Ok };
    EXPECT_EQ(findForTill(film.shop.items, film.shop.config, film.messages, boxes.screens()), 30);
    EXPECT_EQ(film.shop.config.get(cfg::tillSearchWithin), 2); // not kept this time
    boxes.tillRequest.reset(); // Cancel
    EXPECT_EQ(findForTill(film.shop.items, film.shop.config, film.messages, boxes.screens()), 0);
}
