#pragma once
// The "Receipts" page of the configuration sheet: the receipt printer, print
// confirmation, automatic documents and copies, the standard receipt's
// options and the footer text.

#include "print/logic/device_pages.h"

#include <QWidget>

#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace ovix {

// The printers the system has, in its order. Empty when there are none.
std::vector<PrinterChoice> installedPrinters();

class ReceiptsPage : public QWidget {
public:
    // The printer list shows "Default" then `printers`. `chooseLogo` runs
    // when "Select logo bitmap file" is pressed.
    ReceiptsPage(const ReceiptsPageInput &shown, const std::vector<PrinterChoice> &printers,
        std::function<void()> chooseLogo, QWidget *parent = nullptr);

    // The controls as they stand now.
    ReceiptsPageInput input() const;

    QComboBox *printerList() const { return printer_; }
    QComboBox *autoReceiptList() const { return autoReceipt_; }
    QComboBox *copiesList() const { return copies_; }
    QCheckBox *omitPrintConfirmBox() const { return omitConfirm_; }
    QCheckBox *wordWrapBox() const { return wordWrap_; }
    QLineEdit *footerBox() const { return footer_; }
    QPushButton *logoButton() const { return logoButton_; }

private:
    QComboBox *printer_;
    QComboBox *autoReceipt_;
    QComboBox *copies_;
    QCheckBox *omitConfirm_;
    QCheckBox *kitchen_;
    QCheckBox *centred_;
    QCheckBox *barcode_;
    QCheckBox *logo_;
    QCheckBox *exclusive_;
    QCheckBox *pageWidth_;
    QCheckBox *wordWrap_;
    QCheckBox *limit_;
    QCheckBox *tenPoint_;
    QLineEdit *footer_;
    QPushButton *logoButton_;
};

} // namespace ovix
