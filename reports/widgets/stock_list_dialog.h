#pragma once
// The selection window of a stock list: "Please select:" over the list's
// lines, with "Print" and "OK".

#include "reports/logic/stock_lists.h"

#include <QDialog>

#include <functional>

class QListWidget;

namespace ovix {

class StockListDialog : public QDialog {
public:
    // `print` runs when "Print" is pressed; the window stays open.
    StockListDialog(const StockList &list, std::function<void()> print, QWidget *parent);

    QListWidget *list() const
    {
        return list_;
    }

private:
    QListWidget *list_ = nullptr;
};

} // namespace ovix
