#pragma once
// The items a sale's or a refund's lines reach in film.dat, each read once
// however many lines name it, changed in memory for the update that writes
// them back, and the category every line is archived under.

#include "sales/logic/basket.h"
#include "store/item_record.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace ovix {

class TillState;
class TransactionArchiving;

struct LineItem {
    int64_t slot = 0;
    ItemRecord record {};
};

struct LineItems {
    std::vector<LineItem> items;
    std::vector<int64_t> lineCategories; // one per line
};

// Walks the lines of `basket`. A line without an item number, or whose item
// cannot be read (held back in `notices`: the read's own message, else
// "Invalid entry"), goes under kNonInventoryCategory. Every other line calls
// `change` with its item's record (the same record for lines naming the same
// item) and goes under the item's display category as `change` leaves it.
LineItems reachLineItems(TillState &state, const Basket &basket, TransactionArchiving &notices,
    const std::function<void(ItemRecord &record, int line)> &change);

} // namespace ovix
