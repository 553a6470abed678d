#include "inventory/logic/supplier_maintenance.h"

#include "inventory/logic/record_update.h"
#include "platform/leading_number.h"
#include "platform/messages.h"
#include "store/shop.h"

namespace ovix {

std::optional<int64_t> supplierPromptNumber(std::string_view typed)
{
    const LeadingNumber number = parseLeadingNumber(typed.substr(0, kSupplierNumberWidth));
    if (number.outOfRange || number.value <= 0)
        return std::nullopt;
    return number.value;
}

bool storeNewSupplier(Shop &shop, const SupplierForm &form, Messages &messages)
{
    SupplierRecord record {};
    applySupplierForm(form, record);
    const int64_t number = record.number;
    if (number < 1 || number > kMaxSupplierNumber) {
        reportProblem(messages, "Number outside range.");
        return false;
    }
    if (shop.suppliers.slotOf(number)) {
        reportProblem(messages, "Number in use.");
        return false;
    }
    const int64_t slot = shop.suppliers.index().slotForNewEntry();
    return runRecordUpdate(
        shop.dir, shop.suppliers, { slot, {}, false },
        [&](Messages &told) { return shop.suppliers.insert(record, told).has_value(); }, messages);
}

std::optional<SupplierRecord> readSupplier(
    const Shop &shop, int64_t number, std::string_view caption, Messages &messages)
{
    const std::optional<int64_t> slot = shop.suppliers.slotOf(number);
    if (!slot) {
        reportProblem(messages, "Supplier does not exist", caption);
        return std::nullopt;
    }
    SupplierRecord record {};
    if (!shop.suppliers.readRecord(*slot, record, messages))
        return std::nullopt;
    return record;
}

bool storeAmendedSupplier(Shop &shop, int64_t number, const SupplierForm &form, Messages &messages)
{
    const std::optional<SupplierRecord> stored
        = readSupplier(shop, number, "Amend supplier", messages);
    if (!stored)
        return false;
    SupplierRecord record = *stored;
    applySupplierForm(form, record);
    if (record.number != number) {
        reportProblem(messages, "Not possible to change number");
        return false;
    }
    const int64_t slot = *shop.suppliers.slotOf(number);
    return runRecordUpdate(
        shop.dir, shop.suppliers, { slot, {}, false },
        [&](Messages &told) { return shop.suppliers.writeRecord(slot, record, told); }, messages);
}

bool deleteSupplier(Shop &shop, int64_t number, Messages &messages)
{
    const std::optional<int64_t> slot = shop.suppliers.slotOf(number);
    if (!slot) {
        reportProblem(messages, "Supplier does not exist", "Delete supplier");
        return false;
    }
    const bool deleted = runRecordUpdate(
        shop.dir, shop.suppliers, { *slot, {}, false },
        [&](Messages &told) { return shop.suppliers.remove(shop.suppliers.find(number), told); },
        messages);
    if (deleted)
        reportInfo(messages, "Supplier deleted.", "Delete supplier");
    return deleted;
}

std::optional<SupplierRecord> findSupplier(const Shop &shop, int64_t number, Messages &messages)
{
    const std::optional<int64_t> slot = shop.suppliers.slotOf(number);
    if (!slot) {
        reportProblem(messages, "Does not exist", "Supplier");
        return std::nullopt;
    }
    SupplierRecord record {};
    if (!shop.suppliers.readRecord(*slot, record, messages))
        return std::nullopt;
    return record;
}

} // namespace ovix
