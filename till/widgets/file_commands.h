#pragma once
// The File popup of the till window: "Indent listings", "Exit - print report"
// and "Exit". The other items ("Listing font size", "Email setup", the exits
// that print the log) stay greyed until their work is written.

namespace ovix {

class Messages;
class TillState;
class TillWindow;

// Registers the File commands with `window`; the state and the messages must
// outlive it. "Exit" closes the window the normal way, as its close button does;
// "Exit - print report" prints the status report first, and stays when the
// clerk cancels the print dialog.
void connectFileCommands(TillWindow &window, TillState &state, Messages &messages);

} // namespace ovix
