#include "print/logic/recording_print_device.h"
#include "support/receipt_fixture.h"

#include <gtest/gtest.h>

namespace ovix {
namespace {

using test::bitmapHeader;

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

TEST(RecordingPrintDevice, TranscriptShowsEachOperationOnALineOfItsOwn)
{
    RecordingPrintDevice device; // lines 400 apart
    device.drawText(3600, 2800, "Receipt: 7", TextAlign::Centre);
    device.selectFont({ PrintFont::Kind::Arial10 });
    device.drawText(325, 5200, "  3 @ 1.50", TextAlign::Left);
    device.selectFont({ PrintFont::Kind::ArialHeight, 350, true });
    // Windows-1252 letters in UTF-8; quotes, backslashes and control bytes escaped.
    device.drawText(7000, 5300, "Recepci\xF3n \x80 \"A\\B\"\x07", TextAlign::Right);
    device.drawWrappedText(0, 7600, 7200, 1600, "Always happy to help!");
    device.fillRect(2060, 8800, 40, 1000);
    device.drawImage(bitmapHeader(200, 100), 1800, 125, 3600, 1800);
    device.newPage();
    device.drawText(3600, -25, "", TextAlign::Centre);

    const std::string expected
        = "page 8000x29700, printable 7200x29700 at 200,0, 203 dpi, lines 400 apart, "
          "characters 150 wide\n"
          "text     line 7       y 2800    x 3600    centre  printer     \"Receipt: 7\"\n"
          "font     Arial 10pt\n"
          "text     line 13      y 5200    x 325     left    Arial 10pt  \"  3 @ 1.50\"\n"
          "font     Arial h350 bold\n"
          "text     line 13+100  y 5300    x 7000    right   Arial h350 bold  "
          "\"Recepci\xC3\xB3n \xE2\x82\xAC \\\"A\\\\B\\\"\\x07\"\n"
          "wrapped  line 19      y 7600    x 0       7200x1600  Arial h350 bold  "
          "\"Always happy to help!\"\n"
          "rect     line 22      y 8800    x 2060    40x1000\n"
          "image    line 0+125   y 125     x 1800    3600x1800\n"
          "new page\n"
          "text     line 0-25    y -25     x 3600    centre  Arial h350 bold  \"\"\n";
    EXPECT_EQ(device.transcript(), expected);
    // The same drawing gives the same transcript.
    EXPECT_EQ(device.transcript(), expected);
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
