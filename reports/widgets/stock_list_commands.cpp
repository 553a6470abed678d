#include "reports/widgets/stock_list_commands.h"

#include "platform/clock.h"
#include "platform/widgets/window_size.h"
#include "print/widgets/print_job.h"
#include "reports/logic/report_print_request.h"
#include "reports/logic/stock_lists.h"
#include "reports/widgets/stock_list_dialog.h"
#include "sales/logic/till_state.h"
#include "sales/widgets/till_window.h"

#include <string>

namespace ovix {

namespace {

void showStockList(QWidget *parent, TillState &state, StockListKind kind, Messages &messages)
{
    const LocalTime today = localNow();
    const StockList list = buildStockList(kind, state.items, today, messages);
    const std::string storeName = state.heading.storeName();
    StockListDialog dialog(list,
        [&] {
            runPrintJob(reportPrintRequest(state, "stock"),
                [&](PrintDevice &device, Messages &) {
                    printStockList(device, list, storeName, today);
                },
                messages);
        },
        parent);
    openAtPreferredSize(&dialog);
    dialog.exec();
}

} // namespace

void connectStockListCommands(TillWindow &window, TillState &state, Messages &messages)
{
    const std::pair<Command, StockListKind> lists[] = {
        { Command::ReorderList, StockListKind::Reorder },
        { Command::ReorderListByOrderCode, StockListKind::ReorderByOrderCode },
        { Command::OutOfStock, StockListKind::OutOfStock },
        { Command::SpecialOrders, StockListKind::SpecialOrders },
        { Command::SellByExpired, StockListKind::SellByExpired },
    };
    for (const auto &[command, kind] : lists) {
        window.registerCommand(command, [&window, &state, &messages, kind = kind] {
            showStockList(window.widget(), state, kind, messages);
        });
    }
}

} // namespace ovix
