#include "exchange/logic/import_fields.h"

#include "exchange/logic/import_lines.h"
#include "platform/c_format.h"
#include "platform/cp1252.h"
#include "store/customer_record.h"
#include "store/fixed_text.h"
#include "store/item_record.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <limits>

namespace ovix {

namespace {

#define OVIX_ITEM(field) offsetof(ItemRecord, field)
#define OVIX_CUSTOMER(field) offsetof(CustomerRecord, field)

// Built before main(): without the memory for it the program ends before it has
// touched a file.
// NOLINTNEXTLINE(cert-err58-cpp)
const std::vector<ImportField> kItemFields = {
    { "Number", ImportRule::Number, OVIX_ITEM(number), 0 },
    { "Description (2-39)", ImportRule::UpperText, OVIX_ITEM(description), 39 },
    { "SKU 1 (0-39)", ImportRule::Text, OVIX_ITEM(sku1), 39 },
    { "SKU 2 (0-39)", ImportRule::Text, OVIX_ITEM(sku2), 39 },
    { "Cost", ImportRule::Price, OVIX_ITEM(cost_price), 0 },
    { "Display category", ImportRule::DisplayCategory, OVIX_ITEM(display_category), 0 },
    { "Retail price", ImportRule::Price, OVIX_ITEM(retail_price), 0 },
    { "In stock", ImportRule::Count, OVIX_ITEM(quantity), 0 },
    { "Restock level", ImportRule::Count, OVIX_ITEM(reorder_quantity), 0 },
    { "Taxable", ImportRule::ItemTax, OVIX_ITEM(tax), 0 },
    { "Order code", ImportRule::Text, OVIX_ITEM(order_code), 39 },
    { "Order quantity", ImportRule::Count, OVIX_ITEM(order_quantity), 0 },
    { "Minimum order", ImportRule::Count, OVIX_ITEM(minimum_order), 0 },
    { "Trade price", ImportRule::Price, OVIX_ITEM(trade_price), 0 },
    { "Location", ImportRule::Text, OVIX_ITEM(location), 39 },
    { "Web URL", ImportRule::Text, OVIX_ITEM(website), 39 },
    { "Web image URL", ImportRule::Text, OVIX_ITEM(web_image), 39 },
};

// NOLINTNEXTLINE(cert-err58-cpp): as kItemFields.
const std::vector<ImportField> kCustomerFields = {
    { "Number", ImportRule::Number, OVIX_CUSTOMER(number), 0 },
    { "Company", ImportRule::Text, OVIX_CUSTOMER(name), 29 },
    { "Address 1", ImportRule::UpperText, OVIX_CUSTOMER(road), 29 },
    { "Address 2", ImportRule::UpperText, OVIX_CUSTOMER(area), 29 },
    { "Address 3", ImportRule::UpperText, OVIX_CUSTOMER(town), 29 },
    { "Address 4", ImportRule::UpperText, OVIX_CUSTOMER(postcode), 9 },
    { "Telephone", ImportRule::UpperText, OVIX_CUSTOMER(telephone), 19 },
    { "Taxable", ImportRule::CustomerTax, OVIX_CUSTOMER(tax), 0 },
    { "Balance", ImportRule::Price, OVIX_CUSTOMER(balance), 0 },
    { "Credit limit", ImportRule::Price, OVIX_CUSTOMER(credit_limit), 0 },
    { "Shipping", ImportRule::Text, OVIX_CUSTOMER(shipping_address_1), 59 },
    { "Address 1", ImportRule::Text, OVIX_CUSTOMER(shipping_address_2), 29 },
    { "Address 2", ImportRule::Text, OVIX_CUSTOMER(shipping_address_3), 29 },
    { "Address 3", ImportRule::Text, OVIX_CUSTOMER(shipping_address_4), 29 },
    { "Address 4", ImportRule::Text, OVIX_CUSTOMER(shipping_address_5), 9 },
    { "Comment", ImportRule::Text, OVIX_CUSTOMER(comment), 29 },
    { "Group", ImportRule::Count, OVIX_CUSTOMER(group), 0 },
    { "Email", ImportRule::Text, OVIX_CUSTOMER(email), 39 },
};

#undef OVIX_ITEM
#undef OVIX_CUSTOMER

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

void putInt32(char *record, size_t offset, int32_t value)
{
    std::memcpy(record + offset, &value, sizeof value);
}

void putInt64(char *record, size_t offset, int64_t value)
{
    std::memcpy(record + offset, &value, sizeof value);
}

void putFloat(char *record, size_t offset, float value)
{
    std::memcpy(record + offset, &value, sizeof value);
}

void newItem(char *record, std::string_view stamp)
{
    std::memset(record, 0, sizeof(ItemRecord));
    auto *item = reinterpret_cast<ItemRecord *>(record);
    writeText(item->last_used, stamp);
    item->picture_number = 1;
    item->display_category = 14;
}

void newCustomer(char *record)
{
    std::memset(record, 0, sizeof(CustomerRecord));
    auto *customer = reinterpret_cast<CustomerRecord *>(record);
    customer->group = 1;
    customer->terms = 1;
    customer->tax = 1;
    // Marks a record that came in through an import.
    customer->import_marker = 1;
}

// A text value: up to `characters` bytes; a NUL ends it as the record would.
std::string_view textValue(std::string_view column, size_t characters)
{
    const size_t nul = column.find('\0');
    if (nul != std::string_view::npos)
        column = column.substr(0, nul);
    return column.substr(0, std::min(column.size(), characters));
}

int32_t clampedInt32(int64_t value)
{
    if (value > std::numeric_limits<int32_t>::max())
        return std::numeric_limits<int32_t>::max();
    if (value < std::numeric_limits<int32_t>::min())
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

void applyField(const ImportField &field, std::string_view column, char *record)
{
    switch (field.rule) {
    case ImportRule::Number:
        putInt64(record, field.offset, leadingInteger(column));
        break;
    case ImportRule::Text:
        writeFixedText(record + field.offset, field.characters + 1,
            textValue(column, field.characters));
        break;
    case ImportRule::UpperText:
        writeFixedText(record + field.offset, field.characters + 1,
            toUpperCp1252(textValue(column, field.characters)));
        break;
    case ImportRule::Price: {
        const std::optional<double> value = leadingDecimal(column);
        if (!value || *value <= 0 || *value > 1e12)
            break;
        // Money is kept to the cent, as the forms round what is typed.
        const double cents = std::round(*value * 100.0);
        if (cents > 0)
            putFloat(record, field.offset, static_cast<float>(cents / 100.0));
        break;
    }
    case ImportRule::Count: {
        const int64_t value = leadingInteger(column);
        if (value > 0)
            putInt32(record, field.offset, clampedInt32(value));
        break;
    }
    case ImportRule::DisplayCategory: {
        const int64_t value = leadingInteger(column);
        if (value >= 0 && value <= 17)
            putInt32(record, field.offset, static_cast<int32_t>(value));
        break;
    }
    case ImportRule::ItemTax: {
        const int64_t value = leadingInteger(column);
        if (value > 0)
            putInt32(record, field.offset, value > 3 ? 1 : static_cast<int32_t>(value));
        break;
    }
    case ImportRule::CustomerTax: {
        const int64_t value = leadingInteger(column);
        if (value > 0)
            putInt64(record, field.offset, value);
        break;
    }
    }
}

} // namespace

const std::vector<ImportField> &importFields(ImportSubject subject)
{
    return subject == ImportSubject::Items ? kItemFields : kCustomerFields;
}

const char *importMappingCaption(ImportSubject subject)
{
    return subject == ImportSubject::Items ? "Inventory database" : "Customer database";
}

size_t importRecordSize(ImportSubject subject)
{
    return subject == ImportSubject::Items ? sizeof(ItemRecord) : sizeof(CustomerRecord);
}

ColumnMap initialColumnMap(ImportSubject subject, int columns)
{
    const size_t count = importFields(subject).size();
    ColumnMap map(count, 0);
    for (size_t field = 0; field < count; ++field) {
        const int column = static_cast<int>(field) + 1;
        map[field] = columns >= column ? column : 0;
    }
    return map;
}

ColumnMap fittedColumnMap(ImportSubject subject, ColumnMap map, int columns)
{
    map.resize(importFields(subject).size(), 0);
    for (int &column : map) {
        if (column < 0 || column > columns)
            column = 0;
    }
    return map;
}

int64_t leadingInteger(std::string_view text)
{
    size_t at = 0;
    while (at < text.size() && isBlank(text[at]))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    // Gathered as a negative number, whose range is the wider one.
    int64_t value = 0;
    constexpr int64_t lowest = std::numeric_limits<int64_t>::min();
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        const int digit = text[at] - '0';
        if (value < (lowest + digit) / 10) {
            value = lowest;
            break;
        }
        value = value * 10 - digit;
    }
    if (negative)
        return value;
    return value == lowest ? std::numeric_limits<int64_t>::max() : -value;
}

std::optional<double> leadingDecimal(std::string_view text)
{
    size_t at = 0;
    while (at < text.size() && isBlank(text[at]))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    // Only digits and a point may start the number: no "inf" or "nan".
    if (at >= text.size() || !((text[at] >= '0' && text[at] <= '9') || text[at] == '.'))
        return std::nullopt;
    double value = 0;
    const char *first = text.data() + at;
    const auto [end, error] = std::from_chars(first, text.data() + text.size(), value,
        std::chars_format::general);
    if (error != std::errc() || end == first || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

std::optional<ImportRejection> buildImportRecord(ImportSubject subject, std::string_view line,
    const ColumnMap &map, std::string_view stamp, char *record)
{
    if (subject == ImportSubject::Items)
        newItem(record, stamp);
    else
        newCustomer(record);
    const std::vector<ImportField> &fields = importFields(subject);
    const int columns = countImportColumns(line);
    for (size_t field = 0; field < fields.size() && field < map.size(); ++field) {
        const int column = map[field];
        if (column <= 0)
            continue;
        const std::optional<std::string_view> text = importColumn(line, column);
        if (!text) {
            return ImportRejection { 0, column,
                cformat("the line has %d column%s; %s is not taken", columns,
                    columns == 1 ? "" : "s", fields[field].label) };
        }
        applyField(fields[field], *text, record);
    }
    const int64_t number = importRecordNumber(record);
    if (number < 1 || number > kMaxRecordNumber)
        return ImportRejection { 0, map[0], "number outside 1 to 100000000000000000" };
    const bool items = subject == ImportSubject::Items;
    const size_t textOffset = items ? offsetof(ItemRecord, description)
                                    : offsetof(CustomerRecord, name);
    if (std::strlen(record + textOffset) < 2) {
        return ImportRejection { 0, map[1],
            items ? "description shorter than two characters"
                  : "name shorter than two characters" };
    }
    return std::nullopt;
}

int64_t importRecordNumber(const char *record)
{
    int64_t number = 0;
    std::memcpy(&number, record, sizeof number);
    return number;
}

} // namespace ovix
