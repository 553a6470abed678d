#include "inventory/widgets/item_maintenance_dialogs.h"

#include "inventory/logic/bundle_form.h"
#include "inventory/logic/item_maintenance.h"
#include "inventory/widgets/bundle_maintenance_dialogs.h"
#include "inventory/widgets/item_dialog.h"
#include "platform/file.h"
#include "platform/messages.h"
#include "platform/sounds.h"
#include "sales/logic/till_state.h"

#include <QFile>
#include <QFileDialog>

namespace ovix {

namespace {

void keyClick(const TillState &state, const InventoryHooks &hooks)
{
    if (state.config.get(cfg::soundOff) == 0 && hooks.playSound)
        hooks.playSound(kKeySound);
}

void itemsChanged(const InventoryHooks &hooks)
{
    if (hooks.itemsChanged)
        hooks.itemsChanged();
}

// The item an item prompt names, or nothing (cancelled, empty, not found).
std::optional<int64_t> promptForItem(QWidget *parent, const TillState &state, Messages &messages,
    const InventoryHooks &hooks, const char *prompt, const char *caption)
{
    const std::optional<std::string> typed = messages.askText(prompt, caption);
    if (!typed)
        return std::nullopt;
    std::function<int64_t(const std::string &)> find;
    if (hooks.findByDescription)
        find = [&](const std::string &text) { return hooks.findByDescription(parent, text); };
    return itemOfPrompt(state, *typed, find, messages);
}

// The form a stored item is copied into: its boxes under the next number
// offered, with a stock picture (its own picture file is named after it).
ItemForm copyOfStoredItem(const TillState &state, const ItemForm &stored, Messages &messages)
{
    ItemForm copy = stored;
    if (std::optional<ItemRecord> record = readItem(state, typedItemNumber(stored.number), messages))
        copy = formOfItem(*record, localNow(), false);
    const std::optional<int64_t> offer = offeredItemNumber(state.config, state.items);
    copy.number = offer ? std::to_string(*offer) : std::string();
    copy.picture.own = false;
    copy.picture.ownAvailable = false;
    return copy;
}

} // namespace

void runNewItem(QWidget *parent, TillState &state, Messages &messages, const InventoryHooks &hooks)
{
    ItemForm form = newItemForm(state.config, state.items, localNow());
    ItemDialogForm look = ItemDialogForm::New;
    for (;;) {
        ItemDialog dialog(state, form, look, parent);
        dialog.exec();
        const ItemDialogChoice choice = dialog.choice();
        if (choice == ItemDialogChoice::Cancel)
            return;
        form = dialog.form();
        const StoreResult result = storeNewItem(state, form, messages);
        if (result.outcome == StoreOutcome::Refused) {
            look = result.numberRefused ? ItemDialogForm::AmendNumberOpen : ItemDialogForm::Amend;
            continue;
        }
        if (result.outcome == StoreOutcome::Ended)
            return;
        itemsChanged(hooks);
        switch (choice) {
        case ItemDialogChoice::Next:
            form = newItemForm(state.config, state.items, localNow());
            look = ItemDialogForm::New;
            break;
        case ItemDialogChoice::Copy:
            form = copyOfStoredItem(state, form, messages);
            look = ItemDialogForm::New;
            break;
        default:
            keyClick(state, hooks);
            return;
        }
    }
}

void runAmendItem(
    QWidget *parent, TillState &state, Messages &messages, const InventoryHooks &hooks)
{
    const std::optional<int64_t> number
        = promptForItem(parent, state, messages, hooks, "Amend item", "Amend inventory");
    if (!number)
        return;
    const std::optional<ItemRecord> record = readItem(state, *number, messages);
    if (!record)
        return;
    if (record->record_kind == kBundleRecordKind) {
        runAmendBundle(parent, state, *number, messages, hooks);
        return;
    }
    const bool ownPicture = fileExists(state.dir.path(ownPictureName(*number)));
    ItemForm form = formOfItem(*record, localNow(), ownPicture);
    for (;;) {
        ItemDialog dialog(state, form, ItemDialogForm::Amend, parent);
        dialog.exec();
        if (dialog.choice() == ItemDialogChoice::Cancel)
            return;
        form = dialog.form();
        const StoreResult result = storeAmendedItem(state, *number, form, messages);
        if (result.outcome == StoreOutcome::Refused)
            continue;
        if (result.outcome == StoreOutcome::Stored) {
            itemsChanged(hooks);
            keyClick(state, hooks);
        }
        return;
    }
}

void runDeleteItem(
    QWidget *parent, TillState &state, Messages &messages, const InventoryHooks &hooks)
{
    const std::optional<int64_t> number = promptForItem(
        parent, state, messages, hooks, "Delete item number / description", "Delete inventory");
    if (number && deleteItem(state, *number, messages))
        itemsChanged(hooks);
}

void runAddCustomImage(
    QWidget *parent, TillState &state, Messages &messages, const InventoryHooks &hooks)
{
    const QString chosen = hooks.chooseBitmap
        ? hooks.chooseBitmap(parent)
        : QFileDialog::getOpenFileName(parent, QStringLiteral("Add custom image to item"),
            QString::fromStdString(state.dir.root()), QStringLiteral("Bitmap files (*.bmp)"));
    if (chosen.isEmpty() || !pictureFolderReadable(state, messages))
        return;
    const std::optional<std::string> typed
        = messages.askText("Add image to inventory number:", "Add custom image", "1");
    if (!typed)
        return;
    const ItemPromptAnswer answer = readItemPrompt(*typed);
    if (answer.number <= 0) {
        if (!answer.description.empty())
            reportProblem(messages, "Number outside range.");
        return;
    }
    attachPicture(state, answer.number, QFile::encodeName(chosen).toStdString(), messages,
        [&hooks] { itemsChanged(hooks); });
}

} // namespace ovix
