#include "platform/scripted_messages.h"
#include "store/till_config.h"
#include "support/test_support.h"
#include "till/logic/menu_toggles.h"
#include "till/logic/till_keys.h"
#include "till/logic/tips.h"

#include <gtest/gtest.h>

#include <Qt>

#include <set>
#include <string>

using namespace ovix;
using namespace ovix::test;

namespace {

int32_t storedI32(const TillConfig &config, size_t offset)
{
    return getI32(config.view(), offset);
}

TillConfig blockWith(size_t offset, int32_t value)
{
    std::string bytes(kTillConfigSize, '\0');
    putI32(bytes, offset, value);
    TillConfig config;
    config.assign(bytes);
    return config;
}

} // namespace

TEST(TipOfTheDay, TheStoredIndexRotatesThroughAll26AndWraps)
{
    TillConfig config = blockWith(42354, 24);
    EXPECT_EQ(takeTipOfTheDay(config), 24);
    EXPECT_EQ(takeTipOfTheDay(config), 25);
    EXPECT_EQ(storedI32(config, 42354), 0);
    EXPECT_EQ(takeTipOfTheDay(config), 0);
    EXPECT_EQ(storedI32(config, 42354), 1);

    std::set<std::string> texts;
    for (int index = 0; index < kTipCount; ++index) {
        EXPECT_GT(tipText(index).size(), 20u);
        texts.insert(std::string(tipText(index)));
    }
    EXPECT_EQ(texts.size(), static_cast<size_t>(kTipCount));
    EXPECT_EQ(tipText(kTipCount), tipText(0));
    EXPECT_EQ(tipText(-1), tipText(kTipCount - 1));
}

TEST(TipOfTheDay, ADamagedIndexStartsAgainAtTheFirstTip)
{
    for (int32_t damaged : { 26, 1000, -3 }) {
        TillConfig config = blockWith(42354, damaged);
        EXPECT_EQ(takeTipOfTheDay(config), 0) << damaged;
        EXPECT_EQ(storedI32(config, 42354), 1);
    }
}

TEST(TipOfTheDay, ShowAtStartIsTheTipsOffWord)
{
    TillConfig config = blockWith(544, 7);
    EXPECT_FALSE(tipsShownAtStart(config));
    setTipsShownAtStart(config, true);
    EXPECT_EQ(storedI32(config, 544), 0);
    EXPECT_TRUE(tipsShownAtStart(config));
    setTipsShownAtStart(config, false);
    EXPECT_NE(storedI32(config, 544), 0);
}

TEST(MenuToggles, SoundTipsAndPictureStoreZeroOrTwoAndTheCheckMarkFollows)
{
    TillConfig config = blockWith(40214, 1); // an odd "off" value from elsewhere
    EXPECT_FALSE(commandChecked(Command::SoundEffects, config));
    toggleSoundEffects(config);
    EXPECT_EQ(storedI32(config, 40214), 0);
    EXPECT_TRUE(commandChecked(Command::SoundEffects, config));
    toggleSoundEffects(config);
    EXPECT_EQ(storedI32(config, 40214), 2);

    EXPECT_TRUE(commandChecked(Command::ButtonTips, config));
    toggleButtonTips(config);
    EXPECT_EQ(storedI32(config, 40914), 2);
    EXPECT_FALSE(commandChecked(Command::ButtonTips, config));
    toggleButtonTips(config);
    EXPECT_EQ(storedI32(config, 40914), 0);

    EXPECT_FALSE(commandChecked(Command::HiResPicture, config));
    toggleHiResPicture(config);
    EXPECT_EQ(storedI32(config, 42358), 2);
    EXPECT_TRUE(commandChecked(Command::HiResPicture, config));
    toggleHiResPicture(config);
    EXPECT_EQ(storedI32(config, 42358), 0);

    EXPECT_FALSE(commandChecked(Command::Exit, config));
}

TEST(MenuToggles, IndentIsAskedSetShownAndSwitchedOffTheNextTime)
{
    TillConfig config;
    ScriptedMessages messages;
    messages.textReplies = { std::string("12") };
    chooseListingIndent(config, messages);
    EXPECT_EQ(getI64(config.view(), 1032), 12);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text, "Indent (in characters, 0-40)");
    EXPECT_EQ(messages.lastText(), "12");
    EXPECT_EQ(messages.lastCaption(), "Indent set to");
    EXPECT_TRUE(commandChecked(Command::IndentListings, config));

    messages.shown.clear();
    chooseListingIndent(config, messages);
    EXPECT_EQ(getI64(config.view(), 1032), 0);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(commandChecked(Command::IndentListings, config));
}

TEST(MenuToggles, IndentOutsideZeroToFortyOrCancelledChangesNothing)
{
    TillConfig config;
    ScriptedMessages messages;
    messages.textReplies = { std::string("41"), std::string("-1"), std::string("ten"), std::nullopt,
        std::string("40") };
    for (int attempt = 0; attempt < 3; ++attempt) {
        chooseListingIndent(config, messages);
        EXPECT_EQ(getI64(config.view(), 1032), 0);
        EXPECT_EQ(messages.lastText(), "Outside range");
        EXPECT_EQ(messages.lastCaption(), "Problem");
    }
    messages.shown.clear();
    chooseListingIndent(config, messages); // cancelled
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.lastText(), "Indent (in characters, 0-40)");
    EXPECT_EQ(getI64(config.view(), 1032), 0);
    chooseListingIndent(config, messages);
    EXPECT_EQ(getI64(config.view(), 1032), 40);
}

TEST(TillKeys, FunctionKeysAndArrowsWithoutCtrlLettersOnlyWithIt)
{
    EXPECT_EQ(commandForKey(Qt::Key_F9, false), Command::LogOff);
    EXPECT_EQ(commandForKey(Qt::Key_F1, false), Command::HelpContents);
    EXPECT_EQ(commandForKey(Qt::Key_F12, false), Command::ActivitySummary);
    EXPECT_EQ(commandForKey(Qt::Key_Left, false), Command::PreviousCategory);
    EXPECT_EQ(commandForKey(Qt::Key_Down, false), Command::ScrollForwards);
    EXPECT_EQ(commandForKey(Qt::Key_C, true), Command::Configuration);
    EXPECT_EQ(commandForKey(Qt::Key_P, true), Command::UserControl);
    EXPECT_EQ(commandForKey(Qt::Key_X, true), Command::ReloadBasket);
    EXPECT_EQ(commandForKey(Qt::Key_C, false), std::nullopt);
    EXPECT_EQ(commandForKey(Qt::Key_1, false), std::nullopt);
    EXPECT_EQ(commandForKey(Qt::Key_F10, false), std::nullopt);
    EXPECT_EQ(commandForKey(Qt::Key_F9, true), std::nullopt);
    EXPECT_EQ(commandForKey(Qt::Key_G, true), std::nullopt);
}

TEST(TillKeys, EveryShortcutHintOfTheMenuIsAKeyForThatCommand)
{
    for (const MenuEntry &entry : menuTable()) {
        if (!entry.shortcut)
            continue;
        const std::string hint = entry.shortcut;
        std::optional<Command> command;
        if (hint[0] == '^')
            command = commandForKey(Qt::Key_A + (hint[1] - 'A'), true);
        else
            command = commandForKey(Qt::Key_F1 + std::stoi(hint.substr(1)) - 1, false);
        EXPECT_EQ(command, entry.command) << entry.caption << " " << hint;
    }
}
