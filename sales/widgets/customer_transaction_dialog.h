#pragma once
// "Customer transaction": the sale and the customer's account side by side,
// and how the customer pays. "Credit" (also Enter) charges the account;
// "EFT", "Cash" and "CH" settle it at once; "Cancel" pays nothing; "Help"
// opens the help file.

#include "sales/logic/payment.h"

#include <QDialog>

namespace ovix {

class Messages;

class CustomerTransactionDialog : public QDialog {
public:
    CustomerTransactionDialog(const CustomerTransactionView &view, Messages &messages,
        QWidget *parent);

    CustomerPaymentCode code() const { return code_; }

private:
    void choose(CustomerPaymentCode code);

    CustomerPaymentCode code_ = CustomerPaymentCode::Cancel;
};

// Shows the dialog modally and returns the button's code (Cancel when closed).
CustomerPaymentCode runCustomerTransaction(
    QWidget *parent, const CustomerTransactionView &view, Messages &messages);

} // namespace ovix
