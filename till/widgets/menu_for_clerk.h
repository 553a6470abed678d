#pragma once
// Greys the menu bar for the logged-on clerk and sets the check marks of the
// toggles. Run after every log-on, after "User control" and whenever the menu
// bar is opened.

#include "till/logic/commands.h"

#include <map>
#include <set>

class QAction;
class QMenu;

namespace ovix {

class TillState;

// Each action of a menu-table command is enabled when the command is in
// `built` (its work exists in this program) and the clerk may use it
// (menuCommandAllowed). The Reports and Activity popups are greyed as a whole
// for a restricted clerk when "Report menu" / "Activity menu" is set, and
// enabled otherwise. The check marks of "Indent listings", "Sound effects",
// "Button tips" and "Hi res picture" follow the configuration. Actions and
// popups missing from the maps are left alone; none is owned.
void updateMenuForClerk(const std::map<Command, QAction *> &actions,
                        const std::map<Popup, QMenu *> &popups, const TillState &state,
                        const std::set<Command> &built);

} // namespace ovix
