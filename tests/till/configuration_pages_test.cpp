#include "platform/clock.h"
#include "store/store_heading.h"
#include "store/till_config.h"
#include "support/test_support.h"
#include "till/logic/configuration_pages.h"

#include <gtest/gtest.h>

using namespace ovix;
using namespace ovix::test;

namespace {

LocalTime day(int year, int month, int dayOfMonth)
{
    LocalTime time;
    time.year = year;
    time.month = month;
    time.day = dayOfMonth;
    time.hour = 10;
    return time;
}

const LocalTime kToday = day(2026, 3, 15);

// A block laid out by hand, the way an older till left it.
TillConfig handBuiltBlock()
{
    std::string bytes(kTillConfigSize, '\0');
    putI64(bytes, 1000, 4999); // last item number issued
    putI64(bytes, 1008, 120); // last customer number issued
    putI32(bytes, 40226, 19); // default display category: ALL
    putI32(bytes, 40234, 3); // default item category 3
    putF32(bytes, 3342, 150.0f); // start-of-day till
    putText(bytes, 1409, "VAT");
    putText(bytes, 1415, "LEVY");
    putI32(bytes, 40918, 2); // default tax code
    putI32(bytes, 40210, 15); // discount button rate
    putText(bytes, 9, "ALCBEEBOO"); // categories 1-3
    putText(bytes, 1382, "FRO"); // category 10
    putI32(bytes, 40126, 1); // history from 1/2/2025
    putI32(bytes, 40130, 2);
    putI32(bytes, 40134, 2025);
    putI32(bytes, 40146, 2024); // first-use year
    putI64(bytes, 976, 1); // no summary box
    putI64(bytes, 1024, 1); // customer search as list
    putI32(bytes, 40634, 2); // second currency on
    putText(bytes, 0, "EUR");
    putF64(bytes, 40982, 1.25);
    putF32(bytes, 38802, 5.5f); // trade discount
    for (int band = 0; band < 8; ++band) {
        putI32(bytes, 40 + 4 * band, 8 - band);
        putI64(bytes, 1048 + 8 * band, band + 1);
    }
    putI64(bytes, 1112, 2); // tax 1 active at 17.5 %
    putI64(bytes, 1144, 1750);
    putI64(bytes, 1160, 500); // tax 2 inactive at 5 %
    putI32(bytes, 40630, 2); // threshold on, over 1000.00
    putF64(bytes, 40950, 1000.0);
    TillConfig config;
    config.assign(bytes);
    return config;
}

std::string block(const TillConfig &config)
{
    return std::string(config.view());
}

} // namespace

TEST(GeneralPage, ShowsTheStoredValuesTheWayThePageOffersThem)
{
    const TillConfig config = handBuiltBlock();
    const GeneralPageInput shown = loadGeneralPage(config);
    EXPECT_EQ(shown.itemStartPoint, "5000");
    EXPECT_EQ(shown.customerStartPoint, "121");
    EXPECT_EQ(shown.displayCategoryIndex, 18);
    EXPECT_EQ(shown.itemCategoryIndex, 2);
    EXPECT_EQ(shown.startOfDayTill, "150.00");
    EXPECT_EQ(shown.taxOneName, "VAT");
    EXPECT_EQ(shown.taxTwoName, "LEVY");
    EXPECT_EQ(shown.taxCodeIndex, 2);
    EXPECT_EQ(shown.discountButtonRate, 15);
    EXPECT_EQ(shown.categoryNames[1], "BEE");
    EXPECT_EQ(shown.categoryNames[9], "FRO");
    EXPECT_EQ(shown.historyDay, 1);
    EXPECT_EQ(shown.historyMonth, 2);
    EXPECT_EQ(shown.historyYear, 2025);
    EXPECT_FALSE(shown.summaryBox); // stored inverted
    EXPECT_TRUE(shown.customerSearchAsList);
    EXPECT_TRUE(shown.secondCurrency);
    EXPECT_EQ(shown.secondCurrencySymbol, "EUR");
    EXPECT_EQ(shown.conversionRate, "1.25");
    EXPECT_EQ(shown.tradeDiscount, "5.5");
    EXPECT_EQ(historyFirstYear(config, kToday), 2024);
}

TEST(GeneralPage, ApplyingWhatWasShownChangesNoByte)
{
    TillConfig config = handBuiltBlock();
    const std::string before = block(config);
    applyGeneralPage(config, loadGeneralPage(config), kToday);
    EXPECT_EQ(block(config), before);

    TillConfig fresh = makeDataSetDefaults(kToday, "$");
    const std::string freshBefore = block(fresh);
    applyGeneralPage(fresh, loadGeneralPage(fresh), kToday);
    EXPECT_EQ(block(fresh), freshBefore);
}

