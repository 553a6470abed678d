#pragma once
// "FIND CUSTOMER": one customer a name search found, read-only, with "Next"
// (the following match), OK (this customer) and Cancel.

#include "accounts/logic/customer_find.h"

#include <QDialog>

namespace ovix {

class TillConfig;

class CustomerStepDialog : public QDialog {
public:
    CustomerStepDialog(const CustomerRecord &customer, const TillConfig &config,
        QWidget *parent = nullptr);

    CustomerStepChoice choice() const
    {
        return choice_;
    }

private:
    void finish(CustomerStepChoice choice);

    CustomerStepChoice choice_ = CustomerStepChoice::Cancel;
};

} // namespace ovix
