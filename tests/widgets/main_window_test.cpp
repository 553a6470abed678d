#include "platform/scripted_messages.h"
#include "store/till_config.h"
#include "support/test_support.h"
#include "sales/logic/till_state.h"
#include "till/widgets/file_commands.h"
#include "till/widgets/help_commands.h"
#include "till/widgets/main_window.h"
#include "till/widgets/utilities_commands.h"
#include "widgets/modal_dialogs.h"

#include <QAction>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace ovix;
using ovix::test::TempDir;

namespace {

struct Till {
    TempDir folder;
    TillState state { folder.path() };
    ScriptedMessages messages;
    MainWindow window { state, messages };

    // The commands the window had connected by itself before each popup's
    // file connected them.
    Till()
    {
        connectFileCommands(window, state, messages);
        connectUtilitiesCommands(window, state, messages, {});
        connectHelpCommands(window, state, messages);
    }

    QAction *action(Command command)
    {
        return window.menuActions().at(command);
    }
    QAction *toolAction(const char *toolTip)
    {
        for (QAction *action : window.toolBar()->actions())
            if (action->toolTip() == QString::fromLatin1(toolTip))
                return action;
        return nullptr;
    }
    void logOnClerk(int clerk)
    {
        state.config.set(cfg::currentClerk, clerk);
    }
    void setUserControl(UserControlItem item)
    {
        state.config.set(cfg::userControl, static_cast<size_t>(item), 2);
    }
};

// The entries of one menu as text: captions as shown, "---" for a
// separator, "[Pri&nt]" before the entries of a submenu and "[/]" after them.
std::vector<std::string> menuTexts(const QMenu *menu)
{
    std::vector<std::string> texts;
    for (QAction *action : menu->actions()) {
        if (action->isSeparator()) {
            texts.push_back("---");
        } else if (action->menu()) {
            texts.push_back(("[" + action->text() + "]").toStdString());
            for (const std::string &inner : menuTexts(action->menu()))
                texts.push_back(inner);
            texts.push_back("[/]");
        } else {
            texts.push_back(action->text().toStdString());
        }
    }
    return texts;
}

} // namespace

TEST(MainWindow, MenuBarHasEveryPopupAndItemOfTheTableInOrderWithShortcutHints)
{
    Till till;
    std::vector<std::string> popups;
    for (QAction *action : till.window.menuBar()->actions())
        popups.push_back(action->text().toStdString());
    EXPECT_EQ(popups,
        (std::vector<std::string> { "&File", "&Inventory", "&Customers", "&Reminders", "&Suppliers",
            "&Payments", "Re&ports", "&Transactions", "&Activity", "&Utilities", "&Help" }));

    const std::vector<std::string> file = { "&Listing font size", "&Indent listings", "---",
        "&Email setup", "---", "Exit - print &report", "Exit - print l&og",
        "Exit - print report + lo&g", "---", "E&xit" };
    EXPECT_EQ(menuTexts(till.window.popupMenus().at(Popup::File)), file);

    const std::vector<std::string> inventory
        = menuTexts(till.window.popupMenus().at(Popup::Inventory));
    const std::vector<std::string> inventoryTail
        = { "---", "[Pri&nt]", "&From number ..", "&Alphabetically", "&Including cost value",
              "&By category", "In &stock", "By &location", "&Custom", "[/]" };
    ASSERT_GE(inventory.size(), inventoryTail.size());
    EXPECT_EQ(std::vector<std::string>(inventory.end() - inventoryTail.size(), inventory.end()),
        inventoryTail);
    EXPECT_EQ(inventory.front(), "&New line\tF4");

    const std::vector<std::string> help = { "&Contents\tF1", "&Using help", "---",
        "&Tip of the day ...", "---", "Ca&lendar", "&About" };
    EXPECT_EQ(menuTexts(till.window.popupMenus().at(Popup::Help)), help);

    // Every command of the table has its action, its caption and its hint.
    for (const MenuEntry &entry : menuTable()) {
        std::string expected = entry.caption;
        if (entry.shortcut)
            expected += std::string("\t") + entry.shortcut;
        EXPECT_EQ(till.action(entry.command)->text().toStdString(), expected);
        EXPECT_EQ(till.action(entry.command)->isCheckable(), entry.checkable) << expected;
    }
    EXPECT_EQ(till.action(Command::CustomerPrintDebtors)->text(), "&Debtors\t^D");
    EXPECT_EQ(till.action(Command::ActivitySummary)->text(), "&Activity summary\tF12");
}

