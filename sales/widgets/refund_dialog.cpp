#include "sales/widgets/refund_dialog.h"

#include "platform/c_format.h"
#include "sales/widgets/dialog_buttons.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cinttypes>

namespace ovix {

namespace {

// A box's frame and the margins beside its text.
constexpr int kBoxPadding = 10;

QLineEdit *shownBox(const std::string &text, const char *name, QWidget *parent)
{
    const QString shown = QString::fromStdString(text);
    auto *box = new QLineEdit(shown, parent);
    box->setReadOnly(true);
    box->setObjectName(QString::fromLatin1(name));
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(shown) + kBoxPadding);
    return box;
}

std::string money(double amount)
{
    return cformat("%.2f", amount);
}

QRadioButton *radio(const char *caption, const char *name, QWidget *parent)
{
    auto *button = new QRadioButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

} // namespace

RefundDialog::RefundDialog(const RefundView &view, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Refund"));
    auto *layout = new QVBoxLayout(this);
    auto *heading = new QFormLayout;
    heading->addRow(QStringLiteral("Transaction"),
        shownBox(cformat("%" PRId64, view.transactionNumber), "transaction", this));
    heading->addRow(QStringLiteral("Date"), shownBox(view.date, "date", this));
    heading->addRow(QStringLiteral("Customer"), shownBox(view.customer, "customer", this));
    layout->addLayout(heading);

    auto *columns = new QHBoxLayout;
    auto *shown = new QFormLayout;
    shown->addRow(QStringLiteral("Lines"), shownBox(cformat("%d", view.lines), "lines", this));
    shown->addRow(
        QStringLiteral("Non taxable"), shownBox(money(view.nonTaxable), "nonTaxable", this));
    shown->addRow(QStringLiteral("Taxable"), shownBox(money(view.taxable), "taxable", this));
    shown->addRow(QStringLiteral("Subtotal"), shownBox(money(view.subtotal), "subtotal", this));
    shown->addRow(QStringLiteral("Tax 1"), shownBox(money(view.taxOne), "taxOne", this));
    shown->addRow(QStringLiteral("Tax 2"), shownBox(money(view.taxTwo), "taxTwo", this));
    shown->addRow(QStringLiteral("Total"), shownBox(money(view.total), "total", this));
    columns->addLayout(shown);

    auto *choices = new QVBoxLayout;
    auto *stock = new QGroupBox(this);
    auto *stockRows = new QVBoxLayout(stock);
    backToStock_ = radio("Add items back to stock", "backToStock", stock);
    faulty_ = radio("Items faulty, do not add back to stock", "faulty", stock);
    backToStock_->setChecked(true);
    stockRows->addWidget(backToStock_);
    stockRows->addWidget(faulty_);
    choices->addWidget(stock);

    auto *form = new QGroupBox(this);
    auto *formRows = new QVBoxLayout(form);
    cash_ = radio("Cash refund", "cash", form);
    cheque_ = radio("CH refund", "cheque", form);
    eft_ = radio("EFT refund", "eft", form);
    credit_ = radio("Credit refund", "credit", form);
    cash_->setChecked(true);
    for (QRadioButton *button : { cash_, cheque_, eft_, credit_ })
        formRows->addWidget(button);
    choices->addWidget(form);

    receipt_ = new QCheckBox(QStringLiteral("Print refund receipt"), this);
    receipt_->setObjectName(QStringLiteral("receipt"));
    choices->addWidget(receipt_);
    choices->addStretch();
    columns->addLayout(choices);
    layout->addLayout(columns);

    const OkCancel buttons = addOkCancelRow(layout, this);
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QRadioButton *RefundDialog::formButton(RefundForm form) const
{
    switch (form) {
    case RefundForm::Cash:
        return cash_;
    case RefundForm::Cheque:
        return cheque_;
    case RefundForm::Eft:
        return eft_;
    case RefundForm::Credit:
        return credit_;
    }
    return cash_;
}

RefundChoice RefundDialog::choice() const
{
    RefundChoice choice;
    choice.itemsFaulty = faulty_->isChecked();
    for (RefundForm form :
        { RefundForm::Cash, RefundForm::Cheque, RefundForm::Eft, RefundForm::Credit }) {
        if (formButton(form)->isChecked())
            choice.form = form;
    }
    choice.printReceipt = receipt_->isChecked();
    return choice;
}

std::optional<RefundChoice> askRefund(QWidget *parent, const RefundView &view)
{
    RefundDialog dialog(view, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

} // namespace ovix
