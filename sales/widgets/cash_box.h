#pragma once
// The modeless cash box: the amount due, the tendered box (digits only, in
// cents, twice the dialog font), the change box (red while short, pale once
// the amount is reached), three quick buttons, "Exact amount", OK and Cancel.
//
// A view only: the buttons call the functions given; the Payment decides.

#include "sales/logic/payment.h"

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace ovix {

inline constexpr QRgb kChangeShortColour = 0xC82828; // RGB 200, 40, 40
inline constexpr QRgb kChangeReachedColour = 0xF0F0C8; // RGB 240, 240, 200

class CashBox : public QDialog {
public:
    struct Actions {
        std::function<void()> exact;
        std::function<void(double)> quick;
        std::function<void(const QString &)> ok;
        std::function<void()> cancel;
    };

    // Shows `due` and the quick amounts; `actions` run on the buttons.
    CashBox(double due, const QuickAmounts &quick, Actions actions, QWidget *parent);

    // Centred over `window`, 10 pixels above its bottom edge.
    void placeOver(const QWidget *window);

    QLineEdit *tenderedBox() const { return tendered_; }
    QLineEdit *changeBox() const { return change_; }
    QPushButton *quickButton(int index) const { return quick_[index]; }

protected:
    void reject() override;

private:
    void tenderedChanged();

    double due_;
    Actions actions_;
    QLineEdit *tendered_ = nullptr;
    QLineEdit *change_ = nullptr;
    QPushButton *quick_[3] = {};
};

} // namespace ovix
