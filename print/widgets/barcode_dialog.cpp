#include "print/widgets/barcode_dialog.h"

#include "sales/widgets/dialog_buttons.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

namespace ovix {

namespace {

constexpr int kLargest = 10;
constexpr int kTiniest = 200;
// Where the slider rests when the printer's default font is chosen.
constexpr int kMiddleSize = 60;

QLineEdit *numberBox(const QString &text, const char *name, int length, QWidget *parent)
{
    auto *box = new QLineEdit(text, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setMaxLength(length);
    return box;
}

// Radio buttons for `captions` in a group box, the first checked; each
// button's id is its position.
QButtonGroup *radioColumn(QGroupBox *box, const std::initializer_list<const char *> &captions,
    const char *namePrefix)
{
    auto *layout = new QVBoxLayout(box);
    auto *group = new QButtonGroup(box);
    int id = 0;
    for (const char *caption : captions) {
        auto *button = new QRadioButton(QString::fromLatin1(caption), box);
        button->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(namePrefix)).arg(id));
        group->addButton(button, id++);
        layout->addWidget(button);
    }
    group->button(0)->setChecked(true);
    return group;
}

std::string textOf(const QLineEdit *box)
{
    return box->text().toStdString();
}

} // namespace

BarcodeDialog::BarcodeDialog(
    int64_t textSize, std::function<bool(const LabelEntry &)> check, QWidget *parent)
    : QDialog(parent)
    , check_(std::move(check))
{
    setWindowTitle(QStringLiteral("Barcode"));
    const LabelEntry shown;
    auto *layout = new QVBoxLayout(this);
    auto *columns = new QGridLayout;
    layout->addLayout(columns);

    // Left: what is printed.
    auto *range = new QFormLayout;
    start_ = numberBox(QString::fromStdString(shown.start), "start", 19, this);
    finish_ = numberBox(QString::fromStdString(shown.finish), "finish", 19, this);
    range->addRow(QStringLiteral("Start"), start_);
    range->addRow(QStringLiteral("Finish"), finish_);
    columns->addLayout(range, 0, 0);

    auto *sourceBox = new QGroupBox(this);
    source_ = radioColumn(sourceBox,
        { "Inventory", "Customers", "All values in the range",
            "Repeat of inventory barcode in start box" },
        "source");
    auto *quantityRow = new QFormLayout;
    quantity_ = numberBox(QString(), "quantity", 9, this);
    quantityRow->addRow(QStringLiteral("Quantity"), quantity_);
    static_cast<QVBoxLayout *>(sourceBox->layout())->addLayout(quantityRow);
    columns->addWidget(sourceBox, 1, 0);

    auto *typeBox = new QGroupBox(QStringLiteral("Barcode type"), this);
    symbology_ = radioColumn(typeBox, { "EAN (UPC A)", "Code 39" }, "type");
    symbology_->button(static_cast<int>(LabelSymbology::Code39))->setChecked(true);
    auto *widthRow = new QFormLayout;
    elementWidth_ = numberBox(QString::fromStdString(shown.elementWidth), "elementWidth", 5, this);
    widthRow->addRow(QStringLiteral("Element width"), elementWidth_);
    static_cast<QVBoxLayout *>(typeBox->layout())->addLayout(widthRow);
    columns->addWidget(typeBox, 2, 0);

    // Right: the sheet.
    auto *formatBox = new QGroupBox(this);
    format_ = radioColumn(formatBox, { "Video spine", "Two column", "Three column" }, "format");
    columns->addWidget(formatBox, 0, 1, 2, 1);
    auto *measures = new QFormLayout;
    originX_ = numberBox(QString::fromStdString(shown.originX), "originX", 5, this);
    originY_ = numberBox(QString::fromStdString(shown.originY), "originY", 5, this);
    labelHeight_ = numberBox(QString::fromStdString(shown.labelHeight), "labelHeight", 5, this);
    labelsPerSheet_
        = numberBox(QString::fromStdString(shown.labelsPerSheet), "labelsPerSheet", 3, this);
    fromCentre_ = numberBox(QString::fromStdString(shown.fromCentre), "fromCentre", 5, this);
    measures->addRow(QStringLiteral("Origin X"), originX_);
    measures->addRow(QStringLiteral("Origin Y"), originY_);
    measures->addRow(QStringLiteral("Label height"), labelHeight_);
    measures->addRow(QStringLiteral("Labels per sheet"), labelsPerSheet_);
    measures->addRow(QStringLiteral("From centre (three column)"), fromCentre_);
    static_cast<QVBoxLayout *>(formatBox->layout())->addLayout(measures);

    auto *options = new QVBoxLayout;
    includePrice_ = new QCheckBox(QStringLiteral("Include price"), this);
    includePrice_->setObjectName(QStringLiteral("includePrice"));
    options->addWidget(includePrice_);
    auto *basisRow = new QHBoxLayout;
    priceBasis_ = new QButtonGroup(this);
    const char *bases[] = { "With tax", "Without tax" };
    for (int id = 0; id < 2; ++id) {
        auto *button = new QRadioButton(QString::fromLatin1(bases[id]), this);
        button->setObjectName(QStringLiteral("priceBasis%1").arg(id));
        priceBasis_->addButton(button, id);
        basisRow->addWidget(button);
    }
    priceBasis_->button(0)->setChecked(true);
    options->addLayout(basisRow);
    includeStore_ = new QCheckBox(QStringLiteral("Incude store (Video spine)"), this);
    includeStore_->setObjectName(QStringLiteral("includeStore"));
    options->addWidget(includeStore_);
    priceBelow_ = new QCheckBox(QStringLiteral("Position below other text (Video spine)"), this);
    priceBelow_->setObjectName(QStringLiteral("priceBelow"));
    options->addWidget(priceBelow_);
    columns->addLayout(options, 2, 1);

    // The text size, kept for the next run.
    auto *sizeRow = new QHBoxLayout;
    sizeRow->addWidget(new QLabel(QStringLiteral("Large"), this));
    textSize_ = new QSlider(Qt::Horizontal, this);
    textSize_->setObjectName(QStringLiteral("textSize"));
    textSize_->setRange(kLargest, kTiniest);
    textSize_->setPageStep(10);
    sizeRow->addWidget(textSize_, 1);
    sizeRow->addWidget(new QLabel(QStringLiteral("Tiny"), this));
    layout->addLayout(sizeRow);
    printerDefault_ = new QCheckBox(QStringLiteral("Use the printer default"), this);
    printerDefault_->setObjectName(QStringLiteral("printerDefault"));
    layout->addWidget(printerDefault_);
    const bool chosen = textSize >= kLargest && textSize <= kTiniest;
    textSize_->setValue(chosen ? static_cast<int>(textSize) : kMiddleSize);
    printerDefault_->setChecked(!chosen);
    textSize_->setEnabled(chosen);
    connect(printerDefault_, &QCheckBox::toggled, textSize_,
        [this](bool checked) { textSize_->setEnabled(!checked); });

    quantity_->setEnabled(false);
    connect(source_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (id == static_cast<int>(LabelSource::RepeatItem))
            quantity_->setEnabled(checked);
    });
    connect(format_, &QButtonGroup::idClicked, this,
        [this](int id) { chooseFormat(static_cast<LabelFormat>(id)); });
    connect(symbology_, &QButtonGroup::idClicked, this,
        [this](int id) { chooseSymbology(static_cast<LabelSymbology>(id)); });

    const OkCancel buttons = addOkCancelRow(layout, this);
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void BarcodeDialog::chooseFormat(LabelFormat format)
{
    const LabelSheetSize size = defaultSheetSize(format);
    labelHeight_->setText(QString::number(size.labelHeight));
    labelsPerSheet_->setText(QString::number(size.labelsPerSheet));
}

