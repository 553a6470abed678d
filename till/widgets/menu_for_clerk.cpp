#include "till/widgets/menu_for_clerk.h"

#include "store/till_config.h"
#include "sales/logic/till_state.h"

#include <QAction>
#include <QMenu>

namespace ovix {

namespace {

void setCheckMark(const std::map<Command, QAction *> &actions, Command command, bool on)
{
    auto found = actions.find(command);
    if (found == actions.end() || !found->second)
        return;
    found->second->setCheckable(true);
    found->second->setChecked(on);
}

void enablePopup(const std::map<Popup, QMenu *> &popups, Popup popup, bool enabled)
{
    auto found = popups.find(popup);
    if (found != popups.end() && found->second)
        found->second->menuAction()->setEnabled(enabled);
}

} // namespace

void updateMenuForClerk(const std::map<Command, QAction *> &actions,
                        const std::map<Popup, QMenu *> &popups, const TillState &state,
                        const std::set<Command> &built)
{
    const TillConfig &config = state.config;
    const bool restricted = state.restricted();
    for (const MenuEntry &entry : menuTable()) {
        auto found = actions.find(entry.command);
        if (found == actions.end() || !found->second)
            continue;
        found->second->setEnabled(built.count(entry.command) != 0
                                  && menuCommandAllowed(entry, config, restricted));
    }
    enablePopup(popups, Popup::Reports,
                !(restricted && userControlSet(config, UserControlItem::ReportMenu)));
    enablePopup(popups, Popup::Activity,
                !(restricted && userControlSet(config, UserControlItem::ActivityMenu)));

    setCheckMark(actions, Command::IndentListings, config.get(cfg::listingIndent) != 0);
    setCheckMark(actions, Command::SoundEffects, config.get(cfg::soundOff) == 0);
    setCheckMark(actions, Command::ButtonTips, config.get(cfg::tooltipsOff) == 0);
    setCheckMark(actions, Command::HiResPicture, config.get(cfg::hiResPicture) == 2);
}

} // namespace ovix
