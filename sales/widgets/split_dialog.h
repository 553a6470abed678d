#pragma once
// The modeless "Split payment" dialog: the total, the cash amount (digits in
// cents), the remainder left for the other form, and "CH" or "EFT" under
// "Other" (EFT preselected). A view only: OK and Cancel call the functions
// given.

#include <QDialog>

#include <functional>
#include <string>

class QLineEdit;
class QRadioButton;

namespace ovix {

class SplitDialog : public QDialog {
public:
    struct Actions {
        // The remainder shown for the typed cash.
        std::function<std::string(const QString &)> remainder;
        // OK with the typed cash and whether "CH" is checked.
        std::function<void(const QString &, bool)> ok;
        std::function<void()> cancel;
    };

    SplitDialog(double total, Actions actions, QWidget *parent);

    QLineEdit *cashBox() const { return cash_; }
    QLineEdit *remainderBox() const { return remainder_; }
    QRadioButton *chequeButton() const { return cheque_; }
    QRadioButton *eftButton() const { return eft_; }

protected:
    void reject() override;

private:
    Actions actions_;
    QLineEdit *cash_ = nullptr;
    QLineEdit *remainder_ = nullptr;
    QRadioButton *cheque_ = nullptr;
    QRadioButton *eft_ = nullptr;
};

} // namespace ovix
