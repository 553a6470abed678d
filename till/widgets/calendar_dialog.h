#pragma once
// The calendar of the Help menu: a month calendar opened at today, and OK.

#include <QDialog>

class QCalendarWidget;

namespace ovix {

class CalendarDialog : public QDialog {
public:
    explicit CalendarDialog(QWidget *parent);
    QCalendarWidget *calendar() const
    {
        return calendar_;
    }

private:
    QCalendarWidget *calendar_;
};

// Shows the calendar modally.
void showCalendar(QWidget *parent);

} // namespace ovix
