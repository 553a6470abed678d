#pragma once
// The toolbar's buttons drawn close together: a thin rim round each 32-pixel
// picture and no gap between buttons, so that all twenty fit across an
// 800-pixel screen.

class QToolBar;

namespace ovix {

// Gives every button now in `bar` the close style (owned by `bar`).
void packToolButtons(QToolBar *bar);

} // namespace ovix
