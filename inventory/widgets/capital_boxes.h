#pragma once
// Text boxes that hold capitals only, as the shop's records keep descriptions,
// SKUs, names and addresses.

class QLineEdit;

namespace ovix {

// Turns whatever is typed into `box` into capitals (Windows-1252 letters
// included), keeping the caret where it was.
void forceCapitals(QLineEdit *box);

} // namespace ovix
