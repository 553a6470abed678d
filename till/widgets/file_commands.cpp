#include "till/widgets/file_commands.h"

#include "reports/widgets/closeout_commands.h"
#include "sales/logic/till_state.h"
#include "sales/widgets/till_window.h"
#include "till/logic/menu_toggles.h"

#include <QWidget>

namespace ovix {

void connectFileCommands(TillWindow &window, TillState &state, Messages &messages)
{
    window.registerCommand(Command::IndentListings,
        [&state, &messages] { chooseListingIndent(state.config, messages); });
    window.registerCommand(Command::ExitPrintReport, [&window, &state, &messages] {
        if (printStatusReportPage(state, messages) != PrintOutcome::Cancelled)
            window.widget()->close();
    });
    window.registerCommand(Command::Exit, [&window] { window.widget()->close(); });
}

} // namespace ovix