TEST(MainWindow, ToolbarHasTwentyButtonsInFiveGroupsWithTheirTooltips)
{
    Till till;
    std::vector<std::string> tips;
    for (QAction *action : till.window.toolBar()->actions())
        tips.push_back(action->isSeparator() ? "|" : action->toolTip().toStdString());
    EXPECT_EQ(tips,
        (std::vector<std::string> { "Amend inventory (F3)", "Display transaction (F11)",
            "Print reorder list", "Add image to inventory", "|", "Add new inventory (F4)",
            "Add customer", "Email report", "Sales report", "|", "Find inventory (F2)",
            "Delete inventory", "Find customer", "Delete customer", "|", "Add reminder",
            "Delete reminder", "Print reminders", "Display reminders", "|", "Print overdue letter",
            "Payments", "Log off (Shortcut F9)", "Backup" }));
    for (QAction *action : till.window.toolBar()->actions()) {
        if (!action->isSeparator()) {
            EXPECT_EQ(action->icon().pixmap(32, 32).size(), QSize(32, 32));
        }
    }
}

TEST(MainWindow, CommandsWithoutWorkAreGreyedUntilRegistered)
{
    Till till;
    for (Command built : { Command::Exit, Command::ExitPrintLog, Command::Configuration, Command::TaxSetup,
             Command::StorePrintHeading, Command::SoundEffects, Command::ButtonTips,
             Command::HiResPicture, Command::FileReset, Command::IndentListings,
             Command::HelpContents, Command::HelpUsingHelp, Command::TipOfTheDay, Command::Calendar,
             Command::About, Command::OperatorSetup, Command::UserControl,
             Command::ExitPrintReport, Command::ExitPrintReportAndLog, Command::PettyCashPayment,
             Command::TakingsAmendment, Command::Backup, Command::Restore,
             Command::PurgeTransactionHistory })
        EXPECT_TRUE(till.action(built)->isEnabled()) << till.action(built)->text().toStdString();
    for (Command later : { Command::InventoryFind, Command::SalesReport })
        EXPECT_FALSE(till.action(later)->isEnabled()) << till.action(later)->text().toStdString();
    EXPECT_FALSE(till.toolAction("Payments")->isEnabled());
    EXPECT_TRUE(till.toolAction("Log off (Shortcut F9)")->isEnabled());

    int statements = 0;
    till.window.registerCommand(Command::CustomerStatement, [&] { ++statements; });
    EXPECT_TRUE(till.action(Command::CustomerStatement)->isEnabled());
    EXPECT_TRUE(till.toolAction("Payments")->isEnabled());
    till.toolAction("Payments")->trigger();
    till.action(Command::CustomerStatement)->trigger();
    EXPECT_EQ(statements, 2);
}

TEST(MainWindow, CommandsThatLeaveTheSaleEmptyTheBasketFirst)
{
    Till till;
    std::vector<std::string> order;
    till.window.setEmptyBasket([&] { order.push_back("empty"); });
    till.window.registerCommand(Command::SalesReport, [&] { order.push_back("report"); });
    till.window.registerCommand(Command::AddNote, [&] { order.push_back("note"); });
    till.action(Command::SalesReport)->trigger();
    till.action(Command::AddNote)->trigger();
    till.action(Command::SoundEffects)->trigger();
    EXPECT_EQ(order, (std::vector<std::string> { "empty", "report", "note" }));
}

