// Finding customers as the clerk does: the "Number / name" look-up in its list
// and one-at-a-time modes, "Find that contain" and "Find telephone" with
// their offers, and the view's Next.

#include "accounts/logic/customer_find.h"
#include "accounts/logic/customer_search.h"
#include "accounts/customer_shop.h"
#include "store/customer_lookup.h"
#include "support/failing_reads.h"

#include <gtest/gtest.h>

using namespace ovix;
using namespace ovix::test;

namespace {

// The screens, scripted: the step box answers in turn, the list picks a row.
struct ScriptedScreens {
    std::vector<CustomerStepChoice> steps;
    std::optional<size_t> row;
    std::vector<std::string> stepped; // names shown in the "FIND CUSTOMER" box
    std::vector<std::string> listed; // the lines of the "Please select" list
    std::vector<int64_t> viewed;

    CustomerScreens screens()
    {
        CustomerScreens s;
        s.showStep = [this](const CustomerRecord &customer) {
            stepped.push_back(readText(customer.name));
            if (steps.empty())
                return CustomerStepChoice::Next;
            const CustomerStepChoice choice = steps.front();
            steps.erase(steps.begin());
            return choice;
        };
        s.pickLine = [this](const std::vector<std::string> &lines) {
            listed = lines;
            return row;
        };
        s.view = [this](int64_t number) { viewed.push_back(number); };
        return s;
    }
};

// Customers in an order where slot order and number order differ.
struct FindShop : CustomerShop {
    FindShop()
    {
        add({ 30, "BELL", 0, "0111 222", "", 1, "", "1 HILL" });
        add({ 10, "BALL", 0, "0999", "0111 999", 1, "", "2 DALE" });
        add({ 20, "BEST", 0, "555", "", 1, "", "3 MOOR" });
        add({ 40, "BOLTON", 0, "", "", 1, "", "4 FELL" });
        add({ 5, "ABBOT", 0, "123", "", 1, "", "5 LANE" });
    }
};

std::vector<std::string> namesOf(const CustomerLookup &found)
{
    std::vector<std::string> names;
    for (const CustomerCandidate &candidate : found.candidates)
        names.push_back(candidate.name);
    return names;
}

} // namespace

TEST(CustomerFind, NamePatternsFindWhatTheyShould)
{
    FindShop shop;
    using Names = std::vector<std::string>;
    struct Case {
        const char *typed;
        Names slotOrder;
    } cases[] = {
        { "B", { "BELL", "BALL", "BEST", "BOLTON" } },
        { "B?L", { "BELL", "BALL", "BOLTON" } },
        { "?", { "BELL", "BALL", "BEST", "BOLTON", "ABBOT" } },
        { "??S", { "BEST" } },
        { "BELLS", {} },
        { "b", {} }, // names are kept in capitals; the look-up compares exactly
        { "", {} },
    };
    for (const Case &c : cases) {
        const CustomerLookup found = lookUpCustomers(
            shop.state.customers, c.typed, CustomerSearchOrder::BySlot, false, shop.messages);
        EXPECT_FALSE(found.byNumber) << c.typed;
        EXPECT_EQ(namesOf(found), c.slotOrder) << c.typed;
    }
    const CustomerLookup byNumber = lookUpCustomers(
        shop.state.customers, "B", CustomerSearchOrder::ByNumber, false, shop.messages);
    EXPECT_EQ(namesOf(byNumber), (Names { "BALL", "BEST", "BELL", "BOLTON" }));
    EXPECT_TRUE(shop.messages.shown.empty());
}

