#include "platform/clock.h"
#include "store/till_config.h"
#include "support/test_support.h"
#include "till/logic/day_summary.h"
#include "sales/logic/till_state.h"

#include <gtest/gtest.h>

#include <string>

using namespace ovix;

namespace {

// A day's totals written into a wr.cfg image at offsets typed by hand.
std::string dayTotals()
{
    std::string bytes(kTillConfigSize, '\0');
    test::putI32(bytes, 1360, 1234);        // next transaction number
    test::putI64(bytes, 320, 17);           // today's transactions
    test::putI64(bytes, 160, 40);           // today's items
    test::putI64(bytes, 888, 11);           // yesterday's transactions
    test::putI64(bytes, 880, 25);           // yesterday's items
    test::putI64(bytes, 960, 3);            // new customers
    test::putF64(bytes, 40958, 250.5);      // till takings
    test::putF64(bytes, 7954 + 8 * 6, 200.4); // takings a week ago
    test::putF64(bytes, 7954 + 8 * 7, 999.0); // eight days ago: not the same weekday
    const float counts[11] = {4, 1, 2, 1, 1, 0, 1, 0, 2, 0, 1};
    for (size_t i = 0; i < 11; ++i)
        test::putF32(bytes, 3030 + 4 * i, counts[i]);
    test::putF64(bytes, 40966, 100.25); // cash sales
    test::putF64(bytes, 40974, 20.0);   // CH sales
    test::putF64(bytes, 41750, 80.25);  // EFT sales
    test::putF64(bytes, 41758, 30.0);   // credit sales
    test::putF64(bytes, 41766, -15.0);  // cash refunds
    test::putF64(bytes, 41782, -5.5);   // EFT refunds
    test::putF64(bytes, 41798, 40.0);   // balance payments cash
    test::putF64(bytes, 41814, 12.5);   // balance payments EFT
    test::putF64(bytes, 41822, 5.0);    // petty cash
    test::putF64(bytes, 41830, 10.0);   // cash back
    test::putF64(bytes, 41838, 10.0);   // non-taxable
    test::putF64(bytes, 41846, 190.0);  // taxable
    test::putF64(bytes, 41854, 200.0);  // subtotal
    test::putF64(bytes, 41862, 38.0);   // tax 1
    test::putF64(bytes, 41878, 238.0);  // sales total
    test::putF64(bytes, 41894, 120.0);  // cost of sales
    return bytes;
}

const char kExpected[] = "CORNER SHOP \xA3  17:42 Tuesday March 5 2024"
                         "\r\nToday's till takings: 250.50"
                         "\r\nOntime: 08:05  Transaction number: 1234"
                         "\r\nInventory on the system: 0, Customers on the system: 0"
                         "\r\nToday transactions: 17 Items: 40"
                         "\r\nYesterday transactions: 11 Items: 25"
                         "\r\nToday vs. last Tuesday: 125.00%"
                         "\r\nNew customers: 3"
                         "\r\n\r\nCash sales (4): 100.25"
                         "\r\nCH sales (1): 20.00"
                         "\r\nEFT sales (2): 80.25"
                         "\r\nCredit sales (1): 30.00"
                         "\r\nTotal: 230.50"
                         "\r\n\r\nCash refunds (1): -15.00"
                         "\r\nCH refunds (0): 0.00"
                         "\r\nEFT refunds (1): -5.50"
                         "\r\nCredit refunds (0): 0.00"
                         "\r\nTotal: (-20.50)"
                         "\r\n\r\nNontaxable sales: 10.00"
                         "\r\nTaxable sales: 190.00"
                         "\r\nSub total: 200.00"
                         "\r\nTax 1: 38.00"
                         "\r\nTax 2: 0.00"
                         "\r\nTotal: 238.00"
                         "\r\n\r\nBalance payments cash (2): 40.00"
                         "\r\nBalance payments CH (0): 0.00"
                         "\r\nBalance payments EFT (1): 12.50"
                         "\r\nTotal: 52.50"
                         "\r\n(Excludes petty cash payments: 5.00)"
                         "\r\n(Excludes cash back: 10.00)"
                         "\r\n\r\nNet sales: 200.00"
                         "\r\nCost of sales: 120.00"
                         "\r\nGross profit: 80.00";

LocalTime tuesdayEvening()
{
    LocalTime now;
    now.year = 2024;
    now.month = 3;
    now.day = 5;
    now.hour = 17;
    now.minute = 42;
    return now;
}

} // namespace

TEST(DaySummary, NoComparisonWhenEitherDayTookNothingAndNoNumbersCountZero)
{
    std::string bytes = dayTotals();
    test::putF64(bytes, 7954 + 8 * 6, 0.0);
    test::putI32(bytes, 3030, 0x7FC00000); // a NaN
    test::putF32(bytes, 3034, 3.0e12f);
    TillConfig config;
    config.assign(bytes);
    LocalTime saturday = tuesdayEvening();
    saturday.day = 9;
    const std::string text = daySummaryText(config, DaySummaryFacts(), saturday);
    EXPECT_NE(text.find("\r\nToday vs. last Saturday: 0.00%\r\nNew customers"), std::string::npos);
    EXPECT_NE(text.find("\r\n\r\nCash sales (0): 100.25\r\nCH sales (0): 20.00"),
              std::string::npos);
}

TEST(DaySummary, EveryLineOfAKnownDayWrittenIntoTodaysFolder)
{
    test::TempDir dir;
    TillState state(dir.path());
    state.config.assign(dayTotals());
    state.heading.setLine(HeadingLine::SiteName, "CORNER SHOP \xA3");
    state.start.switchOnHour = 8;
    state.start.switchOnMinute = 5;

    ASSERT_TRUE(writeDaySummary(state, tuesdayEvening()));
    EXPECT_EQ(test::readBytes(dir.file("2024/3/5/thedaily.dat")), kExpected);
    EXPECT_EQ(test::readBytes(dir.file("2024/3/5/base.dat")), "17:42");
}
