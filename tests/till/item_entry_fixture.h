#pragma once
// A till with a fresh data set in a temporary folder for the item entry
// tests: items are built byte by byte at their film.dat offsets and added
// through the item index; the screen is a view that records what it is told.

#include "platform/clock.h"
#include "platform/data_dir.h"
#include "platform/scripted_messages.h"
#include "store/data_set.h"
#include "store/record_files.h"
#include "store/record_kinds.h"
#include "store/till_config_file.h"
#include "support/test_support.h"
#include "sales/logic/basket.h"
#include "sales/logic/basket_view.h"
#include "sales/logic/item_entry.h"
#include "sales/logic/till_state.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace ovix::test {

// What the basket told the screen, in order.
class RecordingView : public BasketView {
public:
    std::vector<std::string> list; // the till list as it stands
    std::vector<int> sounds;
    std::vector<std::string> pole; // "passive" or "<description> <price>"
    int redraws = 0;
    int itemBoxClears = 0;

    void lineAdded(std::string_view text) override
    {
        list.emplace_back(text);
    }
    void lineRemoved(int index) override
    {
        ASSERT_GE(index, 0);
        ASSERT_LT(static_cast<size_t>(index), list.size());
        list.erase(list.begin() + index);
    }
    void listCleared() override
    {
        list.clear();
    }
    void totalsChanged() override
    {
        ++redraws;
    }
    void clearItemBox() override
    {
        ++itemBoxClears;
    }
    void poleShowPassive() override
    {
        pole.emplace_back("passive");
    }
    void poleShowItem(std::string_view description, double price) override
    {
        char text[32];
        std::snprintf(text, sizeof text, " %.2f", price);
        pole.push_back(std::string(description) + text);
    }
    void playSound(int resource) override
    {
        sounds.push_back(resource);
    }
};

// One item of film.dat as bytes at the documented offsets.
struct ItemBytes {
    std::string bytes = std::string(kItemBytes, '\0');

    ItemBytes(int64_t number, std::string_view description, float retail)
    {
        putI64(bytes, 0, number);
        putField(bytes, 8, description);
        putF32(bytes, 822, retail);
        putI32(bytes, 670, 100); // quantity in stock
        putI32(bytes, 686, 1); // tax code: tax 1 and tax 2
    }
    ItemBytes &sku1(std::string_view text)
    {
        putField(bytes, 90, text);
        return *this;
    }
    ItemBytes &quantity(int32_t value)
    {
        putI32(bytes, 670, value);
        return *this;
    }
    ItemBytes &tax(int32_t code)
    {
        putI32(bytes, 686, code);
        return *this;
    }
    ItemBytes &cost(float value)
    {
        putF32(bytes, 814, value);
        return *this;
    }
    ItemBytes &trade(float value)
    {
        putF32(bytes, 818, value);
        return *this;
    }
    ItemBytes &noTaxRounding()
    {
        putI32(bytes, 1206, 2);
        return *this;
    }
    ItemBytes &ageWarning(int32_t age)
    {
        putI32(bytes, 1214, age);
        return *this;
    }
    ItemBytes &buyOneGetOneFree()
    {
        putI32(bytes, 1270, 2);
        return *this;
    }
    // Component `index` 0-5 of a bundle: its number text, quantity and free mark.
    ItemBytes &component(int index, std::string_view number, int32_t quantity, bool free = false)
    {
        static constexpr size_t kTextOffsets[6] = { 270, 1697, 1717, 590, 610, 650 };
        putI32(bytes, 1802, 2); // record kind: bundle
        putField(bytes, kTextOffsets[index], number);
        putI32(bytes, 1246 + 4 * static_cast<size_t>(index), quantity);
        putI32(bytes, 1222 + 4 * static_cast<size_t>(index), free ? 2 : 0);
        return *this;
    }
};

class Till {
public:
    TempDir temp;
    TillState state { temp.path() };
    ScriptedMessages messages;
    RecordingView view;
    Basket basket {};
    Basket saved {};
    ItemEntry entry { state, basket, saved, view, messages };

    Till()
    {
        ScriptedMessages quiet;
        EXPECT_TRUE(createDataSet(state.dir, LocalTime { 2026, 3, 5, 10, 20, 0 }, "$", quiet));
        EXPECT_TRUE(loadTillConfig(state.dir, state.config, quiet));
        EXPECT_TRUE(state.items.load(quiet));
        EXPECT_TRUE(state.customers.load(quiet));
        // Tax 1 at 20%, nothing else: each test sets what it needs.
        state.config.set(cfg::taxOneActive, 2);
        state.config.set(cfg::taxOneRate, 2000);
        state.config.set(cfg::taxTwoActive, 0);
        state.config.set(cfg::soundOff, 0);
        clearBasket(basket);
        clearBasket(saved);
    }

    void add(const ItemBytes &item)
    {
        ItemRecord record;
        std::memcpy(&record, item.bytes.data(), sizeof record);
        ScriptedMessages quiet;
        ASSERT_TRUE(state.items.insert(record, quiet).has_value()) << quiet.lastText();
    }

    float total(BasketTotal which) const
    {
        return basket.total(which);
    }
    // The messages shown so far, as "caption: text", and forget them.
    std::vector<std::string> said()
    {
        std::vector<std::string> out;
        for (const ScriptedMessages::Shown &shown : messages.shown)
            out.push_back(shown.caption + ": " + shown.text);
        messages.shown.clear();
        return out;
    }
    // Adds `count` lines of a non-inventory item straight into the basket
    // (price 0), so a test can reach the 400-line limit quickly.
    void fillWithBlankLines(int count)
    {
        for (int i = 0; i < count; ++i) {
            BasketLine line;
            line.description = "FILL";
            setBasketLine(basket, basket.lineCount, line);
            ++basket.lineCount;
            view.list.emplace_back("FILL  0.00");
        }
    }
};

using Said = std::vector<std::string>;

} // namespace ovix::test
