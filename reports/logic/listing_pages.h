#pragma once
// The page routine of the printed inventory, customer and supplier lists: the
// listing font, a heading with the page number on every page, the column
// line, then the entries line by line, the whole page moved right by the
// listing indent.

#include "platform/clock.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ovix {

class PrintDevice;

// One printed line: texts that start at fixed columns, counted in average
// character widths from the left edge of the list. Windows-1252.
struct ListingCell {
    int column = 0;
    std::string text;
};
using ListingLine = std::vector<ListingCell>;
// Lines that stay together on one page: an item's line, a customer's four.
using ListingEntry = std::vector<ListingLine>;

struct Listing {
    // "Inventory list: ", "Numeric customer list: ", ...
    std::string title;
    // Drawn on the second line of every page; "" for none (the entries then
    // still start on the third line).
    std::string columnLine;
    std::vector<ListingEntry> entries;
    // A line of two spaces after the last entry (the alphabetical and
    // supplier lists).
    bool closingLine = false;
};

struct ListingStyle {
    // Lines per page of the listing font, 10 to 200; anything else prints in
    // the printer's own font.
    int64_t linesPerPage = 0;
    // Average character widths the whole page moves right.
    int64_t indent = 0;
};

// "<store> <title><date>  Page: n", the date as "MMMM d yyyy" (e.g.
// "December 9 2026"; "%d/%d/%d" of day, month and year when the locale cannot
// write it).
std::string listingHeading(std::string_view storeName, std::string_view title,
    const LocalTime &today, int page);

// The listing font: Arial a page's height divided by the lines per page high
// (a little smaller when its leading would leave fewer lines on the page),
// or the printer's own font.
void selectListingFont(PrintDevice &device, const ListingStyle &style);

// Prints `listing` from its first entry, starting a new page whenever the
// next entry would pass the foot of the page (an entry taller than a page is
// printed from the top of its own page and cut there).
void printListing(PrintDevice &device, const Listing &listing, const ListingStyle &style,
    std::string_view storeName, const LocalTime &today);

} // namespace ovix
