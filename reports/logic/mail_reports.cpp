#include "reports/logic/mail_reports.h"

#include "comms/logic/mail_text.h"

namespace ovix {

namespace {

constexpr size_t kMailLineLength = 253;

} // namespace

std::string dailyReportMailText(const TillConfig &config, const StoreHeading &heading,
    std::string_view from, std::string_view to, const LocalTime &now)
{
    return mailHeader(from, to, "OVIX report") + "OVIX report: " + mailTimeAndDate(now)
        + "\r\n\r\n" + mailHeadingLines(heading) + mailDayFigures(config) + "End report";
}

std::string dailyItemsMailText(const TillConfig &config, const StoreHeading &heading,
    std::string_view from, std::string_view to, const LocalTime &now, std::string_view csv)
{
    return mailHeader(from, to, "OVIX Daily items") + "OVIX Daily items: " + mailTimeAndDate(now)
        + "\r\n\r\n" + mailHeadingLines(heading) + mailDayFigures(config) + csvMailLines(csv)
        + "End report";
}

std::string csvMailLines(std::string_view csv)
{
    std::string out;
    std::string line;
    for (unsigned char c : csv) {
        if (c == '\r') {
            out += line + "\r\n";
            line.clear();
            continue;
        }
        if (c < 32 || c > 126)
            continue;
        if (line.size() == kMailLineLength) {
            out += line + "\r\n";
            line.clear();
        }
        line += static_cast<char>(c);
    }
    if (!line.empty())
        out += line + "\r\n";
    return out;
}

} // namespace ovix
