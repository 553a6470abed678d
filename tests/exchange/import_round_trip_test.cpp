// What the text export writes, the import reads back: every Windows-1252
// character a column can carry (all but NUL, comma, carriage return and line
// feed), the markup characters among them, and the money to the cent.

#include "exchange/import_fixture.h"
#include "exchange/logic/export_file.h"
#include "platform/cp1252.h"
#include "store/customer_record.h"
#include "store/fixed_text.h"
#include "store/item_record.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using namespace ovix;
using namespace ovix::test;

namespace {

// Every byte a column can carry, cut into pieces of `width`.
std::vector<std::string> carriedCharacters(size_t width)
{
    std::string all;
    for (int byte = 1; byte <= 255; ++byte) {
        if (byte != ',' && byte != '\r' && byte != '\n')
            all += static_cast<char>(byte);
    }
    std::vector<std::string> pieces;
    for (size_t at = 0; at < all.size(); at += width)
        pieces.push_back(all.substr(at, width));
    return pieces;
}

std::string exported(ExportShop &shop, ExportSubject subject)
{
    ExportChoice choice;
    choice.subject = subject;
    choice.format = ExportFormat::Text;
    choice.start = 1;
    choice.finish = 1000;
    choice.entire = true;
    const std::string path = shop.folder.file("EXPORT.TXT");
    ScriptedMessages messages;
    EXPECT_TRUE(exportRecords(shop.shop, choice, path, messages)) << messages.lastText();
    return readBytes(path);
}

// Export columns of the fields an item import takes (text export, "Export entire").
ColumnMap itemExportColumns()
{
    return { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 21, 0, 14, 20, 17, 18, 19 };
}

} // namespace

TEST(ImportRoundTrip, ItemsComeBackWithEveryCharacterAColumnCarries)
{
    std::vector<ExportItem> items;
    int64_t number = 1;
    for (const std::string &piece : carriedCharacters(39)) {
        ExportItem item;
        item.number = number;
        // Descriptions are kept in capitals: the import makes them so.
        item.description = toUpperCp1252(piece);
        item.sku1 = piece;
        item.sku2 = std::string(piece.rbegin(), piece.rend());
        item.orderCode = piece;
        item.location = piece;
        item.website = piece;
        item.webImage = piece;
        item.cost = static_cast<float>(number * 7) / 100.0f;
        item.retail = 1234.56f + static_cast<float>(number);
        item.trade = 0.99f;
        item.quantity = static_cast<int32_t>(number * 3);
        item.reorder = 2;
        item.minimumOrder = 5;
        item.tax = number % 2 == 0 ? 1 : 0;
        item.displayCategory = static_cast<int32_t>(number % 18);
        items.push_back(item);
        ++number;
    }
    ExportShop source(items, { ExportCustomer { .number = -1 } });
    const std::string text = exported(source, ExportSubject::Items);

    ExportShop target({ ExportItem { .number = 99, .description = "OLD" } },
        { ExportCustomer { .number = -1 } });
    ImportPlan plan = straightPlan(ImportSubject::Items);
    plan.columns = itemExportColumns();
    ScriptedMessages messages;
    const auto result = importText(target, text, plan, messages);
    ASSERT_TRUE(result) << messages.lastText();
    EXPECT_EQ(result->outcome, ImportOutcome::Imported);
    EXPECT_EQ(result->taken, static_cast<int64_t>(items.size()));
    // Only the header line is not taken.
    ASSERT_EQ(result->notTaken, 1);
    EXPECT_EQ(result->rejections[0].line, 1);

    const std::string film = readBytes(target.folder.file("film.dat"));
    ASSERT_EQ(film.size(), items.size() * sizeof(ItemRecord));
    for (size_t i = 0; i < items.size(); ++i) {
        const ExportItem &item = items[i];
        ItemRecord back;
        std::memcpy(&back, film.data() + i * sizeof back, sizeof back);
        const std::string at = "item " + std::to_string(item.number);
        EXPECT_EQ(+back.number, item.number) << at;
        EXPECT_EQ(readText(back.description), item.description) << at;
        EXPECT_EQ(readText(back.sku1), item.sku1) << at;
        EXPECT_EQ(readText(back.sku2), item.sku2) << at;
        EXPECT_EQ(readText(back.order_code), item.orderCode) << at;
        EXPECT_EQ(readText(back.location), item.location) << at;
        EXPECT_EQ(readText(back.website), item.website) << at;
        EXPECT_EQ(readText(back.web_image), item.webImage) << at;
        EXPECT_EQ(+back.cost_price, item.cost) << at;
        EXPECT_EQ(+back.retail_price, item.retail) << at;
        EXPECT_EQ(+back.trade_price, item.trade) << at;
        EXPECT_EQ(+back.quantity, item.quantity) << at;
        EXPECT_EQ(+back.reorder_quantity, item.reorder) << at;
        EXPECT_EQ(+back.minimum_order, item.minimumOrder) << at;
        EXPECT_EQ(+back.tax, item.tax) << at;
        // Category 0 goes out as "0" and comes back as 0.
        EXPECT_EQ(+back.display_category, item.displayCategory) << at;
    }
}

