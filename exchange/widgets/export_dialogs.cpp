#include "exchange/widgets/export_dialogs.h"

#include "platform/cp1252.h"
#include "sales/widgets/dialog_buttons.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ovix {

namespace {

QRadioButton *radio(const char *caption, const char *name, QWidget *parent)
{
    auto *button = new QRadioButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

QCheckBox *box(const char *caption, const char *name, QWidget *parent)
{
    auto *button = new QCheckBox(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

// A framed row of radio buttons, one group of choices.
QGroupBox *choiceRow(const char *title, std::initializer_list<QRadioButton *> buttons,
    QWidget *parent)
{
    auto *frame = new QGroupBox(QString::fromLatin1(title), parent);
    auto *row = new QHBoxLayout(frame);
    auto *group = new QButtonGroup(frame);
    for (QRadioButton *button : buttons) {
        button->setParent(frame);
        row->addWidget(button);
        group->addButton(button);
    }
    row->addStretch(1);
    return frame;
}

} // namespace

ExportDialog::ExportDialog(const std::vector<std::string> &categories, int64_t highestItem,
    int64_t highestCustomer, Check check, QWidget *parent)
    : QDialog(parent)
    , check_(std::move(check))
    , highestItem_(highestItem)
    , highestCustomer_(highestCustomer)
{
    setWindowTitle(QStringLiteral("Export"));
    auto *layout = new QVBoxLayout(this);

    auto *range = new QFormLayout;
    start_ = new QLineEdit(QStringLiteral("1"), this);
    start_->setObjectName(QStringLiteral("start"));
    start_->setMaxLength(19);
    finish_ = new QLineEdit(QString::number(highestItem), this);
    finish_->setObjectName(QStringLiteral("finish"));
    finish_->setMaxLength(19);
    range->addRow(QStringLiteral("Start"), start_);
    range->addRow(QStringLiteral("Finish"), finish_);
    layout->addLayout(range);

    inventory_ = radio("Inventory", "inventory", this);
    customers_ = radio("Customers", "customers", this);
    inventory_->setChecked(true);
    layout->addWidget(choiceRow("What", { inventory_, customers_ }, this));

    text_ = radio("Text", "text", this);
    html_ = radio("HTML", "html", this);
    xml_ = radio("XML", "xml", this);
    text_->setChecked(true);
    layout->addWidget(choiceRow("Format", { text_, html_, xml_ }, this));

    all_ = radio("All", "all", this);
    category_ = radio("Category", "category", this);
    all_->setChecked(true);
    QGroupBox *type = choiceRow("Inventory type", { all_, category_ }, this);
    categoryList_ = new QComboBox(type);
    categoryList_->setObjectName(QStringLiteral("categoryList"));
    for (const std::string &name : categories)
        categoryList_->addItem(toQString(name));
    type->layout()->addWidget(categoryList_);
    layout->addWidget(type);

    auto *htmlOptions = new QGroupBox(QStringLiteral("HTML options"), this);
    auto *htmlRow = new QHBoxLayout(htmlOptions);
    boldNumber_ = box("Bold number", "boldNumber", htmlOptions);
    boldTitle_ = box("Bold title", "boldTitle", htmlOptions);
    textSize_ = new QComboBox(htmlOptions);
    textSize_->setObjectName(QStringLiteral("textSize"));
    textSize_->addItems({ QStringLiteral("Small"), QStringLiteral("Medium"),
        QStringLiteral("Large") });
    htmlRow->addWidget(boldNumber_);
    htmlRow->addWidget(boldTitle_);
    htmlRow->addWidget(textSize_);
    layout->addWidget(htmlOptions);

    const OkCancel buttons = addOkCancelRow(layout, this);
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(customers_, &QRadioButton::toggled, this, [this] { subjectChanged(); });
    start_->selectAll();
}

void ExportDialog::subjectChanged()
{
    // "Finish" follows the subject while it still holds the other's offer.
    const bool toCustomers = customers_->isChecked();
    const int64_t before = toCustomers ? highestItem_ : highestCustomer_;
    if (finish_->text().trimmed() == QString::number(before))
        finish_->setText(QString::number(toCustomers ? highestCustomer_ : highestItem_));
}

void ExportDialog::accept()
{
    ExportChoice chosen;
    chosen.subject = customers_->isChecked() ? ExportSubject::Customers : ExportSubject::Items;
    chosen.format = html_->isChecked() ? ExportFormat::Html
        : xml_->isChecked()            ? ExportFormat::Xml
                                       : ExportFormat::Text;
    if (category_->isChecked() && chosen.subject == ExportSubject::Items)
        chosen.category = std::max(categoryList_->currentIndex(), 0);
    chosen.boldNumber = boldNumber_->isChecked();
    chosen.boldTitle = boldTitle_->isChecked();
    chosen.textSize = static_cast<HtmlTextSize>(std::max(textSize_->currentIndex(), 0));
    if (check_
        && !check_(chosen, fromQString(start_->text()), fromQString(finish_->text())))
        return;
    choice_ = chosen;
    QDialog::accept();
}

ExportFieldDialog::ExportFieldDialog(const ExportChoice &choice, Check check, QWidget *parent)
    : QDialog(parent)
    , check_(std::move(check))
    , choice_(choice)
{
    setWindowTitle(QString::fromLatin1(exportFieldTitle(choice.subject)));
    auto *layout = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    const auto &names = exportFieldNames(choice.subject);
    for (size_t field = 0; field < names.size(); ++field) {
        boxes_[field] = box(names[field], "", this);
        boxes_[field]->setObjectName(QStringLiteral("field%1").arg(field + 1));
        boxes_[field]->setChecked(true);
        grid->addWidget(boxes_[field], static_cast<int>(field % 5), static_cast<int>(field / 5));
    }
    layout->addLayout(grid);
    entire_ = box("Export entire", "entire", this);
    layout->addWidget(entire_);
    const OkCancel buttons = addOkCancelRow(layout, this);
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void ExportFieldDialog::accept()
{
    ExportChoice chosen = choice_;
    for (size_t field = 0; field < boxes_.size(); ++field)
        chosen.fields[field] = boxes_[field]->isChecked();
    chosen.entire = entire_->isChecked();
    if (check_ && !check_(chosen))
        return;
    choice_ = chosen;
    QDialog::accept();
}

} // namespace ovix
