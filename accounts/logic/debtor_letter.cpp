#include "accounts/logic/debtor_letter.h"

#include "accounts/logic/letter_lines.h"

#include "platform/c_format.h"
#include "platform/locale_text.h"
#include "platform/messages.h"
#include "print/logic/print_device.h"
#include "store/customer_record.h"
#include "store/fixed_text.h"
#include "store/shop.h"
#include "store/store_heading.h"

#include <algorithm>
#include <array>
#include <cinttypes>
#include <optional>

namespace ovix {

namespace {

constexpr std::array<HeadingLine, 6> kLetterHeadingLines = { HeadingLine::SiteName,
    HeadingLine::Road, HeadingLine::Area, HeadingLine::County, HeadingLine::Postcode,
    HeadingLine::Telephone };

// The logo at the top left and the heading beside it, or the heading centred.
void drawLetterHeading(PrintDevice &device, const StoreHeading &heading, const std::string &logo)
{
    const int halfWidth = device.printableWidth() / 2;
    bool withLogo = false;
    if (!logo.empty()) {
        const std::optional<PrintImageSize> size = device.imageSize(logo);
        if (size && size->width > 0 && size->height > 0) {
            const int width = halfWidth / 2;
            const int height = mulDiv(width, size->height, size->width);
            withLogo = height > 0 && device.drawImage(logo, 10, 10, width, height);
        }
    }
    LetterLines lines(device);
    for (HeadingLine which : kLetterHeadingLines) {
        const std::string text = heading.line(which);
        if (withLogo)
            lines.at(halfWidth / 2 + 30, text);
        else
            lines.centred(text);
        lines.down(1);
    }
}

} // namespace

bool owesForDebtorLetter(const CustomerRecord &customer, Messages &messages)
{
    if (moneyCents(customer.balance) > 0)
        return true;
    reportProblem(messages, "No amount is outstanding");
    return false;
}

std::string debtorLetterDate(const LocalTime &today)
{
    std::string shown = formatLocaleDate(today.year, today.month, today.day, "MMM d yyyy");
    if (!shown.empty())
        return shown;
    return cformat("%d/%d/%d", today.day, today.month, today.year);
}

void printDebtorLetter(PrintDevice &device, DebtorLetter letter, const DebtorLetterPrint &print)
{
    device.selectFont(PrintFont(PrintFont::Kind::PrinterDefault));
    drawLetterHeading(device, print.heading, print.logo);

    const CustomerRecord &customer = print.customer;
    LetterLines lines(device);
    lines.moveTo(12);
    lines.left(readText(customer.name));
    lines.down(1);
    for (const std::string &text : { readText(customer.road), readText(customer.area),
             readText(customer.town), readText(customer.postcode) }) {
        if (text.empty())
            continue;
        lines.left(text);
        lines.down(1);
    }
    lines.down(4);
    lines.right(debtorLetterDate(print.today));
    lines.down(6);
    if (letter == DebtorLetter::Final) {
        lines.centred("FINAL NOTICE");
        lines.down(2);
    }
    lines.left("Dear Sir / Madam,");
    lines.centred(cformat("Customer reference: %" PRId64, static_cast<int64_t>(customer.number)));
    lines.down(2);

    const double balance = static_cast<double>(customer.balance);
    const bool first = letter == DebtorLetter::First;
    lines.left(first ? "According to our records the following amount is"
                     : "Despite our previous reminder(s) the following amount");
    lines.down(1);
    lines.left(cformat(first ? "now overdue: %.2f" : "is still overdue: %.2f", balance));
    lines.down(3);
    lines.left(first ? "Please remit at your earliest convenience. Thank you."
                     : "Please remit the amount by return.");
    lines.down(1);
    lines.left(first ? "If payment has been made in the last few days please disregard this letter."
                     : "Please note that delay may incur further costs.");
    lines.down(3);
    lines.left("Yours sincerely,");
    lines.down(6);
    lines.left("---------------------");
    lines.down(1);
    lines.left("Manager");
}

PrintRequest letterPrintRequest(const Shop &shop, const char *kind)
{
    return previewedPrintRequest(shop.config, shop.dir, kind);
}

} // namespace ovix
