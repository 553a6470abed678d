#pragma once
// The lists of archived transactions the Transactions popup offers: all of
// them, those of one day, one month or one year, and those given a discount.
// Each line begins with the transaction number, which is what choosing it
// looks up (transaction_lookup.h).
//
// No list looks at a year before the history start's, and none takes the
// entries of the start year that lie before its start day and month. A list
// stops at 31000 entries. Reading only; damaged archive files give fewer
// entries, never a crash.

#include "platform/clock.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ovix {

class DataDir;
class Messages;
class TillConfig;

inline constexpr size_t kTransactionListLimit = 31000;

enum class TransactionListKind { All, Day, Month, Year, Discounted };

struct TransactionListRequest {
    TransactionListKind kind = TransactionListKind::All;
    int year = 0; // Day, Month, Year
    int month = 0; // Day, Month
    int day = 0; // Day
};

struct TransactionList {
    // "%d on day %d of month %d, %d": number, day, month, year of the folder.
    std::vector<std::string> lines;
    // The full and the discounted list show "Invoice list" and start on their
    // last line; the others start on their first.
    bool invoiceList = false;
};

// The list `request` asks for, in the order of the year indexes (or, for the
// discounted list, of the days and their sales logs). At 31000 entries "Reduce
// the history on the Configuration menu" (caption "Problem, too many
// transactions") and nothing.
std::optional<TransactionList> listTransactions(const DataDir &dir, const TillConfig &config,
    const LocalTime &today, const TransactionListRequest &request, Messages &messages);

// The day, month and year lists' questions: "Please enter the day (1-31)",
// "Please enter the month (1-12)" and "Please enter the year (yyyy)"
// (2000-4000), as `kind` needs them, under `caption`. Nothing when one is
// cancelled or its answer is out of range.
std::optional<TransactionListRequest> askTransactionListPeriod(
    TransactionListKind kind, std::string_view caption, Messages &messages);

// The transaction number a list line begins with; nothing for a line that
// does not begin with one in 1..200000000.
std::optional<int64_t> transactionNumberOfListLine(std::string_view line);

} // namespace ovix
