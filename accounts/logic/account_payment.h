#pragma once
// Payments on a customer's account ("Balance payment", "Balance pay on
// transaction"): the customer pays off what the account owes in cash, by
// cheque (CH) or by card (EFT, without the card terminal's link).
//
// A payment is a transaction of its own, completed as a sale is: in one
// all-or-nothing update (transaction_archiving.h) the customer's record takes
// the new balance, the last payment's stamp and the transaction's number;
// the archive takes a TransactionRecord of payment type "Payment (cash)",
// "Payment (ch)" or "Payment (eft)" with no lines; wr.cfg takes the day
// totals and the next transaction number; the activity log takes the
// payment's block. Only then do the drawer, the pole display and the summary
// box run, from a copy. A payment that fails changes no file.

#include "sales/logic/archive_records.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ovix {

class DataDir;
class Messages;
class SaleDevices;
class TillConfig;
class TillState;
struct CustomerRecord;
struct LocalTime;

enum class AccountPaymentMethod { Cash, Cheque, Eft };

// What the "Payment" dialog shows of the customer; texts UTF-8.
struct AccountPaymentView {
    int64_t number = 0;
    std::string name;
    std::string lastPurchase; // "HH:MM " and the date; "" when never
    std::string lastPayment; // the same
    std::string terms; // "30 days, 2% disc"
    std::string balance; // "%.2f"
    // The customer's transactions from the archive's first day to today,
    // "%s,  %I64d, %.2f" (date, transaction number, total).
    std::vector<std::string> transactions;
};
AccountPaymentView accountPaymentView(
    const TillState &state, const CustomerRecord &customer, const LocalTime &today);

// A record's time stamp (read up to its NUL) as the payment dialog shows it: "HH:MM " and
// the date as the lists show it; "" for an empty stamp or "NEW".
std::string stampShownWithTime(std::string_view stamp);

// The amount typed into "Pay", in whole cents after rounding to two decimals
// (12.345 is 12.35); nothing when it is not a number above 0 and below
// 10000000.
std::optional<int64_t> typedPaymentCents(std::string_view typed);

enum class AccountPaymentResult {
    Paid, // on the disk; devices run; "Updated" told
    Refused, // the amount is no payment: told, the dialog stays
    Cancelled, // "Exceeds amount due" cancelled: nothing changed
    NotRecorded, // the customer or a file failed: told, no file changed
};

// Takes a payment of `typedAmount` (the "Pay" box) from customer
// `customerNumber`, read anew from member.dat, at the present time
// (localNow()). A payment above the balance asks "Continue" (caption
// "Exceeds amount due") first; the balance may go below 0, a credit in the
// customer's favour. On success the day's takings grow by the amount, as do
// the method's balance-payment count and amount and the day's transaction
// count; the clerk is told what was held back (a torn archive end cut off,
// "Data file: bun4.dat, not present."), the drawer opens and the pole shows
// the amount when they are in use, the summary box shows the payment unless
// it is switched off, and "Updated" (caption "Customer") is told.
AccountPaymentResult takeAccountPayment(TillState &state, int64_t customerNumber,
    std::string_view typedAmount, AccountPaymentMethod method, Messages &messages,
    SaleDevices &devices);

// "Balance pay on transaction": the typed transaction number, 1-200000000;
// nothing for any other text.
std::optional<int32_t> typedTransactionNumber(std::string_view typed);

// The "Invoice list": one line "%d on day %d of month %d, %d" (transaction
// number, day, month, year) per entry of the year indexes from the archive's
// first day to this year. More than 31000 lines are too many: then no lines.
struct InvoiceList {
    std::vector<std::string> lines;
    bool tooMany = false;
};
inline constexpr size_t kInvoiceListCapacity = 31000;
InvoiceList invoiceList(const DataDir &dir, const TillConfig &config, const LocalTime &today);

// The transaction number at the start of an "Invoice list" line.
std::optional<int32_t> transactionNumberOfLine(std::string_view line);

// The customer of transaction `number`, found through the year indexes from
// 2002 (or the archive's first year) to this year and the day's saleslog.dat.
// Nothing, silently, when no index holds the number or its day's file does
// not; "Unable to open sales log." when that file is missing or unreadable,
// "No customer associated with transaction" when the transaction has no
// customer or its customer is no longer on file (caption "Problem").
std::optional<int64_t> customerOfTransaction(
    const TillState &state, int32_t number, const LocalTime &today, Messages &messages);

} // namespace ovix
