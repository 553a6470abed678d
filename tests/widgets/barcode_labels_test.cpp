// Barcode labels as a scanner sees them: sheets drawn on an image, and the
// printout of "Barcode print", read back by zbar's zbarimg to their digits and
// check digits. Also the "Barcode" dialog's resets and refusals.

#include "platform/clock.h"
#include "platform/scripted_messages.h"
#include "print/label_shop.h"
#include "print/logic/label_sheet.h"
#include "print/widgets/barcode_dialog.h"
#include "print/widgets/barcode_labels_command.h"
#include "print/widgets/qt_print_device.h"
#include "widgets/modal_dialogs.h"
#include "widgets/test_helpers.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QSlider>

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <unistd.h>

namespace ovix {
namespace {

using test::commandOutput;
using test::LabelShop;
using test::whenModalOpens;

constexpr const char *kZbarimg = "/usr/bin/zbarimg";

bool haveZbar()
{
    return access(kZbarimg, X_OK) == 0;
}

// What zbarimg reads in the picture file, one "TYPE:DIGITS" per symbol, sorted.
std::vector<std::string> decoded(const std::string &picture)
{
    std::istringstream lines(commandOutput(std::string(kZbarimg) + " -q '" + picture + "' 2>/dev/null"));
    std::vector<std::string> symbols;
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty())
            symbols.push_back(line);
    }
    std::sort(symbols.begin(), symbols.end());
    return symbols;
}

