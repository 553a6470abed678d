#pragma once
// Finding an archived transaction by its number: the year indexes from the
// history start's year to this year say which day folder holds it, that day's
// saleslog.dat holds its record and itemslog.dat its lines. Used by "Display
// transaction", the lists' choices, "Next" and "Reprint last receipt
// invoice".
//
// Reading only; a short, torn or damaged archive file gives fewer records,
// never a crash. Window thread only.

#include "platform/clock.h"
#include "platform/day_walk.h"
#include "sales/logic/archive_records.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

namespace ovix {

class DataDir;
class Messages;
class TillConfig;

// Transaction numbers the look-up accepts.
inline constexpr int64_t kLowestLookUpNumber = 1;
inline constexpr int64_t kHighestLookUpNumber = 200000000;

// The first day the look-up reads: the history start of the configuration
// ("The transaction history searched can be set from the Configuration
// menu"), a damaged value made a real day no later than `today`.
CalendarDay historyStartDay(const TillConfig &config, const LocalTime &today);

// The number typed at "Transaction number (Enter to list)": digits only
// (blanks around them allowed), 1..200000000; nothing otherwise.
std::optional<int64_t> lookUpNumberTyped(std::string_view typed);

// Asks "Transaction number (Enter to list)" (caption "Display
// transaction"): the number typed (lookUpNumberTyped), 0 for an empty answer
// (the list of all transactions is wanted), nothing when the prompt was
// cancelled or the answer is no number in range.
std::optional<int64_t> askTransactionNumber(Messages &messages);

// The transaction "Reprint last receipt invoice" shows: the one numbered the
// next transaction number - 1 (0 right after a purge, which finds nothing).
int64_t lastTransactionNumber(const TillConfig &config);

struct FoundTransaction {
    CalendarDay day; // of the archive folder
    TransactionRecord record {};
    // Every line of the day with the transaction's number, in file order.
    std::vector<SoldItemRecord> lines;
};

// One look-up session over the archive as it is now. The year indexes are
// read once, at the first look-up.
class TransactionHistory {
public:
    // `dir` must outlive the object. Years before the history start's and
    // after `today`'s are never read.
    TransactionHistory(const DataDir &dir, const TillConfig &config, const LocalTime &today);

    // Transaction `number`: the first index entry with it names the day, and
    // the first record of that day with it is the one. Nothing, silently, for
    // a number outside 1..200000000, or when no index holds the number or
    // its day's sales log does not;
    // "Unable to open sales log." (caption "Problem") when that file is
    // missing or cannot be read.
    std::optional<FoundTransaction> find(int64_t number, Messages &messages);

    // "Next": transaction `after` + 1, and on past those without a discount
    // when `discountedOnly`. "End of list." (caption "Problem") when there is
    // none.
    std::optional<FoundTransaction> next(int64_t after, bool discountedOnly, Messages &messages);

private:
    struct Place {
        int year = 0;
        int month = 0;
        int day = 0;
    };
    void readIndexes();
    // The day's records and lines, read once per day in a row; false when its
    // sales log cannot be read.
    bool readDay(const CalendarDay &day);

    const DataDir &dir_;
    CalendarDay first_;
    int lastYear_;
    bool indexesRead_ = false;
    std::map<int64_t, Place> places_;
    std::optional<CalendarDay> dayRead_;
    std::vector<TransactionRecord> dayRecords_;
    std::vector<SoldItemRecord> dayLines_;
};

} // namespace ovix
