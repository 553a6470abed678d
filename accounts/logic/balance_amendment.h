#pragma once
// "Amend balance": the owner sets what a customer owes by hand, a correction
// outside any transaction. The record and the activity log's "Credit
// amendment" block are written in one all-or-nothing update (file_update.h);
// nothing goes into the archive.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ovix {

class Messages;
class TillState;
struct CustomerRecord;
struct LocalTime;

// The prompt's title, "%I64d %s, owed:" (number, name), UTF-8.
std::string amendBalanceTitle(const CustomerRecord &customer);
// The balance the prompt starts with, "%.2f".
std::string balanceText(const CustomerRecord &customer);

// The balance typed at the prompt in whole cents, two decimals at most kept
// (rounded as "%.2f" rounds), a leading minus for a credit in the customer's
// favour; nothing when the text is no number or 10000000 or more away from 0.
std::optional<int64_t> typedBalanceCents(std::string_view typed);

// The activity log's block of an amendment, CR LF line ends.
std::string creditAmendmentLogBlock(
    const CustomerRecord &customer, float before, float after, const LocalTime &now);

// Sets the balance of customer `customerNumber`, read anew from member.dat, to
// the typed amount at the present time (localNow()). Text that is no amount is
// refused ("The balance must be an amount such as 120.50 or -20.00", caption
// "Problem") and nothing changes. A record or log that cannot be written
// changes nothing and is told; an activity log that cannot be opened gives
// "Data file: bun4.dat, not present." (caption "Fatal error") with the
// balance changed but no confirmation; otherwise "Updated" (caption
// "Customer"). True when the balance was changed.
bool amendBalance(
    TillState &state, int64_t customerNumber, std::string_view typed, Messages &messages);

} // namespace ovix
