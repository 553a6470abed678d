#pragma once
// A small shop in a temporary data folder for the sale completion tests, plus
// an archive reader that works on the bytes at the documented offsets,
// independently of the record structs.

#include "platform/c_format.h"
#include "platform/clock.h"
#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/scripted_messages.h"
#include "store/data_set.h"
#include "store/fixed_text.h"
#include "store/record_files.h"
#include "store/record_kinds.h"
#include "store/till_config_file.h"
#include "support/test_support.h"
#include "sales/logic/archive_folders.h"
#include "sales/logic/basket.h"
#include "sales/logic/till_state.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ovix::test {

inline constexpr LocalTime kSaleTime { 2026, 3, 5, 10, 20, 0 };

struct TestItem {
    int64_t number = 0;
    std::string description;
    int32_t quantity = 0;
    float retail = 0;
    float cost = 0;
    int32_t category = 0;
    int32_t tax = 1; // 0 none, 1 tax 1 and tax 2
};

// A data set with items and customers, loaded as the till loads it.
class SaleShop {
public:
    SaleShop()
        : state(temp.path())
    {
        ScriptedMessages quiet;
        EXPECT_TRUE(createDataSet(state.dir, kSaleTime, "$", quiet));
        EXPECT_TRUE(loadTillConfig(state.dir, state.config, quiet));
        state.config.set(cfg::currentClerk, 2);
        EXPECT_TRUE(state.items.load(quiet));
        EXPECT_TRUE(state.customers.load(quiet));
        EXPECT_TRUE(ensureArchiveFolders(state.dir, kSaleTime));
    }

    void addItem(const TestItem &item)
    {
        ItemRecord record {};
        record.number = item.number;
        writeText(record.description, item.description);
        record.quantity = item.quantity;
        record.retail_price = item.retail;
        record.cost_price = item.cost;
        record.display_category = item.category;
        record.tax = item.tax;
        writeText(record.last_used, "09:0001/01/2026");
        ScriptedMessages quiet;
        ASSERT_TRUE(state.items.insert(record, quiet).has_value()) << quiet.lastText();
        items[item.number] = item;
    }

    int64_t addCustomer(int64_t number, const char *name, float balance)
    {
        CustomerRecord record {};
        record.number = number;
        writeText(record.name, name);
        record.balance = balance;
        ScriptedMessages quiet;
        std::optional<int64_t> slot = state.customers.insert(record, quiet);
        EXPECT_TRUE(slot.has_value()) << quiet.lastText();
        return slot.value_or(-1);
    }

    // Rings up item `number` as the till prices it: retail price, tax 1 at
    // the configured rate on taxable items, running sums re-rounded.
    void ringUp(Basket &basket, int64_t number) const
    {
        const TestItem &item = items.at(number);
        const int rate = static_cast<int>(state.config.get(cfg::taxOneRate));
        BasketLine line;
        line.itemNumber = number;
        line.description = item.description;
        line.cost = item.cost;
        const double price = item.retail;
        if (item.tax != 0) {
            line.taxable = item.retail;
            line.taxOne = static_cast<float>(roundMoney(price * rate / 10000.0));
            addToRunningTotal(basket, BasketTotal::Taxable, price);
            addToRunningTotal(basket, BasketTotal::TaxOne, line.taxOne);
        } else {
            line.nonTaxable = item.retail;
            addToRunningTotal(basket, BasketTotal::NonTaxable, price);
        }
        line.total = static_cast<float>(roundMoney(price + line.taxOne));
        addToRunningTotal(basket, BasketTotal::Subtotal, price);
        addToRunningTotal(basket, BasketTotal::Total, line.total);
        basket.setTotal(BasketTotal::Cost, basket.total(BasketTotal::Cost) + line.cost);
        setBasketLine(basket, basket.lineCount, line);
        ++basket.lineCount;
    }

    // A line with no item record behind it (item number 0), not taxed.
    static void ringUpNonInventory(Basket &basket, const char *description, float price)
    {
        BasketLine line;
        line.description = description;
        line.nonTaxable = price;
        line.total = price;
        addToRunningTotal(basket, BasketTotal::NonTaxable, price);
        addToRunningTotal(basket, BasketTotal::Subtotal, price);
        addToRunningTotal(basket, BasketTotal::Total, price);
        setBasketLine(basket, basket.lineCount, line);
        ++basket.lineCount;
    }

