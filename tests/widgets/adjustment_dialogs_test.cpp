// "Adjust item price", "Adjust by weight" and "Discount total" driven through
// their real widgets in the whole till: opened by the sale buttons and the
// menu, placed beside the till in tender-open mode, typed into by the keypad,
// and a sale paid after them read back from the archive.

#include "platform/scripted_messages.h"
#include "sales/widgets/cash_box.h"
#include "sales/widgets/discount_dialog.h"
#include "sales/widgets/line_adjustment_dialog.h"
#include "store/user_control.h"
#include "support/recording_sale_devices.h"
#include "till/sale_fixture.h"
#include "till/widgets/main_window.h"
#include "till/widgets/menu_wiring.h"
#include "till/widgets/sale_screen.h"
#include "widgets/modal_dialogs.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

using namespace ovix;
using namespace ovix::test;

namespace {

// The whole till over a small shop: tea 2.50 taxed at 20% (5 in stock),
// milk 1.20 untaxed, cheese 4.00 per 100 g taxed; the sale's devices only
// note what they are asked.
struct AdjustTill {
    FixedClock clock { kSaleTime };
    SaleShop shop;
    ScriptedMessages messages;
    RecordingSaleDevices devices;
    std::unique_ptr<Basket> basket = std::make_unique<Basket>();
    std::unique_ptr<Basket> saved = std::make_unique<Basket>();
    std::unique_ptr<MainWindow> window;
    SaleScreen *screen = nullptr;

    AdjustTill()
    {
        shop.addItem({ 101, "TEA", 5, 2.50f, 1.00f, 16, 1 });
        shop.addItem({ 102, "MILK", 9, 1.20f, 0.80f, 3, 0 });
        shop.addItem({ 103, "CHEESE", 9, 4.00f, 2.75f, 3, 1 });
        shop.state.config.set(cfg::nextTransactionNumber, 41);
        window = std::make_unique<MainWindow>(shop.state, messages);
        screen = new SaleScreen(*window, shop.state, *basket, *saved, messages);
        connectTillCommands(*window, *screen, shop.state, *basket, messages, devices);
    }

    void ringUp(const char *number)
    {
        QTest::keyClicks(screen->itemBox(), QString::fromLatin1(number));
        QTest::keyClick(screen->itemBox(), Qt::Key_Return);
    }
    void press(Command command)
    {
        screen->saleButton(command)->click();
    }
    void keypad(const char *captions)
    {
        for (const char *c = captions; *c; ++c)
            screen->keypadButton(QString(QLatin1Char(*c)))->click();
    }
    template <typename T> QList<T *> open()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QList<T *> found;
        for (QDialog *dialog : window->findChildren<QDialog *>())
            if (auto *wanted = dynamic_cast<T *>(dialog); wanted && wanted->isVisible())
                found << wanted;
        return found;
    }
    QString box(QDialog *dialog, const char *name) const
    {
        return dialog->findChild<QLineEdit *>(QString::fromLatin1(name))->text();
    }
    QString lineBoxes(LineAdjustmentDialog *dialog) const
    {
        QStringList texts;
        for (int i = 0; i < 5; ++i)
            texts << dialog->lineBox(i)->text();
        return texts.join(QLatin1Char(' '));
    }
    std::string lastListEntry() const
    {
        QListWidget *list = screen->basketList();
        return list->item(list->count() - 1)->text().toStdString();
    }
    std::string totals() const
    {
        return screen->totalsAmounts().toStdString();
    }
};

} // namespace

