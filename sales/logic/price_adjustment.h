#pragma once
// A new price for the last line of the basket: "Adjust item price" (an amount
// typed in cents) and "Adjust by weight" (the retail price is the price of
// 100 weight units). Both show the line's five values in boxes, work out new
// ones as the clerk types, and on OK put them into the line and move the
// running totals by the differences only.
//
// Every amount here is in whole cents; the line and the totals get the cents
// back as floats, which is the two-decimal rounding every running total keeps.
// Refusals are told through Messages (caption "Problem") and change nothing.

#include "sales/logic/basket.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ovix {

class BasketView;
class ItemEntry;
class Messages;
class TillConfig;
class TillState;

// The five values of a basket line, in whole cents.
struct LineCents {
    int64_t nonTaxable = 0;
    int64_t taxable = 0;
    int64_t taxOne = 0;
    int64_t taxTwo = 0;
    int64_t total = 0;

    bool operator==(const LineCents &) const = default;
};

// A price typed for a line may not pass 20000.00.
inline constexpr int64_t kAdjustedPriceLimitCents = 2000000;
// Weights a price is worked out for, and the list the "Weight" box offers.
inline constexpr int64_t kLightestWeight = 1;
inline constexpr int64_t kHeaviestWeight = 100000;
inline constexpr int kWeightListLength = 2000;
inline constexpr int kWeightPreselected = 100;
// Digits the weight box takes.
inline constexpr int kWeightWidth = 6;

// Line `line` of the basket in cents; zeros for a line not in use.
LineCents lineCents(const Basket &basket, int line);

// What a line priced at `priceCents` holds for an item of tax code `taxCode`
// (0 none, 1 tax 1 and tax 2, 2 tax 1 only, 3 tax 2 only): the price as
// non-taxable for code 0; otherwise as taxable, with tax 1 and tax 2 worked
// out as a sale works them out (the compound setting included, the threshold
// not) and rounded by roundTaxAmount with the item's `noTaxRounding`.
LineCents pricedLineCents(
    const TillConfig &config, int64_t priceCents, int taxCode, bool noTaxRounding);

// The price of `weight` units of an item whose `retail` price is for 100
// units, rounded half away from zero to cents. Nothing for a weight outside
// 1..100000 or a retail price beyond any till amount.
std::optional<int64_t> weighedPriceCents(float retail, int64_t weight);

// Puts `values` into line `line` and moves the non-taxable, taxable, tax 1,
// tax 2 and total running totals by the differences, the subtotal by those
// of non-taxable and taxable together. Cost and discount are not touched.
void applyLineCents(Basket &basket, int line, const LineCents &values);

// The item behind the last line, as the dialogs show it. Texts Windows-1252.
struct LastLineItem {
    int line = 0; // index of the last line
    int64_t number = 0;
    std::string description; // the line's description
    int32_t quantity = 0; // in stock, as read
    float cost = 0;
    float retail = 0;
    int32_t taxCode = 0;
    bool noTaxRounding = false;
    LineCents values; // the line as it stands
};

// Reads the item of the last line through the item index. "No items" with no
// lines, "Non inventory item" for a line with no item behind it, "%I64d"
// (caption "Invalid entry") when the item is no longer on file, and the
// record file's own message when it cannot be read; nothing then.
std::optional<LastLineItem> readLastLineItem(
    const TillState &state, const Basket &basket, Messages &messages);

// Whether the adjustment dialogs show cost prices: always to clerks 1 and 2,
// to other clerks unless "Do not display cost price" is set.
bool costPriceShown(const TillState &state);

// One open "Adjust item price" or "Adjust by weight" dialog. The basket may
// not change while it is open (the till is in tender-open mode); all
// references must outlive it.
class LineAdjustment {
public:
    enum class Kind { Price, Weight };

    LineAdjustment(
        Kind kind, LastLineItem item, TillState &state, Basket &basket, Messages &messages);

    Kind kind() const
    {
        return kind_;
    }
    const LastLineItem &item() const
    {
        return item_;
    }
    // What the five boxes show: the line's values until a price is typed.
    const LineCents &boxes() const
    {
        return boxes_;
    }

    // "Adjust item price": the amount box (digits, in cents) changed. A price
    // above 0 works out the boxes for the item's tax code; 0 or an empty box
    // leaves them. Above 20000.00 the boxes show the line again and "Invalid
    // price, limit 20000.00" is said: false, and the caller clears the box.
    bool amountChanged(std::string_view typed);
    // "Zero": the price and every box 0.
    void zero();

    // "Adjust by weight": the weight box changed. Gives "Price before tax"
    // ("%.2f"; "" for no weight or one outside 1..100000). A price above 0
    // works out the boxes, non-taxable when the line was non-taxable or the
    // item is not taxed, else taxable with its taxes.
    std::string weightChanged(std::string_view typed);

    // OK. Refused, with the dialog left open: "Invalid price" for a price
    // below 0; "Discount exceeds transaction" when the basket carries a
    // discount and the new line would take the total below 0; "Transaction
    // limit 100000.00" when the new line would take the total past 99999.99.
    // Otherwise the boxes go into the line and the totals, the line's list
    // entry shows the new total, and the totals are redrawn through `entry`.
    bool ok(ItemEntry &entry, BasketView &view);

private:
    std::string listText() const;

    Kind kind_;
    LastLineItem item_;
    TillState &state_;
    Basket &basket_;
    Messages &messages_;
    LineCents boxes_;
    int64_t price_ = 0;
};

} // namespace ovix
