#include "platform/clock.h"
#include "store/till_config.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <random>

using namespace ovix;
using namespace ovix::test;

namespace {

LocalTime timeAt(int year, int month, int day, int hour, int minute)
{
    LocalTime time;
    time.year = year;
    time.month = month;
    time.day = day;
    time.hour = hour;
    time.minute = minute;
    return time;
}

TillConfig loaded(const std::string &bytes)
{
    TillConfig config;
    config.assign(bytes);
    return config;
}

std::string noisyBlock(unsigned seed)
{
    std::mt19937 random(seed);
    std::string bytes(kTillConfigSize, '\0');
    for (char &byte : bytes)
        byte = static_cast<char>(random() & 0xFF);
    return bytes;
}

} // namespace

TEST(DataSetDefaults, BlockHoldsExactlyTheListedValues)
{
    const TillConfig config = makeDataSetDefaults(timeAt(2024, 3, 9, 14, 5), "\xA3");

    // The whole block built by hand from the list; every other byte is zero.
    std::string expected(kTillConfigSize, '\0');
    const int32_t switchOff[5] = {5, 14, 9, 3, 2024};
    for (int i = 0; i < 5; ++i)
        putI32(expected, 480 + 4 * i, switchOff[i]);
    const int32_t date[3] = {9, 3, 2024};
    for (int i = 0; i < 3; ++i) {
        putI32(expected, 40126 + 4 * i, date[i]);
        putI32(expected, 40138 + 4 * i, date[i]);
    }
    putF32(expected, 3342, 100.00f);
    putI32(expected, 40222, 14);
    putI32(expected, 40226, 15);
    putI32(expected, 40234, 15);
    putText(expected, 1368, "\xA3");
    expected[1373] = 2;
    for (int band = 1; band <= 8; ++band) {
        putI32(expected, 40 + 4 * (band - 1), band);
        putI64(expected, 1048 + 8 * (band - 1), band);
    }
    putI32(expected, 72, 99);
    putI64(expected, 1112, 2);
    putI64(expected, 1144, 2000);
    putText(expected, 1409, "TAX 1");
    putText(expected, 1415, "TAX 2");
    putI32(expected, 1360, 1);
    putText(expected, 38842, "Always happy to help!");
    putText(expected, 9, "ALCBEEBOOCANCARCOFDELDRIDVD");
    putText(expected, 1382, "FROFRUHARMSCPAPPOPTEASWEWIN");
    for (int clerk = 1; clerk <= 99; ++clerk) {
        std::string name = clerk == 1   ? "Administrator"
                           : clerk == 2 ? "Manager"
                                        : "Clerk " + std::to_string(clerk);
        putText(expected, 34762 + 30 * clerk, name);
        putText(expected, 37762 + 10 * clerk, "7351");
    }
    // The standard custom receipt.
    const int32_t lines[19] = {1, 2, 3, 4, 5, 6, 7, 6, 0, 10, 0, 0, 0, 0, 1, 9, 8, 2, 3};
    for (int field = 0; field < 19; ++field)
        putI32(expected, 33234 + 4 * field, lines[field]);
    putI32(expected, 40898, 4);
    putI32(expected, 40882, 4);

    for (size_t at = 0; at < kTillConfigSize; ++at)
        ASSERT_EQ(config.view()[at], expected[at]) << "byte " << at;

    EXPECT_EQ(config.clerkName(3), "Clerk 3");
    EXPECT_EQ(config.clerkName(99), "Clerk 99");
    EXPECT_EQ(config.get(cfg::dayOfLastUse), 0); // the first start still applies first-use
}

TEST(DataSetDefaults, LongCurrencySymbolKeepsThreeBytes)
{
    const TillConfig config = makeDataSetDefaults(timeAt(2024, 1, 1, 0, 0), "CHF.");
    EXPECT_EQ(config.text(cfg::currencySymbol), "CHF");
}

TEST(FirstUseDefaults, TaxNamesFollowTheCurrencySymbol)
{
    const LocalTime today = timeAt(2025, 6, 30, 8, 0);
    struct Case {
        const char *symbol;
        const char *taxOne;
        const char *taxTwo;
    };
    for (const Case &c : {Case{"$", "GST 1", "GST 2"}, Case{"\xA3", "VAT 1", "VAT 2"},
                          Case{"\x80", "VAT 1", "VAT 2"}, Case{"US$", "VAT 1", "VAT 2"}}) {
        TillConfig config;
        applyFirstUseDefaults(config, today, c.symbol);
        EXPECT_EQ(config.text(cfg::taxOneName), c.taxOne) << c.symbol;
        EXPECT_EQ(config.text(cfg::taxTwoName), c.taxTwo) << c.symbol;
    }
}

