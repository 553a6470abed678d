#include "reports/widgets/mail_report_commands.h"

#include "platform/clock.h"
#include "reports/logic/items_csv_export.h"
#include "reports/logic/mail_reports.h"
#include "sales/widgets/mail_start.h"
#include "store/shop.h"

namespace ovix {

void emailDailyReport(TillWindow &window, const Shop &shop, Messages &messages)
{
    startMail(window, shop.dir, messages, [&shop](const MailSettings &settings) {
        return std::optional<OutgoingMail>(OutgoingMail{settings.sender, settings.target,
            dailyReportMailText(
                shop.config, shop.heading, settings.sender, settings.target, localNow())});
    });
}

void emailDailyItems(TillWindow &window, const Shop &shop, Messages &messages)
{
    startMail(window, shop.dir, messages,
        [&shop, &messages](const MailSettings &settings) -> std::optional<OutgoingMail> {
            const LocalTime now = localNow();
            const std::optional<std::string> csv = writeTodaysItemsCsv(shop.dir, now, messages);
            if (!csv)
                return std::nullopt;
            return OutgoingMail{settings.sender, settings.target,
                dailyItemsMailText(
                    shop.config, shop.heading, settings.sender, settings.target, now, *csv)};
        });
}

} // namespace ovix
