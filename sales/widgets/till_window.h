#pragma once
// The till's main window as the subsystems see it: each connects its menu
// commands to it (registerCommand) and opens its dialogs over it. The window
// itself is till/widgets/main_window.h; the subsystems below it know only this.

#include "till/logic/commands.h"

#include <functional>

class QWidget;

namespace ovix {

class TillWindow {
public:
    virtual ~TillWindow() = default;

    // Connects `work` to `command` (replacing what was there) and enables it.
    virtual void registerCommand(Command command, std::function<void()> work) = 0;
    // The window, as the parent of the dialogs the commands open.
    virtual QWidget *widget() = 0;
    // While `amountBox` is not null a tender box is open: the keypad types
    // into it and commands only move the focus to it.
    virtual void setTenderAmountBox(QWidget *amountBox) = 0;
    // Gives the item box the focus back, when the window is shown.
    virtual void focusItemBox() = 0;
};

} // namespace ovix
