#pragma once
// Text fields of the record files: NUL-terminated Windows-1252 bytes, zero
// filled to the field's width. A field read from disk may fill its width with
// no NUL at all, so every read is bounded by the width, and every write keeps
// room for the terminator.

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace ovix {

// The text held in `width` bytes at `field`: up to the first NUL, at most `width` bytes.
inline std::string readFixedText(const char *field, size_t width)
{
    const void *nul = std::memchr(field, 0, width);
    size_t length = nul ? static_cast<size_t>(static_cast<const char *>(nul) - field) : width;
    return std::string(field, length);
}

// Stores `text` into `width` bytes: at most width - 1 bytes of it, then zeros.
inline void writeFixedText(char *field, size_t width, std::string_view text)
{
    if (width == 0)
        return;
    size_t length = text.size() < width - 1 ? text.size() : width - 1;
    if (length > 0) // an empty view may carry no data pointer at all
        std::memcpy(field, text.data(), length);
    std::memset(field + length, 0, width - length);
}

template <size_t N>
std::string readText(const char (&field)[N])
{
    return readFixedText(field, N);
}

template <size_t N>
void writeText(char (&field)[N], std::string_view text)
{
    writeFixedText(field, N, text);
}

} // namespace ovix
