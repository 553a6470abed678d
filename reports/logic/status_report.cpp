#include "reports/logic/status_report.h"

#include "platform/c_format.h"
#include "platform/clock.h"
#include "platform/locale_text.h"
#include "platform/whole_count.h"
#include "print/logic/print_device.h"
#include "reports/logic/closeout.h"
#include "reports/logic/takings_history.h"
#include "sales/logic/till_state.h"
#include "store/till_config.h"

#include <cinttypes>
#include <cmath>
#include <limits>

namespace ovix {

namespace {

constexpr const char *kWeekdayNames[7]
    = { "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday" };
constexpr const char *kMonthNames[12] = { "January", "February", "March", "April", "May", "June",
    "July", "August", "September", "October", "November", "December" };

// The same weekday one week before today: entry 0 is yesterday.
constexpr size_t kSameWeekdayLastWeek = 6;

int64_t cents(const TillConfig &config, DoubleField field)
{
    return moneyCents(config.get(field));
}

int64_t historyCents(const TillConfig &config, size_t first, size_t count)
{
    int64_t sum = 0;
    for (size_t entry = first; entry < first + count; ++entry)
        sum += moneyCents(config.get(cfg::takingsHistory, entry));
    return sum;
}

// `part` as a percentage of `whole`, "0.00%" when either is 0.
std::string percentage(int64_t part, int64_t whole)
{
    if (part == 0 || whole == 0)
        return "0.00%";
    return cformat("%.2f%%", static_cast<double>(part) * 100.0 / static_cast<double>(whole));
}

struct Tender {
    const char *caption;
    FloatField count;
    DoubleField amount;
};

constexpr Tender kSales[] = {
    { "Cash sales", cfg::cashSalesCount, cfg::cashSales },
    { "CH sales", cfg::chequeSalesCount, cfg::chequeSales },
    { "EFT sales", cfg::eftSalesCount, cfg::eftSales },
    { "Credit sales", cfg::creditSalesCount, cfg::creditSales },
};
constexpr Tender kRefunds[] = {
    { "Cash refunds", cfg::cashRefundsCount, cfg::cashRefunds },
    { "CH refunds", cfg::chequeRefundsCount, cfg::chequeRefunds },
    { "EFT refunds", cfg::eftRefundsCount, cfg::eftRefunds },
    { "Credit refunds", cfg::creditRefundsCount, cfg::creditRefunds },
};
constexpr Tender kBalancePayments[] = {
    { "Cash", cfg::cashBalancePaymentsCount, cfg::cashBalancePayments },
    { "CH", cfg::chequeBalancePaymentsCount, cfg::chequeBalancePayments },
    { "EFT", cfg::eftBalancePaymentsCount, cfg::eftBalancePayments },
};

std::string countAndAmount(const TillConfig &config, const Tender &tender)
{
    return cformat("(%d): ", wholeCount(config.get(tender.count)))
        + centsText(cents(config, tender.amount));
}

template <size_t N> int64_t tenderCents(const TillConfig &config, const Tender (&tenders)[N])
{
    int64_t sum = 0;
    for (const Tender &tender : tenders)
        sum += cents(config, tender.amount);
    return sum;
}

// The date `days` days before `now`.
CalendarDate daysBefore(const LocalTime &now, long days)
{
    return dateFromDays(daysFromCivil(now.year, now.month, now.day) - days);
}

std::string timeAndDate(const int stamp[5])
{
    return cformat("%02d:%02d %d/%d/%d", stamp[1], stamp[0], stamp[2], stamp[3], stamp[4]);
}

} // namespace

StatusFacts statusFacts(const Shop &shop)
{
    StatusFacts facts;
    facts.storeName = shop.heading.storeName();
    for (size_t i = 0; i < 5; ++i)
        facts.backup[i] = shop.config.get(cfg::lastBackup, i);
    facts.itemsOnFile = shop.items.liveCount();
    facts.customersOnFile = shop.customers.liveCount();
    const auto highest = [](const RecordIndex &index) -> int64_t {
        return index.size() > 0 && index[index.size() - 1].number > 0
            ? index[index.size() - 1].number
            : 0;
    };
    facts.highestItem = highest(shop.items.index());
    facts.highestCustomer = highest(shop.customers.index());
    return facts;
}

StatusFacts statusFacts(const TillState &state)
{
    StatusFacts facts = statusFacts(static_cast<const Shop &>(state));
    facts.switchOnHour = state.start.switchOnHour;
    facts.switchOnMinute = state.start.switchOnMinute;
    for (size_t i = 0; i < 5; ++i)
        facts.switchOff[i] = state.start.previousSwitchOff[i];
    return facts;
}

std::string statusScreenTitle(const LocalTime &now)
{
    return "OVIX STATUS " + formatLocaleDate(now.year, now.month, now.day, "dddd MMMM d yyyy");
}

std::vector<StatusLine> statusScreenLines(
    const TillConfig &config, const StatusFacts &facts, const LocalTime &now)
{
    std::vector<StatusLine> lines;
    const auto add = [&lines](std::string caption, std::string value) {
        lines.push_back({ std::move(caption), std::move(value) });
    };
    const auto gap = [&add] { add("", ""); };

    add("Ontime", cformat("%02d:%02d", facts.switchOnHour, facts.switchOnMinute));
    add("Offtime", timeAndDate(facts.switchOff));
    add("Backup", timeAndDate(facts.backup));
    gap();
    add("Inventory on the system", cformat("%d", clampedToInt(facts.itemsOnFile)));
    add("Highest inventory number", cformat("%" PRId64, facts.highestItem));
    add("Customers on the system", cformat("%d", clampedToInt(facts.customersOnFile)));
    add("Highest customer number", cformat("%" PRId64, facts.highestCustomer));
    gap();
    add("Today's till take", centsText(cents(config, cfg::tillTakings)));
    add(cformat("Last %s", kWeekdayNames[weekdayOf(now.year, now.month, now.day)]),
        centsText(moneyCents(config.get(cfg::takingsHistory, kSameWeekdayLastWeek))));
    add("Yesterday's till take", centsText(moneyCents(config.get(cfg::takingsHistory, 0))));
    gap();
    const CalendarDate lastWeekEnd = daysBefore(now, 8);
    const CalendarDate currentWeekEnd = daysBefore(now, 1);
    const int64_t lastWeek = historyCents(config, 7, 7);
    const int64_t currentWeek = historyCents(config, 0, 7);
    add(cformat("W/E %d/%d/%d", lastWeekEnd.day, lastWeekEnd.month, lastWeekEnd.year),
        centsText(lastWeek));
    add(cformat("W/E %d/%d/%d", currentWeekEnd.day, currentWeekEnd.month, currentWeekEnd.year),
        centsText(currentWeek));
    if (lastWeek != 0 && currentWeek != 0)
        add(cformat("W/E %d/%d vs W/E %d/%d", currentWeekEnd.day, currentWeekEnd.month,
                lastWeekEnd.day, lastWeekEnd.month),
            percentage(currentWeek, lastWeek));
    else
        add(cformat("W/E %d/%d/%d vs W/E %d/%d/%d", currentWeekEnd.day, currentWeekEnd.month,
                currentWeekEnd.year, lastWeekEnd.day, lastWeekEnd.month, lastWeekEnd.year),
            "0.00%");
    gap();
    for (const Tender &tender : kSales)
        add(tender.caption, countAndAmount(config, tender));
    add("Total sales", centsText(tenderCents(config, kSales)));
    gap();
    for (const Tender &tender : kRefunds)
        add(tender.caption, countAndAmount(config, tender));
    add("Total refunds", centsText(tenderCents(config, kRefunds)));
    gap();
    add("Non Tax Sales", centsText(cents(config, cfg::nonTaxableSales)));
    add("Taxable sales", centsText(cents(config, cfg::taxableSales)));
    add("Tax 1", centsText(cents(config, cfg::taxOneSales)));
    add("Tax 2", centsText(cents(config, cfg::taxTwoSales)));
    add("Total", centsText(cents(config, cfg::salesTotal)));
    gap();
    add("Customer balance payments", "");
    for (const Tender &tender : kBalancePayments)
        add(tender.caption, countAndAmount(config, tender));
    add("Total", centsText(tenderCents(config, kBalancePayments)));
    gap();
    const int64_t netSales = cents(config, cfg::nonTaxableSales) + cents(config, cfg::taxableSales);
    const int64_t cost = cents(config, cfg::costOfSales);
    add("Net sales", centsText(netSales));
    add("Cost of sales", centsText(cost));
    add("Gross profit", centsText(netSales - cost));
    add("Discounts", centsText(cents(config, cfg::discounts)));
    add("Petty cash payments", centsText(cents(config, cfg::pettyCash)));
    add("Cash back", centsText(cents(config, cfg::cashBack)));
    return lines;
}

std::vector<MonthTakings> monthlyTakings(const TillConfig &config, const LocalTime &now)
{
    const long today = daysFromCivil(now.year, now.month, now.day);
    const auto sumOfMonth = [&config, today](int year, int month) {
        int64_t sum = 0;
        for (int day = 1; day <= daysInMonth(year, month); ++day) {
            const long entry = today - daysFromCivil(year, month, day) - 1;
            if (entry >= 0 && entry < kTakingsHistoryDays)
                sum += moneyCents(config.get(cfg::takingsHistory, static_cast<size_t>(entry)));
        }
        return sum;
    };
    std::vector<MonthTakings> months;
    for (int back = 12; back >= 1; --back) {
        const int index = now.year * 12 + (now.month - 1) - back;
        const int year = index / 12;
        const int month = index % 12 + 1;
        const long lastDay = daysFromCivil(year, month, daysInMonth(year, month));
        if (today - lastDay > 366)
            continue;
        months.push_back({ year, month, sumOfMonth(year, month) });
    }
    months.push_back({ now.year, now.month,
        sumOfMonth(now.year, now.month) + moneyCents(config.get(cfg::tillTakings)) });
    return months;
}

std::vector<std::string> statusReportLines(
    const TillConfig &config, const StatusFacts &facts, const LocalTime &now)
{
    static const std::string kTotalIndent(46, ' ');
    std::vector<std::string> rows;
    const auto add = [&rows](std::string text) { rows.push_back(std::move(text)); };
    const int64_t takings = cents(config, cfg::tillTakings);

    add(cformat("%s  %02d:%02d %s", facts.storeName.c_str(), now.hour, now.minute,
        formatLocaleDate(now.year, now.month, now.day, "dddd MMMM d yyyy").c_str()));
    add("Today's till takings: " + centsText(takings));
    add("");
    add("");
    add(cformat("Ontime: %02d:%02d  Transaction number: %d", facts.switchOnHour,
        facts.switchOnMinute, config.get(cfg::nextTransactionNumber)));
    add(cformat("Inventory on the system: %d, Customers on the system: %d",
        clampedToInt(facts.itemsOnFile), clampedToInt(facts.customersOnFile)));
    add(cformat("Today transactions: %" PRId64 " Items: %" PRId64,
        config.get(cfg::todayTransactionCount), config.get(cfg::todayItemCount)));
    add(cformat("Yesterday transactions: %" PRId64 " Items: %" PRId64,
        config.get(cfg::yesterdayTransactionCount), config.get(cfg::yesterdayItemCount)));
    add(cformat("Today vs. last %s: ", kWeekdayNames[weekdayOf(now.year, now.month, now.day)])
        + percentage(takings, moneyCents(config.get(cfg::takingsHistory, kSameWeekdayLastWeek))));
    const int64_t lastWeek = historyCents(config, 7, 7);
    const int64_t currentWeek = historyCents(config, 0, 7);
    add("Current vs. last week: " + percentage(currentWeek, lastWeek));
    add("Last weeks total: " + centsText(lastWeek));
    add("Current weeks total: " + centsText(currentWeek));
    add("");
    add(cformat("New customers: %" PRId64, config.get(cfg::newCustomersToday)));
    add("");
    for (const Tender &tender : kSales)
        add(std::string(tender.caption) + " " + countAndAmount(config, tender));
    add(kTotalIndent + centsText(tenderCents(config, kSales)));
    for (const Tender &tender : kRefunds)
        add(std::string(tender.caption) + " " + countAndAmount(config, tender));
    add(kTotalIndent + "(" + centsText(tenderCents(config, kRefunds)) + ")");
    add("Nontaxable sales: " + centsText(cents(config, cfg::nonTaxableSales)));
    add("Taxable sales: " + centsText(cents(config, cfg::taxableSales)));
    add("Sub total: " + centsText(cents(config, cfg::subtotalSales)));
    add("Tax 1: " + centsText(cents(config, cfg::taxOneSales)));
    add("Tax 2: " + centsText(cents(config, cfg::taxTwoSales)));
    add(std::string(43, ' ') + "Total: " + centsText(cents(config, cfg::salesTotal)));
    add("");
    add("Balance payments cash " + countAndAmount(config, kBalancePayments[0]));
    add("Balance payments CH " + countAndAmount(config, kBalancePayments[1]));
    add("Balance payments EFT " + countAndAmount(config, kBalancePayments[2]));
    add("Total: " + centsText(tenderCents(config, kBalancePayments)));
    add("(Excludes petty cash payments: " + centsText(cents(config, cfg::pettyCash)) + ")");
    add("(Excludes cash back: " + centsText(cents(config, cfg::cashBack)) + ")");
    add("");
    const int64_t netSales = cents(config, cfg::nonTaxableSales) + cents(config, cfg::taxableSales);
    const int64_t cost = cents(config, cfg::costOfSales);
    add("Net sales: " + centsText(netSales));
    add("Cost of sales: " + centsText(cost));
    add("Gross profit: " + centsText(netSales - cost));
    add("");
    if (config.get(cfg::omitMonthlyTotals) != 2) {
        add("Monthly till totals:");
        for (const MonthTakings &month : monthlyTakings(config, now))
            add(cformat("%-10s %d: ", kMonthNames[month.month - 1], month.year)
                + centsText(month.cents));
        add("(Excludes credit sales, refunds and petty cash payments.");
        add(" Includes customer balance payments).");
    }
    return rows;
}

void printStatusReport(
    PrintDevice &device, const TillConfig &config, const StatusFacts &facts, const LocalTime &now)
{
    const int lineHeight = device.lineHeight();
    const std::vector<std::string> rows = statusReportLines(config, facts, now);
    for (size_t row = 0; row < rows.size(); ++row) {
        const int y = static_cast<int>(row) * lineHeight;
        if (lineHeight > 0 && y + lineHeight > device.printableHeight())
            break;
        if (!rows[row].empty())
            device.drawText(0, y, rows[row], TextAlign::Left);
    }
}

} // namespace ovix
