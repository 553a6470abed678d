#include "inventory/logic/bundle_form.h"

#include "inventory/logic/item_form.h"
#include "platform/c_format.h"
#include "platform/leading_number.h"
#include "store/fixed_text.h"
#include "store/till_config.h"

#include <algorithm>

namespace ovix {

namespace {

// The six component texts of a bundle, in component order.
std::array<char *, kBundleComponentCount> componentFields(ItemRecord &record)
{
    return { record.format, record.component_2, record.component_3, record.component_4,
        record.component_5, record.component_6 };
}

std::array<std::string, kBundleComponentCount> componentTexts(const ItemRecord &record)
{
    return { readText(record.format), readText(record.component_2), readText(record.component_3),
        readText(record.component_4), readText(record.component_5), readText(record.component_6) };
}

constexpr std::array<size_t, kBundleComponentCount> kComponentWidths
    = { sizeof(ItemRecord::format), sizeof(ItemRecord::component_2),
          sizeof(ItemRecord::component_3), sizeof(ItemRecord::component_4),
          sizeof(ItemRecord::component_5), sizeof(ItemRecord::component_6) };

// Stores `typed` (cut to `entered` characters) unless the field already holds
// exactly that text, whose bytes then stay as they are.
void writeChanged(char *field, size_t width, std::string_view typed, size_t entered)
{
    const std::string_view text = typed.substr(0, std::min(entered, typed.size()));
    if (readFixedText(field, width) == text)
        return;
    writeFixedText(field, width, text);
}

template <size_t N> void writeChanged(char (&field)[N], std::string_view typed, size_t entered)
{
    writeChanged(field, N, typed, entered);
}

bool anyComponent(const ItemRecord &record)
{
    for (const std::optional<int64_t> &number : componentNumbers(record)) {
        if (number)
            return true;
    }
    return false;
}

} // namespace

BundleForm newBundleForm(const TillConfig &config, const ItemIndex &items, const LocalTime &today)
{
    BundleForm form;
    if (std::optional<int64_t> offer = offeredItemNumber(config, items))
        form.number = std::to_string(*offer);
    form.deliveryCharge = "0.00";
    form.weight = "0.00";
    form.addedDay = today.day;
    form.addedMonth = today.month;
    form.addedYear = today.year;
    return form;
}

BundleForm formOfBundle(const ItemRecord &record, const LocalTime &today)
{
    BundleForm form;
    form.number = std::to_string(+record.number);
    form.description = readText(record.description);
    form.skus = { readText(record.sku1), readText(record.sku2), readText(record.sku3),
        readText(record.sku4) };
    const std::array<std::string, kBundleComponentCount> texts = componentTexts(record);
    for (size_t i = 0; i < kBundleComponentCount; ++i) {
        BundleComponent &row = form.components[i];
        row.number = texts[i];
        const int32_t quantity = record.component_quantity[i];
        row.quantity = quantity >= 1 && quantity <= kMaxComponentQuantity ? quantity : 1;
        row.free = record.component_free[i] != 0;
    }
    form.deliveryCharge = cformat("%.2f", static_cast<double>(record.delivery_charge));
    form.weight = cformat("%.2f", static_cast<double>(record.weight));
    form.notes = readText(record.notes);
    const int32_t category = record.display_category;
    form.displayCategory = category >= 0 && category < kCategoryCount ? category : 0;
    if (!readDateAdded(
            readText(record.date_added), form.addedDay, form.addedMonth, form.addedYear)) {
        form.addedDay = today.day;
        form.addedMonth = today.month;
        form.addedYear = today.year;
    }
    return form;
}

std::optional<int64_t> componentNumber(const BundleComponent &component)
{
    if (component.number.empty())
        return std::nullopt;
    const LeadingNumber parsed = parseLeadingNumber(component.number);
    if (parsed.outOfRange || parsed.value < 1 || parsed.value > kMaxRecordNumber)
        return std::nullopt;
    return parsed.value;
}

std::array<std::optional<int64_t>, kBundleComponentCount> componentNumbers(const ItemRecord &bundle)
{
    std::array<std::optional<int64_t>, kBundleComponentCount> numbers;
    const std::array<std::string, kBundleComponentCount> texts = componentTexts(bundle);
    for (size_t i = 0; i < kBundleComponentCount; ++i)
        numbers[i] = componentNumber({ texts[i], {}, 1, false });
    return numbers;
}

void applyBundleForm(const BundleForm &form, ItemRecord &record)
{
    record.number = typedItemNumber(form.number);
    writeChanged(record.description, form.description, kItemTextWidth);
    writeChanged(record.sku1, form.skus[0], kItemTextWidth);
    writeChanged(record.sku2, form.skus[1], kItemTextWidth);
    writeChanged(record.sku3, form.skus[2], kItemTextWidth);
    writeChanged(record.sku4, form.skus[3], kItemTextWidth);
    const std::array<char *, kBundleComponentCount> fields = componentFields(record);
    for (size_t i = 0; i < kBundleComponentCount; ++i) {
        const BundleComponent &row = form.components[i];
        writeChanged(fields[i], kComponentWidths[i], row.number, kComponentNumberWidth);
        // A quantity the file holds outside 1..50 shows as 1; left at that, it stays.
        const int32_t stored = record.component_quantity[i];
        const int shown = stored >= 1 && stored <= kMaxComponentQuantity ? stored : 1;
        if (row.quantity != shown)
            record.component_quantity[i] = std::clamp(row.quantity, 1, kMaxComponentQuantity);
        if ((record.component_free[i] != 0) != row.free)
            record.component_free[i] = row.free ? 2 : 0;
    }
    const float delivery = typedItemPrice(form.deliveryCharge);
    if (cformat("%.2f", static_cast<double>(delivery))
        != cformat("%.2f", static_cast<double>(record.delivery_charge)))
        record.delivery_charge = delivery;
    const float weight = typedItemPrice(form.weight);
    if (cformat("%.2f", static_cast<double>(weight))
        != cformat("%.2f", static_cast<double>(record.weight)))
        record.weight = weight;
    writeChanged(record.notes, form.notes, kItemNotesWidth);
    writeText(
        record.date_added, cformat("%02d/%02d/%d", form.addedDay, form.addedMonth, form.addedYear));
    record.display_category = form.displayCategory;
    record.record_kind = kBundleRecordKind;
}

std::optional<std::string> newBundleProblem(const ItemRecord &record)
{
    const int64_t number = record.number;
    if (number < 1 || number > kMaxRecordNumber)
        return "Number outside range.";
    if (readText(record.description).size() < 2)
        return "The description must have at least two characters.";
    const int32_t category = record.display_category;
    if (category < 0 || category >= kCategoryCount)
        return "Invalid category";
    if (!anyComponent(record))
        return "No items selected";
    return std::nullopt;
}

std::optional<std::string> amendedBundleProblem(const ItemRecord &record, int64_t original)
{
    if (record.number != original)
        return "Number cannot be changed";
    if (readText(record.description).size() < 2)
        return "The title must have at least two characters.";
    if (!anyComponent(record))
        return "No items selected";
    return std::nullopt;
}

} // namespace ovix
