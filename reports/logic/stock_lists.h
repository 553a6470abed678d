#pragma once
// The five stock lists of the Reports popup: what to order (in number order
// and in order-code order), what is out of stock, the special orders and the
// items past their sell-by date. Each is read from film.dat into the lines of
// its selection window, which the printout prints page by page. Nothing is
// written.

#include "platform/clock.h"
#include "store/record_kinds.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ovix {

class Messages;
class PrintDevice;

enum class StockListKind {
    Reorder, // "Reorder list"
    ReorderByOrderCode, // "Reorder list by order code"
    OutOfStock, // "Out of stock"
    SpecialOrders, // "Special orders"
    SellByExpired, // "Sell by expired"
};

// A selection window's contents. Texts are Windows-1252, as the records hold them.
struct StockList {
    StockListKind kind = StockListKind::Reorder;
    std::string title; // the window's title
    std::optional<std::string> headingRow; // a first row that is no item
    std::vector<std::string> lines; // one per item, in the list's order
};

// Whether `item` (a live record) belongs on the list on `today`: bundles are
// never on the reorder or out-of-stock lists; an item is reordered when its
// restock level is at or above its stock; out of stock at 0 or below; on
// special order when its count is above 0; expired when its sell-by day,
// month and year are all set and the date lies before today.
bool onStockList(StockListKind kind, const ItemRecord &item, const LocalTime &today);

// The item's line on the list, e.g. "12, TEA, 5,5,0,10, T-12" for the reorder list.
std::string stockListLine(StockListKind kind, const ItemRecord &item);

// Builds the list from film.dat in one block read. The reorder lists take the
// items in number order, one line per number (of two records that share a
// number in a damaged file, the first in slot order), and the order-code list
// is then sorted by its text; the other three are in slot order. A film.dat
// that cannot be opened gives "Data file film.dat, not present." (caption
// "Fatal error") and an empty list; a read that fails part-way gives "Film.dat"
// (caption "Problem") and the lines read so far.
StockList buildStockList(
    StockListKind kind, const ItemIndex &items, const LocalTime &today, Messages &messages);

// Prints the list's lines under "<store> Reorder list: <date>      Page: n"
// (or the list's own heading) and its column line, in the printer's own font,
// starting further pages as they fill. `today` gives the heading's date.
void printStockList(PrintDevice &device, const StockList &list, std::string_view storeName,
    const LocalTime &today);

} // namespace ovix
