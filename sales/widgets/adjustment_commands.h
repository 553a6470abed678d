#pragma once
// Opening the price adjustment and discount dialogs beside the till: the sale
// buttons "Adjust price of last item" and "Adjust price of last item by
// weight", and Transactions "Add discount". Each refuses, or opens its
// modeless dialog in tender-open mode; the dialog closes itself. Everything
// passed must outlive the window.

namespace ovix {

class BasketView;
class ItemEntry;
class Messages;
class TillState;
class TillWindow;
struct Basket;

// "Adjust item price" for the last line; "No items" or "Non inventory item"
// (and the item file's own messages) keep it from opening. `view` is the
// till list the line's entry is rewritten in.
void openAdjustPrice(TillWindow &window, TillState &state, Basket &basket, ItemEntry &entry,
    BasketView &view, Messages &messages);
// "Adjust by weight" for the last line, refused in the same way.
void openAdjustByWeight(TillWindow &window, TillState &state, Basket &basket, ItemEntry &entry,
    BasketView &view, Messages &messages);
// "Discount total"; nothing happens for an empty basket.
void openDiscount(
    TillWindow &window, TillState &state, Basket &basket, ItemEntry &entry, Messages &messages);

} // namespace ovix
