#include "sync/logic/stock_formatter.h"

#include "platform/cp1252.h"
#include "store/item_record.h"

#include <charconv>
#include <cstring>

namespace ovix {

namespace {

template <size_t N> std::string_view fieldText(const char (&field)[N])
{
    return { field, strnlen(field, N) };
}

void appendEscaped(std::string &out, std::string_view text)
{
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char *entity = nullptr;
        switch (text[i]) {
        case '&':
            entity = "&amp;";
            break;
        case '<':
            entity = "&lt;";
            break;
        case '>':
            entity = "&gt;";
            break;
        case '"':
            entity = "&quot;";
            break;
        case '\'':
            entity = "&apos;";
            break;
        default:
            continue;
        }
        out.append(text.data() + start, i - start);
        out.append(entity);
        start = i + 1;
    }
    out.append(text.data() + start, text.size() - start);
}

// A name that can stand in a tag: not empty, and no blank, control character
// or character of the markup itself, any of which would end the tag early or
// make a document the web site cannot read.
bool fitsInTag(std::string_view name)
{
    if (name.empty())
        return false;
    for (unsigned char c : name) {
        if (c <= 0x20 || c == 0x7F || c == '<' || c == '>' || c == '&' || c == '"' || c == '\''
            || c == '/' || c == '=')
            return false;
    }
    return true;
}

} // namespace

StockFormatter::StockFormatter(const SyncConfig &config)
    : format_(config.fileFormat())
{
    for (int i = 0; i < kOptionalFieldCount; ++i)
        included_[i] = config.isIncluded(static_cast<OptionalField>(i));
    for (int i = 0; i < kElementCount; ++i) {
        const auto element = static_cast<Element>(i);
        std::string name = fromQString(config.elementName(element));
        if (!fitsInTag(name))
            name = fromQString(defaultElementName(element));
        openTags_[i] = "<" + name + ">";
        closeTags_[i] = "</" + name + ">\r\n";
    }
}

void StockFormatter::appendHeader(std::string &out) const
{
    if (format_ == FileFormat::Xml)
        out += "<?xml version=\"1.0\" encoding=\"WINDOWS-1252\"?>\r\n<document>\r\n";
}

void StockFormatter::appendFooter(std::string &out) const
{
    if (format_ == FileFormat::Xml)
        out += "</document>";
}

void StockFormatter::open(std::string &out, Element element) const
{
    if (format_ == FileFormat::Xml)
        out += openTags_[static_cast<size_t>(element)];
}

void StockFormatter::close(std::string &out, Element element) const
{
    if (format_ == FileFormat::Xml)
        out += closeTags_[static_cast<size_t>(element)];
    else
        out += ',';
}

void StockFormatter::appendText(std::string &out, Element element, std::string_view text) const
{
    open(out, element);
    if (format_ == FileFormat::Xml)
        appendEscaped(out, text);
    else
        out.append(text);
    close(out, element);
}

void StockFormatter::appendWhole(std::string &out, Element element, int64_t value) const
{
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    open(out, element);
    out.append(digits, result.ptr);
    close(out, element);
}

void StockFormatter::appendMoney(std::string &out, Element element, float value) const
{
    // As "%.2f" in the C locale; the largest float needs 39 digits before the point.
    char digits[64];
    const auto result = std::to_chars(
        digits, digits + sizeof digits, static_cast<double>(value), std::chars_format::fixed, 2);
    open(out, element);
    out.append(digits, result.ptr);
    close(out, element);
}

bool StockFormatter::appendItem(std::string &out, const ItemRecord &record) const
{
    const int64_t number = record.number;
    if (number <= 0)
        return false;
    if (format_ == FileFormat::Xml) {
        out += openTags_[static_cast<size_t>(Element::Item)];
        out += "\r\n";
    }

    appendWhole(out, Element::Number, number);
    appendText(out, Element::Description, fieldText(record.description));
    if (included(OptionalField::Sku1))
        appendText(out, Element::Sku1, fieldText(record.sku1));
    if (included(OptionalField::Sku2))
        appendText(out, Element::Sku2, fieldText(record.sku2));
    if (included(OptionalField::Sku3))
        appendText(out, Element::Sku3, fieldText(record.sku3));
    if (included(OptionalField::Sku4))
        appendText(out, Element::Sku4, fieldText(record.sku4));
    if (included(OptionalField::CostPrice))
        appendMoney(out, Element::CostPrice, record.cost_price);
    if (included(OptionalField::TradePrice))
        appendMoney(out, Element::TradePrice, record.trade_price);
    if (included(OptionalField::RetailPrice))
        appendMoney(out, Element::RetailPrice, record.retail_price);
    if (included(OptionalField::Quantity))
        appendWhole(out, Element::Quantity, record.quantity);
    if (included(OptionalField::ReorderQuantity))
        appendWhole(out, Element::ReorderQuantity, record.reorder_quantity);
    if (included(OptionalField::Tax))
        appendWhole(out, Element::Tax, record.tax);
    if (included(OptionalField::DisplayCategory))
        appendWhole(out, Element::DisplayCategory, record.display_category);
    if (included(OptionalField::Category))
        appendText(out, Element::Category, fieldText(record.category));
    if (included(OptionalField::Format))
        appendText(out, Element::Format, fieldText(record.format));
    if (included(OptionalField::DateAdded))
        appendText(out, Element::DateAdded, fieldText(record.date_added));
    if (included(OptionalField::LastUsed))
        appendText(out, Element::LastUsed, fieldText(record.last_used));
    if (included(OptionalField::OrderCode))
        appendText(out, Element::OrderCode, fieldText(record.order_code));
    if (included(OptionalField::MinimumOrder))
        appendWhole(out, Element::MinimumOrder, record.minimum_order);
    if (included(OptionalField::TotalSold))
        appendWhole(out, Element::TotalSold, record.total_sold);
    if (included(OptionalField::Location))
        appendText(out, Element::Location, fieldText(record.location));
    if (included(OptionalField::Website))
        appendText(out, Element::Website, fieldText(record.website));
    if (included(OptionalField::Notes))
        appendText(out, Element::Notes, fieldText(record.notes));

    if (format_ == FileFormat::Xml) {
        out += closeTags_[static_cast<size_t>(Element::Item)];
    } else {
        out.back() = '\r'; // the last value's comma
        out += '\n';
    }
    return true;
}

} // namespace ovix
