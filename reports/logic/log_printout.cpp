#include "reports/logic/log_printout.h"

#include "platform/c_format.h"
#include "platform/clock.h"
#include "print/logic/print_device.h"

namespace ovix {

std::vector<std::string> logPrintLines(std::string_view log)
{
    std::vector<std::string> lines;
    std::string line;
    bool open = false; // a line has begun since the last carriage return
    for (const char c : log) {
        const auto code = static_cast<unsigned char>(c);
        if (c == '\r') {
            lines.push_back(std::move(line));
            line.clear();
            open = false;
            continue;
        }
        if (code <= 30)
            continue;
        if (line.size() == kLogPrintLineLength) {
            lines.push_back(std::move(line));
            line.clear();
        }
        line += c;
        open = true;
    }
    if (open)
        lines.push_back(std::move(line));
    return lines;
}

void drawLogPrintout(PrintDevice &device, const std::vector<std::string> &lines,
    std::string_view storeName, const LocalTime &today)
{
    device.selectFont(PrintFont { PrintFont::Kind::Arial10 });
    const int lineHeight = device.lineHeight() > 0 ? device.lineHeight() : 1;
    const int pageHeight = device.printableHeight();
    int page = 1;
    int y = 0;
    const auto heading = [&] {
        device.drawText(0, 0,
            cformat("%s Log file: %02d/%02d/%d      Page: %d", std::string(storeName).c_str(),
                today.day, today.month, today.year, page),
            TextAlign::Left);
        y = lineHeight;
    };
    const auto print = [&](std::string_view line) {
        // A page always takes at least one line below its heading.
        if (y + lineHeight > pageHeight && y > lineHeight) {
            if (!device.newPage())
                return false;
            ++page;
            heading();
        }
        device.drawText(0, y, line, TextAlign::Left);
        y += lineHeight;
        return true;
    };
    heading();
    for (const std::string &line : lines)
        if (!print(line))
            return;
    print("  ");
}

} // namespace ovix
