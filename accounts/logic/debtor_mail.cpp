#include "accounts/logic/debtor_mail.h"

#include "comms/logic/mail_text.h"
#include "platform/c_format.h"

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

} // namespace ovix
