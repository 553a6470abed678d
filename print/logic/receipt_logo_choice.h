#pragma once
// "Select logo bitmap file": the chosen picture becomes receipt.bmp in the
// shop's data folder, the logo the receipts print.

#include <string>

namespace ovix {

class DataDir;
class Messages;

// Copies the file at `source` over receipt.bmp in `dataDir` (all or nothing:
// a failed copy leaves the old logo) and says "Updated." (caption "Logo
// picture"). A data folder that is not there: "Unable to locate directory.";
// a source that cannot be read or a copy that fails: a problem naming the
// file. True when copied.
bool takeReceiptLogo(const DataDir &dataDir, const std::string &source, Messages &messages);

} // namespace ovix
