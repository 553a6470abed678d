// The saved basket kept in basket.sav across a restart, a damaged or hostile
// file, items deleted between save and restart, parking, and the question
// before a sale in progress is thrown away.

#include "platform/crc32.h"
#include "platform/file.h"
#include "sales/logic/abandon_sale.h"
#include "sales/logic/saved_basket.h"
#include "till/item_entry_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <sys/stat.h>

using namespace ovix;
using namespace ovix::test;

namespace {

std::string bytesOf(const Basket &basket)
{
    return std::string(reinterpret_cast<const char *>(&basket), sizeof basket);
}

const std::string kQuestion = "Basket: Abandon the sale being rung up?";

// Offsets in basket.sav: the header is 16 bytes, the image follows.
constexpr size_t kImage = 16;
const size_t kLineCountAt = kImage + offsetof(Basket, lineCount);
const size_t kFirstItemAt = kImage + offsetof(Basket, lineItemNumber);
const size_t kFirstLineTotalAt = kImage + offsetof(Basket, lineTotal);
const size_t kTotalsAt = kImage + offsetof(Basket, totals);

// A till that has rung up 5 KEEP (1.00 + 20% tax), 6 GONE (2.50, untaxed)
// and a non-inventory LOOSE 0.50, with a note, and saved it.
struct SavedTill : Till {
    SavedTill()
    {
        add(ItemBytes(5, "KEEP", 1.00f));
        add(ItemBytes(6, "GONE", 2.50f).tax(0).cost(1.25f));
        entry.addItem(5, {});
        entry.addItem(6, {});
        entry.addNonInventoryLine("LOOSE", 0.50, false, false);
        entry.setTransactionNote("LATER");
        EXPECT_TRUE(entry.saveBasket());
        said();
    }
};

// The till started again over the same folder: the data loaded afresh and
// the saved basket read from basket.sav.
struct Restarted {
    TillState state;
    ScriptedMessages messages;
    RecordingView view;
    std::unique_ptr<Basket> basket = std::make_unique<Basket>();
    std::unique_ptr<Basket> saved = std::make_unique<Basket>();
    std::unique_ptr<ItemEntry> entry;
    bool loaded = false;

    explicit Restarted(const std::string &folder)
        : state(folder)
    {
        ScriptedMessages quiet;
        EXPECT_TRUE(loadTillConfig(state.dir, state.config, quiet));
        EXPECT_TRUE(state.items.load(quiet));
        EXPECT_TRUE(state.customers.load(quiet));
        loaded = loadSavedBasket(state, *saved, messages);
        entry = std::make_unique<ItemEntry>(state, *basket, *saved, view, messages);
    }
    std::vector<std::string> said() const
    {
        std::vector<std::string> out;
        for (const ScriptedMessages::Shown &shown : messages.shown)
            out.push_back(shown.caption + ": " + shown.text);
        return out;
    }
};

void putU32(std::string &bytes, size_t offset, uint32_t value)
{
    std::memcpy(bytes.data() + offset, &value, sizeof value);
}

// The CRC made right again after a change, so that only the change is judged.
void fixCheckSum(std::string &bytes)
{
    const size_t checked = bytes.size() - 4;
    putU32(bytes, checked, crc32(std::string_view(bytes).substr(0, checked)));
}

} // namespace

TEST(AbandonSale, AskedOnlyWhenTheBasketHasLinesAndOnlyYesLetsItGo)
{
    struct Case {
        const char *name;
        int lines;
        std::vector<Answer> answers;
        bool asked;
        bool mayGo;
    };
    const Case cases[] = {
        { "empty basket", 0, {}, false, true },
        { "lines, Yes", 2, { Answer::Yes }, true, true },
        { "lines, No", 2, { Answer::No }, true, false },
        { "lines, box closed", 1, { Answer::Cancel }, true, false },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        auto basket = std::make_unique<Basket>();
        basket->lineCount = c.lines;
        ScriptedMessages messages;
        messages.answers.assign(c.answers.begin(), c.answers.end());
        const std::string before = bytesOf(*basket);
        EXPECT_EQ(mayAbandonSale(*basket, messages), c.mayGo);
        ASSERT_EQ(messages.shown.size(), c.asked ? 1u : 0u);
        if (c.asked) {
            EXPECT_EQ(messages.shown[0].caption + ": " + messages.shown[0].text, kQuestion);
        }
        EXPECT_EQ(bytesOf(*basket), before);
    }
}

