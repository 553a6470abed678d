#include "reports/logic/item_report.h"

#include "platform/c_format.h"
#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/messages.h"
#include "print/logic/print_device.h"
#include "reports/logic/report_dates.h"
#include "reports/logic/report_money.h"
#include "sales/logic/sales_archive.h"
#include "store/fixed_text.h"

#include <algorithm>
#include <cinttypes>
#include <optional>
#include <unordered_map>

namespace ovix {

TransactionKind transactionKind(const TransactionRecord &record)
{
    const char first = record.paymentType[0];
    const char second = record.paymentType[1];
    switch (first) {
    case 'C':
        if (second == 'a')
            return TransactionKind::Cash;
        if (second == 'H')
            return TransactionKind::Cheque;
        if (second == 'r')
            return TransactionKind::Credit;
        return TransactionKind::Other;
    case 'E': return TransactionKind::Eft;
    case 'S': return TransactionKind::Split;
    case 'R': return TransactionKind::Refund;
    case 'P': return TransactionKind::Payment;
    default: return TransactionKind::Other;
    }
}

namespace {

bool excluded(TransactionKind kind, const ItemFilter &filter)
{
    switch (kind) {
    case TransactionKind::Payment: return true;
    case TransactionKind::Refund: return filter.excludeRefunds;
    case TransactionKind::Cash: return filter.excludeCash;
    case TransactionKind::Cheque: return filter.excludeCheque;
    case TransactionKind::Eft: return filter.excludeEft;
    case TransactionKind::Credit: return filter.excludeCredit;
    case TransactionKind::Split: return filter.excludeSplit;
    case TransactionKind::Other: return false;
    }
    return false;
}

ItemReportEntry entryOf(const SoldItemRecord &line, bool refund)
{
    const int64_t sign = refund ? -1 : 1;
    ItemReportEntry entry;
    entry.itemNumber = line.itemNumber;
    entry.category = line.category;
    entry.refund = refund;
    entry.nonTaxable = sign * centsOf(line.nonTaxable);
    entry.taxable = sign * centsOf(line.taxable);
    entry.taxOne = sign * centsOf(line.taxOne);
    entry.taxTwo = sign * centsOf(line.taxTwo);
    entry.cost = sign * centsOf(line.cost);
    entry.discount = sign * centsOf(line.discount);
    entry.total = sign * centsOf(line.total);
    return entry;
}

void foldInto(ItemReportEntry &into, const ItemReportEntry &later)
{
    ++into.count;
    into.nonTaxable += later.nonTaxable;
    into.taxable += later.taxable;
    into.taxOne += later.taxOne;
    into.taxTwo += later.taxTwo;
    into.cost += later.cost;
    into.total += later.total;
    if (later.discount > 0)
        into.discount += later.discount;
}

} // namespace

ItemReport buildItemReport(
    const DataDir &dir, const std::vector<CalendarDay> &days, const ItemFilter &filter)
{
    ItemReport report;
    // Each item's sales fold into its first entry; refunds and non-inventory
    // lines stay one entry each.
    std::unordered_map<int64_t, size_t> firstOfItem;
    std::unordered_map<int64_t, size_t> firstLine;
    std::vector<size_t> nextLine;
    constexpr size_t kNone = static_cast<size_t>(-1);
    for (const CalendarDay &day : days) {
        const std::optional<std::vector<TransactionRecord>> transactions
            = readDayTransactions(dir, day.year, day.month, day.day);
        if (!transactions || transactions->empty())
            continue;
        const std::optional<std::vector<SoldItemRecord>> lines
            = readDayLines(dir, day.year, day.month, day.day);
        if (!lines || lines->empty())
            continue;
        // The day's lines of each transaction, chained in the order written.
        firstLine.clear();
        nextLine.assign(lines->size(), kNone);
        for (size_t i = lines->size(); i-- > 0;) {
            const auto [at, added] = firstLine.try_emplace((*lines)[i].transactionNumber, i);
            if (!added) {
                nextLine[i] = at->second;
                at->second = i;
            }
        }
        for (const TransactionRecord &transaction : *transactions) {
            const TransactionKind kind = transactionKind(transaction);
            if (excluded(kind, filter))
                continue;
            const auto found = firstLine.find(int64_t { transaction.transactionNumber });
            if (found == firstLine.end())
                continue;
            const bool refund = kind == TransactionKind::Refund;
            for (size_t index = found->second; index != kNone; index = nextLine[index]) {
                const SoldItemRecord &line = (*lines)[index];
                if (filter.category != 0 && line.category != filter.category - 1)
                    continue;
                ItemReportEntry entry = entryOf(line, refund);
                report.retail += entry.nonTaxable + entry.taxable;
                report.cost += entry.cost;
                report.total += entry.total;
                ++report.items;
                if (!refund && entry.itemNumber != 0) {
                    const auto [at, added]
                        = firstOfItem.try_emplace(entry.itemNumber, report.entries.size());
                    if (!added) {
                        foldInto(report.entries[at->second], entry);
                        continue;
                    }
                }
                entry.description = readText(line.description);
                report.entries.push_back(std::move(entry));
            }
        }
    }
    std::stable_sort(report.entries.begin(), report.entries.end(),
        [](const ItemReportEntry &a, const ItemReportEntry &b) { return a.count > b.count; });
    return report;
}

std::vector<std::string> itemReportLines(const ItemReport &report)
{
    std::vector<std::string> lines;
    lines.reserve(report.entries.size());
    for (const ItemReportEntry &entry : report.entries) {
        lines.push_back(cformat("%s%" PRId64 ", %s, %" PRId64 ", %s, %s, %s, %s, %d",
            entry.refund ? "Refund: " : "", entry.itemNumber, entry.description.c_str(),
            entry.category, centsText(entry.cost).c_str(),
            centsText(entry.nonTaxable + entry.taxable).c_str(),
            centsText(entry.taxOne + entry.taxTwo).c_str(), centsText(entry.total).c_str(),
            entry.count));
    }
    return lines;
}

std::string itemTotalsLine(const ItemReport &report)
{
    return cformat("Items: %d, Cost: %s, Retail: %s", report.items,
        centsText(report.cost).c_str(), centsText(report.retail).c_str());
}

std::vector<CalendarDay> itemCalendarDays(const ItemReportChoice &choice)
{
    switch (choice.period) {
    case ItemPeriod::Daily: return daysFrom(choice.start, choice.start);
    case ItemPeriod::Weekly: return weekFrom(choice.start);
    case ItemPeriod::Monthly: return monthOf(choice.start.year, choice.start.month);
    case ItemPeriod::Range: return daysFrom(choice.start, choice.end);
    }
    return {};
}

std::string itemReportTitle(const ItemReportChoice &choice)
{
    const CalendarDay &s = choice.start;
    const CalendarDay &e = choice.end;
    switch (choice.period) {
    case ItemPeriod::Daily:
        return cformat("Item report   Day %d Month %d %d", s.day, s.month, s.year);
    case ItemPeriod::Weekly:
        return cformat("Item report   Week from day %d month %d %d", s.day, s.month, s.year);
    case ItemPeriod::Monthly: return cformat("Item report   Month %d %d", s.month, s.year);
    case ItemPeriod::Range:
        return cformat("Item report D:%d M:%d Y:%d  to  D:%d M:%d Y:%d", s.day, s.month, s.year,
            e.day, e.month, e.year);
    }
    return "";
}

std::string itemCsvName(const CalendarDay &day)
{
    return cformat("SA%02d%02d.CSV", day.month, day.day);
}

std::string itemCsvBytes(const ItemReport &report)
{
    std::string bytes;
    for (const std::string &line : itemReportLines(report))
        bytes += line + "\r\n";
    return bytes + itemTotalsLine(report);
}

bool saveItemCsv(const std::string &path, const ItemReport &report, Messages &messages)
{
    if (!replaceFileAtomically(path, itemCsvBytes(report))) {
        reportProblem(messages, "Unable to open file.");
        return false;
    }
    reportInfo(messages, "Complete", "File save");
    return true;
}

namespace {

std::string pageHeading(const ItemReportChoice &choice, const std::string &store, int page)
{
    const CalendarDay &s = choice.start;
    const CalendarDay &e = choice.end;
    const std::string date = shortDateOr(s, "%2d/%2d/%d");
    const char *name = store.c_str();
    switch (choice.period) {
    case ItemPeriod::Daily:
        return page == 1 ? cformat("%s Daily item list: %s  page: %d", name, date.c_str(), page)
                         : cformat("%s Daily item list, page: %d", name, page);
    case ItemPeriod::Weekly:
        return page == 1 ? cformat("%s Weekly item list to %s  page: %d", name, date.c_str(), page)
                         : cformat("%s Weekly item list, page: %d", name, page);
    case ItemPeriod::Monthly:
        return page == 1
            ? cformat("%s Monthly item list to %s  page: %d", name, date.c_str(), page)
            : cformat("%s Monthly item list, page: %d", name, page);
    case ItemPeriod::Range:
        return page == 1 ? cformat("%s Item list D:%d M:%d Y:%d to D:%d M:%d Y:%d  page: %d",
                               name, s.day, s.month, s.year, e.day, e.month, e.year, page)
                         : cformat("%s Item list, page: %d", name, page);
    }
    return "";
}

} // namespace

void printItemReport(PrintDevice &device, const ItemReportChoice &choice,
    const std::string &storeName, const ItemReport &report, Messages &)
{
    device.selectFont({ PrintFont::Kind::Arial10, 0, false });
    const int line = std::max(1, device.lineHeight());
    const int height = device.printableHeight();
    // Line n fits while (L + 2) * (n + 1) stays within the page; the heading
    // and one list line at least, so a page always moves the list on.
    const auto fits = [&](int n) { return n <= 2 || (line + 2) * (n + 1) <= height; };
    const auto y = [&](int n) { return (line + 2) * n; };
    const std::vector<std::string> lines = itemReportLines(report);
    size_t next = 0;
    int page = 1;
    while (true) {
        device.drawText(0, 0, pageHeading(choice, storeName, page), TextAlign::Left);
        int n = 2;
        for (; next < lines.size() && fits(n); ++n, ++next)
            device.drawText(0, y(n), lines[next], TextAlign::Left);
        if (next >= lines.size() && fits(n + 1)) {
            device.drawText(0, y(n + 1), itemTotalsLine(report), TextAlign::Left);
            return;
        }
        if (!device.newPage())
            return;
        ++page;
    }
}

} // namespace ovix
