#pragma once
// "Refund": the basket about to be refunded (next transaction number, date,
// customer, lines and totals) and the clerk's choices - stock back or items
// faulty, the form of the refund, and whether the refund receipt prints.
// OK gives the choices; Cancel refunds nothing.

#include "sales/logic/refund.h"

#include <QDialog>

class QCheckBox;
class QRadioButton;

namespace ovix {

class RefundDialog : public QDialog {
public:
    RefundDialog(const RefundView &view, QWidget *parent);

    // The choices as the buttons stand.
    RefundChoice choice() const;

    QRadioButton *formButton(RefundForm form) const;
    QRadioButton *faultyButton() const
    {
        return faulty_;
    }
    QCheckBox *receiptBox() const
    {
        return receipt_;
    }

private:
    QRadioButton *backToStock_ = nullptr;
    QRadioButton *faulty_ = nullptr;
    QRadioButton *cash_ = nullptr;
    QRadioButton *cheque_ = nullptr;
    QRadioButton *eft_ = nullptr;
    QRadioButton *credit_ = nullptr;
    QCheckBox *receipt_ = nullptr;
};

// Shows the dialog modally; nothing when it was cancelled.
std::optional<RefundChoice> askRefund(QWidget *parent, const RefundView &view);

} // namespace ovix
