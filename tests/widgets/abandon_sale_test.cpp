// The till window with a sale in progress: every way of leaving the sale asks
// before the basket goes, No leaves everything as it was, an empty basket is
// never asked about; a stop from the system parks the sale instead.

#include "platform/scripted_messages.h"
#include "sales/logic/basket.h"
#include "sales/logic/saved_basket.h"
#include "sales/logic/till_state.h"
#include "store/data_set.h"
#include "store/record_files.h"
#include "store/record_kinds.h"
#include "store/till_config.h"
#include "store/till_config_file.h"
#include "support/recording_sale_devices.h"
#include "support/test_support.h"
#include "till/item_entry_fixture.h"
#include "till/widgets/activity_commands.h"
#include "till/widgets/file_commands.h"
#include "till/widgets/log_on_dialog.h"
#include "till/widgets/main_window.h"
#include "till/widgets/sale_screen.h"
#include "till/widgets/sale_screen_commands.h"
#include "widgets/modal_dialogs.h"

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace ovix;
using ovix::test::ItemBytes;
using ovix::test::TempDir;

namespace {

const std::string kQuestion = "Basket: Abandon the sale being rung up?";

// The till window with the sale screen over a fresh data set (clerk 1 logged
// on, password 7351): items 1001 WIDGET 10.00 and 1002 GADGET 2.50. A saved
// basket holds one WIDGET; the Configuration command only counts its runs.
struct CounterTill {
    TempDir folder;
    TillState state { folder.path() };
    ScriptedMessages messages;
    test::RecordingSaleDevices devices;
    std::unique_ptr<Basket> basket = std::make_unique<Basket>();
    std::unique_ptr<Basket> saved = std::make_unique<Basket>();
    std::unique_ptr<MainWindow> window;
    SaleScreen *screen = nullptr;
    int configurations = 0;
    int closed = 0;

    CounterTill()
    {
        ScriptedMessages quiet;
        EXPECT_TRUE(createDataSet(state.dir, LocalTime { 2026, 3, 5, 10, 20, 0 }, "$", quiet));
        EXPECT_TRUE(loadTillConfig(state.dir, state.config, quiet));
        EXPECT_TRUE(state.items.load(quiet));
        EXPECT_TRUE(state.customers.load(quiet));
        state.config.set(cfg::currentClerk, 1);
        state.config.setClerkPassword(1, "7351");
        state.config.set(cfg::skuOneEntry, 0);
        addItem(ItemBytes(1001, "WIDGET", 10.00f));
        addItem(ItemBytes(1002, "GADGET", 2.50f).tax(0));
        window = std::make_unique<MainWindow>(state, messages);
        screen = new SaleScreen(*window, state, *basket, *saved, messages);
        connectFileCommands(*window, state, messages);
        connectActivityCommands(*window, state, screen->itemEntry(), messages);
        connectSaleScreenCommands(*window, *screen, state, messages, devices);
        window->registerCommand(Command::Configuration, [this] { ++configurations; });
        window->setOnClosed([this] { ++closed; });
        screen->refreshButtons();
        window->show();

        ringUp("1001");
        QTest::keyClick(screen->itemBox(), Qt::Key_W, Qt::ControlModifier); // save basket
        EXPECT_EQ(messages.lastText(), "Saved");
        screen->saleButton(Command::EmptyBasket)->click();
        messages.shown.clear();
    }
    void addItem(const ItemBytes &item)
    {
        ItemRecord record;
        std::memcpy(&record, item.bytes.data(), sizeof record);
        ScriptedMessages quiet;
        ASSERT_TRUE(state.items.insert(record, quiet).has_value()) << quiet.lastText();
    }
    void ringUp(const char *number)
    {
        QTest::keyClicks(screen->itemBox(), QString::fromLatin1(number));
        QTest::keyClick(screen->itemBox(), Qt::Key_Return);
    }
    int listed() const
    {
        return screen->basketList()->count();
    }
    int questions() const
    {
        int count = 0;
        for (const ScriptedMessages::Shown &shown : messages.shown)
            count += shown.caption + ": " + shown.text == kQuestion;
        return count;
    }
    QAction *toolAction(const char *toolTip) const
    {
        for (QAction *action : window->toolBar()->actions())
            if (action->toolTip() == QString::fromLatin1(toolTip))
                return action;
        return nullptr;
    }
    // Clerk 1 logs on at the next log-on dialog.
    void logOnWhenAsked()
    {
        test::whenModalOpens<LogOnDialog>([](LogOnDialog *dialog) {
            for (const char *digit : { "digit7", "digit3", "digit5", "digit1" })
                test::clickNamed(dialog, digit);
            test::clickNamed(dialog, "ok");
        });
    }
    int logOns() const
    {
        const std::string log = test::readBytes(state.dir.path("bun4.dat"));
        int count = 0;
        for (size_t at = log.find("  Log on.\r\n"); at != std::string::npos;
             at = log.find("  Log on.\r\n", at + 1))
            ++count;
        return count;
    }
};

struct LeavingPath {
    const char *name;
    // Leaves the sale; `willGo` says whether the path is expected to go on
    // (a log-off then needs its log-on answered).
    std::function<void(CounterTill &, bool willGo)> leave;
    // Whether what the path does was done.
    std::function<bool(CounterTill &)> went;
};

const std::vector<LeavingPath> &leavingPaths()
{
    static const std::vector<LeavingPath> paths = {
        { "Configuration key",
            [](CounterTill &till, bool) {
                QTest::keyClick(till.screen->itemBox(), Qt::Key_C, Qt::ControlModifier);
            },
            [](CounterTill &till) { return till.configurations == 1; } },
        { "File Exit",
            [](CounterTill &till, bool) {
                till.window->menuActions().at(Command::Exit)->trigger();
            },
            [](CounterTill &till) { return till.closed == 1 && !till.window->isVisible(); } },
        { "closing the window",
            [](CounterTill &till, bool) { till.window->close(); },
            [](CounterTill &till) { return till.closed == 1 && !till.window->isVisible(); } },
        { "F9",
            [](CounterTill &till, bool willGo) {
                if (willGo)
                    till.logOnWhenAsked();
                QTest::keyClick(till.screen->itemBox(), Qt::Key_F9);
            },
            [](CounterTill &till) { return till.logOns() == 1; } },
        { "toolbar log off",
            [](CounterTill &till, bool willGo) {
                if (willGo)
                    till.logOnWhenAsked();
                till.toolAction("Log off (Shortcut F9)")->trigger();
            },
            [](CounterTill &till) { return till.logOns() == 1; } },
        { "Retrieve saved basket",
            [](CounterTill &till, bool) {
                till.screen->saleButton(Command::ReloadBasket)->click();
            },
            [](CounterTill &till) {
                return till.basket->lineCount == 1 && till.basket->lineItemNumber[0] == 1001;
            } },
    };
    return paths;
}

} // namespace

