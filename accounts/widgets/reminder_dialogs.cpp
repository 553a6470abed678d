#include "accounts/widgets/reminder_dialogs.h"

#include "platform/cp1252.h"
#include "sales/widgets/dialog_buttons.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace ovix {

namespace {

QString shown(const std::string &cp1252)
{
    return QString::fromStdString(toUtf8(cp1252));
}

// A text box with a "Find" button beside it.
QHBoxLayout *boxWithFind(QLineEdit *box, QPushButton *find)
{
    auto *row = new QHBoxLayout;
    row->addWidget(box, 1);
    row->addWidget(find);
    return row;
}

} // namespace

ReminderListDialog::ReminderListDialog(const QString &title,
    const std::vector<std::string> &lines, std::function<void()> print, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(title);
    auto *layout = new QVBoxLayout(this);
    list_ = new QListWidget(this);
    for (const std::string &line : lines)
        list_->addItem(shown(line));
    if (!lines.empty())
        list_->setCurrentRow(0);
    layout->addWidget(list_);
    if (print) {
        auto *buttons = new QHBoxLayout;
        buttons->addStretch();
        QPushButton *printButton = namedButton(QStringLiteral("Print"), QStringLiteral("print"), this);
        QPushButton *ok = namedButton(QStringLiteral("OK"), QStringLiteral("ok"), this);
        buttons->addWidget(printButton);
        buttons->addWidget(ok);
        layout->addLayout(buttons);
        connect(printButton, &QPushButton::clicked, this, [this, print = std::move(print)] {
            print();
            list_->setFocus();
        });
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
        ok->setDefault(true);
    } else {
        const OkCancel buttons = addOkCancelRow(layout, this);
        connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
        connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::reject);
        connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    }
}

int ReminderListDialog::chosen() const
{
    return list_->currentRow();
}

std::optional<int> chooseFromList(
    QWidget *parent, const QString &title, const std::vector<std::string> &lines)
{
    ReminderListDialog dialog(title, lines, {}, parent);
    if (dialog.exec() != QDialog::Accepted || dialog.chosen() < 0)
        return std::nullopt;
    return dialog.chosen();
}

AddReminderDialog::AddReminderDialog(const std::string &dayText,
    const std::vector<ReminderEntry> &entries, Actions actions, QWidget *parent)
    : QDialog(parent), actions_(std::move(actions))
{
    setWindowTitle(QStringLiteral("Add reminder"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(shown(dayText), this));
    auto *form = new QFormLayout;
    byItem_ = new QComboBox(this);
    byItem_->setObjectName(QStringLiteral("byItem"));
    byCustomer_ = new QComboBox(this);
    byCustomer_->setObjectName(QStringLiteral("byCustomer"));
    // The lists open as wide as their lines; closed they keep to the dialog.
    for (QComboBox *list : { byItem_, byCustomer_ }) {
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        list->setMinimumContentsLength(36);
    }
    for (const ReminderEntry &entry : entries)
        addShown(entry);
    form->addRow(QStringLiteral("Items held"), byItem_);
    form->addRow(QStringLiteral("Customers"), byCustomer_);
    customer_ = new QLineEdit(this);
    customer_->setObjectName(QStringLiteral("customer"));
    customer_->setMaxLength(30);
    item_ = new QLineEdit(this);
    item_->setObjectName(QStringLiteral("item"));
    item_->setMaxLength(30);
    QPushButton *findCustomer
        = namedButton(QStringLiteral("Find"), QStringLiteral("findCustomer"), this);
    QPushButton *findItem = namedButton(QStringLiteral("Find"), QStringLiteral("findItem"), this);
    form->addRow(QStringLiteral("Customer"), boxWithFind(customer_, findCustomer));
    form->addRow(QStringLiteral("Item"), boxWithFind(item_, findItem));
    layout->addLayout(form);
    auto *note = new QLabel(
        QStringLiteral("The customer and item entries can be any text you wish to 30 characters"),
        this);
    note->setWordWrap(true);
    layout->addWidget(note);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton *next = namedButton(QStringLiteral("Next"), QStringLiteral("next"), this);
    QPushButton *finish
        = namedButton(QStringLiteral("Add and finish"), QStringLiteral("finish"), this);
    QPushButton *cancel = namedButton(QStringLiteral("Cancel"), QStringLiteral("cancel"), this);
    for (QPushButton *button : { next, finish, cancel })
        buttons->addWidget(button);
    layout->addLayout(buttons);

    findCustomer->setEnabled(static_cast<bool>(actions_.findCustomer));
    findItem->setEnabled(static_cast<bool>(actions_.findItem));
    connect(findCustomer, &QPushButton::clicked, this, [this] {
        if (std::optional<std::string> text = actions_.findCustomer())
            customer_->setText(QString::fromStdString(*text));
    });
    connect(findItem, &QPushButton::clicked, this, [this] {
        if (std::optional<std::string> text = actions_.findItem())
            item_->setText(QString::fromStdString(*text));
    });
    connect(next, &QPushButton::clicked, this, [this] {
        if (storeEntry()) {
            customer_->clear();
            item_->clear();
            customer_->setFocus();
        }
    });
    connect(finish, &QPushButton::clicked, this, [this] {
        if (storeEntry())
            accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool AddReminderDialog::storeEntry()
{
    const std::string customer = customer_->text().toStdString();
    const std::string item = item_->text().toStdString();
    if (!actions_.store || !actions_.store(customer, item))
        return false;
    addShown({ toUpperCp1252(fromUtf8(customer)), toUpperCp1252(fromUtf8(item)) });
    return true;
}

void AddReminderDialog::addShown(const ReminderEntry &entry)
{
    byItem_->addItem(shown(entry.item + " (by: " + entry.customer + ")"));
    byCustomer_->addItem(shown(entry.customer + " (item: " + entry.item + ")"));
}

} // namespace ovix
