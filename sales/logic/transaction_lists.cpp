#include "sales/logic/transaction_lists.h"

#include "platform/ask_number.h"
#include "platform/c_format.h"
#include "platform/day_walk.h"
#include "platform/messages.h"
#include "sales/logic/sales_archive.h"
#include "sales/logic/transaction_lookup.h"

#include <algorithm>
#include <cinttypes>

namespace ovix {

namespace {

// The whole number typed between `low` and `high`.
std::optional<int> askNumber(
    Messages &messages, const char *prompt, std::string_view caption, int low, int high)
{
    const std::optional<int64_t> value = askWholeNumber(messages, prompt, caption, low, high);
    return value ? std::optional<int>(static_cast<int>(*value)) : std::nullopt;
}

// Collects list lines up to the limit.
class Collector {
public:
    // False once the limit is passed: the list is then refused.
    bool add(std::string line)
    {
        if (lines_.size() >= kTransactionListLimit) {
            tooMany_ = true;
            return false;
        }
        lines_.push_back(std::move(line));
        return true;
    }
    bool tooMany() const
    {
        return tooMany_;
    }
    std::vector<std::string> take()
    {
        return std::move(lines_);
    }

private:
    std::vector<std::string> lines_;
    bool tooMany_ = false;
};

bool wanted(const TransactionListRequest &request, const CalendarDay &first, int year,
    const YearIndexEntry &entry)
{
    if (year == first.year && CalendarDay { year, entry.month, entry.day } < first)
        return false;
    switch (request.kind) {
    case TransactionListKind::Day:
        return entry.month == request.month && entry.day == request.day;
    case TransactionListKind::Month:
        return entry.month == request.month;
    default:
        return true;
    }
}

void listFromIndexes(const DataDir &dir, const CalendarDay &first, int lastYear,
    const TransactionListRequest &request, Collector &list)
{
    int fromYear = first.year;
    int toYear = lastYear;
    if (request.kind != TransactionListKind::All) {
        fromYear = std::max(first.year, request.year);
        toYear = request.year;
    }
    for (int year = fromYear; year <= toYear; ++year) {
        const std::optional<std::vector<YearIndexEntry>> entries = readYearIndex(dir, year);
        if (!entries)
            continue;
        for (const YearIndexEntry &entry : *entries) {
            if (!wanted(request, first, year, entry))
                continue;
            if (!list.add(cformat("%d on day %d of month %d, %d", entry.transactionNumber,
                    entry.day, entry.month, year)))
                return;
        }
    }
}

void listDiscounted(
    const DataDir &dir, const CalendarDay &first, const LocalTime &today, Collector &list)
{
    for (const CalendarDay &day : daysFrom(first, { today.year, today.month, today.day })) {
        const std::optional<std::vector<TransactionRecord>> records
            = readDayTransactions(dir, day.year, day.month, day.day);
        if (!records)
            continue;
        for (const TransactionRecord &record : *records) {
            if (!(record.discount > 0))
                continue;
            const int64_t number = record.transactionNumber;
            if (!list.add(cformat(
                    "%" PRId64 " on day %d of month %d, %d", number, day.day, day.month, day.year)))
                return;
        }
    }
}

} // namespace

std::optional<TransactionList> listTransactions(const DataDir &dir, const TillConfig &config,
    const LocalTime &today, const TransactionListRequest &request, Messages &messages)
{
    const CalendarDay first = historyStartDay(config, today);
    Collector collected;
    if (request.kind == TransactionListKind::Discounted)
        listDiscounted(dir, first, today, collected);
    else
        listFromIndexes(dir, first, today.year, request, collected);
    if (collected.tooMany()) {
        reportProblem(messages, "Reduce the history on the Configuration menu",
            "Problem, too many transactions");
        return std::nullopt;
    }
    TransactionList list;
    list.lines = collected.take();
    list.invoiceList = request.kind == TransactionListKind::All
        || request.kind == TransactionListKind::Discounted;
    return list;
}

std::optional<TransactionListRequest> askTransactionListPeriod(
    TransactionListKind kind, std::string_view caption, Messages &messages)
{
    TransactionListRequest request;
    request.kind = kind;
    if (kind == TransactionListKind::Day) {
        const std::optional<int> day
            = askNumber(messages, "Please enter the day (1-31)", caption, 1, 31);
        if (!day)
            return std::nullopt;
        request.day = *day;
    }
    if (kind == TransactionListKind::Day || kind == TransactionListKind::Month) {
        const std::optional<int> month
            = askNumber(messages, "Please enter the month (1-12)", caption, 1, 12);
        if (!month)
            return std::nullopt;
        request.month = *month;
    }
    if (kind != TransactionListKind::All && kind != TransactionListKind::Discounted) {
        const std::optional<int> year
            = askNumber(messages, "Please enter the year (yyyy)", caption, 2000, 4000);
        if (!year)
            return std::nullopt;
        request.year = *year;
    }
    return request;
}

std::optional<int64_t> transactionNumberOfListLine(std::string_view line)
{
    return lookUpNumberTyped(line.substr(0, line.find(' ')));
}

} // namespace ovix
