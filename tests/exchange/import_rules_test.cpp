// How one line of an import file becomes an item or a customer record, and
// why a line is not taken.

#include "exchange/logic/import_fields.h"
#include "exchange/logic/import_lines.h"
#include "store/customer_record.h"
#include "store/fixed_text.h"
#include "store/item_record.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace ovix;
using namespace ovix::test;

namespace {

constexpr const char *kStamp = "09:3005/03/2026";

std::string itemBytes(std::string_view line, std::optional<ImportRejection> *rejection = nullptr)
{
    std::string record(sizeof(ItemRecord), '\x55');
    auto verdict = buildImportRecord(ImportSubject::Items, line,
        initialColumnMap(ImportSubject::Items, countImportColumns(line)), kStamp, record.data());
    if (rejection)
        *rejection = verdict;
    return record;
}

} // namespace

TEST(ImportLines, LinesEndAtLineFeedsWithOrWithoutCarriageReturn)
{
    const std::string longLine(kLongestImportLine + 1, 'x');
    const std::string text = "a,b\r\n\nc\n" + longLine + "\nlast";
    ImportLineReader reader(text);
    ImportLine line;
    std::vector<std::string> seen;
    std::vector<bool> tooLong;
    while (reader.next(line)) {
        seen.emplace_back(line.text);
        tooLong.push_back(line.tooLong);
        EXPECT_EQ(line.number, static_cast<int64_t>(seen.size()));
    }
    EXPECT_EQ(seen, (std::vector<std::string> { "a,b", "", "c", "", "last" }));
    EXPECT_EQ(tooLong, (std::vector<bool> { false, false, false, true, false }));
    EXPECT_EQ(countImportLines(text), 5);
    EXPECT_EQ(countImportLines("a\nb\n"), 2);
    // A line of exactly the longest length is still read.
    const std::string longest = std::string(kLongestImportLine, 'y') + "\n";
    ImportLineReader exact(longest); // reads the bytes where they are
    ASSERT_TRUE(exact.next(line));
    EXPECT_FALSE(line.tooLong);
}

TEST(ImportLines, ColumnsAreCountedByCommas)
{
    struct Row {
        const char *line;
        int column;
        std::optional<std::string> expected;
    } rows[] = {
        { "5,AB,C", 1, "5" },
        { "5,AB,C", 3, "C" },
        { "5,AB,C", 4, std::nullopt },
        { "5,,C", 2, "" },
        { "5,AB,", 3, "" },
        { "", 1, "" },
        { "", 2, std::nullopt },
        { "x", 0, std::nullopt },
    };
    for (const Row &row : rows) {
        const auto got = importColumn(row.line, row.column);
        EXPECT_EQ(got ? std::optional<std::string>(std::string(*got)) : std::nullopt,
            row.expected)
            << row.line << " column " << row.column;
    }
    EXPECT_EQ(countImportColumns("a,b,,c"), 4);
}

TEST(ImportRules, NumbersAreReadAsTheOldReadersDid)
{
    struct Row {
        const char *text;
        int64_t integer;
        std::optional<double> decimal;
    } rows[] = {
        { "42", 42, 42.0 },
        { "  -7x", -7, -7.0 },
        { "+3.75", 3, 3.75 },
        { "5abc", 5, 5.0 },
        { "abc", 0, std::nullopt },
        { "", 0, std::nullopt },
        { "99999999999999999999999", INT64_MAX, 1e23 },
        { "-99999999999999999999999", INT64_MIN, -1e23 },
        { "inf", 0, std::nullopt },
        { "nan", 0, std::nullopt },
        { "1e999", 1, std::nullopt },
        { ".5", 0, 0.5 },
    };
    for (const Row &row : rows) {
        EXPECT_EQ(leadingInteger(row.text), row.integer) << row.text;
        EXPECT_EQ(leadingDecimal(row.text), row.decimal) << row.text;
    }
}

