#include "till/widgets/backup_commands.h"

#include "platform/clock.h"
#include "platform/cp1252.h"
#include "platform/messages.h"
#include "sales/logic/archive_folders.h"
#include "sales/logic/history_purge.h"
#include "sales/logic/till_state.h"
#include "store/till_config.h"
#include "store/till_config_file.h"
#include "till/logic/backup.h"
#include "till/logic/restore.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>

namespace ovix {

namespace {

class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

// WR.CFG in the folder of the last backup.
QString startingChoice(const TillState &state)
{
    const std::string kept = state.config.text(cfg::backupFolder);
    const std::string folder = kept.empty() ? defaultBackupFolder(state) : toUtf8(kept);
    return QString::fromStdString(folder + "/WR.CFG");
}

} // namespace

void runBackup(Shop &shop, Messages &messages)
{
    const LocalTime now = localNow();
    const std::optional<std::string> folder = askBackupFolder(shop, now, messages);
    if (!folder)
        return;
    BusyCursor busy;
    backupToFolder(shop, *folder, now, messages);
}

bool runRestore(QWidget *parent, TillState &state, Messages &messages,
                const std::function<QString()> &chooseFile)
{
    if (!messages.confirm(kRestoreNoticeText, kRestoreNoticeCaption, MessageKind::Information))
        return false;
    const QString chosen = chooseFile
        ? chooseFile()
        : QFileDialog::getOpenFileName(parent, QString::fromUtf8(kRestoreNoticeCaption),
            startingChoice(state), QStringLiteral("WR.CFG (wr.cfg WR.CFG Wr.cfg *.cfg *.CFG)"));
    if (chosen.isEmpty())
        return false;
    const std::optional<std::string> folder
        = backupFolderOfChoice(QFile::encodeName(chosen).toStdString(), messages);
    if (!folder)
        return false;
    BusyCursor busy;
    return restoreFromFolder(state, *folder, messages) == RestoreResult::Restored;
}

void runHistoryPurge(TillState &state, Messages &messages)
{
    if (!messages.confirm("All history will be purged and the transaction set to 1", "Important",
                          MessageKind::Warning))
        return;
    const LocalTime now = localNow();
    bool purged = false;
    {
        BusyCursor busy;
        purged = purgeSalesHistory(state.dir, now.year, messages);
    }
    state.config.set(cfg::nextTransactionNumber, 1);
    storeTillConfig(state.dir, state.config, messages, TillConfigStoreMoment::AfterTransaction);
    if (!purged)
        return;
    ensureArchiveFolders(state.dir, now, messages);
    reportInfo(messages, "Complete", "Transaction history purge");
}

} // namespace ovix
