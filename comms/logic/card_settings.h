#pragma once
// The card terminal link's settings as wr.cfg keeps them: the exchange folder
// (text, Windows-1252) and five switches stored as doubles, 2 = on, 0 = off.
//
// The folder is stored as the shop typed it. A block from a Windows till holds
// "C:\CARDEFT", another drive's folder or nothing; none names a folder here,
// so each means the folder "cardeft" inside the shop folder. The stored bytes
// are kept as they are until the shop types another folder in the setup
// dialog.

#include <string>

namespace ovix {

class DataDir;
class Messages;
class TillConfig;

// Where that default lies in the shop folder here.
inline constexpr const char *kCardFolderName = "cardeft";

struct CardSettings {
    std::string folder; // UTF-8, as the setup dialog shows it
    bool active = false;
    bool cashBack = false;
    bool notPresentPayments = false;
    bool notPresentRefunds = false;
    bool verbose = false;
};

// The settings of `config`, the folder as exchangeFolder() makes it.
CardSettings loadCardSettings(const TillConfig &config, const DataDir &shop);

// Stores the five switches (2 for on, 0 for off) and the folder. The stored
// folder text changes only when `settings.folder` differs from the folder
// loadCardSettings() shows for the stored one. A folder that does not fit the
// 249 bytes of the field, or that is not an absolute path, is refused with a
// message (caption "Problem") and nothing changes. True when stored.
bool storeCardSettings(TillConfig &config, const DataDir &shop, const CardSettings &settings,
    Messages &messages);

// True when the link is switched on (its setting equals 2).
bool cardLinkActive(const TillConfig &config);

// The exchange folder (UTF-8 path): the stored folder when it is an absolute
// path here, else "<shop>/cardeft" (empty, "C:\CARDEFT", "D:\EFT").
std::string exchangeFolder(const TillConfig &config, const DataDir &shop);

} // namespace ovix
