#include "platform/c_format.h"
#include "platform/scripted_messages.h"
#include "print/logic/print_request.h"
#include "store/receipt_words.h"
#include "print/widgets/qt_print_device.h"
#include "print/widgets/receipt_job.h"
#include "store/store_heading.h"
#include "support/receipt_fixture.h"
#include "support/test_support.h"
#include "sales/logic/basket.h"
#include "sales/logic/till_state.h"
#include "widgets/test_helpers.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>

namespace ovix {
namespace {

using test::addReceiptLine;
using test::pdfText;
using test::startReceiptSale;

// Prints `sale` as both receipts to PDF files, as a till without a printer
// does, and saves them as PNG pictures in `folder` (the documentation's)
// under a realistic shop heading.
void savePicturesOnARoll(TillState &state, const Basket &sale, const std::string &folder)
{
    state.heading.setLine(HeadingLine::SiteName, "CORNER STORES");
    state.heading.setLine(HeadingLine::Road, "12 MARKET STREET");
    state.heading.setLine(HeadingLine::Area, "KINGSTON");
    state.heading.setLine(HeadingLine::Telephone, "TEL 01632 960123");
    state.config.setClerkName(2, "Ann");
    ScriptedMessages messages;
    const std::pair<ReceiptKind, const char *> kinds[]
        = { { ReceiptKind::Standard, "standard_receipt" },
              { ReceiptKind::Custom, "custom_receipt" } };
    for (const auto &[kind, name] : kinds) {
        PrintRequest request
            = documentPrintRequest(state.config, state.dir, PrintDocument::StandardReceipt);
        request.pdfOnly = true;
        const PrintJobResult printed
            = printSaleReceipt(state, request, kind, sale, 35, 0, messages);
        ASSERT_EQ(printed.pdfFiles.size(), 1u);
        const std::string &pdf = printed.pdfFiles[0];
        EXPECT_EQ(std::system(("pdftoppm -r 150 -png -singlefile '" + pdf + "' '" + folder + "/"
                      + name + "'")
                                  .c_str()),
            0);
        std::remove(pdf.c_str());
    }
}

// A card sale with tax, a discount and cash back, in a shop with a second
// currency, printed as both receipts to PDF files (pdftotext shows a run of
// blanks as one).
TEST(ReceiptPdf, MixedSaleReadsBackFromBothReceipts)
{
    test::TempDir temp;
    TillState state(temp.path());
    state.heading = StoreHeading::sample();
    loadDefaultReceiptWords(state.receiptWords, 0);
    TillConfig &config = state.config;
    test::useReceiptSettings(config, "VAT", 2000);
    config.setClerkName(2, "Ann");
    config.set(cfg::secondCurrencyOn, 2);
    config.set(cfg::conversionRate, 1.25);
    config.setText(cfg::secondCurrencySymbol, "E");
    config.set(cfg::customReceiptSecondCurrency, 2);
    config.set(cfg::customReceiptMarkExempt, 2);
    config.set(cfg::customReceiptLines, size_t(ReceiptField::StoreName), 1);
    config.set(cfg::customReceiptLines, size_t(ReceiptField::StoreAddressOne), 2);
    config.set(cfg::customReceiptLines, size_t(ReceiptField::Receipt), 4);
    config.set(cfg::customReceiptLines, size_t(ReceiptField::Date), 5);
    config.set(cfg::customReceiptLines, size_t(ReceiptField::TaxOne), 1);
    config.set(cfg::customReceiptLines, size_t(ReceiptField::Total), 2);
    config.set(cfg::customReceiptPaymentTypeLine, 4);
    config.set(cfg::customReceiptLines, size_t(ReceiptField::ByLine), 6);
    config.set(cfg::customReceiptBarcode, 2);

    Basket sale {};
    startReceiptSale(sale, "EFT", 2);
    addReceiptLine(sale, 11, "Apples", 1.50f);
    addReceiptLine(sale, 11, "Apples", 1.50f);
    addReceiptLine(sale, 11, "Apples", 1.50f);
    addReceiptLine(sale, 12, "Red wine", 12.00f, 1.2f);
    sale.setTotal(BasketTotal::Subtotal, 14.50f);
    sale.setTotal(BasketTotal::TaxOne, 2.00f);
    sale.setTotal(BasketTotal::Discount, 1.50f);
    sale.setTotal(BasketTotal::Total, 15.00f);
    sale.setTotal(BasketTotal::EftPart, 35.00f);
    sale.setTotal(BasketTotal::CashBack, 20.00f);

    ScriptedMessages messages;
    PrintRequest request = documentPrintRequest(config, state.dir, PrintDocument::StandardReceipt);
    request.pdfOnly = true;
    PrintJobResult standard
        = printSaleReceipt(state, request, ReceiptKind::Standard, sale, 35, 0, messages);
    ASSERT_EQ(standard.pdfFiles.size(), 1u);
    const std::string text = pdfText(standard.pdfFiles[0]);
    for (const char *expected : { "YOUR SHOP NAME", "Receipt: 7", "14:05 08/12/2026", "2, Ann",
             "Apples", "3 @ 1.50", "4.50", "Red wine", "12.00", "Discount: (1.50)", "Total: $15.00",
             "Payment: EFT (CB: 20.00)", "VAT: 2.00 (20.00%)", "Always happy to help!" })
        EXPECT_NE(text.find(expected), std::string::npos) << expected << " in\n" << text;
    EXPECT_EQ(text.find("E18.75"), std::string::npos);

    PrintJobResult custom
        = printSaleReceipt(state, request, ReceiptKind::Custom, sale, 35, 0, messages);
    ASSERT_EQ(custom.pdfFiles.size(), 1u);
    const std::string customText = pdfText(custom.pdfFiles[0]);
    for (const char *expected : { "YOUR SHOP NAME", "Receipt: 7", "E 4.50", "(Discount: 1.50)",
             "VAT: 2.00 (20.00%)", "Total $15.00 E18.75", "Payment: EFT (CB: 20.00)" })
        EXPECT_NE(customText.find(expected), std::string::npos) << expected << " in\n"
                                                                << customText;

    if (const char *folder = std::getenv("OVIX_RECEIPT_PNG_FOLDER"))
        savePicturesOnARoll(state, sale, folder);
}

// The Spanish words carry accented letters, which must survive the trip from
// Windows-1252 through the printer to the page.
TEST(ReceiptPdf, SpanishWordsKeepTheirAccents)
{
    test::TempDir temp;
    TillState state(temp.path());
    state.heading = StoreHeading::sample();
    loadDefaultReceiptWords(state.receiptWords, 2);
    Basket sale {};
    startReceiptSale(sale, "EFT", 0);
    addReceiptLine(sale, 11, "Apples", 1.50f);
    sale.setTotal(BasketTotal::Total, 1.50f);
    sale.setTotal(BasketTotal::EftPart, 1.50f);
    ScriptedMessages messages;
    PrintRequest request
        = documentPrintRequest(state.config, state.dir, PrintDocument::StandardReceipt);
    request.pdfOnly = true;
    PrintJobResult printed
        = printSaleReceipt(state, request, ReceiptKind::Standard, sale, 1.5, 0, messages);
    ASSERT_EQ(printed.pdfFiles.size(), 1u);
    const std::string text = pdfText(printed.pdfFiles[0]);
    for (const char *expected : { "Recepci\xC3\xB3n: 7",
             "Pago: cr\xC3\xA9"
             "dito" })
        EXPECT_NE(text.find(expected), std::string::npos) << expected << " in\n" << text;
}

struct PdfWord {
    double left = 0;
    double right = 0;
    double top = 0;
    std::string text;
};

// The words of the PDF's pages with their boxes in points, from pdftotext -bbox.
std::vector<PdfWord> pdfWords(const std::string &pdf, double &pageWidth)
{
    const QString boxes = QString::fromStdString(pdfText(pdf, "-bbox"));
    const QRegularExpression page(QStringLiteral("<page width=\"([0-9.]+)\""));
    pageWidth = page.match(boxes).captured(1).toDouble();
    const QRegularExpression word(
        QStringLiteral("<word xMin=\"([0-9.-]+)\" yMin=\"([0-9.-]+)\" xMax=\"([0-9.-]+)\" "
                       "yMax=\"[0-9.-]+\">([^<]*)</word>"));
    std::vector<PdfWord> words;
    for (const QRegularExpressionMatch &found : word.globalMatch(boxes)) {
        words.push_back({ found.captured(1).toDouble(), found.captured(3).toDouble(),
            found.captured(2).toDouble(), found.captured(4).toStdString() });
    }
    return words;
}

// A roll printer's paper is 80 mm wide with about 72 mm printable. Long
// heading lines, descriptions and labels give way; no word leaves the paper,
// every price stays whole and no description runs into its price.
TEST(ReceiptPdf, EightyMillimetreRollKeepsEveryPriceOnThePaper)
{
    test::TempDir temp;
    TillState state(temp.path());
    state.heading = StoreHeading::sample();
    state.heading.setLine(HeadingLine::SiteName, "THE VERY LONG NAMED CORNER SHOP OF TOWN");
    loadDefaultReceiptWords(state.receiptWords, 1); // Italian: the longest change label
    TillConfig &config = state.config;
    config.setText(cfg::currencySymbol, "$");
    config.setText(cfg::receiptMessage, "Always happy to help!");
    config.set(cfg::customReceiptLines, size_t(ReceiptField::StoreName), 1);
    config.set(cfg::customReceiptLines, size_t(ReceiptField::Total), 1);
    config.set(cfg::customReceiptLines, size_t(ReceiptField::CashChange), 2);
    config.set(cfg::customItemsCentred, 2);

    Basket sale {};
    clearBasket(sale);
    sale.transactionNumber = 42;
    std::strcpy(sale.paymentType, "Cash");
    addReceiptLine(sale, 21, "EXTRA LARGE CHOCOLATE CHIP COOKIES 500G", 1234.56f);
    addReceiptLine(sale, 22, "EXTRA LARGE CHOCOLATE CHIP COOKIES 250G", 9.99f);
    addReceiptLine(sale, 22, "EXTRA LARGE CHOCOLATE CHIP COOKIES 250G", 9.99f);
    sale.setTotal(BasketTotal::Total, 1254.54f);
    sale.setTotal(BasketTotal::CashPart, 1254.54f);

    const std::string pdf = temp.file("roll.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf));
    printer.setPageSize(QPageSize(QSizeF(80, 297), QPageSize::Millimeter));
    printer.setPageMargins(QMarginsF(4, 4, 4, 4), QPageLayout::Millimeter);
    ScriptedMessages messages;
    const ReceiptData data { sale, 1300, 45.46, config, state.heading, state.receiptWords, "Ann",
        "" };
    {
        QPainter painter(&printer);
        {
            QtPrintDevice device(painter, &printer);
            printReceipt(device, ReceiptKind::Standard, data, messages);
        }
        printer.newPage();
        QtPrintDevice device(painter, &printer);
        printReceipt(device, ReceiptKind::Custom, data, messages);
    }
    double pageWidth = 0;
    const std::vector<PdfWord> words = pdfWords(pdf, pageWidth);
    ASSERT_NEAR(pageWidth, 80 / 25.4 * 72, 1);
    const double margin = 4 / 25.4 * 72;
    for (const PdfWord &word : words) {
        EXPECT_GE(word.left, margin - 1) << word.text;
        EXPECT_LE(word.right, pageWidth - margin + 1) << word.text;
    }
    const std::string text = pdfText(pdf);
    for (const char *expected : { "1234.56", "2 @ 9.99", "19.98", "Totale: $1254.54", ", 1234.56",
             "2 EXTRA", ", 19.98", "Sostituzione del contante: 45.46" })
        EXPECT_NE(text.find(expected), std::string::npos) << expected << " in\n" << text;
    // On the standard receipt each price stands clear of its description.
    for (const PdfWord &price : words) {
        if (price.text != "1234.56")
            continue;
        for (const PdfWord &other : words) {
            if (&other != &price && std::abs(other.top - price.top) < 1) {
                EXPECT_LT(other.right, price.left) << other.text;
            }
        }
    }
}

// Without a printer each receipt is a PDF page like the roll's paper: 80 mm
// wide and as long as the receipt, whatever the form or the number of lines.
TEST(ReceiptPdf, PageIsTheRollsWidthAndGrowsWithTheReceiptsLines)
{
    struct Case {
        const char *what;
        ReceiptKind kind;
        PrintDocument document;
        int blankLines; // custom receipt: stored 0-19 for 1-20
    };
    const Case cases[] = {
        { "standard receipt", ReceiptKind::Standard, PrintDocument::StandardReceipt, 0 },
        { "kitchen receipt", ReceiptKind::Standard, PrintDocument::KitchenReceipt, 0 },
        { "custom receipt", ReceiptKind::Custom, PrintDocument::CustomReceipt, 0 },
        { "custom receipt, ten blank lines", ReceiptKind::Custom, PrintDocument::CustomReceipt, 9 },
    };
    for (const Case &c : cases) {
        test::TempDir temp;
        TillState state(temp.path());
        state.heading = StoreHeading::sample();
        loadDefaultReceiptWords(state.receiptWords, 0);
        test::useReceiptSettings(state.config, "VAT", 2000);
        state.config.set(cfg::customReceiptLines, size_t(ReceiptField::StoreName), 1);
        state.config.set(cfg::customReceiptLines, size_t(ReceiptField::Total), 1);
        state.config.set(cfg::customReceiptLines, size_t(ReceiptField::ByLine), 3);
        state.config.set(cfg::customReceiptBlankLines, c.blankLines);
        ScriptedMessages messages;
        PrintRequest request = documentPrintRequest(state.config, state.dir, c.document);
        request.pdfOnly = true;

        // A sale and a longer one: the longer receipt is longer by its lines.
        double shortLength = 0;
        for (int lines : { 20, 80 }) {
            Basket sale {};
            startReceiptSale(sale, "Cash", 0);
            for (int line = 1; line <= lines; ++line)
                addReceiptLine(sale, 100 + line, cformat("BREAD-%02d", line).c_str(), 1.20f);
            sale.setTotal(BasketTotal::Total, 1.20f * lines);
            sale.setTotal(BasketTotal::CashPart, 1.20f * lines);
            const PrintJobResult printed
                = printSaleReceipt(state, request, c.kind, sale, 100, 0, messages);
            ASSERT_EQ(printed.pdfFiles.size(), 1u) << c.what;
            const std::string pdf = printed.pdfFiles[0];
            const test::PdfPageSize page = test::pdfPageSize(pdf);
            EXPECT_NEAR(test::millimetres(page.width), 80, 0.5) << c.what << ", " << lines;

            // Every word is on the paper: the last item, the total, the footer.
            double pageWidth = 0;
            const std::vector<PdfWord> words = pdfWords(pdf, pageWidth);
            double first = 0;
            double second = 0;
            double lowest = 0;
            for (const PdfWord &word : words) {
                EXPECT_LE(word.top, page.height) << word.text;
                if (word.text == "BREAD-01")
                    first = word.top;
                if (word.text == "BREAD-02")
                    second = word.top;
                lowest = std::max(lowest, word.top);
            }
            const double pitch = second - first; // one receipt line
            const std::string text = pdfText(pdf);
            for (const std::string &expected : { cformat("BREAD-%02d", lines),
                     cformat("Total: $%.2f", 1.20 * lines), std::string("Always happy to help!") })
                EXPECT_NE(text.find(expected), std::string::npos) << expected << " in\n" << text;
            // Below the last words: the blank lines that feed the paper past
            // them and the roll's margin, no more (a page of white) and no
            // less (a feed cut off).
            const int feedLines = c.kind == ReceiptKind::Standard ? 1 : 1 + c.blankLines + 1;
            ASSERT_GT(pitch, 0) << c.what;
            EXPECT_NEAR(page.height - lowest, (feedLines + 1) * pitch + 4 / 25.4 * 72, 1.5)
                << c.what << ", " << lines;
            if (lines == 20) {
                shortLength = page.height;
                EXPECT_GE(test::millimetres(page.height), 80) << c.what;
            } else {
                EXPECT_NEAR(page.height - shortLength, 60 * pitch, 1) << c.what;
            }
        }
    }
}

} // namespace
} // namespace ovix
