#pragma once
// The till's keys: function keys, arrows and Ctrl letters pressed in the item
// box, each naming the command it runs.

#include "till/logic/commands.h"

#include <optional>

namespace ovix {

// The command of `key` (a Qt::Key value) pressed in the item box, with Ctrl
// held (`control`, and no Alt) or not; nothing for a key that runs none.
// Function keys and arrows count only without Ctrl, letters only with it.
std::optional<Command> commandForKey(int key, bool control);

} // namespace ovix
