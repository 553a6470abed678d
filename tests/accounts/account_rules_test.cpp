// The rules of the on-account sale after the balance changed by a payment or
// an amendment: the credit limit warns against the balance as it now is, a
// customer who pays no tax still buys without tax, and the day's summary
// counts the payments by method.

#include "accounts/account_shop.h"
#include "accounts/logic/account_payment.h"
#include "accounts/logic/balance_amendment.h"
#include "sales/logic/payment.h"
#include "support/recording_sale_devices.h"
#include "till/logic/day_summary.h"

#include <gtest/gtest.h>

using namespace ovix;
using namespace ovix::test;

namespace {

class OnAccount : public PaymentPrompts {
public:
    CardChoice electronicPayment() override
    {
        return CardChoice::Cancel;
    }
    std::optional<std::string> cashBack() override
    {
        return std::nullopt;
    }
    std::optional<size_t> chooseCustomer(const std::vector<CustomerCandidate> &) override
    {
        return 0;
    }
    CustomerPaymentCode customerTransaction(const CustomerTransactionView &) override
    {
        return CustomerPaymentCode::Credit;
    }
};

// A tea (2.50 and its tax) on SMITH's account, who pays no tax; `goOn`
// answers the credit limit's warning.
PaymentResult teaOnAccount(AccountShop &shop, ScriptedMessages &messages, bool goOn = false)
{
    Basket basket {};
    shop.ringUp(basket, 101);
    RecordingSaleDevices devices;
    Payment payment(shop.state, basket, messages, devices);
    messages.textReplies.push_back("7");
    messages.answers.push_back(goOn ? Answer::Ok : Answer::Cancel);
    OnAccount prompts;
    return payment.payByCustomer(prompts);
}

} // namespace

TEST(AccountRules, TheCreditLimitAndTheTaxExemptionHoldAfterEveryBalanceChange)
{
    FixedClock clock(kSaleTime);
    AccountShop shop; // SMITH: limit 100.00, pays no tax
    ScriptedMessages amend;
    ASSERT_TRUE(amendBalance(shop.state, 7, "98.00", amend));
    ScriptedMessages warned;
    EXPECT_EQ(teaOnAccount(shop, warned), PaymentResult::NotPaid);
    EXPECT_EQ(warned.lastText(), "Exceeded");
    EXPECT_EQ(warned.lastCaption(), "Credit limit");

    ScriptedMessages paid;
    RecordingSaleDevices devices;
    ASSERT_EQ(takeAccountPayment(shop.state, 7, "10.00", AccountPaymentMethod::Cash, paid, devices),
        AccountPaymentResult::Paid);
    ScriptedMessages sold;
    ASSERT_EQ(teaOnAccount(shop, sold, true), PaymentResult::Archived) << sold.lastText();
    for (const ScriptedMessages::Shown &box : sold.shown)
        EXPECT_NE(box.text, "Exceeded");
    const std::vector<ReadTransaction> sales = readSalesBytes(shop.file("2026/3/5/saleslog.dat"));
    ASSERT_EQ(sales.size(), 2u);
    EXPECT_EQ(sales[1].taxOne, 0.0f);
    EXPECT_FLOAT_EQ(sales[1].total, 2.50f);
    EXPECT_FLOAT_EQ(sales[1].balanceBefore, 88.00f);
    EXPECT_EQ(moneyCents(shop.customer(7).balance), 9050);
    EXPECT_EQ(+shop.customer(7).credit_limit, 100.0f);
}

TEST(AccountRules, TheDaySummaryCountsTheBalancePaymentsByMethod)
{
    FixedClock clock(kSaleTime);
    AccountShop shop;
    const std::pair<const char *, AccountPaymentMethod> payments[] = {
        { "1.00", AccountPaymentMethod::Cash }, { "2.00", AccountPaymentMethod::Cash },
        { "4.25", AccountPaymentMethod::Eft },
    };
    for (const auto &[amount, method] : payments) {
        ScriptedMessages messages;
        RecordingSaleDevices devices;
        ASSERT_EQ(takeAccountPayment(shop.state, 7, amount, method, messages, devices),
            AccountPaymentResult::Paid);
    }
    const std::string summary = daySummaryText(shop.state.config, {}, kSaleTime);
    EXPECT_NE(summary.find("\r\n\r\nBalance payments cash (2): 3.00\r\nBalance payments CH (0): "
                           "0.00\r\nBalance payments EFT (1): 4.25\r\nTotal: 7.25"),
        std::string::npos)
        << summary;
}
