#include "platform/scripted_messages.h"
#include "print/logic/measuring_print_device.h"
#include "print/logic/receipt.h"
#include "print/logic/recording_print_device.h"
#include "support/receipt_fixture.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>

namespace ovix {
namespace {

using test::bitmapHeader;

constexpr int kLine = 400; // the recording device's line height

TEST(MeasuringPrintDevice, EachMarkReachesItsLowerEdge)
{
    struct Case {
        const char *what;
        std::function<void(PrintDevice &)> draw;
        int bottom;
    };
    const Case cases[] = {
        { "nothing drawn", [](PrintDevice &) {}, 0 },
        { "a text reaches a line below its top",
            [](PrintDevice &device) { device.drawText(3600, 1000, "Total", TextAlign::Centre); },
            1000 + kLine },
        { "blanks that feed the paper count",
            [](PrintDevice &device) { device.drawText(3600, 2000, "  ", TextAlign::Centre); },
            2000 + kLine },
        { "a wrapped text the lines it needs",
            [](PrintDevice &device) {
                device.drawWrappedText(0, 4000, 1500, 4 * kLine, "Always happy to help!");
            },
            4000 + 3 * kLine },
        { "a wrapped text no further than its box",
            [](PrintDevice &device) {
                device.drawWrappedText(0, 4000, 1500, kLine, "Always happy to help!");
            },
            4000 + kLine },
        { "a bar its lower edge", [](PrintDevice &device) { device.fillRect(100, 500, 40, 1000); },
            1500 },
        { "a bar drawn upwards its start",
            [](PrintDevice &device) { device.fillRect(100, 3000, 40, -500); }, 3000 },
        { "a picture its lower edge",
            [](PrintDevice &device) {
                device.drawImage(bitmapHeader(320, 80), 1800, 10, 3600, 900);
            },
            910 },
        { "a picture that cannot be drawn nothing",
            [](PrintDevice &device) { device.drawImage("GIF89a", 0, 0, 3600, 9000); }, 0 },
        { "the lowest mark of all, not the last",
            [](PrintDevice &device) {
                device.drawText(0, 8000, "Low", TextAlign::Left);
                device.drawText(0, 400, "High", TextAlign::Left);
            },
            8000 + kLine },
        { "the lowest mark of any page",
            [](PrintDevice &device) {
                device.drawText(0, 8000, "Page one", TextAlign::Left);
                device.newPage();
                device.drawText(0, 400, "Page two", TextAlign::Left);
            },
            8000 + kLine },
        { "a mark beyond any paper stops at the largest length",
            [](PrintDevice &device) { device.fillRect(0, INT_MAX - 10, 10, 100); }, INT_MAX },
    };
    for (const Case &c : cases) {
        RecordingPrintDevice recorded;
        MeasuringPrintDevice measured(recorded);
        c.draw(measured);
        EXPECT_EQ(measured.bottom(), c.bottom) << c.what;

        // Everything reaches the device behind, as if drawn on it directly.
        RecordingPrintDevice direct;
        c.draw(direct);
        EXPECT_EQ(recorded.transcript(), direct.transcript()) << c.what;
    }
}

// A receipt is as long as its lines down to the blanks that end it, one line
// more for each line the sale adds.
TEST(MeasuringPrintDevice, ReceiptLengthFollowsItsLines)
{
    struct Case {
        const char *what;
        ReceiptKind kind;
        bool barcode;
        int blankLines; // custom receipt: stored 0-19 for 1-20
    };
    const Case cases[] = {
        { "standard", ReceiptKind::Standard, false, 0 },
        { "standard with barcode", ReceiptKind::Standard, true, 0 },
        { "custom with one blank line", ReceiptKind::Custom, false, 0 },
        { "custom with twenty blank lines", ReceiptKind::Custom, false, 19 },
        { "custom with barcode", ReceiptKind::Custom, true, 0 },
    };
    for (const Case &c : cases) {
        int previous = 0;
        for (int lines = 1; lines <= 3; ++lines) {
            test::ReceiptShop shop;
            for (int line = 0; line < lines; ++line)
                shop.addLine(20 + line, "Loaf", 1.20f);
            shop.config.set(cfg::standardReceiptBarcode, c.barcode ? 2 : 0);
            shop.config.set(cfg::customReceiptBarcode, c.barcode ? 2 : 0);
            shop.config.set(cfg::customReceiptBlankLines, c.blankLines);
            setCustomReceiptLine(shop.config, ReceiptField::Total, 2);
            RecordingPrintDevice recorded;
            MeasuringPrintDevice measured(recorded);
            ScriptedMessages messages;
            printReceipt(measured, c.kind, shop.data(), messages);

            // The last mark is the barcode's bars, else the last blank line.
            const std::vector<PrintOperation> &drawn = recorded.operations();
            ASSERT_FALSE(drawn.empty());
            const PrintOperation &last = drawn.back();
            const int end
                = last.kind == PrintOperation::Kind::Rect ? last.y + last.height : last.y + kLine;
            EXPECT_EQ(last.kind == PrintOperation::Kind::Rect, c.barcode) << c.what;
            EXPECT_EQ(measured.bottom(), end) << c.what << ", " << lines << " lines";
            if (lines > 1) {
                EXPECT_EQ(measured.bottom() - previous, kLine) << c.what << ", " << lines;
            }
            previous = measured.bottom();
        }
    }
}

} // namespace
} // namespace ovix
