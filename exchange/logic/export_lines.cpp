#include "exchange/logic/export_lines.h"

#include "store/customer_record.h"
#include "store/item_record.h"

#include <charconv>
#include <cstring>

namespace ovix {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// A record's text field up to its NUL, never past its width.
template <size_t N> std::string_view text(const char (&field)[N])
{
    const void *nul = std::memchr(field, 0, N);
    return { field, nul ? static_cast<size_t>(static_cast<const char *>(nul) - field) : N };
}

// "%d" and "%I64d".
void appendWhole(std::string &out, int64_t value)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, end);
}

// "%.2f" of the amount as the record holds it, in the C locale's form.
void appendMoney(std::string &out, float amount)
{
    char digits[64];
    const auto result = std::to_chars(digits, digits + sizeof digits,
        static_cast<double>(amount), std::chars_format::fixed, 2);
    if (result.ec == std::errc())
        out.append(digits, result.ptr);
}

// The ten boxes of the field dialog, or all of them for "Export entire".
bool ticked(const ExportChoice &choice, int box)
{
    return choice.entire || choice.fields[static_cast<size_t>(box)];
}

// Builds one line of text or HTML: each field goes in with its separator.
class Line {
public:
    Line(std::string &out, const ExportChoice &choice)
        : out_(out), html_(choice.format == ExportFormat::Html)
    {
    }

    void number(int64_t value, bool bold)
    {
        if (html_ && bold)
            out_ += "<B>";
        appendWhole(out_, value);
        if (html_ && bold)
            out_ += "</B>";
        endField();
    }
    void word(std::string_view value, bool bold = false)
    {
        startField();
        if (html_ && bold)
            out_ += "<B>";
        out_ += value;
        if (html_ && bold)
            out_ += "</B>";
        endField();
    }
    void whole(int64_t value)
    {
        startField();
        appendWhole(out_, value);
        endField();
    }
    void money(float value)
    {
        startField();
        appendMoney(out_, value);
        endField();
    }
    // Text: the last comma becomes the line end. HTML: "<BR>" ends the line.
    void finish()
    {
        if (!html_) {
            if (!out_.empty() && out_.back() == ',')
                out_.pop_back();
            out_ += kLineEnd;
            return;
        }
        out_ += "<BR>";
        out_ += kLineEnd;
    }

private:
    void startField()
    {
        if (html_)
            out_ += ' ';
    }
    void endField()
    {
        if (!html_)
            out_ += ',';
    }

    std::string &out_;
    bool html_;
};

// <name>value</name> and a line end; `appendValue` writes the value.
template <typename AppendValue>
void wrapped(std::string &out, std::string_view name, AppendValue appendValue)
{
    out += '<';
    out += name;
    out += '>';
    appendValue();
    out += "</";
    out += name;
    out += '>';
    out += kLineEnd;
}

void element(std::string &out, std::string_view name, std::string_view value)
{
    wrapped(out, name, [&] { appendXmlEscaped(out, value); });
}

void element(std::string &out, std::string_view name, int64_t value)
{
    wrapped(out, name, [&] { appendWhole(out, value); });
}

void moneyElement(std::string &out, std::string_view name, float value)
{
    wrapped(out, name, [&] { appendMoney(out, value); });
}

void appendItemXml(std::string &out, const ItemRecord &item)
{
    out += "<item>";
    out += kLineEnd;
    element(out, "number", item.number);
    element(out, "description", text(item.description));
    element(out, "sku1", text(item.sku1));
    element(out, "sku2", text(item.sku2));
    element(out, "sku3", text(item.sku3));
    element(out, "sku4", text(item.sku4));
    moneyElement(out, "cost_price", item.cost_price);
    moneyElement(out, "trade_price", item.trade_price);
    moneyElement(out, "retail_price", item.retail_price);
    element(out, "quantity", item.quantity);
    element(out, "reorder_quantity", item.reorder_quantity);
    element(out, "tax", item.tax);
    element(out, "display_category", item.display_category);
    element(out, "category", text(item.category));
    element(out, "format", text(item.format));
    element(out, "date_added", text(item.date_added));
    element(out, "last_used", text(item.last_used));
    element(out, "order_code", text(item.order_code));
    element(out, "minimum_order", item.minimum_order);
    element(out, "total_sold", item.total_sold);
    element(out, "location", text(item.location));
    element(out, "website", text(item.website));
    element(out, "web_image", text(item.web_image));
    element(out, "notes", text(item.notes));
    out += "</item>";
    out += kLineEnd;
}

void appendCustomerXml(std::string &out, const CustomerRecord &customer)
{
    out += "<customer>";
    out += kLineEnd;
    element(out, "number", customer.number);
    element(out, "name", text(customer.name));
    element(out, "road", text(customer.road));
    element(out, "area", text(customer.area));
    element(out, "town", text(customer.town));
    element(out, "postcode", text(customer.postcode));
    element(out, "telephone", text(customer.telephone));
    element(out, "telephone_extension", text(customer.telephone_extension));
    element(out, "telephone2", text(customer.telephone2));
    element(out, "contact", text(customer.contact));
    element(out, "comment", text(customer.comment));
    element(out, "comment2", text(customer.comment2));
    element(out, "tax", customer.tax);
    element(out, "transactions", customer.transactions);
    element(out, "credit_card", text(customer.credit_card));
    element(out, "credit_card_expiry", text(customer.credit_card_expiry));
    element(out, "email", text(customer.email));
    element(out, "shipping_address_1", text(customer.shipping_address_1));
    element(out, "shipping_address_2", text(customer.shipping_address_2));
    element(out, "shipping_address_3", text(customer.shipping_address_3));
    element(out, "shipping_address_4", text(customer.shipping_address_4));
    element(out, "shipping_address_5", text(customer.shipping_address_5));
    out += "</customer>";
    out += kLineEnd;
}

} // namespace