TEST(CustomerFind, NumbersAreLookedUpDirectlyAndHugeOnesAreNames)
{
    FindShop shop;
    shop.add({ 100000000000000000, "TOP" });
    ScriptedScreens screens;
    struct Case {
        const char *typed;
        bool largeAsName;
        int64_t found;
        FoundBy by;
    } cases[] = {
        { "20", false, 20, FoundBy::Number },
        { "21", false, 0, FoundBy::Nothing },
        { "100000000000000000", true, 100000000000000000, FoundBy::Number },
        { "100000000000000001", false, 0, FoundBy::Nothing },
        // Twenty digits: beyond 64 bits, never wrapped onto a customer's number.
        { "18446744073709551636", false, 0, FoundBy::Nothing },
    };
    for (const Case &c : cases) {
        shop.messages.textReplies = { std::string(c.typed) };
        const FoundCustomer found = lookUpCustomer(
            shop.state, "Amend customer", c.largeAsName, shop.messages, screens.screens());
        EXPECT_EQ(found.number, c.found) << c.typed;
        EXPECT_EQ(found.by, c.by) << c.typed;
    }
    EXPECT_EQ(shop.messages.shown.back().caption, "Amend customer");
    EXPECT_EQ(shop.messages.shown.back().text, kLookUpPrompt);
}

TEST(CustomerFind, StepModeShowsMatchesInSlotOrderUntilOkOrTheEnd)
{
    FindShop shop;
    shop.state.config.set(cfg::customerSearchAsList, 0);
    ScriptedScreens screens;
    screens.steps = { CustomerStepChoice::Next, CustomerStepChoice::Ok };
    shop.messages.textReplies = { std::string("B?L") };
    FoundCustomer found = findCustomer(shop.state, shop.messages, screens.screens());
    EXPECT_EQ(found.number, 10);
    EXPECT_EQ(found.by, FoundBy::Step);
    EXPECT_EQ(screens.stepped, (std::vector<std::string> { "BELL", "BALL" }));
    EXPECT_TRUE(screens.viewed.empty()); // the find box was its view

    screens = {};
    shop.messages.textReplies = { std::string("B?L") };
    found = findCustomer(shop.state, shop.messages, screens.screens());
    EXPECT_EQ(found.number, 0);
    EXPECT_EQ(screens.stepped.size(), 3u);
    EXPECT_EQ(shop.messages.lastText(), "No match found");
    EXPECT_EQ(shop.messages.lastCaption(), "Finished");
}

TEST(CustomerFind, ListModeListsByNumberAndViewsTheChosenLine)
{
    FindShop shop;
    shop.state.config.set(cfg::customerSearchAsList, 1);
    ScriptedScreens screens;
    screens.row = 1;
    shop.messages.textReplies = { std::string("B") };
    const FoundCustomer found = findCustomer(shop.state, shop.messages, screens.screens());
    EXPECT_EQ(screens.listed,
        (std::vector<std::string> {
            "10 BALL,  2 DALE", "20 BEST,  3 MOOR", "30 BELL,  1 HILL", "40 BOLTON,  4 FELL" }));
    EXPECT_EQ(found.number, 20);
    EXPECT_EQ(found.by, FoundBy::List);
    EXPECT_EQ(screens.viewed, (std::vector<int64_t> { 20 }));

    screens = {};
    shop.messages.textReplies = { std::string("B") };
    EXPECT_EQ(findCustomer(shop.state, shop.messages, screens.screens()).number, 0);
    EXPECT_TRUE(screens.viewed.empty());
}

TEST(CustomerFind, FindThatContainOffersEachNameHoldingTheFragment)
{
    FindShop shop;
    ScriptedScreens screens;
    struct Case {
        const char *fragment;
        std::vector<Answer> answers;
        int64_t found;
        std::vector<int64_t> viewed;
        const char *lastText;
    } cases[] = {
        { "ol", { Answer::Yes }, 40, { 40 }, "40, BOLTON" },
        { "B", { Answer::No, Answer::No, Answer::Cancel }, 20, {}, "20, BEST" },
        { "LL", { Answer::No, Answer::No }, 0, {}, "No match found" },
        { "ZZ", {}, 0, {}, "No match found" },
    };
    for (const Case &c : cases) {
        screens = {};
        shop.messages.shown.clear();
        shop.messages.textReplies = { std::string(c.fragment) };
        shop.messages.answers = { c.answers.begin(), c.answers.end() };
        const FoundCustomer found = findThatContain(shop.state, shop.messages, screens.screens());
        EXPECT_EQ(found.number, c.found) << c.fragment;
        EXPECT_EQ(screens.viewed, c.viewed) << c.fragment;
        EXPECT_EQ(shop.messages.lastText(), c.lastText) << c.fragment;
    }
    EXPECT_EQ(shop.messages.shown[0].text, kFragmentPrompt);
    EXPECT_EQ(shop.messages.shown[1].caption, "Finished");
    shop.messages.shown.clear();
    shop.messages.textReplies = { std::string("B") };
    shop.messages.answers = { Answer::No };
    findThatContain(shop.state, shop.messages, screens.screens());
    EXPECT_EQ(shop.messages.shown[1].caption, "Search: No to continue");
}

