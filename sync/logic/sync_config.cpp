#include "sync/logic/sync_config.h"

#include "platform/data_dir.h"
#include "platform/file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace ovix {

namespace {

constexpr size_t kIntervalOffset = 0;
constexpr size_t kLocalFileOnlyOffset = 8;
constexpr size_t kHelpShownOffset = 16;
constexpr size_t kFileFormatOffset = 32;
constexpr size_t kOmittedFlagsOffset = 1048;
constexpr size_t kFtpServerOffset = 4960;
constexpr size_t kUploadFileNameOffset = 5480;
constexpr size_t kElementNamesOffset = 13280;
constexpr size_t kFtpUserNameOffset = 35120;
constexpr size_t kFtpPasswordOffset = 35640;
constexpr size_t kRemoteFolderOffset = 36160;
constexpr size_t kTextSlotBytes = size_t { kConfigTextSlotUnits } * 2;

constexpr int32_t kOn = 2;
constexpr int32_t kOff = 0;

static_assert(kElementNamesOffset + kElementCount * kTextSlotBytes == 25760);
static_assert(kRemoteFolderOffset + kTextSlotBytes <= kSyncConfigSize);

size_t textOffset(ConfigText which)
{
    switch (which) {
    case ConfigText::FtpServer:
        return kFtpServerOffset;
    case ConfigText::UploadFileName:
        return kUploadFileNameOffset;
    case ConfigText::FtpUserName:
        return kFtpUserNameOffset;
    case ConfigText::FtpPassword:
        return kFtpPasswordOffset;
    case ConfigText::RemoteFolder:
        return kRemoteFolderOffset;
    }
    return kFtpServerOffset;
}

const char *const kDefaultElementNames[kElementCount] = { "item", "number", "description", "sku1",
    "sku2", "sku3", "sku4", "cost_price", "trade_price", "retail_price", "quantity",
    "reorder_quantity", "tax", "display_category", "category", "format", "date_added", "last_used",
    "order_code", "minimum_order", "total_sold", "location", "website", "notes" };

const char *const kIntervalNames[kUploadIntervalCount]
    = { "Manual", "5 minutes", "10 minutes", "15 minutes", "20 minutes" };

} // namespace

int32_t SyncConfig::int32At(size_t offset) const
{
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i)
        value |= static_cast<uint32_t>(static_cast<unsigned char>(bytes_[offset + i])) << (8 * i);
    return static_cast<int32_t>(value);
}

void SyncConfig::setInt32At(size_t offset, int32_t value)
{
    for (size_t i = 0; i < 4; ++i)
        bytes_[offset + i] = static_cast<char>((static_cast<uint32_t>(value) >> (8 * i)) & 0xFF);
}

QString SyncConfig::textAt(size_t offset) const
{
    std::array<char16_t, kConfigTextSlotUnits> units {};
    int length = 0;
    for (; length < kConfigTextSlotUnits; ++length) {
        const size_t at = offset + 2 * static_cast<size_t>(length);
        const auto low = static_cast<unsigned char>(bytes_[at]);
        const auto high = static_cast<unsigned char>(bytes_[at + 1]);
        units[length] = static_cast<char16_t>(low | (high << 8));
        if (units[length] == 0)
            break;
    }
    return QString::fromUtf16(units.data(), length);
}

void SyncConfig::setTextAt(size_t offset, const QString &text)
{
    qsizetype length = std::min<qsizetype>(text.size(), kConfigTextMaxLength);
    if (length > 0 && length < text.size() && text.at(length - 1).isHighSurrogate())
        --length;
    std::memset(bytes_.data() + offset, 0, kTextSlotBytes);
    for (qsizetype i = 0; i < length; ++i) {
        const char16_t unit = text.at(i).unicode();
        bytes_[offset + 2 * i] = static_cast<char>(unit & 0xFF);
        bytes_[offset + 2 * i + 1] = static_cast<char>(unit >> 8);
    }
}

int32_t SyncConfig::uploadInterval() const
{
    return int32At(kIntervalOffset);
}

void SyncConfig::setUploadInterval(int32_t interval)
{
    setInt32At(kIntervalOffset, interval);
}

bool SyncConfig::localFileOnly() const
{
    return int32At(kLocalFileOnlyOffset) == kOn;
}

void SyncConfig::setLocalFileOnly(bool on)
{
    setInt32At(kLocalFileOnlyOffset, on ? kOn : kOff);
}

bool SyncConfig::helpShown() const
{
    return int32At(kHelpShownOffset) != kOff;
}

