#pragma once
// Utilities "Import": items or customers read from a text file into film.dat
// or member.dat (exchange/logic/import_run.h), with a progress bar and Cancel,
// then the report of the lines not taken.

class QWidget;

namespace ovix {

class Messages;
class Shop;

// Runs the whole command over `parent`. True when the new file was put in
// place (or a merge ran to its end) and the closing message was shown: the
// till must then end, so that its next start reads the new file. False when
// the command was ended, cancelled or failed, with the files as they were.
bool runImport(QWidget *parent, Shop &shop, Messages &messages);

} // namespace ovix
