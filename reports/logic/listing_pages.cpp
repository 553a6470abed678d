#include "reports/logic/listing_pages.h"

#include "platform/c_format.h"
#include "platform/locale_text.h"
#include "print/logic/print_device.h"

#include <algorithm>
#include <climits>

namespace ovix {

namespace {

constexpr int64_t kFewestLines = 10;
constexpr int64_t kMostLines = 200;
constexpr int64_t kWidestIndent = 40;

} // namespace

std::string listingHeading(std::string_view storeName, std::string_view title,
    const LocalTime &today, int page)
{
    std::string date = formatLocaleDate(today.year, today.month, today.day, "MMMM d yyyy");
    if (date.empty())
        date = cformat("%d/%d/%d", today.day, today.month, today.year);
    const std::string text = std::string(storeName) + " " + std::string(title) + date;
    return cformat("%s  Page: %d", text.c_str(), page);
}

void selectListingFont(PrintDevice &device, const ListingStyle &style)
{
    if (style.linesPerPage >= kFewestLines && style.linesPerPage <= kMostLines) {
        PrintFont font;
        font.kind = PrintFont::Kind::ArialHeight;
        font.height = static_cast<int>(device.printableHeight() / style.linesPerPage);
        if (font.height > 0 && device.selectFont(font)) {
            // The page is to take its lines per page: when the font's leading
            // would push the last ones off, a little smaller.
            const int64_t needed = int64_t(device.lineHeight()) * style.linesPerPage;
            if (needed > device.printableHeight()) {
                font.height = mulDiv(font.height, device.printableHeight(),
                    static_cast<int>(std::min<int64_t>(needed, INT_MAX)));
                if (font.height <= 0 || !device.selectFont(font)) {
                    font.height = static_cast<int>(device.printableHeight() / style.linesPerPage);
                    device.selectFont(font);
                }
            }
            return;
        }
    }
    device.selectFont(PrintFont {});
}

void printListing(PrintDevice &device, const Listing &listing, const ListingStyle &style,
    std::string_view storeName, const LocalTime &today)
{
    selectListingFont(device, style);
    const int lineHeight = std::max(device.lineHeight(), 1);
    const int pageHeight = device.printableHeight();
    const int charWidth = std::max(device.averageCharWidth(), 1);
    const int left = static_cast<int>(std::clamp<int64_t>(style.indent, 0, kWidestIndent))
        * charWidth;
    const int firstLine = 2 * lineHeight;

    int page = 1;
    int y = 0;
    const auto startPage = [&] {
        device.drawText(left, 0, listingHeading(storeName, listing.title, today, page),
            TextAlign::Left);
        if (!listing.columnLine.empty())
            device.drawText(left, lineHeight, listing.columnLine, TextAlign::Left);
        y = firstLine;
    };
    const auto fits = [&](size_t lines) {
        return int64_t(y) + int64_t(lines) * lineHeight <= pageHeight || y == firstLine;
    };
    const auto nextPage = [&] {
        if (!device.newPage())
            return false;
        ++page;
        startPage();
        return true;
    };
    const auto drawLine = [&](const ListingLine &line) {
        if (y + lineHeight <= pageHeight || y == firstLine) {
            for (const ListingCell &cell : line) {
                if (!cell.text.empty())
                    device.drawText(left + cell.column * charWidth, y, cell.text, TextAlign::Left);
            }
        }
        y += lineHeight;
    };

    startPage();
    for (const ListingEntry &entry : listing.entries) {
        if (!fits(entry.size()) && !nextPage())
            return;
        for (const ListingLine &line : entry)
            drawLine(line);
    }
    if (listing.closingLine) {
        if (!fits(1) && !nextPage())
            return;
        drawLine({ { 0, "  " } });
    }
}

} // namespace ovix
