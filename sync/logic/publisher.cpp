#include "sync/logic/publisher.h"

#include "comms/logic/ftp_upload.h"
#include "sync/logic/item_file_copy.h"
#include "sync/logic/publish_log.h"
#include "sync/logic/stock_conversion.h"
#include "sync/logic/stock_formatter.h"
#include "sync/logic/sync_config.h"
#include "sync/logic/upload_name.h"

#include <QByteArray>
#include <QFileInfo>

namespace ovix {

namespace {

std::string utf8(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

// Where the produced file is, for the log, as a whole path: a path too long
// for a log line keeps its end, where the file's name is.
QString producedFileLine(const std::string &path)
{
    const QString whole = QFileInfo(QString::fromStdString(path)).absoluteFilePath();
    QString line = QStringLiteral("File: ") + whole;
    if (line.size() <= PublishLog::kMaxLineLength)
        return line;
    return QStringLiteral("File: ...") + line.right(PublishLog::kMaxLineLength - 9);
}

} // namespace

Publisher::Publisher(DataDir dir, PublishLog &log)
    : dir_(std::move(dir))
    , log_(log)
{
}

Publisher::~Publisher()
{
    finish();
}

Publisher::Result Publisher::runCycle(const SyncConfig &config)
{
    joinFinished();
    const bool localOnly = config.localFileOnly();
    if (!localOnly)
        log_.add(QStringLiteral("Upload initiated."));

    if (!copyItemFile(dir_)) {
        log_.add(QStringLiteral("Unable to locate or copy the OVIX inventory file"));
        return Result::CopyFailed;
    }

    const QString name = config.uploadFileName();
    bool converted = false;
    std::string localPath;
    if (!isUsableUploadName(name)) {
        log_.add({ QStringLiteral("Upload filename not usable: ") + name, timeLine(),
            QStringLiteral("Unable to produce upload file"), QStringLiteral("    ") });
    } else {
        localPath = dir_.path(utf8(name));
        converted = convertStockFile(
            dir_.path(kItemCopyFileName), localPath, StockFormatter(config), log_);
    }
    if (!converted) {
        log_.add(QStringLiteral("Unable to convert inventory file for upload"));
        return Result::ConversionFailed;
    }

    if (localOnly) {
        log_.add({ QStringLiteral("Local file produced."), producedFileLine(localPath) });
        return Result::LocalFileProduced;
    }
    startUpload(config, localPath);
    return Result::UploadStarted;
}

void Publisher::startUpload(const SyncConfig &config, const std::string &localPath)
{
    FtpJob job;
    job.server = utf8(config.text(ConfigText::FtpServer));
    job.userName = utf8(config.text(ConfigText::FtpUserName));
    job.password = utf8(config.text(ConfigText::FtpPassword));
    job.remoteFolder = utf8(config.text(ConfigText::RemoteFolder));
    job.remoteName = utf8(config.uploadFileName());
    // Opened here, so that the thread sends this cycle's file even when the
    // next cycle has put a newer one in its place.
    job.file = File::open(localPath, File::Mode::Read);
    if (!job.file.isOpen()) {
        log_.add({ timeLine(), QStringLiteral("Transfer failed."), blankLogLine() });
        return;
    }

    auto done = std::make_shared<std::atomic<bool>>(false);
    PublishLog *log = &log_;
    const std::atomic<bool> *stop = &stop_;
    std::thread thread([job = std::move(job), log, stop, done]() mutable {
        uploadAndLog(job, *log, *stop);
        job.file.close();
        done->store(true);
    });
    uploads_.push_back(Upload { std::move(thread), std::move(done) });
}

void Publisher::joinFinished()
{
    for (auto it = uploads_.begin(); it != uploads_.end();) {
        if (it->done->load()) {
            it->thread.join();
            it = uploads_.erase(it);
        } else {
            ++it;
        }
    }
}

int Publisher::uploadsRunning() const
{
    return static_cast<int>(uploads_.size());
}

void Publisher::waitForUploads()
{
    for (Upload &upload : uploads_)
        upload.thread.join();
    uploads_.clear();
}

void Publisher::finish()
{
    stop_.store(true);
    waitForUploads();
    stop_.store(false);
}

} // namespace ovix
