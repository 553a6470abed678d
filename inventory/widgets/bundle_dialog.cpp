#include "inventory/widgets/bundle_dialog.h"

#include "inventory/logic/bundle_maintenance.h"
#include "inventory/logic/item_form.h"
#include "inventory/widgets/capital_boxes.h"
#include "platform/cp1252.h"
#include "platform/messages.h"
#include "sales/widgets/dialog_buttons.h"
#include "store/shop.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cinttypes>

namespace ovix {

namespace {

constexpr size_t kAmountWidth = 12;

QString titleOf(BundleDialogLook look)
{
    switch (look) {
    case BundleDialogLook::New:
        return QStringLiteral("Add inventory bundle");
    case BundleDialogLook::Amend:
    case BundleDialogLook::AmendNumberOpen:
        break;
    }
    return QStringLiteral("Amend bundle");
}

} // namespace

BundleDialog::BundleDialog(const Shop &shop, const BundleForm &form, BundleDialogLook look,
    Messages &messages, QWidget *parent)
    : QDialog(parent)
    , shop_(shop)
    , messages_(messages)
{
    setWindowTitle(titleOf(look));
    auto *layout = new QVBoxLayout(this);

    auto *top = new QGridLayout;
    number_ = addLine("number", kItemNumberWidth, form.number);
    number_->setReadOnly(look == BundleDialogLook::Amend);
    description_ = addLine("description", kItemTextWidth, form.description);
    forceCapitals(description_);
    top->addWidget(new QLabel(QStringLiteral("Number"), this), 0, 0);
    top->addWidget(number_, 0, 1);
    top->addWidget(new QLabel(QStringLiteral("Description"), this), 0, 2);
    top->addWidget(description_, 0, 3);
    for (size_t i = 0; i < skus_.size(); ++i) {
        const std::string name = "sku" + std::to_string(i + 1);
        skus_[i] = addLine(name.c_str(), kItemTextWidth, form.skus[i]);
        forceCapitals(skus_[i]);
        const int row = 1 + static_cast<int>(i / 2);
        const int column = static_cast<int>(i % 2) * 2;
        top->addWidget(
            new QLabel(QStringLiteral("SKU %1").arg(static_cast<int>(i) + 1), this), row, column);
        top->addWidget(skus_[i], row, column + 1);
    }
    layout->addLayout(top);

    auto *components = new QGridLayout;
    components->setVerticalSpacing(2);
    QStringList quantities;
    for (int quantity = 1; quantity <= kMaxComponentQuantity; ++quantity)
        quantities << QString::number(quantity);
    for (size_t i = 0; i < kBundleComponentCount; ++i) {
        Row &row = rows_[i];
        const BundleComponent &component = form.components[i];
        const std::string suffix = std::to_string(i + 1);
        row.number
            = addLine(("component" + suffix).c_str(), kComponentNumberWidth, component.number);
        // Neither box can be typed into or scrolled: room for the longest
        // number and description.
        row.number->setReadOnly(true);
        row.number->setMinimumWidth(
            row.number->fontMetrics().horizontalAdvance(QStringLiteral("100000000000000000")) + 16);
        row.description = addLine(
            ("componentDescription" + suffix).c_str(), kItemTextWidth, component.description);
        row.description->setReadOnly(true);
        row.description->setMinimumWidth(row.description->fontMetrics().horizontalAdvance(
                                             QString(kItemTextWidth, QLatin1Char('W')))
            + 16);
        row.select = namedButton(
            QStringLiteral("Select"), QString::fromStdString("select" + suffix), this);
        row.remove = namedButton(
            QStringLiteral("Remove"), QString::fromStdString("remove" + suffix), this);
        row.quantity = new QComboBox(this);
        row.quantity->setObjectName(QString::fromStdString("quantity" + suffix));
        row.quantity->addItems(quantities);
        row.quantity->setCurrentIndex(std::clamp(component.quantity, 1, kMaxComponentQuantity) - 1);
        row.free = new QCheckBox(QStringLiteral("Free"), this);
        row.free->setObjectName(QString::fromStdString("free" + suffix));
        row.free->setChecked(component.free);
        // Two lines a component: its number and buttons, then its description.
        const int at = 2 * static_cast<int>(i);
        components->addWidget(new QLabel(QStringLiteral("Item %1").arg(i + 1), this), at, 0);
        components->addWidget(row.number, at, 1);
        components->addWidget(row.select, at, 2);
        components->addWidget(row.remove, at, 3);
        components->addWidget(row.quantity, at, 4);
        components->addWidget(row.free, at, 5);
        components->addWidget(row.description, at + 1, 1, 1, 5);
        connect(row.select, &QPushButton::clicked, this, [this, i] { selectComponent(i); });
        connect(row.remove, &QPushButton::clicked, this, [this, i] { removeComponent(i); });
    }
    layout->addLayout(components);

    auto *bottom = new QGridLayout;
    delivery_ = addLine("delivery", kAmountWidth, form.deliveryCharge);
    weight_ = addLine("weight", kAmountWidth, form.weight);
    notes_ = addLine("notes", kItemNotesWidth, form.notes);
    dateAdded_ = new QDateEdit(QDate(form.addedYear, form.addedMonth, form.addedDay), this);
    dateAdded_->setObjectName(QStringLiteral("dateAdded"));
    dateAdded_->setCalendarPopup(true);
    dateAdded_->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    category_ = new QComboBox(this);
    category_->setObjectName(QStringLiteral("displayCategory"));
    for (int category = 1; category <= kCategoryCount; ++category)
        category_->addItem(toQString(shop_.config.categoryName(category)));
    category_->setCurrentIndex(form.displayCategory >= 0 && form.displayCategory < kCategoryCount
            ? form.displayCategory
            : 0);
    bottom->addWidget(new QLabel(QStringLiteral("Delivery"), this), 0, 0);
    bottom->addWidget(delivery_, 0, 1);
    bottom->addWidget(new QLabel(QStringLiteral("Weight"), this), 0, 2);
    bottom->addWidget(weight_, 0, 3);
    bottom->addWidget(new QLabel(QStringLiteral("Date added"), this), 0, 4);
    bottom->addWidget(dateAdded_, 0, 5);
    bottom->addWidget(new QLabel(QStringLiteral("Category"), this), 1, 4);
    bottom->addWidget(category_, 1, 5);
    bottom->addWidget(new QLabel(QStringLiteral("Notes"), this), 1, 0);
    bottom->addWidget(notes_, 1, 1, 1, 3);
    layout->addLayout(bottom);

    const OkCancel buttons = addOkCancelRow(layout, this);
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::reject);
    if (number_->text().isEmpty() && !number_->isReadOnly())
        number_->setFocus();
    else
        description_->setFocus();
}

