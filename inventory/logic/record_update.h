#pragma once
// One change of a single record of film.dat or mans.dat, made all or nothing:
// the record's bytes (and any whole files or the activity log named with it)
// are protected in the undo journal before the first byte is written, and a
// failure anywhere puts the files back, and the record file's index, keys
// and look-up as they were before the write: the journal makes the disk so
// even when the undo itself fails (at the next transaction or start).

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace ovix {

class DataDir;
class IndexedRecordFile;
class Messages;

struct RecordUpdate {
    int64_t slot = 0; // the slot written (a new record's slot when appending)
    std::vector<std::string> wholeFiles; // names in the data folder replaced with it
    bool withLog = false; // the activity log is appended to as well
};

// Protects what `update` names, runs `write` (which tells its own failures)
// and commits. False, told and undone otherwise.
bool runRecordUpdate(const DataDir &dir, IndexedRecordFile &file, const RecordUpdate &update,
    const std::function<bool(Messages &)> &write, Messages &messages);

} // namespace ovix
