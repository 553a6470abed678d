#include "accounts/widgets/statement_dialogs.h"

#include "platform/messages.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace ovix {

namespace {

// The list shows lines such as "Payment (cash) sale: Thu 5 Mar 26,
// Transaction: 123456, Total: 1234.56" whole on an 800 x 600 screen.
constexpr int kListCharacters = 72;
constexpr int kListLines = 16;

} // namespace

StatementDialog::StatementDialog(const QString &title, const std::string &caption,
    const std::vector<std::string> &lines, const QString &printCaption,
    std::function<void()> print, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(title);
    auto *layout = new QVBoxLayout(this);
    auto *heading = new QLabel(QString::fromStdString(caption), this);
    heading->setObjectName(QStringLiteral("customer"));
    layout->addWidget(heading);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("statement"));
    for (const std::string &line : lines)
        list_->addItem(QString::fromStdString(line));
    const QFontMetrics metrics = list_->fontMetrics();
    list_->setMinimumSize(metrics.averageCharWidth() * kListCharacters,
        metrics.lineSpacing() * std::min<int>(kListLines, std::max<int>(4, list_->count())));
    if (list_->count() > 0)
        list_->scrollToBottom();
    layout->addWidget(list_, 1);
    auto *buttons = new QDialogButtonBox(this);
    print_ = buttons->addButton(printCaption, QDialogButtonBox::ActionRole);
    print_->setObjectName(QStringLiteral("print"));
    QPushButton *close = buttons->addButton(QDialogButtonBox::Close);
    connect(print_, &QPushButton::clicked, this, [print = std::move(print)] {
        if (print)
            print();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(buttons);
}

PeriodDialog::PeriodDialog(
    const std::vector<int> &years, const LocalTime &today, Messages &messages, QWidget *parent)
    : QDialog(parent), messages_(messages)
{
    setWindowTitle(QStringLiteral("Please specify the period"));
    auto *layout = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    const char *headings[] = { "Day", "Month", "Year" };
    for (int column = 0; column < 3; ++column)
        grid->addWidget(new QLabel(QString::fromLatin1(headings[column]), this), 0, column + 1);
    grid->addWidget(new QLabel(QStringLiteral("Start"), this), 1, 0);
    grid->addWidget(new QLabel(QStringLiteral("End"), this), 2, 0);
    for (size_t i = 0; i < boxes_.size(); ++i) {
        auto *box = new QComboBox(this);
        const size_t field = i % 3;
        if (field == 0) {
            for (int day = 1; day <= 31; ++day)
                box->addItem(QString::number(day), day);
            box->setCurrentIndex(box->findData(today.day));
        } else if (field == 1) {
            for (int month = 1; month <= 12; ++month)
                box->addItem(QString::number(month), month);
            box->setCurrentIndex(box->findData(today.month));
        } else {
            for (int year : years)
                box->addItem(QString::number(year), year);
            box->setCurrentIndex(box->findData(today.year));
        }
        box->setObjectName(QStringLiteral("%1%2")
                               .arg(i < 3 ? QStringLiteral("start") : QStringLiteral("end"))
                               .arg(QString::fromLatin1(headings[field])));
        grid->addWidget(box, static_cast<int>(i / 3) + 1, static_cast<int>(field) + 1);
        boxes_[i] = box;
    }
    layout->addLayout(grid);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &PeriodDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void PeriodDialog::accept()
{
    std::array<int, 6> values {};
    for (size_t i = 0; i < boxes_.size(); ++i) {
        if (boxes_[i]->currentIndex() < 0) {
            reportProblem(messages_, "Invalid selection");
            return;
        }
        values[i] = boxes_[i]->currentData().toInt();
    }
    period_ = Period { { values[2], values[1], values[0] }, { values[5], values[4], values[3] } };
    QDialog::accept();
}

} // namespace ovix