TEST(MainWindow, ARestrictedClerkIsStoppedSilentlyFromWhatTheFlagsKeepFromThem)
{
    Till till;
    int configurations = 0;
    int drawers = 0;
    till.window.registerCommand(Command::Configuration, [&] { ++configurations; });
    till.window.registerCommand(Command::OpenDrawer, [&] { ++drawers; });
    till.setUserControl(UserControlItem::Configuration);
    till.setUserControl(UserControlItem::InhibitManualTillOpen);

    till.logOnClerk(3);
    till.window.refreshMenus();
    EXPECT_FALSE(till.action(Command::Configuration)->isEnabled());
    till.window.runCommand(Command::Configuration);
    till.window.runCommand(Command::OpenDrawer);
    QTest::keyClick(till.window.itemBox(), Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(till.window.itemBox(), Qt::Key_F8);
    EXPECT_EQ(configurations, 0);
    EXPECT_EQ(drawers, 0);
    EXPECT_TRUE(till.messages.shown.empty());

    till.logOnClerk(2);
    till.window.refreshMenus();
    EXPECT_TRUE(till.action(Command::Configuration)->isEnabled());
    QTest::keyClick(till.window.itemBox(), Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(till.window.itemBox(), Qt::Key_F8);
    EXPECT_EQ(configurations, 1);
    EXPECT_EQ(drawers, 1);
}

TEST(MainWindow, KeysInTheItemBoxRunTheirCommandsInsteadOfEditing)
{
    Till till;
    std::vector<Command> ran;
    for (Command command :
        { Command::Configuration, Command::ReloadBasket, Command::PayCash, Command::NextCategory })
        till.window.registerCommand(command, [&ran, command] { ran.push_back(command); });
    QPlainTextEdit *box = till.window.itemBox();
    box->setPlainText(QStringLiteral("123"));
    box->selectAll();
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier); // not copy
    QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier); // not cut
    QTest::keyClick(box, Qt::Key_F5);
    QTest::keyClick(box, Qt::Key_Right);
    EXPECT_EQ(ran,
        (std::vector<Command> { Command::Configuration, Command::ReloadBasket, Command::PayCash,
            Command::NextCategory }));
    EXPECT_EQ(box->toPlainText(), QStringLiteral("123"));
}

TEST(MainWindow, WhileATenderBoxIsOpenCommandsOnlyMoveTheFocusThere)
{
    Till till;
    int reports = 0;
    till.window.registerCommand(Command::SalesReport, [&] { ++reports; });
    QLineEdit amount;
    till.window.setTenderAmountBox(&amount);
    till.window.runCommand(Command::SalesReport);
    EXPECT_EQ(reports, 0);
    till.window.setTenderAmountBox(nullptr);
    till.window.runCommand(Command::SalesReport);
    EXPECT_EQ(reports, 1);
}

TEST(MainWindow, TogglesStoreZeroOrTwoAndTheirCheckMarksFollow)
{
    Till till;
    QAction *sound = till.action(Command::SoundEffects);
    EXPECT_TRUE(sound->isChecked());
    sound->trigger();
    EXPECT_EQ(till.state.config.get(cfg::soundOff), 2);
    EXPECT_FALSE(sound->isChecked());
    sound->trigger();
    EXPECT_EQ(till.state.config.get(cfg::soundOff), 0);
    EXPECT_TRUE(sound->isChecked());

    QAction *picture = till.action(Command::HiResPicture);
    EXPECT_FALSE(picture->isChecked());
    picture->trigger();
    EXPECT_EQ(till.state.config.get(cfg::hiResPicture), 2);
    EXPECT_TRUE(picture->isChecked());

    QAction *tips = till.action(Command::ButtonTips);
    EXPECT_TRUE(tips->isChecked());
    EXPECT_TRUE(till.window.tipsShown());
    tips->trigger();
    EXPECT_EQ(till.state.config.get(cfg::tooltipsOff), 2);
    EXPECT_FALSE(tips->isChecked());
    EXPECT_FALSE(till.window.tipsShown());

    // With button tips off the toolbar's tooltip events are swallowed.
    QWidget *button = till.window.toolBar()->widgetForAction(till.toolAction("Backup"));
    ASSERT_NE(button, nullptr);
    QHelpEvent event(QEvent::ToolTip, QPoint(2, 2), button->mapToGlobal(QPoint(2, 2)));
    QObject &filter = till.window;
    EXPECT_TRUE(filter.eventFilter(button, &event));
    tips->trigger();
    EXPECT_FALSE(filter.eventFilter(button, &event));
}

TEST(MainWindow, ButtonTipsOffAtStartAreOffInTheNewWindow)
{
    TempDir folder;
    TillState state(folder.path());
    state.config.set(cfg::tooltipsOff, 2);
    state.config.set(cfg::listingIndent, 10);
    ScriptedMessages messages;
    MainWindow window(state, messages);
    EXPECT_FALSE(window.tipsShown());
    EXPECT_FALSE(window.menuActions().at(Command::ButtonTips)->isChecked());
    EXPECT_TRUE(window.menuActions().at(Command::IndentListings)->isChecked());
}

TEST(MainWindow, ExitClosesTheWindowTheNormalWay)
{
    Till till;
    int closed = 0;
    till.window.setOnClosed([&] { ++closed; });
    till.window.show();
    till.action(Command::Exit)->trigger();
    EXPECT_FALSE(till.window.isVisible());
    EXPECT_EQ(closed, 1);
}
