#pragma once
// The drawer, the pole display, the summary box and the printer, as a paid
// sale's finishing sequence (afterPayment, payment.h) drives them. The till
// drives the real ones (print/widgets/till_sale_devices.h); the tests record
// what was asked (tests/support/recording_sale_devices.h).

#include "sales/logic/print_document.h"

namespace ovix {

struct Basket;

// The amount handed over and the change given back, for the pole display,
// the summary box and the receipt.
struct Tender {
    double tendered = 0;
    double change = 0;
};

// Called only after the sale is archived, with the archived copy (transaction
// number and day sequence set), except poleShowTotal, which shows the total
// due as the tender opens. A device that fails says so itself and never
// undoes the sale.
class SaleDevices {
public:
    virtual ~SaleDevices() = default;
    virtual void openDrawer() = 0;
    virtual void poleShowTotal(double total) = 0;
    virtual void poleShowTenderAndChange(double tendered, double change) = 0;
    // The "Transaction committed, summary" box, modal.
    virtual void showSummary(const Basket &archived, const Tender &tender) = 0;
    // One copy of `document`; `throughPrintDialog` asks for the printer.
    virtual void printDocument(PrintDocument document, const Basket &archived, const Tender &tender,
        bool throughPrintDialog)
        = 0;
};

} // namespace ovix
