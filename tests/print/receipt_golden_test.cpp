// Whole receipts compared with their reviewed transcripts in tests/print/data/
// (see support/golden_page.h for how to regenerate and review them).

#include "platform/scripted_messages.h"
#include "print/logic/receipt.h"
#include "print/logic/recording_print_device.h"
#include "support/golden_page.h"
#include "support/receipt_fixture.h"

#include <gtest/gtest.h>

#include <cstring>

namespace ovix {
namespace {

class ReceiptGoldenPage : public ::testing::Test, protected test::ReceiptShop {
protected:
    // `kind` drawn on `device` with this shop's sale; no message is expected.
    std::string transcriptOf(ReceiptKind kind)
    {
        printReceipt(device, kind, data(), messages);
        EXPECT_TRUE(messages.shown.empty()) << messages.lastText();
        return device.transcript();
    }

    RecordingPrintDevice device; // an 80 mm roll at 203 dpi
    ScriptedMessages messages;
};

// A cash sale on the roll with the shop's usual settings: the heading with
// its rules, three apples at one price folded into one line (the count and
// unit price under the description, the line total on the right), a fourth at
// another price on its own line, a taxed bottle of wine, a discount, change,
// and the tax with its rate after the payment line.
TEST_F(ReceiptGoldenPage, StandardReceipt)
{
    addLine(11, "Apples", 1.50f);
    addLine(12, "Bread", 2.00f);
    addLine(11, "Apples", 1.50f);
    addLine(11, "Apples", 1.50f);
    addLine(11, "Apples", 1.75f); // another price: its own line
    addLine(13, "Red wine", 11.75f, true);
    sale.setTotal(BasketTotal::NonTaxable, 8.25f);
    sale.setTotal(BasketTotal::Taxable, 10.00f);
    sale.setTotal(BasketTotal::Subtotal, 18.25f);
    sale.setTotal(BasketTotal::TaxOne, 1.75f);
    sale.setTotal(BasketTotal::Discount, 1.00f);
    sale.setTotal(BasketTotal::Total, 19.00f);
    sale.setTotal(BasketTotal::CashPart, 19.00f);
    tendered = 20;
    change = 1;
    EXPECT_TRUE(test::matchesGoldenPage(
        transcriptOf(ReceiptKind::Standard), "print/data/standard_receipt.txt"));
}

// Every option of the standard receipt at once: the logo at half width, the
// 10-point font, items centred with descriptions cut at 20 characters, prices
// before tax with the subtotal and the tax amounts, a card payment with cash
// back, the footer word-wrapped over two lines and the barcode at the end.
TEST_F(ReceiptGoldenPage, StandardReceiptWithEveryOption)
{
    config.set(cfg::standardReceiptLogo, 2);
    config.set(cfg::forceTenPointFont, 2);
    config.set(cfg::standardItemsCentred, 2);
    config.set(cfg::limitDescription, 2);
    config.set(cfg::standardReceiptExclusiveOfTax, 2);
    config.set(cfg::wordWrap, 2);
    config.set(cfg::standardReceiptBarcode, 2);
    config.setText(cfg::receiptMessage,
        "Thank you for shopping with us. Goods may be returned within 28 days.");
    logo = test::bitmapHeader(200, 100);
    std::strcpy(sale.paymentType, "EFT");
    addLine(21, "Extra large chocolate fudge cake", 9.99f);
    addLine(21, "Extra large chocolate fudge cake", 9.99f);
    addLine(13, "Red wine", 11.75f, true);
    sale.setTotal(BasketTotal::NonTaxable, 19.98f);
    sale.setTotal(BasketTotal::Taxable, 10.00f);
    sale.setTotal(BasketTotal::Subtotal, 29.98f);
    sale.setTotal(BasketTotal::TaxOne, 1.75f);
    sale.setTotal(BasketTotal::Total, 31.73f);
    sale.setTotal(BasketTotal::EftPart, 51.73f);
    sale.setTotal(BasketTotal::CashBack, 20.00f);
    tendered = 51.73;
    EXPECT_TRUE(test::matchesGoldenPage(
        transcriptOf(ReceiptKind::Standard), "print/data/standard_receipt_every_option.txt"));
}

// A custom layout that uses every header and footer field of a sale to a
// customer, paid by cheque with cash: tax-exempt lines marked with E, prices
// before tax, the discount under the items, the total in both currencies,
// the transaction note and three blank lines at the end.
TEST_F(ReceiptGoldenPage, CustomReceipt)
{
    const std::pair<ReceiptField, int> lines[] = {
        { ReceiptField::StoreName, 1 },
        { ReceiptField::StoreAddressOne, 2 },
        { ReceiptField::StoreTelephone, 3 },
        { ReceiptField::Receipt, 5 },
        { ReceiptField::Date, 6 },
        { ReceiptField::Clerk, 7 },
        { ReceiptField::CustomerNumber, 9 },
        { ReceiptField::CustomerName, 10 },
        { ReceiptField::CustomerAddressOne, 11 },
        { ReceiptField::CustomerPhone, 12 },
        { ReceiptField::TextOne, 14 },
        { ReceiptField::NonTaxable, 1 },
        { ReceiptField::Taxable, 2 },
        { ReceiptField::TaxOne, 3 },
        { ReceiptField::Total, 4 },
        { ReceiptField::TotalTendered, 5 },
        { ReceiptField::CashChange, 6 },
        { ReceiptField::PaymentType, 7 },
        { ReceiptField::ByLine, 9 },
        { ReceiptField::TextTwo, 10 },
        { ReceiptField::TextThree, 11 },
    };
    for (const auto &[field, line] : lines)
        setCustomReceiptLine(config, field, line);
    config.set(cfg::customReceiptNoteLine, 13);
    config.set(cfg::customReceiptBlankLines, 2);
    config.set(cfg::customReceiptMarkExempt, 2);
    config.set(cfg::customReceiptExcludingTax, 2);
    config.set(cfg::customReceiptSecondCurrency, 2);
    config.set(cfg::secondCurrencyOn, 2);
    config.set(cfg::conversionRate, 1.2);
    config.setText(cfg::secondCurrencySymbol, "E");
    config.setText(cfg::customReceiptTextOne, "Open every day 8-8");
    config.setText(cfg::customReceiptTextTwo, "Goods sold as seen");
    config.setText(cfg::customReceiptTextThree, "www.example.com");
    config.set(cfg::customReceiptLogoOmitted, 2);

    sale.customerNumber = 42;
    std::strcpy(sale.customerName, "J. SMITH");
    std::strcpy(sale.customerAddress[0], "2 LOW ROAD");
    std::strcpy(sale.customerTelephone, "0123 456789");
    std::strcpy(sale.transactionNote, "Deliver Friday");
    std::strcpy(sale.paymentType, "Split");
    addLine(11, "Bread", 1.00f);
    addLine(11, "Bread", 1.00f);
    addLine(13, "Red wine", 11.75f, true);
    sale.setTotal(BasketTotal::NonTaxable, 2.00f);
    sale.setTotal(BasketTotal::Taxable, 10.00f);
    sale.setTotal(BasketTotal::Subtotal, 12.00f);
    sale.setTotal(BasketTotal::TaxOne, 1.75f);
    sale.setTotal(BasketTotal::Discount, 0.50f);
    sale.setTotal(BasketTotal::Total, 13.25f);
    sale.setTotal(BasketTotal::CashPart, 3.25f);
    sale.setTotal(BasketTotal::ChequePart, 10.00f);
    tendered = 15;
    change = 1.75;
    EXPECT_TRUE(test::matchesGoldenPage(
        transcriptOf(ReceiptKind::Custom), "print/data/custom_receipt.txt"));
}

// The kitchen's copy: the standard receipt on the Windows default printer, here
// an A4 page at 600 dpi, in a shop that prints its receipts in Spanish (the
// accented words show as they print).
TEST_F(ReceiptGoldenPage, KitchenReceiptOnTheDefaultPrinter)
{
    RecordingPageSetup a4;
    a4.pageWidth = 21000;
    a4.pageHeight = 29700;
    a4.offsetLeft = 423;
    a4.offsetTop = 423;
    a4.printableWidth = 20154;
    a4.printableHeight = 28854;
    a4.dotsPerInch = 600;
    a4.lineHeight = 423;
    a4.averageCharWidth = 190;
    device = RecordingPrintDevice(a4);
    loadDefaultReceiptWords(words, 2);
    std::strcpy(sale.paymentType, "EFT");
    addLine(31, "COFFEE", 2.20f);
    addLine(32, "TOASTED SANDWICH", 4.50f);
    addLine(31, "COFFEE", 2.20f);
    addLine(33, "SOUP OF THE DAY", 3.80f);
    sale.setTotal(BasketTotal::NonTaxable, 12.70f);
    sale.setTotal(BasketTotal::Subtotal, 12.70f);
    sale.setTotal(BasketTotal::Total, 12.70f);
    sale.setTotal(BasketTotal::EftPart, 12.70f);
    tendered = 12.70;
    EXPECT_TRUE(test::matchesGoldenPage(
        transcriptOf(ReceiptKind::Standard), "print/data/kitchen_receipt.txt"));
}

// The 80 mm roll holds 48 characters a line. Descriptions that would run
// into their prices give way, cut at their ends; the prices, the totals and the
// Italian labels stay whole. The standard receipt, then on the next page the
// custom one with centred items.
TEST_F(ReceiptGoldenPage, EightyMillimetreRoll)
{
    heading.setLine(HeadingLine::SiteName, "THE VERY LONG NAMED CORNER SHOP OF TOWN");
    loadDefaultReceiptWords(words, 1);
    setCustomReceiptLine(config, ReceiptField::StoreName, 1);
    setCustomReceiptLine(config, ReceiptField::Total, 1);
    setCustomReceiptLine(config, ReceiptField::CashChange, 2);
    config.set(cfg::customItemsCentred, 2);
    sale.transactionNumber = 42;
    addLine(21, "EXTRA LARGE CHOCOLATE CHIP COOKIES 500G", 1234.56f);
    addLine(21, "EXTRA LARGE CHOCOLATE CHIP COOKIES 500G", 1234.56f);
    addLine(22, "EXTRA LARGE CHOCOLATE CHIP COOKIES 250G", 999.99f);
    sale.setTotal(BasketTotal::NonTaxable, 3469.11f);
    sale.setTotal(BasketTotal::Subtotal, 3469.11f);
    sale.setTotal(BasketTotal::Total, 3469.11f);
    sale.setTotal(BasketTotal::CashPart, 3469.11f);
    tendered = 3500;
    change = 30.89;
    printReceipt(device, ReceiptKind::Standard, data(), messages);
    device.newPage();
    EXPECT_TRUE(test::matchesGoldenPage(
        transcriptOf(ReceiptKind::Custom), "print/data/eighty_millimetre_roll.txt"));
}

} // namespace
} // namespace ovix
