#pragma once
// Utilities "Backup": the six master files copied into a folder the user
// names, so that "Restore" can put the shop back as it was.

#include <optional>
#include <string>

namespace ovix {

class Messages;
class Shop;
struct LocalTime;

// The folder offered when the shop has never backed up: one beside the data
// folder, named after it with "-backup".
std::string defaultBackupFolder(const Shop &shop);

// Stamps the backup time `now` into the configuration and stores wr.cfg
// ("WR.CFG", caption "Problem", and nothing more is done), then asks "Backup:
// enter the directory", offering the last backup folder. An answer shorter
// than 100 characters is kept as the last backup folder. Gives the folder as
// a path (a relative answer is taken from the data folder), or nothing when
// the user cancelled or left the answer empty.
std::optional<std::string> askBackupFolder(Shop &shop, const LocalTime &now, Messages &messages);

// Logs "File backup" at `now` (a log that cannot be written is told, "Data
// file: bun4.dat.", and the backup goes on), makes the folder when it is
// missing ("Unable to create folder."), then copies the master files into it.
// Each copy goes under a temporary name and is synced; only when all of them
// are there are they swapped in for the previous backup's files (keeping the
// names those have, whatever their case) under an undo journal in the backup
// folder. So a backup that fails part-way ("Unable to open file", caption
// "Problem") leaves the previous backup whole, and one cut short by a crash
// is put back to it before a restore reads the folder. A file of the backup
// whose master file the shop no longer has (resn.dat) is removed, so the
// backup is all of one moment.
// A folder that is the data folder itself is refused. Ends with "Complete"
// (caption "File backup"); true then.
bool backupToFolder(Shop &shop, const std::string &folder, const LocalTime &now,
                    Messages &messages);

} // namespace ovix
