#pragma once
// "Payment": a payment on a customer's account. The dialog shows the account
// and the customer's transactions, takes the method ("Cash", "CH", "EFT") and
// the amount ("Pay"), and hands them on OK to the payment, which checks and
// records them. A refused amount keeps the dialog open.
// "Invoice list": the archived transactions to choose one from.

#include "accounts/logic/account_payment.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QLineEdit;
class QListWidget;
class QRadioButton;

namespace ovix {

class AccountPaymentDialog : public QDialog {
public:
    using Pay = std::function<AccountPaymentResult(const std::string &typed,
        AccountPaymentMethod method)>;

    AccountPaymentDialog(const AccountPaymentView &view, Pay pay, QWidget *parent);

    QLineEdit *payBox() const
    {
        return pay_;
    }
    QRadioButton *methodButton(AccountPaymentMethod method) const;
    QComboBox *transactions() const
    {
        return transactions_;
    }
    // What the last OK gave; Cancelled when OK was never pressed.
    AccountPaymentResult result() const
    {
        return result_;
    }

    void accept() override;

private:
    AccountPaymentMethod method() const;

    Pay payment_;
    QLineEdit *pay_ = nullptr;
    QRadioButton *cash_ = nullptr;
    QRadioButton *cheque_ = nullptr;
    QRadioButton *eft_ = nullptr;
    QComboBox *transactions_ = nullptr;
    AccountPaymentResult result_ = AccountPaymentResult::Cancelled;
};

class InvoiceListDialog : public QDialog {
public:
    // `lines` as invoiceList gives them (Windows-1252 digits and words).
    InvoiceListDialog(const std::vector<std::string> &lines, QWidget *parent);

    QListWidget *list() const
    {
        return list_;
    }
    // The transaction number of the chosen line.
    std::optional<int32_t> chosenNumber() const;

private:
    QListWidget *list_ = nullptr;
};

} // namespace ovix
