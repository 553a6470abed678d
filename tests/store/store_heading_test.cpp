#include "platform/data_dir.h"
#include "platform/file.h"
#include "store/store_heading.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace ovix;
using namespace ovix::test;

namespace {

std::string handBuiltHeading()
{
    std::string bytes(kStoreHeadingSize, '\0');
    putText(bytes, 0, "CORNER SHOP");
    putText(bytes, 42, "12 MARKET ROW");
    putText(bytes, 84, std::string(42, 'A')); // fills its line, no terminator
    putText(bytes, 126, "WESSEX");
    putText(bytes, 168, "WX1 2YZ");
    putText(bytes, 210, "01234 567890");
    putText(bytes, 252, std::string_view("KEEP\0after NUL too", 18));
    bytes[293] = '\x7F';
    return bytes;
}

} // namespace

TEST(StoreHeading, HandBuiltFileReadsLineByLineAndGoesBackUnchanged)
{
    TempDir dir;
    DataDir data(dir.path());
    const std::string original = handBuiltHeading();
    writeBytes(dir.file("ADDRESS.VT"), original);

    StoreHeading heading;
    ASSERT_EQ(loadStoreHeading(data, heading), StoreHeadingLoad::Loaded);
    EXPECT_EQ(heading.storeName(), "CORNER SHOP");
    EXPECT_EQ(heading.line(HeadingLine::Road), "12 MARKET ROW");
    EXPECT_EQ(heading.line(HeadingLine::Area), std::string(42, 'A'));
    EXPECT_EQ(heading.line(HeadingLine::County), "WESSEX");
    EXPECT_EQ(heading.line(HeadingLine::Postcode), "WX1 2YZ");
    EXPECT_EQ(heading.line(HeadingLine::Telephone), "01234 567890");
    EXPECT_EQ(heading.line(HeadingLine::Seventh), "KEEP");

    ASSERT_TRUE(storeStoreHeading(data, heading));
    EXPECT_EQ(readBytes(dir.file("ADDRESS.VT")), original);
}

TEST(StoreHeading, MissingFileGivesSampleLinesAndIsCreatedOnStore)
{
    TempDir dir;
    DataDir data(dir.path());
    StoreHeading heading;
    ASSERT_EQ(loadStoreHeading(data, heading), StoreHeadingLoad::Missing);
    EXPECT_EQ(heading.storeName(), "YOUR SHOP NAME");
    EXPECT_EQ(heading.line(HeadingLine::Telephone), "TEL 0000 000000");
    EXPECT_EQ(heading.line(HeadingLine::Seventh), "");

    ASSERT_TRUE(storeStoreHeading(data, heading));
    std::string written = readBytes(dir.file("ADDRESS.VT"));
    ASSERT_EQ(written.size(), kStoreHeadingSize);
    EXPECT_EQ(getText(written, 42, 42), "1 HIGH STREET");
    EXPECT_EQ(getText(written, 168, 42), "POSTCODE");
}

TEST(StoreHeading, ShortAndLongFiles)
{
    TempDir dir;
    DataDir data(dir.path());
    const std::string full = handBuiltHeading();
    writeBytes(dir.file("ADDRESS.VT"), full.substr(0, 100));
    StoreHeading heading = StoreHeading::sample();
    ASSERT_EQ(loadStoreHeading(data, heading), StoreHeadingLoad::Loaded);
    EXPECT_EQ(heading.storeName(), "CORNER SHOP");
    EXPECT_EQ(heading.line(HeadingLine::Area), std::string(16, 'A'));
    EXPECT_EQ(heading.line(HeadingLine::County), "");
    EXPECT_EQ(heading.line(HeadingLine::Telephone), "");
    EXPECT_EQ(heading.bytes().substr(100), std::string(kStoreHeadingSize - 100, '\0'));

    writeBytes(dir.file("ADDRESS.VT"), full + "more lines from somewhere");
    ASSERT_EQ(loadStoreHeading(data, heading), StoreHeadingLoad::Loaded);
    EXPECT_EQ(heading.bytes(), full);
}

TEST(StoreHeading, UnreadableFileIsToldApartFromAMissingOne)
{
    TempDir dir;
    ASSERT_EQ(mkdir(dir.file("ADDRESS.VT").c_str(), 0755), 0);
    StoreHeading heading;
    EXPECT_EQ(loadStoreHeading(DataDir(dir.path()), heading), StoreHeadingLoad::Unreadable);
    EXPECT_EQ(heading.storeName(), "YOUR SHOP NAME");
}

TEST(StoreHeading, LowerCaseNameIsReplacedUnderItsOwnName)
{
    TempDir dir;
    DataDir data(dir.path());
    writeBytes(dir.file("address.vt"), handBuiltHeading());
    StoreHeading heading;
    ASSERT_EQ(loadStoreHeading(data, heading), StoreHeadingLoad::Loaded);
    heading.setLine(HeadingLine::SiteName, "NEW NAME");
    ASSERT_TRUE(storeStoreHeading(data, heading));
    EXPECT_FALSE(fileExists(dir.file("ADDRESS.VT")));
    EXPECT_EQ(getText(readBytes(dir.file("address.vt")), 0, 42), "NEW NAME");
}

TEST(StoreHeading, LineLengthsKept)
{
    StoreHeading heading;
    heading.setLineFromDialog(HeadingLine::Road, std::string(40, 'R'));
    EXPECT_EQ(heading.line(HeadingLine::Road), std::string(39, 'R'));
    heading.setLine(HeadingLine::Area, std::string(50, 'X'));
    EXPECT_EQ(heading.line(HeadingLine::Area), std::string(41, 'X'));
    EXPECT_EQ(heading.bytes()[84 + 41], '\0');
    EXPECT_EQ(heading.line(HeadingLine::County), ""); // the next line is untouched

    heading.setLine(HeadingLine::Seventh, "SEVENTH");
    heading.setLineFromDialog(HeadingLine::Seventh, "DIALOG");
    EXPECT_EQ(heading.line(HeadingLine::Seventh), "SEVENTH");
}
