#include "reports/logic/daily_overview.h"

#include "platform/c_format.h"
#include "platform/clock.h"
#include "platform/locale_text.h"
#include "platform/whole_count.h"
#include "reports/logic/takings_history.h"
#include "sales/logic/till_state.h"
#include "store/till_config.h"

#include <cinttypes>

namespace ovix {

namespace {

constexpr const char *kWeekdayNames[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                          "Thursday", "Friday", "Saturday"};

// Today's takings as a percentage of `lastWeek`, "0.00%" when either is 0.
std::string weekdayComparison(double takings, double lastWeek)
{
    const int64_t todayCents = moneyCents(takings);
    const int64_t lastWeekCents = moneyCents(lastWeek);
    if (todayCents == 0 || lastWeekCents == 0)
        return "0.00%";
    return cformat("%.2f%%",
        static_cast<double>(todayCents) * 100.0 / static_cast<double>(lastWeekCents));
}

std::string tenderLine(const char *format, const TillConfig &config, FloatField count,
                       DoubleField amount)
{
    return cformat(format, wholeCount(config.get(count)), config.get(amount));
}

} // namespace

std::string dailyOverviewText(const TillConfig &config, const DailyOverviewFacts &facts,
    const LocalTime &now)
{
    const double takings = config.get(cfg::tillTakings);
    const CalendarDate weekAgo
        = dateFromDays(daysFromCivil(now.year, now.month, now.day) - 7);
    const double lastWeek = config.get(
        cfg::takingsHistory, static_cast<size_t>(takingsHistoryEntry(weekAgo, now)));
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
    text += weekdayComparison(takings, lastWeek);
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

DailyOverviewFacts dailyOverviewFacts(const TillState &state)
{
    DailyOverviewFacts facts;
    facts.storeName = state.heading.storeName();
    facts.switchOnHour = state.start.switchOnHour;
    facts.switchOnMinute = state.start.switchOnMinute;
    facts.itemsOnFile = state.items.liveCount();
    facts.customersOnFile = state.customers.liveCount();
    return facts;
}

} // namespace ovix
