#include "reports/widgets/browse_window.h"

#include "platform/cp1252.h"
#include "sales/widgets/dialog_buttons.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace ovix {

namespace {

// A row's number: a label that runs its action when clicked.
class NumberLabel : public QLabel {
public:
    NumberLabel(std::function<void()> clicked, QWidget *parent)
        : QLabel(parent), clicked_(std::move(clicked))
    {
    }

protected:
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        QLabel::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton && clicked_)
            clicked_();
    }

private:
    std::function<void()> clicked_;
};

QString shown(const std::string &cp1252)
{
    return QString::fromStdString(toUtf8(cp1252));
}

} // namespace

BrowseWindow::BrowseWindow(BrowseList list, Messages &messages, OpenRow openRow, QWidget *parent)
    : QDialog(parent), list_(std::move(list)), messages_(messages), openRow_(std::move(openRow))
{
    setWindowTitle(QString::fromStdString(list_.options().title));
    auto *layout = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    for (size_t row = 0; row < kBrowseRows; ++row) {
        if (openRow_) {
            auto *number = new NumberLabel([this, row] { clickRow(row); }, this);
            number->setCursor(Qt::PointingHandCursor);
            // Shown as a link, so the clerk sees that it opens.
            number->setStyleSheet(
                QStringLiteral("QLabel { color: palette(link); text-decoration: underline; }"));
            cells_[row][0] = number;
        } else {
            cells_[row][0] = new QLabel(this);
        }
        cells_[row][0]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // Each text has room for about half its capitals on a line and
        // wraps between words onto a second, so that four full columns fit
        // an 800-pixel screen.
        for (size_t column = 1; column < 4; ++column) {
            auto *cell = new QLabel(this);
            cell->setWordWrap(true);
            const int characters = column == 1 ? 21 : 16;
            cell->setFixedWidth(
                cell->fontMetrics().horizontalAdvance(QString(characters, QLatin1Char('N'))));
            cell->setMinimumHeight(cell->fontMetrics().lineSpacing() * 2);
            cell->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            cells_[row][column] = cell;
        }
        for (size_t column = 0; column < 4; ++column) {
            cells_[row][column]->setObjectName(QStringLiteral("cell%1_%2").arg(row).arg(column));
            cells_[row][column]->setTextFormat(Qt::PlainText);
            grid->addWidget(cells_[row][column], static_cast<int>(row), static_cast<int>(column));
        }
    }
    layout->addLayout(grid);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    back_ = namedButton(QStringLiteral("Back"), QStringLiteral("back"), this);
    more_ = namedButton(QStringLiteral("More"), QStringLiteral("more"), this);
    ok_ = namedButton(QStringLiteral("OK"), QStringLiteral("ok"), this);
    cancel_ = namedButton(QStringLiteral("Cancel"), QStringLiteral("cancel"), this);
    for (QPushButton *button : { back_, more_, ok_, cancel_ })
        buttons->addWidget(button);
    layout->addLayout(buttons);

    connect(more_, &QPushButton::clicked, this, [this] { onMore(); });
    connect(back_, &QPushButton::clicked, this, [this] { onBack(); });
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    showRows();
}

void BrowseWindow::showRows()
{
    const std::vector<BrowseRow> &rows = list_.rows();
    for (size_t row = 0; row < kBrowseRows; ++row) {
        const bool filled = row < rows.size();
        cells_[row][0]->setText(filled ? QString::number(rows[row].number) : QString());
        cells_[row][1]->setText(filled ? shown(rows[row].second) : QString());
        cells_[row][2]->setText(filled ? shown(rows[row].third) : QString());
        cells_[row][3]->setText(filled ? shown(rows[row].fourth) : QString());
    }
    const bool more = list_.offersMore();
    more_->setVisible(more);
    cancel_->setVisible(more && list_.options().customers);
    ok_->setVisible(!more);
    back_->setVisible(list_.offersBack());
    focusButton();
}

void BrowseWindow::focusButton()
{
    QPushButton *button = list_.offersMore() ? more_ : ok_;
    (button == more_ ? ok_ : more_)->setDefault(false);
    button->setDefault(true);
    button->setFocus();
}

void BrowseWindow::onMore()
{
    if (!list_.more(messages_)) {
        accept();
        return;
    }
    showRows();
}

void BrowseWindow::onBack()
{
    list_.back(messages_);
    showRows();
}

void BrowseWindow::clickRow(size_t row)
{
    if (!openRow_ || row >= list_.rows().size())
        return;
    openRow_(this, list_.rows()[row].number);
    focusButton();
}

} // namespace ovix
