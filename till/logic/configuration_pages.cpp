#include "till/logic/configuration_pages.h"

#include "platform/c_format.h"
#include "platform/number_text.h"
#include "platform/cp1252.h"
#include "store/store_heading.h"
#include "store/till_config.h"

#include <charconv>
#include <cinttypes>
#include <limits>
#include <optional>
#include <string_view>

namespace ovix {

namespace {

constexpr int64_t kHighestRecordNumber = 100000000000000000;

int twoOrZero(bool on)
{
    return on ? 2 : 0;
}

std::string numberText(int64_t value)
{
    return cformat("%" PRId64, value);
}

std::string shortDecimalText(double value)
{
    return cformat("%.6g", value);
}

void storeStartPoint(TillConfig &config, Int64Field field, std::string_view typed)
{
    std::optional<int64_t> start = wholeNumber(typed);
    if (start && *start >= 1 && *start <= kHighestRecordNumber)
        config.set(field, *start - 1);
}

} // namespace

GeneralPageInput loadGeneralPage(const TillConfig &config)
{
    GeneralPageInput input;
    input.itemStartPoint = numberText(config.get(cfg::lastItemNumber) + 1);
    input.customerStartPoint = numberText(config.get(cfg::lastCustomerNumber) + 1);
    input.displayCategoryIndex = defaultQuickSelectCategory(config) - 1;
    input.itemCategoryIndex = defaultItemCategoryNumber(config) - 1;
    input.startOfDayTill = cformat("%.2f", static_cast<double>(config.get(cfg::startOfDayTill)));
    input.taxOneName = config.text(cfg::taxOneName);
    input.taxTwoName = config.text(cfg::taxTwoName);
    input.taxCodeIndex = defaultItemTaxCodeIndex(config);
    int rate = config.get(cfg::discountButtonRate);
    input.discountButtonRate = rate >= 0 && rate <= kMaxDiscountButtonRate ? rate : 0;
    for (int box = 0; box < kCategoryNameBoxes; ++box)
        input.categoryNames[box] = config.categoryName(box + 1);
    input.historyDay = config.get(cfg::historyStart, 0);
    input.historyMonth = config.get(cfg::historyStart, 1);
    input.historyYear = config.get(cfg::historyStart, 2);
    input.summaryBox = config.get(cfg::noSummaryBox) == 0;
    input.customerSearchAsList = config.get(cfg::customerSearchAsList) != 0;
    input.itemSearchAsList = config.get(cfg::itemSearchAsList) != 0;
    input.permitShortStock = config.get(cfg::permitShortStock) != 0;
    input.omitMonthlyTotals = config.get(cfg::omitMonthlyTotals) != 0;
    input.currencySymbol = config.text(cfg::currencySymbol);
    input.secondCurrency = config.get(cfg::secondCurrencyOn) > 0;
    input.secondCurrencySymbol = config.text(cfg::secondCurrencySymbol);
    input.conversionRate = shortDecimalText(config.get(cfg::conversionRate));
    input.cartDescriptionOnly = config.get(cfg::cartDescriptionOnly) != 0;
    input.nonInventoryTaxable = config.get(cfg::nonInventoryTaxable) != 0;
    input.skuOneEntry = config.get(cfg::skuOneEntry) != 0;
    input.percentageTradeDiscount = config.get(cfg::percentageTradeDiscount) != 0;
    input.tradeDiscount = shortDecimalText(config.get(cfg::tradeDiscount));
    input.discountOnTotal = config.get(cfg::discountOnTotal) != 0;
    input.noNumberOnNewItem = config.get(cfg::noNumberOnNewItem) != 0;
    input.noNumberOnNewCustomer = config.get(cfg::noNumberOnNewCustomer) != 0;
    return input;
}

void applyGeneralPage(TillConfig &config, const GeneralPageInput &input, const LocalTime &today)
{
    storeStartPoint(config, cfg::lastItemNumber, input.itemStartPoint);
    storeStartPoint(config, cfg::lastCustomerNumber, input.customerStartPoint);

    if (input.displayCategoryIndex >= 0 && input.displayCategoryIndex <= kCategoryCount)
        config.set(cfg::quickSelectDefault, input.displayCategoryIndex + 1);
    if (input.itemCategoryIndex >= 0 && input.itemCategoryIndex < kCategoryCount)
        config.set(cfg::defaultItemCategory, input.itemCategoryIndex + 1);

    // The till total is kept as a float: a number past its range is refused.
    std::optional<double> till = decimalNumber(input.startOfDayTill);
    if (till && *till >= 0 && *till <= std::numeric_limits<float>::max())
        config.set(cfg::startOfDayTill, static_cast<float>(roundMoney(*till)));

    config.setText(cfg::taxOneName, input.taxOneName);
    config.setText(cfg::taxTwoName, input.taxTwoName);
    if (input.taxCodeIndex >= 0 && input.taxCodeIndex < kTaxCodeChoices)
        config.set(cfg::defaultItemTaxCode, input.taxCodeIndex);
    if (input.discountButtonRate >= 0 && input.discountButtonRate <= kMaxDiscountButtonRate)
        config.set(cfg::discountButtonRate, input.discountButtonRate);

    for (int box = 0; box < kCategoryNameBoxes; ++box)
        config.setCategoryName(box + 1, toUpperCp1252(trimBlanks(input.categoryNames[box])));

    int day = input.historyDay;
    int month = input.historyMonth;
    int year = input.historyYear;
    bool realDate
        = year >= 1980 && month >= 1 && month <= 12 && day >= 1 && day <= daysInMonth(year, month);
    if (realDate
        && daysFromCivil(year, month, day) <= daysFromCivil(today.year, today.month, today.day)) {
        config.set(cfg::historyStart, 0, day);
        config.set(cfg::historyStart, 1, month);
        config.set(cfg::historyStart, 2, year);
    }

    config.set(cfg::noSummaryBox, input.summaryBox ? 0 : 1);
    config.set(cfg::customerSearchAsList, input.customerSearchAsList ? 1 : 0);
    config.set(cfg::itemSearchAsList, input.itemSearchAsList ? 1 : 0);
    config.set(cfg::permitShortStock, twoOrZero(input.permitShortStock));
    config.set(cfg::omitMonthlyTotals, twoOrZero(input.omitMonthlyTotals));
    config.setText(cfg::currencySymbol, input.currencySymbol);
    config.set(cfg::secondCurrencyOn, twoOrZero(input.secondCurrency));
    config.setText(cfg::secondCurrencySymbol, input.secondCurrencySymbol);
    std::optional<double> rate = decimalNumber(input.conversionRate);
    if (rate && *rate >= 0)
        config.set(cfg::conversionRate, *rate);
    config.set(cfg::cartDescriptionOnly, twoOrZero(input.cartDescriptionOnly));
    config.set(cfg::nonInventoryTaxable, twoOrZero(input.nonInventoryTaxable));
    config.set(cfg::skuOneEntry, twoOrZero(input.skuOneEntry));
    config.set(cfg::percentageTradeDiscount, twoOrZero(input.percentageTradeDiscount));
    std::optional<double> discount = decimalNumber(input.tradeDiscount);
    if (discount && *discount >= 0 && *discount <= 100)
        config.set(cfg::tradeDiscount, static_cast<float>(*discount));
    config.set(cfg::discountOnTotal, twoOrZero(input.discountOnTotal));
    config.set(cfg::noNumberOnNewItem, input.noNumberOnNewItem ? 1 : 0);
    config.set(cfg::noNumberOnNewCustomer, input.noNumberOnNewCustomer ? 1 : 0);
}

TermsPageInput loadTermsPage(const TillConfig &config)
{
    TermsPageInput input;
    for (int band = 1; band <= kBands; ++band) {
        input.discountIndex[band - 1] = bandDiscountCode(config, band) - 1;
        input.periodIndex[band - 1] = bandPeriodCode(config, band) - 1;
    }
    return input;
}

void applyTermsPage(TillConfig &config, const TermsPageInput &input)
{
    for (size_t band = 0; band < kBands; ++band) {
        int discount = input.discountIndex[band];
        int period = input.periodIndex[band];
        if (discount >= 0 && discount < kBands)
            config.set(cfg::bandDiscount, band, discount + 1);
        if (period >= 0 && period < kBands)
            config.set(cfg::bandPeriod, band, period + 1);
    }
}

TaxControlInput loadTaxControl(const TillConfig &config)
{
    TaxControlInput input;
    input.taxOneActive = config.get(cfg::taxOneActive) != 0;
    input.taxOneRate = numberText(config.get(cfg::taxOneRate));
    input.taxTwoActive = config.get(cfg::taxTwoActive) != 0;
    input.taxTwoRate = numberText(config.get(cfg::taxTwoRate));
    input.taxTwoOnTotalPlusTaxOne = config.get(cfg::taxTwoCompound) != 0;
    input.thresholdOn = config.get(cfg::taxThresholdOn) != 0;
    input.threshold = cformat("%.2f", config.get(cfg::taxThreshold));
    return input;
}

void applyTaxControl(TillConfig &config, const TaxControlInput &input)
{
    config.set(cfg::taxOneActive, twoOrZero(input.taxOneActive));
    config.set(cfg::taxTwoActive, twoOrZero(input.taxTwoActive));
    std::optional<int64_t> rateOne = wholeNumber(input.taxOneRate);
    if (rateOne && *rateOne >= 0 && *rateOne <= 9999)
        config.set(cfg::taxOneRate, *rateOne);
    std::optional<int64_t> rateTwo = wholeNumber(input.taxTwoRate);
    if (rateTwo && *rateTwo >= 0 && *rateTwo <= 9999)
        config.set(cfg::taxTwoRate, *rateTwo);
    config.set(cfg::taxTwoCompound, twoOrZero(input.taxTwoOnTotalPlusTaxOne));
    config.set(cfg::taxThresholdOn, twoOrZero(input.thresholdOn));
    std::optional<double> threshold = decimalNumber(input.threshold);
    if (threshold && *threshold >= 0)
        config.set(cfg::taxThreshold, *threshold);
}

PrintHeadingInput loadPrintHeading(const StoreHeading &heading)
{
    PrintHeadingInput input;
    for (int line = 0; line < 6; ++line)
        input.lines[line] = heading.line(static_cast<HeadingLine>(line));
    return input;
}

void applyPrintHeading(StoreHeading &heading, const PrintHeadingInput &input)
{
    for (int line = 0; line < 6; ++line)
        heading.setLineFromDialog(static_cast<HeadingLine>(line), input.lines[line]);
}

int historyFirstYear(const TillConfig &config, const LocalTime &today)
{
    int first = config.get(cfg::firstUseDate, 2);
    return first >= 1980 && first <= today.year ? first : today.year;
}

} // namespace ovix
