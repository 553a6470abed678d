#pragma once
// Device control sequences as the shop types them: decimal byte values
// separated by commas, such as "27,112,0,25,250" for a drawer kick.

#include <string>
#include <string_view>

namespace ovix {

// The bytes of `text`. Only its first 32 characters are read. Each item
// between commas becomes one byte: leading blanks skipped, an optional sign,
// then decimal digits up to the first non-digit (nothing convertible gives 0),
// kept to its low 8 bits however long the digit run ("300" gives 2C, "-1"
// gives FF). An empty item gives a 0 byte, so "27,,64" gives 1B 00 40 and a
// run of 32 commas gives 33 zero bytes. When the text is longer than 32
// characters the item still open at the cut is dropped. An empty text gives
// no bytes. Never fails.
std::string parseByteSequence(std::string_view text);

} // namespace ovix
