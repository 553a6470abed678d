#include "inventory/widgets/received_report_commands.h"

#include "inventory/logic/received_report.h"
#include "inventory/widgets/received_report_dialogs.h"
#include "platform/clock.h"
#include "print/widgets/print_job.h"
#include "sales/widgets/till_window.h"
#include "store/shop.h"

namespace ovix {

void runReceivedReport(QWidget *parent, Shop &shop, Messages &messages)
{
    const LocalTime now = localNow();
    std::vector<int> years;
    for (int year = now.year; year >= now.year - 8; --year)
        years.push_back(year);
    ReceivedPeriodDialog ask(years, { now.year, now.month, now.day }, parent);
    if (ask.exec() != QDialog::Accepted)
        return;
    const CalendarDay start = ask.startDay();
    const CalendarDay end = ask.endDay();
    if (!checkReceivedPeriod(start, end, messages))
        return;
    const std::vector<std::string> lines = receivedReportLines(shop, start, end);
    const std::string store = shop.heading.storeName();
    ReceivedReportDialog report(
        receivedReportTitle(start, end), lines,
        [&] {
            runPrintJob(
                receivedReportPrintRequest(shop),
                [&](PrintDevice &device, Messages &problems) {
                    printReceivedReport(device, store, lines, problems);
                },
                messages);
        },
        parent);
    report.exec();
}

void connectReceivedReportCommand(TillWindow &window, Shop &shop, Messages &messages)
{
    window.registerCommand(Command::InventoryReceivedReport,
        [&window, &shop, &messages] { runReceivedReport(window.widget(), shop, messages); });
}

} // namespace ovix
