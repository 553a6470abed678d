#include "sync/logic/sync_session.h"

namespace ovix {

SyncSession::SyncSession(DataDir dir)
    : dir_(dir)
    , publisher_(std::move(dir), log_)
{
}

void SyncSession::start()
{
    const QString blank = blankLogLine();
    switch (loadSyncConfig(dir_, config_)) {
    case SyncConfigLoad::Loaded:
    case SyncConfigLoad::Missing:
        break;
    case SyncConfigLoad::WrongSize:
        log_.add({ QStringLiteral("vx.cfg is not 40320 bytes long: the settings it holds are used,"
                                  " the rest start empty."),
            blank });
        break;
    case SyncConfigLoad::Unreadable:
        keepFileAsFound_ = true;
        log_.add({ QStringLiteral("Unable to read vx.cfg: default settings are used for this"
                                  " session and vx.cfg is left as it is."),
            blank });
        break;
    }
    if (config_.elementName(Element::Item).isEmpty())
        config_.setDefaultElementNames();

    log_.add({ blank, QStringLiteral("ovixsync - website stock publisher for OVIX Retail"), blank,
        QStringLiteral("Session start:"), timeLine(), blank, QStringLiteral("Upload frequency:"),
        uploadIntervalName(config_.uploadInterval()), blank });
}

bool SyncSession::takeFirstHelp()
{
    if (config_.helpShown())
        return false;
    config_.setHelpShown(true);
    return true;
}

void SyncSession::applyConfiguration(const ConfigurationChoice &choice)
{
    config_.setText(ConfigText::FtpServer, choice.ftpServer);
    config_.setText(ConfigText::FtpUserName, choice.ftpUserName);
    config_.setText(ConfigText::FtpPassword, choice.ftpPassword);
    config_.setText(ConfigText::RemoteFolder, choice.remoteFolder);
    config_.setText(ConfigText::UploadFileName, choice.uploadFileName);
    if (isValidUploadInterval(choice.uploadInterval))
        config_.setUploadInterval(choice.uploadInterval);
    config_.setLocalFileOnly(choice.localFileOnly);
    config_.setFileFormat(choice.fileFormat);
    log_.add({ QStringLiteral("Upload frequency:"), uploadIntervalName(config_.uploadInterval()),
        blankLogLine() });
}

bool SyncSession::storeConfig(std::string *error) const
{
    if (keepFileAsFound_)
        return true;
    return storeSyncConfig(dir_, config_, error);
}

} // namespace ovix
