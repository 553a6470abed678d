#include "accounts/logic/customer_details.h"

#include "accounts/logic/customer_terms.h"
#include "accounts/logic/customer_view.h"
#include "platform/c_format.h"
#include "platform/messages.h"
#include "print/logic/print_device.h"
#include "store/customer_record.h"
#include "store/fixed_text.h"

#include <cinttypes>
#include <string>

namespace ovix {

namespace {

class Sheet {
public:
    explicit Sheet(PrintDevice &device)
        : device_(device)
        , line_(device.lineHeight())
    {
    }
    // The next text line, at the left edge.
    void text(const std::string &text)
    {
        ++row_;
        device_.drawText(0, row_ * line_, text, TextAlign::Left);
    }
    // A rule across the page from x = 10 on a line of its own, half a line
    // down it, clear of the texts above and below.
    void rule()
    {
        ++row_;
        device_.fillRect(10, row_ * line_ + line_ / 2, device_.printableWidth() - 10,
            kCustomerSheetRule);
    }
    void skipTo(int row)
    {
        row_ = row;
    }

private:
    PrintDevice &device_;
    int line_;
    int row_ = 0;
};

std::string money(float amount)
{
    return cformat("%.2f", static_cast<double>(amount));
}

} // namespace

void printCustomerDetails(PrintDevice &device, const CustomerRecord &customer,
    const TillConfig &config, Messages &messages)
{
    // Characters a fortieth of the printable height; when the printer's
    // leading would push the last line off the page, a little smaller.
    PrintFont font;
    font.kind = PrintFont::Kind::ArialHeight;
    font.height = device.printableHeight() / 40;
    if (!device.selectFont(font))
        reportProblem(messages, "The printer has no font for the customer details.");
    const int needed = device.lineHeight() * (kCustomerSheetLines + 1);
    if (needed > device.printableHeight() && needed > 0) {
        font.height = mulDiv(font.height, device.printableHeight(), needed);
        device.selectFont(font);
    }

    Sheet sheet(device);
    sheet.skipTo(3);
    sheet.rule();
    sheet.text(cformat("Customer: %" PRId64, +customer.number));
    sheet.text(readText(customer.name));
    sheet.rule();
    sheet.text("Billing");
    sheet.text(readText(customer.road));
    sheet.text(readText(customer.area));
    sheet.text(readText(customer.town));
    sheet.text(readText(customer.postcode));
    sheet.text("Shipping");
    sheet.text(readText(customer.shipping_address_1));
    sheet.text(readText(customer.shipping_address_2));
    sheet.text(readText(customer.shipping_address_3));
    sheet.text(readText(customer.shipping_address_4));
    sheet.text(readText(customer.shipping_address_5));
    sheet.rule();
    sheet.text(cformat("Tel. %s ext. %s", readText(customer.telephone).c_str(),
        readText(customer.telephone_extension).c_str()));
    sheet.text("Email: " + readText(customer.email));
    sheet.text("Fax: " + readText(customer.fax));
    sheet.text("Contact: " + readText(customer.contact));
    sheet.rule();
    sheet.text(cformat("Tax code: %" PRId64, +customer.tax));
    sheet.text("Comment 1: " + readText(customer.comment));
    sheet.text("Comment 2: " + readText(customer.comment2));
    sheet.text("Credit card 1: " + readText(customer.credit_card));
    sheet.text("Expiry: " + readText(customer.credit_card_expiry));
    sheet.text("Credit card 2: " + readText(customer.credit_card_2));
    sheet.text("Expiry: " + readText(customer.credit_card_2_expiry));
    sheet.text(cformat("Transactions: %d", +customer.transactions));
    sheet.text("Origination: " + readText(customer.origination));
    sheet.text("Credit limit: " + money(customer.credit_limit));
    sheet.text("Balance: " + money(customer.balance));
    sheet.text("Total purchases: " + money(customer.total_purchases));
    sheet.text(cformat("Group: %d", +customer.group));
    const std::string lastUsed = readText(customer.customer_last_used);
    sheet.text("Last used: " + (lastUsed == "NEW" ? std::string() : shownStamp(lastUsed)));
    sheet.text("Last payment: " + shownStamp(readText(customer.last_payment)));
    sheet.text("Terms: " + bandText(config, customerBand(customer)));
    sheet.rule();
}

} // namespace ovix
