#pragma once
// "PASSWORD CONTROL": one check box per user-control item, in the order of
// UserControlItem, and "All" to tick or clear them together.

#include "till/logic/clerks.h"

#include <QDialog>

#include <vector>

class QCheckBox;

namespace ovix {

class Messages;
class TillState;

class UserControlDialog : public QDialog {
public:
    UserControlDialog(const UserControlChoices &choices, QWidget *parent);

    UserControlChoices choices() const;

private:
    std::vector<QCheckBox *> items_;
};

// The "User control" command: nothing for a restricted clerk; otherwise shows
// the dialog and, on OK, stores the flags in the configuration. True when
// stored (the window then greys its menus again).
bool runUserControl(QWidget *parent, TillState &state);

} // namespace ovix
