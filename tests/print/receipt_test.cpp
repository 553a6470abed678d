#include "platform/scripted_messages.h"
#include "print/logic/receipt.h"
#include "store/receipt_words.h"
#include "print/logic/recording_print_device.h"
#include "store/store_heading.h"
#include "store/till_config.h"
#include "support/code39_reader.h"
#include "support/receipt_fixture.h"
#include "support/test_support.h"
#include "sales/logic/basket.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace ovix {
namespace {

constexpr int kLine = 400; // the recording device's line height

// The receipt shop of the support fixtures, a recording roll printer and
// the line each text was drawn on.
class ReceiptTest : public ::testing::Test, protected test::ReceiptShop {
protected:
    RecordingPrintDevice &print(ReceiptKind kind)
    {
        printReceipt(device, kind, data(), messages);
        return device;
    }

    // The line number a text was drawn on; -1 when it was not drawn.
    int lineOf(std::string_view text) const
    {
        for (const PrintOperation &operation : device.operations()) {
            if (operation.kind == PrintOperation::Kind::Text && operation.text == text)
                return operation.y / kLine;
        }
        return -1;
    }
    const PrintOperation *operationOf(std::string_view text) const
    {
        for (const PrintOperation &operation : device.operations()) {
            if (operation.text == text)
                return &operation;
        }
        return nullptr;
    }
    bool printed(std::string_view text) const { return lineOf(text) >= 0; }

