#include "till/widgets/activity_commands.h"

#include "reports/widgets/closeout_commands.h"
#include "reports/widgets/mail_report_commands.h"
#include "sales/logic/item_entry.h"
#include "sales/logic/till_state.h"
#include "sales/widgets/till_window.h"
#include "till/widgets/head_office_upload_commands.h"

namespace ovix {

void connectActivityCommands(
    TillWindow &window, TillState &state, ItemEntry &entry, Messages &messages)
{
    window.registerCommand(
        Command::ActivitySummary, [&window, &state] { showStatusScreen(window.widget(), state); });
    window.registerCommand(Command::PrintActivitySummary,
        [&state, &messages] { printStatusReportPage(state, messages); });
    window.registerCommand(Command::EmailReport,
        [&window, &state, &messages] { emailDailyReport(window, state, messages); });
    window.registerCommand(Command::EmailDailyItems,
        [&window, &state, &messages] { emailDailyItems(window, state, messages); });
    connectHeadOfficeUploadCommands(window, state, messages);
    window.registerCommand(Command::SaveBasket, [&entry] { entry.saveBasket(); });
    window.registerCommand(Command::ReloadBasket, [&entry] { entry.reloadBasket(); });
}

} // namespace ovix
