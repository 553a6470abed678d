// Card payments with the card terminal link on, through the payment logic:
// the card program's answer decides whether the sale reaches the archive;
// the choice, cash back and cardholder-not-present requests; the card part of
// a split; the clerk giving up the wait.

#include "card/card_peer.h"
#include "comms/logic/card_settings.h"
#include "platform/scripted_messages.h"
#include "sales/logic/payment.h"
#include "store/user_control.h"
#include "support/recording_sale_devices.h"
#include "till/sale_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace ovix::test {
namespace {

constexpr const char *kSalesLog = "2026/3/5/saleslog.dat";

class LinkPrompts : public PaymentPrompts {
public:
    CardChoice choice = CardChoice::Payment;
    std::optional<std::string> cashBackText;
    std::optional<CardChoiceOffer> offered; // what the last choice offered
    int choicesAsked = 0;

    CardChoice electronicPayment() override
    {
        ADD_FAILURE() << "the choice without the link was shown";
        return CardChoice::Cancel;
    }
    CardChoice cardTerminalChoice(const CardChoiceOffer &offer) override
    {
        ++choicesAsked;
        offered = offer;
        return choice;
    }
    std::optional<std::string> cashBack() override { return cashBackText; }
    std::optional<size_t> chooseCustomer(const std::vector<CustomerCandidate> &) override
    {
        return std::nullopt;
    }
    CustomerPaymentCode customerTransaction(const CustomerTransactionView &) override
    {
        return CustomerPaymentCode::Cancel;
    }
};

// The five-line sale (12.59) with the card link on and its folder in the shop.
struct CardPaymentTest : ::testing::Test {
    FixedClock clock { kSaleTime };
    FiveLineShop shop;
    Basket basket = shop.basket();
    ScriptedMessages messages;
    RecordingSaleDevices devices;
    std::string folder = shop.temp.path() + "/cardeft";
    LinkPrompts prompts;

    CardPaymentTest() { shop.state.config.set(cfg::cardLinkActive, 2); }

    std::vector<ReadTransaction> sales() const { return readSalesBytes(shop.file(kSalesLog)); }

