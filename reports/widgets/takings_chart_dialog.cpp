#include "reports/widgets/takings_chart_dialog.h"

#include "platform/clock.h"
#include "reports/logic/takings_chart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

namespace ovix {

namespace {

// A chart of `bars` in a view for one tab; the series is kept in `series`.
QChartView *barChart(const std::vector<TakingsBar> &bars, const QString &title,
    QBarSeries *&series)
{
    auto *set = new QBarSet(QStringLiteral("Takings"));
    QStringList labels;
    double highest = 0;
    double lowest = 0; // a day of refunds can go below 0
    for (const TakingsBar &bar : bars) {
        // Whole cents to the amount drawn; the sums were made in cents.
        const double amount = static_cast<double>(bar.cents) / 100.0;
        set->append(amount);
        labels << QString::fromStdString(bar.label);
        highest = std::max(highest, amount);
        lowest = std::min(lowest, amount);
    }
    series = new QBarSeries;
    series->append(set);

    auto *chart = new QChart;
    chart->setTitle(title);
    chart->addSeries(series);
    chart->legend()->hide();
    auto *categories = new QBarCategoryAxis;
    categories->append(labels);
    categories->setLabelsAngle(-90);
    chart->addAxis(categories, Qt::AlignBottom);
    series->attachAxis(categories);
    auto *amounts = new QValueAxis;
    amounts->setLabelFormat(QStringLiteral("%.2f"));
    amounts->setRange(lowest, highest > lowest ? highest : lowest + 1);
    amounts->applyNiceNumbers();
    chart->addAxis(amounts, Qt::AlignLeft);
    series->attachAxis(amounts);

    auto *view = new QChartView(chart);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(360, 240);
    return view;
}

} // namespace

TakingsChartDialog::TakingsChartDialog(const TillConfig &config, const LocalTime &today,
    QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Takings chart"));
    tabs_ = new QTabWidget(this);
    tabs_->addTab(barChart(takingsOfLastDays(config, today),
                      QStringLiteral("Takings of the last 30 days"), days_),
        QStringLiteral("30 days"));
    tabs_->addTab(barChart(takingsOfLastMonths(config, today),
                      QStringLiteral("Takings of the last 12 months"), months_),
        QStringLiteral("12 months"));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabs_, 1);
    layout->addWidget(buttons);
    resize(720, 480);
}

} // namespace ovix
