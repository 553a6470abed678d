#include "reports/logic/sales_report.h"

#include "platform/c_format.h"
#include "platform/clock.h"
#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/locale_text.h"
#include "platform/messages.h"
#include "print/logic/print_device.h"
#include "reports/logic/item_report.h"
#include "reports/logic/report_dates.h"
#include "reports/logic/report_money.h"
#include "sales/logic/sales_archive.h"

#include <algorithm>
#include <optional>

namespace ovix {

const std::array<const char *, kSalesColumns> kSalesColumnCaptions
    = { "Non taxable", "Taxable", "Tax 1", "Tax 2", "Total" };

SalesSums &SalesSums::operator+=(const SalesSums &other)
{
    nonTaxable += other.nonTaxable;
    taxable += other.taxable;
    taxOne += other.taxOne;
    taxTwo += other.taxTwo;
    total += other.total;
    return *this;
}

int64_t salesColumn(const SalesSums &sums, int column)
{
    switch (column) {
    case 0: return sums.nonTaxable;
    case 1: return sums.taxable;
    case 2: return sums.taxOne;
    case 3: return sums.taxTwo;
    default: return sums.total;
    }
}

namespace {

template <typename Record> SalesSums sumsOf(const Record &record, float total, int64_t sign = 1)
{
    return { sign * centsOf(record.nonTaxable), sign * centsOf(record.taxable),
        sign * centsOf(record.taxOne), sign * centsOf(record.taxTwo), sign * centsOf(total) };
}

// What one day adds; nothing when the day has no sales log (or, for the item
// report, no line of the item).
std::optional<SalesSums> daySums(const DataDir &dir, const SalesReportChoice &choice,
    const CalendarDay &day)
{
    if (!fileExists(dir.path(dayFileName(day.year, day.month, day.day, kSalesLogName))))
        return std::nullopt;
    const std::optional<std::vector<TransactionRecord>> transactions
        = readDayTransactions(dir, day.year, day.month, day.day);
    if (!transactions)
        return std::nullopt;
    SalesSums sums;
    if (choice.kind != SalesReportKind::Item) {
        for (const TransactionRecord &record : *transactions) {
            if (transactionKind(record) == TransactionKind::Payment)
                continue;
            if (choice.kind == SalesReportKind::Staff && record.clerkNumber != choice.clerk)
                continue;
            sums += sumsOf(record, record.total);
        }
        return sums;
    }
    const std::optional<std::vector<SoldItemRecord>> lines
        = readDayLines(dir, day.year, day.month, day.day);
    if (!lines)
        return std::nullopt;
    for (const TransactionRecord &record : *transactions) {
        const TransactionKind kind = transactionKind(record);
        if (kind == TransactionKind::Payment)
            continue;
        // A refund's lines keep positive amounts in the archive; they subtract.
        const int64_t sign = kind == TransactionKind::Refund ? -1 : 1;
        const int64_t number = record.transactionNumber;
        for (const SoldItemRecord &line : *lines) {
            if (line.transactionNumber == number && line.itemNumber == choice.itemNumber)
                sums += sumsOf(line, line.total, sign);
        }
    }
    if (sums.total == 0)
        return std::nullopt;
    return sums;
}

} // namespace

SalesReport buildSalesReport(const DataDir &dir, const SalesReportChoice &choice)
{
    SalesReport report;
    const std::vector<CalendarDay> days = daysFrom(choice.start, choice.end);
    SalesSums month;
    SalesSums year;
    for (size_t i = 0; i < days.size(); ++i) {
        const CalendarDay &day = days[i];
        if (const std::optional<SalesSums> sums = daySums(dir, choice, day)) {
            month += *sums;
            year += *sums;
            report.period += *sums;
            report.days.push_back({ shortDateOr(day, "%d/%d/%d"), *sums });
        }
        const bool last = i + 1 == days.size();
        const bool monthEnds = last || days[i + 1].month != day.month;
        const bool yearEnds = last || days[i + 1].year != day.year;
        if (monthEnds) {
            report.months.push_back({ cformat("%d of %d", day.month, day.year), month });
            month = {};
        }
        if (yearEnds) {
            report.years.push_back({ cformat("%d", day.year), year });
            year = {};
        }
    }
    return report;
}

std::vector<std::string> salesListEntries(const std::vector<SalesEntry> &entries, int column)
{
    std::vector<std::string> texts;
    texts.reserve(entries.size());
    for (const SalesEntry &entry : entries)
        texts.push_back(cformat(
            "%s  %s", entry.period.c_str(), centsText(salesColumn(entry.sums, column)).c_str()));
    return texts;
}

std::string salesReportTitle(const SalesReportChoice &choice)
{
    const std::string start = shortDateText(choice.start);
    const std::string end = shortDateText(choice.end);
    const char *lead
        = choice.kind == SalesReportKind::Staff ? "Staff sales report: " : "Sales report: ";
    if (!start.empty() && !end.empty())
        return std::string(lead) + start + " to " + end;
    return cformat(" %s%2d/%2d/%d to %2d/%2d/%d", lead, choice.start.day, choice.start.month,
        choice.start.year, choice.end.day, choice.end.month, choice.end.year);
}

void printSalesReport(PrintDevice &device, const std::string &storeName, const std::string &title,
    const SalesSums &sums, const LocalTime &now, Messages &)
{
    device.selectFont({ PrintFont::Kind::Arial10, 0, false });
    const int line = std::max(1, device.lineHeight() + 2);
    const int valueX = 20 * std::max(1, device.averageCharWidth());
    const std::string time = cformat("%02d:%02d", now.hour, now.minute);
    device.drawText(0, 0,
        cformat("%s  %s %s", storeName.c_str(), time.c_str(),
            formatLocaleDate(now.year, now.month, now.day, "dddd MMMM d yyyy").c_str()),
        TextAlign::Left);
    device.drawText(0, line, title, TextAlign::Left);
    const struct {
        const char *label;
        int64_t cents;
    } rows[] = { { "Non taxable", sums.nonTaxable }, { "Taxable", sums.taxable },
        { "Sub total", sums.nonTaxable + sums.taxable }, { nullptr, 0 }, { "Tax 1", sums.taxOne },
        { "Tax 2", sums.taxTwo }, { nullptr, 0 }, { "Total", sums.total } };
    int n = 3;
    for (const auto &row : rows) {
        if (row.label) {
            device.drawText(0, n * line, row.label, TextAlign::Left);
            device.drawText(valueX, n * line, centsText(row.cents), TextAlign::Left);
        }
        ++n;
    }
}

bool checkReportPeriod(const CalendarDay &start, const CalendarDay &end, Messages &messages)
{
    for (const CalendarDay &day : { start, end }) {
        if (day.year < 2000 || day.year > 4000 || day.day < 1 || day.day > 31 || day.month < 1
            || day.month > 12)
            return false;
    }
    if (!isRealDay(start) || !isRealDay(end) || end < start) {
        reportProblem(messages, "Invalid selection");
        return false;
    }
    return true;
}

} // namespace ovix
