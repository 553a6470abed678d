#pragma once
// The Activity popup's head-office items: "Head office report setup" (the
// "Upload configuration" dialog) and "Upload head office report", which
// writes the chosen report files into the shop folder and sends them by FTP
// on a background job of the window, telling the outcome on the window.

namespace ovix {

class Messages;
class TillState;
class TillWindow;

// Registers both commands with `window`; everything passed must outlive it.
void connectHeadOfficeUploadCommands(TillWindow &window, TillState &state, Messages &messages);

} // namespace ovix
