#pragma once
// CRC-32 (the IEEE polynomial of zip and Ethernet) for recognising files that
// were cut short or damaged on the disk.

#include <cstdint>
#include <string_view>

namespace ovix {

// CRC of `bytes`, continuing from `previous` (0 to start).
uint32_t crc32(std::string_view bytes, uint32_t previous = 0);

} // namespace ovix
