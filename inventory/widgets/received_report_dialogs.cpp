#include "inventory/widgets/received_report_dialogs.h"

#include "platform/cp1252.h"
#include "sales/widgets/dialog_buttons.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace ovix {

namespace {

QComboBox *countingList(QWidget *parent, const QString &name, int first, int last, int current)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(name);
    for (int value = first; value <= last; ++value)
        list->addItem(QString::number(value));
    list->setCurrentIndex(current >= first && current <= last ? current - first : 0);
    return list;
}

ReceivedPeriodDialog::DayBoxes addDayRow(QGridLayout *grid, int row, const QString &label,
    const QString &prefix, const std::vector<int> &years, const CalendarDay &today, QWidget *parent)
{
    ReceivedPeriodDialog::DayBoxes boxes;
    boxes.day = countingList(parent, prefix + QStringLiteral("Day"), 1, 31, today.day);
    boxes.month = countingList(parent, prefix + QStringLiteral("Month"), 1, 12, today.month);
    boxes.year = new QComboBox(parent);
    boxes.year->setObjectName(prefix + QStringLiteral("Year"));
    for (int year : years)
        boxes.year->addItem(QString::number(year));
    grid->addWidget(new QLabel(label, parent), row, 0);
    grid->addWidget(boxes.day, row, 1);
    grid->addWidget(boxes.month, row, 2);
    grid->addWidget(boxes.year, row, 3);
    return boxes;
}

CalendarDay dayOf(const ReceivedPeriodDialog::DayBoxes &boxes)
{
    return { boxes.year->currentText().toInt(), boxes.month->currentIndex() + 1,
        boxes.day->currentIndex() + 1 };
}

} // namespace

ReceivedPeriodDialog::ReceivedPeriodDialog(
    const std::vector<int> &years, const CalendarDay &today, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Inventory received"));
    auto *layout = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Day"), this), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Month"), this), 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Year"), this), 0, 3);
    start_
        = addDayRow(grid, 1, QStringLiteral("Start"), QStringLiteral("start"), years, today, this);
    end_ = addDayRow(grid, 2, QStringLiteral("End"), QStringLiteral("end"), years, today, this);
    layout->addLayout(grid);
    const OkCancel buttons = addOkCancelRow(layout, this);
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(buttons.cancel, &QPushButton::clicked, this, &QDialog::reject);
}

CalendarDay ReceivedPeriodDialog::startDay() const
{
    return dayOf(start_);
}

CalendarDay ReceivedPeriodDialog::endDay() const
{
    return dayOf(end_);
}

ReceivedReportDialog::ReceivedReportDialog(const std::string &title,
    const std::vector<std::string> &lines, std::function<void()> print, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QString::fromStdString(title));
    auto *layout = new QVBoxLayout(this);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("lines"));
    for (const std::string &line : lines)
        list_->addItem(toQString(line));
    list_->setMinimumSize(680, 380);
    layout->addWidget(list_);
    auto *row = new QHBoxLayout;
    QPushButton *printButton = namedButton(QStringLiteral("Print"), QStringLiteral("print"), this);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    row->addWidget(printButton);
    row->addStretch(1);
    row->addWidget(ok);
    layout->addLayout(row);
    connect(printButton, &QPushButton::clicked, this, [print = std::move(print)] {
        if (print)
            print();
    });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace ovix
