#include "platform/scripted_messages.h"
#include "sales/logic/cents_entry.h"
#include "till/logic/commands.h"
#include "sales/logic/payment.h"
#include "support/recording_sale_devices.h"
#include "till/sale_fixture.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

using namespace ovix;
using namespace ovix::test;

namespace {

constexpr const char *kSalesLog = "2026/3/5/saleslog.dat";

class ScriptedPrompts : public PaymentPrompts {
public:
    CardChoice card = CardChoice::Payment;
    std::optional<std::string> cashBackText;
    std::optional<size_t> chosen = 0;
    CustomerPaymentCode code = CustomerPaymentCode::Credit;
    int cardAsked = 0;
    std::optional<CustomerTransactionView> shownView;

    CardChoice electronicPayment() override
    {
        ++cardAsked;
        return card;
    }
    std::optional<std::string> cashBack() override { return cashBackText; }
    std::optional<size_t> chooseCustomer(const std::vector<CustomerCandidate> &) override
    {
        return chosen;
    }
    CustomerPaymentCode customerTransaction(const CustomerTransactionView &view) override
    {
        shownView = view;
        return code;
    }
};

// The five-line sale (12.59: 6.99 taxable with 1.40 tax 1, 4.20 not taxed).
struct PaymentTest : ::testing::Test {
    FixedClock clock { kSaleTime };
    FiveLineShop shop;
    Basket basket = shop.basket();
    ScriptedMessages messages;
    RecordingSaleDevices devices;
    Payment payment { shop.state, basket, messages, devices };
    // What the archive held at the moment the summary box came up.
    std::vector<ReadTransaction> archiveAtSummary;

    PaymentTest()
    {
        devices.onSummary = [this](const Basket &) { archiveAtSummary = sales(); };
    }

    std::vector<ReadTransaction> sales() const { return readSalesBytes(shop.file(kSalesLog)); }

    int64_t addCustomer(int64_t number, float balance, float limit, int64_t tax)
    {
        CustomerRecord record {};
        record.number = number;
        writeText(record.name, "SMITH");
        writeText(record.road, "1 HIGH ST");
        record.balance = balance;
        record.credit_limit = limit;
        record.tax = tax;
        record.transactions = 4;
        record.total_purchases = 100.0f;
        ScriptedMessages quiet;
        return shop.state.customers.insert(record, quiet).value_or(-1);
    }
};

} // namespace

TEST(CentsEntry, DigitsTakeTheDecimalPointBeforeTheLastTwo)
{
    EXPECT_DOUBLE_EQ(*centsEntryAmount("1"), 0.01);
    EXPECT_DOUBLE_EQ(*centsEntryAmount("50"), 0.50);
    EXPECT_DOUBLE_EQ(*centsEntryAmount("1000"), 10.00);
    EXPECT_DOUBLE_EQ(*centsEntryAmount("1234"), 12.34);
    EXPECT_DOUBLE_EQ(*centsEntryAmount("12.3x4"), 12.34);
    EXPECT_FALSE(centsEntryAmount("").has_value());
    EXPECT_FALSE(centsEntryAmount("abc").has_value());
    // Only 19 characters are read, and a box keeps no more than 19 digits.
    EXPECT_EQ(centsEntryDigits(std::string(25, '9')).size(), kAmountEntryWidth);
    EXPECT_EQ(wholeCents(*centsEntryAmount("1" + std::string(18, '0') + "55")),
        wholeCents(*centsEntryAmount("1" + std::string(18, '0'))));
    EXPECT_EQ(wholeCents(12.3f), 1230);
    EXPECT_EQ(centsText(0), "0.00");
    EXPECT_EQ(centsText(-5), "-0.05");
}

TEST(QuickButtons, AmountsFollowTheTotal)
{
    auto shown = [](double total) {
        QuickAmounts a = quickButtonAmounts(total);
        return cformat("%.2f %.2f %.2f", a.five, a.ten, a.fifty);
    };
    EXPECT_EQ(shown(12.30f), "15.00 20.00 50.00");
    EXPECT_EQ(shown(15.00), "20.00 30.00 100.00");
    EXPECT_EQ(shown(8.00), "10.00 20.00 50.00");
    EXPECT_EQ(shown(42.00), "45.00 50.00 100.00");
    EXPECT_EQ(shown(3.00), "5.00 10.00 20.00");
    EXPECT_EQ(shown(5.00), "5.00 10.00 20.00");
    EXPECT_EQ(shown(5.01), "10.00 20.00 50.00");
}