QLineEdit *BundleDialog::addLine(const char *name, size_t width, const std::string &text)
{
    auto *box = new QLineEdit(toQString(text), this);
    box->setObjectName(QString::fromLatin1(name));
    box->setMaxLength(static_cast<int>(std::max(width, text.size())));
    if (width >= kItemTextWidth)
        box->setMinimumWidth(120);
    else
        box->setMaximumWidth(110);
    return box;
}

void BundleDialog::selectComponent(size_t row)
{
    const std::optional<std::string> typed = messages_.askText("Item number", "Select");
    if (!typed)
        return;
    const int64_t bundle = typedItemNumber(fromQString(number_->text()));
    const std::optional<ChosenComponent> chosen
        = chooseComponent(shop_, *typed, bundle > 0 ? bundle : 0, messages_);
    if (!chosen)
        return;
    rows_[row].number->setText(QString::number(chosen->number));
    rows_[row].description->setText(toQString(chosen->description));
}

void BundleDialog::removeComponent(size_t row)
{
    rows_[row].number->clear();
    rows_[row].description->clear();
}

BundleForm BundleDialog::form() const
{
    BundleForm form;
    form.number = fromQString(number_->text());
    form.description = fromQString(description_->text());
    for (size_t i = 0; i < skus_.size(); ++i)
        form.skus[i] = fromQString(skus_[i]->text());
    for (size_t i = 0; i < kBundleComponentCount; ++i) {
        const Row &row = rows_[i];
        form.components[i]
            = { fromQString(row.number->text()), fromQString(row.description->text()),
                  row.quantity->currentIndex() + 1, row.free->isChecked() };
    }
    form.deliveryCharge = fromQString(delivery_->text());
    form.weight = fromQString(weight_->text());
    form.notes = fromQString(notes_->text());
    const QDate added = dateAdded_->date();
    form.addedDay = added.day();
    form.addedMonth = added.month();
    form.addedYear = added.year();
    form.displayCategory = category_->currentIndex();
    return form;
}

} // namespace ovix
