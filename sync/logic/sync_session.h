#pragma once
// One run of the publisher, without its window: the settings read from and
// written back to vx.cfg, the log, the publishing cycles and the rules of the
// configuration dialog. The window owns the timer and the dialogs and calls
// in here on its own thread.

#include "platform/data_dir.h"
#include "sync/logic/publish_log.h"
#include "sync/logic/publisher.h"
#include "sync/logic/sync_config.h"

#include <string>

namespace ovix {

// What the configuration dialog hands back on OK.
struct ConfigurationChoice {
    QString ftpServer;
    QString ftpUserName;
    QString ftpPassword;
    QString remoteFolder;
    QString uploadFileName;
    int32_t uploadInterval = -1; // -1: none selected, the stored one stays
    bool localFileOnly = false;
    FileFormat fileFormat = FileFormat::Xml;
};

class SyncSession {
public:
    explicit SyncSession(DataDir dir);

    // Reads vx.cfg whole (a damaged or unreadable one is said so in the log),
    // sets the default element names when the item element name is empty,
    // and logs the session's opening lines: a blank line, the title line, a
    // blank line, "Session start:", the time line, a blank line, "Upload
    // frequency:", the interval's name and a blank line.
    void start();

    // True the first time the publisher ever runs (help not yet shown); the
    // help is then marked shown.
    bool takeFirstHelp();

    SyncConfig &config()
    {
        return config_;
    }
    const SyncConfig &config() const
    {
        return config_;
    }
    PublishLog &log()
    {
        return log_;
    }
    Publisher &publisher()
    {
        return publisher_;
    }

    // The timer period in milliseconds for the stored interval; 0 = manual.
    int timerPeriod() const
    {
        return uploadTimerPeriod(config_.uploadInterval());
    }

    // Stores the dialog's choice (the interval only when one was selected) and
    // logs "Upload frequency:", the interval's name and a blank line.
    void applyConfiguration(const ConfigurationChoice &choice);

    // One publishing cycle now.
    Publisher::Result publish()
    {
        return publisher_.runCycle(config_);
    }

    // Stops and joins the upload threads; called before the program ends.
    void finish()
    {
        publisher_.finish();
    }

    // Writes vx.cfg whole. A vx.cfg that could not be read at start is left
    // alone (true). False, with `error` when given, when it cannot be written.
    bool storeConfig(std::string *error = nullptr) const;

private:
    DataDir dir_;
    SyncConfig config_;
    PublishLog log_;
    Publisher publisher_;
    bool keepFileAsFound_ = false;
};

} // namespace ovix