    // Fills the payment fields as the tender does: one form takes the whole
    // total ("Credit" none), a split puts `cash` in cash and the rest on EFT.
    static void pay(Basket &basket, const char *type, float cash = 0)
    {
        const float total = basket.total(BasketTotal::Total);
        writeText(basket.paymentType, type);
        basket.clerkNumber = 2;
        writeText(basket.timeText, "10:20");
        writeText(basket.dateText, "Thu 5 Mar 26");
        const std::string kind = type;
        if (kind == "Cash")
            basket.setTotal(BasketTotal::CashPart, total);
        else if (kind == "CH")
            basket.setTotal(BasketTotal::ChequePart, total);
        else if (kind == "EFT")
            basket.setTotal(BasketTotal::EftPart, total);
        else if (kind == "Split") {
            basket.setTotal(BasketTotal::CashPart, cash);
            basket.setTotal(
                BasketTotal::EftPart, static_cast<float>(roundMoney(double(total) - cash)));
        }
    }

    std::string file(std::string_view name) const
    {
        return readBytes(temp.file(name));
    }
    std::string itemBytesOf(int64_t number) const
    {
        std::optional<int64_t> slot = state.items.slotOf(number);
        return slot ? file("film.dat").substr(static_cast<size_t>(*slot) * kItemBytes, kItemBytes)
                    : std::string();
    }
    int32_t quantityOf(int64_t number) const
    {
        return getI32(itemBytesOf(number), 670);
    }
    int32_t totalSoldOf(int64_t number) const
    {
        return getI32(itemBytesOf(number), 714);
    }

    // Every data file a sale touches, by name, with the side files that keep
    // the first cut-off torn end of each archive file; nothing for a missing file.
    using Snapshot = std::map<std::string, std::optional<std::string>>;
    Snapshot snapshot(const LocalTime &day = kSaleTime) const
    {
        const std::string folder = cformat("%d/%d/%d/", day.year, day.month, day.day);
        const std::string index = cformat("%d/base.dat", day.year);
        Snapshot files;
        for (const std::string &name : { std::string("film.dat"), std::string("member.dat"),
                 std::string("bun4.dat"), std::string("wr.cfg"), index, index + ".cut1",
                 folder + "saleslog.dat", folder + "saleslog.dat.cut1", folder + "itemslog.dat",
                 folder + "itemslog.dat.cut1" }) {
            if (fileExists(temp.file(name)))
                files[name] = readBytes(temp.file(name));
            else
                files[name] = std::nullopt;
        }
        return files;
    }

    // Reads the data files again, as the next start of the till would.
    void restart()
    {
        ScriptedMessages quiet;
        ASSERT_TRUE(loadTillConfig(state.dir, state.config, quiet));
        ASSERT_TRUE(state.items.load(quiet));
        ASSERT_TRUE(state.customers.load(quiet));
    }

    TempDir temp;
    TillState state;
    std::map<int64_t, TestItem> items;
};

// Transaction 41, the seventh of the day: tea twice, milk, bread out of
// stock, and a line with no item behind it; 12.59 in all.
struct FiveLineShop : SaleShop {
    FiveLineShop()
    {
        addItem({ 101, "TEA", 5, 2.50f, 1.00f, 16, 1 });
        addItem({ 102, "MILK", 1, 1.20f, 0.80f, 3, 0 });
        addItem({ 103, "BREAD", 0, 1.99f, 0.90f, 17, 1 });
        state.config.set(cfg::nextTransactionNumber, 41);
        state.config.set(cfg::todayTransactionCount, 6);
        state.config.set(cfg::todayItemCount, 20);
    }
    Basket basket() const
    {
        Basket sale {};
        ringUp(sale, 101);
        ringUp(sale, 101);
        ringUp(sale, 102);
        ringUp(sale, 103);
        ringUpNonInventory(sale, "MISC", 3.00f);
        return sale;
    }
};

