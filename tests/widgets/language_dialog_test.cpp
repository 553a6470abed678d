#include "platform/clock.h"
#include "platform/cp1252.h"
#include "store/receipt_words.h"
#include "store/till_config.h"
#include "support/settings_fixture.h"
#include "support/test_support.h"
#include "sales/logic/till_state.h"
#include "print/widgets/language_dialog.h"
#include "widgets/modal_dialogs.h"

#include <QComboBox>
#include <QLabel>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace ovix;
using ovix::test::whenModalOpens;

namespace {

ReceiptWords defaultsOf(int language)
{
    ReceiptWords words;
    loadDefaultReceiptWords(words, language);
    return words;
}

QString wordOf(int language, int slot)
{
    return QString::fromStdString(toUtf8(defaultsOf(language).word(slot)));
}

// A new shop printing in English with "Docket" for "Receipt".
struct SaleShop : ovix::test::NewShop {
    SaleShop()
    {
        state.receiptWords = defaultsOf(0);
        state.receiptWords.setWord(1, "Docket");
    }
};

void pressButton(QDialog *dialog, QDialogButtonBox::StandardButton which)
{
    dialog->findChild<QDialogButtonBox *>()->button(which)->click();
}

TEST(LanguageDialog, OpensWithStoredLanguageDefaultsAndTheWordsInUse)
{
    SaleShop shop;
    LanguageDialog dialog(openLanguageCustomization(shop.state.config, shop.state.receiptWords),
        nullptr);
    EXPECT_EQ(dialog.windowTitle(), "Language customization");
    EXPECT_EQ(dialog.languageList()->currentText(), "English");
    EXPECT_EQ(dialog.languageList()->count(), 4);
    EXPECT_EQ(dialog.defaultBox(1)->text(), wordOf(0, 1));
    EXPECT_FALSE(dialog.defaultBox(1)->textInteractionFlags() & Qt::TextEditable);
    EXPECT_EQ(dialog.wordBox(1)->text(), "Docket");
    EXPECT_EQ(dialog.wordBox(1)->maxLength(), 79);
}

TEST(LanguageDialog, ChoosingALanguageOrResetLoadsItsDefaultsInBothColumns)
{
    SaleShop shop;
    LanguageDialog dialog(openLanguageCustomization(shop.state.config, shop.state.receiptWords),
        nullptr);
    dialog.languageList()->setCurrentIndex(1);
    Q_EMIT dialog.languageList()->activated(1);
    for (int slot : { 1, 16, 17, 35 }) {
        EXPECT_EQ(dialog.defaultBox(slot)->text(), wordOf(1, slot)) << slot;
        EXPECT_EQ(dialog.wordBox(slot)->text(), wordOf(1, slot)) << slot;
    }
    dialog.wordBox(2)->setText(QStringLiteral("Mine"));
    dialog.resetButton()->click();
    EXPECT_EQ(dialog.wordBox(2)->text(), wordOf(1, 2));
}

TEST(LanguageDialog, OkStoresTheWordsInUseAndCancelNothing)
{
    SaleShop shop;
    const ReceiptWords before = shop.state.receiptWords;
    whenModalOpens<LanguageDialog>([](LanguageDialog *dialog) {
        dialog->wordBox(3)->setText(QStringLiteral("Ignored"));
        pressButton(dialog, QDialogButtonBox::Cancel);
    });
    EXPECT_FALSE(runLanguageCustomization(nullptr, shop.state));
    EXPECT_EQ(shop.state.receiptWords, before);

    whenModalOpens<LanguageDialog>([](LanguageDialog *dialog) {
        dialog->languageList()->setCurrentIndex(2);
        Q_EMIT dialog->languageList()->activated(2);
        dialog->wordBox(3)->setText(QStringLiteral("Caf\u00e9"));
        pressButton(dialog, QDialogButtonBox::Ok);
    });
    EXPECT_TRUE(runLanguageCustomization(nullptr, shop.state));
    EXPECT_EQ(shop.state.config.get(cfg::receiptLanguage), 2);
    EXPECT_EQ(shop.state.receiptWords.word(3), "Caf\xE9");
    EXPECT_EQ(shop.state.receiptWords.word(1), defaultsOf(2).word(1));
    EXPECT_EQ(shop.state.receiptWords.word(0), before.word(0));
}

} // namespace
