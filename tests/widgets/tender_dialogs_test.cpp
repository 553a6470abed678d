#include "platform/scripted_messages.h"
#include "sales/logic/item_entry.h"
#include "sales/logic/null_basket_view.h"
#include "till/sale_fixture.h"
#include "sales/widgets/cash_box.h"
#include "till/widgets/main_window.h"
#include "sales/widgets/payment_commands.h"
#include "sales/widgets/split_dialog.h"
#include "print/widgets/summary_dialog.h"
#include "print/widgets/till_sale_devices.h"
#include "widgets/modal_dialogs.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace ovix;
using namespace ovix::test;

namespace {

struct TenderTill {
    FixedClock clock { kSaleTime };
    FiveLineShop shop;
    Basket basket = shop.basket();
    Basket saved {};
    NullBasketView view;
    ScriptedMessages messages;
    ItemEntry entry { shop.state, basket, saved, view, messages };
    MainWindow window { shop.state, messages };
    TillSaleDevices devices { &window, shop.state, messages };

    TenderTill() { connectPaymentCommands(window, shop.state, basket, entry, messages, devices); }

    // Dialogs of type T open over the window (by dynamic type: the dialogs
    // have no meta-object of their own).
    template <typename T>
    QList<T *> open()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QList<T *> found;
        for (QDialog *dialog : window.findChildren<QDialog *>())
            if (auto *wanted = dynamic_cast<T *>(dialog))
                found << wanted;
        return found;
    }
    QList<CashBox *> cashBoxes() { return open<CashBox>(); }
    std::vector<ReadTransaction> sales() const
    {
        return readSalesBytes(shop.file("2026/3/5/saleslog.dat"));
    }
};

QColor changeColour(CashBox *box)
{
    return box->changeBox()->palette().color(QPalette::Base);
}

} // namespace

TEST(TenderDialogs, CashBoxTakesCentsAndColoursTheChange)
{
    TenderTill till;
    till.window.runCommand(Command::PayCash);
    till.window.runCommand(Command::PayCash);
    ASSERT_EQ(till.cashBoxes().size(), 1);
    CashBox *box = till.cashBoxes().front();
    EXPECT_TRUE(box->isVisible());
    EXPECT_FALSE(box->isModal());
    EXPECT_EQ(box->findChild<QLabel *>(QStringLiteral("total"))->text(), "12.59");
    EXPECT_EQ(box->quickButton(0)->text(), "15.00");
    EXPECT_EQ(box->quickButton(1)->text(), "20.00");
    EXPECT_EQ(box->quickButton(2)->text(), "50.00");
    EXPECT_EQ(changeColour(box), QColor(200, 40, 40));

    QTest::keyClicks(box->tenderedBox(), "12.5x8");
    EXPECT_EQ(box->tenderedBox()->text(), "1258");
    EXPECT_EQ(box->changeBox()->text(), "");
    EXPECT_EQ(changeColour(box), QColor(200, 40, 40));
    box->tenderedBox()->setText("1259");
    EXPECT_EQ(box->changeBox()->text(), "0.00");
    EXPECT_EQ(changeColour(box), QColor(240, 240, 200));
    box->tenderedBox()->setText(QString(25, '1'));
    EXPECT_EQ(box->tenderedBox()->text().size(), 19);

    // An amount below the total is refused and the box stays.
    box->tenderedBox()->setText("1000");
    ASSERT_TRUE(clickNamed(box, "ok"));
    EXPECT_EQ(till.messages.lastText(), "Less than total");
    EXPECT_EQ(till.cashBoxes().size(), 1);

    ASSERT_TRUE(clickNamed(box, "cancel"));
    EXPECT_TRUE(till.cashBoxes().isEmpty());
    EXPECT_EQ(till.basket.lineCount, 5);
    EXPECT_TRUE(till.sales().empty());
}

TEST(TenderDialogs, OkCompletesTheSaleBeforeTheSummaryBox)
{
    TenderTill till;
    till.window.runCommand(Command::PayCash);
    ASSERT_EQ(till.cashBoxes().size(), 1);
    CashBox *box = till.cashBoxes().front();
    box->tenderedBox()->setText("2000");

    size_t archivedAtSummary = 0;
    QString tendered, change;
    bool invoicesEnabled = false;
    bool receiptsEnabled = false;
    whenModalOpens<SummaryDialog>([&](SummaryDialog *summary) {
        archivedAtSummary = till.sales().size();
        tendered = summary->findChild<QLineEdit *>(QStringLiteral("tendered"))->text();
        change = summary->findChild<QLineEdit *>(QStringLiteral("change"))->text();
        const auto enabled = [summary](const char *name) {
            return summary->findChild<QPushButton *>(QString::fromLatin1(name))->isEnabled();
        };
        invoicesEnabled = enabled("standardInvoice") && enabled("customInvoice")
            && enabled("deliveryNote");
        receiptsEnabled = enabled("standardReceipt") && enabled("customReceipt");
        clickNamed(summary, "ok");
    });
    ASSERT_TRUE(clickNamed(box, "ok"));

    EXPECT_EQ(archivedAtSummary, 1u);
    EXPECT_EQ(tendered, "20.00");
    EXPECT_EQ(change, "7.41");
    EXPECT_TRUE(invoicesEnabled);
    EXPECT_TRUE(receiptsEnabled);
    EXPECT_TRUE(till.cashBoxes().isEmpty());
    EXPECT_EQ(till.basket.lineCount, 0);
    ASSERT_EQ(till.sales().size(), 1u);
    EXPECT_EQ(till.sales()[0].paymentType, "Cash");
    EXPECT_FLOAT_EQ(till.sales()[0].cashPart, 12.59f);

    // Tender-open mode is over: the next payment runs and finds no items.
    till.window.runCommand(Command::PayCheque);
    EXPECT_EQ(till.messages.lastText(), "Please select items");
}

TEST(TenderDialogs, SplitThenCashBoxForTheCashPart)
{
    TenderTill till;
    till.window.runCommand(Command::PaySplit);
    auto splits = till.open<SplitDialog>();
    ASSERT_EQ(splits.size(), 1);
    SplitDialog *split = splits.front();
    EXPECT_EQ(split->windowTitle(), "Split payment");
    EXPECT_TRUE(split->eftButton()->isChecked());
    split->cashBox()->setText("500");
    EXPECT_EQ(split->remainderBox()->text(), "7.59");
    till.window.runCommand(Command::PayCash); // ignored while the split is open
    EXPECT_TRUE(till.cashBoxes().isEmpty());
    ASSERT_TRUE(clickNamed(split, "ok"));

    ASSERT_EQ(till.cashBoxes().size(), 1);
    CashBox *box = till.cashBoxes().front();
    EXPECT_EQ(box->findChild<QLabel *>(QStringLiteral("total"))->text(), "5.00");
    EXPECT_EQ(box->quickButton(2)->text(), "20.00");
    whenModalOpens<SummaryDialog>([](SummaryDialog *summary) { clickNamed(summary, "ok"); });
    ASSERT_TRUE(clickNamed(box, "exact"));
    ASSERT_EQ(till.sales().size(), 1u);
    EXPECT_EQ(till.sales()[0].paymentType, "Split");
    EXPECT_FLOAT_EQ(till.sales()[0].cashPart, 5.00f);
    EXPECT_FLOAT_EQ(till.sales()[0].eftPart, 7.59f);
}
