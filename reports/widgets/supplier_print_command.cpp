#include "reports/widgets/supplier_print_command.h"

#include "platform/messages.h"
#include "reports/logic/inventory_lists.h"
#include "reports/widgets/listing_printing.h"
#include "sales/logic/till_state.h"
#include "sales/widgets/till_window.h"

namespace ovix {

namespace {

void printSuppliers(TillState &state, Messages &messages)
{
    const std::optional<std::string> typed
        = messages.askText("Print suppliers from number:", "Print suppliers", "1");
    if (!typed)
        return;
    const std::optional<int64_t> from = supplierListStart(*typed, messages);
    if (!from)
        return;
    const std::optional<Listing> listing = supplierListing(*from, state.suppliers, messages);
    if (listing)
        printShopListing(state, *listing, "suppliers", messages);
}

} // namespace

void connectSupplierPrintCommand(TillWindow &window, TillState &state, Messages &messages)
{
    window.registerCommand(
        Command::SupplierPrint, [&state, &messages] { printSuppliers(state, messages); });
}

} // namespace ovix
