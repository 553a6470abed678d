#include "inventory/widgets/bundle_maintenance_dialogs.h"

#include "inventory/logic/bundle_maintenance.h"
#include "inventory/widgets/bundle_dialog.h"
#include "inventory/widgets/item_maintenance_dialogs.h"
#include "platform/clock.h"
#include "platform/sounds.h"
#include "sales/logic/till_state.h"

namespace ovix {

namespace {

void bundleStored(const TillState &state, const InventoryHooks &hooks)
{
    if (hooks.itemsChanged)
        hooks.itemsChanged();
    if (state.config.get(cfg::soundOff) == 0 && hooks.playSound)
        hooks.playSound(kKeySound);
}

} // namespace

void runNewBundle(
    QWidget *parent, TillState &state, Messages &messages, const InventoryHooks &hooks)
{
    BundleForm form = newBundleForm(state.config, state.items, localNow());
    BundleDialogLook look = BundleDialogLook::New;
    for (;;) {
        BundleDialog dialog(state, form, look, messages, parent);
        if (dialog.exec() != QDialog::Accepted)
            return;
        form = dialog.form();
        const StoreResult result = storeNewBundle(state, form, messages);
        if (result.outcome == StoreOutcome::Refused) {
            look = result.numberRefused ? BundleDialogLook::AmendNumberOpen
                                        : BundleDialogLook::Amend;
            continue;
        }
        if (result.outcome == StoreOutcome::Stored)
            bundleStored(state, hooks);
        return;
    }
}

void runAmendBundle(QWidget *parent, TillState &state, int64_t number, Messages &messages,
    const InventoryHooks &hooks)
{
    const std::optional<ItemRecord> record = readItem(state, number, messages);
    if (!record)
        return;
    BundleForm form = formOfBundle(*record, localNow());
    for (;;) {
        BundleDialog dialog(state, form, BundleDialogLook::Amend, messages, parent);
        if (dialog.exec() != QDialog::Accepted)
            return;
        form = dialog.form();
        const StoreResult result = storeAmendedBundle(state, number, form, messages);
        if (result.outcome == StoreOutcome::Refused)
            continue;
        if (result.outcome == StoreOutcome::Stored)
            bundleStored(state, hooks);
        return;
    }
}

} // namespace ovix
