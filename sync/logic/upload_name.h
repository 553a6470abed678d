#pragma once
// The name of the stock file the publisher writes into the shop's folder and
// sends to the web server under the same name.

#include <QString>

namespace ovix {

// False for a name the publisher must not write in the shop's folder, where
// the stock file (and its temporary file, the name with ".new~" added) would
// replace whatever has that name:
// - an empty name, "." and "..", a name holding a folder separator ('/' or
//   '\') or a control character, so nothing lands outside the shop's folder;
// - the name of any file or folder the till or the publisher reads or writes
//   there, in any letter case (the shop's files are found whatever their
//   case): the record files, settings, logs, the archive's files and folders,
//   pictures, sort, export and card-exchange files, ports.cfg, the undo
//   journal, the printouts folder;
// - item and stock pictures ("m<number>.bmp", "STOCK<number>.bmp"), item
//   report files ("SA<digits>.CSV", "SW<digits>.CSV") and names of digits
//   only (the archive's year, month and day folders);
// - a name ending in ".new~", as the programs' temporary files do.
// The publisher's own defaults, "inventor.xml" and "inventor.csv", are usable.
bool isUsableUploadName(const QString &name);

} // namespace ovix
