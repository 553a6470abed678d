#pragma once
// The size a dialog opens at.

class QWidget;

namespace ovix {

// Room a desktop takes above a window for its title bar, and on each side
// for its border.
inline constexpr int kTitleBarRoom = 32;
inline constexpr int kBorderRoom = 4;

// Sizes `window`, before it is first shown, to what its layout asks for,
// word-wrapped captions included, within its screen's free area less the
// title bar. Left alone, a window opens at two thirds of the screen at most,
// and a tall page of settings is squeezed below the height its captions need.
void openAtPreferredSize(QWidget *window);

} // namespace ovix
