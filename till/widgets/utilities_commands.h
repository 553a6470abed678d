#pragma once
// The Utilities popup of the till window: the shop's set-up (configuration,
// tax, print heading, custom receipt, receipt language, clerks and what they
// may do), the history purge, backup and restore (which ends the till), the
// export of items and customers (exchange/widgets), the mailmerge letters
// (accounts/widgets), the three check-mark
// toggles, the stock pictures, and "File reset",
// which does nothing. The rest of the popup stays greyed until its work is
// written.

#include <functional>

namespace ovix {

class Messages;
class TillState;
class TillWindow;

// Registers the Utilities commands with `window`; the state and the messages
// must outlive it. `stockPicturesChanged` (may be empty) runs after "Change
// inbuilt stock picture", so that the screen redraws its picture buttons.
void connectUtilitiesCommands(TillWindow &window, TillState &state, Messages &messages,
    std::function<void()> stockPicturesChanged);

} // namespace ovix
