// The custom invoice ("Invoice 2"): each section on the line the shop chose
// in the "Invoices" design; a section on line 0 is left out.

#include "platform/c_format.h"
#include "platform/messages.h"
#include "print/logic/invoice_page.h"
#include "sales/logic/basket.h"
#include "store/store_heading.h"

#include <cinttypes>

namespace ovix {

namespace {

int sectionLine(const InvoiceData &data, InvoiceSection section)
{
    return invoiceSectionLine(data.config, static_cast<int>(section));
}

// The stored header font: its face (Arial when none is stored) at its size
// in points (10 when none is stored).
PrintFont headerFont(const TillConfig &config)
{
    const int stored = config.get(cfg::invoiceFontPoints);
    const int points = stored > 0 && stored <= 72 ? stored : 10;
    const int height = mulDiv(points, kHundredthsOfMillimetrePerInch, 72);
    std::string face = config.text(cfg::invoiceFontFace);
    if (face.empty())
        face = "Arial";
    return { PrintFont::Kind::Face, height, false, face };
}

void drawHeading(PrintDevice &device, const InvoicePage &page, const InvoiceData &data,
    Messages &messages)
{
    constexpr struct {
        InvoiceSection section;
        HeadingLine line;
    } kHeading[] = {
        { InvoiceSection::StoreName, HeadingLine::SiteName },
        { InvoiceSection::StoreAddressOne, HeadingLine::Road },
        { InvoiceSection::StoreAddressTwo, HeadingLine::Area },
        { InvoiceSection::StoreAddressThree, HeadingLine::County },
        { InvoiceSection::StoreAddressFour, HeadingLine::Postcode },
        { InvoiceSection::StoreTelephone, HeadingLine::Telephone },
    };
    bool any = false;
    for (const auto &entry : kHeading)
        any = any || sectionLine(data, entry.section) > 0;
    if (!any)
        return;
    const bool ownFont = data.config.get(cfg::invoiceHeaderFont) != 0;
    if (ownFont && !device.selectFont(headerFont(data.config)))
        reportProblem(messages, "Unable set font");
    for (const auto &entry : kHeading) {
        const int line = sectionLine(data, entry.section);
        if (line > 0)
            device.drawText(page.centre, page.y(line), data.heading.line(entry.line),
                TextAlign::Centre);
    }
    if (ownFont)
        selectRegular(device, messages);
}

void drawItems(PrintDevice &device, const InvoicePage &page, const InvoiceData &data, int v)
{
    const int priceX = page.secondColumn();
    headingBar(device, page, v, wordText(data, 20), page.offset + 40, wordText(data, 34),
        priceX);
    const int end = drawItemRows(device, page, data, v + 2, false);
    const int top = page.y(v + 1.5);
    const int bottom = page.y(end + 0.25);
    device.fillRect(priceX - page.charWidth, top, kFramePen, bottom - top);
    ruleAt(device, page, bottom);
}

void drawCustomer(PrintDevice &device, const InvoicePage &page, const InvoiceData &data, int x)
{
    const Basket &sale = data.sale;
    if (const int v = sectionLine(data, InvoiceSection::CustomerId); v > 0) {
        device.drawText(x, page.y(v),
            cformat("%s: %" PRId64, wordText(data, 27).c_str(), sale.customerNumber),
            TextAlign::Left);
    }
    if (const int v = sectionLine(data, InvoiceSection::CustomerDetail); v > 0) {
        device.drawText(x, page.y(v), saleText(sale.customerName, sizeof sale.customerName),
            TextAlign::Left);
        for (int i = 0; i < 4; ++i) {
            device.drawText(x, page.y(v + 1 + i),
                saleText(sale.customerAddress[i], sizeof sale.customerAddress[i]),
                TextAlign::Left);
        }
        ruleAt(device, page, page.y(v + 5.5));
    }
    const int terms = sectionLine(data, InvoiceSection::CustomerTerms);
    if (terms > 0 && data.customerBand > 0) {
        device.drawText(x, page.y(terms),
            invoiceTermsText(data.config, data.words, data.customerBand, true), TextAlign::Left);
    }
}

} // namespace

void printCustomInvoice(PrintDevice &device, const InvoiceData &data, Messages &messages)
{
    const Basket &sale = data.sale;
    const TillConfig &config = data.config;
    const InvoicePage page = measureInvoicePage(device, messages);
    const int x = page.offset + 40;
    if (config.get(cfg::invoiceLogo) != 0)
        drawInvoiceLogo(device, page, data);
    if (config.get(cfg::invoiceBarcode) != 0)
        drawSignatures(device, page, data, false, messages);

    selectTitle(device, page, messages);
    device.drawText(page.centre, page.y(3), wordText(data, 17), TextAlign::Centre);
    selectRegular(device, messages);
    drawHeading(device, page, data, messages);

    if (const int v = sectionLine(data, InvoiceSection::Invoice); v > 0) {
        shadeLines(device, page, v - 0.5, v + 1.5, kLightGrey);
        selectBold(device, messages);
        device.drawText(x, page.y(v),
            cformat("%s: %" PRId64, wordText(data, 18).c_str(), sale.transactionNumber),
            TextAlign::Left);
        selectRegular(device, messages);
    }
    if (const int v = sectionLine(data, InvoiceSection::Date); v > 0) {
        device.drawText(x, page.y(v),
            cformat("%s  %s", saleText(sale.timeText, sizeof sale.timeText).c_str(),
                saleText(sale.dateText, sizeof sale.dateText).c_str()),
            TextAlign::Left);
    }
    if (const int v = sectionLine(data, InvoiceSection::Clerk); v > 0) {
        device.drawText(x, page.y(v),
            cformat("%s: %s", wordText(data, 19).c_str(), data.clerkName.c_str()),
            TextAlign::Left);
    }
    if (const int v = sectionLine(data, InvoiceSection::Items); v > 0)
        drawItems(device, page, data, v);

    const double taxOne = sale.total(BasketTotal::TaxOne);
    const double taxTwo = sale.total(BasketTotal::TaxTwo);
    const double discount = sale.total(BasketTotal::Discount);
    if (const int v = sectionLine(data, InvoiceSection::NetTotal); v > 0) {
        device.drawText(x, page.y(v),
            cformat("%s: %.2f", wordText(data, 22).c_str(),
                double(sale.total(BasketTotal::Subtotal))),
            TextAlign::Left);
    }
    if (const int v = sectionLine(data, InvoiceSection::Tax); v > 0) {
        if (taxOne != 0) {
            device.drawText(x, page.y(v),
                cformat("%s: %.2f", config.text(cfg::taxOneName).c_str(), taxOne),
                TextAlign::Left);
        }
        if (taxTwo != 0) {
            device.drawText(x, page.y(taxOne != 0 ? v + 1 : v),
                cformat("%s: %.2f", config.text(cfg::taxTwoName).c_str(), taxTwo),
                TextAlign::Left);
        }
    }
    if (const int v = sectionLine(data, InvoiceSection::Discount); v > 0 && discount != 0) {
        device.drawText(x, page.y(v),
            cformat("%s: (%.2f)", wordText(data, 25).c_str(), discount), TextAlign::Left);
    }
    if (const int v = sectionLine(data, InvoiceSection::Total); v > 0) {
        device.fillShade(page.left(), page.y(v + 1.5), page.right() - page.left(), 20,
            kLightGrey);
        selectBold(device, messages);
        device.drawText(x, page.y(v),
            cformat("%s: %s%.2f", wordText(data, 24).c_str(),
                config.text(cfg::currencySymbol).c_str(), double(sale.total(BasketTotal::Total))),
            TextAlign::Left);
        selectRegular(device, messages);
    }
    const std::string note = saleText(sale.transactionNote, sizeof sale.transactionNote);
    if (const int v = invoiceSectionLine(config, kInvoiceNoteSection); v > 0 && !note.empty())
        device.drawText(x, page.y(v), note, TextAlign::Left);

    if (hasCustomer(data))
        drawCustomer(device, page, data, x);
    if (const int v = sectionLine(data, InvoiceSection::Balance); v > 0) {
        device.drawText(x, page.y(v),
            cformat("Previous balance: %.2f", double(sale.total(BasketTotal::BalanceBefore))),
            TextAlign::Left);
        device.drawText(page.centre, page.y(v),
            cformat("Balance: %.2f", double(sale.total(BasketTotal::BalanceAfter))),
            TextAlign::Centre);
    }
    if (config.get(cfg::invoiceBoxEncased) != 0) {
        drawFrame(device, page, 12.5);
        ruleAt(device, page, page.y(17.5));
    }
}

} // namespace ovix
