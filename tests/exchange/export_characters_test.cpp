// Every Windows-1252 character and every markup character in the texts: the
// text and HTML files carry the bytes as stored, the XML file escapes the
// five markup characters in every text element and nothing else.

#include "exchange/export_data.h"
#include "exchange/logic/export_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace ovix;
using namespace ovix::test;

namespace {

// Every byte from space to 0xFF, in descriptions of at most 38 characters.
std::vector<std::string> everyCharacter()
{
    std::vector<std::string> texts;
    std::string text;
    for (int byte = 0x20; byte <= 0xFF; ++byte) {
        if (byte == ',')
            continue; // the text export's separator is checked on its own below
        text += static_cast<char>(byte);
        if (text.size() == 38) {
            texts.push_back(text);
            text.clear();
        }
    }
    texts.push_back(text);
    return texts;
}

// An escaper written apart from the export's.
std::string escaped(const std::string &text)
{
    std::string out;
    for (const char c : text) {
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (c == '"')
            out += "&quot;";
        else if (c == '\'')
            out += "&apos;";
        else
            out += c;
    }
    return out;
}

std::string exportOf(ExportShop &shop, const ExportChoice &choice)
{
    ScriptedMessages messages;
    const std::string path = shop.folder.file("out");
    EXPECT_TRUE(exportRecords(shop.shop, choice, path, messages)) << messages.lastText();
    return readBytes(path);
}

} // namespace

TEST(ExportCharacters, EveryWindows1252CharacterGoesOutAsStored)
{
    const std::vector<std::string> texts = everyCharacter();
    std::vector<ExportItem> items;
    std::vector<ExportCustomer> customers;
    for (size_t i = 0; i < texts.size(); ++i) {
        ExportItem item;
        item.number = static_cast<int64_t>(i) + 1;
        item.description = texts[i];
        items.push_back(item);
        ExportCustomer customer;
        customer.number = static_cast<int64_t>(i) + 1;
        customer.name = texts[i].substr(0, 29);
        customer.road = texts[i].size() > 29 ? texts[i].substr(29) : "";
        customers.push_back(customer);
    }
    ExportShop shop(items, customers);

    std::string text;
    std::string html = "<HTML><BODY>\r\n<FONT SIZE='1'>\r\n";
    std::string xml;
    std::string customerText;
    std::string customerXml;
    for (size_t i = 0; i < texts.size(); ++i) {
        text += texts[i] + "\r\n";
        html += texts[i] + "<BR>\r\n";
        xml += "<description>" + escaped(texts[i]) + "</description>\r\n";
        customerText += customers[i].name + "," + customers[i].road + "\r\n";
        customerXml += "<name>" + escaped(customers[i].name) + "</name>\r\n<road>"
            + escaped(customers[i].road) + "</road>\r\n";
    }
    html += "</BODY></HTML>";
    ExportChoice htmlChoice = exportChoice(ExportSubject::Items, ExportFormat::Html, { 1 });
    EXPECT_EQ(exportOf(shop, exportChoice(ExportSubject::Items, ExportFormat::Text, { 1 })), text);
    // HTML puts a space before every field but the number.
    std::string spaced = html;
    for (size_t at = spaced.find("'>\r\n") + 4; at < spaced.size();) {
        spaced.insert(at, " ");
        at = spaced.find("<BR>\r\n", at) + 6;
        if (spaced.compare(at, 7, "</BODY>") == 0)
            break;
    }
    EXPECT_EQ(exportOf(shop, htmlChoice), spaced);

    const std::string itemXml
        = exportOf(shop, exportChoice(ExportSubject::Items, ExportFormat::Xml, {}));
    std::string descriptions;
    for (size_t at = itemXml.find("<description>"); at != std::string::npos;
         at = itemXml.find("<description>", at + 1))
        descriptions += itemXml.substr(at, itemXml.find("\r\n", at) + 2 - at);
    EXPECT_EQ(descriptions, xml);

    EXPECT_EQ(exportOf(shop, exportChoice(ExportSubject::Customers, ExportFormat::Text, { 1, 2 })),
        customerText);
    const std::string wholeCustomerXml
        = exportOf(shop, exportChoice(ExportSubject::Customers, ExportFormat::Xml, {}));
    std::string namesAndRoads;
    for (size_t at = wholeCustomerXml.find("<name>"); at != std::string::npos;
         at = wholeCustomerXml.find("<name>", at + 1)) {
        const size_t roadEnd = wholeCustomerXml.find("</road>\r\n", at) + 9;
        namesAndRoads += wholeCustomerXml.substr(at, roadEnd - at);
    }
    EXPECT_EQ(namesAndRoads, customerXml);
}

TEST(ExportCharacters, MarkupIsEscapedInEveryTextElement)
{
    const std::string markup = "<&>\"'";
    const std::string safe = "&lt;&amp;&gt;&quot;&apos;";
    ExportItem item;
    item.number = 1;
    item.description = item.sku1 = item.sku2 = item.sku3 = item.sku4 = markup;
    item.category = item.format = item.dateAdded = item.lastUsed = item.orderCode = markup;
    item.location = item.website = item.webImage = item.notes = markup;
    ExportCustomer customer;
    customer.number = 1;
    customer.name = customer.road = customer.area = customer.town = customer.postcode = markup;
    customer.telephone = customer.extension = customer.telephone2 = customer.contact = markup;
    customer.comment = customer.comment2 = customer.card = customer.cardExpiry = markup;
    customer.email = markup;
    for (std::string &line : customer.shipping)
        line = markup;
    ExportShop shop({ item }, { customer });

    const struct {
        ExportSubject subject;
        int textElements;
    } cases[] = { { ExportSubject::Items, 14 }, { ExportSubject::Customers, 19 } };
    for (const auto &row : cases) {
        const std::string xml = exportOf(shop, exportChoice(row.subject, ExportFormat::Xml, {}));
        int count = 0;
        for (size_t at = xml.find(">" + safe + "</"); at != std::string::npos;
             at = xml.find(">" + safe + "</", at + 1))
            ++count;
        EXPECT_EQ(count, row.textElements);
        EXPECT_EQ(xml.find(markup), std::string::npos);
    }
}