TEST(AdjustmentDialogs, AdjustItemPriceStandsBesideTheTillAndTakesTheKeypad)
{
    AdjustTill till;
    till.ringUp("102");
    till.ringUp("101");
    till.press(Command::AdjustPrice);
    till.press(Command::AdjustPrice); // only moves the focus back
    ASSERT_EQ(till.open<LineAdjustmentDialog>().size(), 1);
    LineAdjustmentDialog *dialog = till.open<LineAdjustmentDialog>().front();
    EXPECT_EQ(dialog->windowTitle(), "Adjust item price");
    EXPECT_FALSE(dialog->isModal());
    // Centred over the till, its bottom edge 10 pixels above the till's.
    const QRect frame = till.window->frameGeometry();
    const QRect placed = dialog->frameGeometry();
    EXPECT_EQ(placed.x(), frame.x() + (frame.width() - placed.width()) / 2);
    EXPECT_EQ(placed.y() + placed.height(), frame.y() + frame.height() - 10);
    EXPECT_EQ(till.window->tenderAmountBox(), dialog->amountBox());
    EXPECT_EQ(dialog->findChild<QLabel *>(QStringLiteral("number"))->text(), "101");
    EXPECT_EQ(dialog->findChild<QLabel *>(QStringLiteral("description"))->text(), "TEA");
    EXPECT_EQ(dialog->costLabel()->text(), "1.00");
    EXPECT_EQ(dialog->findChild<QLabel *>(QStringLiteral("listPrice"))->text(), "2.50");
    EXPECT_EQ(till.lineBoxes(dialog), "0.00 2.50 0.50 0.00 3.00");

    till.keypad("1000");
    EXPECT_EQ(dialog->amountBox()->text(), "1000");
    EXPECT_TRUE(till.screen->itemBox()->toPlainText().isEmpty());
    EXPECT_EQ(till.lineBoxes(dialog), "0.00 10.00 2.00 0.00 12.00");
    till.press(Command::PayCash); // no payment while the dialog is open
    EXPECT_TRUE(till.open<CashBox>().isEmpty());

    ASSERT_TRUE(clickNamed(dialog, "ok"));
    EXPECT_TRUE(till.open<LineAdjustmentDialog>().isEmpty());
    EXPECT_EQ(till.window->tenderAmountBox(), nullptr);
    EXPECT_EQ(till.lastListEntry(), "101  TEA (5)  12.00");
    // Taxable, non-taxable, subtotal, tax 1, tax 2, total.
    EXPECT_EQ(till.totals(), "10.00\n1.20\n11.20\n2.00\n0.00\n13.20");
    EXPECT_TRUE(till.messages.shown.empty());
}

TEST(AdjustmentDialogs, ZeroCancelAndTheLimitOfTheAdjustedPrice)
{
    AdjustTill till;
    till.ringUp("101");
    till.press(Command::AdjustPrice);
    LineAdjustmentDialog *dialog = till.open<LineAdjustmentDialog>().front();
    QTest::keyClicks(dialog->amountBox(), "2000001");
    EXPECT_EQ(till.messages.lastText(), "Invalid price, limit 20000.00");
    EXPECT_TRUE(dialog->amountBox()->text().isEmpty());
    EXPECT_EQ(till.lineBoxes(dialog), "0.00 2.50 0.50 0.00 3.00");

    ASSERT_TRUE(clickNamed(dialog, "zero"));
    EXPECT_EQ(dialog->amountBox()->text(), "0");
    EXPECT_EQ(till.lineBoxes(dialog), "0.00 0.00 0.00 0.00 0.00");
    ASSERT_TRUE(clickNamed(dialog, "cancel"));
    EXPECT_TRUE(till.open<LineAdjustmentDialog>().isEmpty());
    EXPECT_EQ(till.window->tenderAmountBox(), nullptr);
    EXPECT_EQ(till.totals(), "2.50\n0.00\n2.50\n0.50\n0.00\n3.00");

    // Zero and OK: the line is given away.
    till.press(Command::AdjustPrice);
    dialog = till.open<LineAdjustmentDialog>().front();
    ASSERT_TRUE(clickNamed(dialog, "zero"));
    ASSERT_TRUE(clickNamed(dialog, "ok"));
    EXPECT_EQ(till.lastListEntry(), "101  TEA (5)  0.00");
    EXPECT_EQ(till.basket->lineTotal[0], 0.0f);
}

