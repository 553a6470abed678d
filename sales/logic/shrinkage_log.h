#pragma once
// The activity log's blocks for goods and money that leave the counter
// without a sale: a line voided, a basket emptied with lines in it, the drawer
// opened with no sale. The owner reads them beside the sales to see where
// stock or cash went.
//
// Each block is written like the sale's: CR LF, the time prefix of the
// present time ("HH:MM DD/MM/YYYY"), what happened, the item lines
// ("<number>  <description>") and the clerk line ("Clerk: <number>, <name>",
// the logged-on clerk). Texts are Windows-1252 as the basket and wr.cfg hold
// them.
//
// Writing the log never stops the void, the empty or the drawer: a log that
// cannot be written is told ("Unable to open bun4.dat", caption "Problem")
// and the work stands.

#include <string>

namespace ovix {

class Messages;
class Shop;
struct Basket;
struct BasketLine;

// " Line voided, Amount: %.2f" (the line's total with its tax), the line's
// item, the clerk.
std::string voidedLineLogBlock(const Shop &shop, const BasketLine &line);

// " Basket emptied, Total: %.2f" (the sale's total), one line per basket
// line as the sale's block lists them, the clerk with "   Items: %d".
std::string emptiedBasketLogBlock(const Shop &shop, const Basket &basket);

// " No sale, drawer opened" or, when the drawer could not be reached,
// " No sale, drawer did not open", then the clerk.
std::string noSaleDrawerLogBlock(const Shop &shop, bool opened);

// Appends `block` to bun4.dat through the one log appender; false (and the
// problem told) when it could not be written whole.
bool appendShrinkageBlock(const Shop &shop, const std::string &block, Messages &messages);

} // namespace ovix