TEST(ChangeBox, ShortIsEmptyExactIsZeroOverShowsChange)
{
    EXPECT_FALSE(changeDisplay(12.59, "1258").enough);
    EXPECT_EQ(changeDisplay(12.59, "1258").text, "");
    EXPECT_FALSE(changeDisplay(12.59, "").enough);
    EXPECT_EQ(changeDisplay(12.59f, "1259").text, "0.00");
    EXPECT_TRUE(changeDisplay(12.59f, "1259").enough);
    EXPECT_EQ(changeDisplay(12.59f, "2000").text, "7.41");
}

TEST(AutomaticDocument, TheStoredAutoReceiptNumberIsItsDocument)
{
    struct Case {
        int32_t stored;
        std::optional<PrintDocument> document;
    };
    const Case cases[] = {
        { 0, std::nullopt }, // "None"
        { 1, PrintDocument::StandardReceipt }, // "Till receipt"
        { 2, PrintDocument::StandardInvoice },
        { 3, PrintDocument::CustomInvoice }, // "Invoice 2"
        { 4, PrintDocument::CustomReceipt },
        { 5, std::nullopt }, // damaged: nothing prints by itself
        { -1, std::nullopt },
    };
    TillConfig config;
    config.set(cfg::receiptCopies, 2);
    for (const Case &c : cases) {
        config.set(cfg::autoReceipt, c.stored);
        const std::optional<AutomaticDocument> automatic = automaticDocument(config);
        ASSERT_EQ(automatic.has_value(), c.document.has_value()) << c.stored;
        if (automatic) {
            EXPECT_EQ(automatic->document, *c.document) << c.stored;
            EXPECT_EQ(automatic->passes, 3) << c.stored;
        }
    }
}

TEST_F(PaymentTest, CashIsArchivedBeforeTheDevicesRun)
{
    shop.state.config.set(cfg::drawerInUse, 1);
    shop.state.config.set(cfg::poleInUse, 1);
    ASSERT_TRUE(payment.startCash());
    EXPECT_TRUE(payment.tenderOpen());
    EXPECT_FALSE(payment.startCash()); // a second press opens nothing
    EXPECT_DOUBLE_EQ(payment.amountDue(), 12.59);
    EXPECT_DOUBLE_EQ(payment.quickAmounts().five, 15.00);

    EXPECT_EQ(payment.cashOk("1000"), PaymentResult::NotPaid);
    EXPECT_EQ(messages.lastText(), "Less than total");
    EXPECT_EQ(payment.quickButton(10.00), PaymentResult::NotPaid);
    EXPECT_TRUE(payment.tenderOpen());
    EXPECT_EQ(payment.cashOk("2000"), PaymentResult::Archived);

    EXPECT_FALSE(payment.tenderOpen());
    EXPECT_EQ(basket.lineCount, 0);
    EXPECT_EQ(devices.calls,
        (std::vector<std::string> { "total 12.59", "drawer", "pole 20.00 7.41", "summary" }));
    EXPECT_EQ(devices.summaryNumber, 41);
    EXPECT_DOUBLE_EQ(devices.summaryTender.change, 7.41);
    ASSERT_EQ(archiveAtSummary.size(), 1u);
    EXPECT_EQ(archiveAtSummary[0].number, 41);

    const ReadTransaction sale = sales().at(0);
    EXPECT_EQ(sale.paymentType, "Cash");
    EXPECT_FLOAT_EQ(sale.cashPart, 12.59f);
    EXPECT_EQ(sale.eftPart + sale.chequePart + sale.cashBack, 0.0f);
    EXPECT_EQ(sale.time, "10:20");
    EXPECT_EQ(sale.clerk, 2);
}

TEST_F(PaymentTest, ExactAmountAndQuickButtonsGiveTheirChange)
{
    ASSERT_TRUE(payment.startCash());
    EXPECT_EQ(payment.exactAmount(), PaymentResult::Archived);
    EXPECT_DOUBLE_EQ(payment.lastTender().tendered, 12.59);
    EXPECT_DOUBLE_EQ(payment.lastTender().change, 0);

    basket = shop.basket();
    ASSERT_TRUE(payment.startCash());
    EXPECT_EQ(payment.quickButton(payment.quickAmounts().ten), PaymentResult::Archived);
    EXPECT_DOUBLE_EQ(payment.lastTender().tendered, 20.00);
    EXPECT_DOUBLE_EQ(payment.lastTender().change, 7.41);
    EXPECT_EQ(sales().size(), 2u);
}

