#include "platform/file.h"
#include "platform/file_access.h"
#include "sync/logic/publish_log.h"
#include "sync/logic/stock_conversion.h"
#include "sync/logic/stock_formatter.h"
#include "sync/logic/sync_config.h"
#include "support/failing_reads.h"
#include "sync_test_support.h"

#include <gtest/gtest.h>

using namespace ovix;
using namespace ovix::test;

namespace {

const std::string kDeclaration
    = "<?xml version=\"1.0\" encoding=\"WINDOWS-1252\"?>\r\n<document>\r\n";

const std::string kGreenTeaXml = "<item>\r\n"
                                 "<number>1042</number>\r\n"
                                 "<description>GREEN TEA</description>\r\n"
                                 "<sku1>5012345678900</sku1>\r\n"
                                 "<sku2>GT-01</sku2>\r\n"
                                 "<sku3></sku3>\r\n"
                                 "<sku4>LOOSE</sku4>\r\n"
                                 "<cost_price>1.50</cost_price>\r\n"
                                 "<trade_price>2.25</trade_price>\r\n"
                                 "<retail_price>3.99</retail_price>\r\n"
                                 "<quantity>12</quantity>\r\n"
                                 "<reorder_quantity>4</reorder_quantity>\r\n"
                                 "<tax>2</tax>\r\n"
                                 "<display_category>7</display_category>\r\n"
                                 "<category>DRINKS</category>\r\n"
                                 "<format>100G</format>\r\n"
                                 "<date_added>05/03/2024</date_added>\r\n"
                                 "<last_used>14:3005/03/2024</last_used>\r\n"
                                 "<order_code>SUP-77</order_code>\r\n"
                                 "<minimum_order>6</minimum_order>\r\n"
                                 "<total_sold>37</total_sold>\r\n"
                                 "<location>SHELF 3</location>\r\n"
                                 "<website>www.shop.test/tea</website>\r\n"
                                 "<notes>Caf\xE9 blend \x80"
                                 "5</notes>\r\n"
                                 "</item>\r\n";

SyncConfig settings(FileFormat format, std::initializer_list<OptionalField> leftOut = {})
{
    SyncConfig config;
    config.setDefaultElementNames();
    config.setFileFormat(format);
    for (OptionalField field : leftOut)
        config.setIncluded(field, false);
    return config;
}

class Conversion : public ::testing::Test {
protected:
    // Converts `film` (the bytes of inventor.dat) and returns the file produced.
    std::string convert(const std::string &film, const SyncConfig &config)
    {
        writeBytes(dir.file("inventor.dat"), film);
        converted = convertStockFile(
            dir.file("inventor.dat"), dir.file("out"), StockFormatter(config), log);
        return readBytes(dir.file("out"));
    }

    TempDir dir;
    PublishLog log;
    bool converted = false;
};

} // namespace

TEST_F(Conversion, EveryFieldInXmlAndCsv)
{
    const std::string film = blankRecord(-1) + greenTeaRecord();
    EXPECT_EQ(
        convert(film, settings(FileFormat::Xml)), kDeclaration + kGreenTeaXml + "</document>");
    EXPECT_TRUE(converted);
    EXPECT_EQ(convert(film, settings(FileFormat::Csv)),
        "1042,GREEN TEA,5012345678900,GT-01,,LOOSE,1.50,2.25,3.99,12,4,2,7,DRINKS,100G,"
        "05/03/2024,14:3005/03/2024,SUP-77,6,37,SHELF 3,www.shop.test/tea,"
        "Caf\xE9 blend \x80"
        "5\r\n");
    EXPECT_TRUE(log.lines().isEmpty());
    EXPECT_FALSE(fileExists(dir.file("out.new~")));
}

TEST_F(Conversion, OnlyFreeSlotsGiveAnEmptyDocumentOrAnEmptyFile)
{
    std::string zero = greenTeaRecord();
    putI64(zero, at::number, 0);
    std::string negative = greenTeaRecord();
    putI64(negative, at::number, INT64_MIN);
    const std::string film = blankRecord(-1) + zero + negative;
    EXPECT_EQ(convert(film, settings(FileFormat::Xml)),
        "<?xml version=\"1.0\" encoding=\"WINDOWS-1252\"?>\r\n<document>\r\n</document>");
    EXPECT_EQ(convert(film, settings(FileFormat::Csv)), "");
    EXPECT_TRUE(converted);
}

