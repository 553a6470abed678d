#pragma once
// The pictures of the toolbar buttons: 28 x 20 pixels, built in from art/toolbar.

#include "till/logic/commands.h"

#include <QIcon>

namespace ovix {

inline constexpr int kToolbarIconWidth = 28;
inline constexpr int kToolbarIconHeight = 20;

// The picture of the toolbar button that runs `command`; a plain tile for a
// command that has no button.
QIcon toolbarIcon(Command command);

} // namespace ovix
