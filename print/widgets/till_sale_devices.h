#pragma once
// The till's own finishing devices: the drawer and the pole display on their
// ports (print/logic), the "Transaction committed, summary" box, and the
// documents printed through the print layer (a PDF in the printouts folder
// when no printer is installed): receipts, invoices and delivery notes.
//
// Device failures are told through `messages` and go no further: the sale is
// archived before any of these run.

#include "sales/logic/sale_devices.h"

class QWidget;

namespace ovix {

class Messages;
class TillState;

class TillSaleDevices final : public SaleDevices {
public:
    // `parent` (the summary box's; may be null), `state` and `messages` are not
    // owned and must outlive this object.
    TillSaleDevices(QWidget *parent, const TillState &state, Messages &messages);

    void openDrawer() override;
    void poleShowTotal(double total) override;
    void poleShowTenderAndChange(double tendered, double change) override;
    // Modal until OK; its receipt buttons print, and with the "Auto receipt"
    // setting the box presses that document's button itself as it opens.
    void showSummary(const Basket &archived, const Tender &tender) override;
    // One job of `document`: a receipt to the named receipt printer or as
    // "Omit print confirm" says, an invoice or delivery note to the default
    // printer or through the print dialog, the kitchen receipt to the default
    // printer.
    void printDocument(PrintDocument document, const Basket &archived, const Tender &tender,
        bool throughPrintDialog) override;

private:
    QWidget *parent_;
    const TillState &state_;
    Messages &messages_;
};

} // namespace ovix
