// The card exchange's texts: every request byte for byte, the result code
// found in a reply, and the approving codes (the declining ones are told
// through a whole exchange in card_exchange_test.cpp).

#include "comms/logic/card_exchange.h"

#include <gtest/gtest.h>

#include <string>

namespace ovix {
namespace {

struct RequestCase {
    const char *name;
    CardRequest request;
    const char *text;
};

TEST(CardRequestText, IsByteForByteForEachKind)
{
    const RequestCase cases[] = {
        { "sale", { CardRequestType::Sale, 41, 1259, 0, false }, "1=41\n2=0\n3=12.59\n99=0" },
        { "sale with cash back", { CardRequestType::SaleWithCashBack, 41, 3759, 2500, false },
            "1=41\n2=9\n3=37.59\n4=25.00\n99=0" },
        { "cardholder-not-present sale", { CardRequestType::Sale, 7, 5, 0, true },
            "1=7\n2=0\n3=0.05\n12=1\n99=0" },
        { "refund", { CardRequestType::Refund, 2147483647, 100000, 0, false },
            "1=2147483647\n2=20\n3=1000.00\n99=0" },
        { "cardholder-not-present refund", { CardRequestType::Refund, 12, 1990, 0, true },
            "1=12\n2=20\n3=19.90\n12=1\n99=0" },
    };
    for (const RequestCase &c : cases)
        EXPECT_EQ(cardRequestText(c.request), c.text) << c.name;
}

TEST(CardRequestText, ReferencedTransactionCarriesTheTypedTexts)
{
    EXPECT_EQ(referencedCardRequestText("R55", "4929000000006", "0128", "ORIG9"),
        "1=R55\n2=3\n5=4929000000006\n6=0128\n13=ORIG9\n99=0");
}

TEST(CardRequestText, ReferencedTextsThatWouldAddKeysAreRefused)
{
    EXPECT_EQ(referencedCardRequestText("R1\n3=0", "4929", "0128", "O"), "");
    EXPECT_EQ(referencedCardRequestText("R1", "4929=0", "0128", "O"), "");
    EXPECT_EQ(referencedCardRequestText("R1", "4929", "01\r28", "O"), "");
    EXPECT_EQ(referencedCardRequestText("R1", "4929", "0128", std::string("O\0", 2)), "");
}

struct ReplyCase {
    const char *reply;
    CardReplyCode::Status status;
    int code;
};

TEST(CardReplyCode, IsFoundAtTheFirstThreeEqualsThatStartsAKey)
{
    using Status = CardReplyCode::Status;
    const ReplyCase cases[] = {
        { "3=0", Status::Code, 0 },
        { "3=16\n", Status::Code, 16 },
        { "1=123\n13=0\n3=2\n99=0", Status::Code, 2 },
        { "13=0\n3=2", Status::Code, 2 },
        { "3=7x", Status::Code, 7 },
        { "3=161", Status::Code, 16 },      // never more than two digits
        { "3=1A", Status::Code, 1 },        // only digits make the code
        { " 3=4", Status::Code, 4 },        // after a character below '0'
        { "A3=4", Status::NoCode, 0 },      // after a letter it is no key
        { "13=5", Status::NoCode, 0 },
        { "", Status::NoCode, 0 },
        { "1=5\n99=0", Status::NoCode, 0 },
        { "3=", Status::NoDigit, 0 },       // nothing after it: not code 0
        { "3=\n", Status::NoDigit, 0 },
        { "3=x1", Status::NoDigit, 0 },
        { "1=9\n3=\n3=0", Status::NoDigit, 0 }, // the first key counts
    };
    for (const ReplyCase &c : cases) {
        const CardReplyCode found = cardReplyCode(c.reply);
        EXPECT_EQ(found.status, c.status) << c.reply;
        if (c.status == Status::Code) {
            EXPECT_EQ(found.code, c.code) << c.reply;
        }
    }
}

TEST(CardReplyCode, OnlyTheFirst1999BytesAreSearched)
{
    std::string reply(1996, ' ');
    reply += "3=5";
    EXPECT_EQ(cardReplyCode(reply).status, CardReplyCode::Status::Code);
    reply.insert(0, " ");
    // "3=5" now ends past byte 1999: the 5 is beyond what is read.
    EXPECT_EQ(cardReplyCode(reply).status, CardReplyCode::Status::NoDigit);
    reply.insert(0, "  ");
    EXPECT_EQ(cardReplyCode(reply).status, CardReplyCode::Status::NoCode);
}

struct ResultCase {
    int code;
    const char *text;
};

TEST(CardResultText, ApprovalsAreTheCodesBelowFour)
{
    const ResultCase approvals[] = {
        { 0, "Approved online" },
        { 1, "Approved online" },
        { 2, "Approved offline" },
        { 3, "Approved Manual (Referral)" },
    };
    for (const ResultCase &c : approvals) {
        EXPECT_TRUE(cardCodeApproved(c.code)) << c.code;
        EXPECT_STREQ(cardResultText(c.code), c.text) << c.code;
    }
}

} // namespace
} // namespace ovix
