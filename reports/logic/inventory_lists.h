#pragma once
// The printed inventory lists of the Inventory "Print" menu and the numeric
// supplier list: which records each prints, in which order, and their lines
// in the columns of the listing page (reports/logic/listing_pages.h).
// Nothing is written.

#include "reports/logic/listing_pages.h"
#include "store/list_file_record.h"
#include "store/record_kinds.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ovix {

class Messages;
class TillConfig;

enum class InventoryListKind {
    FromNumber, // "From number ..": standard columns
    IncludingCost, // "Including cost value": with-cost columns
    ByCategory, // "By category": standard columns, one display category or all
    InStock, // "In stock": with-cost columns, stock of 1 or more
    ByLocation, // "By location": standard columns, one location
    Custom, // "Custom": every item, the columns chosen in the configuration
};

// The numbers a list runs over, both ends included.
struct NumberRange {
    int64_t from = 1;
    int64_t to = kMaxRecordNumber;
};

// From and To as typed: whole numbers with From 1 to 100000000000000000 and
// To from From to 100000000000000000; anything else gives "Outside range"
// (caption "Problem") and nothing.
std::optional<NumberRange> listingRange(std::string_view from, std::string_view to,
    Messages &messages);

struct InventoryListChoice {
    InventoryListKind kind = InventoryListKind::FromNumber;
    NumberRange range {};
    // By category: 1 to 18 for display category 0 to 17; 0 for every category.
    int category = 0;
    // By location: the location typed, compared in capitals (Windows-1252).
    std::string location {};
};

// "Enter the location:" as typed (Windows-1252): 1 to 39 characters, taken
// in capitals; anything else gives "Outside range" (caption "Problem") and
// nothing.
std::optional<std::string> listingLocation(std::string_view typed, Messages &messages);

// The list's title: "Inventory list: ", "Inventory category list: ",
// "Inventory held list: " or "Location: <location> ".
std::string inventoryListTitle(const InventoryListChoice &choice);

// The column line: "Number          Description   Cat   Held   Retail   Total
// retail", the with-cost one, or for Custom "Number" and the chosen columns.
std::string inventoryColumnLine(InventoryListKind kind, const TillConfig &config);

// The caption of optional column `column` (0 to 19) of the custom list, in
// the order of its flags in the configuration: "Description", "SKU 1", ...
const char *customColumnCaption(size_t column);
inline constexpr size_t kCustomColumnCount = 20;

// Whether the item is printed on the list (its number already in range).
bool onInventoryList(const InventoryListChoice &choice, const ItemRecord &item);

// The item's line in the list's columns. Stock values are worked out in
// whole cents.
ListingLine inventoryListLine(InventoryListKind kind, const ItemRecord &item,
    const TillConfig &config);

// The whole list from film.dat, in number order. A range with no items gives
// "No items in range." (caption "Problem") and nothing; film.dat that cannot
// be read gives "Data file film.dat, not present." (caption "Fatal error")
// and nothing.
std::optional<Listing> inventoryListing(const InventoryListChoice &choice,
    const ItemIndex &items, const TillConfig &config, Messages &messages);

// The alphabetical list from the records of f2.dat: number, description,
// stock and retail price, ended by a line of two spaces.
Listing alphabeticalInventoryListing(const std::vector<ListFileRecord> &records);

// "Print suppliers from number:" as typed: a whole number of 1 or more, else
// "Outside range" (caption "Problem") and nothing.
std::optional<int64_t> supplierListStart(std::string_view typed, Messages &messages);

// The numeric supplier list from `from` on: "%-16I64d  %s  %s, %s,  Tel %s"
// (number, name, road, town, telephone 1), ended by a line of two spaces.
// "No items in range." (caption "Problem") when there is no supplier from
// there on; mans.dat that cannot be read gives "Data file mans.dat, not
// present." (caption "Fatal error"); nothing for both.
std::optional<Listing> supplierListing(int64_t from, const SupplierIndex &suppliers,
    Messages &messages);

} // namespace ovix
