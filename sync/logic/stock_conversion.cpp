#include "sync/logic/stock_conversion.h"

#include "platform/file.h"
#include "store/item_record.h"
#include "sync/logic/publish_log.h"
#include "sync/logic/stock_formatter.h"

#include <cstring>
#include <vector>

namespace ovix {

namespace {

constexpr size_t kChunkRecords = 512;
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
    text.reserve(kFlushSize + 64 * 1024);
    formatter.appendHeader(text);
    std::vector<char> chunk(kChunkRecords * kItemRecordSize);
    ItemRecord record;
    int64_t offset = 0;
    for (;;) {
        const int64_t got = in.readSomeAt(offset, chunk.data(), chunk.size());
        if (got < 0)
            return failed(log, kInputFailed);
        offset += got;
        const size_t records = static_cast<size_t>(got) / kItemRecordSize;
        for (size_t i = 0; i < records; ++i) {
            std::memcpy(&record, chunk.data() + i * kItemRecordSize, kItemRecordSize);
            formatter.appendItem(text, record);
            if (text.size() >= kFlushSize) {
                if (!out.write(text))
                    return failed(log, kOutputFailed);
                text.clear();
            }
        }
        if (static_cast<size_t>(got) < chunk.size())
            break;
    }
    formatter.appendFooter(text);
    if (!out.write(text) || !out.commit())
        return failed(log, kOutputFailed);
    return true;
}

} // namespace ovix
