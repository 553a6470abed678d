#include "reports/logic/report_dates.h"

#include "platform/c_format.h"
#include "platform/locale_text.h"

#include <QLocale>

namespace ovix {

std::string shortDateText(const CalendarDay &day)
{
    if (!isRealDay(day) || day.year < 1980)
        return "";
    const std::string picture = QLocale().dateFormat(QLocale::ShortFormat).toStdString();
    return formatLocaleDate(day.year, day.month, day.day, picture.c_str());
}

std::string shortDateOr(const CalendarDay &day, const char *fallback)
{
    std::string text = shortDateText(day);
    if (text.empty())
        text = cformat(fallback, day.day, day.month, day.year);
    return text;
}

} // namespace ovix
