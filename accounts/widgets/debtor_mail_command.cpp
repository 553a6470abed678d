#include "accounts/widgets/debtor_mail_command.h"

#include "accounts/logic/customer_find.h"
#include "accounts/logic/debtor_mail.h"
#include "accounts/widgets/customer_maintenance_dialogs.h"
#include "platform/clock.h"
#include "sales/widgets/mail_start.h"
#include "sales/widgets/till_window.h"
#include "store/shop.h"

namespace ovix {

void runDebtorEmail(TillWindow &window, const Shop &shop, Messages &messages)
{
    startMail(window, shop.dir, messages,
        [&window, &shop, &messages](const MailSettings &settings) -> std::optional<OutgoingMail> {
            const FoundCustomer found = lookUpCustomer(shop, "Please enter the customer", false,
                messages, customerScreens(window.widget(), shop, messages));
            if (found.number <= 0)
                return std::nullopt;
            return debtorMail(shop, settings, found.number, localNow(), messages);
        });
}

} // namespace ovix
