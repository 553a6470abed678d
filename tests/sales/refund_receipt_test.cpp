// The refund receipt as it prints: the five-line basket refunded in cash, the
// archived copy the refund hands to the printer drawn on the standard receipt.

#include "platform/scripted_messages.h"
#include "print/logic/receipt.h"
#include "print/logic/recording_print_device.h"
#include "sales/logic/sale_devices.h"
#include "sales/refund_fixture.h"
#include "store/receipt_words.h"
#include "store/store_heading.h"
#include "support/golden_page.h"

#include <gtest/gtest.h>

using namespace ovix;
using namespace ovix::test;

namespace {

// Keeps what the refund sends to the printer.
class CapturingDevices : public SaleDevices {
public:
    void openDrawer() override
    {
    }
    void poleShowTotal(double) override
    {
    }
    void poleShowTenderAndChange(double, double) override
    {
    }
    void showSummary(const Basket &, const Tender &) override
    {
    }
    void printDocument(
        PrintDocument document, const Basket &archived, const Tender &given, bool) override
    {
        documents.push_back(document);
        printed = archived;
        tender = given;
    }

    std::vector<PrintDocument> documents;
    Basket printed {};
    Tender tender;
};

} // namespace

TEST(RefundReceipt, PrintsTheRefundLabelTheNegatedTotalsAndNoChange)
{
    FixedClock clock(kSaleTime);
    RefundShop shop;
    Basket basket = shop.basket();
    ScriptedMessages messages;
    CapturingDevices devices;
    ScriptedRefundPrompts prompts;
    prompts.choice = refundIn(RefundForm::Cash, false, true);
    ASSERT_EQ(refundBasket(shop.state, basket, messages, devices, prompts), RefundResult::Refunded);
    ASSERT_EQ(devices.documents, (std::vector<PrintDocument> { PrintDocument::StandardReceipt }));
    EXPECT_DOUBLE_EQ(devices.tender.tendered, -12.59);
    EXPECT_EQ(devices.tender.change, 0);

    TillConfig &config = shop.state.config;
    config.setText(cfg::currencySymbol, "$");
    config.setText(cfg::taxOneName, "VAT");
    config.setText(cfg::receiptMessage, "Always happy to help!");
    ReceiptWords words;
    loadDefaultReceiptWords(words, 0);
    const StoreHeading heading = StoreHeading::sample();
    const ReceiptData data { devices.printed, devices.tender.tendered, devices.tender.change,
        config, heading, words, config.clerkName(2), "" };
    RecordingPrintDevice device;
    printReceipt(device, ReceiptKind::Standard, data, messages);
    EXPECT_TRUE(matchesGoldenPage(device.transcript(), "print/data/refund_receipt.txt"));
}
