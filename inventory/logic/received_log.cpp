#include "inventory/logic/received_log.h"

#include "platform/c_format.h"
#include "platform/data_dir.h"
#include "platform/file.h"

#include <cstring>

namespace ovix {

namespace {

void putNumber(char *at, int64_t value)
{
    const auto bits = static_cast<uint64_t>(value);
    for (int i = 0; i < 8; ++i)
        at[i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
}

int64_t getNumber(const char *at)
{
    uint64_t bits = 0;
    for (int i = 0; i < 8; ++i)
        bits |= static_cast<uint64_t>(static_cast<unsigned char>(at[i])) << (8 * i);
    return static_cast<int64_t>(bits);
}

} // namespace

std::string receivedLogName(const CalendarDay &day)
{
    return cformat("%d/%d/%d/%s", day.year, day.month, day.day, kReceivedLogName);
}

std::string receivedEntryBytes(const ReceivedEntry &entry)
{
    std::string bytes(kReceivedEntrySize, '\0');
    putNumber(bytes.data(), entry.itemNumber);
    putNumber(bytes.data() + 8, entry.quantity);
    return bytes;
}

std::optional<std::vector<ReceivedEntry>> readReceivedEntries(
    const DataDir &dir, const CalendarDay &day)
{
    const std::string path = dir.path(receivedLogName(day));
    if (!fileExists(path))
        return std::vector<ReceivedEntry> {};
    const std::optional<std::string> bytes = readWholeFile(path);
    if (!bytes)
        return std::nullopt;
    std::vector<ReceivedEntry> entries;
    entries.reserve(bytes->size() / kReceivedEntrySize);
    for (size_t at = 0; at + kReceivedEntrySize <= bytes->size(); at += kReceivedEntrySize)
        entries.push_back({ getNumber(bytes->data() + at), getNumber(bytes->data() + at + 8) });
    return entries;
}

} // namespace ovix
