#include "till/logic/menu_toggles.h"

#include "platform/c_format.h"
#include "platform/messages.h"
#include "platform/number_text.h"
#include "store/till_config.h"


namespace ovix {

bool commandChecked(Command command, const TillConfig &config)
{
    switch (command) {
    case Command::SoundEffects:
        return config.get(cfg::soundOff) == 0;
    case Command::ButtonTips:
        return config.get(cfg::tooltipsOff) == 0;
    case Command::HiResPicture:
        return config.get(cfg::hiResPicture) == 2;
    case Command::IndentListings:
        return config.get(cfg::listingIndent) != 0;
    default:
        return false;
    }
}

void toggleSoundEffects(TillConfig &config)
{
    config.set(cfg::soundOff, config.get(cfg::soundOff) != 0 ? 0 : 2);
}

void toggleButtonTips(TillConfig &config)
{
    config.set(cfg::tooltipsOff, config.get(cfg::tooltipsOff) != 0 ? 0 : 2);
}

void toggleHiResPicture(TillConfig &config)
{
    config.set(cfg::hiResPicture, config.get(cfg::hiResPicture) == 2 ? 0 : 2);
}

void chooseListingIndent(TillConfig &config, Messages &messages)
{
    if (config.get(cfg::listingIndent) != 0) {
        config.set(cfg::listingIndent, 0);
        return;
    }
    std::optional<std::string> typed
        = messages.askText("Indent (in characters, 0-40)", "Indent listings", "10");
    if (!typed)
        return;
    const std::optional<int64_t> indent = wholeNumber(*typed);
    if (!indent || *indent < 0 || *indent > 40) {
        reportProblem(messages, "Outside range");
        return;
    }
    config.set(cfg::listingIndent, static_cast<int>(*indent));
    reportInfo(messages, cformat("%d", static_cast<int>(*indent)), "Indent set to");
}

} // namespace ovix
