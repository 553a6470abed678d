#pragma once
// The takings chart, opened from the status screen: the last 30 days and the
// last 12 months of the daily takings history as bars, on two tabs.

#include <QDialog>

class QBarSeries;
class QTabWidget;

namespace ovix {

class TillConfig;
struct LocalTime;

class TakingsChartDialog : public QDialog {
public:
    TakingsChartDialog(const TillConfig &config, const LocalTime &today, QWidget *parent = nullptr);

    QTabWidget *tabs() const
    {
        return tabs_;
    }
    QBarSeries *daysSeries() const
    {
        return days_;
    }
    QBarSeries *monthsSeries() const
    {
        return months_;
    }

private:
    QTabWidget *tabs_ = nullptr;
    QBarSeries *days_ = nullptr;
    QBarSeries *months_ = nullptr;
};

} // namespace ovix