TEST(ImportRules, ItemFieldsAreTakenByTheirRules)
{
    struct Row {
        const char *line;
        size_t offset;
        enum { Int32, Float, Text } kind;
        double number;
        const char *text;
    } rows[] = {
        // A lower-case description is stored in capitals.
        { "5,ab", offsetof(ItemRecord, description), Row::Text, 0, "AB" },
        { "5,caf\xe9 \xfe", offsetof(ItemRecord, description), Row::Text, 0, "CAF\xc9 \xde" },
        { "5,AB,sku one", offsetof(ItemRecord, sku1), Row::Text, 0, "sku one" },
        { "5,AB,,,3.456", offsetof(ItemRecord, cost_price), Row::Float, 3.46, nullptr },
        { "5,AB,,,-2", offsetof(ItemRecord, cost_price), Row::Float, 0, nullptr },
        { "5,AB,,,0.001", offsetof(ItemRecord, cost_price), Row::Float, 0, nullptr },
        { "5,AB,,,,17", offsetof(ItemRecord, display_category), Row::Int32, 17, nullptr },
        { "5,AB,,,,0", offsetof(ItemRecord, display_category), Row::Int32, 0, nullptr },
        { "5,AB,,,,18", offsetof(ItemRecord, display_category), Row::Int32, 14, nullptr },
        { "5,AB,,,,-1", offsetof(ItemRecord, display_category), Row::Int32, 14, nullptr },
        { "5,AB,,,,,9.99", offsetof(ItemRecord, retail_price), Row::Float, 9.99, nullptr },
        { "5,AB,,,,,,12", offsetof(ItemRecord, quantity), Row::Int32, 12, nullptr },
        { "5,AB,,,,,,-12", offsetof(ItemRecord, quantity), Row::Int32, 0, nullptr },
        { "5,AB,,,,,,99999999999", offsetof(ItemRecord, quantity), Row::Int32, INT32_MAX,
            nullptr },
        { "5,AB,,,,,,,4", offsetof(ItemRecord, reorder_quantity), Row::Int32, 4, nullptr },
        { "5,AB,,,,,,,,2", offsetof(ItemRecord, tax), Row::Int32, 2, nullptr },
        { "5,AB,,,,,,,,7", offsetof(ItemRecord, tax), Row::Int32, 1, nullptr },
        { "5,AB,,,,,,,,0", offsetof(ItemRecord, tax), Row::Int32, 0, nullptr },
        { "5,AB,,,,,,,,,OC", offsetof(ItemRecord, order_code), Row::Text, 0, "OC" },
        { "5,AB,,,,,,,,,,6", offsetof(ItemRecord, order_quantity), Row::Int32, 6, nullptr },
        { "5,AB,,,,,,,,,,,3", offsetof(ItemRecord, minimum_order), Row::Int32, 3, nullptr },
        { "5,AB,,,,,,,,,,,,1.5", offsetof(ItemRecord, trade_price), Row::Float, 1.5, nullptr },
        { "5,AB,,,,,,,,,,,,,Back", offsetof(ItemRecord, location), Row::Text, 0, "Back" },
        { "5,AB,,,,,,,,,,,,,,w.example", offsetof(ItemRecord, website), Row::Text, 0,
            "w.example" },
        { "5,AB,,,,,,,,,,,,,,,i.png", offsetof(ItemRecord, web_image), Row::Text, 0, "i.png" },
        // The defaults of a new item.
        { "5,AB", offsetof(ItemRecord, picture_number), Row::Int32, 1, nullptr },
        { "5,AB", offsetof(ItemRecord, display_category), Row::Int32, 14, nullptr },
        { "5,AB", offsetof(ItemRecord, last_used), Row::Text, 0, kStamp },
        { "5,AB", offsetof(ItemRecord, sku3), Row::Text, 0, "" },
    };
    for (const Row &row : rows) {
        std::optional<ImportRejection> rejection;
        const std::string record = itemBytes(row.line, &rejection);
        ASSERT_FALSE(rejection) << row.line << ": " << rejection->reason;
        EXPECT_EQ(getI64(record, 0), 5) << row.line;
        switch (row.kind) {
        case Row::Int32:
            EXPECT_EQ(getI32(record, row.offset), static_cast<int32_t>(row.number)) << row.line;
            break;
        case Row::Float:
            EXPECT_EQ(getF32(record, row.offset), static_cast<float>(row.number)) << row.line;
            break;
        case Row::Text:
            EXPECT_EQ(getText(record, row.offset, 40), row.text) << row.line;
            break;
        }
    }
}

TEST(ImportRules, LongTextsAreCutAtTheirLimitAndTheRecordIsZeroFilledElsewhere)
{
    const std::string record = itemBytes("5," + std::string(60, 'D') + "," + std::string(60, 's'));
    EXPECT_EQ(getText(record, offsetof(ItemRecord, description), 82), std::string(39, 'D'));
    EXPECT_EQ(getText(record, offsetof(ItemRecord, sku1), 40), std::string(39, 's'));
    // Nothing of the buffer's earlier bytes survives in a reserved field.
    EXPECT_EQ(record.substr(offsetof(ItemRecord, reserved_1290), 272), std::string(272, '\0'));
    EXPECT_EQ(record.substr(offsetof(ItemRecord, description) + 39, 82 - 39),
        std::string(82 - 39, '\0'));
}

