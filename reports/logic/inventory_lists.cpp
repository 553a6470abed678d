#include "reports/logic/inventory_lists.h"

#include "platform/c_format.h"
#include "platform/cp1252.h"
#include "platform/messages.h"
#include "reports/logic/number_order_scan.h"
#include "sales/logic/cents_entry.h"
#include "store/fixed_text.h"
#include "store/till_config.h"

#include <charconv>
#include <cinttypes>
#include <limits>

namespace ovix {

namespace {

// Where the columns start, in average character widths from the number.
constexpr int kDescriptionColumn = 16;
constexpr int kCategoryColumn = kDescriptionColumn + 41;
constexpr int kHeldColumn = kCategoryColumn + 7;
constexpr int kAfterHeldColumn = kHeldColumn + 10;
constexpr int kCostRetailColumn = kAfterHeldColumn + 10;

constexpr const char *kStandardColumns
    = "Number          Description   Cat   Held   Retail   Total retail";
constexpr const char *kCostColumns
    = "Number          Description   Held   Cost   Retail   Total cost";

// The optional columns of the custom list, in the order of their flags.
constexpr const char *kCustomCaptions[] = { "Description", "SKU 1", "SKU 2", "SKU 3", "SKU 4",
    "Cost", "Trade", "Retail", "Order code", "On order", "Order quantity", "Minimum order",
    "Reorder level", "Tax code", "In stock", "Date added", "Display category", "Location",
    "Web URL", "Web image" };
static_assert(std::size(kCustomCaptions) == kCustomColumnCount);

std::string number(int64_t value)
{
    return cformat("%" PRId64, value);
}

std::string money(float amount)
{
    return cformat("%.2f", static_cast<double>(amount));
}

// Stock × price in whole cents; a product past what an int64 carries stays at
// its largest value.
int64_t stockValueCents(int32_t quantity, float price)
{
    const int64_t cents = moneyCents(price);
    int64_t value = 0;
    if (!__builtin_mul_overflow(static_cast<int64_t>(quantity), cents, &value))
        return value;
    constexpr int64_t kMost = std::numeric_limits<int64_t>::max();
    return (quantity < 0) == (cents < 0) ? kMost : -kMost;
}

std::string categoryName(const TillConfig &config, int32_t displayCategory)
{
    if (displayCategory < 0 || displayCategory >= kCategoryCount)
        return "";
    return config.categoryName(displayCategory + 1);
}

const char *taxCodeText(int32_t tax)
{
    switch (tax) {
    case 0: return ", Non";
    case 1: return ", 1 and 2";
    case 2: return ", Tax 1";
    case 3: return ", Tax 2";
    default: return ", ";
    }
}

bool customColumnOn(const TillConfig &config, size_t column)
{
    return config.get(cfg::inventoryPrintColumns, column) != 0;
}

std::string customLine(const ItemRecord &item, const TillConfig &config)
{
    std::string line = number(item.number);
    const auto text = [&line](const std::string &value) { line += ", " + value; };
    const auto whole = [&line](int32_t value) { line += cformat(", %d", value); };
    for (size_t column = 0; column < std::size(kCustomCaptions); ++column) {
        if (!customColumnOn(config, column))
            continue;
        switch (column) {
        case 0: text(readText(item.description)); break;
        case 1: text(readText(item.sku1)); break;
        case 2: text(readText(item.sku2)); break;
        case 3: text(readText(item.sku3)); break;
        case 4: text(readText(item.sku4)); break;
        case 5: text(money(item.cost_price)); break;
        case 6: text(money(item.trade_price)); break;
        case 7: text(money(item.retail_price)); break;
        case 8: text(readText(item.order_code)); break;
        case 9: whole(item.on_order); break;
        case 10: whole(item.order_quantity); break;
        case 11: whole(item.minimum_order); break;
        case 12: whole(item.reorder_quantity); break;
        case 13: line += taxCodeText(item.tax); break;
        case 14: whole(item.quantity); break;
        case 15: text(readText(item.date_added)); break;
        case 16: whole(item.display_category); break;
        case 17: text(readText(item.location)); break;
        case 18: text(readText(item.website)); break;
        case 19: text(readText(item.web_image)); break;
        }
    }
    return line;
}

std::optional<int64_t> wholeNumber(std::string_view typed)
{
    int64_t value = 0;
    const auto [end, error] = std::from_chars(typed.data(), typed.data() + typed.size(), value);
    if (typed.empty() || error != std::errc() || end != typed.data() + typed.size())
        return std::nullopt;
    return value;
}

} // namespace

std::optional<NumberRange> listingRange(std::string_view from, std::string_view to,
    Messages &messages)
{
    const std::optional<int64_t> low = wholeNumber(from);
    const std::optional<int64_t> high = wholeNumber(to);
    if (!low || !high || *low < 1 || *low > kMaxRecordNumber || *high < *low
        || *high > kMaxRecordNumber) {
        reportProblem(messages, "Outside range");
        return std::nullopt;
    }
    return NumberRange { *low, *high };
}

std::optional<std::string> listingLocation(std::string_view typed, Messages &messages)
{
    if (typed.empty() || typed.size() > 39) {
        reportProblem(messages, "Outside range");
        return std::nullopt;
    }
    return toUpperCp1252(typed);
}

std::string inventoryListTitle(const InventoryListChoice &choice)
{
    switch (choice.kind) {
    case InventoryListKind::ByCategory: return "Inventory category list: ";
    case InventoryListKind::InStock: return "Inventory held list: ";
    case InventoryListKind::ByLocation: return "Location: " + choice.location + " ";
    default: return "Inventory list: ";
    }
}

std::string inventoryColumnLine(InventoryListKind kind, const TillConfig &config)
{
    if (kind == InventoryListKind::IncludingCost || kind == InventoryListKind::InStock)
        return kCostColumns;
    if (kind != InventoryListKind::Custom)
        return kStandardColumns;
    std::string line = "Number";
    for (size_t column = 0; column < std::size(kCustomCaptions); ++column) {
        if (customColumnOn(config, column))
            line += std::string(", ") + kCustomCaptions[column];
    }
    return line;
}

const char *customColumnCaption(size_t column)
{
    return column < kCustomColumnCount ? kCustomCaptions[column] : "";
}

bool onInventoryList(const InventoryListChoice &choice, const ItemRecord &item)
{
    switch (choice.kind) {
    case InventoryListKind::ByCategory:
        return choice.category == 0 || int64_t(item.display_category) + 1 == choice.category;
    case InventoryListKind::InStock: return item.quantity >= 1;
    case InventoryListKind::ByLocation:
        return toUpperCp1252(readText(item.location)) == toUpperCp1252(choice.location);
    default: return true;
    }
}

ListingLine inventoryListLine(InventoryListKind kind, const ItemRecord &item,
    const TillConfig &config)
{
    if (kind == InventoryListKind::Custom)
        return { { 0, customLine(item, config) } };
    ListingLine line = {
        { 0, number(item.number) },
        { kDescriptionColumn, readText(item.description) },
        { kCategoryColumn, categoryName(config, item.display_category) },
        { kHeldColumn, cformat("%d", item.quantity) },
    };
    if (kind == InventoryListKind::IncludingCost || kind == InventoryListKind::InStock) {
        line.push_back({ kAfterHeldColumn, money(item.cost_price) });
        line.push_back({ kCostRetailColumn, money(item.retail_price) });
        line.push_back({ kCostRetailColumn + 12,
            centsText(stockValueCents(item.quantity, item.cost_price)) });
    } else {
        line.push_back({ kAfterHeldColumn, money(item.retail_price) });
        line.push_back({ kAfterHeldColumn + 12,
            centsText(stockValueCents(item.quantity, item.retail_price)) });
    }
    return line;
}

std::optional<Listing> inventoryListing(const InventoryListChoice &choice,
    const ItemIndex &items, const TillConfig &config, Messages &messages)
{
    Listing listing;
    listing.title = inventoryListTitle(choice);
    listing.columnLine = inventoryColumnLine(choice.kind, config);
    const NumberRange range = choice.kind == InventoryListKind::Custom
        ? NumberRange { 1, std::numeric_limits<int64_t>::max() }
        : choice.range;
    const std::optional<RecordIndex::Range> positions
        = items.walkRange(range.from, range.to, messages);
    if (!positions)
        return std::nullopt;
    std::optional<std::vector<ListingEntry>> entries = madeInNumberOrder<ListingEntry>(
        items, *positions, [&](const ItemRecord &item) -> std::optional<ListingEntry> {
            if (!onInventoryList(choice, item))
                return std::nullopt;
            return ListingEntry { inventoryListLine(choice.kind, item, config) };
        });
    if (!entries) {
        reportFatal(messages, "Data file film.dat, not present.");
        return std::nullopt;
    }
    listing.entries = std::move(*entries);
    return listing;
}

Listing alphabeticalInventoryListing(const std::vector<ListFileRecord> &records)
{
    Listing listing;
    listing.title = "Inventory list: ";
    listing.columnLine = "Number          Description   Held   Retail";
    listing.closingLine = true;
    listing.entries.reserve(records.size());
    for (const ListFileRecord &record : records) {
        listing.entries.push_back({ {
            { 0, number(record.number) },
            { kDescriptionColumn, readText(record.name) },
            { kHeldColumn, readText(record.column1) },
            { kAfterHeldColumn, readText(record.column2) },
        } });
    }
    return listing;
}

std::optional<int64_t> supplierListStart(std::string_view typed, Messages &messages)
{
    const std::optional<int64_t> from = wholeNumber(typed);
    if (!from || *from < 1) {
        reportProblem(messages, "Outside range");
        return std::nullopt;
    }
    return from;
}

std::optional<Listing> supplierListing(int64_t from, const SupplierIndex &suppliers,
    Messages &messages)
{
    Listing listing;
    listing.title = "Numeric supplier list: ";
    listing.closingLine = true;
    const std::optional<RecordIndex::Range> positions
        = suppliers.walkRange(from, std::numeric_limits<int64_t>::max(), messages);
    if (!positions)
        return std::nullopt;
    std::optional<std::vector<ListingEntry>> entries = madeInNumberOrder<ListingEntry>(
        suppliers, *positions, [](const SupplierRecord &supplier) -> std::optional<ListingEntry> {
            return ListingEntry { { { 0,
                cformat("%-16" PRId64 "  %s  %s, %s,  Tel %s", supplier.number,
                    readText(supplier.name).c_str(), readText(supplier.road).c_str(),
                    readText(supplier.town).c_str(), readText(supplier.telephone).c_str()) } } };
        });
    if (!entries) {
        reportFatal(messages, "Data file mans.dat, not present.");
        return std::nullopt;
    }
    listing.entries = std::move(*entries);
    return listing;
}

} // namespace ovix
