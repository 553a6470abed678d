#pragma once
// The till's main window as the subsystems see it: each connects its menu
// commands to it (registerCommand) and opens its dialogs over it. The window
// itself is till/widgets/main_window.h; the subsystems below it know only this.

#include "till/logic/commands.h"

#include <functional>
#include <memory>

class QWidget;

namespace ovix {

class BackgroundJobs;

class TillWindow {
public:
    TillWindow();
    virtual ~TillWindow();

    // Connects `work` to `command` (replacing what was there) and enables it.
    virtual void registerCommand(Command command, std::function<void()> work) = 0;
    // The window, as the parent of the dialogs the commands open.
    virtual QWidget *widget() = 0;
    // While `amountBox` is not null a tender box is open: the keypad types
    // into it and commands only move the focus to it.
    virtual void setTenderAmountBox(QWidget *amountBox) = 0;
    // Gives the item box the focus back, when the window is shown.
    virtual void focusItemBox() = 0;
    // The jobs that run beside the till (mails, uploads), posting back to
    // the window's thread; made on first use.
    BackgroundJobs &backgroundJobs();

protected:
    // Stops the jobs (within their bound) and drops what they post later.
    // A window that used backgroundJobs() calls this first in its destructor,
    // while its widget still exists.
    void endBackgroundJobs();

private:
    std::unique_ptr<BackgroundJobs> jobs_;
};

} // namespace ovix
