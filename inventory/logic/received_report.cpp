#include "inventory/logic/received_report.h"

#include "inventory/logic/received_log.h"
#include "platform/c_format.h"
#include "platform/cp1252.h"
#include "platform/locale_text.h"
#include "platform/messages.h"
#include "platform/scripted_messages.h"
#include "print/logic/print_device.h"
#include "store/fixed_text.h"
#include "store/shop.h"

#include <algorithm>
#include <cinttypes>

namespace ovix {

namespace {

// The day in the short form, or `fallback` (day, month, year) when it is no
// date the locale can show.
std::string shortDay(const CalendarDay &day, const char *fallback)
{
    std::string text;
    if (isRealDay(day) && day.year >= 1980)
        text = formatLocaleDate(day.year, day.month, day.day, "ddd d MMM yy");
    if (text.empty())
        text = cformat(fallback, day.day, day.month, day.year);
    return text;
}

std::string descriptionOf(const Shop &shop, int64_t number)
{
    if (number <= 0)
        return {};
    const std::optional<int64_t> slot = shop.items.slotOf(number);
    if (!slot)
        return {};
    ItemRecord item {};
    ScriptedMessages quiet;
    if (!shop.items.readRecord(*slot, item, quiet))
        return {};
    return readText(item.description);
}

} // namespace

bool checkReceivedPeriod(const CalendarDay &start, const CalendarDay &end, Messages &messages)
{
    for (const CalendarDay &day : { start, end }) {
        if (day.day < 1 || day.day > 31 || day.month < 1 || day.month > 12 || day.year < 2000
            || day.year > 4000)
            return false;
    }
    if (daysFrom(start, end).empty()) {
        reportProblem(messages, "Invalid selection");
        return false;
    }
    return true;
}

std::string receivedReportTitle(const CalendarDay &start, const CalendarDay &end)
{
    return toUtf8("Inventory received: " + shortDay(start, "%2d/%2d/%d") + " to "
        + shortDay(end, "%2d/%2d/%d"));
}

std::vector<std::string> receivedReportLines(
    const Shop &shop, const CalendarDay &start, const CalendarDay &end)
{
    std::vector<std::string> lines;
    for (const CalendarDay &day : daysFrom(start, end)) {
        const std::optional<std::vector<ReceivedEntry>> entries
            = readReceivedEntries(shop.dir, day);
        if (!entries || entries->empty())
            continue;
        const std::string date = shortDay(day, "%d/%d/%d");
        for (const ReceivedEntry &entry : *entries) {
            lines.push_back(cformat("%s         %" PRId64 " %s        Quantity: %" PRId64,
                date.c_str(), entry.itemNumber, descriptionOf(shop, entry.itemNumber).c_str(),
                entry.quantity));
        }
    }
    return lines;
}

void printReceivedReport(PrintDevice &device, const std::string &storeName,
    const std::vector<std::string> &lines, Messages &)
{
    device.selectFont({ PrintFont::Kind::Arial10, 0, false });
    const int step = std::max(1, device.lineHeight()) + 2;
    const int height = device.printableHeight();
    // The heading, a blank line, then list lines while they fit; at least one
    // list line a page, so that every page moves the list on.
    const auto fits = [&](int row) { return row <= 2 || step * (row + 1) <= height; };
    size_t next = 0;
    int page = 1;
    while (true) {
        device.drawText(0, 0, cformat("%s Inventory received, page: %d", storeName.c_str(), page),
            TextAlign::Left);
        for (int row = 2; next < lines.size() && fits(row); ++row, ++next)
            device.drawText(0, step * row, lines[next], TextAlign::Left);
        if (next >= lines.size() || !device.newPage())
            return;
        ++page;
    }
}

PrintRequest receivedReportPrintRequest(const Shop &shop)
{
    return previewedPrintRequest(shop.config, shop.dir, "received");
}

} // namespace ovix
