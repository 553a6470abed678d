#include "print/logic/byte_sequence.h"

namespace ovix {

namespace {

constexpr size_t kReadLimit = 32;

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The low 8 bits of the item's leading decimal integer; the digits are
// folded modulo 256 as they come, so no run of digits can overflow.
char itemByte(std::string_view item)
{
    size_t at = 0;
    while (at < item.size() && isBlank(item[at]))
        ++at;
    bool negative = false;
    if (at < item.size() && (item[at] == '+' || item[at] == '-')) {
        negative = item[at] == '-';
        ++at;
    }
    unsigned value = 0;
    while (at < item.size() && item[at] >= '0' && item[at] <= '9') {
        value = (value * 10 + static_cast<unsigned>(item[at] - '0')) & 0xFFu;
        ++at;
    }
    if (negative)
        value = (256u - value) & 0xFFu;
    return static_cast<char>(value);
}

} // namespace

std::string parseByteSequence(std::string_view text)
{
    std::string bytes;
    if (text.empty())
        return bytes;
    const bool cut = text.size() > kReadLimit;
    std::string_view read = text.substr(0, kReadLimit);
    size_t start = 0;
    for (size_t at = 0; at < read.size(); ++at) {
        if (read[at] == ',') {
            bytes.push_back(itemByte(read.substr(start, at - start)));
            start = at + 1;
        }
    }
    if (!cut)
        bytes.push_back(itemByte(read.substr(start)));
    return bytes;
}

} // namespace ovix
