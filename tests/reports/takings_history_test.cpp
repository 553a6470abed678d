// The takings history: dates typed for an amendment, the amendment written to
// wr.cfg at the history's offsets and to the activity log, and the purge.
// The shop lives on 15 March 2026 (NewShop).

#include "platform/clock.h"
#include "reports/logic/takings_history.h"
#include "support/settings_fixture.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using namespace ovix;
using namespace ovix::test;

namespace {

constexpr size_t kHistory = 7954; // 401 doubles, yesterday first
constexpr size_t kTodayTakings = 40958;

size_t historyOffset(int entry)
{
    return kHistory + 8 * static_cast<size_t>(entry);
}

LocalTime day(int year, int month, int dayOfMonth)
{
    return LocalTime { year, month, dayOfMonth, 12, 0, 0, 0 };
}

} // namespace

TEST(TakingsHistory, TypedDatesAreReadOnlyInTheirFixedForm)
{
    struct Case {
        const char *typed;
        bool read;
        int day, month, year;
    };
    const Case cases[] = {
        {"08-02-2025", true, 8, 2, 2025},
        {"31-04-2026", true, 31, 4, 2026}, // read, refused by the calendar
        {"8-2-2025", false, 0, 0, 0},
        {"08/02/2025", false, 0, 0, 0},
        {"08-02-25", false, 0, 0, 0},
        {"dd-mm-yyyy", false, 0, 0, 0},
        {"08-02-2025 ", false, 0, 0, 0},
        {"", false, 0, 0, 0},
    };
    for (const Case &c : cases) {
        const auto date = parseTakingsDate(c.typed);
        ASSERT_EQ(date.has_value(), c.read) << c.typed;
        if (date) {
            EXPECT_EQ(date->day, c.day) << c.typed;
            EXPECT_EQ(date->month, c.month) << c.typed;
            EXPECT_EQ(date->year, c.year) << c.typed;
        }
    }
}

