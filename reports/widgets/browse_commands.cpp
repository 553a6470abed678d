#include "reports/widgets/browse_commands.h"

#include "platform/cp1252.h"
#include "platform/widgets/window_size.h"
#include "reports/logic/browse_lists.h"
#include "reports/logic/highest_volume.h"
#include "reports/widgets/browse_window.h"
#include "sales/widgets/till_window.h"
#include "store/shop.h"

#include <QInputDialog>
#include <QStringList>

#include <optional>
#include <utility>

namespace ovix {

namespace {

// "Select category": the entry chosen (0 for all), or nothing when cancelled.
std::optional<int> askCategory(QWidget *parent, const Shop &shop)
{
    QStringList choices;
    for (const std::string &choice : categoryChoices(shop.config))
        choices << QString::fromStdString(toUtf8(choice));
    QInputDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Select category"));
    dialog.setLabelText(QStringLiteral("Select category"));
    dialog.setComboBoxItems(choices);
    dialog.setComboBoxEditable(false);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const int entry = static_cast<int>(choices.indexOf(dialog.textValue()));
    return entry >= 0 ? std::optional<int>(entry) : std::nullopt;
}

} // namespace

void showBrowseList(QWidget *parent, const Shop &shop, BrowseList list, Messages &messages,
    const BrowseHooks &hooks)
{
    if (!list.open(messages))
        return;
    const BrowseOpens opens = list.options().opens;
    const auto &hook = opens == BrowseOpens::Item ? hooks.showItem : hooks.showCustomer;
    BrowseWindow::OpenRow openRow;
    if (opens != BrowseOpens::Nothing && hook) {
        openRow = [&shop, opens, hook](QWidget *over, int64_t number) {
            if (browseNumberOpens(shop, opens, number))
                hook(over, number);
        };
    }
    BrowseWindow window(std::move(list), messages, std::move(openRow), parent);
    openAtPreferredSize(&window);
    window.exec();
}

void connectInventoryListCommands(
    TillWindow &window, Shop &shop, Messages &messages, const BrowseHooks &hooks)
{
    TillWindow *till = &window;
    window.registerCommand(Command::InventoryListFromNumber, [till, &shop, &messages, hooks] {
        const std::optional<int64_t> from = askListFromNumber(messages, "Inventory list");
        if (from) {
            showBrowseList(till->widget(), shop,
                itemsFromNumber(shop, *from, showsCostPrice(shop)), messages, hooks);
        }
    });
    window.registerCommand(Command::InventoryListAlphabetically, [till, &shop, &messages, hooks] {
        showBrowseList(till->widget(), shop,
            itemListFile(shop.dir, "Alphabetical inventory list"), messages, hooks);
    });
    window.registerCommand(Command::InventoryListByCategory, [till, &shop, &messages, hooks] {
        const std::optional<int> entry = askCategory(till->widget(), shop);
        if (entry) {
            showBrowseList(till->widget(), shop,
                itemsByCategory(shop, *entry, showsCostPrice(shop)), messages, hooks);
        }
    });
}

void showItemsInSkus(QWidget *parent, const Shop &shop, Messages &messages, const BrowseHooks &hooks)
{
    const std::optional<std::string> fragment = askSkuFragment(messages);
    if (fragment) {
        showBrowseList(
            parent, shop, itemsInSkus(shop, *fragment, showsCostPrice(shop)), messages, hooks);
    }
}

void connectCustomerListCommands(TillWindow &window, Shop &shop, Messages &messages,
    const BrowseHooks &hooks, CustomerListFileBuilder buildCustomerListFile)
{
    TillWindow *till = &window;
    window.registerCommand(Command::CustomerListFromNumber, [till, &shop, &messages, hooks] {
        const std::optional<int64_t> from = askListFromNumber(messages, "Customer list");
        if (from)
            showBrowseList(till->widget(), shop, customersFromNumber(shop, *from), messages, hooks);
    });
    if (buildCustomerListFile) {
        window.registerCommand(Command::CustomerListAlphabetically,
            [till, &shop, &messages, hooks, build = std::move(buildCustomerListFile)] {
                if (build(till->widget()))
                    showBrowseList(till->widget(), shop, customerListFile(shop.dir), messages, hooks);
            });
    }
    window.registerCommand(Command::CustomerListByAddress, [till, &shop, &messages, hooks] {
        const std::optional<std::string> road = askRoadStart(messages);
        if (road)
            showBrowseList(till->widget(), shop, customersByAddress(shop, *road), messages, hooks);
    });
}

void connectSupplierListCommand(TillWindow &window, Shop &shop, Messages &messages)
{
    TillWindow *till = &window;
    window.registerCommand(Command::SupplierList, [till, &shop, &messages] {
        showBrowseList(till->widget(), shop, supplierList(shop), messages, {});
    });
}

void connectScreenListReportCommands(
    TillWindow &window, Shop &shop, Messages &messages, const BrowseHooks &hooks)
{
    TillWindow *till = &window;
    window.registerCommand(Command::OutstandingBalances, [till, &shop, &messages, hooks] {
        const std::optional<int64_t> from
            = askListFromNumber(messages, "Customers with non zero credit");
        if (from)
            showBrowseList(till->widget(), shop, customersWithBalance(shop, *from), messages, hooks);
    });
    window.registerCommand(Command::HighestVolumeProducts, [till, &shop, &messages, hooks] {
        const std::optional<int> entry = askCategory(till->widget(), shop);
        if (!entry || !writeHighestVolumeFile(shop, *entry, messages))
            return;
        showBrowseList(till->widget(), shop,
            itemListFile(shop.dir, highestVolumeTitle(shop, *entry)), messages, hooks);
    });
}

} // namespace ovix
