#include "sync/logic/item_file_copy.h"

#include "platform/data_dir.h"
#include "platform/error_text.h"
#include "platform/file.h"
#include "store/item_record.h"

#include <cstring>
#include <vector>

namespace ovix {

namespace {

constexpr size_t kChunkRecords = 512;
constexpr int kRecordReadAttempts = 20;

bool fail(std::string *error, const std::string &what, int err)
{
    if (error)
        *error = what + ": " + errorText(err);
    return false;
}

// Reads `size` bytes at `offset` into `bytes` so that no record in them was
// caught half-way through being rewritten: the chunk is read twice, and a
// record that differs between the reads is read again on its own until two
// reads in a row agree. Returns the count read (a short count at the end of
// the file), or -1 on a read error.
int64_t readSettledChunkUnlocked(File &in, int64_t offset, char *bytes, char *check, size_t size)
{
    const int64_t got = in.readSomeAt(offset, bytes, size);
    if (got <= 0)
        return got;
    const int64_t again = in.readSomeAt(offset, check, static_cast<size_t>(got));
    if (again < 0)
        return -1;
    const size_t records = static_cast<size_t>(got) / kItemRecordSize;
    for (size_t i = 0; i < records; ++i) {
        char *record = bytes + i * kItemRecordSize;
        char *reread = check + i * kItemRecordSize;
        if (static_cast<size_t>(again) >= (i + 1) * kItemRecordSize
            && std::memcmp(record, reread, kItemRecordSize) == 0)
            continue;
        const int64_t at = offset + static_cast<int64_t>(i * kItemRecordSize);
        for (int attempt = 0; attempt < kRecordReadAttempts; ++attempt) {
            if (!in.readAt(at, reread, kItemRecordSize))
                return -1;
            if (std::memcmp(record, reread, kItemRecordSize) == 0)
                break;
            std::memcpy(record, reread, kItemRecordSize);
        }
    }
    return got;
}

// The chunk read while the till's record writes to it wait (the till writes
// each record under a write lock on its bytes), then settled as above for a
// writer that takes no lock.
int64_t readSettledChunk(File &in, int64_t offset, char *bytes, char *check, size_t size)
{
    const auto length = static_cast<int64_t>(size);
    const bool held = in.holdForReading(offset, length);
    const int64_t got = readSettledChunkUnlocked(in, offset, bytes, check, size);
    if (held)
        in.releaseReading(offset, length);
    return got;
}

// False, with what the writer of inventor.dat could not do in `error`.
bool failed(std::string *error, const AtomicFileWriter &out)
{
    if (error)
        *error = out.error();
    return false;
}

} // namespace

bool copyItemFile(const DataDir &dir, std::string *error)
{
    const std::string source = dir.path(kItemFileName);
    File in = File::open(source, File::Mode::Read);
    if (!in.isOpen())
        return fail(error, "cannot open " + source, in.error());
    // The copy holds what film.dat holds, so it is no more open than film.dat.
    const int sourceMode = in.permissions();
    if (sourceMode < 0)
        return fail(error, "cannot read the mode of " + source, in.error());
    AtomicFileWriter out(dir.path(kItemCopyFileName), static_cast<mode_t>(sourceMode));
    if (!out.isOpen())
        return failed(error, out);

    std::vector<char> chunk(kChunkRecords * kItemRecordSize);
    std::vector<char> check(chunk.size());
    int64_t offset = 0;
    for (;;) {
        const int64_t got = readSettledChunk(in, offset, chunk.data(), check.data(), chunk.size());
        if (got < 0)
            return fail(error, "cannot read " + source, in.error());
        if (got > 0 && !out.write(std::string_view(chunk.data(), static_cast<size_t>(got))))
            return failed(error, out);
        offset += got;
        if (static_cast<size_t>(got) < chunk.size())
            break;
    }
    return out.commit() || failed(error, out);
}

} // namespace ovix
