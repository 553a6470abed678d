#include "till/widgets/file_commands.h"

#include "reports/widgets/activity_log_commands.h"
#include "reports/widgets/closeout_commands.h"
#include "reports/widgets/listing_font_command.h"
#include "sales/logic/till_state.h"
#include "sales/widgets/mail_setup.h"
#include "sales/widgets/till_window.h"
#include "till/logic/menu_toggles.h"

#include <QWidget>

namespace ovix {

void connectFileCommands(TillWindow &window, TillState &state, Messages &messages)
{
    window.registerCommand(Command::ListingFontSize,
        [&window, &state] { chooseListingFontSize(window.widget(), state.config); });
    window.registerCommand(Command::IndentListings,
        [&state, &messages] { chooseListingIndent(state.config, messages); });
    window.registerCommand(Command::EmailSetup,
        [&window, &state, &messages] { editMailSettings(window.widget(), state.dir, messages); });
    window.registerCommand(Command::ExitPrintReport, [&window, &state, &messages] {
        if (printStatusReportPage(state, messages) != PrintOutcome::Cancelled)
            window.widget()->close();
    });
    // Today's log is printed (or its preview closed), then the till ends as by Exit.
    window.registerCommand(Command::ExitPrintLog, [&window, &state, &messages] {
        printTodaysLog(state, messages);
        window.widget()->close();
    });
    // The status report, then today's log; a cancelled report keeps the till open.
    window.registerCommand(Command::ExitPrintReportAndLog, [&window, &state, &messages] {
        if (printStatusReportPage(state, messages) == PrintOutcome::Cancelled)
            return;
        printTodaysLog(state, messages);
        window.widget()->close();
    });
    window.registerCommand(Command::Exit, [&window] { window.widget()->close(); });
}

} // namespace ovix
