#include "sales/logic/transaction_numbers.h"

#include "platform/c_format.h"
#include "platform/clock.h"
#include "platform/data_dir.h"
#include "platform/file.h"
#include "store/till_config.h"
#include "store/time_stamp.h"
#include "sales/logic/sales_archive.h"
#include "sales/logic/till_state.h"

#include <algorithm>
#include <climits>
#include <vector>

namespace ovix {

namespace {

// The numbers the year index and the day's sales log hold that a till could
// have handed out (1 to 2147483647); nothing when a file cannot be read.
std::optional<std::vector<int32_t>> heldNumbers(const DataDir &dir, const LocalTime &day)
{
    const std::optional<std::vector<YearIndexEntry>> index = readYearIndex(dir, day.year);
    const std::optional<std::vector<TransactionRecord>> sales
        = readDayTransactions(dir, day.year, day.month, day.day);
    if (!index || !sales)
        return std::nullopt;
    std::vector<int32_t> held;
    held.reserve(index->size() + sales->size());
    for (const YearIndexEntry &entry : *index) {
        const int32_t number = entry.transactionNumber;
        if (number > 0)
            held.push_back(number);
    }
    for (const TransactionRecord &sale : *sales) {
        const int64_t number = sale.transactionNumber;
        if (number > 0 && number <= INT32_MAX)
            held.push_back(static_cast<int32_t>(number));
    }
    return held;
}

// The first number from `from` on that the sorted `held` lacks, else the
// first from 1 on.
int32_t firstGap(const std::vector<int32_t> &held, int32_t from)
{
    for (const int32_t start : { from, 1 }) {
        int64_t candidate = start;
        for (auto at = std::lower_bound(held.begin(), held.end(), start);
             at != held.end() && *at <= candidate; ++at) {
            if (*at == candidate)
                ++candidate;
        }
        if (candidate <= INT32_MAX)
            return static_cast<int32_t>(candidate);
    }
    return 1; // every positive number held: no archive is that large
}

} // namespace

std::optional<ArchivedNumbers::Sizes> ArchivedNumbers::sizesOf(
    const DataDir &dir, const LocalTime &day)
{
    Sizes sizes;
    for (auto [name, size] : { std::pair { yearIndexName(day.year), &sizes.yearIndex },
             std::pair {
                 dayFileName(day.year, day.month, day.day, kSalesLogName), &sizes.salesLog } }) {
        const std::string path = dir.path(name);
        if (isDirectory(path))
            return std::nullopt;
        if (!fileExists(path))
            continue;
        *size = fileSize(path);
        if (*size < 0)
            return std::nullopt;
    }
    return sizes;
}

bool ArchivedNumbers::isFor(const LocalTime &day) const
{
    return known_ && year_ == day.year && month_ == day.month && day_ == day.day;
}

std::optional<int32_t> ArchivedNumbers::firstFree(
    const DataDir &dir, const LocalTime &day, int32_t wanted)
{
    wanted = std::max(wanted, 1);
    const std::optional<Sizes> sizes = sizesOf(dir, day);
    if (!sizes) {
        known_ = false;
        return std::nullopt;
    }
    if (!isFor(day) || !(*sizes == sizes_)) {
        std::optional<std::vector<int32_t>> held = heldNumbers(dir, day);
        if (!held) {
            known_ = false;
            return std::nullopt;
        }
        highest_ = held->empty() ? 0 : *std::max_element(held->begin(), held->end());
        known_ = true;
        year_ = day.year;
        month_ = day.month;
        day_ = day.day;
        sizes_ = *sizes;
    }
    if (wanted > highest_)
        return wanted;
    if (highest_ < INT32_MAX)
        return highest_ + 1;
    // Nothing follows the highest: look for a gap. Only a damaged file gets
    // here, so reading the files again each time costs nothing in a sound shop.
    std::optional<std::vector<int32_t>> held = heldNumbers(dir, day);
    if (!held)
        return std::nullopt;
    std::sort(held->begin(), held->end());
    return firstGap(*held, wanted);
}

void ArchivedNumbers::noteArchived(const DataDir &dir, const LocalTime &day, int32_t number)
{
    const std::optional<Sizes> sizes = sizesOf(dir, day);
    if (!sizes || !isFor(day)) {
        known_ = false;
        return;
    }
    sizes_ = *sizes;
    highest_ = std::max(highest_, number);
}

std::string numberMovedOnLogText(
    const LocalTime &now, int32_t offered, int32_t highest, int32_t next)
{
    return "\r\n" + logTimePrefix(makeTimeStamp(now))
        + cformat("  Transaction number %d of wr.cfg does not follow the archive "
                  "(highest %d): %d is next.\r\n",
            offered, highest, next);
}

std::string moveNextNumberPastArchive(TillState &state, const LocalTime &now, int32_t stored)
{
    const int32_t offered = state.config.get(cfg::nextTransactionNumber);
    const std::optional<int32_t> next = state.archivedNumbers.firstFree(state.dir, now, offered);
    if (!next || *next == offered)
        return {};
    state.config.set(cfg::nextTransactionNumber, *next);
    if (*next == stored)
        return {};
    return numberMovedOnLogText(now, stored, state.archivedNumbers.highest(), *next);
}

} // namespace ovix
