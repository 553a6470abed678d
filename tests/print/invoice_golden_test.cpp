// Whole invoices and delivery notes on an A4 page compared with their
// reviewed transcripts in tests/print/data/ (support/golden_page.h says how
// to regenerate and review them).

#include "platform/scripted_messages.h"
#include "print/logic/invoice.h"
#include "print/logic/recording_print_device.h"
#include "support/golden_page.h"
#include "support/receipt_fixture.h"

#include <gtest/gtest.h>

#include <cstring>

namespace ovix {
namespace {

// A4 at 300 dpi with a 4 mm unprintable margin at the left and top.
RecordingPageSetup a4Page()
{
    RecordingPageSetup setup;
    setup.pageWidth = 21000;
    setup.pageHeight = 29700;
    setup.offsetLeft = 400;
    setup.offsetTop = 400;
    setup.printableWidth = 20200;
    setup.printableHeight = 28900;
    setup.dotsPerInch = 300;
    setup.lineHeight = 420;
    setup.averageCharWidth = 180;
    return setup;
}

class InvoiceGoldenPage : public ::testing::Test, protected test::ReceiptShop {
protected:
    InvoiceGoldenPage()
    {
        // Two apples at one price fold into one row; a third under another
        // description keeps its own; bread is a non-inventory line; the wine
        // carries tax 1.
        addLine(11, "APPLES", 1.50f);
        addLine(11, "APPLES", 1.50f);
        addLine(11, "APPLES, BRAMLEY", 1.50f);
        addLine(0, "BREAD", 2.00f);
        addLine(13, "RED WINE", 11.75f, true);
        sale.setTotal(BasketTotal::NonTaxable, 6.50f);
        sale.setTotal(BasketTotal::Taxable, 10.00f);
        sale.setTotal(BasketTotal::Subtotal, 16.50f);
        sale.setTotal(BasketTotal::TaxOne, 1.75f);
        sale.setTotal(BasketTotal::Discount, 0.50f);
        sale.setTotal(BasketTotal::Total, 17.75f);
        sale.setTotal(BasketTotal::CashPart, 17.75f);
    }

    void addCustomer()
    {
        sale.customerNumber = 4021;
        std::strcpy(sale.customerName, "J SMITH & SONS");
        std::strcpy(sale.customerAddress[0], "12 MILL LANE");
        std::strcpy(sale.customerAddress[1], "HIGHTOWN");
        std::strcpy(sale.customerAddress[2], "NORTHSHIRE");
        std::strcpy(sale.customerAddress[3], "NT1 2AB");
        std::strcpy(sale.customerTelephone, "01234 567890");
        sale.setTotal(BasketTotal::BalanceBefore, 40.00f);
        sale.setTotal(BasketTotal::BalanceAfter, 57.75f);
        // Band 3: 5% discount, 30 days.
        config.set(cfg::bandDiscount, 2, 3);
        config.set(cfg::bandPeriod, 2, 4);
        band = 3;
    }

    std::string transcriptOf(InvoiceKind kind)
    {
        const InvoiceData data { sale, config, heading, words, "Ann", band, logo };
        printInvoice(device, kind, data, messages);
        EXPECT_TRUE(messages.shown.empty()) << messages.lastText();
        return device.transcript();
    }

    int band = 0;
    RecordingPrintDevice device { a4Page() };
    ScriptedMessages messages;
};

TEST_F(InvoiceGoldenPage, StandardInvoiceWithCustomer)
{
    addCustomer();
    EXPECT_TRUE(test::matchesGoldenPage(
        transcriptOf(InvoiceKind::Standard), "print/data/standard_invoice.txt"));
}

// Without a customer the number reads "Not Applicable" and the page ends
// after the totals: no customer box, no terms.
TEST_F(InvoiceGoldenPage, StandardInvoiceWithoutCustomer)
{
    const std::string transcript = transcriptOf(InvoiceKind::Standard);
    EXPECT_NE(transcript.find("\"Not Applicable\""), std::string::npos);
    EXPECT_EQ(transcript.find("Terms"), std::string::npos);
    EXPECT_TRUE(test::matchesGoldenPage(transcript, "print/data/standard_invoice_cash.txt"));
}

TEST_F(InvoiceGoldenPage, DeliveryNoteWithCustomer)
{
    addCustomer();
    EXPECT_TRUE(test::matchesGoldenPage(
        transcriptOf(InvoiceKind::DeliveryNote), "print/data/delivery_note.txt"));
}

// The first-use layout (barcode, frame and logo on) with the transaction
// note on line 52, the logo and
// the stored header font.
TEST_F(InvoiceGoldenPage, CustomInvoiceWithCustomer)
{
    addCustomer();
    // The layout a new wr.cfg starts with.
    const int firstUse[18] = { 7, 8, 9, 0, 0, 11, 15, 18, 41, 48, 40, 30, 31, 0, 34, 16, 13, 49 };
    for (int section = 0; section < 18; ++section)
        setInvoiceSectionLine(config, section, firstUse[section]);
    config.set(cfg::invoiceBarcode, 1);
    config.set(cfg::invoiceBoxEncased, 1);
    config.set(cfg::invoiceLogo, 1);
    std::strcpy(sale.transactionNote, "DELIVER TO SIDE DOOR");
    config.set(cfg::invoiceNoteLine, 52);
    config.set(cfg::invoiceHeaderFont, 1);
    config.setText(cfg::invoiceFontFace, "Times New Roman");
    config.set(cfg::invoiceFontPoints, 14);
    logo = test::bitmapHeader(300, 100);
    EXPECT_TRUE(test::matchesGoldenPage(
        transcriptOf(InvoiceKind::Custom), "print/data/custom_invoice.txt"));
}

// Every line at 0 and no option: only the title is printed.
TEST_F(InvoiceGoldenPage, CustomInvoiceWithEveryLineOmittedPrintsOnlyTheTitle)
{
    addCustomer();
    for (int section = 0; section < kInvoiceSectionCount; ++section)
        setInvoiceSectionLine(config, section, 0);
    config.set(cfg::invoiceBarcode, 0);
    config.set(cfg::invoiceBoxEncased, 0);
    config.set(cfg::invoiceLogo, 0);
    transcriptOf(InvoiceKind::Custom);
    EXPECT_EQ(device.texts(), std::vector<std::string> { "INVOICE" });
    EXPECT_TRUE(device.operationsOf(PrintOperation::Kind::Rect).empty());
    EXPECT_TRUE(device.operationsOf(PrintOperation::Kind::Shade).empty());
}

} // namespace
} // namespace ovix