TEST(CustomerFind, FindTelephoneLooksInBothNumbersFirstTelephoneFirst)
{
    FindShop shop;
    ScriptedScreens screens;
    shop.messages.textReplies = { std::string("0111") };
    shop.messages.answers = { Answer::No, Answer::Yes };
    const FoundCustomer found = findTelephone(shop.state, shop.messages, screens.screens());
    EXPECT_EQ(found.number, 10);
    EXPECT_EQ(screens.viewed, (std::vector<int64_t> { 10 }));
    ASSERT_EQ(shop.messages.shown.size(), 3u);
    EXPECT_EQ(shop.messages.shown[1].text, "30, BELL: 0111 222");
    EXPECT_EQ(shop.messages.shown[1].caption, "Search: Yes to halt, No to continue");
    EXPECT_EQ(shop.messages.shown[2].text, "10, BALL: 0111 999");

    shop.messages.shown.clear();
    shop.messages.textReplies = { std::string(20, '1') };
    EXPECT_EQ(findTelephone(shop.state, shop.messages, screens.screens()).number, 0);
    EXPECT_EQ(shop.messages.lastText(), "Limit 19 characters");
    EXPECT_EQ(shop.messages.lastCaption(), "Problem");
    shop.messages.textReplies = { std::string(19, '1') };
    findTelephone(shop.state, shop.messages, screens.screens());
    EXPECT_EQ(shop.messages.lastText(), "No match found");
}

TEST(CustomerFind, AFreeSlotIsNeverFoundAndTheViewsNextWalksByNumber)
{
    FindShop shop;
    shop.messages.answers = { Answer::Ok };
    // BELL's slot freed: its telephone stays on disk but the number is -1.
    ScriptedMessages quiet;
    ASSERT_TRUE(shop.state.customers.remove(shop.state.customers.find(30), quiet));
    EXPECT_TRUE(searchCustomersByTelephone(shop.state.customers, "222").matches.empty());
    EXPECT_TRUE(searchCustomersThatContain(shop.state.customers, "ELL").matches.empty());
    EXPECT_EQ(nextCustomerNumber(shop.state, 5), 10);
    EXPECT_EQ(nextCustomerNumber(shop.state, 20), 40);
    EXPECT_EQ(nextCustomerNumber(shop.state, 40), std::nullopt);
    EXPECT_EQ(nextCustomerNumber(shop.state, INT64_MAX), std::nullopt);
}

TEST(CustomerFind, AnUnreadableRecordEndsAScanWithTheMatchesBeforeIt)
{
    FindShop shop;
    const int64_t bestSlot = *shop.state.customers.slotOf(20);
    FailingReads failing(shop.file("member.dat"), bestSlot * kCustomerBytes,
        (bestSlot + 1) * kCustomerBytes);
    const CustomerSearchResult result = searchCustomersThatContain(shop.state.customers, "B");
    EXPECT_EQ(result.status, CustomerSearchResult::Status::ReadFailed);
    ASSERT_EQ(result.matches.size(), 2u);
    EXPECT_EQ(result.matches[0].name, "BELL");
    EXPECT_EQ(result.matches[1].name, "BALL");
}
