#pragma once
// The bundle dialog: "Add inventory bundle" and "Amend bundle" (a bundle is
// viewed in the item view, inventory/widgets/item_view_dialog.h). It holds the bundle's number,
// description, SKUs, delivery, weight, notes, date added and display category, and six component
// rows, each a number and description that only "Select" fills and "Remove" clears, a quantity 1-50
// and a Free mark. It collects what is chosen; inventory/logic/bundle_maintenance.h checks and
// stores it.

#include "inventory/logic/bundle_form.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;

namespace ovix {

class Messages;
class Shop;

enum class BundleDialogLook {
    New, // "Add inventory bundle"
    Amend, // "Amend bundle": the Number box read-only
    AmendNumberOpen, // a new bundle refused for its number, shown again with it open
};

class BundleDialog : public QDialog {
public:
    // `shop` gives the category names and the items a row may take; it and
    // `messages` must outlive the dialog.
    BundleDialog(const Shop &shop, const BundleForm &form, BundleDialogLook look,
        Messages &messages, QWidget *parent = nullptr);

    // The boxes as they stand.
    BundleForm form() const;

    // "Select" of row `row`: the prompt "Item number", then the row takes the
    // item (or is left as it was).
    void selectComponent(size_t row);
    void removeComponent(size_t row);

    QLineEdit *componentNumber(size_t row) const
    {
        return rows_[row].number;
    }
    QLineEdit *componentDescription(size_t row) const
    {
        return rows_[row].description;
    }
    QComboBox *componentQuantity(size_t row) const
    {
        return rows_[row].quantity;
    }
    QCheckBox *componentFree(size_t row) const
    {
        return rows_[row].free;
    }

private:
    struct Row {
        QLineEdit *number = nullptr;
        QLineEdit *description = nullptr;
        QPushButton *select = nullptr;
        QPushButton *remove = nullptr;
        QComboBox *quantity = nullptr;
        QCheckBox *free = nullptr;
    };

    QLineEdit *addLine(const char *name, size_t width, const std::string &text);

    const Shop &shop_;
    Messages &messages_;
    QLineEdit *number_ = nullptr;
    QLineEdit *description_ = nullptr;
    std::array<QLineEdit *, 4> skus_ {};
    std::array<Row, kBundleComponentCount> rows_ {};
    QLineEdit *delivery_ = nullptr;
    QLineEdit *weight_ = nullptr;
    QLineEdit *notes_ = nullptr;
    QDateEdit *dateAdded_ = nullptr;
    QComboBox *category_ = nullptr;
};

} // namespace ovix
