#pragma once
// The value of the stock on hand, and the items whose retail price is below
// their cost, read from film.dat. Nothing is written.

#include "store/record_kinds.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ovix {

class DataDir;
class Messages;


// Sums over the live items with stock above 0, in whole cents.
struct StockSummary {
    int64_t items = 0;       // pieces in stock
    int64_t costCents = 0;   // quantity × cost price
    int64_t retailCents = 0; // quantity × retail price
};

// Reads film.dat record by record. A file that cannot be opened gives "Data
// file film.dat, not present." (caption "Fatal error") and nothing.
std::optional<StockSummary> summariseStock(const DataDir &dir, Messages &messages);

// The "Margin" shown: (retail − cost) ÷ cost × 100 as "%.2f%%" when both are
// above 0 and differ, else "N/A".
std::string stockMargin(const StockSummary &summary);

// "Value (cost)", "Value (retail)", "Items" and "Margin" with their values.
std::vector<std::pair<std::string, std::string>> stockSummaryLines(const StockSummary &summary);

// A price in whole cents as the cost and retail check compares it: 0 or less
// is 0, otherwise the price as "%.2f" shows it.
int64_t checkedPriceCents(float price);

// One item whose retail price is below its cost price.
struct BelowCostItem {
    int64_t number = 0;
    std::string line; // "%I64d, %s (%d) %.2f %.2f": number, description, stock, cost, retail
};

// The items in number order (the item index's) whose retail price is below
// their cost price. A read of film.dat that fails gives "Film.dat" (caption
// "Problem") and nothing.
std::optional<std::vector<BelowCostItem>> itemsBelowCost(const ItemIndex &items,
    Messages &messages);

} // namespace ovix
