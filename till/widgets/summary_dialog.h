#pragma once
// "Transaction committed, summary": the total due, the amount tendered and
// the change (or "CB: %.2f" with the cash back of a card payment), the
// document buttons and OK. Shown after the sale is archived. The document
// buttons stay greyed until the till can print.

#include "print/logic/device_sale_devices.h"
#include "till/logic/payment.h"

#include <QDialog>

namespace ovix {

class SummaryDialog : public QDialog {
public:
    SummaryDialog(const Basket &archived, const Tender &tender, QWidget *parent);
};

// Shows the box modally until OK.
void runSummaryBox(QWidget *parent, const Basket &archived, const Tender &tender);

// The finishing sequence of the till window: drawer and pole display, then
// the summary box (printing comes with the receipts). `parent`, `state` and
// `messages` must outlive it.
class WindowSaleDevices : public DeviceSaleDevices {
public:
    WindowSaleDevices(QWidget *parent, const TillState &state, Messages &messages)
        : DeviceSaleDevices(state, messages), parent_(parent)
    {
    }
    void showSummary(const Basket &archived, const Tender &tender) override
    {
        runSummaryBox(parent_, archived, tender);
    }

private:
    QWidget *parent_;
};

} // namespace ovix
