#include "accounts/widgets/customer_step_dialog.h"

#include "accounts/logic/customer_view.h"
#include "platform/cp1252.h"
#include "platform/widgets/window_size.h"
#include "sales/widgets/dialog_buttons.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ovix {

CustomerStepDialog::CustomerStepDialog(
    const CustomerRecord &customer, const TillConfig &config, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("FIND CUSTOMER"));
    const CustomerForm shown = customerView(customer, config).fields;
    const struct {
        const char *name;
        const char *label;
        const std::string &text;
    } rows[] = {
        { "number", "Number", shown.number },
        { "name", "Name", shown.name },
        { "road", "Road", shown.road },
        { "area", "Area", shown.area },
        { "town", "Town", shown.town },
        { "postcode", "Zip / Post", shown.postcode },
        { "telephone", "Telephone", shown.telephone },
        { "comment", "Comment", shown.comment },
        { "creditCard", "Credit card", shown.creditCard },
        { "taxable", "Taxable", shown.taxable },
        { "group", "Group", shown.group },
        { "transactions", "Transactions", shown.transactions },
        { "creditLimit", "Credit limit", shown.creditLimit },
        { "totalPurchases", "Total purchases", shown.totalPurchases },
        { "balance", "Balance", shown.balance },
        { "notes", "Notes", shown.notes },
    };
    auto *form = new QFormLayout;
    for (const auto &row : rows) {
        auto *value = new QLabel(toQString(row.text), this);
        value->setObjectName(QString::fromLatin1(row.name));
        value->setTextFormat(Qt::PlainText);
        value->setWordWrap(true);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        value->setFrameShape(QFrame::StyledPanel);
        value->setMinimumWidth(300);
        form->addRow(QString::fromLatin1(row.label), value);
    }
    auto button = [this](const char *name, const QString &caption, CustomerStepChoice choice) {
        QPushButton *push = namedButton(caption, QString::fromLatin1(name), this);
        connect(push, &QPushButton::clicked, this, [this, choice] { finish(choice); });
        return push;
    };
    QPushButton *next = button("next", QStringLiteral("Next"), CustomerStepChoice::Next);
    QPushButton *cancel = button("cancel", QStringLiteral("Cancel"), CustomerStepChoice::Cancel);
    QPushButton *ok = button("ok", QStringLiteral("OK"), CustomerStepChoice::Ok);
    next->setDefault(true);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(next);
    bottom->addWidget(cancel);
    bottom->addWidget(ok);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(bottom);
    openAtPreferredSize(this);
}

void CustomerStepDialog::finish(CustomerStepChoice choice)
{
    choice_ = choice;
    if (choice == CustomerStepChoice::Cancel)
        reject();
    else
        accept();
}

} // namespace ovix
