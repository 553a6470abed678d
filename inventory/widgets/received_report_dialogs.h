#pragma once
// The "Inventory received" report's windows: the period asked for (start
// and end day, month and year) and the report's list with "Print" and "OK".
// The report itself is inventory/logic/received_report.h's.

#include "platform/day_walk.h"

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QComboBox;
class QListWidget;

namespace ovix {

// Start and end: day 1-31, month 1-12, and a year of `years` (newest first),
// each starting on `today`.
class ReceivedPeriodDialog : public QDialog {
public:
    ReceivedPeriodDialog(const std::vector<int> &years, const CalendarDay &today, QWidget *parent);

    CalendarDay startDay() const;
    CalendarDay endDay() const;

    struct DayBoxes {
        QComboBox *day = nullptr;
        QComboBox *month = nullptr;
        QComboBox *year = nullptr;
    };
    const DayBoxes &start() const
    {
        return start_;
    }
    const DayBoxes &end() const
    {
        return end_;
    }

private:
    DayBoxes start_;
    DayBoxes end_;
};

// The report's lines (Windows-1252) under `title` (UTF-8); "Print" calls `print`.
class ReceivedReportDialog : public QDialog {
public:
    ReceivedReportDialog(const std::string &title, const std::vector<std::string> &lines,
        std::function<void()> print, QWidget *parent);

    QListWidget *list() const
    {
        return list_;
    }

private:
    QListWidget *list_ = nullptr;
};

} // namespace ovix