TEST(FirstUseDefaults, SetsTodayDrawerAndInvoiceAndClearsTheDay)
{
    std::string bytes = noisyBlock(5);
    TillConfig config = loaded(bytes);
    applyFirstUseDefaults(config, timeAt(2025, 6, 30, 8, 0), "$");
    const std::string_view after = config.view();

    EXPECT_EQ(getI32(after, 76), 30);
    for (size_t base : {40126u, 40138u}) {
        EXPECT_EQ(getI32(after, base), 30);
        EXPECT_EQ(getI32(after, base + 4), 6);
        EXPECT_EQ(getI32(after, base + 8), 2025);
    }
    EXPECT_EQ(after.substr(480, 20), std::string(20, '\0'));
    EXPECT_EQ(after.substr(40958, 24), std::string(24, '\0'));
    EXPECT_EQ(after.substr(41750, 184), std::string(184, '\0'));
    EXPECT_EQ(after.substr(42070, 160), std::string(160, '\0'));
    EXPECT_EQ(getI32(after, 40586), 2);
    EXPECT_EQ(getText(after, 34154, 32), "27,112,0,25,250");
    const int32_t positions[18] = {7, 8, 9, 0, 0, 11, 15, 18, 41, 48, 40, 30, 31, 0, 34, 16, 13, 49};
    for (int i = 0; i < 18; ++i)
        EXPECT_EQ(getI32(after, 40710 + 4 * i), positions[i]) << i;
    EXPECT_EQ(getI32(after, 40782), 1);
    EXPECT_EQ(getI32(after, 40786), 1);
    EXPECT_EQ(getI32(after, 40790), 1);
    EXPECT_EQ(getI32(after, 40794), 0);
    EXPECT_EQ(getI32(after, 40554), 0);

    // Everything else stays as it was: clerks, categories, counters, history.
    EXPECT_EQ(after.substr(34792, 2970), std::string_view(bytes).substr(34792, 2970));
    EXPECT_EQ(after.substr(0, 76), std::string_view(bytes).substr(0, 76));
    EXPECT_EQ(after.substr(3346, 7816), std::string_view(bytes).substr(3346, 7816));
    EXPECT_EQ(after.substr(42240, 310), std::string_view(bytes).substr(42240, 310));
}

TEST(StartUpFixes, TransactionNumberAndEmptyTaxNames)
{
    struct Case {
        int32_t stored;
        int32_t expected;
    };
    for (const Case &c : {Case{0, 1}, Case{200000001, 1}, Case{200000000, 200000000},
                          Case{1, 1}, Case{57, 57}, Case{-3, 1}}) {
        TillConfig config;
        config.setText(cfg::taxOneName, "VAT 1");
        config.set(cfg::nextTransactionNumber, c.stored);
        applyStartUpFixes(config);
        EXPECT_EQ(config.get(cfg::nextTransactionNumber), c.expected) << c.stored;
        EXPECT_EQ(config.text(cfg::taxOneName), "VAT 1");
        EXPECT_EQ(config.text(cfg::taxTwoName), ""); // only an empty tax 1 name triggers
    }
    TillConfig config;
    config.setText(cfg::taxTwoName, "OLD");
    config.set(cfg::nextTransactionNumber, 9);
    applyStartUpFixes(config);
    EXPECT_EQ(config.text(cfg::taxOneName), "TAX 1");
    EXPECT_EQ(config.text(cfg::taxTwoName), "TAX 2");
}

TEST(CurrencySymbolFill, OnlyUntilTheSymbolIsMarkedSet)
{
    TillConfig config;
    config.set(cfg::currencySymbolSet, 1);
    EXPECT_TRUE(fillCurrencySymbolFromLocale(config, "\x80"));
    EXPECT_EQ(config.view().substr(1368, 6), std::string_view("\x80\0\0\0\0\x02", 6));

    config.setText(cfg::currencySymbol, "EUR");
    EXPECT_FALSE(fillCurrencySymbolFromLocale(config, "$"));
    EXPECT_EQ(config.text(cfg::currencySymbol), "EUR");

    TillConfig longSymbol;
    longSymbol.setText(cfg::currencySymbol, "OLD!");
    EXPECT_TRUE(fillCurrencySymbolFromLocale(longSymbol, "kr.x"));
    EXPECT_EQ(longSymbol.view().substr(1368, 5), std::string_view("kr.\0\0", 5));
}

TEST(QuickSelectStart, DefaultDecidesTheCurrentCategory)
{
    TillConfig config;
    config.set(cfg::quickSelectCurrent, 5);
    config.set(cfg::quickSelectDefault, 0);
    applyQuickSelectStart(config);
    EXPECT_EQ(config.get(cfg::quickSelectDefault), 6);
    EXPECT_EQ(config.get(cfg::quickSelectCurrent), 5);

    config.set(cfg::quickSelectCurrent, 2);
    config.set(cfg::quickSelectDefault, 19);
    applyQuickSelectStart(config);
    EXPECT_EQ(config.get(cfg::quickSelectCurrent), 18); // all items

    config.set(cfg::quickSelectCurrent, 400);
    config.set(cfg::quickSelectDefault, 0);
    applyQuickSelectStart(config);
    EXPECT_EQ(config.get(cfg::quickSelectDefault), 15);
    EXPECT_EQ(config.get(cfg::quickSelectCurrent), 14);
}
