// Booking in deliveries: what a receipt does to the item's counts and
// sell-by date and to today's ininvent.dat (read back at the documented
// offsets), the quantities refused, a log that cannot take the entry leaving
// the item untouched too, and the receive-by-SKU 1 search.

#include "inventory/logic/item_maintenance.h"
#include "inventory/logic/received_log.h"
#include "inventory/logic/stock_receipt.h"
#include "platform/file_access.h"
#include "platform/undo_journal.h"
#include "till/sale_fixture.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>
#include <vector>

using namespace ovix;
using namespace ovix::test;

namespace {

constexpr const char *kLog = "2026/3/5/ininvent.dat";

// TEA (101, 5 held, 3 on order), MILK (102, 1 held) and BREAD (103, none
// held), with the clock at kSaleTime.
struct ReceiptShop : SaleShop {
    FixedClock clock { kSaleTime };
    ScriptedMessages messages;
    ReceiptShop()
    {
        addItem({ 101, "TEA", 5, 2.50f, 1.00f, 16, 1 });
        addItem({ 102, "MILK", 1, 1.20f, 0.80f, 3, 0 });
        addItem({ 103, "BREAD", 0, 1.99f, 0.90f, 17, 1 });
        setField(101, 694, 3); // on order
        setField(102, 694, 10);
    }
    // Sets an int32 of item `number` on the disk and loads the items again.
    void setField(int64_t number, size_t offset, int32_t value)
    {
        std::string film = file("film.dat");
        putI32(film, static_cast<size_t>(*state.items.slotOf(number)) * kItemBytes + offset, value);
        writeBytes(temp.file("film.dat"), film);
        restart();
    }
    int32_t field(int64_t number, size_t offset) const
    {
        return getI32(itemBytesOf(number), offset);
    }
    std::vector<std::string> said()
    {
        std::vector<std::string> out;
        for (const ScriptedMessages::Shown &shown : messages.shown)
            out.push_back(shown.caption + ": " + shown.text);
        messages.shown.clear();
        return out;
    }
};

ReceiptForm received(const char *quantity, int day = 0, int month = 0, int year = 0)
{
    return { quantity, day, month, year };
}

std::string entryBytes(int64_t number, int64_t quantity)
{
    std::string bytes(16, '\0');
    putI64(bytes, 0, number);
    putI64(bytes, 8, quantity);
    return bytes;
}

} // namespace

TEST(StockReceipt, StockRisesOnOrderFallsAndTheLogTakesTheEntry)
{
    struct Case {
        int64_t item;
        const char *quantity;
        int32_t held;
        int32_t onOrder;
    };
    const Case cases[] = {
        { 101, "5", 10, 0 }, // 5 received with 3 on order: none left on order
        { 101, "2", 7, 1 }, { 102, " 4 ", 5, 6 },
        { 103, "+12", 12, 0 }, // nothing on order stays nothing
    };
    for (const Case &c : cases) {
        ReceiptShop shop;
        const std::string before = shop.itemBytesOf(c.item);
        ASSERT_EQ(receiveStock(shop.state, c.item, received(c.quantity, 14, 7, 15), shop.messages),
            ReceiptResult::Booked);
        EXPECT_EQ(shop.said(),
            std::vector<std::string> { "Updated quantity: " + std::to_string(c.held) });
        EXPECT_EQ(shop.quantityOf(c.item), c.held);
        // Only the quantity, on order and the sell-by date changed.
        std::string expected = before;
        putI32(expected, 670, c.held);
        putI32(expected, 694, c.onOrder);
        putI32(expected, 1278, 14);
        putI32(expected, 1282, 7);
        putI32(expected, 1286, 15);
        EXPECT_EQ(shop.itemBytesOf(c.item), expected) << c.quantity;
        const int64_t quantity = c.held - getI32(before, 670);
        EXPECT_EQ(shop.file(kLog), entryBytes(c.item, quantity));
    }
}

