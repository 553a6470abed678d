#include "inventory/widgets/advanced_search_dialog.h"

#include "platform/cp1252.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ovix {

void makeCapitalsBox(QLineEdit *box, int width)
{
    box->setMaxLength(width);
    QObject::connect(box, &QLineEdit::textEdited, box, [box](const QString &text) {
        const QString upper = text.toUpper();
        if (upper == text)
            return;
        const int cursor = box->cursorPosition();
        box->setText(upper.left(box->maxLength()));
        box->setCursorPosition(cursor);
    });
}

AdvancedSearchDialog::AdvancedSearchDialog(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Advanced search"));
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    const int width = static_cast<int>(kAdvancedSearchWidth);
    description_ = new QLineEdit(this);
    description_->setObjectName(QStringLiteral("description"));
    makeCapitalsBox(description_, width);
    form->addRow(QStringLiteral("Description"), description_);
    for (size_t i = 0; i < skus_.size(); ++i) {
        skus_[i] = new QLineEdit(this);
        skus_[i]->setObjectName(QStringLiteral("sku%1").arg(i + 1));
        makeCapitalsBox(skus_[i], width);
        form->addRow(QStringLiteral("SKU %1").arg(i + 1), skus_[i]);
    }
    layout->addLayout(form);
    any_ = new QRadioButton(QStringLiteral("Display inventory with any match to the above"), this);
    any_->setObjectName(QStringLiteral("any"));
    any_->setChecked(true);
    all_ = new QRadioButton(QStringLiteral("Display only those that match all the above"), this);
    all_->setObjectName(QStringLiteral("all"));
    layout->addWidget(any_);
    layout->addWidget(all_);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ok"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

AdvancedSearch AdvancedSearchDialog::search() const
{
    AdvancedSearch search;
    search.description = fromQString(description_->text());
    for (size_t i = 0; i < skus_.size(); ++i)
        search.skus[i] = fromQString(skus_[i]->text());
    search.matchAll = all_->isChecked();
    return search;
}

std::optional<AdvancedSearch> askAdvancedSearch(QWidget *parent)
{
    AdvancedSearchDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.search();
}

} // namespace ovix
