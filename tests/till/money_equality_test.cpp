// Money limits met exactly. Amounts such as 99.99 or 0.70 are a shade below
// their decimal value as floats and 50.10 or 20.30 a shade above, so every
// comparison between a float total and a double setting must be made in whole
// cents: equal amounts are equal, never "less" or "more".

#include "item_entry_fixture.h"

#include "platform/c_format.h"
#include "sales/logic/payment.h"
#include "support/recording_sale_devices.h"

#include <gtest/gtest.h>

#include <cinttypes>
#include <limits>

using namespace ovix;
using namespace ovix::test;

namespace {

constexpr double kAmounts[] = { 99.99, 50.10, 20.30, 0.70, 100.00, 10.00 };

// Answers the customer payment's dialogs: the first customer, then Cancel.
class CancellingPrompts : public PaymentPrompts {
public:
    CardChoice electronicPayment() override { return CardChoice::Cancel; }
    std::optional<std::string> cashBack() override { return std::nullopt; }
    std::optional<size_t> chooseCustomer(const std::vector<CustomerCandidate> &) override
    {
        return 0;
    }
    CustomerPaymentCode customerTransaction(const CustomerTransactionView &) override
    {
        return CustomerPaymentCode::Cancel;
    }
};

void addCustomer(Till &till, int64_t number, float balance, float limit)
{
    CustomerRecord record {};
    record.number = number;
    writeText(record.name, "SMITH");
    record.balance = balance;
    record.credit_limit = limit;
    record.tax = 1;
    ScriptedMessages quiet;
    ASSERT_TRUE(till.state.customers.insert(record, quiet).has_value()) << quiet.lastText();
}

} // namespace

TEST(MoneyEquality, CentsMatchWhateverTheWidth)
{
    for (double amount : kAmounts) {
        SCOPED_TRACE(amount);
        const int64_t cents = moneyCents(amount);
        EXPECT_EQ(moneyCents(static_cast<float>(amount)), cents);
        EXPECT_EQ(moneyCents(-static_cast<float>(amount)), -cents);
        EXPECT_EQ(cformat("%.2f", amount), cformat("%" PRId64 ".%02" PRId64, cents / 100,
                                               cents % 100));
    }
    EXPECT_EQ(moneyCents(0.005), 1); // as "%.2f" rounds it
    EXPECT_EQ(moneyCents(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_GT(moneyCents(1e300), moneyCents(1e12));
    EXPECT_LT(moneyCents(-1e300), moneyCents(-1e12));
}

TEST(MoneyEquality, LimitsReachedExactlyAreNotPassed)
{
    for (double amount : kAmounts) {
        SCOPED_TRACE(amount);
        const auto price = static_cast<float>(amount);

        // Threshold tax: a taxable total equal to the threshold has not passed
        // it, and the next line past it is taxed on its own price only.
        {
            Till till;
            till.state.config.set(cfg::taxThresholdOn, 2);
            till.state.config.set(cfg::taxThreshold, amount);
            till.add(ItemBytes(1, "AT THRESHOLD", price));
            till.add(ItemBytes(2, "ONE MORE", 1.00f));
            ASSERT_TRUE(till.entry.addItem(1, {}));
            EXPECT_EQ(till.basket.lineTaxOne[0], 0.0f);
            ASSERT_TRUE(till.entry.addItem(2, {}));
            EXPECT_FLOAT_EQ(till.basket.lineTaxOne[1], 0.20f);
            EXPECT_EQ(moneyCents(till.total(BasketTotal::TaxOne)), 20);
            EXPECT_EQ(moneyCents(till.total(BasketTotal::Total)), moneyCents(amount) + 120);
        }

        // Transaction limit: a total of exactly 99999.99 is allowed, a cent
        // more is not.
        {
            Till till;
            const auto rest = static_cast<float>(roundMoney(kTransactionLimit - amount));
            till.add(ItemBytes(1, "REST", rest).tax(0));
            till.add(ItemBytes(2, "AMOUNT", price).tax(0));
            till.add(ItemBytes(3, "CENT", 0.01f).tax(0));
            ASSERT_TRUE(till.entry.addItem(1, {}));
            EXPECT_TRUE(till.entry.addItem(2, {}));
            EXPECT_EQ(till.said(), Said {});
            EXPECT_FALSE(till.entry.addItem(3, {}));
            EXPECT_EQ(till.said(), (Said { "Problem: Transaction limit 100000.00" }));
        }

        // Credit limit: a balance plus the sale that lands exactly on the
        // limit gives no warning; one cent over does.
        for (const int64_t overCents : { 0, 1 }) {
            Till till;
            till.add(ItemBytes(1, "SALE", 0.30f).tax(0));
            ASSERT_TRUE(till.entry.addItem(1, {}));
            const auto balance
                = static_cast<float>(roundMoney(amount - 0.30 + double(overCents) / 100));
            addCustomer(till, 7, balance, price);
            RecordingSaleDevices devices;
            Payment payment(till.state, till.basket, till.messages, devices);
            till.messages.textReplies = { std::string("7") };
            till.messages.answers = { Answer::Cancel };
            CancellingPrompts prompts;
            EXPECT_EQ(payment.payByCustomer(prompts), PaymentResult::NotPaid);
            Said expected { "Customer: Number / name" };
            if (overCents)
                expected.push_back("Credit limit: Exceeded");
            EXPECT_EQ(till.said(), expected) << "balance " << balance;
        }
    }
}
