#pragma once
// What loading a record file (film.dat, member.dat, mans.dat) must keep,
// whatever its bytes: a file the load refuses is left byte for byte as it
// was; a file it takes gives an index that agrees with the file: every slot
// counted once, free entries first and live numbers ascending, every look-up
// of a number landing on a record with that number, the block scan seeing
// the live records the index sees. A record then added and removed again
// goes where the index says and comes back out.

#include "fuzz/fuzz_folder.h"
#include "platform/data_dir.h"
#include "platform/scripted_messages.h"
#include "store/fixed_text.h"
#include "store/record_kinds.h"

#include <cstring>
#include <functional>
#include <string>

namespace ovix::fuzz {

template <typename Record> int64_t numberOf(const std::string &file, int64_t slot)
{
    int64_t number;
    std::memcpy(&number, file.data() + slot * static_cast<int64_t>(sizeof(Record)), sizeof number);
    return number;
}

// Writes `bytes` as the kind's file in a cleared folder and loads it. Calls
// `more(records, file)` after the checks when the load succeeded.
template <typename Record>
void loadRecordFileOnce(const uint8_t *data, size_t size,
    const std::function<void(RecordFile<Record> &, const std::string &)> &more = {})
{
    using Kind = RecordKind<Record>;
    const RecordFileLayout &layout = Kind::kLayout;
    FuzzFolder &folder = FuzzFolder::instance();
    folder.clear();
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    folder.write(layout.fileName, bytes);

    DataDir dir(folder.path());
    RecordFile<Record> records(dir);
    ScriptedMessages messages;
    if (!records.load(messages)) {
        check(!messages.shown.empty());
        check(folder.read(layout.fileName) == bytes);
        check(records.slotCount() == 0 && records.index().size() == 0);
        return;
    }
    check(messages.shown.empty());
    const std::optional<std::string> loaded = folder.read(layout.fileName);
    check(loaded.has_value());
    const std::string &file = *loaded;
    // Only the supplier placeholder is ever rewritten by a load.
    check(file == bytes || static_cast<int64_t>(size) == layout.placeholderSize);
    check(file.size() % sizeof(Record) == 0);

    const int64_t slots = static_cast<int64_t>(file.size() / sizeof(Record));
    check(records.slotCount() == slots);
    check(records.liveCount() + records.freeCount() == slots);
    check(records.index().size() == static_cast<size_t>(slots));

    std::vector<bool> seen(static_cast<size_t>(slots), false);
    int64_t previous = 0;
    int64_t live = 0;
    for (size_t position = 0; position < records.index().size(); ++position) {
        const IndexEntry &entry = records.index()[position];
        check(entry.slot >= 0 && entry.slot < slots && !seen[static_cast<size_t>(entry.slot)]);
        seen[static_cast<size_t>(entry.slot)] = true;
        const int64_t stored = numberOf<Record>(file, entry.slot);
        if (entry.number == RecordIndex::kFree) {
            check(stored <= 0 && live == 0);
            continue;
        }
        check(stored == entry.number && entry.number >= previous);
        previous = entry.number;
        ++live;
        check(records.index().contains(entry.number));
        const std::optional<int64_t> slot = records.slotOf(entry.number);
        check(slot.has_value() && numberOf<Record>(file, *slot) == entry.number);
        Record record;
        check(records.readRecord(*slot, record, messages));
        check(record.number == entry.number);
        check(records.find(entry.number) <= position);
    }
    check(live == records.liveCount());

    int64_t scanned = 0;
    const ScanResult scan = records.forEachRecord([&](int64_t slot, const Record &record) {
        check(record.number > 0 && record.number == numberOf<Record>(file, slot));
        ++scanned;
    });
    check(scan.complete() && scanned == live);

    // A key is the first two bytes of the description or name of a live record.
    for (int64_t slot = 0; slot < slots; ++slot) {
        const std::array<char, 2> key = records.key(slot);
        if (layout.keyOffset < 0 || numberOf<Record>(file, slot) <= 0) {
            check(key[0] == '\0' && key[1] == '\0');
        } else {
            const char *field = file.data() + slot * static_cast<int64_t>(sizeof(Record))
                + layout.keyOffset;
            check(key[0] == field[0] && key[1] == field[1]);
        }
    }

    if (more)
        more(records, file);

    // The number offered for a new record is free and in range; added, it is
    // found where the index put it, and removed, the file is a record longer
    // at most and every other record is untouched.
    const int64_t offered = records.offerNumber(0);
    check(offered >= 1 && !records.index().contains(offered));
    if (offered <= layout.maxNumber) {
        Record added {};
        added.number = offered;
        const int64_t expectedSlot = records.index().slotForNewEntry();
        const std::optional<int64_t> slot = records.insert(added, messages);
        check(slot.has_value() && *slot == expectedSlot);
        check(records.slotOf(offered) == slot);
        Record back;
        check(records.readRecord(*slot, back, messages) && back.number == offered);
        check(records.remove(records.find(offered), messages));
        check(!records.index().contains(offered));
        const std::optional<std::string> after = folder.read(layout.fileName);
        check(after.has_value());
        const size_t expectedSize
            = std::max(file.size(), static_cast<size_t>(*slot + 1) * sizeof(Record));
        check(after->size() == expectedSize);
        for (int64_t other = 0; other < slots; ++other) {
            if (other == *slot)
                continue;
            const size_t at = static_cast<size_t>(other) * sizeof(Record);
            check(after->compare(at, sizeof(Record), file, at, sizeof(Record)) == 0);
        }
        check(records.slotCount() == static_cast<int64_t>(expectedSize / sizeof(Record)));
    }
}

} // namespace ovix::fuzz
