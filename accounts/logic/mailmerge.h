#pragma once
// The mailmerge (Utilities, "Mailmerge"): a letter with the shop's own text
// between "Dear Sir / Madam," and "Yours sincerely," to every customer of a
// number range, or only to those who owe money or have not been in this
// year. One page per customer, drawn in text lines of the printer's font;
// member.dat is only read.

#include "platform/clock.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ovix {

class Messages;
class PrintDevice;
class Shop;
class StoreHeading;
struct CustomerRecord;

enum class MailmergeSelection {
    All, // "All"
    OweMoney, // "Owe money": a balance above 0.00
    NotActiveThisYear, // "Not active this year": last used in another year, or never
};

struct MailmergeRange {
    int64_t start = 0;
    int64_t end = 0;
};

// The "Start customer" and "End customer" the dialog opens with: the lowest
// and the highest customer number on file, 1 and 1 when there is none.
MailmergeRange mailmergePresets(const Shop &shop);

// The range typed as the dialog's two boxes (their leading numbers); nothing
// when the start is 0 or less or the end below the start, and the run ends
// without a word.
std::optional<MailmergeRange> mailmergeRange(std::string_view start, std::string_view end);

// Whether `customer` gets a letter under `selection` in the year `thisYear`.
// The year of "Last used" is the number from its twelfth character on (the
// year of "HH:MMDD/MM/YYYY"); a stamp of 11 characters or less ("NEW", or
// empty) counts as not active this year.
bool mailmergeTakes(MailmergeSelection selection, const CustomerRecord &customer, int thisYear);

// The customers numbered start..end that the selection takes, in number
// order, read from member.dat. Nothing, with the record file's message
// ("Data file: member.dat, not present.", caption "Fatal error"), when a
// record cannot be read: the run ends.
std::optional<std::vector<CustomerRecord>> mailmergeCustomers(const Shop &shop,
    MailmergeRange range, MailmergeSelection selection, int thisYear, Messages &messages);

// The lines `text` (Windows-1252) prints as on `device`: a carriage return
// ends a line and the line feed after it is skipped (a line feed alone ends a
// line too); a line wider than the printable width is broken at its last
// space, the space dropped and the rest carried to the next line, or, without
// a space, before the character that made it too wide. A break at the very
// end of the text adds no empty line.
std::vector<std::string> mailmergeLines(std::string_view text, const PrintDevice &device);

// "%d %s %d": day, month name ("Jan" to "Dec"), year.
std::string mailmergeDate(const LocalTime &today);

// What every letter of a run shares. The heading is not owned.
struct MailmergePrint {
    const StoreHeading &heading;
    std::string text; // Windows-1252, lines separated by CR LF
    LocalTime today;
};

// Draws the letter to `customer` on the current page: the six heading lines
// centred from line 2; 4 lines down "%s %s %s" (title, initials, name) and
// the address lines that are not empty; the date at the right edge; 4 lines
// down "Dear Sir / Madam,           Customer number: %I64d"; 2 lines down the
// text; after a blank line "Yours sincerely,", 6 lines down 19 hyphens and
// "Manager".
void printMailmergeLetter(
    PrintDevice &device, const MailmergePrint &print, const CustomerRecord &customer);

// One letter per customer, each on a page of its own; a page the printer
// refuses to start ends the run there.
void printMailmerge(PrintDevice &device, const MailmergePrint &print,
    const std::vector<CustomerRecord> &customers);

} // namespace ovix
