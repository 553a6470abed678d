#include "platform/c_format.h"
#include "platform/clock.h"
#include "platform/scripted_messages.h"
#include "print/logic/code39.h"
#include "print/widgets/print_job.h"
#include "print/widgets/qt_print_device.h"
#include "support/code39_reader.h"
#include "support/test_support.h"
#include "widgets/modal_dialogs.h"
#include "widgets/test_helpers.h"

#include <QAction>
#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>

#include <algorithm>
#include <cstdio>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace ovix {
namespace {

using test::commandOutput;
using test::pdfText;

const char *const kWordBox = "<word xMin=\"%lf\" yMin=\"%lf\" xMax=\"%lf\" yMax=\"%lf\"";

// The dark pixels of one row of `image`.
std::vector<bool> darkRow(const QImage &image, int y)
{
    std::vector<bool> row;
    for (int x = 0; x < image.width(); ++x)
        row.push_back(qGray(image.pixel(x, y)) < 128);
    return row;
}

// An image painted at 2540 dots per inch: one pixel per 0.01 mm.
QImage hundredthsImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(100000);
    image.setDotsPerMeterY(100000);
    return image;
}

class PrintJobTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setFixedLocalTime(LocalTime { 2026, 3, 14, 9, 5, 7 });
        request.kind = "receipt";
        request.pdfOnly = true;
        request.pdfFolder = dir.file("printouts");
    }
    void TearDown() override
    {
        setFixedLocalTime(std::nullopt);
    }

    test::TempDir dir;
    PrintRequest request;
    ScriptedMessages messages;
};

// Where a receipt's texts and bars were drawn, in 0.01 mm.
struct Placed {
    int offsetLeft = 0;
    int offsetTop = 0;
    int printableWidth = 0;
};

TEST_F(PrintJobTest, PdfHoldsTheJobNameThePagesTheTextAndTheBarcode)
{
    Placed placed;
    auto draw = [&](PrintDevice &device, Messages &problems) {
        placed = { device.offsetLeft(), device.offsetTop(), device.printableWidth() };
        ASSERT_TRUE(device.selectFont(PrintFont { PrintFont::Kind::Arial10 }));
        device.drawText(2000, 1000, "Receipt: 7", TextAlign::Left);
        device.drawText(device.printableWidth(), 2000, "12.50", TextAlign::Right);
        device.drawText(device.printableWidth() / 2, 3000, "Caf\xE9 \x80", TextAlign::Centre);
        drawNumberBarcode(device, 4000, 7, problems);
        ASSERT_TRUE(device.newPage());
        device.drawText(2000, 1000, "Page two", TextAlign::Left);
    };
    PrintJobResult result = runPrintJob(request, draw, messages);
    ASSERT_EQ(result.outcome, PrintOutcome::Printed);
    ASSERT_EQ(result.pdfFiles.size(), 1u);
    std::string pdf = result.pdfFiles[0];
    EXPECT_EQ(pdf, dir.file("printouts/20260314-090507-receipt.pdf"));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.lastText(), "Printed to the file " + pdf + ".");

    std::string info = commandOutput("pdfinfo '" + pdf + "'");
    EXPECT_NE(info.find("Title:           OVIX\n"), std::string::npos) << info;
    EXPECT_NE(info.find("Pages:           2\n"), std::string::npos) << info;

    std::string text = commandOutput("pdftotext -layout '" + pdf + "' -");
    EXPECT_NE(text.find("Receipt: 7"), std::string::npos) << text;
    EXPECT_NE(text.find("Caf\xC3\xA9 \xE2\x82\xAC"), std::string::npos) << text;
    EXPECT_NE(text.find("Page two"), std::string::npos) << text;

    // Positions in points from the paper's corner.
    std::string boxes = commandOutput("pdftotext -bbox '" + pdf + "' -");
    auto wordBox = [&](const std::string &word) {
        size_t at = boxes.find(">" + word + "<");
        size_t start = boxes.rfind("<word", at);
        double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
        if (at == std::string::npos || start == std::string::npos
            || std::sscanf(boxes.c_str() + start, kWordBox, &xMin, &yMin, &xMax, &yMax) != 4)
            ADD_FAILURE() << word << " not in " << boxes;
        return std::array<double, 4> { xMin, yMin, xMax, yMax };
    };
    const double pointsPerUnit = 72.0 / 2540.0;
    auto receipt = wordBox("Receipt:");
    EXPECT_NEAR(receipt[0], (placed.offsetLeft + 2000) * pointsPerUnit, 1.0);
    EXPECT_NEAR(receipt[1], (placed.offsetTop + 1000) * pointsPerUnit, 3.0);
    auto amount = wordBox("12.50");
    EXPECT_NEAR(amount[2], (placed.offsetLeft + placed.printableWidth) * pointsPerUnit, 1.0);
    EXPECT_NEAR(amount[1], (placed.offsetTop + 2000) * pointsPerUnit, 3.0);

    // The barcode read back from the page rendered at 254 dots per inch
    // (0.1 mm a pixel, 4 pixels a module).
    std::string png = dir.file("page");
    commandOutput("pdftoppm -r 254 -f 1 -l 1 -png '" + pdf + "' '" + png + "'");
    QImage page(QString::fromStdString(png + "-1.png"));
    ASSERT_FALSE(page.isNull());
    int row = (placed.offsetTop + 4500) / 10;
    EXPECT_EQ(test::readCode39Row(darkRow(page, row)), "*0007*");
}