// A damaged record's date would otherwise open an element of its own and the
// web site could not read the stock file.
TEST_F(Conversion, MarkupIsEscapedInEveryXmlTextButNotInCsv)
{
    std::string item = blankRecord(7);
    putText(item, at::description, "FISH & CHIPS <HOT>");
    putText(item, at::sku1, "A\"B'C");
    putText(item, at::category, "<&>");
    putText(item, at::format, "'");
    putText(item, at::orderCode, "\"");
    putText(item, at::location, "&&");
    putText(item, at::website, "a.test/?x=1&y=2");
    putText(item, at::notes, "1 < 2 > 0");
    putText(item, at::dateAdded, "<d>&");
    putText(item, at::lastUsed, "'l\"");
    const auto leftOut = { OptionalField::Sku2, OptionalField::Sku3, OptionalField::Sku4,
        OptionalField::CostPrice, OptionalField::TradePrice, OptionalField::RetailPrice,
        OptionalField::Quantity, OptionalField::ReorderQuantity, OptionalField::Tax,
        OptionalField::DisplayCategory, OptionalField::MinimumOrder, OptionalField::TotalSold };
    EXPECT_EQ(convert(item, settings(FileFormat::Xml, leftOut)),
        kDeclaration
            + "<item>\r\n"
              "<number>7</number>\r\n"
              "<description>FISH &amp; CHIPS &lt;HOT&gt;</description>\r\n"
              "<sku1>A&quot;B&apos;C</sku1>\r\n"
              "<category>&lt;&amp;&gt;</category>\r\n"
              "<format>&apos;</format>\r\n"
              "<date_added>&lt;d&gt;&amp;</date_added>\r\n"
              "<last_used>&apos;l&quot;</last_used>\r\n"
              "<order_code>&quot;</order_code>\r\n"
              "<location>&amp;&amp;</location>\r\n"
              "<website>a.test/?x=1&amp;y=2</website>\r\n"
              "<notes>1 &lt; 2 &gt; 0</notes>\r\n"
              "</item>\r\n</document>");
    EXPECT_EQ(convert(item, settings(FileFormat::Csv, leftOut)),
        "7,FISH & CHIPS <HOT>,A\"B'C,<&>,',<d>&,'l\",\",&&,a.test/?x=1&y=2,1 < 2 > 0\r\n");
}

TEST_F(Conversion, OptionalFieldsFollowTheirOwnFlags)
{
    SyncConfig none = settings(FileFormat::Csv);
    for (int i = 0; i < kOptionalFieldCount; ++i)
        none.setIncluded(static_cast<OptionalField>(i), false);
    std::string last = blankRecord(100000000000000000);
    putText(last, at::description, "LAST, BUT ONE");
    EXPECT_EQ(convert(greenTeaRecord() + last, none),
        "1042,GREEN TEA\r\n100000000000000000,LAST, BUT ONE\r\n");

    // The flags run ... total sold, notes, location, web site; the output
    // runs ... total sold, location, web site, notes.
    EXPECT_EQ(convert(greenTeaRecord(),
                  settings(FileFormat::Csv,
                      { OptionalField::Sku3, OptionalField::TradePrice, OptionalField::Tax,
                          OptionalField::LastUsed, OptionalField::Notes })),
        "1042,GREEN TEA,5012345678900,GT-01,LOOSE,1.50,3.99,12,4,7,DRINKS,100G,"
        "05/03/2024,SUP-77,6,37,SHELF 3,www.shop.test/tea\r\n");
    EXPECT_EQ(convert(greenTeaRecord(),
                  settings(FileFormat::Csv,
                      { OptionalField::Location, OptionalField::Website, OptionalField::Sku1 })),
        "1042,GREEN TEA,GT-01,,LOOSE,1.50,2.25,3.99,12,4,2,7,DRINKS,100G,05/03/2024,"
        "14:3005/03/2024,SUP-77,6,37,Caf\xE9 blend \x80"
        "5\r\n");
}

TEST_F(Conversion, ElementNamesComeFromTheSettingsInWindows1252)
{
    SyncConfig xml = settings(FileFormat::Xml);
    for (int i = 0; i < kOptionalFieldCount; ++i)
        xml.setIncluded(static_cast<OptionalField>(i), i == int(OptionalField::Notes));
    xml.setElementName(Element::Item, QString::fromUtf8("artículo"));
    xml.setElementName(Element::Description, QString::fromUtf8("d\u20ACsc\u6570"));
    xml.setElementName(Element::Notes, QStringLiteral("remarks"));
    std::string item = blankRecord(3);
    putText(item, at::description, "X");
    EXPECT_EQ(convert(item, xml),
        kDeclaration
            + "<art\xED"
              "culo>\r\n<number>3</number>\r\n<d\x80sc?>X</d\x80sc?>\r\n"
              "<remarks></remarks>\r\n</art\xED"
              "culo>\r\n</document>");
}

