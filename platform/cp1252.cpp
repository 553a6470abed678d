#include "platform/cp1252.h"

#include <array>

namespace ovix {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Code points of bytes 0x80-0x9F.
constexpr std::array<char32_t, 32> kHighTable = {
    0x20AC, kReplacement, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, kReplacement, 0x017D, kReplacement,
    kReplacement, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, kReplacement, 0x017E, 0x0178,
};

void appendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void appendCp1252(std::string &out, char32_t c, char unmappable)
{
    int byte = unicodeToCp1252(c);
    out += byte < 0 ? unmappable : static_cast<char>(byte);
}

// Decodes one UTF-8 sequence at `position` and moves past it. A malformed
// sequence gives U+FFFD and is skipped as far as it looked valid (at least one
// byte), so the decoder never stalls and never reads past the end.
char32_t decodeUtf8(std::string_view text, size_t &position)
{
    auto byteAt = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    unsigned char lead = byteAt(position++);
    if (lead < 0x80)
        return lead;
    int length = 0;
    char32_t c = 0;
    unsigned char low = 0x80;  // allowed range of the second byte
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        c = lead & 0x0F;
        if (lead == 0xE0)
            low = 0xA0; // no overlong forms
        if (lead == 0xED)
            high = 0x9F; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        c = lead & 0x07;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F; // nothing above U+10FFFF
    } else {
        return kReplacement;
    }
    for (int i = 1; i < length; ++i) {
        if (position >= text.size())
            return kReplacement;
        unsigned char next = byteAt(position);
        unsigned char min = i == 1 ? low : 0x80;
        unsigned char max = i == 1 ? high : 0xBF;
        if (next < min || next > max)
            return kReplacement;
        c = (c << 6) | (next & 0x3F);
        ++position;
    }
    return c;
}

} // namespace

char32_t cp1252ToUnicode(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return kHighTable[byte - 0x80];
    return byte;
}

int unicodeToCp1252(char32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<int>(codePoint);
    if (codePoint == kReplacement)
        return -1;
    for (size_t i = 0; i < kHighTable.size(); ++i) {
        if (kHighTable[i] == codePoint)
            return static_cast<int>(0x80 + i);
    }
    return -1;
}

std::string toUtf8(std::string_view cp1252)
{
    std::string out;
    out.reserve(cp1252.size() + cp1252.size() / 2);
    for (char byte : cp1252)
        appendUtf8(out, cp1252ToUnicode(static_cast<unsigned char>(byte)));
    return out;
}

std::string fromUtf8(std::string_view utf8, char unmappable)
{
    std::string out;
    out.reserve(utf8.size());
    size_t position = 0;
    while (position < utf8.size())
        appendCp1252(out, decodeUtf8(utf8, position), unmappable);
    return out;
}

QString toQString(std::string_view cp1252)
{
    QString out;
    out.reserve(static_cast<qsizetype>(cp1252.size()));
    for (char byte : cp1252)
        out += QChar(static_cast<char16_t>(cp1252ToUnicode(static_cast<unsigned char>(byte))));
    return out;
}

std::string fromQString(const QString &text)
{
    std::string out;
    out.reserve(static_cast<size_t>(text.size()));
    const qsizetype length = text.size();
    for (qsizetype i = 0; i < length; ++i) {
        QChar unit = text.at(i);
        if (unit.isHighSurrogate() && i + 1 < length && text.at(i + 1).isLowSurrogate()) {
            ++i; // a character beyond the first plane: none of them has a byte
            out += '?';
        } else if (unit.isSurrogate()) {
            out += '?';
        } else {
            appendCp1252(out, unit.unicode(), '?');
        }
    }
    return out;
}

char toUpperCp1252(char byte)
{
    auto b = static_cast<unsigned char>(byte);
    if (b >= 'a' && b <= 'z')
        return static_cast<char>(b - 0x20);
    if (b >= 0xE0 && b <= 0xFE && b != 0xF7)
        return static_cast<char>(b - 0x20);
    switch (b) {
    case 0x9A: return static_cast<char>(0x8A);
    case 0x9C: return static_cast<char>(0x8C);
    case 0x9E: return static_cast<char>(0x8E);
    case 0xFF: return static_cast<char>(0x9F);
    default: return byte;
    }
}

std::string toUpperCp1252(std::string_view cp1252)
{
    std::string out(cp1252);
    for (char &byte : out)
        byte = toUpperCp1252(byte);
    return out;
}

} // namespace ovix
