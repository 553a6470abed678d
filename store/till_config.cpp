#include "store/till_config.h"

#include "store/fixed_text.h"

#include <algorithm>

namespace ovix {

namespace {

#define OVIX_FIELD(field) \
    TillConfigFieldSpan { #field, cfg::field.offset, decltype(cfg::field)::width }

constexpr TillConfigFieldSpan kFields[] = {
    OVIX_FIELD(secondCurrencySymbol),
    OVIX_FIELD(categoryNamesOneToNine),
    OVIX_FIELD(receiptPrinterIndex),
    OVIX_FIELD(bandDiscount),
    OVIX_FIELD(newBlockMarker),
    OVIX_FIELD(dayOfLastUse),
    OVIX_FIELD(todayItemCount),
    OVIX_FIELD(todayTransactionCount),
    OVIX_FIELD(lastSwitchOff),
    OVIX_FIELD(lastBackup),
    OVIX_FIELD(tipsOff),
    OVIX_FIELD(categoryDayCounts),
    OVIX_FIELD(categoryMonthCounts),
    OVIX_FIELD(yesterdayItemCount),
    OVIX_FIELD(yesterdayTransactionCount),
    OVIX_FIELD(drawerRepeat),
    OVIX_FIELD(drawerOpenCharacter),
    OVIX_FIELD(noNumberOnNewItem),
    OVIX_FIELD(drawerPort),
    OVIX_FIELD(printConfirm),
    OVIX_FIELD(newCustomersToday),
    OVIX_FIELD(noNumberOnNewCustomer),
    OVIX_FIELD(noSummaryBox),
    OVIX_FIELD(listingLinesPerPage),
    OVIX_FIELD(lastItemNumber),
    OVIX_FIELD(lastCustomerNumber),
    OVIX_FIELD(drawerInUse),
    OVIX_FIELD(customerSearchAsList),
    OVIX_FIELD(listingIndent),
    OVIX_FIELD(bandPeriod),
    OVIX_FIELD(taxOneActive),
    OVIX_FIELD(taxTwoActive),
    OVIX_FIELD(taxOneRate),
    OVIX_FIELD(permitShortStock),
    OVIX_FIELD(taxTwoRate),
    OVIX_FIELD(taxTwoCompound),
    OVIX_FIELD(itemSearchAsList),
    OVIX_FIELD(tradePricesOn),
    OVIX_FIELD(nextTransactionNumber),
    OVIX_FIELD(currencySymbol),
    OVIX_FIELD(currencySymbolSet),
    OVIX_FIELD(categoryNamesTenToEighteen),
    OVIX_FIELD(taxOneName),
    OVIX_FIELD(taxTwoName),
    OVIX_FIELD(cashSalesCount),
    OVIX_FIELD(chequeSalesCount),
    OVIX_FIELD(eftSalesCount),
    OVIX_FIELD(creditSalesCount),
    OVIX_FIELD(cashRefundsCount),
    OVIX_FIELD(chequeRefundsCount),
    OVIX_FIELD(eftRefundsCount),
    OVIX_FIELD(creditRefundsCount),
    OVIX_FIELD(cashBalancePaymentsCount),
    OVIX_FIELD(chequeBalancePaymentsCount),
    OVIX_FIELD(eftBalancePaymentsCount),
    OVIX_FIELD(startOfDayTill),
    OVIX_FIELD(categoryTakingsHistory),
    OVIX_FIELD(takingsHistory),
    OVIX_FIELD(headOfficeUpload),
    OVIX_FIELD(receiptPrinterDevice),
    OVIX_FIELD(receiptPrinterDriver),
    OVIX_FIELD(invoiceFontFace),
    OVIX_FIELD(customReceiptTextOne),
    OVIX_FIELD(customReceiptTextTwo),
    OVIX_FIELD(customReceiptTextThree),
    OVIX_FIELD(cutterSequence),
    OVIX_FIELD(customReceiptLines),
    OVIX_FIELD(poleTexts),
    OVIX_FIELD(backupFolder),
    OVIX_FIELD(drawerSequence),
    OVIX_FIELD(currentClerk),
    OVIX_FIELD(clerkNames),
    OVIX_FIELD(clerkPasswords),
    OVIX_FIELD(tradeDiscount),
    OVIX_FIELD(receiptMessage),
    OVIX_FIELD(eftFolder),
    OVIX_FIELD(clerkAvailability),
    OVIX_FIELD(invoiceFontPoints),
    OVIX_FIELD(inventoryPrintColumns),
    OVIX_FIELD(historyStart),
    OVIX_FIELD(firstUseDate),
    OVIX_FIELD(autoReceipt),
    OVIX_FIELD(skuOneEntry),
    OVIX_FIELD(logCapacity),
    OVIX_FIELD(wordWrap),
    OVIX_FIELD(limitDescription),
    OVIX_FIELD(discountButtonRate),
    OVIX_FIELD(soundOff),
    OVIX_FIELD(omitMonthlyTotals),
    OVIX_FIELD(quickSelectCurrent),
    OVIX_FIELD(quickSelectDefault),
    OVIX_FIELD(receiptCopies),
    OVIX_FIELD(defaultItemCategory),
    OVIX_FIELD(percentageTradeDiscount),
    OVIX_FIELD(printToPageWidth),
    OVIX_FIELD(discountOnTotal),
    OVIX_FIELD(forceTenPointFont),
    OVIX_FIELD(poleInUse),
    OVIX_FIELD(clearedForNewBlock),
    OVIX_FIELD(polePort),
    OVIX_FIELD(poleColumnsLineOne),
    OVIX_FIELD(poleColumnsLineTwo),
    OVIX_FIELD(drawerMode),
    OVIX_FIELD(taxThresholdOn),
    OVIX_FIELD(secondCurrencyOn),
    OVIX_FIELD(kitchenReceipt),
    OVIX_FIELD(standardReceiptLogo),
    OVIX_FIELD(standardItemsCentred),
    OVIX_FIELD(standardReceiptBarcode),
    OVIX_FIELD(customReceiptLogoOmitted),
    OVIX_FIELD(customReceiptBarcode),
    OVIX_FIELD(customItemsCentred),
    OVIX_FIELD(cartDescriptionOnly),
    OVIX_FIELD(nonInventoryTaxable),
    OVIX_FIELD(receiptLanguage),
    OVIX_FIELD(invoicePositions),
    OVIX_FIELD(invoiceBarcode),
    OVIX_FIELD(invoiceBoxEncased),
    OVIX_FIELD(invoiceLogo),
    OVIX_FIELD(invoiceHeaderFont),
    OVIX_FIELD(invoiceNoteLine),
    OVIX_FIELD(standardInvoiceLogo),
    OVIX_FIELD(poleStopBits),
    OVIX_FIELD(poleBaudRate),
    OVIX_FIELD(poleDataBits),
    OVIX_FIELD(poleParity),
    OVIX_FIELD(customReceiptTextLines),
    OVIX_FIELD(customReceiptBlankLines),
    OVIX_FIELD(cutterPort),
    OVIX_FIELD(customReceiptSecondCurrency),
    OVIX_FIELD(customReceiptMarkExempt),
    OVIX_FIELD(customReceiptPaymentTypeLine),
    OVIX_FIELD(customReceiptExcludingTax),
    OVIX_FIELD(customReceiptNoteLine),
    OVIX_FIELD(standardReceiptExclusiveOfTax),
    OVIX_FIELD(tooltipsOff),
    OVIX_FIELD(defaultItemTaxCode),
    OVIX_FIELD(customReceiptCustomerLines),
    OVIX_FIELD(taxThreshold),
    OVIX_FIELD(tillTakings),
    OVIX_FIELD(cashSales),
    OVIX_FIELD(chequeSales),
    OVIX_FIELD(conversionRate),
    OVIX_FIELD(cardLinkActive),
    OVIX_FIELD(cardCashBackPermitted),
    OVIX_FIELD(cardNotPresentPayments),
    OVIX_FIELD(cardNotPresentRefunds),
    OVIX_FIELD(cardVerbose),
    OVIX_FIELD(eftSales),
    OVIX_FIELD(creditSales),
    OVIX_FIELD(cashRefunds),
    OVIX_FIELD(chequeRefunds),
    OVIX_FIELD(eftRefunds),
    OVIX_FIELD(creditRefunds),
    OVIX_FIELD(cashBalancePayments),
    OVIX_FIELD(chequeBalancePayments),
    OVIX_FIELD(eftBalancePayments),
    OVIX_FIELD(pettyCash),
    OVIX_FIELD(cashBack),
    OVIX_FIELD(nonTaxableSales),
    OVIX_FIELD(taxableSales),
    OVIX_FIELD(subtotalSales),
    OVIX_FIELD(taxOneSales),
    OVIX_FIELD(taxTwoSales),
    OVIX_FIELD(salesTotal),
    OVIX_FIELD(discounts),
    OVIX_FIELD(costOfSales),
    OVIX_FIELD(categoryDayValues),
    OVIX_FIELD(loanReturnTime),
    OVIX_FIELD(userControl),
    OVIX_FIELD(tipIndex),
    OVIX_FIELD(hiResPicture),
    OVIX_FIELD(tillSearchWithin),
};

#undef OVIX_FIELD

// Ascending and disjoint: each field ends before the next begins.
constexpr bool fieldsAscendAndDoNotOverlap()
{
    for (size_t i = 1; i < std::size(kFields); ++i) {
        if (kFields[i - 1].offset + kFields[i - 1].width > kFields[i].offset)
            return false;
    }
    return kFields[std::size(kFields) - 1].offset + kFields[std::size(kFields) - 1].width
        <= kTillConfigSize;
}

static_assert(fieldsAscendAndDoNotOverlap(), "two named fields of wr.cfg overlap");
static_assert(categoryHistoryIndex(kCategoryCount, 0) * sizeof(double)
                      + cfg::categoryTakingsHistory.offset
                  == cfg::takingsHistory.offset,
              "the per-category history ends where the daily history begins");
static_assert(cfg::clerkNames.offset == 34762 + 30 && cfg::clerkPasswords.offset == 37762 + 10
              && cfg::clerkAvailability.offset == 39346 + 4);
static_assert(cfg::receiptPrinterDriver.offset + decltype(cfg::receiptPrinterDriver)::width
              == 32834);

template <typename T>
int clampedOr(T value, int low, int high, int fallback)
{
    return value >= low && value <= high ? static_cast<int>(value) : fallback;
}

} // namespace

std::span<const TillConfigFieldSpan> tillConfigFields()
{
    return kFields;
}

void TillConfig::assign(std::string_view data)
{
    size_t length = std::min(data.size(), bytes_.size());
    std::memcpy(bytes_.data(), data.data(), length);
    std::memset(bytes_.data() + length, 0, bytes_.size() - length);
}

void TillConfig::clearBytes(size_t offset, size_t width)
{
    if (offset >= bytes_.size())
        return;
    std::memset(bytes_.data() + offset, 0, std::min(width, bytes_.size() - offset));
}

void TillConfig::writeBytes(size_t offset, std::string_view data)
{
    if (offset >= bytes_.size())
        return;
    std::memcpy(bytes_.data() + offset, data.data(), std::min(data.size(), bytes_.size() - offset));
}

std::string TillConfig::readText(size_t offset, size_t width) const
{
    return readFixedText(reinterpret_cast<const char *>(bytes_.data()) + offset, width);
}

void TillConfig::writeText(size_t offset, size_t width, std::string_view value)
{
    writeFixedText(reinterpret_cast<char *>(bytes_.data()) + offset, width, value);
}

static bool isClerk(int clerk)
{
    return clerk >= 1 && clerk <= kClerkCount;
}

std::string TillConfig::clerkName(int clerk) const
{
    return isClerk(clerk) ? text(cfg::clerkNames, static_cast<size_t>(clerk - 1)) : std::string();
}

void TillConfig::setClerkName(int clerk, std::string_view name)
{
    if (isClerk(clerk))
        setText(cfg::clerkNames, static_cast<size_t>(clerk - 1), name);
}

std::string TillConfig::clerkPassword(int clerk) const
{
    return isClerk(clerk) ? text(cfg::clerkPasswords, static_cast<size_t>(clerk - 1))
                          : std::string();
}

void TillConfig::setClerkPassword(int clerk, std::string_view password)
{
    if (isClerk(clerk))
        setText(cfg::clerkPasswords, static_cast<size_t>(clerk - 1), password);
}

int32_t TillConfig::clerkAvailability(int clerk) const
{
    return isClerk(clerk) ? get(cfg::clerkAvailability, static_cast<size_t>(clerk - 1)) : 0;
}

void TillConfig::setClerkAvailability(int clerk, int32_t availability)
{
    if (isClerk(clerk))
        set(cfg::clerkAvailability, static_cast<size_t>(clerk - 1), availability);
}

std::string TillConfig::categoryName(int category) const
{
    if (category >= 1 && category <= 9)
        return code(cfg::categoryNamesOneToNine, static_cast<size_t>(category - 1));
    if (category >= 10 && category <= kCategoryCount)
        return code(cfg::categoryNamesTenToEighteen, static_cast<size_t>(category - 10));
    return {};
}

bool TillConfig::setCategoryName(int category, std::string_view name)
{
    if (name.size() < 3)
        return false;
    if (category >= 1 && category <= 9)
        setCode(cfg::categoryNamesOneToNine, static_cast<size_t>(category - 1), name);
    else if (category >= 10 && category <= kCategoryCount)
        setCode(cfg::categoryNamesTenToEighteen, static_cast<size_t>(category - 10), name);
    else
        return false;
    return true;
}

int receiptLanguageIndex(const TillConfig &config)
{
    return clampedOr(config.get(cfg::receiptLanguage), 0, 3, 0);
}

int currentClerkNumber(const TillConfig &config)
{
    return clampedOr(config.get(cfg::currentClerk), 1, kClerkCount, 1);
}

int drawerPortIndex(const TillConfig &config)
{
    return clampedOr(config.get(cfg::drawerPort), 0, 9, 0);
}

int cutterPortIndex(const TillConfig &config)
{
    return clampedOr(config.get(cfg::cutterPort), 0, 9, 0);
}

int polePortIndex(const TillConfig &config)
{
    return clampedOr(config.get(cfg::polePort), 0, 7, 0);
}

int poleBaudRateIndex(const TillConfig &config)
{
    return clampedOr(config.get(cfg::poleBaudRate), 0, 12, 0);
}

int poleParityIndex(const TillConfig &config)
{
    return clampedOr(config.get(cfg::poleParity), 0, 2, 0);
}

int poleDataBitsIndex(const TillConfig &config)
{
    return clampedOr(config.get(cfg::poleDataBits), 0, 4, 0);
}

int poleStopBitsIndex(const TillConfig &config)
{
    return clampedOr(config.get(cfg::poleStopBits), 0, 2, 0);
}

int receiptPrinterListIndex(const TillConfig &config)
{
    int32_t index = config.get(cfg::receiptPrinterIndex);
    return index > 0 ? index : 0;
}

int autoReceiptIndex(const TillConfig &config)
{
    return clampedOr(config.get(cfg::autoReceipt), 0, 4, 0);
}

int receiptCopiesIndex(const TillConfig &config)
{
    return clampedOr(config.get(cfg::receiptCopies), 0, 2, 0);
}

int customReceiptBlankLinesIndex(const TillConfig &config)
{
    return clampedOr(config.get(cfg::customReceiptBlankLines), 0, 19, 0);
}

int logCapacityIndex(const TillConfig &config)
{
    return clampedOr(config.get(cfg::logCapacity), 0, 8, 0);
}

int bandDiscountCode(const TillConfig &config, int band)
{
    size_t index = band >= 1 && band <= kBandCount ? static_cast<size_t>(band - 1) : 0;
    return clampedOr(config.get(cfg::bandDiscount, index), 1, 8, 1);
}

int bandPeriodCode(const TillConfig &config, int band)
{
    size_t index = band >= 1 && band <= kBandCount ? static_cast<size_t>(band - 1) : 0;
    return clampedOr(config.get(cfg::bandPeriod, index), 1, 8, 1);
}

int quickSelectCategory(const TillConfig &config)
{
    return clampedOr(config.get(cfg::quickSelectCurrent), 0, kCategoryCount, 14);
}

int defaultQuickSelectCategory(const TillConfig &config)
{
    return clampedOr(config.get(cfg::quickSelectDefault), 1, kCategoryCount + 1, 15);
}

int defaultItemCategoryNumber(const TillConfig &config)
{
    return clampedOr(config.get(cfg::defaultItemCategory), 1, kCategoryCount, 15);
}

int defaultItemTaxCodeIndex(const TillConfig &config)
{
    return clampedOr(config.get(cfg::defaultItemTaxCode), 0, 3, 0);
}

} // namespace ovix
