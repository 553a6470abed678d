#include "sales/widgets/non_inventory_dialog.h"

#include "platform/c_format.h"
#include "platform/cp1252.h"
#include "store/till_config.h"
#include "sales/logic/item_entry.h"
#include "sales/widgets/dialog_buttons.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace ovix {

namespace {

constexpr int kDescriptionWidth = 39;
// Long enough for 99999.99 and a little more; the limit is checked on "Add".
constexpr int kPriceWidth = 12;

QLineEdit *readOnlyField(const QString &name, QWidget *parent)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    field->setAlignment(Qt::AlignRight);
    return field;
}

} // namespace

NonInventoryDialog::NonInventoryDialog(
    const ItemEntry &entry, const TillConfig &config, QWidget *parent)
    : QDialog(parent)
    , entry_(entry)
{
    setWindowTitle(QStringLiteral("Non inventory sale"));
    auto *layout = new QVBoxLayout(this);

    auto *descriptionGroup = new QGroupBox(QStringLiteral("Description"), this);
    auto *descriptionLayout = new QVBoxLayout(descriptionGroup);
    description_ = new QLineEdit(descriptionGroup);
    description_->setObjectName(QStringLiteral("description"));
    description_->setMaxLength(kDescriptionWidth);
    descriptionLayout->addWidget(description_);
    auto *fillRow = new QHBoxLayout;
    for (const char *caption : { "Misc", "Lottery", "Accessories", "Loose items" }) {
        const QString text = QString::fromLatin1(caption);
        QPushButton *button = namedButton(text, text, descriptionGroup);
        connect(button, &QPushButton::clicked, this, [this, text] {
            description_->setText(text);
            description_->setFocus();
        });
        fillRow->addWidget(button);
    }
    descriptionLayout->addLayout(fillRow);
    auto *letters = new QGridLayout;
    int position = 0;
    for (char letter = 'A'; letter <= 'Z'; ++letter, ++position) {
        const QString text(QLatin1Char { letter });
        QPushButton *button = namedButton(text, QStringLiteral("letter") + text, descriptionGroup);
        button->setFixedWidth(32);
        connect(button, &QPushButton::clicked, this, [this, text] { appendToDescription(text); });
        letters->addWidget(button, position / 13, position % 13);
    }
    QPushButton *space
        = namedButton(QStringLiteral("SPACE"), QStringLiteral("SPACE"), descriptionGroup);
    connect(
        space, &QPushButton::clicked, this, [this] { appendToDescription(QStringLiteral(" ")); });
    letters->addWidget(space, 2, 0, 1, 6);
    QPushButton *erase
        = namedButton(QStringLiteral("DELETE"), QStringLiteral("DELETE"), descriptionGroup);
    connect(erase, &QPushButton::clicked, this, [this] {
        description_->end(false);
        description_->backspace();
    });
    letters->addWidget(erase, 2, 7, 1, 6);
    descriptionLayout->addLayout(letters);
    layout->addWidget(descriptionGroup);

    auto *priceGroup = new QGroupBox(QStringLiteral("Price"), this);
    auto *priceLayout = new QVBoxLayout(priceGroup);
    priceLayout->addWidget(
        new QLabel(QStringLiteral("The price is entered with the decimal point."), priceGroup));
    price_ = new QLineEdit(priceGroup);
    price_->setObjectName(QStringLiteral("price"));
    price_->setMaxLength(kPriceWidth);
    price_->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]*\\.?[0-9]{0,2}")), price_));
    priceLayout->addWidget(price_);
    auto *quick = new QHBoxLayout;
    for (const char *amount : { "1.00", "2.00", "3.00", "4.00", "5.00", "10.00", "20.00" }) {
        const QString text = QString::fromLatin1(amount);
        QPushButton *button = namedButton(text, QStringLiteral("quick") + text, priceGroup);
        connect(button, &QPushButton::clicked, this, [this, text] { price_->setText(text); });
        quick->addWidget(button);
    }
    priceLayout->addLayout(quick);
    auto *digits = new QHBoxLayout;
    for (const char *digit : { "1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "." }) {
        const QString text = QString::fromLatin1(digit);
        QPushButton *button = namedButton(text, QStringLiteral("digit") + text, priceGroup);
        button->setFixedWidth(32);
        connect(button, &QPushButton::clicked, this, [this, text] { appendToPrice(text); });
        digits->addWidget(button);
    }
    priceLayout->addLayout(digits);
    layout->addWidget(priceGroup);

    const bool taxable = config.get(cfg::nonInventoryTaxable) != 0;
    auto *taxRow = new QHBoxLayout;
    taxOne_ = new QCheckBox(QStringLiteral("Tax 1"), this);
    taxOne_->setObjectName(QStringLiteral("taxOne"));
    taxOne_->setChecked(taxable);
    taxTwo_ = new QCheckBox(QStringLiteral("Tax 2"), this);
    taxTwo_->setObjectName(QStringLiteral("taxTwo"));
    taxTwo_->setChecked(taxable);
    taxRow->addWidget(taxOne_);
    taxRow->addWidget(taxTwo_);
    taxRow->addWidget(new QLabel(
        QStringLiteral("The taxable non taxable default setting is from Utilities, Configuration"),
        this));
    layout->addLayout(taxRow);

    auto *amounts = new QGridLayout;
    nett_ = readOnlyField(QStringLiteral("nett"), this);
    taxOneAmount_ = readOnlyField(QStringLiteral("taxOneAmount"), this);
    taxTwoAmount_ = readOnlyField(QStringLiteral("taxTwoAmount"), this);
    total_ = readOnlyField(QStringLiteral("total"), this);
    int column = 0;
    for (auto [caption, field] :
        { std::pair { "Nett", nett_ }, std::pair { "Tax 1", taxOneAmount_ },
            std::pair { "Tax 2", taxTwoAmount_ }, std::pair { "Total", total_ } }) {
        amounts->addWidget(new QLabel(QString::fromLatin1(caption), this), 0, column);
        amounts->addWidget(field, 1, column);
        ++column;
    }
    layout->addLayout(amounts);

    auto *actions = new QHBoxLayout;
    actions->addStretch();
    QPushButton *add = namedButton(QStringLiteral("Add"), QStringLiteral("add"), this);
    add->setDefault(true);
    QPushButton *cancel = namedButton(QStringLiteral("Cancel"), QStringLiteral("cancel"), this);
    actions->addWidget(add);
    actions->addWidget(cancel);
    layout->addLayout(actions);
    connect(add, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    connect(price_, &QLineEdit::textChanged, this, [this] { updateAmounts(); });
    connect(taxOne_, &QCheckBox::toggled, this, [this] { updateAmounts(); });
    connect(taxTwo_, &QCheckBox::toggled, this, [this] { updateAmounts(); });
    updateAmounts();
    description_->setFocus();
}

void NonInventoryDialog::appendToDescription(const QString &text)
{
    description_->end(false);
    description_->insert(text);
    description_->setFocus();
}

void NonInventoryDialog::appendToPrice(const QString &text)
{
    price_->end(false);
    price_->insert(text); // the validator refuses what would not be a price
    price_->setFocus();
}

double NonInventoryDialog::typedPrice() const
{
    bool ok = false;
    const double price = price_->text().toDouble(&ok); // always the C locale
    return ok ? price : 0;
}

void NonInventoryDialog::updateAmounts()
{
    const LineAmounts amounts
        = entry_.nonInventoryAmounts(typedPrice(), taxOne_->isChecked(), taxTwo_->isChecked());
    auto show = [](QLineEdit *field, double value) {
        field->setText(QString::fromStdString(cformat("%.2f", value)));
    };
    show(nett_, static_cast<double>(amounts.nonTaxable) + amounts.taxable);
    show(taxOneAmount_, amounts.taxOne);
    show(taxTwoAmount_, amounts.taxTwo);
    show(total_, amounts.total);
}

NonInventorySale NonInventoryDialog::sale() const
{
    NonInventorySale sale;
    sale.description = fromQString(description_->text()).substr(0, kDescriptionWidth);
    sale.price = typedPrice();
    sale.taxOne = taxOne_->isChecked();
    sale.taxTwo = taxTwo_->isChecked();
    return sale;
}

std::optional<NonInventorySale> askNonInventorySale(
    QWidget *parent, const ItemEntry &entry, const TillConfig &config)
{
    NonInventoryDialog dialog(entry, config, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.sale();
}

} // namespace ovix
