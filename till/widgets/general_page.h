#pragma once
// The "General" page of the configuration sheet: start points of new numbers,
// default categories, till float, tax names, category names, "History from:"
// and the shop's general switches.

#include "till/logic/configuration_pages.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

namespace ovix {

class GeneralPage : public QWidget {
public:
    // Shows `shown`. `categoryNames` are the 18 stored names (Windows-1252);
    // "History from:" offers the years `firstYear` to `thisYear`.
    GeneralPage(const GeneralPageInput &shown,
        const std::array<std::string, kCategoryNameBoxes> &categoryNames, int firstYear,
        int thisYear, QWidget *parent = nullptr);

    // The controls as they stand now.
    GeneralPageInput input() const;

    QLineEdit *itemStartPointBox() const
    {
        return itemStart_;
    }
    QLineEdit *startOfDayTillBox() const
    {
        return till_;
    }
    QLineEdit *categoryNameBox(int box) const
    {
        return categoryNames_[static_cast<size_t>(box)];
    }
    QComboBox *historyDayBox() const
    {
        return historyDay_;
    }
    QComboBox *historyMonthBox() const
    {
        return historyMonth_;
    }
    QComboBox *historyYearBox() const
    {
        return historyYear_;
    }
    QCheckBox *summaryBox() const
    {
        return summaryBox_;
    }

private:
    QLineEdit *itemStart_;
    QLineEdit *customerStart_;
    QComboBox *displayCategory_;
    QComboBox *itemCategory_;
    QLineEdit *till_;
    QLineEdit *taxOneName_;
    QLineEdit *taxTwoName_;
    QComboBox *taxCode_;
    QSpinBox *discountRate_;
    std::array<QLineEdit *, kCategoryNameBoxes> categoryNames_ {};
    QComboBox *historyDay_;
    QComboBox *historyMonth_;
    QComboBox *historyYear_;
    QCheckBox *summaryBox_;
    QCheckBox *customerList_;
    QCheckBox *itemList_;
    QCheckBox *permitShortStock_;
    QCheckBox *omitMonthlyTotals_;
    QLineEdit *currencySymbol_;
    QCheckBox *secondCurrency_;
    QLineEdit *secondCurrencySymbol_;
    QLineEdit *conversionRate_;
    QCheckBox *cartDescriptionOnly_;
    QCheckBox *nonInventoryTaxable_;
    QCheckBox *skuOneEntry_;
    QCheckBox *percentageTradeDiscount_;
    QLineEdit *tradeDiscount_;
    QCheckBox *discountOnTotal_;
    QCheckBox *noNumberOnNewItem_;
    QCheckBox *noNumberOnNewCustomer_;
};

} // namespace ovix
