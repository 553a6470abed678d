#pragma once
// The till's main window: the menu bar built from the command table, the
// toolbar of 20 picture buttons, the item box, and the dispatch of every
// command, key and button to the work registered for it.
//
// Work is connected with registerCommand() by each subsystem's commands file
// (till/widgets/menu_wiring.h calls them all); a command with nothing
// registered is shown greyed and does nothing. The window connects only log
// off itself. It owns its menus, actions and controls; the TillState and
// Messages must outlive it.

#include "sales/widgets/till_window.h"
#include "till/logic/commands.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <map>
#include <set>
#include <vector>

class QAction;
class QMenu;
class QPlainTextEdit;
class QToolBar;

namespace ovix {

class Messages;
class TillState;

// The toolbar buttons in order: tooltip and the command each runs. Null
// tooltips stand for the gaps between the five groups.
struct ToolbarButton {
    const char *toolTip;
    Command command;
};
const std::vector<ToolbarButton> &toolbarButtons();

class MainWindow final : public QMainWindow, public TillWindow {
public:
    MainWindow(TillState &state, Messages &messages, QWidget *parent = nullptr);
    ~MainWindow() override;

    void registerCommand(Command command, std::function<void()> work) override;
    QWidget *widget() override
    {
        return this;
    }
    void focusItemBox() override;
    bool isBuilt(Command command) const
    {
        return built_.count(command) != 0;
    }

    // Runs a command as a menu item, toolbar button, key or sale button does:
    // while a tender box is open only its amount box gets the focus; a
    // restricted clerk is stopped silently from what the user-control flags
    // keep from them; nothing happens for an unbuilt command; for commands
    // that leave the sale a basket with lines is abandoned only when the clerk
    // agrees (nothing runs otherwise), and the basket is emptied first;
    // afterwards the menus and their check marks show what the command left,
    // and the item box has the focus.
    void runCommand(Command command);
    // Runs screen work that is not a command (a quick-select button) under the
    // same rules: nothing but a focus move while a tender box is open, and the
    // item box has the focus afterwards.
    void runAction(const std::function<void()> &work);

    // Emptying the basket, done before commands that leave the sale and at
    // log off. Set by the sale work; nothing until then.
    void setEmptyBasket(std::function<void()> emptyBasket);
    // Whether the sale in progress may be thrown away (asking the clerk when
    // the basket has lines), asked before commands that leave the sale, log
    // off and closing the window. Until set, it always may.
    void setMayAbandonSale(std::function<bool()> mayAbandonSale);
    // Parks the sale in progress (the saved basket, kept on the disk) when the
    // till is stopped rather than closed by the clerk. Nothing until set.
    void setParkSale(std::function<void()> parkSale);
    // While `amountBox` is not null a tender box is open (see runCommand).
    void setTenderAmountBox(QWidget *amountBox) override;
    // The open tender box's amount box, or null.
    QWidget *tenderAmountBox() const
    {
        return tenderAmountBox_;
    }
    // Replaces the central area by `area` (taken over by the window) whose
    // item box is `itemBox`; the till's keys are then read from that box.
    void setSaleArea(QWidget *area, QPlainTextEdit *itemBox);
    // Called after the window has closed (File "Exit", the close button, or
    // closeParkingTheSale()).
    void setOnClosed(std::function<void()> onClosed);
    // Closing by the clerk (the close button, File "Exit") is refused while a
    // tender box is open (its amount box gets the focus) and, with lines in
    // the basket, unless the clerk agrees to abandon the sale; the basket is
    // then emptied. A stop from the system closes through here instead: the
    // sale in progress is parked and nothing is asked.
    void closeParkingTheSale();
    // The desktop session is ending: the sale in progress is parked at once,
    // and from now on closing the window parks it rather than asking.
    void sessionEnding();

    // Log off: with the clerk's agreement when the basket has lines (No
    // leaves everything as it was), empties the basket, sets the caption
    // "OVIX Retail" and asks for a log-on until a clerk has logged on.
    void logOff();

    // Greys and checks the menus for the logged-on clerk and the built
    // commands; enables the toolbar buttons of built commands.
    void refreshMenus();
    // Puts the tooltips of `widget` (a button of the till screen) under
    // "Button tips".
    void watchToolTips(QWidget *widget);

    const std::map<Command, QAction *> &menuActions() const
    {
        return actions_;
    }
    const std::map<Popup, QMenu *> &popupMenus() const
    {
        return popups_;
    }
    QToolBar *toolBar() const
    {
        return toolBar_;
    }
    QPlainTextEdit *itemBox() const
    {
        return itemBox_;
    }
    // Whether the till screen's tooltips show: as "Button tips" says, read
    // each time a tip is about to show.
    bool tipsShown() const;

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenus();
    void buildToolBar();
    void buildCentralArea();
    bool handleItemBoxKey(QKeyEvent *event);
    void focusEntryBox();
    // True when there is no sale in progress or the clerk lets it go.
    bool saleMayGo();

    TillState &state_;
    Messages &messages_;
    std::map<Command, std::function<void()>> work_;
    std::set<Command> built_;
    std::map<Command, QAction *> actions_;
    std::map<Popup, QMenu *> popups_;
    std::vector<std::pair<Command, QAction *>> toolActions_;
    QToolBar *toolBar_ = nullptr;
    QPlainTextEdit *itemBox_ = nullptr;
    QPointer<QWidget> tenderAmountBox_;
    std::function<void()> emptyBasket_;
    std::function<bool()> mayAbandonSale_;
    std::function<void()> parkSale_;
    std::function<void()> onClosed_;
    bool parkOnClose_ = false;
};

} // namespace ovix
