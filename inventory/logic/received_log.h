#pragma once
// ininvent.dat, the receiving log of one day of the archive (Y/M/D, decimal,
// no leading zeros): 16-byte entries appended in the order the goods were
// booked in, each a little-endian int64 item number and an int64 quantity
// received. The file is created by the first receipt of the day.

#include "platform/day_walk.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ovix {

class DataDir;

inline constexpr const char *kReceivedLogName = "ininvent.dat";
inline constexpr size_t kReceivedEntrySize = 16;

struct ReceivedEntry {
    int64_t itemNumber = 0;
    int64_t quantity = 0;
    bool operator==(const ReceivedEntry &) const = default;
};

// The log's name relative to the data folder, e.g. "2026/3/5/ininvent.dat".
std::string receivedLogName(const CalendarDay &day);

// The 16 bytes of one entry.
std::string receivedEntryBytes(const ReceivedEntry &entry);

// The whole entries of a day's log, in order; none when the day has no log.
// A torn end (fewer than 16 bytes after the last whole entry) is left out.
// Nothing when the log exists but cannot be read.
std::optional<std::vector<ReceivedEntry>> readReceivedEntries(
    const DataDir &dir, const CalendarDay &day);

} // namespace ovix
