#include "inventory/logic/item_view_text.h"

#include "inventory/logic/item_form.h"
#include "platform/c_format.h"
#include "store/fixed_text.h"
#include "store/item_record.h"
#include "store/till_config.h"

#include <cinttypes>

namespace ovix {

namespace {

std::string yesNo(bool yes)
{
    return yes ? "Yes" : "No";
}

std::string money(float value)
{
    return cformat("%.2f", static_cast<double>(value));
}

std::string sellByText(const ItemRecord &record)
{
    if (record.sell_by_day == 0)
        return "Not set";
    return cformat("D: %d M: %d Y: %d", +record.sell_by_day, +record.sell_by_month,
        kSellByYearBase + record.sell_by_year);
}

void addComponents(const ItemRecord &record, std::vector<ItemViewLine> &lines)
{
    const std::string numbers[6] = { readText(record.format), readText(record.component_2),
        readText(record.component_3), readText(record.component_4),
        readText(record.component_5), readText(record.component_6) };
    for (int component = 0; component < 6; ++component) {
        if (numbers[component].empty())
            continue;
        std::string value = cformat("%s x %d", numbers[component].c_str(),
            +record.component_quantity[component]);
        if (record.component_free[component] == 2)
            value += " free";
        lines.push_back({ cformat("Component %d", component + 1), value });
    }
}

} // namespace

const std::array<const char *, 4> &taxCodeNames()
{
    static const std::array<const char *, 4> names = { "Non taxable", "Tax 1 and 2", "Tax 1",
        "Tax 2" };
    return names;
}

std::vector<ItemViewLine> itemViewLines(const ItemRecord &record, const TillConfig &config)
{
    const int32_t tax = record.tax;
    const int32_t category = record.display_category;
    const int32_t age = record.age_warning;
    std::vector<ItemViewLine> lines = {
        { "Number", cformat("%" PRId64, +record.number) },
        { "Description", readText(record.description) },
        { "SKU 1", readText(record.sku1) },
        { "SKU 2", readText(record.sku2) },
        { "SKU 3", readText(record.sku3) },
        { "SKU 4", readText(record.sku4) },
        { "Cost price", money(record.cost_price) },
        { "Trade price", money(record.trade_price) },
        { "Retail price", money(record.retail_price) },
        { "Order code", readText(record.order_code) },
        { "Order quantity", std::to_string(+record.order_quantity) },
        { "Minimum order", std::to_string(+record.minimum_order) },
        { "On order", std::to_string(+record.on_order) },
        { "Restock level", std::to_string(+record.reorder_quantity) },
        { "Notes", readText(record.notes) },
        { "Delivery", money(record.delivery_charge) },
        { "Weight", money(record.weight) },
        { "Committed", std::to_string(+record.committed) },
        { "Delivery lead", std::to_string(+record.delivery_lead) },
        { "Labels to print", std::to_string(+record.labels_to_print) },
        { "Location", readText(record.location) },
        { "Web URL", readText(record.website) },
        { "Web image URL", readText(record.web_image) },
        { "Tax code", tax >= 0 && tax < 4 ? taxCodeNames()[static_cast<size_t>(tax)] : std::to_string(tax) },
        { "In stock", std::to_string(+record.quantity) },
        { "Date added", readText(record.date_added) },
        { "Display category", config.categoryName(category + 1) },
        { "SOR", record.sale_or_return != 0 ? "YES" : "NO" },
        { "No tax rounding", yesNo(record.no_tax_rounding != 0) },
        { "Special order", std::to_string(+record.special_order) },
        { "Age warning", age != 0 ? std::to_string(age) : "No" },
        { "Omit from quick select", yesNo(record.omit_quick_select != 0) },
        { "Buy one get one free", yesNo(record.buy_one_get_one_free != 0) },
        { "Sell by", sellByText(record) },
    };
    if (record.record_kind == 2)
        addComponents(record, lines);
    return lines;
}

} // namespace ovix
