#pragma once
// The File popup of the till window: "Indent listings", "Exit - print log"
// and "Exit". The other items ("Listing font size", "Email setup", the exits
// that print the status report first) stay greyed until their work is written.

namespace ovix {

class Messages;
class TillState;
class TillWindow;

// Registers the File commands with `window`; the state and the messages must
// outlive it. "Exit" closes the window the normal way, as its close button does;
// "Exit - print log" prints today's log first (printTodaysLog), then closes it
// the same way, whether or not the log was printed.
void connectFileCommands(TillWindow &window, TillState &state, Messages &messages);

} // namespace ovix
