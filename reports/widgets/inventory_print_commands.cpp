#include "reports/widgets/inventory_print_commands.h"

#include "platform/cp1252.h"
#include "platform/messages.h"
#include "platform/widgets/window_size.h"
#include "reports/logic/alphabetical_files.h"
#include "reports/logic/inventory_lists.h"
#include "reports/widgets/listing_dialogs.h"
#include "reports/widgets/listing_printing.h"
#include "sales/logic/till_state.h"
#include "sales/widgets/till_window.h"

namespace ovix {

namespace {

constexpr const char *kKind = "inventory";

void printRange(QWidget *parent, TillState &state, InventoryListChoice choice,
    Messages &messages)
{
    const std::optional<NumberRange> range
        = askListingRange(parent, state, state.items.index(), messages);
    if (!range)
        return;
    choice.range = *range;
    const std::optional<Listing> listing
        = inventoryListing(choice, state.items, state.config, messages);
    if (listing)
        printShopListing(state, *listing, kKind, messages);
}

void printByCategory(QWidget *parent, TillState &state, Messages &messages)
{
    std::vector<std::string> names;
    for (int category = 1; category <= kCategoryCount; ++category)
        names.push_back(state.config.categoryName(category));
    CategoryChoiceDialog dialog(names, parent);
    openAtPreferredSize(&dialog);
    if (dialog.exec() != QDialog::Accepted)
        return;
    printRange(parent, state,
        { .kind = InventoryListKind::ByCategory, .range = {}, .category = dialog.category(),
            .location = {} },
        messages);
}

void printByLocation(QWidget *parent, TillState &state, Messages &messages)
{
    const std::optional<std::string> typed
        = messages.askText("Enter the location:", "By location", "");
    if (!typed)
        return;
    const std::optional<std::string> location = listingLocation(fromUtf8(*typed), messages);
    if (!location)
        return;
    printRange(parent, state,
        { .kind = InventoryListKind::ByLocation, .range = {}, .category = 0,
            .location = *location },
        messages);
}

void printCustom(QWidget *parent, TillState &state, Messages &messages)
{
    std::array<bool, CustomColumnsDialog::kColumns> chosen {};
    for (size_t column = 0; column < chosen.size(); ++column)
        chosen[column] = state.config.get(cfg::inventoryPrintColumns, column) != 0;
    CustomColumnsDialog dialog(chosen, parent);
    openAtPreferredSize(&dialog);
    if (dialog.exec() != QDialog::Accepted)
        return;
    chosen = dialog.chosen();
    for (size_t column = 0; column < chosen.size(); ++column)
        state.config.set(cfg::inventoryPrintColumns, column, chosen[column] ? 2 : 0);
    const std::optional<Listing> listing = inventoryListing(
        { .kind = InventoryListKind::Custom, .range = {}, .category = 0, .location = {} },
        state.items, state.config, messages);
    if (listing)
        printShopListing(state, *listing, kKind, messages);
}

void printAlphabetically(TillState &state, Messages &messages)
{
    const std::optional<AlphabeticalRange> range = askAlphabeticalRange(messages, "Alphabetically");
    if (!range || !writeAlphabeticalItemFile(state, *range, messages))
        return;
    const auto records = readListFile(state.dir, kItemListFileName, messages);
    if (records)
        printShopListing(state, alphabeticalInventoryListing(*records), kKind, messages);
}

} // namespace

void connectInventoryPrintCommands(TillWindow &window, TillState &state, Messages &messages)
{
    const auto range = [&window, &state, &messages](InventoryListKind kind) {
        return [&window, &state, &messages, kind] {
            printRange(window.widget(), state,
                { .kind = kind, .range = {}, .category = 0, .location = {} }, messages);
        };
    };
    window.registerCommand(Command::InventoryPrintFromNumber, range(InventoryListKind::FromNumber));
    window.registerCommand(Command::InventoryPrintAlphabetically,
        [&state, &messages] { printAlphabetically(state, messages); });
    window.registerCommand(
        Command::InventoryPrintIncludingCost, range(InventoryListKind::IncludingCost));
    window.registerCommand(Command::InventoryPrintByCategory,
        [&window, &state, &messages] { printByCategory(window.widget(), state, messages); });
    window.registerCommand(Command::InventoryPrintInStock, range(InventoryListKind::InStock));
    window.registerCommand(Command::InventoryPrintByLocation,
        [&window, &state, &messages] { printByLocation(window.widget(), state, messages); });
    window.registerCommand(Command::InventoryPrintCustom,
        [&window, &state, &messages] { printCustom(window.widget(), state, messages); });
}

} // namespace ovix
