#pragma once
// The activity log's commands: the viewers and printouts of the Activity
// popup, "Log file capacity", "Purge log files" on the Reports popup, and the
// printout of today's log that "Exit - print log" makes before the till ends.

#include "print/widgets/print_job.h"
#include "reports/logic/log_printing.h"

class QWidget;

namespace ovix {

class Messages;
class Shop;
class TillWindow;

// Registers "Previous activity summary", the two log viewers, the four log
// printouts and "Log file capacity" with `window`; `shop` and `messages` must
// outlive it.
void connectActivityLogCommands(TillWindow &window, Shop &shop, Messages &messages);

// Registers "Purge log files" (the Reports popup) with `window`.
void connectLogPurgeCommand(TillWindow &window, Shop &shop, Messages &messages);

// One of the log printouts, through the preview and the print dialog (a PDF
// in printouts/ when no printer is installed). Failed when there was nothing
// to print (the clerk was told why).
PrintOutcome printLog(const Shop &shop, LogPrintout printout, Messages &messages);

// "Print log for today": the current log from today's first line.
PrintOutcome printTodaysLog(const Shop &shop, Messages &messages);

// The viewers, over `parent`.
void showLogFile(const Shop &shop, bool previous, Messages &messages, QWidget *parent);
void showDaySummary(const Shop &shop, Messages &messages, QWidget *parent);
// "Log file capacity": the nine sizes in a list, the present one chosen.
void chooseLogCapacity(Shop &shop, QWidget *parent);
// "Purge log files": deletes bun2.dat and bun4.dat.
void purgeLogFiles(const Shop &shop, Messages &messages);

} // namespace ovix
