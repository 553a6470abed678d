#pragma once
// The mail settings, wrmail.cfg: one block of exactly 560 bytes in the shop
// folder, read whole and written whole (replaceFileAtomically, owner only).
//
//      0-3      port (int32; 0 = the one in the server text, else 25, or 465
//               for TLS)
//      4-7      encryption (int32; 0 none, 1 STARTTLS, 2 TLS; any other
//               value is taken as STARTTLS, so it never falls back to plain)
//      8-87     user name for the server's log-in (text 80; empty = none)
//     88-167    password (text 80)
//    168-319    reserved, zero; written back as read
//    320-399    SMTP server name, "host" or "host:port" (text 80)
//    400-479    recipient address, "Target email" (text 80)
//    480-559    sender address, "Your email" (text 80)
//
// Texts are NUL-terminated Windows-1252, zero-filled; at most 79 bytes are
// kept. A block from a till that knew only the last three fields has zeros
// in 0-319: no port, no encryption, no log-in, as that till sent.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ovix {

class DataDir;
class Messages;

inline constexpr const char *kMailSettingsFileName = "wrmail.cfg";
inline constexpr size_t kMailSettingsSize = 560;
inline constexpr size_t kMailTextLength = 79; // characters typed into each field

enum class MailEncryption : int32_t {
    None = 0,
    StartTls = 1, // plain connection upgraded before anything is sent
    Tls = 2,      // secure from the first byte
};

struct MailSettings {
    std::string server;   // Windows-1252, as typed
    std::string target;   // recipient
    std::string sender;   // "Your email"
    int port = 0;         // 0 = default
    MailEncryption encryption = MailEncryption::None;
    std::string userName; // empty = no log-in
    std::string password;
    // The 560 bytes the block was read from (reserved bytes kept); empty for a
    // new block.
    std::string original;
};

enum class MailSettingsLoad {
    Loaded,     // read (a short file fills what it holds, the rest zero)
    Missing,    // no wrmail.cfg: empty texts, zero bytes
    Unreadable, // it exists but cannot be read
};

struct LoadedMailSettings {
    MailSettingsLoad status = MailSettingsLoad::Missing;
    MailSettings settings;
};

// Reads wrmail.cfg (found whatever the case of its name).
LoadedMailSettings loadMailSettings(const DataDir &dir);

// The 560 bytes of `settings`: the reserved bytes of `settings.original`
// where it has them, the fields written over them.
std::string mailSettingsBytes(const MailSettings &settings);
// The settings the 560 (or fewer) bytes hold.
MailSettings mailSettingsFromBytes(std::string_view bytes);

// Checks what the "Email target" dialog collected: each text at most 79
// characters, none holding a control character (a line break in an address
// would let it add commands to the mail dialogue), the server a host name or
// address with an optional ":port", the port 0-65535. A fault is reported
// (caption "Problem") and false returned.
bool checkMailSettings(const MailSettings &settings, Messages &messages);

// Checks, then replaces wrmail.cfg with the 560 bytes, 0600.
// "Unable to create WRMAIL.CFG" (caption "Problem") when it cannot be written.
// True when stored.
bool storeMailSettings(const DataDir &dir, const MailSettings &settings, Messages &messages);

// True when `text` holds a byte below 32 or 127 (CR, LF, tab, ...): such a
// text is never put into a mail address.
bool holdsControlCharacter(std::string_view text);

} // namespace ovix
