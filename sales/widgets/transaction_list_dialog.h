#pragma once
// A list of archived transactions to choose one from: "Invoice list" for all
// of them and for the discounted ones (starting on the last line), "Transaction
// list" for those of a day, a month or a year (starting on the first).
// Double-click or OK takes the highlighted line.

#include "sales/logic/transaction_lists.h"

#include <QDialog>

#include <cstdint>
#include <optional>

class QListWidget;

namespace ovix {

class TransactionListDialog : public QDialog {
public:
    TransactionListDialog(const TransactionList &list, QWidget *parent);

    QListWidget *list() const
    {
        return list_;
    }
    // The transaction number of the highlighted line.
    std::optional<int64_t> chosenNumber() const;

private:
    QListWidget *list_ = nullptr;
};

} // namespace ovix
