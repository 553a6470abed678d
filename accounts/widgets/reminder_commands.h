#pragma once
// The Reminders popup: "Add", "Add today" (Ctrl+R), "List", "Print"
// (Ctrl+T), "Amend" and "Delete", over resn.dat.

#include <cstdint>
#include <functional>

class QWidget;

namespace ovix {

class Messages;
class Shop;
class TillWindow;

// Inventory's find (F2), over `parent`: the number of the item chosen, 0 for
// none. The "Add reminder" dialog's item Find fills its box with that item's
// description; without it the button is greyed.
using ReminderItemFind = std::function<int64_t(QWidget *parent)>;

// Registers the Reminders commands with `window`; everything passed must
// outlive it.
void connectReminderCommands(
    TillWindow &window, Shop &shop, Messages &messages, ReminderItemFind findItem);

} // namespace ovix
