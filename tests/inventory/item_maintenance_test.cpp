// Keeping film.dat: what an add, an amend, a deletion and an own picture
// leave in the file, read back at the documented offsets rather than through
// the record struct; that memory (index, key table, SKU 1 look-up) follows;
// and that a write failing anywhere leaves the files and memory as they were.

#include "inventory/logic/item_maintenance.h"
#include "platform/file_access.h"
#include "platform/undo_journal.h"
#include "store/activity_log.h"
#include "till/sale_fixture.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <functional>
#include <vector>

using namespace ovix;
using namespace ovix::test;

namespace {

// Offsets of film.dat's fields, typed from the layout rather than the struct.
constexpr size_t kNumberAt = 0;
constexpr size_t kDescriptionAt = 8;
constexpr size_t kSku1At = 90;
constexpr size_t kSku2At = 130;
constexpr size_t kSku4At = 210;
constexpr size_t kLocationAt = 350;
constexpr size_t kOrderCodeAt = 550;
constexpr size_t kDateAddedAt = 630;
constexpr size_t kQuantityAt = 670;
constexpr size_t kReorderAt = 674;
constexpr size_t kMinimumOrderAt = 678;
constexpr size_t kOrderQuantityAt = 682;
constexpr size_t kTaxAt = 686;
constexpr size_t kDeliveryLeadAt = 690;
constexpr size_t kOnOrderAt = 694;
constexpr size_t kCommittedAt = 698;
constexpr size_t kLabelsAt = 702;
constexpr size_t kTotalSoldAt = 714;
constexpr size_t kCostAt = 814;
constexpr size_t kTradeAt = 818;
constexpr size_t kRetailAt = 822;
constexpr size_t kDeliveryAt = 862;
constexpr size_t kWeightAt = 866;
constexpr size_t kWebsiteAt = 882;
constexpr size_t kWebImageAt = 922;
constexpr size_t kPictureAt = 1202;
constexpr size_t kNoTaxRoundingAt = 1206;
constexpr size_t kSpecialOrderAt = 1210;
constexpr size_t kAgeAt = 1214;
constexpr size_t kOmitQuickSelectAt = 1218;
constexpr size_t kBogofAt = 1270;
constexpr size_t kSellByDayAt = 1278;
constexpr size_t kSellByMonthAt = 1282;
constexpr size_t kSellByYearAt = 1286;
constexpr size_t kOwnPictureAt = 1562;
constexpr size_t kSaleOrReturnAt = 1566;
constexpr size_t kNotesAt = 1610;
constexpr size_t kDisplayCategoryAt = 1787;
constexpr size_t kLastUsedAt = 1810;
constexpr size_t kLoanedToAt = 1826;

// A shop of three items: TEA in slot 0 (the new data set's free record),
// MILK in slot 1 and BREAD in slot 2, with the clock held at kSaleTime.
constexpr size_t kMilkSlot = 1;
constexpr size_t kBreadSlot = 2;

struct ItemShop : SaleShop {
    FixedClock clock { kSaleTime };
    ItemShop()
    {
        addItem({ 101, "TEA", 5, 2.50f, 1.00f, 16, 1 });
        addItem({ 102, "MILK", 1, 1.20f, 0.80f, 3, 0 });
        addItem({ 103, "BREAD", 0, 1.99f, 0.90f, 17, 1 });
    }
    std::string film() const
    {
        return readBytes(file("film.dat"));
    }
    std::string file(const char *name) const
    {
        return temp.file(name);
    }
    std::string slot(size_t at) const
    {
        return slotBytes(film(), at, kItemBytes);
    }
    ScriptedMessages messages;
};

ItemForm fullForm()
{
    ItemForm form;
    form.number = "555";
    form.description = "GREEN JUG";
    form.skus = { "5000000000555", "JUG-2", "", "JUG FOUR" };
    form.costPrice = "4.10";
    form.tradePrice = "5.20";
    form.retailPrice = "7.999"; // stored as 8.00
    form.orderCode = "OC-555";
    form.orderQuantity = "12";
    form.minimumOrder = "6";
    form.onOrder = "3";
    form.restockLevel = "2";
    form.notes = "FRAGILE";
    form.deliveryCharge = "0.50";
    form.weight = "1.25";
    form.committed = "1";
    form.deliveryLead = "7";
    form.labelsToPrint = "4";
    form.location = "AISLE 2";
    form.website = "shop/jug";
    form.webImage = "shop/jug.jpg";
    form.quantity = "9";
    form.taxCode = 3;
    form.displayCategory = 11;
    form.saleOrReturn = 1;
    form.noTaxRounding = true;
    form.specialOrder = 5;
    form.ageWarning = true;
    form.age = 16;
    form.omitQuickSelect = true;
    form.buyOneGetOneFree = true;
    form.sellByDay = 28;
    form.sellByMonth = 2;
    form.sellByYear = 15;
    form.addedDay = 5;
    form.addedMonth = 3;
    form.addedYear = 2026;
    form.picture.stockNumber = 7;
    return form;
}

// fullForm() as film.dat must hold it, built byte by byte.
std::string fullFormBytes()
{
    std::string bytes(kItemBytes, '\0');
    putI64(bytes, kNumberAt, 555);
    putText(bytes, kDescriptionAt, "GREEN JUG");
    putText(bytes, kSku1At, "5000000000555");
    putText(bytes, kSku2At, "JUG-2");
    putText(bytes, kSku4At, "JUG FOUR");
    putText(bytes, kLocationAt, "AISLE 2");
    putText(bytes, kOrderCodeAt, "OC-555");
    putText(bytes, kDateAddedAt, "05/03/2026");
    putI32(bytes, kQuantityAt, 9);
    putI32(bytes, kReorderAt, 2);
    putI32(bytes, kMinimumOrderAt, 6);
    putI32(bytes, kOrderQuantityAt, 12);
    putI32(bytes, kTaxAt, 3);
    putI32(bytes, kDeliveryLeadAt, 7);
    putI32(bytes, kOnOrderAt, 3);
    putI32(bytes, kCommittedAt, 1);
    putI32(bytes, kLabelsAt, 4);
    putF32(bytes, kCostAt, 4.10f);
    putF32(bytes, kTradeAt, 5.20f);
    putF32(bytes, kRetailAt, 8.00f);
    putF32(bytes, kDeliveryAt, 0.50f);
    putF32(bytes, kWeightAt, 1.25f);
    putText(bytes, kWebsiteAt, "shop/jug");
    putText(bytes, kWebImageAt, "shop/jug.jpg");
    putI32(bytes, kPictureAt, 7);
    putI32(bytes, kNoTaxRoundingAt, 2);
    putI32(bytes, kSpecialOrderAt, 5);
    putI32(bytes, kAgeAt, 16);
    putI32(bytes, kOmitQuickSelectAt, 2);
    putI32(bytes, kBogofAt, 2);
    putI32(bytes, kSellByDayAt, 28);
    putI32(bytes, kSellByMonthAt, 2);
    putI32(bytes, kSellByYearAt, 15);
    putI32(bytes, kSaleOrReturnAt, 1);
    putText(bytes, kNotesAt, "FRAGILE");
    putI32(bytes, kDisplayCategoryAt, 11);
    return bytes;
}

// A small but whole bitmap: a 2 x 2 picture of 24-bit pixels.
std::string bitmapBytes(char shade)
{
    std::string bytes(70, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    putI32(bytes, 2, 70);
    putI32(bytes, 10, 54);
    putI32(bytes, 14, 40);
    putI32(bytes, 18, 2);
    putI32(bytes, 22, 2);
    bytes[26] = 1;
    bytes[28] = 24;
    for (size_t at = 54; at < 70; ++at)
        bytes[at] = shade;
    return bytes;
}

} // namespace

TEST(ItemMaintenance, AnAddFillsTheFreeSlotAtTheDocumentedOffsetsThenAppends)
{
    ItemShop shop;
    ASSERT_EQ(shop.state.items.slotOf(101), 0); // the new data set's free record, reused
    const int64_t slotsBefore = shop.state.items.slotCount();
    const StoreResult stored = storeNewItem(shop.state, fullForm(), shop.messages);
    ASSERT_EQ(stored.outcome, StoreOutcome::Stored) << shop.messages.lastText();
    EXPECT_TRUE(shop.messages.shown.empty());
    EXPECT_EQ(shop.state.items.slotOf(555), slotsBefore);
    EXPECT_EQ(shop.film().size(), (slotsBefore + 1) * kItemBytes);
    EXPECT_EQ(shop.slot(static_cast<size_t>(slotsBefore)), fullFormBytes());
    EXPECT_EQ(shop.state.items.findBySku1("5000000000555"), slotsBefore);
    EXPECT_EQ(shop.state.items.key(slotsBefore), (std::array<char, 2> { 'G', 'R' }));
}

TEST(ItemMaintenance, ANumberInUseIsRefusedAndNothingIsWritten)
{
    ItemShop shop;
    const std::string before = shop.film();
    ItemForm form = fullForm();
    form.number = "102";
    EXPECT_EQ(storeNewItem(shop.state, form, shop.messages).outcome, StoreOutcome::Ended);
    EXPECT_EQ(shop.messages.lastText(), "Number in use.");
    EXPECT_EQ(shop.messages.beeps, 1);
    EXPECT_EQ(shop.film(), before);
    form.number = "1";
    form.retailPrice = "20000.01";
    const StoreResult refused = storeNewItem(shop.state, form, shop.messages);
    EXPECT_EQ(refused.outcome, StoreOutcome::Refused);
    EXPECT_FALSE(refused.numberRefused);
    EXPECT_EQ(shop.messages.lastText(), "Invalid retail price, limit 20000.00");
    form.number = "12345678901234567890";
    EXPECT_TRUE(storeNewItem(shop.state, form, shop.messages).numberRefused);
    EXPECT_EQ(shop.messages.lastText(), "Number outside range.");
    EXPECT_EQ(shop.film(), before);
}

TEST(ItemMaintenance, AnAmendChangesOnlyWhatTheDialogShows)
{
    ItemShop shop;
    // MILK (slot 2) carries reserved bytes and a sales history of its own.
    std::string film = shop.film();
    std::string milk = slotBytes(film, kMilkSlot, kItemBytes);
    for (size_t at : { 706u, 718u, 826u, 870u, 1290u, 1570u, 1791u, 1806u, 1850u })
        milk[at] = '\x5A';
    putI32(milk, kTotalSoldAt, 41);
    putText(milk, 290, "DAIRY"); // the text category, shown only by the exports
    film.replace(kMilkSlot * kItemBytes, kItemBytes, milk);
    writeBytes(shop.file("film.dat"), film);
    ASSERT_TRUE(shop.state.items.load(shop.messages));

    std::optional<ItemRecord> record = readItem(shop.state, 102, shop.messages);
    ASSERT_TRUE(record);
    ItemForm form = formOfItem(*record, kSaleTime, false);
    form.description = "OAT MILK";
    form.skus[0] = "777";
    form.retailPrice = "1.456";
    form.quantity = "30";
    ASSERT_EQ(storeAmendedItem(shop.state, 102, form, shop.messages).outcome,
        StoreOutcome::Stored)
        << shop.messages.lastText();

    std::string expected = milk;
    putText(expected, kDescriptionAt, std::string("OAT MILK") + '\0');
    putText(expected, kSku1At, std::string("777") + '\0');
    putF32(expected, kRetailAt, 1.46f);
    putI32(expected, kQuantityAt, 30);
    putText(expected, kDateAddedAt, "05/03/2026"); // the picker showed today
    putI32(expected, kPictureAt, 1);
    EXPECT_EQ(shop.slot(kMilkSlot), expected);
    EXPECT_EQ(getText(shop.slot(kMilkSlot), kLastUsedAt, 16), "09:0001/01/2026");
    EXPECT_EQ(shop.state.items.findBySku1("777"), kMilkSlot);
    EXPECT_EQ(shop.state.items.key(kMilkSlot), (std::array<char, 2> { 'O', 'A' }));

    form.number = "104";
    EXPECT_EQ(storeAmendedItem(shop.state, 102, form, shop.messages).outcome,
        StoreOutcome::Refused);
    EXPECT_EQ(shop.messages.lastText(), "Number cannot be changed");
    EXPECT_EQ(shop.slot(kMilkSlot), expected);
}

TEST(ItemMaintenance, ADeletionFreesTheSlotLogsItAndTheNextAddTakesIt)
{
    ItemShop shop;
    const std::string milk = shop.slot(kMilkSlot);
    const std::string logBefore = readBytes(shop.file("bun4.dat"));

    shop.messages.answers = { Answer::Cancel };
    EXPECT_FALSE(deleteItem(shop.state, 102, shop.messages));
    EXPECT_EQ(shop.messages.lastText(), "Are you sure?");
    EXPECT_EQ(shop.messages.lastCaption(), "102 Item: MILK");
    EXPECT_EQ(shop.slot(kMilkSlot), milk);

    ASSERT_TRUE(deleteItem(shop.state, 102, shop.messages)) << shop.messages.lastText();
    std::string freed = milk;
    putI64(freed, kNumberAt, -1);
    freed[kDescriptionAt] = '\0';
    freed[kDescriptionAt + 1] = '\0';
    EXPECT_EQ(shop.slot(kMilkSlot), freed);
    EXPECT_EQ(readBytes(shop.file("bun4.dat")),
        logBefore + "\r\nItem 102, MILK deleted.  Date: 10:20 05/03/2026\r\n");
    EXPECT_FALSE(shop.state.items.slotOf(102));
    EXPECT_EQ(shop.state.items.freeCount(), 1);

    const size_t fileSize = shop.film().size();
    ItemForm form = fullForm();
    ASSERT_EQ(storeNewItem(shop.state, form, shop.messages).outcome, StoreOutcome::Stored);
    EXPECT_EQ(shop.state.items.slotOf(555), kMilkSlot);
    EXPECT_EQ(shop.film().size(), fileSize);
    EXPECT_EQ(shop.slot(kMilkSlot), fullFormBytes());

    EXPECT_FALSE(deleteItem(shop.state, 102, shop.messages));
    EXPECT_EQ(shop.messages.lastText(), "Invalid number.");
}

TEST(ItemMaintenance, AnOwnPictureIsCopiedWholeAndMarkedOnTheItem)
{
    ItemShop shop;
    writeBytes(shop.file("picked.bmp"), bitmapBytes('\x11'));
    int attached = 0;
    ASSERT_TRUE(attachPicture(shop.state, 103, shop.file("picked.bmp"), shop.messages,
        [&] { ++attached; }));
    EXPECT_EQ(attached, 1);
    EXPECT_EQ(shop.messages.lastText(), "Updated.");
    EXPECT_EQ(shop.messages.lastCaption(), "Picture");
    EXPECT_EQ(readBytes(shop.file("m103.bmp")), bitmapBytes('\x11'));
    struct stat status {};
    ASSERT_EQ(stat(shop.file("m103.bmp").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);
    EXPECT_EQ(getI32(shop.slot(kBreadSlot), kOwnPictureAt), 1);

    // A second picture replaces the first.
    writeBytes(shop.file("picked.bmp"), bitmapBytes('\x22'));
    ASSERT_TRUE(attachPicture(shop.state, 103, shop.file("picked.bmp"), shop.messages));
    EXPECT_EQ(readBytes(shop.file("m103.bmp")), bitmapBytes('\x22'));

    // Neither a cut-off bitmap nor an unknown item changes anything.
    const std::string before = shop.film();
    writeBytes(shop.file("cut.bmp"), bitmapBytes('\x33').substr(0, 40));
    EXPECT_FALSE(attachPicture(shop.state, 101, shop.file("cut.bmp"), shop.messages));
    EXPECT_NE(shop.messages.lastText().find("is not a bitmap picture."), std::string::npos);
    EXPECT_FALSE(attachPicture(shop.state, 999, shop.file("picked.bmp"), shop.messages));
    EXPECT_EQ(shop.messages.lastText(), "Invalid number.");
    EXPECT_FALSE(fileExists(shop.file("m101.bmp")));
    EXPECT_EQ(shop.film(), before);
}

// Every write and sync of each change, failed in turn: the change is told,
// and film.dat, the picture, the log and the index are as they were.
TEST(ItemMaintenance, AWriteFailingAnywhereChangesNothingAndIsTold)
{
    struct Case {
        const char *name;
        std::function<bool(ItemShop &)> change;
    } cases[] = {
        { "add into a free slot", [](ItemShop &shop) {
              shop.messages.answers = {};
              return deleteItem(shop.state, 101, shop.messages)
                  && storeNewItem(shop.state, fullForm(), shop.messages).outcome
                  == StoreOutcome::Stored;
          } },
        { "add at the end", [](ItemShop &shop) {
              return storeNewItem(shop.state, fullForm(), shop.messages).outcome
                  == StoreOutcome::Stored;
          } },
        { "amend", [](ItemShop &shop) {
              ItemForm form = formOfItem(*readItem(shop.state, 102, shop.messages), kSaleTime, false);
              form.description = "SOY MILK";
              form.skus[0] = "321";
              return storeAmendedItem(shop.state, 102, form, shop.messages).outcome
                  == StoreOutcome::Stored;
          } },
        { "delete", [](ItemShop &shop) { return deleteItem(shop.state, 102, shop.messages); } },
        { "own picture", [](ItemShop &shop) {
              return attachPicture(shop.state, 102, shop.file("picked.bmp"), shop.messages);
          } },
    };
    for (const Case &c : cases) {
        bool succeeded = false;
        for (int fault = 1; fault < 60 && !succeeded; ++fault) {
            for (const bool onSync : { false, true }) {
                ItemShop shop;
                writeBytes(shop.file("picked.bmp"), bitmapBytes('\x44'));
                writeBytes(shop.file("m102.bmp"), bitmapBytes('\x55'));
                // The free-slot case deletes first, without faults.
                if (std::string(c.name) == "add into a free slot") {
                    ASSERT_TRUE(deleteItem(shop.state, 101, shop.messages));
                }
                const std::string film = shop.film();
                const std::string log = readBytes(shop.file("bun4.dat"));
                const std::vector<IndexEntry> index = shop.state.items.index().entries();
                shop.messages.shown.clear();

                FaultyFileAccess faulty;
                if (onSync)
                    faulty.faultSyncNumber(fault, FaultyFileAccess::Mode::Fail);
                else
                    faulty.faultWriteNumber(fault, FaultyFileAccess::Mode::Fail);
                setFileAccess(&faulty);
                const bool done = std::string(c.name) == "add into a free slot"
                    ? storeNewItem(shop.state, fullForm(), shop.messages).outcome
                        == StoreOutcome::Stored
                    : c.change(shop);
                setFileAccess(nullptr);
                const bool faultHit = (onSync ? faulty.syncs() : faulty.writes()) >= fault;
                if (!faultHit) {
                    EXPECT_TRUE(done) << c.name << ": " << shop.messages.lastText();
                    succeeded = true;
                    continue;
                }
                if (done)
                    continue; // a fault after the commit point: the change stands whole
                SCOPED_TRACE(std::string(c.name) + (onSync ? " sync " : " write ")
                    + std::to_string(fault));
                EXPECT_FALSE(shop.messages.shown.empty());
                EXPECT_EQ(shop.film(), film);
                EXPECT_EQ(readBytes(shop.file("bun4.dat")), log);
                EXPECT_EQ(readBytes(shop.file("m102.bmp")), bitmapBytes('\x55'));
                EXPECT_FALSE(fileExists(shop.file(kJournalName)));
                const std::vector<IndexEntry> after = shop.state.items.index().entries();
                ASSERT_EQ(after.size(), index.size());
                for (size_t i = 0; i < index.size(); ++i) {
                    EXPECT_EQ(after[i].number, index[i].number);
                    EXPECT_EQ(after[i].slot, index[i].slot);
                }
                EXPECT_TRUE(shop.state.items.findBySku1("321") == std::nullopt);
            }
        }
        EXPECT_TRUE(succeeded) << c.name;
    }
}
