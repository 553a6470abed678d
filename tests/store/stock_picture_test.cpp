#include "inventory/logic/stock_picture.h"
#include "platform/data_dir.h"
#include "platform/scripted_messages.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace ovix;
using namespace ovix::test;

namespace {

// A 2 x 1 picture, 24 bits, BITMAPINFOHEADER, one padded row.
std::string smallBitmap()
{
    std::string bytes(14 + 40 + 8, '\0');
    putText(bytes, 0, "BM");
    putI32(bytes, 2, int32_t(bytes.size()));
    putI32(bytes, 10, 54);
    putI32(bytes, 14, 40);
    putI32(bytes, 18, 2);
    putI32(bytes, 22, 1);
    bytes[26] = 1;
    bytes[28] = 24;
    putText(bytes, 54, "\x11\x22\x33\x44\x55\x66");
    return bytes;
}

} // namespace

TEST(StockPicture, CopiesTheBitmapOverTheNumberedPicture)
{
    TempDir data;
    writeBytes(data.file("mine.bmp"), smallBitmap());
    ScriptedMessages messages;
    EXPECT_TRUE(replaceStockPicture(DataDir(data.path()), 7, data.file("mine.bmp"), messages));
    EXPECT_EQ(readBytes(data.file("stock7.bmp")), smallBitmap());
    EXPECT_EQ(messages.lastText(), "Updated.");
    EXPECT_EQ(messages.lastCaption(), "Inbuilt picture");
}

TEST(StockPicture, ReplacesAnExistingFileWhateverItsCase)
{
    TempDir data;
    writeBytes(data.file("STOCK12.BMP"), "old");
    writeBytes(data.file("mine.bmp"), smallBitmap());
    ScriptedMessages messages;
    EXPECT_TRUE(replaceStockPicture(DataDir(data.path()), 12, data.file("mine.bmp"), messages));
    EXPECT_EQ(readBytes(data.file("STOCK12.BMP")), smallBitmap());
    struct stat info;
    EXPECT_NE(::stat(data.file("stock12.bmp").c_str(), &info), 0) << "no second copy";
}

TEST(StockPicture, RefusesWhatIsNotAWholeBitmapAndChangesNothing)
{
    const std::string good = smallBitmap();
    std::string cut = good.substr(0, 40);
    std::string wrongMark = good;
    wrongMark[0] = 'P';
    std::string pixelsPastTheEnd = good;
    putI32(pixelsPastTheEnd, 10, 5000);
    std::string noWidth = good;
    putI32(noWidth, 18, 0);
    std::string hugeHeader = good;
    putI32(hugeHeader, 14, 0x7fffffff);
    const std::string cases[] = { "", "BM", cut, wrongMark, pixelsPastTheEnd, noWidth, hugeHeader,
        "GIF89a and some more bytes to pass the length" };
    for (const std::string &bytes : cases) {
        TempDir data;
        writeBytes(data.file("stock3.bmp"), "kept");
        writeBytes(data.file("other.bmp"), bytes);
        ScriptedMessages messages;
        EXPECT_FALSE(
            replaceStockPicture(DataDir(data.path()), 3, data.file("other.bmp"), messages));
        EXPECT_EQ(readBytes(data.file("stock3.bmp")), "kept");
        EXPECT_EQ(messages.lastCaption(), "Problem");
        EXPECT_NE(messages.lastText().find("is not a bitmap picture."), std::string::npos);
    }
    EXPECT_TRUE(looksLikeBitmap(good));
}

TEST(StockPicture, ProblemsAreReportedAndChangeNothing)
{
    TempDir data;
    ScriptedMessages messages;
    EXPECT_FALSE(
        replaceStockPicture(DataDir(data.path() + "/gone"), 1, data.file("mine.bmp"), messages));
    EXPECT_EQ(messages.lastText(), "Unable to locate directory.");
    EXPECT_EQ(messages.lastCaption(), "Problem");

    EXPECT_FALSE(replaceStockPicture(DataDir(data.path()), 1, data.file("missing.bmp"), messages));
    EXPECT_NE(messages.lastText().find("Unable to read"), std::string::npos);

    writeBytes(data.file("mine.bmp"), smallBitmap());
    for (int number : { 0, 25, -1 }) {
        EXPECT_FALSE(
            replaceStockPicture(DataDir(data.path()), number, data.file("mine.bmp"), messages));
        EXPECT_EQ(messages.lastCaption(), "Problem");
    }
    struct stat info;
    EXPECT_NE(::stat(data.file("stock0.bmp").c_str(), &info), 0);
    EXPECT_NE(::stat(data.file("stock25.bmp").c_str(), &info), 0);
}
