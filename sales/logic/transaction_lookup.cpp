#include "sales/logic/transaction_lookup.h"

#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/messages.h"
#include "sales/logic/sales_archive.h"
#include "store/till_config.h"

#include <algorithm>
#include <charconv>

namespace ovix {

CalendarDay historyStartDay(const TillConfig &config, const LocalTime &today)
{
    const CalendarDay last { today.year, today.month, today.day };
    CalendarDay first;
    first.year = std::clamp(config.get(cfg::historyStart, 2), 1980, std::max(1980, today.year));
    first.month = std::clamp(config.get(cfg::historyStart, 1), 1, 12);
    first.day = std::clamp(config.get(cfg::historyStart, 0), 1, 31);
    // 31 April becomes 30 April, 29 February of a common year the 28th.
    while (first.day > 28 && !isRealDay(first))
        --first.day;
    if (isRealDay(last) && last < first)
        first = last;
    return first;
}

std::optional<int64_t> lookUpNumberTyped(std::string_view typed)
{
    while (!typed.empty() && typed.front() == ' ')
        typed.remove_prefix(1);
    while (!typed.empty() && typed.back() == ' ')
        typed.remove_suffix(1);
    int64_t number = 0;
    const auto [end, error] = std::from_chars(typed.data(), typed.data() + typed.size(), number);
    if (typed.empty() || typed.front() == '-' || typed.front() == '+' || error != std::errc()
        || end != typed.data() + typed.size())
        return std::nullopt;
    if (number < kLowestLookUpNumber || number > kHighestLookUpNumber)
        return std::nullopt;
    return number;
}

std::optional<int64_t> askTransactionNumber(Messages &messages)
{
    const std::optional<std::string> typed
        = messages.askText("Transaction number (Enter to list)", "Display transaction");
    if (!typed)
        return std::nullopt;
    if (typed->find_first_not_of(' ') == std::string::npos)
        return 0;
    return lookUpNumberTyped(*typed);
}

int64_t lastTransactionNumber(const TillConfig &config)
{
    return static_cast<int64_t>(config.get(cfg::nextTransactionNumber)) - 1;
}

TransactionHistory::TransactionHistory(
    const DataDir &dir, const TillConfig &config, const LocalTime &today)
    : dir_(dir)
    , first_(historyStartDay(config, today))
    , lastYear_(today.year)
{
}

void TransactionHistory::readIndexes()
{
    if (indexesRead_)
        return;
    indexesRead_ = true;
    for (int year = first_.year; year <= lastYear_; ++year) {
        const std::optional<std::vector<YearIndexEntry>> entries = readYearIndex(dir_, year);
        if (!entries)
            continue;
        for (const YearIndexEntry &entry : *entries)
            places_.emplace(entry.transactionNumber, Place { year, entry.month, entry.day });
    }
}

bool TransactionHistory::readDay(const CalendarDay &day)
{
    if (dayRead_ && *dayRead_ == day)
        return true;
    dayRead_.reset();
    dayRecords_.clear();
    dayLines_.clear();
    if (!fileExists(dir_.path(dayFileName(day.year, day.month, day.day, kSalesLogName))))
        return false;
    std::optional<std::vector<TransactionRecord>> records
        = readDayTransactions(dir_, day.year, day.month, day.day);
    if (!records)
        return false;
    dayRecords_ = std::move(*records);
    // Lines that cannot be read leave the transaction without lines; its
    // record is still shown.
    std::optional<std::vector<SoldItemRecord>> lines
        = readDayLines(dir_, day.year, day.month, day.day);
    if (lines)
        dayLines_ = std::move(*lines);
    dayRead_ = day;
    return true;
}

std::optional<FoundTransaction> TransactionHistory::find(int64_t number, Messages &messages)
{
    if (number < kLowestLookUpNumber || number > kHighestLookUpNumber)
        return std::nullopt;
    readIndexes();
    const auto place = places_.find(number);
    if (place == places_.end())
        return std::nullopt;
    const CalendarDay day { place->second.year, place->second.month, place->second.day };
    if (!readDay(day)) {
        reportProblem(messages, unableToOpenMessage(ArchiveFile::SalesLog));
        return std::nullopt;
    }
    const auto record = std::find_if(dayRecords_.begin(), dayRecords_.end(),
        [number](const TransactionRecord &r) { return r.transactionNumber == number; });
    if (record == dayRecords_.end())
        return std::nullopt;
    FoundTransaction found;
    found.day = day;
    found.record = *record;
    found.lines = linesOfTransaction(dayLines_, number);
    return found;
}

std::optional<FoundTransaction> TransactionHistory::next(
    int64_t after, bool discountedOnly, Messages &messages)
{
    readIndexes();
    for (int64_t number = after + 1; number <= kHighestLookUpNumber; ++number) {
        const auto place = places_.find(number);
        if (place == places_.end())
            break;
        if (!readDay({ place->second.year, place->second.month, place->second.day })) {
            reportProblem(messages, unableToOpenMessage(ArchiveFile::SalesLog));
            return std::nullopt;
        }
        std::optional<FoundTransaction> found = find(number, messages);
        if (!found)
            break;
        if (!discountedOnly || found->record.discount > 0)
            return found;
    }
    reportProblem(messages, "End of list.");
    return std::nullopt;
}

} // namespace ovix
