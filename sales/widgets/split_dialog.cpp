#include "sales/widgets/split_dialog.h"

#include "platform/c_format.h"
#include "sales/logic/cents_entry.h"
#include "sales/widgets/dialog_buttons.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace ovix {

SplitDialog::SplitDialog(double total, Actions actions, QWidget *parent)
    : QDialog(parent), actions_(std::move(actions))
{
    setWindowTitle(QStringLiteral("Split payment"));
    setModal(false);
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    auto *totalLabel = new QLabel(QString::fromStdString(cformat("%.2f", total)), this);
    totalLabel->setObjectName(QStringLiteral("total"));
    form->addRow(QStringLiteral("Total"), totalLabel);
    cash_ = new QLineEdit(this);
    cash_->setObjectName(QStringLiteral("cash"));
    cash_->setMaxLength(static_cast<int>(kAmountEntryWidth));
    cash_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*")), cash_));
    form->addRow(QStringLiteral("Cash"), cash_);
    remainder_ = new QLineEdit(this);
    remainder_->setObjectName(QStringLiteral("remainder"));
    remainder_->setReadOnly(true);
    remainder_->setFocusPolicy(Qt::NoFocus);
    form->addRow(QStringLiteral("Remainder"), remainder_);
    layout->addLayout(form);
    layout->addWidget(new QLabel(QStringLiteral("Enter the amount in cents / pence"), this));

    auto *other = new QGroupBox(QStringLiteral("Other"), this);
    auto *otherRow = new QHBoxLayout(other);
    cheque_ = new QRadioButton(QStringLiteral("CH"), other);
    eft_ = new QRadioButton(QStringLiteral("EFT"), other);
    eft_->setChecked(true);
    otherRow->addWidget(cheque_);
    otherRow->addWidget(eft_);
    layout->addWidget(other);

    const auto [ok, cancel] = addOkCancelRow(layout, this);

    connect(cash_, &QLineEdit::textChanged, this, [this](const QString &text) {
        remainder_->setText(QString::fromStdString(actions_.remainder(text)));
    });
    connect(ok, &QPushButton::clicked, this,
        [this] { actions_.ok(cash_->text(), cheque_->isChecked()); });
    connect(cancel, &QPushButton::clicked, this, [this] { reject(); });
    remainder_->setText(QString::fromStdString(actions_.remainder(QString())));
}

void SplitDialog::reject()
{
    if (actions_.cancel)
        actions_.cancel();
}

} // namespace ovix
