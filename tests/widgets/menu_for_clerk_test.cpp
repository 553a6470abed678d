#include "support/test_support.h"
#include "till/logic/clerks.h"
#include "sales/logic/till_state.h"
#include "till/widgets/menu_for_clerk.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>

using namespace ovix;
using ovix::test::TempDir;

namespace {

// A menu bar built from the menu table, as the till window builds it.
struct MenuBar {
    QMenuBar bar;
    std::map<Command, QAction *> actions;
    std::map<Popup, QMenu *> popups;
    std::set<Command> built;

    MenuBar()
    {
        for (const MenuEntry &entry : menuTable()) {
            QMenu *&popup = popups[entry.popup];
            if (!popup)
                popup = bar.addMenu(QString::fromUtf8(popupCaption(entry.popup)));
            QAction *action = popup->addAction(QString::fromUtf8(entry.caption));
            action->setCheckable(entry.checkable);
            actions[entry.command] = action;
            built.insert(entry.command);
        }
    }
    bool enabled(Command command) { return actions.at(command)->isEnabled(); }
    bool popupEnabled(Popup popup) { return popups.at(popup)->menuAction()->isEnabled(); }
};

void setFlag(TillConfig &config, UserControlItem item, bool on)
{
    UserControlChoices choices = userControlChoices(config);
    choices[static_cast<size_t>(item)] = on;
    applyUserControl(config, choices);
}

} // namespace

TEST(UpdateMenuForClerk, GreysPerClerkAndFlagAndComesBackForTheManager)
{
    TempDir folder;
    TillState state(folder.path());
    MenuBar menu;
    menu.built.erase(Command::Calendar); // work this program does not have yet

    state.config.set(cfg::currentClerk, 1);
    setFlag(state.config, UserControlItem::ReportMenu, true);
    updateMenuForClerk(menu.actions, menu.popups, state, menu.built);
    EXPECT_TRUE(menu.enabled(Command::OperatorSetup));
    EXPECT_TRUE(menu.popupEnabled(Popup::Reports));
    EXPECT_FALSE(menu.enabled(Command::Calendar));

    state.config.set(cfg::currentClerk, 3);
    updateMenuForClerk(menu.actions, menu.popups, state, menu.built);
    EXPECT_FALSE(menu.enabled(Command::OperatorSetup));
    EXPECT_FALSE(menu.enabled(Command::CustomerAmend));
    EXPECT_TRUE(menu.enabled(Command::InventoryAmend)); // its flag is clear
    EXPECT_TRUE(menu.enabled(Command::InventoryFind));
    EXPECT_FALSE(menu.popupEnabled(Popup::Reports));
    EXPECT_FALSE(menu.enabled(Command::TillCloseout));
    EXPECT_TRUE(menu.popupEnabled(Popup::Activity));

    setFlag(state.config, UserControlItem::AmendInventory, true);
    setFlag(state.config, UserControlItem::ReportMenu, false);
    setFlag(state.config, UserControlItem::ActivityMenu, true);
    updateMenuForClerk(menu.actions, menu.popups, state, menu.built);
    EXPECT_FALSE(menu.enabled(Command::InventoryAmend));
    EXPECT_TRUE(menu.popupEnabled(Popup::Reports));
    EXPECT_TRUE(menu.enabled(Command::TillCloseout));
    EXPECT_FALSE(menu.popupEnabled(Popup::Activity));

    state.config.set(cfg::currentClerk, 2);
    updateMenuForClerk(menu.actions, menu.popups, state, menu.built);
    for (const MenuEntry &entry : menuTable()) {
        EXPECT_EQ(menu.enabled(entry.command), entry.command != Command::Calendar)
            << entry.caption;
    }
    EXPECT_TRUE(menu.popupEnabled(Popup::Activity));
}

TEST(UpdateMenuForClerk, CheckMarksFollowTheConfiguration)
{
    TempDir folder;
    TillState state(folder.path());
    MenuBar menu;
    auto checked = [&](Command command) { return menu.actions.at(command)->isChecked(); };

    updateMenuForClerk(menu.actions, menu.popups, state, menu.built);
    EXPECT_FALSE(checked(Command::IndentListings));
    EXPECT_TRUE(checked(Command::SoundEffects));
    EXPECT_TRUE(checked(Command::ButtonTips));
    EXPECT_FALSE(checked(Command::HiResPicture));

    state.config.set(cfg::listingIndent, 10);
    state.config.set(cfg::soundOff, 2);
    state.config.set(cfg::tooltipsOff, 1);
    state.config.set(cfg::hiResPicture, 2);
    updateMenuForClerk(menu.actions, menu.popups, state, menu.built);
    EXPECT_TRUE(checked(Command::IndentListings));
    EXPECT_FALSE(checked(Command::SoundEffects));
    EXPECT_FALSE(checked(Command::ButtonTips));
    EXPECT_TRUE(checked(Command::HiResPicture));
}
