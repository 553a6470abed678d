#include "inventory/widgets/stock_receipt_dialogs.h"

#include "inventory/logic/item_maintenance.h"
#include "inventory/logic/stock_receipt.h"
#include "inventory/widgets/item_maintenance_dialogs.h"
#include "inventory/widgets/receive_dialog.h"
#include "platform/messages.h"
#include "sales/logic/till_state.h"

#include <functional>

namespace ovix {

namespace {

// Receives the items `find` names, one after another while the clerk
// presses "Next"; `find` gives 0 when nothing was found or chosen.
void receiveWhileNext(QWidget *parent, TillState &state, Messages &messages,
    const InventoryHooks &hooks, const std::function<int64_t()> &find)
{
    for (;;) {
        const int64_t number = find();
        if (number <= 0)
            return;
        const std::optional<ItemRecord> item = readItem(state, number, messages);
        if (!item)
            return;
        ReceiveDialog dialog(receiptViewOf(*item), parent);
        dialog.exec();
        if (dialog.choice() == ReceiveChoice::Cancel)
            return;
        if (receiveStock(state, number, dialog.form(), messages) != ReceiptResult::Booked)
            return;
        if (hooks.itemsChanged)
            hooks.itemsChanged();
        if (dialog.choice() != ReceiveChoice::Next)
            return;
    }
}

} // namespace

void runInventoryReceived(
    QWidget *parent, TillState &state, Messages &messages, const InventoryHooks &hooks)
{
    receiveWhileNext(parent, state, messages, hooks, [&]() -> int64_t {
        const std::optional<std::string> typed
            = messages.askText(kReceivePrompt, "Inventory received");
        if (!typed)
            return 0;
        std::function<int64_t(const std::string &)> find;
        if (hooks.findByDescription)
            find = [&](const std::string &text) { return hooks.findByDescription(parent, text); };
        return itemOfPrompt(state, *typed, find, messages).value_or(0);
    });
}

void runInventoryReceivedBySkuOne(
    QWidget *parent, TillState &state, Messages &messages, const InventoryHooks &hooks)
{
    receiveWhileNext(parent, state, messages, hooks,
        [&]() -> int64_t { return findToReceiveBySkuOne(state.items, messages); });
}

} // namespace ovix
