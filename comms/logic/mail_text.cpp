#include "comms/logic/mail_text.h"

#include "platform/c_format.h"
#include "platform/locale_text.h"
#include "store/store_heading.h"
#include "store/till_config.h"

namespace ovix {

std::string mailHeader(std::string_view from, std::string_view to, std::string_view subject)
{
    std::string text = "FROM: ";
    text += from;
    text += "\r\nTO: ";
    text += to;
    text += "\r\nSUBJECT: ";
    text += subject;
    text += "\r\n\r\n";
    return text;
}

std::string mailTimeAndDate(const LocalTime &now)
{
    return cformat("%d:%02d ", now.hour, now.minute)
        + formatLocaleDate(now.year, now.month, now.day, "ddd MMM dd yy");
}

std::string mailHeadingLines(const StoreHeading &heading)
{
    return heading.line(HeadingLine::SiteName) + "\r\n" + heading.line(HeadingLine::Road)
        + "\r\n\r\n";
}

std::string mailDayFigures(const TillConfig &config)
{
    return cformat("Today's takings: %.2f\r\n", config.get(cfg::tillTakings))
        + cformat("Today Transactions: %lld Items: %lld\r\n",
            static_cast<long long>(config.get(cfg::todayTransactionCount)),
            static_cast<long long>(config.get(cfg::todayItemCount)))
        + cformat("Cash: %.2f, CH: %.2f\r\n", config.get(cfg::cashSales),
            config.get(cfg::chequeSales))
        + cformat("EFT: %.2f, Credit sales: %.2f\r\n", config.get(cfg::eftSales),
            config.get(cfg::creditSales));
}

} // namespace ovix
