// The whole till screen over the sample shop: the picture buttons, the
// quick-select and category buttons in both layouts, the sounds, and a
// screenshot of each layout for the documentation.

#include "platform/c_format.h"
#include "platform/clock.h"
#include "platform/scripted_messages.h"
#include "platform/sounds.h"
#include "store/data_set.h"
#include "store/till_config.h"
#include "store/till_config_file.h"
#include "support/test_support.h"
#include "support/recording_sale_devices.h"
#include "sales/logic/basket.h"
#include "sales/logic/payment.h"
#include "till/logic/quick_select.h"
#include "sales/logic/till_state.h"
#include "till/widgets/main_window.h"
#include "till/widgets/menu_wiring.h"
#include "till/widgets/quick_select_buttons.h"
#include "till/widgets/sale_screen.h"
#include "till/widgets/totals_panel_widget.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

using namespace ovix;
using ovix::test::TempDir;

namespace {

// The sample shop on a till window of the given size, clerk 1 logged on.
struct ShopTill {
    TempDir folder;
    TillState state { folder.path() };
    ScriptedMessages messages;
    RecordingSounds sounds;
    test::RecordingSaleDevices devices;
    std::unique_ptr<Basket> basket = std::make_unique<Basket>();
    std::unique_ptr<Basket> saved = std::make_unique<Basket>();
    std::unique_ptr<MainWindow> window;
    SaleScreen *screen = nullptr;

    explicit ShopTill(QSize size)
    {
        const LocalTime now { 2026, 12, 8, 11, 42, 0 };
        setFixedLocalTime(now);
        ScriptedMessages quiet;
        EXPECT_TRUE(createDataSet(state.dir, now, "$", quiet));
        EXPECT_TRUE(addDemoShop(state.dir, now, quiet)) << quiet.lastText();
        EXPECT_TRUE(loadTillConfig(state.dir, state.config, quiet));
        EXPECT_TRUE(state.items.load(quiet));
        EXPECT_TRUE(state.customers.load(quiet));
        state.config.set(cfg::currentClerk, 1);
        state.config.set(cfg::skuOneEntry, 0);
        window = std::make_unique<MainWindow>(state, messages);
        screen = new SaleScreen(*window, state, *basket, *saved, messages);
        screen->setSounds(&sounds);
        connectTillCommands(*window, *screen, state, *basket, messages, devices);
        window->resize(size);
        window->show();
        QApplication::processEvents();
    }
    ~ShopTill()
    {
        setFixedLocalTime(std::nullopt);
    }

    QuickSelectPanel &quick()
    {
        return screen->quickSelect();
    }
    int visibleQuickButtons()
    {
        int shown = 0;
        for (int i = 0; i < static_cast<int>(kLargeQuickSelectSlots); ++i)
            shown += quick().quickButton(i)->isVisible() ? 1 : 0;
        return shown;
    }
    void ringUp(const char *number)
    {
        QTest::keyClicks(screen->itemBox(), QString::fromLatin1(number));
        QTest::keyClick(screen->itemBox(), Qt::Key_Return);
    }
    // Saves the window to <dir>/<name>.png when OVIX_SCREENSHOT_DIR names a
    // folder (the documentation's pictures are made this way).
    void screenshot(const char *name)
    {
        const char *dir = std::getenv("OVIX_SCREENSHOT_DIR");
        const QImage image = window->grab().toImage();
        EXPECT_FALSE(image.isNull());
        if (dir && *dir) {
            EXPECT_TRUE(
                image.save(QDir(QString::fromLocal8Bit(dir))
                               .filePath(QString::fromLatin1(name) + QStringLiteral(".png"))));
        }
    }
};

} // namespace

TEST(TillScreen, TheLargeLayoutShowsFourteenPicturesCategoriesAndBasketButtons)
{
    ShopTill till(QSize(1024, 746));
    EXPECT_TRUE(till.screen->largeLayout());
    EXPECT_EQ(till.visibleQuickButtons(), 14);
    EXPECT_TRUE(till.screen->saleButton(Command::SaveBasket)->isVisible());
    for (int c = 0; c < QuickSelectPanel::kCategoryButtons; ++c)
        EXPECT_TRUE(till.quick().categoryButton(c)->isVisible()) << c;
    EXPECT_EQ(till.quick().categoryButton(kAllCategories)->text(), "ALL");

    // The sample shop starts on all items; ring a few up for the picture.
    EXPECT_EQ(till.quick().category(), kAllCategories);
    for (const char *number : { "1", "2", "3", "4" })
        till.ringUp(number);
    till.quick().quickButton(5)->click();
    EXPECT_EQ(till.basket->lineCount, 5);
    till.screenshot("till-large");

    // Shrinking the window below the threshold goes to the small layout.
    till.window->resize(800, 600);
    QApplication::processEvents();
    EXPECT_FALSE(till.screen->largeLayout());
    EXPECT_EQ(till.visibleQuickButtons(), 8);
    EXPECT_FALSE(till.screen->saleButton(Command::SaveBasket)->isVisible());
    EXPECT_FALSE(till.quick().categoryButton(0)->isVisible());
    EXPECT_EQ(till.quick().slot(0).itemNumber, 1);
    EXPECT_EQ(till.quick().slot(8).itemNumber, 0);
}

