#pragma once
// What the "Invoices" design dialog shows and how it stores it: the line of
// every custom invoice section, the custom invoice's options, the standard
// invoice's logo and the header font.

#include "print/logic/invoice.h"

#include <array>
#include <string>

namespace ovix {

class TillConfig;

// The longest font name wr.cfg keeps.
inline constexpr size_t kInvoiceFontFaceLength = 31;

struct InvoiceDesign {
    std::array<int, kInvoiceSectionCount> lines {}; // 0-80, 0 omits
    bool barcode = false;
    bool boxEncased = false;
    bool customLogo = false;
    bool headerFont = false;
    bool standardLogo = false;
    std::string fontFace; // Windows-1252; "" = Arial
    int fontPoints = 0; // 0 = 10 points
};

InvoiceDesign loadInvoiceDesign(const TillConfig &config);
// Stores the design; lines are kept to 0-80, a font name to 31 characters,
// a size to 1-72 points (anything else stores 0, read as 10).
void applyInvoiceDesign(TillConfig &config, const InvoiceDesign &design);
// "Arial, 10 pt" and the like, for the dialog's font caption.
std::string invoiceFontCaption(const InvoiceDesign &design);

} // namespace ovix
