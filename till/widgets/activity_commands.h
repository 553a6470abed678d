#pragma once
// The Activity popup of the till window, as far as it is built: "Activity
// summary" (F12, the status screen) and "Print activity summary" (the printed
// status report), "Save basket" (^W) and "Reload basket" (^X), which keep the
// sale being rung up, and the head-office report set-up and upload
// (head_office_upload_commands.h). The e-mailed reports stay greyed until
// their work is written.

namespace ovix {

class ItemEntry;
class Messages;
class TillState;
class TillWindow;

// Registers the Activity commands with `window`; everything passed must
// outlive it.
void connectActivityCommands(
    TillWindow &window, TillState &state, ItemEntry &entry, Messages &messages);

} // namespace ovix
