// vx.cfg over any bytes, as the publisher starts with it: the block kept is
// the file's bytes (zero past a short file), texts are at most one slot,
// an upload name the publisher accepts never leaves the shop folder, its log
// keeps its bounds, the element names it holds never break the stock file's
// tags, and what it stores it reads back byte for byte.

#include "fuzz/settings_fuzz.h"

#include "store/item_record.h"
#include "sync/logic/stock_formatter.h"
#include "sync/logic/sync_session.h"
#include "sync/logic/upload_name.h"

#include <algorithm>

namespace {

using ovix::fuzz::check;

void checkLog(const ovix::PublishLog &log)
{
    const QStringList lines = log.lines();
    check(lines.size() <= ovix::PublishLog::kMaxLines);
    for (const QString &line : lines) {
        check(line.size() <= ovix::PublishLog::kMaxLineLength);
        check(!line.contains(u'\r') && !line.contains(u'\n'));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace ovix;
    const std::string_view input = fuzz::bytesOf(data, size);
    fuzz::putScratchFile(kSyncConfigFileName, input);
    const DataDir shop = fuzz::scratchShop();
    SyncConfig config;
    const SyncConfigLoad load = loadSyncConfig(shop, config);
    check(load == (size == kSyncConfigSize ? SyncConfigLoad::Loaded : SyncConfigLoad::WrongSize));
    const size_t kept = std::min(size, kSyncConfigSize);
    check(config.bytes().substr(0, kept) == input.substr(0, kept));
    check(config.bytes().find_first_not_of('\0', kept) == std::string_view::npos);

    const ConfigText texts[] = { ConfigText::FtpServer, ConfigText::UploadFileName,
        ConfigText::FtpUserName, ConfigText::FtpPassword, ConfigText::RemoteFolder };
    SyncConfig rewritten = config;
    for (ConfigText which : texts) {
        const QString text = config.text(which);
        check(text.size() <= kConfigTextSlotUnits && !text.contains(QChar(0)));
        rewritten.setText(which, text);
        const QString again = rewritten.text(which);
        check(again.size() <= kConfigTextMaxLength && text.startsWith(again));
        check(again.size() >= std::min<qsizetype>(text.size(), kConfigTextMaxLength) - 1);
    }
    for (int element = 0; element < kElementCount; ++element)
        check(config.elementName(static_cast<Element>(element)).size() <= kConfigTextSlotUnits);
    check(uploadTimerPeriod(config.uploadInterval()) >= 0);
    check(!uploadIntervalName(config.uploadInterval()).isEmpty());

    const QString name = config.uploadFileName();
    if (isUsableUploadName(name)) {
        check(!name.contains(u'/') && !name.contains(u'\\') && name != u"." && name != u"..");
        check(!name.contains(QChar(0)));
    }

    // One item with every field, in XML with the names read: each element
    // opens and closes with one tag of its own.
    SyncConfig xml = config;
    xml.setFileFormat(FileFormat::Xml);
    for (int field = 0; field < kOptionalFieldCount; ++field)
        xml.setIncluded(static_cast<OptionalField>(field), true);
    const StockFormatter formatter(xml);
    ItemRecord record {};
    record.number = 1;
    std::string stock;
    formatter.appendHeader(stock);
    check(formatter.appendItem(stock, record));
    formatter.appendFooter(stock);
    const size_t tags = 3 + 2 * (3 + kOptionalFieldCount);
    check(static_cast<size_t>(std::count(stock.begin(), stock.end(), '<')) == tags);
    check(static_cast<size_t>(std::count(stock.begin(), stock.end(), '>')) == tags);

    SyncSession session(shop);
    session.start();
    checkLog(session.log());
    for (ConfigText which : texts)
        session.log().add(session.config().text(which));
    checkLog(session.log());
    check(session.config().elementName(Element::Item).size() > 0);

    check(session.storeConfig());
    SyncConfig stored;
    check(loadSyncConfig(shop, stored) == SyncConfigLoad::Loaded);
    check(stored.bytes() == session.config().bytes());
    session.finish();
    return 0;
}
