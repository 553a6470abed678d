#pragma once
// The activity log: bun4.dat (current) and bun2.dat (previous), plain
// Windows-1252 text with CR LF line ends, only ever appended to.

#include <cstdint>
#include <string_view>

namespace ovix {

class DataDir;

inline constexpr const char *kCurrentLogName = "bun4.dat";
inline constexpr const char *kPreviousLogName = "bun2.dat";

// Appends `text` as it stands to bun4.dat, creating the file when missing;
// every writer of the log goes through here. The log holds the whole text or
// none of it: a write that fails part-way is cut back to the log's old length.
// False when the text could not be written whole (the file cannot be opened,
// its length read, or the text written and closed); the caller's own work
// stands. `tornBlockLeft`
// (when given) is set when the cut itself failed and the start of the text is
// still at the end of the log: a writer inside a FileTransaction then undoes
// its update, as the journal restores the log's length.
bool appendToLog(const DataDir &dir, std::string_view text, bool *tornBlockLeft = nullptr);

// The size in bytes above which the log rolls over: 100000 + 50000 × index,
// with the index clamped to 0..8.
int64_t logCapacityBytes(int capacityIndex);

enum class RollOverResult { Kept, RolledOver, Failed };

// Once at start: bun4.dat is created when missing; when it is larger than the
// capacity, bun2.dat is replaced by it and the next append starts a new bun4.dat.
// Failed when bun4.dat cannot be opened or created ("Unable to manipulate log.").
RollOverResult rollOverLog(const DataDir &dir, int capacityIndex);

// Deletes bun2.dat and bun4.dat; false when one exists and cannot be removed.
bool purgeLogs(const DataDir &dir);

} // namespace ovix
