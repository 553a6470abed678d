#pragma once
// The record fields an import fills, the column each is taken from, and how a
// line becomes an item or a customer record.
//
// Items ("Inventory database") and customers ("Customer database") each have a
// fixed list of importable fields; the column map gives, per field in that
// order, the text column (1-based) that feeds it, 0 for none.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ovix {

struct ItemRecord;
struct CustomerRecord;

enum class ImportSubject { Items, Customers };

// How a column's text becomes a field's value.
enum class ImportRule {
    Number, // the record number: a 64-bit integer
    Text, // up to the field's character count, as written
    UpperText, // the same, in upper case
    Price, // money taken when above 0, kept in whole cents
    Count, // a 32-bit count taken when above 0
    DisplayCategory, // taken when 0 to 17
    ItemTax, // taken when above 0; above 3 becomes 1 ("Tax 1 and 2")
    CustomerTax, // a 64-bit integer taken when above 0
};

struct ImportField {
    const char *label; // as the mapping dialog names it
    ImportRule rule;
    size_t offset; // in the record
    size_t characters; // Text and UpperText: the most characters kept
};

// The importable fields of items or customers, in the mapping dialog's order.
const std::vector<ImportField> &importFields(ImportSubject subject);

// The caption of the mapping dialog: "Inventory database" or "Customer database".
const char *importMappingCaption(ImportSubject subject);

using ColumnMap = std::vector<int>;

// The map the mapping dialog starts with: field n from column n when the
// file has at least n columns, else 0.
ColumnMap initialColumnMap(ImportSubject subject, int columns);

// `map` with every column above `columns` (or below 0) turned to 0, and sized
// to the subject's field count.
ColumnMap fittedColumnMap(ImportSubject subject, ColumnMap map, int columns);

// Why a line was not taken: the column concerned (0 for the whole line) and
// the reason in words.
struct ImportRejection {
    int64_t line = 0;
    int column = 0;
    std::string reason;
};

// The leading integer of `text` as the old readers took it: blanks, a sign,
// then digits up to the first other character; 0 when there are none. A value
// beyond the 64-bit range is held at its end.
int64_t leadingInteger(std::string_view text);
// The leading decimal number of `text` (blanks, sign, digits, point,
// exponent); nothing when there is none or it is not finite.
std::optional<double> leadingDecimal(std::string_view text);

// Fills `record` (the subject's record size, all of it) from `line` through
// `map`: zero-filled, the subject's defaults, then each mapped field by its
// rule. `stamp` is the present time stamp (items' last use). Nothing when the
// line is taken; otherwise why not (its `line` left 0). A line is not taken
// when a mapped column is missing, when the number is outside 1 to
// 100000000000000000, or when the description (items) or name (customers)
// has fewer than two characters.
std::optional<ImportRejection> buildImportRecord(ImportSubject subject, std::string_view line,
    const ColumnMap &map, std::string_view stamp, char *record);

// The record number a built record holds.
int64_t importRecordNumber(const char *record);

// The record size of the subject's file.
size_t importRecordSize(ImportSubject subject);

} // namespace ovix
