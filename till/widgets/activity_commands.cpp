#include "till/widgets/activity_commands.h"

#include "sales/logic/item_entry.h"
#include "sales/widgets/till_window.h"

namespace ovix {

void connectActivityCommands(TillWindow &window, ItemEntry &entry)
{
    window.registerCommand(Command::SaveBasket, [&entry] { entry.saveBasket(); });
    window.registerCommand(Command::ReloadBasket, [&entry] { entry.reloadBasket(); });
}

} // namespace ovix
