#pragma once
// The report windows: "Item summary" (what the item reports cover), the item
// report's list ("Daily item summary" for every period), "Please specify the
// period" for the sales reports, the "Sales report" grid and the units by
// category. They only collect choices and show results; the reports are
// reports/logic's.

#include "reports/logic/category_units.h"
#include "reports/logic/item_report.h"
#include "reports/logic/sales_report.h"

#include <QDialog>

#include <array>
#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QListWidget;
class QLineEdit;
class QPushButton;

namespace ovix {

// Day, month and year boxes for one date.
struct DateBoxes {
    QComboBox *day = nullptr; // null when only the month is asked
    QComboBox *month = nullptr;
    QComboBox *year = nullptr;
};

// "Item summary": the day (or, for a range, both days; for a month only the
// month and year), the six exclusions and the category. `years` newest first.
class ItemSummaryDialog : public QDialog {
public:
    ItemSummaryDialog(ItemPeriod period, const std::vector<int> &years, const CalendarDay &today,
        const std::vector<std::string> &categoryCodes, QWidget *parent);

    // The choice as the boxes stand (a day that does not exist stays as chosen).
    ItemReportChoice choice() const;

    const DateBoxes &start() const
    {
        return start_;
    }
    const DateBoxes &end() const
    {
        return end_;
    }
    QCheckBox *exclusion(size_t index) const
    {
        return exclusions_[index];
    }
    QComboBox *category() const
    {
        return category_;
    }

private:
    ItemPeriod period_;
    DateBoxes start_;
    DateBoxes end_;
    std::array<QCheckBox *, 6> exclusions_ {};
    QComboBox *category_ = nullptr;
};

// "Daily item summary": the list, the three totals, Print, Save as CSV and OK.
class ItemReportDialog : public QDialog {
public:
    ItemReportDialog(const std::string &title, const ItemReport &report,
        std::function<void()> print, std::function<void()> saveCsv, QWidget *parent);

    QListWidget *list() const
    {
        return list_;
    }
    QLineEdit *total(size_t index) const
    {
        return totals_[index];
    }

private:
    QListWidget *list_ = nullptr;
    std::array<QLineEdit *, 3> totals_ {};
};

// "Please specify the period": start and end day, month and year; with
// `clerkNames` also the clerk whose sales are asked for.
class SalesPeriodDialog : public QDialog {
public:
    SalesPeriodDialog(const std::vector<int> &years, const CalendarDay &today,
        const std::vector<std::string> &clerkNames, QWidget *parent);

    CalendarDay startDay() const;
    CalendarDay endDay() const;
    // 1-based clerk number; 0 without a clerk box.
    int clerk() const;

    const DateBoxes &start() const
    {
        return start_;
    }
    const DateBoxes &end() const
    {
        return end_;
    }

private:
    DateBoxes start_;
    DateBoxes end_;
    QComboBox *clerk_ = nullptr;
};

// "Sales report": rows Day, Month, Year by the five amounts, each a drop-down
// list of its periods showing the first; "&Print" and "OK".
class SalesReportDialog : public QDialog {
public:
    SalesReportDialog(const std::string &title, const SalesReport &report,
        std::function<void()> print, QWidget *parent);

    // Row 0 Day, 1 Month, 2 Year; column as kSalesColumnCaptions.
    QComboBox *list(int row, int column) const
    {
        return lists_[static_cast<size_t>(row) * kSalesColumns + static_cast<size_t>(column)];
    }

private:
    std::array<QComboBox *, size_t { 3 } * kSalesColumns> lists_ {};
};

// Units by category: two columns of nine categories, Print and OK.
class CategoryUnitsDialog : public QDialog {
public:
    CategoryUnitsDialog(bool month, const std::vector<CategoryUnits> &rows,
        std::function<void()> print, QWidget *parent);
};

} // namespace ovix
