#include "sync/logic/publish_log.h"

#include "platform/clock.h"
#include "platform/cp1252.h"
#include "platform/locale_text.h"

namespace ovix {

void PublishLog::addLocked(const QString &line)
{
    QString kept = line.left(kMaxLineLength);
    if (kept.size() < line.size() && !kept.isEmpty() && kept.back().isHighSurrogate())
        kept.chop(1);
    kept.replace(u'\r', u' ');
    kept.replace(u'\n', u' ');
    if (lines_.size() >= kMaxLines)
        lines_.removeFirst();
    lines_.append(kept);
}

void PublishLog::add(const QString &line)
{
    {
        std::lock_guard lock(mutex_);
        addLocked(line);
    }
    notify();
}

void PublishLog::add(std::initializer_list<QString> lines)
{
    {
        std::lock_guard lock(mutex_);
        for (const QString &line : lines)
            addLocked(line);
    }
    notify();
}

QStringList PublishLog::lines() const
{
    std::lock_guard lock(mutex_);
    return lines_;
}

void PublishLog::setListener(std::function<void()> listener)
{
    std::lock_guard lock(mutex_);
    listener_ = std::move(listener);
}

void PublishLog::notify()
{
    std::function<void()> listener;
    {
        std::lock_guard lock(mutex_);
        listener = listener_;
    }
    if (listener)
        listener();
}

QString blankLogLine()
{
    return QStringLiteral("  ");
}

QString timeLine()
{
    const LocalTime now = localNow();
    return QString::asprintf("%d:%02d ", now.hour, now.minute)
        + toQString(formatLocaleDate(now.year, now.month, now.day, "ddd MMM d yyyy"));
}

UploadOutcome uploadAndLog(FtpJob &job, PublishLog &log, const std::atomic<bool> &stop)
{
    const FtpResult result = uploadByFtp(job, stop);
    const QString blank = blankLogLine();
    switch (result.outcome) {
    case UploadOutcome::NoInternet:
        log.add({ timeLine(), QString::asprintf("InternetOpen error %ld", result.code), blank });
        break;
    case UploadOutcome::NoServer:
        log.add({ timeLine(), QStringLiteral("Please specify the FTP server in the configuration."),
            blank });
        break;
    case UploadOutcome::ConnectFailed:
        log.add({ timeLine(), QString::asprintf("Internet ftp connect error %ld", result.code),
            blank });
        break;
    case UploadOutcome::FolderFailed:
        log.add({ QStringLiteral("Unable to set directory to ")
                + QString::fromUtf8(job.remoteFolder.data(),
                    static_cast<qsizetype>(job.remoteFolder.size())),
            QString::asprintf("Reported error %ld", result.code), blank });
        break;
    case UploadOutcome::TransferFailed:
        log.add({ timeLine(), QStringLiteral("Transfer failed."), blank });
        break;
    case UploadOutcome::Complete:
        log.add({ timeLine(), QStringLiteral("Transfer complete."), blank });
        break;
    }
    return result.outcome;
}

} // namespace ovix