void appendXmlEscaped(std::string &out, std::string_view value)
{
    for (const char c : value) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&apos;"; break;
        default: out += c;
        }
    }
}

std::string exportHead(const ExportChoice &choice)
{
    switch (choice.format) {
    case ExportFormat::Text:
        if (choice.subject == ExportSubject::Items && choice.entire)
            return "Number,Description,SKU1,SKU2,Cost,DisplayCat,Retail,Quantity,Reorder,Tax,"
                   "Category,Format,Last,MinOrder,SKU3,SKU4,Location,Website,WebImage,Trade,"
                   "OrderCode,Added,Sold,Notes\r\n";
        return {};
    case ExportFormat::Html: {
        const char *size = choice.textSize == HtmlTextSize::Small ? "1"
            : choice.textSize == HtmlTextSize::Medium            ? "2"
                                                                  : "3";
        return std::string("<HTML><BODY>\r\n<FONT SIZE='") + size + "'>\r\n";
    }
    case ExportFormat::Xml:
        return "<?xml version=\"1.0\" encoding=\"WINDOWS-1252\"?>\r\n<document>\r\n";
    }
    return {};
}

std::string exportTail(const ExportChoice &choice)
{
    switch (choice.format) {
    case ExportFormat::Text: return {};
    case ExportFormat::Html: return "</BODY></HTML>";
    case ExportFormat::Xml: return "</document>";
    }
    return {};
}

void appendItemExport(std::string &out, const ItemRecord &item, const ExportChoice &choice)
{
    if (choice.format == ExportFormat::Xml) {
        appendItemXml(out, item);
        return;
    }
    const bool html = choice.format == ExportFormat::Html;
    Line line(out, choice);
    if (ticked(choice, 0))
        line.number(item.number, choice.boldNumber);
    if (ticked(choice, 1))
        line.word(text(item.description), choice.boldTitle);
    if (ticked(choice, 2))
        line.word(text(item.sku1));
    if (ticked(choice, 3))
        line.word(text(item.sku2));
    if (ticked(choice, 4))
        line.money(item.cost_price);
    if (ticked(choice, 5))
        line.whole(item.display_category);
    if (ticked(choice, 6))
        line.money(item.retail_price);
    if (ticked(choice, 7))
        line.whole(item.quantity);
    if (ticked(choice, 8))
        line.whole(item.reorder_quantity);
    if (ticked(choice, 9)) {
        if (html)
            line.word(item.tax != 0 ? "Taxable" : "Non taxable");
        else
            line.whole(item.tax != 0 ? 1 : 0);
    }
    if (choice.entire && !html) {
        line.word(text(item.category));
        line.word(text(item.format));
        line.word(text(item.last_used));
        line.whole(item.minimum_order);
        line.word(text(item.sku3));
        line.word(text(item.sku4));
        line.word(text(item.location));
        line.word(text(item.website));
        line.word(text(item.web_image));
        line.money(item.trade_price);
        line.word(text(item.order_code));
        line.word(text(item.date_added));
        line.whole(item.total_sold);
        line.word(text(item.notes));
    }
    line.finish();
}

void appendCustomerExport(
    std::string &out, const CustomerRecord &customer, const ExportChoice &choice)
{
    if (choice.format == ExportFormat::Xml) {
        appendCustomerXml(out, customer);
        return;
    }
    const bool html = choice.format == ExportFormat::Html;
    Line line(out, choice);
    if (ticked(choice, 0))
        line.number(customer.number, choice.boldNumber);
    if (ticked(choice, 1))
        line.word(text(customer.name), choice.boldTitle);
    if (ticked(choice, 2))
        line.word(text(customer.road), choice.boldTitle);
    if (ticked(choice, 3))
        line.word(text(customer.area), choice.boldTitle);
    if (ticked(choice, 4))
        line.word(text(customer.town));
    if (ticked(choice, 5))
        line.word(text(customer.postcode));
    if (ticked(choice, 6))
        line.word(text(customer.telephone));
    if (ticked(choice, 7))
        line.whole(customer.tax);
    if (ticked(choice, 8))
        line.money(customer.balance);
    if (ticked(choice, 9))
        line.money(customer.credit_limit);
    if (choice.entire && !html) {
        line.word(text(customer.telephone2));
        line.word(text(customer.email));
        line.word(text(customer.comment));
        line.word(text(customer.comment2));
        line.word(text(customer.contact));
        line.word(text(customer.customer_notes));
        line.word(text(customer.credit_card));
        line.word(text(customer.credit_card_expiry));
        line.word(text(customer.credit_card_2));
        line.word(text(customer.credit_card_2_expiry));
        line.whole(customer.group);
        line.money(customer.total_purchases);
        line.whole(customer.terms);
        line.whole(customer.transactions);
    }
    line.finish();
}

} // namespace ovix