TEST(SavedBasketFile, ASavedBasketComesBackWholeAfterARestart)
{
    SavedTill till;
    const std::string rungUp = bytesOf(till.basket);
    const std::string path = till.temp.file(kSavedBasketName);
    ASSERT_TRUE(fileExists(path));
    EXPECT_EQ(fileSize(path), 31372);
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_EQ(readBytes(path).substr(0, 8), "OVIXBSKT");

    Restarted again(till.temp.path());
    EXPECT_TRUE(again.loaded);
    EXPECT_TRUE(again.said().empty());
    EXPECT_EQ(again.basket->lineCount, 0); // the till starts with an empty basket
    ASSERT_TRUE(again.entry->reloadBasket());
    EXPECT_EQ(bytesOf(*again.basket), rungUp);
    EXPECT_EQ(again.view.list,
        (std::vector<std::string> { "5  KEEP  1.20", "6  GONE  2.50", "0  LOOSE  0.50" }));
    EXPECT_EQ(again.basket->total(BasketTotal::Total), 4.20f);
    EXPECT_EQ(readText(again.basket->transactionNote), "LATER");
}

TEST(SavedBasketFile, EverySaveReplacesTheFileAndNoSavedBasketLoadsNothing)
{
    Till till;
    Restarted none(till.temp.path());
    EXPECT_FALSE(none.loaded);
    EXPECT_TRUE(none.said().empty());
    EXPECT_EQ(none.saved->lineCount, 0);

    till.add(ItemBytes(5, "KEEP", 1.00f));
    till.entry.addItem(5, {});
    ASSERT_TRUE(till.entry.saveBasket());
    till.entry.addItem(5, {});
    ASSERT_TRUE(till.entry.saveBasket());
    EXPECT_FALSE(fileExists(till.temp.file(std::string(kSavedBasketName) + ".new~")));
    Restarted again(till.temp.path());
    EXPECT_EQ(again.saved->lineCount, 2);
    EXPECT_EQ(bytesOf(*again.saved), bytesOf(till.basket));
}

