#pragma once
// "Transaction": one archived transaction with its lines, its payment and
// its note, the remark that the invoice shows the inventory as it is now, and
// the buttons "Next" (the following transaction), "Invoice", "Custom
// receipt" and "Till receipt" (reprints), "OK" and "Cancel" (close).
// The dialog only shows; what the buttons do is given to it.

#include "sales/logic/print_document.h"
#include "sales/logic/transaction_view.h"

#include <QDialog>

#include <functional>
#include <optional>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace ovix {

class TransactionDialog : public QDialog {
public:
    struct Actions {
        // The transaction after the one shown; nothing keeps the one shown.
        std::function<std::optional<TransactionView>()> next;
        // Prints a document of the transaction shown.
        std::function<void(PrintDocument)> print;
    };

    // `invoices` false greys "Invoice" (the shop's invoices cannot be printed).
    TransactionDialog(const TransactionView &view, Actions actions, bool invoices, QWidget *parent);

    // Fills every field from `view`.
    void showTransaction(const TransactionView &view);

    QLineEdit *field(const char *name) const;
    QComboBox *lines() const
    {
        return lines_;
    }
    QPlainTextEdit *note() const
    {
        return note_;
    }
    QPushButton *button(const char *name) const;

private:
    QLineEdit *addField(const char *caption, const char *name);

    Actions actions_;
    QComboBox *lines_ = nullptr;
    QPlainTextEdit *note_ = nullptr;
};

} // namespace ovix
