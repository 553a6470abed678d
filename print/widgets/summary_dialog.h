#pragma once
// "Transaction committed, summary": the total due, the amount tendered and
// the change (or "CB: %.2f" with the cash back of a card payment), the
// document buttons and OK. Shown after the sale is archived. Each document
// button (receipts, invoices, delivery note) prints through `print`.

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
        std::function<void(PrintDocument)> print = {});

    // The button that prints `document`; null for a document the box does
    // not offer.
    QPushButton *documentButton(PrintDocument document) const;

private:
    std::function<void(PrintDocument)> print_;
};

// Shows the box modally until OK; its document buttons call `print`. With
// `automatic`, the box presses that document's button itself as it opens, as
// many times as the document's passes (a greyed button prints nothing).
void runSummaryBox(QWidget *parent, const Basket &archived, const Tender &tender,
    const std::function<void(PrintDocument)> &print = {},
    std::optional<AutomaticDocument> automatic = std::nullopt);

} // namespace ovix