TEST_F(PaymentTest, EmptyBasketAsksForItems)
{
    Basket empty {};
    Payment nothing(shop.state, empty, messages, devices);
    EXPECT_FALSE(nothing.startCash());
    EXPECT_EQ(messages.lastText(), "Please select items");
    EXPECT_EQ(nothing.payCheque(), PaymentResult::NotPaid);
    ScriptedPrompts prompts;
    EXPECT_EQ(nothing.payByCustomer(prompts), PaymentResult::NotPaid);
    EXPECT_EQ(messages.lastText(), "Please first select the items");
    EXPECT_EQ(messages.lastCaption(), "Payment by customer credit");
    EXPECT_TRUE(devices.calls.empty());
}

TEST_F(PaymentTest, SplitCashAndCard)
{
    ASSERT_TRUE(payment.startSplit());
    EXPECT_EQ(payment.splitRemainder("500"), "7.59");
    EXPECT_EQ(payment.splitRemainder("1259"), "");
    EXPECT_FALSE(payment.splitOk("1300", false));
    EXPECT_EQ(messages.lastText(), "Cash exceeds total");
    ASSERT_TRUE(payment.splitOk("500", false));
    EXPECT_TRUE(payment.splitting());
    EXPECT_DOUBLE_EQ(payment.amountDue(), 5.00);
    EXPECT_DOUBLE_EQ(payment.quickAmounts().fifty, 20.00); // fixed for a split
    EXPECT_EQ(payment.cashOk("400"), PaymentResult::NotPaid);
    EXPECT_EQ(payment.cashOk("500"), PaymentResult::Archived);
    EXPECT_DOUBLE_EQ(payment.lastTender().tendered, 12.59);
    EXPECT_DOUBLE_EQ(payment.lastTender().change, 0);

    const ReadTransaction sale = sales().at(0);
    EXPECT_EQ(sale.paymentType, "Split");
    EXPECT_FLOAT_EQ(sale.cashPart, 5.00f);
    EXPECT_FLOAT_EQ(sale.eftPart, 7.59f);
    EXPECT_EQ(sale.chequePart, 0.0f);
    EXPECT_NE(shop.file("bun4.dat").find("Cash: 5.00  CH: 0.00  EFT: 7.59"), std::string::npos);
}

// The cash box of a split counts the other part as tendered only on OK; the
// summary box and the pole display show the same figures.
TEST_F(PaymentTest, SplitExactAndQuickCountTheCashAloneOkCountsTheWholeSale)
{
    const struct {
        const char *button;
        double tendered;
        double change;
    } cases[] = {
        { "exact", 5.00, 0.00 },
        { "quick", 10.00, 5.00 },
        { "ok", 13.59, 1.00 }, // 6.00 cash + 7.59 EFT
    };
    shop.state.config.set(cfg::poleInUse, 2);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.button);
        basket = shop.basket();
        devices.calls.clear();
        ASSERT_TRUE(payment.startSplit());
        ASSERT_TRUE(payment.splitOk("500", false));
        const std::string button = c.button;
        const PaymentResult result = button == "exact" ? payment.exactAmount()
            : button == "quick"                         ? payment.quickButton(10.00)
                                                        : payment.cashOk("600");
        ASSERT_EQ(result, PaymentResult::Archived);
        EXPECT_DOUBLE_EQ(payment.lastTender().tendered, c.tendered);
        EXPECT_DOUBLE_EQ(payment.lastTender().change, c.change);
        EXPECT_DOUBLE_EQ(devices.summaryTender.tendered, c.tendered);
        EXPECT_EQ(devices.calls.back(), "summary");
        EXPECT_NE(std::find(devices.calls.begin(), devices.calls.end(),
                      cformat("pole %.2f %.2f", c.tendered, c.change)),
            devices.calls.end());
        const ReadTransaction sale = sales().back();
        EXPECT_FLOAT_EQ(sale.cashPart, 5.00f);
        EXPECT_FLOAT_EQ(sale.eftPart, 7.59f);
    }
}

TEST_F(PaymentTest, CancelledSplitLeavesNoPartsForTheNextSale)
{
    ASSERT_TRUE(payment.startSplit());
    ASSERT_TRUE(payment.splitOk("300", true));
    payment.cancelTender();
    EXPECT_FALSE(payment.tenderOpen());
    EXPECT_EQ(basket.total(BasketTotal::ChequePart), 0.0f);
    EXPECT_EQ(basket.lineCount, 5);

    // Parts left by any earlier payment go too.
    basket.setTotal(BasketTotal::EftPart, 3.0f);
    basket.setTotal(BasketTotal::CashBack, 20.0f);
    ASSERT_TRUE(payment.startCash());
    ASSERT_EQ(payment.exactAmount(), PaymentResult::Archived);
    const ReadTransaction sale = sales().at(0);
    EXPECT_EQ(sale.paymentType, "Cash");
    EXPECT_FLOAT_EQ(sale.cashPart, 12.59f);
    EXPECT_EQ(sale.chequePart + sale.eftPart + sale.cashBack, 0.0f);
}

