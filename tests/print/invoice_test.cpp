// The invoice's rules that are not a matter of page layout: the terms line,
// which basket lines fold into one row, the design's stored lines and the
// fonts and problems the drawing reports.

#include "platform/scripted_messages.h"
#include "print/logic/invoice.h"
#include "print/logic/invoice_page.h"
#include "print/logic/recording_print_device.h"
#include "support/receipt_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace ovix {
namespace {

TEST(InvoiceTerms, EachFormOfEachBand)
{
    test::ReceiptShop shop;
    struct Case {
        int discountCode;
        int periodCode;
        const char *standard;
        const char *custom;
    };
    const Case cases[] = {
        { 1, 1, "Terms: Nett", "Terms: Nett, " },
        { 2, 2, "Terms: 2% disc, 10 days", "Terms: 2% disc, 10 days" },
        { 3, 4, "Terms: 5% disc, 30 days", "Terms: 5% disc, 30 days" },
        { 8, 8, "Terms: 50% disc, 180 days", "Terms: 50% disc, 180 days" },
        { 4, 1, "Terms: 10% disc", "Terms: 10% disc, " },
        // A damaged band reads as "Nett" and no credit.
        { 0, 99, "Terms: Nett", "Terms: Nett, " },
    };
    for (const Case &c : cases) {
        shop.config.set(cfg::bandDiscount, 4, c.discountCode);
        shop.config.set(cfg::bandPeriod, 4, c.periodCode);
        SCOPED_TRACE(c.standard);
        EXPECT_EQ(invoiceTermsText(shop.config, shop.words, 5, false), c.standard);
        EXPECT_EQ(invoiceTermsText(shop.config, shop.words, 5, true), c.custom);
    }
}

TEST(InvoiceRows, FoldOnlyLinesEqualInNumberPriceAndDescription)
{
    test::ReceiptShop shop;
    shop.addLine(11, "APPLES", 1.50f);
    shop.addLine(11, "APPLES", 1.50f);
    shop.addLine(11, "APPLES, BRAMLEY", 1.50f); // same item and price: still its own row
    shop.addLine(11, "APPLES", 1.75f); // another price
    shop.addLine(12, "APPLES", 1.50f); // another item
    shop.addLine(11, "APPLES", 1.50f);
    const std::vector<InvoiceRow> rows = invoiceRows(shop.sale);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].index, 0);
    EXPECT_EQ(rows[0].count, 3);
    EXPECT_EQ(rows[1].index, 2);
    EXPECT_EQ(rows[2].index, 3);
    EXPECT_EQ(rows[3].index, 4);
    EXPECT_EQ(invoiceRowLines(rows), 5); // the folded row takes two
}

TEST(InvoiceRows, ADamagedLineCountPrintsNoMoreThanTheBasketHolds)
{
    test::ReceiptShop shop;
    shop.sale.lineCount = -5;
    EXPECT_TRUE(invoiceRows(shop.sale).empty());
    shop.sale.lineCount = kBasketLineCapacity + 100;
    EXPECT_LE(invoiceRows(shop.sale).size(), size_t(kBasketLineCapacity));
}

// Each section's line lies at its own offset of wr.cfg; the transaction
// note, which has none among the eighteen, at 40798.
TEST(InvoiceDesign, SectionLinesAtTheirOffsets)
{
    TillConfig config;
    for (int section = 0; section < kInvoiceSectionCount; ++section)
        setInvoiceSectionLine(config, section, section + 60);
    for (int section = 0; section < kInvoiceSectionCount; ++section) {
        const size_t offset = section == kInvoiceNoteSection ? 40798 : 40710 + 4 * section;
        int32_t stored = 0;
        std::memcpy(&stored, config.bytes().data() + offset, 4);
        EXPECT_EQ(stored, section + 60) << invoiceSectionCaption(section);
        EXPECT_EQ(invoiceSectionLine(config, section), section + 60);
    }
}

TEST(InvoiceDesign, LinesOutsideTheRangeAreKeptOrReadAsOmitted)
{
    struct Case {
        int stored;
        int read;
    };
    const Case damaged[] = { { -1, 0 }, { 81, 0 }, { 80, 80 }, { 1 << 30, 0 } };
    for (const Case &c : damaged) {
        TillConfig config;
        config.set(cfg::invoicePositions, 3, c.stored);
        EXPECT_EQ(invoiceSectionLine(config, 3), c.read) << c.stored;
    }
    TillConfig config;
    setInvoiceSectionLine(config, 0, 200);
    EXPECT_EQ(config.get(cfg::invoicePositions, 0), 80);
    setInvoiceSectionLine(config, 0, -4);
    EXPECT_EQ(config.get(cfg::invoicePositions, 0), 0);
    setInvoiceSectionLine(config, 19, 5); // no such section: nothing changes
    EXPECT_EQ(invoiceSectionLine(config, 19), 0);
    EXPECT_STREQ(invoiceSectionCaption(19), "");
}

// A printer without Arial or without a resolution still gets the invoice:
// the problems are told, the texts are all there.
TEST(InvoiceProblems, RefusedFontAndUnknownResolutionAreToldAndPrintingGoesOn)
{
    test::ReceiptShop shop;
    shop.addLine(11, "APPLES", 1.50f);
    RecordingPageSetup setup;
    setup.dotsPerInch = 0;
    RecordingPrintDevice device(setup);
    device.refuseFont({ PrintFont::Kind::Arial10 });
    ScriptedMessages messages;
    const InvoiceData data { shop.sale, shop.config, shop.heading, shop.words, "Ann", 0, {} };
    printInvoice(device, InvoiceKind::Standard, data, messages);
    std::vector<std::string> told;
    for (const ScriptedMessages::Shown &box : messages.shown)
        told.push_back(box.text);
    EXPECT_NE(std::find(told.begin(), told.end(), "Unable set font"), told.end());
    EXPECT_NE(std::find(told.begin(), told.end(), "Unable to get printer"), told.end());
    const std::vector<std::string> texts = device.texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "APPLES"), texts.end());
}

// A letterhead that is no picture, or a banner wider than the page, is left
// out without a word.
TEST(InvoiceProblems, UnusableLogoIsLeftOutSilently)
{
    for (const std::string &logo : { std::string("not a picture"), test::bitmapHeader(4000, 10) }) {
        test::ReceiptShop shop;
        shop.config.set(cfg::standardInvoiceLogo, 1);
        RecordingPrintDevice device;
        ScriptedMessages messages;
        const InvoiceData data { shop.sale, shop.config, shop.heading, shop.words, "Ann", 0, logo };
        printInvoice(device, InvoiceKind::Standard, data, messages);
        EXPECT_TRUE(device.operationsOf(PrintOperation::Kind::Image).empty());
        EXPECT_TRUE(messages.shown.empty());
    }
}

} // namespace
} // namespace ovix
