#pragma once
// The "Supplier" dialog: the number and the seventeen text boxes of a
// supplier. "New supplier" and "Amend supplier" collect what is typed for
// inventory/logic/supplier_maintenance.h to store; Find shows a supplier with
// every box read-only, where OK and Cancel only close it.

#include "inventory/logic/supplier_form.h"

#include <QDialog>

#include <array>

class QLineEdit;
class QPlainTextEdit;

namespace ovix {

enum class SupplierDialogLook {
    New, // "New supplier"
    Amend, // "Amend supplier"
    View, // "Supplier": read-only
};

class SupplierDialog : public QDialog {
public:
    SupplierDialog(const SupplierForm &form, SupplierDialogLook look, QWidget *parent = nullptr);

    // The boxes as they stand.
    SupplierForm form() const;

    QLineEdit *numberBox() const
    {
        return number_;
    }
    // The box of supplierFields()[index] other than the notes, or null.
    QLineEdit *textBox(size_t index) const
    {
        return boxes_[index];
    }
    QPlainTextEdit *notesBox() const
    {
        return notes_;
    }

private:
    QLineEdit *number_ = nullptr;
    std::array<QLineEdit *, kSupplierFieldCount> boxes_ {};
    QPlainTextEdit *notes_ = nullptr;
};

} // namespace ovix
