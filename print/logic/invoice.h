#pragma once
// A sale on a full page: the standard invoice (fixed layout with shaded
// boxes, column headings and signature lines), the custom invoice ("Invoice
// 2", each section on the line the shop chose in the "Invoices" design) and
// the delivery note. Drawn on one page of a PrintDevice from the same sale
// the receipt prints; nothing is written.

#include "store/till_config.h"

#include <cstdint>
#include <string>

namespace ovix {

class DataDir;
class Messages;
class PrintDevice;
class ReceiptWords;
class StoreHeading;
struct Basket;

enum class InvoiceKind { Standard, Custom, DeliveryNote };

// The letterhead picture's file name in the data folder.
inline constexpr const char *kInvoiceLogoFileName = "letter.bmp";

// The highest line a custom invoice section can be placed on.
inline constexpr int kLastInvoiceLine = 80;

// The custom invoice's sections as the design dialog lists them: the 18 of
// InvoiceSection, then the transaction note.
inline constexpr int kInvoiceSectionCount = 19;
inline constexpr int kInvoiceNoteSection = 18;
// The dialog's caption of section `index` (0-18).
const char *invoiceSectionCaption(int index);

// The line 0-80 the design gives section `index` (0 omits it); a value
// outside 0-80 read from a damaged wr.cfg counts as 0.
int invoiceSectionLine(const TillConfig &config, int index);
// Stores `line` (kept to 0-80) as the line of section `index`.
void setInvoiceSectionLine(TillConfig &config, int index, int line);

// Everything an invoice prints. The references are not owned and must
// outlive the call that draws with them.
struct InvoiceData {
    const Basket &sale; // the archived sale: lines, totals, texts, numbers
    const TillConfig &config; // tax names, currency, bands, invoice design
    const StoreHeading &heading;
    const ReceiptWords &words;
    std::string clerkName;
    // The customer's band 1-8 for the terms line; 0 prints no terms (a sale
    // without a customer, or one no longer on file).
    int customerBand = 0;
    // letter.bmp's bytes; empty when the shop has none.
    std::string logo;
};

// The terms line of band 1-8: "Terms: " (slot 35) and the band's discount
// and period texts; the standard form ("Nett", ", 30 days") on the standard
// invoice, the custom form ("Nett, ", "30 days") on the others. No period
// text for a band that gives no credit.
std::string invoiceTermsText(const TillConfig &config, const ReceiptWords &words, int band,
    bool customForm);

// letter.bmp of the data folder, or "" when it is missing or unreadable.
std::string loadInvoiceLogo(const DataDir &dir);

// The number's Code 39 barcode centred at the foot of the page, where the
// standard invoice prints its transaction number; false (and "Unable to get
// printer") when the printer gives no resolution.
bool drawFootBarcode(PrintDevice &device, int64_t number, Messages &messages);

// Draws `kind` of the sale on the current page of `device`. A font the
// printer refuses is reported ("Unable set font") and printing goes on; a
// logo that cannot be decoded is left out silently.
void printInvoice(PrintDevice &device, InvoiceKind kind, const InvoiceData &data,
    Messages &messages);

} // namespace ovix
