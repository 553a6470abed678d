#include "sales/widgets/cash_box.h"

#include "platform/c_format.h"
#include "sales/logic/cents_entry.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace ovix {

namespace {

void setBackground(QLineEdit *box, QRgb colour)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, QColor(colour));
    box->setPalette(palette);
}

QString money(double amount)
{
    return QString::fromStdString(cformat("%.2f", amount));
}

} // namespace

CashBox::CashBox(double due, const QuickAmounts &quick, Actions actions, QWidget *parent)
    : QDialog(parent), due_(due), actions_(std::move(actions))
{
    setWindowTitle(QStringLiteral("Cash"));
    setModal(false);
    auto *layout = new QVBoxLayout(this);
    auto *form = new QGridLayout;
    form->addWidget(new QLabel(QStringLiteral("Total"), this), 0, 0);
    auto *total = new QLabel(money(due), this);
    total->setObjectName(QStringLiteral("total"));
    form->addWidget(total, 0, 1);
    form->addWidget(new QLabel(QStringLiteral("Tendered"), this), 1, 0);
    tendered_ = new QLineEdit(this);
    tendered_->setObjectName(QStringLiteral("tendered"));
    tendered_->setMaxLength(static_cast<int>(kAmountEntryWidth));
    tendered_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*")), tendered_));
    QFont big = font();
    big.setPointSizeF(big.pointSizeF() > 0 ? big.pointSizeF() * 2 : 18);
    big.setStretch(200);
    tendered_->setFont(big);
    form->addWidget(tendered_, 1, 1);
    form->addWidget(new QLabel(QStringLiteral("Change"), this), 2, 0);
    change_ = new QLineEdit(this);
    change_->setObjectName(QStringLiteral("change"));
    change_->setReadOnly(true);
    change_->setFocusPolicy(Qt::NoFocus);
    form->addWidget(change_, 2, 1);
    layout->addLayout(form);
    layout->addWidget(new QLabel(QStringLiteral("Enter the amount in cents / pence"), this));
    layout->addWidget(
        new QLabel(QStringLiteral("Enter the amount without the . character"), this));

    auto *quickRow = new QHBoxLayout;
    const double amounts[3] = { quick.five, quick.ten, quick.fifty };
    for (int i = 0; i < 3; ++i) {
        quick_[i] = new QPushButton(money(amounts[i]), this);
        quick_[i]->setObjectName(QStringLiteral("quick%1").arg(i + 1));
        quick_[i]->setAutoDefault(false);
        const double amount = amounts[i];
        connect(quick_[i], &QPushButton::clicked, this,
            [this, amount] { actions_.quick(amount); });
        quickRow->addWidget(quick_[i]);
    }
    layout->addLayout(quickRow);

    auto *buttons = new QHBoxLayout;
    auto *exact = new QPushButton(QStringLiteral("Exact amount"), this);
    exact->setObjectName(QStringLiteral("exact"));
    exact->setAutoDefault(false);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    cancel->setAutoDefault(false);
    buttons->addWidget(exact);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    connect(exact, &QPushButton::clicked, this, [this] { actions_.exact(); });
    connect(ok, &QPushButton::clicked, this, [this] { actions_.ok(tendered_->text()); });
    connect(cancel, &QPushButton::clicked, this, [this] { reject(); });
    connect(tendered_, &QLineEdit::textChanged, this, [this] { tenderedChanged(); });
    tenderedChanged();
}

void CashBox::placeOver(const QWidget *window)
{
    adjustSize();
    if (!window)
        return;
    const QRect frame = window->frameGeometry();
    move(frame.x() + (frame.width() - width()) / 2, frame.bottom() - height() - 10);
}

void CashBox::reject()
{
    if (actions_.cancel)
        actions_.cancel();
}

void CashBox::tenderedChanged()
{
    const ChangeDisplay shown = changeDisplay(due_, tendered_->text().toStdString());
    change_->setText(QString::fromStdString(shown.text));
    setBackground(change_, shown.enough ? kChangeReachedColour : kChangeShortColour);
}

} // namespace ovix
