#include "sales/widgets/line_adjustment_dialog.h"

#include "platform/c_format.h"
#include "platform/cp1252.h"
#include "sales/logic/cents_entry.h"
#include "sales/widgets/dialog_buttons.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <cinttypes>

namespace ovix {

namespace {

QString money(int64_t cents)
{
    return QString::fromStdString(centsText(cents));
}

QLineEdit *readOnlyBox(const QString &name, QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    box->setAlignment(Qt::AlignRight);
    return box;
}

QLineEdit *digitBox(const QString &name, int width, QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setMaxLength(width);
    box->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*")), box));
    return box;
}

} // namespace

LineAdjustmentDialog::LineAdjustmentDialog(TillWindow &window, LineAdjustment adjustment,
    bool costShown, ItemEntry &entry, BasketView &view)
    : TenderSideDialog(window)
    , adjustment_(std::move(adjustment))
    , entry_(entry)
    , view_(view)
{
    const bool weighing = adjustment_.kind() == LineAdjustment::Kind::Weight;
    const LastLineItem &item = adjustment_.item();
    setWindowTitle(
        weighing ? QStringLiteral("Adjust by weight") : QStringLiteral("Adjust item price"));
    auto *layout = new QVBoxLayout(this);

    auto *itemForm = new QFormLayout;
    auto *number = new QLabel(QString::fromStdString(cformat("%" PRId64, item.number)), this);
    number->setObjectName(QStringLiteral("number"));
    itemForm->addRow(QStringLiteral("Item"), number);
    auto *description = new QLabel(toQString(item.description), this);
    description->setObjectName(QStringLiteral("description"));
    itemForm->addRow(QStringLiteral("Description"), description);
    cost_ = new QLabel(costShown ? money(moneyCents(item.cost)) : QString(), this);
    cost_->setObjectName(QStringLiteral("cost"));
    itemForm->addRow(QStringLiteral("Cost price"), cost_);
    auto *retail = new QLabel(money(moneyCents(item.retail)), this);
    retail->setObjectName(QStringLiteral("listPrice"));
    itemForm->addRow(QStringLiteral("List price"), retail);
    layout->addLayout(itemForm);

    auto *boxes = new QGridLayout;
    const char *const captions[5] = { "Non taxable", "Taxable", "Tax 1", "Tax 2", "Total" };
    const char *const names[5] = { "nonTaxable", "taxable", "taxOne", "taxTwo", "total" };
    for (int i = 0; i < 5; ++i) {
        boxes->addWidget(new QLabel(QString::fromLatin1(captions[i]), this), 0, i);
        lineBoxes_[i] = readOnlyBox(QString::fromLatin1(names[i]), this);
        boxes->addWidget(lineBoxes_[i], 1, i);
    }
    layout->addLayout(boxes);

    auto *entryForm = new QFormLayout;
    if (weighing) {
        weightList_ = new QComboBox(this);
        weightList_->setObjectName(QStringLiteral("weightList"));
        for (int weight = 1; weight <= kWeightListLength; ++weight)
            weightList_->addItem(QString::number(weight));
        weightList_->setCurrentIndex(kWeightPreselected - 1);
        amount_ = digitBox(QStringLiteral("weight"), kWeightWidth, this);
        auto *weightRow = new QHBoxLayout;
        weightRow->addWidget(amount_);
        weightRow->addWidget(weightList_);
        entryForm->addRow(QStringLiteral("Weight"), weightRow);
        priceBeforeTax_ = readOnlyBox(QStringLiteral("priceBeforeTax"), this);
        entryForm->addRow(QStringLiteral("Price before tax"), priceBeforeTax_);
        layout->addLayout(entryForm);
        connect(weightList_, &QComboBox::currentTextChanged, this,
            [this](const QString &weight) { amount_->setText(weight); });
    } else {
        amount_ = digitBox(QStringLiteral("amount"), static_cast<int>(kAmountEntryWidth), this);
        auto *amountRow = new QHBoxLayout;
        amountRow->addWidget(amount_);
        QPushButton *zero = namedButton(QStringLiteral("Zero"), QStringLiteral("zero"), this);
        amountRow->addWidget(zero);
        entryForm->addRow(QStringLiteral("Price"), amountRow);
        layout->addLayout(entryForm);
        layout->addWidget(new QLabel(QStringLiteral("Enter the amount in cents / pence"), this));
        layout->addWidget(
            new QLabel(QStringLiteral("Enter the amount without the . character"), this));
        connect(zero, &QPushButton::clicked, this, [this] {
            adjustment_.zero();
            const QSignalBlocker blocker(amount_);
            amount_->setText(QStringLiteral("0"));
            showBoxes();
            amount_->setFocus();
        });
    }

    const auto [ok, cancel] = addOkCancelRow(layout, this);

    connect(ok, &QPushButton::clicked, this, [this] { accept(); });
    connect(cancel, &QPushButton::clicked, this, [this] { reject(); });
    connect(amount_, &QLineEdit::textChanged, this, [this] { amountChanged(); });
    showBoxes();
}

void LineAdjustmentDialog::amountChanged()
{
    const std::string typed = amount_->text().toStdString();
    if (priceBeforeTax_) {
        priceBeforeTax_->setText(QString::fromStdString(adjustment_.weightChanged(typed)));
    } else if (!adjustment_.amountChanged(typed)) {
        const QSignalBlocker blocker(amount_);
        amount_->clear();
    }
    showBoxes();
}

void LineAdjustmentDialog::showBoxes()
{
    const LineCents &shown = adjustment_.boxes();
    const int64_t values[5]
        = { shown.nonTaxable, shown.taxable, shown.taxOne, shown.taxTwo, shown.total };
    for (int i = 0; i < 5; ++i)
        lineBoxes_[i]->setText(money(values[i]));
}

void LineAdjustmentDialog::accept()
{
    if (adjustment_.ok(entry_, view_))
        finish();
    else
        amount_->setFocus();
}

} // namespace ovix
