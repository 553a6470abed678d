#pragma once
// The item view: every field of an item as the read-only view shows it, one
// labelled line each, and the names the item dialog's lists offer.

#include <array>
#include <string>
#include <vector>

namespace ovix {

class TillConfig;
struct ItemRecord;

// The tax code list: "Non taxable", "Tax 1 and 2", "Tax 1", "Tax 2" (codes 0-3).
const std::array<const char *, 4> &taxCodeNames();

struct ItemViewLine {
    std::string label; // UTF-8
    std::string value; // Windows-1252, as the record holds its texts
};

// The lines of the view, in the order of the item dialog. The sell-by date
// shows as "D: %d M: %d Y: %d" (the year 2011 + the stored index) or "Not
// set"; buy one get one free "Yes" or "No"; the age warning the age or "No";
// sale or return "NO" or "YES". A bundle adds one line per component in use.
std::vector<ItemViewLine> itemViewLines(const ItemRecord &record, const TillConfig &config);

} // namespace ovix
