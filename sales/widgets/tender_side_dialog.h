#pragma once
// A modeless dialog that stands beside the till as the tender boxes do:
// centred horizontally over the main window, 10 pixels above its bottom edge.
// While it is open the till is in tender-open mode: the keypad types into its
// amount box, no payment starts and every other command only moves the focus
// back to that box. Cancel (or Escape, or closing it) and a successful OK end
// the mode and close it; it deletes itself.

#include <QDialog>

class QLineEdit;

namespace ovix {

class TillWindow;

class TenderSideDialog : public QDialog {
public:
    explicit TenderSideDialog(TillWindow &window);

    // Places the dialog over the window, enters tender-open mode with
    // `amountBox`, shows the dialog and gives the box the focus.
    void showBesideTill(QLineEdit *amountBox);

protected:
    // Ends tender-open mode and closes the dialog; once only.
    void finish();
    void reject() override;

private:
    TillWindow &window_;
    bool finished_ = false;
};

} // namespace ovix