    PaymentResult payCard(CardReplyWaiter &waiter)
    {
        Payment payment(shop.state, basket, messages, devices, &waiter);
        return payment.payCard(prompts);
    }
};

TEST_F(CardPaymentTest, ApprovedCardSaleIsArchivedUnderTheNumberSent)
{
    CardSimulator simulator(folder, { "--code", "2", "--delay", "50" });
    BoundedWaiter waiter;
    EXPECT_EQ(payCard(waiter), PaymentResult::Archived);
    EXPECT_EQ(prompts.choicesAsked, 0); // no option on: straight to the request
    ASSERT_EQ(sales().size(), 1u);
    EXPECT_EQ(sales()[0].number, 41);
    EXPECT_EQ(sales()[0].paymentType, "EFT");
    EXPECT_FLOAT_EQ(sales()[0].eftPart, 12.59f);
    EXPECT_EQ(basket.lineCount, 0);
    EXPECT_NE(simulator.output().find("request: 1=41 2=0 3=12.59 99=0"), std::string::npos);
}

TEST_F(CardPaymentTest, DeclinedCardSaleLeavesTheSaleOpenForAnotherTry)
{
    const Basket before = basket;
    {
        CardSimulator declining(folder, { "--code", "5", "--delay", "0" });
        BoundedWaiter waiter;
        EXPECT_EQ(payCard(waiter), PaymentResult::NotPaid);
    }
    EXPECT_EQ(messages.lastText(), "Declined Offline");
    EXPECT_TRUE(sales().empty());
    EXPECT_EQ(basket.lineCount, before.lineCount);
    EXPECT_EQ(basket.total(BasketTotal::EftPart), 0.0f);
    EXPECT_EQ(readText(basket.paymentType), "");
    EXPECT_EQ(shop.state.config.get(cfg::nextTransactionNumber), 41);

    CardSimulator approving(folder, { "--code", "0", "--delay", "0" });
    BoundedWaiter waiter;
    EXPECT_EQ(payCard(waiter), PaymentResult::Archived);
    ASSERT_EQ(sales().size(), 1u); // only the approved one
    EXPECT_EQ(sales()[0].number, 41);
}

TEST_F(CardPaymentTest, ClerkGivingUpTheWaitPaysNothing)
{
    CardSimulator silent(folder, { "--never" });
    BoundedWaiter waiter(std::chrono::milliseconds(50), std::chrono::milliseconds(400));
    EXPECT_EQ(payCard(waiter), PaymentResult::NotPaid);
    EXPECT_TRUE(sales().empty());
    EXPECT_EQ(basket.lineCount, 5);
}

TEST_F(CardPaymentTest, ChoiceAndRequestFollowTheSettings)
{
    struct Case {
        const char *name;
        bool cashBack, notPresentPayments, notPresentRefunds, keptFromCashBack;
        CardChoice choice;
        const char *cashBackTyped;
        bool asked, offersCashBack, offersNotPresent;
        const char *request; // nullptr: nothing sent
        float archivedCashBack;
    };
    const Case cases[] = {
        { "cash back", true, false, false, false, CardChoice::PaymentPlusCashback, "25.60", true,
            true, false, "1=41\n2=9\n3=37.59\n4=25.00\n99=0", 25 },
        { "cardholder not present", false, true, false, false, CardChoice::CardholderNotPresent,
            nullptr, true, false, true, "1=41\n2=0\n3=12.59\n12=1\n99=0", 0 },
        { "refund option alone still asks", false, false, true, false, CardChoice::Payment,
            nullptr, true, false, false, "1=41\n2=0\n3=12.59\n99=0", 0 },
        { "clerk kept from cash back", true, false, false, true, CardChoice::PaymentPlusCashback,
            "20", true, false, false, nullptr, 0 },
        { "cancel", true, true, true, false, CardChoice::Cancel, nullptr, true, true, true,
            nullptr, 0 },
    };
    for (const Case &c : cases) {
        FiveLineShop fresh;
        fresh.state.config.set(cfg::cardLinkActive, 2);
        fresh.state.config.set(cfg::cardCashBackPermitted, c.cashBack ? 2 : 0);
        fresh.state.config.set(cfg::cardNotPresentPayments, c.notPresentPayments ? 2 : 0);
        fresh.state.config.set(cfg::cardNotPresentRefunds, c.notPresentRefunds ? 2 : 0);
        if (c.keptFromCashBack) {
            fresh.state.config.set(cfg::currentClerk, 5);
            fresh.state.config.set(
                cfg::userControl, static_cast<size_t>(UserControlItem::Cashback), 1);
        }
        Basket sale = fresh.basket();
        LinkPrompts asked;
        asked.choice = c.choice;
        if (c.cashBackTyped)
            asked.cashBackText = c.cashBackTyped;
        InstantPeer peer(fresh.temp.path() + "/cardeft", "3=0\n");
        ScriptedMessages told;
        Payment payment(fresh.state, sale, told, devices, &peer);
        const PaymentResult result = payment.payCard(asked);

        EXPECT_EQ(asked.choicesAsked, c.asked ? 1 : 0) << c.name;
        if (asked.offered) {
            EXPECT_EQ(asked.offered->cashBack, c.offersCashBack) << c.name;
            EXPECT_EQ(asked.offered->notPresent, c.offersNotPresent) << c.name;
        }
        const std::vector<ReadTransaction> archived
            = readSalesBytes(fresh.file(kSalesLog));
        if (c.request == nullptr) {
            EXPECT_EQ(result, PaymentResult::NotPaid) << c.name;
            EXPECT_EQ(peer.polls, 0) << c.name;
            EXPECT_TRUE(archived.empty()) << c.name;
            continue;
        }
        EXPECT_EQ(result, PaymentResult::Archived) << c.name;
        EXPECT_EQ(peer.request, c.request) << c.name;
        ASSERT_EQ(archived.size(), 1u) << c.name;
        EXPECT_FLOAT_EQ(archived[0].cashBack, c.archivedCashBack) << c.name;
        EXPECT_DOUBLE_EQ(fresh.state.config.get(cfg::cashBack), c.archivedCashBack) << c.name;
    }
}

TEST_F(CardPaymentTest, CashBackAboveOneHundredUnconfirmedSendsNothing)
{
    shop.state.config.set(cfg::cardCashBackPermitted, 2);
    prompts.choice = CardChoice::PaymentPlusCashback;
    prompts.cashBackText = "150";
    messages.answers = { Answer::No };
    InstantPeer peer(folder, "3=0\n");
    EXPECT_EQ(payCard(peer), PaymentResult::NotPaid);
    EXPECT_EQ(messages.lastCaption(), "Please confirm");
    EXPECT_FALSE(std::filesystem::exists(folder + "/input.txt"));
    EXPECT_TRUE(sales().empty());
}

TEST_F(CardPaymentTest, SplitSendsItsCardPartAndADeclineLeavesTheSaleOpen)
{
    struct Case {
        const char *reply;
        PaymentResult result;
        size_t archived;
    };
    const Case cases[] = {
        { "3=4\n", PaymentResult::NotPaid, 0 },
        { "3=0\n", PaymentResult::Archived, 1 },
    };
    for (const Case &c : cases) {
        InstantPeer peer(folder, c.reply);
        Payment payment(shop.state, basket, messages, devices, &peer);
        ASSERT_TRUE(payment.startSplit());
        ASSERT_TRUE(payment.splitOk("1000", false)); // 10.00 cash, 2.59 by card
        EXPECT_EQ(payment.cashOk("1000"), c.result) << c.reply;
        EXPECT_FALSE(payment.tenderOpen());
        EXPECT_EQ(peer.request, "1=41\n2=0\n3=2.59\n99=0") << c.reply;
        ASSERT_EQ(sales().size(), c.archived) << c.reply;
        if (c.archived == 0) {
            EXPECT_EQ(basket.lineCount, 5);
            EXPECT_EQ(basket.total(BasketTotal::CashPart), 0.0f);
            EXPECT_EQ(basket.total(BasketTotal::EftPart), 0.0f);
        } else {
            EXPECT_EQ(sales()[0].paymentType, "Split");
            EXPECT_FLOAT_EQ(sales()[0].eftPart, 2.59f);
        }
    }
}

TEST_F(CardPaymentTest, SplitPaidWithChequeAsksNoCardProgram)
{
    BoundedWaiter waiter(std::chrono::milliseconds(1), std::chrono::milliseconds(100));
    Payment payment(shop.state, basket, messages, devices, &waiter);
    ASSERT_TRUE(payment.startSplit());
    ASSERT_TRUE(payment.splitOk("1000", true));
    EXPECT_EQ(payment.exactAmount(), PaymentResult::Archived);
    EXPECT_EQ(waiter.polls, 0);
    EXPECT_FALSE(std::filesystem::exists(folder));
}

} // namespace
} // namespace ovix::test
