// A sale made as a clerk makes it, on the real till window with the real
// finishing devices: pseudo-terminals stand in for the drawer and the pole
// display, and with no printer installed the receipt goes to a PDF file in
// the shop's printouts folder.

#include "platform/clock.h"
#include "platform/scripted_messages.h"
#include "store/receipt_words.h"
#include "print/pseudo_terminal.h"
#include "store/data_set.h"
#include "store/store_heading.h"
#include "store/till_config.h"
#include "store/till_config_file.h"
#include "support/settings_fixture.h"
#include "support/test_support.h"
#include "sales/logic/archive_folders.h"
#include "sales/logic/basket.h"
#include "sales/logic/till_state.h"
#include "till/widgets/main_window.h"
#include "till/widgets/menu_wiring.h"
#include "till/widgets/sale_screen.h"
#include "print/widgets/summary_dialog.h"
#include "print/widgets/till_sale_devices.h"
#include "widgets/modal_dialogs.h"
#include "widgets/test_helpers.h"

#include <QAbstractButton>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace ovix;
using ovix::test::PseudoTerminal;
using ovix::test::TempDir;

namespace {

const LocalTime kSaleTime { 2026, 12, 8, 11, 42, 0 };

// The sample shop on the till window, with the drawer (direct, 07 twice) on
// COM2 and the pole display on COM3 as `portsFile` maps them, the summary box
// on and the standard receipt printed automatically.
struct CounterTill {
    TempDir folder;
    TillState state { folder.path() };
    ScriptedMessages messages;
    std::unique_ptr<Basket> basket = std::make_unique<Basket>();
    std::unique_ptr<Basket> saved = std::make_unique<Basket>();
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<TillSaleDevices> devices;
    SaleScreen *screen = nullptr;

    explicit CounterTill(const std::string &portsFile)
    {
        setFixedLocalTime(kSaleTime);
        ScriptedMessages quiet;
        EXPECT_TRUE(createDataSet(state.dir, kSaleTime, "$", quiet));
        EXPECT_TRUE(addDemoShop(state.dir, kSaleTime, quiet)) << quiet.lastText();
        EXPECT_TRUE(loadTillConfig(state.dir, state.config, quiet));
        EXPECT_TRUE(state.items.load(quiet));
        EXPECT_TRUE(state.customers.load(quiet));
        EXPECT_TRUE(ensureArchiveFolders(state.dir, kSaleTime));
        state.heading = StoreHeading::sample();
        loadDefaultReceiptWords(state.receiptWords, 0);
        test::writeBytes(folder.file("ports.cfg"), portsFile);
        TillConfig &config = state.config;
        config.set(cfg::currentClerk, 1);
        config.set(cfg::skuOneEntry, 0);
        test::useCounterDevices(config);
        config.set(cfg::noSummaryBox, 0);
        config.set(cfg::autoReceipt, 1);
        config.set(cfg::receiptCopies, 0);
        config.set(cfg::kitchenReceipt, 0);

        window = std::make_unique<MainWindow>(state, messages);
        screen = new SaleScreen(*window, state, *basket, *saved, messages);
        devices = std::make_unique<TillSaleDevices>(window.get(), state, messages);
        connectTillCommands(*window, *screen, state, *basket, messages, *devices);
        window->resize(1024, 746);
        window->show();
    }
    ~CounterTill()
    {
        setFixedLocalTime(std::nullopt);
    }

    void press(const char *keys)
    {
        for (const char *key = keys; *key; ++key)
            screen->keypadButton(QString(QLatin1Char(*key)))->click();
    }
    // Rings up the items, pays 30.00 in cash with the keypad and closes the
    // summary box; the receipt files printed meanwhile.
    QStringList sellAndPay()
    {
        press("12");
        QTest::keyClick(screen->itemBox(), Qt::Key_Return);
        press("30");
        screen->saleButton(Command::AddItem)->click();
        screen->saleButton(Command::PayCash)->click();
        auto *tendered = qobject_cast<QLineEdit *>(window->tenderAmountBox());
        EXPECT_NE(tendered, nullptr);
        if (!tendered)
            return {};
        press("3000");
        EXPECT_EQ(tendered->text(), "3000");
        QStringList printedAtSummary;
        test::whenModalOpens<SummaryDialog>([&](SummaryDialog *summary) {
            // The box prints the automatic receipt itself as it opens.
            QTRY_VERIFY_WITH_TIMEOUT(!printouts().isEmpty(), 5000);
            printedAtSummary = printouts();
            test::clickNamed(summary, "ok");
        });
        test::clickNamed(tendered->window(), "ok");
        return printedAtSummary;
    }
    QStringList printouts() const
    {
        return QDir(QString::fromStdString(folder.file("printouts")))
            .entryList({ QStringLiteral("*.pdf") });
    }
};

} // namespace

