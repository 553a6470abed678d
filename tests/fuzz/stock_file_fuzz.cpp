// The publisher's copy of film.dat over any bytes, turned into the stock
// file: the copy is film.dat exactly, and the XML holds one item element per
// record in use, every text escaped, so that no byte of a record can open or
// close an element of its own.

#include "fuzz/settings_fuzz.h"

#include "platform/file.h"
#include "store/item_record.h"
#include "sync/logic/item_file_copy.h"
#include "sync/logic/publish_log.h"
#include "sync/logic/stock_conversion.h"
#include "sync/logic/stock_formatter.h"
#include "sync/logic/sync_config.h"

#include <algorithm>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace ovix;
    using fuzz::check;
    std::string_view input = fuzz::bytesOf(data, size);
    if (input.size() < 4)
        return 0;
    // The first four bytes choose the format and the fields left out.
    uint32_t choices = 0;
    std::memcpy(&choices, input.data(), 4);
    input.remove_prefix(4);
    SyncConfig config;
    config.setDefaultElementNames();
    config.setFileFormat((choices & 1) ? FileFormat::Csv : FileFormat::Xml);
    int included = 0;
    for (int field = 0; field < kOptionalFieldCount; ++field) {
        const bool in = (choices >> (field + 1) & 1) == 0;
        config.setIncluded(static_cast<OptionalField>(field), in);
        included += in;
    }

    fuzz::putScratchFile(kItemFileName, input);
    const DataDir shop = fuzz::scratchShop();
    check(copyItemFile(shop));
    check(readWholeFile(shop.path(kItemCopyFileName)) == std::string(input));

    PublishLog log;
    const std::string output = shop.path("stock.out");
    check(convertStockFile(shop.path(kItemCopyFileName), output, StockFormatter(config), log));
    check(log.lines().isEmpty());
    const std::optional<std::string> stock = readWholeFile(output);
    check(stock.has_value());

    size_t inUse = 0;
    for (size_t at = 0; at + kItemRecordSize <= input.size(); at += kItemRecordSize) {
        int64_t number = 0;
        std::memcpy(&number, input.data() + at + offsetof(ItemRecord, number), sizeof number);
        inUse += number > 0;
    }
    if (config.fileFormat() == FileFormat::Csv) {
        check(inUse > 0 || stock->empty());
        return 0;
    }
    size_t items = 0;
    for (size_t at = stock->find("<item>"); at != std::string::npos;
         at = stock->find("<item>", at + 1))
        ++items;
    check(items == inUse);
    // Every element opens and closes with its own tag and nothing else: the
    // header and <document> open two, </document> one, each item two per
    // element (itself, number, description and the fields included).
    const size_t elements = 1 + 2 + static_cast<size_t>(included);
    const auto opens = static_cast<size_t>(std::count(stock->begin(), stock->end(), '<'));
    const auto closes = static_cast<size_t>(std::count(stock->begin(), stock->end(), '>'));
    check(opens == 3 + 2 * elements * inUse);
    check(closes == opens);
    return 0;
}
