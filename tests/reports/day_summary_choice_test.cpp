// Choosing the day summary to show: the three questions and their ranges.

#include "platform/clock.h"
#include "platform/data_dir.h"
#include "platform/scripted_messages.h"
#include "reports/logic/day_summary_choice.h"
#include "reports/logic/log_capacity.h"
#include "store/till_config.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace ovix {
namespace {

TEST(DaySummaryChoice, AnyAnswerOutOfRangeEndsTheCommand)
{
    test::TempDir folder;
    DataDir dir(folder.path());
    const struct {
        std::vector<std::optional<std::string>> typed;
        std::optional<std::string> path;
        size_t questions;
    } cases[] = {
        { { "5", "3", "2026" }, folder.file("2026/3/5/thedaily.dat"), 3 },
        { { " 31 ", "12", "4000" }, folder.file("4000/12/31/thedaily.dat"), 3 },
        { { "1", "1", "2000" }, folder.file("2000/1/1/thedaily.dat"), 3 },
        { { "0" }, std::nullopt, 1 },
        { { "32" }, std::nullopt, 1 },
        { { "x" }, std::nullopt, 1 },
        { { std::nullopt }, std::nullopt, 1 },
        { { "5", "13" }, std::nullopt, 2 },
        { { "5", "0" }, std::nullopt, 2 },
        { { "5", "3", "1999" }, std::nullopt, 3 },
        { { "5", "3", "4001" }, std::nullopt, 3 },
        { { "5", "3", "26" }, std::nullopt, 3 },
    };
    for (const auto &c : cases) {
        ScriptedMessages messages;
        messages.textReplies.assign(c.typed.begin(), c.typed.end());
        EXPECT_EQ(askDaySummaryPath(dir, LocalTime { 2026, 7, 9 }, messages), c.path)
            << *c.typed.front();
        EXPECT_EQ(messages.shown.size(), c.questions);
    }
}

TEST(DaySummaryChoice, TheQuestionsInOrder)
{
    test::TempDir folder;
    ScriptedMessages messages;
    messages.textReplies = { "5", "3", "2026" };
    askDaySummaryPath(DataDir(folder.path()), LocalTime { 2026, 7, 9 }, messages);
    ASSERT_EQ(messages.shown.size(), 3u);
    EXPECT_EQ(messages.shown[0].text, "Please enter the day (1-31)");
    EXPECT_EQ(messages.shown[1].text, "Please enter the month (1-12)");
    EXPECT_EQ(messages.shown[2].text, "Please enter the year (yyyy)");
}

TEST(LogCapacity, NineChoicesFromOneHundredToFiveHundred)
{
    EXPECT_EQ(logCapacityChoices(), (std::vector<std::string> { "100", "150", "200", "250", "300",
                                        "350", "400", "450", "500" }));
    TillConfig config;
    EXPECT_TRUE(setLogCapacityIndex(config, 8));
    EXPECT_EQ(logCapacityIndex(config), 8);
    EXPECT_FALSE(setLogCapacityIndex(config, 9));
    EXPECT_FALSE(setLogCapacityIndex(config, -1));
    EXPECT_EQ(logCapacityIndex(config), 8);
}

} // namespace
} // namespace ovix