TEST(ImportRoundTrip, CustomersComeBackWithEveryCharacterAColumnCarries)
{
    const std::vector<std::string> pieces = carriedCharacters(29);
    std::vector<ExportCustomer> customers;
    int64_t number = 1;
    for (const std::string &piece : pieces) {
        ExportCustomer customer;
        customer.number = number;
        customer.name = piece; // names keep their case
        customer.road = toUpperCp1252(piece);
        customer.area = toUpperCp1252(std::string(piece.rbegin(), piece.rend()));
        customer.town = toUpperCp1252(piece.substr(3));
        customer.postcode = toUpperCp1252(piece.substr(0, 9));
        customer.telephone = toUpperCp1252(piece.substr(10, 19));
        customer.tax = number % 2 == 0 ? 1 : 3;
        customer.balance = 10.25f * static_cast<float>(number);
        customer.creditLimit = 500;
        customers.push_back(customer);
        ++number;
    }
    ExportShop source({ ExportItem { .number = -1 } }, customers);
    const std::string text = exported(source, ExportSubject::Customers);

    ExportShop target({ ExportItem { .number = -1 } },
        { ExportCustomer { .number = 1, .name = "OLD" } });
    ImportPlan plan = straightPlan(ImportSubject::Customers);
    plan.columns = { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0, 0, 0, 0, 0, 0, 0, 0 };
    ScriptedMessages messages;
    const auto result = importText(target, text, plan, messages);
    ASSERT_TRUE(result) << messages.lastText();
    EXPECT_EQ(result->taken, static_cast<int64_t>(customers.size()));
    EXPECT_EQ(result->notTaken, 0);

    const std::string member = readBytes(target.folder.file("member.dat"));
    ASSERT_EQ(member.size(), customers.size() * sizeof(CustomerRecord));
    for (size_t i = 0; i < customers.size(); ++i) {
        const ExportCustomer &customer = customers[i];
        CustomerRecord back;
        std::memcpy(&back, member.data() + i * sizeof back, sizeof back);
        const std::string at = "customer " + std::to_string(customer.number);
        EXPECT_EQ(+back.number, customer.number) << at;
        EXPECT_EQ(readText(back.name), customer.name) << at;
        EXPECT_EQ(readText(back.road), customer.road) << at;
        EXPECT_EQ(readText(back.area), customer.area) << at;
        EXPECT_EQ(readText(back.town), customer.town) << at;
        EXPECT_EQ(readText(back.postcode), customer.postcode) << at;
        EXPECT_EQ(readText(back.telephone), customer.telephone) << at;
        EXPECT_EQ(+back.tax, customer.tax) << at;
        EXPECT_EQ(+back.balance, customer.balance) << at;
        EXPECT_EQ(+back.credit_limit, customer.creditLimit) << at;
    }
}
