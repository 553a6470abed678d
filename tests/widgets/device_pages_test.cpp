#include "platform/clock.h"
#include "platform/scripted_messages.h"
#include "print/pseudo_terminal.h"
#include "store/till_config.h"
#include "support/settings_fixture.h"
#include "support/test_support.h"
#include "sales/logic/till_state.h"
#include "till/widgets/configuration_sheet.h"
#include "print/widgets/pole_configuration_page.h"
#include "print/widgets/receipts_page.h"
#include "print/widgets/till_configuration_page.h"
#include "widgets/modal_dialogs.h"
#include "widgets/test_helpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace ovix;
using ovix::test::NewShop;
using ovix::test::typeInto;

namespace {

TEST(DevicePages, TheSheetHasItsFivePagesInOrder)
{
    NewShop shop;
    ConfigurationSheet sheet(shop.state, nullptr, &shop.messages);
    ASSERT_EQ(sheet.tabs()->count(), 5);
    EXPECT_EQ(sheet.tabs()->tabText(0), "General");
    EXPECT_EQ(sheet.tabs()->tabText(1), "Terms");
    EXPECT_EQ(sheet.tabs()->tabText(2), "Receipts");
    EXPECT_EQ(sheet.tabs()->tabText(3), "Till configuration");
    EXPECT_EQ(sheet.tabs()->tabText(4), "Pole configuration");
    EXPECT_EQ(sheet.receiptsPage()->printerList()->itemText(0), "Default");
}

TEST(DevicePages, ApplyStoresTheReceiptsAndDrawerPagesAndCancelNothing)
{
    NewShop shop;
    shop.state.config.set(cfg::drawerOpenCharacter, 7);
    shop.state.config.set(cfg::drawerRepeat, 1);
    {
        ConfigurationSheet sheet(shop.state, nullptr, &shop.messages);
        typeInto(sheet.receiptsPage()->footerBox(), QStringLiteral("See you soon"));
        EXPECT_TRUE(sheet.applyButton()->isEnabled());
        sheet.receiptsPage()->wordWrapBox()->setChecked(true);
        sheet.receiptsPage()->autoReceiptList()->setCurrentIndex(4);
        TillConfigurationPage *drawer = sheet.tillConfigurationPage();
        EXPECT_EQ(drawer->openCharacterBox()->text(), "7");
        typeInto(drawer->openCharacterBox(), QStringLiteral("300"));
        typeInto(drawer->repeatBox(), QStringLiteral("3"));
        drawer->directButton()->setChecked(true);
        drawer->portList()->setCurrentIndex(8);
        sheet.applyPages();
    }
    const TillConfig &config = shop.state.config;
    EXPECT_EQ(config.text(cfg::receiptMessage), "See you soon");
    EXPECT_EQ(config.get(cfg::wordWrap), 2);
    EXPECT_EQ(config.get(cfg::autoReceipt), 4);
    EXPECT_EQ(config.get(cfg::drawerOpenCharacter), 7); // 300 is not a byte
    EXPECT_EQ(config.get(cfg::drawerRepeat), 3);
    EXPECT_EQ(config.get(cfg::drawerMode), 0);
    EXPECT_EQ(config.get(cfg::drawerPort), 8);

    const TillConfig before = config;
    {
        ConfigurationSheet sheet(shop.state, nullptr, &shop.messages);
        typeInto(sheet.tillConfigurationPage()->repeatBox(), QStringLiteral("9"));
        sheet.reject();
    }
    EXPECT_EQ(config.view(), before.view());
}

TEST(DevicePages, TheModelListShowsModelAndSequence)
{
    TillConfigurationPage page(TillConfigurationPageInput {});
    ASSERT_EQ(page.modelList()->count(), 17);
    EXPECT_EQ(page.modelList()->item(1)->text(), "Epson TM T88 III: 27,112,0,25,250");
    EXPECT_EQ(page.modelList()->item(14)->text(), "IBM 4610: 7");
}

TEST(DevicePages, PreviewShowsThePageValuesOnTheDisplay)
{
    NewShop shop;
    test::PseudoTerminal pty;
    ASSERT_TRUE(pty.ready());
    test::writeBytes(shop.folder.file("ports.cfg"), "COM3=" + pty.slavePath() + "\n");
    shop.state.config.set(cfg::poleInUse, 0);

    ConfigurationSheet sheet(shop.state, nullptr, &shop.messages);
    PoleConfigurationPage *pole = sheet.poleConfigurationPage();
    EXPECT_EQ(pole->portList()->count(), 8);
    pole->portList()->setCurrentIndex(2);
    pole->baudList()->setCurrentIndex(7);
    typeInto(pole->textBox(polePassiveText), QStringLiteral("Welcome"));
    typeInto(pole->textBox(poleClearDisplay), QStringLiteral("27,64"));
    typeInto(pole->textBox(poleCursorFirstLine), QStringLiteral("11"));
    pole->previewButton()->click();

    EXPECT_EQ(pty.readAll(), "\x1B@\x0BWelcome");
    const termios line = pty.lineSettings();
    EXPECT_EQ(cfgetospeed(&line), B19200);
    EXPECT_TRUE(shop.messages.shown.empty());
    EXPECT_EQ(shop.state.config.text(cfg::poleTexts, 0), "Welcome");
    EXPECT_EQ(shop.state.config.get(cfg::poleInUse), 0); // Preview does not switch it on
}

TEST(DevicePages, PreviewToAMissingPortSaysSo)
{
    NewShop shop;
    test::writeBytes(shop.folder.file("ports.cfg"), "COM1=" + shop.folder.file("none") + "\n");
    ConfigurationSheet sheet(shop.state, nullptr, &shop.messages);
    sheet.poleConfigurationPage()->portList()->setCurrentIndex(0);
    sheet.poleConfigurationPage()->previewButton()->click();
    ASSERT_FALSE(shop.messages.shown.empty());
    EXPECT_EQ(shop.messages.lastText(), "Unable to open port");
    EXPECT_EQ(shop.messages.lastCaption(), "Pole display");
}

} // namespace
