#include "inventory/logic/item_form.h"

#include "platform/c_format.h"
#include "platform/leading_number.h"
#include "store/fixed_text.h"
#include "store/item_record.h"
#include "store/till_config.h"

#include <algorithm>
#include <charconv>
#include <cinttypes>
#include <cmath>
#include <cstring>
#include <limits>

namespace ovix {

namespace {

constexpr int kStockPictures = 24;

// The leading decimal number of a price box, as the till has always read
// them ("12.5ABC" is 12.5, "ABC" is 0); blanks before it are skipped.
// Infinities and not-a-number are not prices: 0.
double typedAmount(std::string_view text)
{
    size_t at = text.find_first_not_of(" \t");
    if (at == std::string_view::npos)
        return 0;
    text.remove_prefix(at);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || !std::isfinite(value)) {
        // Out of range for a double: far past any price, so it is refused as one.
        if (error == std::errc::result_out_of_range && end != text.data())
            return text.front() == '-' ? -1e300 : 1e300;
        return 0;
    }
    return value;
}

int32_t typedCount(std::string_view text)
{
    const int64_t value = parseLeadingNumber(text).value;
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
        std::numeric_limits<int32_t>::max()));
}

std::string priceText(float value)
{
    return cformat("%.2f", static_cast<double>(value));
}

std::string countText(int32_t value)
{
    return std::to_string(value);
}

int withinOr(int32_t value, int low, int high, int otherwise)
{
    return value >= low && value <= high ? static_cast<int>(value) : otherwise;
}

} // namespace

void PictureChoice::back()
{
    if (own) {
        own = false;
        stockNumber = 1;
    } else if (stockNumber >= kStockPictures) {
        if (ownAvailable)
            own = true;
        else
            stockNumber = 1;
    } else {
        ++stockNumber;
    }
}

void PictureChoice::forward()
{
    if (own) {
        own = false;
        stockNumber = kStockPictures;
    } else if (stockNumber <= 1) {
        if (ownAvailable)
            own = true;
        else
            stockNumber = kStockPictures;
    } else {
        --stockNumber;
    }
}

std::string PictureChoice::fileName(int64_t itemNumber) const
{
    if (own)
        return cformat("m%" PRId64 ".bmp", itemNumber);
    return cformat("STOCK%d.bmp", stockNumber);
}

int64_t typedItemNumber(std::string_view text)
{
    const LeadingNumber typed = parseLeadingNumber(text.substr(0, kItemNumberWidth));
    return typed.outOfRange ? -1 : typed.value;
}

float typedItemPrice(std::string_view text)
{
    const double value = typedAmount(text);
    // A value past a float's range would become infinity: hold it at the
    // largest float instead, which the limits refuse all the same.
    const double largest = std::numeric_limits<float>::max();
    return static_cast<float>(std::clamp(value, -largest, largest));
}

