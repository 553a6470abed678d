// The six export files byte for byte, for the field choices of the dialog.

#include "exchange/export_data.h"
#include "exchange/logic/export_file.h"

#include <gtest/gtest.h>

#include <string>

using namespace ovix;
using namespace ovix::test;

namespace {

constexpr const char *kHtmlEnd = "</BODY></HTML>";

struct FormatCase {
    const char *name;
    ExportChoice choice;
    std::string expected;
};

ExportChoice entire(ExportChoice choice)
{
    choice.entire = true;
    return choice;
}

ExportChoice html(ExportChoice choice, bool boldNumber, bool boldTitle, HtmlTextSize size)
{
    choice.boldNumber = boldNumber;
    choice.boldTitle = boldTitle;
    choice.textSize = size;
    return choice;
}

std::string exported(const ExportChoice &choice)
{
    ExportShop shop(exportItems(), exportCustomers());
    ScriptedMessages messages;
    const std::string path = shop.folder.file("out");
    EXPECT_TRUE(exportRecords(shop.shop, choice, path, messages)) << messages.lastText();
    EXPECT_EQ(messages.lastText(), "Complete.");
    EXPECT_EQ(messages.lastCaption(), "File export");
    return readBytes(path);
}

constexpr auto Items = ExportSubject::Items;
constexpr auto Customers = ExportSubject::Customers;
constexpr auto Text = ExportFormat::Text;
constexpr auto Html = ExportFormat::Html;
constexpr auto Xml = ExportFormat::Xml;

const FormatCase kCases[] = {
    { "ItemsTextAllTen", exportChoice(Items, Text, { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9 }),
        "10,APPLE,A1,A2,0.50,2,1.25,12,3,0\r\n"
        "20,BREAD,B1,,1.10,5,2.50,-4,1,1\r\n"
        "30,TEA & <BISCUITS>,T'1,\"Q\",0.75,2,3.00,0,0,1\r\n" },
    { "ItemsTextNumberOnly", exportChoice(Items, Text, { 0 }), "10\r\n20\r\n30\r\n" },
    { "ItemsTextDescriptionAndTax", exportChoice(Items, Text, { 1, 9 }),
        "APPLE,0\r\nBREAD,1\r\nTEA & <BISCUITS>,1\r\n" },
    { "ItemsTextEntireIgnoresTheBoxes", entire(exportChoice(Items, Text, { 3 })),
        "Number,Description,SKU1,SKU2,Cost,DisplayCat,Retail,Quantity,Reorder,Tax,Category,"
        "Format,Last,MinOrder,SKU3,SKU4,Location,Website,WebImage,Trade,OrderCode,Added,Sold,"
        "Notes\r\n"
        "10,APPLE,A1,A2,0.50,2,1.25,12,3,0,FRUIT,F1,09:3001/12/2026,6,A3,A4,SHELF 1,WWW.A,"
        "IMG.A,0.99,OC1,01/02/2026,7,FRESH\r\n"
        "20,BREAD,B1,,1.10,5,2.50,-4,1,1,,,,0,,,,,,0.00,,,0,\r\n"
        "30,TEA & <BISCUITS>,T'1,\"Q\",0.75,2,3.00,0,0,1,,,,0,,,,,,0.00,,,0,a<b\r\n" },
    { "ItemsHtmlBoldMedium",
        html(exportChoice(Items, Html, { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9 }), true, true,
            HtmlTextSize::Medium),
        std::string("<HTML><BODY>\r\n<FONT SIZE='2'>\r\n"
                    "<B>10</B> <B>APPLE</B> A1 A2 0.50 2 1.25 12 3 Non taxable<BR>\r\n"
                    "<B>20</B> <B>BREAD</B> B1  1.10 5 2.50 -4 1 Taxable<BR>\r\n"
                    "<B>30</B> <B>TEA & <BISCUITS></B> T'1 \"Q\" 0.75 2 3.00 0 0 Taxable<BR>\r\n")
            + kHtmlEnd },
    { "ItemsHtmlWithoutTaxKeepsTheLastField",
        html(exportChoice(Items, Html, { 0, 1, 7, 8 }), false, false, HtmlTextSize::Small),
        std::string("<HTML><BODY>\r\n<FONT SIZE='1'>\r\n"
                    "10 APPLE 12 3<BR>\r\n20 BREAD -4 1<BR>\r\n30 TEA & <BISCUITS> 0 0<BR>\r\n")
            + kHtmlEnd },
    { "ItemsHtmlEntireWritesTheTenOnly",
        html(entire(exportChoice(Items, Html, {})), false, true, HtmlTextSize::Large),
        std::string("<HTML><BODY>\r\n<FONT SIZE='3'>\r\n"
                    "10 <B>APPLE</B> A1 A2 0.50 2 1.25 12 3 Non taxable<BR>\r\n"
                    "20 <B>BREAD</B> B1  1.10 5 2.50 -4 1 Taxable<BR>\r\n"
                    "30 <B>TEA & <BISCUITS></B> T'1 \"Q\" 0.75 2 3.00 0 0 Taxable<BR>\r\n")
            + kHtmlEnd },
    { "ItemsHtmlWithoutNumber",
        html(exportChoice(Items, Html, { 6 }), true, false, HtmlTextSize::Small),
        std::string("<HTML><BODY>\r\n<FONT SIZE='1'>\r\n 1.25<BR>\r\n 2.50<BR>\r\n 3.00<BR>\r\n")
            + kHtmlEnd },
    { "ItemsXmlIgnoresTheBoxes", exportChoice(Items, Xml, { 0 }),
        "<?xml version=\"1.0\" encoding=\"WINDOWS-1252\"?>\r\n<document>\r\n"
        "<item>\r\n<number>10</number>\r\n<description>APPLE</description>\r\n"
        "<sku1>A1</sku1>\r\n<sku2>A2</sku2>\r\n<sku3>A3</sku3>\r\n<sku4>A4</sku4>\r\n"
        "<cost_price>0.50</cost_price>\r\n<trade_price>0.99</trade_price>\r\n"
        "<retail_price>1.25</retail_price>\r\n<quantity>12</quantity>\r\n"
        "<reorder_quantity>3</reorder_quantity>\r\n<tax>0</tax>\r\n"
        "<display_category>2</display_category>\r\n<category>FRUIT</category>\r\n"
        "<format>F1</format>\r\n<date_added>01/02/2026</date_added>\r\n"
        "<last_used>09:3001/12/2026</last_used>\r\n<order_code>OC1</order_code>\r\n"
        "<minimum_order>6</minimum_order>\r\n<total_sold>7</total_sold>\r\n"
        "<location>SHELF 1</location>\r\n<website>WWW.A</website>\r\n"
        "<web_image>IMG.A</web_image>\r\n<notes>FRESH</notes>\r\n</item>\r\n"
        "<item>\r\n<number>20</number>\r\n<description>BREAD</description>\r\n"
        "<sku1>B1</sku1>\r\n<sku2></sku2>\r\n<sku3></sku3>\r\n<sku4></sku4>\r\n"
        "<cost_price>1.10</cost_price>\r\n<trade_price>0.00</trade_price>\r\n"
        "<retail_price>2.50</retail_price>\r\n<quantity>-4</quantity>\r\n"
        "<reorder_quantity>1</reorder_quantity>\r\n<tax>1</tax>\r\n"
        "<display_category>5</display_category>\r\n<category></category>\r\n"
        "<format></format>\r\n<date_added></date_added>\r\n<last_used></last_used>\r\n"
        "<order_code></order_code>\r\n<minimum_order>0</minimum_order>\r\n"
        "<total_sold>0</total_sold>\r\n<location></location>\r\n<website></website>\r\n"
        "<web_image></web_image>\r\n<notes></notes>\r\n</item>\r\n"
        "<item>\r\n<number>30</number>\r\n<description>TEA &amp; &lt;BISCUITS&gt;</description>\r\n"
        "<sku1>T&apos;1</sku1>\r\n<sku2>&quot;Q&quot;</sku2>\r\n<sku3></sku3>\r\n<sku4></sku4>\r\n"
        "<cost_price>0.75</cost_price>\r\n<trade_price>0.00</trade_price>\r\n"
        "<retail_price>3.00</retail_price>\r\n<quantity>0</quantity>\r\n"
        "<reorder_quantity>0</reorder_quantity>\r\n<tax>3</tax>\r\n"
        "<display_category>2</display_category>\r\n<category></category>\r\n"
        "<format></format>\r\n<date_added></date_added>\r\n<last_used></last_used>\r\n"
        "<order_code></order_code>\r\n<minimum_order>0</minimum_order>\r\n"
        "<total_sold>0</total_sold>\r\n<location></location>\r\n<website></website>\r\n"
        "<web_image></web_image>\r\n<notes>a&lt;b</notes>\r\n</item>\r\n</document>" },
    { "CustomersTextAllTen", exportChoice(Customers, Text, { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9 }),
        "3,O'BRIEN,,,,,,0,-5.00,0.00\r\n"
        "7,SMITH & SONS,1 HIGH ST,EAST,LEEDS,LS1,0113,1,12.34,500.00\r\n" },
    { "CustomersTextNameAndBalance", exportChoice(Customers, Text, { 1, 8 }),
        "O'BRIEN,-5.00\r\nSMITH & SONS,12.34\r\n" },
    { "CustomersTextEntire", entire(exportChoice(Customers, Text, {})),
        "3,O'BRIEN,,,,,,0,-5.00,0.00,,,,,,,,,,,1,0.00,1,0\r\n"
        "7,SMITH & SONS,1 HIGH ST,EAST,LEEDS,LS1,0113,1,12.34,500.00,0114,jo@smith.example,"
        "GOOD,<VIP>,JO,CALL FIRST,4111,12/28,5500,01/29,3,99.50,2,4\r\n" },
    { "CustomersHtmlBoldTitle",
        html(exportChoice(Customers, Html, { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9 }), false, true,
            HtmlTextSize::Small),
        std::string("<HTML><BODY>\r\n<FONT SIZE='1'>\r\n"
                    "3 <B>O'BRIEN</B> <B></B> <B></B>    0 -5.00 0.00<BR>\r\n"
                    "7 <B>SMITH & SONS</B> <B>1 HIGH ST</B> <B>EAST</B> LEEDS LS1 0113 1 12.34 "
                    "500.00<BR>\r\n")
            + kHtmlEnd },
    { "CustomersHtmlBoldNumberTaxOnly",
        html(exportChoice(Customers, Html, { 0, 7 }), true, true, HtmlTextSize::Medium),
        std::string("<HTML><BODY>\r\n<FONT SIZE='2'>\r\n<B>3</B> 0<BR>\r\n<B>7</B> 1<BR>\r\n")
            + kHtmlEnd },
    { "CustomersXml", exportChoice(Customers, Xml, {}),
        "<?xml version=\"1.0\" encoding=\"WINDOWS-1252\"?>\r\n<document>\r\n"
        "<customer>\r\n<number>3</number>\r\n<name>O&apos;BRIEN</name>\r\n<road></road>\r\n"
        "<area></area>\r\n<town></town>\r\n<postcode></postcode>\r\n<telephone></telephone>\r\n"
        "<telephone_extension></telephone_extension>\r\n<telephone2></telephone2>\r\n"
        "<contact></contact>\r\n<comment></comment>\r\n<comment2></comment2>\r\n"
        "<tax>0</tax>\r\n<transactions>0</transactions>\r\n<credit_card></credit_card>\r\n"
        "<credit_card_expiry></credit_card_expiry>\r\n<email></email>\r\n"
        "<shipping_address_1></shipping_address_1>\r\n<shipping_address_2></shipping_address_2>\r\n"
        "<shipping_address_3></shipping_address_3>\r\n<shipping_address_4></shipping_address_4>\r\n"
        "<shipping_address_5></shipping_address_5>\r\n</customer>\r\n"
        "<customer>\r\n<number>7</number>\r\n<name>SMITH &amp; SONS</name>\r\n"
        "<road>1 HIGH ST</road>\r\n<area>EAST</area>\r\n<town>LEEDS</town>\r\n"
        "<postcode>LS1</postcode>\r\n<telephone>0113</telephone>\r\n"
        "<telephone_extension>22</telephone_extension>\r\n<telephone2>0114</telephone2>\r\n"
        "<contact>JO</contact>\r\n<comment>GOOD</comment>\r\n"
        "<comment2>&lt;VIP&gt;</comment2>\r\n<tax>1</tax>\r\n<transactions>4</transactions>\r\n"
        "<credit_card>4111</credit_card>\r\n<credit_card_expiry>12/28</credit_card_expiry>\r\n"
        "<email>jo@smith.example</email>\r\n"
        "<shipping_address_1>SMITH DEPOT</shipping_address_1>\r\n"
        "<shipping_address_2>2 LOW RD</shipping_address_2>\r\n"
        "<shipping_address_3>WEST</shipping_address_3>\r\n"
        "<shipping_address_4>YORK</shipping_address_4>\r\n"
        "<shipping_address_5>YO1</shipping_address_5>\r\n</customer>\r\n</document>" },
};

class ExportFormats : public ::testing::TestWithParam<FormatCase> {};

} // namespace

TEST_P(ExportFormats, WriteTheFileByteForByte)
{
    EXPECT_EQ(exported(GetParam().choice), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Choices, ExportFormats, ::testing::ValuesIn(kCases),
    [](const ::testing::TestParamInfo<FormatCase> &row) { return row.param.name; });
