#include "till/logic/day_summary.h"

#include "platform/c_format.h"
#include "platform/clock.h"
#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/locale_text.h"
#include "platform/whole_count.h"
#include "store/till_config.h"
#include "sales/logic/archive_folders.h"
#include "sales/logic/till_state.h"

#include <cinttypes>
#include <cmath>
#include <limits>

namespace ovix {

namespace {

constexpr const char *kWeekdayNames[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                          "Thursday", "Friday", "Saturday"};

// The same weekday one week before today: entry 0 is yesterday.
constexpr size_t kSameWeekdayLastWeek = 6;

std::string tenderLine(const char *format, const TillConfig &config, FloatField count,
                       DoubleField amount)
{
    return cformat(format, wholeCount(config.get(count)), config.get(amount));
}

} // namespace

std::string daySummaryText(const TillConfig &config, const DaySummaryFacts &facts,
                           const LocalTime &now)
{
    const double takings = config.get(cfg::tillTakings);
    const double lastWeek = config.get(cfg::takingsHistory, kSameWeekdayLastWeek);
    const std::string longDate = formatLocaleDate(now.year, now.month, now.day,
                                                  "dddd MMMM d yyyy");
    const int weekday = weekdayOf(now.year, now.month, now.day);

    std::string text = cformat("%s  %02d:%02d %s", facts.storeName.c_str(), now.hour, now.minute,
                               longDate.c_str());
    text += cformat("\r\nToday's till takings: %.2f", takings);
    text += cformat("\r\nOntime: %02d:%02d  Transaction number: %d", facts.switchOnHour,
                    facts.switchOnMinute, config.get(cfg::nextTransactionNumber));
    text += cformat("\r\nInventory on the system: %d, Customers on the system: %d",
                    clampedToInt(facts.itemsOnFile), clampedToInt(facts.customersOnFile));
    text += cformat("\r\nToday transactions: %" PRId64 " Items: %" PRId64,
                    config.get(cfg::todayTransactionCount), config.get(cfg::todayItemCount));
    text += cformat("\r\nYesterday transactions: %" PRId64 " Items: %" PRId64,
                    config.get(cfg::yesterdayTransactionCount),
                    config.get(cfg::yesterdayItemCount));
    text += cformat("\r\nToday vs. last %s: ", kWeekdayNames[weekday]);
    text += takings != 0 && lastWeek != 0 ? cformat("%.2f%%", takings * 100 / lastWeek)
                                          : std::string("0.00%");
    text += cformat("\r\nNew customers: %" PRId64, config.get(cfg::newCustomersToday));

    const double sales = config.get(cfg::cashSales) + config.get(cfg::chequeSales)
        + config.get(cfg::eftSales) + config.get(cfg::creditSales);
    text += tenderLine("\r\n\r\nCash sales (%d): %.2f", config, cfg::cashSalesCount,
                       cfg::cashSales);
    text += tenderLine("\r\nCH sales (%d): %.2f", config, cfg::chequeSalesCount,
                       cfg::chequeSales);
    text += tenderLine("\r\nEFT sales (%d): %.2f", config, cfg::eftSalesCount, cfg::eftSales);
    text += tenderLine("\r\nCredit sales (%d): %.2f", config, cfg::creditSalesCount,
                       cfg::creditSales);
    text += cformat("\r\nTotal: %.2f", sales);

    const double refunds = config.get(cfg::cashRefunds) + config.get(cfg::chequeRefunds)
        + config.get(cfg::eftRefunds) + config.get(cfg::creditRefunds);
    text += tenderLine("\r\n\r\nCash refunds (%d): %.2f", config, cfg::cashRefundsCount,
                       cfg::cashRefunds);
    text += tenderLine("\r\nCH refunds (%d): %.2f", config, cfg::chequeRefundsCount,
                       cfg::chequeRefunds);
    text += tenderLine("\r\nEFT refunds (%d): %.2f", config, cfg::eftRefundsCount,
                       cfg::eftRefunds);
    text += tenderLine("\r\nCredit refunds (%d): %.2f", config, cfg::creditRefundsCount,
                       cfg::creditRefunds);
    text += cformat("\r\nTotal: (%.2f)", refunds);

    text += cformat("\r\n\r\nNontaxable sales: %.2f", config.get(cfg::nonTaxableSales));
    text += cformat("\r\nTaxable sales: %.2f", config.get(cfg::taxableSales));
    text += cformat("\r\nSub total: %.2f", config.get(cfg::subtotalSales));
    text += cformat("\r\nTax 1: %.2f", config.get(cfg::taxOneSales));
    text += cformat("\r\nTax 2: %.2f", config.get(cfg::taxTwoSales));
    text += cformat("\r\nTotal: %.2f", config.get(cfg::salesTotal));

    const double balancePayments = config.get(cfg::cashBalancePayments)
        + config.get(cfg::chequeBalancePayments) + config.get(cfg::eftBalancePayments);
    text += tenderLine("\r\n\r\nBalance payments cash (%d): %.2f", config,
                       cfg::cashBalancePaymentsCount, cfg::cashBalancePayments);
    text += tenderLine("\r\nBalance payments CH (%d): %.2f", config,
                       cfg::chequeBalancePaymentsCount, cfg::chequeBalancePayments);
    text += tenderLine("\r\nBalance payments EFT (%d): %.2f", config,
                       cfg::eftBalancePaymentsCount, cfg::eftBalancePayments);
    text += cformat("\r\nTotal: %.2f", balancePayments);

    text += cformat("\r\n(Excludes petty cash payments: %.2f)", config.get(cfg::pettyCash));
    text += cformat("\r\n(Excludes cash back: %.2f)", config.get(cfg::cashBack));

    const double netSales = config.get(cfg::nonTaxableSales) + config.get(cfg::taxableSales);
    const double cost = config.get(cfg::costOfSales);
    text += cformat("\r\n\r\nNet sales: %.2f", netSales);
    text += cformat("\r\nCost of sales: %.2f", cost);
    text += cformat("\r\nGross profit: %.2f", netSales - cost);
    return text;
}

bool writeDaySummary(const TillState &state, const LocalTime &now)
{
    DaySummaryFacts facts;
    facts.storeName = state.heading.storeName();
    facts.switchOnHour = state.start.switchOnHour;
    facts.switchOnMinute = state.start.switchOnMinute;
    facts.itemsOnFile = state.items.liveCount();
    facts.customersOnFile = state.customers.liveCount();
    const std::string text = daySummaryText(state.config, facts, now);
    ensureArchiveFolders(state.dir, now);
    const std::string folder = dayFolderName(now.year, now.month, now.day);
    return replaceFileAtomically(state.dir.path(folder + "/" + kDaySummaryFileName), text);
}

} // namespace ovix