// A name that would end its tag early, typed so or read from a damaged
// vx.cfg, gives way to the default name; any other name is kept as typed.
TEST_F(Conversion, ElementNamesThatWouldBreakTheirTagsAreReplacedByTheDefaults)
{
    const struct {
        const char *typed;
        const char *written;
    } cases[] = {
        { "remarks", "remarks" },
        { "g:notes", "g:notes" },
        { "x-y_z.1", "x-y_z.1" },
        { "", "notes" },
        { "my notes", "notes" },
        { "a<b", "notes" },
        { "a>b", "notes" },
        { "a&b", "notes" },
        { "a\"b", "notes" },
        { "a'b", "notes" },
        { "a/b", "notes" },
        { "a=b", "notes" },
        { "a\tb", "notes" },
        { "a\x7f", "notes" },
    };
    for (const auto &each : cases) {
        SyncConfig xml = settings(FileFormat::Xml);
        for (int i = 0; i < kOptionalFieldCount; ++i)
            xml.setIncluded(static_cast<OptionalField>(i), i == int(OptionalField::Notes));
        xml.setElementName(Element::Notes, QString::fromLatin1(each.typed));
        std::string item = blankRecord(3);
        putText(item, at::description, "X");
        EXPECT_EQ(convert(item, xml),
            kDeclaration + "<item>\r\n<number>3</number>\r\n<description>X</description>\r\n<"
                + each.written + "></" + each.written + ">\r\n</item>\r\n</document>")
            << each.typed;
    }
}

TEST_F(Conversion, NumbersAsPrintfWritesThem)
{
    std::string item = blankRecord(INT64_MAX);
    putF32(item, at::costPrice, -0.004f);
    putF32(item, at::tradePrice, 1234567.0f);
    putF32(item, at::retailPrice, 0.125f); // a tie: rounded to even
    putI32(item, at::quantity, -5);
    putI32(item, at::reorderQuantity, INT32_MIN);
    putI32(item, at::tax, INT32_MAX);
    SyncConfig csv = settings(FileFormat::Csv);
    for (int i = int(OptionalField::DisplayCategory); i < kOptionalFieldCount; ++i)
        csv.setIncluded(static_cast<OptionalField>(i), false);
    EXPECT_EQ(convert(item, csv),
        "9223372036854775807,,,,,,-0.00,1234567.00,0.12,-5,-2147483648,"
        "2147483647\r\n");
}

TEST_F(Conversion, HostileRecordsAreReadWithinTheirFields)
{
    const std::string allFF(kRecordBytes, '\xFF'); // number -1: a free slot
    std::string live = allFF; // no terminators, counts -1, prices NaN
    putI64(live, at::number, 5);
    const std::string film = allFF + live + allFF.substr(0, 1000); // a cut-off record at the end

    auto run = [](size_t width) { return std::string(width, '\xFF'); };
    EXPECT_EQ(convert(film, settings(FileFormat::Csv)),
        "5," + run(82) + "," + run(40) + "," + run(40) + "," + run(40) + "," + run(60)
            + ",-nan,-nan,-nan,-1,-1,-1,-1," + run(60) + "," + run(20) + "," + run(20) + ","
            + run(16) + "," + run(40) + ",-1,-1," + run(200) + "," + run(40) + "," + run(87)
            + "\r\n");
    const std::string xml = convert(film, settings(FileFormat::Xml));
    EXPECT_TRUE(converted);
    EXPECT_NE(
        xml.find("<item>\r\n<number>5</number>\r\n<description>" + run(82) + "</description>\r\n"),
        std::string::npos);
    EXPECT_NE(
        xml.find("<notes>" + run(87) + "</notes>\r\n</item>\r\n</document>"), std::string::npos);
}

