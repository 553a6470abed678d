#include "sync/logic/stock_conversion.h"

#include "platform/file.h"
#include "store/item_record.h"
#include "store/record_scan.h"
#include "sync/logic/publish_log.h"
#include "sync/logic/stock_formatter.h"

namespace ovix {

namespace {

constexpr size_t kFlushSize = 1 << 20;

bool failed(PublishLog &log, const char *what)
{
    log.add({ timeLine(), QString::fromLatin1(what), QStringLiteral("    ") });
    return false;
}

} // namespace

bool convertStockFile(const std::string &copyPath, const std::string &outputPath,
    const StockFormatter &formatter, PublishLog &log)
{
    static const char *const kInputFailed = "Unable to locate inventory copy file";
    static const char *const kOutputFailed = "Unable to produce upload file";

    File in = File::open(copyPath, File::Mode::Read);
    if (!in.isOpen())
        return failed(log, kInputFailed);
    // The stock file holds the items of the copy, so it gets the copy's mode.
    const int copyMode = in.permissions();
    if (copyMode < 0)
        return failed(log, kInputFailed);
    AtomicFileWriter out(outputPath, static_cast<mode_t>(copyMode));
    if (!out.isOpen())
        return failed(log, kOutputFailed);

    std::string text;
    text.reserve(kFlushSize + size_t { 64 } * 1024);
    formatter.appendHeader(text);
    // Free slots (numbers of 0 or less) are left out of the stock file.
    bool outputFailed = false;
    const ScanResult scan
        = forEachRecord<ItemRecord>(copyPath, {}, [&](int64_t, const ItemRecord &record) {
              formatter.appendItem(text, record);
              if (text.size() < kFlushSize)
                  return true;
              outputFailed = !out.write(text);
              text.clear();
              return !outputFailed;
          });
    if (outputFailed)
        return failed(log, kOutputFailed);
    if (!scan.complete())
        return failed(log, kInputFailed);
    formatter.appendFooter(text);
    if (!out.write(text) || !out.commit())
        return failed(log, kOutputFailed);
    return true;
}

} // namespace ovix
