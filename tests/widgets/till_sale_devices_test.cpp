// The till's own finishing devices after a paid sale: pseudo-terminals stand
// in for the drawer and the pole display; the summary box is closed with OK.

#include "platform/scripted_messages.h"
#include "print/pseudo_terminal.h"
#include "print/widgets/summary_dialog.h"
#include "print/widgets/till_sale_devices.h"
#include "sales/logic/payment.h"
#include "support/settings_fixture.h"
#include "till/sale_fixture.h"
#include "widgets/modal_dialogs.h"

#include <QPushButton>
#include <gtest/gtest.h>

#include <string>

namespace ovix {
namespace {

using test::FiveLineShop;
using test::PseudoTerminal;

// A paid cash sale of 12.59 from 20.00 with the drawer (direct, 07 twice) on
// COM2 and the pole display on COM3.
struct PaidSale {
    explicit PaidSale(const std::string &portsFile)
    {
        test::writeBytes(shop.temp.file("ports.cfg"), portsFile);
        test::useCounterDevices(shop.state.config);
        basket = shop.basket();
        test::SaleShop::pay(basket, "Cash");
    }

    CompletionResult pay(Messages &messages)
    {
        TillSaleDevices devices(nullptr, shop.state, messages);
        test::whenModalOpens<SummaryDialog>([](SummaryDialog *summary) {
            summary->findChild<QPushButton *>(QStringLiteral("ok"))->click();
        });
        return afterPayment(shop.state, basket, messages, devices, { 20, 7.41 });
    }

    test::FixedClock clock { test::kSaleTime };
    FiveLineShop shop;
    Basket basket {};
};

TEST(TillSaleDevices, PaidSaleKicksTheDrawerAndShowsTenderAndChange)
{
    PseudoTerminal drawer;
    PseudoTerminal pole;
    ASSERT_TRUE(drawer.ready() && pole.ready());
    PaidSale sale("COM2=" + drawer.slavePath() + "\nCOM3=" + pole.slavePath() + "\n");
    ScriptedMessages messages;
    EXPECT_EQ(sale.pay(messages), CompletionResult::Archived);
    EXPECT_EQ(drawer.readAll(), "\x07\x07");
    EXPECT_EQ(pole.readAll(), "Tender: 20.00\nChange: 7.41");
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText();
}

TEST(TillSaleDevices, MissingPortsAreToldAndTheSaleStaysPaid)
{
    PaidSale sale("COM2=/nonexistent/drawer\nCOM3=/nonexistent/pole\n");
    ScriptedMessages messages;
    EXPECT_EQ(sale.pay(messages), CompletionResult::Archived);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text, "Unable to open port");
    EXPECT_EQ(messages.shown[0].caption, "Till drawer");
    EXPECT_EQ(messages.shown[1].text, "Unable to open port");
    EXPECT_EQ(messages.shown[1].caption, "Problem");
    EXPECT_EQ(sale.basket.lineCount, 0);
    EXPECT_FALSE(sale.shop.file("2026/3/5/saleslog.dat").empty());
}

} // namespace
} // namespace ovix
