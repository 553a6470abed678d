#include "accounts/logic/statement.h"

#include "accounts/logic/customer_terms.h"
#include "platform/c_format.h"
#include "platform/locale_text.h"
#include "platform/messages.h"
#include "print/logic/code39.h"
#include "print/logic/print_device.h"
#include "store/customer_record.h"
#include "store/fixed_text.h"
#include "store/store_heading.h"
#include "store/till_config.h"

#include <algorithm>
#include <array>
#include <cinttypes>

namespace ovix {

namespace {

// ", 30 days" and the like after the discount text, by period code; none for
// "No credit".
constexpr std::array<const char *, kCustomerBands> kStatementPeriods = { "", ", 10 days",
    ", 20 days", ", 30 days", ", 60 days", ", 90 days", ", 120 days", ", 180 days" };

// The statement's left margin inside the printable area: 15 mm.
constexpr int kStatementMargin = 1500;

void selectDocumentFont(PrintDevice &device, bool bold, Messages &messages)
{
    if (!device.selectFont({ PrintFont::Kind::Arial10, 0, bold }))
        reportProblem(messages, "Unable set font");
}

std::string dayText(const ArchiveDay &day, const char *fallback)
{
    std::string text = formatLocaleDate(day.year, day.month, day.day, "ddd d MMM yy");
    if (!text.empty())
        return text;
    return cformat(fallback, day.day, day.month, day.year);
}

} // namespace

std::string statementTermsLine(const TillConfig &config, int band)
{
    const int period = std::clamp(bandPeriodCode(config, band), 1, kCustomerBands);
    return std::string("Terms: ") + discountText(bandDiscountCode(config, band))
        + kStatementPeriods[static_cast<size_t>(period - 1)];
}

std::string statementCaption(const CustomerRecord &customer)
{
    return cformat("CUSTOMER: %" PRId64 "  %s", static_cast<int64_t>(customer.number),
        readText(customer.name).c_str());
}

void printStatement(PrintDevice &device, const StatementPrint &statement, Messages &messages)
{
    const int line = std::max(1, device.lineHeight());
    const int centre = device.printableWidth() / 2;
    const int left = std::min(kStatementMargin, device.printableWidth() / 10);
    const CustomerRecord &customer = statement.customer;
    int y = line;

    selectDocumentFont(device, true, messages);
    device.drawText(centre, y, "STATEMENT", TextAlign::Centre);
    y += 2 * line;
    selectDocumentFont(device, false, messages);
    for (HeadingLine which : { HeadingLine::SiteName, HeadingLine::Road, HeadingLine::Area,
             HeadingLine::County, HeadingLine::Postcode, HeadingLine::Telephone }) {
        const std::string text = statement.heading.line(which);
        if (!text.empty())
            device.drawText(centre, y, text, TextAlign::Centre);
        y += line;
    }
    y += line;

    const LocalTime &at = statement.printedAt;
    device.drawText(left, y,
        cformat("%02d:%02d  %s", at.hour, at.minute,
            archiveDayText({ at.year, at.month, at.day }).c_str()),
        TextAlign::Left);
    y += line;
    device.drawText(left, y, "Ref: " + statement.clerkName, TextAlign::Left);
    y += line;
    device.drawText(left, y,
        cformat("Customer ID: %" PRId64, static_cast<int64_t>(customer.number)), TextAlign::Left);
    y += 2 * line;
    const std::array<std::string, 5> address = { readText(customer.name), readText(customer.road),
        readText(customer.area), readText(customer.town), readText(customer.postcode) };
    for (const std::string &text : address) {
        if (!text.empty())
            device.drawText(left, y, text, TextAlign::Left);
        y += line;
    }
    y += line;
    device.drawText(left, y, statementTermsLine(statement.config, customerBand(customer)),
        TextAlign::Left);
    y += 2 * line;

    const std::vector<std::string> &lines = statement.lines;
    const size_t first = lines.size() > kPrintedStatementLines
        ? lines.size() - kPrintedStatementLines
        : 0;
    for (size_t i = first; i < lines.size(); ++i) {
        device.drawText(left, y, lines[i], TextAlign::Left);
        y += line;
    }

    // The account's number as a barcode at the foot of the page, for the
    // scanner when the customer brings the statement to the counter.
    const int barcodeTop = std::max(y + line, device.printableHeight() - kCode39BarHeight - line);
    drawNumberBarcode(device, barcodeTop, customer.number, messages);
}

std::string periodTitle(const ArchiveDay &start, const ArchiveDay &end)
{
    return "Period: " + dayText(start, "%2d/%2d/%d") + " to " + dayText(end, "%2d/%2d/%d");
}

std::vector<int> periodYears(const TillConfig &config, const LocalTime &today)
{
    std::vector<int> years;
    for (int year = archiveFirstDay(config, today).year; year <= std::max(today.year, 1980);
         ++year)
        years.push_back(year);
    return years;
}

void printActivityReport(PrintDevice &device, const std::string &customerName,
    const std::vector<std::string> &lines, Messages &messages)
{
    selectDocumentFont(device, false, messages);
    const int line = std::max(1, device.lineHeight());
    const int left = std::min(kStatementMargin, device.printableWidth() / 10);
    // The heading's line and at least one list line on every page.
    const size_t perPage
        = static_cast<size_t>(std::max(1, device.printableHeight() / line - 2));
    size_t next = 0;
    int page = 1;
    while (true) {
        device.drawText(left, 0,
            cformat("%s   Activity Report  Page: %d", customerName.c_str(), page),
            TextAlign::Left);
        int y = 2 * line;
        for (size_t i = 0; i < perPage && next < lines.size(); ++i, ++next) {
            device.drawText(left, y, lines[next], TextAlign::Left);
            y += line;
        }
        if (next >= lines.size() || !device.newPage())
            return;
        ++page;
    }
}

} // namespace ovix
