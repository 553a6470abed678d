#pragma once
// The publisher's settings, vx.cfg: one block of exactly 40320 little-endian
// bytes, read and written whole. Numbers are int32. Texts are UTF-16 in
// two-byte char16_t units (not the platform's four-byte wchar_t), in slots of
// 260 units: NUL-terminated, so at most 259 characters. Bytes the publisher
// does not use are kept exactly as read.

#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace ovix {

class DataDir;

inline constexpr const char *kSyncConfigFileName = "vx.cfg";
inline constexpr size_t kSyncConfigSize = 40320;
inline constexpr int kConfigTextSlotUnits = 260;
inline constexpr int kConfigTextMaxLength = kConfigTextSlotUnits - 1;
// The tag name dialog keeps at most this many characters of a name.
inline constexpr int kElementNameDialogLength = 18;

// Upload intervals as stored: 0 "Manual", 1 "5 minutes" ... 4 "20 minutes".
inline constexpr int32_t kManualUpload = 0;
inline constexpr int32_t kUploadIntervalCount = 5;
inline constexpr int kMillisecondsPerIntervalStep = 300000;

enum class FileFormat { Xml, Csv };

// The fields a shop may leave out of the stock file, in the order of their
// flags in vx.cfg.
enum class OptionalField {
    Sku1,
    Sku2,
    Sku3,
    Sku4,
    CostPrice,
    TradePrice,
    RetailPrice,
    Quantity,
    ReorderQuantity,
    Tax,
    DisplayCategory,
    Category,
    Format,
    DateAdded,
    LastUsed,
    OrderCode,
    MinimumOrder,
    TotalSold,
    Notes,
    Location,
    Website,
};
inline constexpr int kOptionalFieldCount = 21;

// The XML element names, in the order of their slots in vx.cfg.
enum class Element {
    Item,
    Number,
    Description,
    Sku1,
    Sku2,
    Sku3,
    Sku4,
    CostPrice,
    TradePrice,
    RetailPrice,
    Quantity,
    ReorderQuantity,
    Tax,
    DisplayCategory,
    Category,
    Format,
    DateAdded,
    LastUsed,
    OrderCode,
    MinimumOrder,
    TotalSold,
    Location,
    Website,
    Notes,
};
inline constexpr int kElementCount = 24;

enum class ConfigText {
    FtpServer, // "FTP server": host, or host:port
    UploadFileName, // "Upload filename", locally and on the server
    FtpUserName, // "FTP username"
    FtpPassword, // "FTP password", kept as typed
    RemoteFolder, // "Default remote directory"; empty = the log-on folder
};

class SyncConfig {
public:
    // All zero: manual uploads, upload after producing, XML, every field
    // included, every text empty.
    SyncConfig()
        : bytes_ {}
    {
    }

    // The stored interval, which a damaged file may hold out of range.
    int32_t uploadInterval() const;
    void setUploadInterval(int32_t interval);
    bool localFileOnly() const;
    void setLocalFileOnly(bool on);
    bool helpShown() const;
    void setHelpShown(bool shown);
    // CSV when the flag is 2, XML otherwise.
    FileFormat fileFormat() const;
    void setFileFormat(FileFormat format);
    // Included when its flag is 0.
    bool isIncluded(OptionalField field) const;
    void setIncluded(OptionalField field, bool included);

    // A text slot up to its NUL, or all 260 units when it has none.
    QString text(ConfigText which) const;
    // Stores at most 259 units of `text` (a surrogate pair is never split),
    // then zeros to the end of the slot.
    void setText(ConfigText which, const QString &text);
    QString elementName(Element which) const;
    void setElementName(Element which, const QString &name);
    void setDefaultElementNames();

    // The configured upload file name, or "inventor.xml" / "inventor.csv"
    // for the chosen format when none is set.
    QString uploadFileName() const;

    // The 40320 bytes as they go to the file.
    std::string_view bytes() const
    {
        return { bytes_.data(), bytes_.size() };
    }
    // The first 40320 bytes of `data`; bytes past its end become zero.
    void assign(std::string_view data);

private:
    int32_t int32At(size_t offset) const;
    void setInt32At(size_t offset, int32_t value);
    QString textAt(size_t offset) const;
    void setTextAt(size_t offset, const QString &text);

    std::array<char, kSyncConfigSize> bytes_;
};

// "item", "number", "description", ... "notes".
QString defaultElementName(Element which);
// "Manual", "5 minutes", "10 minutes", "15 minutes", "20 minutes"; an interval
// out of range is named (and acts) as "Manual".
QString uploadIntervalName(int32_t interval);
bool isValidUploadInterval(int32_t interval);
// The timer period in milliseconds (interval × 300000); 0 for "Manual" and
// for an interval out of range.
int uploadTimerPeriod(int32_t interval);

// The upload file name as it becomes when the user picks a format: a name of
// more than three characters ending in "v"/"V" gets "xml" as its last three
// characters when XML is chosen; one ending in "l"/"L" gets "csv" when CSV is
// chosen. Any other name comes back unchanged.
QString switchUploadNameExtension(const QString &name, FileFormat chosen);

enum class SyncConfigLoad {
    Loaded, // exactly 40320 bytes
    Missing, // no vx.cfg: all zero
    WrongSize, // too short or too long: what it holds of the block is used
    Unreadable, // vx.cfg exists but cannot be read: all zero, and it must
                // not be replaced at exit
};

// Reads vx.cfg (found whatever the case of its name) into `config`.
SyncConfigLoad loadSyncConfig(const DataDir &dir, SyncConfig &config);

// Replaces vx.cfg with the 40320 bytes, all or nothing; the file is then
// readable by its owner only, since it holds the FTP password. False, with
// `error` when given, on failure; the old file is then untouched.
bool storeSyncConfig(const DataDir &dir, const SyncConfig &config, std::string *error = nullptr);

} // namespace ovix
