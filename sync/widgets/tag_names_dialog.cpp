#include "sync/widgets/tag_names_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ovix {

namespace {

const char *const kCaptions[kElementCount] = { "Item", "Number", "Description", "SKU 1", "SKU 2",
    "SKU 3", "SKU 4", "Cost price", "Trade price", "Retail price", "Quantity", "Reorder quantity",
    "Tax", "Display category", "Category", "Format", "Date added", "Last used", "Order code",
    "Minimum order", "Total sold", "Location", "Web site", "Notes" };

} // namespace

TagNamesDialog::TagNamesDialog(SyncConfig &config, QWidget *parent)
    : QDialog(parent)
    , config_(config)
{
    setWindowTitle(QStringLiteral("XML tag field output names"));
    auto *left = new QFormLayout;
    auto *right = new QFormLayout;
    for (int i = 0; i < kElementCount; ++i) {
        auto *box = new QLineEdit(this);
        box->setMaxLength(kElementNameDialogLength);
        box->setText(config.elementName(static_cast<Element>(i)).left(kElementNameDialogLength));
        boxes_[i] = box;
        (i < kElementCount / 2 ? left : right)->addRow(QString::fromLatin1(kCaptions[i]), box);
    }
    auto *columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    defaults_ = buttons->addButton(QStringLiteral("Defaults"), QDialogButtonBox::ResetRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(defaults_, &QPushButton::clicked, this, [this] { restoreDefaults(); });
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);
}

void TagNamesDialog::accept()
{
    for (int i = 0; i < kElementCount; ++i)
        config_.setElementName(static_cast<Element>(i), boxes_[i]->text());
    QDialog::accept();
}

void TagNamesDialog::restoreDefaults()
{
    config_.setDefaultElementNames();
    QDialog::accept();
}

} // namespace ovix
