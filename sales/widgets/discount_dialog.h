#pragma once
// "Discount total": the sale's non-taxable, taxable, tax 1, tax 2 and total,
// the discount amount in cents, the "Percent" list (0.00 to 80.00 in steps of
// 0.50) that fills the amount, and the amended total after tax or before tax
// as the shop has set. A view over a TransactionDiscount, which decides;
// modeless beside the till.

#include "sales/logic/transaction_discount.h"
#include "sales/widgets/tender_side_dialog.h"

class QComboBox;

namespace ovix {

class DiscountDialog : public TenderSideDialog {
public:
    // `entry` must outlive the dialog.
    DiscountDialog(
        TillWindow &window, const TransactionDiscount &discount, const Basket &basket,
        ItemEntry &entry);

    QLineEdit *amountBox() const
    {
        return amount_;
    }
    QLineEdit *amendedTotalBox() const
    {
        return amended_;
    }
    QComboBox *percentList() const
    {
        return percent_;
    }

protected:
    void accept() override;

private:
    TransactionDiscount discount_;
    ItemEntry &entry_;
    QLineEdit *amount_ = nullptr;
    QLineEdit *amended_ = nullptr;
    QComboBox *percent_ = nullptr;
};

} // namespace ovix