void SyncConfig::setHelpShown(bool shown)
{
    setInt32At(kHelpShownOffset, shown ? kOn : kOff);
}

FileFormat SyncConfig::fileFormat() const
{
    return int32At(kFileFormatOffset) == kOn ? FileFormat::Csv : FileFormat::Xml;
}

void SyncConfig::setFileFormat(FileFormat format)
{
    setInt32At(kFileFormatOffset, format == FileFormat::Csv ? kOn : kOff);
}

bool SyncConfig::isIncluded(OptionalField field) const
{
    return int32At(kOmittedFlagsOffset + 4 * static_cast<size_t>(field)) == kOff;
}

void SyncConfig::setIncluded(OptionalField field, bool included)
{
    setInt32At(kOmittedFlagsOffset + 4 * static_cast<size_t>(field), included ? kOff : kOn);
}

QString SyncConfig::text(ConfigText which) const
{
    return textAt(textOffset(which));
}

void SyncConfig::setText(ConfigText which, const QString &text)
{
    setTextAt(textOffset(which), text);
}

QString SyncConfig::elementName(Element which) const
{
    return textAt(kElementNamesOffset + static_cast<size_t>(which) * kTextSlotBytes);
}

void SyncConfig::setElementName(Element which, const QString &name)
{
    setTextAt(kElementNamesOffset + static_cast<size_t>(which) * kTextSlotBytes, name);
}

void SyncConfig::setDefaultElementNames()
{
    for (int i = 0; i < kElementCount; ++i)
        setElementName(static_cast<Element>(i), defaultElementName(static_cast<Element>(i)));
}

QString SyncConfig::uploadFileName() const
{
    QString name = text(ConfigText::UploadFileName);
    if (!name.isEmpty())
        return name;
    return fileFormat() == FileFormat::Csv ? QStringLiteral("inventor.csv")
                                           : QStringLiteral("inventor.xml");
}

void SyncConfig::assign(std::string_view data)
{
    size_t length = std::min(data.size(), bytes_.size());
    if (length > 0)
        std::memcpy(bytes_.data(), data.data(), length);
    std::memset(bytes_.data() + length, 0, bytes_.size() - length);
}

QString defaultElementName(Element which)
{
    const int index = static_cast<int>(which);
    if (index < 0 || index >= kElementCount)
        return {};
    return QString::fromLatin1(kDefaultElementNames[index]);
}

bool isValidUploadInterval(int32_t interval)
{
    return interval >= 0 && interval < kUploadIntervalCount;
}

QString uploadIntervalName(int32_t interval)
{
    return QString::fromLatin1(kIntervalNames[isValidUploadInterval(interval) ? interval : 0]);
}

int uploadTimerPeriod(int32_t interval)
{
    return isValidUploadInterval(interval) ? interval * kMillisecondsPerIntervalStep : 0;
}

QString switchUploadNameExtension(const QString &name, FileFormat chosen)
{
    if (name.size() <= 3)
        return name;
    const QChar last = name.back();
    if (chosen == FileFormat::Xml && (last == u'v' || last == u'V'))
        return name.left(name.size() - 3) + QStringLiteral("xml");
    if (chosen == FileFormat::Csv && (last == u'l' || last == u'L'))
        return name.left(name.size() - 3) + QStringLiteral("csv");
    return name;
}

SyncConfigLoad loadSyncConfig(const DataDir &dir, SyncConfig &config)
{
    config = SyncConfig();
    File file = File::open(dir.path(kSyncConfigFileName), File::Mode::Read);
    if (!file.isOpen())
        return file.error() == ENOENT ? SyncConfigLoad::Missing : SyncConfigLoad::Unreadable;
    const int64_t size = file.size();
    std::string bytes(kSyncConfigSize, '\0');
    const int64_t length = size < 0 ? -1 : file.readSomeAt(0, bytes.data(), bytes.size());
    if (length < 0)
        return SyncConfigLoad::Unreadable;
    bytes.resize(static_cast<size_t>(length));
    config.assign(bytes);
    return size == static_cast<int64_t>(kSyncConfigSize) ? SyncConfigLoad::Loaded
                                                         : SyncConfigLoad::WrongSize;
}

bool storeSyncConfig(const DataDir &dir, const SyncConfig &config, std::string *error)
{
    const std::string path = dir.path(kSyncConfigFileName);
    // It holds the FTP password: owner only, the temporary file too, from
    // before the first byte.
    return replaceFileAtomically(path, config.bytes(), error, ReplacedMode::OwnerOnly);
}

} // namespace ovix
