#include "accounts/logic/debtor_mail.h"

#include "accounts/logic/customer_form.h"
#include "accounts/logic/customer_maintenance.h"
#include "comms/logic/mail_text.h"
#include "platform/c_format.h"
#include "platform/messages.h"
#include "store/fixed_text.h"
#include "store/shop.h"

namespace ovix {

std::string debtorMailText(const StoreHeading &heading, std::string_view from,
    std::string_view customerEmail, int64_t customerNumber, double balance, const LocalTime &now)
{
    return mailHeader(from, customerEmail, "Overdue balance") + mailHeadingLines(heading)
        + "Overdue reminder: " + mailTimeAndDate(now) + "\r\n\r\n"
        + cformat("Dear Sir / Madam,  Customer reference: %lld\r\n",
            static_cast<long long>(customerNumber))
        + "According to our records the following balance is overdue:\r\n\r\n"
        + cformat("%.2f\r\n", balance) + "\r\nPlease remit at your earliest convenience. Thank you.";
}

std::optional<OutgoingMail> debtorMail(const Shop &shop, const MailSettings &settings,
    int64_t number, const LocalTime &now, Messages &messages)
{
    const std::optional<CustomerRecord> customer = readCustomer(shop, number, messages);
    if (!customer)
        return std::nullopt;
    const std::string email = readText(customer->email);
    if (email.empty()) {
        reportProblem(messages, "No email address");
        return std::nullopt;
    }
    if (holdsControlCharacter(email)) {
        reportProblem(messages, kEmailControlProblem);
        return std::nullopt;
    }
    OutgoingMail mail;
    mail.from = settings.sender;
    mail.to = email;
    mail.text = debtorMailText(shop.heading, settings.sender, email, customer->number,
        static_cast<double>(customer->balance), now);
    return mail;
}

} // namespace ovix
