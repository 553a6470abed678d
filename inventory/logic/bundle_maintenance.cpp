#include "inventory/logic/bundle_maintenance.h"

#include "inventory/logic/item_find.h"
#include "inventory/logic/record_update.h"
#include "platform/c_format.h"
#include "platform/messages.h"
#include "platform/scripted_messages.h"
#include "store/fixed_text.h"
#include "store/shop.h"

#include <cinttypes>

namespace ovix {

namespace {

constexpr const char *kNestedBundle = "Bundle may not contain a bundle";

StoreResult refused(Messages &messages, const std::string &problem)
{
    reportProblem(messages, problem);
    return { StoreOutcome::Refused, problem == "Number outside range." };
}

} // namespace

std::optional<ChosenComponent> chooseComponent(
    const Shop &shop, std::string_view typed, int64_t bundleNumber, Messages &messages)
{
    const std::optional<int64_t> number = itemNumberOf(typed);
    if (!number)
        return std::nullopt;
    if (*number == bundleNumber) {
        reportProblem(messages, kNestedBundle);
        return std::nullopt;
    }
    const std::optional<int64_t> slot = shop.items.slotOf(*number);
    if (!slot)
        return std::nullopt;
    ItemRecord item {};
    if (!shop.items.readRecord(*slot, item, messages))
        return std::nullopt;
    if (item.record_kind == kBundleRecordKind) {
        reportProblem(messages, kNestedBundle);
        return std::nullopt;
    }
    return ChosenComponent { *number, readText(item.description) };
}

std::optional<std::string> componentsProblem(const Shop &shop, const ItemRecord &bundle)
{
    const int64_t own = bundle.number;
    for (const std::optional<int64_t> &number : componentNumbers(bundle)) {
        if (!number)
            continue;
        if (*number == own)
            return kNestedBundle;
        const std::optional<int64_t> slot = shop.items.slotOf(*number);
        if (!slot)
            return cformat("Item %" PRId64 " is not on file", *number);
        ItemRecord item {};
        ScriptedMessages quiet;
        if (!shop.items.readRecord(*slot, item, quiet))
            return quiet.lastText();
        if (item.record_kind == kBundleRecordKind)
            return kNestedBundle;
    }
    return std::nullopt;
}

StoreResult storeNewBundle(Shop &shop, const BundleForm &form, Messages &messages)
{
    ItemRecord record {};
    record.picture_number = 1;
    // Packed fields: set by index, never bound by reference.
    constexpr size_t components
        = sizeof(ItemRecord::component_quantity) / sizeof(ItemRecord::component_quantity[0]);
    for (size_t i = 0; i < components; ++i)
        record.component_quantity[i] = 1;
    applyBundleForm(form, record);
    if (std::optional<std::string> problem = newBundleProblem(record))
        return refused(messages, *problem);
    if (std::optional<std::string> problem = componentsProblem(shop, record))
        return refused(messages, *problem);
    clearForNewItem(record);
    if (shop.items.slotOf(record.number)) {
        reportProblem(messages, "Number in use.");
        return { StoreOutcome::Ended, false };
    }
    const int64_t slot = shop.items.index().slotForNewEntry();
    const bool stored = runRecordUpdate(
        shop.dir, shop.items, { slot, {}, false },
        [&](Messages &told) { return shop.items.insert(record, told).has_value(); }, messages);
    return { stored ? StoreOutcome::Stored : StoreOutcome::Ended, false };
}

StoreResult storeAmendedBundle(
    Shop &shop, int64_t number, const BundleForm &form, Messages &messages)
{
    const std::optional<ItemRecord> onFile = readItem(shop, number, messages);
    if (!onFile)
        return { StoreOutcome::Ended, false };
    ItemRecord record = *onFile;
    applyBundleForm(form, record);
    if (std::optional<std::string> problem = amendedBundleProblem(record, number))
        return refused(messages, *problem);
    if (std::optional<std::string> problem = componentsProblem(shop, record))
        return refused(messages, *problem);
    const int64_t slot = *shop.items.slotOf(number);
    const bool stored = runRecordUpdate(
        shop.dir, shop.items, { slot, {}, false },
        [&](Messages &told) { return shop.items.writeRecord(slot, record, told); }, messages);
    return { stored ? StoreOutcome::Stored : StoreOutcome::Ended, false };
}

} // namespace ovix
