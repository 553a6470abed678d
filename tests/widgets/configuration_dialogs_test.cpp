#include "platform/clock.h"
#include "platform/scripted_messages.h"
#include "store/store_heading.h"
#include "store/till_config.h"
#include "support/settings_fixture.h"
#include "support/test_support.h"
#include "sales/logic/till_state.h"
#include "till/widgets/about_box.h"
#include "till/widgets/calendar_dialog.h"
#include "till/widgets/configuration_sheet.h"
#include "till/widgets/general_page.h"
#include "platform/widgets/help_pages.h"
#include "till/widgets/main_window.h"
#include "till/widgets/print_heading_dialog.h"
#include "till/widgets/splash_window.h"
#include "till/widgets/tax_control_dialog.h"
#include "till/widgets/terms_page.h"
#include "till/widgets/tips_dialog.h"
#include "widgets/modal_dialogs.h"
#include "widgets/test_helpers.h"

#include <QAction>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace ovix;
using ovix::test::typeInto;
using ovix::test::whenModalOpens;

namespace {

QPushButton *standardButton(QDialog *dialog, QDialogButtonBox::StandardButton which)
{
    auto *box = dialog->findChild<QDialogButtonBox *>();
    return box ? box->button(which) : nullptr;
}

// A new shop whose last item number is 68.
struct SaleShop : ovix::test::NewShop {
    SaleShop() { state.config.set(cfg::lastItemNumber, 68); }
};

} // namespace

TEST(ConfigurationSheet, OkAppliesTheGeneralPageByItsRules)
{
    SaleShop shop;
    whenModalOpens<ConfigurationSheet>([](ConfigurationSheet *sheet) {
        ASSERT_EQ(sheet->windowTitle(), "Configuration");
        ASSERT_GE(sheet->tabs()->count(), 2);
        EXPECT_EQ(sheet->tabs()->tabText(0), "General");
        EXPECT_EQ(sheet->tabs()->tabText(1), "Terms");
        GeneralPage *general = sheet->generalPage();
        EXPECT_EQ(general->itemStartPointBox()->text(), "69");
        typeInto(general->itemStartPointBox(), QStringLiteral("500"));
        typeInto(general->categoryNameBox(0), QStringLiteral("xy"));
        typeInto(general->categoryNameBox(1), QStringLiteral("win"));
        EXPECT_EQ(general->categoryNameBox(1)->text(), "WIN");
        general->historyDayBox()->setCurrentIndex(general->historyDayBox()->findText("16"));
        general->summaryBox()->setChecked(false);
        standardButton(sheet, QDialogButtonBox::Ok)->click();
    });
    EXPECT_TRUE(runConfigurationSheet(nullptr, shop.state));
    const TillConfig &config = shop.state.config;
    EXPECT_EQ(config.get(cfg::lastItemNumber), 499);
    EXPECT_EQ(config.categoryName(1), "ALC"); // two characters: kept
    EXPECT_EQ(config.categoryName(2), "WIN");
    EXPECT_EQ(config.get(cfg::historyStart, 0), 15); // 16 March is after today
    EXPECT_EQ(config.get(cfg::noSummaryBox), 1);
}

TEST(ConfigurationSheet, ApplyIsGreyUntilAChangeAndCancelKeepsWhatWasNotApplied)
{
    SaleShop shop;
    whenModalOpens<ConfigurationSheet>([](ConfigurationSheet *sheet) {
        EXPECT_FALSE(sheet->applyButton()->isEnabled());
        TermsPage *terms = sheet->termsPage();
        terms->discountBox(1)->setCurrentIndex(4);
        Q_EMIT terms->discountBox(1)->activated(4);
        EXPECT_TRUE(sheet->applyButton()->isEnabled());
        sheet->applyButton()->click();
        EXPECT_FALSE(sheet->applyButton()->isEnabled());
        terms->periodBox(8)->setCurrentIndex(0);
        typeInto(sheet->generalPage()->startOfDayTillBox(), QStringLiteral("250.00"));
        sheet->reject();
    });
    EXPECT_TRUE(runConfigurationSheet(nullptr, shop.state));
    EXPECT_EQ(shop.state.config.get(cfg::bandDiscount, 0), 5);
    EXPECT_EQ(shop.state.config.get(cfg::bandPeriod, 7), 8);
    EXPECT_FLOAT_EQ(shop.state.config.get(cfg::startOfDayTill), 100.0f);

    whenModalOpens<ConfigurationSheet>([](ConfigurationSheet *sheet) { sheet->reject(); });
    EXPECT_FALSE(runConfigurationSheet(nullptr, shop.state));
}

