#include "sales/widgets/adjustment_commands.h"

#include "sales/logic/price_adjustment.h"
#include "sales/logic/transaction_discount.h"
#include "sales/widgets/discount_dialog.h"
#include "sales/widgets/line_adjustment_dialog.h"

namespace ovix {

namespace {

void openLineAdjustment(LineAdjustment::Kind kind, TillWindow &window, TillState &state,
    Basket &basket, ItemEntry &entry, BasketView &view, Messages &messages)
{
    std::optional<LastLineItem> item = readLastLineItem(state, basket, messages);
    if (!item)
        return;
    auto *dialog = new LineAdjustmentDialog(window,
        LineAdjustment(kind, std::move(*item), state, basket, messages), costPriceShown(state),
        entry, view);
    dialog->showBesideTill(dialog->amountBox());
}

} // namespace

void openAdjustPrice(TillWindow &window, TillState &state, Basket &basket, ItemEntry &entry,
    BasketView &view, Messages &messages)
{
    openLineAdjustment(LineAdjustment::Kind::Price, window, state, basket, entry, view, messages);
}

void openAdjustByWeight(TillWindow &window, TillState &state, Basket &basket, ItemEntry &entry,
    BasketView &view, Messages &messages)
{
    openLineAdjustment(LineAdjustment::Kind::Weight, window, state, basket, entry, view, messages);
}

void openDiscount(
    TillWindow &window, TillState &state, Basket &basket, ItemEntry &entry, Messages &messages)
{
    if (basket.lineCount <= 0)
        return;
    auto *dialog
        = new DiscountDialog(window, TransactionDiscount(state, basket, messages), basket, entry);
    dialog->showBesideTill(dialog->amountBox());
}

} // namespace ovix
