// The standard invoice and the delivery note: the fixed layout with its
// frame, shaded bars, item box and signature lines.

#include "platform/c_format.h"
#include "print/logic/invoice_page.h"
#include "sales/logic/basket.h"
#include "store/store_heading.h"

#include <algorithm>
#include <cinttypes>
#include <vector>

namespace ovix {

namespace {

constexpr HeadingLine kHeadingLines[] = { HeadingLine::SiteName, HeadingLine::Road,
    HeadingLine::Area, HeadingLine::Telephone };

double amount(const Basket &sale, BasketTotal which)
{
    return sale.total(which);
}

std::string currencyAmount(const InvoiceData &data, int slot, double value)
{
    return cformat("%s: %s%.2f", wordText(data, slot).c_str(),
        data.config.text(cfg::currencySymbol).c_str(), value);
}

// Time and date on line 15, the clerk on line 16.
void drawSaleLines(PrintDevice &device, const InvoicePage &page, const InvoiceData &data)
{
    const Basket &sale = data.sale;
    const int x = page.offset + 40;
    device.drawText(x, page.y(15),
        cformat("%s  %s", saleText(sale.timeText, sizeof sale.timeText).c_str(),
            saleText(sale.dateText, sizeof sale.dateText).c_str()),
        TextAlign::Left);
    device.drawText(x, page.y(16),
        cformat("%s: %s", wordText(data, 19).c_str(), data.clerkName.c_str()), TextAlign::Left);
}

// The item box from line 19.5 to R + 21.5 with `rows` from line 21 and the
// column rule at `ruleX`; returns R.
int drawItemBox(PrintDevice &device, const InvoicePage &page, const InvoiceData &data,
    const std::vector<InvoiceRow> &rows, bool itemNumbers, int ruleX)
{
    const int r = 1 + invoiceRowLines(rows);
    shadeLines(device, page, 19.5, r + 21.5, kItemBoxGrey);
    const int top = page.y(19.5);
    device.fillRect(ruleX, top, kFramePen, page.y(r + 21.5) - top);
    drawItemRows(device, page, data, rows, 21, itemNumbers);
    ruleAt(device, page, page.y(r + 21.5));
    return r;
}

// The common top of both: store heading from `headingLine` and the frame;
// on the last page also the foot with its signatures and barcode.
void drawFrameAndHeading(PrintDevice &device, const InvoicePage &page, const InvoiceData &data,
    int headingLine, bool deliveryNote, bool lastPage, Messages &messages)
{
    for (size_t i = 0; i < std::size(kHeadingLines); ++i) {
        device.drawText(page.centre, page.y(headingLine + int(i)),
            data.heading.line(kHeadingLines[i]), TextAlign::Centre);
    }
    if (lastPage)
        drawSignatures(device, page, data, deliveryNote, messages);
    drawFrame(device, page, 12.5);
}

// The sale's item rows shared out over pages whose item box ends above
// `lastLimit` (y) on the last page, leaving `tailLines` lines under the box's
// rows for the totals and the customer, and above the frame's bottom rule on
// the pages before it.
std::vector<std::vector<InvoiceRow>> itemPages(
    const InvoicePage &page, const InvoiceData &data, int lastLimit, int tailLines)
{
    return invoiceRowPages(invoiceRows(data.sale), [&](int lines, bool lastPage) {
        if (lastPage)
            return page.y(lines + 21 + tailLines) <= lastLimit;
        return page.y(lines + 22.5) + kFramePen <= page.bottom();
    });
}

void drawCustomerBox(PrintDevice &device, const InvoicePage &page, const InvoiceData &data,
    double first)
{
    const Basket &sale = data.sale;
    const int x = page.offset + 40;
    const int top = page.y(first);
    device.fillShade(page.left(), top, page.right() - page.left(),
        page.y(first + 1) + 20 - top, kLightGrey);
    device.drawText(x, top,
        cformat("%s: %" PRId64, wordText(data, 27).c_str(), sale.customerNumber),
        TextAlign::Left);
    device.drawText(x, page.y(first + 1.5), saleText(sale.customerName, sizeof sale.customerName),
        TextAlign::Left);
    for (int i = 0; i < 4; ++i) {
        device.drawText(x, page.y(first + 2.5 + i),
            saleText(sale.customerAddress[i], sizeof sale.customerAddress[i]), TextAlign::Left);
    }
    ruleAt(device, page, page.y(first + 7));
}

} // namespace

void printStandardInvoice(PrintDevice &device, const InvoiceData &data, Messages &messages)
{
    const Basket &sale = data.sale;
    const TillConfig &config = data.config;
    const InvoicePage page = measureInvoicePage(device, messages);
    const int footTwo = page.footTwo();
    const int footOne = page.footOne();
    const bool customer = hasCustomer(data);
    // Under the rows: the subtotal, and the customer's box and terms.
    const int tailLines = customer ? 13 : 4;
    const std::vector<std::vector<InvoiceRow>> pages
        = itemPages(page, data, footTwo - 20, tailLines);
    int rows = 0;
    for (size_t p = 0; p < pages.size(); ++p) {
        const bool lastPage = p + 1 == pages.size();
        if (p > 0) {
            if (!device.newPage())
                return;
            selectRegular(device, messages);
        }
        if (config.get(cfg::standardInvoiceLogo) != 0)
            drawInvoiceLogo(device, page, data);

        selectTitle(device, page, messages);
        device.drawText(2 * page.centre - page.offset - 20, page.y(3), wordText(data, 17),
            TextAlign::Right);
        selectRegular(device, messages);

        // The number bar and, on the last page, the two thin bars of the foot
        // block with the rule between its halves, under the frame.
        shadeLines(device, page, 12.5, 14.5, kLightGrey);
        if (lastPage) {
            device.fillShade(page.left(), footTwo - 20, page.right() - page.left(), 20, kLightGrey);
            device.fillShade(page.left(), footOne - 20, page.right() - page.left(), 20, kLightGrey);
            device.fillRect(page.centre, footTwo, kFramePen, footOne + 20 - footTwo);
        }
        drawFrameAndHeading(device, page, data, 5, false, lastPage, messages);

        selectBold(device, messages);
        device.drawText(page.offset + 40, page.y(13),
            cformat("%s: %" PRId64, wordText(data, 18).c_str(), sale.transactionNumber),
            TextAlign::Left);
        const int numberX = page.secondColumn();
        headingBar(device, page, 18, wordText(data, 20), page.offset + 40, wordText(data, 21),
            numberX);
        device.setWhiteText(true);
        device.drawText(page.amountRight(), page.y(18), wordText(data, 22), TextAlign::Right);
        device.setWhiteText(false);
        selectRegular(device, messages);
        drawSaleLines(device, page, data);
        rows = drawItemBox(device, page, data, pages[p], true, numberX - 20);
    }

    // The foot block: customer, amounts, taxes.
    const std::string leftValues[4] = {
        customer ? cformat("%" PRId64, sale.customerNumber) : std::string("Not Applicable"),
        customer ? saleText(sale.customerName, sizeof sale.customerName) : std::string(),
        customer ? saleText(sale.customerTelephone, sizeof sale.customerTelephone)
                 : std::string(),
        cformat("%d", sale.lineCount),
    };
    const int leftSlots[4] = { 27, 26, 28, 29 };
    const int middleSlots[4] = { 30, 31, 25, 23 };
    const BasketTotal middleAmounts[4] = { BasketTotal::NonTaxable, BasketTotal::Taxable,
        BasketTotal::Discount, BasketTotal::Subtotal };
    for (int k = 0; k < 4; ++k) {
        const int y = footTwo + 40 + k * page.line;
        device.drawText(page.offset + 60, y, wordText(data, leftSlots[k]), TextAlign::Left);
        if (!leftValues[k].empty())
            device.drawText(page.centre / 2, y, leftValues[k], TextAlign::Left);
        device.drawText(page.centre + 30, y, wordText(data, middleSlots[k]), TextAlign::Left);
        device.drawText(page.centre * 3 / 2 - 40, y,
            cformat("%.2f", amount(sale, middleAmounts[k])), TextAlign::Right);
    }
    for (int k = 0; k < 2; ++k) {
        const int y = footTwo + 40 + k * page.line;
        device.drawText(page.centre * 3 / 2 + 40, y,
            config.text(k == 0 ? cfg::taxOneName : cfg::taxTwoName), TextAlign::Left);
        device.drawText(page.amountRight(), y,
            cformat("%.2f", amount(sale, k == 0 ? BasketTotal::TaxOne : BasketTotal::TaxTwo)),
            TextAlign::Right);
    }

    selectBold(device, messages);
    device.drawText(page.offset + 40, page.y(rows + 23),
        currencyAmount(data, 23, amount(sale, BasketTotal::Subtotal)), TextAlign::Left);
    device.drawText(page.amountRight(), footOne - page.y(1.5) + 20,
        currencyAmount(data, 24, amount(sale, BasketTotal::Total)), TextAlign::Right);
    selectRegular(device, messages);

    if (!customer)
        return;
    drawCustomerBox(device, page, data, rows + 24.5);
    if (data.customerBand > 0) {
        device.drawText(page.offset + 40, page.y(rows + 32),
            invoiceTermsText(config, data.words, data.customerBand, false), TextAlign::Left);
    }
}

void printDeliveryNote(PrintDevice &device, const InvoiceData &data, Messages &messages)
{
    const Basket &sale = data.sale;
    const TillConfig &config = data.config;
    const InvoicePage page = measureInvoicePage(device, messages);
    const double taxOne = amount(sale, BasketTotal::TaxOne);
    const double taxTwo = amount(sale, BasketTotal::TaxTwo);
    const double discount = amount(sale, BasketTotal::Discount);
    const double subtotal = amount(sale, BasketTotal::Subtotal);
    const bool taxes = taxOne != 0 || taxTwo != 0;
    const int footRows = (taxes ? 1 + (taxOne != 0) + (taxTwo != 0) : 0)
        + (discount != 0 ? (taxes ? 1 : 2) : 0);
    // Under the rows: the foot rows and the total, and the customer's box,
    // terms and balances; all above the signatures and the barcode.
    const int tailLines = footRows + (hasCustomer(data) ? 15 : 4);
    const int signatures = std::min(page.height - page.top - 4 * page.line - 10,
        device.printableHeight() - mulDiv(54, kHundredthsOfMillimetrePerInch, 100) - page.top
            - 10);
    const std::vector<std::vector<InvoiceRow>> pages
        = itemPages(page, data, signatures - page.line / 2, tailLines);
    int rows = 0;
    for (size_t p = 0; p < pages.size(); ++p) {
        const bool lastPage = p + 1 == pages.size();
        if (p > 0) {
            if (!device.newPage())
                return;
            selectRegular(device, messages);
        }
        if (config.get(cfg::standardInvoiceLogo) != 0)
            drawInvoiceLogo(device, page, data);

        selectTitle(device, page, messages);
        device.drawText(page.centre, page.y(3), "Delivery Note", TextAlign::Centre);
        selectRegular(device, messages);
        shadeLines(device, page, 12.5, 14.5, kLightGrey);
        drawFrameAndHeading(device, page, data, 7, true, lastPage, messages);

        selectBold(device, messages);
        device.drawText(page.offset + 40, page.y(13),
            cformat("Transaction reference: %" PRId64, sale.transactionNumber), TextAlign::Left);
        const int priceX = page.secondColumn();
        headingBar(device, page, 18, wordText(data, 20), page.offset + 40, wordText(data, 34),
            priceX);
        selectRegular(device, messages);
        drawSaleLines(device, page, data);
        rows = drawItemBox(device, page, data, pages[p], false, priceX - 20);
    }

    const int x = page.offset + 40;
    int c = rows + 1;
    const auto row = [&](const std::string &text) {
        ++c;
        device.drawText(x, page.y(c + 20), text, TextAlign::Left);
    };
    if (taxes) {
        row(cformat("%s: %.2f", wordText(data, 22).c_str(), subtotal));
        if (taxOne != 0)
            row(cformat("%s: %.2f", config.text(cfg::taxOneName).c_str(), taxOne));
        if (taxTwo != 0)
            row(cformat("%s: %.2f", config.text(cfg::taxTwoName).c_str(), taxTwo));
    }
    if (discount != 0) {
        if (!taxes)
            row(cformat("%s: %.2f", wordText(data, 22).c_str(), subtotal));
        row(cformat("%s: (%.2f)", wordText(data, 25).c_str(), discount));
    }
    selectBold(device, messages);
    device.drawText(x, page.y(c + 22), currencyAmount(data, 24, amount(sale, BasketTotal::Total)),
        TextAlign::Left);
    selectRegular(device, messages);

    if (!hasCustomer(data))
        return;
    drawCustomerBox(device, page, data, c + 23.5);
    if (data.customerBand > 0) {
        device.drawText(x, page.y(c + 31),
            invoiceTermsText(config, data.words, data.customerBand, true), TextAlign::Left);
    }
    device.drawText(x, page.y(c + 32),
        cformat("Previous balance: %.2f", amount(sale, BasketTotal::BalanceBefore)),
        TextAlign::Left);
    device.drawText(page.centre, page.y(c + 33),
        cformat("Balance: %.2f", amount(sale, BasketTotal::BalanceAfter)), TextAlign::Centre);
}

} // namespace ovix
