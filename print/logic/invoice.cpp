#include "print/logic/invoice.h"

#include "platform/c_format.h"
#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/messages.h"
#include "print/logic/code39.h"
#include "print/logic/invoice_page.h"
#include "sales/logic/basket.h"
#include "store/fixed_text.h"
#include "store/receipt_words.h"

#include <algorithm>
#include <array>
#include <cinttypes>
#include <optional>

namespace ovix {

namespace {

constexpr std::array<const char *, kInvoiceSectionCount> kSectionCaptions = { "Store name",
    "Store Address 1", "Store Address 2", "Store Address 3", "Store Address 4",
    "Store telephone", "Date", "Items", "Customer detail", "Customer terms", "Customer ID",
    "Net total", "Tax", "Discount", "Total", "Clerk", "Invoice", "Balance",
    "Transaction note" };

constexpr std::array<const char *, 8> kStandardDiscounts = { "Nett", "2% disc", "5% disc",
    "10% disc", "20% disc", "30% disc", "40% disc", "50% disc" };
constexpr std::array<const char *, 8> kCustomDiscounts = { "Nett, ", "2% disc, ", "5% disc, ",
    "10% disc, ", "20% disc, ", "30% disc, ", "40% disc, ", "50% disc, " };
// By period code 1-8; code 1 gives no credit and no period text.
constexpr std::array<const char *, 8> kStandardPeriods = { "", ", 10 days", ", 20 days",
    ", 30 days", ", 60 days", ", 90 days", ", 120 days", ", 180 days" };
constexpr std::array<const char *, 8> kCustomPeriods = { "", "10 days", "20 days", "30 days",
    "60 days", "90 days", "120 days", "180 days" };

// The barcode's top at the foot: 0.54 inch and 10 units above the bottom.
int footBarcodeTop(const PrintDevice &device)
{
    return device.printableHeight() - mulDiv(54, kHundredthsOfMillimetrePerInch, 100)
        - device.offsetTop() - 10;
}

} // namespace

const char *invoiceSectionCaption(int index)
{
    if (index < 0 || index >= kInvoiceSectionCount)
        return "";
    return kSectionCaptions[static_cast<size_t>(index)];
}

int invoiceSectionLine(const TillConfig &config, int index)
{
    int stored = 0;
    if (index == kInvoiceNoteSection)
        stored = config.get(cfg::invoiceNoteLine);
    else if (index >= 0 && index < kInvoiceNoteSection)
        stored = config.get(cfg::invoicePositions, static_cast<size_t>(index));
    return stored >= 0 && stored <= kLastInvoiceLine ? stored : 0;
}

void setInvoiceSectionLine(TillConfig &config, int index, int line)
{
    const int kept = std::clamp(line, 0, kLastInvoiceLine);
    if (index == kInvoiceNoteSection)
        config.set(cfg::invoiceNoteLine, kept);
    else if (index >= 0 && index < kInvoiceNoteSection)
        config.set(cfg::invoicePositions, static_cast<size_t>(index), kept);
}

std::string invoiceTermsText(const TillConfig &config, const ReceiptWords &words, int band,
    bool customForm)
{
    const size_t discount = static_cast<size_t>(bandDiscountCode(config, band) - 1);
    const size_t period = static_cast<size_t>(bandPeriodCode(config, band) - 1);
    std::string text = cformat("%s: ", words.word(35).c_str());
    text += customForm ? kCustomDiscounts[discount] : kStandardDiscounts[discount];
    text += customForm ? kCustomPeriods[period] : kStandardPeriods[period];
    return text;
}

std::string loadInvoiceLogo(const DataDir &dir)
{
    std::optional<std::string> bytes = readWholeFile(dir.path(kInvoiceLogoFileName));
    return bytes ? std::move(*bytes) : std::string();
}

bool drawFootBarcode(PrintDevice &device, int64_t number, Messages &messages)
{
    return drawNumberBarcode(device, footBarcodeTop(device), number, messages);
}

void printInvoice(PrintDevice &device, InvoiceKind kind, const InvoiceData &data,
    Messages &messages)
{
    switch (kind) {
    case InvoiceKind::Standard:
        printStandardInvoice(device, data, messages);
        break;
    case InvoiceKind::Custom:
        printCustomInvoice(device, data, messages);
        break;
    case InvoiceKind::DeliveryNote:
        printDeliveryNote(device, data, messages);
        break;
    }
}

// ---- what the layouts share ----

InvoicePage measureInvoicePage(PrintDevice &device, Messages &messages)
{
    selectRegular(device, messages);
    InvoicePage page;
    page.line = std::max(1, device.lineHeight());
    page.centre = device.printableWidth() / 2;
    page.offset = device.offsetLeft();
    page.height = device.printableHeight();
    page.top = device.offsetTop();
    page.charWidth = std::max(1, device.averageCharWidth());
    return page;
}

std::vector<InvoiceRow> invoiceRows(const Basket &sale)
{
    const int lineCount = std::clamp(sale.lineCount, 0, kBasketLineCapacity);
    std::vector<int> counts(static_cast<size_t>(lineCount), 1);
    std::vector<InvoiceRow> rows;
    for (int i = 0; i < lineCount; ++i) {
        if (counts[i] == 0)
            continue;
        const std::string description = lineDescriptionText(sale, i);
        for (int j = i + 1; j < lineCount; ++j) {
            if (counts[j] != 0 && sale.lineItemNumber[j] == sale.lineItemNumber[i]
                && sale.lineTotal[j] == sale.lineTotal[i]
                && lineDescriptionText(sale, j) == description) {
                ++counts[i];
                counts[j] = 0;
            }
        }
        rows.push_back({ i, counts[i] });
    }
    return rows;
}

std::vector<std::vector<InvoiceRow>> invoiceRowPages(const std::vector<InvoiceRow> &rows,
    const std::function<bool(int lines, bool lastPage)> &fits)
{
    const auto linesOf = [](const InvoiceRow &row) { return row.count > 1 ? 2 : 1; };
    std::vector<std::vector<InvoiceRow>> pages;
    auto next = rows.begin();
    for (;;) {
        const std::vector<InvoiceRow> rest(next, rows.end());
        if (rest.size() <= 1 || fits(invoiceRowLines(rest), true)) {
            pages.push_back(rest);
            return pages;
        }
        std::vector<InvoiceRow> page;
        int lines = 0;
        while (next + 1 != rows.end()) {
            const int more = lines + linesOf(*next);
            if (!page.empty() && !fits(more, false))
                break;
            page.push_back(*next++);
            lines = more;
        }
        pages.push_back(std::move(page));
    }
}

int invoiceRowLines(const std::vector<InvoiceRow> &rows)
{
    int lines = 0;
    for (const InvoiceRow &row : rows)
        lines += row.count > 1 ? 2 : 1;
    return lines;
}

int64_t unitCents(const Basket &sale, int index)
{
    return std::llround(
        (double(sale.lineNonTaxable[index]) + double(sale.lineTaxable[index])) * 100.0);
}

std::string amountOfCents(int64_t cents)
{
    return cformat("%.2f", double(cents) / 100.0);
}

void selectRegular(PrintDevice &device, Messages &messages)
{
    if (!device.selectFont({ PrintFont::Kind::Arial10 }))
        reportProblem(messages, "Unable set font");
}

void selectBold(PrintDevice &device, Messages &messages)
{
    if (!device.selectFont({ PrintFont::Kind::Arial10, 0, true }))
        reportProblem(messages, "Unable set font");
}

void selectTitle(PrintDevice &device, const InvoicePage &page, Messages &messages)
{
    if (!device.selectFont({ PrintFont::Kind::ArialHeight, std::max(1, page.height / 40), true }))
        reportProblem(messages, "Unable set font");
}

void shadeLines(PrintDevice &device, const InvoicePage &page, double from, double to, int grey)
{
    const int top = page.y(from);
    device.fillShade(page.left(), top, page.right() - page.left(), page.y(to) - top, grey);
}

void headingBar(PrintDevice &device, const InvoicePage &page, double lineNumber,
    const std::string &first, int firstX, const std::string &second, int secondX)
{
    const int top = page.y(lineNumber - 0.5);
    device.fillRect(page.left(), top, page.right() - page.left(), page.y(lineNumber + 1.5) - top);
    device.setWhiteText(true);
    device.drawText(firstX, page.y(lineNumber), first, TextAlign::Left);
    device.drawText(secondX, page.y(lineNumber), second, TextAlign::Left);
    device.setWhiteText(false);
}

void ruleAt(PrintDevice &device, const InvoicePage &page, int y)
{
    device.fillRect(page.left(), y, page.right() - page.left(), kFramePen);
}

void drawFrame(PrintDevice &device, const InvoicePage &page, double topLine)
{
    const int top = page.y(topLine);
    ruleAt(device, page, top);
    device.fillRect(page.left(), top, kFramePen, page.bottom() - top);
    device.fillRect(page.right() - kFramePen, top, kFramePen, page.bottom() - top);
    ruleAt(device, page, page.bottom());
}

void drawInvoiceLogo(PrintDevice &device, const InvoicePage &page, const InvoiceData &data)
{
    if (data.logo.empty())
        return;
    const std::optional<PrintImageSize> size = device.imageSize(data.logo);
    if (!size || size->width <= 0 || size->height <= 0)
        return;
    const int height = 12 * page.line;
    const int width = mulDiv(height, size->width, size->height);
    if (width <= 0 || width > 2 * page.centre)
        return; // a banner wider than the page is no letterhead
    device.drawImage(data.logo, page.offset + 10, 10, width, height);
}

void drawSignatures(PrintDevice &device, const InvoicePage &page, const InvoiceData &data,
    bool deliveryNote, Messages &messages)
{
    const int labels = page.height - page.top - 4 * page.line - 10;
    const int dots = page.height - page.top - int(std::lround(2.5 * page.line));
    const int leftX = page.offset + 60;
    const int rightX = 2 * page.centre - page.offset - 60;
    constexpr const char *kDots = "...................";
    if (deliveryNote) {
        device.drawText(leftX, labels, "Shortages must be", TextAlign::Left);
        device.drawText(leftX, dots, "notified within 3 days", TextAlign::Left);
    } else {
        device.drawText(leftX, labels, wordText(data, 32), TextAlign::Left);
        device.drawText(leftX, dots, kDots, TextAlign::Left);
    }
    device.drawText(rightX, labels, wordText(data, 33), TextAlign::Right);
    device.drawText(rightX, dots, kDots, TextAlign::Right);
    drawFootBarcode(device, data.sale.transactionNumber, messages);
}

int drawItemRows(PrintDevice &device, const InvoicePage &page, const InvoiceData &data,
    int first, bool itemNumbers)
{
    return drawItemRows(device, page, data, invoiceRows(data.sale), first, itemNumbers);
}

int drawItemRows(PrintDevice &device, const InvoicePage &page, const InvoiceData &data,
    const std::vector<InvoiceRow> &rows, int first, bool itemNumbers)
{
    const Basket &sale = data.sale;
    const int descriptionX = page.offset + 80;
    int lineNumber = first;
    for (const InvoiceRow &row : rows) {
        const int64_t unit = unitCents(sale, row.index);
        device.drawText(descriptionX, page.y(lineNumber), lineDescriptionText(sale, row.index),
            TextAlign::Left);
        if (itemNumbers) {
            const int64_t number = sale.lineItemNumber[row.index];
            device.drawText(page.secondColumn(), page.y(lineNumber),
                number == 0 ? std::string("-") : cformat("%" PRId64, number), TextAlign::Left);
        }
        if (row.count == 1) {
            if (itemNumbers)
                device.drawText(page.amountRight(), page.y(lineNumber), amountOfCents(unit),
                    TextAlign::Right);
            else
                device.drawText(page.secondColumn(), page.y(lineNumber), amountOfCents(unit),
                    TextAlign::Left);
            ++lineNumber;
            continue;
        }
        ++lineNumber;
        device.drawText(descriptionX, page.y(lineNumber),
            cformat("%d @ %s", row.count, amountOfCents(unit).c_str()), TextAlign::Left);
        if (itemNumbers)
            device.drawText(page.amountRight(), page.y(lineNumber), amountOfCents(unit * row.count),
                TextAlign::Right);
        else
            device.drawText(page.secondColumn(), page.y(lineNumber), amountOfCents(unit * row.count),
                TextAlign::Left);
        ++lineNumber;
    }
    return lineNumber;
}

std::string wordText(const InvoiceData &data, int slot)
{
    return data.words.word(slot);
}

std::string saleText(const char *field, size_t width)
{
    return readFixedText(field, width);
}

bool hasCustomer(const InvoiceData &data)
{
    return data.sale.customerNumber != 0;
}

} // namespace ovix
