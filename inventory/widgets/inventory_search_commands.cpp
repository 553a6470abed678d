#include "inventory/widgets/inventory_search_commands.h"

#include "inventory/logic/item_find.h"
#include "inventory/widgets/advanced_search_dialog.h"
#include "inventory/widgets/item_search_screens.h"
#include "inventory/widgets/item_view_dialog.h"
#include "platform/cp1252.h"
#include "sales/widgets/till_window.h"
#include "store/shop.h"

namespace ovix {

namespace {

bool searchesAsList(const Shop &shop)
{
    return shop.config.get(cfg::itemSearchAsList) != 0;
}

void viewIfAsked(QWidget *parent, const Shop &shop, FoundItem found, Messages &messages)
{
    if (found.number != 0 && found.view)
        showItemView(parent, shop, found.number, messages);
}

} // namespace

int64_t findItemByDescription(
    QWidget *parent, const Shop &shop, const std::string &typed, Messages &messages)
{
    return runDescriptionSearch(shop.items, searchesAsList(shop), fromUtf8(typed), messages,
        itemSearchScreens(parent, shop))
        .number;
}

void connectInventorySearchCommands(TillWindow &window, Shop &shop, Messages &messages,
    std::function<void(QWidget *parent)> listInSkus)
{
    TillWindow *till = &window;
    window.registerCommand(Command::InventoryFind, [till, &shop, &messages] {
        QWidget *parent = till->widget();
        const FoundItem found = findItem(shop, messages, itemSearchScreens(parent, shop));
        viewIfAsked(parent, shop, found, messages);
    });
    window.registerCommand(Command::InventoryFindByDescription, [till, &shop, &messages] {
        findByDescription(shop, messages, itemSearchScreens(till->widget(), shop));
    });
    window.registerCommand(Command::InventoryFindThatContain, [till, &shop, &messages] {
        const FoundItem found = findThatContain(shop.items, messages, OfferRules {});
        viewIfAsked(till->widget(), shop, found, messages);
    });
    window.registerCommand(Command::InventoryFindAdvanced, [till, &shop, &messages] {
        QWidget *parent = till->widget();
        const std::optional<AdvancedSearch> search = askAdvancedSearch(parent);
        if (!search)
            return;
        viewIfAsked(parent, shop, findAdvanced(shop.items, *search, messages), messages);
    });
    if (listInSkus) {
        window.registerCommand(Command::InventoryFindInSkus,
            [till, list = std::move(listInSkus)] { list(till->widget()); });
        return;
    }
    window.registerCommand(Command::InventoryFindInSkus, [till, &shop, &messages] {
        QWidget *parent = till->widget();
        const FoundItem found = findInSkus(
            shop.items, searchesAsList(shop), messages, itemSearchScreens(parent, shop));
        viewIfAsked(parent, shop, found, messages);
    });
}

} // namespace ovix
