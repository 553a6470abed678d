#pragma once
// What the "Custom receipt" dialog shows and how it stores the custom
// receipt's layout into the configuration block: the line of every receipt
// field, the three free texts, the cutter sequence and port, the blank lines
// at the end and the receipt's own options.
//
// As on the configuration pages: typed text as typed (Windows-1252), list
// positions 0-based (-1 = nothing chosen), check boxes as bool.

#include "print/logic/receipt.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace ovix {

class Messages;
class TillConfig;

// The label of each receipt field in the dialog, by field number.
inline constexpr std::array<const char *, kReceiptFieldCount> kReceiptFieldLabels = {
    "Store name",
    "Store Address 1",
    "Store Address 2",
    "Store Address 3",
    "Store Address 4",
    "Store telephone",
    "Date",
    "By line",
    "Customer number",
    "Customer name",
    "Non taxable",
    "Taxable",
    "Tax 1",
    "Tax 2",
    "Total",
    "Clerk",
    "Receipt",
    "Total tendered",
    "Cash change",
    "Text 1",
    "Text 2",
    "Text 3",
    "Payment type",
    "Address 1",
    "Address 2",
    "Address 3",
    "Address 4",
    "Customer phone",
};
// The sale's note is placed like a footer field but is not one of the fields.
inline constexpr const char *kTransactionNoteLabel = "Transaction note";

// True for the fields placed counting from the top of the receipt; the others
// count from the last item.
bool isHeaderField(ReceiptField field);

inline constexpr const char *kHeaderLinesNote
    = "The header line value is the number of lines from the top of the receipt that the item "
      "is printed (1-40). A zero value omits.";
inline constexpr const char *kFooterLinesNote
    = "The footer line value is the number of lines from the last item (1-40). A zero value "
      "omits.";
inline constexpr const char *kCutterSequenceHint = "Say 27,112,0,75,250";

// The free texts and the cutter sequence keep at most this many characters.
inline constexpr size_t kCustomReceiptTextLength = 48;
inline constexpr int kBlankLinesChoices = 20; // "1" ... "20"
inline constexpr int kCutterPortChoices = 10; // COM1 ... COM8, LPT1, LPT2

struct CustomReceiptSettings {
    std::array<std::string, kReceiptFieldCount> lines; // typed line value per field
    std::string noteLine; // "Transaction note"
    std::array<std::string, 3> texts; // "Text 1", "Text 2", "Text 3"
    std::string cutterSequence;
    int cutterPortIndex = -1; // 0-7 COM1-COM8, 8 LPT1, 9 LPT2
    int blankLinesIndex = -1; // 0-19 for "1" ... "20"
    bool itemsCentred = false;
    bool barcode = false;
    bool logo = false;
    bool secondCurrency = false;
    bool markExempt = false;
    bool excludingTax = false; // "Items (Excluding tax)", else "Items (Including tax)"
};

// The stored layout; line values outside 0-40 show as 0, the lists clamped
// to what they offer.
CustomReceiptSettings loadCustomReceiptSettings(const TillConfig &config);

// What is wrong with a typed cutter sequence, or nothing when the cutter can
// be sent every byte of it. Empty is fine (no cutter). Each item between
// commas must be a number 0-255 (blanks around it allowed; an empty item is a
// 0 byte), and the whole sequence must fit the 32 characters a port
// sequence is read to, so that no byte is dropped on the way.
std::optional<std::string> cutterSequenceProblem(std::string_view sequence);

// Stores `settings` into `config`. A cutter sequence with a problem is told
// (caption "Problem") and nothing at all is stored: false. Otherwise each
// line value is taken only when it is a whole number 0-40, the previous value
// staying for anything else; the texts keep 48 characters; each list only
// when its index is in range; the boxes 2 or 0, except "Include logo" which
// stores 0 when ticked and 2 when not.
bool applyCustomReceiptSettings(
    TillConfig &config, const CustomReceiptSettings &settings, Messages &messages);

} // namespace ovix