bool readDateAdded(std::string_view text, int &day, int &month, int &year)
{
    int values[3] = {};
    size_t at = 0;
    for (int part = 0; part < 3; ++part) {
        const size_t end = part < 2 ? text.find('/', at) : text.size();
        if (end == std::string_view::npos)
            return false;
        const std::string_view digits = text.substr(at, end - at);
        if (digits.empty() || digits.size() > 4
            || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return false;
        std::from_chars(digits.data(), digits.data() + digits.size(), values[part]);
        at = end + 1;
    }
    if (values[0] < 1 || values[0] > 31 || values[1] < 1 || values[1] > 12 || values[2] <= 1980)
        return false;
    day = values[0];
    month = values[1];
    year = values[2];
    return true;
}

std::optional<int64_t> offeredItemNumber(const TillConfig &config, const ItemIndex &items)
{
    if (config.get(cfg::noNumberOnNewItem) != 0)
        return std::nullopt;
    const int64_t offer = items.offerNumber(config.get(cfg::lastItemNumber));
    if (offer < 1 || offer > kMaxRecordNumber)
        return std::nullopt;
    return offer;
}

ItemForm newItemForm(const TillConfig &config, const ItemIndex &items, const LocalTime &today)
{
    ItemForm form;
    if (std::optional<int64_t> offer = offeredItemNumber(config, items))
        form.number = std::to_string(*offer);
    form.costPrice = "0.00";
    form.tradePrice = "0.00";
    form.retailPrice = "0.00";
    form.deliveryCharge = "0.00";
    form.weight = "0.00";
    // One string copied, not a one-letter literal assigned three times: GCC 12
    // at -O3 takes the literal's copy for an overlapping one (-Wrestrict).
    const std::string none(1, '0');
    form.committed = none;
    form.deliveryLead = none;
    form.labelsToPrint = none;
    form.taxCode = defaultItemTaxCodeIndex(config);
    form.displayCategory = defaultItemCategoryNumber(config) - 1;
    form.addedDay = today.day;
    form.addedMonth = today.month;
    form.addedYear = today.year;
    return form;
}

ItemForm formOfItem(const ItemRecord &record, const LocalTime &today, bool ownPictureExists)
{
    ItemForm form;
    form.number = std::to_string(+record.number);
    form.description = readText(record.description);
    form.skus = { readText(record.sku1), readText(record.sku2), readText(record.sku3),
        readText(record.sku4) };
    form.costPrice = priceText(record.cost_price);
    form.tradePrice = priceText(record.trade_price);
    form.retailPrice = priceText(record.retail_price);
    form.orderCode = readText(record.order_code);
    form.orderQuantity = countText(record.order_quantity);
    form.minimumOrder = countText(record.minimum_order);
    form.onOrder = countText(record.on_order);
    form.restockLevel = countText(record.reorder_quantity);
    form.notes = readText(record.notes);
    form.deliveryCharge = priceText(record.delivery_charge);
    form.weight = priceText(record.weight);
    form.committed = countText(record.committed);
    form.deliveryLead = countText(record.delivery_lead);
    form.labelsToPrint = countText(record.labels_to_print);
    form.location = readText(record.location);
    form.website = readText(record.website);
    form.webImage = readText(record.web_image);
    form.quantity = countText(record.quantity);
    form.taxCode = withinOr(record.tax, 0, kTaxCodeCount - 1, 0);
    form.displayCategory = withinOr(record.display_category, 0, kCategoryCount - 1, 0);
    form.saleOrReturn = record.sale_or_return != 0 ? 1 : 0;
    form.noTaxRounding = record.no_tax_rounding != 0;
    form.specialOrder = withinOr(record.special_order, 0, kHighestSpecialOrder, 0);
    const int age = withinOr(record.age_warning, kLowestAgeWarning, kHighestAgeWarning, 0);
    form.ageWarning = age != 0;
    form.age = age != 0 ? age : kLowestAgeWarning;
    form.omitQuickSelect = record.omit_quick_select != 0;
    form.buyOneGetOneFree = record.buy_one_get_one_free != 0;
    form.sellByDay = withinOr(record.sell_by_day, 0, 31, 0);
    form.sellByMonth = withinOr(record.sell_by_month, 0, 12, 0);
    form.sellByYear = withinOr(record.sell_by_year, 0, kLastSellByYear - kSellByYearBase, 0);
    if (!readDateAdded(readText(record.date_added), form.addedDay, form.addedMonth,
            form.addedYear)) {
        form.addedDay = today.day;
        form.addedMonth = today.month;
        form.addedYear = today.year;
    }
    form.picture.stockNumber = withinOr(record.picture_number, 1, kStockPictures, 1);
    form.picture.own = record.own_picture == 1;
    form.picture.ownAvailable = form.picture.own || ownPictureExists;
    return form;
}

void applyItemForm(const ItemForm &form, ItemRecord &record)
{
    auto text = [](std::string_view typed, size_t width) { return typed.substr(0, width); };
    record.number = typedItemNumber(form.number);
    writeText(record.description, text(form.description, kItemTextWidth));
    writeText(record.sku1, text(form.skus[0], kItemTextWidth));
    writeText(record.sku2, text(form.skus[1], kItemTextWidth));
    writeText(record.sku3, text(form.skus[2], kItemTextWidth));
    writeText(record.sku4, text(form.skus[3], kItemTextWidth));
    record.cost_price = typedItemPrice(form.costPrice);
    record.trade_price = typedItemPrice(form.tradePrice);
    record.retail_price = typedItemPrice(cformat("%.2f", typedAmount(form.retailPrice)));
    writeText(record.order_code, text(form.orderCode, kItemTextWidth));
    record.order_quantity = typedCount(form.orderQuantity);
    record.minimum_order = typedCount(form.minimumOrder);
    record.on_order = typedCount(form.onOrder);
    record.reorder_quantity = typedCount(form.restockLevel);
    writeText(record.notes, text(form.notes, kItemNotesWidth));
    record.delivery_charge = typedItemPrice(form.deliveryCharge);
    record.weight = typedItemPrice(form.weight);
    record.committed = typedCount(form.committed);
    record.delivery_lead = typedCount(form.deliveryLead);
    record.labels_to_print = typedCount(form.labelsToPrint);
    writeText(record.location, text(form.location, kItemTextWidth));
    writeText(record.website, text(form.website, kItemTextWidth));
    writeText(record.web_image, text(form.webImage, kItemTextWidth));
    record.tax = form.taxCode;
    record.quantity = typedCount(form.quantity);
    writeText(record.date_added,
        cformat("%02d/%02d/%d", form.addedDay, form.addedMonth, form.addedYear));
    record.display_category = form.displayCategory;
    record.sale_or_return = form.saleOrReturn != 0 ? 1 : 0;
    record.no_tax_rounding = form.noTaxRounding ? 2 : 0;
    record.special_order = form.specialOrder;
    record.age_warning = form.ageWarning ? form.age : 0;
    record.omit_quick_select = form.omitQuickSelect ? 2 : 0;
    record.buy_one_get_one_free = form.buyOneGetOneFree ? 2 : 0;
    record.sell_by_day = form.sellByDay;
    record.sell_by_month = form.sellByMonth;
    record.sell_by_year = form.sellByYear;
    record.picture_number = form.picture.stockNumber;
    record.own_picture = form.picture.own ? 1 : 0;
}

std::optional<std::string> newItemProblem(const ItemRecord &record)
{
    const int64_t number = record.number;
    if (number < 1 || number > kMaxRecordNumber)
        return "Number outside range.";
    if (readText(record.description).size() < 2)
        return "The description must have at least two characters.";
    const int32_t category = record.display_category;
    if (category < 0 || category >= kCategoryCount)
        return "Invalid category";
    const int64_t retail = moneyCents(record.retail_price);
    if (retail <= 0)
        return "Invalid retail price";
    if (retail > kItemPriceLimitCents)
        return "Invalid retail price, limit 20000.00";
    if (record.quantity < 0)
        return "Invalid quantity in stock";
    const int64_t cost = moneyCents(record.cost_price);
    if (cost <= 0)
        return "Invalid cost price";
    if (cost > kItemPriceLimitCents)
        return "Invalid cost price, limit 20000.00";
    return std::nullopt;
}

std::optional<std::string> amendedItemProblem(const ItemRecord &record, int64_t original)
{
    if (record.number != original)
        return "Number cannot be changed";
    if (readText(record.description).size() < 2)
        return "The title must have at least two characters.";
    if (moneyCents(record.cost_price) > kItemPriceLimitCents)
        return "Invalid cost price, limit 20000.00";
    if (moneyCents(record.retail_price) > kItemPriceLimitCents)
        return "Invalid retail price, limit 20000.00";
    return std::nullopt;
}

void clearForNewItem(ItemRecord &record)
{
    record.loaned_to = 0;
    std::memset(record.due_back, 0, sizeof record.due_back);
    std::memset(record.reserved_1777, 0, sizeof record.reserved_1777);
    std::memset(record.reserved_1781, 0, 5);
    std::memset(record.reserved_1850, 0, sizeof record.reserved_1850);
}

} // namespace ovix
