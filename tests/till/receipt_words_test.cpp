#include "platform/data_dir.h"
#include "print/logic/receipt_words.h"
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
    EXPECT_EQ(slotBytes(words.bytes(), 14), padded("Payment: CH with cash"));
    EXPECT_EQ(slotBytes(words.bytes(), 35), padded("Terms"));
    for (size_t slot = 36; slot < 58; ++slot)
        EXPECT_EQ(slotBytes(words.bytes(), slot), std::string(kSlot, '\0')) << slot;

    ASSERT_TRUE(loadDefaultReceiptWords(words, 1));
    EXPECT_EQ(words.word(0), "Italiano");
    EXPECT_EQ(words.word(9), "Sostituzione del contante");
    EXPECT_EQ(words.word(19), "Associate");

    // The Spanish words carry their accents in Windows-1252.
    ASSERT_TRUE(loadDefaultReceiptWords(words, 2));
    EXPECT_EQ(slotBytes(words.bytes(), 1), padded("Recepci\xF3n"));
    EXPECT_EQ(words.word(8), "Licitaci\xF3n");
    EXPECT_EQ(words.word(9), "De introducci\xF3n del efectivo");
    EXPECT_EQ(words.word(12), "Pago: cr\xE9"
                              "dito");
    EXPECT_EQ(words.word(15), "Pago: transferencia bancaria con dinero en efectivo");

    ASSERT_TRUE(loadDefaultReceiptWords(words, 3));
    EXPECT_EQ(words.word(0), "Nederlands");
    EXPECT_EQ(words.word(32), "Geautoriseerde");
    EXPECT_EQ(words.word(36), "");
}

TEST(ReceiptWords, OtherLanguagesLeaveTheTableAlone)
{
    ReceiptWords words;
    words.setWord(3, "Somma");
    const ReceiptWords before = words;
    EXPECT_FALSE(loadDefaultReceiptWords(words, 4));
    EXPECT_FALSE(loadDefaultReceiptWords(words, -1));
    EXPECT_EQ(words, before);
}

TEST(ReceiptWords, SlotsKeepAtMostSeventyNineBytes)
{
    ReceiptWords words;
    words.setWord(57, std::string(100, 'W'));
    EXPECT_EQ(words.word(57), std::string(79, 'W'));
    EXPECT_EQ(words.bytes()[kFile - 1], '\0');
    words.setWord(58, "nowhere");
    EXPECT_EQ(words.word(58), "");
}

TEST(ReceiptWords, LoadsTheFileOrTheLanguagesDefaults)
{
    TempDir dir;
    const DataDir data(dir.path());
    ReceiptWords words;
    EXPECT_FALSE(loadReceiptWords(data, words, 3));
    EXPECT_EQ(words.word(3), "Totaal");
    EXPECT_FALSE(loadReceiptWords(data, words, 9));
    EXPECT_EQ(words.word(3), "Total");

    // A file built by hand, under an upper-case name, with a reserved slot
    // used and a word filling its slot with no terminator.
    std::string file(kFile, '\0');
    test::putText(file, 0, "Cymraeg");
    test::putText(file, 3 * kSlot, "Cyfanswm");
    test::putText(file, 10 * kSlot, std::string(kSlot, 'X'));
    test::putText(file, 40 * kSlot, "kept");
    test::writeBytes(dir.file("LANGUAGE.INI"), file);
    EXPECT_TRUE(loadReceiptWords(data, words, 0));
    EXPECT_EQ(std::string(words.bytes()), file);
    EXPECT_EQ(words.word(10), std::string(kSlot, 'X'));
    EXPECT_EQ(words.word(1), "");

    // Stored back, the same bytes go to the same file.
    words.setWord(1, "Derbynneb");
    ASSERT_TRUE(storeReceiptWords(data, words));
    EXPECT_FALSE(std::filesystem::exists(dir.file("language.ini")));
    test::putText(file, kSlot, "Derbynneb");
    EXPECT_EQ(test::readBytes(dir.file("LANGUAGE.INI")), file);
}

TEST(ReceiptWords, CutOffFileKeepsBuiltInWordsPastItsLastWholeSlot)
{
    TempDir dir;
    std::string file(2 * kSlot + 30, '\0');
    test::putText(file, 0, "Mine");
    test::putText(file, kSlot, "Bon");
    test::putText(file, 2 * kSlot, "Sub tot");
    test::writeBytes(dir.file("language.ini"), file);
    ReceiptWords words;
    EXPECT_TRUE(loadReceiptWords(DataDir(dir.path()), words, 0));
    EXPECT_EQ(words.word(0), "Mine");
    EXPECT_EQ(words.word(1), "Bon");
    EXPECT_EQ(words.word(2), "Sub total");
    EXPECT_EQ(words.word(35), "Terms");

    // Longer than the table: only the table's bytes are taken.
    std::string longer(kFile + 10, 'Z');
    test::writeBytes(dir.file("language.ini"), longer);
    EXPECT_TRUE(loadReceiptWords(DataDir(dir.path()), words, 0));
    EXPECT_EQ(std::string(words.bytes()), std::string(kFile, 'Z'));
}
