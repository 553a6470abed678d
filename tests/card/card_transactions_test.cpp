// The card link's settings as wr.cfg keeps them, and the card transactions
// that need no sale: the refund the refund command asks for, and the
// referenced transaction with its four prompts.

#include "card/card_peer.h"
#include "comms/logic/card_settings.h"
#include "comms/logic/card_transactions.h"
#include "platform/data_dir.h"
#include "platform/scripted_messages.h"
#include "store/till_config.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace ovix::test {
namespace {

struct CardSettingsTest : ::testing::Test {
    TempDir temp;
    DataDir shop { temp.path() };
    TillConfig config;
    ScriptedMessages messages;
};

TEST_F(CardSettingsTest, StoredWindowsDefaultsMeanTheFolderInTheShop)
{
    const std::string inShop = temp.path() + "/cardeft";
    for (const char *stored : { "", "C:\\CARDEFT", "c:\\cardeft", "D:\\EFT", "eft" }) {
        config.setText(cfg::eftFolder, stored);
        EXPECT_EQ(exchangeFolder(config, shop), inShop) << stored;
    }
    config.setText(cfg::eftFolder, "/srv/card");
    EXPECT_EQ(exchangeFolder(config, shop), "/srv/card");
}

TEST_F(CardSettingsTest, SwitchesAreStoredAsTwoOrZeroAndTheFolderBytesKept)
{
    config.setText(cfg::eftFolder, "C:\\CARDEFT");
    config.set(cfg::cardVerbose, 1); // anything but 2 is off
    CardSettings settings = loadCardSettings(config, shop);
    EXPECT_FALSE(settings.verbose);
    settings.active = true;
    settings.notPresentRefunds = true;
    ASSERT_TRUE(storeCardSettings(config, shop, settings, messages));
    EXPECT_EQ(config.text(cfg::eftFolder), "C:\\CARDEFT"); // untouched until changed
    EXPECT_EQ(config.get(cfg::cardLinkActive), 2.0);
    EXPECT_EQ(config.get(cfg::cardCashBackPermitted), 0.0);
    EXPECT_EQ(config.get(cfg::cardNotPresentPayments), 0.0);
    EXPECT_EQ(config.get(cfg::cardNotPresentRefunds), 2.0);
    EXPECT_EQ(config.get(cfg::cardVerbose), 0.0);
    EXPECT_TRUE(cardLinkActive(config));

    settings.folder = "/srv/caf\xC3\xA9";
    ASSERT_TRUE(storeCardSettings(config, shop, settings, messages));
    EXPECT_EQ(config.text(cfg::eftFolder), "/srv/caf\xE9"); // Windows-1252 in wr.cfg
    EXPECT_EQ(loadCardSettings(config, shop).folder, "/srv/caf\xC3\xA9");
}

TEST_F(CardSettingsTest, UnusableFolderIsRefusedAndNothingChanges)
{
    const std::string tooLong = "/" + std::string(249, 'a');
    for (const std::string &folder :
        { std::string("relative/card"), std::string(""), tooLong, std::string("/\xE2\x82\xAC\xE2\x98\x83") }) {
        TillConfig before = config;
        CardSettings settings = loadCardSettings(config, shop);
        settings.folder = folder;
        settings.active = true;
        ScriptedMessages told;
        EXPECT_FALSE(storeCardSettings(config, shop, settings, told)) << folder;
        EXPECT_EQ(told.lastCaption(), "Problem") << folder;
        EXPECT_EQ(config.bytes(), before.bytes()) << folder;
    }
}

TEST_F(CardSettingsTest, RefundSendsItsRequestAndTellsTheDigitsWhenVerbose)
{
    config.set(cfg::cardVerbose, 2);
    const std::string folder = temp.path() + "/cardeft";
    struct Case {
        bool notPresent;
        const char *reply;
        bool approved;
        const char *request;
        const char *told;
    };
    const Case cases[] = {
        { false, "3=2\n", true, "1=42\n2=20\n3=19.90\n99=0", "2" },
        { true, "3=01\n", true, "1=42\n2=20\n3=19.90\n12=1\n99=0", "01" },
        { false, "3=36\n", false, "1=42\n2=20\n3=19.90\n99=0", "Card not accepted" },
    };
    for (const Case &c : cases) {
        InstantPeer peer(folder, c.reply);
        ScriptedMessages told;
        EXPECT_EQ(cardRefundExchange(config, shop, 42, 1990, c.notPresent, peer, told), c.approved);
        EXPECT_EQ(peer.request, c.request);
        EXPECT_EQ(told.lastText(), c.told);
    }
}

TEST_F(CardSettingsTest, RefundThroughTheCardProgram)
{
    CardSimulator simulator(temp.path() + "/cardeft", { "--code", "0", "--delay", "0" });
    BoundedWaiter waiter;
    EXPECT_TRUE(cardRefundExchange(config, shop, 42, 500, false, waiter, messages));
    EXPECT_TRUE(messages.shown.empty()); // not verbose
}

TEST_F(CardSettingsTest, ReferencedTransactionAsksFourTimes)
{
    const std::string folder = temp.path() + "/cardeft";
    InstantPeer peer(folder, "3=0\n");
    messages.textReplies = { std::string("R7"), std::string("4929000000006"),
        std::string("0128"), std::string("ORIG1") };
    EXPECT_TRUE(referencedCardTransaction(config, shop, peer, messages).approved);
    EXPECT_EQ(peer.request, "1=R7\n2=3\n5=4929000000006\n6=0128\n13=ORIG1\n99=0");
    EXPECT_EQ(messages.proposals.size(), 4u);
}

TEST_F(CardSettingsTest, ReferencedTransactionCancelledOrHostileSendsNothing)
{
    const std::string folder = temp.path() + "/cardeft";
    const std::vector<std::vector<std::optional<std::string>>> cases = {
        { std::string("R7"), std::string("4929"), std::nullopt },
        { std::string("R7"), std::string("4929\n3=0"), std::string("0128"), std::string("O") },
    };
    for (const auto &replies : cases) {
        ScriptedMessages told;
        told.textReplies.assign(replies.begin(), replies.end());
        BoundedWaiter waiter(std::chrono::milliseconds(1), std::chrono::milliseconds(50));
        EXPECT_FALSE(referencedCardTransaction(config, shop, waiter, told).approved);
        EXPECT_EQ(waiter.polls, 0);
        EXPECT_FALSE(std::filesystem::exists(folder + "/input.txt"));
    }
}

} // namespace
} // namespace ovix::test
