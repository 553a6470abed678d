#include "inventory/widgets/supplier_dialog.h"

#include "inventory/widgets/capital_boxes.h"
#include "platform/cp1252.h"
#include "sales/widgets/dialog_buttons.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace ovix {

namespace {

// The boxes of the left column; the rest go to the right, the notes below.
constexpr size_t kLeftColumn = 8;

QString titleOf(SupplierDialogLook look)
{
    switch (look) {
    case SupplierDialogLook::New:
        return QStringLiteral("New supplier");
    case SupplierDialogLook::Amend:
        return QStringLiteral("Amend supplier");
    case SupplierDialogLook::View:
        break;
    }
    return QStringLiteral("Supplier");
}

} // namespace

SupplierDialog::SupplierDialog(const SupplierForm &form, SupplierDialogLook look, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(titleOf(look));
    const bool readOnly = look == SupplierDialogLook::View;
    auto *layout = new QVBoxLayout(this);
    auto *note = new QLabel(QStringLiteral("The number is required. All other fields are text "
                                           "and may be used as required. "),
        this);
    note->setWordWrap(true);
    layout->addWidget(note);

    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Number"), this), 0, 0);
    number_ = new QLineEdit(toQString(form.number), this);
    number_->setObjectName(QStringLiteral("number"));
    number_->setMaxLength(static_cast<int>(kSupplierNumberWidth));
    number_->setReadOnly(readOnly);
    number_->setMinimumWidth(
        number_->fontMetrics().horizontalAdvance(QStringLiteral("2000000000000000")) + 16);
    grid->addWidget(number_, 0, 1);

    const auto fields = supplierFields();
    int leftRow = 1;
    int rightRow = 0;
    for (size_t i = 0; i < fields.size(); ++i) {
        const SupplierField &field = fields[i];
        const QString label = QString::fromLatin1(field.label);
        // A text on file longer than the box takes is shown whole, not cut.
        const int room = static_cast<int>(std::max(field.entered, form.texts[i].size()));
        if (field.severalLines) {
            notes_ = new QPlainTextEdit(toQString(form.texts[i]), this);
            notes_->setObjectName(QString::fromLatin1(field.name));
            notes_->setReadOnly(readOnly);
            notes_->setMaximumHeight(70);
            notes_->setTabChangesFocus(true);
            grid->addWidget(new QLabel(label, this), std::max(leftRow, rightRow) + 1, 0);
            grid->addWidget(notes_, std::max(leftRow, rightRow) + 1, 1, 1, 3);
            continue;
        }
        auto *box = new QLineEdit(toQString(form.texts[i]), this);
        box->setObjectName(QString::fromLatin1(field.name));
        box->setMaxLength(room);
        box->setMinimumWidth(field.entered >= 28 ? 240 : 150);
        box->setReadOnly(readOnly);
        if (field.capitals)
            forceCapitals(box);
        boxes_[i] = box;
        const bool left = i < kLeftColumn;
        const int row = left ? leftRow++ : rightRow++;
        grid->addWidget(new QLabel(label, this), row, left ? 0 : 2);
        grid->addWidget(box, row, left ? 1 : 3);
    }
    layout->addLayout(grid);

    const OkCancel buttons = addOkCancelRow(layout, this);
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::reject);
    if (boxes_[0])
        boxes_[0]->setFocus();
}

SupplierForm SupplierDialog::form() const
{
    SupplierForm form;
    form.number = fromQString(number_->text());
    for (size_t i = 0; i < kSupplierFieldCount; ++i) {
        if (boxes_[i])
            form.texts[i] = fromQString(boxes_[i]->text());
        else if (notes_)
            form.texts[i] = fromQString(notes_->toPlainText());
    }
    return form;
}

} // namespace ovix
