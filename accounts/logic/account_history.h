#pragma once
// A customer's transactions as the day archive holds them, for the payment
// dialog, the statement and the period activity: every day from a first to a
// last one, both included, is read in turn and the records of the customer
// kept. Days without a saleslog.dat are passed over, an unreadable file gives
// nothing, and a torn end is left out.

#include "sales/logic/archive_records.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ovix {

class DataDir;
class TillConfig;
struct LocalTime;

// A day of the archive (year, month, day of its folder).
struct ArchiveDay {
    int year = 0;
    int month = 0;
    int day = 0;
    auto operator<=>(const ArchiveDay &) const = default;
};

// The day after `day` as the archive steps through its folders: the usual
// month lengths, February of 29 days in a year divisible by 4; a day past
// its month's end (31 February) is followed by the 1st of the next month.
ArchiveDay nextArchiveDay(const ArchiveDay &day);

// The archive's first day (the history start of the configuration), a damaged
// value made a day that can exist: day 1-31, month 1-12, year from 1980 to
// the year of `today`.
ArchiveDay archiveFirstDay(const TillConfig &config, const LocalTime &today);

ArchiveDay archiveDayOf(const LocalTime &time);

// The day as the lists show it: the locale's "ddd d MMM yy" when it is a
// date from 1980 on, otherwise "%d/%d/%d" (day, month, year). Windows-1252.
std::string archiveDayText(const ArchiveDay &day);

struct CustomerTransaction {
    ArchiveDay day;
    TransactionRecord record {};
};

// The transactions of customer `customerNumber` from `first` to `last`, in
// the order of the days and, within a day, of completion. Nothing when
// `first` is after `last`.
std::vector<CustomerTransaction> customerTransactions(
    const DataDir &dir, int64_t customerNumber, const ArchiveDay &first, const ArchiveDay &last);

// One line of a statement for a transaction, by its payment type:
// "Cash paid sale: DATE,  Transaction: N, Total: 9.99" for "Cash",
// "Payment: DATE,  Transaction: N, 9.99" for exactly "Payment", and
// "TYPE sale: DATE,  Transaction: N, Total: 9.99" for any other.
std::string statementLine(const CustomerTransaction &transaction);

// The statement's lines: one per transaction, then "Balance: %.2f".
std::vector<std::string> statementLines(
    const std::vector<CustomerTransaction> &transactions, float balance);

} // namespace ovix