// What the archive holds, read from the bytes at the documented offsets.
struct ReadTransaction {
    int64_t number = 0;
    int64_t daySequence = 0;
    int64_t customer = 0;
    int32_t clerk = 0;
    int32_t lineCount = 0;
    float nonTaxable = 0, taxable = 0, subtotal = 0, taxOne = 0, taxTwo = 0, cost = 0, total = 0,
          discount = 0, cashBack = 0, cashPart = 0, eftPart = 0, chequePart = 0, balanceBefore = 0,
          balanceAfter = 0;
    std::string time, date, customerName, paymentType, note;
    bool reservedZero = true; // every reserved byte is zero
};

struct ReadLine {
    int64_t transaction = 0;
    int64_t category = 0;
    int64_t customer = 0;
    int64_t item = 0;
    std::string description;
    float nonTaxable = 0, taxable = 0, taxOne = 0, taxTwo = 0, cost = 0, discount = 0, total = 0;
    int32_t clerk = 0;
};

inline bool allZero(std::string_view bytes)
{
    return bytes.find_first_not_of('\0') == std::string_view::npos;
}

inline std::vector<ReadTransaction> readSalesBytes(std::string_view bytes)
{
    std::vector<ReadTransaction> sales;
    for (size_t at = 0; at + 950 <= bytes.size(); at += 950) {
        std::string_view r = bytes.substr(at, 950);
        ReadTransaction t;
        t.number = getI64(r, 0);
        t.daySequence = getI64(r, 8);
        t.customer = getI64(r, 16);
        t.clerk = getI32(r, 24);
        t.lineCount = getI32(r, 28);
        t.nonTaxable = getF32(r, 32);
        t.taxable = getF32(r, 36);
        t.subtotal = getF32(r, 40);
        t.taxOne = getF32(r, 44);
        t.taxTwo = getF32(r, 48);
        t.cost = getF32(r, 52);
        t.total = getF32(r, 56);
        t.discount = getF32(r, 60);
        t.cashBack = getF32(r, 84);
        t.cashPart = getF32(r, 88);
        t.eftPart = getF32(r, 92);
        t.chequePart = getF32(r, 100);
        t.balanceBefore = getF32(r, 112);
        t.balanceAfter = getF32(r, 116);
        t.time = getText(r, 124, 20);
        t.date = getText(r, 144, 20);
        t.customerName = getText(r, 164, 40);
        t.paymentType = getText(r, 354, 40);
        t.note = getText(r, 870, 80);
        t.reservedZero = allZero(r.substr(64, 20)) && allZero(r.substr(96, 4))
            && allZero(r.substr(104, 8)) && allZero(r.substr(120, 4))
            && allZero(r.substr(394, 870 - 394));
        sales.push_back(t);
    }
    return sales;
}

inline std::vector<ReadLine> readLineBytes(std::string_view bytes)
{
    std::vector<ReadLine> lines;
    for (size_t at = 0; at + 104 <= bytes.size(); at += 104) {
        std::string_view r = bytes.substr(at, 104);
        ReadLine line;
        line.transaction = getI64(r, 0);
        line.category = getI64(r, 8);
        line.customer = getI64(r, 16);
        line.item = getI64(r, 24);
        line.description = getText(r, 32, 40);
        line.nonTaxable = getF32(r, 72);
        line.taxable = getF32(r, 76);
        line.taxOne = getF32(r, 80);
        line.taxTwo = getF32(r, 84);
        line.cost = getF32(r, 88);
        line.discount = getF32(r, 92);
        line.total = getF32(r, 96);
        line.clerk = getI32(r, 100);
        lines.push_back(line);
    }
    return lines;
}

// Year index entries (number, day, month) after the 4-byte header.
inline std::vector<std::array<int32_t, 3>> readYearIndexBytes(std::string_view bytes)
{
    std::vector<std::array<int32_t, 3>> entries;
    for (size_t at = 4; at + 12 <= bytes.size(); at += 12)
        entries.push_back({ getI32(bytes, at), getI32(bytes, at + 4), getI32(bytes, at + 8) });
    return entries;
}

} // namespace ovix::test
