#include "reports/widgets/closeout_dialogs.h"

#include "platform/cp1252.h"
#include "reports/logic/closeout.h"
#include "reports/logic/status_report.h"
#include "reports/logic/stock_summary.h"

#include <string>
#include <utility>
#include <vector>

namespace ovix {

namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;

Rows closeoutDialogRows(const CloseoutFigures &figures)
{
    Rows rows;
    for (const CloseoutRow &row : closeoutRows(figures))
        rows.emplace_back(row.caption, centsText(row.cents));
    return rows;
}

} // namespace

std::unique_ptr<FiguresDialog> reconciliationDialog(
    const CloseoutFigures &figures, QWidget *parent)
{
    auto dialog = std::make_unique<FiguresDialog>(QStringLiteral("Till reconciliation"),
        closeoutDialogRows(figures), std::vector<std::string> { kCloseoutNoteOne, kCloseoutNoteTwo },
        parent);
    dialog->addAction(QStringLiteral("Finish"), {}, QDialog::Accepted);
    return dialog;
}

std::unique_ptr<FiguresDialog> closeoutDialog(const CloseoutFigures &figures,
    std::function<bool()> printAndClose, std::function<bool()> closeOnly, QWidget *parent)
{
    auto dialog = std::make_unique<FiguresDialog>(QStringLiteral("Till closeout"),
        closeoutDialogRows(figures), std::vector<std::string> { kCloseoutNoteOne, kCloseoutNoteTwo },
        parent);
    dialog->addAction(QStringLiteral("Cancel"), {}, QDialog::Rejected);
    dialog->addAction(QStringLiteral("Print, close and log off"),
        printAndClose ? std::move(printAndClose) : [] { return false; }, QDialog::Accepted);
    dialog->addAction(QStringLiteral("Close and log off"),
        closeOnly ? std::move(closeOnly) : [] { return false; }, QDialog::Accepted);
    return dialog;
}

std::unique_ptr<FiguresDialog> statusDialog(const TillConfig &config, const StatusFacts &facts,
    const LocalTime &now, QWidget *parent)
{
    Rows rows;
    for (const StatusLine &line : statusScreenLines(config, facts, now))
        rows.emplace_back(toUtf8(line.caption), toUtf8(line.value));
    auto dialog = std::make_unique<FiguresDialog>(QString::fromStdString(toUtf8(statusScreenTitle(now))),
        rows, std::vector<std::string> { kStatusNoteOne, kStatusNoteTwo }, parent);
    dialog->addAction(QStringLiteral("OK"), {}, QDialog::Accepted);
    return dialog;
}

std::unique_ptr<FiguresDialog> stockSummaryDialog(const StockSummary &summary, QWidget *parent)
{
    auto dialog = std::make_unique<FiguresDialog>(
        QStringLiteral("Stock summary"), stockSummaryLines(summary), std::vector<std::string> {}, parent);
    dialog->addAction(QStringLiteral("OK"), {}, QDialog::Accepted);
    return dialog;
}

} // namespace ovix
