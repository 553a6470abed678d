#include "print/logic/invoice_design.h"

#include "platform/c_format.h"
#include "store/till_config.h"

#include <algorithm>

namespace ovix {

InvoiceDesign loadInvoiceDesign(const TillConfig &config)
{
    InvoiceDesign design;
    for (int section = 0; section < kInvoiceSectionCount; ++section)
        design.lines[static_cast<size_t>(section)] = invoiceSectionLine(config, section);
    design.barcode = config.get(cfg::invoiceBarcode) != 0;
    design.boxEncased = config.get(cfg::invoiceBoxEncased) != 0;
    design.customLogo = config.get(cfg::invoiceLogo) != 0;
    design.headerFont = config.get(cfg::invoiceHeaderFont) != 0;
    design.standardLogo = config.get(cfg::standardInvoiceLogo) != 0;
    design.fontFace = config.text(cfg::invoiceFontFace);
    const int points = config.get(cfg::invoiceFontPoints);
    design.fontPoints = points >= 1 && points <= 72 ? points : 0;
    return design;
}

void applyInvoiceDesign(TillConfig &config, const InvoiceDesign &design)
{
    for (int section = 0; section < kInvoiceSectionCount; ++section)
        setInvoiceSectionLine(config, section, design.lines[static_cast<size_t>(section)]);
    config.set(cfg::invoiceBarcode, design.barcode ? 1 : 0);
    config.set(cfg::invoiceBoxEncased, design.boxEncased ? 1 : 0);
    config.set(cfg::invoiceLogo, design.customLogo ? 1 : 0);
    config.set(cfg::invoiceHeaderFont, design.headerFont ? 1 : 0);
    config.set(cfg::standardInvoiceLogo, design.standardLogo ? 1 : 0);
    config.setText(cfg::invoiceFontFace, design.fontFace.substr(0, kInvoiceFontFaceLength));
    const bool sized = design.fontPoints >= 1 && design.fontPoints <= 72;
    config.set(cfg::invoiceFontPoints, sized ? design.fontPoints : 0);
}

std::string invoiceFontCaption(const InvoiceDesign &design)
{
    return cformat("%s, %d pt", design.fontFace.empty() ? "Arial" : design.fontFace.c_str(),
        design.fontPoints > 0 ? design.fontPoints : 10);
}

} // namespace ovix
