// The invoice design in wr.cfg over any bytes: every line is 0-80, the size
// 0 or 1-72 points, the font name at most its field (a damaged one may lack
// its NUL), and OK without a change stores what the dialog shows, so that it
// reads back the same but for a font name cut to the 31 characters kept.

#include "fuzz/settings_fuzz.h"

#include "print/logic/invoice_design.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace ovix;
    using fuzz::check;
    using fuzz::stretchOf;
    // Section lines, flags, note line and standard logo; font face; font size.
    const TillConfig config = fuzz::configFrom(fuzz::bytesOf(data, size),
        { { 40710, 96 }, stretchOf(cfg::invoiceFontFace), stretchOf(cfg::invoiceFontPoints) });
    const InvoiceDesign design = loadInvoiceDesign(config);
    for (int line : design.lines)
        check(line >= 0 && line <= 80);
    check(design.fontPoints == 0 || (design.fontPoints >= 1 && design.fontPoints <= 72));
    check(design.fontFace.size() <= decltype(cfg::invoiceFontFace)::width);
    check(!invoiceFontCaption(design).empty());

    TillConfig stored = config;
    applyInvoiceDesign(stored, design);
    const InvoiceDesign again = loadInvoiceDesign(stored);
    check(again.lines == design.lines && again.barcode == design.barcode
        && again.boxEncased == design.boxEncased && again.customLogo == design.customLogo
        && again.headerFont == design.headerFont && again.standardLogo == design.standardLogo
        && again.fontFace == design.fontFace.substr(0, kInvoiceFontFaceLength)
        && again.fontPoints == design.fontPoints);
    TillConfig second = stored;
    applyInvoiceDesign(second, again);
    check(second.view() == stored.view());
    return 0;
}