TEST(ImportRules, CustomerFieldsAreTakenByTheirRules)
{
    std::string record(sizeof(CustomerRecord), '\x55');
    const char *line = "9,Smith & co,high st,east,town,ab1 2cd,tel 1,0,12.5,-3,"
                       "ship to,s road,s area,s town,s pc,a comment,2001,me@x.org";
    ASSERT_FALSE(buildImportRecord(ImportSubject::Customers, line,
        initialColumnMap(ImportSubject::Customers, 18), kStamp, record.data()));
    const auto *customer = reinterpret_cast<const CustomerRecord *>(record.data());
    EXPECT_EQ(+customer->number, 9);
    EXPECT_EQ(readText(customer->name), "Smith & co"); // the name keeps its case
    EXPECT_EQ(readText(customer->road), "HIGH ST");
    EXPECT_EQ(readText(customer->area), "EAST");
    EXPECT_EQ(readText(customer->town), "TOWN");
    EXPECT_EQ(readText(customer->postcode), "AB1 2CD");
    EXPECT_EQ(readText(customer->telephone), "TEL 1");
    EXPECT_EQ(+customer->tax, 1); // 0 is not taken: the default stays
    EXPECT_EQ(+customer->balance, 12.5f);
    EXPECT_EQ(+customer->credit_limit, 0.0f);
    EXPECT_EQ(readText(customer->shipping_address_1), "ship to");
    EXPECT_EQ(readText(customer->shipping_address_5), "s pc");
    EXPECT_EQ(readText(customer->comment), "a comment");
    EXPECT_EQ(+customer->group, 2001);
    EXPECT_EQ(readText(customer->email), "me@x.org");
    EXPECT_EQ(+customer->terms, 1);
    EXPECT_EQ(+customer->import_marker, 1);
    EXPECT_EQ(readText(customer->customer_last_used), "");
}

TEST(ImportRules, LinesThatAreNotTakenSayWhichColumnAndWhy)
{
    // Mapped as the dialog offers it for a file of `columns` columns.
    struct Row {
        const char *line;
        int columns;
        int column;
        const char *reason;
    } rows[] = {
        { "0,AB", 2, 1, "number outside 1 to 100000000000000000" },
        { "-5,AB", 2, 1, "number outside 1 to 100000000000000000" },
        { "100000000000000001,AB", 2, 1, "number outside 1 to 100000000000000000" },
        { "Number,Description,SKU1", 3, 1, "number outside 1 to 100000000000000000" },
        { "5,A", 2, 2, "description shorter than two characters" },
        { "5,", 2, 2, "description shorter than two characters" },
        { "5,AB", 1, 0, "description shorter than two characters" },
        { "5", 2, 2, "the line has 1 column; Description (2-39) is not taken" },
        { "5,AB,S1", 4, 4, "the line has 3 columns; SKU 2 (0-39) is not taken" },
    };
    for (const Row &row : rows) {
        std::string record(sizeof(ItemRecord), '\0');
        const auto rejection = buildImportRecord(ImportSubject::Items, row.line,
            initialColumnMap(ImportSubject::Items, row.columns), kStamp, record.data());
        ASSERT_TRUE(rejection) << row.line;
        EXPECT_EQ(rejection->column, row.column) << row.line;
        EXPECT_EQ(rejection->reason, row.reason) << row.line;
    }
    std::string record(sizeof(ItemRecord), '\0');
    EXPECT_FALSE(buildImportRecord(ImportSubject::Items, "100000000000000000,AB,S,T",
        initialColumnMap(ImportSubject::Items, 4), kStamp, record.data()));
}

TEST(ImportRules, TheMappingStartsStraightAndDropsColumnsTheFileLacks)
{
    EXPECT_EQ(initialColumnMap(ImportSubject::Items, 3),
        (ColumnMap { 1, 2, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0 }));
    EXPECT_EQ(initialColumnMap(ImportSubject::Customers, 40).size(), 18u);
    EXPECT_EQ(fittedColumnMap(ImportSubject::Items, { 4, 2, -1, 9 }, 4),
        (ColumnMap { 4, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0 }));
}
