#pragma once
// The about box of the Help menu.

#include <QString>

class QWidget;

namespace ovix {

class TillState;

// The text of the about box: program, version, and the shop's data folder.
QString aboutText(const TillState &state);

// Shows the about box modally.
void showAboutBox(QWidget *parent, const TillState &state);

} // namespace ovix
