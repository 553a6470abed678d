#include "print/logic/language_customization.h"
#include "store/receipt_words.h"
#include "store/till_config.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

using namespace ovix;
using namespace ovix::test;

namespace {

ReceiptWords defaultsOf(int language)
{
    ReceiptWords words;
    loadDefaultReceiptWords(words, language);
    return words;
}

TEST(LanguageCustomization, OpensOnTheStoredLanguageWithTheWordsInUse)
{
    std::string bytes(kTillConfigSize, '\0');
    putI32(bytes, 40694, 2);
    TillConfig config;
    config.assign(bytes);
    ReceiptWords words = defaultsOf(0);
    words.setWord(4, "Rebate");

    LanguageCustomization dialog = openLanguageCustomization(config, words);
    EXPECT_EQ(dialog.languageIndex, 2);
    const ReceiptWords spanish = defaultsOf(2);
    EXPECT_EQ(dialog.defaults[0], spanish.word(1));
    EXPECT_EQ(dialog.defaults[34], spanish.word(35));
    EXPECT_EQ(dialog.inUse[3], "Rebate");
    EXPECT_EQ(dialog.inUse[0], defaultsOf(0).word(1));

    putI32(bytes, 40694, 7); // a language this till does not have
    config.assign(bytes);
    EXPECT_EQ(openLanguageCustomization(config, words).languageIndex, 0);
}

TEST(LanguageCustomization, ChoosingALanguageLoadsItsDefaultsIntoBothColumns)
{
    TillConfig config;
    ReceiptWords words = defaultsOf(0);
    words.setWord(1, "Docket");
    LanguageCustomization dialog = openLanguageCustomization(config, words);

    ASSERT_TRUE(chooseLanguage(dialog, 3));
    const ReceiptWords dutch = defaultsOf(3);
    for (int slot = 1; slot <= kCustomizableWordSlots; ++slot) {
        EXPECT_EQ(dialog.defaults[static_cast<size_t>(slot - 1)], dutch.word(slot));
        EXPECT_EQ(dialog.inUse[static_cast<size_t>(slot - 1)], dutch.word(slot));
    }
    EXPECT_EQ(dialog.languageIndex, 3);

    dialog.inUse[0] = "Bon";
    EXPECT_FALSE(chooseLanguage(dialog, 4));
    EXPECT_EQ(dialog.inUse[0], "Bon");
    EXPECT_EQ(dialog.languageIndex, 3);
}

TEST(LanguageCustomization, OkStoresIndexAndSlotsOneToThirtyFiveOnly)
{
    TillConfig config;
    ReceiptWords words = defaultsOf(1);
    words.setWord(0, "Mine");
    std::string reserved(kReceiptWordsSize, '\0');
    reserved[36 * kReceiptWordWidth] = 'R';
    words.assignWholeSlots(std::string(words.bytes().substr(0, 36 * kReceiptWordWidth))
                           + reserved.substr(36 * kReceiptWordWidth));
    LanguageCustomization dialog = openLanguageCustomization(config, words);
    ASSERT_TRUE(chooseLanguage(dialog, 1));
    dialog.inUse[0] = std::string(90, 'w');
    dialog.inUse[34] = "Fine";

    applyLanguageCustomization(config, words, dialog);
    EXPECT_EQ(getI32(std::string(config.view()), 40694), 1);
    const std::string stored(words.bytes());
    EXPECT_EQ(words.word(0), "Mine");
    EXPECT_EQ(stored.substr(kReceiptWordWidth, kReceiptWordWidth), std::string(79, 'w') + '\0');
    EXPECT_EQ(words.word(35), "Fine");
    EXPECT_EQ(words.word(2), defaultsOf(1).word(2));
    EXPECT_EQ(stored[36 * kReceiptWordWidth], 'R');
}

} // namespace
