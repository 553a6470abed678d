#pragma once
// The item dialog: "New inventory" (Cancel, OK, "&Copy", "&Next") and "Amend
// inventory" (Cancel and OK, the Number box read-only), with every box of an
// item, the price ready reckoner and the picture chooser. The dialog only
// collects what is typed; inventory/logic/item_maintenance.h stores it.

#include "inventory/logic/item_form.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ovix {

class Shop;

enum class ItemDialogForm {
    New, // "New inventory": the Number box open, Copy and Next shown
    Amend, // "Amend inventory": the Number box read-only
    // A new item refused for its number, shown again in the amend form with
    // the Number box left open, so that the clerk can put it right.
    AmendNumberOpen,
};

enum class ItemDialogChoice { Cancel, Ok, Copy, Next };

class ItemDialog : public QDialog {
public:
    // `shop` gives the category names, the tax rates and the pictures; it
    // must outlive the dialog.
    ItemDialog(const Shop &shop, const ItemForm &form, ItemDialogForm look,
        QWidget *parent = nullptr);

    // The boxes as they stand.
    ItemForm form() const;
    // The button that closed the dialog (Cancel until one did).
    ItemDialogChoice choice() const
    {
        return choice_;
    }

private:
    QLineEdit *addLine(const char *name, size_t width);
    QComboBox *addList(const char *name, const QStringList &entries, int current);
    void build(const ItemForm &form, ItemDialogForm look);
    void finish(ItemDialogChoice choice);
    void reckon();
    void showPicture();
    void tickForTaxCode(int code);

    const Shop &shop_;
    ItemDialogChoice choice_ = ItemDialogChoice::Cancel;
    PictureChoice pictureChoice_;
    int64_t shownNumber_ = 0;

    QLineEdit *number_ = nullptr;
    QLineEdit *description_ = nullptr;
    std::array<QLineEdit *, 4> skus_ {};
    QLineEdit *costPrice_ = nullptr;
    QLineEdit *tradePrice_ = nullptr;
    QLineEdit *retailPrice_ = nullptr;
    QLineEdit *priceWithTax_ = nullptr;
    QLineEdit *priceWithoutTax_ = nullptr;
    QCheckBox *taxOneTick_ = nullptr;
    QCheckBox *taxTwoTick_ = nullptr;
    QLineEdit *orderCode_ = nullptr;
    QLineEdit *orderQuantity_ = nullptr;
    QLineEdit *minimumOrder_ = nullptr;
    QLineEdit *onOrder_ = nullptr;
    QLineEdit *restockLevel_ = nullptr;
    QLineEdit *notes_ = nullptr;
    QLineEdit *delivery_ = nullptr;
    QLineEdit *weight_ = nullptr;
    QLineEdit *committed_ = nullptr;
    QLineEdit *deliveryLead_ = nullptr;
    QLineEdit *labelsToPrint_ = nullptr;
    QLineEdit *location_ = nullptr;
    QLineEdit *website_ = nullptr;
    QLineEdit *webImage_ = nullptr;
    QLineEdit *quantity_ = nullptr;
    QComboBox *taxCode_ = nullptr;
    QComboBox *displayCategory_ = nullptr;
    QComboBox *saleOrReturn_ = nullptr;
    QCheckBox *noTaxRounding_ = nullptr;
    QComboBox *specialOrder_ = nullptr;
    QCheckBox *ageWarning_ = nullptr;
    QComboBox *age_ = nullptr;
    QCheckBox *omitQuickSelect_ = nullptr;
    QCheckBox *buyOneGetOneFree_ = nullptr;
    QComboBox *sellByDay_ = nullptr;
    QComboBox *sellByMonth_ = nullptr;
    QComboBox *sellByYear_ = nullptr;
    QDateEdit *dateAdded_ = nullptr;
    QLabel *picture_ = nullptr;
};

} // namespace ovix