TEST(GeneralPage, StartPointsAreStoredMinusOneAndOnlyForRealNumbers)
{
    TillConfig config = handBuiltBlock();
    GeneralPageInput input = loadGeneralPage(config);
    input.itemStartPoint = " 700 ";
    input.customerStartPoint = "1";
    applyGeneralPage(config, input, kToday);
    EXPECT_EQ(getI64(block(config), 1000), 699);
    EXPECT_EQ(getI64(block(config), 1008), 0);

    for (const char *typed : { "", "abc", "12x", "0", "-5", "100000000000000001" }) {
        input.itemStartPoint = typed;
        applyGeneralPage(config, input, kToday);
        EXPECT_EQ(getI64(block(config), 1000), 699) << typed;
    }
    input.itemStartPoint = "100000000000000000";
    applyGeneralPage(config, input, kToday);
    EXPECT_EQ(getI64(block(config), 1000), 99999999999999999);
}

TEST(GeneralPage, AmountsThatAreNoNumberOrPastTheirFieldAreRefused)
{
    TillConfig config = handBuiltBlock();
    GeneralPageInput input = loadGeneralPage(config);
    input.startOfDayTill = "150.25";
    input.conversionRate = "1.5";
    applyGeneralPage(config, input, kToday);
    const std::string before = block(config);
    for (const char *typed : {"inf", "INFINITY", "nan", "-inf", "1e5"}) {
        input.startOfDayTill = typed;
        input.conversionRate = typed;
        applyGeneralPage(config, input, kToday);
        EXPECT_EQ(block(config), before) << typed;
    }
    // Fifty digits: a double, but far past what the float till total holds.
    input.startOfDayTill = "1" + std::string(50, '0');
    input.conversionRate = "1.5";
    applyGeneralPage(config, input, kToday);
    EXPECT_EQ(block(config), before);
    EXPECT_FLOAT_EQ(config.get(cfg::startOfDayTill), 150.25f);
}

TEST(GeneralPage, CategoryNamesNeedThreeCharactersAndKeepTheFirstThreeInUpperCase)
{
    TillConfig config = handBuiltBlock();
    GeneralPageInput input = loadGeneralPage(config);
    input.categoryNames[0] = "ab"; // too short: ALC stays
    input.categoryNames[1] = "wine"; // WIN
    input.categoryNames[9] = "caf\xe9"; // CAF (é is the fourth)
    input.categoryNames[17] = "";
    applyGeneralPage(config, input, kToday);
    const std::string bytes = block(config);
    EXPECT_EQ(bytes.substr(9, 6), "ALCWIN");
    EXPECT_EQ(bytes.substr(1382, 3), "CAF");
    EXPECT_EQ(bytes.substr(1382 + 3 * 8, 3), std::string(3, '\0'));

    input.categoryNames[2] = "\xe9t\xe9"; // été: upper-cased in Windows-1252
    applyGeneralPage(config, input, kToday);
    EXPECT_EQ(block(config).substr(15, 3), "\xc9T\xc9");
}

TEST(GeneralPage, HistoryFromIsTakenOnlyWhenARealDateNotAfterToday)
{
    TillConfig config = handBuiltBlock();
    GeneralPageInput input = loadGeneralPage(config);
    auto history = [&] {
        const std::string bytes = block(config);
        return std::to_string(getI32(bytes, 40126)) + "/" + std::to_string(getI32(bytes, 40130))
            + "/" + std::to_string(getI32(bytes, 40134));
    };

    input.historyDay = 16; // tomorrow
    input.historyMonth = 3;
    input.historyYear = 2026;
    applyGeneralPage(config, input, kToday);
    EXPECT_EQ(history(), "1/2/2025");

    input.historyDay = 15; // today
    applyGeneralPage(config, input, kToday);
    EXPECT_EQ(history(), "15/3/2026");

    input.historyDay = 29; // no 29 February in 2025
    input.historyMonth = 2;
    input.historyYear = 2025;
    applyGeneralPage(config, input, kToday);
    EXPECT_EQ(history(), "15/3/2026");

    input.historyYear = 2024;
    applyGeneralPage(config, input, kToday);
    EXPECT_EQ(history(), "29/2/2024");

    input.historyDay = 0; // nothing chosen
    applyGeneralPage(config, input, kToday);
    EXPECT_EQ(history(), "29/2/2024");
}

