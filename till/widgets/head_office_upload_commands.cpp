#include "till/widgets/head_office_upload_commands.h"

#include "comms/logic/report_upload.h"
#include "comms/logic/upload_config.h"
#include "platform/background_jobs.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "reports/logic/head_office_files.h"
#include "sales/logic/till_state.h"
#include "sales/widgets/till_window.h"
#include "till/logic/clerks.h"
#include "till/widgets/upload_config_dialog.h"

#include <QPointer>
#include <QWidget>

#include <memory>

namespace ovix {

namespace {

constexpr const char *kUploadingCaption = "Upload in progress";

// The window's title while uploads run; shared by the jobs, touched only on
// the window's thread.
struct UploadTitle {
    QPointer<QWidget> window;
    int running = 0;

    void begin()
    {
        if (++running == 1 && window)
            window->setWindowTitle(QString::fromUtf8(kUploadingCaption));
    }
    // Puts the clerk's caption back when the last upload ends, unless the
    // title has changed meanwhile (a log-off).
    void end(const TillState &state)
    {
        if (--running == 0 && window
            && window->windowTitle() == QString::fromUtf8(kUploadingCaption))
            window->setWindowTitle(QString::fromUtf8(clerkCaption(state)));
    }
};

void uploadHeadOfficeReports(TillWindow &window, TillState &state, Messages &messages,
    const std::shared_ptr<UploadTitle> &title)
{
    std::optional<UploadConfig> upload = readUploadConfig(state.dir);
    if (!upload) {
        upload.emplace();
        if (!runUploadConfig(window.widget(), state, *upload, messages))
            return;
    }
    const std::optional<std::vector<std::string>> files
        = writeHeadOfficeFiles(state, *upload, messages, localNow());
    if (!files)
        return;

    title->begin();
    const bool started = window.backgroundJobs().start(
        [settings = *upload, dir = state.dir, names = *files, title, &state, &messages](
            JobContext &job) {
            const ReportUploadMessage told
                = uploadReportFiles(settings, dir, names, job.stopFlag());
            job.post([told, title, &state, &messages] {
                title->end(state);
                if (told.kind == MessageKind::Warning && told.caption == "Problem")
                    reportProblem(messages, told.text);
                else
                    messages.show(told.text, told.caption, told.kind);
            });
        });
    if (!started) {
        title->end(state);
        reportProblem(messages, "Unable to start thread");
    }
}

} // namespace

void connectHeadOfficeUploadCommands(TillWindow &window, TillState &state, Messages &messages)
{
    auto title = std::make_shared<UploadTitle>();
    title->window = window.widget();
    window.registerCommand(Command::HeadOfficeReportSetup, [&window, &state, &messages] {
        UploadConfig upload = readUploadConfig(state.dir).value_or(UploadConfig());
        runUploadConfig(window.widget(), state, upload, messages);
    });
    window.registerCommand(Command::UploadHeadOfficeReport, [&window, &state, &messages, title] {
        uploadHeadOfficeReports(window, state, messages, title);
    });
}

} // namespace ovix
