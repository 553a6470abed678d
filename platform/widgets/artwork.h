#pragma once
// The till's built-in pictures (compiled in from art/art.qrc) and the item
// pictures of the quick-select buttons.

#include <QPixmap>
#include <QString>

#include <string>

namespace ovix {

class DataDir;

// Side of an item picture on a quick-select button, in pixels.
inline constexpr int kItemPictureSide = 48;
// Built-in stock pictures are numbered 1 to this.
inline constexpr int kStockPictureCount = 24;

// Makes the built-in pictures (":/art/...") available; called by everything
// here before it reads one, and by other readers of those pictures.
void ensureArtRegistered();

// The built-in picture of a screen button, e.g. buttonPicture("cash", false);
// a grey tile when the name is unknown.
QPixmap buttonPicture(const QString &name, bool pressed);
// The start-up picture, 400 x 198, pure blue (0, 0, 255) where it is see-through.
QPixmap splashPicture();
// The picture of the item-entry area at the top of the totals panel, 240 x 60.
QPixmap entryPanelPicture();
// Built-in stock picture `number` (1 to 24) at its full size; STOCK1 for any
// other number.
QPixmap builtInStockPicture(int number);

// An item's picture for the quick-select buttons, scaled (smoothly) to 48x48:
// the file `fileName` ("m12.bmp" or "STOCK3.bmp") found in the data folder
// whatever its case; for "STOCK<n>.bmp" with n 1..24 missing from the data
// folder, the built-in picture; an unreadable or missing own picture gives
// the built-in STOCK1 picture. Cached by path, size and modification time so
// that a replaced file shows at the next fill. Never throws, never crashes on
// a corrupt file.
QPixmap itemPicture(const DataDir &dir, const std::string &fileName);

} // namespace ovix