TEST(CounterSale, DrawerPoleAndPrintedReceiptOfASaleRungUpAndPaidAtTheCounter)
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "a printer is installed; this sale is about printing to a file";
    PseudoTerminal drawer;
    PseudoTerminal pole;
    ASSERT_TRUE(drawer.ready() && pole.ready());
    CounterTill till("COM2=" + drawer.slavePath() + "\nCOM3=" + pole.slavePath() + "\n");

    const QStringList printed = till.sellAndPay();
    ASSERT_EQ(printed.size(), 1);
    EXPECT_EQ(till.basket->lineCount, 0);
    EXPECT_EQ(drawer.readAll(), "\x07\x07");
    // Each line as it is rung up, then tender and change.
    const std::string shown = pole.readAll();
    EXPECT_NE(shown.find("BAKED BEANS"), std::string::npos) << shown;
    EXPECT_NE(shown.find("ORANGE JUICE"), std::string::npos) << shown;
    EXPECT_NE(shown.find("Tender: 30.00\nChange: 27.90"), std::string::npos) << shown;

    const std::string receipt
        = test::pdfText(till.folder.file("printouts/") + printed[0].toStdString());
    for (const char *expected : { "Receipt: 1", "BAKED BEANS 415G", "0.75", "ORANGE JUICE 1L",
             "1.35", "Total: $2.10", "Payment: Cash", "Cash change: 27.90" })
        EXPECT_NE(receipt.find(expected), std::string::npos) << expected << " in\n" << receipt;
    // On the roll's paper: 80 mm wide and no longer than the receipt.
    const test::PdfPageSize paper
        = test::pdfPageSize(till.folder.file("printouts/") + printed[0].toStdString());
    EXPECT_NEAR(test::millimetres(paper.width), 80, 0.5);
    EXPECT_GE(test::millimetres(paper.height), 80);
    EXPECT_LT(test::millimetres(paper.height), 160);
    // The clerk is told where the receipt went.
    ASSERT_FALSE(till.messages.shown.empty());
    EXPECT_NE(till.messages.lastText().find("printouts"), std::string::npos);
    EXPECT_FALSE(test::readBytes(till.folder.file("2026/12/8/saleslog.dat")).empty());
}

TEST(CounterSale, MissingPortsAreToldAndTheSaleIsStillPaidAndPrinted)
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "a printer is installed; this sale is about printing to a file";
    CounterTill till("COM2=/nonexistent/drawer\nCOM3=/nonexistent/pole\n");

    const QStringList printed = till.sellAndPay();
    EXPECT_EQ(printed.size(), 1);
    EXPECT_EQ(till.basket->lineCount, 0);
    EXPECT_EQ(test::readBytes(till.folder.file("2026/12/8/saleslog.dat")).size(), 950u);
    bool drawerTold = false;
    bool poleTold = false;
    for (const auto &shown : till.messages.shown) {
        drawerTold |= shown.text == "Unable to open port" && shown.caption == "Till drawer";
        poleTold |= shown.text == "Unable to open port" && shown.caption != "Till drawer";
    }
    EXPECT_TRUE(drawerTold);
    EXPECT_TRUE(poleTold);
}

TEST(CounterSale, VoidEmptyAndNoSaleDrawerAreLoggedButTheDrawerOfAPaidSaleIsNot)
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "a printer is installed; this sale is about printing to a file";
    PseudoTerminal drawer;
    ASSERT_TRUE(drawer.ready());
    CounterTill till("COM2=" + drawer.slavePath() + "\nCOM3=/nonexistent/pole\n");
    const auto ringUp = [&till](const char *number) {
        till.press(number);
        QTest::keyClick(till.screen->itemBox(), Qt::Key_Return);
    };

    ringUp("12");
    ringUp("30");
    till.screen->basketList()->setCurrentRow(0);
    till.screen->saleButton(Command::VoidLine)->click();
    ASSERT_EQ(till.basket->lineCount, 1);
    ringUp("12");
    till.screen->saleButton(Command::EmptyBasket)->click();
    ASSERT_EQ(till.basket->lineCount, 0);
    till.screen->saleButton(Command::EmptyBasket)->click(); // nothing left: nothing logged
    till.screen->saleButton(Command::OpenDrawer)->click();
    EXPECT_EQ(drawer.readAll(), "\x07\x07");
    const std::string shrinkage = "\r\n11:42 08/12/2026 Line voided, Amount: 0.75\r\n"
                                  "12  BAKED BEANS 415G\r\nClerk: 1, Administrator\r\n"
                                  "\r\n11:42 08/12/2026 Basket emptied, Total: 2.10\r\n"
                                  "30  ORANGE JUICE 1L\r\n12  BAKED BEANS 415G\r\n"
                                  "Clerk: 1, Administrator   Items: 2\r\n"
                                  "\r\n11:42 08/12/2026 No sale, drawer opened\r\n"
                                  "Clerk: 1, Administrator\r\n";
    EXPECT_EQ(test::readBytes(till.folder.file("bun4.dat")), shrinkage);

    // The drawer a paid sale opens is the sale's: only its block follows.
    till.sellAndPay();
    EXPECT_EQ(drawer.readAll(), "\x07\x07");
    const std::string log = test::readBytes(till.folder.file("bun4.dat"));
    ASSERT_EQ(log.compare(0, shrinkage.size(), shrinkage), 0) << log;
    EXPECT_EQ(log.compare(shrinkage.size(), 29, "\r\n11:42 08/12/2026 Sale: 1, T"), 0) << log;
    EXPECT_EQ(log.find("No sale", shrinkage.size()), std::string::npos) << log;
}
