// Barcode labels: the EAN-13 digits and bars, the checks of the typed
// settings, which numbers get labels, the texts beside the bars, and one
// reviewed sheet of each format.

#include "platform/scripted_messages.h"
#include "print/logic/ean13.h"
#include "print/logic/label_job.h"
#include "print/logic/label_sheet.h"
#include "print/logic/recording_print_device.h"
#include "print/label_shop.h"
#include "support/golden_page.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace ovix {
namespace {

using test::LabelShop;

TEST(Ean13, DigitsArePaddedCutAndChecked)
{
    const struct {
        int64_t number;
        const char *digits;
    } cases[] = {
        { 12345, "0000000123457" },
        { 0, "0000000000000" },
        { 7, "0000000000079" },
        { 400638133393, "4006381333931" },
        { 978030640615, "9780306406157" },
        // Longer numbers keep their first twelve digits.
        { 100000000000000000, "1000000000009" },
        { 9780306406159999, "9780306406157" },
        { -5, "" },
    };
    for (const auto &c : cases)
        EXPECT_EQ(ean13Digits(c.number), c.digits) << c.number;
    EXPECT_EQ(ean13CheckDigit("12345"), -1);
    EXPECT_EQ(ean13CheckDigit("40063813339A"), -1);
}

TEST(Ean13, ModulesFollowTheFirstDigitsParity)
{
    // 4006381333931: parity of 4 is odd, even, odd, odd, even, even.
    EXPECT_EQ(ean13Modules("4006381333931"),
        "101"
        "0001101" "0100111" "0101111" "0111101" "0001001" "0110011"
        "01010"
        "1000010" "1000010" "1000010" "1110100" "1000010" "1100110"
        "101");
    EXPECT_EQ(ean13Modules("4006381333932"), ""); // wrong check digit
    EXPECT_EQ(ean13Modules("400638133393"), "");
}

TEST(Ean13, GuardBarsReachLowerThanTheDigitBars)
{
    RecordingPrintDevice device;
    ASSERT_TRUE(drawEan13(device, 1000, 200, "0000000123457", 50));
    std::vector<int> guardModules;
    int dark = 0;
    for (const PrintOperation &bar : device.operationsOf(PrintOperation::Kind::Rect)) {
        EXPECT_EQ(bar.y, 200);
        EXPECT_EQ((bar.x - 1000) % 50, 0);
        dark += bar.width / 50;
        if (bar.height == kEan13GuardHeight)
            guardModules.push_back((bar.x - 1000) / 50 + 1); // counted from 1
        else
            EXPECT_EQ(bar.height, kEan13BarHeight);
    }
    EXPECT_EQ(guardModules, (std::vector<int> { 1, 3, 47, 49, 93, 95 }));
    const std::string modules = ean13Modules("0000000123457");
    EXPECT_EQ(dark, std::count(modules.begin(), modules.end(), '1'));
    EXPECT_FALSE(drawEan13(device, 0, 0, "0000000123457", 0));
}

TEST(LabelEntry, RangesAreCheckedBeforeAnythingPrints)
{
    const struct {
        const char *start;
        const char *finish;
        LabelSource source;
        const char *quantity;
        LabelEntryCheck check;
        const char *message;
    } cases[] = {
        { "1", "2", LabelSource::Inventory, "", LabelEntryCheck::Accepted, "" },
        { "5", "5", LabelSource::Customers, "", LabelEntryCheck::Accepted, "" },
        { "0", "0", LabelSource::AllValues, "", LabelEntryCheck::Accepted, "" },
        { "9", "3", LabelSource::Inventory, "", LabelEntryCheck::Refused, "Invalid range" },
        { "-5", "3", LabelSource::AllValues, "", LabelEntryCheck::Refused, "Invalid range" },
        { "-9", "-3", LabelSource::AllValues, "", LabelEntryCheck::Refused, "Invalid range" },
        { "3", "-1", LabelSource::Customers, "", LabelEntryCheck::Refused, "Invalid range" },
        { "0", "", LabelSource::RepeatItem, "5", LabelEntryCheck::Refused, "Invalid range" },
        { "-2", "", LabelSource::RepeatItem, "5", LabelEntryCheck::Refused, "Invalid range" },
        // A repeat needs no Finish.
        { "9", "", LabelSource::RepeatItem, "5", LabelEntryCheck::Accepted, "" },
        { "1", "100000000000000000", LabelSource::Inventory, "", LabelEntryCheck::Accepted, "" },
        { "1", "100000000000000001", LabelSource::Inventory, "", LabelEntryCheck::OutsideLimit,
            "Range limit 100000000000000000" },
        { "100000000000000001", "1", LabelSource::RepeatItem, "1",
            LabelEntryCheck::OutsideLimit, "Range limit 100000000000000000" },
        { "1", "99999999999999999999", LabelSource::AllValues, "", LabelEntryCheck::OutsideLimit,
            "Range limit 100000000000000000" },
        { "1", "10000", LabelSource::AllValues, "", LabelEntryCheck::Accepted, "" },
        { "1", "10001", LabelSource::AllValues, "", LabelEntryCheck::Refused,
            "At most 10000 labels can be printed at once." },
        { "1", "100000000000000000", LabelSource::AllValues, "", LabelEntryCheck::Refused,
            "At most 10000 labels can be printed at once." },
        { "3", "", LabelSource::RepeatItem, "10001", LabelEntryCheck::Refused,
            "At most 10000 labels can be printed at once." },
    };
    for (const auto &c : cases) {
        LabelEntry entry;
        entry.start = c.start;
        entry.finish = c.finish;
        entry.source = c.source;
        entry.quantity = c.quantity;
        ScriptedMessages messages;
        LabelJob job;
        job.start = 77;
        EXPECT_EQ(readLabelEntry(entry, job, messages), c.check) << c.start << ".." << c.finish;
        EXPECT_EQ(messages.lastText(), c.message) << c.start << ".." << c.finish;
        if (c.check != LabelEntryCheck::Accepted) {
            EXPECT_EQ(messages.lastCaption(), "Problem");
            EXPECT_EQ(job.start, 77) << "a refused entry leaves the job as it was";
        }
    }
}

TEST(LabelEntry, SettingsOutsideWhatTheyAcceptTakeTheirStandIns)
{
    LabelEntry entry;
    entry.originX = "0";
    entry.originY = "20001";
    entry.labelHeight = "-4";
    entry.labelsPerSheet = "201";
    entry.fromCentre = "ABC";
    entry.elementWidth = "0";
    entry.quantity = "-3";
    entry.textSize = 5;
    LabelJob job;
    ScriptedMessages messages;
    ASSERT_EQ(readLabelEntry(entry, job, messages), LabelEntryCheck::Accepted);
    EXPECT_EQ(job.originX, 3600);
    EXPECT_EQ(job.originY, 400);
    EXPECT_EQ(job.labelHeight, 1690);
    EXPECT_EQ(job.labelsPerSheet, 16);
    EXPECT_EQ(job.fromCentre, 4800);
    EXPECT_EQ(job.elementWidth, 200);
    EXPECT_EQ(job.quantity, 0);
    EXPECT_EQ(job.textSize, 0);

    entry = LabelEntry {};
    entry.originX = "20000";
    entry.originY = "1";
    entry.labelsPerSheet = "200";
    entry.elementWidth = "55";
    entry.textSize = 200;
    ASSERT_EQ(readLabelEntry(entry, job, messages), LabelEntryCheck::Accepted);
    EXPECT_EQ(job.originX, 20000);
    EXPECT_EQ(job.originY, 1);
    EXPECT_EQ(job.labelsPerSheet, 200);
    EXPECT_EQ(job.elementWidth, 55);
    EXPECT_EQ(job.textSize, 200);
    EXPECT_TRUE(messages.shown.empty());
}

TEST(LabelEntry, EachFormatHasItsSheet)
{
    EXPECT_EQ(defaultSheetSize(LabelFormat::VideoSpine).labelHeight, 1690);
    EXPECT_EQ(defaultSheetSize(LabelFormat::VideoSpine).labelsPerSheet, 16);
    EXPECT_EQ(defaultSheetSize(LabelFormat::TwoColumn).labelHeight, 3380);
    EXPECT_EQ(defaultSheetSize(LabelFormat::TwoColumn).labelsPerSheet, 16);
    EXPECT_EQ(defaultSheetSize(LabelFormat::ThreeColumn).labelHeight, 1690);
    EXPECT_EQ(defaultSheetSize(LabelFormat::ThreeColumn).labelsPerSheet, 48);
    EXPECT_EQ(defaultElementWidth(LabelSymbology::Code39), 40);
    EXPECT_EQ(defaultElementWidth(LabelSymbology::Ean13), 50);
}

// The numbers of `values`, joined: "3 5 9".
std::string numbersOf(const std::vector<LabelValue> &values)
{
    std::string joined;
    for (const LabelValue &value : values)
        joined += (joined.empty() ? "" : " ") + std::to_string(value.number);
    return joined;
}

TEST(LabelValues, EachSourceGivesItsNumbers)
{
    const struct {
        LabelSource source;
        int64_t start;
        int64_t finish;
        int64_t quantity;
        const char *numbers;
        const char *message;
    } cases[] = {
        { LabelSource::Inventory, 1, 100, 0, "3 5 9 12", "" },
        // Numbers between the items have no labels.
        { LabelSource::Inventory, 4, 10, 0, "5 9", "" },
        { LabelSource::Inventory, 6, 8, 0, "", "No items in range." },
        { LabelSource::Inventory, 13, 20, 0, "", "No items in range." },
        { LabelSource::Customers, 1, 5, 0, "2 4", "" },
        { LabelSource::Customers, 8, 9, 0, "", "No items in range." },
        { LabelSource::AllValues, 4, 8, 0, "4 5 6 7 8", "" },
        { LabelSource::RepeatItem, 9, 0, 3, "9 9 9", "" },
        { LabelSource::RepeatItem, 9, 0, 0, "", "" },
        { LabelSource::RepeatItem, 4, 0, 2, "", "No items in range." },
    };
    LabelShop f;
    for (const auto &c : cases) {
        LabelJob job;
        job.source = c.source;
        job.start = c.start;
        job.finish = c.finish;
        job.quantity = c.quantity;
        ScriptedMessages messages;
        const auto values = selectLabelValues(f.shop, job, messages);
        EXPECT_EQ(values.has_value(), std::string(c.message).empty()) << c.start;
        if (values) {
            EXPECT_EQ(numbersOf(*values), c.numbers) << c.start;
        }
        EXPECT_EQ(messages.lastText(), c.message) << c.start;
    }
}

TEST(LabelValues, ItemsCarryDescriptionAndPriceCustomersTheirName)
{
    LabelShop f;
    LabelJob job;
    job.start = 9;
    job.finish = 12;
    ScriptedMessages messages;
    auto values = selectLabelValues(f.shop, job, messages);
    ASSERT_TRUE(values);
    ASSERT_EQ(values->size(), 2u);
    EXPECT_EQ((*values)[0].text, "TEA BAGS");
    EXPECT_EQ((*values)[0].priceCents, 144); // 1.20 and 20% tax 1
    EXPECT_EQ((*values)[1].text, "SUGAR 1KG");
    EXPECT_EQ((*values)[1].priceCents, 300);
    job.priceWithTax = false;
    values = selectLabelValues(f.shop, job, messages);
    ASSERT_TRUE(values);
    EXPECT_EQ((*values)[0].priceCents, 120);

    job.source = LabelSource::Customers;
    job.start = 7;
    job.finish = 7;
    values = selectLabelValues(f.shop, job, messages);
    ASSERT_TRUE(values);
    ASSERT_EQ(values->size(), 1u);
    EXPECT_EQ((*values)[0].text, "BROWN");
}

TEST(LabelValues, AMissingFileStopsThePrint)
{
    LabelShop f;
    std::remove(f.dir.file("film.dat").c_str());
    std::remove(f.dir.file("member.dat").c_str());
    LabelJob job;
    job.finish = 20;
    ScriptedMessages messages;
    EXPECT_FALSE(selectLabelValues(f.shop, job, messages));
    EXPECT_EQ(messages.lastText(), "Data file: film.dat, not present.");
    EXPECT_EQ(messages.lastCaption(), "Fatal error");
    job.source = LabelSource::Customers;
    EXPECT_FALSE(selectLabelValues(f.shop, job, messages));
    EXPECT_EQ(messages.lastText(), "Data file: member.dat, not present.");
}

TEST(LabelTexts, VideoSpineTextFollowsTheChoices)
{
    const LabelShopTexts shop { "CORNER SHOP", "$" };
    const LabelValue item { 9, "TEA BAGS", 144 };
    const struct {
        LabelSource source;
        LabelSymbology symbology;
        bool price;
        bool store;
        bool below;
        const char *text;
    } cases[] = {
        { LabelSource::Inventory, LabelSymbology::Code39, false, false, false, "9  TEA BAGS" },
        { LabelSource::Inventory, LabelSymbology::Code39, false, true, false,
            "CORNER SHOP  9  TEA BAGS" },
        { LabelSource::Inventory, LabelSymbology::Ean13, true, false, false,
            "9  TEA BAGS $1.44" },
        { LabelSource::RepeatItem, LabelSymbology::Code39, true, true, false,
            "CORNER SHOP  9  TEA BAGS $1.44" },
        // Below the other text the price is a line of its own.
        { LabelSource::Inventory, LabelSymbology::Code39, true, false, true, "9  TEA BAGS" },
        { LabelSource::Customers, LabelSymbology::Code39, true, false, false, "9  TEA BAGS" },
        { LabelSource::AllValues, LabelSymbology::Code39, true, false, false, "9" },
        { LabelSource::AllValues, LabelSymbology::Code39, false, true, false, "CORNER SHOP  9" },
        { LabelSource::AllValues, LabelSymbology::Ean13, false, false, false, "0000000000093" },
        { LabelSource::AllValues, LabelSymbology::Ean13, false, true, false,
            "CORNER SHOP  0000000000093" },
    };
    for (const auto &c : cases) {
        LabelJob job;
        job.source = c.source;
        job.symbology = c.symbology;
        job.includePrice = c.price;
        job.includeStore = c.store;
        job.priceBelowText = c.below;
        EXPECT_EQ(videoSpineText(job, item, shop), c.text);
    }
}

// An A4 sheet with 5 mm margins at 600 dots per inch.
RecordingPrintDevice sheetDevice()
{
    RecordingPageSetup setup;
    setup.pageWidth = 21000;
    setup.pageHeight = 29700;
    setup.offsetLeft = 500;
    setup.offsetTop = 500;
    setup.printableWidth = 20000;
    setup.printableHeight = 28700;
    setup.dotsPerInch = 600;
    return RecordingPrintDevice(setup);
}

TEST(LabelSheets, OnePageForEachSheetAndTheFontOfTheTextSize)
{
    LabelJob job;
    job.labelsPerSheet = 3;
    job.textSize = 100;
    std::vector<LabelValue> values;
    for (int64_t number = 1; number <= 7; ++number)
        values.push_back(LabelValue { number, {}, 0 });
    RecordingPrintDevice device = sheetDevice();
    EXPECT_EQ(drawLabelSheets(device, job, values, {}), 3);
    EXPECT_EQ(device.operationsOf(PrintOperation::Kind::NewPage).size(), 2u);
    const auto fonts = device.operationsOf(PrintOperation::Kind::Font);
    ASSERT_EQ(fonts.size(), 3u);
    EXPECT_EQ(fonts[0].font, (PrintFont { PrintFont::Kind::ArialHeight, 287 }));

    // Stopped before the second sheet, the printout keeps its first.
    RecordingPrintDevice stopped = sheetDevice();
    EXPECT_EQ(drawLabelSheets(stopped, job, values, {}, [] { return false; }), 1);
    EXPECT_EQ(stopped.operationsOf(PrintOperation::Kind::Text).size(), 3u);
    RecordingPrintDevice none = sheetDevice();
    EXPECT_EQ(drawLabelSheets(none, job, {}, {}), 0);
}

class LabelSheetPages : public ::testing::Test {
protected:
    std::vector<LabelValue> select(const LabelJob &job)
    {
        auto values = selectLabelValues(f.shop, job, f.messages);
        EXPECT_TRUE(values);
        return values.value_or(std::vector<LabelValue> {});
    }
    std::string sheet(const LabelJob &job)
    {
        RecordingPrintDevice device = sheetDevice();
        drawLabelSheets(device, job, select(job), LabelShopTexts { "CORNER SHOP", "$" });
        return device.transcript();
    }