TEST_F(PaymentTest, ChequeFinishesAtOnce)
{
    EXPECT_EQ(payment.payCheque(), PaymentResult::Archived);
    const ReadTransaction sale = sales().at(0);
    EXPECT_EQ(sale.paymentType, "CH");
    EXPECT_FLOAT_EQ(sale.chequePart, 12.59f);
    EXPECT_EQ(sale.cashPart + sale.eftPart, 0.0f);
    EXPECT_DOUBLE_EQ(payment.lastTender().tendered, 12.59);
}

TEST_F(PaymentTest, CardCashBackAboveOneHundredIsConfirmed)
{
    ScriptedPrompts prompts;
    prompts.card = CardChoice::PaymentPlusCashback;
    prompts.cashBackText = "150";
    messages.answers = { Answer::No };
    EXPECT_EQ(payment.payCard(prompts), PaymentResult::NotPaid);
    EXPECT_EQ(messages.lastText(), "150");
    EXPECT_EQ(messages.lastCaption(), "Please confirm");
    EXPECT_TRUE(sales().empty());
    EXPECT_EQ(shop.state.config.get(cfg::cashBack), 0.0);
    EXPECT_EQ(basket.total(BasketTotal::CashBack), 0.0f);

    messages.answers = { Answer::Yes };
    EXPECT_EQ(payment.payCard(prompts), PaymentResult::Archived);
    const ReadTransaction sale = sales().at(0);
    EXPECT_EQ(sale.paymentType, "EFT");
    EXPECT_FLOAT_EQ(sale.eftPart, 12.59f);
    EXPECT_FLOAT_EQ(sale.cashBack, 150.0f);
    EXPECT_EQ(sale.cashPart, 0.0f);
    EXPECT_DOUBLE_EQ(shop.state.config.get(cfg::cashBack), 150.0);
    EXPECT_DOUBLE_EQ(getF64(shop.file("wr.cfg"), 41830), 150.0);

    basket = shop.basket();
    prompts.card = CardChoice::Cancel;
    EXPECT_EQ(payment.payCard(prompts), PaymentResult::NotPaid);
    EXPECT_EQ(basket.lineCount, 5);
}

TEST_F(PaymentTest, ClerkKeptFromCashBackPaysWithoutTheChoice)
{
    shop.state.config.set(cfg::currentClerk, 5);
    shop.state.config.set(cfg::userControl, static_cast<size_t>(UserControlItem::Cashback), 1);
    ScriptedPrompts prompts;
    prompts.card = CardChoice::PaymentPlusCashback;
    prompts.cashBackText = "20";
    EXPECT_EQ(payment.payCard(prompts), PaymentResult::Archived);
    EXPECT_EQ(prompts.cardAsked, 0);
    EXPECT_EQ(sales().at(0).cashBack, 0.0f);
    EXPECT_EQ(sales().at(0).clerk, 5);
}

TEST_F(PaymentTest, CustomerWhoPaysNoTaxIsChargedWithoutTax)
{
    const int64_t slot = addCustomer(77, 50.0f, 2000.0f, 0);
    messages.textReplies = { std::string("77") };
    ScriptedPrompts prompts;
    EXPECT_EQ(payment.payByCustomer(prompts), PaymentResult::Archived);

    ASSERT_TRUE(prompts.shownView.has_value());
    EXPECT_FALSE(prompts.shownView->showTaxes);
    EXPECT_DOUBLE_EQ(prompts.shownView->thisTransaction, 11.19);
    EXPECT_DOUBLE_EQ(prompts.shownView->balanceAfter, 61.19);
    EXPECT_EQ(prompts.shownView->transactionNumber, 41);

    const ReadTransaction sale = sales().at(0);
    EXPECT_EQ(sale.paymentType, "Credit");
    EXPECT_EQ(sale.customer, 77);
    EXPECT_EQ(sale.customerName, "SMITH");
    EXPECT_FLOAT_EQ(sale.total, 11.19f);
    EXPECT_EQ(sale.taxOne + sale.taxTwo + sale.taxable, 0.0f);
    EXPECT_FLOAT_EQ(sale.nonTaxable, 11.19f);
    EXPECT_EQ(sale.cashPart + sale.eftPart + sale.chequePart, 0.0f);
    EXPECT_FLOAT_EQ(sale.balanceBefore, 50.0f);
    EXPECT_FLOAT_EQ(sale.balanceAfter, 61.19f);
    for (const ReadLine &line : readLineBytes(shop.file("2026/3/5/itemslog.dat"))) {
        EXPECT_EQ(line.taxOne + line.taxable, 0.0f) << line.description;
        EXPECT_FLOAT_EQ(line.total, line.nonTaxable) << line.description;
    }

    const std::string record
        = shop.file("member.dat").substr(static_cast<size_t>(slot) * 2094, 2094);
    EXPECT_FLOAT_EQ(getF32(record, 1554), 61.19f); // balance
    EXPECT_EQ(getI32(record, 1578), 5); // transactions
    EXPECT_EQ(getI32(record, 1010), 41); // last transaction
    EXPECT_FLOAT_EQ(getF32(record, 1094), 111.19f); // total purchases
    EXPECT_EQ(getText(record, 1122, 16), "10:2005/03/2026");
}

