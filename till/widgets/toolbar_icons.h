#pragma once
// The pictures of the toolbar buttons: 32 x 32 pixels, large enough to touch,
// built in from art/toolbar.

#include "till/logic/commands.h"

#include <QIcon>

namespace ovix {

inline constexpr int kToolbarIconSide = 32;

// The picture of the toolbar button that runs `command`; a plain tile for a
// command that has no button. Its greyed form, shown while the command
// cannot run, has no colour and is faded most of the way into the toolbar's
// grey, so that it plainly differs from a live picture.
QIcon toolbarIcon(Command command);

// The greyed form of a toolbar picture.
QPixmap greyedToolbarPicture(const QPixmap &live);

} // namespace ovix
