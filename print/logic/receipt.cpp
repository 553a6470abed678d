#include "print/logic/receipt.h"

#include "platform/c_format.h"
#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/messages.h"
#include "print/logic/code39.h"
#include "print/logic/print_device.h"
#include "store/receipt_words.h"
#include "store/fixed_text.h"
#include "store/store_heading.h"
#include "store/till_config.h"
#include "sales/logic/basket.h"

#include <algorithm>
#include <cinttypes>
#include <vector>

namespace ovix {

namespace {

constexpr const char *kDoubleRule = "========================";
constexpr const char *kSingleRule = "------------------------";
constexpr int kLastLayoutLine = 40;
constexpr int kDescriptionLimit = 20;

bool isRefund(const Basket &sale)
{
    return readFixedText(sale.paymentType, sizeof sale.paymentType) == "Refund";
}

bool hasCustomer(const Basket &sale)
{
    return sale.customerNumber != 0;
}

// The page and its metrics as the two layouts measure them.
struct Page {
    int line = 1; // L: distance between text lines
    int centre = 0; // Xc: half the printable width
    int offset = 0; // Xoff: the printer's physical left offset
    int dots = 0; // printer dots per inch, 0 when unknown

    // `count` printer dots in 0.01 mm; the count itself when the printer
    // does not say how large a dot is.
    int dotsToUnits(int count) const
    {
        return dots > 0 ? mulDiv(count, kHundredthsOfMillimetrePerInch, dots) : count;
    }
    int y(int lineNumber) const { return lineNumber * line; }
};

Page measurePage(const PrintDevice &device)
{
    Page page;
    page.line = std::max(1, device.lineHeight());
    page.centre = device.printableWidth() / 2;
    page.offset = device.offsetLeft();
    page.dots = device.dotsPerInch();
    return page;
}

// One printed line of the basket: identical lines (same item number, same
// price including tax) folded into the first of them.
struct ReceiptLine {
    int index = 0;
    int count = 1;
};

std::vector<ReceiptLine> mergedLines(const Basket &sale)
{
    const int lineCount = std::clamp(sale.lineCount, 0, kBasketLineCapacity);
    std::vector<int> counts(static_cast<size_t>(lineCount), 1);
    std::vector<ReceiptLine> lines;
    for (int i = 0; i < lineCount; ++i) {
        if (counts[i] == 0)
            continue;
        for (int j = i + 1; j < lineCount; ++j) {
            if (counts[j] != 0 && sale.lineItemNumber[j] == sale.lineItemNumber[i]
                && sale.lineTotal[j] == sale.lineTotal[i]) {
                ++counts[i];
                counts[j] = 0;
            }
        }
        lines.push_back({ i, counts[i] });
    }
    return lines;
}

std::string lineDescription(const ReceiptData &data, int index)
{
    std::string description = lineDescriptionText(data.sale, index);
    if (data.config.get(cfg::limitDescription) != 0 && description.size() > kDescriptionLimit)
        description.resize(kDescriptionLimit);
    return description;
}

double linePrice(const Basket &sale, int index, bool beforeTax)
{
    if (beforeTax)
        return double(sale.lineNonTaxable[index]) + double(sale.lineTaxable[index]);
    return sale.lineTotal[index];
}

// `head` followed by `tail`, the head losing characters from its end (and
// the blanks it is then left ending in) until the whole is at most `width`
// wide. The tail is never cut: it holds the amount a line exists for.
std::string fitText(const PrintDevice &device, int width, std::string head, std::string_view tail)
{
    std::string text = head + std::string(tail);
    while (!head.empty() && device.textWidth(text) > width) {
        head.pop_back();
        while (!head.empty() && head.back() == ' ')
            head.pop_back();
        text = head + std::string(tail);
    }
    return text;
}

// A centred line that is wider than the paper (a long heading line or label
// on a narrow roll) would lose both its ends; it is cut to the printable
// width instead, keeping its start and whatever follows its last ": ".
void drawCentred(PrintDevice &device, const Page &page, int lineNumber, std::string_view text)
{
    const int width = 2 * page.centre;
    if (width > 0 && device.textWidth(text) > width) {
        const size_t colon = text.rfind(": ");
        const std::string fitted = colon == std::string_view::npos
            ? fitText(device, width, std::string(text), {})
            : fitText(device, width, std::string(text.substr(0, colon)), text.substr(colon));
        device.drawText(page.centre, page.y(lineNumber), fitted, TextAlign::Centre);
        return;
    }
    device.drawText(page.centre, page.y(lineNumber), text, TextAlign::Centre);
}

// The item lines from `first`; returns the first line after them.
int drawItems(PrintDevice &device, const Page &page, const ReceiptData &data, int first,
    bool centred, bool beforeTax, bool markExempt, int left, int right)
{
    int lineNumber = first;
    for (const ReceiptLine &line : mergedLines(data.sale)) {
        const double price = linePrice(data.sale, line.index, beforeTax);
        const std::string description = lineDescription(data, line.index);
        const bool exempt = markExempt && data.sale.lineTaxable[line.index] == 0;
        const char *mark = exempt ? "E  " : "";
        // On a narrow roll a long description gives way to the price.
        if (centred) {
            const std::string head = line.count == 1
                ? description
                : cformat("%d %s", line.count, description.c_str());
            const std::string tail = cformat(", %s%.2f", mark, line.count * price);
            drawCentred(device, page, lineNumber++,
                fitText(device, 2 * page.centre, head, tail));
            continue;
        }
        const int gap = std::max(1, device.averageCharWidth());
        if (line.count == 1) {
            const std::string priceText = cformat("%s%.2f", mark, price);
            const int room = right - device.textWidth(priceText) - gap - left;
            device.drawText(left, page.y(lineNumber), fitText(device, room, description, {}),
                TextAlign::Left);
            device.drawText(right, page.y(lineNumber), priceText, TextAlign::Right);
            ++lineNumber;
            continue;
        }
        device.drawText(left, page.y(lineNumber),
            fitText(device, 2 * page.centre - left, description, {}), TextAlign::Left);
        ++lineNumber;
        device.drawText(left, page.y(lineNumber), cformat("%d @ %.2f", line.count, price),
            TextAlign::Left);
        device.drawText(right, page.y(lineNumber), cformat("%s%.2f", mark, line.count * price),
            TextAlign::Right);
        ++lineNumber;
    }
    return lineNumber;
}

// The logo at the top of the page; returns the text lines it takes (0 when
// there is none or it cannot be drawn).
int drawLogo(PrintDevice &device, const Page &page, const ReceiptData &data)
{
    if (data.logo.empty() || page.centre <= 0)
        return 0;
    const std::optional<PrintImageSize> size = device.imageSize(data.logo);
    if (!size || size->width <= 0 || size->height <= 0)
        return 0;
    const bool fullWidth = data.config.get(cfg::printToPageWidth) != 0;
    const int width = fullWidth ? 2 * page.centre : page.centre;
    const int64_t height = int64_t(width) * size->height / size->width;
    if (height > page.line * int64_t(kLastLayoutLine) * 4)
        return 0; // a picture many receipts long is not a logo
    const int x = fullWidth ? 0 : page.centre / 2;
    if (!device.drawImage(data.logo, x, page.dotsToUnits(10), width, int(height)))
        return 0;
    return int((height + page.dotsToUnits(20)) / page.line);
}

void drawBarcode(PrintDevice &device, const Page &page, const ReceiptData &data, int lineNumber,
    Messages &messages)
{
    drawNumberBarcode(device, page.y(lineNumber + 2), data.sale.transactionNumber, messages);
}

std::string totalText(const ReceiptData &data, bool secondCurrency)
{
    const double total = data.sale.total(BasketTotal::Total);
    const std::string symbol = data.config.text(cfg::currencySymbol);
    const double rate = data.config.get(cfg::conversionRate);
    if (secondCurrency && data.config.get(cfg::secondCurrencyOn) > 0 && rate > 0) {
        return cformat("%s %s%.2f  %s%.2f", data.words.word(3).c_str(), symbol.c_str(), total,
            data.config.text(cfg::secondCurrencySymbol).c_str(), total * rate);
    }
    return cformat("%s: %s%.2f", data.words.word(3).c_str(), symbol.c_str(), total);
}

std::string taxText(const ReceiptData &data, bool second)
{
    const std::string name = data.config.text(second ? cfg::taxTwoName : cfg::taxOneName);
    const double amount = data.sale.total(second ? BasketTotal::TaxTwo : BasketTotal::TaxOne);
    const double rate = double(data.config.get(second ? cfg::taxTwoRate : cfg::taxOneRate)) / 100.0;
    return cformat("%s: %.2f (%.2f%%)", name.c_str(), amount, rate);
}

std::string amountText(const ReceiptData &data, int slot, double amount)
{
    return cformat("%s: %.2f", data.words.word(slot).c_str(), amount);
}

void selectReceiptFont(PrintDevice &device, const TillConfig &config, Messages &messages)
{
    if (config.get(cfg::forceTenPointFont) == 0)
        return;
    if (!device.selectFont({ PrintFont::Kind::Arial10 }))
        reportProblem(messages, "Unable set font");
}

void printStandard(PrintDevice &device, const ReceiptData &data, Messages &messages)
{
    const Page page = measurePage(device);
    const Basket &sale = data.sale;
    const TillConfig &config = data.config;
    const int top = config.get(cfg::standardReceiptLogo) != 0 ? drawLogo(device, page, data) : 0;

    drawCentred(device, page, top + 1, receiptFieldText(ReceiptField::StoreName, data));
    drawCentred(device, page, top + 2, receiptFieldText(ReceiptField::StoreAddressOne, data));
    drawCentred(device, page, top + 3, receiptFieldText(ReceiptField::StoreAddressTwo, data));
    drawCentred(device, page, top + 4, receiptFieldText(ReceiptField::StoreTelephone, data));
    drawCentred(device, page, top + 6, kDoubleRule);
    drawCentred(device, page, top + 7, receiptFieldText(ReceiptField::Receipt, data));
    drawCentred(device, page, top + 8, receiptFieldText(ReceiptField::Date, data));
    drawCentred(device, page, top + 9, receiptFieldText(ReceiptField::Clerk, data));
    drawCentred(device, page, top + 10, kSingleRule);

    const bool beforeTax = config.get(cfg::standardReceiptExclusiveOfTax) != 0;
    const int left = page.offset + page.dotsToUnits(10);
    const int right = 2 * page.centre - page.offset;
    const int end = drawItems(device, page, data, top + 12,
        config.get(cfg::standardItemsCentred) != 0, beforeTax, false, left, right);

    const double taxOne = sale.total(BasketTotal::TaxOne);
    const double taxTwo = sale.total(BasketTotal::TaxTwo);
    const double discount = sale.total(BasketTotal::Discount);
    const double subtotal = sale.total(BasketTotal::Subtotal);
    int next = end + 1;
    if (beforeTax && (taxOne != 0 || taxTwo != 0)) {
        drawCentred(device, page, next++, amountText(data, 2, subtotal));
        const std::string oneName = config.text(cfg::taxOneName);
        const std::string twoName = config.text(cfg::taxTwoName);
        if (taxOne != 0)
            drawCentred(device, page, next++, cformat("%s: %.2f", oneName.c_str(), taxOne));
        if (taxTwo != 0)
            drawCentred(device, page, next++, cformat("%s: %.2f", twoName.c_str(), taxTwo));
    }
    if (discount != 0) {
        if (taxOne == 0 && taxTwo == 0)
            drawCentred(device, page, next++, amountText(data, 2, subtotal));
        drawCentred(device, page, next++,
            cformat("%s: (%.2f)", data.words.word(4).c_str(), discount));
    }
    drawCentred(device, page, next++, totalText(data, false));
    drawCentred(device, page, next++, kDoubleRule);
    int last = next + 1;
    drawCentred(device, page, last, paymentTypeText(data));
    if (data.change > 0 && !isRefund(sale))
        drawCentred(device, page, ++last, receiptFieldText(ReceiptField::CashChange, data));
    if (!beforeTax && taxOne != 0)
        drawCentred(device, page, ++last, taxText(data, false));
    if (!beforeTax && taxTwo != 0)
        drawCentred(device, page, ++last, taxText(data, true));

    const int footer = last + 2;
    int afterFooter = footer + 1;
    const std::string footerText = config.text(cfg::receiptMessage);
    if (config.get(cfg::wordWrap) != 0) {
        const int height = device.drawWrappedText(
            0, page.y(footer), 2 * page.centre, 4 * page.line, footerText);
        // A footer wrapped over several lines moves the position down by its
        // height in lines; what follows goes on the line after that, so one
        // blank line separates it from the footer's last line.
        if (height > page.line)
            afterFooter = footer + (height + page.line - 1) / page.line + 1;
    } else {
        drawCentred(device, page, footer, footerText);
    }
    if (config.get(cfg::standardReceiptBarcode) != 0)
        drawBarcode(device, page, data, afterFooter, messages);
    else
        drawCentred(device, page, afterFooter, "  ");
}

constexpr ReceiptField kHeaderFields[] = {
    ReceiptField::StoreName, ReceiptField::StoreAddressOne, ReceiptField::StoreAddressTwo,
    ReceiptField::StoreAddressThree, ReceiptField::StoreAddressFour,
    ReceiptField::StoreTelephone, ReceiptField::Date, ReceiptField::CustomerNumber,
    ReceiptField::CustomerName, ReceiptField::Clerk, ReceiptField::Receipt, ReceiptField::TextOne,
    ReceiptField::CustomerAddressOne, ReceiptField::CustomerAddressTwo,
    ReceiptField::CustomerAddressThree, ReceiptField::CustomerAddressFour,
    ReceiptField::CustomerPhone,
};

constexpr ReceiptField kFooterFields[] = {
    ReceiptField::ByLine, ReceiptField::NonTaxable, ReceiptField::Taxable, ReceiptField::TaxOne,
    ReceiptField::TaxTwo, ReceiptField::Total, ReceiptField::TotalTendered,
    ReceiptField::CashChange, ReceiptField::TextTwo, ReceiptField::TextThree,
    ReceiptField::PaymentType,
};

bool isCustomerField(ReceiptField field)
{
    return field == ReceiptField::CustomerNumber || field == ReceiptField::CustomerName
        || field >= ReceiptField::CustomerAddressOne;
}

int layoutValue(int stored)
{
    return stored >= 0 && stored <= kLastLayoutLine ? stored : 0;
}

void printCustom(PrintDevice &device, const ReceiptData &data, Messages &messages)
{
    const Page page = measurePage(device);
    const Basket &sale = data.sale;
    const TillConfig &config = data.config;
    const int top = config.get(cfg::customReceiptLogoOmitted) == 0 ? drawLogo(device, page, data)
                                                                    : 0;

    int header = 0;
    for (ReceiptField field : kHeaderFields) {
        if (isCustomerField(field) && !hasCustomer(sale))
            continue;
        const int value = customReceiptLine(config, field);
        header = std::max(header, value);
        if (value > 0 || field == ReceiptField::Date)
            drawCentred(device, page, top + value, receiptFieldText(field, data));
    }

    const int left = page.dotsToUnits(20);
    const int right = 2 * page.centre - page.dotsToUnits(20);
    int end = drawItems(device, page, data, top + header + 2,
        config.get(cfg::customItemsCentred) != 0, config.get(cfg::customReceiptExcludingTax) == 2,
        config.get(cfg::customReceiptMarkExempt) != 0, left, right);
    const double discount = sale.total(BasketTotal::Discount);
    if (discount != 0) {
        device.drawText(left, page.y(end),
            cformat("(%s: %.2f)", data.words.word(4).c_str(), discount), TextAlign::Left);
        ++end;
    }

    int footer = 0;
    for (ReceiptField field : kFooterFields) {
        const int value = customReceiptLine(config, field);
        footer = std::max(footer, value);
        if (value == 0 || (field == ReceiptField::CashChange && isRefund(sale)))
            continue;
        const std::string text = field == ReceiptField::Total
            ? totalText(data, config.get(cfg::customReceiptSecondCurrency) != 0)
            : receiptFieldText(field, data);
        drawCentred(device, page, end + value, text);
    }
    const int noteLine = layoutValue(config.get(cfg::customReceiptNoteLine));
    const std::string note = readFixedText(sale.transactionNote, sizeof sale.transactionNote);
    if (noteLine > 0 && !note.empty())
        drawCentred(device, page, end + noteLine, note);
    footer = std::max(footer, noteLine);

    const int last = end + footer + 2;
    if (config.get(cfg::customReceiptBarcode) != 0) {
        drawBarcode(device, page, data, last, messages);
        return;
    }
    const int blankLines = customReceiptBlankLinesIndex(config) + 1;
    for (int i = 0; i < blankLines; ++i)
        drawCentred(device, page, last + i, "  ");
}

} // namespace

int customReceiptLine(const TillConfig &config, ReceiptField field)
{
    const int index = static_cast<int>(field);
    if (index < 0 || index >= kReceiptFieldCount)
        return 0;
    if (index <= static_cast<int>(ReceiptField::CashChange))
        return layoutValue(config.get(cfg::customReceiptLines, size_t(index)));
    if (index <= static_cast<int>(ReceiptField::TextThree)) {
        const int text = index - static_cast<int>(ReceiptField::TextOne);
        return layoutValue(config.get(cfg::customReceiptTextLines, size_t(text)));
    }
    if (field == ReceiptField::PaymentType)
        return layoutValue(config.get(cfg::customReceiptPaymentTypeLine));
    const int customer = index - static_cast<int>(ReceiptField::CustomerAddressOne);
    return layoutValue(config.get(cfg::customReceiptCustomerLines, size_t(customer)));
}

void setCustomReceiptLine(TillConfig &config, ReceiptField field, int line)
{
    const int index = static_cast<int>(field);
    if (index < 0 || index >= kReceiptFieldCount)
        return;
    if (index <= static_cast<int>(ReceiptField::CashChange)) {
        config.set(cfg::customReceiptLines, size_t(index), line);
    } else if (index <= static_cast<int>(ReceiptField::TextThree)) {
        const int text = index - static_cast<int>(ReceiptField::TextOne);
        config.set(cfg::customReceiptTextLines, size_t(text), line);
    } else if (field == ReceiptField::PaymentType) {
        config.set(cfg::customReceiptPaymentTypeLine, line);
    } else {
        const int customer = index - static_cast<int>(ReceiptField::CustomerAddressOne);
        config.set(cfg::customReceiptCustomerLines, size_t(customer), line);
    }
}

std::string receiptFieldText(ReceiptField field, const ReceiptData &data)
{
    const Basket &sale = data.sale;
    const TillConfig &config = data.config;
    switch (field) {
    case ReceiptField::StoreName:
        return data.heading.line(HeadingLine::SiteName);
    case ReceiptField::StoreAddressOne:
        return data.heading.line(HeadingLine::Road);
    case ReceiptField::StoreAddressTwo:
        return data.heading.line(HeadingLine::Area);
    case ReceiptField::StoreAddressThree:
        return data.heading.line(HeadingLine::County);
    case ReceiptField::StoreAddressFour:
        return data.heading.line(HeadingLine::Postcode);
    case ReceiptField::StoreTelephone:
        return data.heading.line(HeadingLine::Telephone);
    case ReceiptField::Date:
        return cformat("%s  %s", readFixedText(sale.timeText, sizeof sale.timeText).c_str(),
            readFixedText(sale.dateText, sizeof sale.dateText).c_str());
    case ReceiptField::ByLine:
        return config.text(cfg::receiptMessage);
    case ReceiptField::CustomerNumber:
        return cformat("%s: %" PRId64, data.words.word(5).c_str(), sale.customerNumber);
    case ReceiptField::CustomerName:
        return readFixedText(sale.customerName, sizeof sale.customerName);
    case ReceiptField::NonTaxable:
        return amountText(data, 6, sale.total(BasketTotal::NonTaxable));
    case ReceiptField::Taxable:
        return amountText(data, 7, sale.total(BasketTotal::Taxable));
    case ReceiptField::TaxOne:
        return taxText(data, false);
    case ReceiptField::TaxTwo:
        return taxText(data, true);
    case ReceiptField::Total:
        return totalText(data, false);
    case ReceiptField::Clerk:
        return cformat("%" PRId64 ", %s", int64_t(sale.clerkNumber), data.clerkName.c_str());
    case ReceiptField::Receipt:
        return cformat("%s: %" PRId64, data.words.word(isRefund(sale) ? 16 : 1).c_str(),
            sale.transactionNumber);
    case ReceiptField::TotalTendered:
        return amountText(data, 8, data.tendered);
    case ReceiptField::CashChange:
        return amountText(data, 9, data.change);
    case ReceiptField::TextOne:
        return config.text(cfg::customReceiptTextOne);
    case ReceiptField::TextTwo:
        return config.text(cfg::customReceiptTextTwo);
    case ReceiptField::TextThree:
        return config.text(cfg::customReceiptTextThree);
    case ReceiptField::PaymentType:
        return paymentTypeText(data);
    case ReceiptField::CustomerAddressOne:
    case ReceiptField::CustomerAddressTwo:
    case ReceiptField::CustomerAddressThree:
    case ReceiptField::CustomerAddressFour: {
        const int line = static_cast<int>(field) - static_cast<int>(ReceiptField::CustomerAddressOne);
        return readFixedText(sale.customerAddress[line], sizeof sale.customerAddress[line]);
    }
    case ReceiptField::CustomerPhone:
        return readFixedText(sale.customerTelephone, sizeof sale.customerTelephone);
    }
    return {};
}

std::string paymentTypeText(const ReceiptData &data)
{
    const Basket &sale = data.sale;
    const double cash = sale.total(BasketTotal::CashPart);
    const double cheque = sale.total(BasketTotal::ChequePart);
    const double eft = sale.total(BasketTotal::EftPart);
    const double cashBack = sale.total(BasketTotal::CashBack);
    std::string text = data.words.word(10);
    if (cash == 0 && cheque != 0)
        text = data.words.word(11);
    if (cash == 0 && eft != 0)
        text = data.words.word(12);
    if (cash == 0 && eft != 0 && cashBack > 0)
        text = cformat("%s (CB: %.2f)", data.words.word(12).c_str(), cashBack);
    if (cash == 0 && readFixedText(sale.paymentType, sizeof sale.paymentType) == "Credit")
        text = data.words.word(13);
    if (cash > 0 && cheque > 0)
        text = data.words.word(14);
    if (cash > 0 && eft > 0)
        text = data.words.word(15);
    return text;
}

std::string loadReceiptLogo(const DataDir &dir)
{
    std::optional<std::string> bytes = readWholeFile(dir.path(kReceiptLogoFileName));
    return bytes ? std::move(*bytes) : std::string();
}

void printReceipt(PrintDevice &device, ReceiptKind kind, const ReceiptData &data,
    Messages &messages)
{
    selectReceiptFont(device, data.config, messages);
    if (kind == ReceiptKind::Standard)
        printStandard(device, data, messages);
    else
        printCustom(device, data, messages);
    if (data.config.get(cfg::forceTenPointFont) != 0)
        device.selectFont({});
}

} // namespace ovix
