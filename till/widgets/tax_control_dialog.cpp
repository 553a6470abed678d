#include "till/widgets/tax_control_dialog.h"

#include "platform/cp1252.h"
#include "store/till_config.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace ovix {

namespace {

QLineEdit *rateBox(const std::string &rate, QWidget *parent)
{
    auto *box = new QLineEdit(toQString(rate), parent);
    box->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,6}")), box));
    return box;
}

} // namespace

TaxControlDialog::TaxControlDialog(const TaxControlInput &shown, const QString &taxOneName,
    const QString &taxTwoName, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("TAX CONTROL"));
    auto *layout = new QVBoxLayout(this);

    auto *one = new QGroupBox(taxOneName, this);
    auto *oneForm = new QFormLayout(one);
    taxOneActive_ = new QCheckBox(QStringLiteral("Active"), one);
    taxOneActive_->setChecked(shown.taxOneActive);
    taxOneRate_ = rateBox(shown.taxOneRate, one);
    oneForm->addRow(taxOneActive_);
    oneForm->addRow(QStringLiteral("Rate"), taxOneRate_);
    thresholdOn_ = new QCheckBox(QStringLiteral("Only apply to amounts over"), one);
    thresholdOn_->setChecked(shown.thresholdOn);
    threshold_ = new QLineEdit(toQString(shown.threshold), one);
    oneForm->addRow(thresholdOn_, threshold_);
    layout->addWidget(one);

    auto *two = new QGroupBox(taxTwoName, this);
    auto *twoForm = new QFormLayout(two);
    taxTwoActive_ = new QCheckBox(QStringLiteral("Active"), two);
    taxTwoActive_->setChecked(shown.taxTwoActive);
    taxTwoRate_ = rateBox(shown.taxTwoRate, two);
    compound_ = new QCheckBox(QStringLiteral("On total + tax 1"), two);
    compound_->setChecked(shown.taxTwoOnTotalPlusTaxOne);
    twoForm->addRow(taxTwoActive_);
    twoForm->addRow(QStringLiteral("Rate"), taxTwoRate_);
    twoForm->addRow(compound_);
    layout->addWidget(two);

    layout->addWidget(new QLabel(QStringLiteral("For example, 10% is entered as 1000"), this));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

TaxControlInput TaxControlDialog::input() const
{
    TaxControlInput input;
    input.taxOneActive = taxOneActive_->isChecked();
    input.taxOneRate = fromQString(taxOneRate_->text());
    input.taxTwoActive = taxTwoActive_->isChecked();
    input.taxTwoRate = fromQString(taxTwoRate_->text());
    input.taxTwoOnTotalPlusTaxOne = compound_->isChecked();
    input.thresholdOn = thresholdOn_->isChecked();
    input.threshold = fromQString(threshold_->text());
    return input;
}

bool runTaxControl(QWidget *parent, TillConfig &config)
{
    TaxControlDialog dialog(loadTaxControl(config), toQString(config.text(cfg::taxOneName)),
        toQString(config.text(cfg::taxTwoName)), parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    applyTaxControl(config, dialog.input());
    return true;
}

} // namespace ovix
