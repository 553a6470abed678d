#include "accounts/logic/mailmerge.h"

#include "accounts/logic/letter_lines.h"
#include "platform/c_format.h"
#include "platform/leading_number.h"
#include "print/logic/print_device.h"
#include "store/customer_record.h"
#include "store/fixed_text.h"
#include "store/shop.h"
#include "store/store_heading.h"

#include <array>
#include <cinttypes>

namespace ovix {

namespace {

constexpr std::array<const char *, 12> kMonthNames = { "Jan", "Feb", "Mar", "Apr", "May", "Jun",
    "Jul", "Aug", "Sep", "Oct", "Nov", "Dec" };

// "HH:MMDD/MM/YYYY": the year starts at the twelfth character.
constexpr size_t kStampYearAt = 11;

// The line is too wide: break it at its last space (not a leading one), or
// else before its last character, and keep the rest as the next line's start.
void breakLine(std::string &line, std::vector<std::string> &lines)
{
    const size_t space = line.rfind(' ');
    if (space != std::string::npos && space > 0) {
        lines.push_back(line.substr(0, space));
        line.erase(0, space + 1);
    } else {
        lines.push_back(line.substr(0, line.size() - 1));
        line.erase(0, line.size() - 1);
    }
}

} // namespace

MailmergeRange mailmergePresets(const Shop &shop)
{
    MailmergeRange range { 1, 1 };
    const std::vector<IndexEntry> &entries = shop.customers.index().entries();
    for (const IndexEntry &entry : entries) {
        if (entry.number > 0) {
            range.start = entry.number;
            range.end = entries.back().number;
            break;
        }
    }
    return range;
}

std::optional<MailmergeRange> mailmergeRange(std::string_view start, std::string_view end)
{
    const MailmergeRange range { parseLeadingNumber(start).value, parseLeadingNumber(end).value };
    if (range.start <= 0 || range.end < range.start)
        return std::nullopt;
    return range;
}

bool mailmergeTakes(MailmergeSelection selection, const CustomerRecord &customer, int thisYear)
{
    switch (selection) {
    case MailmergeSelection::All:
        return true;
    case MailmergeSelection::OweMoney:
        return moneyCents(customer.balance) > 0;
    case MailmergeSelection::NotActiveThisYear: {
        const std::string stamp = readText(customer.customer_last_used);
        if (stamp.size() <= kStampYearAt)
            return true;
        return parseLeadingNumber(std::string_view(stamp).substr(kStampYearAt)).value != thisYear;
    }
    }
    return false;
}

std::optional<std::vector<CustomerRecord>> mailmergeCustomers(const Shop &shop,
    MailmergeRange range, MailmergeSelection selection, int thisYear, Messages &messages)
{
    const RecordIndex &index = shop.customers.index();
    const RecordIndex::Range positions = index.range(range.start, range.end);
    std::vector<CustomerRecord> customers;
    for (size_t position = positions.first; position < positions.last; ++position) {
        CustomerRecord customer {};
        if (!shop.customers.readRecord(index[position].slot, customer, messages))
            return std::nullopt;
        if (mailmergeTakes(selection, customer, thisYear))
            customers.push_back(customer);
    }
    return customers;
}

std::vector<std::string> mailmergeLines(std::string_view text, const PrintDevice &device)
{
    const int width = device.printableWidth();
    std::vector<std::string> lines;
    std::string line;
    for (size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
            if (c == '\r' && at + 1 < text.size() && text[at + 1] == '\n')
                ++at;
            continue;
        }
        line += c;
        while (line.size() > 1 && device.textWidth(line) > width)
            breakLine(line, lines);
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

std::string mailmergeDate(const LocalTime &today)
{
    const char *month = today.month >= 1 && today.month <= 12
        ? kMonthNames[static_cast<size_t>(today.month - 1)]
        : "";
    return cformat("%d %s %d", today.day, month, today.year);
}

void printMailmergeLetter(
    PrintDevice &device, const MailmergePrint &print, const CustomerRecord &customer)
{
    device.selectFont(PrintFont(PrintFont::Kind::PrinterDefault));
    LetterLines lines(device);
    lines.moveTo(2);
    for (HeadingLine which : { HeadingLine::SiteName, HeadingLine::Road, HeadingLine::Area,
             HeadingLine::County, HeadingLine::Postcode, HeadingLine::Telephone }) {
        lines.centred(print.heading.line(which));
        lines.down(1);
    }
    lines.down(3);
    lines.left(cformat("%s %s %s", readText(customer.salutation).c_str(),
        readText(customer.first_name).c_str(), readText(customer.name).c_str()));
    lines.down(1);
    for (const std::string &text : { readText(customer.road), readText(customer.area),
             readText(customer.town), readText(customer.postcode) }) {
        if (text.empty())
            continue;
        lines.left(text);
        lines.down(1);
    }
    lines.right(mailmergeDate(print.today));
    lines.down(4);
    lines.left(cformat("Dear Sir / Madam,           Customer number: %" PRId64,
        static_cast<int64_t>(customer.number)));
    lines.down(2);
    for (const std::string &text : mailmergeLines(print.text, device)) {
        lines.left(text);
        lines.down(1);
    }
    lines.down(1);
    lines.left("Yours sincerely,");
    lines.down(6);
    lines.left("-------------------");
    lines.down(1);
    lines.left("Manager");
}

void printMailmerge(PrintDevice &device, const MailmergePrint &print,
    const std::vector<CustomerRecord> &customers)
{
    for (size_t i = 0; i < customers.size(); ++i) {
        if (i > 0 && !device.newPage())
            return;
        printMailmergeLetter(device, print, customers[i]);
    }
}

} // namespace ovix