TEST(AdjustmentDialogs, NothingOpensWithoutAnItemLineOrForAnInhibitedClerk)
{
    AdjustTill till;
    till.press(Command::AdjustPrice);
    EXPECT_EQ(till.messages.lastText(), "No items");
    till.window->runCommand(Command::AddDiscount);
    EXPECT_TRUE(till.open<QDialog>().isEmpty());
    EXPECT_EQ(till.messages.shown.size(), 1u); // an empty basket: nothing at all

    till.ringUp("101");
    till.shop.state.config.set(cfg::currentClerk, 3);
    for (UserControlItem item : { UserControlItem::InhibitAdjustPrice,
             UserControlItem::InhibitByWeight, UserControlItem::InhibitDiscount })
        till.shop.state.config.set(cfg::userControl, static_cast<size_t>(item), 2);
    till.messages.shown.clear();
    till.press(Command::AdjustPrice);
    till.press(Command::PriceByWeight);
    till.window->runCommand(Command::AddDiscount);
    EXPECT_TRUE(till.open<QDialog>().isEmpty());
    EXPECT_TRUE(till.messages.shown.empty());

    // Cleared, the clerk may; with cost prices hidden they show blank.
    for (UserControlItem item : { UserControlItem::InhibitAdjustPrice,
             UserControlItem::InhibitByWeight, UserControlItem::InhibitDiscount })
        till.shop.state.config.set(cfg::userControl, static_cast<size_t>(item), 0);
    till.shop.state.config.set(
        cfg::userControl, static_cast<size_t>(UserControlItem::HideCostPrice), 2);
    till.press(Command::PriceByWeight);
    ASSERT_EQ(till.open<LineAdjustmentDialog>().size(), 1);
    EXPECT_TRUE(till.open<LineAdjustmentDialog>().front()->costLabel()->text().isEmpty());
}

TEST(AdjustmentDialogs, AdjustByWeightPricesTheLineFromTheWeight)
{
    AdjustTill till;
    till.ringUp("103");
    till.press(Command::PriceByWeight);
    ASSERT_EQ(till.open<LineAdjustmentDialog>().size(), 1);
    LineAdjustmentDialog *dialog = till.open<LineAdjustmentDialog>().front();
    EXPECT_EQ(dialog->windowTitle(), "Adjust by weight");
    EXPECT_EQ(dialog->weightList()->count(), 2000);
    EXPECT_EQ(dialog->weightList()->currentText(), "100");
    EXPECT_EQ(till.window->tenderAmountBox(), dialog->amountBox());

    till.keypad("250");
    EXPECT_EQ(dialog->priceBeforeTaxBox()->text(), "10.00");
    EXPECT_EQ(till.lineBoxes(dialog), "0.00 10.00 2.00 0.00 12.00");
    dialog->weightList()->setCurrentIndex(49);
    EXPECT_EQ(dialog->amountBox()->text(), "50");
    EXPECT_EQ(dialog->priceBeforeTaxBox()->text(), "2.00");
    QTest::keyClicks(dialog->amountBox(), "0"); // 500
    EXPECT_EQ(dialog->priceBeforeTaxBox()->text(), "20.00");
    ASSERT_TRUE(clickNamed(dialog, "ok"));
    EXPECT_TRUE(till.open<LineAdjustmentDialog>().isEmpty());
    EXPECT_EQ(till.lastListEntry(), "103  CHEESE (9)  24.00");
    EXPECT_EQ(till.totals(), "20.00\n0.00\n20.00\n4.00\n0.00\n24.00");
}

