// The till closeout and reconciliation figures, their page and log lines,
// and petty cash: the figures come from the running day totals as wr.cfg
// holds them at their offsets, built byte by byte here.

#include "platform/c_format.h"
#include "platform/clock.h"
#include "platform/scripted_messages.h"
#include "print/logic/recording_print_device.h"
#include "reports/logic/closeout.h"
#include "support/golden_page.h"
#include "support/settings_fixture.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using namespace ovix;
using namespace ovix::test;

namespace {

// Offsets of the day totals in wr.cfg.
constexpr size_t kStartOfDayTill = 3342;
constexpr size_t kCashSales = 40966;
constexpr size_t kChequeSales = 40974;
constexpr size_t kEftSales = 41750;
constexpr size_t kCreditSales = 41758;
constexpr size_t kCashRefunds = 41766;
constexpr size_t kChequeRefunds = 41774;
constexpr size_t kEftRefunds = 41782;
constexpr size_t kCreditRefunds = 41790;
constexpr size_t kCashBalance = 41798;
constexpr size_t kChequeBalance = 41806;
constexpr size_t kEftBalance = 41814;
constexpr size_t kPettyCash = 41822;
constexpr size_t kCashBack = 41830;

struct DayTotals {
    float initialTill = 0;
    double cash = 0, cheque = 0, eft = 0, credit = 0;
    double cashRefunds = 0, chequeRefunds = 0, eftRefunds = 0, creditRefunds = 0;
    double cashBalance = 0, chequeBalance = 0, eftBalance = 0;
    double pettyCash = 0, cashBack = 0;
};

TillConfig blockWith(const DayTotals &t)
{
    std::string bytes(42550, '\0');
    putF32(bytes, kStartOfDayTill, t.initialTill);
    putF64(bytes, kCashSales, t.cash);
    putF64(bytes, kChequeSales, t.cheque);
    putF64(bytes, kEftSales, t.eft);
    putF64(bytes, kCreditSales, t.credit);
    putF64(bytes, kCashRefunds, t.cashRefunds);
    putF64(bytes, kChequeRefunds, t.chequeRefunds);
    putF64(bytes, kEftRefunds, t.eftRefunds);
    putF64(bytes, kCreditRefunds, t.creditRefunds);
    putF64(bytes, kCashBalance, t.cashBalance);
    putF64(bytes, kChequeBalance, t.chequeBalance);
    putF64(bytes, kEftBalance, t.eftBalance);
    putF64(bytes, kPettyCash, t.pettyCash);
    putF64(bytes, kCashBack, t.cashBack);
    return blockOf(bytes);
}

// The shop's own example: 100 + 250 + 20 - 15 - 5 - 10 = 340.00 in the drawer.
DayTotals shopExample()
{
    DayTotals t;
    t.initialTill = 100.00f;
    t.cash = 250.00;
    t.cashBalance = 20.00;
    t.cashRefunds = -15.00;
    t.pettyCash = 5.00;
    t.cashBack = 10.00;
    return t;
}

const LocalTime kClosing { 2026, 3, 15, 17, 45, 0, 0 };

} // namespace

TEST(Closeout, FiguresFromTheDayTotals)
{
    struct Case {
        const char *name;
        DayTotals totals;
        int64_t totalCash;
        int64_t tillTotal;
    };
    DayTotals credit = shopExample();
    credit.credit = 999.99;
    credit.creditRefunds = -55.55;
    DayTotals everyTender = shopExample();
    everyTender.cheque = 40.00;
    everyTender.chequeBalance = 2.50;
    everyTender.chequeRefunds = -1.25;
    everyTender.eft = 60.10;
    everyTender.eftBalance = 0.90;
    everyTender.eftRefunds = -3.00;
    // Many sales of 0.10 summed in a double no longer hold 0.10 multiples
    // exactly; the drawer must still show whole cents.
    DayTotals drifted;
    for (int i = 0; i < 1000; ++i)
        drifted.cash += 0.10;
    const Case cases[] = {
        {"the shop's example", shopExample(), 34000, 34000},
        {"credit never enters", credit, 34000, 34000},
        {"cheques and cards join the till total", everyTender, 34000, 34000 + 4125 + 5800},
        {"a drifted double is taken in cents", drifted, 10000, 10000},
        {"nothing today", DayTotals {}, 0, 0},
    };
    for (const Case &c : cases) {
        const CloseoutFigures figures = closeoutFigures(blockWith(c.totals));
        EXPECT_EQ(figures.totalCash, c.totalCash) << c.name;
        EXPECT_EQ(figures.tillTotal, c.tillTotal) << c.name;
    }
}

