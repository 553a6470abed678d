#pragma once
// The File popup of the till window: "Indent listings" and "Exit". The other
// items ("Listing font size", "Email setup", the exits that print first) stay
// greyed until their work is written.

namespace ovix {

class Messages;
class TillState;
class TillWindow;

// Registers the File commands with `window`; the state and the messages must
// outlive it. "Exit" closes the window the normal way, as its close button does.
void connectFileCommands(TillWindow &window, TillState &state, Messages &messages);

} // namespace ovix
