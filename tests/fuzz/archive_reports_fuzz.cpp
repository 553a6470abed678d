// The reports over a day archive of any bytes: the input is the sales log
// and the items log of 2026/3/5 and the day summary thedaily.dat, in that
// order, between lines "\n--\n" (a file past the parts given is missing).
//
// The sales report of the month adds up, in whole cents, what the day's whole
// records hold but the account payments; the item report counts each line
// at most once per record of its transaction and lists the most sold first; the day's items as
// comma-separated text give one line per line of a sale (when no text field
// holds a line break); the day summary is shown page by page, every byte
// once.

#include "archive_fuzz.h"
#include "platform/data_dir.h"
#include "reports/logic/day_items_csv.h"
#include "reports/logic/item_report.h"
#include "reports/logic/log_pages.h"
#include "reports/logic/report_money.h"
#include "reports/logic/sales_report.h"
#include "sales/logic/archive_records.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace ovix;
using ovix::fuzz::must;
namespace fs = std::filesystem;

constexpr CalendarDay kDay{2026, 3, 5};

template <class Record> std::vector<Record> wholeRecords(const std::string &bytes)
{
    std::vector<Record> records;
    for (size_t at = 0; at + sizeof(Record) <= bytes.size(); at += sizeof(Record)) {
        Record record;
        std::memcpy(&record, bytes.data() + at, sizeof record);
        records.push_back(record);
    }
    return records;
}

void checkSalesReport(const DataDir &dir, bool salesPresent, const std::string &sales)
{
    SalesSums expected;
    for (const TransactionRecord &record : wholeRecords<TransactionRecord>(sales)) {
        if (transactionKind(record) == TransactionKind::Payment)
            continue;
        expected.nonTaxable += centsOf(record.nonTaxable);
        expected.taxable += centsOf(record.taxable);
        expected.taxOne += centsOf(record.taxOne);
        expected.taxTwo += centsOf(record.taxTwo);
        expected.total += centsOf(record.total);
    }
    SalesReportChoice choice;
    choice.start = {2026, 3, 1};
    choice.end = {2026, 3, 31};
    const SalesReport report = buildSalesReport(dir, choice);
    must(report.period == expected);
    must(report.days.size() == (salesPresent ? 1u : 0u));
    must(report.months.size() == 1 && report.months[0].sums == expected);
    must(report.years.size() == 1 && report.years[0].sums == expected);
}

// A day's line is counted once for each record of its transaction (a log
// holding one number twice counts its lines twice), never more.
void checkItemReport(const DataDir &dir, const std::string &sales, const std::string &items)
{
    const auto soldLines = wholeRecords<SoldItemRecord>(items);
    size_t lines = 0;
    for (const TransactionRecord &record : wholeRecords<TransactionRecord>(sales)) {
        const int64_t number = record.transactionNumber;
        for (const SoldItemRecord &line : soldLines)
            lines += line.transactionNumber == number ? 1 : 0;
    }
    for (bool withRefunds : {false, true}) {
        ItemFilter filter;
        filter.excludeRefunds = !withRefunds;
        const ItemReport report = buildItemReport(dir, {kDay}, filter);
        must(report.items >= 0 && static_cast<size_t>(report.items) <= lines);
        int counted = 0;
        for (size_t i = 0; i < report.entries.size(); ++i) {
            must(report.entries[i].count >= 1);
            counted += report.entries[i].count;
            if (i > 0)
                must(report.entries[i - 1].count >= report.entries[i].count);
        }
        must(counted == report.items);
        must(itemReportLines(report).size() == report.entries.size());
    }
}

void checkDayItems(const DataDir &dir, const std::vector<std::string> &parts)
{
    const DayItemsCsv csv = dayItemsCsv(dir, 2026, 3, 5, true);
    if (parts.size() < 1) {
        must(csv.status == DayItemsCsvStatus::NoSalesLog && csv.text.empty());
        return;
    }
    if (parts.size() < 2) {
        must(csv.status == DayItemsCsvStatus::NoItemsLog && csv.text.empty());
        return;
    }
    must(csv.status == DayItemsCsvStatus::Written);
    const auto records = wholeRecords<TransactionRecord>(parts[0]);
    const auto lines = wholeRecords<SoldItemRecord>(parts[1]);
    size_t expected = 0;
    for (const TransactionRecord &record : records) {
        if (record.paymentType[0] == 'P' || record.paymentType[0] == 'R')
            continue;
        const int64_t number = record.transactionNumber;
        for (const SoldItemRecord &line : lines)
            expected += line.transactionNumber == number ? 1 : 0;
    }
    size_t breaks = 0;
    for (size_t at = csv.text.find("\r\n"); at != std::string::npos;
         at = csv.text.find("\r\n", at + 2))
        ++breaks;
    const bool plainTexts = parts[0].find_first_of("\r\n") == std::string::npos
                         && parts[1].find_first_of("\r\n") == std::string::npos;
    if (plainTexts)
        must(breaks == expected);
    else
        must(breaks >= expected);
    must(csv.text.empty() || csv.text.ends_with("\r\n"));
}

void checkDaySummary(const std::string &path, bool present, const std::string &summary)
{
    const auto page = readLogPage(path, 0);
    must(page.has_value() == present);
    if (!present)
        return;
    must(*page == summary.substr(0, static_cast<size_t>(kLogPageBytes)));
    must(readLogPage(path, static_cast<int64_t>(summary.size()) + 5) == std::string());
    LogPager pager(path);
    must(pager.first());
    std::string shown = pager.text();
    while (pager.next())
        shown += pager.text();
    must(shown == summary);
    while (pager.previous())
        must(pager.start() >= 0);
    must(pager.start() == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const std::string root = ovix::fuzz::scratchFolder("ovix-reports-fuzz");
    fs::remove_all(root + "/2026");
    fs::create_directories(root + "/2026/3/5");
    const std::vector<std::string> parts = ovix::fuzz::splitParts(
        std::string_view(reinterpret_cast<const char *>(data), size), 3);
    const char *const names[] = {"2026/3/5/saleslog.dat", "2026/3/5/itemslog.dat",
                                 "2026/3/5/thedaily.dat"};
    for (size_t i = 0; i < parts.size(); ++i)
        ovix::fuzz::writeFile(root + "/" + names[i], parts[i]);

    const DataDir dir(root);
    const std::string none;
    checkSalesReport(dir, parts.size() > 0, parts.size() > 0 ? parts[0] : none);
    checkItemReport(dir, parts[0], parts.size() > 1 ? parts[1] : none);
    checkDayItems(dir, parts);
    checkDaySummary(root + "/2026/3/5/thedaily.dat", parts.size() > 2,
                    parts.size() > 2 ? parts[2] : none);
    return 0;
}
