#pragma once
// Completing a paid sale: the sale goes into the day archive, stock comes off
// the items sold, the sale's block goes into the activity log, the day totals
// grow, the transaction number advances and wr.cfg is stored; then the basket
// is cleared.
//
// All of it is one all-or-nothing FileUpdate (file_update.h): after a
// failure, a crash or a power cut at any moment, either the whole sale is on
// the disk or none of it is and its number is still free. Call it before the
// drawer, the pole display, the summary box and the documents, from which
// nothing can then lose a paid sale: they work from the `archived` copy.

#include "store/customer_record.h"
#include "sales/logic/basket.h"

#include <cstdint>
#include <string>

namespace ovix {

class Messages;
class TillState;
struct LocalTime;

enum class CompletionResult {
    NothingToArchive, // the basket held no lines
    Archived, // the sale is on the disk and the basket is empty
    NotArchived, // nothing changed on the disk; the basket is kept
};

// A customer record rewritten in the same update as the sale (the balance and
// counters of a customer payment), so that the two never disagree.
struct CustomerRecordUpdate {
    int64_t slot = 0;
    CustomerRecord record {};
};

struct CompletionOptions {
    // Receives the sale as archived (its transaction number and day sequence
    // set) when the result is Archived; not owned.
    Basket *archived = nullptr;
    // Rewritten with the sale when given; not owned.
    const CustomerRecordUpdate *customer = nullptr;
};

// Completes the paid sale in `basket` at the present time (localNow()).
//
// A basket with no lines is left alone. A line count outside 0..400 is a
// damaged basket: "No items" (caption "Problem"), the basket is cleared.
// The sale takes the next transaction number of the configuration, unless
// the archive of today (the year index or saleslog.dat) already holds it:
// then the first free number after the archive's highest
// (ArchivedNumbers::firstFree), said once in the activity log, and a
// customer record stamped with the offered number names the one used. Its
// day sequence is today's transaction count + 1. Time and date texts and the
// clerk number left empty by the payment are filled in from the clock and
// the logged-on clerk.
//
// When today's archive folder or the year index is missing (the first sale
// after midnight without a restart), the folders are made and the clerk is
// warned ("Otherwise transactions will not archive correctly", caption
// "IMPORTANT - DO NOT run the program over the midnight boundary"); the day
// totals are not rolled over until the next start.
//
// An archive file whose end is torn with no journal to explain it is cut
// back to its last whole record before the sale is appended; the cut bytes
// are kept in a side file beside it (sales_archive.h), and once the sale is
// complete the clerk is told where ("... ended in N bytes that are no whole
// record. They were cut off and kept in ...", caption "Problem"), as is the
// activity log, ahead of the sale's block.
//
// Lines that cannot reach their item are still archived, in category 18, and
// take no stock: an item no longer on file ("Invalid entry", caption
// "Problem") or film.dat that cannot be read. An activity log that cannot be
// opened or written ("Data file: bun4.dat, not present.", caption "Fatal
// error") is left as it was. These are told after the sale is complete.
//
// Anything else that fails - an archive file, film.dat, member.dat, wr.cfg or
// the journal itself - undoes the whole update: the message names the file
// ("Unable to open sales log.", "Data file: wr.cfg, not present.", ...), then
// the clerk is told the sale was not recorded. The result is then
// NotArchived, the configuration in memory and the basket are unchanged, and
// the sale can be completed again once the fault is put right.
CompletionResult completeTransaction(
    TillState &state, Basket &basket, Messages &messages, const CompletionOptions &options = {});

// The date text of a transaction: the locale's "ddd d MMM yy" when it is
// fewer than 20 characters, otherwise "D:%2d M:%2d Y:%d" (day, month, year).
// Windows-1252.
std::string transactionDateText(const LocalTime &time);
// The time text of a transaction, "HH:MM".
std::string transactionTimeText(const LocalTime &time);

} // namespace ovix
