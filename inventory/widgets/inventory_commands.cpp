#include "inventory/widgets/inventory_commands.h"

#include "inventory/widgets/bundle_maintenance_dialogs.h"
#include "inventory/widgets/stock_receipt_dialogs.h"
#include "sales/widgets/till_window.h"

#include <memory>

namespace ovix {

void connectInventoryCommands(
    TillWindow &window, TillState &state, Messages &messages, InventoryHooks hooks)
{
    auto shared = std::make_shared<const InventoryHooks>(std::move(hooks));
    auto command = [&window, &state, &messages, shared](auto run) {
        return [&window, &state, &messages, shared, run] {
            run(window.widget(), state, messages, *shared);
        };
    };
    window.registerCommand(Command::InventoryNewLine, command(runNewItem));
    window.registerCommand(Command::InventoryAmend, command(runAmendItem));
    window.registerCommand(Command::InventoryDelete, command(runDeleteItem));
    window.registerCommand(Command::InventoryAddCustomImage, command(runAddCustomImage));
    window.registerCommand(Command::InventoryNewBundle, command(runNewBundle));
    window.registerCommand(Command::InventoryReceived, command(runInventoryReceived));
    window.registerCommand(
        Command::InventoryReceivedBySku1, command(runInventoryReceivedBySkuOne));
}

} // namespace ovix
