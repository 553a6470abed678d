#include "sales/widgets/discount_dialog.h"

#include "platform/c_format.h"
#include "sales/logic/cents_entry.h"
#include "sales/widgets/dialog_buttons.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace ovix {

namespace {

QLineEdit *readOnlyBox(const QString &name, const QString &text, QWidget *parent)
{
    auto *box = new QLineEdit(text, parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    box->setAlignment(Qt::AlignRight);
    return box;
}

QString money(const Basket &basket, BasketTotal which)
{
    return QString::fromStdString(centsText(moneyCents(basket.total(which))));
}

} // namespace

DiscountDialog::DiscountDialog(
    TillWindow &window, const TransactionDiscount &discount, const Basket &basket,
    ItemEntry &entry)
    : TenderSideDialog(window)
    , discount_(discount)
    , entry_(entry)
{
    setWindowTitle(QStringLiteral("Discount total"));
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Non taxable"),
        readOnlyBox(QStringLiteral("nonTaxable"), money(basket, BasketTotal::NonTaxable), this));
    form->addRow(QStringLiteral("Taxable"),
        readOnlyBox(QStringLiteral("taxable"), money(basket, BasketTotal::Taxable), this));
    form->addRow(QStringLiteral("Tax 1"),
        readOnlyBox(QStringLiteral("taxOne"), money(basket, BasketTotal::TaxOne), this));
    form->addRow(QStringLiteral("Tax 2"),
        readOnlyBox(QStringLiteral("taxTwo"), money(basket, BasketTotal::TaxTwo), this));
    form->addRow(QStringLiteral("Total"),
        readOnlyBox(QStringLiteral("total"), money(basket, BasketTotal::Total), this));

    amount_ = new QLineEdit(this);
    amount_->setObjectName(QStringLiteral("amount"));
    amount_->setMaxLength(static_cast<int>(kAmountEntryWidth));
    amount_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*")), amount_));
    form->addRow(QStringLiteral("Discount"), amount_);
    percent_ = new QComboBox(this);
    percent_->setObjectName(QStringLiteral("percent"));
    for (int hundredths : discountPercentages())
        percent_->addItem(QString::fromStdString(percentageText(hundredths)), hundredths);
    form->addRow(QStringLiteral("Percent"), percent_);
    amended_ = readOnlyBox(QStringLiteral("amendedTotal"), QString(), this);
    form->addRow(discount_.afterTax() ? QStringLiteral("Amended total")
                                      : QStringLiteral("Amended total before tax"),
        amended_);
    layout->addLayout(form);
    layout->addWidget(new QLabel(QStringLiteral("Enter the amount in cents / pence"), this));
    layout->addWidget(new QLabel(QStringLiteral("Enter the amount without the . character"), this));
    if (discount_.afterTax()) {
        layout->addWidget(new QLabel(
            QStringLiteral(
                "Note that to discount items and tax please use the 'Adjust price' button"),
            this));
    }

    const auto [ok, cancel] = addOkCancelRow(layout, this);

    connect(amount_, &QLineEdit::textChanged, this, [this](const QString &typed) {
        amended_->setText(QString::fromStdString(discount_.amendedTotal(typed.toStdString())));
    });
    if (const int preset = discount_.presetPercentage()) {
        percent_->setCurrentIndex(percent_->findData(preset));
        amount_->setText(QString::fromStdString(discount_.amountText(preset)));
    }
    connect(percent_, &QComboBox::currentIndexChanged, this, [this](int index) {
        amount_->setText(
            QString::fromStdString(discount_.amountText(percent_->itemData(index).toInt())));
        amount_->setFocus();
    });
    connect(ok, &QPushButton::clicked, this, [this] { accept(); });
    connect(cancel, &QPushButton::clicked, this, [this] { reject(); });
}

void DiscountDialog::accept()
{
    if (discount_.ok(amount_->text().toStdString(), entry_))
        finish();
    else
        amount_->setFocus();
}

} // namespace ovix
