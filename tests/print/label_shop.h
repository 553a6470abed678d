#pragma once
// A shop folder holding a few items and customers, their files built byte by
// byte, for the barcode label tests.

#include "platform/scripted_messages.h"
#include "store/shop.h"
#include "support/test_support.h"

#include <cstdint>
#include <string>

namespace ovix::test {

struct LabelItem {
    int64_t number;
    const char *description;
    float retail;
    int32_t tax = 0; // 0 none, 1 tax 1 and 2, 2 tax 1, 3 tax 2
};

inline std::string labelItemRecord(const LabelItem &item)
{
    std::string bytes(1874, '\0');
    putI64(bytes, 0, item.number);
    putText(bytes, 8, item.description);
    putI32(bytes, 686, item.tax);
    putF32(bytes, 822, item.retail);
    return bytes;
}

inline std::string labelCustomerRecord(int64_t number, const char *name)
{
    std::string bytes(2094, '\0');
    putI64(bytes, 0, number);
    putText(bytes, 8, name);
    return bytes;
}

// Items 3, 5, 9 and 12 (a free slot between them), customers 2, 4 and 7;
// tax 1 at 20% active, the currency "$", the shop "CORNER SHOP".
struct LabelShop {
    LabelShop()
        : shop(dir.path())
    {
        writeBytes(dir.file("film.dat"),
            labelItemRecord({ 9, "TEA BAGS", 1.20f, 2 }) + labelItemRecord({ 3, "JAM", 0.99f })
                + labelItemRecord({ -1, "", 0 }) + labelItemRecord({ 12, "SUGAR 1KG", 2.5f, 1 })
                + labelItemRecord({ 5, "MILK", 0.65f }));
        writeBytes(dir.file("member.dat"),
            labelCustomerRecord(4, "SMITH") + labelCustomerRecord(2, "JONES")
                + labelCustomerRecord(7, "BROWN"));
        shop.items.load(messages);
        shop.customers.load(messages);
        shop.config.set(cfg::taxOneActive, 2);
        shop.config.set(cfg::taxOneRate, 2000);
        shop.config.setText(cfg::currencySymbol, "$");
        shop.heading.setLine(HeadingLine::SiteName, "CORNER SHOP");
    }

    TempDir dir;
    ScriptedMessages messages;
    Shop shop;
};

} // namespace ovix::test
