// The card link's settings in wr.cfg over any bytes: the exchange folder is
// the shop's own "cardeft" or an absolute path, and storing what the setup
// dialog shows changes no byte of the block.

#include "fuzz/settings_fuzz.h"

#include "comms/logic/card_settings.h"
#include "platform/scripted_messages.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace ovix;
    using fuzz::check;
    using fuzz::stretchOf;
    const TillConfig config = fuzz::configFrom(fuzz::bytesOf(data, size),
        { stretchOf(cfg::cardLinkActive), stretchOf(cfg::cardCashBackPermitted),
            stretchOf(cfg::cardNotPresentPayments), stretchOf(cfg::cardNotPresentRefunds),
            stretchOf(cfg::cardVerbose), stretchOf(cfg::eftFolder) });
    const DataDir shop("/shop");
    const CardSettings settings = loadCardSettings(config, shop);
    check(!settings.folder.empty() && settings.folder.front() == '/');
    check(settings.folder.find('\0') == std::string::npos);
    check(settings.active == cardLinkActive(config));

    TillConfig stored = config;
    ScriptedMessages quiet;
    check(storeCardSettings(stored, shop, settings, quiet));
    check(quiet.shown.empty());
    const CardSettings again = loadCardSettings(stored, shop);
    check(again.folder == settings.folder && again.active == settings.active
        && again.cashBack == settings.cashBack
        && again.notPresentPayments == settings.notPresentPayments
        && again.notPresentRefunds == settings.notPresentRefunds
        && again.verbose == settings.verbose);
    // The switches are written as 2 or 0 whatever they held; the folder text
    // stays exactly as it was read.
    check(stored.text(cfg::eftFolder) == config.text(cfg::eftFolder));
    return 0;
}
