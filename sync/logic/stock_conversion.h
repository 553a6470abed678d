#pragma once
// The copy of the item file turned into the stock file that is uploaded.

#include <string>

namespace ovix {

class PublishLog;
class StockFormatter;

// Reads the records of `copyPath` (inventor.dat) in file order up to the last
// whole record and writes every item that is not a free slot to `outputPath`
// through `formatter`. The output replaces `outputPath` through an
// AtomicFileWriter, so an upload still sending the old file keeps sending it
// whole. It gets the permission bits of `copyPath` (which has film.dat's),
// never more open than the items it holds. On
// failure the old output is untouched, the time line and "Unable to locate
// inventory copy file" (input) or "Unable to produce upload file" (output)
// are logged followed by "    ", and false is returned.
bool convertStockFile(const std::string &copyPath, const std::string &outputPath,
    const StockFormatter &formatter, PublishLog &log);

} // namespace ovix
