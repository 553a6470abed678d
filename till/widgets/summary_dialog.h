#pragma once
// "Transaction committed, summary": the total due, the amount tendered and
// the change (or "CB: %.2f" with the cash back of a card payment), the
// document buttons and OK. Shown after the sale is archived. The document
// buttons stay greyed until the till can print.

#include "till/logic/payment.h"

#include <QDialog>

namespace ovix {

class SummaryDialog : public QDialog {
public:
    SummaryDialog(const Basket &archived, const Tender &tender, QWidget *parent);
};

// Shows the box modally until OK.
void runSummaryBox(QWidget *parent, const Basket &archived, const Tender &tender);

// Devices of a till that has no drawer, pole or printing work yet: the
// summary box alone. `parent` must outlive it.
class SummaryOnlyDevices : public NullSaleDevices {
public:
    explicit SummaryOnlyDevices(QWidget *parent) : parent_(parent) { }
    void showSummary(const Basket &archived, const Tender &tender) override
    {
        runSummaryBox(parent_, archived, tender);
    }

private:
    QWidget *parent_;
};

} // namespace ovix
