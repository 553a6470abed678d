#pragma once
// "Receive Inventory": the item found ("Line number:", "Description",
// "Held"), the "Quantity received" box with the "Updated total" it makes,
// and the optional sell-by day, month and year; OK, "Next" and Cancel. It
// collects what is typed; inventory/logic/stock_receipt.h books it.

#include "inventory/logic/stock_receipt.h"

#include <QDialog>

class QComboBox;
class QLineEdit;

namespace ovix {

enum class ReceiveChoice { Cancel, Ok, Next };

class ReceiveDialog : public QDialog {
public:
    explicit ReceiveDialog(const ReceiptView &view, QWidget *parent = nullptr);

    // The boxes as they stand.
    ReceiptForm form() const;
    // The button that closed the dialog (Cancel until one did).
    ReceiveChoice choice() const
    {
        return choice_;
    }

    QLineEdit *quantityBox() const
    {
        return quantity_;
    }
    QLineEdit *updatedTotalBox() const
    {
        return updatedTotal_;
    }

private:
    int32_t held_ = 0;
    ReceiveChoice choice_ = ReceiveChoice::Cancel;
    QLineEdit *quantity_ = nullptr;
    QLineEdit *updatedTotal_ = nullptr;
    QComboBox *day_ = nullptr;
    QComboBox *month_ = nullptr;
    QComboBox *year_ = nullptr;
};

} // namespace ovix
