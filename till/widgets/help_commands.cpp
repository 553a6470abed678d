#include "till/widgets/help_commands.h"

#include "platform/widgets/help_pages.h"
#include "sales/logic/till_state.h"
#include "sales/widgets/till_window.h"
#include "till/widgets/about_box.h"
#include "till/widgets/calendar_dialog.h"
#include "till/widgets/tips_dialog.h"

namespace ovix {

void connectHelpCommands(TillWindow &window, TillState &state, Messages &messages)
{
    window.registerCommand(
        Command::HelpContents, [&messages] { openHelpPage(kHelpContentsPage, messages); });
    window.registerCommand(
        Command::HelpUsingHelp, [&messages] { openHelpPage(kHelpUsingHelpPage, messages); });
    window.registerCommand(
        Command::TipOfTheDay, [&window, &state] { showTipsDialog(window.widget(), state.config); });
    window.registerCommand(Command::Calendar, [&window] { showCalendar(window.widget()); });
    window.registerCommand(
        Command::About, [&window, &state] { showAboutBox(window.widget(), state); });
}

} // namespace ovix
