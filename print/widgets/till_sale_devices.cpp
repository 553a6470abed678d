#include "print/widgets/till_sale_devices.h"

#include "print/logic/pole_display.h"
#include "print/logic/print_request.h"
#include "print/logic/till_drawer.h"
#include "print/widgets/invoice_job.h"
#include "print/widgets/receipt_job.h"
#include "print/widgets/summary_dialog.h"
#include "sales/logic/payment.h"
#include "sales/logic/till_state.h"

namespace ovix {

TillSaleDevices::TillSaleDevices(QWidget *parent, const TillState &state, Messages &messages)
    : parent_(parent)
    , state_(state)
    , messages_(messages)
{
}

void TillSaleDevices::openDrawer()
{
    openTillDrawer(state_.config, state_.dir, messages_);
}

void TillSaleDevices::poleShowTotal(double total)
{
    ovix::poleShowTotal(state_.config, state_.dir, messages_, total);
}

void TillSaleDevices::poleShowTenderAndChange(double tendered, double change)
{
    poleShowTenderChange(state_.config, state_.dir, messages_, tendered, change);
}

void TillSaleDevices::showSummary(const Basket &archived, const Tender &tender)
{
    runSummaryBox(
        parent_, archived, tender,
        [&](PrintDocument document) { printDocument(document, archived, tender, false); },
        automaticDocument(state_.config));
}

void TillSaleDevices::printDocument(
    PrintDocument document, const Basket &archived, const Tender &tender, bool)
{
    const PrintRequest request = documentPrintRequest(state_.config, state_.dir, document);
    ReceiptKind kind = ReceiptKind::Standard;
    switch (document) {
    case PrintDocument::StandardReceipt:
    case PrintDocument::KitchenReceipt:
        break;
    case PrintDocument::CustomReceipt:
        kind = ReceiptKind::Custom;
        break;
    case PrintDocument::StandardInvoice:
        printSaleInvoice(state_, request, InvoiceKind::Standard, archived, messages_);
        return;
    case PrintDocument::CustomInvoice:
        printSaleInvoice(state_, request, InvoiceKind::Custom, archived, messages_);
        return;
    case PrintDocument::DeliveryNote:
        printSaleInvoice(state_, request, InvoiceKind::DeliveryNote, archived, messages_);
        return;
    case PrintDocument::Other:
        return;
    }
    printSaleReceipt(state_, request, kind, archived, tender.tendered, tender.change, messages_);
}

} // namespace ovix
