#pragma once
// "Custom receipt" (Utilities menu): the line of every receipt field under
// "Header" and "Footer", the item options under "Items", the free texts, the
// cutter sequence and port, the blank lines at the end, and "Preview", which
// prints the layout on the screen with a made-up sale to a PDF file.

#include "print/logic/custom_receipt_settings.h"

#include <QDialog>

#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ovix {

class Messages;
class TillState;

class CustomReceiptDialog : public QDialog {
public:
    // `apply` stores what OK takes and says whether it did; while it refuses,
    // the dialog stays open. `preview` gets the controls as they stand.
    CustomReceiptDialog(const CustomReceiptSettings &shown,
        std::function<bool(const CustomReceiptSettings &)> apply,
        std::function<void(const CustomReceiptSettings &)> preview, QWidget *parent);

    // The controls as they stand now.
    CustomReceiptSettings settings() const;

    QLineEdit *lineBox(ReceiptField field) const
    {
        return lines_[static_cast<size_t>(field)];
    }
    QLineEdit *noteLineBox() const
    {
        return noteLine_;
    }
    // 0-2 for "Text 1" ... "Text 3".
    QLineEdit *textBox(int text) const
    {
        return texts_[static_cast<size_t>(text)];
    }
    QLineEdit *cutterBox() const
    {
        return cutter_;
    }
    QComboBox *cutterPortList() const
    {
        return cutterPort_;
    }
    QComboBox *blankLinesList() const
    {
        return blankLines_;
    }
    QCheckBox *logoBox() const
    {
        return logo_;
    }
    QRadioButton *excludingTaxButton() const
    {
        return excludingTax_;
    }
    QPushButton *previewButton() const
    {
        return preview_;
    }

    void accept() override;

private:
    QWidget *headerGroup();
    QWidget *footerGroup();
    QWidget *itemsGroup();
    QWidget *cutterRow();
    void showSettings(const CustomReceiptSettings &shown);

    std::function<bool(const CustomReceiptSettings &)> apply_;
    std::array<QLineEdit *, kReceiptFieldCount> lines_ {};
    QLineEdit *noteLine_ = nullptr;
    std::array<QLineEdit *, 3> texts_ {};
    QLineEdit *cutter_ = nullptr;
    QComboBox *cutterPort_ = nullptr;
    QComboBox *blankLines_ = nullptr;
    QCheckBox *centred_ = nullptr;
    QCheckBox *barcode_ = nullptr;
    QCheckBox *logo_ = nullptr;
    QCheckBox *secondCurrency_ = nullptr;
    QCheckBox *markExempt_ = nullptr;
    QRadioButton *excludingTax_ = nullptr;
    QRadioButton *includingTax_ = nullptr;
    QPushButton *preview_ = nullptr;
};

// Prints the custom receipt of a made-up sale with `shown` in place of the
// stored layout (nothing is stored) to a PDF file in the printouts folder,
// and tells where. A cutter sequence with a problem is told instead.
void previewCustomReceipt(
    const TillState &state, const CustomReceiptSettings &shown, Messages &messages);

// The "Custom receipt" command: OK stores the layout into the configuration
// (written to wr.cfg with it). True when stored.
bool runCustomReceiptDialog(QWidget *parent, TillState &state, Messages &messages);

} // namespace ovix
