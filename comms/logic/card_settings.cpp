#include "comms/logic/card_settings.h"

#include "platform/cp1252.h"
#include "platform/data_dir.h"
#include "platform/messages.h"
#include "store/till_config.h"


namespace ovix {

namespace {

constexpr double kOn = 2;

bool isOn(double value)
{
    return value == kOn;
}

double stored(bool on)
{
    return on ? kOn : 0;
}

// Empty, "C:\CARDEFT" or another Windows folder ("D:\EFT") from a block
// written on Windows: no folder here, so the one in the shop is meant.
bool meansDefaultFolder(std::string_view stored)
{
    return stored.empty() || stored.front() != '/';
}

} // namespace

bool cardLinkActive(const TillConfig &config)
{
    return isOn(config.get(cfg::cardLinkActive));
}

std::string exchangeFolder(const TillConfig &config, const DataDir &shop)
{
    const std::string storedFolder = config.text(cfg::eftFolder);
    if (meansDefaultFolder(storedFolder))
        return shop.root() + "/" + kCardFolderName;
    return toUtf8(storedFolder);
}

CardSettings loadCardSettings(const TillConfig &config, const DataDir &shop)
{
    CardSettings settings;
    settings.folder = exchangeFolder(config, shop);
    settings.active = isOn(config.get(cfg::cardLinkActive));
    settings.cashBack = isOn(config.get(cfg::cardCashBackPermitted));
    settings.notPresentPayments = isOn(config.get(cfg::cardNotPresentPayments));
    settings.notPresentRefunds = isOn(config.get(cfg::cardNotPresentRefunds));
    settings.verbose = isOn(config.get(cfg::cardVerbose));
    return settings;
}

bool storeCardSettings(TillConfig &config, const DataDir &shop, const CardSettings &settings,
    Messages &messages)
{
    const bool folderChanged = settings.folder != exchangeFolder(config, shop);
    const std::string folderBytes = fromUtf8(settings.folder);
    if (folderChanged) {
        if (folderBytes.empty() || folderBytes.front() != '/') {
            reportProblem(messages, "Please choose the folder of the card terminal's files");
            return false;
        }
        if (toUtf8(folderBytes) != settings.folder) {
            reportProblem(messages, "The folder name holds characters the till cannot keep");
            return false;
        }
        if (folderBytes.size() >= cfg::eftFolder.width) {
            reportProblem(messages, "The folder name is too long");
            return false;
        }
    }
    if (folderChanged)
        config.setText(cfg::eftFolder, folderBytes);
    config.set(cfg::cardLinkActive, stored(settings.active));
    config.set(cfg::cardCashBackPermitted, stored(settings.cashBack));
    config.set(cfg::cardNotPresentPayments, stored(settings.notPresentPayments));
    config.set(cfg::cardNotPresentRefunds, stored(settings.notPresentRefunds));
    config.set(cfg::cardVerbose, stored(settings.verbose));
    return true;
}

} // namespace ovix