TEST(StockReceipt, EachReceiptOfTheDayIsAppended)
{
    ReceiptShop shop;
    ASSERT_EQ(receiveStock(shop.state, 101, received("5"), shop.messages), ReceiptResult::Booked);
    ASSERT_EQ(receiveStock(shop.state, 103, received("24"), shop.messages), ReceiptResult::Booked);
    ASSERT_EQ(receiveStock(shop.state, 101, received("1"), shop.messages), ReceiptResult::Booked);
    EXPECT_EQ(shop.file(kLog), entryBytes(101, 5) + entryBytes(103, 24) + entryBytes(101, 1));
    const std::optional<std::vector<ReceivedEntry>> entries
        = readReceivedEntries(shop.state.dir, { 2026, 3, 5 });
    ASSERT_TRUE(entries);
    EXPECT_EQ(*entries, (std::vector<ReceivedEntry> { { 101, 5 }, { 103, 24 }, { 101, 1 } }));
    EXPECT_EQ(shop.quantityOf(101), 11);
}

TEST(StockReceipt, QuantitiesThatAreNoDeliveryAreRefusedAndChangeNothing)
{
    struct Case {
        const char *quantity;
        int32_t held;
        const char *said;
    };
    const Case cases[] = {
        { "0", 5, "Problem: Invalid quantity" },
        { "-3", 5, "Problem: Invalid quantity" },
        { "", 5, "Problem: Invalid quantity" },
        { "5 BOXES", 5, "Problem: Invalid quantity" },
        { "1.5", 5, "Problem: Invalid quantity" },
        { "99999999999999999999", 5, "Problem: Invalid quantity" },
        { "2147483643", 5, "Problem: Invalid quantity, the stock held may not pass 2147483647" },
        { "1", 2147483647, "Problem: Invalid quantity, the stock held may not pass 2147483647" },
    };
    for (const Case &c : cases) {
        ReceiptShop shop;
        shop.setField(101, 670, c.held);
        const std::string film = shop.file("film.dat");
        EXPECT_EQ(receiveStock(shop.state, 101, received(c.quantity, 1, 1, 1), shop.messages),
            ReceiptResult::Refused)
            << c.quantity;
        EXPECT_EQ(shop.said(), std::vector<std::string> { c.said }) << c.quantity;
        EXPECT_EQ(shop.file("film.dat"), film) << c.quantity;
        EXPECT_FALSE(fileExists(shop.temp.file(kLog))) << c.quantity;
    }
    // The largest stock that fits is taken.
    ReceiptShop shop;
    ASSERT_EQ(receiveStock(shop.state, 101, received("2147483642"), shop.messages),
        ReceiptResult::Booked);
    EXPECT_EQ(shop.quantityOf(101), 2147483647);
}

TEST(StockReceipt, ALogThatCannotTakeTheEntryLeavesTheItemAsItWas)
{
    ReceiptShop shop;
    ASSERT_EQ(mkdir(shop.temp.file(kLog).c_str(), 0700), 0); // a folder where the log goes
    const std::string film = shop.file("film.dat");
    EXPECT_EQ(
        receiveStock(shop.state, 101, received("5"), shop.messages), ReceiptResult::NotRecorded);
    const std::vector<std::string> said = shop.said();
    ASSERT_FALSE(said.empty());
    EXPECT_EQ(said.front(), "Problem: Unable to open incoming log.");
    EXPECT_EQ(shop.file("film.dat"), film);
    EXPECT_FALSE(fileExists(shop.temp.file(kJournalName)));
}

TEST(StockReceipt, AnItemDeletedMeanwhileOrAMissingDayFolderIsHandled)
{
    ReceiptShop shop;
    EXPECT_EQ(
        receiveStock(shop.state, 999, received("5"), shop.messages), ReceiptResult::NotRecorded);
    EXPECT_EQ(shop.said(), std::vector<std::string> { "Problem: Invalid number." });

    // After midnight without a restart: the new day's folder is made.
    FixedClock nextDay({ 2026, 3, 6, 0, 5, 0 });
    ASSERT_EQ(receiveStock(shop.state, 102, received("3"), shop.messages), ReceiptResult::Booked);
    EXPECT_EQ(shop.file("2026/3/6/ininvent.dat"), entryBytes(102, 3));
    EXPECT_TRUE(fileExists(shop.temp.file("2026/3/6/base.dat")));
}