TEST(Closeout, CentsAreShownAsTheTillPrintsAmounts)
{
    const std::pair<int64_t, const char *> cases[] = {
        {34000, "340.00"}, {-500, "-5.00"}, {-5, "-0.05"}, {7, "0.07"}, {0, "0.00"},
        {123456789, "1234567.89"}, {INT64_MIN, "-92233720368547758.08"},
    };
    for (const auto &[cents, text] : cases)
        EXPECT_EQ(centsText(cents), text) << cents;
}

TEST(Closeout, TheLogShowsPettyCashAndCashBackPaidOutAsPositiveAmounts)
{
    const CloseoutFigures figures = closeoutFigures(blockWith(shopExample()));
    EXPECT_EQ(closeoutLogText(figures, { 2, "Manager" }, kClosing),
        "\r\nTill closeout: 17:45 15/03/2026\r\n"
        "Assoc: 2, Manager\r\n"
        "Initial till: 100.00\r\n"
        "Cash: 270.00\r\n"
        "Cash refunds: -15.00\r\n"
        "Petty cash: 5.00\r\n"
        "Cash back: 10.00\r\n"
        "Total cash: 340.00\r\n"
        "Ch: 0.00\r\n"
        "Ch refunds: 0.00\r\n"
        "EFT: 0.00\r\n"
        "EFT refunds: 0.00\r\n"
        "Till total: 340.00\r\n");
}

TEST(Closeout, PrintedCloseoutPage)
{
    const CloseoutFigures figures = closeoutFigures(blockWith(shopExample()));
    RecordingPrintDevice device;
    printCloseout(device, "CORNER SHOP", figures, { 2, "Manager" }, kClosing);
    EXPECT_TRUE(matchesGoldenPage(device.transcript(), "print/data/till_closeout.txt"));
}

TEST(Closeout, IsLoggedAfterWhatTheLogHeldAndRefusedWhenTheLogCannotBeOpened)
{
    TempDir folder;
    const DataDir dir(folder.path());
    const CloseoutFigures figures = closeoutFigures(blockWith(shopExample()));
    writeBytes(folder.file("bun4.dat"), "\r\n09:00 15/03/2026  Switched on.\r\n");
    ScriptedMessages messages;
    ASSERT_TRUE(logCloseout(dir, figures, { 2, "Manager" }, kClosing, messages));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(readBytes(folder.file("bun4.dat")),
        "\r\n09:00 15/03/2026  Switched on.\r\n"
            + closeoutLogText(figures, { 2, "Manager" }, kClosing));

    TempDir blocked;
    std::filesystem::create_directory(blocked.file("bun4.dat"));
    EXPECT_FALSE(logCloseout(DataDir(blocked.path()), figures, { 2, "Manager" }, kClosing,
        messages));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Data file: bun4.dat, not present.");
    EXPECT_EQ(messages.shown[0].caption, "Fatal error");
}

TEST(PettyCash, AmountsTypedAtThePrompt)
{
    struct Case {
        const char *typed; // nullptr: cancelled
        double before;
        double after;      // what wr.cfg holds at 41822 afterwards
        const char *message;
    };
    const Case cases[] = {
        {"3.456", 0.00, 3.46, "Recorded"},
        {"2.50", 1.25, 3.75, "Recorded"},
        {"  7", 0.10, 7.10, "Recorded"},
        {"tea", 4.00, 4.00, "Recorded"},
        {"-1.00", 4.00, 4.00, "Negative amount"},
        {nullptr, 4.00, 4.00, nullptr},
    };
    for (const Case &c : cases) {
        NewShop shop;
        shop.state.config.set(cfg::pettyCash, c.before);
        if (c.typed)
            shop.messages.textReplies.push_back(std::string(c.typed));
        recordPettyCash(shop.state, shop.messages);
        EXPECT_DOUBLE_EQ(shop.state.config.get(cfg::pettyCash), c.after) << c.typed;
        if (c.message) {
            EXPECT_EQ(shop.messages.lastText(), c.message) << c.typed;
        }
        if (c.message && std::string(c.message) == "Recorded") {
            const std::string stored = readBytes(shop.folder.file("wr.cfg"));
            EXPECT_DOUBLE_EQ(getF64(stored, kPettyCash), c.after) << c.typed;
        } else {
            EXPECT_FALSE(fileExists(shop.folder.file("wr.cfg"))) << c.typed;
        }
    }
}
