#pragma once
// A shop whose film.dat is written byte by byte, slot by slot, at the
// documented offsets, for the item search tests.

#include "platform/scripted_messages.h"
#include "store/record_files.h"
#include "store/shop.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ovix::test {

// One film.dat record: number, description, SKU 1-4, quantity in stock and
// retail price.
struct SearchItem {
    int64_t number;
    std::string_view description;
    std::string_view sku1 = {};
    std::string_view sku2 = {};
    std::string_view sku3 = {};
    std::string_view sku4 = {};
    int32_t quantity = 5;
    float retail = 1.25f;

    std::string bytes() const
    {
        std::string record = itemBytes(number, description, sku1);
        putField(record, 130, sku2);
        putField(record, 170, sku3);
        putField(record, 210, sku4);
        putI32(record, 670, quantity);
        putF32(record, 822, retail);
        return record;
    }
};

class SearchShop {
public:
    TempDir folder;
    Shop shop { folder.path() };
    ScriptedMessages messages;

    // film.dat holds `slots` in this order; the index is loaded from it.
    explicit SearchShop(const std::vector<SearchItem> &slots)
    {
        std::string film;
        for (const SearchItem &item : slots)
            film += item.bytes();
        writeBytes(folder.file("film.dat"), film);
        ScriptedMessages quiet;
        EXPECT_TRUE(shop.items.load(quiet)) << quiet.lastText();
    }

    std::string filmPath() const
    {
        return folder.file("film.dat");
    }
    // The messages shown so far as "caption: text", forgotten afterwards.
    std::vector<std::string> said()
    {
        std::vector<std::string> out;
        for (const ScriptedMessages::Shown &shown : messages.shown)
            out.push_back(shown.caption + ": " + shown.text);
        messages.shown.clear();
        return out;
    }
};

// A film.dat of seven slots in which the item numbers do not follow the
// slots, with a free slot that still holds a description.
inline std::vector<SearchItem> sampleSlots()
{
    return {
        { 40, "BELL", "AB-100", "", "", "ZZTOP" },
        { 10, "BALL RED", "XAB1" },
        { -1, "BOLT" }, // deleted: never found
        { 30, "BOLT LARGE", "", "AB-100" },
        { 20, "BEST TEA", "Q7" },
        { 50, "TEAPOT", "", "", "", "LONG-AB-0123456789-0123456789-X" },
        { 60, "\xC9" "CLAIR", "\xE9" "C" },
    };
}

} // namespace ovix::test
