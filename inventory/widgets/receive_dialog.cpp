#include "inventory/widgets/receive_dialog.h"

#include "inventory/logic/item_form.h"
#include "platform/cp1252.h"
#include "sales/widgets/dialog_buttons.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ovix {

namespace {

QComboBox *numberList(QWidget *parent, const char *name, const QStringList &entries, int current)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->addItems(entries);
    list->setCurrentIndex(current >= 0 && current < entries.size() ? current : 0);
    return list;
}

QStringList countingFrom(int first, int last, bool withNone)
{
    QStringList entries;
    if (withNone)
        entries << QStringLiteral("0");
    for (int value = first; value <= last; ++value)
        entries << QString::number(value);
    return entries;
}

QLineEdit *shownValue(QWidget *parent, const QString &text, const char *name)
{
    auto *box = new QLineEdit(text, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    // Nothing can be scrolled in a box the clerk cannot type into: room for it all.
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(text) + 16);
    return box;
}

} // namespace

ReceiveDialog::ReceiveDialog(const ReceiptView &view, QWidget *parent)
    : QDialog(parent)
    , held_(view.held)
{
    setWindowTitle(QStringLiteral("Receive Inventory"));
    auto *layout = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Line number:"), this), 0, 0);
    grid->addWidget(shownValue(this, QString::number(view.number), "lineNumber"), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Description"), this), 1, 0);
    grid->addWidget(shownValue(this, toQString(view.description), "description"), 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Held"), this), 2, 0);
    grid->addWidget(shownValue(this, QString::number(view.held), "held"), 2, 1);
    quantity_ = new QLineEdit(this);
    quantity_->setObjectName(QStringLiteral("quantityReceived"));
    quantity_->setMaxLength(static_cast<int>(kReceivedQuantityWidth));
    grid->addWidget(new QLabel(QStringLiteral("Quantity received"), this), 3, 0);
    grid->addWidget(quantity_, 3, 1);
    // Room for the largest total the boxes can make.
    updatedTotal_ = shownValue(this, QStringLiteral("-9999999999"), "updatedTotal");
    updatedTotal_->setText(QString::number(view.held));
    grid->addWidget(new QLabel(QStringLiteral("Updated total"), this), 4, 0);
    grid->addWidget(updatedTotal_, 4, 1);
    layout->addLayout(grid);

    auto *sellBy = new QHBoxLayout;
    sellBy->addWidget(new QLabel(QStringLiteral("Sell by (D M Y)"), this));
    day_ = numberList(this, "sellByDay", countingFrom(1, 31, true), view.form.sellByDay);
    month_ = numberList(this, "sellByMonth", countingFrom(1, 12, true), view.form.sellByMonth);
    year_ = numberList(this, "sellByYear", countingFrom(kFirstSellByYear, kLastSellByYear, true),
        view.form.sellByYear);
    sellBy->addWidget(day_);
    sellBy->addWidget(month_);
    sellBy->addWidget(year_);
    layout->addLayout(sellBy);
    auto *note
        = new QLabel(QStringLiteral("The Sell by date is not required and may be left at 0"), this);
    note->setWordWrap(true);
    layout->addWidget(note);

    auto *buttons = new QHBoxLayout;
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    QPushButton *next = namedButton(QStringLiteral("Next"), QStringLiteral("next"), this);
    QPushButton *cancel = namedButton(QStringLiteral("Cancel"), QStringLiteral("cancel"), this);
    buttons->addWidget(ok);
    buttons->addWidget(next);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    connect(quantity_, &QLineEdit::textChanged, this, [this](const QString &typed) {
        updatedTotal_->setText(toQString(updatedTotalText(held_, fromQString(typed))));
    });
    connect(ok, &QPushButton::clicked, this, [this] {
        choice_ = ReceiveChoice::Ok;
        accept();
    });
    connect(next, &QPushButton::clicked, this, [this] {
        choice_ = ReceiveChoice::Next;
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    quantity_->setFocus();
}

ReceiptForm ReceiveDialog::form() const
{
    return { fromQString(quantity_->text()), day_->currentIndex(), month_->currentIndex(),
        year_->currentIndex() };
}

} // namespace ovix
