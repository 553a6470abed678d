#include "comms/logic/mail_settings.h"

#include "platform/data_dir.h"
#include "platform/file.h"
#include "platform/messages.h"

#include <array>
#include <cstring>

namespace ovix {

namespace {

struct Span {
    size_t offset;
    size_t width;
};

constexpr Span kPort{0, 4};
constexpr Span kEncryption{4, 4};
constexpr Span kUserName{8, 80};
constexpr Span kPassword{88, 80};
constexpr Span kServer{320, 80};
constexpr Span kTarget{400, 80};
constexpr Span kSender{480, 80};

constexpr std::array kFields{kPort, kEncryption, kUserName, kPassword, kServer, kTarget, kSender};

constexpr bool fieldsInOrderWithoutOverlap()
{
    size_t end = 0;
    for (const Span &field : kFields) {
        if (field.offset < end)
            return false;
        end = field.offset + field.width;
    }
    return end <= kMailSettingsSize;
}
static_assert(fieldsInOrderWithoutOverlap(), "wrmail.cfg fields overlap or run past the block");

int32_t readInt32(std::string_view bytes, Span field)
{
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i)
        value |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[field.offset + i])) << (8 * i);
    return static_cast<int32_t>(value);
}

void writeInt32(std::string &bytes, Span field, int32_t value)
{
    for (size_t i = 0; i < 4; ++i)
        bytes[field.offset + i] = static_cast<char>((static_cast<uint32_t>(value) >> (8 * i)) & 0xFF);
}

std::string readText(std::string_view bytes, Span field)
{
    std::string_view text = bytes.substr(field.offset, field.width - 1);
    return std::string(text.substr(0, text.find('\0')));
}

void writeText(std::string &bytes, Span field, std::string_view text)
{
    std::memset(bytes.data() + field.offset, 0, field.width);
    text = text.substr(0, field.width - 1);
    std::memcpy(bytes.data() + field.offset, text.data(), text.size());
}

MailEncryption encryptionOf(int32_t stored)
{
    if (stored == 0)
        return MailEncryption::None;
    if (stored == static_cast<int32_t>(MailEncryption::Tls))
        return MailEncryption::Tls;
    return MailEncryption::StartTls;
}

bool isServerCharacter(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.'
        || c == '-' || c == '_' || c == ':' || c == '[' || c == ']';
}

} // namespace

bool holdsControlCharacter(std::string_view text)
{
    for (unsigned char c : text) {
        if (c < 0x20 || c == 0x7F)
            return true;
    }
    return false;
}

MailSettings mailSettingsFromBytes(std::string_view stored)
{
    std::string bytes(stored.substr(0, kMailSettingsSize));
    bytes.resize(kMailSettingsSize, '\0');
    MailSettings settings;
    settings.port = readInt32(bytes, kPort);
    settings.encryption = encryptionOf(readInt32(bytes, kEncryption));
    settings.userName = readText(bytes, kUserName);
    settings.password = readText(bytes, kPassword);
    settings.server = readText(bytes, kServer);
    settings.target = readText(bytes, kTarget);
    settings.sender = readText(bytes, kSender);
    settings.original = bytes;
    return settings;
}

std::string mailSettingsBytes(const MailSettings &settings)
{
    std::string bytes = settings.original;
    bytes.resize(kMailSettingsSize, '\0');
    writeInt32(bytes, kPort, settings.port);
    // An unknown stored value that reads as STARTTLS stays as it was.
    if (encryptionOf(readInt32(bytes, kEncryption)) != settings.encryption)
        writeInt32(bytes, kEncryption, static_cast<int32_t>(settings.encryption));
    writeText(bytes, kUserName, settings.userName);
    writeText(bytes, kPassword, settings.password);
    writeText(bytes, kServer, settings.server);
    writeText(bytes, kTarget, settings.target);
    writeText(bytes, kSender, settings.sender);
    return bytes;
}

LoadedMailSettings loadMailSettings(const DataDir &dir)
{
    LoadedMailSettings loaded;
    const std::string path = dir.path(kMailSettingsFileName);
    if (!fileExists(path))
        return loaded;
    const std::optional<std::string> bytes = readWholeFile(path);
    if (!bytes) {
        loaded.status = MailSettingsLoad::Unreadable;
        return loaded;
    }
    loaded.status = MailSettingsLoad::Loaded;
    loaded.settings = mailSettingsFromBytes(*bytes);
    return loaded;
}

bool checkMailSettings(const MailSettings &settings, Messages &messages)
{
    const struct {
        const std::string &text;
        const char *name;
    } texts[] = {
        {settings.server, "SMTP server"},
        {settings.target, "Target email"},
        {settings.sender, "Your email"},
        {settings.userName, "User name"},
        {settings.password, "Password"},
    };
    for (const auto &field : texts) {
        if (field.text.size() > kMailTextLength) {
            reportProblem(messages,
                std::string("The ") + field.name + " is longer than 79 characters");
            return false;
        }
        if (holdsControlCharacter(field.text)) {
            reportProblem(messages,
                std::string("The ") + field.name
                    + " must not hold a line break or other control character");
            return false;
        }
    }
    for (unsigned char c : settings.server) {
        if (!isServerCharacter(c)) {
            reportProblem(messages,
                "The SMTP server must be a host name or address, with \":port\" if needed");
            return false;
        }
    }
    if (settings.port < 0 || settings.port > 65535) {
        reportProblem(messages, "The port must be a number from 0 to 65535");
        return false;
    }
    return true;
}

bool storeMailSettings(const DataDir &dir, const MailSettings &settings, Messages &messages)
{
    if (!checkMailSettings(settings, messages))
        return false;
    if (!replaceFileAtomically(dir.path(kMailSettingsFileName), mailSettingsBytes(settings),
            nullptr, ReplacedMode::OwnerOnly)) {
        reportProblem(messages, "Unable to create WRMAIL.CFG");
        return false;
    }
    return true;
}

} // namespace ovix
