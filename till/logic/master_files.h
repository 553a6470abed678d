#pragma once
// The shop's six master files, as a backup holds them, and the copying both
// the backup and the restore do: each file goes to a temporary name first,
// and only a set copied whole is put in place of the old one.

#include <string>
#include <vector>

namespace ovix {

class DataDir;

// In the order they are copied. The first four make a shop; resn.dat and
// bun4.dat are taken when they are there.
inline constexpr const char *kMasterFiles[] = {
    "wr.cfg", "film.dat", "member.dat", "mans.dat", "resn.dat", "bun4.dat",
};
inline constexpr int kMasterFileCount = 6;
inline constexpr int kRequiredMasterFiles = 4;

// True when both paths name the same existing folder.
bool isSameFolder(const std::string &first, const std::string &second);

// Copies `from` to the new file `temporary` (the shop's alone, synced with its
// folder); a file left under that name by an earlier attempt is removed first.
// On failure nothing is left under `temporary` and `error` says what failed.
bool copyToTemporary(const std::string &from, const std::string &temporary, std::string &error);

// Removes a temporary copy again; one that is not there is no failure.
void removeTemporary(const std::string &temporary);

// A file of a folder about to be replaced by its temporary copy; with no
// temporary copy, the file is removed.
struct TemporaryCopy {
    std::string name;      // as in kMasterFiles, found whatever its case
    std::string temporary; // full path, in the same folder
};

// Removes every temporary copy of `copies`.
void removeCopies(const std::vector<TemporaryCopy> &copies);

// Renames every copy over its file in `dir` (an existing file keeps the
// name it has) and removes the files without one, all under one undo journal
// in `dir`: a failure puts the old files back, and a crash part-way is undone
// by recoverInterruptedWork() on that folder. False, with `error`, when the
// swap did not happen; the temporary copies are then the caller's to remove.
bool swapInCopies(const DataDir &dir, const std::vector<TemporaryCopy> &copies,
                  std::string &error);

} // namespace ovix
