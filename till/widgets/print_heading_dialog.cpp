#include "till/widgets/print_heading_dialog.h"

#include "platform/cp1252.h"
#include "store/store_heading.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

namespace ovix {

namespace {

constexpr int kTypedLineLength = 40;

constexpr const char *kLineLabels[6] = {
    "Site name",
    "Road",
    "Area",
    "State / County",
    "Zip / Postcode",
    "Telephone",
};

} // namespace

PrintHeadingDialog::PrintHeadingDialog(const PrintHeadingInput &shown, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Print heading"));
    auto *form = new QFormLayout(this);
    for (size_t line = 0; line < lines_.size(); ++line) {
        lines_[line] = new QLineEdit(toQString(shown.lines[line]), this);
        lines_[line]->setMaxLength(kTypedLineLength);
        lines_[line]->setMinimumWidth(320);
        form->addRow(QString::fromLatin1(kLineLabels[line]), lines_[line]);
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

PrintHeadingInput PrintHeadingDialog::input() const
{
    PrintHeadingInput input;
    for (size_t line = 0; line < lines_.size(); ++line)
        input.lines[line] = fromQString(lines_[line]->text());
    return input;
}

bool runPrintHeading(QWidget *parent, StoreHeading &heading)
{
    PrintHeadingDialog dialog(loadPrintHeading(heading), parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    applyPrintHeading(heading, dialog.input());
    return true;
}

} // namespace ovix
