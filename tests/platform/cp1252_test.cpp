#include "platform/cp1252.h"

#include <gtest/gtest.h>

using namespace ovix;

namespace {

bool isUndefinedByte(int byte)
{
    return byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
}

} // namespace

TEST(Cp1252, EveryDefinedByteSurvivesTheRoundTrip)
{
    for (int byte = 0; byte < 256; ++byte) {
        const std::string one(1, static_cast<char>(byte));
        if (isUndefinedByte(byte)) {
            EXPECT_EQ(toUtf8(one), "\xEF\xBF\xBD") << byte;
            EXPECT_EQ(fromUtf8(toUtf8(one)), "?") << byte;
            EXPECT_EQ(toQString(one), QString(QChar(0xFFFD))) << byte;
            continue;
        }
        EXPECT_EQ(fromUtf8(toUtf8(one)), one) << byte;
        EXPECT_EQ(fromQString(toQString(one)), one) << byte;
        EXPECT_EQ(QString::fromStdString(toUtf8(one)), toQString(one)) << byte;
    }
}

TEST(Cp1252, TheHighTableMatchesTheCodePage)
{
    EXPECT_EQ(cp1252ToUnicode(0x80), U'\u20AC');
    EXPECT_EQ(cp1252ToUnicode(0x8A), U'\u0160');
    EXPECT_EQ(cp1252ToUnicode(0x92), U'\u2019');
    EXPECT_EQ(cp1252ToUnicode(0x96), U'\u2013');
    EXPECT_EQ(cp1252ToUnicode(0x99), U'\u2122');
    EXPECT_EQ(cp1252ToUnicode(0x9F), U'\u0178');
    EXPECT_EQ(cp1252ToUnicode(0xA0), U'\u00A0');
    EXPECT_EQ(unicodeToCp1252(U'\u20AC'), 0x80);
    // C1 controls are not Latin-1 here: those bytes mean other characters.
    EXPECT_EQ(unicodeToCp1252(0x80), -1);
    EXPECT_EQ(unicodeToCp1252(0x81), -1);
    EXPECT_EQ(unicodeToCp1252(0xFFFD), -1);
    EXPECT_EQ(unicodeToCp1252(0x0100), -1);
}

TEST(Cp1252, PoundEuroAndAccentBothWays)
{
    EXPECT_EQ(fromUtf8("£ € é"), "\xA3 \x80 \xE9");
    EXPECT_EQ(toUtf8("\xA3 \x80 \xE9"), "£ € é");
    EXPECT_EQ(fromQString(QStringLiteral("£ € é")), "\xA3 \x80 \xE9");
    EXPECT_EQ(toQString("\xA3 \x80 \xE9"), QStringLiteral("£ € é"));
}

TEST(Cp1252, CharactersWithoutAByteBecomeTheGivenReplacement)
{
    EXPECT_EQ(fromUtf8("Ω≈ж"), "???");
    EXPECT_EQ(fromUtf8("a\xF0\x9F\x98\x80z"), "a?z"); // one emoji, one mark
    EXPECT_EQ(fromUtf8("Ω", '_'), "_");
    EXPECT_EQ(fromQString(QStringLiteral("a\U0001F600z")), "a?z");
    EXPECT_EQ(fromQString(QString(QChar(0xD800)) + "x"), "?x"); // lone surrogate
}

TEST(Cp1252, MalformedUtf8NeverReadsPastTheEndAndKeepsTheRest)
{
    EXPECT_EQ(fromUtf8("\x80"), "?");                   // stray continuation byte
    EXPECT_EQ(fromUtf8("\xC3"), "?");                   // cut off at the end
    EXPECT_EQ(fromUtf8("ab\xE2\x82"), "ab?");           // cut-off euro sign
    EXPECT_EQ(fromUtf8("\xC0\xAF"), "??");              // overlong '/'
    EXPECT_EQ(fromUtf8("\xE0\x80\xAF"), "???");         // overlong, three bytes
    EXPECT_EQ(fromUtf8("\xED\xA0\x80"), "???");         // encoded surrogate
    EXPECT_EQ(fromUtf8("\xF4\x90\x80\x80"), "????");    // above U+10FFFF
    EXPECT_EQ(fromUtf8("\xFF\xFEok"), "??ok");
    EXPECT_EQ(fromUtf8("\xC3x\xA9"), "?x?");            // sequence broken by ASCII
    EXPECT_EQ(fromUtf8(std::string_view("a\0b", 3)), std::string("a\0b", 3));

    // Every byte string of length one and two decodes without trouble and
    // never grows.
    for (int first = 0; first < 256; ++first) {
        for (int second = 0; second < 256; ++second) {
            const char pair[2] = {static_cast<char>(first), static_cast<char>(second)};
            std::string result = fromUtf8(std::string_view(pair, 2));
            ASSERT_GE(result.size(), 1u);
            ASSERT_LE(result.size(), 2u);
        }
    }
}

TEST(Cp1252, UpperCaseCoversTheCodePageLetters)
{
    EXPECT_EQ(toUpperCp1252("abc xyz 09 @[`{"), "ABC XYZ 09 @[`{");
    for (int byte = 0xE0; byte <= 0xFE; ++byte) {
        const char lower = static_cast<char>(byte);
        const char expected = byte == 0xF7 ? lower : static_cast<char>(byte - 0x20);
        EXPECT_EQ(toUpperCp1252(lower), expected) << byte;
    }
    EXPECT_EQ(toUpperCp1252("\x9A\x9C\x9E\xFF"), "\x8A\x8C\x8E\x9F"); // š œ ž ÿ
    EXPECT_EQ(toUpperCp1252(std::string_view("\xDF\xF7\xB5\xAA\x80", 5)),
              "\xDF\xF7\xB5\xAA\x80"); // ß ÷ µ ª € stay
    EXPECT_EQ(toUpperCp1252(fromUtf8("crème brûlée")), fromUtf8("CRÈME BRÛLÉE"));

    // Upper-casing is stable: upper case of upper case changes nothing.
    for (int byte = 0; byte < 256; ++byte) {
        const char upper = toUpperCp1252(static_cast<char>(byte));
        EXPECT_EQ(toUpperCp1252(upper), upper) << byte;
    }
}
