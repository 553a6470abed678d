#pragma once
// The dialogs of the day's figures, built for the commands and for tests.

#include "platform/clock.h"
#include "reports/widgets/figures_dialog.h"

#include <functional>
#include <memory>

namespace ovix {

class TillConfig;
struct CloseoutFigures;
struct StatusFacts;
struct StockSummary;

// "Till reconciliation": the figures and notes, with "Finish".
std::unique_ptr<FiguresDialog> reconciliationDialog(
    const CloseoutFigures &figures, QWidget *parent);

// "Till closeout": the same figures with "Cancel", "Print, close and log off"
// and "Close and log off". The dialog is accepted when `printAndClose` or
// `closeOnly` gives true (the closeout is done); a false answer (a cancelled
// print dialog, a log that cannot be written) leaves it open.
std::unique_ptr<FiguresDialog> closeoutDialog(const CloseoutFigures &figures,
    std::function<bool()> printAndClose, std::function<bool()> closeOnly, QWidget *parent);

// The status screen of `now`, with "OK".
std::unique_ptr<FiguresDialog> statusDialog(const TillConfig &config, const StatusFacts &facts,
    const LocalTime &now, QWidget *parent);

// "Stock summary", with "OK".
std::unique_ptr<FiguresDialog> stockSummaryDialog(const StockSummary &summary, QWidget *parent);

} // namespace ovix
