#include "sales/widgets/transaction_list_dialog.h"

#include "platform/cp1252.h"
#include "sales/widgets/dialog_buttons.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace ovix {

TransactionListDialog::TransactionListDialog(const TransactionList &list, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(
        list.invoiceList ? QStringLiteral("Invoice list") : QStringLiteral("Transaction list"));
    auto *layout = new QVBoxLayout(this);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("transactions"));
    list_->setUniformItemSizes(true);
    for (const std::string &line : list.lines)
        list_->addItem(QString::fromStdString(toUtf8(line)));
    if (list_->count() > 0)
        list_->setCurrentRow(list.invoiceList ? list_->count() - 1 : 0);
    layout->addWidget(list_);
    const OkCancel buttons = addOkCancelRow(layout, this);
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

std::optional<int64_t> TransactionListDialog::chosenNumber() const
{
    const QListWidgetItem *item = list_->currentItem();
    if (!item)
        return std::nullopt;
    return transactionNumberOfListLine(item->text().toStdString());
}

} // namespace ovix
