#include "reports/widgets/activity_log_commands.h"

#include "platform/clock.h"
#include "platform/file.h"
#include "platform/messages.h"
#include "reports/logic/day_summary_choice.h"
#include "reports/logic/log_capacity.h"
#include "reports/logic/log_printout.h"
#include "reports/widgets/log_viewer_dialog.h"
#include "sales/widgets/till_window.h"
#include "store/activity_log.h"
#include "store/shop.h"

#include <QInputDialog>
#include <QStringList>

namespace ovix {

PrintOutcome printLog(const Shop &shop, LogPrintout printout, Messages &messages)
{
    const LocalTime today = localNow();
    std::optional<std::string> text = logTextToPrint(shop.dir, printout, today, messages);
    if (!text)
        return PrintOutcome::Failed;
    const std::vector<std::string> lines = logPrintLines(*text);
    const std::string storeName = shop.heading.storeName();
    const auto draw = [&](PrintDevice &device, Messages &) {
        drawLogPrintout(device, lines, storeName, today);
    };
    return runPrintJob(logPrintRequest(shop.dir), draw, messages).outcome;
}

PrintOutcome printTodaysLog(const Shop &shop, Messages &messages)
{
    return printLog(shop, LogPrintout::Today, messages);
}

void showLogFile(const Shop &shop, bool previous, Messages &messages, QWidget *parent)
{
    const std::string path = shop.dir.path(previous ? kPreviousLogName : kCurrentLogName);
    if (previous && !fileExists(path)) {
        reportProblem(messages, "Previous log file does not yet exist.");
        return;
    }
    LogPager pager(path);
    if (!pager.first()) {
        reportProblem(messages, previous ? "Data file: bun2.dat." : "Data file: bun4.dat.");
        return;
    }
    LogViewerDialog viewer(std::move(pager), parent);
    viewer.exec();
}

void showDaySummary(const Shop &shop, Messages &messages, QWidget *parent)
{
    std::optional<std::string> path = askDaySummaryPath(shop.dir, localNow(), messages);
    if (!path)
        return;
    std::optional<std::string> text = fileExists(*path) ? readLogPage(*path, 0) : std::nullopt;
    if (!text) {
        reportInfo(messages, "No details", "Activity report");
        return;
    }
    LogViewerDialog viewer(*text, parent);
    viewer.exec();
}

void chooseLogCapacity(Shop &shop, QWidget *parent)
{
    QStringList choices;
    for (const std::string &choice : logCapacityChoices())
        choices << QString::fromStdString(choice);
    bool chosen = false;
    const QString choice = QInputDialog::getItem(parent, QStringLiteral("Log capacity"),
        QStringLiteral("Log file capacity (thousands of bytes):"), choices,
        logCapacityIndex(shop.config), false, &chosen);
    if (chosen)
        setLogCapacityIndex(shop.config, static_cast<int>(choices.indexOf(choice)));
}

void purgeLogFiles(const Shop &shop, Messages &messages)
{
    if (!purgeLogs(shop.dir)) {
        reportProblem(messages, "Unable to delete the log files.");
        return;
    }
    reportInfo(messages, "Complete.", "Purge Log files: bun2.dat and bun4.dat");
}

void connectActivityLogCommands(TillWindow &window, Shop &shop, Messages &messages)
{
    QWidget *parent = window.widget();
    window.registerCommand(Command::PreviousActivitySummary,
        [&shop, &messages, parent] { showDaySummary(shop, messages, parent); });
    window.registerCommand(Command::DisplayLogFile,
        [&shop, &messages, parent] { showLogFile(shop, false, messages, parent); });
    window.registerCommand(Command::DisplayPreviousLogFile,
        [&shop, &messages, parent] { showLogFile(shop, true, messages, parent); });
    const std::pair<Command, LogPrintout> printouts[] = {
        { Command::PrintLogForToday, LogPrintout::Today },
        { Command::PrintLogFromDay, LogPrintout::FromDay },
        { Command::PrintLogFile, LogPrintout::WholeLog },
        { Command::PrintOldLogFile, LogPrintout::OldLog },
    };
    for (const auto &[command, printout] : printouts) {
        window.registerCommand(command, [&shop, &messages, printout = printout] {
            printLog(shop, printout, messages);
        });
    }
    window.registerCommand(
        Command::LogFileCapacity, [&shop, parent] { chooseLogCapacity(shop, parent); });
}

void connectLogPurgeCommand(TillWindow &window, Shop &shop, Messages &messages)
{
    window.registerCommand(
        Command::PurgeLogFiles, [&shop, &messages] { purgeLogFiles(shop, messages); });
}

} // namespace ovix
