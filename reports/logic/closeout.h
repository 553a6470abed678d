#pragma once
// The till closeout and reconciliation: the drawer's figures from the running
// day totals, their printed page and their lines in the activity log; and the
// petty cash paid out of the drawer.
//
// Every figure is in whole cents: each running total is taken as "%.2f" shows
// it and the sums are made in cents, so a total never differs from the sum of
// the figures printed above it.

#include "sales/logic/cents_entry.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ovix {

class DataDir;
class Messages;
class PrintDevice;
class Shop;
class TillConfig;
struct LocalTime;

struct CloseoutFigures {
    int64_t initialTill = 0;
    int64_t cash = 0;          // cash sales and cash balance payments
    int64_t cashRefunds = 0;   // negative
    int64_t pettyCash = 0;     // paid out: negative
    int64_t cashBack = 0;      // given: negative
    int64_t totalCash = 0;
    int64_t cheque = 0;        // CH sales and CH balance payments
    int64_t chequeRefunds = 0; // negative
    int64_t eft = 0;           // EFT sales and EFT balance payments
    int64_t eftRefunds = 0;    // negative
    int64_t tillTotal = 0;
};

// The figures of the running day totals; credit sales and credit refunds
// never enter them.
CloseoutFigures closeoutFigures(const TillConfig &config);

// One row of the closeout and reconciliation dialogs: caption and cents.
struct CloseoutRow {
    const char *caption;
    int64_t cents;
};
// "Initial till", "Cash", "Cash refunds", "Petty cash", "Cash back", "Total
// cash", "Ch", "Ch refunds", "EFT", "EFT refunds", "Till total", in order.
std::vector<CloseoutRow> closeoutRows(const CloseoutFigures &figures);

// The two notes under the figures.
inline constexpr const char *kCloseoutNoteOne = "The figures include customer balance payments "
                                                "and exclude credit sales and credit refunds.";
inline constexpr const char *kCloseoutNoteTwo
    = "Note: The daily totals are automatically reset at the start of each day.";

// Who closes out: the logged-on clerk's number and name (Windows-1252).
struct CloseoutClerk {
    int64_t number = 0;
    std::string name;
};

// The closeout's lines in the activity log, beginning with a blank line;
// petty cash and cash back appear as the positive amounts paid out.
std::string closeoutLogText(const CloseoutFigures &figures, const CloseoutClerk &clerk,
    const LocalTime &now);

// Draws the closeout on one page, one line per row at row × line height:
// the store name and "Till closeout", the time and date, the clerk, then the
// figures (petty cash and cash back negative).
void printCloseout(PrintDevice &device, const std::string &storeName,
    const CloseoutFigures &figures, const CloseoutClerk &clerk, const LocalTime &now);

// Appends the closeout to the activity log. When the log cannot be written,
// "Data file: bun4.dat, not present." (caption "Fatal error") and false: the
// clerk is then not logged off. The day totals are never cleared here.
bool logCloseout(const DataDir &dir, const CloseoutFigures &figures, const CloseoutClerk &clerk,
    const LocalTime &now, Messages &messages);

// Records a petty cash payment: asks "Please enter the amount"; a negative
// amount gives "Negative amount" (caption "Problem") and changes nothing;
// otherwise the amount, rounded to cents (text that is no number counts as
// 0), is added to today's petty cash, wr.cfg is stored and "Recorded" shown
// (caption "Petty cash payment"). False when cancelled or refused.
bool recordPettyCash(Shop &shop, Messages &messages);

// The amount at the start of `text` as a number, as the till reads typed
// amounts: leading blanks skipped, anything that is no number is 0.
double typedAmount(std::string_view text);

} // namespace ovix