TEST(TillScreen, TheSmallLayoutAtEightHundredBySixHundred)
{
    ShopTill till(QSize(800, 600));
    EXPECT_FALSE(till.screen->largeLayout());
    EXPECT_EQ(till.visibleQuickButtons(), 8);
    // Everything fits: the basket list and the totals end inside the screen.
    const QRect area = till.screen->rect();
    EXPECT_TRUE(area.contains(till.screen->basketList()->geometry()));
    EXPECT_TRUE(area.contains(till.screen->totalsPanel()->geometry()));
    till.quick().selectCategory(kAllCategories);
    till.ringUp("12");
    till.ringUp("30");
    till.screenshot("till-small");
}

TEST(TillScreen, PictureAndCategoryButtonsWorkAndWaitWhileATenderBoxIsOpen)
{
    ShopTill till(QSize(1024, 746));
    till.quick().selectCategory(kAllCategories);
    QuickSelectButton *first = till.quick().quickButton(0);
    ASSERT_EQ(first->itemNumber(), 1);
    QTest::mouseClick(first, Qt::LeftButton);
    EXPECT_EQ(till.basket->lineCount, 1);
    EXPECT_TRUE(till.screen->itemBox()->hasFocus() || !till.window->isActiveWindow());

    // With a tender box open the press only sends the focus there.
    QLineEdit tendered;
    till.window->setTenderAmountBox(&tendered);
    QTest::mouseClick(first, Qt::LeftButton);
    EXPECT_EQ(till.basket->lineCount, 1);
    till.quick().categoryButton(3)->click();
    EXPECT_EQ(till.quick().category(), kAllCategories);
    till.window->setTenderAmountBox(nullptr);
    till.quick().categoryButton(3)->click();
    EXPECT_EQ(till.quick().category(), 3);
}

TEST(TillScreen, CategoryStepsWrapThroughAllAndArrowKeysPage)
{
    ShopTill till(QSize(1024, 746));
    QAbstractButton *next = till.screen->saleButton(Command::NextCategory);
    QAbstractButton *previous = till.screen->saleButton(Command::PreviousCategory);
    till.quick().selectCategory(17);
    next->click();
    EXPECT_EQ(till.quick().category(), kAllCategories);
    EXPECT_TRUE(till.quick().categoryButton(kAllCategories)->isSelected());
    next->click();
    EXPECT_EQ(till.quick().category(), 0);
    previous->click();
    EXPECT_EQ(till.quick().category(), kAllCategories);
    EXPECT_EQ(till.state.config.get(cfg::quickSelectCurrent), kAllCategories);

    // Down pages forwards through all items, Up comes back; Left and Right
    // step the category.
    EXPECT_EQ(till.quick().slot(0).itemNumber, 1);
    QTest::keyClick(till.screen->itemBox(), Qt::Key_Down);
    EXPECT_EQ(till.quick().slot(0).itemNumber, 15);
    QTest::keyClick(till.screen->itemBox(), Qt::Key_Up);
    EXPECT_EQ(till.quick().slot(0).itemNumber, 1);
    QTest::keyClick(till.screen->itemBox(), Qt::Key_Right);
    EXPECT_EQ(till.quick().category(), 0);
    QTest::keyClick(till.screen->itemBox(), Qt::Key_Left);
    EXPECT_EQ(till.quick().category(), kAllCategories);
}

TEST(TillScreen, SoundsPlayOnlyWhenSwitchedOn)
{
    ShopTill till(QSize(1024, 746));
    till.state.config.set(cfg::soundOff, 0);
    till.ringUp("1");
    till.screen->saleButton(Command::VoidLine)->click();
    EXPECT_EQ(till.sounds.played(), (std::vector<int> { kAddSound, kVoidSound }));

    till.state.config.set(cfg::soundOff, 2);
    till.ringUp("1");
    till.screen->saleButton(Command::EmptyBasket)->click();
    EXPECT_EQ(till.sounds.played().size(), 2u);
}

TEST(TillScreen, TheTotalsPanelShowsTheBasketsAmountsWithCaptions)
{
    ShopTill till(QSize(1024, 746));
    till.ringUp("1");
    const TotalsPanelText &text = till.screen->totalsPanel()->text();
    ASSERT_EQ(text.amounts.size(), text.amountCaptions.size());
    EXPECT_EQ(text.amountCaptions.back(), "Total");
    EXPECT_EQ(text.amounts.back(),
        cformat("%.2f", static_cast<double>(till.basket->total(BasketTotal::Total))));
}
