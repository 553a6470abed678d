#pragma once
// "TAX CONTROL": whether tax 1 and tax 2 are charged, their rates, tax 2 on
// top of tax 1, and the threshold below which tax 1 is not charged.

#include "till/logic/configuration_pages.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace ovix {

class TillConfig;

class TaxControlDialog : public QDialog {
public:
    // Shows `shown`; the tax names head the two groups.
    TaxControlDialog(const TaxControlInput &shown, const QString &taxOneName,
        const QString &taxTwoName, QWidget *parent);

    TaxControlInput input() const;

    QCheckBox *taxOneActiveBox() const
    {
        return taxOneActive_;
    }
    QLineEdit *taxOneRateBox() const
    {
        return taxOneRate_;
    }
    QLineEdit *thresholdBox() const
    {
        return threshold_;
    }

private:
    QCheckBox *taxOneActive_;
    QLineEdit *taxOneRate_;
    QCheckBox *taxTwoActive_;
    QLineEdit *taxTwoRate_;
    QCheckBox *compound_;
    QCheckBox *thresholdOn_;
    QLineEdit *threshold_;
};

// The "Tax setup" command: shows the dialog and, on OK, applies it to
// `config`. True when applied.
bool runTaxControl(QWidget *parent, TillConfig &config);

} // namespace ovix
