#include "exchange/widgets/import_dialogs.h"

#include "exchange/logic/import_lines.h"
#include "platform/cp1252.h"
#include "sales/widgets/dialog_buttons.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace ovix {

namespace {

// Fields are laid out in this many columns of label and box.
constexpr int kFieldColumns = 2;

} // namespace

ImportMappingDialog::ImportMappingDialog(ImportSubject subject, int columns,
    const std::string &firstLine, QWidget *parent)
    : QDialog(parent)
    , subject_(subject)
    , columns_(columns)
{
    setWindowTitle(QString::fromLatin1(importMappingCaption(subject)));
    auto *layout = new QVBoxLayout(this);

    // The file's first line as an example, one row per column.
    auto *example = new QListWidget(this);
    example->setObjectName(QStringLiteral("example"));
    for (int column = 1; column <= columns; ++column) {
        const std::optional<std::string_view> text = importColumn(firstLine, column);
        example->addItem(QStringLiteral("%1: %2").arg(column).arg(
            toQString(text ? *text : std::string_view())));
    }
    example->setMaximumHeight(example->fontMetrics().height() * 6);
    layout->addWidget(new QLabel(QStringLiteral("First line of the file, by column:"), this));
    layout->addWidget(example);

    auto *grid = new QGridLayout;
    const std::vector<ImportField> &fields = importFields(subject);
    const ColumnMap start = initialColumnMap(subject, columns);
    const int rows = (static_cast<int>(fields.size()) + kFieldColumns - 1) / kFieldColumns;
    for (size_t field = 0; field < fields.size(); ++field) {
        auto *box = new QSpinBox(this);
        box->setObjectName(QStringLiteral("column%1").arg(field + 1));
        box->setRange(0, columns);
        box->setValue(start[field]);
        boxes_.push_back(box);
        const int row = static_cast<int>(field) % rows;
        const int pair = static_cast<int>(field) / rows;
        auto *label = new QLabel(QString::fromLatin1(fields[field].label), this);
        label->setBuddy(box);
        grid->addWidget(label, row, pair * 2);
        grid->addWidget(box, row, pair * 2 + 1);
    }
    layout->addLayout(grid);

    if (subject == ImportSubject::Items) {
        auto *frame = new QGroupBox(this);
        auto *row = new QHBoxLayout(frame);
        auto *replace = new QRadioButton(QStringLiteral("Replace"), frame);
        replace->setObjectName(QStringLiteral("replace"));
        merge_ = new QRadioButton(QStringLiteral("Merge"), frame);
        merge_->setObjectName(QStringLiteral("merge"));
        auto *group = new QButtonGroup(frame);
        group->addButton(replace);
        group->addButton(merge_);
        replace->setChecked(true);
        row->addWidget(replace);
        row->addWidget(merge_);
        row->addStretch(1);
        layout->addWidget(frame);
    }
    const OkCancel buttons = addOkCancelRow(layout, this);
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::reject);
}

ColumnMap ImportMappingDialog::columns() const
{
    ColumnMap map;
    for (const QSpinBox *box : boxes_)
        map.push_back(box->value());
    return fittedColumnMap(subject_, map, columns_);
}

bool ImportMappingDialog::merge() const
{
    return merge_ && merge_->isChecked();
}

ImportReportDialog::ImportReportDialog(const std::string &report, const std::string &savedAs,
    QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Lines not taken"));
    auto *layout = new QVBoxLayout(this);
    // One row per line of the report, to be scrolled through.
    lines_ = new QListWidget(this);
    lines_->setObjectName(QStringLiteral("report"));
    for (const QString &line : QString::fromStdString(report).split(QStringLiteral("\r\n")))
        lines_->addItem(line);
    lines_->setMinimumSize(560, 300);
    layout->addWidget(lines_, 1);
    saved_ = new QLabel(QString::fromStdString(savedAs), this);
    saved_->setObjectName(QStringLiteral("saved"));
    saved_->setWordWrap(true);
    layout->addWidget(saved_);
    const OkCancel buttons = addOkCancelRow(layout, this);
    buttons.cancel->hide();
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace ovix
