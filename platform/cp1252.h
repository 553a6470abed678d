#pragma once
// Windows-1252 text, the single-byte encoding of every name, caption and text
// field stored in the shop's data files.
//
// Bytes 0x00-0x7F are ASCII and 0xA0-0xFF are Latin-1; 0x80-0x9F hold the
// euro sign, typographic quotes, dashes and a few letters (Š Œ Ž Ÿ ...). The
// five bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D mean nothing and decode to U+FFFD.
// None of these functions fails: text that cannot be carried over is replaced.

#include <QString>

#include <string>
#include <string_view>

namespace ovix {

// The Unicode code point of one byte (U+FFFD for the five undefined bytes).
char32_t cp1252ToUnicode(unsigned char byte);
// The byte for a code point, or -1 when Windows-1252 has no such character.
int unicodeToCp1252(char32_t codePoint);

// Windows-1252 bytes to UTF-8.
std::string toUtf8(std::string_view cp1252);
// UTF-8 to Windows-1252. Characters without a byte, and each malformed UTF-8
// sequence (stray continuation bytes, overlong forms, surrogates, cut-off
// sequences), become `unmappable`.
std::string fromUtf8(std::string_view utf8, char unmappable = '?');

QString toQString(std::string_view cp1252);
// Characters without a byte (and lone surrogates) become '?'.
std::string fromQString(const QString &text);

// Upper case as the shop's data keeps it: a-z, and the Windows-1252 letters
// à-þ (except ÷) to À-Þ, š→Š, œ→Œ, ž→Ž, ÿ→Ÿ. ß and every other byte stay.
char toUpperCp1252(char byte);
std::string toUpperCp1252(std::string_view cp1252);

} // namespace ovix
