#include "platform/data_dir.h"
#include "store/receipt_words.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace ovix;
using ovix::test::TempDir;

namespace {

constexpr size_t kSlot = 80;
constexpr size_t kFile = 58 * kSlot;

std::string slotBytes(std::string_view bytes, size_t slot)
{
    return std::string(bytes.substr(slot * kSlot, kSlot));
}

std::string padded(std::string_view text)
{
    std::string slot(kSlot, '\0');
    test::putText(slot, 0, text);
    return slot;
}

} // namespace

TEST(ReceiptWords, BuiltInLanguagesByteForByte)
{
    ReceiptWords words;
    ASSERT_TRUE(loadDefaultReceiptWords(words, 0));
    ASSERT_EQ(words.bytes().size(), kFile);
    EXPECT_EQ(slotBytes(words.bytes(), 0), padded("English"));
    EXPECT_EQ(slotBytes(words.bytes(), 35), padded("Terms"));
    for (size_t slot = 36; slot < 58; ++slot)
        EXPECT_EQ(slotBytes(words.bytes(), slot), std::string(kSlot, '\0')) << slot;
    ASSERT_TRUE(loadDefaultReceiptWords(words, 1));
    EXPECT_EQ(words.word(9), "Sostituzione del contante");
    // The Spanish words carry their accents in Windows-1252.
    ASSERT_TRUE(loadDefaultReceiptWords(words, 2));
    EXPECT_EQ(slotBytes(words.bytes(), 1), padded("Recepci\xF3n"));
    EXPECT_EQ(words.word(9), "De introducci\xF3n del efectivo");
    EXPECT_EQ(words.word(12), "Pago: cr\xE9" "dito");
    ASSERT_TRUE(loadDefaultReceiptWords(words, 3));
    EXPECT_EQ(words.word(32), "Geautoriseerde");
    // Another language leaves the table as it was.
    EXPECT_FALSE(loadDefaultReceiptWords(words, 4));
    EXPECT_EQ(words.word(0), "Nederlands");
}

TEST(ReceiptWords, LoadsTheFileOrTheLanguagesDefaultsAndStoresItBack)
{
    TempDir dir;
    const DataDir data(dir.path());
    ReceiptWords words;
    EXPECT_FALSE(loadReceiptWords(data, words, 3));
    EXPECT_EQ(words.word(3), "Totaal");
    EXPECT_FALSE(loadReceiptWords(data, words, 9));
    EXPECT_EQ(words.word(3), "Total");

    // Built by hand under an upper-case name: a reserved slot used, and a
    // word filling its slot with no terminator.
    std::string file(kFile, '\0');
    test::putText(file, 3 * kSlot, "Cyfanswm");
    test::putText(file, 10 * kSlot, std::string(kSlot, 'X'));
    test::putText(file, 40 * kSlot, "kept");
    test::writeBytes(dir.file("LANGUAGE.INI"), file);
    EXPECT_TRUE(loadReceiptWords(data, words, 0));
    EXPECT_EQ(std::string(words.bytes()), file);
    EXPECT_EQ(words.word(10), std::string(kSlot, 'X'));

    words.setWord(1, std::string(100, 'D'));
    ASSERT_TRUE(storeReceiptWords(data, words));
    EXPECT_FALSE(std::filesystem::exists(dir.file("language.ini")));
    test::putText(file, kSlot, std::string(79, 'D'));
    EXPECT_EQ(test::readBytes(dir.file("LANGUAGE.INI")), file);
}

TEST(ReceiptWords, CutOffFileKeepsBuiltInWordsPastItsLastWholeSlot)
{
    TempDir dir;
    std::string file(kSlot + 30, '\0');
    test::putText(file, 0, "Mine");
    test::putText(file, kSlot, "Rece");
    test::writeBytes(dir.file("language.ini"), file);
    ReceiptWords words;
    EXPECT_TRUE(loadReceiptWords(DataDir(dir.path()), words, 0));
    EXPECT_EQ(words.word(0), "Mine");
    EXPECT_EQ(words.word(1), "Receipt");
    EXPECT_EQ(words.word(35), "Terms");
}
