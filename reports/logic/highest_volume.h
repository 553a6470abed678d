#pragma once
// "Highest volume products": the hundred items of a display category (or of
// every category) that have sold the most, written to the item work file
// f2.dat and then shown from it like the alphabetical list.

#include "store/list_file_record.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ovix {

class Messages;
class Shop;

inline constexpr size_t kHighestVolumeItems = 100;

// One kept item: its slot in film.dat, its units sold and its line of f2.dat.
struct VolumeEntry {
    int64_t slot = 0;
    int32_t sold = 0;
    ListFileRecord line {};
};

// Keeps the kHighestVolumeItems entries with the most units sold: while the
// table has room every entry goes in; once it is full an entry replaces the
// first of the smallest when it sold more than that one, so among equal
// figures the earlier one stays.
class VolumeTable {
public:
    void offer(const VolumeEntry &entry);
    // The kept entries, most sold first; equal figures in slot order.
    std::vector<VolumeEntry> ranked() const;

private:
    std::vector<VolumeEntry> entries_;
};

// Reads film.dat record by record and keeps the live items of category entry
// `entry` (0 every category, k = display category k - 1, as
// categoryChoices() lists them), then replaces f2.dat with them as 110-byte
// records: number, description, units sold ("%d") and retail price ("%.2f"),
// most sold first. False with "Data file: film.dat, not present." (caption
// "Fatal error") when film.dat cannot be opened, "Not able to read film.dat"
// (caption "Problem") when a read fails, or "Data file: f2.dat."
// (caption "Problem") when f2.dat cannot be written; f2.dat is then as it was.
bool writeHighestVolumeFile(const Shop &shop, int entry, Messages &messages);

// The window's title: "Highest volume products", with ": " and the
// category's name when one category was chosen (UTF-8).
std::string highestVolumeTitle(const Shop &shop, int entry);

} // namespace ovix
