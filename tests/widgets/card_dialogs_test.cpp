// The card link at the till: the setup dialog behind "Card processing
// setup", and a card payment waiting for the card program in its small
// window, with the till window still answering, until the reply or Cancel.

#include "comms/logic/card_exchange.h"
#include "platform/scripted_messages.h"
#include "print/widgets/till_sale_devices.h"
#include "sales/logic/item_entry.h"
#include "sales/logic/null_basket_view.h"
#include "sales/widgets/card_refund_exchange.h"
#include "sales/widgets/card_setup_dialog.h"
#include "sales/widgets/card_wait_dialog.h"
#include "sales/widgets/payment_commands.h"
#include "till/sale_fixture.h"
#include "till/widgets/main_window.h"
#include "widgets/modal_dialogs.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>

namespace ovix::test {
namespace {

struct CardTill {
    FixedClock clock { kSaleTime };
    FiveLineShop shop;
    Basket basket = shop.basket();
    Basket saved {};
    NullBasketView view;
    ScriptedMessages messages;
    ItemEntry entry { shop.state, basket, saved, view, messages };
    MainWindow window { shop.state, messages };
    TillSaleDevices devices { &window, shop.state, messages };
    std::string folder = shop.temp.path() + "/cardeft";

    CardTill()
    {
        shop.state.config.set(cfg::currentClerk, 1);
        shop.state.config.set(cfg::noSummaryBox, 2);
        shop.state.config.set(cfg::autoReceipt, 0);
        connectPaymentCommands(window, shop.state, basket, entry, messages, devices);
    }
    std::vector<ReadTransaction> sales() const
    {
        return readSalesBytes(shop.file("2026/3/5/saleslog.dat"));
    }
};

TEST(CardDialogs, SetupStoresTheSwitchesOnOk)
{
    CardTill till;
    whenModalOpens<CardSetupDialog>([](CardSetupDialog *dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Card Terminal Payment Setup ");
        dialog->findChild<QCheckBox *>("active")->setChecked(true);
        dialog->findChild<QCheckBox *>("verbose")->setChecked(true);
        EXPECT_TRUE(clickNamed(dialog, "ok"));
    });
    till.window.runCommand(Command::CardProcessingSetup);
    EXPECT_EQ(till.shop.state.config.get(cfg::cardLinkActive), 2.0);
    EXPECT_EQ(till.shop.state.config.get(cfg::cardVerbose), 2.0);
    EXPECT_EQ(till.shop.state.config.get(cfg::cardCashBackPermitted), 0.0);
}

TEST(CardDialogs, SetupRefusingTheFolderStaysOpenAndCancelKeepsAll)
{
    CardTill till;
    const TillConfig before = till.shop.state.config;
    whenModalOpens<CardSetupDialog>([&till](CardSetupDialog *dialog) {
        dialog->findChild<QLineEdit *>("folder")->setText("not/absolute");
        dialog->findChild<QCheckBox *>("active")->setChecked(true);
        EXPECT_TRUE(clickNamed(dialog, "ok"));
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(till.messages.lastCaption(), "Problem");
        EXPECT_TRUE(clickNamed(dialog, "cancel"));
    });
    till.window.runCommand(Command::CardProcessingSetup);
    EXPECT_EQ(till.shop.state.config.bytes(), before.bytes());
}

TEST(CardDialogs, CardSaleWaitsWithTheTillAnsweringUntilTheReply)
{
    CardTill till;
    till.shop.state.config.set(cfg::cardLinkActive, 2);
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
    ticker.start(20);
    whenModalOpens<CardWaitDialog>([&till, &ticks](CardWaitDialog *) {
        EXPECT_EQ(readBytes(till.folder + "/input.txt"), "1=41\n2=0\n3=12.59\n99=0");
        ticks = 0;
        QTimer::singleShot(300, [&till] { writeBytes(till.folder + "/output.txt", "3=0\n"); });
    });
    till.window.runCommand(Command::PayCard);
    EXPECT_GT(ticks, 5); // the event loop ran while the card program was awaited
    ASSERT_EQ(till.sales().size(), 1u);
    EXPECT_EQ(till.sales()[0].paymentType, "EFT");
}

TEST(CardDialogs, CancelWhileWaitingLeavesTheSaleOpen)
{
    CardTill till;
    till.shop.state.config.set(cfg::cardLinkActive, 2);
    whenModalOpens<CardWaitDialog>([](CardWaitDialog *dialog) {
        EXPECT_TRUE(clickNamed(dialog, "cancel"));
    });
    till.window.runCommand(Command::PayCard);
    EXPECT_TRUE(till.sales().empty());
    EXPECT_EQ(till.basket.lineCount, 5);
}

TEST(CardDialogs, CardRefundExchangeWaitsInTheSameWindow)
{
    CardTill till;
    const CardRefundExchange refund
        = makeCardRefundExchange(&till.window, till.shop.state, till.messages);
    whenModalOpens<CardWaitDialog>([&till](CardWaitDialog *) {
        EXPECT_EQ(readBytes(till.folder + "/input.txt"), "1=57\n2=20\n3=4.99\n12=1\n99=0");
        writeBytes(till.folder + "/output.txt", "3=4\n");
    });
    EXPECT_FALSE(refund(57, 499, true));
    EXPECT_EQ(till.messages.lastText(), "Declined Online");
}

} // namespace
} // namespace ovix::test
