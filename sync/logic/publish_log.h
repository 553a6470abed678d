#pragma once
// The lines of the publisher's log pane. The window thread and every upload
// thread append to it; each append (a single line or a group kept together)
// happens whole, under one lock. The window learns of new lines through the
// listener and reads them on its own thread.

#include "comms/logic/ftp_upload.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <initializer_list>
#include <mutex>

namespace ovix {

class PublishLog {
public:
    static constexpr int kMaxLines = 99;
    static constexpr int kMaxLineLength = 199;

    // Appends a line: carriage returns and line feeds become spaces, and only
    // its first 199 characters are kept. When 99 lines are held the oldest
    // is dropped.
    void add(const QString &line);
    // Appends several lines with no line of another thread between them.
    void add(std::initializer_list<QString> lines);

    // A copy of the lines held, oldest first.
    QStringList lines() const;

    // Called after every append, on the thread that appended, outside the
    // lock; it must not block. An empty function removes the listener. Set it
    // while no upload is running, and remove it before its target goes away.
    void setListener(std::function<void()> listener);

private:
    void addLocked(const QString &line);
    void notify();

    mutable std::mutex mutex_;
    QStringList lines_;
    std::function<void()> listener_;
};

// The blank line of the log: two spaces.
QString blankLogLine();

// "%d:%02d " (hour without a leading zero, minute) and the local date as
// "ddd MMM d yyyy", from the clock of platform/clock.h.
QString timeLine();

// Uploads the job (uploadByFtp) and logs the outcome with its lines and a
// blank line: "Transfer complete.", "Transfer failed.", "Internet ftp connect
// error %ld", "Unable to set directory to %s" with "Reported error %ld",
// "InternetOpen error %ld" or "Please specify the FTP server in the
// configuration."; the numbers are libcurl's error codes.
UploadOutcome uploadAndLog(FtpJob &job, PublishLog &log, const std::atomic<bool> &stop);

} // namespace ovix
