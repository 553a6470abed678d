#include "reports/widgets/closeout_commands.h"

#include "platform/clock.h"
#include "platform/cp1252.h"
#include "platform/messages.h"
#include "platform/widgets/window_size.h"
#include "reports/logic/closeout.h"
#include "reports/logic/report_print_request.h"
#include "reports/logic/status_report.h"
#include "reports/logic/stock_summary.h"
#include "reports/logic/takings_history.h"
#include "reports/logic/takings_list.h"
#include "reports/widgets/closeout_dialogs.h"
#include "reports/widgets/takings_chart_dialog.h"
#include "sales/logic/till_state.h"
#include "sales/widgets/till_window.h"

#include <QPushButton>
#include <QTreeWidget>

#include <string>
#include <utility>
#include <vector>

namespace ovix {

namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;

CloseoutClerk loggedOnClerk(const TillState &state)
{
    const int64_t number = state.clerk();
    return { number, state.config.clerkName(static_cast<int>(number)) };
}

void showReconciliation(QWidget *parent, TillState &state)
{
    const std::unique_ptr<FiguresDialog> dialog
        = reconciliationDialog(closeoutFigures(state.config), parent);
    openAtPreferredSize(dialog.get());
    dialog->exec();
}

// The closeout dialog; true when the closeout was logged and the clerk is to
// be logged off.
bool runCloseout(QWidget *parent, TillState &state, Messages &messages)
{
    const CloseoutFigures figures = closeoutFigures(state.config);
    const CloseoutClerk clerk = loggedOnClerk(state);
    const auto logged = [&state, &messages, &figures, &clerk] {
        return logCloseout(state.dir, figures, clerk, localNow(), messages);
    };
    const auto printAndClose = [&state, &messages, &figures, &clerk, &logged] {
        const LocalTime now = localNow();
        const std::string storeName = state.heading.storeName();
        const PrintJobResult printed = runPrintJob(reportPrintRequest(state, "closeout"),
            [&](PrintDevice &device, Messages &) {
                printCloseout(device, storeName, figures, clerk, now);
            },
            messages);
        return printed.outcome != PrintOutcome::Cancelled && logged();
    };
    const std::unique_ptr<FiguresDialog> dialog
        = closeoutDialog(figures, printAndClose, logged, parent);
    openAtPreferredSize(dialog.get());
    return dialog->exec() == QDialog::Accepted;
}

void showStockSummary(QWidget *parent, TillState &state, Messages &messages)
{
    const std::optional<StockSummary> summary = summariseStock(state.dir, messages);
    if (!summary)
        return;
    const std::unique_ptr<FiguresDialog> dialog = stockSummaryDialog(*summary, parent);
    openAtPreferredSize(dialog.get());
    dialog->exec();
}

// The list of items below cost; OK with a line chosen opens that item.
void showItemsBelowCost(QWidget *parent, TillState &state, Messages &messages,
    const std::function<void(QWidget *, int64_t)> &showItem)
{
    const auto items = itemsBelowCost(state.items, messages);
    if (!items)
        return;
    if (items->empty()) {
        reportInfo(messages, "No items", "Data cost retail check");
        return;
    }
    Rows rows;
    for (const BelowCostItem &item : *items)
        rows.emplace_back(toUtf8(item.line), "");
    FiguresDialog dialog(QStringLiteral("Data cost retail check"), rows, {}, parent);
    FiguresDialog *shown = &dialog;
    dialog.addAction(QStringLiteral("OK"),
        [shown, &items, &state, &showItem] {
            const int chosen = shown->list()->indexOfTopLevelItem(shown->list()->currentItem());
            if (chosen >= 0 && showItem) {
                const int64_t number = (*items)[static_cast<size_t>(chosen)].number;
                if (state.items.index().contains(number))
                    showItem(shown, number);
            }
            return true;
        },
        QDialog::Accepted);
    openAtPreferredSize(&dialog);
    dialog.exec();
}

void printTakingsHistory(TillState &state, Messages &messages)
{
    const LocalTime now = localNow();
    const std::optional<CalendarDate> from = askTakingsListStart(messages, now);
    if (!from)
        return;
    const TakingsList list = takingsListFrom(state.config, *from, now);
    const std::string storeName = state.heading.storeName();
    runPrintJob(reportPrintRequest(state, "takings"),
        [&](PrintDevice &device, Messages &) { printTakingsList(device, storeName, list); },
        messages);
}

} // namespace

void connectCloseoutCommands(TillWindow &window, TillState &state, Messages &messages,
    std::function<void()> logOff, std::function<void(QWidget *parent, int64_t number)> showItem)
{
    window.registerCommand(Command::StockSummary,
        [&window, &state, &messages] { showStockSummary(window.widget(), state, messages); });
    window.registerCommand(Command::RetailLessThanCost,
        [&window, &state, &messages, showItem = std::move(showItem)] {
            showItemsBelowCost(window.widget(), state, messages, showItem);
        });
    window.registerCommand(
        Command::PrintTakings, [&state, &messages] { printTakingsHistory(state, messages); });
    window.registerCommand(
        Command::PurgeTakings, [&state, &messages] { purgeTakings(state, messages); });
    window.registerCommand(Command::TillReconciliation,
        [&window, &state] { showReconciliation(window.widget(), state); });
    window.registerCommand(Command::TillCloseout,
        [&window, &state, &messages, logOff = std::move(logOff)] {
            if (runCloseout(window.widget(), state, messages) && logOff)
                logOff();
        });
}

void showStatusScreen(QWidget *parent, TillState &state)
{
    const LocalTime now = localNow();
    const std::unique_ptr<FiguresDialog> dialog
        = statusDialog(state.config, statusFacts(state), now, parent);
    FiguresDialog *status = dialog.get();
    dialog->addAction(QStringLiteral("Chart"),
        [status, &state, now] {
            TakingsChartDialog chart(state.config, now, status);
            openAtPreferredSize(&chart);
            chart.exec();
            return false;
        },
        QDialog::Accepted);
    openAtPreferredSize(dialog.get());
    dialog->exec();
}

PrintOutcome printStatusReportPage(TillState &state, Messages &messages)
{
    const LocalTime now = localNow();
    const StatusFacts facts = statusFacts(state);
    return runPrintJob(reportPrintRequest(state, "status"),
        [&](PrintDevice &device, Messages &) { printStatusReport(device, state.config, facts, now); },
        messages)
        .outcome;
}

void runPettyCashPayment(TillState &state, Messages &messages)
{
    recordPettyCash(state, messages);
}

void runTakingsAmendment(TillState &state, Messages &messages)
{
    amendTakings(state, messages, localNow());
}

} // namespace ovix
