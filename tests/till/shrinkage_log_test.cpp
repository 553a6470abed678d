// What leaves the counter without a sale shows in the activity log: a voided
// line, a basket emptied with lines in it, the drawer opened for no sale. The
// blocks are read back from bun4.dat byte for byte.

#include "item_entry_fixture.h"

#include "platform/file.h"
#include "print/logic/till_drawer.h"
#include "sales/logic/shrinkage_log.h"

#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>

using namespace ovix;
using namespace ovix::test;

namespace {

class FixedClock {
public:
    explicit FixedClock(LocalTime time) { setFixedLocalTime(time); }
    ~FixedClock() { setFixedLocalTime(std::nullopt); }
};

// A till with clerk 12 ("Jos\xE9", Windows-1252) logged on, three items on
// file without tax and the drawer on a port that is not there.
struct CounterTill : Till {
    FixedClock clock { LocalTime { .year = 2026, .month = 3, .day = 7, .hour = 9, .minute = 5 } };

    CounterTill()
    {
        state.config.setClerkName(12, "Jos\xE9");
        state.config.set(cfg::currentClerk, 12);
        state.config.set(cfg::drawerMode, 0);
        state.config.set(cfg::drawerPort, 0);
        writeBytes(temp.file("ports.cfg"), "COM1=" + temp.file("no-drawer") + "\n");
        add(ItemBytes(1042, "GREEN TEA", 3.99f).tax(0));
        add(ItemBytes(7, "TOFFEE TIN", 12.50f).tax(0));
    }
    // GREEN TEA, TOFFEE TIN and a non-inventory "MISC" at 2.00: 18.49 in all.
    void ringUpThree()
    {
        entry.addItem(1042, {});
        entry.addItem(7, {});
        entry.addNonInventoryLine("MISC", 2.00, false, false);
    }
    std::string log() const
    {
        const std::string path = temp.file("bun4.dat");
        return fileExists(path) ? readBytes(path) : "(none)";
    }
};

const char *const kClerk = "Clerk: 12, Jos\xE9";

} // namespace

TEST(ShrinkageLog, VoidsEmptiesAndNoSaleDrawerOpeningsAreLoggedInTheHouseForm)
{
    const struct {
        const char *what;
        std::function<void(CounterTill &)> act;
        std::string log;
    } cases[] = {
        { "a line voided from the middle",
            [](CounterTill &till) {
                till.ringUpThree();
                till.entry.voidLine(1);
            },
            std::string("\r\n09:05 07/03/2026 Line voided, Amount: 12.50\r\n7  TOFFEE TIN\r\n")
                + kClerk + "\r\n" },
        { "the last line voided is a void, not an emptied basket",
            [](CounterTill &till) {
                till.entry.addNonInventoryLine("MISC", 2.00, false, false);
                till.entry.voidLine(0);
            },
            std::string("\r\n09:05 07/03/2026 Line voided, Amount: 2.00\r\n0  MISC\r\n") + kClerk
                + "\r\n" },
        { "a basket emptied with its lines",
            [](CounterTill &till) {
                till.ringUpThree();
                till.entry.emptyBasket();
            },
            std::string("\r\n09:05 07/03/2026 Basket emptied, Total: 18.49\r\n"
                        "1042  GREEN TEA\r\n7  TOFFEE TIN\r\n0  MISC\r\n")
                + kClerk + "   Items: 3\r\n" },
        { "an empty basket emptied throws nothing away",
            [](CounterTill &till) { till.entry.emptyBasket(); }, "(none)" },
        { "a saved basket reloaded over lines throws those lines away",
            [](CounterTill &till) {
                till.entry.addItem(1042, {});
                till.entry.saveBasket();
                till.entry.emptyBasket();
                till.entry.addItem(7, {});
                till.entry.reloadBasket();
            },
            std::string("\r\n09:05 07/03/2026 Basket emptied, Total: 3.99\r\n1042  GREEN TEA\r\n")
                + kClerk + "   Items: 1\r\n"
                + "\r\n09:05 07/03/2026 Basket emptied, Total: 12.50\r\n7  TOFFEE TIN\r\n"
                + kClerk + "   Items: 1\r\n" },
        { "the drawer asked open for no sale, its port missing",
            [](CounterTill &till) { openDrawerWithoutSale(till.state, till.messages); },
            std::string("\r\n09:05 07/03/2026 No sale, drawer did not open\r\n") + kClerk
                + "\r\n" },
    };
    for (const auto &c : cases) {
        CounterTill till;
        c.act(till);
        EXPECT_EQ(till.log(), c.log) << c.what;
    }
}

TEST(ShrinkageLog, AnUnwritableLogIsToldAndTheVoidAndEmptyStand)
{
    CounterTill till;
    ASSERT_EQ(::mkdir(till.temp.file("bun4.dat").c_str(), 0700), 0);
    till.ringUpThree();
    till.said();

    EXPECT_TRUE(till.entry.voidLine(0));
    EXPECT_EQ(till.basket.lineCount, 2);
    EXPECT_EQ(till.said(), (Said { "Problem: Unable to open bun4.dat" }));

    till.entry.emptyBasket();
    EXPECT_EQ(till.basket.lineCount, 0);
    EXPECT_TRUE(till.view.list.empty());
    EXPECT_EQ(till.said(), (Said { "Problem: Unable to open bun4.dat" }));

    EXPECT_FALSE(openDrawerWithoutSale(till.state, till.messages));
    EXPECT_EQ(till.said(),
        (Said { "Till drawer: Unable to open port", "Problem: Unable to open bun4.dat" }));
}

TEST(ShrinkageLog, BlocksFollowOnAnExistingLogAndKeepItWhole)
{
    CounterTill till;
    const std::string earlier = "\r\n08:00 07/03/2026  Switched on.\r\n";
    writeBytes(till.temp.file("bun4.dat"), earlier);
    till.ringUpThree();
    till.entry.voidLine(2);
    till.entry.voidLine(0);
    EXPECT_EQ(till.log(),
        earlier + "\r\n09:05 07/03/2026 Line voided, Amount: 2.00\r\n0  MISC\r\n" + kClerk + "\r\n"
            + "\r\n09:05 07/03/2026 Line voided, Amount: 3.99\r\n1042  GREEN TEA\r\n" + kClerk
            + "\r\n");
    EXPECT_TRUE(till.said().empty());
}
