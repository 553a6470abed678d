#pragma once
// The File popup of the till window: "Listing font size" (the printed
// lists' dialog), "Indent listings", the three exits that print the status
// report, today's log or both, and "Exit". "Email setup" stays greyed until
// its work is written.

namespace ovix {

class Messages;
class TillState;
class TillWindow;

// Registers the File commands with `window`; the state and the messages must
// outlive it. "Exit" closes the window the normal way, as its close button does;
// "Exit - print log" prints today's log first (printTodaysLog), then closes it
// the same way, whether or not the log was printed; "Exit - print report"
// prints the status report first and stays when the clerk cancels the print
// dialog; "Exit - print report + log" prints both, the report first.
void connectFileCommands(TillWindow &window, TillState &state, Messages &messages);

} // namespace ovix
