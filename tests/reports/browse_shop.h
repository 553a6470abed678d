#pragma once
// A shop folder for the screen list tests: film.dat, member.dat and mans.dat
// built byte by byte at the documented offsets, then loaded as the till loads
// them.

#include "platform/scripted_messages.h"
#include "store/record_files.h"
#include "store/shop.h"
#include "store/till_config.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace ovix::test {

struct BrowseItem {
    int64_t number = 0;
    std::string description {};
    int32_t quantity = 0;
    float cost = 0;
    float retail = 0;
    int32_t category = 0;
    int32_t sold = 0;
    std::string sku1 {};
    std::string sku2 {};
    std::string sku3 {};
    std::string sku4 {};
};

inline std::string browseItemBytes(const BrowseItem &item)
{
    std::string bytes = itemBytes(item.number, item.description, item.sku1);
    putField(bytes, 130, item.sku2);
    putField(bytes, 170, item.sku3);
    putField(bytes, 210, item.sku4);
    putI32(bytes, 670, item.quantity);
    putI32(bytes, 714, item.sold);
    putF32(bytes, 814, item.cost);
    putF32(bytes, 822, item.retail);
    putI32(bytes, 1787, item.category);
    return bytes;
}

inline std::string browseCustomerBytes(int64_t number, std::string_view name,
    std::string_view road = {}, std::string_view telephone = {}, float balance = 0)
{
    std::string bytes = customerBytes(number, name);
    putField(bytes, 38, road);
    putField(bytes, 138, telephone);
    putF32(bytes, 1554, balance);
    return bytes;
}

inline std::string browseSupplierBytes(
    int64_t number, std::string_view name, int32_t listNumber, float amount1, float amount2)
{
    std::string bytes = supplierBytes(number, name);
    putI32(bytes, 50, listNumber);
    putF32(bytes, 58, amount1);
    putF32(bytes, 62, amount2);
    return bytes;
}

// Items numbered first, first + 1, ... with descriptions "ITEM <n>".
inline std::string numberedItems(int64_t first, int count)
{
    std::string film;
    for (int i = 0; i < count; ++i) {
        BrowseItem item;
        item.number = first + i;
        item.description = "ITEM " + std::to_string(item.number);
        item.quantity = i;
        item.retail = 2.0f;
        item.cost = 1.0f;
        film += browseItemBytes(item);
    }
    return film;
}

// A free record, so that every file has at least one record.
inline std::string freeItem()
{
    return itemBytes(-1, "");
}

struct BrowseShop {
    TempDir folder;
    Shop shop { folder.path() };
    ScriptedMessages messages;

    // Writes the files (a free record stands in for an empty one) and loads them.
    BrowseShop(const std::string &film, const std::string &members = {},
        const std::string &suppliers = {})
    {
        writeBytes(folder.file("film.dat"), film.empty() ? freeItem() : film);
        writeBytes(folder.file("member.dat"),
            members.empty() ? customerBytes(-1, "") : members);
        writeBytes(folder.file("mans.dat"), suppliers.empty() ? supplierBytes(-1, "") : suppliers);
        ScriptedMessages quiet;
        EXPECT_TRUE(shop.items.load(quiet)) << quiet.lastText();
        EXPECT_TRUE(shop.customers.load(quiet)) << quiet.lastText();
        EXPECT_TRUE(shop.suppliers.load(quiet)) << quiet.lastText();
        shop.config.set(cfg::currentClerk, 1);
    }
};

} // namespace ovix::test