    RecordingPrintDevice device;
    ScriptedMessages messages;
};

using test::bitmapHeader;

// The standard receipt's header lines and the folding of identical lines are
// checked whole by the golden page of receipt_golden_test.cpp.

TEST_F(ReceiptTest, CentredItemsAndTwentyCharacterLimitOnBothForms)
{
    addLine(11, "Apples", 1.50f);
    addLine(11, "Apples", 1.50f);
    addLine(13, "Extra large chocolate fudge cake", 9.99f);
    config.set(cfg::standardItemsCentred, 2);
    config.set(cfg::customItemsCentred, 2);
    config.set(cfg::limitDescription, 2);
    print(ReceiptKind::Standard);
    EXPECT_EQ(lineOf("2 Apples, 3.00"), 12);
    EXPECT_EQ(lineOf("Extra large chocolat, 9.99"), 13);
    EXPECT_EQ(operationOf("2 Apples, 3.00")->align, TextAlign::Centre);
    EXPECT_EQ(operationOf("2 Apples, 3.00")->x, 3600);

    device = RecordingPrintDevice();
    print(ReceiptKind::Custom);
    EXPECT_TRUE(printed("Extra large chocolat, 9.99"));

    config.set(cfg::limitDescription, 0);
    device = RecordingPrintDevice();
    print(ReceiptKind::Custom);
    EXPECT_TRUE(printed("Extra large chocolate fudge cake, 9.99"));
}

TEST_F(ReceiptTest, TaxIncludedPrintsRatesAfterPaymentWithoutSubtotal)
{
    addLine(11, "Wine", 11.75f, true);
    sale.setTotal(BasketTotal::Taxable, 10.00f);
    sale.setTotal(BasketTotal::Subtotal, 10.00f);
    sale.setTotal(BasketTotal::TaxOne, 1.75f);
    sale.setTotal(BasketTotal::Total, 11.75f);
    sale.setTotal(BasketTotal::CashPart, 11.75f);
    change = 8.25;
    print(ReceiptKind::Standard);

    EXPECT_EQ(lineOf("11.75"), 12);
    EXPECT_FALSE(printed("Sub total: 10.00"));
    EXPECT_EQ(lineOf("Total: $11.75"), 14);
    EXPECT_EQ(lineOf("Payment: Cash"), 17);
    EXPECT_EQ(lineOf("Cash change: 8.25"), 18);
    EXPECT_EQ(lineOf("VAT: 1.75 (17.50%)"), 19);
    EXPECT_EQ(lineOf("Always happy to help!"), 21);
    EXPECT_EQ(lineOf("  "), 22);
}

TEST_F(ReceiptTest, TaxExclusiveListsPricesBeforeTaxWithSubtotalAndTaxes)
{
    config.set(cfg::standardReceiptExclusiveOfTax, 2);
    addLine(11, "Wine", 11.75f, true);
    sale.setTotal(BasketTotal::Subtotal, 10.00f);
    sale.setTotal(BasketTotal::TaxOne, 1.75f);
    sale.setTotal(BasketTotal::TaxTwo, 0.25f);
    sale.setTotal(BasketTotal::Total, 12.00f);
    print(ReceiptKind::Standard);

    EXPECT_EQ(lineOf("10.00"), 12);
    EXPECT_EQ(lineOf("Sub total: 10.00"), 14);
    EXPECT_EQ(lineOf("VAT: 1.75"), 15);
    EXPECT_EQ(lineOf("CITY: 0.25"), 16);
    EXPECT_EQ(lineOf("Total: $12.00"), 17);
    EXPECT_FALSE(printed("VAT: 1.75 (17.50%)"));
}

TEST_F(ReceiptTest, DiscountWithoutTaxPrintsSubtotalAndBracketedDiscount)
{
    addLine(11, "Shirt", 20.00f);
    sale.setTotal(BasketTotal::Subtotal, 20.00f);
    sale.setTotal(BasketTotal::Discount, 2.00f);
    sale.setTotal(BasketTotal::Total, 18.00f);
    print(ReceiptKind::Standard);
    EXPECT_EQ(lineOf("Sub total: 20.00"), 14);
    EXPECT_EQ(lineOf("Discount: (2.00)"), 15);
    EXPECT_EQ(lineOf("Total: $18.00"), 16);

    device = RecordingPrintDevice();
    print(ReceiptKind::Custom);
    EXPECT_EQ(lineOf("(Discount: 2.00)"), 3); // first line after the one item
    EXPECT_EQ(operationOf("(Discount: 2.00)")->align, TextAlign::Left);
}

TEST_F(ReceiptTest, RefundPrintsRefundLabelAndNeverTheChange)
{
    addLine(11, "Shirt", -20.00f);
    std::strcpy(sale.paymentType, "Refund");
    change = 5;
    config.set(cfg::customReceiptLines, size_t(ReceiptField::Receipt), 1);
    config.set(cfg::customReceiptLines, size_t(ReceiptField::CashChange), 2);
    print(ReceiptKind::Standard);
    EXPECT_TRUE(printed("Refund: 7"));
    EXPECT_FALSE(printed("Receipt: 7"));
    EXPECT_FALSE(printed("Cash change: 5.00"));

    device = RecordingPrintDevice();
    print(ReceiptKind::Custom);
    EXPECT_TRUE(printed("Refund: 7"));
    EXPECT_FALSE(printed("Cash change: 5.00"));
}

TEST_F(ReceiptTest, PaymentLineFollowsTheTenderParts)
{
    const auto payment = [this] { return paymentTypeText(data()); };
    EXPECT_EQ(payment(), "Payment: Cash");
    sale.setTotal(BasketTotal::EftPart, 50.00f);
    EXPECT_EQ(payment(), "Payment: EFT");
    sale.setTotal(BasketTotal::CashBack, 20.00f);
    EXPECT_EQ(payment(), "Payment: EFT (CB: 20.00)");
    sale.setTotal(BasketTotal::CashPart, 10.00f);
    EXPECT_EQ(payment(), "Payment: EFT with cash");

    clearBasket(sale);
    sale.setTotal(BasketTotal::ChequePart, 10.00f);
    EXPECT_EQ(payment(), "Payment: Cheque");
    sale.setTotal(BasketTotal::CashPart, 5.00f);
    EXPECT_EQ(payment(), "Payment: CH with cash");

    clearBasket(sale);
    std::strcpy(sale.paymentType, "Credit");
    EXPECT_EQ(payment(), "Payment: Credit");
}

TEST_F(ReceiptTest, CustomWithOnlyTheDateStartsItemsTwoLinesBelow)
{
    addLine(11, "Apples", 1.50f);
    print(ReceiptKind::Custom);
    EXPECT_EQ(lineOf("14:05  08/12/2026"), 0);
    EXPECT_EQ(lineOf("Apples"), 2);
    EXPECT_EQ(operationOf("Apples")->x, 250); // 20 dots at 203 dpi
    EXPECT_EQ(operationOf("1.50")->x, 7200 - 250);
    EXPECT_FALSE(printed("YOUR SHOP NAME"));
    // "Blank lines at end" at its first entry: one line of blanks.
    const auto texts = device.texts();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "  "), 1);
    EXPECT_EQ(lineOf("  "), 5);
}

