#pragma once
// "Invoices" (Utilities menu): the line of every custom invoice section, the
// custom invoice's "Barcode", "Box encased", "Use logo" and "Use header font"
// with the "Header font" it uses, and the standard invoice's "Use logo".

#include "print/logic/invoice_design.h"

#include <QDialog>

#include <array>
#include <functional>
#include <optional>

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace ovix {

class TillState;

class InvoiceDesignDialog : public QDialog {
public:
    // Asks for a font, starting from the design's; nothing when cancelled.
    using FontChoice = std::function<std::optional<InvoiceDesign>(const InvoiceDesign &)>;

    InvoiceDesignDialog(const InvoiceDesign &shown, FontChoice chooseFont, QWidget *parent);

    // The controls as they stand now.
    InvoiceDesign design() const;

    QSpinBox *lineBox(int section) const
    {
        return lines_[static_cast<size_t>(section)];
    }
    QPushButton *fontButton() const
    {
        return fontButton_;
    }
    QLabel *fontLabel() const
    {
        return fontLabel_;
    }

private:
    std::array<QSpinBox *, kInvoiceSectionCount> lines_ {};
    QCheckBox *barcode_ = nullptr;
    QCheckBox *boxEncased_ = nullptr;
    QCheckBox *customLogo_ = nullptr;
    QCheckBox *headerFont_ = nullptr;
    QCheckBox *standardLogo_ = nullptr;
    QPushButton *fontButton_ = nullptr;
    QLabel *fontLabel_ = nullptr;
    std::string fontFace_;
    int fontPoints_ = 0;
};

// The system's font chooser, for the "Header font" button.
std::optional<InvoiceDesign> chooseInvoiceFont(const InvoiceDesign &design, QWidget *parent);

// The "Invoices" command: OK stores the design into the configuration
// (written to wr.cfg with it). True when stored.
bool runInvoiceDesignDialog(QWidget *parent, TillState &state);

} // namespace ovix
