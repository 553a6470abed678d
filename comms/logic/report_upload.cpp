#include "comms/logic/report_upload.h"

#include "comms/logic/ftp_upload.h"
#include "comms/logic/upload_config.h"
#include "platform/c_format.h"
#include "platform/cp1252.h"
#include "platform/data_dir.h"
#include "platform/file.h"

namespace ovix {

namespace {

ReportUploadMessage problem(std::string text)
{
    return { std::move(text), "Problem", MessageKind::Warning };
}

} // namespace

ReportUploadMessage uploadReportFiles(const UploadConfig &config, const DataDir &dir,
    const std::vector<std::string> &names, const std::atomic<bool> &stop)
{
    bool anySent = false;
    bool anyFailed = false;
    for (const std::string &name : names) {
        if (stop.load()) {
            anyFailed = true;
            break;
        }
        FtpJob job;
        job.server = toUtf8(config.server());
        job.userName = toUtf8(config.userName());
        job.password = toUtf8(config.password());
        job.remoteName = toUtf8(name);
        job.activeMode = true;
        job.file = File::open(dir.path(toUtf8(name)), File::Mode::Read);
        if (!job.file.isOpen() && !job.server.empty()) {
            anyFailed = true;
            continue;
        }
        const FtpResult result = uploadByFtp(job, stop);
        switch (result.outcome) {
        case UploadOutcome::NoInternet:
            return problem(cformat("InternetOpen error %ld", result.code));
        case UploadOutcome::NoServer:
            return problem("Please specify the FTP server in the configuration");
        case UploadOutcome::ConnectFailed:
            if (!anySent && !stop.load())
                return problem("Internet ftp connect error");
            anyFailed = true;
            break;
        case UploadOutcome::Complete:
            anySent = true;
            break;
        case UploadOutcome::FolderFailed:
        case UploadOutcome::TransferFailed:
            anyFailed = true;
            break;
        }
    }
    if (anyFailed)
        return { "Transfer failed", "Transmission", MessageKind::Warning };
    return { "Transfer complete", "Transmission", MessageKind::Information };
}

} // namespace ovix
