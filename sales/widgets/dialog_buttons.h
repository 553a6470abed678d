#pragma once
// The push buttons of the till's small dialogs, named so that tests and the
// keypad find them.

class QBoxLayout;
class QPushButton;
class QString;
class QWidget;

namespace ovix {

// A button with `caption` and the object name `name` that Enter never presses.
QPushButton *namedButton(const QString &caption, const QString &name, QWidget *parent);

struct OkCancel {
    QPushButton *ok;
    QPushButton *cancel;
};

// A row of "OK" (named "ok", the default button) and "Cancel" (named
// "cancel") added to the foot of `layout`.
OkCancel addOkCancelRow(QBoxLayout *layout, QWidget *parent);

} // namespace ovix
