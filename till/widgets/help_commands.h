#pragma once
// The Help popup of the till window: the help file's contents and its page on
// using help, the tip of the day, the calendar and the about box.

namespace ovix {

class Messages;
class TillState;
class TillWindow;

// Registers the Help commands with `window`; the state and the messages must
// outlive it. A help page that cannot be opened is told through `messages`.
void connectHelpCommands(TillWindow &window, TillState &state, Messages &messages);

} // namespace ovix
