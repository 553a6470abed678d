#pragma once
// A shop for the export tests: film.dat and member.dat written byte by byte
// at their documented offsets (not through the record structs), then loaded
// as the till loads them.

#include "platform/scripted_messages.h"
#include "store/shop.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace ovix::test {

struct ExportItem {
    int64_t number = 0;
    std::string description {};
    std::string sku1 {}, sku2 {}, sku3 {}, sku4 {};
    std::string format {}, category {}, location {}, orderCode {}, dateAdded {};
    int32_t quantity = 0, reorder = 0, minimumOrder = 0, tax = 0, totalSold = 0;
    float cost = 0, trade = 0, retail = 0;
    std::string website {}, webImage {}, notes {}, lastUsed {};
    int32_t displayCategory = 0;
};

inline std::string filmRecord(const ExportItem &item)
{
    std::string bytes(1874, '\0');
    putI64(bytes, 0, item.number);
    putText(bytes, 8, item.description);
    putText(bytes, 90, item.sku1);
    putText(bytes, 130, item.sku2);
    putText(bytes, 170, item.sku3);
    putText(bytes, 210, item.sku4);
    putText(bytes, 270, item.format);
    putText(bytes, 290, item.category);
    putText(bytes, 350, item.location);
    putText(bytes, 550, item.orderCode);
    putText(bytes, 630, item.dateAdded);
    putI32(bytes, 670, item.quantity);
    putI32(bytes, 674, item.reorder);
    putI32(bytes, 678, item.minimumOrder);
    putI32(bytes, 686, item.tax);
    putI32(bytes, 714, item.totalSold);
    putF32(bytes, 814, item.cost);
    putF32(bytes, 818, item.trade);
    putF32(bytes, 822, item.retail);
    putText(bytes, 882, item.website);
    putText(bytes, 922, item.webImage);
    putText(bytes, 1610, item.notes);
    putI32(bytes, 1787, item.displayCategory);
    putText(bytes, 1810, item.lastUsed);
    return bytes;
}

struct ExportCustomer {
    int64_t number = 0;
    std::string name {}, road {}, area {}, town {}, postcode {}, telephone {};
    std::string extension {}, telephone2 {}, shipping[5] {}, contact {}, notes {};
    int32_t group = 0;
    std::string comment {}, card {}, card2 {}, cardExpiry {}, card2Expiry {};
    int32_t terms = 0;
    std::string comment2 {}, email {};
    float purchases = 0, balance = 0, creditLimit = 0;
    int32_t transactions = 0;
    int64_t tax = 0;
};

inline std::string memberRecord(const ExportCustomer &customer)
{
    std::string bytes(2094, '\0');
    putI64(bytes, 0, customer.number);
    putText(bytes, 8, customer.name);
    putText(bytes, 38, customer.road);
    putText(bytes, 68, customer.area);
    putText(bytes, 98, customer.town);
    putText(bytes, 128, customer.postcode);
    putText(bytes, 138, customer.telephone);
    putText(bytes, 158, customer.extension);
    putText(bytes, 178, customer.telephone2);
    const size_t shippingOffsets[5] = { 218, 278, 308, 338, 368 };
    for (size_t line = 0; line < 5; ++line)
        putText(bytes, shippingOffsets[line], customer.shipping[line]);
    putText(bytes, 392, customer.contact);
    putText(bytes, 452, customer.notes);
    putI32(bytes, 652, customer.group);
    putText(bytes, 676, customer.comment);
    putText(bytes, 706, customer.card);
    putText(bytes, 746, customer.card2);
    putText(bytes, 826, customer.cardExpiry);
    putText(bytes, 846, customer.card2Expiry);
    putI32(bytes, 1006, customer.terms);
    putText(bytes, 1014, customer.comment2);
    putText(bytes, 1054, customer.email);
    putF32(bytes, 1094, customer.purchases);
    putF32(bytes, 1554, customer.balance);
    putF32(bytes, 1558, customer.creditLimit);
    putI32(bytes, 1578, customer.transactions);
    putI64(bytes, 1582, customer.tax);
    return bytes;
}

inline std::string filmFile(const std::vector<ExportItem> &items)
{
    std::string bytes;
    for (const ExportItem &item : items)
        bytes += filmRecord(item);
    return bytes;
}

inline std::string memberFile(const std::vector<ExportCustomer> &customers)
{
    std::string bytes;
    for (const ExportCustomer &customer : customers)
        bytes += memberRecord(customer);
    return bytes;
}

// The shop with the records given, in slot order (number -1 for a free slot).
class ExportShop {
public:
    ExportShop(const std::vector<ExportItem> &items, const std::vector<ExportCustomer> &customers)
        : shop(folder.path())
    {
        writeBytes(folder.file("film.dat"), filmFile(items));
        writeBytes(folder.file("member.dat"), memberFile(customers));
        ScriptedMessages quiet;
        EXPECT_TRUE(shop.items.load(quiet)) << quiet.lastText();
        EXPECT_TRUE(shop.customers.load(quiet)) << quiet.lastText();
    }

    TempDir folder;
    Shop shop;
};

} // namespace ovix::test