TEST(AdjustmentDialogs, DiscountTotalAfterTaxTakesAPercentOfTheTotal)
{
    AdjustTill till;
    till.shop.state.config.set(cfg::discountOnTotal, 2);
    till.shop.addItem({ 104, "SOAP", 9, 9.99f, 5.00f, 3, 0 });
    till.ringUp("104");
    till.window->runCommand(Command::AddDiscount);
    ASSERT_EQ(till.open<DiscountDialog>().size(), 1);
    DiscountDialog *dialog = till.open<DiscountDialog>().front();
    EXPECT_EQ(dialog->windowTitle(), "Discount total");
    EXPECT_EQ(till.window->tenderAmountBox(), dialog->amountBox());
    EXPECT_EQ(till.box(dialog, "total"), "9.99");
    EXPECT_EQ(dialog->percentList()->count(), 161);
    EXPECT_EQ(dialog->percentList()->currentText(), "0.00");
    bool amendedAfterTax = false;
    for (QLabel *label : dialog->findChildren<QLabel *>())
        amendedAfterTax = amendedAfterTax || label->text() == "Amended total";
    EXPECT_TRUE(amendedAfterTax);

    dialog->percentList()->setCurrentIndex(25);
    EXPECT_EQ(dialog->percentList()->currentText(), "12.50");
    EXPECT_EQ(dialog->amountBox()->text(), "124");
    EXPECT_EQ(dialog->amendedTotalBox()->text(), "8.75");
    till.keypad("0"); // 12.40: more than the sale
    ASSERT_TRUE(clickNamed(dialog, "ok"));
    EXPECT_EQ(till.messages.lastText(), "Invalid discount");
    ASSERT_EQ(till.open<DiscountDialog>().size(), 1);
    QTest::keyClick(dialog->amountBox(), Qt::Key_Backspace);
    ASSERT_TRUE(clickNamed(dialog, "ok"));
    EXPECT_TRUE(till.open<DiscountDialog>().isEmpty());
    EXPECT_EQ(till.window->tenderAmountBox(), nullptr);
    EXPECT_EQ(till.totals(), "0.00\n9.99\n9.99\n0.00\n0.00\n(1.24)\n8.75");
}

TEST(AdjustmentDialogs, ASaleAdjustedAndDiscountedBeforeTaxIsArchivedAsShown)
{
    AdjustTill till;
    till.shop.state.config.set(cfg::discountOnTotal, 0);
    till.shop.state.config.set(cfg::discountButtonRate, 10);
    till.ringUp("102");
    till.ringUp("101");
    till.press(Command::AdjustPrice);
    QTest::keyClicks(till.open<LineAdjustmentDialog>().front()->amountBox(), "1880");
    ASSERT_TRUE(clickNamed(till.open<LineAdjustmentDialog>().front(), "ok"));
    // Non-taxable 1.20, taxable 18.80 with 3.76 tax: 23.76.
    EXPECT_EQ(till.totals(), "18.80\n1.20\n20.00\n3.76\n0.00\n23.76");

    till.window->runCommand(Command::AddDiscount);
    DiscountDialog *dialog = till.open<DiscountDialog>().front();
    EXPECT_EQ(dialog->percentList()->currentText(), "10.00");
    EXPECT_EQ(dialog->amountBox()->text(), "200");
    EXPECT_EQ(dialog->amendedTotalBox()->text(), "18.00");
    ASSERT_TRUE(clickNamed(dialog, "ok"));
    // 2.00 off 20.00: 0.12 off the milk, 1.88 off the tea, tax 1 3.38.
    EXPECT_EQ(till.totals(), "16.92\n1.08\n18.00\n3.38\n0.00\n(2.00)\n21.38");

    till.window->runCommand(Command::PayCheque);
    const std::vector<ReadTransaction> sales
        = readSalesBytes(till.shop.file("2026/3/5/saleslog.dat"));
    ASSERT_EQ(sales.size(), 1u);
    EXPECT_EQ(sales[0].number, 41);
    EXPECT_EQ(sales[0].paymentType, "CH");
    EXPECT_FLOAT_EQ(sales[0].nonTaxable, 1.08f);
    EXPECT_FLOAT_EQ(sales[0].taxable, 16.92f);
    EXPECT_FLOAT_EQ(sales[0].subtotal, 18.00f);
    EXPECT_FLOAT_EQ(sales[0].taxOne, 3.38f);
    EXPECT_FLOAT_EQ(sales[0].total, 21.38f);
    EXPECT_FLOAT_EQ(sales[0].discount, 2.00f);
    EXPECT_FLOAT_EQ(sales[0].chequePart, 21.38f);
    const std::vector<ReadLine> lines = readLineBytes(till.shop.file("2026/3/5/itemslog.dat"));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].item, 101);
    EXPECT_FLOAT_EQ(lines[1].taxable, 18.80f);
    EXPECT_FLOAT_EQ(lines[1].taxOne, 3.76f);
    EXPECT_FLOAT_EQ(lines[1].total, 22.56f);
    EXPECT_FLOAT_EQ(lines[1].discount, 0.0f);
    EXPECT_FLOAT_EQ(lines[0].nonTaxable, 1.20f);
    EXPECT_EQ(till.basket->lineCount, 0);
}
