#pragma once
// The Reports popup's "Inventory received": the receipts booked in a period,
// on the screen and printed.

class QWidget;

namespace ovix {

class Messages;
class Shop;
class TillWindow;

// Registers the command with `window`; `shop` and `messages` must outlive it.
void connectReceivedReportCommand(TillWindow &window, Shop &shop, Messages &messages);

// The period (this year and the eight before it), then the report's list,
// whose "Print" goes through the print preview. A period outside the lists
// ends without a word; a reversed or impossible one is "Invalid selection".
void runReceivedReport(QWidget *parent, Shop &shop, Messages &messages);

} // namespace ovix
