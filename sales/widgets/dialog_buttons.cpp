#include "sales/widgets/dialog_buttons.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QString>

namespace ovix {

QPushButton *namedButton(const QString &caption, const QString &name, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

OkCancel addOkCancelRow(QBoxLayout *layout, QWidget *parent)
{
    auto *row = new QHBoxLayout;
    auto *ok = new QPushButton(QStringLiteral("OK"), parent);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    QPushButton *cancel = namedButton(QStringLiteral("Cancel"), QStringLiteral("cancel"), parent);
    row->addWidget(ok);
    row->addWidget(cancel);
    layout->addLayout(row);
    return { ok, cancel };
}

} // namespace ovix
