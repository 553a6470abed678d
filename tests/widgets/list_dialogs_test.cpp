// The dialogs of the stock and printed lists: the listing font as the
// slider and box give it, the Print dialog that stays open on a range it
// refuses, the listing font size kept in the configuration, and the stock
// list window whose Print leaves it open.

#include "platform/scripted_messages.h"
#include "reports/widgets/listing_dialogs.h"
#include "reports/widgets/listing_font_command.h"
#include "reports/widgets/listing_printing.h"
#include "reports/widgets/stock_list_dialog.h"
#include "store/shop.h"
#include "support/test_support.h"
#include "widgets/modal_dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <gtest/gtest.h>

using namespace ovix;
using namespace ovix::test;

TEST(ListDialogs, TheFontBoxGivesLinesPerPageOrThePrinterDefault)
{
    struct Case {
        int64_t stored;
        bool printerDefault;
        int64_t given;
    };
    const Case cases[] = { { 0, true, 0 }, { 10, false, 10 }, { 200, false, 200 },
        { 9, true, 0 }, { 201, true, 0 }, { -5, true, 0 } };
    for (const Case &c : cases) {
        ListingFontBox box(c.stored, nullptr);
        EXPECT_EQ(box.printerDefault()->isChecked(), c.printerDefault) << c.stored;
        EXPECT_EQ(box.slider()->isEnabled(), !c.printerDefault) << c.stored;
        EXPECT_EQ(box.linesPerPage(), c.given) << c.stored;
    }
    ListingFontBox box(0, nullptr);
    box.printerDefault()->setChecked(false);
    box.slider()->setValue(150);
    EXPECT_EQ(box.linesPerPage(), 150);
}

TEST(ListDialogs, ThePrintDialogStaysOpenOnARangeItRefusesAndKeepsTheFont)
{
    TempDir folder;
    Shop shop(folder.path());
    shop.config.set(cfg::listingLinesPerPage, 40);
    ScriptedMessages messages;
    bool refusedOnce = false;
    whenModalOpens<ListingPrintDialog>([&](ListingPrintDialog *dialog) {
        EXPECT_EQ(dialog->fromBox()->text(), "1");
        EXPECT_EQ(dialog->toBox()->text(), "1"); // no items on file
        EXPECT_EQ(dialog->font()->slider()->value(), 40);
        dialog->fromBox()->setText("9");
        dialog->toBox()->setText("3");
        clickNamed(dialog, "ok");
        refusedOnce = dialog->isVisible() && messages.lastText() == "Outside range";
        dialog->toBox()->setText("12");
        dialog->font()->slider()->setValue(120);
        clickNamed(dialog, "ok");
    });
    const std::optional<NumberRange> range
        = askListingRange(nullptr, shop, shop.items.index(), messages);
    EXPECT_TRUE(refusedOnce);
    ASSERT_TRUE(range.has_value());
    EXPECT_EQ(range->from, 9);
    EXPECT_EQ(range->to, 12);
    EXPECT_EQ(shop.config.get(cfg::listingLinesPerPage), 120);

    whenModalOpens<ListingPrintDialog>(
        [](ListingPrintDialog *dialog) { clickNamed(dialog, "cancel"); });
    EXPECT_FALSE(askListingRange(nullptr, shop, shop.items.index(), messages).has_value());
}

TEST(ListDialogs, ListingFontSizeIsKeptOnlyOnOk)
{
    TillConfig config;
    config.set(cfg::listingLinesPerPage, 60);
    whenModalOpens<ListingFontDialog>([](ListingFontDialog *dialog) {
        dialog->font()->printerDefault()->setChecked(true);
        clickNamed(dialog, "cancel");
    });
    chooseListingFontSize(nullptr, config);
    EXPECT_EQ(config.get(cfg::listingLinesPerPage), 60);
    whenModalOpens<ListingFontDialog>([](ListingFontDialog *dialog) {
        dialog->font()->printerDefault()->setChecked(true);
        clickNamed(dialog, "ok");
    });
    chooseListingFontSize(nullptr, config);
    EXPECT_EQ(config.get(cfg::listingLinesPerPage), 0);
}

TEST(ListDialogs, TheStockListWindowShowsItsHeadingRowAndPrintsWithoutClosing)
{
    StockList list;
    list.title = "Inventory reorder list";
    list.headingRow = "Reorder level, In stock, On order, Order qty, Code";
    list.lines = { "10, TEA, 2,0,0,24, Z-900", "30, COFFEE, 4,1,6,12, A-100" };
    int printed = 0;
    StockListDialog dialog(list, [&printed] { ++printed; }, nullptr);
    EXPECT_EQ(dialog.windowTitle(), "Inventory reorder list");
    ASSERT_EQ(dialog.list()->count(), 3);
    EXPECT_EQ(dialog.list()->item(0)->text(), "Reorder level, In stock, On order, Order qty, Code");
    EXPECT_EQ(dialog.list()->item(2)->text(), "30, COFFEE, 4,1,6,12, A-100");
    dialog.show();
    clickNamed(&dialog, "print");
    EXPECT_EQ(printed, 1);
    EXPECT_TRUE(dialog.isVisible());
    clickNamed(&dialog, "ok");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(ListDialogs, CategoryAndColumnChoices)
{
    CategoryChoiceDialog categories({ "ALC", "BEE", "BOO" }, nullptr);
    EXPECT_EQ(categories.category(), 0); // ALL
    categories.list()->setCurrentIndex(2);
    EXPECT_EQ(categories.category(), 2);

    std::array<bool, CustomColumnsDialog::kColumns> chosen {};
    chosen[0] = true;
    chosen[19] = true;
    CustomColumnsDialog columns(chosen, nullptr);
    EXPECT_EQ(columns.column(19)->text(), "Web image");
    columns.column(0)->setChecked(false);
    columns.column(5)->setChecked(true);
    const auto now = columns.chosen();
    EXPECT_FALSE(now[0]);
    EXPECT_TRUE(now[5]);
    EXPECT_TRUE(now[19]);
}
