#include "platform/scripted_messages.h"
#include "print/logic/code39.h"
#include "print/logic/recording_print_device.h"
#include "support/code39_reader.h"

#include <gtest/gtest.h>

namespace ovix {
namespace {

// One scan line across the recorded bars, one entry per 0.01 mm from x 0.
std::vector<bool> scanRow(const RecordingPrintDevice &device, int y)
{
    std::vector<bool> row;
    for (const PrintOperation &bar : device.operationsOf(PrintOperation::Kind::Rect)) {
        if (y < bar.y || y >= bar.y + bar.height)
            continue;
        if (row.size() < static_cast<size_t>(bar.x + bar.width))
            row.resize(bar.x + bar.width, false);
        for (int x = bar.x; x < bar.x + bar.width; ++x)
            row[x] = true;
    }
    return row;
}

TEST(Code39, NumbersArePaddedToFourDigits)
{
    EXPECT_EQ(code39Digits(7), "0007");
    EXPECT_EQ(code39Digits(0), "0000");
    EXPECT_EQ(code39Digits(12345), "12345");
    EXPECT_EQ(code39Digits(100000000000000000), "100000000000000000");
    EXPECT_EQ(code39Digits(-7), "");
}

TEST(Code39, SevenIsSixCharactersOfThirteenModules)
{
    RecordingPrintDevice device;
    ASSERT_TRUE(drawCode39(device, 100, 500, "0007", 40));
    auto bars = device.operationsOf(PrintOperation::Kind::Rect);
    ASSERT_EQ(bars.size(), 6u * 5u); // five bars per character
    for (const PrintOperation &bar : bars) {
        EXPECT_EQ(bar.y, 500);
        EXPECT_EQ(bar.height, 1000);
        EXPECT_TRUE(bar.width == 40 || bar.width == 80) << bar.width;
    }
    // Character k starts 13 k modules in; the last ends one gap short of 78.
    EXPECT_EQ(bars[0].x, 100);
    EXPECT_EQ(bars[5].x, 100 + 13 * 40);
    EXPECT_EQ(bars.back().x + bars.back().width, 100 + 77 * 40);
    EXPECT_EQ(code39Width(4, 40), 77 * 40);
    EXPECT_EQ(test::readCode39Row(scanRow(device, 1000)), "*0007*");
}

TEST(Code39, EveryDigitReadsBack)
{
    RecordingPrintDevice device;
    ASSERT_TRUE(drawCode39(device, 0, 0, "0123456789", 3, 50));
    EXPECT_EQ(test::readCode39Row(scanRow(device, 10)), "*0123456789*");
}

TEST(Code39, RefusesWhatItCannotEncode)
{
    RecordingPrintDevice device;
    EXPECT_FALSE(drawCode39(device, 0, 0, "", 40));
    EXPECT_FALSE(drawCode39(device, 0, 0, "12A4", 40));
    EXPECT_FALSE(drawCode39(device, 0, 0, "-007", 40));
    EXPECT_FALSE(drawCode39(device, 0, 0, "0007", 0));
    EXPECT_TRUE(device.operations().empty());
    EXPECT_EQ(code39Pattern('A'), "");
}

TEST(Code39, NumberBarcodeIsCentredOnThePrintableWidth)
{
    RecordingPageSetup setup;
    setup.printableWidth = 7200;
    RecordingPrintDevice device(setup);
    ScriptedMessages messages;
    ASSERT_TRUE(drawNumberBarcode(device, 2000, 7, messages));
    auto bars = device.operationsOf(PrintOperation::Kind::Rect);
    ASSERT_FALSE(bars.empty());
    int left = bars.front().x;
    int right = 7200 - (bars.back().x + bars.back().width);
    EXPECT_LE(std::abs(left - right), 1);
    EXPECT_EQ(bars.front().y, 2000);
    EXPECT_EQ(test::readCode39Row(scanRow(device, 2500)), "*0007*");
    EXPECT_TRUE(messages.shown.empty());
}

TEST(Code39, PrinterWithoutResolutionGetsNoBarcode)
{
    RecordingPageSetup setup;
    setup.dotsPerInch = 0;
    RecordingPrintDevice device(setup);
    ScriptedMessages messages;
    EXPECT_FALSE(drawNumberBarcode(device, 0, 7, messages));
    EXPECT_TRUE(device.operations().empty());
    EXPECT_EQ(messages.lastText(), "Unable to get printer");
    EXPECT_EQ(messages.lastCaption(), "Problem");
}

} // namespace
} // namespace ovix
