// The takings history listed from a chosen day: the day asked for, the days
// and amounts read from wr.cfg and the printed pages. The shop lives on
// 15 March 2026 unless a case says otherwise.

#include "platform/clock.h"
#include "platform/scripted_messages.h"
#include "print/logic/recording_print_device.h"
#include "reports/logic/takings_list.h"
#include "support/golden_page.h"
#include "support/settings_fixture.h"

#include <gtest/gtest.h>

#include <string>

using namespace ovix;
using namespace ovix::test;

namespace {

LocalTime day(int year, int month, int dayOfMonth)
{
    return LocalTime { year, month, dayOfMonth, 12, 0, 0, 0 };
}

} // namespace

TEST(TakingsList, PromptAndProposalFollowToday)
{
    struct Case {
        LocalTime today;
        const char *prompt;
        const char *proposal;
    };
    const Case cases[] = {
        {day(2026, 3, 15), "From (Earliest 01- 3-2025):", "01-03-2026"},
        {day(2026, 12, 5), "From (Earliest 01-12-2025):", "21-11-2026"},
        {day(2027, 1, 10), "From (Earliest 01- 1-2026):", "27-12-2026"},
        {day(2100, 3, 3), "From (Earliest 01- 3-2099):", "17-02-2100"}, // 2100 has no 29 February
        {day(2024, 3, 3), "From (Earliest 01- 3-2023):", "18-02-2024"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(takingsFromPrompt(c.today), c.prompt);
        EXPECT_EQ(takingsFromProposal(c.today), c.proposal) << c.prompt;
    }
}

TEST(TakingsList, WhichDaysTheListMayStartOn)
{
    struct Case {
        const char *typed;
        LocalTime today;
        bool valid;
        const char *why;
    };
    const LocalTime march15 = day(2026, 3, 15);
    const Case cases[] = {
        {"14-03-2026", march15, true, "yesterday"},
        {"01-03-2026", march15, true, "the proposal"},
        {"15-03-2026", march15, false, "today is not in the history yet"},
        {"16-03-2026", march15, false, "tomorrow"},
        {"01-03-2025", march15, true, "the earliest day the prompt offers"},
        {"08-02-2025", march15, true, "entry 399, the last one kept"},
        {"07-02-2025", march15, false, "entry 400 lies past the history"},
        {"31-12-2024", march15, false, "neither this year nor last"},
        {"31-04-2025", march15, false, "April has 30 days"},
        {"29-02-2026", march15, false, "2026 is no leap year"},
        {"29-02-2024", day(2024, 3, 15), true, "2024 is a leap year"},
        {"29-02-2100", day(2100, 3, 15), false, "2100 is no leap year"},
        {"00-03-2026", march15, false, "day 0"},
        {"01-13-2025", march15, false, "month 13"},
        {"31-12-1993", day(1994, 1, 5), false, "before 1994"},
        {"02-01-1994", day(1994, 1, 5), true, "the first year the till knows"},
        {"1-3-2026", march15, false, "not in the form dd-mm-yyyy"},
    };
    for (const Case &c : cases) {
        ScriptedMessages messages;
        messages.textReplies = {std::string(c.typed)};
        const auto from = askTakingsListStart(messages, c.today);
        EXPECT_EQ(from.has_value(), c.valid) << c.why;
        if (c.valid)
            EXPECT_EQ(messages.shown.size(), 1u) << c.why;
        else
            EXPECT_EQ(messages.lastText(), "Non valid date") << c.why;
    }
}

TEST(TakingsList, CancellingAsksNothingMore)
{
    ScriptedMessages messages;
    messages.textReplies = {std::nullopt};
    EXPECT_FALSE(askTakingsListStart(messages, day(2026, 3, 15)));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, "Takings");
}

TEST(TakingsList, DaysRunFromTheStartToYesterdayWithTheirEntries)
{
    NewShop shop;
    TillConfig &config = shop.state.config;
    config.set(cfg::takingsHistory, 0, 120.5);     // 14 March
    config.set(cfg::takingsHistory, 1, 0.1);       // 13 March
    config.set(cfg::takingsHistory, 2, 99.995);    // 12 March, shown as 100.00
    config.set(cfg::takingsHistory, 3, -12.3);     // 11 March, a day of refunds
    config.set(cfg::takingsHistory, 4, 1000000.0); // 10 March, before the list
    const TakingsList list = takingsListFrom(config, {11, 3, 2026}, day(2026, 3, 15));
    ASSERT_EQ(list.days.size(), 4u);
    EXPECT_EQ(list.days.front().date.day, 11);
    EXPECT_EQ(list.days.front().cents, -1230);
    EXPECT_EQ(list.days[1].cents, 10000);
    EXPECT_EQ(list.days.back().date.day, 14);
    EXPECT_EQ(list.days.back().cents, 12050);
    EXPECT_EQ(list.totalCents, -1230 + 10000 + 10 + 12050);
}

TEST(TakingsList, ThousandsOfSmallAmountsSumWithoutLosingCents)
{
    NewShop shop;
    for (size_t entry = 0; entry < 400; ++entry)
        shop.state.config.set(cfg::takingsHistory, entry, 0.1);
    const TakingsList list = takingsListFrom(shop.state.config, {8, 2, 2025}, day(2026, 3, 15));
    ASSERT_EQ(list.days.size(), 400u);
    EXPECT_EQ(list.totalCents, 4000);
    EXPECT_EQ(list.days.front().date.month, 2);
    EXPECT_EQ(list.days.front().date.year, 2025);
}

TEST(TakingsList, AnInvalidStartGivesAnEmptyListAtOnce)
{
    NewShop shop;
    const CalendarDate starts[] = {{16, 3, 2026}, {31, 2, 2026}, {1, 1, 2024}, {15, 3, 2026}};
    for (const CalendarDate &from : starts) {
        const TakingsList list = takingsListFrom(shop.state.config, from, day(2026, 3, 15));
        EXPECT_TRUE(list.days.empty()) << from.day << "/" << from.month;
        EXPECT_EQ(list.totalCents, 0);
    }
}

TEST(TakingsList, PrintedPage)
{
    NewShop shop;
    TillConfig &config = shop.state.config;
    config.set(cfg::takingsHistory, 0, 120.5);
    config.set(cfg::takingsHistory, 1, 0.1);
    config.set(cfg::takingsHistory, 2, 99.995);
    config.set(cfg::takingsHistory, 3, -12.3);
    config.set(cfg::takingsHistory, 5, 845.25);
    const TakingsList list = takingsListFrom(config, {8, 3, 2026}, day(2026, 3, 15));
    RecordingPrintDevice device;
    printTakingsList(device, "CORNER SHOP", list);
    EXPECT_TRUE(matchesGoldenPage(device.transcript(), "print/data/takings_history.txt"));
}

TEST(TakingsList, ALongListRepeatsItsHeadingOnEveryPage)
{
    NewShop shop;
    const TakingsList list = takingsListFrom(shop.state.config, {8, 2, 2025}, day(2026, 3, 15));
    RecordingPageSetup setup;
    setup.printableHeight = 400 * 52; // a heading, a gap and 50 lines a page
    RecordingPrintDevice device(setup);
    printTakingsList(device, "CORNER SHOP", list);
    const std::string transcript = device.transcript();
    // 400 days, a blank line and the total: 402 lines in pages of 50.
    EXPECT_NE(transcript.find("CORNER SHOP Takings from 08/02/2025      Page: 9"), std::string::npos);
    EXPECT_EQ(transcript.find("Page: 10"), std::string::npos);
    EXPECT_NE(transcript.find("Total"), std::string::npos);
}
