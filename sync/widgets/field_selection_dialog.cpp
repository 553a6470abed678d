#include "sync/widgets/field_selection_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QVBoxLayout>

namespace ovix {

QString optionalFieldCaption(OptionalField field)
{
    static const char *const captions[kOptionalFieldCount] = { "SKU 1", "SKU 2", "SKU 3", "SKU 4",
        "Cost price", "Trade price", "Retail price", "Quantity", "Reorder quantity", "Tax",
        "Display category", "Category", "Format", "Date added", "Last used", "Order code",
        "Minimum order", "Total sold", "Notes", "Location", "Web site" };
    const int index = static_cast<int>(field);
    return index >= 0 && index < kOptionalFieldCount ? QString::fromLatin1(captions[index])
                                                     : QString();
}

FieldSelectionDialog::FieldSelectionDialog(SyncConfig &config, QWidget *parent)
    : QDialog(parent)
    , config_(config)
{
    setWindowTitle(QStringLiteral("Selection"));
    auto *grid = new QGridLayout;
    auto place
        = [grid](QCheckBox *box, int index) { grid->addWidget(box, index % 12, index / 12); };
    for (const char *fixed : { "Number", "Description" }) {
        auto *box = new QCheckBox(QString::fromLatin1(fixed), this);
        box->setObjectName(QString::fromLatin1(fixed).toLower());
        box->setChecked(true);
        box->setEnabled(false);
        place(box, grid->count());
    }
    for (int i = 0; i < kOptionalFieldCount; ++i) {
        const auto field = static_cast<OptionalField>(i);
        auto *box = new QCheckBox(optionalFieldCaption(field), this);
        box->setChecked(config.isIncluded(field));
        boxes_[i] = box;
        place(box, grid->count());
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
}

void FieldSelectionDialog::accept()
{
    for (int i = 0; i < kOptionalFieldCount; ++i)
        config_.setIncluded(static_cast<OptionalField>(i), boxes_[i]->isChecked());
    QDialog::accept();
}

} // namespace ovix