// One A4 sheet of labels of `numbers` drawn on a 300 dots per inch picture.
std::string sheetPicture(const test::TempDir &dir, LabelJob job, const std::vector<int64_t> &numbers)
{
    constexpr int kDotsPerMetre = 11811; // 300 dots per inch
    QImage image(2480, 3508, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(kDotsPerMetre);
    image.setDotsPerMeterY(kDotsPerMetre);
    std::vector<LabelValue> values;
    for (int64_t number : numbers)
        values.push_back(LabelValue { number, {}, 0 });
    {
        QPainter painter(&image);
        QtPrintDevice device(painter);
        drawLabelSheets(device, job, values, LabelShopTexts {});
    }
    const std::string path = dir.file("sheet.png");
    EXPECT_TRUE(image.save(QString::fromStdString(path)));
    return path;
}

TEST(BarcodeLabelPictures, ScannedBackToTheirDigitsAndCheckDigits)
{
    if (!haveZbar())
        GTEST_SKIP() << "zbarimg (Debian's zbar-tools) is not installed: the labels cannot be read back";
    const struct {
        LabelSymbology symbology;
        LabelFormat format;
        std::vector<int64_t> numbers;
        std::vector<std::string> read;
    } cases[] = {
        { LabelSymbology::Code39, LabelFormat::VideoSpine, { 7, 123456789012 },
            { "CODE-39:0007", "CODE-39:123456789012" } },
        { LabelSymbology::Code39, LabelFormat::ThreeColumn, { 12, 345, 6789 },
            { "CODE-39:0012", "CODE-39:0345", "CODE-39:6789" } },
        { LabelSymbology::Ean13, LabelFormat::VideoSpine, { 12345, 7, 400638133393 },
            { "EAN-13:0000000000079", "EAN-13:0000000123457", "EAN-13:4006381333931" } },
        { LabelSymbology::Ean13, LabelFormat::TwoColumn,
            { 978030640615, 590123412345, 100000000000000000 },
            { "EAN-13:1000000000009", "EAN-13:5901234123457", "EAN-13:9780306406157" } },
    };
    for (const auto &c : cases) {
        test::TempDir dir;
        LabelJob job;
        job.source = LabelSource::AllValues;
        job.format = c.format;
        job.symbology = c.symbology;
        job.elementWidth = defaultElementWidth(c.symbology);
        job.labelHeight = defaultSheetSize(c.format).labelHeight;
        EXPECT_EQ(decoded(sheetPicture(dir, job, c.numbers)), c.read) << c.read.front();
    }
}

class BarcodeDialogTest : public ::testing::Test {
protected:
    template <typename T> T *child(const char *name)
    {
        T *found = dialog.findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    ScriptedMessages messages;
    LabelJob job;
    BarcodeDialog dialog { 0,
        [this](const LabelEntry &entry) {
            return readLabelEntry(entry, job, messages) == LabelEntryCheck::Accepted;
        },
        nullptr };
};

TEST_F(BarcodeDialogTest, AFormatResetsItsSheetAndATypeItsModule)
{
    const struct {
        const char *button;
        const char *height;
        const char *perSheet;
    } formats[] = {
        { "format1", "3380", "16" },
        { "format2", "1690", "48" },
        { "format0", "1690", "16" },
        { "format2", "1690", "48" },
    };
    for (const auto &f : formats) {
        dialog.labelHeightBox()->setText(QStringLiteral("99"));
        dialog.labelsPerSheetBox()->setText(QStringLiteral("99"));
        child<QRadioButton>(f.button)->click();
        EXPECT_EQ(dialog.labelHeightBox()->text().toStdString(), f.height) << f.button;
        EXPECT_EQ(dialog.labelsPerSheetBox()->text().toStdString(), f.perSheet) << f.button;
    }
    EXPECT_EQ(dialog.elementWidthBox()->text(), QStringLiteral("40"));
    child<QRadioButton>("type0")->click();
    EXPECT_EQ(dialog.elementWidthBox()->text(), QStringLiteral("50"));
    EXPECT_EQ(dialog.entry().symbology, LabelSymbology::Ean13);
    child<QRadioButton>("type1")->click();
    EXPECT_EQ(dialog.elementWidthBox()->text(), QStringLiteral("40"));
}

TEST_F(BarcodeDialogTest, StartsWithTheWrittenDefaultsAndReadsEveryControl)
{
    LabelEntry shown = dialog.entry();
    EXPECT_EQ(shown.start, "1");
    EXPECT_EQ(shown.finish, "2");
    EXPECT_EQ(shown.source, LabelSource::Inventory);
    EXPECT_EQ(shown.format, LabelFormat::VideoSpine);
    EXPECT_EQ(shown.originX, "3600");
    EXPECT_EQ(shown.originY, "400");
    EXPECT_EQ(shown.fromCentre, "5600");
    EXPECT_EQ(shown.symbology, LabelSymbology::Code39);
    EXPECT_TRUE(shown.priceWithTax);
    EXPECT_EQ(shown.textSize, 0);
    EXPECT_FALSE(child<QLineEdit>("quantity")->isEnabled());
    EXPECT_FALSE(dialog.textSizeSlider()->isEnabled());

    child<QRadioButton>("source3")->click();
    EXPECT_TRUE(child<QLineEdit>("quantity")->isEnabled());
    child<QCheckBox>("includePrice")->click();
    child<QRadioButton>("priceBasis1")->click();
    child<QCheckBox>("includeStore")->click();
    child<QCheckBox>("priceBelow")->click();
    child<QCheckBox>("printerDefault")->click();
    dialog.textSizeSlider()->setValue(120);
    const LabelEntry read = dialog.entry();
    EXPECT_EQ(read.source, LabelSource::RepeatItem);
    EXPECT_TRUE(read.includePrice);
    EXPECT_FALSE(read.priceWithTax);
    EXPECT_TRUE(read.includeStore);
    EXPECT_TRUE(read.priceBelowText);
    EXPECT_EQ(read.textSize, 120);
}

TEST_F(BarcodeDialogTest, RefusedRangesKeepTheDialogOpen)
{
    const struct {
        const char *start;
        const char *finish;
        const char *message;
    } cases[] = {
        { "1", "100000000000000001", "Range limit 100000000000000000" },
        { "-4", "2", "Invalid range" },
        { "8", "2", "Invalid range" },
    };
    dialog.show();
    for (const auto &c : cases) {
        child<QLineEdit>("start")->setText(QString::fromLatin1(c.start));
        child<QLineEdit>("finish")->setText(QString::fromLatin1(c.finish));
        EXPECT_TRUE(test::clickNamed(&dialog, "ok"));
        EXPECT_TRUE(dialog.isVisible()) << c.start;
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_EQ(messages.lastText(), c.message);
    }
    child<QLineEdit>("start")->setText(QStringLiteral("2"));
    child<QLineEdit>("finish")->setText(QStringLiteral("8"));
    EXPECT_TRUE(test::clickNamed(&dialog, "ok"));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(job.start, 2);
    EXPECT_EQ(job.finish, 8);
}

class BarcodePrint : public ::testing::Test {
protected:
    void SetUp() override
    {
        setFixedLocalTime(LocalTime { 2026, 3, 14, 9, 5, 7 });
    }
    void TearDown() override
    {
        setFixedLocalTime(std::nullopt);
    }
    QStringList printouts() const
    {
        return QDir(QString::fromStdString(f.dir.file("printouts")))
            .entryList({ QStringLiteral("*.pdf") }, QDir::Files);
    }

    LabelShop f;
};

TEST_F(BarcodePrint, ItemLabelsInEanReachThePrintoutAndScanBack)
{
    f.shop.config.set(cfg::labelTextSize, 0);
    whenModalOpens<BarcodeDialog>([](BarcodeDialog *dialog) {
        dialog->findChild<QLineEdit *>(QStringLiteral("finish"))->setText(QStringLiteral("12"));
        dialog->findChild<QRadioButton *>(QStringLiteral("type0"))->click();
        dialog->findChild<QRadioButton *>(QStringLiteral("format1"))->click();
        dialog->findChild<QCheckBox *>(QStringLiteral("includePrice"))->click();
        dialog->findChild<QCheckBox *>(QStringLiteral("printerDefault"))->click();
        dialog->textSizeSlider()->setValue(90);
        EXPECT_TRUE(test::clickNamed(dialog, "ok"));
    });
    runBarcodeLabels(nullptr, f.shop, f.messages);
    EXPECT_EQ(f.shop.config.get(cfg::labelTextSize), 90);
    ASSERT_EQ(printouts(), QStringList { QStringLiteral("20260314-090507-labels.pdf") });
    const std::string pdf = f.dir.file("printouts/20260314-090507-labels.pdf");
    EXPECT_EQ(f.messages.lastText(), "No printer is installed. Printed to the file " + pdf + ".");
    const std::string text = test::pdfText(pdf);
    EXPECT_NE(text.find("TEA BAGS $1.44"), std::string::npos) << text;
    EXPECT_NE(text.find("0000000000123"), std::string::npos) << text;

    if (!haveZbar())
        GTEST_SKIP() << "zbarimg (Debian's zbar-tools) is not installed: the labels cannot be read back";
    commandOutput("pdftoppm -r 300 -png -singlefile '" + pdf + "' '" + f.dir.file("page") + "'");
    EXPECT_EQ(decoded(f.dir.file("page.png")),
        (std::vector<std::string> { "EAN-13:0000000000031", "EAN-13:0000000000055",
            "EAN-13:0000000000093", "EAN-13:0000000000123" }));
}

TEST_F(BarcodePrint, ANegativeRangePrintsNothing)
{
    whenModalOpens<BarcodeDialog>([this](BarcodeDialog *dialog) {
        dialog->findChild<QLineEdit *>(QStringLiteral("start"))->setText(QStringLiteral("-3"));
        EXPECT_TRUE(test::clickNamed(dialog, "ok"));
        EXPECT_EQ(f.messages.lastText(), "Invalid range");
        EXPECT_TRUE(test::clickNamed(dialog, "cancel"));
    });
    f.shop.config.set(cfg::labelTextSize, 40);
    runBarcodeLabels(nullptr, f.shop, f.messages);
    EXPECT_TRUE(printouts().isEmpty());
    EXPECT_EQ(f.shop.config.get(cfg::labelTextSize), 40) << "a cancelled dialog keeps the size";
}

TEST_F(BarcodePrint, EverySheetIsAPage)
{
    whenModalOpens<BarcodeDialog>([](BarcodeDialog *dialog) {
        dialog->findChild<QLineEdit *>(QStringLiteral("start"))->setText(QStringLiteral("5"));
        dialog->findChild<QRadioButton *>(QStringLiteral("source3"))->click();
        dialog->findChild<QLineEdit *>(QStringLiteral("quantity"))->setText(QStringLiteral("40"));
        EXPECT_TRUE(test::clickNamed(dialog, "ok"));
    });
    runBarcodeLabels(nullptr, f.shop, f.messages);
    ASSERT_EQ(printouts().size(), 1);
    const std::string info = commandOutput(
        "pdfinfo '" + f.dir.file("printouts/" + printouts().front().toStdString()) + "'");
    EXPECT_NE(info.find("Pages:           3\n"), std::string::npos) << info;
}

} // namespace
} // namespace ovix
