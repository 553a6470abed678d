#include "accounts/logic/account_history.h"

#include "platform/c_format.h"
#include "platform/clock.h"
#include "platform/locale_text.h"
#include "store/fixed_text.h"
#include "store/till_config.h"
#include "sales/logic/sales_archive.h"

#include <algorithm>
#include <cinttypes>

namespace ovix {

namespace {

// Gregorian: 2100 has no 29 February.
int monthLength(int month, int year)
{
    return daysInMonth(year, std::clamp(month, 1, 12));
}

} // namespace

ArchiveDay nextArchiveDay(const ArchiveDay &day)
{
    ArchiveDay next = day;
    ++next.day;
    if (next.day > monthLength(next.month, next.year)) {
        next.day = 1;
        ++next.month;
        if (next.month > 12) {
            next.month = 1;
            ++next.year;
        }
    }
    return next;
}

ArchiveDay archiveFirstDay(const TillConfig &config, const LocalTime &today)
{
    ArchiveDay first;
    first.day = std::clamp(config.get(cfg::historyStart, 0), 1, 31);
    first.month = std::clamp(config.get(cfg::historyStart, 1), 1, 12);
    first.year = std::clamp(config.get(cfg::historyStart, 2), 1980, std::max(1980, today.year));
    return first;
}

ArchiveDay archiveDayOf(const LocalTime &time)
{
    return { time.year, time.month, time.day };
}

std::string archiveDayText(const ArchiveDay &day)
{
    std::string text;
    if (day.day >= 1 && day.day <= 31 && day.month >= 1 && day.month <= 12 && day.year >= 1980)
        text = formatLocaleDate(day.year, day.month, day.day, "ddd d MMM yy");
    if (text.empty())
        text = cformat("%d/%d/%d", day.day, day.month, day.year);
    return text;
}

std::vector<CustomerTransaction> customerTransactions(
    const DataDir &dir, int64_t customerNumber, const ArchiveDay &first, const ArchiveDay &last)
{
    std::vector<CustomerTransaction> found;
    for (ArchiveDay day = first; day <= last; day = nextArchiveDay(day)) {
        const std::optional<std::vector<TransactionRecord>> records
            = readDayTransactions(dir, day.year, day.month, day.day);
        if (!records)
            continue;
        for (const TransactionRecord &record : *records) {
            if (record.customerNumber == customerNumber)
                found.push_back({ day, record });
        }
    }
    return found;
}

std::string statementLine(const CustomerTransaction &transaction)
{
    const TransactionRecord &record = transaction.record;
    const std::string type = readText(record.paymentType);
    const std::string date = archiveDayText(transaction.day);
    const int64_t number = record.transactionNumber;
    const double total = record.total;
    if (type == "Cash") {
        return cformat("%s paid sale: %s,  Transaction: %" PRId64 ", Total: %.2f", type.c_str(),
            date.c_str(), number, total);
    }
    if (type == "Payment")
        return cformat("Payment: %s,  Transaction: %" PRId64 ", %.2f", date.c_str(), number, total);
    return cformat("%s sale: %s,  Transaction: %" PRId64 ", Total: %.2f", type.c_str(),
        date.c_str(), number, total);
}

std::vector<std::string> statementLines(
    const std::vector<CustomerTransaction> &transactions, float balance)
{
    std::vector<std::string> lines;
    lines.reserve(transactions.size() + 1);
    for (const CustomerTransaction &transaction : transactions)
        lines.push_back(statementLine(transaction));
    lines.push_back(cformat("Balance: %.2f", static_cast<double>(balance)));
    return lines;
}

} // namespace ovix
