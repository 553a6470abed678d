#pragma once
// "Print heading": the six lines of the store heading that head receipts,
// invoices and reports.

#include "till/logic/configuration_pages.h"

#include <QDialog>

#include <array>

class QLineEdit;

namespace ovix {

class StoreHeading;

class PrintHeadingDialog : public QDialog {
public:
    PrintHeadingDialog(const PrintHeadingInput &shown, QWidget *parent);

    PrintHeadingInput input() const;
    QLineEdit *lineBox(int line) const
    {
        return lines_[static_cast<size_t>(line)];
    }

private:
    std::array<QLineEdit *, 6> lines_ {};
};

// The "Store print heading" command: shows the dialog and, on OK, takes its
// lines into `heading` (written to ADDRESS.VT when the till closes). True
// when taken.
bool runPrintHeading(QWidget *parent, StoreHeading &heading);

} // namespace ovix
