#include "platform/clock.h"
#include "platform/scripted_messages.h"
#include "store/receipt_words.h"
#include "store/till_config.h"
#include "support/settings_fixture.h"
#include "support/test_support.h"
#include "sales/logic/till_state.h"
#include "print/widgets/custom_receipt_dialog.h"
#include "widgets/modal_dialogs.h"
#include "widgets/test_helpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdio>

using namespace ovix;
using ovix::test::pdfText;
using ovix::test::typeInto;
using ovix::test::whenModalOpens;

namespace {

void press(QDialog *dialog, QDialogButtonBox::StandardButton which)
{
    dialog->findChild<QDialogButtonBox *>()->button(which)->click();
}

bool hasLabel(QWidget *parent, const char *text)
{
    for (QLabel *label : parent->findChildren<QLabel *>())
        if (label->text() == QString::fromLatin1(text))
            return true;
    return false;
}

// A new shop with the sample heading, the English words and the date on line 3
// of the custom receipt.
struct SaleShop : ovix::test::NewShop {
    SaleShop()
    {
        state.heading = StoreHeading::sample();
        loadDefaultReceiptWords(state.receiptWords, 0);
        state.config.set(cfg::customReceiptLines, size_t(ReceiptField::Date), 3);
    }
};

TEST(CustomReceiptDialog, ShowsTheGroupsNotesAndListsWithTheStoredLayout)
{
    SaleShop shop;
    CustomReceiptDialog dialog(loadCustomReceiptSettings(shop.state.config), {}, {}, nullptr);
    EXPECT_EQ(dialog.windowTitle(), "Custom receipt");
    QStringList groups;
    for (QGroupBox *group : dialog.findChildren<QGroupBox *>())
        groups << group->title();
    for (const char *title : { "Header", "Items", "Footer" })
        EXPECT_TRUE(groups.contains(QString::fromLatin1(title))) << title;
    EXPECT_TRUE(hasLabel(&dialog, kHeaderLinesNote));
    EXPECT_TRUE(hasLabel(&dialog, kFooterLinesNote));
    EXPECT_TRUE(hasLabel(&dialog, "Say 27,112,0,75,250"));
    EXPECT_TRUE(hasLabel(&dialog, "Customer phone"));
    EXPECT_TRUE(hasLabel(&dialog, "Transaction note"));

    EXPECT_EQ(dialog.lineBox(ReceiptField::Date)->text(), "3");
    ASSERT_EQ(dialog.blankLinesList()->count(), 20);
    EXPECT_EQ(dialog.blankLinesList()->itemText(0), "1");
    EXPECT_EQ(dialog.blankLinesList()->itemText(19), "20");
    ASSERT_EQ(dialog.cutterPortList()->count(), 10);
    EXPECT_EQ(dialog.cutterPortList()->itemText(7), "COM8");
    EXPECT_EQ(dialog.cutterPortList()->itemText(9), "LPT2");
    EXPECT_EQ(dialog.textBox(0)->maxLength(), 48);
    // The header fields sit in the header group, the footer fields in the footer.
    EXPECT_EQ(
        dialog.lineBox(ReceiptField::CustomerPhone)->parentWidget()->property("title"), "Header");
    EXPECT_EQ(
        dialog.lineBox(ReceiptField::PaymentType)->parentWidget()->property("title"), "Footer");
}

TEST(CustomReceiptDialog, OkStoresAndCancelChangesNothing)
{
    SaleShop shop;
    const std::string before = shop.stored();
    const int total = shop.state.config.get(cfg::customReceiptLines, size_t(ReceiptField::Total));
    whenModalOpens<CustomReceiptDialog>([](CustomReceiptDialog *dialog) {
        typeInto(dialog->lineBox(ReceiptField::Date), "12");
        dialog->logoBox()->setChecked(false);
        press(dialog, QDialogButtonBox::Cancel);
    });
    EXPECT_FALSE(runCustomReceiptDialog(nullptr, shop.state, shop.messages));
    EXPECT_EQ(shop.stored(), before);

    whenModalOpens<CustomReceiptDialog>([](CustomReceiptDialog *dialog) {
        typeInto(dialog->lineBox(ReceiptField::Date), "12");
        typeInto(dialog->lineBox(ReceiptField::Total), "41"); // refused
        typeInto(dialog->textBox(2), "Bye");
        typeInto(dialog->cutterBox(), "27,112,0,75,250");
        dialog->cutterPortList()->setCurrentIndex(8);
        dialog->blankLinesList()->setCurrentIndex(0);
        dialog->logoBox()->setChecked(false);
        dialog->excludingTaxButton()->setChecked(true);
        press(dialog, QDialogButtonBox::Ok);
    });
    EXPECT_TRUE(runCustomReceiptDialog(nullptr, shop.state, shop.messages));
    const TillConfig &config = shop.state.config;
    EXPECT_EQ(config.get(cfg::customReceiptLines, size_t(ReceiptField::Date)), 12);
    EXPECT_EQ(config.get(cfg::customReceiptLines, size_t(ReceiptField::Total)), total);
    EXPECT_EQ(config.text(cfg::customReceiptTextThree), "Bye");
    EXPECT_EQ(config.text(cfg::cutterSequence), "27,112,0,75,250");
    EXPECT_EQ(config.get(cfg::cutterPort), 8);
    EXPECT_EQ(config.get(cfg::customReceiptBlankLines), 0);
    EXPECT_EQ(config.get(cfg::customReceiptLogoOmitted), 2);
    EXPECT_EQ(config.get(cfg::customReceiptExcludingTax), 2);
    EXPECT_TRUE(shop.messages.shown.empty());
}

TEST(CustomReceiptDialog, BadCutterSequenceKeepsTheDialogOpenUntilItIsPutRight)
{
    SaleShop shop;
    const std::string before = shop.stored();
    bool stillOpen = false;
    whenModalOpens<CustomReceiptDialog>([&](CustomReceiptDialog *dialog) {
        typeInto(dialog->lineBox(ReceiptField::Date), "7");
        typeInto(dialog->cutterBox(), "27,x,0");
        press(dialog, QDialogButtonBox::Ok);
        stillOpen = dialog->isVisible();
        EXPECT_EQ(shop.stored(), before);
        typeInto(dialog->cutterBox(), "27,105");
        press(dialog, QDialogButtonBox::Ok);
    });
    EXPECT_TRUE(runCustomReceiptDialog(nullptr, shop.state, shop.messages));
    EXPECT_TRUE(stillOpen);
    ASSERT_EQ(shop.messages.shown.size(), 1u);
    EXPECT_EQ(shop.messages.lastCaption(), "Problem");
    EXPECT_EQ(shop.state.config.text(cfg::cutterSequence), "27,105");
    EXPECT_EQ(shop.state.config.get(cfg::customReceiptLines, size_t(ReceiptField::Date)), 7);
}

TEST(CustomReceiptDialog, PreviewPrintsTheLayoutOnScreenToAFileAndStoresNothing)
{
    SaleShop shop;
    CustomReceiptDialog dialog(
        loadCustomReceiptSettings(shop.state.config), {},
        [&](const CustomReceiptSettings &shown) {
            previewCustomReceipt(shop.state, shown, shop.messages);
        },
        nullptr);
    const std::string before = shop.stored();
    typeInto(dialog.lineBox(ReceiptField::StoreName), "1");
    typeInto(dialog.lineBox(ReceiptField::CustomerName), "5");
    typeInto(dialog.lineBox(ReceiptField::Total), "2");
    typeInto(dialog.lineBox(ReceiptField::TextTwo), "4");
    typeInto(dialog.textBox(1), "Come again");
    dialog.previewButton()->click();
    EXPECT_EQ(shop.stored(), before);

    const QStringList printouts
        = QDir(QString::fromStdString(shop.folder.file("printouts"))).entryList({ "*.pdf" });
    ASSERT_EQ(printouts.size(), 1) << shop.messages.lastText();
    EXPECT_EQ(shop.messages.lastCaption(), "Printing");
    const std::string pdf = shop.folder.file("printouts/" + printouts[0].toStdString());
    const std::string text = pdfText(pdf);
    for (const char *expected :
        { "YOUR SHOP NAME", "Receipt: 1234", "SAMPLE ITEM", "2 @ 1.50", "Come again" })
        EXPECT_NE(text.find(expected), std::string::npos) << expected << " in\n" << text;
    // Previewed on the roll the receipt printer takes.
    EXPECT_NEAR(test::millimetres(test::pdfPageSize(pdf).width), 80, 0.5);
}

} // namespace
