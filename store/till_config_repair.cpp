#include "store/till_config_repair.h"

#include "platform/clock.h"
#include "store/till_config_defaults.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <span>
#include <string_view>

namespace ovix {

namespace {

constexpr int64_t kLargestNumber = 100000000000000000; // items and customers
constexpr int64_t kLargestCount = 1000000000000; // a count no shop reaches
constexpr double kLargestAmount = 1e12; // money, either sign
constexpr int64_t kInt32Max = std::numeric_limits<int32_t>::max();

// Whole numbers of 4 or 8 bytes, each entry from `low` to `high`; an entry
// outside becomes `standard`.
struct NumberRule {
    const char *what;
    size_t offset;
    size_t count;
    size_t width;
    int64_t low;
    int64_t high;
    int64_t standard;
};

template <typename T>
constexpr NumberRule rule(
    const char *what, ScalarField<T> field, int64_t low, int64_t high, int64_t standard)
{
    return { what, field.offset, 1, sizeof(T), low, high, standard };
}

template <typename T, size_t Count>
constexpr NumberRule rule(
    const char *what, ArrayField<T, Count> field, int64_t low, int64_t high, int64_t standard)
{
    return { what, field.offset, Count, sizeof(T), low, high, standard };
}

// Floats or doubles: finite and from `low` to `high`, else `standard`.
struct AmountRule {
    const char *what;
    size_t offset;
    size_t count;
    size_t width;
    double low;
    double high;
    double standard;
};

template <typename T>
constexpr AmountRule amounts(
    const char *what, ScalarField<T> field, double low, double high, double standard = 0.0)
{
    return { what, field.offset, 1, sizeof(T), low, high, standard };
}

template <typename T, size_t Count>
constexpr AmountRule amounts(
    const char *what, ArrayField<T, Count> field, double low, double high, double standard = 0.0)
{
    return { what, field.offset, Count, sizeof(T), low, high, standard };
}

// A range of day totals (doubles) laid out one after another.
constexpr AmountRule dayTotals(size_t first, size_t last)
{
    return { "day totals", first, (last - first) / 8 + 1, 8, -kLargestAmount, kLargestAmount, 0.0 };
}

constexpr NumberRule kNumberRules[] = {
    rule("band discounts", cfg::bandDiscount, 0, 8, 1),
    rule("day counts", cfg::todayItemCount, 0, kLargestCount, 0),
    rule("day counts", cfg::todayTransactionCount, 0, kLargestCount, 0),
    rule("day counts", cfg::categoryDayCounts, 0, kInt32Max, 0),
    rule("day counts", cfg::categoryMonthCounts, 0, kInt32Max, 0),
    rule("day counts", cfg::yesterdayItemCount, 0, kLargestCount, 0),
    rule("day counts", cfg::yesterdayTransactionCount, 0, kLargestCount, 0),
    rule("drawer settings", cfg::drawerRepeat, 0, 10, 1),
    rule("drawer settings", cfg::drawerOpenCharacter, 0, 255, 0),
    rule("drawer settings", cfg::drawerPort, 0, 9, 0),
    rule("day counts", cfg::newCustomersToday, 0, kLargestCount, 0),
    rule("listing font size", cfg::listingLinesPerPage, 0, 200, 0),
    rule("next item number", cfg::lastItemNumber, 0, kLargestNumber, 0),
    rule("next customer number", cfg::lastCustomerNumber, 0, kLargestNumber, 0),
    rule("band periods", cfg::bandPeriod, 0, 8, 1),
    rule("tax rates", cfg::taxOneRate, 0, 9999, 2000),
    rule("tax rates", cfg::taxTwoRate, 0, 9999, 0),
    // The next transaction number is left to start-up, which moves it past
    // every number the archive holds and notes in the log when it had to.
    rule("current clerk", cfg::currentClerk, 0, 99, 1),
    rule("clerk availability", cfg::clerkAvailability, 0, 2, 0),
    rule("receipt settings", cfg::autoReceipt, 0, 4, 0),
    rule("log capacity", cfg::logCapacity, 0, 8, 0),
    rule("discount button rate", cfg::discountButtonRate, 0, 80, 0),
    rule("quick-select categories", cfg::quickSelectCurrent, 0, kCategoryCount, 14),
    rule("quick-select categories", cfg::quickSelectDefault, 0, kCategoryCount + 1, 15),
    rule("receipt settings", cfg::receiptCopies, 0, 2, 0),
    rule("default item category", cfg::defaultItemCategory, 0, kCategoryCount, 15),
    rule("pole display settings", cfg::polePort, 0, 7, 0),
    rule("receipt language", cfg::receiptLanguage, 0, 3, 0),
    rule("invoice layout", cfg::invoicePositions, 0, 80, 0),
    rule("pole display settings", cfg::poleStopBits, 0, 2, 0),
    rule("pole display settings", cfg::poleBaudRate, 0, 12, 0),
    rule("pole display settings", cfg::poleDataBits, 0, 4, 0),
    rule("pole display settings", cfg::poleParity, 0, 2, 0),
    rule("custom receipt layout", cfg::customReceiptLines, 0, 40, 0),
    rule("custom receipt layout", cfg::customReceiptTextLines, 0, 40, 0),
    rule("custom receipt layout", cfg::customReceiptBlankLines, 0, 19, 4),
    rule("custom receipt layout", cfg::cutterPort, 0, 9, 0),
    rule("custom receipt layout", cfg::customReceiptPaymentTypeLine, 0, 40, 4),
    rule("custom receipt layout", cfg::customReceiptNoteLine, 0, 40, 0),
    rule("default item tax code", cfg::defaultItemTaxCode, 0, 3, 0),
    rule("custom receipt layout", cfg::customReceiptCustomerLines, 0, 40, 0),
    rule("tip of the day", cfg::tipIndex, 0, 25, 0),
};

// On/off settings hold 0, 1 or 2; a damaged one is off, or as in a new block.
constexpr NumberRule kSwitchRules[] = {
    rule("on/off settings", cfg::tipsOff, 0, 2, 0),
    rule("on/off settings", cfg::noNumberOnNewItem, 0, 2, 0),
    rule("on/off settings", cfg::printConfirm, 0, 2, 0),
    rule("on/off settings", cfg::noNumberOnNewCustomer, 0, 2, 0),
    rule("on/off settings", cfg::noSummaryBox, 0, 2, 0),
    rule("on/off settings", cfg::drawerInUse, 0, 2, 0),
    rule("on/off settings", cfg::customerSearchAsList, 0, 2, 0),
    rule("on/off settings", cfg::taxOneActive, 0, 2, 2),
    rule("on/off settings", cfg::taxTwoActive, 0, 2, 0),
    rule("on/off settings", cfg::permitShortStock, 0, 2, 0),
    rule("on/off settings", cfg::taxTwoCompound, 0, 2, 0),
    rule("on/off settings", cfg::itemSearchAsList, 0, 2, 0),
    rule("on/off settings", cfg::tradePricesOn, 0, 2, 0),
    rule("on/off settings", cfg::inventoryPrintColumns, 0, 2, 0),
    rule("on/off settings", cfg::skuOneEntry, 0, 2, 0),
    rule("on/off settings", cfg::wordWrap, 0, 2, 0),
    rule("on/off settings", cfg::limitDescription, 0, 2, 0),
    rule("on/off settings", cfg::soundOff, 0, 2, 0),
    rule("on/off settings", cfg::omitMonthlyTotals, 0, 2, 0),
    rule("on/off settings", cfg::percentageTradeDiscount, 0, 2, 0),
    rule("on/off settings", cfg::printToPageWidth, 0, 2, 0),
    rule("on/off settings", cfg::discountOnTotal, 0, 2, 0),
    rule("on/off settings", cfg::forceTenPointFont, 0, 2, 0),
    rule("on/off settings", cfg::poleInUse, 0, 2, 0),
    rule("on/off settings", cfg::drawerMode, 0, 2, 2),
    rule("on/off settings", cfg::taxThresholdOn, 0, 2, 0),
    rule("on/off settings", cfg::secondCurrencyOn, 0, 2, 0),
    rule("on/off settings", cfg::kitchenReceipt, 0, 2, 0),
    rule("on/off settings", cfg::standardReceiptLogo, 0, 2, 0),
    rule("on/off settings", cfg::standardItemsCentred, 0, 2, 0),
    rule("on/off settings", cfg::standardReceiptBarcode, 0, 2, 0),
    rule("on/off settings", cfg::customReceiptLogoOmitted, 0, 2, 0),
    rule("on/off settings", cfg::customReceiptBarcode, 0, 2, 0),
    rule("on/off settings", cfg::customItemsCentred, 0, 2, 0),
    rule("on/off settings", cfg::cartDescriptionOnly, 0, 2, 0),
    rule("on/off settings", cfg::nonInventoryTaxable, 0, 2, 0),
    rule("on/off settings", cfg::invoiceBarcode, 0, 2, 0),
    rule("on/off settings", cfg::invoiceBoxEncased, 0, 2, 0),
    rule("on/off settings", cfg::invoiceLogo, 0, 2, 0),
    rule("on/off settings", cfg::invoiceHeaderFont, 0, 2, 0),
    rule("on/off settings", cfg::customReceiptSecondCurrency, 0, 2, 0),
    rule("on/off settings", cfg::customReceiptMarkExempt, 0, 2, 0),
    rule("on/off settings", cfg::customReceiptExcludingTax, 0, 2, 0),
    rule("on/off settings", cfg::standardReceiptExclusiveOfTax, 0, 2, 0),
    rule("on/off settings", cfg::tooltipsOff, 0, 2, 0),
    rule("on/off settings", cfg::userControl, 0, 2, 0),
    rule("on/off settings", cfg::hiResPicture, 0, 2, 0),
};

constexpr AmountRule kAmountRules[] = {
    amounts("day counts", cfg::cashSalesCount, 0, 1e9),
    amounts("day counts", cfg::chequeSalesCount, 0, 1e9),
    amounts("day counts", cfg::eftSalesCount, 0, 1e9),
    amounts("day counts", cfg::creditSalesCount, 0, 1e9),
    amounts("day counts", cfg::cashRefundsCount, 0, 1e9),
    amounts("day counts", cfg::chequeRefundsCount, 0, 1e9),
    amounts("day counts", cfg::eftRefundsCount, 0, 1e9),
    amounts("day counts", cfg::creditRefundsCount, 0, 1e9),
    amounts("day counts", cfg::cashBalancePaymentsCount, 0, 1e9),
    amounts("day counts", cfg::chequeBalancePaymentsCount, 0, 1e9),
    amounts("day counts", cfg::eftBalancePaymentsCount, 0, 1e9),
    amounts("start-of-day till total", cfg::startOfDayTill, 0, kLargestAmount, 100.0),
    amounts("takings history", cfg::categoryTakingsHistory, -kLargestAmount, kLargestAmount),
    amounts("takings history", cfg::takingsHistory, -kLargestAmount, kLargestAmount),
    amounts("trade discount", cfg::tradeDiscount, 0, 100),
    amounts("tax threshold", cfg::taxThreshold, 0, kLargestAmount),
    dayTotals(cfg::tillTakings.offset, cfg::chequeSales.offset),
    amounts("second currency rate", cfg::conversionRate, -kLargestAmount, kLargestAmount),
    dayTotals(cfg::eftSales.offset, cfg::costOfSales.offset),
    amounts("day totals", cfg::categoryDayValues, -kLargestAmount, kLargestAmount),
};

// Time stamps of minute, hour, day, month, year, and dates of day, month, year.
struct DateRule {
    const char *what;
    size_t offset;
    bool withTime;
    bool todayWhenDamaged; // else all zero
};

constexpr DateRule kDateRules[] = {
    { "last switch-off time", cfg::lastSwitchOff.offset, true, false },
    { "last backup time", cfg::lastBackup.offset, true, false },
    { "history dates", cfg::historyStart.offset, false, true },
    { "history dates", cfg::firstUseDate.offset, false, true },
};

static_assert(decltype(cfg::lastSwitchOff)::count == 5 && decltype(cfg::lastBackup)::count == 5
    && decltype(cfg::historyStart)::count == 3 && decltype(cfg::firstUseDate)::count == 3);

class Findings {
public:
    explicit Findings(TillConfigRepair &repair)
        : repair_(repair)
    {
    }
    void add(const char *what)
    {
        if (std::find(repair_.found.begin(), repair_.found.end(), what) == repair_.found.end())
            repair_.found.emplace_back(what);
    }

private:
    TillConfigRepair &repair_;
};

// A field of 4 or 8 bytes, read as `Narrow` or `Wide` and widened.
template <typename Narrow, typename Wide>
Wide readField(const TillConfig &config, size_t offset, size_t width)
{
    const unsigned char *at = config.bytes().data() + offset;
    if (width == sizeof(Narrow)) {
        Narrow value;
        std::memcpy(&value, at, sizeof value);
        return value;
    }
    Wide value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

template <typename Narrow, typename Wide>
void writeField(TillConfig &config, size_t offset, size_t width, Wide value)
{
    if (width == sizeof(Narrow)) {
        const auto narrow = static_cast<Narrow>(value);
        config.writeBytes(offset, { reinterpret_cast<const char *>(&narrow), sizeof narrow });
        return;
    }
    config.writeBytes(offset, { reinterpret_cast<const char *>(&value), sizeof value });
}

int64_t readNumber(const TillConfig &config, size_t offset, size_t width)
{
    return readField<int32_t, int64_t>(config, offset, width);
}
void writeNumber(TillConfig &config, size_t offset, size_t width, int64_t number)
{
    writeField<int32_t>(config, offset, width, number);
}
double readAmount(const TillConfig &config, size_t offset, size_t width)
{
    return readField<float, double>(config, offset, width);
}
void writeAmount(TillConfig &config, size_t offset, size_t width, double amount)
{
    writeField<float>(config, offset, width, amount);
}

// The bytes of a text field up to its terminator, or nothing when it has none.
std::optional<std::string_view> terminated(const TillConfig &config, size_t offset, size_t width)
{
    const char *at = reinterpret_cast<const char *>(config.bytes().data()) + offset;
    const void *nul = std::memchr(at, 0, width);
    if (!nul)
        return std::nullopt;
    return std::string_view(at, static_cast<size_t>(static_cast<const char *>(nul) - at));
}

bool usableName(std::optional<std::string_view> name)
{
    if (!name || name->empty())
        return false;
    return std::none_of(name->begin(), name->end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
}

bool usablePassword(std::optional<std::string_view> password)
{
    if (!password || password->empty())
        return false;
    return std::all_of(
        password->begin(), password->end(), [](char c) { return c >= '0' && c <= '9'; });
}

void repairClerks(TillConfig &config, TillConfigRepair &repair, Findings &findings)
{
    constexpr size_t kNameWidth = decltype(cfg::clerkNames)::entryWidth;
    constexpr size_t kPasswordWidth = decltype(cfg::clerkPasswords)::entryWidth;
    for (int clerk = 1; clerk <= kClerkCount; ++clerk) {
        const auto index = static_cast<size_t>(clerk - 1);
        if (!usableName(
                terminated(config, cfg::clerkNames.offset + index * kNameWidth, kNameWidth))) {
            config.setClerkName(clerk, standardClerkName(clerk));
            findings.add("clerk names");
        }
    }
    for (int clerk = 1; clerk <= kClerkCount; ++clerk) {
        const auto index = static_cast<size_t>(clerk - 1);
        if (!usablePassword(terminated(
                config, cfg::clerkPasswords.offset + index * kPasswordWidth, kPasswordWidth))) {
            config.setClerkPassword(clerk, kStandardClerkPassword);
            repair.passwordsSetBack.push_back(clerk);
            findings.add("clerk passwords");
        }
    }
}

bool realDate(int32_t day, int32_t month, int32_t year)
{
    return year >= 1900 && year <= 9999 && month >= 1 && month <= 12 && day >= 1
        && day <= daysInMonth(year, month);
}

bool usableDate(const TillConfig &config, const DateRule &date)
{
    const size_t parts = date.withTime ? 5 : 3;
    int32_t value[5] = {};
    bool allZero = true;
    for (size_t i = 0; i < parts; ++i) {
        value[i] = static_cast<int32_t>(readNumber(config, date.offset + 4 * i, 4));
        allZero = allZero && value[i] == 0;
    }
    if (allZero)
        return true;
    if (!date.withTime)
        return realDate(value[0], value[1], value[2]);
    return value[0] >= 0 && value[0] <= 59 && value[1] >= 0 && value[1] <= 23
        && realDate(value[2], value[3], value[4]);
}

void setDate(TillConfig &config, const DateRule &date, const LocalTime &today)
{
    const size_t parts = date.withTime ? 5 : 3;
    const int32_t value[3] = { today.day, today.month, today.year };
    for (size_t i = 0; i < parts; ++i)
        writeNumber(config, date.offset + 4 * i, 4, date.todayWhenDamaged ? value[i] : 0);
}

} // namespace

TillConfigRepair repairTillConfig(TillConfig &config, int64_t fileSize, const LocalTime &today)
{
    TillConfigRepair repair;
    repair.fileSize = fileSize;
    Findings findings(repair);

    const int32_t dayOfLastUse = config.get(cfg::dayOfLastUse);
    if (dayOfLastUse < 0 || dayOfLastUse > 31)
        findings.add("day of last use");
    repairClerks(config, repair, findings);
    const std::span<const NumberRule> numberRules[] = { kNumberRules, kSwitchRules };
    for (std::span<const NumberRule> rules : numberRules) {
        for (const NumberRule &rule : rules) {
            for (size_t i = 0; i < rule.count; ++i) {
                const size_t offset = rule.offset + i * rule.width;
                const int64_t value = readNumber(config, offset, rule.width);
                if (value < rule.low || value > rule.high) {
                    writeNumber(config, offset, rule.width, rule.standard);
                    findings.add(rule.what);
                }
            }
        }
    }
    for (const AmountRule &rule : kAmountRules) {
        for (size_t i = 0; i < rule.count; ++i) {
            const size_t offset = rule.offset + i * rule.width;
            const double value = readAmount(config, offset, rule.width);
            if (!std::isfinite(value) || value < rule.low || value > rule.high) {
                writeAmount(config, offset, rule.width, rule.standard);
                findings.add(rule.what);
            }
        }
    }
    for (const DateRule &date : kDateRules) {
        if (!usableDate(config, date)) {
            setDate(config, date, today);
            findings.add(date.what);
        }
    }
    return repair;
}

} // namespace ovix