TEST(TakingsHistory, WhichDatesMayBeAmended)
{
    struct Case {
        CalendarDate date;
        LocalTime today;
        TakingsDate expected;
        const char *why;
    };
    const LocalTime march15 = day(2026, 3, 15);
    const Case cases[] = {
        {{14, 3, 2026}, march15, TakingsDate::Past, "yesterday"},
        {{15, 3, 2026}, march15, TakingsDate::Today, "today"},
        {{16, 3, 2026}, march15, TakingsDate::Invalid, "tomorrow"},
        {{31, 4, 2025}, march15, TakingsDate::Invalid, "31 April"},
        {{0, 3, 2026}, march15, TakingsDate::Invalid, "day 0"},
        {{1, 13, 2025}, march15, TakingsDate::Invalid, "month 13"},
        {{1, 1, 2024}, march15, TakingsDate::Invalid, "two years back"},
        {{8, 2, 2025}, march15, TakingsDate::Past, "entry 399, the last one kept"},
        {{7, 2, 2025}, march15, TakingsDate::Invalid, "entry 400 lies past the history"},
        {{1, 1, 2025}, march15, TakingsDate::Invalid, "last January is past the history"},
        {{29, 2, 2024}, day(2025, 3, 15), TakingsDate::Past, "29 February of a leap year"},
        {{29, 2, 2025}, day(2025, 3, 15), TakingsDate::Invalid, "29 February of 2025"},
        {{29, 2, 2100}, day(2101, 1, 10), TakingsDate::Invalid, "2100 is no leap year"},
        {{28, 2, 2100}, day(2101, 1, 10), TakingsDate::Past, "28 February 2100"},
        {{29, 2, 2000}, day(2000, 3, 5), TakingsDate::Past, "2000 is a leap year"},
        {{31, 12, 1993}, day(1994, 1, 5), TakingsDate::Invalid, "before 1994"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(checkTakingsDate(c.date, c.today), c.expected) << c.why;
}

TEST(TakingsHistory, DaysCountBackByTheGregorianCalendar)
{
    const std::pair<long, CalendarDate> cases[] = {
        {0, {1, 1, 1970}},
        {-1, {31, 12, 1969}},
        {daysFromCivil(2000, 2, 29), {29, 2, 2000}},
        {daysFromCivil(2100, 2, 28) + 1, {1, 3, 2100}},
        {daysFromCivil(2400, 2, 28) + 1, {29, 2, 2400}},
        {daysFromCivil(2026, 12, 31) + 1, {1, 1, 2027}},
    };
    for (const auto &[days, expected] : cases) {
        const CalendarDate date = dateFromDays(days);
        EXPECT_EQ(date.day, expected.day) << days;
        EXPECT_EQ(date.month, expected.month) << days;
        EXPECT_EQ(date.year, expected.year) << days;
    }
}

TEST(TakingsHistory, APastDayIsAmendedInItsEntryAndLogged)
{
    NewShop shop;
    shop.state.config.set(cfg::takingsHistory, 399, 11.11);
    shop.messages.textReplies = {std::string("08-02-2025"), std::string("250.456")};
    ASSERT_TRUE(amendTakings(shop.state, shop.messages, day(2026, 3, 15)));
    ASSERT_EQ(shop.messages.proposals.size(), 2u);
    EXPECT_EQ(shop.messages.shown[0].text, "Amend (Earliest 01-03-2025):");
    EXPECT_EQ(shop.messages.proposals[0], "dd-mm-yyyy");
    EXPECT_EQ(shop.messages.shown[1].caption, "Saturday  8/ 2/2025");
    EXPECT_EQ(shop.messages.proposals[1], "11.11");
    const std::string stored = readBytes(shop.folder.file("wr.cfg"));
    EXPECT_DOUBLE_EQ(getF64(stored, historyOffset(399)), 250.46);
    EXPECT_EQ(getF64(stored, historyOffset(400)), 0.0);
    EXPECT_EQ(readBytes(shop.folder.file("bun4.dat")),
        "\r\n12:00 15/03/2026  Takings amendment\r\nfor 8/2/2025: 250.46\r\n");
}

TEST(TakingsHistory, TodaysTakeIsAmendedInTheDayTotal)
{
    NewShop shop;
    shop.state.config.set(cfg::tillTakings, 80.00);
    shop.messages.textReplies = {std::string("15-03-2026"), std::string("95")};
    ASSERT_TRUE(amendTakings(shop.state, shop.messages, day(2026, 3, 15)));
    ASSERT_EQ(shop.messages.proposals.size(), 2u);
    EXPECT_EQ(shop.messages.shown[1].text, "Today");
    EXPECT_EQ(shop.messages.proposals[1], "80.00");
    EXPECT_DOUBLE_EQ(getF64(readBytes(shop.folder.file("wr.cfg")), kTodayTakings), 95.0);
    EXPECT_EQ(readBytes(shop.folder.file("bun4.dat")),
        "\r\n12:00 15/03/2026  Takings amendment\r\nfor 15/3/2026: 95.00\r\n");
}

TEST(TakingsHistory, ARefusedDateChangesNothing)
{
    for (const char *typed : {"07-02-2025", "16-03-2026", "31-04-2025", "tomorrow"}) {
        NewShop shop;
        const std::string before = shop.stored();
        shop.messages.textReplies = {std::string(typed), std::string("1.00")};
        EXPECT_FALSE(amendTakings(shop.state, shop.messages, day(2026, 3, 15))) << typed;
        EXPECT_EQ(shop.messages.lastText(), "Non valid date") << typed;
        EXPECT_EQ(shop.stored(), before) << typed;
        EXPECT_FALSE(fileExists(shop.folder.file("wr.cfg"))) << typed;
        EXPECT_FALSE(fileExists(shop.folder.file("bun4.dat"))) << typed;
    }
}

TEST(TakingsHistory, AnAmendmentThatCannotBeLoggedStaysAmended)
{
    NewShop shop;
    std::filesystem::create_directory(shop.folder.file("bun4.dat"));
    shop.messages.textReplies = {std::string("14-03-2026"), std::string("12.00")};
    EXPECT_TRUE(amendTakings(shop.state, shop.messages, day(2026, 3, 15)));
    EXPECT_EQ(shop.messages.lastText(), "Data file: bun4.dat, not present.");
    EXPECT_DOUBLE_EQ(shop.state.config.get(cfg::takingsHistory, 0), 12.0);
}

TEST(TakingsHistory, PurgeClearsTheFirst390EntriesOnlyWhenConfirmed)
{
    for (const Answer answer : {Answer::Ok, Answer::Cancel}) {
        NewShop shop;
        for (size_t entry = 0; entry < 401; ++entry)
            shop.state.config.set(cfg::takingsHistory, entry, 1.0 + static_cast<double>(entry));
        shop.messages.answers = {answer};
        EXPECT_EQ(purgeTakings(shop.state, shop.messages), answer == Answer::Ok);
        EXPECT_EQ(shop.messages.shown[0].text, "Are you sure?");
        EXPECT_EQ(shop.messages.shown[0].caption, "Purge entire takings history");
        const std::string bytes = shop.stored();
        EXPECT_EQ(getF64(bytes, historyOffset(0)), answer == Answer::Ok ? 0.0 : 1.0);
        EXPECT_EQ(getF64(bytes, historyOffset(389)), answer == Answer::Ok ? 0.0 : 390.0);
        EXPECT_EQ(getF64(bytes, historyOffset(390)), 391.0);
        EXPECT_EQ(getF64(bytes, historyOffset(400)), 401.0);
    }
}