TEST(SavedBasketFile, ADamagedFileIsIgnoredWithANoticeAndLeftAsItWas)
{
    SavedTill till;
    const std::string good = readBytes(till.temp.file(kSavedBasketName));
    using Change = std::function<void(std::string &)>;
    struct Case {
        const char *name;
        Change change;
        const char *reason;
    };
    const float notANumber = std::numeric_limits<float>::quiet_NaN();
    const float infinite = std::numeric_limits<float>::infinity();
    const Case cases[] = {
        { "empty", [](std::string &b) { b.clear(); }, "0 bytes instead of 31372" },
        { "cut short", [](std::string &b) { b.resize(b.size() / 2); }, "15686 bytes instead" },
        { "one byte more", [](std::string &b) { b += 'x'; }, "31373 bytes instead" },
        { "wrong magic", [](std::string &b) { b[0] = 'X'; }, "not a saved basket" },
        { "later version",
            [](std::string &b) {
                putU32(b, 8, 2);
                fixCheckSum(b);
            },
            "layout version 2" },
        { "other image size",
            [](std::string &b) {
                putU32(b, 12, 30000);
                fixCheckSum(b);
            },
            "a basket of another size" },
        { "a byte changed on the disk", [](std::string &b) { b[kFirstItemAt] ^= 0x40; },
            "check sum does not match" },
        { "no lines",
            [](std::string &b) {
                putI32(b, kLineCountAt, 0);
                fixCheckSum(b);
            },
            "a line count of 0" },
        { "401 lines",
            [](std::string &b) {
                putI32(b, kLineCountAt, 401);
                fixCheckSum(b);
            },
            "a line count of 401" },
        { "negative line count",
            [](std::string &b) {
                putI32(b, kLineCountAt, -3);
                fixCheckSum(b);
            },
            "a line count of -3" },
        { "negative item number",
            [](std::string &b) {
                putI64(b, kFirstItemAt + 8, -6);
                fixCheckSum(b);
            },
            "an item number out of range in line 2" },
        { "item number past the largest",
            [](std::string &b) {
                putI64(b, kFirstItemAt, 100000000000000001);
                fixCheckSum(b);
            },
            "an item number out of range in line 1" },
        { "NaN line total",
            [&](std::string &b) {
                putF32(b, kFirstLineTotalAt + 2 * 4, notANumber);
                fixCheckSum(b);
            },
            "an amount that is no amount in line 3" },
        { "huge line total",
            [](std::string &b) {
                putF32(b, kFirstLineTotalAt, 1e30f);
                fixCheckSum(b);
            },
            "an amount that is no amount in line 1" },
        { "infinite total",
            [&](std::string &b) {
                putF32(b, kTotalsAt + 4 * static_cast<size_t>(BasketTotal::Total), infinite);
                fixCheckSum(b);
            },
            "a total that is no amount" },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::string damaged = good;
        c.change(damaged);
        writeBytes(till.temp.file(kSavedBasketName), damaged);

        Restarted again(till.temp.path());
        EXPECT_FALSE(again.loaded);
        EXPECT_EQ(bytesOf(*again.saved), bytesOf(Basket {}));
        ASSERT_EQ(again.messages.shown.size(), 1u);
        EXPECT_EQ(again.messages.lastCaption(), "Saved basket");
        EXPECT_NE(again.messages.lastText().find("basket.sav is damaged and was not loaded ("),
            std::string::npos)
            << again.messages.lastText();
        EXPECT_NE(again.messages.lastText().find(c.reason), std::string::npos)
            << again.messages.lastText();
        EXPECT_EQ(readBytes(till.temp.file(kSavedBasketName)), damaged);
        // Nothing to retrieve, and the next save replaces the damaged file.
        EXPECT_FALSE(again.entry->reloadBasket());
        EXPECT_EQ(again.messages.lastText(), "No items");
    }
    // A folder in the file's place is no saved basket either.
    std::remove(till.temp.file(kSavedBasketName).c_str());
    ASSERT_EQ(::mkdir(till.temp.file(kSavedBasketName).c_str(), 0700), 0);
    Restarted folder(till.temp.path());
    EXPECT_FALSE(folder.loaded);
    EXPECT_EQ(folder.messages.lastCaption(), "Saved basket");
}

TEST(SavedBasketFile, ItemsDeletedBeforeTheRestartAreDroppedNamedAndTakenOffTheTotals)
{
    SavedTill till;
    // What the basket holds with GONE voided at the till, for comparison.
    till.entry.voidLine(1);
    const std::string withoutGone = bytesOf(till.basket);
    ScriptedMessages quiet;
    ASSERT_TRUE(till.state.items.remove(till.state.items.find(6), quiet));

    Restarted again(till.temp.path());
    EXPECT_TRUE(again.loaded);
    EXPECT_EQ(again.said(),
        (Said { "Saved basket: The saved basket named items that are no longer on file; their "
                "lines were left out: 6 GONE." }));
    EXPECT_EQ(bytesOf(*again.saved), withoutGone);
    EXPECT_EQ(again.saved->lineCount, 2);
    EXPECT_EQ(again.saved->total(BasketTotal::NonTaxable), 0.50f);
    EXPECT_EQ(again.saved->total(BasketTotal::Total), 1.70f);
    EXPECT_EQ(again.saved->total(BasketTotal::Cost), 0.0f);
    // The file now holds the basket without them: the next start says nothing.
    Restarted third(till.temp.path());
    EXPECT_TRUE(third.said().empty());
    EXPECT_EQ(bytesOf(*third.saved), withoutGone);
}