TEST(AbandonSale, WithLinesEveryWayOutAsksAndNoLeavesTheSaleAsItWas)
{
    for (const LeavingPath &path : leavingPaths()) {
        SCOPED_TRACE(path.name);
        CounterTill till;
        till.ringUp("1002");
        till.ringUp("1002");
        const std::string before
            = std::string(reinterpret_cast<const char *>(till.basket.get()), sizeof(Basket));
        till.messages.answers = { Answer::No };

        path.leave(till, false);
        EXPECT_EQ(till.questions(), 1);
        EXPECT_EQ(till.messages.shown.size(), 1u);
        EXPECT_FALSE(path.went(till));
        EXPECT_EQ(std::string(reinterpret_cast<const char *>(till.basket.get()), sizeof(Basket)),
            before);
        EXPECT_EQ(till.listed(), 2);
        EXPECT_TRUE(till.window->isVisible());
        EXPECT_EQ(till.closed, 0);
        EXPECT_EQ(till.logOns(), 0);
    }
}

TEST(AbandonSale, WithLinesYesGoesOnOnceAndTheSaleIsGone)
{
    for (const LeavingPath &path : leavingPaths()) {
        SCOPED_TRACE(path.name);
        CounterTill till;
        till.ringUp("1002");
        till.ringUp("1002");
        till.messages.answers = { Answer::Yes };

        path.leave(till, true);
        EXPECT_EQ(till.questions(), 1); // asked once, not again by the close
        EXPECT_TRUE(path.went(till));
        // The GADGETs are gone: emptied, or replaced by the saved WIDGET.
        EXPECT_EQ(countLinesOf(*till.basket, 1002), 0);
        EXPECT_EQ(till.listed(), till.basket->lineCount);
    }
}

TEST(AbandonSale, AnEmptyBasketIsNeverAskedAbout)
{
    for (const LeavingPath &path : leavingPaths()) {
        SCOPED_TRACE(path.name);
        CounterTill till;
        // A customer or note without lines is no sale to ask about.
        writeText(till.basket->transactionNote, "LATER");
        path.leave(till, true);
        EXPECT_EQ(till.questions(), 0);
        EXPECT_TRUE(path.went(till));
    }
}

TEST(AbandonSale, AStopFromTheSystemParksTheSaleWithoutAsking)
{
    CounterTill till;
    till.ringUp("1002");
    till.ringUp("1002");
    const std::string inProgress
        = std::string(reinterpret_cast<const char *>(till.basket.get()), sizeof(Basket));
    till.messages.answers = { Answer::No };

    till.window->closeParkingTheSale();
    EXPECT_EQ(till.questions(), 0);
    EXPECT_FALSE(till.window->isVisible());
    EXPECT_EQ(till.closed, 1);
    EXPECT_EQ(std::string(reinterpret_cast<const char *>(till.saved.get()), sizeof(Basket)),
        inProgress);
    auto parked = std::make_unique<Basket>();
    const std::string file = test::readBytes(till.state.dir.path(kSavedBasketName));
    EXPECT_EQ(parseSavedBasket(file, *parked), "");
    EXPECT_EQ(parked->lineCount, 2);
    EXPECT_EQ(parked->lineItemNumber[1], 1002);
}

TEST(AbandonSale, AtTheEndOfTheDesktopSessionTheSaleIsParkedAndClosingAsksNoMore)
{
    CounterTill till;
    till.ringUp("1002");
    till.window->sessionEnding();
    EXPECT_TRUE(till.window->isVisible());
    EXPECT_EQ(till.saved->lineCount, 1);
    EXPECT_EQ(till.saved->lineItemNumber[0], 1002);
    EXPECT_EQ(till.basket->lineCount, 1);

    till.ringUp("1001");
    till.window->close();
    EXPECT_EQ(till.questions(), 0);
    EXPECT_EQ(till.closed, 1);
    EXPECT_EQ(till.saved->lineCount, 2); // parked again as it stood
}

TEST(AbandonSale, WhileTheCustomerIsPayingTheWindowDoesNotClose)
{
    CounterTill till;
    till.ringUp("1002");
    QLineEdit amount(till.window.get());
    amount.show();
    till.window->setTenderAmountBox(&amount);
    till.window->close();
    EXPECT_TRUE(till.window->isVisible());
    EXPECT_EQ(till.closed, 0);
    EXPECT_EQ(till.questions(), 0);
    EXPECT_EQ(till.basket->lineCount, 1);
    till.window->setTenderAmountBox(nullptr);
}
