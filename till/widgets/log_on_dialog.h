#pragma once
// "USER LOGON": the clerk selector with Up and Down, the numeric password box
// and the on-screen digits. The dialog only collects the choice; logOn()
// decides whether it is right. OK stays greyed while the password is empty.

#include <QDialog>

#include <functional>
#include <string>

class QLineEdit;

namespace ovix {

class Messages;
class TillConfig;
class TillState;

class LogOnDialog : public QDialog {
public:
    // Shows clerk 1 and an empty password; `config` must outlive the dialog.
    // Centred on `window` when it is given.
    LogOnDialog(const TillConfig &config, QWidget *window);

    // The selector's text in Windows-1252 ("1 Administrator").
    std::string selectorText() const;
    // The typed password (digits only, at most 9).
    std::string password() const;
    int shownClerk() const { return clerk_; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void showClerk(int clerk);
    void step(int direction);
    void appendDigit(char digit);
    void removeLastDigit();

    const TillConfig &config_;
    int clerk_ = 1;
    QLineEdit *selector_;
    QLineEdit *password_;
};

// Log off and on again: sets the caption of `window` to "OVIX Retail", then
// shows "USER LOGON" until a clerk logs on; cancelling or a wrong password
// brings the dialog straight back. After the log-on `loggedOn` runs (the
// window empties the basket and greys its menus there) and the caption
// becomes the clerk caption; last, clerk 1 with the standard password is
// reminded to change it. Returns early only if `window` is destroyed.
void runLogOnUntilSuccess(QWidget *window, TillState &state, Messages &messages,
                          const std::function<void()> &loggedOn = {});

} // namespace ovix