TEST(SavedBasketFile, WhenEveryItemIsGoneNothingIsLeftToRetrieve)
{
    Till till;
    till.add(ItemBytes(7, "FIRST", 1.00f));
    till.add(ItemBytes(8, "SECOND", 2.00f));
    till.entry.addItem(7, {});
    till.entry.addItem(8, {});
    till.entry.addItem(7, {});
    ASSERT_TRUE(till.entry.saveBasket());
    ScriptedMessages quiet;
    ASSERT_TRUE(till.state.items.remove(till.state.items.find(7), quiet));
    ASSERT_TRUE(till.state.items.remove(till.state.items.find(8), quiet));

    Restarted again(till.temp.path());
    EXPECT_FALSE(again.loaded);
    EXPECT_EQ(again.said(),
        (Said { "Saved basket: The saved basket named items that are no longer on file; their "
                "lines were left out: 7 FIRST, 8 SECOND, 7 FIRST. No line of it is left." }));
    EXPECT_EQ(bytesOf(*again.saved), bytesOf(Basket {}));
    EXPECT_FALSE(fileExists(till.temp.file(kSavedBasketName)));
}

TEST(SavedBasketFile, ASaveThatCannotBeWrittenIsKeptForTheRunAndSaysSo)
{
    Till till;
    ASSERT_EQ(::mkdir(till.temp.file(kSavedBasketName).c_str(), 0700), 0);
    till.add(ItemBytes(5, "KEEP", 1.00f));
    till.entry.addItem(5, {});
    till.said();
    EXPECT_TRUE(till.entry.saveBasket());
    const Said said = till.said();
    ASSERT_EQ(said.size(), 1u);
    EXPECT_EQ(said[0].rfind("Basket: Saved, but only until the till is closed: basket.sav cannot "
                            "be written (",
                  0),
        0u)
        << said[0];
    till.entry.emptyBasket();
    EXPECT_TRUE(till.entry.reloadBasket());
    EXPECT_EQ(till.basket.lineCount, 1);
}

TEST(ParkBasket, ASaleInProgressReplacesTheSavedBasketSilentlyAndStaysInTheBasket)
{
    SavedTill till;
    till.entry.emptyBasket();
    till.entry.addItem(5, {});
    till.entry.addItem(5, {});
    const std::string inProgress = bytesOf(till.basket);
    till.said();

    std::string error;
    EXPECT_TRUE(till.entry.parkBasket(&error));
    EXPECT_TRUE(till.said().empty());
    EXPECT_EQ(bytesOf(till.basket), inProgress);
    EXPECT_EQ(bytesOf(till.saved), inProgress);
    Restarted again(till.temp.path());
    EXPECT_EQ(bytesOf(*again.saved), inProgress);

    // With no lines nothing is parked and the saved basket stays.
    till.entry.emptyBasket();
    const std::string file = readBytes(till.temp.file(kSavedBasketName));
    EXPECT_TRUE(till.entry.parkBasket(&error));
    EXPECT_EQ(bytesOf(till.saved), inProgress);
    EXPECT_EQ(readBytes(till.temp.file(kSavedBasketName)), file);

    // A file that cannot be written says why, to the caller only.
    till.entry.addItem(6, {});
    std::remove(till.temp.file(kSavedBasketName).c_str());
    ASSERT_EQ(::mkdir(till.temp.file(kSavedBasketName).c_str(), 0700), 0);
    EXPECT_FALSE(till.entry.parkBasket(&error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(till.said().empty());
}
