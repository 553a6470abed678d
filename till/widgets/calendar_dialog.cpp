#include "till/widgets/calendar_dialog.h"

#include "platform/clock.h"

#include <QCalendarWidget>
#include <QDialogButtonBox>
#include <QVBoxLayout>

namespace ovix {

CalendarDialog::CalendarDialog(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Calendar"));
    auto *layout = new QVBoxLayout(this);
    calendar_ = new QCalendarWidget(this);
    const LocalTime now = localNow();
    const QDate today(now.year, now.month, now.day);
    calendar_->setSelectedDate(today);
    calendar_->setGridVisible(true);
    layout->addWidget(calendar_);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

void showCalendar(QWidget *parent)
{
    CalendarDialog dialog(parent);
    dialog.exec();
}

} // namespace ovix
