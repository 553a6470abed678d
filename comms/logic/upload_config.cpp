#include "comms/logic/upload_config.h"

#include "platform/data_dir.h"
#include "platform/file.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace ovix {

namespace {

constexpr size_t kServerOffset = 1440;
constexpr size_t kUserNameOffset = 1640;
constexpr size_t kPasswordOffset = 1840;
constexpr size_t kFileNamesOffset = 2640; // daily overview, item list, reorder list

constexpr UploadConfigSlot kSlots[] = {
    { "FTP server", kServerOffset },
    { "FTP user name", kUserNameOffset },
    { "FTP password", kPasswordOffset },
    { "daily overview file name", kFileNamesOffset },
    { "daily item list file name", kFileNamesOffset + kUploadTextSlot },
    { "reorder list file name", kFileNamesOffset + 2 * kUploadTextSlot },
};

consteval bool slotsInOrderInsideTheBlock()
{
    size_t end = 0;
    for (const UploadConfigSlot &slot : kSlots) {
        if (slot.offset < end)
            return false;
        end = slot.offset + kUploadTextSlot;
    }
    return end <= kUploadConfigSize;
}
static_assert(slotsInOrderInsideTheBlock(), "upload.cfg texts overlap or leave the block");

size_t fileNameOffset(HeadOfficeReport report)
{
    return kFileNamesOffset + static_cast<size_t>(report) * kUploadTextSlot;
}

} // namespace

const char *defaultUploadName(HeadOfficeReport report)
{
    switch (report) {
    case HeadOfficeReport::DailyOverview: return "Activity.txt";
    case HeadOfficeReport::DailyItems: return "Dlyitems.txt";
    case HeadOfficeReport::ReorderList: return "Reorder.txt";
    }
    return "";
}

std::span<const UploadConfigSlot> uploadConfigSlots()
{
    return kSlots;
}

void UploadConfig::assign(std::string_view data)
{
    bytes_.fill('\0');
    std::memcpy(bytes_.data(), data.data(), std::min(data.size(), bytes_.size()));
}

std::string UploadConfig::text(size_t offset) const
{
    const char *at = bytes_.data() + offset;
    return std::string(at, strnlen(at, kUploadTextSlot));
}

void UploadConfig::setText(size_t offset, std::string_view value)
{
    const size_t length = std::min(value.size(), kUploadTextSlot - 1);
    char *at = bytes_.data() + offset;
    std::memset(at, 0, kUploadTextSlot);
    std::memcpy(at, value.data(), length);
}

std::string UploadConfig::server() const
{
    return text(kServerOffset);
}
void UploadConfig::setServer(std::string_view value)
{
    setText(kServerOffset, value);
}
std::string UploadConfig::userName() const
{
    return text(kUserNameOffset);
}
void UploadConfig::setUserName(std::string_view value)
{
    setText(kUserNameOffset, value);
}
std::string UploadConfig::password() const
{
    return text(kPasswordOffset);
}
void UploadConfig::setPassword(std::string_view value)
{
    setText(kPasswordOffset, value);
}
std::string UploadConfig::fileName(HeadOfficeReport report) const
{
    return text(fileNameOffset(report));
}
void UploadConfig::setFileName(HeadOfficeReport report, std::string_view value)
{
    setText(fileNameOffset(report), value);
}

void UploadConfig::presetEmptyNames()
{
    for (int index = 0; index < kHeadOfficeReportCount; ++index) {
        const auto report = static_cast<HeadOfficeReport>(index);
        if (fileName(report).empty())
            setFileName(report, defaultUploadName(report));
    }
}

bool isPlainFileName(std::string_view name)
{
    if (name.empty() || name == "." || name == "..")
        return false;
    for (unsigned char c : name) {
        if (c < 0x20 || c == 0x7F || c == '/' || c == '\\')
            return false;
    }
    return true;
}

bool isShopFileName(std::string_view name)
{
    static constexpr std::string_view kShopFiles[] = {
        "film.dat", "member.dat", "mans.dat", "wr.cfg", "address.vt", "language.ini",
        "resn.dat", "basket.sav", "bun4.dat", "bun2.dat", "thedaily.dat", "base.dat",
        "saleslog.dat", "itemslog.dat", "ininvent.dat", "temp2.dat", "f2.dat", "m2.dat",
        "receipt.bmp", "letter.bmp", "wrmail.cfg", "upload.cfg", "input.txt", "output.txt",
        "ports.cfg", "ovix.jnl", "vx.cfg", "inventor.dat", "printouts", "help",
    };
    std::string lower(name);
    for (char &c : lower) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    if (std::find(std::begin(kShopFiles), std::end(kShopFiles), lower) != std::end(kShopFiles))
        return true;
    if (!lower.empty() && lower.find_first_not_of("0123456789") == std::string::npos)
        return true;
    return lower.ends_with(".new~");
}

std::optional<UploadConfig> readUploadConfig(const DataDir &dir)
{
    File file = File::open(dir.path(kUploadConfigFileName), File::Mode::Read);
    if (!file.isOpen())
        return std::nullopt;
    std::string bytes(kUploadConfigSize, '\0');
    const int64_t length = file.readSomeAt(0, bytes.data(), bytes.size());
    if (length < 0)
        return std::nullopt;
    bytes.resize(static_cast<size_t>(length));
    UploadConfig config;
    config.assign(bytes);
    return config;
}

bool writeUploadConfig(const DataDir &dir, const UploadConfig &config)
{
    return replaceFileAtomically(
        dir.path(kUploadConfigFileName), config.bytes(), nullptr, ReplacedMode::OwnerOnly);
}

} // namespace ovix
