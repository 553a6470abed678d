#include "inventory/widgets/item_list_dialog.h"

#include "platform/cp1252.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace ovix {

ItemListDialog::ItemListDialog(
    const QString &title, const std::vector<std::string> &lines, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(title);
    auto *layout = new QVBoxLayout(this);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("items"));
    // Large lists are laid out once, not line by line.
    list_->setUniformItemSizes(true);
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string &line : lines)
        texts.append(toQString(line));
    list_->addItems(texts);
    if (!lines.empty())
        list_->setCurrentRow(0);
    layout->addWidget(list_);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ok"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    resize(460, 320);
}

std::optional<size_t> ItemListDialog::chosenRow() const
{
    const int row = list_->currentRow();
    if (row < 0)
        return std::nullopt;
    return static_cast<size_t>(row);
}

} // namespace ovix
