#pragma once
// The customer dialog: "NEW CUSTOMER" (OK, "&Next", Cancel), "Amend customer"
// (OK and Cancel; the Balance box and its label hidden) and the read-only
// "CUSTOMER" view (its "Next" shows the following customer), with every box
// of a customer. The dialog only collects what is typed;
// accounts/logic/customer_maintenance.h stores it.

#include "accounts/logic/customer_form.h"
#include "accounts/logic/customer_view.h"

#include <QDialog>

#include <map>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;

namespace ovix {

class TillConfig;

enum class CustomerDialogLook {
    New, // "NEW CUSTOMER": Next and Balance shown
    Amend, // "Amend customer": Next, Balance and its label hidden
    View, // "CUSTOMER": every box read-only, Last used, Last payment and Terms as text
};

enum class CustomerDialogChoice { Cancel, Ok, Next };

class CustomerDialog : public QDialog {
public:
    // `config` gives the Terms list; it must outlive the dialog.
    CustomerDialog(const TillConfig &config, const CustomerForm &form, CustomerDialogLook look,
        QWidget *parent = nullptr);
    // The read-only view of a customer.
    CustomerDialog(const TillConfig &config, const CustomerView &view, QWidget *parent = nullptr);

    // The boxes as they stand (Windows-1252).
    CustomerForm form() const;
    // The button that closed the dialog (Cancel until one did).
    CustomerDialogChoice choice() const
    {
        return choice_;
    }
    // The box of object name `name` ("number", "name", ... "balance"); none
    // in the view, which shows its values as texts (value()).
    QLineEdit *box(const char *name) const;
    // The text the view shows for `name` (also "terms", "lastUsed",
    // "lastPayment"); the box's text in the other looks.
    QString value(const char *name) const;

private:
    void build(const TillConfig &config, const CustomerForm &form, CustomerDialogLook look,
        const CustomerView *view);
    void finish(CustomerDialogChoice choice);

    CustomerDialogChoice choice_ = CustomerDialogChoice::Cancel;
    std::map<std::string, QLineEdit *> boxes_;
    std::map<std::string, QLabel *> shown_; // the view's values
    CustomerForm viewed_;
    QComboBox *taxable_ = nullptr;
    QComboBox *terms_ = nullptr;
};

} // namespace ovix
