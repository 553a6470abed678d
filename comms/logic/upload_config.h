#pragma once
// The head-office upload settings, upload.cfg: one block of exactly 5040
// bytes in the shop folder, read and written whole. Texts are Windows-1252,
// NUL-terminated in slots of 200 bytes, so at most 199 characters. Bytes
// nobody names are kept exactly as read (zero in a new block).
//
//      0-1439   reserved
//   1440-1639   FTP server name
//   1640-1839   FTP user name
//   1840-2039   FTP password
//   2040-2639   reserved
//   2640-2839   file name of the daily overview
//   2840-3039   file name of the daily item list
//   3040-3239   file name of the reorder list
//   3240-5039   reserved
//
// Which of the three reports are sent is kept in wr.cfg, not here.

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace ovix {

class DataDir;

inline constexpr const char *kUploadConfigFileName = "upload.cfg";
inline constexpr size_t kUploadConfigSize = 5040;
inline constexpr size_t kUploadTextSlot = 200;

// The three reports a head office may receive, in the order of their slots.
enum class HeadOfficeReport { DailyOverview, DailyItems, ReorderList };
inline constexpr int kHeadOfficeReportCount = 3;

// The name each report is sent under when the shop has not named it.
const char *defaultUploadName(HeadOfficeReport report);

// Name, offset and width of one text of the block, for checks over the layout.
struct UploadConfigSlot {
    const char *name;
    size_t offset;
};

// Every text of the block, in ascending offset order; no two overlap.
std::span<const UploadConfigSlot> uploadConfigSlots();

class UploadConfig {
public:
    // An all-zero block.
    UploadConfig() : bytes_{} {}

    std::string_view bytes() const
    {
        return {bytes_.data(), bytes_.size()};
    }
    // The first 5040 bytes of `data`; bytes past its end become zero.
    void assign(std::string_view data);

    // Windows-1252 texts up to their first NUL. The setters keep at most 199
    // bytes and zero the rest of the slot.
    std::string server() const;
    void setServer(std::string_view value);
    std::string userName() const;
    void setUserName(std::string_view value);
    std::string password() const;
    void setPassword(std::string_view value);
    std::string fileName(HeadOfficeReport report) const;
    void setFileName(HeadOfficeReport report, std::string_view value);

    // Gives every empty file name its default ("Activity.txt", "Dlyitems.txt",
    // "Reorder.txt"), as the settings dialog offers them.
    void presetEmptyNames();

private:
    std::string text(size_t offset) const;
    void setText(size_t offset, std::string_view value);

    std::array<char, kUploadConfigSize> bytes_;
};

// Whether `name` may name a report file in the shop folder and on the server:
// not empty, no folder part ('/' or '\\'), not "." or "..", no control
// character.
bool isPlainFileName(std::string_view name);

// Whether `name`, in any letter case, is one of the shop's own files or
// folders in the shop folder (records, settings, logs, the undo journal, the
// card exchange files, the archive's year folders, the programs' temporary
// files ending in ".new~"): a report file written under it would replace
// what the shop keeps there.
bool isShopFileName(std::string_view name);

// upload.cfg as stored: nothing when it is missing or cannot be read. A
// shorter file gives what it holds, the rest zero; a longer one its first
// 5040 bytes.
std::optional<UploadConfig> readUploadConfig(const DataDir &dir);

// Replaces upload.cfg whole (it holds the FTP password: owner only, from the
// first byte on). False when it could not be written; the old file is then
// untouched.
bool writeUploadConfig(const DataDir &dir, const UploadConfig &config);

} // namespace ovix
