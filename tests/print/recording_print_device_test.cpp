#include "print/logic/recording_print_device.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace ovix {
namespace {

// A BMP file header and the start of its info header, built byte by byte.
std::string bitmapHeader(int32_t width, int32_t height)
{
    std::string bytes(54, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    test::putI32(bytes, 2, 54);
    test::putI32(bytes, 10, 54);
    test::putI32(bytes, 14, 40);
    test::putI32(bytes, 18, width);
    test::putI32(bytes, 22, height);
    return bytes;
}

TEST(RecordingPrintDevice, TextsKeepTheFontInUseAndARefusedFontChangesNothing)
{
    RecordingPrintDevice device;
    PrintFont arial { PrintFont::Kind::Arial10 };
    PrintFont large { PrintFont::Kind::ArialHeight, 700 };
    device.refuseFont(large);
    device.drawText(3600, 400, "Receipt: 7", TextAlign::Centre);
    ASSERT_TRUE(device.selectFont(arial));
    EXPECT_FALSE(device.selectFont(large));
    device.drawText(7000, 800, "1.50", TextAlign::Right);

    auto texts = device.operationsOf(PrintOperation::Kind::Text);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].font.kind, PrintFont::Kind::PrinterDefault);
    EXPECT_EQ(texts[1].font, arial);
    EXPECT_EQ(device.operationsOf(PrintOperation::Kind::Font).size(), 1u);
    EXPECT_EQ(device.texts(), (std::vector<std::string> { "Receipt: 7", "1.50" }));
}

TEST(RecordingPrintDevice, WrappedTextTakesOneLinePerWrappedLine)
{
    RecordingPrintDevice device; // 150 per character, 400 per line
    // 1500 wide: ten characters a line.
    EXPECT_EQ(device.wrapLines("Always happy to help!", 1500),
        (std::vector<std::string> { "Always", "happy to", "help!" }));
    EXPECT_EQ(device.drawWrappedText(0, 4000, 1500, 1600, "Always happy to help!"), 1200);
    EXPECT_EQ(device.drawWrappedText(0, 4000, 7200, 1600, "Always happy to help!"), 400);
    // A word longer than the box is cut; an empty text still takes a line.
    EXPECT_EQ(device.wrapLines("ABCDEFGHIJKLMNOPQRSTUVWXY", 1500),
        (std::vector<std::string> { "ABCDEFGHIJ", "KLMNOPQRST", "UVWXY" }));
    EXPECT_EQ(device.drawWrappedText(0, 0, 1500, 400, ""), 400);
}

TEST(RecordingPrintDevice, ReadsBitmapSizesAndRefusesDamagedOnes)
{
    RecordingPrintDevice device;
    auto size = device.imageSize(bitmapHeader(320, 80));
    ASSERT_TRUE(size);
    EXPECT_EQ(size->width, 320);
    EXPECT_EQ(size->height, 80);
    // Top-down bitmaps store a negative height.
    EXPECT_EQ(device.imageSize(bitmapHeader(320, -80))->height, 80);

    EXPECT_FALSE(device.imageSize(bitmapHeader(320, 80).substr(0, 25)));
    EXPECT_FALSE(device.imageSize(bitmapHeader(0, 80)));
    EXPECT_FALSE(device.imageSize(bitmapHeader(-5, 80)));
    EXPECT_FALSE(device.imageSize(bitmapHeader(320, INT32_MIN)));
    EXPECT_FALSE(device.imageSize("GIF89a............................"));
    EXPECT_FALSE(device.drawImage("", 0, 0, 100, 100));
    EXPECT_TRUE(device.operations().empty());

    EXPECT_TRUE(device.drawImage(bitmapHeader(320, 80), 1800, 10, 3600, 900));
    auto images = device.operationsOf(PrintOperation::Kind::Image);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].x, 1800);
    EXPECT_EQ(images[0].width, 3600);
    EXPECT_EQ(images[0].height, 900);
}

TEST(MulDiv, RoundsHalfAwayFromZeroAndRefusesWhatDoesNotFit)
{
    EXPECT_EQ(mulDiv(10, 600, 72), 83); // 83.33
    EXPECT_EQ(mulDiv(10, 203, 72), 28); // 28.19
    EXPECT_EQ(mulDiv(5, 1, 2), 3);
    EXPECT_EQ(mulDiv(-5, 1, 2), -3);
    EXPECT_EQ(mulDiv(5, -1, 2), -3);
    EXPECT_EQ(mulDiv(3600, 80, 320), 900);
    EXPECT_EQ(mulDiv(1, 1, 0), -1);
    // A bitmap claiming two billion rows stretched to 36 mm.
    EXPECT_EQ(mulDiv(3600, INT32_MAX, 1), -1);
    EXPECT_EQ(mulDiv(INT32_MIN, -1, 1), -1);
    EXPECT_EQ(mulDiv(INT32_MIN, 1, 1), INT32_MIN);
}

} // namespace
} // namespace ovix
