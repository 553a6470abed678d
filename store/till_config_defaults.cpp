#include "store/till_config_defaults.h"

#include "platform/c_format.h"
#include "platform/clock.h"
#include "store/till_config.h"


namespace ovix {

namespace {

constexpr const char *kCategoryNames[kCategoryCount] = {
    "ALC", "BEE", "BOO", "CAN", "CAR", "COF", "DEL", "DRI", "DVD",
    "FRO", "FRU", "HAR", "MSC", "PAP", "POP", "TEA", "SWE", "WIN",
};

constexpr int32_t kInvoicePositions[18] = {7, 8, 9, 0, 0, 11, 15, 18, 41,
                                           48, 40, 30, 31, 0, 34, 16, 13, 49};

// Line numbers of receipt fields 0-18 on the standard custom receipt: store
// heading on lines 1-6, date 7, receipt number 8, clerk 9, customer name 10;
// counted from the last item: total 1, tendered 2, change 3, footer text 6.
constexpr int32_t kCustomReceiptLines[19] = {1, 2, 3, 4, 5, 6, 7, 6, 0, 10,
                                             0, 0, 0, 0, 1, 9, 8, 2, 3};

// Today's running totals (doubles); their inner layout belongs to the sale
// and reporting work, but all of them are today's and start at zero.
struct ByteRange {
    size_t offset;
    size_t width;
};
constexpr ByteRange kTodayTotals[] = {{40958, 24}, {41750, 184}, {42070, 160}};

void setDate(TillConfig &config, Int32ArrayField<3> field, const LocalTime &time)
{
    config.set(field, 0, time.day);
    config.set(field, 1, time.month);
    config.set(field, 2, time.year);
}

void setSwitchOff(TillConfig &config, const LocalTime &time)
{
    const int32_t parts[5] = {time.minute, time.hour, time.day, time.month, time.year};
    for (size_t i = 0; i < 5; ++i)
        config.set(cfg::lastSwitchOff, i, parts[i]);
}

} // namespace

std::string standardClerkName(int clerk)
{
    if (clerk == 1)
        return "Administrator";
    if (clerk == 2)
        return "Manager";
    return cformat("Clerk %d", clerk);
}

void applyCustomReceiptDefaults(TillConfig &config)
{
    for (size_t i = 0; i < 19; ++i)
        config.set(cfg::customReceiptLines, i, kCustomReceiptLines[i]);
    for (size_t i = 0; i < 3; ++i)
        config.set(cfg::customReceiptTextLines, i, 0);
    for (size_t i = 0; i < 5; ++i)
        config.set(cfg::customReceiptCustomerLines, i, 0);
    config.set(cfg::customReceiptPaymentTypeLine, 4);
    config.set(cfg::customReceiptNoteLine, 0);
    config.set(cfg::customReceiptBlankLines, 4); // five lines
    config.set(cfg::customReceiptLogoOmitted, 0); // include; no receipt.bmp, no logo
    config.set(cfg::customReceiptBarcode, 0);
    config.set(cfg::customItemsCentred, 0);
    config.set(cfg::customReceiptExcludingTax, 0);
}

TillConfig makeDataSetDefaults(const LocalTime &now, std::string_view currencySymbolCp1252)
{
    TillConfig config;
    setSwitchOff(config, now);
    setDate(config, cfg::historyStart, now);
    setDate(config, cfg::firstUseDate, now);
    config.set(cfg::startOfDayTill, 100.00f);
    config.set(cfg::quickSelectCurrent, 14);
    config.set(cfg::quickSelectDefault, 15);
    config.set(cfg::defaultItemCategory, 15);
    fillCurrencySymbolFromLocale(config, currencySymbolCp1252);
    for (size_t band = 0; band < kBandCount; ++band) {
        config.set(cfg::bandDiscount, band, static_cast<int32_t>(band + 1));
        config.set(cfg::bandPeriod, band, static_cast<int64_t>(band + 1));
    }
    config.set(cfg::newBlockMarker, 99);
    config.set(cfg::taxOneActive, 2);
    config.set(cfg::taxOneRate, 2000);
    config.setText(cfg::taxOneName, "TAX 1");
    config.setText(cfg::taxTwoName, "TAX 2");
    config.set(cfg::nextTransactionNumber, 1);
    config.setText(cfg::receiptMessage, "Always happy to help!");
    for (int category = 1; category <= kCategoryCount; ++category)
        config.setCategoryName(category, kCategoryNames[category - 1]);
    for (int clerk = 1; clerk <= kClerkCount; ++clerk) {
        config.setClerkName(clerk, standardClerkName(clerk));
        config.setClerkPassword(clerk, kStandardClerkPassword);
    }
    applyCustomReceiptDefaults(config);
    return config;
}

void applyFirstUseDefaults(TillConfig &config, const LocalTime &today,
                           std::string_view currencySymbolCp1252)
{
    config.set(cfg::dayOfLastUse, today.day);
    setDate(config, cfg::historyStart, today);
    setDate(config, cfg::firstUseDate, today);
    for (const ByteRange &range : kTodayTotals)
        config.clearBytes(range.offset, range.width);
    for (size_t i = 0; i < 5; ++i)
        config.set(cfg::lastSwitchOff, i, 0);
    bool dollar = currencySymbolCp1252 == "$";
    config.setText(cfg::taxOneName, dollar ? "GST 1" : "VAT 1");
    config.setText(cfg::taxTwoName, dollar ? "GST 2" : "VAT 2");
    config.set(cfg::drawerMode, 2);
    config.setText(cfg::drawerSequence, "27,112,0,25,250");
    for (size_t i = 0; i < 18; ++i)
        config.set(cfg::invoicePositions, i, kInvoicePositions[i]);
    config.set(cfg::invoiceBarcode, 1);
    config.set(cfg::invoiceBoxEncased, 1);
    config.set(cfg::invoiceLogo, 1);
    config.set(cfg::invoiceHeaderFont, 0);
    config.set(cfg::clearedForNewBlock, 0);
}

void applyStartUpFixes(TillConfig &config)
{
    if (config.text(cfg::taxOneName).empty()) {
        config.setText(cfg::taxOneName, "TAX 1");
        config.setText(cfg::taxTwoName, "TAX 2");
    }
    int32_t next = config.get(cfg::nextTransactionNumber);
    if (next <= 0 || next > 200000000)
        config.set(cfg::nextTransactionNumber, 1);
}

bool fillCurrencySymbolFromLocale(TillConfig &config, std::string_view currencySymbolCp1252)
{
    if (config.get(cfg::currencySymbolSet) == 2)
        return false;
    config.setText(cfg::currencySymbol, currencySymbolCp1252.substr(0, 3));
    config.set(cfg::currencySymbolSet, 2);
    return true;
}

void applyQuickSelectStart(TillConfig &config)
{
    if (config.get(cfg::quickSelectDefault) == 0)
        config.set(cfg::quickSelectDefault, quickSelectCategory(config) + 1);
    config.set(cfg::quickSelectCurrent, defaultQuickSelectCategory(config) - 1);
}

} // namespace ovix
