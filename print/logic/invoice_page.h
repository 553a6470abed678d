#pragma once
// What the three invoice layouts share: the page's measures, the merged item
// rows, the fonts, the shaded shapes and the foot of the page. Used only by
// the invoice drawing (invoice*.cpp).

#include "print/logic/invoice.h"
#include "print/logic/print_device.h"

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace ovix {

// Grey of the light-grey bars and boxes, and of the item box.
inline constexpr int kLightGrey = 192;
inline constexpr int kItemBoxGrey = 230;
// Width of the frame's rules.
inline constexpr int kFramePen = 8;

// The page as the layouts measure it, in the regular font.
struct InvoicePage {
    int line = 1; // L
    int centre = 0; // Xc
    int offset = 0; // Xoff
    int height = 0; // H, the printable height
    int top = 0; // Yoff
    int charWidth = 1; // average character width
    int inch = kHundredthsOfMillimetrePerInch; // P

    int y(double lineNumber) const { return int(std::lround(lineNumber * line)); }
    int left() const { return offset + 10; }
    int right() const { return 2 * centre - offset - 20; } // right end of bars and frame
    int amountRight() const { return 2 * centre - offset - 60; }
    int secondColumn() const { return offset + 42 * charWidth + 80; }
    int bottom() const { return height - top - 10; } // the frame's bottom rule
    int footTwo() const { return height - top - 2 * inch; } // F2
    int footOne() const { return height - top - inch; } // F1
};

// One printed item: equal lines (same item number, price including tax and
// description) folded into the first of them.
struct InvoiceRow {
    int index = 0;
    int count = 1;
};

InvoicePage measureInvoicePage(PrintDevice &device, Messages &messages);
std::vector<InvoiceRow> invoiceRows(const Basket &sale);
// Printed rows of the item box: one per item, two for a count above 1.
int invoiceRowLines(const std::vector<InvoiceRow> &rows);
// The price before tax of one unit, in cents.
int64_t unitCents(const Basket &sale, int index);
std::string amountOfCents(int64_t cents);

void selectRegular(PrintDevice &device, Messages &messages);
void selectBold(PrintDevice &device, Messages &messages);
// The title's large bold font (H / 40 high).
void selectTitle(PrintDevice &device, const InvoicePage &page, Messages &messages);

// A bar across the page between two lines.
void shadeLines(PrintDevice &device, const InvoicePage &page, double from, double to, int grey);
// A black bar between two lines carrying white column headings.
void headingBar(PrintDevice &device, const InvoicePage &page, double lineNumber,
    const std::string &first, int firstX, const std::string &second, int secondX);
// A horizontal rule across the frame at y.
void ruleAt(PrintDevice &device, const InvoicePage &page, int y);
// The frame: top rule at `topLine`, the borders down to the bottom rule.
void drawFrame(PrintDevice &device, const InvoicePage &page, double topLine);

void drawInvoiceLogo(PrintDevice &device, const InvoicePage &page, const InvoiceData &data);
// The signature lines and the transaction barcode at the foot; the left
// signature is slot 32 and its dotted line, or the delivery note's notice.
void drawSignatures(PrintDevice &device, const InvoicePage &page, const InvoiceData &data,
    bool deliveryNote, Messages &messages);

// The item rows from line `first` (description at Xoff + 80); with
// `itemNumbers` the item number in the second column and the price at the
// right, else the price in the second column. Returns the line after them.
int drawItemRows(PrintDevice &device, const InvoicePage &page, const InvoiceData &data,
    int first, bool itemNumbers);
// The same for `rows` only, a part of the sale's rows.
int drawItemRows(PrintDevice &device, const InvoicePage &page, const InvoiceData &data,
    const std::vector<InvoiceRow> &rows, int first, bool itemNumbers);

// The item rows of a long invoice shared out over its pages: each page's
// rows, the last page's last. `fits(lines, lastPage)` says whether that many
// printed rows fit a page (the last page also holds the totals and the foot).
// Every page but the last takes at least one row and leaves at least one for
// the last; rows of an item with a count (two printed rows) are never split.
std::vector<std::vector<InvoiceRow>> invoiceRowPages(const std::vector<InvoiceRow> &rows,
    const std::function<bool(int lines, bool lastPage)> &fits);

std::string wordText(const InvoiceData &data, int slot);
std::string saleText(const char *field, size_t width);
bool hasCustomer(const InvoiceData &data);

void printStandardInvoice(PrintDevice &device, const InvoiceData &data, Messages &messages);
void printDeliveryNote(PrintDevice &device, const InvoiceData &data, Messages &messages);
void printCustomInvoice(PrintDevice &device, const InvoiceData &data, Messages &messages);

} // namespace ovix
