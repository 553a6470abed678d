#include "reports/widgets/stock_list_dialog.h"

#include "platform/cp1252.h"
#include "sales/widgets/dialog_buttons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace ovix {

StockListDialog::StockListDialog(
    const StockList &list, std::function<void()> print, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(toQString(list.title));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Please select:"), this));
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("lines"));
    // Long lists are laid out once, not line by line.
    list_->setUniformItemSizes(true);
    QStringList rows;
    rows.reserve(static_cast<qsizetype>(list.lines.size()) + 1);
    if (list.headingRow)
        rows.append(toQString(*list.headingRow));
    for (const std::string &line : list.lines)
        rows.append(toQString(line));
    list_->addItems(rows);
    layout->addWidget(list_);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton *printButton = namedButton(QStringLiteral("Print"), QStringLiteral("print"), this);
    QPushButton *ok = namedButton(QStringLiteral("OK"), QStringLiteral("ok"), this);
    ok->setDefault(true);
    buttons->addWidget(printButton);
    buttons->addWidget(ok);
    layout->addLayout(buttons);
    connect(printButton, &QPushButton::clicked, this, [this, print = std::move(print)] {
        if (print)
            print();
        list_->setFocus();
    });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    resize(560, 380);
}

} // namespace ovix