TEST(GeneralPage, CheckBoxesStoreTheirOwnOnValues)
{
    TillConfig config;
    GeneralPageInput input = loadGeneralPage(config);
    input.summaryBox = true;
    input.customerSearchAsList = true;
    input.itemSearchAsList = true;
    input.permitShortStock = true;
    input.omitMonthlyTotals = true;
    input.secondCurrency = true;
    input.cartDescriptionOnly = true;
    input.nonInventoryTaxable = true;
    input.skuOneEntry = true;
    input.percentageTradeDiscount = true;
    input.discountOnTotal = true;
    input.noNumberOnNewItem = true;
    input.noNumberOnNewCustomer = true;
    applyGeneralPage(config, input, kToday);
    std::string bytes = block(config);
    EXPECT_EQ(getI64(bytes, 976), 0); // summary box shown
    EXPECT_EQ(getI64(bytes, 1024), 1);
    EXPECT_EQ(getI64(bytes, 1200), 1);
    EXPECT_EQ(getI64(bytes, 1152), 2);
    EXPECT_EQ(getI32(bytes, 40218), 2);
    EXPECT_EQ(getI32(bytes, 40634), 2);
    EXPECT_EQ(getI32(bytes, 40666), 2);
    EXPECT_EQ(getI32(bytes, 40674), 2);
    EXPECT_EQ(getI32(bytes, 40174), 2);
    EXPECT_EQ(getI32(bytes, 40238), 2);
    EXPECT_EQ(getI32(bytes, 40262), 2);
    EXPECT_EQ(getI64(bytes, 936), 1);
    EXPECT_EQ(getI64(bytes, 968), 1);

    GeneralPageInput cleared = loadGeneralPage(config);
    cleared.summaryBox = false;
    cleared.skuOneEntry = false;
    cleared.noNumberOnNewItem = false;
    applyGeneralPage(config, cleared, kToday);
    bytes = block(config);
    EXPECT_EQ(getI64(bytes, 976), 1);
    EXPECT_EQ(getI32(bytes, 40174), 0);
    EXPECT_EQ(getI64(bytes, 936), 0);
}

TEST(GeneralPage, NumbersOutsideTheirRangeLeaveTheStoredValue)
{
    TillConfig config = handBuiltBlock();
    GeneralPageInput input = loadGeneralPage(config);
    input.startOfDayTill = "-0.01";
    input.tradeDiscount = "100.01";
    input.conversionRate = "-2";
    input.discountButtonRate = 81;
    input.displayCategoryIndex = 19;
    input.itemCategoryIndex = 18;
    input.taxCodeIndex = 4;
    applyGeneralPage(config, input, kToday);
    std::string bytes = block(config);
    EXPECT_FLOAT_EQ(getF32(bytes, 3342), 150.0f);
    EXPECT_FLOAT_EQ(getF32(bytes, 38802), 5.5f);
    EXPECT_DOUBLE_EQ(getF64(bytes, 40982), 1.25);
    EXPECT_EQ(getI32(bytes, 40210), 15);
    EXPECT_EQ(getI32(bytes, 40226), 19);
    EXPECT_EQ(getI32(bytes, 40234), 3);
    EXPECT_EQ(getI32(bytes, 40918), 2);

    input.startOfDayTill = "0";
    input.tradeDiscount = "100";
    input.conversionRate = "0.8512";
    input.discountButtonRate = 80;
    input.displayCategoryIndex = 0;
    input.itemCategoryIndex = 17;
    input.taxCodeIndex = 0;
    applyGeneralPage(config, input, kToday);
    bytes = block(config);
    EXPECT_FLOAT_EQ(getF32(bytes, 3342), 0.0f);
    EXPECT_FLOAT_EQ(getF32(bytes, 38802), 100.0f);
    EXPECT_DOUBLE_EQ(getF64(bytes, 40982), 0.8512);
    EXPECT_EQ(getI32(bytes, 40210), 80);
    EXPECT_EQ(getI32(bytes, 40226), 1);
    EXPECT_EQ(getI32(bytes, 40234), 18);
    EXPECT_EQ(getI32(bytes, 40918), 0);

    input.startOfDayTill = "12,50"; // not a number the till reads
    applyGeneralPage(config, input, kToday);
    EXPECT_FLOAT_EQ(getF32(block(config), 3342), 0.0f);
    input.startOfDayTill = "12.5";
    applyGeneralPage(config, input, kToday);
    EXPECT_FLOAT_EQ(getF32(block(config), 3342), 12.5f);
}

