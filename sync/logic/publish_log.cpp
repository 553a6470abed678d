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

} // namespace ovix
