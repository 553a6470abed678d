#include "sales/widgets/mail_setup.h"

#include "platform/messages.h"
#include "sales/widgets/mail_setup_dialog.h"

namespace ovix {

namespace {

constexpr const char *kUnreadable = "Unable to read WRMAIL.CFG";

std::optional<MailSettings> showDialog(QWidget *parent, const DataDir &dir,
    const MailSettings &shown, Messages &messages)
{
    MailSetupDialog dialog(shown,
        [&dir, &messages](const MailSettings &settings) {
            return storeMailSettings(dir, settings, messages);
        },
        parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.settings();
}

} // namespace

std::optional<MailSettings> editMailSettings(QWidget *parent, const DataDir &dir,
    Messages &messages)
{
    const LoadedMailSettings loaded = loadMailSettings(dir);
    if (loaded.status == MailSettingsLoad::Unreadable) {
        reportProblem(messages, kUnreadable);
        return std::nullopt;
    }
    return showDialog(parent, dir, loaded.settings, messages);
}

std::optional<MailSettings> mailSettingsForSending(QWidget *parent, const DataDir &dir,
    Messages &messages)
{
    const LoadedMailSettings loaded = loadMailSettings(dir);
    switch (loaded.status) {
    case MailSettingsLoad::Loaded:
        return loaded.settings;
    case MailSettingsLoad::Unreadable:
        reportProblem(messages, kUnreadable);
        return std::nullopt;
    case MailSettingsLoad::Missing:
        break;
    }
    return showDialog(parent, dir, loaded.settings, messages);
}

} // namespace ovix