void BarcodeDialog::chooseSymbology(LabelSymbology symbology)
{
    elementWidth_->setText(QString::number(defaultElementWidth(symbology)));
}

LabelEntry BarcodeDialog::entry() const
{
    LabelEntry entry;
    entry.start = textOf(start_);
    entry.finish = textOf(finish_);
    entry.source = static_cast<LabelSource>(source_->checkedId());
    entry.quantity = textOf(quantity_);
    entry.format = static_cast<LabelFormat>(format_->checkedId());
    entry.originX = textOf(originX_);
    entry.originY = textOf(originY_);
    entry.labelHeight = textOf(labelHeight_);
    entry.labelsPerSheet = textOf(labelsPerSheet_);
    entry.fromCentre = textOf(fromCentre_);
    entry.symbology = static_cast<LabelSymbology>(symbology_->checkedId());
    entry.elementWidth = textOf(elementWidth_);
    entry.includePrice = includePrice_->isChecked();
    entry.priceWithTax = priceBasis_->checkedId() == 0;
    entry.includeStore = includeStore_->isChecked();
    entry.priceBelowText = priceBelow_->isChecked();
    entry.textSize = printerDefault_->isChecked() ? 0 : textSize_->value();
    return entry;
}

void BarcodeDialog::accept()
{
    if (check_ && !check_(entry()))
        return;
    QDialog::accept();
}

} // namespace ovix
