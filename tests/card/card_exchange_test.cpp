// One exchange with the card program: the files in the exchange folder, the
// reply read only once it stands still, every result told as the card
// program gave it, and the wait given up. The card program is ovixcardsim,
// or the test playing it by hand where the timing must be exact.

#include "card/card_peer.h"
#include "card/result_codes.h"
#include "comms/logic/card_exchange.h"
#include "platform/scripted_messages.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

namespace ovix::test {
namespace {

constexpr const char *kSaleRequest = "1=41\n2=0\n3=12.59\n99=0";

struct CardExchangeTest : ::testing::Test {
    TempDir temp;
    std::string folder = temp.file("cardeft");
    ScriptedMessages messages;

    std::string reply() const { return folder + "/" + kCardReplyName; }
    std::string request() const { return folder + "/" + kCardRequestName; }

    CardExchangeResult run(CardReplyWaiter &waiter, bool verbose = false,
        ApprovalNotice notice = ApprovalNotice::Text)
    {
        return runCardExchange(folder, kSaleRequest, waiter, messages, verbose, notice);
    }
};

int modeOf(const std::string &path)
{
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 ? int(status.st_mode & 0777) : -1;
}

TEST_F(CardExchangeTest, ApprovalFromTheCardProgram)
{
    CardSimulator simulator(folder, { "--code", "0", "--delay", "100" });
    BoundedWaiter waiter;
    const CardExchangeResult result = run(waiter, true);
    EXPECT_TRUE(result.approved);
    EXPECT_EQ(result.code, 0);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Approved online");
    EXPECT_EQ(messages.shown[0].caption, "Authorized");
    EXPECT_NE(simulator.output().find("request: 1=41 2=0 3=12.59 99=0"), std::string::npos);
}

TEST_F(CardExchangeTest, DeclineFromTheCardProgramIsTold)
{
    CardSimulator simulator(folder, { "--code", "38", "--delay", "0" });
    BoundedWaiter waiter;
    const CardExchangeResult result = run(waiter, true);
    EXPECT_FALSE(result.approved);
    EXPECT_EQ(result.code, 38);
    EXPECT_EQ(messages.lastText(), "Cash back not allowed");
    EXPECT_EQ(messages.lastCaption(), "Not authorized");
}

TEST_F(CardExchangeTest, ReplyWrittenSlowlyInPiecesIsReadWhole)
{
    // "3=1" first: read then, a decline (16) would pass as an approval (1).
    // The pieces come well within one poll of each other, as a busy card
    // program's writes do; ReplyGrowingBetweenPollsIsNotTakenEarly pins the
    // rule itself.
    CardSimulator simulator(
        folder, { "--code", "16", "--delay", "0", "--pieces", "3", "--piece-pause", "30" });
    BoundedWaiter waiter;
    const CardExchangeResult result = run(waiter);
    EXPECT_FALSE(result.approved);
    EXPECT_EQ(result.code, 16);
    EXPECT_EQ(messages.lastText(), "Capture Card, declined online");
}

TEST_F(CardExchangeTest, ReplyOneByteAtATimeIsReadWhole)
{
    CardSimulator simulator(folder,
        { "--reply", "1=41\\n13=0\\n3=16\\n99=0", "--delay", "0", "--pieces", "1",
            "--piece-pause", "25" });
    BoundedWaiter waiter;
    EXPECT_EQ(run(waiter).code, 16);
}

TEST_F(CardExchangeTest, NoReplyEndsWhenTheWaitIsGivenUp)
{
    CardSimulator simulator(folder, { "--never" });
    BoundedWaiter waiter(std::chrono::milliseconds(50), std::chrono::milliseconds(600));
    const CardExchangeResult result = run(waiter);
    EXPECT_FALSE(result.approved);
    EXPECT_TRUE(result.cancelled);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_GE(waiter.polls, 5);
}

TEST_F(CardExchangeTest, ReplyGrowingBetweenPollsIsNotTakenEarly)
{
    BoundedWaiter waiter(std::chrono::milliseconds(1));
    int readyAt = -1;
    waiter.onPoll = [&](int poll) {
        if (poll == 0)
            writeBytes(reply(), "3=1");
        if (poll == 1)
            writeBytes(reply(), "3=16");
        readyAt = poll;
    };
    const CardExchangeResult result = run(waiter);
    EXPECT_EQ(result.code, 16);
    EXPECT_EQ(readyAt, 2); // seen at 0, grown at 1, the same size at 2
}

TEST_F(CardExchangeTest, EmptyReplyIsWaitedOn)
{
    BoundedWaiter waiter(std::chrono::milliseconds(1));
    waiter.onPoll = [&](int poll) {
        if (poll == 0)
            writeBytes(reply(), "");
        if (poll == 5)
            writeBytes(reply(), "3=2\n");
    };
    EXPECT_TRUE(run(waiter).approved);
    EXPECT_EQ(waiter.polls, 6);
}

struct ReplyOutcome {
    const char *reply;
    const char *text;
    const char *caption;
};

TEST_F(CardExchangeTest, RepliesWithoutAUsableCodeAreNotApproved)
{
    const ReplyOutcome cases[] = {
        { "3=", "Declined", "Not authorized" },
        { "1=41\n3=\n99=0", "Declined", "Not authorized" },
        { "1=41\n99=0", "Unable to retrieve authorization code", "Problem" },
        { "13=0\n", "Unable to retrieve authorization code", "Problem" },
    };
    for (const ReplyOutcome &c : cases) {
        ScriptedMessages told;
        InstantPeer peer(folder, c.reply);
        const CardExchangeResult result
            = runCardExchange(folder, kSaleRequest, peer, told, true, ApprovalNotice::Text);
        EXPECT_FALSE(result.approved) << c.reply;
        EXPECT_EQ(told.lastText(), c.text) << c.reply;
        EXPECT_EQ(told.lastCaption(), c.caption) << c.reply;
    }
}

TEST_F(CardExchangeTest, EveryDecliningCodeIsToldWithItsText)
{
    for (const auto &[code, text] : kDecliningCodes) {
        ScriptedMessages told;
        InstantPeer peer(folder, "1=41\n3=" + std::to_string(code) + "\n99=0");
        const CardExchangeResult result
            = runCardExchange(folder, kSaleRequest, peer, told, true, ApprovalNotice::Text);
        EXPECT_FALSE(result.approved) << code;
        ASSERT_EQ(told.shown.size(), 1u) << code;
        EXPECT_EQ(told.shown[0].text, text) << code;
        EXPECT_EQ(told.shown[0].caption, "Not authorized") << code;
    }
}

TEST_F(CardExchangeTest, ApprovalIsToldOnlyWhenVerbose)
{
    struct Case {
        int code;
        bool verbose;
        ApprovalNotice notice;
        const char *told; // nullptr: nothing shown
    };
    const Case cases[] = {
        { 2, false, ApprovalNotice::Text, nullptr },
        { 2, true, ApprovalNotice::Text, "Approved offline" },
        { 3, true, ApprovalNotice::Text, "Approved Manual (Referral)" },
        { 1, true, ApprovalNotice::Digits, "1" },
        { 0, true, ApprovalNotice::Digits, "0" },
    };
    for (const Case &c : cases) {
        ScriptedMessages told;
        InstantPeer peer(folder, "3=" + std::to_string(c.code) + "\n");
        const CardExchangeResult result
            = runCardExchange(folder, kSaleRequest, peer, told, c.verbose, c.notice);
        EXPECT_TRUE(result.approved) << c.code;
        if (c.told == nullptr) {
            EXPECT_TRUE(told.shown.empty()) << c.code;
        } else {
            ASSERT_EQ(told.shown.size(), 1u) << c.code;
            EXPECT_EQ(told.shown[0].text, c.told);
            EXPECT_EQ(told.shown[0].caption, "Authorized");
        }
    }
}

TEST_F(CardExchangeTest, RequestStandsWholeAndTheOldReplyIsGoneFirst)
{
    ASSERT_TRUE(std::filesystem::create_directory(folder));
    writeBytes(reply(), "3=0\n"); // an approval left from the exchange before
    writeBytes(request(), "1=40\n2=0\n3=99.99\n99=0");
    BoundedWaiter waiter(std::chrono::milliseconds(1), std::chrono::milliseconds(200));
    std::string seenRequest;
    bool oldReplyGone = false;
    waiter.onPoll = [&](int poll) {
        if (poll == 0) {
            seenRequest = readBytes(request());
            oldReplyGone = !std::filesystem::exists(reply());
        }
    };
    const CardExchangeResult result = run(waiter);
    EXPECT_TRUE(oldReplyGone);
    EXPECT_FALSE(result.approved);
    EXPECT_TRUE(result.cancelled);
    EXPECT_EQ(seenRequest, kSaleRequest);
    EXPECT_EQ(modeOf(request()), 0600);
    // Nothing but the request is left in the folder.
    int entries = 0;
    for ([[maybe_unused]] const auto &entry : std::filesystem::directory_iterator(folder))
        ++entries;
    EXPECT_EQ(entries, 1);
}

TEST_F(CardExchangeTest, MissingFolderIsCreatedForTheShopAlone)
{
    InstantPeer peer(folder, "3=0");
    EXPECT_TRUE(run(peer).approved);
    EXPECT_EQ(modeOf(folder), 0700);
    EXPECT_EQ(peer.request, kSaleRequest);
}

TEST_F(CardExchangeTest, RequestThatCannotBeWrittenIsToldAndNothingWaits)
{
    writeBytes(folder, "a file where the folder should be");
    BoundedWaiter waiter;
    const CardExchangeResult result = run(waiter);
    EXPECT_FALSE(result.approved);
    EXPECT_EQ(messages.lastText(), "Unable to create EVT file");
    EXPECT_EQ(messages.lastCaption(), "Problem");
    EXPECT_EQ(waiter.polls, 0);
}

} // namespace
} // namespace ovix::test
