#pragma once
// "Transaction committed, summary": the total due, the amount tendered and
// the change (or "CB: %.2f" with the cash back of a card payment), the
// document buttons and OK. Shown after the sale is archived. The two receipt
// buttons print through `print`; the invoice and delivery-note buttons stay
// greyed until the till prints those.

#include "print/logic/device_sale_devices.h"
#include "sales/logic/payment.h"

#include <QDialog>

#include <functional>
#include <optional>

class QPushButton;

namespace ovix {

class SummaryDialog : public QDialog {
public:
    // Without `print` every document button is greyed.
    SummaryDialog(const Basket &archived, const Tender &tender, QWidget *parent,
        std::function<void(SaleDocument)> print = {});

    // The button that prints `document`.
    QPushButton *documentButton(SaleDocument document) const;

private:
    std::function<void(SaleDocument)> print_;
};

// Shows the box modally until OK; its receipt buttons call `print`. With
// `automatic`, the box presses that document's button itself as it opens, as
// many times as the document's passes (a greyed button prints nothing).
void runSummaryBox(QWidget *parent, const Basket &archived, const Tender &tender,
    const std::function<void(SaleDocument)> &print = {},
    std::optional<AutomaticDocument> automatic = std::nullopt);

// The finishing sequence of the till window: drawer and pole display, then
// the summary box or the automatic documents. Receipts print through the
// print layer (a PDF in the printouts folder when no printer is installed);
// invoices and delivery notes are not printed yet. `parent`, `state` and
// `messages` must outlive it.
class WindowSaleDevices : public DeviceSaleDevices {
public:
    WindowSaleDevices(QWidget *parent, const TillState &state, Messages &messages)
        : DeviceSaleDevices(state, messages), parent_(parent), state_(state), messages_(messages)
    {
    }
    void showSummary(const Basket &archived, const Tender &tender) override;
    // One job of `document`: a receipt to the named receipt printer or as
    // "Omit print confirm" says, the kitchen receipt to the default printer.
    void printDocument(SaleDocument document, const Basket &archived, const Tender &tender,
        bool throughPrintDialog) override;

private:
    QWidget *parent_;
    const TillState &state_;
    Messages &messages_;
};

} // namespace ovix