TEST_F(ReceiptTest, CustomLayoutPlacesHeaderAndFooterFieldsByTheirLines)
{
    addLine(11, "Apples", 1.50f);
    addLine(12, "Stamps", 0.60f);
    config.set(cfg::customReceiptLines, size_t(ReceiptField::StoreName), 1);
    config.set(cfg::customReceiptLines, size_t(ReceiptField::Date), 3);
    config.set(cfg::customReceiptLines, size_t(ReceiptField::CustomerName), 9);
    config.set(cfg::customReceiptLines, size_t(ReceiptField::Total), 2);
    config.set(cfg::customReceiptLines, size_t(ReceiptField::ByLine), 4);
    config.set(cfg::customReceiptLines, size_t(ReceiptField::StoreTelephone), 99); // damaged
    config.set(cfg::customReceiptPaymentTypeLine, 3);
    config.set(cfg::customReceiptNoteLine, 6);
    config.set(cfg::customReceiptBlankLines, 2);
    std::strcpy(sale.customerName, "J. Smith"); // no customer number: not printed
    std::strcpy(sale.transactionNote, "Deliver Friday");
    sale.setTotal(BasketTotal::Total, 2.10f);
    print(ReceiptKind::Custom);

    EXPECT_EQ(lineOf("YOUR SHOP NAME"), 1);
    EXPECT_EQ(lineOf("14:05  08/12/2026"), 3);
    EXPECT_FALSE(printed("J. Smith"));
    EXPECT_FALSE(printed("TEL 0000 000000"));
    EXPECT_EQ(lineOf("Apples"), 5);
    EXPECT_EQ(lineOf("Stamps"), 6);
    EXPECT_EQ(lineOf("Total: $2.10"), 9);
    EXPECT_EQ(lineOf("Payment: Cash"), 10);
    EXPECT_EQ(lineOf("Always happy to help!"), 11);
    EXPECT_EQ(lineOf("Deliver Friday"), 13);
    const auto texts = device.texts();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "  "), 3);
    EXPECT_EQ(lineOf("  "), 15);

    sale.customerNumber = 42;
    device = RecordingPrintDevice();
    print(ReceiptKind::Custom);
    EXPECT_EQ(lineOf("J. Smith"), 9);
    EXPECT_EQ(lineOf("Apples"), 11);
}

TEST_F(ReceiptTest, CustomMarksTaxExemptLinesAndShowsSecondCurrency)
{
    addLine(11, "Bread", 1.00f);
    addLine(11, "Bread", 1.00f);
    addLine(12, "Wine", 11.75f, true);
    sale.setTotal(BasketTotal::Total, 13.75f);
    config.set(cfg::customReceiptMarkExempt, 2);
    config.set(cfg::customReceiptExcludingTax, 2);
    config.set(cfg::customReceiptLines, size_t(ReceiptField::Total), 1);
    config.set(cfg::customReceiptSecondCurrency, 2);
    config.set(cfg::secondCurrencyOn, 2);
    config.set(cfg::conversionRate, 1.2);
    config.setText(cfg::secondCurrencySymbol, "E");
    print(ReceiptKind::Custom);
    EXPECT_TRUE(printed("2 @ 1.00"));
    EXPECT_TRUE(printed("E  2.00"));
    EXPECT_TRUE(printed("10.00")); // before tax, not exempt
    EXPECT_TRUE(printed("Total $13.75  E16.50"));

    config.set(cfg::customItemsCentred, 2);
    config.set(cfg::conversionRate, 0.0);
    device = RecordingPrintDevice();
    print(ReceiptKind::Custom);
    EXPECT_TRUE(printed("2 Bread, E  2.00"));
    EXPECT_TRUE(printed("Wine, 10.00"));
    EXPECT_TRUE(printed("Total: $13.75"));

    // The standard receipt never shows the second currency.
    device = RecordingPrintDevice();
    print(ReceiptKind::Standard);
    EXPECT_TRUE(printed("Total: $13.75"));
}

TEST_F(ReceiptTest, BarcodeOfTransactionSevenReadsZeroZeroZeroSeven)
{
    addLine(11, "Apples", 1.50f);
    config.set(cfg::standardReceiptBarcode, 2);
    print(ReceiptKind::Standard);
    const auto bars = device.operationsOf(PrintOperation::Kind::Rect);
    ASSERT_FALSE(bars.empty());
    // Footer on line 19, the barcode's line 20, bars two lines lower.
    EXPECT_EQ(lineOf("Always happy to help!"), 19);
    EXPECT_EQ(bars.front().y, 22 * kLine);
    std::vector<bool> row;
    for (const PrintOperation &bar : bars) {
        row.resize(std::max<size_t>(row.size(), size_t(bar.x + bar.width)), false);
        std::fill(row.begin() + bar.x, row.begin() + bar.x + bar.width, true);
    }
    EXPECT_EQ(test::readCode39Row(row), "*0007*");
    EXPECT_FALSE(printed("  "));

    config.set(cfg::customReceiptBarcode, 2);
    device = RecordingPrintDevice();
    print(ReceiptKind::Custom);
    ASSERT_FALSE(device.operationsOf(PrintOperation::Kind::Rect).empty());
    EXPECT_EQ(device.operationsOf(PrintOperation::Kind::Rect).front().y, (3 + 2 + 2) * kLine);
}