TEST_F(PrintJobTest, EveryCopyIsItsOwnDocument)
{
    request.copies = 2;
    int drawn = 0;
    int afterwards = 0;
    auto draw = [&](PrintDevice &device, Messages &) {
        ++drawn;
        device.drawText(0, 0, "Copy", TextAlign::Left);
    };
    PrintJobResult result = runPrintJob(request, draw, messages, [&] { ++afterwards; });
    EXPECT_EQ(result.outcome, PrintOutcome::Printed);
    EXPECT_EQ(drawn, 2);
    EXPECT_EQ(afterwards, 2);
    ASSERT_EQ(result.pdfFiles.size(), 2u);
    EXPECT_EQ(result.pdfFiles[1], dir.file("printouts/20260314-090507-receipt-2.pdf"));
    EXPECT_NE(commandOutput("pdfinfo '" + result.pdfFiles[1] + "'").find("Pages:           1\n"),
        std::string::npos);
    EXPECT_EQ(messages.shown.size(), 1u);
    // Printouts carry customers' names and amounts: the shop's account only.
    struct stat st { };
    for (const std::string &path : result.pdfFiles) {
        ASSERT_EQ(::stat(path.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0600u) << path;
    }
    ASSERT_EQ(::stat(dir.file("printouts").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
}

TEST_F(PrintJobTest, NoFolderForPrintoutsIsToldAndNothingDrawn)
{
    test::writeBytes(dir.file("printouts"), "a file in the way");
    bool drawn = false;
    PrintJobResult result = runPrintJob(
        request, [&](PrintDevice &, Messages &) { drawn = true; }, messages);
    EXPECT_EQ(result.outcome, PrintOutcome::Failed);
    EXPECT_FALSE(drawn);
    EXPECT_EQ(messages.lastCaption(), "Problem");
    EXPECT_NE(messages.lastText().find("printouts"), std::string::npos);
    EXPECT_EQ(test::readBytes(dir.file("printouts")), "a file in the way");
}

TEST_F(PrintJobTest, WithoutAnyPrinterEvenTheNamedReceiptPrinterJobGoesToAFile)
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "this machine has printers";
    request.pdfOnly = false;
    request.printer = PrinterChoice::NamedPrinter;
    request.printerName = "TM88";
    PrintJobResult result = runPrintJob(
        request,
        [](PrintDevice &device, Messages &) { device.drawText(0, 0, "Total", TextAlign::Left); },
        messages);
    EXPECT_EQ(result.outcome, PrintOutcome::Printed);
    ASSERT_EQ(result.pdfFiles.size(), 1u);
    EXPECT_EQ(messages.lastText(),
        "No printer is installed. Printed to the file " + result.pdfFiles[0] + ".");
    EXPECT_EQ(messages.beeps, 0);
    std::string text = commandOutput("pdftotext '" + result.pdfFiles[0] + "' -");
    EXPECT_NE(text.find("Total"), std::string::npos);
}

// A receipt printed to a file is on a page the roll's width and as long as
// what was drawn, down to the roll's margin; never shorter than 80 mm.
TEST_F(PrintJobTest, RollPrintoutIsTheRollsWidthAndAsLongAsTheDrawing)
{
    request.rollWidth = kReceiptRollWidth;
    struct Case {
        const char *what;
        int lines; // "Line 1" ... one text line each
        int barTop; // a 10 mm bar from there (0.01 mm), 0 for none
    };
    const Case cases[] = {
        { "one line: the shortest roll", 1, 0 },
        { "a till receipt", 30, 0 },
        { "a long basket", 400, 0 },
        { "a barcode below the text", 20, 30000 },
    };
    for (const Case &c : cases) {
        int top = 0;
        int lowest = 0;
        int width = 0;
        auto draw = [&](PrintDevice &device, Messages &) {
            top = device.offsetTop();
            width = device.printableWidth();
            ASSERT_TRUE(device.selectFont(PrintFont { PrintFont::Kind::Arial10 }));
            for (int line = 1; line <= c.lines; ++line)
                device.drawText(
                    0, (line - 1) * device.lineHeight(), cformat("Line %d", line), TextAlign::Left);
            lowest = c.lines * device.lineHeight();
            if (c.barTop > 0) {
                device.fillRect(width / 2, c.barTop, 40, 1000);
                lowest = c.barTop + 1000;
            }
        };
        PrintJobResult result = runPrintJob(request, draw, messages);
        ASSERT_EQ(result.pdfFiles.size(), 1u) << c.what;
        const std::string pdf = result.pdfFiles[0];
        const test::PdfPageSize page = test::pdfPageSize(pdf);
        EXPECT_NEAR(test::millimetres(page.width), 80, 0.5) << c.what;
        EXPECT_NEAR(width, 7200, 50) << c.what; // about 4 mm kept at each side
        const double length = std::max(80.0, (top + lowest) / 100.0 + 4);
        EXPECT_NEAR(test::millimetres(page.height), length, 0.5) << c.what;

        // Every line is on the page, the last one too.
        const std::string text = pdfText(pdf);
        EXPECT_NE(text.find(cformat("Line %d\n", c.lines)), std::string::npos) << c.what;
        std::string boxes = pdfText(pdf, "-bbox");
        double yMax = 0;
        for (size_t at = boxes.find("<word"); at != std::string::npos;
             at = boxes.find("<word", at + 1)) {
            double xMin = 0, yMin = 0, xMax = 0, bottom = 0;
            ASSERT_EQ(std::sscanf(boxes.c_str() + at, kWordBox, &xMin, &yMin, &xMax, &bottom), 4);
            yMax = std::max(yMax, bottom);
        }
        EXPECT_LE(yMax, page.height) << c.what;
        EXPECT_NE(
            commandOutput("pdfinfo '" + pdf + "'").find("Pages:           1\n"), std::string::npos)
            << c.what;
        std::remove(pdf.c_str());
    }
}

// The drawing is measured once for the whole job: every copy is drawn once
// and reports its problems once, and all copies have the same paper.
TEST_F(PrintJobTest, RollIsMeasuredOnceAndItsProblemsToldByTheCopies)
{
    request.rollWidth = kReceiptRollWidth;
    request.copies = 2;
    int drawn = 0;
    auto draw = [&](PrintDevice &device, Messages &problems) {
        ++drawn;
        for (int line = 0; line < 40; ++line)
            device.drawText(0, line * device.lineHeight(), "Bread", TextAlign::Left);
        reportProblem(problems, "Unable set font");
    };
    PrintJobResult result = runPrintJob(request, draw, messages);
    ASSERT_EQ(result.pdfFiles.size(), 2u);
    EXPECT_EQ(drawn, 3);
    EXPECT_EQ(messages.beeps, 2);
    ASSERT_EQ(messages.shown.size(), 3u);
    EXPECT_EQ(messages.shown[0].text, "Unable set font");
    EXPECT_EQ(messages.shown[1].text, "Unable set font");
    const test::PdfPageSize first = test::pdfPageSize(result.pdfFiles[0]);
    const test::PdfPageSize second = test::pdfPageSize(result.pdfFiles[1]);
    EXPECT_GT(test::millimetres(first.height), 100);
    EXPECT_EQ(first.width, second.width);
    EXPECT_EQ(first.height, second.height);
}

// Invoices and reports keep the printer's page when they go to a file.
TEST_F(PrintJobTest, WithoutARollThePageKeepsItsSize)
{
    request.kind = "invoice";
    PrintJobResult result = runPrintJob(
        request,
        [](PrintDevice &device, Messages &) { device.drawText(0, 0, "INVOICE", TextAlign::Left); },
        messages);
    ASSERT_EQ(result.pdfFiles.size(), 1u);
    const QSizeF paper
        = QPrinter(QPrinter::HighResolution).pageLayout().fullRect(QPageLayout::Point).size();
    const test::PdfPageSize page = test::pdfPageSize(result.pdfFiles[0]);
    EXPECT_GT(test::millimetres(page.width), 200);
    EXPECT_NEAR(page.width, paper.width(), 1);
    EXPECT_NEAR(page.height, paper.height(), 1);
}

TEST(QtPrintDevice, BarcodeOnAHundredthsImageReadsBackAtItsPlace)
{
    QImage image = hundredthsImage(10000, 2000);
    ScriptedMessages messages;
    {
        QPainter painter(&image);
        QtPrintDevice device(painter);
        EXPECT_EQ(device.dotsPerInch(), 2540);
        EXPECT_EQ(device.printableWidth(), 10000);
        ASSERT_TRUE(drawNumberBarcode(device, 500, 7, messages));
    }
    std::vector<bool> row = darkRow(image, 1000);
    EXPECT_EQ(test::readCode39Row(row), "*0007*");
    int first = 0;
    while (!row[first])
        ++first;
    EXPECT_EQ(first, (10000 - 77 * 40) / 2);
    // Bars are 10 mm tall from their top.
    EXPECT_FALSE(darkRow(image, 499)[first]);
    EXPECT_TRUE(darkRow(image, 500)[first]);
    EXPECT_TRUE(darkRow(image, 1499)[first]);
    EXPECT_FALSE(darkRow(image, 1500)[first]);
}

TEST(QtPrintDevice, FontsAndMetricsAreInHundredthsOfAMillimetre)
{
    QImage image = hundredthsImage(8000, 2000);
    QPainter painter(&image);
    QtPrintDevice device(painter);
    ASSERT_TRUE(device.selectFont(PrintFont { PrintFont::Kind::Arial10 }));
    // Ten points are 3.53 mm; a line is a little more.
    EXPECT_GT(device.lineHeight(), 353);
    EXPECT_LT(device.lineHeight(), 500);
    EXPECT_GT(device.averageCharWidth(), 100);
    EXPECT_LT(device.averageCharWidth(), 250);
    EXPECT_GT(device.textWidth("WWWW"), device.textWidth("iiii"));
    ASSERT_TRUE(device.selectFont(PrintFont { PrintFont::Kind::ArialHeight, 700 }));
    EXPECT_GT(device.lineHeight(), 700);
    EXPECT_FALSE(device.selectFont(PrintFont { PrintFont::Kind::ArialHeight, 0 }));
    // Wrapping a long footer into a narrow box needs several lines.
    int oneLine = device.lineHeight();
    int wrapped = device.drawWrappedText(
        0, 0, 3000, 4 * oneLine, "Always happy to help! Thank you for shopping here.");
    EXPECT_GE(wrapped, 2 * oneLine);
}

TEST(QtPrintDevice, ImagesStretchIntoTheirRectangleAndDamagedOnesAreRefused)
{
    QImage logo(4, 2, QImage::Format_RGB32);
    logo.fill(Qt::black);
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(logo.save(&buffer, "BMP"));
    std::string bytes(bmp.constData(), static_cast<size_t>(bmp.size()));

    QImage image = hundredthsImage(1000, 1000);
    {
        QPainter painter(&image);
        QtPrintDevice device(painter);
        auto size = device.imageSize(bytes);
        ASSERT_TRUE(size);
        EXPECT_EQ(size->width, 4);
        EXPECT_EQ(size->height, 2);
        EXPECT_TRUE(device.drawImage(bytes, 100, 200, 400, 200));
        EXPECT_FALSE(device.imageSize(bytes.substr(0, 30)));
        EXPECT_FALSE(device.drawImage(bytes.substr(0, 30), 0, 0, 1000, 1000));
        EXPECT_FALSE(device.drawImage("", 0, 0, 1000, 1000));
    }
    EXPECT_EQ(qGray(image.pixel(99, 300)), 255);
    EXPECT_LT(qGray(image.pixel(100, 300)), 128);
    EXPECT_LT(qGray(image.pixel(499, 399)), 128);
    EXPECT_EQ(qGray(image.pixel(500, 300)), 255);
    EXPECT_EQ(qGray(image.pixel(300, 400)), 255);
}

// Two pages of text, as a report would draw them.
void drawTwoPages(PrintDevice &device, Messages &)
{
    device.selectFont(PrintFont { PrintFont::Kind::Arial10 });
    device.drawText(0, 0, "Preview line one", TextAlign::Left);
    device.newPage();
    device.drawText(0, 0, "Preview page two", TextAlign::Left);
}

// The PDF printouts in `folder`.
int printoutCount(const std::string &folder)
{
    return static_cast<int>(
        QDir(QString::fromStdString(folder)).entryList({ QStringLiteral("*.pdf") }).size());
}

TEST_F(PrintJobTest, ThePreviewShowsThePagesAndOnlyItsPrintSendsThemAsWithoutIt)
{
    request.kind = "log";
    const PrintJobResult plain = runPrintJob(request, drawTwoPages, messages);
    ASSERT_EQ(plain.pdfFiles.size(), 1u);
    const std::string plainText = test::pdfText(plain.pdfFiles[0]);
    ASSERT_NE(plainText.find("Preview page two"), std::string::npos) << plainText;

    request.preview = true;
    const struct {
        const char *name;
        std::function<void(QPrintPreviewDialog *)> answer;
        PrintOutcome outcome;
    } answers[] = {
        { "Close", [](QPrintPreviewDialog *d) { EXPECT_TRUE(test::clickNamed(d, "previewClose")); },
            PrintOutcome::Cancelled },
        { "window closed", [](QPrintPreviewDialog *d) { d->close(); }, PrintOutcome::Cancelled },
        { "Print", [](QPrintPreviewDialog *d) { EXPECT_TRUE(test::clickNamed(d, "previewPrint")); },
            PrintOutcome::Printed },
        { "tool bar Print",
            [](QPrintPreviewDialog *d) {
                QAction *print = nullptr;
                for (QAction *action : d->findChildren<QAction *>())
                    if (action->text().remove(QLatin1Char('&')) == QStringLiteral("Print"))
                        print = action;
                ASSERT_NE(print, nullptr);
                print->trigger();
            },
            PrintOutcome::Printed },
    };
    for (const auto &a : answers) {
        SCOPED_TRACE(a.name);
        const int before = printoutCount(request.pdfFolder);
        int pagesShown = 0;
        test::whenModalOpens<QPrintPreviewDialog>([&](QPrintPreviewDialog *dialog) {
            if (auto *pages = dialog->findChild<QPrintPreviewWidget *>())
                pagesShown = pages->pageCount();
            // The page set-up would change only the preview's pages.
            int pageSetups = 0;
            for (QAction *action : dialog->findChildren<QAction *>()) {
                if (action->text().remove(QLatin1Char('&')).toLower()
                    == QStringLiteral("page setup")) {
                    ++pageSetups;
                    EXPECT_FALSE(action->isVisible());
                }
            }
            EXPECT_EQ(pageSetups, 1);
            a.answer(dialog);
        });
        ScriptedMessages told;
        const PrintJobResult result = runPrintJob(request, drawTwoPages, told);
        EXPECT_EQ(pagesShown, 2);
        EXPECT_EQ(result.outcome, a.outcome);
        if (a.outcome == PrintOutcome::Cancelled) {
            EXPECT_TRUE(result.pdfFiles.empty());
            EXPECT_TRUE(told.shown.empty());
            EXPECT_EQ(printoutCount(request.pdfFolder), before);
        } else {
            ASSERT_EQ(result.pdfFiles.size(), 1u);
            EXPECT_EQ(test::pdfText(result.pdfFiles[0]), plainText);
            EXPECT_EQ(told.lastText(), "Printed to the file " + result.pdfFiles[0] + ".");
        }
    }
}

} // namespace
} // namespace ovix
