#include "inventory/widgets/supplier_commands.h"

#include "inventory/logic/supplier_maintenance.h"
#include "inventory/widgets/supplier_dialog.h"
#include "platform/messages.h"
#include "sales/widgets/till_window.h"
#include "store/shop.h"

namespace ovix {

namespace {

std::optional<int64_t> askSupplierNumber(
    Messages &messages, const char *prompt, const char *caption)
{
    const std::optional<std::string> typed = messages.askText(prompt, caption, "1");
    if (!typed)
        return std::nullopt;
    return supplierPromptNumber(*typed);
}

} // namespace

void runFindSupplier(QWidget *parent, Shop &shop, Messages &messages)
{
    const std::optional<int64_t> number
        = askSupplierNumber(messages, "Supplier number", "Find supplier");
    if (!number)
        return;
    const std::optional<SupplierRecord> record = findSupplier(shop, *number, messages);
    if (!record)
        return;
    SupplierDialog dialog(formOfSupplier(*record), SupplierDialogLook::View, parent);
    dialog.exec();
}

void runAddSupplier(QWidget *parent, Shop &shop, Messages &messages)
{
    SupplierDialog dialog(newSupplierForm(shop.suppliers), SupplierDialogLook::New, parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    storeNewSupplier(shop, dialog.form(), messages);
}

void runAmendSupplier(QWidget *parent, Shop &shop, Messages &messages)
{
    const std::optional<int64_t> number
        = askSupplierNumber(messages, "Enter the supplier number", "Amend supplier");
    if (!number)
        return;
    const std::optional<SupplierRecord> record
        = readSupplier(shop, *number, "Amend supplier", messages);
    if (!record)
        return;
    SupplierDialog dialog(formOfSupplier(*record), SupplierDialogLook::Amend, parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    storeAmendedSupplier(shop, *number, dialog.form(), messages);
}

void runDeleteSupplier(QWidget *, Shop &shop, Messages &messages)
{
    const std::optional<int64_t> number
        = askSupplierNumber(messages, "Enter the supplier number", "Delete supplier");
    if (number)
        deleteSupplier(shop, *number, messages);
}

void connectSupplierCommands(TillWindow &window, Shop &shop, Messages &messages)
{
    auto command = [&window, &shop, &messages](void (*run)(QWidget *, Shop &, Messages &)) {
        return [&window, &shop, &messages, run] { run(window.widget(), shop, messages); };
    };
    window.registerCommand(Command::SupplierFind, command(runFindSupplier));
    window.registerCommand(Command::SupplierAdd, command(runAddSupplier));
    window.registerCommand(Command::SupplierAmend, command(runAmendSupplier));
    window.registerCommand(Command::SupplierDelete, command(runDeleteSupplier));
}

} // namespace ovix
