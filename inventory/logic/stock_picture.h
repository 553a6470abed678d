#pragma once
// Replacing one of the 24 built-in stock pictures by a bitmap of the shop's
// own: the file goes into the data folder as stock<n>.bmp, where the item
// pictures are looked for before the built-in ones.

#include <string>
#include <string_view>

namespace ovix {

class DataDir;
class Messages;

// True when `bytes` look like a whole Windows bitmap file: the "BM" mark, a
// file header and picture header that fit in the bytes, and a width and
// height that are not 0.
bool looksLikeBitmap(std::string_view bytes);

// Copies the bitmap file `source` over stock picture `number` (1 to 24) in
// the data folder: an existing file of that name is replaced whatever the
// case of its name, else "stock<n>.bmp" is created. The file is written
// whole or not at all. Tells the user the outcome ("Updated.", caption
// "Inbuilt picture"; problems with caption "Problem") and returns true when
// the picture was replaced. A file that is not a bitmap changes nothing.
bool replaceStockPicture(
    const DataDir &dir, int number, const std::string &source, Messages &messages);

} // namespace ovix
