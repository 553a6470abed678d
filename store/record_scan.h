#pragma once
// Reading a whole file of fixed-size records front to back in large blocks:
// film.dat, member.dat or mans.dat, or a copy of one such as the publisher's
// inventor.dat. Every bulk reader of records goes through here: the index
// load at start, the quick-select table, the publisher's conversion, and the
// reports and lists.
//
// The file is opened for the length of the scan only (with read sharing, as
// every data file is) and read in blocks of about kScanBlockBytes until a
// short read, which is the end of the file; a part record at the end is left
// out. Nothing is written and nothing is reported: the caller decides what a
// failure means from the ScanResult.
//
// Usage:
//     forEachRecord<ItemRecord>(path, {}, [&](int64_t slot, const ItemRecord &item) {
//         ...
//     });
// A visitor may return bool instead of void: false ends the scan (Stopped).

#include "platform/file.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <type_traits>

namespace ovix {

// Records are read in blocks of about this many bytes: large enough that the
// reads cost little, small enough that a block stays in the processor's cache
// while the visitor works on it (a 1 MiB block made the publisher's
// conversion a sixth slower).
inline constexpr size_t kScanBlockBytes = size_t(512) << 10;

// Which records a scan hands to its visitor. A record is live when the
// 64-bit number at its start is above 0.
enum class ScanSlots {
    Live, // live records only
    All, // every record, free slots included
};

// What a scan does when a block cannot be read.
enum class ScanFailure {
    Stop, // the scan ends there (ReadFailed)
    SkipUnreadable, // the block is read again record by record, and the
                    // records that still cannot be read are left out
};

struct ScanOptions {
    ScanSlots slots = ScanSlots::Live;
    ScanFailure onFailure = ScanFailure::Stop;
    // No record at or past this slot is read; below 0: read to the end.
    int64_t slotLimit = -1;
};

struct ScanResult {
    enum class Status {
        Complete, // read to the end of the file or to the slot limit
        NotOpened, // the file could not be opened: nothing was visited
        ReadFailed, // a read failed: the records before slotsRead were visited
        Stopped, // the visitor returned false
    };
    Status status = Status::Complete;
    // The slot the scan reached: records before it were read (or, with
    // SkipUnreadable, tried) and, when they answered the ScanSlots, visited.
    int64_t slotsRead = 0;

    bool complete() const
    {
        return status == Status::Complete;
    }
};

namespace detail {

template <typename Visit, typename Record>
bool visitRecord(Visit &visit, int64_t slot, const Record &record)
{
    if constexpr (std::is_same_v<std::invoke_result_t<Visit &, int64_t, const Record &>, bool>) {
        return visit(slot, record);
    } else {
        visit(slot, record);
        return true;
    }
}

inline bool liveRecord(const char *record)
{
    int64_t number = 0;
    std::memcpy(&number, record, sizeof number);
    return number > 0;
}

} // namespace detail

// Reads the file at `path` as records of `recordSize` bytes and calls
// `visit(int64_t slot, const char *record)` for each one the options take,
// in slot order. The bytes stay valid only during the call.
template <typename Visit>
ScanResult scanRecordBytes(
    const std::string &path, size_t recordSize, const ScanOptions &options, Visit &&visit)
{
    using Status = ScanResult::Status;
    File file = File::open(path, File::Mode::Read);
    if (!file.isOpen() || recordSize == 0)
        return { Status::NotOpened, 0 };
    const auto size = static_cast<int64_t>(recordSize);
    const int64_t perBlock = std::max<int64_t>(1, static_cast<int64_t>(kScanBlockBytes) / size);
    const auto block = std::make_unique_for_overwrite<char[]>(static_cast<size_t>(perBlock * size));
    const auto take = [&](int64_t slot, const char *record) {
        if (options.slots == ScanSlots::Live && !detail::liveRecord(record))
            return true;
        return detail::visitRecord(visit, slot, record);
    };

    int64_t slot = 0;
    for (;;) {
        int64_t count = perBlock;
        if (options.slotLimit >= 0)
            count = std::min(count, options.slotLimit - slot);
        if (count <= 0)
            break;
        const int64_t got
            = file.readSomeAt(slot * size, block.get(), static_cast<size_t>(count * size));
        if (got < 0 && options.onFailure == ScanFailure::Stop)
            return { Status::ReadFailed, slot };
        if (got < 0) {
            // A failing block: take what can still be read record by record.
            for (int64_t i = 0; i < count; ++i) {
                const int64_t one = file.readSomeAt((slot + i) * size, block.get(), recordSize);
                if (one == size && !take(slot + i, block.get()))
                    return { Status::Stopped, slot + i + 1 };
                if (one >= 0 && one < size)
                    return { Status::Complete, slot + i }; // the end of the file
            }
            slot += count;
            continue;
        }
        const int64_t whole = got / size;
        for (int64_t i = 0; i < whole; ++i) {
            if (!take(slot + i, block.get() + i * size))
                return { Status::Stopped, slot + i + 1 };
        }
        slot += whole;
        if (got < count * size)
            break; // a short read: the end of the file
    }
    return { Status::Complete, slot };
}

// The same with each record copied into a `Record` (a packed record struct
// whose first field is its 64-bit number): `visit(int64_t slot, const Record
// &record)`.
template <typename Record, typename Visit>
ScanResult forEachRecord(const std::string &path, const ScanOptions &options, Visit &&visit)
{
    Record record {};
    return scanRecordBytes(path, sizeof(Record), options, [&](int64_t slot, const char *bytes) {
        std::memcpy(&record, bytes, sizeof record);
        return detail::visitRecord(visit, slot, static_cast<const Record &>(record));
    });
}

} // namespace ovix
