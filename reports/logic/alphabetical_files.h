#pragma once
// The alphabetical work files f2.dat (items) and m2.dat (customers): the live
// records whose description (or name) begins with a character from a start
// to an end character, in alphabetical order, as 110-byte ListFileRecords
// (store/list_file_record.h). Each list writes its file afresh; the printed
// and screen lists read it back in file order.
//
// The order is that of a walk over the two-character prefixes: for each first
// character from the start to the end, for each second character from the
// space to character 255, the records with that prefix in slot order, sorted
// by their whole text (byte order, equal texts keeping slot order). Texts of
// one character, or whose second character lies below the space, are in no
// group and so never listed. The order is built with one sort.

#include "store/list_file_record.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ovix {

class DataDir;
class Messages;
class Shop;

// The first characters a list takes, Windows-1252 bytes, start <= end.
struct AlphabeticalRange {
    unsigned char start = ' ';
    unsigned char end = 'Z';
};

// The range from the characters typed: a lower-case letter counts as its
// capital; a start outside "A" to character 255, or an end before the start,
// gives nothing. A start of "A" becomes the space, so that texts beginning
// with digits or signs are included. Only the first byte of each text counts;
// an empty text gives nothing.
std::optional<AlphabeticalRange> alphabeticalRange(std::string_view start, std::string_view end);

// Asks "Enter the start character:" (default "A") and "Enter the end
// character:" (default "Z") under `caption`; nothing when either is
// cancelled, and "Outside range" (caption "Problem") and nothing for
// characters alphabeticalRange refuses.
std::optional<AlphabeticalRange> askAlphabeticalRange(Messages &messages, std::string_view caption);

// One record as the order sees it: its slot and its text (description or
// name) up to its first NUL.
struct AlphabeticalKey {
    int64_t slot = 0;
    std::string text;
};

// The positions in `keys` of the records the range takes, in alphabetical order.
std::vector<size_t> alphabeticalOrder(const std::vector<AlphabeticalKey> &keys,
    AlphabeticalRange range);

// Writes f2.dat from the live items of film.dat: number, description, stock
// as "%d", retail price as "%.2f". "Data file film.dat, not present." (caption
// "Fatal error") when film.dat cannot be read, "Data file: f2.dat." (caption
// "Problem") when f2.dat cannot be written; false for both, and the old
// f2.dat stays as it was. `startChar` and `endChar` are as typed (see
// alphabeticalRange); a range it refuses writes nothing and gives false.
bool writeAlphabeticalItemFile(
    const Shop &shop, char startChar, char endChar, Messages &messages);

// The same for a range already taken (as alphabeticalRange or
// askAlphabeticalRange give it).
bool writeAlphabeticalItemFile(const Shop &shop, AlphabeticalRange range, Messages &messages);

// The same for customers into m2.dat: number, name, road, telephone, from
// member.dat ("Data file member.dat, not present.", "Data file: m2.dat.").
bool writeAlphabeticalCustomerFile(
    const Shop &shop, char startChar, char endChar, Messages &messages);

bool writeAlphabeticalCustomerFile(
    const Shop &shop, AlphabeticalRange range, Messages &messages);

// The records of f2.dat or m2.dat (`fileName`) in file order; a part record
// at the end is left out. "Data file: <name>, not present." (caption "Fatal
// error") and nothing when it cannot be read.
std::optional<std::vector<ListFileRecord>> readListFile(
    const DataDir &dir, const char *fileName, Messages &messages);

} // namespace ovix