TEST(TaxControlDialog, OkStoresTheRulesAndCancelNothing)
{
    SaleShop shop;
    whenModalOpens<TaxControlDialog>([](TaxControlDialog *dialog) {
        EXPECT_EQ(dialog->windowTitle(), "TAX CONTROL");
        EXPECT_TRUE(dialog->taxOneActiveBox()->isChecked());
        EXPECT_EQ(dialog->taxOneRateBox()->text(), "2000");
        typeInto(dialog->taxOneRateBox(), QStringLiteral("17500")); // out of range
        typeInto(dialog->thresholdBox(), QStringLiteral("50.00"));
        dialog->taxOneActiveBox()->setChecked(false);
        dialog->accept();
    });
    EXPECT_TRUE(runTaxControl(nullptr, shop.state.config));
    EXPECT_EQ(shop.state.config.get(cfg::taxOneRate), 2000);
    EXPECT_EQ(shop.state.config.get(cfg::taxOneActive), 0);
    EXPECT_DOUBLE_EQ(shop.state.config.get(cfg::taxThreshold), 50.0);

    whenModalOpens<TaxControlDialog>([](TaxControlDialog *dialog) {
        dialog->taxOneActiveBox()->setChecked(true);
        dialog->reject();
    });
    EXPECT_FALSE(runTaxControl(nullptr, shop.state.config));
    EXPECT_EQ(shop.state.config.get(cfg::taxOneActive), 0);
}

TEST(PrintHeadingDialog, TakesFortyTypedCharactersAndKeepsThirtyNine)
{
    StoreHeading heading = StoreHeading::sample();
    heading.setLine(HeadingLine::Seventh, "NOT EDITED HERE");
    whenModalOpens<PrintHeadingDialog>([](PrintHeadingDialog *dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Print heading");
        EXPECT_EQ(dialog->lineBox(0)->text(), "YOUR SHOP NAME");
        typeInto(dialog->lineBox(0), QString(45, QLatin1Char('A')));
        EXPECT_EQ(dialog->lineBox(0)->text().size(), 40);
        typeInto(dialog->lineBox(4), QStringLiteral("AB1 2CD"));
        dialog->accept();
    });
    EXPECT_TRUE(runPrintHeading(nullptr, heading));
    EXPECT_EQ(heading.line(HeadingLine::SiteName), std::string(39, 'A'));
    EXPECT_EQ(heading.line(HeadingLine::Postcode), "AB1 2CD");
    EXPECT_EQ(heading.line(HeadingLine::Seventh), "NOT EDITED HERE");
}

TEST(TipsDialog, ShowsTheNextTipEachTimeAndStoresTheStartChoice)
{
    TillConfig config;
    config.set(cfg::tipIndex, 25);
    whenModalOpens<TipsDialog>([](TipsDialog *dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Tip of the day ...");
        EXPECT_TRUE(dialog->showAtStartBox()->isChecked());
        const QString first = dialog->tipLabel()->text();
        for (QPushButton *button : dialog->findChildren<QPushButton *>())
            if (button->text() == "&Next")
                button->click();
        EXPECT_NE(dialog->tipLabel()->text(), first);
        dialog->showAtStartBox()->setChecked(false);
        dialog->reject();
    });
    showTipsDialog(nullptr, config);
    EXPECT_EQ(config.get(cfg::tipIndex), 1); // 25 shown, then 0, next is 1
    EXPECT_NE(config.get(cfg::tipsOff), 0);

    TipsDialog again(config, nullptr);
    EXPECT_FALSE(again.showAtStartBox()->isChecked());
    auto *heading = again.findChildren<QLabel *>().value(0);
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->text(), "  Did you know ...");
}

TEST(CalendarDialog, OpensAtToday)
{
    setFixedLocalTime(LocalTime { 2027, 2, 28, 12, 0, 0, 0 });
    CalendarDialog dialog(nullptr);
    EXPECT_EQ(dialog.calendar()->selectedDate(), QDate(2027, 2, 28));
    setFixedLocalTime(std::nullopt);
}

TEST(AboutBox, NamesTheProgramAndTheDataFolder)
{
    SaleShop shop;
    const QString text = aboutText(shop.state);
    EXPECT_TRUE(text.contains(QStringLiteral("OVIX Retail")));
    EXPECT_TRUE(text.contains(QString::fromStdString(shop.folder.path())));
}

TEST(HelpPages, AMissingPageIsToldWithItsPathInsteadOfBreaking)
{
    ScriptedMessages messages;
    EXPECT_FALSE(openHelpPage("no_such_page.html", messages));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.lastText().find("help/no_such_page.html"), std::string::npos);
    EXPECT_EQ(messages.lastCaption(), "Help");
}

TEST(SplashWindow, PureBlueIsSeeThroughAndTheCardIsNot)
{
    const QPixmap picture = drawSplashPicture();
    ASSERT_EQ(picture.size(), QSize(400, 198));
    const QImage image = picture.toImage();
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(399, 197), qRgb(0, 0, 255));
    EXPECT_NE(image.pixel(200, 100), qRgb(0, 0, 255));

    bool closed = false;
    SplashWindow splash([&] { closed = true; });
    EXPECT_TRUE(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_FALSE(splash.mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(splash.mask().contains(QPoint(200, 100)));
    splash.start(10);
    EXPECT_TRUE(splash.isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return closed; }, 2000));
    EXPECT_FALSE(splash.isVisible());
}
