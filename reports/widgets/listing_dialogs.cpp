#include "reports/widgets/listing_dialogs.h"

#include "platform/cp1252.h"
#include "reports/logic/inventory_lists.h"
#include "sales/widgets/dialog_buttons.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace ovix {

namespace {

constexpr int kLargest = 10; // lines per page of "Large"
constexpr int kTiniest = 200; // of "Tiny"

} // namespace

ListingFontBox::ListingFontBox(int64_t linesPerPage, QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Large"), this));
    slider_ = new QSlider(Qt::Horizontal, this);
    slider_->setObjectName(QStringLiteral("lines"));
    slider_->setRange(kLargest, kTiniest);
    slider_->setSingleStep(1);
    slider_->setPageStep(10);
    row->addWidget(slider_, 1);
    row->addWidget(new QLabel(QStringLiteral("Tiny"), this));
    layout->addLayout(row);
    printerDefault_ = new QCheckBox(QStringLiteral("Use the printer default"), this);
    printerDefault_->setObjectName(QStringLiteral("printerDefault"));
    layout->addWidget(printerDefault_);

    const bool chosen = linesPerPage >= kLargest && linesPerPage <= kTiniest;
    slider_->setValue(chosen ? static_cast<int>(linesPerPage) : 60);
    printerDefault_->setChecked(!chosen);
    slider_->setEnabled(chosen);
    connect(printerDefault_, &QCheckBox::toggled, slider_,
        [this](bool checked) { slider_->setEnabled(!checked); });
}

int64_t ListingFontBox::linesPerPage() const
{
    return printerDefault_->isChecked() ? 0 : slider_->value();
}

ListingPrintDialog::ListingPrintDialog(
    const std::string &to, int64_t linesPerPage, Check check, QWidget *parent)
    : QDialog(parent)
    , check_(std::move(check))
{
    setWindowTitle(QStringLiteral("Print"));
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    from_ = new QLineEdit(QStringLiteral("1"), this);
    from_->setObjectName(QStringLiteral("from"));
    from_->setMaxLength(19);
    to_ = new QLineEdit(QString::fromStdString(to), this);
    to_->setObjectName(QStringLiteral("to"));
    to_->setMaxLength(19);
    form->addRow(QStringLiteral("From"), from_);
    form->addRow(QStringLiteral("To"), to_);
    layout->addLayout(form);
    font_ = new ListingFontBox(linesPerPage, this);
    layout->addWidget(font_);
    const OkCancel buttons = addOkCancelRow(layout, this);
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::reject);
    from_->selectAll();
}

std::string ListingPrintDialog::from() const
{
    return from_->text().trimmed().toStdString();
}

std::string ListingPrintDialog::to() const
{
    return to_->text().trimmed().toStdString();
}

void ListingPrintDialog::accept()
{
    if (check_ && !check_(from(), to()))
        return;
    QDialog::accept();
}

ListingFontDialog::ListingFontDialog(int64_t linesPerPage, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Listing font size"));
    auto *layout = new QVBoxLayout(this);
    font_ = new ListingFontBox(linesPerPage, this);
    layout->addWidget(font_);
    const OkCancel buttons = addOkCancelRow(layout, this);
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(360, sizeHint().height());
}

CategoryChoiceDialog::CategoryChoiceDialog(const std::vector<std::string> &names, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Select category"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Select category"), this));
    list_ = new QComboBox(this);
    list_->setObjectName(QStringLiteral("category"));
    list_->addItem(QStringLiteral("ALL"));
    for (const std::string &name : names)
        list_->addItem(toQString(name));
    layout->addWidget(list_);
    const OkCancel buttons = addOkCancelRow(layout, this);
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::reject);
}

int CategoryChoiceDialog::category() const
{
    return std::max(list_->currentIndex(), 0);
}

CustomColumnsDialog::CustomColumnsDialog(
    const std::array<bool, kColumns> &chosen, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Custom"));
    auto *layout = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    constexpr size_t kRows = kColumns / 2;
    for (size_t index = 0; index < kColumns; ++index) {
        auto *box = new QCheckBox(QString::fromLatin1(customColumnCaption(index)), this);
        box->setObjectName(QStringLiteral("column%1").arg(index));
        box->setChecked(chosen[index]);
        grid->addWidget(box, static_cast<int>(index % kRows), static_cast<int>(index / kRows));
        boxes_[index] = box;
    }
    layout->addLayout(grid);
    const OkCancel buttons = addOkCancelRow(layout, this);
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::reject);
}

std::array<bool, CustomColumnsDialog::kColumns> CustomColumnsDialog::chosen() const
{
    std::array<bool, kColumns> chosen {};
    for (size_t index = 0; index < kColumns; ++index)
        chosen[index] = boxes_[index]->isChecked();
    return chosen;
}

} // namespace ovix
