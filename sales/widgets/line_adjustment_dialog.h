#pragma once
// "Adjust item price" and "Adjust by weight": the item of the last basket
// line (number, description, cost price unless hidden from the clerk, list
// price), the line's non-taxable, taxable, tax 1, tax 2 and total boxes, and
// the amount box: a price in cents with "Zero", or a weight with the "Weight"
// list (1 to 2000, 100 preselected) and the "Price before tax" it gives.
// A view over a LineAdjustment, which decides; modeless beside the till.

#include "sales/logic/price_adjustment.h"
#include "sales/widgets/tender_side_dialog.h"

class QComboBox;
class QLabel;

namespace ovix {

class BasketView;
class ItemEntry;

class LineAdjustmentDialog : public TenderSideDialog {
public:
    // `entry` and `view` must outlive the dialog.
    LineAdjustmentDialog(TillWindow &window, LineAdjustment adjustment, bool costShown,
        ItemEntry &entry, BasketView &view);

    // The box the keypad types into: the price or the weight.
    QLineEdit *amountBox() const
    {
        return amount_;
    }
    QComboBox *weightList() const
    {
        return weightList_;
    }
    QLineEdit *priceBeforeTaxBox() const
    {
        return priceBeforeTax_;
    }
    // The line's five boxes: non-taxable, taxable, tax 1, tax 2, total.
    QLineEdit *lineBox(int index) const
    {
        return lineBoxes_[index];
    }
    QLabel *costLabel() const
    {
        return cost_;
    }

protected:
    void accept() override;

private:
    void amountChanged();
    void showBoxes();

    LineAdjustment adjustment_;
    ItemEntry &entry_;
    BasketView &view_;
    QLineEdit *amount_ = nullptr;
    QComboBox *weightList_ = nullptr;
    QLineEdit *priceBeforeTax_ = nullptr;
    QLineEdit *lineBoxes_[5] = {};
    QLabel *cost_ = nullptr;
};

} // namespace ovix
