#pragma once
// A discount off the whole sale ("Discount total"): an amount typed in cents
// or a percentage from the list, taken off the total after tax or off the
// nett before tax, as the shop has set ("Apply discounts on total amount not
// nett"). The discount is kept in the totals only; the lines keep their
// undiscounted values.
//
// Amounts are worked in whole cents and percentages in hundredths of a
// percent, so 12.50 % of 9.99 is 1.24 and 50 % of 0.70 is 0.35 exactly.

#include "sales/logic/basket.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ovix {

class ItemEntry;
class Messages;
class TillConfig;
class TillState;

// The "Percent" list in hundredths of a percent: 0, 50, 100, ... 8000.
std::vector<int> discountPercentages();
// "%.2f" of a percentage in hundredths ("12.50").
std::string percentageText(int hundredths);

// The whole cents of `cents` × `hundredths` / 10000, cut towards zero.
int64_t percentOfCents(int64_t cents, int hundredths);

// Takes `cents` off the nett: the discount total grows by it and the subtotal
// falls by it; it comes off the non-taxable and taxable totals in proportion
// (the non-taxable share rounded to cents, the rest on the taxable part), and
// tax 1 and tax 2 shrink with the taxable total (tax 1 is 0 when the
// threshold tax is on and the new taxable total is at or below the
// threshold). The total is then subtotal + tax 1 + tax 2. With nothing
// taxable the amount simply comes off the non-taxable total and the total.
void applyDiscountBeforeTax(Basket &basket, const TillConfig &config, int64_t cents);

// One open "Discount total" dialog; the basket may not change while it is
// open. All references must outlive it.
class TransactionDiscount {
public:
    TransactionDiscount(TillState &state, Basket &basket, Messages &messages);

    // The discount comes off the total after tax (else off the nett).
    bool afterTax() const
    {
        return afterTax_;
    }
    // What a percentage applies to: after tax, the total before any discount
    // given so far (which this one replaces); before tax, non-taxable +
    // taxable.
    int64_t baseCents() const;
    // The percentage preselected when the dialog opens (hundredths): the
    // discount button's default rate before tax, else 0.
    int presetPercentage() const;
    // The amount box text for a percentage: "%d" of the whole cents.
    std::string amountText(int hundredths) const;
    // "Amended total" (after tax) or "Amended total before tax" for the typed
    // amount ("%.2f"), or "" unless the amount is above 0 and below what it
    // comes off.
    std::string amendedTotal(std::string_view typed) const;

    // OK. "Invalid discount" (false, the dialog stays) for an amount above
    // what it comes off. After tax the discount replaces any earlier one;
    // before tax discounts add up. The totals are redrawn through `entry`.
    bool ok(std::string_view typed, ItemEntry &entry);

private:
    TillState &state_;
    Basket &basket_;
    Messages &messages_;
    bool afterTax_;
    int64_t undiscountedTotal_; // total + discount at opening
    int64_t subtotal_; // at opening
};

} // namespace ovix
