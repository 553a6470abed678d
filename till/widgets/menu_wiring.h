#pragma once
// The one place where the till window's commands are connected to their
// work: each popup's connect function in menu order, then the sale screen's
// buttons and keys. Which file holds which popup's commands is said above
// the menu table in till/logic/commands.cpp.

namespace ovix {

class Messages;
class SaleDevices;
class SaleScreen;
class TillState;
class TillWindow;
struct Basket;

// Connects every built command to `window` and enables the sale buttons that
// now have work. `screen` is the window's sale area and rings up `basket`;
// `devices` run after each archived sale. Everything passed must outlive the
// window. Log off is the window's own and connected by it.
void connectTillCommands(TillWindow &window, SaleScreen &screen, TillState &state, Basket &basket,
    Messages &messages, SaleDevices &devices);

} // namespace ovix
