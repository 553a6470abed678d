#include "accounts/widgets/account_payment_dialog.h"

#include "platform/c_format.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cinttypes>

namespace ovix {

namespace {

// A box's frame and the margins beside its text.
constexpr int kBoxPadding = 10;
// The amount box holds up to 19 characters, of which the payment reads all.
constexpr int kPayLength = 19;

QLineEdit *shownBox(const std::string &text, const char *name, QWidget *parent)
{
    auto *box = new QLineEdit(QString::fromStdString(text), parent);
    box->setReadOnly(true);
    box->setObjectName(QString::fromLatin1(name));
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(box->text()) + kBoxPadding);
    return box;
}

} // namespace

AccountPaymentDialog::AccountPaymentDialog(const AccountPaymentView &view, Pay pay,
    QWidget *parent)
    : QDialog(parent), payment_(std::move(pay))
{
    setWindowTitle(QStringLiteral("Payment"));
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Number"),
        shownBox(cformat("%" PRId64, view.number), "number", this));
    form->addRow(QStringLiteral("Customer"), shownBox(view.name, "name", this));
    form->addRow(
        QStringLiteral("Last purchase"), shownBox(view.lastPurchase, "lastPurchase", this));
    form->addRow(QStringLiteral("Last payment"), shownBox(view.lastPayment, "lastPayment", this));
    form->addRow(QStringLiteral("Terms"), shownBox(view.terms, "terms", this));
    form->addRow(QStringLiteral("Balance"), shownBox(view.balance, "balance", this));

    transactions_ = new QComboBox(this);
    transactions_->setObjectName(QStringLiteral("transactions"));
    for (const std::string &line : view.transactions)
        transactions_->addItem(QString::fromStdString(line));
    transactions_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto *transactionsRow = new QHBoxLayout;
    transactionsRow->addWidget(transactions_, 1);
    auto *count = new QLabel(QString::number(view.transactions.size()), this);
    count->setObjectName(QStringLiteral("transactionCount"));
    transactionsRow->addWidget(count);
    form->addRow(QStringLiteral("Transactions"), transactionsRow);
    layout->addLayout(form);

    auto *methods = new QHBoxLayout;
    auto *group = new QButtonGroup(this);
    cash_ = new QRadioButton(QStringLiteral("Cash"), this);
    cheque_ = new QRadioButton(QStringLiteral("CH"), this);
    eft_ = new QRadioButton(QStringLiteral("EFT"), this);
    for (QRadioButton *button : { cash_, cheque_, eft_ }) {
        group->addButton(button);
        methods->addWidget(button);
    }
    cash_->setChecked(true);
    methods->addStretch(1);
    layout->addLayout(methods);

    auto *payRow = new QFormLayout;
    pay_ = new QLineEdit(this);
    pay_->setObjectName(QStringLiteral("pay"));
    pay_->setMaxLength(kPayLength);
    payRow->addRow(QStringLiteral("Pay"), pay_);
    layout->addLayout(payRow);
    auto *note = new QLabel(QStringLiteral("The period character . is used when entering the amount"), this);
    note->setWordWrap(true);
    layout->addWidget(note);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &AccountPaymentDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    pay_->setFocus();
}

QRadioButton *AccountPaymentDialog::methodButton(AccountPaymentMethod method) const
{
    switch (method) {
    case AccountPaymentMethod::Cheque:
        return cheque_;
    case AccountPaymentMethod::Eft:
        return eft_;
    case AccountPaymentMethod::Cash:
        break;
    }
    return cash_;
}

AccountPaymentMethod AccountPaymentDialog::method() const
{
    if (cheque_->isChecked())
        return AccountPaymentMethod::Cheque;
    if (eft_->isChecked())
        return AccountPaymentMethod::Eft;
    return AccountPaymentMethod::Cash;
}

void AccountPaymentDialog::accept()
{
    result_ = payment_ ? payment_(pay_->text().toStdString(), method())
                       : AccountPaymentResult::Cancelled;
    if (result_ == AccountPaymentResult::Refused) {
        pay_->selectAll();
        pay_->setFocus();
        return;
    }
    if (result_ == AccountPaymentResult::Paid)
        QDialog::accept();
    else
        QDialog::reject();
}

InvoiceListDialog::InvoiceListDialog(const std::vector<std::string> &lines, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Invoice list"));
    auto *layout = new QVBoxLayout(this);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("invoices"));
    for (const std::string &line : lines)
        list_->addItem(QString::fromStdString(line));
    if (list_->count() > 0)
        list_->setCurrentRow(list_->count() - 1);
    layout->addWidget(list_);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    layout->addWidget(buttons);
}

std::optional<int32_t> InvoiceListDialog::chosenNumber() const
{
    const QListWidgetItem *item = list_->currentItem();
    if (!item)
        return std::nullopt;
    return transactionNumberOfLine(item->text().toStdString());
}

} // namespace ovix