    LabelShop f;
};

TEST_F(LabelSheetPages, VideoSpineOfItemsInCode39WithPriceBelow)
{
    LabelJob job;
    job.start = 1;
    job.finish = 12;
    job.includePrice = true;
    job.priceBelowText = true;
    job.includeStore = true;
    EXPECT_TRUE(test::matchesGoldenPage(sheet(job), "print/data/labels_video_spine.txt"));
}

TEST_F(LabelSheetPages, TwoColumnOfItemsInEan)
{
    LabelJob job;
    job.start = 1;
    job.finish = 12;
    job.format = LabelFormat::TwoColumn;
    job.labelHeight = 3380;
    job.symbology = LabelSymbology::Ean13;
    job.elementWidth = 50;
    job.includePrice = true;
    EXPECT_TRUE(test::matchesGoldenPage(sheet(job), "print/data/labels_two_column.txt"));
}

TEST_F(LabelSheetPages, ThreeColumnOfCustomersInCode39)
{
    LabelJob job;
    job.start = 1;
    job.finish = 9;
    job.source = LabelSource::Customers;
    job.format = LabelFormat::ThreeColumn;
    job.labelsPerSheet = 48;
    EXPECT_TRUE(test::matchesGoldenPage(sheet(job), "print/data/labels_three_column.txt"));
}

} // namespace
} // namespace ovix