TEST_F(Conversion, FailuresAreLoggedAndLeaveTheOldFile)
{
    fixClock(2024, 3, 5, 9, 7);
    writeBytes(dir.file("out"), "previous upload");
    EXPECT_FALSE(convertStockFile(
        dir.file("inventor.dat"), dir.file("out"), StockFormatter(settings(FileFormat::Xml)), log));
    EXPECT_EQ(log.lines(),
        QStringList({ "9:07 Tue Mar 5 2024", "Unable to locate inventory copy file", "    " }));

    writeBytes(dir.file("inventor.dat"), greenTeaRecord());
    PublishLog failed;
    FaultyFileAccess faulty;
    faulty.faultSyncNumber(1, FaultyFileAccess::Mode::Fail);
    setFileAccess(&faulty);
    EXPECT_FALSE(convertStockFile(dir.file("inventor.dat"), dir.file("out"),
        StockFormatter(settings(FileFormat::Xml)), failed));
    setFileAccess(nullptr);
    EXPECT_EQ(failed.lines(),
        QStringList({ "9:07 Tue Mar 5 2024", "Unable to produce upload file", "    " }));
    EXPECT_EQ(readBytes(dir.file("out")), "previous upload");
    EXPECT_FALSE(fileExists(dir.file("out.new~")));
    releaseClock();
}

TEST_F(Conversion, AnUploadStillSendingTheOldFileKeepsItWhole)
{
    writeBytes(dir.file("out"), "old stock list");
    File sending = File::open(dir.file("out"), File::Mode::Read);
    EXPECT_EQ(convert(greenTeaRecord(), settings(FileFormat::Xml)),
        kDeclaration + kGreenTeaXml + "</document>");
    char bytes[32] = {};
    EXPECT_EQ(sending.readSomeAt(0, bytes, sizeof bytes), 14);
    EXPECT_EQ(std::string(bytes, 14), "old stock list");
}

TEST_F(Conversion, ManyRecordsAcrossReadChunksAndWriteFlushes)
{
    std::string film;
    std::string expected = kDeclaration;
    const std::string number = "<number>1042</number>";
    for (int i = 1; i <= 2500; ++i) {
        std::string item = greenTeaRecord();
        putI64(item, at::number, i % 3 == 0 ? -1 : i);
        film += item;
        if (i % 3 != 0) {
            std::string xml = kGreenTeaXml;
            expected += xml.replace(
                xml.find(number), number.size(), "<number>" + std::to_string(i) + "</number>");
        }
    }
    expected += "</document>";
    ASSERT_GT(expected.size(), 1u << 20);
    EXPECT_EQ(convert(film, settings(FileFormat::Xml)), expected);
}

// The upload file is on the disk with its folder before it is sent; a folder
// that cannot be synced is told like any other failure to produce it.
TEST_F(Conversion, TheUploadFileIsSyncedWithItsFolder)
{
    FaultyFileAccess counting;
    setFileAccess(&counting);
    convert(greenTeaRecord(), settings(FileFormat::Csv));
    setFileAccess(nullptr);
    EXPECT_TRUE(converted);
    EXPECT_EQ(counting.syncs(), 2);

    fixClock(2024, 3, 5, 9, 7);
    FaultyFileAccess faulty;
    faulty.faultSyncNumber(2, FaultyFileAccess::Mode::Fail);
    setFileAccess(&faulty);
    convert(greenTeaRecord(), settings(FileFormat::Csv));
    setFileAccess(nullptr);
    releaseClock();
    EXPECT_FALSE(converted);
    EXPECT_EQ(log.lines(),
        QStringList({ "9:07 Tue Mar 5 2024", "Unable to produce upload file", "    " }));
    EXPECT_FALSE(fileExists(dir.file("out.new~")));
}

// A copy that cannot be read to its end gives no stock file at all: a list
// missing the items after a bad sector would tell the website they are gone.
TEST_F(Conversion, AnUnreadableCopyLeavesTheOldFile)
{
    fixClock(2024, 3, 5, 9, 7);
    std::string film;
    for (int i = 1; i <= 1200; ++i) {
        std::string item = greenTeaRecord();
        putI64(item, at::number, i);
        film += item;
    }
    writeBytes(dir.file("inventor.dat"), film);
    writeBytes(dir.file("out"), "previous upload");
    const int64_t badRecord = 1000;
    FailingReads failing(dir.file("inventor.dat"), badRecord * 1874, badRecord * 1874 + 1);
    EXPECT_FALSE(convertStockFile(
        dir.file("inventor.dat"), dir.file("out"), StockFormatter(settings(FileFormat::Csv)), log));
    EXPECT_GT(failing.failures(), 0);
    EXPECT_EQ(log.lines(),
        QStringList({ "9:07 Tue Mar 5 2024", "Unable to locate inventory copy file", "    " }));
    EXPECT_EQ(readBytes(dir.file("out")), "previous upload");
    EXPECT_FALSE(fileExists(dir.file("out.new~")));
    releaseClock();
}
