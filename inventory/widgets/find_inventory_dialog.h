#pragma once
// "FIND INVENTORY": one item a description search found, shown read-only,
// with "Next" to go on to the next match, OK to take the item and Cancel to
// take none.

#include "inventory/logic/item_find.h"

#include <QDialog>

class QLineEdit;

namespace ovix {

class TillConfig;

class FindInventoryDialog : public QDialog {
public:
    // Shows `item` with its display category named from `config`; the cost
    // price is left blank when `hideCost`.
    FindInventoryDialog(const ItemRecord &item, const TillConfig &config, bool hideCost,
        QWidget *parent = nullptr);

    // The clerk's choice once exec() has returned.
    StepChoice choice() const
    {
        return choice_;
    }
    // The box showing `field`: "number", "description", "sku1".."sku4", "cost",
    // "price", "category", "stock", "tax", "added"; null for other names.
    QLineEdit *field(const char *name) const;

private:
    void addField(const char *name, const QString &caption, const QString &value);

    StepChoice choice_ = StepChoice::Cancel;
};

// The text shown for tax code `code` ("Non taxable", "Tax 1 and 2", "Tax 1",
// "Tax 2"), or the number itself for a code outside 0-3.
QString taxCodeText(int32_t code);

} // namespace ovix
