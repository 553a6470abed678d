#include "reports/widgets/report_dialogs.h"

#include "platform/c_format.h"
#include "platform/cp1252.h"
#include "reports/logic/report_money.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace ovix {

namespace {

QString shown(const std::string &cp1252)
{
    return QString::fromStdString(toUtf8(cp1252));
}

QComboBox *numberBox(int first, int last, int chosen, QWidget *parent)
{
    auto *box = new QComboBox(parent);
    for (int n = first; n <= last; ++n)
        box->addItem(QString::number(n), n);
    box->setCurrentIndex(std::max(0, box->findData(chosen)));
    return box;
}

QComboBox *yearBox(const std::vector<int> &years, int chosen, QWidget *parent)
{
    auto *box = new QComboBox(parent);
    for (int year : years)
        box->addItem(QString::number(year), year);
    box->setCurrentIndex(std::max(0, box->findData(chosen)));
    return box;
}

// Day, month and year boxes in a row under `caption`.
DateBoxes addDateRow(QGridLayout *grid, int row, const QString &caption,
    const std::vector<int> &years, const CalendarDay &day, bool withDay, QWidget *parent)
{
    DateBoxes boxes;
    grid->addWidget(new QLabel(caption, parent), row, 0);
    int column = 1;
    if (withDay) {
        grid->addWidget(new QLabel(QStringLiteral("Day"), parent), row, column++);
        boxes.day = numberBox(1, 31, day.day, parent);
        grid->addWidget(boxes.day, row, column++);
    }
    grid->addWidget(new QLabel(QStringLiteral("Month"), parent), row, column++);
    boxes.month = numberBox(1, 12, day.month, parent);
    grid->addWidget(boxes.month, row, column++);
    grid->addWidget(new QLabel(QStringLiteral("Year"), parent), row, column++);
    boxes.year = yearBox(years, day.year, parent);
    grid->addWidget(boxes.year, row, column++);
    return boxes;
}

CalendarDay dayOf(const DateBoxes &boxes)
{
    CalendarDay day;
    day.day = boxes.day ? boxes.day->currentData().toInt() : 1;
    day.month = boxes.month->currentData().toInt();
    day.year = boxes.year->currentData().toInt();
    return day;
}

QDialogButtonBox *okCancel(QDialog *dialog)
{
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

QPushButton *addButton(QHBoxLayout *row, const QString &caption, std::function<void()> work,
    QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    row->addWidget(button);
    if (work)
        QObject::connect(
            button, &QPushButton::clicked, parent, [work = std::move(work)] { work(); });
    else
        button->setEnabled(false);
    return button;
}

} // namespace

ItemSummaryDialog::ItemSummaryDialog(ItemPeriod period, const std::vector<int> &years,
    const CalendarDay &today, const std::vector<std::string> &categoryCodes, QWidget *parent)
    : QDialog(parent)
    , period_(period)
{
    setWindowTitle(QStringLiteral("Item summary"));
    auto *layout = new QVBoxLayout(this);
    auto *dates = new QGridLayout;
    const bool withDay = period != ItemPeriod::Monthly;
    start_ = addDateRow(dates, 0, period == ItemPeriod::Range ? QStringLiteral("Start") : QString(),
        years, today, withDay, this);
    if (period == ItemPeriod::Range)
        end_ = addDateRow(dates, 1, QStringLiteral("End"), years, today, true, this);
    layout->addLayout(dates);

    static const char *const kExclusions[] = { "Exclude refunds", "Exclude CH sales",
        "Exclude cash sales", "Exclude EFT sales", "Exclude credit sales", "Exclude split sales" };
    auto *switches = new QGridLayout;
    for (size_t i = 0; i < exclusions_.size(); ++i) {
        exclusions_[i] = new QCheckBox(QString::fromLatin1(kExclusions[i]), this);
        switches->addWidget(exclusions_[i], static_cast<int>(i / 2), static_cast<int>(i % 2));
    }
    exclusions_[0]->setChecked(true);
    layout->addLayout(switches);

    auto *categoryRow = new QHBoxLayout;
    categoryRow->addWidget(new QLabel(QStringLiteral("Category"), this));
    category_ = new QComboBox(this);
    category_->addItem(QStringLiteral("All"));
    for (const std::string &code : categoryCodes)
        category_->addItem(shown(code));
    category_->addItem(QStringLiteral("Non Inventory"));
    categoryRow->addWidget(category_, 1);
    layout->addLayout(categoryRow);
    layout->addWidget(okCancel(this));
}

ItemReportChoice ItemSummaryDialog::choice() const
{
    ItemReportChoice choice;
    choice.period = period_;
    choice.start = dayOf(start_);
    choice.end = end_.month ? dayOf(end_) : choice.start;
    ItemFilter &filter = choice.filter;
    filter.excludeRefunds = exclusions_[0]->isChecked();
    filter.excludeCheque = exclusions_[1]->isChecked();
    filter.excludeCash = exclusions_[2]->isChecked();
    filter.excludeEft = exclusions_[3]->isChecked();
    filter.excludeCredit = exclusions_[4]->isChecked();
    filter.excludeSplit = exclusions_[5]->isChecked();
    // The list holds All, the categories shown, then Non Inventory.
    const int index = category_->currentIndex();
    filter.category = index == category_->count() - 1 ? kCategoryChoices - 1 : std::max(0, index);
    return choice;
}

ItemReportDialog::ItemReportDialog(const std::string &title, const ItemReport &report,
    std::function<void()> print, std::function<void()> saveCsv, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(shown(title));
    auto *layout = new QVBoxLayout(this);
    auto *heading = new QLabel(QStringLiteral("Item            Description        Category    "
                                              "Cost      Nett      Tax      Total     Quantity"),
        this);
    heading->setWordWrap(true);
    layout->addWidget(heading);
    list_ = new QListWidget(this);
    list_->setMinimumHeight(120);
    for (const std::string &line : itemReportLines(report))
        list_->addItem(shown(line));
    layout->addWidget(list_, 1);

    auto *totals = new QHBoxLayout;
    const QString texts[] = { QString::number(report.items),
        QString::fromStdString(centsText(report.cost)),
        QString::fromStdString(centsText(report.retail)) };
    static const char *const kLabels[] = { "Items", "Cost", "Retail (nett)" };
    for (size_t i = 0; i < totals_.size(); ++i) {
        totals->addWidget(new QLabel(QString::fromLatin1(kLabels[i]), this));
        totals_[i] = new QLineEdit(texts[i], this);
        totals_[i]->setReadOnly(true);
        totals->addWidget(totals_[i], 1);
    }
    layout->addLayout(totals);
    auto *note = new QLabel(QStringLiteral(
        "Item values do not include transaction discounts which are transaction values and are "
        "not allocatable to individual items. Discounts (nett) are utilized in the sales reports."),
        this);
    note->setWordWrap(true);
    layout->addWidget(note);
    auto *buttons = new QHBoxLayout;
    addButton(buttons, QStringLiteral("Print"), std::move(print), this);
    addButton(buttons, QStringLiteral("Save as CSV text file"), std::move(saveCsv), this);
    addButton(buttons, QStringLiteral("OK"), [this] { accept(); }, this)->setDefault(true);
    layout->addLayout(buttons);
}

SalesPeriodDialog::SalesPeriodDialog(const std::vector<int> &years, const CalendarDay &today,
    const std::vector<std::string> &clerkNames, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Please specify the period"));
    auto *layout = new QVBoxLayout(this);
    auto *dates = new QGridLayout;
    start_ = addDateRow(dates, 0, QStringLiteral("Start"), years, today, true, this);
    end_ = addDateRow(dates, 1, QStringLiteral("End"), years, today, true, this);
    layout->addLayout(dates);
    if (!clerkNames.empty()) {
        auto *row = new QHBoxLayout;
        row->addWidget(new QLabel(QStringLiteral("Clerk"), this));
        clerk_ = new QComboBox(this);
        for (size_t i = 0; i < clerkNames.size(); ++i)
            clerk_->addItem(QString::fromStdString(
                cformat("%zu ", i + 1) + toUtf8(clerkNames[i])));
        row->addWidget(clerk_, 1);
        layout->addLayout(row);
    }
    auto *note = new QLabel(QStringLiteral(
        "Please note that this routine may take a few minutes while transactions are parsed."),
        this);
    note->setWordWrap(true);
    layout->addWidget(note);
    layout->addWidget(okCancel(this));
}

CalendarDay SalesPeriodDialog::startDay() const
{
    return dayOf(start_);
}

CalendarDay SalesPeriodDialog::endDay() const
{
    return dayOf(end_);
}

int SalesPeriodDialog::clerk() const
{
    return clerk_ ? clerk_->currentIndex() + 1 : 0;
}

SalesReportDialog::SalesReportDialog(const std::string &title, const SalesReport &report,
    std::function<void()> print, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Sales report"));
    auto *layout = new QVBoxLayout(this);
    auto *caption = new QLabel(shown(title), this);
    caption->setWordWrap(true);
    layout->addWidget(caption);
    auto *grid = new QGridLayout;
    for (int column = 0; column < kSalesColumns; ++column)
        grid->addWidget(new QLabel(QString::fromLatin1(kSalesColumnCaptions[static_cast<size_t>(column)]), this), 0,
            column + 1);
    static const char *const kRows[] = { "Day", "Month", "Year" };
    const std::vector<SalesEntry> *entries[] = { &report.days, &report.months, &report.years };
    for (int row = 0; row < 3; ++row) {
        grid->addWidget(new QLabel(QString::fromLatin1(kRows[row]), this), row + 1, 0);
        for (int column = 0; column < kSalesColumns; ++column) {
            auto *box = new QComboBox(this);
            box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            box->setMinimumContentsLength(8);
            for (const std::string &text : salesListEntries(*entries[row], column))
                box->addItem(shown(text));
            box->setCurrentIndex(box->count() > 0 ? 0 : -1);
            grid->addWidget(box, row + 1, column + 1);
            lists_[static_cast<size_t>(row) * kSalesColumns + static_cast<size_t>(column)] = box;
        }
    }
    layout->addLayout(grid);
    auto *note = new QLabel(QStringLiteral(
        "The totals include cash, Ch, EFT and credit sales less refunds. Note that sales to "
        "customers with a tax code of 0 do not attract tax."),
        this);
    note->setWordWrap(true);
    layout->addWidget(note);
    auto *buttons = new QHBoxLayout;
    addButton(buttons, QStringLiteral("&Print"), std::move(print), this);
    addButton(buttons, QStringLiteral("OK"), [this] { accept(); }, this)->setDefault(true);
    layout->addLayout(buttons);
}

CategoryUnitsDialog::CategoryUnitsDialog(bool month, const std::vector<CategoryUnits> &rows,
    std::function<void()> print, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QString::fromLatin1(categoryUnitsTitle(month)));
    auto *layout = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    const size_t half = (rows.size() + 1) / 2;
    for (size_t i = 0; i < rows.size(); ++i) {
        const int row = static_cast<int>(i % half);
        const int column = i < half ? 0 : 2;
        grid->addWidget(new QLabel(shown(rows[i].code), this), row, column);
        grid->addWidget(new QLabel(shown(categoryUnitsText(rows[i])), this), row, column + 1);
    }
    layout->addLayout(grid);
    auto *buttons = new QHBoxLayout;
    addButton(buttons, QStringLiteral("Print"), std::move(print), this);
    addButton(buttons, QStringLiteral("OK"), [this] { accept(); }, this)->setDefault(true);
    layout->addLayout(buttons);
}

} // namespace ovix