TEST(StockReceipt, ATornEndOfTheLogIsCutOffSoEntriesStayWhole)
{
    ReceiptShop shop;
    writeBytes(shop.temp.file(kLog), entryBytes(103, 2) + std::string(5, '\x7f'));
    ASSERT_EQ(receiveStock(shop.state, 101, received("4"), shop.messages), ReceiptResult::Booked);
    EXPECT_EQ(shop.file(kLog), entryBytes(103, 2) + entryBytes(101, 4));
    EXPECT_EQ(shop.said(),
        (std::vector<std::string> {
            "Problem: 2026/3/5/ininvent.dat ended in 5 bytes that are no whole entry. They were "
            "cut off.",
            "Updated quantity: 9" }));
}

TEST(StockReceipt, TheDialogShowsTheItemAndTheUpdatedTotal)
{
    ReceiptShop shop;
    shop.setField(101, 1278, 31);
    shop.setField(101, 1282, 13); // no month 13: shown as none
    shop.setField(101, 1286, 69);
    ScriptedMessages quiet;
    const ReceiptView view = receiptViewOf(*readItem(shop.state, 101, quiet));
    EXPECT_EQ(view.number, 101);
    EXPECT_EQ(view.description, "TEA");
    EXPECT_EQ(view.held, 5);
    EXPECT_EQ(view.form.quantity, "");
    EXPECT_EQ(view.form.sellByDay, 31);
    EXPECT_EQ(view.form.sellByMonth, 0);
    EXPECT_EQ(view.form.sellByYear, 69);

    struct Case {
        int32_t held;
        const char *typed;
        const char *shown;
    };
    for (const Case &c : { Case { 5, "3", "8" }, Case { 5, "", "5" }, Case { 5, "-3", "5" },
             Case { 5, "X", "5" }, Case { 2147483647, "1", "2147483648" }, Case { -4, "10", "6" } })
        EXPECT_EQ(updatedTotalText(c.held, c.typed), c.shown) << c.typed;
}

TEST(StockReceipt, ReceivingBySkuOneOffersEachMatchAndCancelEnds)
{
    ReceiptShop shop;
    std::string film = shop.file("film.dat");
    putText(film, static_cast<size_t>(*shop.state.items.slotOf(101)) * kItemBytes + 90, "5012345");
    putText(film, static_cast<size_t>(*shop.state.items.slotOf(103)) * kItemBytes + 90, "5012399");
    writeBytes(shop.temp.file("film.dat"), film);
    shop.restart();

    struct Case {
        const char *typed;
        std::vector<Answer> answers;
        int64_t taken;
        std::vector<std::string> said;
    };
    const Case cases[] = {
        { "5012399", { Answer::Yes }, 103, { "Search: No to continue: 103, BREAD" } },
        { "50123", { Answer::No, Answer::Yes }, 103,
            { "Search: No to continue: 101, TEA", "Search: No to continue: 103, BREAD" } },
        { "50123", { Answer::Cancel }, 0, { "Search: No to continue: 101, TEA" } },
        { "50123", { Answer::No, Answer::No }, 0,
            { "Search: No to continue: 101, TEA", "Search: No to continue: 103, BREAD",
                "Finished: No match found" } },
        { "", {}, 0, {} },
    };
    for (const Case &c : cases) {
        shop.messages.textReplies = { std::string(c.typed) };
        shop.messages.answers.assign(c.answers.begin(), c.answers.end());
        EXPECT_EQ(findToReceiveBySkuOne(shop.state.items, shop.messages), c.taken) << c.typed;
        std::vector<std::string> said = shop.said();
        ASSERT_FALSE(said.empty());
        said.erase(said.begin()); // the prompt
        EXPECT_EQ(said, c.said) << c.typed;
    }
}
