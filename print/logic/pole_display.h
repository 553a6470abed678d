#pragma once
// The customer pole display on a serial port: the idle text, the item just
// rung up, the amount due, and the tender and change.
//
// Every message is one bracketed exchange on the pole port (COM1-COM8, COM1
// for an index out of range), each opening of the port applying the pole's
// line settings: "Switch printer off" is sent on its own opening; the port is
// opened again and the message written ("Clear display message", then "Set
// cursor first line" when not empty, then the text); the port is closed; then
// "Switch printer on" is sent on its own opening. An empty sequence writes
// nothing, but its opening still happens. Text bytes go out as the records
// hold them (Windows-1252).
//
// The functions do not look at the pole's "Use" setting: callers call them
// only while it is on (and the configuration page's "Preview" regardless).
// Failures are told to the clerk and never stop a sale: a port that cannot be
// opened for the message says "Unable to open port" (caption "Pole display"
// for the passive text, "Problem" otherwise), a failed message write "Unable
// write to port". Each returns true when the message was written.

#include <string>
#include <string_view>

namespace ovix {

class DataDir;
class Messages;
class TillConfig;

// The item message: a description of at most 12 characters as "%s %.2f";
// a longer one cut to 12 characters followed by the first 10 characters of
// "  %.2f" (two blanks, then the price).
std::string poleItemText(std::string_view description, double priceWithTax);

bool poleShowPassive(const TillConfig &config, const DataDir &dataDir, Messages &messages);
bool poleShowItem(const TillConfig &config, const DataDir &dataDir, Messages &messages,
    std::string_view description, double priceWithTax);
// "Total: %.2f".
bool poleShowTotal(
    const TillConfig &config, const DataDir &dataDir, Messages &messages, double total);
// "Tender: %.2f" after the clear and first-line sequences; then, in a second
// write on the same opening, "Set cursor second line" and "Change: %.2f".
// Only the second write decides "Unable write to port".
bool poleShowTenderChange(const TillConfig &config, const DataDir &dataDir, Messages &messages,
    double tendered, double change);

} // namespace ovix
