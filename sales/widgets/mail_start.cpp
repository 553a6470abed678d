#include "sales/widgets/mail_start.h"

#include "platform/background_jobs.h"
#include "platform/messages.h"
#include "sales/widgets/mail_setup.h"
#include "sales/widgets/till_window.h"

namespace ovix {

bool startMail(TillWindow &window, const DataDir &dir, Messages &messages,
    const MailComposer &compose)
{
    const std::optional<MailSettings> settings
        = mailSettingsForSending(window.widget(), dir, messages);
    if (!settings)
        return false;
    std::optional<OutgoingMail> mail = compose(*settings);
    if (!mail)
        return false;
    Messages *told = &messages;
    const bool started = window.backgroundJobs().start(
        [server = mailServerOf(*settings), mail = std::move(*mail), told](JobContext &job) {
            const MailResult result = sendMail(server, mail, job.stopFlag());
            if (result.outcome == MailOutcome::Stopped)
                return; // the till is ending: nobody to tell
            const MailNotice notice = mailNotice(result);
            job.post([notice, told, sent = result.outcome == MailOutcome::Sent] {
                if (sent)
                    reportInfo(*told, notice.text, notice.caption);
                else
                    reportProblem(*told, notice.text, notice.caption);
            });
        });
    if (!started)
        reportProblem(messages, "Unable to start thread");
    return started;
}

} // namespace ovix
