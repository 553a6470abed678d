#pragma once
// The work behind Utilities "Backup", "Restore" and "Purge transaction
// history": the questions and the file chooser; the copying and the purge
// are till/logic's (backup.h, restore.h) and sales/logic's (history_purge.h).

#include <QString>

#include <functional>

class QWidget;

namespace ovix {

class Messages;
class Shop;
class TillState;

// Asks the folder, then backs up with the busy cursor showing.
void runBackup(Shop &shop, Messages &messages);

// Shows the notice, lets the user pick WR.CFG in the backup folder
// (`chooseFile`, when given, stands in for the file chooser; an empty answer
// cancels) and restores from its folder. True when the files were restored:
// the caller then ends the till at once, storing nothing.
bool runRestore(QWidget *parent, TillState &state, Messages &messages,
                const std::function<QString()> &chooseFile = {});

// Asks "All history will be purged and the transaction set to 1" (caption
// "Important"); on OK clears the history, sets the next transaction number to
// 1 and stores wr.cfg, and when every year folder went, makes today's archive
// folders again and reports "Complete" (caption "Transaction history purge").
void runHistoryPurge(TillState &state, Messages &messages);

} // namespace ovix
