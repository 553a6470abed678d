#include "reports/logic/report_days.h"

#include "platform/clock.h"

namespace ovix {

bool isRealDay(const ReportDay &day)
{
    return day.year >= 1 && day.month >= 1 && day.month <= 12 && day.day >= 1
        && day.day <= daysInMonth(day.year, day.month);
}

ReportDay nextReportDay(const ReportDay &day)
{
    ReportDay next = day;
    if (++next.day > daysInMonth(next.year, next.month)) {
        next.day = 1;
        if (++next.month > 12) {
            next.month = 1;
            ++next.year;
        }
    }
    return next;
}

std::vector<ReportDay> daysFrom(const ReportDay &first, const ReportDay &last)
{
    std::vector<ReportDay> days;
    if (!isRealDay(first) || !isRealDay(last))
        return days;
    for (ReportDay day = first; day <= last; day = nextReportDay(day))
        days.push_back(day);
    return days;
}

std::vector<ReportDay> weekFrom(const ReportDay &first)
{
    std::vector<ReportDay> days;
    if (!isRealDay(first))
        return days;
    ReportDay day = first;
    for (int i = 0; i < 7; ++i, day = nextReportDay(day))
        days.push_back(day);
    return days;
}

std::vector<ReportDay> monthOf(int year, int month)
{
    if (month < 1 || month > 12)
        return {};
    return daysFrom({ year, month, 1 }, { year, month, daysInMonth(year, month) });
}

} // namespace ovix