TEST_F(PaymentTest, CustomerSettlingInCashKeepsTheBalance)
{
    const int64_t slot = addCustomer(78, 50.0f, 2000.0f, 1);
    messages.textReplies = { std::string("78") };
    ScriptedPrompts prompts;
    prompts.code = CustomerPaymentCode::Cash;
    EXPECT_EQ(payment.payByCustomer(prompts), PaymentResult::Archived);
    const ReadTransaction sale = sales().at(0);
    EXPECT_EQ(sale.paymentType, "Cash");
    EXPECT_FLOAT_EQ(sale.cashPart, 12.59f);
    EXPECT_FLOAT_EQ(sale.taxOne, 1.40f);
    EXPECT_FLOAT_EQ(sale.balanceBefore, 50.0f);
    EXPECT_EQ(sale.balanceAfter, 0.0f);
    const std::string record
        = shop.file("member.dat").substr(static_cast<size_t>(slot) * 2094, 2094);
    EXPECT_FLOAT_EQ(getF32(record, 1554), 50.0f);
    EXPECT_EQ(getI32(record, 1578), 5);
}

TEST_F(PaymentTest, CreditLimitWarnsAndCancelChangesNothing)
{
    addCustomer(79, 1995.0f, 2000.0f, 0);
    const Basket before = basket;
    const std::string member = shop.file("member.dat");
    messages.textReplies = { std::string("79") };
    messages.answers = { Answer::Cancel };
    ScriptedPrompts prompts;
    EXPECT_EQ(payment.payByCustomer(prompts), PaymentResult::NotPaid);
    EXPECT_EQ(messages.lastText(), "Exceeded");
    EXPECT_EQ(messages.lastCaption(), "Credit limit");
    EXPECT_FALSE(prompts.shownView.has_value());

    // Past the warning, the dialog's Cancel leaves the basket as it was.
    messages.textReplies = { std::string("79") };
    messages.answers = { Answer::Ok };
    prompts.code = CustomerPaymentCode::Cancel;
    EXPECT_EQ(payment.payByCustomer(prompts), PaymentResult::NotPaid);
    EXPECT_EQ(std::memcmp(&before, &basket, sizeof(Basket)), 0);
    EXPECT_EQ(shop.file("member.dat"), member);
    EXPECT_TRUE(sales().empty());
}

TEST_F(PaymentTest, SummarySwitchedOffPrintsTheChosenDocument)
{
    shop.state.config.set(cfg::noSummaryBox, 1);
    shop.state.config.set(cfg::autoReceipt, 1);
    shop.state.config.set(cfg::receiptCopies, 1);
    shop.state.config.set(cfg::kitchenReceipt, 2);
    EXPECT_EQ(payment.payCheque(), PaymentResult::Archived);
    EXPECT_EQ(devices.calls, (std::vector<std::string> { "print 1 1", "print 1 1", "print 6 0" }));
}

TEST_F(PaymentTest, SaleTheArchiveRefusesRunsNoDeviceAndKeepsTheBasket)
{
    std::remove(shop.temp.file("wr.cfg").c_str());
    ASSERT_EQ(mkdir(shop.temp.file("wr.cfg").c_str(), 0700), 0);
    const Basket before = basket;
    ScriptedPrompts prompts;
    prompts.card = CardChoice::PaymentPlusCashback;
    prompts.cashBackText = "20";
    EXPECT_EQ(payment.payCard(prompts), PaymentResult::NotArchived);
    EXPECT_TRUE(devices.calls.empty());
    EXPECT_EQ(shop.state.config.get(cfg::cashBack), 0.0);
    EXPECT_EQ(std::memcmp(&before, &basket, sizeof(Basket)), 0);
    EXPECT_TRUE(sales().empty());
}