TEST(GeneralPage, TextsKeepOnlyWhatTheirFieldsHold)
{
    TillConfig config = handBuiltBlock();
    GeneralPageInput input = loadGeneralPage(config);
    input.taxOneName = "SALESTAX";
    input.taxTwoName = "";
    input.currencySymbol = "\x80"
                           "EURO";
    input.secondCurrencySymbol = "US$$";
    applyGeneralPage(config, input, kToday);
    const std::string bytes = block(config);
    EXPECT_EQ(getText(bytes, 1409, 6), "SALES");
    EXPECT_EQ(getText(bytes, 1415, 6), "");
    EXPECT_EQ(getText(bytes, 1368, 5),
        "\x80"
        "EUR");
    EXPECT_EQ(getText(bytes, 0, 4), "US$");
    EXPECT_EQ(bytes[1373], '\0'); // the byte after the currency symbol is left alone
}

TEST(TermsPage, StoresEachChoicePlusOneWhenInTheList)
{
    TillConfig config = handBuiltBlock();
    TermsPageInput input = loadTermsPage(config);
    EXPECT_EQ(input.discountIndex[0], 7);
    EXPECT_EQ(input.periodIndex[7], 7);

    for (int band = 0; band < kBands; ++band) {
        input.discountIndex[band] = band == 2 ? -1 : 0;
        input.periodIndex[band] = band == 5 ? 8 : 3;
    }
    applyTermsPage(config, input);
    const std::string bytes = block(config);
    EXPECT_EQ(getI32(bytes, 40), 1);
    EXPECT_EQ(getI32(bytes, 40 + 4 * 2), 6); // -1: band 3 keeps code 6
    EXPECT_EQ(getI64(bytes, 1048), 4);
    EXPECT_EQ(getI64(bytes, 1048 + 8 * 5), 6); // 8: band 6 keeps code 6
    EXPECT_EQ(getI64(bytes, 1048 + 8 * 7), 4);
}

TEST(TaxControl, RatesOutsideZeroTo9999AndNegativeThresholdsAreIgnored)
{
    TillConfig config = handBuiltBlock();
    TaxControlInput input = loadTaxControl(config);
    EXPECT_TRUE(input.taxOneActive);
    EXPECT_EQ(input.taxOneRate, "1750");
    EXPECT_FALSE(input.taxTwoActive);
    EXPECT_EQ(input.threshold, "1000.00");

    input.taxOneRate = "10000";
    input.taxTwoRate = "-1";
    input.threshold = "-5";
    applyTaxControl(config, input);
    std::string bytes = block(config);
    EXPECT_EQ(getI64(bytes, 1144), 1750);
    EXPECT_EQ(getI64(bytes, 1160), 500);
    EXPECT_DOUBLE_EQ(getF64(bytes, 40950), 1000.0);

    input.taxOneRate = "12a";
    input.taxTwoRate = "";
    applyTaxControl(config, input);
    bytes = block(config);
    EXPECT_EQ(getI64(bytes, 1144), 1750);
    EXPECT_EQ(getI64(bytes, 1160), 500);

    input.taxOneActive = false;
    input.taxOneRate = "9999";
    input.taxTwoActive = true;
    input.taxTwoRate = "0";
    input.taxTwoOnTotalPlusTaxOne = true;
    input.thresholdOn = false;
    input.threshold = "0";
    applyTaxControl(config, input);
    bytes = block(config);
    EXPECT_EQ(getI64(bytes, 1112), 0);
    EXPECT_EQ(getI64(bytes, 1144), 9999);
    EXPECT_EQ(getI64(bytes, 1128), 2);
    EXPECT_EQ(getI64(bytes, 1160), 0);
    EXPECT_EQ(getI64(bytes, 1176), 2);
    EXPECT_EQ(getI32(bytes, 40630), 0);
    EXPECT_DOUBLE_EQ(getF64(bytes, 40950), 0.0);
}

TEST(PrintHeading, KeepsThirtyNineCharactersAndLeavesTheSeventhLine)
{
    StoreHeading heading;
    heading.setLine(HeadingLine::Seventh, "KEPT AS IT WAS");
    PrintHeadingInput input = loadPrintHeading(heading);
    input.lines[0] = std::string(40, 'S');
    input.lines[5] = "TEL 01234 567890";
    applyPrintHeading(heading, input);
    const std::string_view bytes = heading.bytes();
    EXPECT_EQ(getText(bytes, 0, 42), std::string(39, 'S'));
    EXPECT_EQ(getText(bytes, 5 * 42, 42), "TEL 01234 567890");
    EXPECT_EQ(getText(bytes, 6 * 42, 42), "KEPT AS IT WAS");
    EXPECT_EQ(loadPrintHeading(heading).lines[5], "TEL 01234 567890");
}