TEST_F(ReceiptTest, PrinterWithoutResolutionLosesOnlyTheBarcode)
{
    RecordingPageSetup setup;
    setup.dotsPerInch = 0;
    device = RecordingPrintDevice(setup);
    addLine(11, "Apples", 1.50f);
    config.set(cfg::standardReceiptBarcode, 2);
    print(ReceiptKind::Standard);
    EXPECT_TRUE(device.operationsOf(PrintOperation::Kind::Rect).empty());
    EXPECT_EQ(messages.lastText(), "Unable to get printer");
    EXPECT_TRUE(printed("Always happy to help!"));
}

TEST_F(ReceiptTest, LogoPushesTheHeaderDownAndABrokenOneIsSkippedSilently)
{
    addLine(11, "Apples", 1.50f);
    config.set(cfg::standardReceiptLogo, 2);
    logo = bitmapHeader(200, 100);
    print(ReceiptKind::Standard);
    const auto images = device.operationsOf(PrintOperation::Kind::Image);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].width, 3600);
    EXPECT_EQ(images[0].height, 1800);
    EXPECT_EQ(images[0].x, 1800);
    // (1800 + 20 dots) / 400 = 5 lines of logo.
    EXPECT_EQ(lineOf("YOUR SHOP NAME"), 6);

    config.set(cfg::printToPageWidth, 2);
    device = RecordingPrintDevice();
    print(ReceiptKind::Standard);
    EXPECT_EQ(device.operationsOf(PrintOperation::Kind::Image).at(0).width, 7200);
    EXPECT_EQ(device.operationsOf(PrintOperation::Kind::Image).at(0).x, 0);

    for (const std::string &broken : { std::string(), std::string("BM\x01"),
             bitmapHeader(0, 100), std::string("not a picture at all, just text....") }) {
        logo = broken;
        device = RecordingPrintDevice();
        print(ReceiptKind::Standard);
        EXPECT_TRUE(device.operationsOf(PrintOperation::Kind::Image).empty());
        EXPECT_EQ(lineOf("YOUR SHOP NAME"), 1);
        EXPECT_TRUE(printed("Always happy to help!"));
    }
    EXPECT_TRUE(messages.shown.empty());

    // The custom receipt's logo flag is stored the other way round.
    logo = bitmapHeader(200, 100);
    config.set(cfg::customReceiptLogoOmitted, 2);
    device = RecordingPrintDevice();
    print(ReceiptKind::Custom);
    EXPECT_TRUE(device.operationsOf(PrintOperation::Kind::Image).empty());
}

TEST_F(ReceiptTest, RefusedFontIsReportedAndTheReceiptStillPrints)
{
    addLine(11, "Apples", 1.50f);
    config.set(cfg::forceTenPointFont, 2);
    device.refuseFont({ PrintFont::Kind::Arial10 });
    print(ReceiptKind::Standard);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Unable set font");
    EXPECT_EQ(messages.shown[0].caption, "Problem");
    EXPECT_TRUE(printed("Apples"));
}

TEST_F(ReceiptTest, WrappedFooterMovesTheEndDownByItsHeight)
{
    // The footer starts on line 19; what follows it sits on the line after
    // the footer's height in lines, so a one-line footer is followed at once
    // and a longer one after a blank line.
    const struct {
        const char *footer;
        int lines;
        int next;
    } cases[] = {
        { "Always happy to help!", 1, 20 },
        { "Thank you for shopping with us. Goods may be returned within 28 days.", 2, 22 },
        { "Thank you for shopping with us. Goods may be returned within 28 days with "
          "this receipt. Opening hours: nine to five, Monday to Saturday.",
            3, 23 },
    };
    addLine(11, "Apples", 1.50f);
    config.set(cfg::wordWrap, 2);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.footer);
        device = RecordingPrintDevice();
        config.setText(cfg::receiptMessage, c.footer);
        print(ReceiptKind::Standard);
        const auto wrapped = device.operationsOf(PrintOperation::Kind::WrappedText);
        ASSERT_EQ(wrapped.size(), 1u);
        EXPECT_EQ(wrapped[0].y, 19 * kLine);
        EXPECT_EQ(wrapped[0].width, 7200);
        ASSERT_EQ(int(device.wrapLines(wrapped[0].text, 7200).size()), c.lines);
        EXPECT_EQ(lineOf("  "), c.next);
    }
}

} // namespace
} // namespace ovix
