#include "inventory/widgets/item_search_screens.h"

#include "inventory/widgets/find_inventory_dialog.h"
#include "inventory/widgets/item_list_dialog.h"
#include "inventory/widgets/till_search_dialog.h"
#include "store/shop.h"
#include "store/user_control.h"

namespace ovix {

bool costPriceHidden(const Shop &shop)
{
    return shop.restricted() && userControlSet(shop.config, UserControlItem::HideCostPrice);
}

ItemSearchScreens itemSearchScreens(QWidget *parent, const Shop &shop)
{
    ItemSearchScreens screens;
    screens.showStep = [parent, &shop](const ItemRecord &item) {
        FindInventoryDialog dialog(item, shop.config, costPriceHidden(shop), parent);
        dialog.exec();
        return dialog.choice();
    };
    screens.pickLine = [parent](std::string_view title, const std::vector<std::string> &lines)
        -> std::optional<size_t> {
        ItemListDialog dialog(QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())),
            lines, parent);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.chosenRow();
    };
    screens.askTillSearch
        = [parent](TillSearchType preset) { return askTillSearch(preset, parent); };
    return screens;
}

} // namespace ovix
